#include "imagery/dds_file.h"

#include "imagery/bitmap_data.h"
#include "imagery/dxt5_encoder.h"
#include "imagery/texture_codec.h"
#include "support/file_size_limit.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace pf {
namespace {

using test::ScopedFileSizeLimit;
using test::ScriptedUi;
using test::TempDir;

void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    for (int i = 0; i < 4; ++i) {
        v[at + size_t(i)] = uint8_t(x >> (8 * i));
    }
}
uint32_t Get32(const std::string& s, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        v |= uint32_t(uint8_t(s[at + size_t(i)])) << (8 * i);
    }
    return v;
}

// A header as other writers make it: fourcc, or RGB with masks.
std::vector<uint8_t> Header(int width, int height, uint32_t four_cc, uint32_t bits = 0,
                            std::vector<uint32_t> masks = {}, uint32_t pf_flags = 0) {
    std::vector<uint8_t> h(kDdsHeaderBytes, 0);
    std::memcpy(h.data(), "DDS ", 4);
    Put32(h, dds::kOffSize, dds::kHeaderSize);
    Put32(h, dds::kOffFlags, 0x1007);
    Put32(h, dds::kOffHeight, uint32_t(height));
    Put32(h, dds::kOffWidth, uint32_t(width));
    Put32(h, dds::kOffPfSize, dds::kPixelFormatSize);
    if (four_cc != 0) {
        Put32(h, dds::kOffPfFlags, dds::kDdpfFourCc);
        Put32(h, dds::kOffPfFourCc, four_cc);
    } else {
        Put32(h, dds::kOffPfFlags, pf_flags);
        Put32(h, dds::kOffPfBitCount, bits);
        for (size_t i = 0; i < masks.size(); ++i) {
            Put32(h, dds::kOffPfRedMask + i * 4, masks[i]);
        }
    }
    Put32(h, dds::kOffCaps, dds::kCapsTexture);
    return h;
}

std::vector<uint8_t> Pixel(const BitmapData& image, int x, int y) {
    const uint8_t* p = image.PixelAddress(x, y);
    return std::vector<uint8_t>(p, p + 4);
}

bool Decode(const std::vector<uint8_t>& bytes, BitmapData& image) {
    return DecodeDds(bytes.data(), bytes.size(), image);
}

BitmapData OpaqueTile(int width, int height) {
    BitmapData image(width, height, 32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image.PixelAddress(x, y);
            p[0] = uint8_t(x);
            p[1] = uint8_t(y);
            p[2] = uint8_t(x ^ y);
            p[3] = 255;
        }
    }
    return image;
}

