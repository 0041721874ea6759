// The scenario texts, their date, where the glider stands and faces, and the files.
#include "document/base_scenarios.h"

#include "base_document_fixture.h"
#include "document/base_file_reader.h"
#include "foundation/text.h"
#include "support/object_fixtures.h"

#include <filesystem>

namespace pf {
namespace {

using Scenarios = test::DocumentTest;

// The 41-line template, filled; '|' ends a line.
std::string Expected(const std::string& line2, const std::string& context,
                     const std::string& lines32And33) {
    std::string text =
        "BEGIN_DESC|" + line2 +
        "|END_DESC|BEGIN_ENVIRONMENT|  System Sol|  Date MJD 51981.6008401528|" +
        (context.empty() ? "" : "  " + context + "|") +
        "END_ENVIRONMENT|BEGIN_FOCUS|  Ship GL-01|END_FOCUS|BEGIN_CAMERA|  TARGET GL-01|  MODE "
        "Cockpit|  FOV 60.00|END_CAMERA|BEGIN_MFD Left|  TYPE Surface|END_MFD|BEGIN_MFD Right|  "
        "TYPE Launch|END_MFD|BEGIN_PANEL|END_PANEL|BEGIN_SHIPS|ISS:ProjectAlpha_ISS|  STATUS "
        "Orbiting Earth|  ELEMENTS 6734918.8 0.00090 74.51300 169.03400 328.27760 375.78523 "
        "51981.60000000|  AROT 30.00 0.00 50.00|END|GL-01:DeltaGlider|  STATUS Landed Earth|" +
        lines32And33 +
        "|  PRPLEVEL 0:1.000 1:1.000|  NAVFREQ 402 94 0 0|  XPDR 0|  NOSECONE 0 0.0000|  GEAR 1 "
        "1.0000|  AIRLOCK 0 0.0000|END|END_SHIPS|";
    ReplaceAllText(text, "|", "\r\n");
    return text;
}

TEST(ScenarioTexts, ThreeTemplates) {
    const std::string date = "51981.6008401528";
    std::string text;
    WriteScenarioParkedAtBase(date, "Earth", "Port Alpha", "", &text);
    EXPECT_EQ(text, Expected("A Delta-glider, parked at Port Alpha.", "",
                             "  BASE Port Alpha:0|  HEADING 0"));
    WriteScenarioOnLandingPad(date, "Earth", "Port Alpha", "CONTEXT Summer", &text, 90.0);
    EXPECT_EQ(text, Expected("A Delta-glider, parked on Landing Pad #1 at Port Alpha.",
                             "CONTEXT Summer", "  BASE Port Alpha:1|  HEADING 270.0"));
    WriteScenarioOnRunway(date, "Earth", "Port Alpha", "", &text, LatLon(-80.6, 28.5), 0.0);
    EXPECT_EQ(text, Expected("A Delta-glider, parked on Runway #1 at Port Alpha.", "",
                             "  POS -80.600000 28.500000|  HEADING 90.0"));
}

TEST(ScenarioTexts, DateFromThePeriod) {
    for (auto [begin, end, date] : {std::tuple{"", "", "51981.6008401528"},
                                    {"", "52000", "51981.6008401528"},
                                    {"-", "-", "51981.6008401528"},
                                    {"-", "52000", "51990.000000"},
                                    {"51000", "-", "51010.000000"},
                                    {"51000", "51010", "51005.000000"},
                                    {" 51000x", "51010.5;", "51005.250000"},
                                    {"-", "", "-10.000000"},
                                    // Bounds that are no finite number: the fixed date.
                                    {"1e999", "-", "51981.6008401528"},
                                    {"-", "-1e999", "51981.6008401528"},
                                    {"nan", "51010", "51981.6008401528"},
                                    {"51000", "inf", "51981.6008401528"}}) {
        BaseDocument d;
        d.SetPeriodBegin(begin);
        d.SetPeriodEnd(end);
        EXPECT_EQ(d.GetScenarioMJD(), date) << begin << "|" << end;
    }
    // Two bounds near the double range still give their middle.
    BaseDocument d;
    d.SetPeriodBegin("1.7e308");
    d.SetPeriodEnd("1.7e308");
    EXPECT_EQ(d.GetScenarioMJD(), FormatString("%f", 1.7e308));
}

// The titles and lines 32 and 33 of every scenario of the base.
std::vector<std::string> Built(const BaseDocument& base) {
    LabeledStringArray scenarios;
    base.BuildScenarios(scenarios);
    std::vector<std::string> out;
    for (const LabeledString& s : scenarios) {
        const size_t at = s.text.find("Landed Earth\r\n") + 14;
        out.push_back(s.label + "|" + s.text.substr(at, s.text.find("  PRPLEVEL") - at));
    }
    return out;
}

TEST_F(Scenarios, StandingPointsHeadingsAndTitles) {
    BaseDocument base("Pad Town", "Earth", LatLon(-80.6, 28.5));
    base.SetContext("CONTEXT Summer");
    const std::string runway =
        FormatString("Pad Town on Runway CONTEXT Summer|  POS %f 28.500000\r\n  HEADING 90.0\r\n",
                     -80.6 + base.GetDegreeOffset({1000, 0, 0}).GetLongitude());
    const std::string pad =
        "Pad Town on Landing Pad CONTEXT Summer|  BASE Pad Town:1\r\n  HEADING ";
    // Both runways stand on their western end, 1000 m east of the base.
    for (auto [group, built] : std::vector<std::pair<const char*, std::string>>{
             {"", "At Pad Town CONTEXT Summer|  BASE Pad Town:0\r\n  HEADING 0\r\n"},
             {"RUNWAY\n\tEND1 0 0 1000\n\tEND2 0 0 2000", runway},
             {"RUNWAY\n\tEND1 0 0 2000\n\tEND2 0 0 1000", runway},
             {"LPAD1\n\tPOS 0 0 0\n\tROT 90", pad + "0.0\r\n"},
             {"LPAD2A\n\tPOS 0 0 0\n\tROT 180", pad + "270.0\r\n"}}) {
        BaseDocument one = base;
        if (*group) {
            ParseObjectGroup(one.GetObjects().Add(AstrelObject()), test::Group(group));
        }
        EXPECT_EQ(Built(one), std::vector<std::string>{built}) << group;
    }
    EXPECT_EQ(Built(test::SampleBase()).size(), 2u) << "a runway and a pad, no parked scenario";
}

TEST_F(Scenarios, FilesReplaceTheOldOnes) {
    BaseDocument base = test::SampleBase();
    const std::string folder = Docs("Port Alpha/Scenarios/Padforge/");
    test::WriteNativeFile(folder + "Old.scn", "old");
    test::WriteNativeFile(folder + "notes.txt", "kept");
    LabeledStringArray scenarios;
    base.BuildScenarios(scenarios);
    ASSERT_TRUE(base.WriteScenarioFiles());
    for (const LabeledString& scenario : scenarios) {
        EXPECT_EQ(test::ReadNativeFile(folder + scenario.label + ".scn"), scenario.text);
    }
    EXPECT_EQ(test::NativeNames(folder).size(), 3u) << "Old.scn is gone, notes.txt stays";
    // Without its runway the base loses that scenario.
    ASSERT_EQ(base.GetObjects().GetAt(0)->GetType(), kTypeRunway);
    base.GetObjects().Erase(base.GetObjects().begin());
    ASSERT_TRUE(base.WriteScenarioFiles());
    EXPECT_TRUE(std::filesystem::exists(folder + "Port Alpha on Landing Pad CONTEXT Summer.scn"));
    EXPECT_EQ(test::NativeNames(folder).size(), 2u);
    base.SetContext("CONTEXT a/b");
    EXPECT_FALSE(Run([&] { return base.WriteScenarioFiles(); }, {}));
}

} // namespace
} // namespace pf
