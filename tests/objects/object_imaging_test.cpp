// Object footprints on georeferenced maps: corners, handles, drawing and its checks.
#include "objects/object_imaging.h"

#include "document/base_document.h"
#include "imagery/geo_map.h"
#include "objects/complex_object.h"
#include "objects/object_fakes.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace pf {
namespace {

constexpr double kEarthRadiusM = 6371010.0;
// The test map: 200 x 200 pixels over 0.02 degrees around (0, 0): 1 pixel is 0.0001
// degrees, about 11.12 m.
constexpr double kMetresPerPixel = 2.0 * 3.14159265358979323846 * kEarthRadiusM / 360.0 * 0.0001;

struct TestMap {
    TestMap(int bits = 24) {
        image.Create(200, 200, bits);
        rect.Set(-0.01, 0.01, 0.01, -0.01);
        map = GeoMap(&image, &rect);
    }
    ColorRGB At(int x, int y) const {
        const std::uint8_t* p = image.PixelAddress(x, y);
        return ColorRGB(p[0], p[1], p[2]);
    }
    int CountNonBlack() const {
        int n = 0;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                n += At(x, y) == ColorRGB() ? 0 : 1;
            }
        }
        return n;
    }
    BitmapData image;
    LatLonRect rect;
    GeoMap map;
};

BaseDocument Document(double latitude = 0.0, double radius = kEarthRadiusM) {
    BaseDocument d;
    d.SetBody(AstrelBody("Earth", radius, 5.973698968e24));
    d.GetPosition().SetLatitude(latitude);
    return d;
}

const ColorRGB kGreyPixel(127, 127, 127);
const ColorRGB kWhitePixel(255, 255, 255);

TEST(ObjectImaging, SetupFromEnds) {
    BaseDocument d = Document();
    ObjectImaging imaging(d);
    imaging.SetupFromEnds(d, Point3{0, 0, 7}, Point3{100, 0, 9}, 30, true);
    EXPECT_TRUE(imaging.IsSet());
    EXPECT_TRUE(imaging.IsHighlighted());
    EXPECT_DOUBLE_EQ(imaging.GetPositionX(), 50.0);
    EXPECT_DOUBLE_EQ(imaging.GetPositionY(), 0.0);
    EXPECT_DOUBLE_EQ(imaging.GetHeading(), 180.0);
    EXPECT_DOUBLE_EQ(imaging.GetHeight(), 0.0);
    const Quad& local = imaging.GetLocalCorners();
    EXPECT_DOUBLE_EQ(local.corners[1].x, 50.0);
    EXPECT_DOUBLE_EQ(local.corners[1].y, 15.0);
    // Heading 180: corner 0 (west-north before turning) lies at END1's side, south.
    Point2 c[4];
    ASSERT_TRUE(imaging.GetCorners(c));
    EXPECT_NEAR(c[0].x, 100.0, 1e-9);
    EXPECT_NEAR(c[0].y, -15.0, 1e-9);
    EXPECT_NEAR(c[3].x, 0.0, 1e-9);
    EXPECT_NEAR(c[3].y, 15.0, 1e-9);
}

TEST(ObjectImaging, SetupFromPosScaleRotAndAssign) {
    BaseDocument d = Document();
    ObjectImaging imaging(d);
    imaging.SetupFromPosScaleRot(d, Point3{10, 20, 3}, Point3{40, 20, 6}, 90, false);
    EXPECT_DOUBLE_EQ(imaging.GetHeading(), 90.0);
    EXPECT_DOUBLE_EQ(imaging.GetHeight(), 6.0);
    Point2 c[4];
    ASSERT_TRUE(imaging.GetCorners(c));
    EXPECT_NEAR(c[0].x, 0.0, 1e-9); // (-20, 10) turned a quarter: (-10, -20)
    EXPECT_NEAR(c[0].y, 0.0, 1e-9);

    BitmapData icon(4, 4, 24);
    imaging.SetIcon(icon, 2, 3);
    EXPECT_FALSE(icon.HasPixels()); // swapped in
    ObjectImaging other(d);
    BitmapData own(2, 2, 24);
    other.SetIcon(own, 1, 1);
    other.Assign(imaging);
    EXPECT_EQ(other.GetIcon().Width(), 2); // the icon is not copied
    EXPECT_EQ(other.GetRepeatX(), 2);
    EXPECT_DOUBLE_EQ(other.GetPositionY(), 20.0);
}

