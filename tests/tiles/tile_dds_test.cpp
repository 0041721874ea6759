#include "tiles/tile_dds.h"

#include "document/base_document.h"
#include "imagery/bitmap_data.h"
#include "imagery/dds_file.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace pf {
namespace {

const ColorRGBA kQuarter[4] = {ColorRGBA(0, 0, 255, 255), ColorRGBA(0, 255, 0, 255),
                               ColorRGBA(255, 0, 0, 128), ColorRGBA(0, 255, 255, 255)};

BitmapData QuarterTexture() {
    BitmapData image(512, 512, 32);
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 512; ++x) {
            std::memcpy(image.PixelAddress(x, y), &kQuarter[(y < 256 ? 0 : 2) + (x < 256 ? 0 : 1)],
                        4);
        }
    }
    return image;
}

ColorRGBA At(const BitmapData& image, int x, int y) {
    ColorRGBA c;
    std::memcpy(&c, image.PixelAddress(x, y), 4);
    return c;
}

// Records what the loop reports; cancels once it has shown a number of previews, as a
// click let through while the preview is shown would.
class FakeProgress : public TileProgress {
  public:
    explicit FakeProgress(int cancelAfter = -1) : cancelAfter_(cancelAfter) {
        SetCurrentTileProgress(this);
    }
    ~FakeProgress() override { SetCurrentTileProgress(nullptr); }
    bool IsCancelled() const override {
        return cancelAfter_ >= 0 && int(previews.size()) >= cancelAfter_;
    }
    void SetProgress(int done, int total) override { reports.emplace_back(done, total); }
    void ShowPreview(const BitmapData& image) override { previews.push_back(image.Width()); }

    std::vector<std::pair<int, int>> reports;
    std::vector<int> previews;

  private:
    int cancelAfter_;
};

class TileRendering : public ::testing::Test {
  protected:
    void SetUp() override {
        TileTextureCache::Clear();
        folder_ = sim_.Dir().Internal() + "Out\\";
        ASSERT_TRUE(fs::CreateDirectories(folder_));
    }
    void TearDown() override { TileTextureCache::Clear(); }

    TileAttributes CachedTile(int level, int x, int y) {
        const TileAttributes tile("Earth", level, x, y);
        TileTextureFile file(tile, false);
        EXPECT_TRUE(file.SetImage(QuarterTexture()));
        return tile;
    }
    std::string Native(const TileAttributes& tile) {
        return fs::ToNative(folder_ + tile.GetDdsFileName());
    }

    test::SimulatorSandbox sim_;
    std::string folder_;
};

