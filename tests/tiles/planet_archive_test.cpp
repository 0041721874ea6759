#include "tiles/planet_archive.h"

#include "imagery/bitmap_data.h"
#include "imagery/geo_map.h"
#include "platform/fs.h"
#include "support/planet_archive_files.h"
#include "support/simulator_sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace pf {
namespace {

using test::ArchiveTileColour;

ColorRGB PixelAt(const BitmapData& image, int x, int y) {
    const uint8_t* p = image.PixelAddress(x, y);
    return ColorRGB(p[0], p[1], p[2]);
}

// JPEG keeps flat colours within a few steps.
::testing::AssertionResult Near(const ColorRGB& actual, const ColorRGB& expected,
                                int tolerance = 0) {
    if (std::abs(actual.blue - expected.blue) <= tolerance &&
        std::abs(actual.green - expected.green) <= tolerance &&
        std::abs(actual.red - expected.red) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "got (" << int(actual.blue) << ", " << int(actual.green) << ", " << int(actual.red)
           << "), expected (" << int(expected.blue) << ", " << int(expected.green) << ", "
           << int(expected.red) << ")";
}

// The pixel of a map holding a position.
ColorRGB MapColour(const BitmapData& image, const LatLonRect& rect, double lon, double lat) {
    const int x = static_cast<int>((lon - rect.West()) / rect.GetWidth() * image.Width());
    const int y = static_cast<int>((rect.North() - lat) / rect.GetHeight() * image.Height());
    return PixelAt(image, x, y);
}

TEST(ArchiveGrid, LevelTable) {
    const int64_t offsets[] = {0, 2176, 10496, 43392, 109184, 372352, 1161856, 4451456, 16425600};
    const int64_t tiles[] = {1, 1, 1, 2, 8, 24, 100, 364, 1752};
    const int bands[] = {1, 1, 1, 1, 2, 4, 8, 16, 32};
    for (int level = 0; level <= 8; ++level) {
        SCOPED_TRACE(level);
        EXPECT_EQ(ArchiveLevelOffset(level), offsets[level]);
        EXPECT_EQ(ArchiveTilesInLevel(level), tiles[level]);
        EXPECT_EQ(ArchiveBandCount(level), bands[level]);
    }
    EXPECT_EQ(ArchiveTileBytes(0), 2176);
    EXPECT_EQ(ArchiveTileBytes(1), 8320);
    EXPECT_EQ(ArchiveTileBytes(2), 32896);
    EXPECT_EQ(ArchiveTileBytes(9), 32896);
    EXPECT_DOUBLE_EQ(ArchiveDegreesPerPixel(3), 0.703125);
    EXPECT_DOUBLE_EQ(ArchiveDegreesPerPixel(4), 0.3515625);
    EXPECT_DOUBLE_EQ(ArchiveDegreesPerPixel(8), 0.02197265625);

    const int level7[] = {6, 12, 18, 24, 28, 30, 32, 32};
    for (int b = 0; b < 16; ++b) {
        EXPECT_EQ(ArchiveColumnsInBand(7, b), level7[b % 8]) << b;
        EXPECT_EQ(ArchiveColumnsInBand(8, b), 2 * level7[b % 8]) << b;
        EXPECT_EQ(ArchiveColumnsInBand(8, b + 16), 64) << b;
    }
    // Off the grid: nothing, so no offset can overflow.
    EXPECT_EQ(ArchiveTilesInLevel(17), 0);
    EXPECT_EQ(ArchiveTilesInLevel(-1), 0);
    EXPECT_GT(ArchiveLevelOffset(16), 0);
}

TEST(ArchiveGrid, Level8BandsDecideTheSouthernHalf) {
    struct Case {
        int64_t tile;
        int band;
        bool southern;
    } cases[] = {{727, 15, false}, {728, 16, true}, {875, 18, true}, {876, 18, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(ArchiveBandOfTile(8, c.tile), c.band) << c.tile;
        EXPECT_EQ(ArchiveIsSouthernTile(8, c.tile), c.southern) << c.tile;
    }
    // Levels 0-3 are never turned.
    EXPECT_FALSE(ArchiveIsSouthernTile(3, 1));
    EXPECT_FALSE(ArchiveIsSouthernTile(2, 0));
}

void ExpectRect(const LatLonRect& r, double west, double north, double east, double south) {
    EXPECT_DOUBLE_EQ(r.West(), west);
    EXPECT_DOUBLE_EQ(r.North(), north);
    EXPECT_DOUBLE_EQ(r.East(), east);
    EXPECT_DOUBLE_EQ(r.South(), south);
}

TEST(ArchiveGrid, TilePlacement) {
    ExpectRect(GetTileLatLonRect(0, 5), -180, 90, -90, 45);
    ExpectRect(GetTileLatLonRect(12, 5), 90, -45, 180, -90);
    EXPECT_TRUE(ArchiveIsSouthernTile(5, 12));
    EXPECT_FALSE(ArchiveIsSouthernTile(5, 11));
    for (int64_t t = 0; t < ArchiveTilesInLevel(5); ++t) { // the southern bands count northwards
        if (ArchiveBandOfTile(5, t) == 3) {
            EXPECT_EQ(GetTileLatLonRect(t, 5).North(), 0.0) << t;
            EXPECT_EQ(GetTileLatLonRect(t, 5).South(), -45.0) << t;
        }
    }
    ExpectRect(GetTileLatLonRect(0, 2), -180, 90, 180, -90);
    ExpectRect(GetTileLatLonRect(0, 3), -180, 90, 0, -90);
    ExpectRect(GetTileLatLonRect(1, 3), 0, 90, 180, -90);
    // Level 4: the north from -180 eastwards, the south from 180 westwards.
    const double north[][4] = {
        {-180, 90, -90, 0}, {-90, 90, 0, 0}, {0, 90, 90, 0}, {90, 90, 180, 0}};
    const double south[][4] = {
        {90, 0, 180, -90}, {0, 0, 90, -90}, {-90, 0, 0, -90}, {-180, 0, -90, -90}};
    for (int t = 0; t < 4; ++t) {
        SCOPED_TRACE(t);
        ExpectRect(GetTileLatLonRect(t, 4), north[t][0], north[t][1], north[t][2], north[t][3]);
        ExpectRect(GetTileLatLonRect(t + 4, 4), south[t][0], south[t][1], south[t][2], south[t][3]);
        EXPECT_TRUE(ArchiveIsSouthernTile(4, t + 4));
    }
}

TEST(ArchiveGrid, Overlapping) {
    std::vector<int64_t> tiles;
    LatLonRect rect;
    rect.Set(-100, 10, -80, -10); // touches columns on both sides of -90 in both halves
    GetTilesOverlapping(tiles, rect, 4);
    EXPECT_EQ(tiles, (std::vector<int64_t>{0, 1, 6, 7}));
    GetTilesOverlapping(tiles, rect, 1);
    EXPECT_EQ(tiles, std::vector<int64_t>{0});
    GetTilesOverlapping(tiles, rect, 40);
    EXPECT_TRUE(tiles.empty());
}

class ArchiveFiles : public ::testing::Test {
  protected:
    void WriteArchive(const std::string& body, int maxLevel) {
        test::WriteNativeFile(sim_.SimNative("Textures/" + body + ".tex"),
                              test::MakeArchiveBytes(maxLevel));
    }
    std::string BodyCacheNative(const std::string& name) {
        return fs::ToNative(sim_.CacheFolder() + "Body\\" + name);
    }

    test::SimulatorSandbox sim_;
};

TEST_F(ArchiveFiles, PathsAndUnsafeNames) {
    std::string path;
    ASSERT_TRUE(GetTexArchivePath("Earth", path));
    EXPECT_EQ(path, sim_.Root() + "Textures\\Earth.tex");
    ASSERT_TRUE(GetDdsTexturePath("Earth", path));
    EXPECT_EQ(path, sim_.Root() + "Textures\\Earth.dds");
    for (const char* bad : {"..\\x", "a/b", "tab\tname"}) {
        EXPECT_FALSE(GetTexArchivePath(bad, path)) << bad;
        EXPECT_FALSE(GetDdsTexturePath(bad, path)) << bad;
    }
}

TEST_F(ArchiveFiles, GeneratedArchiveSizes) {
    EXPECT_EQ(test::MakeArchiveBytes(5).size(), 1161856u);
    EXPECT_EQ(test::MakeArchiveBytes(6).size(), 4451456u);
}

TEST_F(ArchiveFiles, ReadsTheDeepestLevelPresentAndTurnsSouthernTiles) {
    WriteArchive("Earth", 5);
    std::string path;
    ASSERT_TRUE(GetTexArchivePath("Earth", path));
    BitmapData image(1024, 512, 24);
    LatLonRect whole;
    whole.Set(-180, 90, 180, -90);
    ASSERT_TRUE(getFromTexFile(path, image, 7));
    EXPECT_TRUE(Near(MapColour(image, whole, -135, 67.5), ArchiveTileColour(5, 0)));
    // Tile 12 (90..180, -45..-90) was stored with its colour on top: turned back, the
    // colour lies in the southern half of the tile.
    EXPECT_TRUE(
        Near(MapColour(image, whole, 135, -56), test::Rgb565Colour(test::kArchiveSouthKey)));
    EXPECT_TRUE(Near(MapColour(image, whole, 135, -80), ArchiveTileColour(5, 12)));

    BitmapData small(64, 64, 24);
    ASSERT_TRUE(getFromTexFile(path, small, 1));
    EXPECT_TRUE(Near(PixelAt(small, 10, 10), ArchiveTileColour(1, 0)));

    EXPECT_FALSE(getFromTexFile(path, image, -1));
    EXPECT_FALSE(getFromTexFile(path, image, 17));
    EXPECT_FALSE(getFromTexFile(path + "x", image, 3));
    EXPECT_TRUE(sim_.Ui().Failures().empty());
    BitmapData none;
    EXPECT_FALSE(getFromTexFile(path, none, 3));
    EXPECT_EQ(sim_.Ui().Failures(),
              std::vector<std::string>{"NULL bitmap given to getFromTexFile\r\n"});
    // A tile that does not decode fails the level.
    std::string bytes = test::MakeArchiveBytes(5);
    bytes.replace(ArchiveLevelOffset(5) + 3 * ArchiveTileBytes(5), 4, "XXXX");
    test::WriteNativeFile(sim_.SimNative("Textures/Earth.tex"), bytes);
    EXPECT_FALSE(getFromTexFile(path, image, 7));
}

TEST_F(ArchiveFiles, BodyImageFallsBackToDdsThenToAMessagePicture) {
    test::WriteNativeFile(sim_.SimNative("Textures/Moon.dds"), test::MakeFlatDxt1Dds(64, 0x07E0));
    BitmapData moon;
    ASSERT_TRUE(GetBodyImage("Moon", moon, 4));
    ASSERT_EQ(moon.Width(), 1024);
    ASSERT_EQ(moon.BitsPerPixel(), 24);
    EXPECT_TRUE(Near(PixelAt(moon, 500, 700), test::Rgb565Colour(0x07E0)));

    BitmapData venus;
    EXPECT_FALSE(GetBodyImage("Venus", venus, 4));
    ASSERT_EQ(venus.Width(), 1024);
    ASSERT_EQ(venus.Height(), 1024);
    EXPECT_EQ(PixelAt(venus, 0, 0), ColorRGB(0, 0, 0));
    EXPECT_EQ(PixelAt(venus, 1023, 100), ColorRGB(0, 0, 0));
    int white = 0;
    for (int y = 500; y < 560; ++y) {
        for (int x = 0; x < 1024; ++x) {
            white += PixelAt(venus, x, y) == ColorRGB(255, 255, 255);
        }
    }
    EXPECT_GT(white, 50) << "the text names the body";
}

TEST_F(ArchiveFiles, BodyCacheIsWrittenOnceThenRead) {
    WriteArchive("Earth", 4);
    BitmapData image;
    LatLonRect rect;
    GeoMap map(&image, &rect);
    ASSERT_TRUE(GetArchiveTile(map, "Earth", 4, 5));
    ExpectRect(rect, 0, 0, 90, -90);
    ASSERT_EQ(image.Width(), 256);
    ASSERT_EQ(image.BitsPerPixel(), 24);
    // Southern: the stored top half (the key) is now at the bottom.
    EXPECT_TRUE(Near(PixelAt(image, 100, 200), ArchiveTileColour(4, 5)));
    EXPECT_TRUE(Near(PixelAt(image, 100, 50), test::Rgb565Colour(test::kArchiveSouthKey)));
    ASSERT_TRUE(std::filesystem::exists(BodyCacheNative("Earth_4_5.jpg")));

    std::filesystem::remove(sim_.SimNative("Textures/Earth.tex"));
    BitmapData again;
    LatLonRect againRect;
    GeoMap againMap(&again, &againRect);
    ASSERT_TRUE(GetArchiveTile(againMap, "Earth", 4, 5));
    ExpectRect(againRect, 0, 0, 90, -90);
    EXPECT_TRUE(Near(PixelAt(again, 100, 200), ArchiveTileColour(4, 5), 4));
    // Not cached and no archive: nothing.
    EXPECT_FALSE(GetArchiveTile(againMap, "Earth", 4, 6));

    // One-tile levels come out as the whole body on 256 x 256; indices off the level fail.
    WriteArchive("Earth", 2);
    ASSERT_TRUE(GetArchiveTile(againMap, "Earth", 1, 0));
    EXPECT_EQ(again.Width(), 256);
    ExpectRect(againRect, -180, 90, 180, -90);
    EXPECT_FALSE(GetArchiveTile(againMap, "Earth", 3, 0)) << "no fallback below the level";
    EXPECT_FALSE(GetArchiveTile(againMap, "Earth", 2, 1));
}

TEST_F(ArchiveFiles, MosaicFallsBackLevelByLevel) {
    WriteArchive("Earth", 3);
    BitmapData image(200, 100, 24);
    LatLonRect rect;
    rect.Set(-20, 10, 20, -10);
    GeoMap map(&image, &rect);
    ASSERT_TRUE(BuildArchiveMosaic("Earth", map, 5));
    EXPECT_TRUE(Near(PixelAt(image, 20, 50), ArchiveTileColour(3, 0), 4));
    EXPECT_TRUE(Near(PixelAt(image, 180, 50), ArchiveTileColour(3, 1), 4));

    // Only levels 0-1: level 3 and 2 fail, and the whole-body picture of level 2 (which
    // reads level 1) is used.
    WriteArchive("Moon", 1);
    BitmapData moon(100, 100, 24);
    GeoMap moonMap(&moon, &rect);
    ASSERT_TRUE(BuildArchiveMosaic("Moon", moonMap, 3));
    EXPECT_TRUE(Near(PixelAt(moon, 50, 50), ArchiveTileColour(1, 0), 4));

    // Nothing at all: false.
    BitmapData mars(100, 100, 24);
    GeoMap marsMap(&mars, &rect);
    EXPECT_FALSE(BuildArchiveMosaic("Mars", marsMap, 4));
}

TEST(ArchiveMosaic, LevelChoice) {
    BitmapData image(100, 100, 24);
    LatLonRect rect;
    GeoMap map(&image, &rect);
    rect.Set(0, 1, 100 * ArchiveDegreesPerPixel(8) / 2, 1 - 100 * ArchiveDegreesPerPixel(8) / 2);
    EXPECT_EQ(ChooseMosaicLevel(map), 8);
    rect.Set(0, 60, 100 * ArchiveDegreesPerPixel(4) * 1.5, 60 - 10);
    EXPECT_EQ(ChooseMosaicLevel(map), 3);
    rect.Set(0, 60, 100 * ArchiveDegreesPerPixel(6), 60 - 100 * ArchiveDegreesPerPixel(6));
    EXPECT_EQ(ChooseMosaicLevel(map), 6);
}

TEST_F(ArchiveFiles, TileImageForMapIgnoresItsThirdArgument) {
    WriteArchive("Earth", 5);
    LatLonRect rect;
    rect.Set(-100, 50, -80, 40);
    BitmapData warm(64, 64, 24); // fills the body cache, so both calls read the same tiles
    GeoMap warmMap(&warm, &rect);
    ASSERT_TRUE(LoadTileImageForMap("Earth", warmMap, 0));
    BitmapData first(64, 64, 24);
    GeoMap firstMap(&first, &rect);
    ASSERT_TRUE(LoadTileImageForMap("Earth", firstMap, 1));
    BitmapData second(64, 64, 24);
    GeoMap secondMap(&second, &rect);
    ASSERT_TRUE(LoadTileImageForMap("Earth", secondMap, 9));
    EXPECT_TRUE(first.IsIdentical(second));
    // Near a pole the window is clamped and still drawn.
    LatLonRect polar;
    polar.Set(-10, 89, 10, 80);
    BitmapData third(32, 32, 24);
    GeoMap thirdMap(&third, &polar);
    EXPECT_TRUE(LoadTileImageForMap("Earth", thirdMap, 3));
    EXPECT_FALSE(LoadTileImageForMap("Venus", thirdMap, 3));
}

} // namespace
} // namespace pf