TEST(ObjectImaging, IsValidOutcomes) {
    test::ScriptedUi ui;
    BaseDocument d = Document();
    ObjectImaging imaging(d);
    EXPECT_FALSE(imaging.IsValid());
    imaging.SetupFromPosScaleRot(d, Point3{}, Point3{-10, 5, 1}, 0, false);
    EXPECT_FALSE(imaging.IsValid());
    imaging.SetupFromPosScaleRot(d, Point3{}, Point3{0, 5, 1}, 0, false);
    EXPECT_FALSE(imaging.IsValid());
    imaging.SetupFromPosScaleRot(d, Point3{}, Point3{10, 5, 1}, 0, false);
    EXPECT_TRUE(imaging.IsValid());
    EXPECT_EQ(ui.Failures(), (std::vector<std::string>{"ObjectImaging not set",
                                                       "Couldn't generate object image"}));

    ui.Clear();
    TestMap m;
    Point2 c[4];
    imaging.SetupFromPosScaleRot(d, Point3{}, Point3{0, 5, 1}, 0, false);
    EXPECT_FALSE(imaging.GetCornerPixels(m.map, d.GetPosition(), c));
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Test in innBltOnMap failed\r\n"});
}

TEST(ObjectImaging, CornerPixelsAndHandles) {
    BaseDocument d = Document();
    TestMap m;
    ObjectImaging imaging(d);
    imaging.SetupFromPosScaleRot(d, Point3{}, Point3{20 * kMetresPerPixel, 10 * kMetresPerPixel, 1},
                                 0, false);
    FootprintRecord record;
    ASSERT_TRUE(imaging.GetFootprintPixels(m.map, d.GetPosition(), record));
    EXPECT_TRUE(record.valid);
    EXPECT_DOUBLE_EQ(record.corner[0].x, 90.5);
    EXPECT_DOUBLE_EQ(record.corner[0].y, 95.5);
    EXPECT_DOUBLE_EQ(record.corner[3].x, 110.5);
    EXPECT_DOUBLE_EQ(record.corner[3].y, 105.5);
    EXPECT_DOUBLE_EQ(record.centreHandle.x, 100.5);
    EXPECT_DOUBLE_EQ(record.sideHandle[0].y, 95.5);  // north side
    EXPECT_DOUBLE_EQ(record.sideHandle[1].x, 90.5);  // west side
    EXPECT_DOUBLE_EQ(record.sideHandle[2].x, 110.5); // east side
    EXPECT_DOUBLE_EQ(record.sideHandle[3].y, 105.5); // south side

    EXPECT_TRUE(record.HitCentreHandle(Point2(105.4, 95.6)));
    EXPECT_FALSE(record.HitCentreHandle(Point2(105.5, 100.5)));
    EXPECT_FALSE(record.HitCentreHandle(Point2(100.5, 95.5)));
    EXPECT_TRUE(record.HitSideHandle0(Point2(100.5, 91.0)));
    EXPECT_TRUE(record.HitSideHandle1(Point2(86.0, 100.5)));
    EXPECT_TRUE(record.HitSideHandle2(Point2(114.0, 100.5)));
    EXPECT_TRUE(record.HitSideHandle3(Point2(100.5, 109.0)));
    EXPECT_TRUE(record.HitCornerHandle(Point2(110.5, 105.5)));
    EXPECT_FALSE(record.HitCornerHandle(Point2(100.5, 100.5)));

    FootprintRecord copy;
    copy.Assign(record);
    EXPECT_DOUBLE_EQ(copy.corner[2].y, 105.5);

    FootprintRecord none;
    EXPECT_FALSE(none.valid);
    EXPECT_DOUBLE_EQ(none.centreHandle.x, -1.0);
    EXPECT_FALSE(none.HitCentreHandle(Point2(-1, -1)));
    EXPECT_FALSE(none.HitCornerHandle(Point2(-1, -1)));
    EXPECT_FALSE(none.HitSideHandle2(Point2(-1, -1)));
}

TEST(IsNearPoint, SquareOfFivePixels) {
    EXPECT_TRUE(IsNearPoint(Point2(10, 10), Point2(14.9, 5.1)));
    EXPECT_FALSE(IsNearPoint(Point2(10, 10), Point2(15.0, 10)));
    EXPECT_FALSE(IsNearPoint(Point2(10, 10), Point2(10, 5.0)));
}

TEST(ObjectImagingDraw, GreyOrWhiteFootprintWithWhiteOutline) {
    BaseDocument d = Document();
    for (bool highlighted : {false, true}) {
        TestMap m;
        ObjectImaging imaging(d);
        imaging.SetupFromPosScaleRot(
            d, Point3{}, Point3{20 * kMetresPerPixel, 10 * kMetresPerPixel, 1}, 0, highlighted);
        ASSERT_TRUE(imaging.DrawOnMap(m.map, d.GetPosition()));
        EXPECT_EQ(m.At(100, 100), highlighted ? kWhitePixel : kGreyPixel);
        EXPECT_EQ(m.At(95, 102), highlighted ? kWhitePixel : kGreyPixel);
        // The outline joins the corner pixels.
        EXPECT_EQ(m.At(90, 95), kWhitePixel);
        EXPECT_EQ(m.At(110, 105), kWhitePixel);
        EXPECT_EQ(m.At(100, 95), kWhitePixel);
        EXPECT_EQ(m.At(90, 100), kWhitePixel);
        // Outside stays black.
        EXPECT_EQ(m.At(100, 107), ColorRGB());
        EXPECT_EQ(m.At(112, 100), ColorRGB());
    }
}

