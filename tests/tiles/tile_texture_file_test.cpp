#include "tiles/tile_texture_file.h"

#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/tile_test_images.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pf {
namespace {

namespace stdfs = std::filesystem;
using test::Near;
using test::Rgb;
using test::SandboxHome;
using test::ScriptedUi;
using Names = std::vector<std::string>;

const ColorRGBA kNorthWest(10, 20, 30, 255);
const ColorRGBA kNorthEast(40, 50, 60, 200);
const ColorRGBA kSouthWest(70, 80, 90, 150);
const ColorRGBA kSouthEast(100, 110, 120, 100);
const ColorRGBA kQuarters[4] = {kNorthWest, kNorthEast, kSouthWest, kSouthEast};

class TileTextureTest : public ::testing::Test {
  protected:
    TileTextureTest() { stdfs::create_directories(Cache()); }
    ~TileTextureTest() override { TileTextureCache::Clear(); }

    std::string Cache() const { return home_.Home() + "/Documents/Padforge/cache"; }
    std::string CacheFile(const std::string& name) const { return Cache() + "/" + name; }
    bool Has(const std::string& name) const { return stdfs::exists(CacheFile(name)); }
    void Put(const std::string& name, const std::string& bytes) const {
        test::WriteNativeFile(CacheFile(name), bytes);
    }
    static bool IsColour(const BitmapData& image, int x, int y, const ColorRGBA& c) {
        const uint8_t* p = image.PixelAddress(x, y);
        return p[0] == c.blue && p[1] == c.green && p[2] == c.red && p[3] == c.alpha;
    }

