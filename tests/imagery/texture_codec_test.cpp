#include "imagery/texture_codec.h"

#include "foundation/stream.h"
#include "imagery/bitmap_data.h"
#include "imagery/dds_file.h"
#include "imagery/dxt5_encoder.h"
#include "imagery/jpeg_file.h"
#include "support/bmp_fixture.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace pf {
namespace {

using test::ScriptedUi;
using test::TempDir;

BitmapData Sample32() {
    BitmapData image(3, 2, 32);
    for (int i = 0; i < 24; ++i) {
        image.Pixels()[i] = uint8_t(i * 10 + 5);
    }
    return image;
}

TEST(TextureCodecTest, GuardsKeepTheUseCount) {
    const int start = DDSRenderer::UseCount();
    EXPECT_FALSE(DDSRenderer::IsLoaded());
    {
        DDSRendererUse outer;
        EXPECT_TRUE(DDSRenderer::IsLoaded());
        {
            DDSRendererUse inner;
            EXPECT_EQ(DDSRenderer::UseCount(), start + 2);
        }
        EXPECT_TRUE(DDSRenderer::IsLoaded());
    }
    EXPECT_FALSE(DDSRenderer::IsLoaded());
    EXPECT_EQ(DDSRenderer::UseCount(), start);
}

TEST(TextureCodecTest, FormatIsChosenByContentNotName) {
    ScriptedUi ui;
    TempDir dir;
    BitmapData image = Sample32();
    {
        DDSRendererUse use;
        ASSERT_TRUE(DDSRenderer::SavePng(dir.InternalPath("really png.jpg"), image));
    }
    BitmapData loaded;
    ASSERT_TRUE(LoadImageFileGuarded(dir.InternalPath("really png.jpg"), loaded));
    EXPECT_TRUE(loaded.IsIdentical(image));
    EXPECT_EQ(DDSRenderer::UseCount(), 0);

    // TGA, text and empty files are not decoded, and nothing is said.
    dir.WriteFile("a.tga", std::string("\0\0\2\0\0\0\0\0\0\0\0\0\1\0\1\0\x20\0\1\2\3\4", 22));
    dir.WriteFile("b.png", "just text");
    dir.WriteFile("c.bmp", "");
    for (const char* name : {"a.tga", "b.png", "c.bmp", "missing.png"}) {
        SCOPED_TRACE(name);
        BitmapData out(2, 2, 32);
        EXPECT_FALSE(LoadImageFileGuarded(dir.InternalPath(name), out));
        EXPECT_FALSE(out.HasPixels() && std::string(name) != "missing.png");
    }
    EXPECT_TRUE(ui.Calls().empty());
    EXPECT_EQ(DDSRenderer::UseCount(), 0);
}

TEST(TextureCodecTest, NothingDecodesWithoutAUse) {
    ScriptedUi ui;
    TempDir dir;
    BitmapData image = Sample32();
    {
        DDSRendererUse use;
        ASSERT_TRUE(DDSRenderer::SavePng(dir.InternalPath("p.png"), image));
    }
    BitmapData loaded;
    EXPECT_FALSE(DDSRenderer::LoadImageFile(dir.InternalPath("p.png"), loaded));
    MemStream stream;
    EXPECT_FALSE(DDSRenderer::LoadImageStream(stream, loaded));
    EXPECT_TRUE(ui.Calls().empty());
}

TEST(TextureCodecTest, StreamHoldingDdsDecodes) {
    std::vector<BitmapData> levels;
    ASSERT_TRUE(BuildMipChain(Sample32(), false, levels));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(BuildDxt5Dds(levels, false, DefaultDxt5Encoder(), bytes));
    MemStream stream;
    ASSERT_TRUE(stream.Write(bytes.data(), uint32_t(bytes.size())));
    DDSRendererUse use;
    BitmapData image;
    ASSERT_TRUE(DDSRenderer::LoadImageStream(stream, image));
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.BitsPerPixel(), 32);
}

TEST(TextureCodecTest, BmpAndJpegComeOutTopRowFirstAndOpaque) {
    ScriptedUi ui;
    TempDir dir;
    // Bottom-up 32-bit file without an alpha mask: the stored first row is the bottom one.
    test::BmpFixture f;
    f.width = 1;
    f.height = 2;
    f.bits = 32;
    f.rows = {{1, 2, 3, 0}, {4, 5, 6, 0}};
    dir.WriteFile("p.bmp", test::MakeBmp(f));
    BitmapData image;
    ASSERT_TRUE(LoadImageFileGuarded(dir.InternalPath("p.bmp"), image));
    ASSERT_EQ(image.BitsPerPixel(), 32);
    EXPECT_EQ(std::vector<uint8_t>(image.Pixels(), image.Pixels() + 8),
              (std::vector<uint8_t>{4, 5, 6, 255, 1, 2, 3, 255}));

    // 24-bit BMP.
    f.bits = 24;
    f.rows = {{1, 2, 3}, {4, 5, 6}};
    dir.WriteFile("q.bmp", test::MakeBmp(f));
    ASSERT_TRUE(LoadImageFileGuarded(dir.InternalPath("q.bmp"), image));
    EXPECT_EQ(std::vector<uint8_t>(image.Pixels(), image.Pixels() + 8),
              (std::vector<uint8_t>{4, 5, 6, 255, 1, 2, 3, 255}));

    // JPEG: top row dark, bottom row bright.
    BitmapData picture(16, 16, 24);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            uint8_t* p = picture.PixelAddress(x, y);
            p[0] = p[1] = p[2] = uint8_t(y < 8 ? 10 : 240);
        }
    }
    ASSERT_TRUE(SaveBitmapAsJpeg(picture, dir.InternalPath("j.jpg")));
    ASSERT_TRUE(LoadImageFileGuarded(dir.InternalPath("j.jpg"), image));
    EXPECT_EQ(image.BitsPerPixel(), 32);
    EXPECT_LT(image.PixelAddress(4, 2)[1], 40);
    EXPECT_GT(image.PixelAddress(4, 13)[1], 210);
    EXPECT_EQ(image.PixelAddress(4, 13)[3], 255);
    EXPECT_TRUE(ui.Calls().empty());
}

TEST(TextureCodecTest, BrokenJpegDecodesSilently) {
    ScriptedUi ui;
    TempDir dir;
    dir.WriteFile("broken.jpg", std::string("\xFF\xD8\xFF\xE0garbage", 11));
    BitmapData image;
    EXPECT_FALSE(LoadImageFileGuarded(dir.InternalPath("broken.jpg"), image));
    EXPECT_TRUE(ui.Calls().empty());
}

} // namespace
} // namespace pf
