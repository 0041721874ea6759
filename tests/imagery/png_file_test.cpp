#include "imagery/png_file.h"

#include "imagery/bitmap_data.h"
#include "imagery/texture_codec.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <vector>

#include <png.h>
#include <zlib.h>

namespace pf {
namespace {

using test::ScriptedUi;
using test::TempDir;

struct PngSpec {
    int width = 0;
    int height = 0;
    int colour_type = PNG_COLOR_TYPE_RGB;
    int bit_depth = 8;
    bool interlaced = false;
    std::vector<png_color> palette;
    std::vector<png_byte> trans;             // palette alpha
    std::vector<std::vector<png_byte>> rows; // as stored (16-bit samples big-endian)
};

void AppendBytes(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), count);
}

// Writes a PNG with libpng itself, so that every colour type can be fabricated.
std::string MakePng(PngSpec spec) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "libpng failed to write the fixture";
        return {};
    }
    png_set_write_fn(png, &out, AppendBytes, nullptr);
    png_set_IHDR(png, info, png_uint_32(spec.width), png_uint_32(spec.height), spec.bit_depth,
                 spec.colour_type, spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty()) {
        png_set_PLTE(png, info, spec.palette.data(), int(spec.palette.size()));
    }
    if (!spec.trans.empty()) {
        png_set_tRNS(png, info, spec.trans.data(), int(spec.trans.size()), nullptr);
    }
    png_write_info(png, info);
    std::vector<png_bytep> rows;
    for (auto& r : spec.rows) {
        rows.push_back(r.data());
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<uint8_t> Pixels(const BitmapData& image) {
    return std::vector<uint8_t>(image.Pixels(), image.Pixels() + image.ByteCount());
}

bool Decode(const std::string& bytes, BitmapData& image) {
    return DecodePng(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image);
}

TEST(PngFileTest, EveryColourTypeDecodesToStraightBgra) {
    struct Case {
        const char* name;
        PngSpec spec;
        std::vector<uint8_t> expected; // BGRA of the pixels, row by row
    };
    std::vector<Case> cases;
    cases.push_back({"rgb",
                     {2, 1, PNG_COLOR_TYPE_RGB, 8, false, {}, {}, {{10, 20, 30, 40, 50, 60}}},
                     {30, 20, 10, 255, 60, 50, 40, 255}});
    cases.push_back({"rgba",
                     {1, 1, PNG_COLOR_TYPE_RGBA, 8, false, {}, {}, {{10, 20, 30, 0}}},
                     {30, 20, 10, 0}});
    cases.push_back({"grey",
                     {2, 1, PNG_COLOR_TYPE_GRAY, 8, false, {}, {}, {{7, 200}}},
                     {7, 7, 7, 255, 200, 200, 200, 255}});
    cases.push_back({"grey alpha",
                     {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {}, {}, {{7, 9, 200, 0}}},
                     {7, 7, 7, 9, 200, 200, 200, 0}});
    cases.push_back({"palette trns",
                     {3,
                      1,
                      PNG_COLOR_TYPE_PALETTE,
                      8,
                      false,
                      {{255, 0, 0}, {0, 255, 0}, {1, 2, 3}},
                      {128, 0},
                      {{0, 1, 2}}},
                     {0, 0, 255, 128, 0, 255, 0, 0, 3, 2, 1, 255}});
    cases.push_back(
        {"16 bit",
         {1, 1, PNG_COLOR_TYPE_RGB, 16, false, {}, {}, {{0xFF, 0xFF, 0x80, 0x00, 0x00, 0x00}}},
         {0, 128, 255, 255}});
    {
        PngSpec interlaced{9, 9, PNG_COLOR_TYPE_RGB, 8, true, {}, {}, {}};
        std::vector<uint8_t> expected;
        for (int y = 0; y < 9; ++y) {
            std::vector<png_byte> row;
            for (int x = 0; x < 9; ++x) {
                row.insert(row.end(), {png_byte(x * 20), png_byte(y * 20), png_byte(x + y)});
                expected.insert(expected.end(),
                                {uint8_t(x + y), uint8_t(y * 20), uint8_t(x * 20), 255});
            }
            interlaced.rows.push_back(row);
        }
        cases.push_back({"interlaced", interlaced, expected});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapData image;
        ASSERT_TRUE(Decode(MakePng(c.spec), image));
        EXPECT_EQ(image.BitsPerPixel(), 32);
        EXPECT_EQ(image.Width(), c.spec.width);
        EXPECT_EQ(Pixels(image), c.expected);
    }
}

TEST(PngFileTest, LargerFileKeepsSizeAndTopRowFirst) {
    ScriptedUi ui;
    TempDir dir;
    PngSpec spec{300, 200, PNG_COLOR_TYPE_RGB, 8, false, {}, {}, {}};
    for (int y = 0; y < 200; ++y) {
        spec.rows.emplace_back(300 * 3, png_byte(y));
    }
    dir.WriteFile("big.png", MakePng(spec));
    DDSRendererUse use;
    BitmapData image;
    ASSERT_TRUE(DDSRenderer::LoadImageFile(dir.InternalPath("big.png"), image));
    EXPECT_EQ(image.Width(), 300);
    EXPECT_EQ(image.Height(), 200);
    EXPECT_EQ(image.BitsPerPixel(), 32);
    EXPECT_EQ(image.PixelAddress(0, 0)[0], 0);
    EXPECT_EQ(image.PixelAddress(299, 199)[1], 199);
}

TEST(PngFileTest, SavePngRoundTripKeepsEveryByte) {
    ScriptedUi ui;
    TempDir dir;
    BitmapData image(17, 5, 32);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 17; ++x) {
            uint8_t* p = image.PixelAddress(x, y);
            p[0] = uint8_t(x * 13);
            p[1] = uint8_t(y * 50 + 1);
            p[2] = uint8_t(200 - x);
            p[3] = uint8_t((x * 37 + y * 11) % 256); // includes 0 over non-zero colour
        }
    }
    image.PixelAddress(3, 3)[3] = 0;
    DDSRendererUse use;
    ASSERT_TRUE(DDSRenderer::SavePng(dir.InternalPath("rt.png"), image));
    BitmapData loaded;
    ASSERT_TRUE(DDSRenderer::LoadImageFile(dir.InternalPath("rt.png"), loaded));
    EXPECT_TRUE(loaded.IsIdentical(image));
    EXPECT_TRUE(ui.Calls().empty());
}

