#include "document/base_imaging.h"

#include "document/base_document.h"
#include "imagery/geo_map.h"
#include "objects/astrel_object.h"
#include "objects/object_fakes.h"
#include "support/planet_archive_files.h"
#include "support/simulator_sandbox.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace pf {
namespace {

ColorRGB At(const BitmapData& image, int x, int y) {
    const uint8_t* p = image.PixelAddress(x, y);
    return ColorRGB(p[0], p[1], p[2]);
}

bool IsAll(const BitmapData& image, const ColorRGB& colour) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (!(At(image, x, y) == colour)) {
                return false;
            }
        }
    }
    return true;
}

class BaseImagingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TileTextureCache::Clear();
        document_.SetBody(AstrelBody("Earth", 6371010.0, 5.973698968e24));
        document_.SetPosition(LatLon(10.0, 20.0));
    }
    void TearDown() override { TileTextureCache::Clear(); }

    void CacheFlatTexture(const TileAttributes& tile, const ColorRGB& colour) {
        BitmapData image(512, 512, 32);
        for (int y = 0; y < 512; ++y) {
            for (int x = 0; x < 512; ++x) {
                uint8_t* p = image.PixelAddress(x, y);
                p[0] = colour.blue;
                p[1] = colour.green;
                p[2] = colour.red;
                p[3] = 255;
            }
        }
        TileTextureFile file(tile, false);
        ASSERT_TRUE(file.SetImage(image));
    }

    test::SimulatorSandbox sim_;
    BaseDocument document_;
};

TEST_F(BaseImagingTest, EmptyAndWrongDepthMaps) {
    BaseImaging imaging(document_);
    ObjectArray objects;
    TileArray tiles;
    BitmapData empty;
    LatLonRect rect;
    rect.Set(0, 1, 1, 0);
    GeoMap emptyMap(&empty, &rect);
    EXPECT_TRUE(imaging.drawObjectsOnMap(emptyMap, objects));
    EXPECT_TRUE(imaging.drawObjectsOnMapHighlighted(emptyMap, objects));
    EXPECT_TRUE(imaging.drawBodyTextureOnMap(emptyMap));
    EXPECT_TRUE(imaging.drawTilesOnMap(emptyMap, tiles));
    EXPECT_TRUE(sim_.Ui().Calls().empty());

    BitmapData deep(8, 8, 32);
    GeoMap deepMap(&deep, &rect);
    EXPECT_FALSE(imaging.drawBodyTextureOnMap(deepMap));
    EXPECT_FALSE(imaging.drawTilesOnMap(deepMap, tiles));
    EXPECT_TRUE(sim_.Ui().Calls().empty());
    EXPECT_FALSE(imaging.drawObjectsOnMap(deepMap, objects));
    EXPECT_EQ(
        sim_.Ui().Failures(),
        std::vector<std::string>{"Wrong bits per pixel in BaseImaging::drawObjectsOnMap\r\n"});

    // An empty list draws nothing and succeeds.
    BitmapData plain(8, 8, 24);
    GeoMap plainMap(&plain, &rect);
    EXPECT_TRUE(imaging.drawObjectsOnMap(plainMap, objects));
    EXPECT_TRUE(imaging.drawObjectsOnMap(plainMap, ObjectPtrArray()));
    EXPECT_TRUE(IsAll(plain, ColorRGB()));
}

TEST_F(BaseImagingTest, ObjectsAreDrawnNormalAndHighlighted) {
    test::ScopedFakeTypes types;
    ObjectArray objects;
    objects.Add(AstrelObject(test::MakeBlock(0, 0, 0, 400, 400, 10)));
    BaseImaging imaging(document_);
    LatLonRect rect;
    ASSERT_TRUE(imaging.GetMapRegion(rect, 14, 0, 0, 200, 200));
    BitmapData normal(200, 200, 24);
    GeoMap normalMap(&normal, &rect);
    EXPECT_TRUE(imaging.drawObjectsOnMap(normalMap, objects));
    EXPECT_FALSE(IsAll(normal, ColorRGB()));
    BitmapData highlighted(200, 200, 24);
    GeoMap highlightedMap(&highlighted, &rect);
    ObjectPtrArray selection;
    selection.AddSorted(objects.GetAt(0));
    EXPECT_TRUE(imaging.drawObjectsOnMapHighlighted(highlightedMap, selection));
    EXPECT_FALSE(IsAll(highlighted, ColorRGB()));
}

