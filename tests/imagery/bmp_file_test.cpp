#include "imagery/bmp_file.h"

#include "foundation/stream.h"
#include "imagery/bitmap_data.h"
#include "support/bmp_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace pf {
namespace {

using test::BmpFixture;
using test::MakeBmp;

bool Decode(const std::string& bytes, BitmapData& image, bool convert) {
    return DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image, convert);
}

std::vector<uint8_t> RowBytes(const BitmapData& image, int y) {
    const uint8_t* p = image.Row(y);
    return std::vector<uint8_t>(p, p + image.Stride());
}

// A 24-bit 4 x 2 picture with every byte distinct.
BmpFixture FourByTwo() {
    BmpFixture f;
    f.width = 4;
    f.height = 2;
    f.bits = 24;
    for (int y = 0; y < 2; ++y) {
        std::vector<uint8_t> row;
        for (int i = 0; i < 12; ++i) {
            row.push_back(uint8_t(y * 100 + i * 7 + 1));
        }
        f.rows.push_back(row);
    }
    return f;
}

TEST(BmpFileTest, TwentyFourBitKeepsStoredRowOrder) {
    const BmpFixture f = FourByTwo();
    BitmapData image;
    ASSERT_TRUE(Decode(MakeBmp(f), image, true));
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Stride(), 12);
    EXPECT_EQ(image.BitsPerPixel(), 24);
    EXPECT_EQ(RowBytes(image, 0), f.rows[0]);
    EXPECT_EQ(RowBytes(image, 1), f.rows[1]);
}

TEST(BmpFileTest, TopDownFileMatchesItsBottomUpTwin) {
    const BmpFixture bottom_up = FourByTwo();
    BmpFixture top_down = bottom_up;
    top_down.height = -2;
    std::swap(top_down.rows[0], top_down.rows[1]);
    BitmapData a;
    BitmapData b;
    ASSERT_TRUE(Decode(MakeBmp(bottom_up), a, false));
    ASSERT_TRUE(Decode(MakeBmp(top_down), b, false));
    EXPECT_TRUE(a.IsIdentical(b));
}

TEST(BmpFileTest, ThirtyTwoBitDepthFollowsConvertFlag) {
    BmpFixture f;
    f.width = 2;
    f.height = 1;
    f.bits = 32;
    f.rows = {{10, 20, 30, 0, 40, 50, 60, 0}};
    BitmapData raw;
    ASSERT_TRUE(Decode(MakeBmp(f), raw, false));
    EXPECT_EQ(raw.BitsPerPixel(), 32);
    // Plain 32-bit files carry padding, not alpha.
    EXPECT_EQ(RowBytes(raw, 0), (std::vector<uint8_t>{10, 20, 30, 255, 40, 50, 60, 255}));
    BitmapData converted;
    ASSERT_TRUE(Decode(MakeBmp(f), converted, true));
    EXPECT_EQ(converted.BitsPerPixel(), 24);
    EXPECT_EQ(RowBytes(converted, 0), (std::vector<uint8_t>{10, 20, 30, 40, 50, 60}));
}

TEST(BmpFileTest, DeclaredAlphaMaskKeepsAlpha) {
    BmpFixture f;
    f.info_size = 124;
    f.width = 1;
    f.height = 1;
    f.bits = 32;
    f.compression = 3;
    f.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    f.rows = {{1, 2, 3, 77}};
    BitmapData image;
    ASSERT_TRUE(Decode(MakeBmp(f), image, false));
    EXPECT_EQ(RowBytes(image, 0), (std::vector<uint8_t>{1, 2, 3, 77}));
}

TEST(BmpFileTest, PaddedRowsAndLargeHeadersReadRight) {
    struct Case {
        uint32_t info_size;
        int width;
    };
    for (const Case c : {Case{40, 3}, Case{124, 3}, Case{108, 5}, Case{124, 4}}) {
        SCOPED_TRACE(c.info_size);
        BmpFixture f;
        f.info_size = c.info_size;
        f.width = c.width;
        f.height = 2;
        for (int y = 0; y < 2; ++y) {
            std::vector<uint8_t> row;
            for (int i = 0; i < c.width * 3; ++i) {
                row.push_back(uint8_t(200 - y * 50 - i));
            }
            f.rows.push_back(row);
        }
        BitmapData image;
        ASSERT_TRUE(Decode(MakeBmp(f), image, true));
        EXPECT_EQ(image.Width(), c.width);
        EXPECT_EQ(image.Stride(), c.width * 3);
        EXPECT_EQ(RowBytes(image, 0), f.rows[0]);
        EXPECT_EQ(RowBytes(image, 1), f.rows[1]);
    }
}

