#include "imagery/object_icons.h"

#include "imagery/bitmap_data.h"
#include "platform/settings_store.h"
#include "support/bmp_fixture.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace pf {
namespace {

using test::ScriptedUi;

// A 24-bit 4 x 2 icon, bottom row stored first: the bottom row is all `bottom`, the top row
// all `top`.
std::string Icon(uint8_t top, uint8_t bottom) {
    test::BmpFixture f;
    f.width = 4;
    f.height = 2;
    f.rows = {std::vector<uint8_t>(12, bottom), std::vector<uint8_t>(12, top)};
    return test::MakeBmp(f);
}

class ObjectIconsTest : public testing::Test {
  protected:
    void SetUp() override {
        install_.WriteFile("block.bmp", Icon(10, 20));
        install_.WriteFile("Buttons/right.bmp", Icon(30, 40));
        ASSERT_TRUE(settings_store::Write("Install Path", install_.Internal()));
        ClearIconBitmapCache();
    }
    void TearDown() override { ClearIconBitmapCache(); }

    test::SandboxHome home_;
    test::TempDir install_;
    ScriptedUi ui_;
};

TEST_F(ObjectIconsTest, IconsComeOutTopRowFirst) {
    BitmapData icon;
    ASSERT_TRUE(GetObjectIconBitmap("block.bmp", icon));
    EXPECT_EQ(icon.Width(), 4);
    EXPECT_EQ(icon.Height(), 2);
    EXPECT_EQ(icon.BitsPerPixel(), 24);
    EXPECT_EQ(icon.PixelAddress(0, 0)[0], 10);
    EXPECT_EQ(icon.PixelAddress(0, 1)[0], 20);
}

TEST_F(ObjectIconsTest, NamesMatchWithoutCaseAndServeFromCache) {
    IconBitmapCache cache;
    ASSERT_NE(cache.Get("block.bmp"), nullptr);
    ASSERT_TRUE(std::remove(install_.NativePath("block.bmp").c_str()) == 0);
    const BitmapData* again = cache.Get("Block.bmp");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->PixelAddress(0, 0)[0], 10);
    EXPECT_EQ(cache.Size(), 1u);
}

TEST_F(ObjectIconsTest, MissingIconIsNeverCached) {
    IconBitmapCache cache;
    ASSERT_NE(cache.Get("block.bmp"), nullptr);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(cache.Get("tank.bmp"), nullptr);
        EXPECT_EQ(cache.Size(), 1u);
    }
    install_.WriteFile("broken.bmp", "BM not really");
    EXPECT_EQ(cache.Get("broken.bmp"), nullptr);
    EXPECT_EQ(cache.Size(), 1u);
    // A file that appears later is found on the next request.
    install_.WriteFile("tank.bmp", Icon(1, 2));
    EXPECT_NE(cache.Get("tank.bmp"), nullptr);
    EXPECT_EQ(cache.Size(), 2u);
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(ObjectIconsTest, ReturnedCopyIsTheCallersOwn) {
    BitmapData icon;
    ASSERT_TRUE(GetObjectIconBitmap("block.bmp", icon));
    icon.FillColor24(ColorRGB(99, 99, 99));
    BitmapData again;
    ASSERT_TRUE(GetObjectIconBitmap("BLOCK.BMP", again));
    EXPECT_EQ(again.PixelAddress(0, 0)[0], 10);
}

TEST_F(ObjectIconsTest, ClearReadsTheFileAgain) {
    BitmapData icon;
    ASSERT_TRUE(GetObjectIconBitmap("block.bmp", icon));
    install_.WriteFile("block.bmp", Icon(50, 60));
    ASSERT_TRUE(GetObjectIconBitmap("block.bmp", icon));
    EXPECT_EQ(icon.PixelAddress(0, 0)[0], 10);
    ClearIconBitmapCache();
    EXPECT_EQ(IconBitmapCache::Global().Size(), 0u);
    ASSERT_TRUE(GetObjectIconBitmap("block.bmp", icon));
    EXPECT_EQ(icon.PixelAddress(0, 0)[0], 50);
}

TEST_F(ObjectIconsTest, SubfolderNamesMatchWithoutCase) {
    BitmapData icon;
    ASSERT_TRUE(GetObjectIconBitmap("Buttons\\Right.bmp", icon));
    EXPECT_EQ(icon.PixelAddress(0, 0)[0], 30);
}

TEST_F(ObjectIconsTest, MissingInstallPathSaysSo) {
    // A fresh home without any setting.
    test::SandboxHome other;
    BitmapData icon;
    IconBitmapCache cache;
    EXPECT_EQ(cache.Get("block.bmp"), nullptr);
    EXPECT_FALSE(ui_.Failures().empty());
    EXPECT_EQ(ui_.Failures().back(), "Install path not found\r\n");
    EXPECT_EQ(cache.Size(), 0u);
}

} // namespace
} // namespace pf