TEST(DdsFileTest, DecodesHandBuiltBlocks) {
    // DXT1 four-colour: c0 = pure red (0xF800) > c1 = pure blue (0x001F).
    {
        std::vector<uint8_t> f = Header(4, 4, kFourCcDxt1);
        f.insert(f.end(), {0x00, 0xF8, 0x1F, 0x00, 0xE4, 0xE4, 0xE4, 0xE4});
        BitmapData image;
        ASSERT_TRUE(Decode(f, image));
        EXPECT_EQ(image.BitsPerPixel(), 32);
        // Indices per row: 0, 1, 2, 3.
        EXPECT_EQ(Pixel(image, 0, 0), (std::vector<uint8_t>{0, 0, 255, 255}));
        EXPECT_EQ(Pixel(image, 1, 0), (std::vector<uint8_t>{255, 0, 0, 255}));
        EXPECT_EQ(Pixel(image, 2, 0), (std::vector<uint8_t>{85, 0, 170, 255}));
        EXPECT_EQ(Pixel(image, 3, 3), (std::vector<uint8_t>{170, 0, 85, 255}));
    }
    // DXT1 three-colour: c0 <= c1, one texel at index 3 is transparent black.
    {
        std::vector<uint8_t> f = Header(4, 4, kFourCcDxt1);
        f.insert(f.end(), {0x1F, 0x00, 0x00, 0xF8, 0x02, 0x00, 0x00, 0xC0});
        BitmapData image;
        ASSERT_TRUE(Decode(f, image));
        EXPECT_EQ(Pixel(image, 0, 0), (std::vector<uint8_t>{127, 0, 127, 255}));
        EXPECT_EQ(Pixel(image, 1, 0), (std::vector<uint8_t>{255, 0, 0, 255}));
        EXPECT_EQ(Pixel(image, 3, 3), (std::vector<uint8_t>{0, 0, 0, 0}));
    }
    // DXT3: explicit 4-bit alpha; a solid white block.
    {
        std::vector<uint8_t> f = Header(4, 4, kFourCcDxt3);
        f.insert(f.end(), {0x0F, 0, 0, 0, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0});
        BitmapData image;
        ASSERT_TRUE(Decode(f, image));
        EXPECT_EQ(Pixel(image, 0, 0), (std::vector<uint8_t>{255, 255, 255, 255}));
        EXPECT_EQ(Pixel(image, 1, 0), (std::vector<uint8_t>{255, 255, 255, 0}));
        EXPECT_EQ(Pixel(image, 3, 3), (std::vector<uint8_t>{255, 255, 255, 255}));
    }
    // DXT5: alpha 200 .. 60 in 8-value mode, texel 1 at index 1, texel 2 at index 2.
    {
        std::vector<uint8_t> f = Header(4, 4, kFourCcDxt5);
        // indices: texel0 0, texel1 1, texel2 2 -> bits 000 001 010 = 0x50 (bit 3, bit 7)
        f.insert(f.end(),
                 {200, 60, 0x08 | 0x80, 0, 0, 0, 0, 0, 0xE0, 0x07, 0xE0, 0x07, 0, 0, 0, 0});
        BitmapData image;
        ASSERT_TRUE(Decode(f, image));
        EXPECT_EQ(Pixel(image, 0, 0), (std::vector<uint8_t>{0, 255, 0, 200}));
        EXPECT_EQ(Pixel(image, 1, 0), (std::vector<uint8_t>{0, 255, 0, 60}));
        EXPECT_EQ(Pixel(image, 2, 0), (std::vector<uint8_t>{0, 255, 0, (6 * 200 + 60) / 7}));
    }
    // DXT5 six-value mode: index 6 is 0 and 7 is 255.
    {
        uint8_t block[16] = {10, 20, 0, 0, 0, 0, 0xC0 | 0x0E, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        // texel 14 at bits 42..44 = 6 -> byte 5 bits 2..4 hold it; texel 15 = 7.
        std::memset(block + 2, 0, 6);
        uint64_t bits = (uint64_t(6) << 42) | (uint64_t(7) << 45) | (uint64_t(2) << 3);
        for (int i = 0; i < 6; ++i) {
            block[2 + i] = uint8_t(bits >> (8 * i));
        }
        uint8_t out[64];
        DecodeDxt5Block(block, out);
        EXPECT_EQ(out[0 * 4 + 3], 10);
        EXPECT_EQ(out[1 * 4 + 3], (4 * 10 + 1 * 20) / 5);
        EXPECT_EQ(out[14 * 4 + 3], 0);
        EXPECT_EQ(out[15 * 4 + 3], 255);
    }
}

TEST(DdsFileTest, DecodesUncompressedByMasksAndCropsBlocks) {
    {
        std::vector<uint8_t> f =
            Header(2, 1, 0, 32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, 0x41);
        f.insert(f.end(), {1, 2, 3, 4, 5, 6, 7, 8});
        BitmapData image;
        ASSERT_TRUE(Decode(f, image));
        EXPECT_EQ(Pixel(image, 0, 0), (std::vector<uint8_t>{1, 2, 3, 4}));
        EXPECT_EQ(Pixel(image, 1, 0), (std::vector<uint8_t>{5, 6, 7, 8}));
    }
    {
        // R8G8B8, no alpha flag: opaque.
        std::vector<uint8_t> f = Header(1, 2, 0, 24, {0x00FF0000, 0x0000FF00, 0x000000FF}, 0x40);
        f.insert(f.end(), {9, 8, 7, 6, 5, 4});
        BitmapData image;
        ASSERT_TRUE(Decode(f, image));
        EXPECT_EQ(Pixel(image, 0, 0), (std::vector<uint8_t>{9, 8, 7, 255}));
        EXPECT_EQ(Pixel(image, 0, 1), (std::vector<uint8_t>{6, 5, 4, 255}));
    }
    {
        // 5 x 3 in DXT5: four blocks, the last ones cropped.
        std::vector<uint8_t> f = Header(5, 3, kFourCcDxt5);
        for (int b = 0; b < 2; ++b) {
            f.insert(f.end(), {255, 255, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0});
        }
        BitmapData image;
        ASSERT_TRUE(Decode(f, image));
        EXPECT_EQ(image.Width(), 5);
        EXPECT_EQ(image.Height(), 3);
        EXPECT_EQ(Pixel(image, 4, 2), (std::vector<uint8_t>{255, 255, 255, 255}));
    }
}

// A width x 1 file of an uncompressed layout with the given pixel bytes.
std::vector<uint8_t> MaskedFile(const dds::PixelLayout& layout, int width,
                                std::vector<uint8_t> pixels) {
    std::vector<uint8_t> f =
        Header(width, 1, 0, layout.bits, {layout.red, layout.green, layout.blue, layout.alpha},
               layout.flags);
    f.insert(f.end(), pixels.begin(), pixels.end());
    return f;
}

// A 4 x 4 file of one block.
std::vector<uint8_t> BlockFile(uint32_t four_cc, std::vector<uint8_t> block) {
    std::vector<uint8_t> f = Header(4, 4, four_cc);
    f.insert(f.end(), block.begin(), block.end());
    return f;
}

using Bgra = std::vector<uint8_t>;

TEST(DdsFileTest, DecodesEveryFormatOfAnInstallation) {
    // 0x8410 is 5-6-5 grey: 132, 130, 132.
    const std::vector<uint8_t> colour = {0x10, 0x84, 0x10, 0x84, 0, 0, 0, 0};
    auto with_colour = [&](std::vector<uint8_t> alpha) {
        alpha.insert(alpha.end(), colour.begin(), colour.end());
        return alpha;
    };
    // A 10-bit-per-channel layout and an 8-bit one show that any masks decode.
    const dds::PixelLayout a2r10g10b10{
        dds::kDdpfRgb | dds::kDdpfAlphaPixels, 32, 0x3FF00000, 0x000FFC00, 0x3FF, 0xC0000000};
    const dds::PixelLayout r3g3b2{dds::kDdpfRgb, 8, 0xE0, 0x1C, 0x03, 0};
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        std::vector<std::pair<int, Bgra>> pixels; // x on the top row, its value
    };
    const std::vector<Case> cases = {
        // a 8, r 12, g 3, b 15; then all zero.
        {"A4R4G4B4",
         MaskedFile(dds::kA4R4G4B4, 2, {0x3F, 0x8C, 0x00, 0x00}),
         {{0, {255, 51, 204, 136}}, {1, {0, 0, 0, 0}}}},
        // a 1, r 31, g 1, b 16; then a 0 under white.
        {"A1R5G5B5",
         MaskedFile(dds::kA1R5G5B5, 2, {0x30, 0xFC, 0xFF, 0x7F}),
         {{0, {132, 8, 255, 255}}, {1, {255, 255, 255, 0}}}},
        // The unused top bit never becomes alpha.
        {"X1R5G5B5",
         MaskedFile(dds::kX1R5G5B5, 2, {0x30, 0xFC, 0xFF, 0x7F}),
         {{0, {132, 8, 255, 255}}, {1, {255, 255, 255, 255}}}},
        // r 0, g 32, b 1; then white.
        {"R5G6B5",
         MaskedFile(dds::kR5G6B5, 2, {0x01, 0x04, 0xFF, 0xFF}),
         {{0, {8, 130, 0, 255}}, {1, {255, 255, 255, 255}}}},
        {"L8", MaskedFile(dds::kL8, 2, {0, 200}), {{0, {0, 0, 0, 255}}, {1, {200, 200, 200, 255}}}},
        {"A8", MaskedFile(dds::kA8, 2, {0x40, 0xFF}), {{0, {0, 0, 0, 64}}, {1, {0, 0, 0, 255}}}},
        {"A8L8",
         MaskedFile(dds::kA8L8, 2, {0x50, 0x80, 0xFF, 0x00}),
         {{0, {80, 80, 80, 128}}, {1, {255, 255, 255, 0}}}},
        {"X8R8G8B8", MaskedFile(dds::kX8R8G8B8, 1, {1, 2, 3, 4}), {{0, {1, 2, 3, 255}}}},
        // a 1, r 1023, g 512, b 0.
        {"A2R10G10B10",
         MaskedFile(a2r10g10b10, 1, {0x00, 0x00, 0xF8, 0x7F}),
         {{0, {0, 128, 255, 85}}}},
        // r 5, g 3, b 2.
        {"R3G3B2", MaskedFile(r3g3b2, 1, {0xAE}), {{0, {170, 109, 182, 255}}}},
        // Alpha 8, 0, 15, then 1: colour over alpha, black under 0, clamped at 255.
        {"DXT2",
         BlockFile(kFourCcDxt2, with_colour({0x08, 0x1F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})),
         {{0, {248, 244, 248, 136}},
          {1, {0, 0, 0, 0}},
          {2, {132, 130, 132, 255}},
          {3, {255, 255, 255, 17}}}},
        // Alpha 255, 0, then 218 (index 2 of 255 .. 0).
        {"DXT4",
         BlockFile(kFourCcDxt4, with_colour({255, 0, 0x08 | 0x80, 0, 0, 0, 0, 0})),
         {{0, {132, 130, 132, 255}}, {1, {0, 0, 0, 0}}, {2, {154, 152, 154, 218}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapData image;
        ASSERT_TRUE(Decode(c.file, image));
        for (const auto& [x, bgra] : c.pixels) {
            EXPECT_EQ(Pixel(image, x, 0), bgra) << "pixel " << x;
        }
        // Every size comes from the header and is checked against the bytes present.
        BitmapData cut(2, 2, 32);
        EXPECT_FALSE(DecodeDds(c.file.data(), c.file.size() - 1, cut));
        EXPECT_FALSE(cut.HasPixels());
    }
}

TEST(DdsFileTest, RefusesMalformedAndUnsupportedFiles) {
    std::vector<uint8_t> good = Header(8, 8, kFourCcDxt5);
    good.resize(128 + 4 * 16, 0);
    BitmapData image;
    ASSERT_TRUE(Decode(good, image));

    std::vector<std::pair<const char*, std::vector<uint8_t>>> cases;
    auto variant = [&](const char* name, auto change) {
        std::vector<uint8_t> f = good;
        change(f);
        cases.push_back({name, f});
    };
    variant("dwSize", [](auto& f) { Put32(f, 4, 123); });
    variant("pixel format size", [](auto& f) { Put32(f, 76, 24); });
    variant("width 100000", [](auto& f) { Put32(f, 16, 100000); });
    variant("height 0", [](auto& f) { Put32(f, 12, 0); });
    variant("short data", [](auto& f) { f.resize(f.size() - 1); });
    variant("cube map", [](auto& f) { Put32(f, 112, 0x200 | 0xFE00); });
    variant("volume", [](auto& f) { Put32(f, 112, 0x200000); });
    variant("DX10", [](auto& f) { Put32(f, 84, 0x30315844); });
    variant("other fourcc", [](auto& f) { Put32(f, 84, 0x31495441); });
    variant("no format flags", [](auto& f) { Put32(f, 80, 0); });
    variant("16-bit RGB", [](auto& f) {
        Put32(f, 80, 0x40);
        Put32(f, 88, 16);
    });
    variant("12-bit RGB", [](auto& f) {
        f.resize(128 + 8 * 8 * 4);
        Put32(f, dds::kOffPfFlags, dds::kDdpfRgb);
        Put32(f, dds::kOffPfBitCount, 12);
        Put32(f, dds::kOffPfRedMask, 0xF00);
    });
    variant("16-bit mask beyond the pixel", [](auto& f) {
        f.resize(128 + 8 * 8 * 4);
        Put32(f, dds::kOffPfFlags, dds::kDdpfRgb | dds::kDdpfAlphaPixels);
        Put32(f, dds::kOffPfBitCount, 16);
        Put32(f, dds::kOffPfRedMask, 0xF800);
        Put32(f, dds::kOffPfAlphaMask, 0x10000);
    });
    variant("luminance without mask", [](auto& f) {
        f.resize(128 + 8 * 8 * 4);
        Put32(f, dds::kOffPfFlags, dds::kDdpfLuminance);
        Put32(f, dds::kOffPfBitCount, 8);
    });
    variant("alpha only without mask", [](auto& f) {
        f.resize(128 + 8 * 8 * 4);
        Put32(f, dds::kOffPfFlags, dds::kDdpfAlpha);
        Put32(f, dds::kOffPfBitCount, 8);
        Put32(f, dds::kOffPfRedMask, 0xFF);
    });
    variant("alpha pixels alone", [](auto& f) {
        f.resize(128 + 8 * 8 * 4);
        Put32(f, dds::kOffPfFlags, dds::kDdpfAlphaPixels);
        Put32(f, dds::kOffPfBitCount, 8);
        Put32(f, dds::kOffPfAlphaMask, 0xFF);
    });
    variant("header only", [](auto& f) { f.resize(100); });
    variant("magic", [](auto& f) { f[0] = 'X'; });
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        BitmapData out(2, 2, 32);
        EXPECT_FALSE(Decode(bytes, out));
        EXPECT_FALSE(out.HasPixels());
    }
}

TEST(DdsFileTest, OpaqueTileMakesTheExpectedFile) {
    ScriptedUi ui;
    TempDir dir;
    DDSRendererUse use;
    ASSERT_TRUE(
        DDSRenderer::RenderDDS(dir.InternalPath("t.dds"), OpaqueTile(512, 512), kFourCcDxt5, true));
    const std::string file = dir.ReadFile("t.dds");
    ASSERT_EQ(file.size(), 349680u);
    std::vector<uint8_t> expected(128, 0);
    std::memcpy(expected.data(), "DDS ", 4);
    Put32(expected, 4, 124);
    Put32(expected, 8, 0x000A1007);
    Put32(expected, 12, 512);
    Put32(expected, 16, 512);
    Put32(expected, 20, 262144);
    Put32(expected, 28, 10);
    Put32(expected, 76, 32);
    Put32(expected, 80, 4);
    Put32(expected, 84, 0x35545844);
    Put32(expected, 108, 0x00401008);
    EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 128), expected);

    // Every level decodes with the alpha of its depth in the chain.
    const int alphas[10] = {255, 229, 206, 185, 166, 149, 134, 120, 107, 96};
    size_t offset = 128;
    for (int k = 0; k < 10; ++k) {
        const int side = 512 >> k;
        const size_t blocks = size_t(std::max(1, side / 4)) * size_t(std::max(1, side / 4));
        for (size_t b = 0; b < blocks; ++b) {
            uint8_t pixels[64];
            DecodeDxt5Block(reinterpret_cast<const uint8_t*>(file.data()) + offset + b * 16,
                            pixels);
            for (int i = 0; i < 16; ++i) {
                ASSERT_EQ(pixels[i * 4 + 3], alphas[k]) << "level " << k;
            }
        }
        offset += blocks * 16;
    }
    EXPECT_EQ(offset, file.size());

    BitmapData top;
    ASSERT_TRUE(DDSRenderer::LoadImageFile(dir.InternalPath("t.dds"), top));
    EXPECT_EQ(top.Width(), 512);
    EXPECT_TRUE(ui.Calls().empty());
}

