#include "foundation/lat_lon.h"

#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pf {
namespace {

const std::string kFormat = "Might want to check for different lat lon format\r\n";

TEST(LatLon, SetLongitudeTakesOneStepOfATurn) {
    struct Case {
        double in;
        double stored;
        bool ok;
    };
    const Case cases[] = {
        {-180.0, -180.0, true}, {180.0, 180.0, true},    {540.0, 180.0, true},
        {-540.0, -180.0, true}, {190.0, -170.0, true},   {-190.0, 170.0, true},
        {600.0, 240.0, false},  {-600.0, -240.0, false},
    };
    for (const Case& c : cases) {
        test::ScriptedUi ui;
        LatLon p(0.0, 0.0);
        EXPECT_EQ(p.SetLongitude(c.in), c.ok) << c.in;
        EXPECT_EQ(p.GetLongitude(), c.stored) << c.in;
        EXPECT_EQ(ui.Failures(),
                  c.ok ? std::vector<std::string>{} : std::vector<std::string>{kFormat})
            << c.in;
    }
}

TEST(LatLon, SetLatitudeStoresOutOfRangeValuesAndReports) {
    test::ScriptedUi ui;
    LatLon p(0.0, 0.0);
    EXPECT_TRUE(p.SetLatitude(90.0));
    EXPECT_TRUE(p.SetLatitude(-90.0));
    EXPECT_TRUE(ui.Failures().empty());
    EXPECT_FALSE(p.SetLatitude(91.0));
    EXPECT_EQ(p.GetLatitude(), 91.0);
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{kFormat});
}

TEST(LatLon, ConstructorGoesThroughTheCheckedSetters) {
    test::ScriptedUi ui;
    LatLon p(190.0, 95.0);
    EXPECT_EQ(p.GetLongitude(), -170.0);
    EXPECT_EQ(p.GetLatitude(), 95.0);
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{kFormat});
}

TEST(LatLon, AngleFormsWrapBeforeTheSetters) {
    test::ScriptedUi ui;
    LatLon p(ScalarValue(400.0), ScalarValue(-360.0));
    EXPECT_EQ(p.GetLongitude(), 40.0);
    EXPECT_EQ(p.GetLatitude(), 0.0);
    EXPECT_TRUE(p.SetLongitudeAngle(ScalarValue(-550.0))); // -190, then one step
    EXPECT_EQ(p.GetLongitude(), 170.0);
    EXPECT_TRUE(p.SetLatitudeAngle(ScalarValue(720.0)));
    EXPECT_EQ(p.GetLatitude(), 0.0);
    EXPECT_TRUE(ui.Failures().empty());
    EXPECT_FALSE(p.SetLatitudeAngle(ScalarValue(360.0)));
    EXPECT_EQ(p.GetLatitude(), 360.0);
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{kFormat});
}

TEST(LatLon, AddLongitudeWrapsIntoHalfOpenRange) {
    struct Case {
        double start;
        double add;
        double result;
    };
    const Case cases[] = {
        {-179.0, -1.0, 180.0}, {179.0, 2.0, -179.0},   {180.0, 0.0, 180.0},
        {10.0, 5.5, 15.5},     {-170.0, -20.0, 170.0},
    };
    for (const Case& c : cases) {
        LatLon p(c.start, 0.0);
        p.AddLongitude(c.add);
        EXPECT_EQ(p.GetLongitude(), c.result) << c.start << " + " << c.add;
    }
}

TEST(LatLon, AddLatitudePastAPoleComesBackOnTheFarMeridian) {
    struct Case {
        LatLon start;
        double add;
        double longitude;
        double latitude;
    };
    const Case cases[] = {
        {LatLon(10.0, 89.0), 2.0, -170.0, 89.0}, {LatLon(-30.0, -89.5), -1.0, 150.0, -89.5},
        {LatLon(0.0, 89.0), 1.0, 0.0, 90.0}, // reaching the pole is no crossing
        {LatLon(0.0, -89.0), -1.0, 0.0, -90.0},  {LatLon(0.0, 45.0), -10.0, 0.0, 35.0},
        {LatLon(90.0, 89.0), 2.0, -90.0, 89.0}, // the turned longitude is wrapped too
    };
    for (const Case& c : cases) {
        LatLon p = c.start;
        p.AddLatitude(c.add);
        EXPECT_DOUBLE_EQ(p.GetLongitude(), c.longitude);
        EXPECT_DOUBLE_EQ(p.GetLatitude(), c.latitude);
    }
}