TEST(ObjectImagingDraw, IconOverTheFootprint) {
    BaseDocument d = Document();
    for (bool highlighted : {false, true}) {
        TestMap m;
        ObjectImaging imaging(d);
        imaging.SetupFromPosScaleRot(
            d, Point3{}, Point3{40 * kMetresPerPixel, 40 * kMetresPerPixel, 1}, 0, highlighted);
        // Top half (north) blue 100, bottom half red 100.
        BitmapData icon(2, 2, 24);
        for (int x = 0; x < 2; ++x) {
            icon.PixelAddress(x, 0)[0] = 100;
            icon.PixelAddress(x, 1)[2] = 100;
        }
        imaging.SetIcon(icon, 1, 1);
        ASSERT_TRUE(imaging.DrawOnMap(m.map, d.GetPosition()));
        const std::uint8_t lit = highlighted ? 178 : 100;
        const std::uint8_t dark = highlighted ? 128 : 0; // 255 - (255 * 32768 >> 16)
        EXPECT_EQ(m.At(100, 85), ColorRGB(lit, dark, dark));
        EXPECT_EQ(m.At(100, 115), ColorRGB(dark, dark, lit));
        EXPECT_EQ(m.At(80, 80), kWhitePixel);
    }
}

TEST(ObjectImagingDraw, IconTurnsAndRepeatsWithTheFootprint) {
    BaseDocument d = Document();
    TestMap m;
    ObjectImaging imaging(d);
    // Turned a quarter to the left: the icon's top row now faces west.
    imaging.SetupFromPosScaleRot(d, Point3{}, Point3{40 * kMetresPerPixel, 40 * kMetresPerPixel, 1},
                                 90, false);
    BitmapData icon(2, 2, 24);
    for (int x = 0; x < 2; ++x) {
        icon.PixelAddress(x, 0)[0] = 200;
    }
    imaging.SetIcon(icon, 1, 2);
    ASSERT_TRUE(imaging.DrawOnMap(m.map, d.GetPosition()));
    // Two copies along: west quarter of each half is the top row.
    EXPECT_EQ(m.At(83, 100), ColorRGB(200, 0, 0));
    EXPECT_EQ(m.At(93, 100), ColorRGB());
    EXPECT_EQ(m.At(103, 100), ColorRGB(200, 0, 0));
    EXPECT_EQ(m.At(113, 100), ColorRGB());
}

TEST(ObjectImagingDraw, SmallObjectsAreSkipped) {
    BaseDocument d = Document();
    {
        TestMap m;
        ObjectImaging imaging(d);
        imaging.SetupFromPosScaleRot(d, Point3{},
                                     Point3{4 * kMetresPerPixel, 4 * kMetresPerPixel, 1}, 0, false);
        EXPECT_TRUE(imaging.DrawOnMap(m.map, d.GetPosition()));
        EXPECT_EQ(m.CountNonBlack(), 0);
    }
    {
        TestMap m;
        ObjectImaging imaging(d);
        imaging.SetupFromPosScaleRot(d, Point3{},
                                     Point3{4 * kMetresPerPixel, 6 * kMetresPerPixel, 1}, 0, false);
        EXPECT_TRUE(imaging.DrawOnMap(m.map, d.GetPosition()));
        EXPECT_GT(m.CountNonBlack(), 0);
    }
}

TEST(ObjectImagingDraw, OffTheMapDrawsNothing) {
    BaseDocument d = Document();
    TestMap m;
    ObjectImaging imaging(d);
    imaging.SetupFromPosScaleRot(d, Point3{5000, 0, 0}, Point3{500, 500, 1}, 0, false);
    EXPECT_TRUE(imaging.DrawOnMap(m.map, d.GetPosition()));
    EXPECT_EQ(m.CountNonBlack(), 0);

    // Partly on the map: only the visible part is painted, clipped at the edge.
    imaging.SetupFromPosScaleRot(d, Point3{1100, 0, 0}, Point3{200, 100, 1}, 0, false);
    EXPECT_TRUE(imaging.DrawOnMap(m.map, d.GetPosition()));
    EXPECT_EQ(m.At(199, 100), kGreyPixel);
}