TEST(BmpFileTest, PaletteAndSixteenBitFilesExpandToTwentyFourBits) {
    BmpFixture pal;
    pal.width = 3;
    pal.height = 1;
    pal.bits = 8;
    pal.colours_used = 3;
    pal.palette = {1, 2, 3, 0, 40, 50, 60, 0, 250, 251, 252, 0};
    pal.rows = {{2, 0, 1}};
    BitmapData image;
    ASSERT_TRUE(Decode(MakeBmp(pal), image, false));
    EXPECT_EQ(image.BitsPerPixel(), 24);
    EXPECT_EQ(RowBytes(image, 0), (std::vector<uint8_t>{250, 251, 252, 1, 2, 3, 40, 50, 60}));

    // 5-5-5: white, pure red, pure blue.
    BmpFixture rgb555;
    rgb555.width = 3;
    rgb555.height = 1;
    rgb555.bits = 16;
    rgb555.rows = {{0xFF, 0x7F, 0x00, 0x7C, 0x1F, 0x00}};
    ASSERT_TRUE(Decode(MakeBmp(rgb555), image, false));
    EXPECT_EQ(RowBytes(image, 0), (std::vector<uint8_t>{255, 255, 255, 0, 0, 255, 255, 0, 0}));

    // 5-6-5 by bit fields, masks after a 40-byte header: pure green.
    BmpFixture rgb565 = rgb555;
    rgb565.compression = 3;
    rgb565.masks = {0xF800, 0x07E0, 0x001F};
    rgb565.width = 1;
    rgb565.rows = {{0xE0, 0x07}};
    ASSERT_TRUE(Decode(MakeBmp(rgb565), image, false));
    EXPECT_EQ(RowBytes(image, 0), (std::vector<uint8_t>{0, 255, 0}));
}

TEST(BmpFileTest, BrokenFilesGiveFalseAndEmptyImage) {
    const BmpFixture good = FourByTwo();
    std::vector<std::pair<std::string, std::string>> cases;
    {
        std::string bytes = MakeBmp(good);
        bytes.resize(bytes.size() - 5);
        cases.push_back({"truncated data", bytes});
    }
    {
        std::string bytes = MakeBmp(good);
        bytes.resize(20);
        cases.push_back({"truncated header", bytes});
    }
    {
        BmpFixture f = good;
        f.info_size = 2;
        cases.push_back({"biSize 2", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.width = 0x7FFFFFFF;
        cases.push_back({"huge width", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.height = 0;
        cases.push_back({"height 0", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.height = int32_t(0x80000000u);
        cases.push_back({"most negative height", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.bits = 8;
        f.compression = 1;
        f.palette.assign(1024, 0);
        cases.push_back({"RLE", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.off_bits = 1 << 20;
        cases.push_back({"bfOffBits past the end", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.magic = "XY";
        cases.push_back({"missing BM", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.bits = 4;
        f.palette.assign(64, 0);
        cases.push_back({"4 bits", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.bits = 1;
        f.palette.assign(8, 0);
        cases.push_back({"1 bit", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.info_size = 125;
        cases.push_back({"header too large", MakeBmp(f)});
    }
    {
        BmpFixture f = good;
        f.bits = 24;
        f.compression = 4; // embedded JPEG
        cases.push_back({"embedded JPEG", MakeBmp(f)});
    }
    cases.push_back({"empty", ""});
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        BitmapData image(2, 2, 24);
        EXPECT_FALSE(Decode(bytes, image, true));
        EXPECT_FALSE(image.HasPixels());
        EXPECT_EQ(image.Width(), 0);
    }
}

TEST(BmpFileTest, ReadsFromStreamsAndFiles) {
    const BmpFixture f = FourByTwo();
    const std::string bytes = MakeBmp(f);
    MemStream stream;
    ASSERT_TRUE(stream.Write(bytes.data(), uint32_t(bytes.size())));
    BitmapData image;
    ASSERT_TRUE(ReadBmp(stream, image, true)); // rewinds first
    EXPECT_EQ(RowBytes(image, 1), f.rows[1]);

    test::TempDir dir;
    dir.WriteFile("pic.bmp", bytes);
    BitmapData loaded;
    ASSERT_TRUE(LoadBmpFile(dir.InternalPath("pic.bmp"), loaded));
    EXPECT_TRUE(loaded.IsIdentical(image));
    EXPECT_FALSE(LoadBmpFile(dir.InternalPath("missing.bmp"), loaded));
}

} // namespace
} // namespace pf
