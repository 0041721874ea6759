#include "objects/logic/runway_logic.h"
#include "support/object_fixtures.h"

#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace pf {
namespace {

using test::Accept;
using test::Group;
using test::Shown;

// The texts the controls would show for the logic's members.
const Runway& RunwayOf(const AstrelObject& holder) {
    return dynamic_cast<const Runway&>(*holder.Get());
}

TEST(AddRunwayLogic, NewRunwayFromTheDefaults) {
    AddRunwayLogic logic;
    logic.InitDialog();
    AstrelObject result;
    FieldRefusal refusal;
    ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
    const std::string segments = BuildRunwaySegments(1).GetText();
    EXPECT_EQ(result.GetParameterText(),
              "\tEND1 0 0 1000\r\n\tEND2 0 0 -1000\r\n\tWIDTH 100\r\n\tILS1 109.0\r\n"
              "\tILS2 110.0\r\n" +
                  segments +
                  "END\r\nRUNWAYLIGHTS\r\n\tEND1 0 0 1000\r\n\tEND2 0 0 -1000\r\n\tWIDTH 100\r\n"
                  "\tCOUNT1 40\r\n\tPAPI 20 3 100\r\n\tVASI 20 10 10\r\n");
    EXPECT_EQ(RunwayOf(result).segments.count.value, 15);

    // Preset frequencies of the structure editor, the narrow layout, D3D9 settings.
    AddRunwayLogic other;
    other.SetIlsFrequencies(111.1f, 112.2f);
    other.ClickKind(AddRunwayLogic::kRunway1);
    other.OnUseD3D9Clicked();
    other.singleEnded = true;
    ASSERT_TRUE(Accept(other, Shown(other), result, refusal));
    const std::string text = result.GetParameterText();
    EXPECT_NE(text.find("\tILS1 111.1\r\n\tILS2 112.2\r\n\tNRWSEG 9\r\n"), std::string::npos);
    EXPECT_NE(text.find("\tPAPI 20 3 100 1\r\n\tVASI 20 10 10\r\n\tTD_DISP 0\r\n"
                        "\tTD_LENGTH 600\r\n\tDECISION_DIST 257\r\n\tAPPROACH_START 900\r\n"
                        "\tSINGLEENDED\r\n"),
              std::string::npos);
}

TEST(AddRunwayLogic, DirectionAndLengthPlaceTheEnds) {
    AddRunwayLogic logic;
    logic.length = 1000.0;
    logic.direction = 90.0;
    ControlTexts texts = Shown(logic);
    AstrelObject result;
    FieldRefusal refusal;
    ASSERT_TRUE(Accept(logic, texts, result, refusal));
    const Runway& r = RunwayOf(result);
    EXPECT_NEAR(r.end1[0].value, 500.0, 1e-9);
    EXPECT_NEAR(r.end2[0].value, -500.0, 1e-9);
    EXPECT_NEAR(r.end1[1].value, 0.0, 1e-9);
    EXPECT_NEAR(r.end2[1].value, 0.0, 1e-9);

    // Direction 0 runs north-south: END1 lies north.
    texts.Set(AddRunwayLogic::kDirection, "0");
    ASSERT_TRUE(Accept(logic, texts, result, refusal));
    EXPECT_NEAR(RunwayOf(result).end1[1].value, 500.0, 1e-9);
    EXPECT_NEAR(RunwayOf(result).end1[0].value, 0.0, 1e-9);
}

TEST(AddRunwayLogic, LoadReadsTheLights) {
    AstrelObject held;
    ASSERT_TRUE(ParseRunway(held, Group("RUNWAY\nEND1 0 0 0\nEND2 0 0 1000\nNRWSEG 10\n")));
    auto& runway = dynamic_cast<Runway&>(*held.Get());
    runway.lightsOn.Set(1);
    runway.lights.count1.Set(77);
    runway.lights.vasi[0].Set(1);
    runway.lights.vasi[1].Set(2);
    runway.lights.vasi[2].Set(3);
    runway.lights.papi[0].Set(4);
    runway.lights.papi[1].Set(5);
    runway.lights.papi[2].Set(6);
    AddRunwayLogic logic;
    EXPECT_TRUE(logic.SetObject(runway));
    EXPECT_EQ(logic.runwayType, 0); // a count of 10 is Runway1
    EXPECT_TRUE(logic.useLights);
    EXPECT_EQ(logic.numberOfLights, 77);
    EXPECT_EQ(logic.vasiOffset, 1.0f);
    EXPECT_EQ(logic.vasiApproach, 2.0f);
    EXPECT_EQ(logic.vasiDistance, 3.0f);
    EXPECT_EQ(logic.papiApproach, 4.0f);
    EXPECT_EQ(logic.papiOffset, 6.0f);
    EXPECT_FALSE(logic.useD3D9);
    EXPECT_NEAR(logic.direction, 270.0, 1e-9); // END1 lies west of the centre
    EXPECT_NEAR(logic.length, 1000.0, 1e-9);

    // Each D3D9 parameter alone turns the D3D9 settings on.
    struct Case {
        const char* name;
        void (*set)(RunwayLights&);
        bool d3d9;
    };
    const Case cases[] = {
        {"mode", [](RunwayLights& l) { l.papiMode.Set(3); }, true},
        {"approach start", [](RunwayLights& l) { l.approachStart.Set(5); }, true},
        {"decision", [](RunwayLights& l) { l.decisionDist.Set(5); }, true},
        {"td disp", [](RunwayLights& l) { l.tdDisp.Set(5); }, true},
        {"td length", [](RunwayLights& l) { l.tdLength.Set(5); }, true},
        {"single ended", [](RunwayLights& l) { l.singleEnded.Set(1); }, true},
        {"single ended 0", [](RunwayLights& l) { l.singleEnded.Set(0); }, false},
        {"count only", [](RunwayLights& l) { l.count1.Set(5); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Runway r;
        r.lightsOn.Set(1);
        c.set(r.lights);
        AddRunwayLogic l;
        EXPECT_TRUE(l.SetObject(r));
        EXPECT_EQ(l.useD3D9, c.d3d9);
    }
    Runway r;
    r.lights.papiMode.Set(2);
    r.lights.decisionDist.Set(333);
    AddRunwayLogic l;
    EXPECT_TRUE(l.SetObject(r));
    EXPECT_EQ(l.mode, 2);
    EXPECT_EQ(l.redLightsLength, 333.0f);
    EXPECT_EQ(l.touchDownLength, 600.0f);
    EXPECT_FALSE(l.useLights);
}

TEST(AddRunwayLogic, LightControlsFollowTheCheckBoxes) {
    using L = AddRunwayLogic;
    struct Case {
        bool lights;
        bool d3d9;
        bool lightEditsEnabled;
        bool d3d9Shown;
        bool d3d9ControlsShown;
    };
    const Case cases[] = {
        {true, true, true, true, true},
        {true, false, true, true, false},
        {false, true, false, false, false},
        {false, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.lights) + std::to_string(c.d3d9));
        L logic;
        logic.useLights = c.lights;
        logic.useD3D9 = c.d3d9;
        for (int id = L::kNumberOfLights; id <= L::kVasiOffset; ++id) {
            EXPECT_EQ(logic.IsEnabled(id), c.lightEditsEnabled) << id;
        }
        EXPECT_EQ(logic.IsShown(L::kUseD3D9), c.d3d9Shown);
        for (int id = L::kMode; id <= L::kApproachLightsLabel; ++id) {
            EXPECT_EQ(logic.IsShown(id), c.d3d9ControlsShown) << id;
        }
        EXPECT_FALSE(logic.IsShown(L::kUseIls1));
        EXPECT_FALSE(logic.IsShown(L::kUseIls2));
        EXPECT_FALSE(logic.IsEnabled(L::kIls1));
        EXPECT_FALSE(logic.IsEnabled(L::kIls2));
        EXPECT_TRUE(logic.IsShown(L::kUseLights));
    }
    L logic;
    logic.OnUseLightsClicked();
    EXPECT_FALSE(logic.useLights);
    logic.OnUseD3D9Clicked();
    EXPECT_TRUE(logic.useD3D9);
    EXPECT_EQ(test::KindState(logic, L::kRunway1), 1);
    EXPECT_EQ(test::KindState(logic, L::kRunway2), 0);
    logic.ClickKind(L::kRunway1);
    EXPECT_EQ(test::KindState(logic, L::kRunway1), 0);
    EXPECT_EQ(test::KindState(logic, L::kRunway2), 1);
    logic.runwayType = 5;
    logic.InitDialog();
    EXPECT_EQ(logic.runwayType, 1);
}

TEST(AddRunwayLogic, HeldSegmentLayoutSurvivesOk) {
    AstrelObject held;
    ASSERT_TRUE(ParseRunway(held, Group("RUNWAY\nEND1 0 0 0\nEND2 0 0 1000\nWIDTH 30\nNRWSEG 2\n"
                                        "A 3 0.5 0 1 0 1\nB 4 0.5 1 0 1 0\nRWTEX Mine\n")));
    const RunwaySegmentList heldList = RunwayOf(held).segments;
    AstrelObject result;
    FieldRefusal refusal;
    {
        AddRunwayLogic logic;
        EXPECT_TRUE(logic.SetObject(*held.Get()));
        ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
        EXPECT_EQ(RunwayOf(result).segments, heldList);
    }
    {
        // Picking a type lays the built layout over it, even the same type.
        AddRunwayLogic logic;
        EXPECT_TRUE(logic.SetObject(*held.Get()));
        logic.ClickKind(AddRunwayLogic::kRunway1);
        ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
        EXPECT_EQ(RunwayOf(result).segments, BuildRunwaySegments(0));
    }
    {
        // A held runway without segments gets the chosen type's layout.
        AstrelObject bare;
        ASSERT_TRUE(ParseRunway(bare, Group("RUNWAY\nEND1 0 0 0\nEND2 0 0 1000\nWIDTH 30\n")));
        AddRunwayLogic logic;
        EXPECT_TRUE(logic.SetObject(*bare.Get()));
        ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
        EXPECT_EQ(RunwayOf(result).segments, BuildRunwaySegments(0));
    }
}

TEST(AddRunwayLogic, UnknownLinesOfRunwayAndLightsSurviveOk) {
    AstrelObject runway, lights;
    ASSERT_TRUE(ParseRunway(runway, Group("RUNWAY\nEND1 0 0 0\nEND2 0 0 1000\nWIDTH 30\n"
                                          "ODD 1\n")));
    ASSERT_TRUE(ParseRunwayLights(lights, Group("RUNWAYLIGHTS\nEND1 0 0 0\nEND2 0 0 1000\n"
                                                "WIDTH 30\nCOUNT1 12\nSTRANGE 2 3\n")));
    Runway lit = RunwayOf(runway);
    lit.lights.CopyFrom(*lights.Get());
    lit.lightsOn.Set(1);
    AddRunwayLogic logic;
    EXPECT_TRUE(logic.SetObject(lit));
    AstrelObject result;
    FieldRefusal refusal;
    ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
    const std::string text = result.GetParameterText();
    const size_t lightsAt = text.find("RUNWAYLIGHTS\r\n");
    ASSERT_NE(lightsAt, std::string::npos) << text;
    EXPECT_LT(text.find("\tODD 1\r\n"), lightsAt) << text;
    EXPECT_NE(text.find("\tSTRANGE 2 3\r\n", lightsAt), std::string::npos) << text;
}

TEST(AddRunwayLogic, DirectionHelpers) {
    const Point3 centre{0, 0, 0};
    EXPECT_NEAR(DirectionOfEnds({500, 0, 0}, centre), 90.0, 1e-9);
    EXPECT_NEAR(DirectionOfEnds({0, 500, 0}, centre), 0.0, 1e-9);
    EXPECT_NEAR(DirectionOfEnds({-500, 0, 0}, centre), 270.0, 1e-9);
    EXPECT_NEAR(DirectionOfEnds({0, -500, 0}, centre), 180.0, 1e-9);
    EXPECT_NEAR(LengthOfEnds({3, 0, 9}, {0, 4, -9}), 5.0, 1e-12);
    for (double d : {0.0, 33.0, 90.0, 181.5, 359.9}) {
        const Point3 v = HalfLengthVector(200.0, d);
        EXPECT_NEAR(DirectionOfEnds(v, centre), d, 1e-9) << d;
        EXPECT_NEAR(std::hypot(v.x, v.y), 100.0, 1e-9);
    }
}

} // namespace
} // namespace pf
