#include "imagery/color_convert.h"
#include "support/image_fixtures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace pf {
namespace {

using test::Bytes;

// A one-pixel image of the given model and depth holding `bytes`.
BitmapData OnePixel(int model, int bits, const void* bytes) {
    BitmapData image(1, 1, bits);
    std::memcpy(image.Pixels(), bytes, bits / 8);
    image.SetModel(model);
    return image;
}

TEST(ColorConvert, LumaTables) {
    const ColorTables& t = InitColorTables();
    EXPECT_EQ(t.red[255], 609);
    EXPECT_EQ(t.green[255], 1197);
    EXPECT_EQ(t.blue[255], 232);
    EXPECT_EQ(t.red[1], 2);
    EXPECT_EQ(&t, &InitColorTables());
}

TEST(ColorConvert, EveryModelAndDepthToEachTarget) {
    const std::uint8_t grey[1] = {77};
    const std::uint8_t studio_black[1] = {16};
    const std::uint8_t word[2] = {0xFF, 0xFF};
    const std::uint8_t word_mixed[2] = {0x1F, 0xF8}; // blue 31, red 31
    const std::uint8_t bgr[3] = {10, 20, 30};
    const std::uint8_t bgra[4] = {10, 20, 30, 40};
    const std::uint8_t words[6] = {0x34, 0x12, 0x78, 0x56, 0xFF, 0xFF};
    const float ones[3] = {1.0f, 1.0f, 1.0f};
    struct Case {
        const char* name;
        int model, bits;
        const void* data;
        std::vector<int> to32, to24, to8;
    };
    const Case cases[] = {
        {"grey", 0, 8, grey, {77, 77, 77, 255}, {77, 77, 77}, {77}},
        {"grey model 2", 2, 8, grey, {77, 77, 77, 255}, {77, 77, 77}, {77}},
        {"studio 16", 1, 8, studio_black, {16, 16, 16, 255}, {16, 16, 16}, {0}},
        {"565 white", 0, 16, word, {248, 252, 248, 255}, {248, 252, 248}, {0}},
        {"565 blue and red", 0, 16, word_mixed, {248, 0, 248, 255}, {248, 0, 248}, {0}},
        {"24", 0, 24, bgr, {10, 20, 30, 255}, {10, 20, 30}, {0}},
        {"32", 0, 32, bgra, {10, 20, 30, 40}, {10, 20, 30}, {0}},
        {"48", 0, 48, words, {0x12, 0x56, 0xFF, 255}, {0x12, 0x56, 0xFF}, {0}},
        {"96 ones", 3, 96, ones, {255, 255, 255, 255}, {255, 255, 255}, {255}},
    };
    const ColorTables& t = InitColorTables();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapData a = OnePixel(c.model, c.bits, c.data);
        ASSERT_TRUE(ConvertTo32Bit(a));
        EXPECT_EQ(a.BitsPerPixel(), 32);
        EXPECT_EQ(a.Model(), 0);
        EXPECT_EQ(Bytes(a), c.to32);
        BitmapData b = OnePixel(c.model, c.bits, c.data);
        ASSERT_TRUE(ConvertTo24Bit(b));
        EXPECT_EQ(Bytes(b), c.to24);
        BitmapData g = OnePixel(c.model, c.bits, c.data);
        ASSERT_TRUE(ConvertTo8Bit(g));
        EXPECT_EQ(g.BitsPerPixel(), 8);
        if (c.bits == 24 || c.bits == 32) {
            EXPECT_EQ(g.Pixels()[0], (t.blue[10] + t.red[30] + t.green[20] + 4) >> 3);
        } else if (c.bits == 16 && c.data == word) {
            EXPECT_EQ(g.Pixels()[0], (t.red[248] + t.green[252] + t.blue[248] + 4) >> 3);
        } else if (c.bits == 16) {
            EXPECT_EQ(g.Pixels()[0], (t.red[248] + t.blue[248] + 4) >> 3);
        } else if (c.bits == 48) {
            EXPECT_EQ(g.Pixels()[0],
                      (0xFFFFull * 19595 + 0x5678ull * 38470 + 0x1234ull * 7471) >> 24);
        } else {
            EXPECT_EQ(Bytes(g), c.to8);
        }
    }
}

TEST(ColorConvert, WhiteAndRedToGrey) {
    BitmapData image(2, 1, 24);
    const std::uint8_t px[6] = {255, 255, 255, 0, 0, 255};
    std::memcpy(image.Pixels(), px, 6);
    ASSERT_TRUE(ConvertTo8Bit(image));
    EXPECT_EQ(image.Pixels()[0], 255);
    EXPECT_EQ(image.Pixels()[1], 76);
}

TEST(ColorConvert, StudioRangeIsExpandedOnlyToGreyAndClamped) {
    const std::uint8_t values[] = {0, 15, 16, 126, 235, 255};
    const int expected[] = {0, 0, 0, 128, 254, 255};
    for (int i = 0; i < 6; ++i) {
        BitmapData image = OnePixel(1, 8, &values[i]);
        ASSERT_TRUE(ConvertTo8Bit(image));
        EXPECT_EQ(image.Pixels()[0], expected[i]) << int(values[i]);
        EXPECT_EQ(image.Model(), 0);
    }
}

TEST(ColorConvert, SameFormKeepsTheBuffer) {
    BitmapData a(2, 2, 32);
    const std::uint8_t* before = a.Pixels();
    ASSERT_TRUE(ConvertTo32Bit(a));
    EXPECT_EQ(a.Pixels(), before);
    BitmapData b(2, 2, 24);
    before = b.Pixels();
    ASSERT_TRUE(ConvertTo24Bit(b));
    EXPECT_EQ(b.Pixels(), before);
    BitmapData c(2, 2, 8);
    before = c.Pixels();
    ASSERT_TRUE(ConvertTo8Bit(c));
    EXPECT_EQ(c.Pixels(), before);
}

TEST(ColorConvert, UnsupportedCombinationsLeaveTheImageUnchanged) {
    struct Case {
        int model, bits;
    };
    const Case cases[] = {{0, 96}, {1, 24}, {2, 16}, {3, 24}, {4, 8}, {-1, 24}};
    for (const Case& c : cases) {
        BitmapData image(1, 1, c.bits);
        image.Pixels()[0] = 3;
        image.SetModel(c.model);
        const std::uint8_t* before = image.Pixels();
        EXPECT_FALSE(ConvertTo32Bit(image)) << c.model << "/" << c.bits;
        EXPECT_FALSE(ConvertTo24Bit(image));
        EXPECT_FALSE(ConvertTo8Bit(image));
        EXPECT_EQ(image.Pixels(), before);
        EXPECT_EQ(image.BitsPerPixel(), c.bits);
        EXPECT_EQ(image.Model(), c.model);
    }
    BitmapData empty;
    EXPECT_FALSE(ConvertTo24Bit(empty));
}

TEST(ColorConvert, FloatsAreClamped) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float wild[3] = {-2.0f, 7.0f, nan};
    EXPECT_EQ(ColorRGB::FromFloats(wild), ColorRGB(0, 255, 0));
    EXPECT_EQ(GreyFromFloats(wild), (65535ull * 38470) >> 24);
    const float half[3] = {0.5f, 0.5f, 0.5f};
    EXPECT_EQ(ColorRGB::FromFloats(half), ColorRGB(127, 127, 127));
    EXPECT_EQ(GreyFromFloats(half), (32767ull * 65536) >> 24);
    const float ones[3] = {1.0f, 1.0f, 1.0f};
    EXPECT_EQ(GreyFromFloats(ones), 255);
}

} // namespace
} // namespace pf