TEST_F(TileRendering, ThreeTilesReportProgressAndWriteFullChains) {
    BaseDocument document("Port Alpha", "Earth", LatLon(0.0, 0.0));
    document.SetNeedsLoading(false);
    for (int i = 0; i < 3; ++i) {
        document.AddTileSorted(CachedTile(12, i, 4));
    }
    FakeProgress progress;
    DDSRendererUse use;
    ASSERT_TRUE(document.RenderTiles(use, folder_));
    EXPECT_EQ(progress.reports, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
    EXPECT_EQ(progress.previews, (std::vector<int>{512, 512, 512}));
    for (const TileAttributes& tile : document.GetTileArray()) {
        EXPECT_EQ(std::filesystem::file_size(Native(tile)), 349680u) << tile.GetName();
    }
    EXPECT_TRUE(document.GetNeedsLoading());
    EXPECT_FALSE(document.GetNeedsRendering());
    EXPECT_TRUE(sim_.Ui().Calls().empty());
    // The finished run saved the base with its new flags.
    const std::string saved =
        test::ReadNativeFile(sim_.Dir().Native() + "/Documents/Padforge/Port Alpha.txt");
    EXPECT_NE(saved.find("PFG_NEEDS_LOADING TRUE\r\nPFG_NEEDS_RENDERING FALSE\r\n"),
              std::string::npos);
}

TEST_F(TileRendering, CancelStopsBeforeTheNextTile) {
    BaseDocument document("Port Alpha", "Earth", LatLon(0.0, 0.0));
    for (int i = 0; i < 5; ++i) {
        document.AddTileSorted(CachedTile(12, i, 4));
    }
    ASSERT_TRUE(document.SaveToDocuments());
    const std::string file = sim_.Dir().Native() + "/Documents/Padforge/Port Alpha.txt";
    const std::string before = test::ReadNativeFile(file);
    FakeProgress progress(2);
    DDSRendererUse use;
    EXPECT_FALSE(document.RenderTiles(use, folder_));
    int files = 0;
    for (const TileAttributes& tile : document.GetTileArray()) {
        files += std::filesystem::exists(Native(tile));
    }
    EXPECT_EQ(files, 2);
    EXPECT_TRUE(document.GetNeedsRendering());
    EXPECT_TRUE(document.GetNeedsLoading());
    EXPECT_TRUE(sim_.Ui().Calls().empty()) << "a cancel is no failure";
    EXPECT_EQ(test::ReadNativeFile(file), before) << "a cancelled run saves nothing";
}

TEST_F(TileRendering, MissingTextureIsReportedAndTheLoopGoesOn) {
    BaseDocument document("Port Alpha", "Earth", LatLon(0.0, 0.0));
    document.AddTileSorted(CachedTile(12, 1, 1));
    document.AddTileSorted(TileAttributes("Earth", 12, 2, 2)); // nothing cached
    document.AddTileSorted(CachedTile(12, 3, 3));
    // A body name that would lead the texture's file out of the folder.
    document.AddTileSorted(TileAttributes("..\\x", 12, 4, 4));
    DDSRendererUse use;
    ASSERT_TRUE(document.RenderTiles(use, folder_));
    EXPECT_EQ(sim_.Ui().Failures(), std::vector<std::string>(2, "Couldn't render texture\r\n"));
    EXPECT_TRUE(std::filesystem::exists(Native(document.GetTileArray()[2])));
    for (const std::string& name : test::NativeNames(sim_.Dir().Native())) {
        EXPECT_NE(name.rfind("x_", 0), 0u) << "written outside the folder: " << name;
    }
    EXPECT_FALSE(document.GetNeedsRendering());
}

TEST_F(TileRendering, EmptyBaseTouchesNoProgress) {
    BaseDocument document("Port Alpha", "Earth", LatLon(0.0, 0.0));
    FakeProgress progress;
    DDSRendererUse use;
    EXPECT_TRUE(document.RenderTiles(use, folder_));
    EXPECT_TRUE(progress.reports.empty());
    EXPECT_TRUE(document.GetNeedsLoading());
    EXPECT_FALSE(document.GetNeedsRendering());
}

TEST_F(TileRendering, SouthernTilesAreWrittenTurned) {
    DDSRendererUse use;
    for (int y : {0, -1}) {
        SCOPED_TRACE(y);
        const TileAttributes tile = CachedTile(12, 5, y);
        ASSERT_TRUE(SaveTileDds(tile, folder_));
        std::vector<uint8_t> bytes;
        std::string raw;
        ASSERT_TRUE(fs::ReadFile(folder_ + tile.GetDdsFileName(), raw));
        BitmapData decoded;
        ASSERT_TRUE(DecodeDds(reinterpret_cast<const uint8_t*>(raw.data()), raw.size(), decoded));
        const int tl = y < 0 ? 3 : 0;
        EXPECT_EQ(At(decoded, 10, 10), kQuarter[tl]);
        EXPECT_EQ(At(decoded, 500, 500), kQuarter[3 - tl]);
        EXPECT_EQ(At(decoded, 500, 10), kQuarter[y < 0 ? 2 : 1]);
    }
}

TEST_F(TileRendering, UnwritableTargetIsReported) {
    const TileAttributes tile = CachedTile(12, 6, 6);
    DDSRendererUse use;
    EXPECT_FALSE(SaveTileDds(tile, folder_ + "Missing\\"));
    const std::vector<std::string> failures = sim_.Ui().Failures();
    ASSERT_FALSE(failures.empty());
    EXPECT_EQ(failures.back(), "Could not save DDS file\r\n");
    // No texture: false and no message.
    sim_.Ui().Clear();
    EXPECT_FALSE(SaveTileDds(TileAttributes("Earth", 12, 9, 9), folder_));
    EXPECT_TRUE(sim_.Ui().Calls().empty());
}

TEST(ProgressBar, FilledPixelsBeforeTheFrame) {
    const int width = 203;
    const int expected[] = {0, int(width / 4.0 + 0.5), int(width / 2.0 + 0.5)};
    for (int done = 0; done < 3; ++done) {
        SCOPED_TRACE(done);
        BitmapData bar;
        ASSERT_TRUE(MakeProgressBarImage(bar, width, 7, done, 3, false));
        ASSERT_EQ(bar.Width(), width);
        ASSERT_EQ(bar.BitsPerPixel(), 24);
        EXPECT_EQ(ProgressBarFilled(width, done, 3), expected[done]);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint8_t* p = bar.PixelAddress(x, y);
                const ColorRGB want =
                    x < expected[done] ? ColorRGB(255, 0, 0) : ColorRGB(255, 255, 255);
                ASSERT_EQ(ColorRGB(p[0], p[1], p[2]), want) << x << "," << y;
            }
        }
    }
    // An empty base shows an empty bar; an empty size makes no picture.
    EXPECT_EQ(ProgressBarFilled(width, 0, 0), 0);
    BitmapData none;
    EXPECT_FALSE(MakeProgressBarImage(none, 0, 7, 0, 1));
}

TEST(ProgressBar, CurrentProgressIsTheCodecMonitor) {
    EXPECT_EQ(GetCurrentTileProgress(), nullptr);
    FakeProgress progress;
    EXPECT_EQ(GetCurrentTileProgress(), &progress);
    EXPECT_EQ(GetDdsRenderMonitor(), &progress);
}

} // namespace
} // namespace pf