LatLonRect Rect(double w, double n, double e, double s) {
    LatLonRect r;
    EXPECT_TRUE(r.Set(w, n, e, s));
    return r;
}

TEST(LatLonRect, SetStoresAsGivenSpansAndCenter) {
    test::ScriptedUi ui;
    LatLonRect r = Rect(-185.0, 95.0, -175.0, 80.0);
    EXPECT_EQ(r.West(), -185.0);
    EXPECT_EQ(r.North(), 95.0);
    EXPECT_EQ(r.East(), -175.0);
    EXPECT_EQ(r.South(), 80.0);
    EXPECT_EQ(r.GetWidth(), 10.0);
    EXPECT_EQ(r.GetHeight(), 15.0);
    EXPECT_TRUE(ui.Failures().empty());
    LatLon c = Rect(1.0, 10.0, 4.0, 2.0).GetCenter();
    EXPECT_EQ(c.GetLongitude(), 2.5);
    EXPECT_EQ(c.GetLatitude(), 6.0);
}

TEST(LatLonRect, OverlapsIsClosedOnEveryEdge) {
    const LatLonRect a = Rect(0.0, 10.0, 10.0, 0.0);
    struct Case {
        LatLonRect b;
        bool overlaps;
    };
    const Case cases[] = {
        {Rect(10.0, 10.0, 20.0, 0.0), true},   // shares the east edge
        {Rect(-10.0, 10.0, 0.0, 0.0), true},   // shares the west edge
        {Rect(0.0, 20.0, 10.0, 10.0), true},   // shares the north edge
        {Rect(0.0, 0.0, 10.0, -10.0), true},   // shares the south edge
        {Rect(10.0, 0.0, 20.0, -10.0), true},  // shares a corner
        {Rect(2.0, 8.0, 3.0, 7.0), true},      // inside
        {Rect(10.5, 10.0, 20.0, 0.0), false},  // east of it
        {Rect(-10.0, 10.0, -0.5, 0.0), false}, // west of it
        {Rect(0.0, 20.0, 10.0, 10.5), false},  // north of it
        {Rect(0.0, -0.5, 10.0, -10.0), false}, // south of it
    };
    for (const Case& c : cases) {
        EXPECT_EQ(a.Overlaps(c.b), c.overlaps)
            << c.b.West() << " " << c.b.North() << " " << c.b.East() << " " << c.b.South();
    }
}

TEST(LatLonRect, IntersectGivesTheInnerCornersOrFalse) {
    test::ScriptedUi ui;
    LatLonRect out = Rect(7.0, 7.0, 7.0, 7.0);
    ASSERT_TRUE(LatLonRect::Intersect(Rect(0.0, 10.0, 10.0, 0.0), Rect(5.0, 12.0, 15.0, 3.0), out));
    EXPECT_EQ(out.West(), 5.0);
    EXPECT_EQ(out.North(), 10.0);
    EXPECT_EQ(out.East(), 10.0);
    EXPECT_EQ(out.South(), 3.0);

    LatLonRect untouched = Rect(7.0, 7.0, 7.0, 7.0);
    EXPECT_FALSE(
        LatLonRect::Intersect(Rect(0.0, 10.0, 10.0, 0.0), Rect(11.0, 12.0, 15.0, 3.0), untouched));
    EXPECT_EQ(untouched.West(), 7.0);
    EXPECT_TRUE(ui.Failures().empty());
}

TEST(LatLonRect, IntersectStoresCornersThroughTheCheckedSetters) {
    test::ScriptedUi ui;
    LatLonRect out;
    ASSERT_TRUE(
        LatLonRect::Intersect(Rect(-200.0, 95.0, 10.0, 0.0), Rect(-190.0, 100.0, 20.0, -5.0), out));
    EXPECT_EQ(out.West(), 170.0); // one step of a turn
    EXPECT_EQ(out.North(), 95.0);
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{kFormat});
}

} // namespace
} // namespace pf