    SandboxHome home_;
    ScriptedUi ui_;
    const TileAttributes tile_{"Earth", 5, -3, 12};
};

TEST_F(TileTextureTest, DroppedJpegWithAlphaIsTakenIn) {
    Put("Earth_5_W0003_N0012.jpg", test::GradientJpeg(512, 512));
    // Grey alpha: 40 on the left half, 220 on the right.
    Put("Earth_5_W0003_N0012_a.jpg", test::JpegBytesOf(test::MakeImage24(512, 512, [](int x, int) {
            const uint8_t v = x < 256 ? 40 : 220;
            return Rgb(v, v, v);
        })));
    TileTextureFile texture(tile_, true);
    ASSERT_TRUE(texture.IsLoaded());
    const BitmapData& image = texture.Image();
    ASSERT_EQ(image.Width(), 512);
    ASSERT_EQ(image.BitsPerPixel(), 32);
    EXPECT_TRUE(Near(image.PixelAddress(10, 300)[3], 40, 2));
    EXPECT_TRUE(Near(image.PixelAddress(500, 300)[3], 220, 2));
    EXPECT_TRUE(Near(image.PixelAddress(300, 400)[2], 150, 3)); // red of the gradient
    EXPECT_TRUE(Has("Earth_5_W0003_N0012.png"));
    EXPECT_FALSE(Has("Earth_5_W0003_N0012.jpg"));
    EXPECT_FALSE(Has("Earth_5_W0003_N0012_a.jpg"));
    EXPECT_TRUE(ui_.Calls().empty());

    // Later loads read the PNG, which kept all four bytes.
    TileTextureFile again(tile_, true);
    ASSERT_TRUE(again.IsLoaded());
    EXPECT_TRUE(again.Image().IsIdentical(image));
}

TEST_F(TileTextureTest, JpegOfAnotherSizeIsStretched) {
    Put("Earth_5_W0003_N0012.jpg", test::FlatJpeg(256, 256, Rgb(0, 0, 200)));
    TileTextureFile texture(tile_, true);
    ASSERT_TRUE(texture.IsLoaded());
    EXPECT_EQ(texture.Image().Width(), 512);
    EXPECT_EQ(texture.Image().Height(), 512);
    EXPECT_TRUE(Near(texture.Image().PixelAddress(400, 400)[0], 200, 3));
    EXPECT_EQ(ui_.Failures(), Names{"Loaded tile texture from jpeg that wasn't 512X512\r\n"});
}

TEST_F(TileTextureTest, AlphaOfAnotherSizeIsIgnored) {
    Put("Earth_5_W0003_N0012.jpg", test::GradientJpeg(512, 512));
    Put("Earth_5_W0003_N0012_a.jpg", test::FlatJpeg(256, 256, Rgb(9, 9, 9)));
    TileTextureFile texture(tile_, true);
    ASSERT_TRUE(texture.IsLoaded());
    EXPECT_EQ(texture.Image().PixelAddress(100, 100)[3], 255);
    EXPECT_EQ(ui_.Failures(), Names{"size mismatch in alpha file for jpeg.\r\n"});
    EXPECT_FALSE(Has("Earth_5_W0003_N0012_a.jpg"));
}

TEST_F(TileTextureTest, FailedPngWriteKeepsTheJpegs) {
    Put("Earth_5_W0003_N0012.jpg", test::GradientJpeg(512, 512));
    Put("Earth_5_W0003_N0012_a.jpg", test::FlatJpeg(512, 512, Rgb(90, 90, 90)));
    stdfs::create_directories(CacheFile("Earth_5_W0003_N0012.png")); // cannot be replaced
    TileTextureFile texture(tile_, true);
    EXPECT_TRUE(Has("Earth_5_W0003_N0012.jpg"));
    EXPECT_TRUE(Has("Earth_5_W0003_N0012_a.jpg"));
    EXPECT_FALSE(ui_.Failures().empty());
    // The dropped picture is still what the tile shows.
    EXPECT_TRUE(texture.IsLoaded());
    EXPECT_TRUE(Near(texture.Image().PixelAddress(5, 5)[3], 90, 2));
}

TEST_F(TileTextureTest, UndecodableJpegIsSetAside) {
    Put("Earth_5_W0003_N0012.jpg", std::string(3000, '\x11'));
    Put("Earth_5_W0003_N0012.png", test::QuartersPng(512, kQuarters));
    ui_.AnswerNextMessage(MessageAnswer::Ok); // the JPEG decoder's own box
    TileTextureFile texture(tile_, true);
    EXPECT_TRUE(texture.IsLoaded()); // from the PNG
    EXPECT_TRUE(IsColour(texture.Image(), 0, 0, kNorthWest));
    EXPECT_FALSE(Has("Earth_5_W0003_N0012.jpg"));
    EXPECT_TRUE(Has("Earth_5_W0003_N0012.jpg.bad"));
    EXPECT_EQ(ui_.Failures(),
              Names{"Couldn't read tile image " + CacheFile("Earth_5_W0003_N0012.jpg") +
                    ", it was renamed to " + CacheFile("Earth_5_W0003_N0012.jpg.bad") + "\r\n"});
    ui_.Clear();
    TileTextureFile again(tile_, true);
    EXPECT_TRUE(again.IsLoaded());
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(TileTextureTest, PngOfAnotherSizeIsResampled) {
    Put("Earth_5_W0003_N0012.png", test::QuartersPng(300, kQuarters));
    TileTextureFile texture(tile_, true);
    ASSERT_TRUE(texture.IsLoaded());
    EXPECT_EQ(texture.Image().Width(), 512);
    EXPECT_EQ(texture.Image().Height(), 512);
    EXPECT_TRUE(IsColour(texture.Image(), 10, 10, kNorthWest));
    EXPECT_TRUE(IsColour(texture.Image(), 500, 500, kSouthEast));
    EXPECT_EQ(ui_.Failures(), Names{"Loaded tile texture from png that wasn't 512X512\r\n"});
}

TEST_F(TileTextureTest, FailedLoadGivesBlankImage) {
    TileTextureFile texture(tile_, true);
    EXPECT_FALSE(texture.IsLoaded());
    BitmapData out;
    ASSERT_TRUE(texture.GetImage(out));
    EXPECT_EQ(out.Width(), 512);
    EXPECT_EQ(out.BitsPerPixel(), 32);
    for (size_t i = 0; i < out.ByteCount(); i += 4099) {
        ASSERT_EQ(out.Pixels()[i], 0);
    }
    TileTextureFile empty(tile_, false);
    EXPECT_FALSE(empty.GetImage(out));
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(TileTextureTest, SetImageChecksTheSizeBeforeTouchingFiles) {
    Put("Earth_5_W0003_N0012.jpg", "pending");
    Put("Earth_5_W0003_N0012_a.jpg", "pending alpha");
    TileTextureFile texture(tile_, false);
    EXPECT_FALSE(
        texture.SetImage(test::MakeImage24(512, 256, [](int, int) { return Rgb(1, 2, 3); })));
    EXPECT_FALSE(texture.IsLoaded());
    EXPECT_EQ(ui_.Failures(), Names{"Image for tile: " + CacheFile("Earth_5_W0003_N0012.png") +
                                    " is not 512X512. Can't use it.\r\n"});
    EXPECT_TRUE(Has("Earth_5_W0003_N0012.jpg"));
    EXPECT_TRUE(Has("Earth_5_W0003_N0012_a.jpg"));

    ASSERT_TRUE(
        texture.SetImage(test::MakeImage24(512, 512, [](int, int) { return Rgb(1, 2, 3); })));
    EXPECT_TRUE(texture.IsLoaded());
    EXPECT_FALSE(Has("Earth_5_W0003_N0012.jpg"));
    EXPECT_FALSE(Has("Earth_5_W0003_N0012_a.jpg"));
    TileTextureFile stored(tile_, true);
    ASSERT_TRUE(stored.IsLoaded());
    EXPECT_TRUE(IsColour(stored.Image(), 7, 7, ColorRGBA(3, 2, 1, 255)));
}

TEST_F(TileTextureTest, SavingNeedsALoadedTexture) {
    TileTextureFile texture(tile_, false);
    EXPECT_FALSE(texture.SaveToCache());
    EXPECT_FALSE(texture.SavePng(home_.Dir().InternalPath("x.png")));
    EXPECT_EQ(ui_.Failures(), (Names{"Attempting to save texture that hasn't been loaded\r\n",
                                     "Failed to save texture to file\r\n"}));
    EXPECT_EQ(DDSRenderer::UseCount(), 0);
}

TEST_F(TileTextureTest, CachePathsAndCachedState) {
    TileTextureFile texture(tile_, false);
    std::string path;
    ASSERT_TRUE(texture.GetCachePath(path));
    EXPECT_EQ(fs::ToNative(path), CacheFile("Earth_5_W0003_N0012.png"));
    ASSERT_TRUE(texture.GetAlphaJpgCachePath(path));
    EXPECT_EQ(fs::ToNative(path), CacheFile("Earth_5_W0003_N0012_a.jpg"));
    EXPECT_FALSE(texture.IsCached());
    Put("Earth_5_W0003_N0012_a.jpg", "x");
    EXPECT_FALSE(texture.IsCached()); // the alpha alone does not count
    Put("Earth_5_W0003_N0012.jpg", "x");
    EXPECT_TRUE(texture.IsCached());
    EXPECT_TRUE(ui_.Calls().empty());

    for (const char* body : {"Ea\\rth", "../up", "Moon\x01"}) {
        TileTextureFile bad(TileAttributes(body, 1, 0, 0), false);
        EXPECT_FALSE(bad.GetJpgCachePath(path));
    }
    EXPECT_EQ(ui_.Failures(), Names(3, "Couldn't get cache path\r\n"));
}

TEST_F(TileTextureTest, DeleteCacheFilesRemovesFilesAndTheHeldTexture) {
    Put("Earth_5_W0003_N0012.png", test::QuartersPng(512, kQuarters));
    BitmapData out;
    ASSERT_TRUE(TileTextureCache::GetTexture(tile_, out));
    Put("Earth_5_W0003_N0012.jpg", "x");
    Put("Earth_5_W0003_N0012_a.jpg", "x");
    Put("Earth_5_W0003_N0013.png", "another tile");
    TileTextureFile texture(tile_, false);
    EXPECT_TRUE(texture.DeleteCacheFiles());
    EXPECT_EQ(TileTextureCache::Count(), 0u);
    EXPECT_FALSE(Has("Earth_5_W0003_N0012.png"));
    EXPECT_FALSE(Has("Earth_5_W0003_N0012.jpg"));
    EXPECT_FALSE(Has("Earth_5_W0003_N0012_a.jpg"));
    EXPECT_TRUE(Has("Earth_5_W0003_N0013.png"));
}

TEST_F(TileTextureTest, CacheLoadsOnDemandAndKeepsOnlyLoadedTiles) {
    BitmapData out;
    EXPECT_FALSE(TileTextureCache::GetTexture(tile_, out));
    EXPECT_EQ(TileTextureCache::Count(), 0u);
    EXPECT_FALSE(TileTextureCache::IsLoaded(tile_));
    // The next call reads the disk again.
    Put("Earth_5_W0003_N0012.png", test::QuartersPng(512, kQuarters));
    ASSERT_TRUE(TileTextureCache::GetTexture(tile_, out));
    EXPECT_TRUE(IsColour(out, 511, 0, kNorthEast));
    EXPECT_EQ(TileTextureCache::Count(), 1u);
    // Found by level, x and y: the body takes no part, and the disk is not read again.
    stdfs::remove(CacheFile("Earth_5_W0003_N0012.png"));
    BitmapData second;
    EXPECT_TRUE(TileTextureCache::GetTexture(TileAttributes("Moon", 5, -3, 12), second));
    EXPECT_TRUE(second.IsIdentical(out));
    EXPECT_TRUE(TileTextureCache::IsLoaded(tile_));

    Put("Earth_6_E0001_N0001.png", test::QuartersPng(512, kQuarters));
    ASSERT_TRUE(TileTextureCache::LoadIntoCache(TileAttributes("Earth", 6, 1, 1)));
    EXPECT_EQ(TileTextureCache::Count(), 2u);
    EXPECT_TRUE(TileTextureCache::Remove(tile_));
    EXPECT_FALSE(TileTextureCache::Remove(tile_));
    EXPECT_EQ(TileTextureCache::Count(), 1u);
    TileTextureCache::Clear();
    EXPECT_EQ(TileTextureCache::Count(), 0u);
}

TEST_F(TileTextureTest, ZoomIntoChildTakesTheQuarterOfThePosition) {
    const TileAttributes parent("Earth", 3, 5, 6);
    Put(parent.GetPngFileName(), test::QuartersPng(512, kQuarters));
    TileTextureFile texture(parent, true);
    ASSERT_TRUE(texture.IsLoaded());
    const double edge = parent.GetEdge();
    const LatLon south_east(5.75 * edge, 6.25 * edge);
    ASSERT_TRUE(texture.ZoomIntoChild(south_east));
    EXPECT_EQ(texture.GetTile().GetLevel(), 4);
    EXPECT_EQ(texture.GetTile().GetX(), 11);
    EXPECT_EQ(texture.GetTile().GetY(), 12);
    EXPECT_TRUE(texture.IsLoaded());
    ASSERT_EQ(texture.Image().Width(), 512);
    for (int at : {0, 255, 256, 511}) {
        EXPECT_TRUE(IsColour(texture.Image(), at, at, kSouthEast)) << at;
    }

    // A position outside the tile.
    EXPECT_FALSE(texture.ZoomIntoChild(LatLon(0.5, 0.5)));
    EXPECT_EQ(ui_.Failures(), Names{"Point is not in this texture\r\n"});

    TileTextureFile north(parent, true);
    ASSERT_TRUE(north.ZoomIntoChild(LatLon(5.25 * edge, 6.75 * edge)));
    EXPECT_EQ(north.GetTile().GetX(), 10);
    EXPECT_EQ(north.GetTile().GetY(), 13);
    EXPECT_TRUE(IsColour(north.Image(), 300, 300, kNorthWest));
}

TEST_F(TileTextureTest, ZoomIntoChildRefusesATextureOfAnotherSize) {
    const TileAttributes parent("Earth", 3, 5, 6);
    TileTextureFile texture(parent, false);
    EXPECT_FALSE(texture.ZoomIntoChild(parent.GetCenter()));
    EXPECT_EQ(texture.GetTile().GetLevel(), 3);
}

TEST_F(TileTextureTest, ComposeFromTheNearestAncestor) {
    const TileAttributes ancestor("Earth", 2, 2, 3);
    Put(ancestor.GetPngFileName(), test::QuartersPng(512, kQuarters));
    TileArray tiles;
    tiles.AddSorted(TileAttributes("Earth", 1, 1, 1)); // an older ancestor without a file
    tiles.AddSorted(ancestor);
    tiles.AddSorted(TileAttributes("Earth", 2, 0, 0)); // no ancestor
    // The north-east child of the ancestor, and a grandchild in its south-west quarter.
    BitmapData out;
    ASSERT_TRUE(TileTextureFile::ComposeFromAncestor(TileAttributes("Earth", 3, 5, 7), out, tiles));
    EXPECT_EQ(out.Width(), 512);
    EXPECT_TRUE(IsColour(out, 0, 0, kNorthEast));
    EXPECT_TRUE(IsColour(out, 511, 511, kNorthEast));
    ASSERT_TRUE(TileTextureFile::Compose(TileAttributes("Earth", 4, 8, 12), out, tiles));
    EXPECT_TRUE(IsColour(out, 100, 400, kSouthWest));

    EXPECT_FALSE(
        TileTextureFile::ComposeFromAncestor(TileAttributes("Earth", 1, 1, 1), out, tiles));
    EXPECT_FALSE(
        TileTextureFile::ComposeFromAncestor(TileAttributes("Earth", 11, 2048, 3072), out, tiles));
    EXPECT_FALSE(
        TileTextureFile::ComposeFromAncestor(TileAttributes("Earth", 3, 0, 7), out, tiles));
    TileArray none;
    EXPECT_FALSE(TileTextureFile::ComposeFromAncestor(TileAttributes("Earth", 3, 5, 7), out, none));
    EXPECT_TRUE(ui_.Calls().empty());
}

} // namespace
} // namespace pf