TEST(ObjectImagingDraw, PolesAndBodiesWithoutSize) {
    test::ScriptedUi ui;
    BaseDocument pole = Document(90.0);
    TestMap m;
    m.rect.Set(-10.0, 90.0, 10.0, 80.0);
    ObjectImaging imaging(pole);
    imaging.SetupFromPosScaleRot(pole, Point3{}, Point3{2000, 2000, 1}, 0, false);
    EXPECT_TRUE(imaging.DrawOnMap(m.map, pole.GetPosition()));
    Point2 c[4];
    EXPECT_TRUE(imaging.GetCornerPixels(m.map, pole.GetPosition(), c));
    for (const Point2& p : c) {
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }

    BaseDocument placeholder = Document(0.0, 0.0);
    TestMap n;
    ObjectImaging none(placeholder);
    none.SetupFromPosScaleRot(placeholder, Point3{}, Point3{100, 100, 1}, 0, false);
    EXPECT_FALSE(none.DrawOnMap(n.map, placeholder.GetPosition()));
    EXPECT_FALSE(none.GetCornerPixels(n.map, placeholder.GetPosition(), c));
    EXPECT_EQ(n.CountNonBlack(), 0);
    EXPECT_TRUE(ui.Failures().empty());
}

TEST(ObjectImagingDraw, MapChecks) {
    test::ScriptedUi ui;
    BaseDocument d = Document();
    ObjectImaging imaging(d);
    imaging.SetupFromPosScaleRot(d, Point3{}, Point3{100, 100, 1}, 0, false);

    BitmapData empty;
    LatLonRect rect;
    rect.Set(-0.01, 0.01, 0.01, -0.01);
    GeoMap noPixels(&empty, &rect);
    EXPECT_FALSE(imaging.DrawOnMap(noPixels, d.GetPosition()));
    TestMap deep(32);
    EXPECT_FALSE(imaging.DrawOnMap(deep.map, d.GetPosition()));
    EXPECT_EQ(ui.Failures(), (std::vector<std::string>{"Maps are not properly initialized\r\n",
                                                       "Maps are not in proper format\r\n"}));
}

TEST(ObjectImagingDraw, ObjectsDrawThemselves) {
    test::ScopedFakeTypes fakes;
    BaseDocument d = Document();
    TestMap m;
    test::FakeBlock block = test::MakeBlock(0, 0, 0, 20 * kMetresPerPixel, 20 * kMetresPerPixel, 5);
    EXPECT_TRUE(block.DrawOnMap(d, m.map, 1));
    // The fake icon (100, 150, 200) lightened.
    EXPECT_EQ(m.At(100, 100), ColorRGB(178, 203, 228));
    TestMap n;
    EXPECT_TRUE(block.DrawOnMap(d, n.map, 0));
    EXPECT_EQ(n.At(100, 100), test::kFakeIconColour);

    // The root declines.
    class Plain : public AstrelObjectHandle {};
    TestMap o;
    EXPECT_FALSE(Plain().DrawOnMap(d, o.map, 0));
}

TEST(ObjectImagingDraw, CompositesDrawTheirPartsAndTheirOwnFootprint) {
    test::ScopedFakeTypes fakes;
    BaseDocument d = Document();
    AstrelObject west(test::MakeBlock(-30 * kMetresPerPixel, 0, 0, 10 * kMetresPerPixel,
                                      10 * kMetresPerPixel, 1));
    AstrelObject east(
        test::MakeBlock(30 * kMetresPerPixel, 0, 0, 10 * kMetresPerPixel, 10 * kMetresPerPixel, 1));
    ComplexObjectPtrArray selection;
    selection.AddSorted(&west);
    selection.AddSorted(&east);
    ComplexObject* composite = selection.GetCompositeObject();
    ASSERT_NE(composite, nullptr);

    TestMap m;
    EXPECT_TRUE(composite->DrawPartsOnMap(d, m.map, 0));
    EXPECT_EQ(m.At(70, 100), test::kFakeIconColour);
    EXPECT_EQ(m.At(130, 100), test::kFakeIconColour);
    EXPECT_EQ(m.At(100, 100), ColorRGB()); // nothing between the parts

    ObjectImaging imaging(d);
    ASSERT_TRUE(composite->SetupCompositeImaging(d, imaging, true));
    EXPECT_EQ(imaging.GetIcon().Width(), 32);
    EXPECT_TRUE(imaging.IsHighlighted());
    FootprintRecord record;
    ASSERT_TRUE(imaging.GetFootprintPixels(m.map, d.GetPosition(), record));
    EXPECT_DOUBLE_EQ(record.corner[0].x, 65.5);
    EXPECT_DOUBLE_EQ(record.corner[3].x, 135.5);
}

} // namespace
} // namespace pf