TEST_F(BaseImagingTest, BodyTextureFromArchiveOrGreen) {
    test::WriteNativeFile(sim_.SimNative("Textures/Earth.tex"), test::MakeArchiveBytes(5));
    BaseImaging imaging(document_);
    LatLonRect rect;
    rect.Set(-100, 50, -80, 30);
    BitmapData image(100, 100, 24);
    GeoMap map(&image, &rect);
    ASSERT_TRUE(imaging.drawBodyTextureOnMap(map));
    const ColorRGB west = At(image, 20, 50);
    const ColorRGB expected = test::ArchiveTileColour(4, 0);
    EXPECT_NEAR(west.red, expected.red, 4);
    EXPECT_NEAR(west.green, expected.green, 4);
    EXPECT_NEAR(west.blue, expected.blue, 4);
    EXPECT_NEAR(At(image, 80, 50).green, test::ArchiveTileColour(4, 1).green, 4);

    BaseDocument mars;
    mars.SetBody(AstrelBody("Mars", 3389500.0, 6.4e23));
    BaseImaging marsImaging(mars);
    EXPECT_FALSE(marsImaging.drawBodyTextureOnMap(map));
    EXPECT_TRUE(IsAll(image, ColorRGB(31, 127, 16)));
}

TEST(BaseImagingRegions, Overlap) {
    LatLonRect map;
    map.Set(-10, 10, 10, -10);
    LatLonRect tile;
    tile.Set(10, 5, 12, 3); // its west edge is the map's east edge
    EXPECT_FALSE(BaseImaging::RegionsOverlap(tile, map));
    tile.Set(9, 5, 12, 3);
    EXPECT_TRUE(BaseImaging::RegionsOverlap(tile, map));
    tile.Set(0, 10.5, 2, 10); // touching the north edge
    EXPECT_FALSE(BaseImaging::RegionsOverlap(tile, map));
    tile.Set(0, -10, 2, -12); // touching the south edge
    EXPECT_FALSE(BaseImaging::RegionsOverlap(tile, map));
    tile.Set(0, 5, 0.19, 3); // narrower than a hundredth of the map
    EXPECT_FALSE(BaseImaging::RegionsOverlap(tile, map));
    tile.Set(0, 5, 5, 4.9);
    EXPECT_FALSE(BaseImaging::RegionsOverlap(tile, map));
}

TEST_F(BaseImagingTest, TilesSkipEdgeTouchingAndCoveredOnes) {
    BaseImaging imaging(document_);
    const TileAttributes parent("Earth", 1, 0, 0); // 0..0.3515625 in both directions
    CacheFlatTexture(parent, ColorRGB(0, 0, 255));
    const TileAttributes children[] = {parent.ChildNorthWest(), parent.ChildNorthEast(),
                                       parent.ChildSouthWest(), parent.ChildSouthEast()};
    for (const TileAttributes& child : children) {
        CacheFlatTexture(child, ColorRGB(0, 255, 0));
    }
    LatLonRect rect;
    rect.Set(-0.1, 0.5, 0.5, -0.1); // 0.005 degrees per pixel
    // Opaque 32-bit textures blend as (c x 255) >> 8: full channels land at 254.
    const ColorRGB red(0, 0, 254);
    const ColorRGB green(0, 254, 0);

    TileArray all;
    all.AddSorted(parent);
    for (const TileAttributes& child : children) {
        all.AddSorted(child);
    }
    EXPECT_TRUE(BaseImaging::IsTileCovered(rect, parent, all));
    BitmapData image(120, 120, 24);
    GeoMap map(&image, &rect);
    ASSERT_TRUE(imaging.drawTilesOnMap(map, all));
    EXPECT_EQ(At(image, 37, 47), green);
    EXPECT_EQ(At(image, 72, 82), green);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 120; ++x) {
            ASSERT_FALSE(At(image, x, y) == red) << x << "," << y;
        }
    }

    TileArray three;
    three.AddSorted(parent);
    for (int i = 0; i < 3; ++i) {
        three.AddSorted(children[i]);
    }
    EXPECT_FALSE(BaseImaging::IsTileCovered(rect, parent, three));
    BitmapData second(120, 120, 24);
    GeoMap secondMap(&second, &rect);
    ASSERT_TRUE(imaging.drawTilesOnMap(secondMap, three));
    EXPECT_EQ(At(second, 37, 47), green);
    EXPECT_EQ(At(second, 72, 82), red) << "the parent shows in the uncovered quarter";

    // A tile east of the map, touching it, and one far too small for a wide map.
    LatLonRect west;
    west.Set(-0.3515625, 0.3515625, 0.0, 0.0);
    BitmapData third(50, 50, 24);
    GeoMap thirdMap(&third, &west);
    TileArray single;
    single.AddSorted(parent);
    ASSERT_TRUE(imaging.drawTilesOnMap(thirdMap, single));
    EXPECT_TRUE(IsAll(third, ColorRGB()));
    LatLonRect wide;
    wide.Set(-50, 50, 50, -50);
    GeoMap wideMap(&third, &wide);
    ASSERT_TRUE(imaging.drawTilesOnMap(wideMap, single));
    EXPECT_TRUE(IsAll(third, ColorRGB()));

    // A tile without a texture is skipped; the others are still drawn.
    TileArray missing;
    missing.AddSorted(TileAttributes("Earth", 1, -1, 0));
    missing.AddSorted(parent);
    BitmapData fourth(120, 120, 24);
    GeoMap fourthMap(&fourth, &rect);
    EXPECT_TRUE(imaging.drawTilesOnMap(fourthMap, missing));
    EXPECT_EQ(At(fourth, 72, 82), red);
}