TEST(DdsFileTest, LevelCountsComeFromTheWidth) {
    struct Case {
        int width, height, levels;
    };
    for (const Case c :
         {Case{100, 400, 7}, Case{400, 100, 9}, Case{512, 512, 10}, Case{1, 8, 1}, Case{5, 1, 3}}) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        EXPECT_EQ(MipLevelCount(c.width, true), c.levels);
        std::vector<BitmapData> levels;
        ASSERT_TRUE(BuildMipChain(OpaqueTile(c.width, c.height), true, levels));
        ASSERT_EQ(int(levels.size()), c.levels);
        size_t expected_size = 128;
        for (int k = 0; k < c.levels; ++k) {
            EXPECT_EQ(levels[size_t(k)].Width(), std::max(1, c.width >> k));
            EXPECT_EQ(levels[size_t(k)].Height(), std::max(1, c.height >> k));
            expected_size += Dxt5LevelBytes(levels[size_t(k)].Width(), levels[size_t(k)].Height());
        }
        std::vector<uint8_t> file;
        ASSERT_TRUE(BuildDxt5Dds(levels, true, DefaultDxt5Encoder(), file));
        EXPECT_EQ(file.size(), expected_size);
        EXPECT_EQ(file[28], c.levels);
    }
    EXPECT_EQ(MipLevelCount(512, false), 1);
    // A level whose one side is already 1 pixel averages pairs along the other side.
    BitmapData strip(4, 1, 32);
    const uint8_t px[16] = {0, 10, 20, 255, 2, 30, 40, 255, 100, 0, 0, 255, 200, 0, 0, 255};
    std::memcpy(strip.Pixels(), px, 16);
    std::vector<BitmapData> levels;
    ASSERT_TRUE(BuildMipChain(strip, true, levels));
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(Pixel(levels[1], 0, 0), (std::vector<uint8_t>{1, 20, 30, 229}));
    EXPECT_EQ(Pixel(levels[1], 1, 0), (std::vector<uint8_t>{150, 0, 0, 229}));
    EXPECT_EQ(Pixel(levels[2], 0, 0), (std::vector<uint8_t>{75, 10, 15, 206}));
}

