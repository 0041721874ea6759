#include "document/base_scenarios.h"

#include "document/base_document.h"
#include "foundation/file_helpers.h"
#include "foundation/name_safety.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "workspace/file_utils.h"
#include "workspace/simulator_tree.h"

#include <cmath>

namespace pf {

namespace {

// Lines 3 to 31 of every template: date, context line, body name.
constexpr const char* kScenarioMiddle = "END_DESC\r\n"
                                        "BEGIN_ENVIRONMENT\r\n"
                                        "  System Sol\r\n"
                                        "  Date MJD %s\r\n"
                                        "%sEND_ENVIRONMENT\r\n"
                                        "BEGIN_FOCUS\r\n"
                                        "  Ship GL-01\r\n"
                                        "END_FOCUS\r\n"
                                        "BEGIN_CAMERA\r\n"
                                        "  TARGET GL-01\r\n"
                                        "  MODE Cockpit\r\n"
                                        "  FOV 60.00\r\n"
                                        "END_CAMERA\r\n"
                                        "BEGIN_MFD Left\r\n"
                                        "  TYPE Surface\r\n"
                                        "END_MFD\r\n"
                                        "BEGIN_MFD Right\r\n"
                                        "  TYPE Launch\r\n"
                                        "END_MFD\r\n"
                                        "BEGIN_PANEL\r\n"
                                        "END_PANEL\r\n"
                                        "BEGIN_SHIPS\r\n"
                                        "ISS:ProjectAlpha_ISS\r\n"
                                        "  STATUS Orbiting Earth\r\n"
                                        "  ELEMENTS 6734918.8 0.00090 74.51300 169.03400 "
                                        "328.27760 375.78523 51981.60000000\r\n"
                                        "  AROT 30.00 0.00 50.00\r\n"
                                        "END\r\n"
                                        "GL-01:DeltaGlider\r\n"
                                        "  STATUS Landed %s\r\n";

// Lines 34 to 41.
constexpr const char* kScenarioTail = "  PRPLEVEL 0:1.000 1:1.000\r\n"
                                      "  NAVFREQ 402 94 0 0\r\n"
                                      "  XPDR 0\r\n"
                                      "  NOSECONE 0 0.0000\r\n"
                                      "  GEAR 1 1.0000\r\n"
                                      "  AIRLOCK 0 0.0000\r\n"
                                      "END\r\n"
                                      "END_SHIPS\r\n";

std::string FillTemplate(const std::string& line2, const std::string& date,
                         const std::string& bodyName, const std::string& context,
                         const std::string& lines32And33) {
    const std::string contextLine =
        context.empty() ? std::string() : FormatString("  %s\r\n", context.c_str());
    return "BEGIN_DESC\r\n" + line2 +
           FormatString(kScenarioMiddle, date.c_str(), contextLine.c_str(), bodyName.c_str()) +
           lines32And33 + kScenarioTail;
}

// One step of 360 each way, as the simulator's headings are written.
double CompassHeading(double heading) {
    if (heading >= 360.0) {
        heading -= 360.0;
    }
    if (heading < 0.0) {
        heading += 360.0;
    }
    return heading;
}

bool IsPad(int32_t type) { return type == kTypeLpad1 || type == kTypeLpad2 || type == kTypeLpad2A; }

} // namespace

bool WriteScenarioParkedAtBase(std::string date, std::string bodyName, std::string baseName,
                               std::string context, std::string* out) {
    *out = FillTemplate(FormatString("A Delta-glider, parked at %s.\r\n", baseName.c_str()), date,
                        bodyName, context,
                        FormatString("  BASE %s:0\r\n  HEADING 0\r\n", baseName.c_str()));
    return true;
}

bool WriteScenarioOnLandingPad(std::string date, std::string bodyName, std::string baseName,
                               std::string context, std::string* out, double rotation) {
    *out = FillTemplate(
        FormatString("A Delta-glider, parked on Landing Pad #1 at %s.\r\n", baseName.c_str()), date,
        bodyName, context,
        FormatString("  BASE %s:1\r\n  HEADING %.1f\r\n", baseName.c_str(),
                     CompassHeading(360.0 - rotation)));
    return true;
}

bool WriteScenarioOnRunway(std::string date, std::string bodyName, std::string baseName,
                           std::string context, std::string* out, LatLon standingPoint,
                           double angle) {
    *out = FillTemplate(
        FormatString("A Delta-glider, parked on Runway #1 at %s.\r\n", baseName.c_str()), date,
        bodyName, context,
        FormatString("  POS %f %f\r\n  HEADING %.1f\r\n", standingPoint.GetLongitude(),
                     standingPoint.GetLatitude(), CompassHeading(450.0 - angle)));
    return true;
}

std::string BaseDocument::GetScenarioMJD() const {
    static const char* const kFixedDate = "51981.6008401528";
    const bool beginOpen = periodBegin_ == "-";
    const bool endOpen = periodEnd_ == "-";
    if (periodBegin_.empty() || (beginOpen && endOpen)) {
        return kFixedDate;
    }
    const double begin = ReadLeadingDouble(periodBegin_);
    const double end = ReadLeadingDouble(periodEnd_);
    // Halved apart, so that two bounds near the double range do not overflow.
    const double date = beginOpen ? end - 10.0 : endOpen ? begin + 10.0 : end * 0.5 + begin * 0.5;
    // A bound that is not a finite number ("1e999", "nan") is no date: the period counts as
    // missing, as the simulator would refuse "Date MJD inf".
    if (!std::isfinite(date)) {
        return kFixedDate;
    }
    return FormatString("%f", date);
}

bool BaseDocument::BuildScenarios(LabeledStringArray& out) const {
    const AstrelObject* runway = nullptr;
    const AstrelObject* pad = nullptr;
    for (const AstrelObject& object : objects_) {
        if (!runway && object.GetType() == kTypeRunway) {
            runway = &object;
        }
        if (!pad && IsPad(object.GetType())) {
            pad = &object;
        }
    }
    const std::string date = GetScenarioMJD();
    const std::string titleEnd = context_.empty() ? std::string() : " " + context_;
    const size_t before = out.size();
    if (runway) {
        // Stand on the western end, facing along the runway.
        const LatLon end1 = GetDegreeOffset(runway->GetEnd1());
        const LatLon end2 = GetDegreeOffset(runway->GetEnd2());
        double angle = runway->GetRotation().Value();
        LatLon offset = end1;
        if (end2.GetLongitude() < end1.GetLongitude()) {
            offset = end2;
            angle = angle < 180.0 ? angle + 180.0 : angle - 180.0;
        }
        LatLon standing = position_;
        standing.AddLongitude(offset.GetLongitude());
        standing.AddLatitude(offset.GetLatitude());
        LabeledString scenario{name_ + " on Runway" + titleEnd, std::string()};
        WriteScenarioOnRunway(date, body_.name, name_, context_, &scenario.text, standing, angle);
        out.push_back(scenario);
    }
    if (pad) {
        LabeledString scenario{name_ + " on Landing Pad" + titleEnd, std::string()};
        WriteScenarioOnLandingPad(date, body_.name, name_, context_, &scenario.text,
                                  pad->GetRotation().Value());
        out.push_back(scenario);
    }
    if (out.size() == before) {
        LabeledString scenario{"At " + name_ + titleEnd, std::string()};
        WriteScenarioParkedAtBase(date, body_.name, name_, context_, &scenario.text);
        out.push_back(scenario);
    }
    return true;
}

bool BaseDocument::WriteScenarioFiles() const {
    std::string scenarios;
    if (!WorkSubdirectoryScenarios(scenarios)) {
        return false;
    }
    const std::string folder = scenarios + "Padforge\\";
    if (!MakeFolderIfMissing(folder)) {
        return false;
    }
    StringArray old;
    ListDirectoryFiles(folder, "*.scn", old);
    for (const std::string& name : old) {
        SafeDeleteFile(folder + name);
    }
    LabeledStringArray list;
    BuildScenarios(list);
    for (const LabeledString& scenario : list) {
        // A title that is no file name fails like a file that cannot be opened.
        if (!IsSafePathComponent(scenario.label)) {
            return false;
        }
        PfgFileStream file;
        if (!file.Open(folder + scenario.label + ".scn", kOpenWrite | kOpenCreate)) {
            return false;
        }
        file.SetLength(0);
        if (!file.Write(scenario.text.data(), static_cast<uint32_t>(scenario.text.size())) ||
            !file.Commit()) {
            return false;
        }
    }
    return true;
}

} // namespace pf
