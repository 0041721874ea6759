#include "objects/runway.h"

#include "foundation/text.h"
#include "imagery/bitmap_data.h"
#include "imagery/object_icons.h"
#include "objects/object_editing.h"
#include "objects/parameter_lines.h"
#include "objects/value_readers.h"
#include "workspace/config_reader.h"

#include <set>
#include <vector>

namespace pf {

namespace {

// Frequencies go to the simulator with one decimal.
std::string FrequencyLine(const char* keyword, const NavFrequency& f) {
    return FormatString("\t%s %.1f\r\n", keyword, static_cast<double>(f.value));
}

void CopyEnds(NewEnd12Width& to, const NewEnd12Width& from) {
    to.end1 = from.end1;
    to.end2 = from.end2;
    to.width = from.width;
}

} // namespace

// ---- runway lights ----

RunwayLights::RunwayLights() : NewEnd12WidthCountPapiVasi(kTypeRunwayLights) {}

std::string RunwayLights::GetParameterText() const {
    std::string text = EndLines(*this);
    text += "\tWIDTH " + FormatDouble3(width.value) + "\r\n";
    if (count1.given) {
        text += "\tCOUNT1 " + FormatInt(count1) + "\r\n";
    }
    if (papi[0].given && papi[1].given && papi[2].given) {
        text += "\tPAPI " + FormatPapiValues(papi[0], papi[1], papi[2], papiMode) + "\r\n";
    }
    if (vasi.IsSet()) {
        text += "\tVASI " + FormatVector3Float(vasi) + "\r\n";
    }
    text += FloatLine("TD_DISP", tdDisp);
    text += FloatLine("TD_LENGTH", tdLength);
    text += FloatLine("DECISION_DIST", decisionDist);
    text += FloatLine("APPROACH_START", approachStart);
    if (IsSingleEnded()) {
        text += "\tSINGLEENDED\r\n";
    }
    return text;
}

void RunwayLights::GetIcon(BitmapData& image) const {
    if (image.Create24(32, 32)) {
        image.FillColor24(ColorRGB(127, 127, 127));
    }
}

void RunwayLights::CopyFrom(const AstrelObjectHandle& other) {
    const auto* o = dynamic_cast<const NewEnd12WidthCountPapiVasi*>(&other);
    if (o == nullptr) {
        return;
    }
    CopyEnds(*this, *o);
    count1 = o->count1;
    for (int i = 0; i < 3; ++i) {
        papi[i] = o->papi[i];
    }
    papiMode = o->papiMode;
    vasi = o->vasi;
    tdDisp = o->tdDisp;
    tdLength = o->tdLength;
    decisionDist = o->decisionDist;
    approachStart = o->approachStart;
    singleEnded = o->singleEnded;
}

// ---- runway ----

Runway::Runway() : NewEnd12WidthIls12Rwtex(kTypeRunway) {}

std::string Runway::GetParameterText() const {
    std::string text = EndLines(*this);
    if (width.given) {
        text += "\tWIDTH " + FormatDouble3(width.value) + "\r\n";
    }
    if (ils1.present) {
        text += FrequencyLine("ILS1", ils1);
    }
    if (ils2.present) {
        text += FrequencyLine("ILS2", ils2);
    }
    text += segments.GetText();
    if (lightsOn.value == 1) {
        // The lights lie on the runway; only their heights are their own.
        for (int i = 0; i < 2; ++i) {
            lights.end1[i] = end1[i];
            lights.end2[i] = end2[i];
        }
        if (!lights.width.given) {
            lights.width = width;
        }
        text += "END\r\nRUNWAYLIGHTS\r\n";
        text += lights.GetParameterText();
    }
    return text;
}

void Runway::GetIcon(BitmapData& image) const {
    if (segments.IsWideLayout()) {
        GetObjectIconBitmap("Buttons\\runway1.bmp", image);
        return;
    }
    AstrelObjectHandle::GetIcon(image);
}

void Runway::SetSize1(double w) {
    if (!(w > 0.1)) {
        return;
    }
    if (lightsOn.value == 1 && lights.width.value == width.value) {
        lights.width.Set(w);
    }
    width.Set(w);
}

std::unique_ptr<ObjectEditDialog> Runway::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeRunway);
}

void Runway::CopyFrom(const AstrelObjectHandle& other) {
    const auto* o = dynamic_cast<const Runway*>(&other);
    if (o == nullptr) {
        return;
    }
    CopyEnds(*this, *o);
    ils1 = o->ils1;
    ils2 = o->ils2;
    segments = o->segments;
    lightsOn = o->lightsOn;
    lights.CopyFrom(o->lights);
}

// ---- parsers ----