TEST(DdsFileTest, LargeLevelEqualsBlockByBlockEncoding) {
    const BitmapData tile = OpaqueTile(512, 256);
    std::vector<uint8_t> level(Dxt5LevelBytes(512, 256));
    ASSERT_TRUE(EncodeDxt5Level(tile, DefaultDxt5Encoder(), level.data()));
    for (int by = 0; by < 64; ++by) {
        for (int bx = 0; bx < 128; ++bx) {
            uint8_t block[64];
            for (int i = 0; i < 16; ++i) {
                std::memcpy(block + i * 4, tile.PixelAddress(bx * 4 + i % 4, by * 4 + i / 4), 4);
            }
            uint8_t expected[16];
            DefaultDxt5Encoder().EncodeBlock(block, expected);
            ASSERT_EQ(std::memcmp(expected, &level[(size_t(by) * 128 + bx) * 16], 16), 0)
                << bx << "," << by;
        }
    }
}

TEST(DdsFileTest, SingleLevelHeader) {
    const std::vector<uint8_t> h = BuildDxt5DdsHeader(256, 256, false, 1);
    std::string s(h.begin(), h.end());
    EXPECT_EQ(Get32(s, 8), 0x00081007u);
    EXPECT_EQ(Get32(s, 28), 0u);
    EXPECT_EQ(Get32(s, 108), 0x1000u);
}

