#include "tiles/map_zoom.h"

#include "imagery/geo_map.h"

#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace pf {
namespace {

double CosDeg(double d) { return std::cos(d * std::numbers::pi / 180.0); }

TEST(MapZoom, StaticFamilyRefusesZoomsOutside3To20) {
    MapZoom z;
    EXPECT_TRUE(z.SetZoom(7));
    EXPECT_FALSE(z.SetZoom(2));
    EXPECT_EQ(z.GetZoom(), 7);
    EXPECT_FALSE(z.SetZoom(21));
    EXPECT_EQ(z.GetZoom(), 7);
    ASSERT_TRUE(z.SetZoom(20));
    EXPECT_FALSE(z.ZoomIn());
    EXPECT_EQ(z.GetZoom(), 20);
    EXPECT_TRUE(z.ZoomOut());
    EXPECT_EQ(z.GetZoom(), 19);
    ASSERT_TRUE(z.SetZoom(3));
    EXPECT_FALSE(z.ZoomOut());
    EXPECT_EQ(z.GetZoom(), 3);
    EXPECT_TRUE(z.ZoomIn());
    EXPECT_EQ(z.GetZoom(), 4);
}

TEST(MapZoom, DegreesPerPixelDoublesPerLowerZoom) {
    MapZoom z;
    ASSERT_TRUE(z.SetZoom(20));
    EXPECT_EQ(z.GetDegreesPerPixel(), 1.3411044749722664e-06);
    EXPECT_EQ(z.GetPixelsPerDegree(), 1.0 / 1.3411044749722664e-06);
    double expected = 1.3411044749722664e-06;
    for (int zoom = 19; zoom >= 3; --zoom) {
        expected *= 2.0;
        ASSERT_TRUE(z.SetZoom(zoom));
        EXPECT_EQ(z.GetDegreesPerPixel(), expected) << zoom;
    }
    ASSERT_TRUE(z.SetZoom(19));
    EXPECT_EQ(z.GetDegreesPerPixel(), 2.6822089499445328e-06);
}

TEST(MapZoom, LatitudeDegreesPerPixelFollowsTheCentre) {
    MapZoom z;
    ASSERT_TRUE(z.SetZoom(10));
    ASSERT_TRUE(z.SetCentre(LatLon(5.0, -60.0)));
    EXPECT_DOUBLE_EQ(z.GetLatitudeDegreesPerPixel(), z.GetDegreesPerPixel() * 0.5);
    EXPECT_DOUBLE_EQ(z.GetPixelsPerLatitudeDegree(), 2.0 / z.GetDegreesPerPixel());
}

TEST(MapZoom, SetCentreStoresOutOfRangeValuesAndReports) {
    test::ScriptedUi ui;
    MapZoom z;
    EXPECT_TRUE(z.SetCentre(LatLon(0.0, 0.0)));
    EXPECT_TRUE(ui.Failures().empty());
    LatLon odd;
    odd.SetLatitude(100.0);
    ui.Clear();
    EXPECT_TRUE(z.SetCentre(odd));
    EXPECT_EQ(z.GetCentre().GetLatitude(), 100.0);
    EXPECT_EQ(ui.Failures().size(), 1u);
}

TEST(MapZoom, ShiftsEastWestWithoutCosine) {
    MapZoom z;
    ASSERT_TRUE(z.SetZoom(4));
    ASSERT_TRUE(z.SetCentre(LatLon(179.9, 60.0)));
    const double dpp = z.GetDegreesPerPixel();
    EXPECT_TRUE(z.ShiftCentreEast(10));
    EXPECT_DOUBLE_EQ(z.GetCentre().GetLongitude(), 179.9 + 10 * dpp - 360.0);
    EXPECT_TRUE(z.ShiftCentreWest(10));
    EXPECT_NEAR(z.GetCentre().GetLongitude(), 179.9, 1e-12);
    EXPECT_EQ(z.GetCentre().GetLatitude(), 60.0);
}

TEST(MapZoom, ShiftNorthAndSouth) {
    MapZoom z;
    ASSERT_TRUE(z.SetZoom(8));
    ASSERT_TRUE(z.SetCentre(LatLon(1.0, 40.0)));
    EXPECT_TRUE(z.ShiftCentreNorth(0));
    EXPECT_TRUE(z.ShiftCentreNorth(-3));
    EXPECT_TRUE(z.ShiftCentreSouth(-3));
    EXPECT_EQ(z.GetCentre().GetLatitude(), 40.0);
    EXPECT_EQ(z.GetCentre().GetLongitude(), 1.0);

    // One quarter-pixel step at 40 degrees.
    MapZoom one = z;
    one.ShiftCentreNorth(1);
    const double dpp = z.GetDegreesPerPixel();
    EXPECT_GT(one.GetCentre().GetLatitude(), 40.0 + dpp * CosDeg(41.0) * 0.99);
    EXPECT_LT(one.GetCentre().GetLatitude(), 40.0 + dpp * CosDeg(40.0));

    // Each quarter step takes the scale where it starts, so the way back is not exactly
    // the way there; at the map service's detailed zooms the difference is negligible.
    ASSERT_TRUE(z.SetZoom(17));
    for (int n : {1, 7, 250}) {
        MapZoom m = z;
        m.ShiftCentreNorth(n);
        EXPECT_GT(m.GetCentre().GetLatitude(), 40.0);
        m.ShiftCentreSouth(n);
        EXPECT_NEAR(m.GetCentre().GetLatitude(), 40.0, 1e-9) << n;
        EXPECT_EQ(m.GetCentre().GetLongitude(), 1.0);
    }
}

TEST(MapZoom, TileFamilyClampsInto1To20) {
    MapZoom z;
    EXPECT_FALSE(z.SetZoomClamped(0));
    EXPECT_EQ(z.GetZoom(), 1);
    EXPECT_FALSE(z.SetZoomClamped(25));
    EXPECT_EQ(z.GetZoom(), 20);
    EXPECT_FALSE(z.ZoomInClamped());
    EXPECT_EQ(z.GetZoom(), 20);
    EXPECT_TRUE(z.ZoomOutClamped());
    EXPECT_EQ(z.GetZoom(), 19);
    EXPECT_TRUE(z.SetZoomClamped(1));
    EXPECT_FALSE(z.ZoomOutClamped());
    EXPECT_EQ(z.GetZoom(), 1);
    EXPECT_TRUE(z.ZoomInClamped());
    EXPECT_EQ(z.GetZoom(), 2);
}

TEST(MapZoom, TileScaleIsExactPowersOfTwo) {
    MapZoom z;
    ASSERT_TRUE(z.SetZoomClamped(20));
    EXPECT_EQ(z.GetScale(), 5.625 / 1048576);
    ASSERT_TRUE(z.SetZoomClamped(10));
    EXPECT_EQ(z.GetScale(), 0.0054931640625);
    ASSERT_TRUE(z.SetZoomClamped(1));
    EXPECT_EQ(z.GetScale(), 2.8125);
}

TEST(MapZoom, ScaleAtCentreUsesTheAbsoluteCosine) {
    MapZoom z;
    ASSERT_TRUE(z.SetZoomClamped(10));
    ASSERT_TRUE(z.SetCentre(LatLon(0.0, 60.0)));
    EXPECT_DOUBLE_EQ(z.GetScaleAtCentre(), z.GetScale() * 0.5);
    LatLon beyond(0.0, 0.0);
    {
        test::ScriptedUi ui;
        beyond.SetLatitude(120.0); // cos is negative here
        z.SetCentre(beyond);
    }
    EXPECT_DOUBLE_EQ(z.GetScaleAtCentre(), z.GetScale() * 0.5);
}

TEST(MapZoom, RegionAroundTheCentre) {
    MapZoom z;
    ASSERT_TRUE(z.SetZoomClamped(10));
    ASSERT_TRUE(z.SetCentre(LatLon(10.0, 20.0)));
    const LatLonRect r = z.GetRegion(512.0, 512.0);
    EXPECT_EQ(r.West(), 8.59375);
    EXPECT_EQ(r.East(), 11.40625);
    EXPECT_NEAR(r.North(), 21.3214427, 1e-7);
    EXPECT_NEAR(r.South(), 18.6785573, 1e-7);
    EXPECT_DOUBLE_EQ(r.North(), 20.0 + 1.40625 * CosDeg(20.0));
}

TEST(MapZoom, RegionClampsAtThePolesAndStaysUnwrappedAcross180) {
    test::ScriptedUi ui;
    MapZoom z;
    ASSERT_TRUE(z.SetZoomClamped(1));
    ASSERT_TRUE(z.SetCentre(LatLon(0.0, 89.9)));
    LatLonRect r = z.GetRegion(512.0, 512.0);
    EXPECT_EQ(r.North(), 90.0);
    EXPECT_LT(r.South(), 89.9);
    EXPECT_EQ(r.West(), -720.0);
    EXPECT_EQ(r.East(), 720.0);

    ASSERT_TRUE(z.SetCentre(LatLon(0.0, -89.9)));
    r = z.GetRegion(512.0, 512.0);
    EXPECT_EQ(r.South(), -90.0);
    EXPECT_GT(r.North(), -89.9);

    ASSERT_TRUE(z.SetZoomClamped(10));
    ASSERT_TRUE(z.SetCentre(LatLon(-179.5, 0.0)));
    r = z.GetRegion(512.0, 256.0);
    EXPECT_EQ(r.West(), -180.90625);
    EXPECT_EQ(r.East(), -178.09375);
    EXPECT_EQ(r.GetWidth(), 2.8125);
    EXPECT_EQ(r.GetHeight(), 1.40625);
    EXPECT_TRUE(ui.Failures().empty());
}

// A 512 x 512 target over the given rectangle.
struct Target {
    Target(double west, double north, double east, double south) : image(512, 512, 24) {
        rect.Set(west, north, east, south);
    }
    BitmapData image;
    LatLonRect rect;
    GeoMap Map() { return GeoMap(&image, &rect); }
};

TEST(MapZoom, FindZoomForExtentCountsUpFrom5) {
    struct Case {
        double north;
        double south;
        int zoom;
    };
    // 1/512 degree per target pixel lies between the zoom-9 and zoom-10 pixels at the
    // equator; at 60 degrees the service's pixels are half as tall.
    const Case cases[] = {{0.5, -0.5, 10}, {60.5, 59.5, 9}, {80.0, -80.0, 5}};
    for (const Case& c : cases) {
        test::ScriptedUi ui;
        Target t(0.0, c.north, 1.0, c.south);
        int32_t zoom = 0;
        EXPECT_TRUE(MapZoom::FindZoomForExtent(t.Map(), zoom));
        EXPECT_EQ(zoom, c.zoom) << c.north;
        EXPECT_TRUE(ui.Failures().empty());
    }
}

TEST(MapZoom, FindZoomForExtentStopsAt20) {
    // Finer than a zoom-19 pixel; the second would fit zoom 20 and still fails.
    for (double degreesPerPixel : {1e-6, 1.35e-6}) {
        test::ScriptedUi ui;
        Target t(0.0, degreesPerPixel * 256, 1.0, -degreesPerPixel * 256);
        int32_t zoom = 0;
        EXPECT_FALSE(MapZoom::FindZoomForExtent(t.Map(), zoom));
        EXPECT_EQ(zoom, 20);
        EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Get zoom level didn't work\r\n"});
    }
}

TEST(MapZoom, PlanMapTilesWalksToTheSouthEdge) {
    struct Case {
        int zoom;
        double west, north, east, south;
        int bottom; // at zoom 14 the pixel before the first one past the edge is nearer
    };
    const Case cases[] = {{10, 10.0, 50.1, 10.5, 49.9, 227},
                          {14, -3.0, -20.0, -2.95, -20.04, 496},
                          {7, 100.0, 70.0, 103.0, 66.0, 975}};
    for (const Case& c : cases) {
        test::ScriptedUi ui;
        Target t(c.west, c.north, c.east, c.south);
        IntRect plan{-1, -1, -1, -1};
        ASSERT_TRUE(MapZoom::PlanMapTiles(c.zoom, t.Map(), plan)) << c.zoom;
        EXPECT_TRUE(ui.Failures().empty());
        MapZoom view;
        ASSERT_TRUE(view.SetZoom(c.zoom));
        EXPECT_EQ(plan.left, 0);
        EXPECT_EQ(plan.top, 0);
        EXPECT_EQ(plan.bottom, c.bottom);
        EXPECT_EQ(plan.right,
                  static_cast<int>((c.east - c.west) / view.GetDegreesPerPixel() + 0.5));
        view.SetCentre(LatLon(c.west, c.north));
        view.ShiftCentreSouth(plan.bottom);
        EXPECT_NEAR(view.GetCentre().GetLatitude(), c.south, view.GetLatitudeDegreesPerPixel())
            << c.zoom;
    }
}

TEST(MapZoom, PlanMapTilesKeepsTheDefaultZoomForAnOddOne) {
    Target t(10.0, 50.1, 10.5, 49.9);
    IntRect atThree, odd;
    ASSERT_TRUE(MapZoom::PlanMapTiles(3, t.Map(), atThree));
    ASSERT_TRUE(MapZoom::PlanMapTiles(25, t.Map(), odd));
    EXPECT_EQ(odd.right, atThree.right);
    EXPECT_EQ(odd.bottom, atThree.bottom);
}

TEST(MapZoom, PlanMapTilesRefusesAPlanAtAPole) {
    // Both would overflow an int: one has a huge latitude scale at its centre, the other
    // an exploding one right at the pole.
    for (const LatLonRect& r :
         {Target(0.0, 90.0, 1.0, 89.9999).rect, Target(0.0, 95.0, 1.0, 85.0).rect}) {
        test::ScriptedUi ui;
        Target t(r.West(), r.North(), r.East(), r.South());
        IntRect plan{1, 2, 3, 4};
        EXPECT_FALSE(MapZoom::PlanMapTiles(10, t.Map(), plan));
        EXPECT_EQ(ui.Failures().back(), "Problems finding correct map size\r\n");
        EXPECT_EQ(plan.right, 3); // untouched
    }
}

} // namespace
} // namespace pf