bool ParseRunway(AstrelObject& holder, const StringArray& group) {
    static const char* const kWord = "RUNWAY";
    if (group.empty() || !CStringEqualsNoCase(group[0], kWord)) {
        return false;
    }
    Runway runway;
    runway.lightsOn.Set(0);
    runway.ils1.present = false;
    runway.ils2.present = false;

    // NRWSEG takes the lines after it whatever their first word, so the segment lines are
    // taken out here and the rest goes through the common keyword parser.
    StringArray rest;
    rest.push_back(group[0]);
    StringArray tokens;
    for (size_t i = 1; i < group.size(); ++i) {
        if (!SplitBySpace(tokens, group[i]) || !CStringEqualsNoCase(tokens[0], "NRWSEG")) {
            rest.push_back(group[i]);
            continue;
        }
        if (!ReadCountParam(runway.segments.count, tokens)) {
            return false;
        }
        const int32_t declared = runway.segments.count.value;
        for (int32_t k = 0; k < declared && i + 1 < group.size(); ++k) {
            ++i;
            StringArray fields;
            if (!SplitBySpace(fields, group[i]) || fields.size() < 7) {
                return false;
            }
            AstrelRunwaySegment segment;
            // A value that is not a number leaves the rest of the segment unset, as with
            // any other parameter.
            ReadRunwaySegmentLine(fields, segment);
            runway.segments.segments.push_back(segment);
        }
    }

    const std::vector<ParameterReader> readers = {
        {"END1", [&](const StringArray& t) { return ReadPositionParam(runway.end1, t); }},
        {"END2", [&](const StringArray& t) { return ReadPositionParam(runway.end2, t); }},
        {"WIDTH", [&](const StringArray& t) { return ReadDoubleParam(runway.width, t); }},
        {"ILS1",
         [&](const StringArray& t) {
             const bool ok = ReadFrequencyParam(runway.ils1, t);
             runway.ils1.present = true;
             return ok;
         }},
        {"ILS2",
         [&](const StringArray& t) {
             const bool ok = ReadFrequencyParam(runway.ils2, t);
             runway.ils2.present = true;
             return ok;
         }},
        {"RWTEX", [&](const StringArray& t) { return ParseSecond(t, runway.segments.texture); }},
    };
    return ReadObjectParameters(holder, rest, kWord, runway, readers);
}

bool ParseRunwayLights(AstrelObject& holder, const StringArray& group) {
    RunwayLights lights;
    lights.singleEnded.Set(0);
    auto floatReader = [](OptionalFloat& field) {
        return [&field](const StringArray& t) { return ReadFloatParam(field, t); };
    };
    const std::vector<ParameterReader> readers = {
        {"END1", [&](const StringArray& t) { return ReadPositionParam(lights.end1, t); }},
        {"END2", [&](const StringArray& t) { return ReadPositionParam(lights.end2, t); }},
        {"WIDTH", [&](const StringArray& t) { return ReadDoubleParam(lights.width, t); }},
        {"COUNT1", [&](const StringArray& t) { return ReadCountParam(lights.count1, t); }},
        {"PAPI",
         [&](const StringArray& t) { return ReadPapiParam(lights.papi, lights.papiMode, t); }},
        {"VASI", [&](const StringArray& t) { return ReadColorParam(lights.vasi, t); }},
        {"TD_DISP", floatReader(lights.tdDisp)},
        {"TD_LENGTH", floatReader(lights.tdLength)},
        {"DECISION_DIST", floatReader(lights.decisionDist)},
        {"APPROACH_START", floatReader(lights.approachStart)},
        {"SINGLEENDED",
         [&](const StringArray&) {
             lights.singleEnded.Set(1);
             return true;
         }},
    };
    return ReadObjectParameters(holder, group, "RUNWAYLIGHTS", lights, readers);
}

// ---- pairing after reading ----

namespace {

bool SameXY(const OptionalVector3Double& a, const OptionalVector3Double& b) {
    return a[0].value == b[0].value && a[1].value == b[1].value;
}

} // namespace

void AttachRunwayLights(ObjectArray& objects) {
    std::vector<const AstrelObject*> lightsObjects;
    ObjectArray others;
    for (const AstrelObject& object : objects) {
        if (object.GetType() == kTypeRunwayLights) {
            lightsObjects.push_back(&object);
        } else {
            others.Add(object);
        }
    }
    if (lightsObjects.empty()) {
        return;
    }

    std::set<const AstrelObject*> lit;
    std::vector<const AstrelObject*> unmatched;
    for (const AstrelObject* holder : lightsObjects) {
        const auto* lights = dynamic_cast<const RunwayLights*>(holder->Get());
        bool attached = false;
        if (lights != nullptr) {
            for (AstrelObject& candidate : others) {
                auto* runway = dynamic_cast<Runway*>(candidate.Get());
                if (runway == nullptr || candidate.GetType() != kTypeRunway ||
                    lit.count(&candidate) != 0) {
                    continue;
                }
                const bool same =
                    SameXY(runway->end1, lights->end1) && SameXY(runway->end2, lights->end2);
                const bool swapped =
                    SameXY(runway->end1, lights->end2) && SameXY(runway->end2, lights->end1);
                if (!same && !(swapped && !lights->IsSingleEnded())) {
                    continue;
                }
                runway->lights.CopyFrom(*lights);
                runway->lightsOn.Set(1);
                lit.insert(&candidate);
                attached = true;
                break;
            }
        }
        if (!attached) {
            unmatched.push_back(holder);
        }
    }
    for (const AstrelObject* holder : unmatched) {
        others.Add(*holder);
    }
    objects.Copy(others);
}

} // namespace pf