TEST_F(BaseImagingTest, MapRegion) {
    BaseImaging imaging(document_);
    LatLonRect rect;
    EXPECT_FALSE(imaging.GetMapRegion(rect, 3, 0, 0, 0, 100));
    EXPECT_FALSE(imaging.GetMapRegion(rect, 3, 0, 0, 100, -1));
    for (double zoom : {1.0, 3.0, 7.5}) {
        ASSERT_TRUE(imaging.GetMapRegion(rect, zoom, 0, 0, 200, 100));
        const double half = 45.0 / std::pow(2.0, zoom - 1);
        EXPECT_NEAR(rect.North(), std::min(20.0 + half, 90.0), 1e-9) << zoom;
        EXPECT_NEAR(rect.South(), std::max(20.0 - half, -90.0), 1e-9) << zoom;
        EXPECT_LT(rect.West(), rect.East());
    }
    ASSERT_TRUE(imaging.GetMapRegion(rect, 3, 1.5, -2.0, 100, 100));
    EXPECT_NEAR(rect.North(), 20.0 + 11.25 - 2.0, 1e-9);
    const double halfWidth = 11.25 / std::cos(20.0 * M_PI / 180.0);
    EXPECT_NEAR(rect.West(), 10.0 - halfWidth + 1.5, 1e-9);
    EXPECT_NEAR(rect.East(), 10.0 + halfWidth + 1.5, 1e-9);

    BaseDocument moon;
    moon.SetBody(AstrelBody("Moon", 1737400.0, 7.347e22));
    moon.SetPosition(LatLon(0.0, 0.0));
    ASSERT_TRUE(BaseImaging(moon).GetMapRegion(rect, 3, 0, 0, 100, 100));
    EXPECT_NEAR(rect.North(), 11.25, 1e-9);

    BaseDocument pole;
    pole.SetBody(AstrelBody("Earth", 6371010.0, 5.973698968e24));
    pole.SetPosition(LatLon(30.0, 90.0));
    ASSERT_TRUE(BaseImaging(pole).GetMapRegion(rect, 2, 0, 0, 100, 100));
    EXPECT_EQ(rect.North(), 90.0);
    EXPECT_NEAR(rect.South(), 90.0 - 22.5, 1e-9);
    EXPECT_NEAR(rect.GetWidth(), 360.0, 1e-9);

    BaseDocument dateLine;
    dateLine.SetBody(AstrelBody("Earth", 6371010.0, 5.973698968e24));
    dateLine.SetPosition(LatLon(179.5, 0.0));
    ASSERT_TRUE(BaseImaging(dateLine).GetMapRegion(rect, 5, 0, 0, 100, 100));
    EXPECT_LT(rect.West(), rect.East());
    EXPECT_GT(rect.East(), 180.0);

    BaseDocument noBody;
    noBody.SetBody(AstrelBody("None", 0.0, 0.0));
    EXPECT_FALSE(BaseImaging(noBody).GetMapRegion(rect, 3, 0, 0, 100, 100));
    // Moved entirely past the pole: no height is left.
    EXPECT_FALSE(imaging.GetMapRegion(rect, 10, 0, 100.0, 100, 100));
}

TEST(BaseImagingMarker, LandsAtTheComputedPixel) {
    BitmapData image(100, 100, 24);
    LatLonRect rect;
    rect.Set(0, 10, 10, 0);
    GeoMap map(&image, &rect);
    const ColorRGB colour(1, 2, 3);
    ASSERT_TRUE(DrawMarkerAtLatLon(map, LatLon(2.5, 7.46), colour));
    // x = int(25 + 0.5) = 25, y = int(25.4 + 0.5) = 25; the plus has its two-pixel bars
    // at x - 1 .. x and y - 1 .. y.
    EXPECT_EQ(At(image, 25, 25), colour);
    EXPECT_EQ(At(image, 24, 25), colour);
    EXPECT_EQ(At(image, 25, 17), colour);
    EXPECT_EQ(At(image, 26, 26), ColorRGB());
    EXPECT_FALSE(DrawMarkerAtLatLon(map, LatLon(1e300, 0), colour));
}

} // namespace
} // namespace pf