TEST(PngFileTest, SavePngConvertsTheCallersImage) {
    ScriptedUi ui;
    TempDir dir;
    BitmapData image(4, 4, 24);
    image.FillColor24(ColorRGB(1, 2, 3));
    DDSRendererUse use;
    ASSERT_TRUE(DDSRenderer::SavePng(dir.InternalPath("c.png"), image));
    EXPECT_EQ(image.BitsPerPixel(), 32);
    EXPECT_EQ(image.PixelAddress(1, 1)[3], 255);
}

TEST(PngFileTest, SavePngFailures) {
    ScriptedUi ui;
    TempDir dir;
    BitmapData image(4, 4, 32);
    EXPECT_FALSE(DDSRenderer::SavePng(dir.InternalPath("a.png"), image));
    EXPECT_EQ(ui.Failures(),
              std::vector<std::string>{"Must call startUp(HWND) before using this method\r\n"});
    EXPECT_FALSE(dir.Exists("a.png"));

    DDSRendererUse use;
    ui.Clear();
    BitmapData empty;
    EXPECT_FALSE(DDSRenderer::SavePng(dir.InternalPath("b.png"), empty));
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Failed to create texture\r\n"});

    ui.Clear();
    BitmapData floats(2, 2, 96); // model 0 at 96 bits does not convert
    EXPECT_FALSE(DDSRenderer::SavePng(dir.InternalPath("c.png"), floats));
    EXPECT_EQ(ui.Failures(),
              (std::vector<std::string>{
                  "Invalid BMP color format. Only 24 and 32 bits per pixel are used right now\r\n",
                  "Failed to load surface from memory\r\n"}));

    ui.Clear();
    dir.WriteFile("old.png", "old");
    EXPECT_FALSE(DDSRenderer::SavePng(dir.InternalPath("missing folder\\d.png"), image));
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Failed to save texture\r\n"});
}

TEST(PngFileTest, BrokenPngGivesFalse) {
    PngSpec spec{4, 4, PNG_COLOR_TYPE_RGB, 8, false, {}, {}, {}};
    for (int y = 0; y < 4; ++y) {
        spec.rows.emplace_back(12, png_byte(y));
    }
    const std::string good = MakePng(spec);
    BitmapData image;
    for (size_t cut : {size_t(8), size_t(30), good.size() - 20}) {
        SCOPED_TRACE(cut);
        EXPECT_FALSE(Decode(good.substr(0, cut), image));
        EXPECT_FALSE(image.HasPixels());
    }
}

// A PNG put together chunk by chunk; `declared` replaces the length field of the last chunk.
std::string Chunk(const std::string& type, const std::string& data, uint32_t declared = 0) {
    const uint32_t length = declared != 0 ? declared : uint32_t(data.size());
    std::string out = {char(length >> 24), char(length >> 16), char(length >> 8), char(length)};
    const std::string body = type + data;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()));
    out += body;
    out += {char(crc >> 24), char(crc >> 16), char(crc >> 8), char(crc)};
    return out;
}

std::string Header(uint32_t width, uint32_t height) {
    const std::string ihdr = {char(width >> 24),
                              char(width >> 16),
                              char(width >> 8),
                              char(width),
                              char(height >> 24),
                              char(height >> 16),
                              char(height >> 8),
                              char(height),
                              8,
                              0,
                              0,
                              0,
                              0};
    return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", ihdr);
}

// One grey row of `width` zero pixels per row, compressed.
std::string Rows(uint32_t width, uint32_t height) {
    const std::string raw(size_t(width + 1) * height, '\0');
    uLongf size = compressBound(uLong(raw.size()));
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()));
    packed.resize(size);
    return Chunk("IDAT", packed) + Chunk("IEND", "");
}

// Damage and sizes beyond the caps are refused before libpng allocates for them.
TEST(PngFileTest, HugeDeclarationsAreRefused) {
    struct Case {
        const char* name;
        std::string bytes;
        bool decodes;
    };
    const Case cases[] = {
        {"sound", Header(3, 2) + Rows(3, 2), true},
        {"text chunk of 2 GiB", Header(1, 1) + Chunk("tEXt", "", 0x7ffffffe), false},
        {"wider than the caps", Header(32769, 1) + Rows(1, 1), false},
        {"more pixels than the caps", Header(32768, 32768) + Rows(1, 1), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapData image;
        EXPECT_EQ(Decode(c.bytes, image), c.decodes);
        EXPECT_EQ(image.HasPixels(), c.decodes);
    }
}

} // namespace
} // namespace pf