TEST(DdsFileTest, RenderFailures) {
    ScriptedUi ui;
    TempDir dir;
    // No use held: silent.
    EXPECT_FALSE(
        DDSRenderer::RenderDDS(dir.InternalPath("a.dds"), OpaqueTile(8, 8), kFourCcDxt5, true));
    EXPECT_TRUE(ui.Calls().empty());

    DDSRendererUse use;
    BitmapData rgb(8, 8, 24);
    EXPECT_FALSE(DDSRenderer::RenderDDS(dir.InternalPath("a.dds"), rgb, kFourCcDxt5, true));
    EXPECT_EQ(ui.Failures(),
              std::vector<std::string>{"DDS renderer recieved wrong bits per pixel\r\n"});
    EXPECT_FALSE(dir.Exists("a.dds"));

    ui.Clear();
    EXPECT_FALSE(
        DDSRenderer::RenderDDS(dir.InternalPath("a.dds"), OpaqueTile(8, 8), kFourCcDxt1, true));
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Failed to create texture\r\n"});
    EXPECT_FALSE(dir.Exists("a.dds"));
}

class FakeMonitor : public DdsRenderMonitor {
  public:
    bool cancelled = false;
    int previews = 0;
    int preview_width = 0;
    bool IsCancelled() const override { return cancelled; }
    void ShowPreview(const BitmapData& image) override {
        ++previews;
        preview_width = image.Width();
    }
};

TEST(DdsFileTest, MonitorSeesPreviewOrCancels) {
    ScriptedUi ui;
    TempDir dir;
    DDSRendererUse use;
    FakeMonitor monitor;
    DdsRenderMonitor* previous = SetDdsRenderMonitor(&monitor);
    monitor.cancelled = true;
    EXPECT_FALSE(
        DDSRenderer::RenderDDS(dir.InternalPath("c.dds"), OpaqueTile(16, 16), kFourCcDxt5, true));
    EXPECT_FALSE(dir.Exists("c.dds"));
    EXPECT_EQ(monitor.previews, 0);
    monitor.cancelled = false;
    EXPECT_TRUE(
        DDSRenderer::RenderDDS(dir.InternalPath("c.dds"), OpaqueTile(16, 16), kFourCcDxt5, true));
    EXPECT_EQ(monitor.previews, 1);
    EXPECT_EQ(monitor.preview_width, 16);
    EXPECT_TRUE(dir.Exists("c.dds"));
    SetDdsRenderMonitor(previous);
    EXPECT_TRUE(ui.Calls().empty());
}

TEST(DdsFileTest, FailedWriteLeavesOldFileWhole) {
    ScriptedUi ui;
    TempDir dir;
    dir.WriteFile("keep.dds", "old texture");
    DDSRendererUse use;
    bool ok = true;
    {
        ScopedFileSizeLimit limit(1000);
        ASSERT_TRUE(limit.IsSet());
        ok = DDSRenderer::RenderDDS(dir.InternalPath("keep.dds"), OpaqueTile(64, 64), kFourCcDxt5,
                                    true);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Failed to save texture\r\n"});
    EXPECT_EQ(dir.ReadFile("keep.dds"), "old texture");
}

TEST(DdsFileTest, EncodedFileDecodesToItsTopLevel) {
    std::vector<BitmapData> levels;
    ASSERT_TRUE(BuildMipChain(OpaqueTile(6, 5), false, levels));
    std::vector<uint8_t> file;
    ASSERT_TRUE(BuildDxt5Dds(levels, false, DefaultDxt5Encoder(), file));
    EXPECT_EQ(file.size(), 128u + 4 * 16);
    // Truncated copies are refused.
    for (size_t cut : {size_t(127), file.size() - 1}) {
        BitmapData image;
        EXPECT_FALSE(DecodeDds(file.data(), cut, image));
    }
    BitmapData image;
    ASSERT_TRUE(Decode(file, image));
    EXPECT_EQ(image.Width(), 6);
    EXPECT_EQ(image.Height(), 5);
    EXPECT_EQ(image.PixelAddress(5, 4)[3], 255);
}

} // namespace
} // namespace pf
