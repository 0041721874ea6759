#include "imagery/text_render.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

// Text tests look at geometry and colour placement only, never at glyph shapes.

int CountNot(const BitmapData& image, const ColorRGB& background) {
    int n = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint8_t* p = image.PixelAddress(x, y);
            n += ColorRGB(p[0], p[1], p[2]) != background ? 1 : 0;
        }
    }
    return n;
}

TEST(TextMask, LongerTextIsWiderAndMasksAreGrey) {
    BitmapData short_mask, long_mask;
    ASSERT_TRUE(RenderTextMask(short_mask, "Base", "Times New Roman", 200));
    ASSERT_TRUE(RenderTextMask(long_mask, "Base with more words", "Times New Roman", 200));
    EXPECT_EQ(short_mask.BitsPerPixel(), 8);
    EXPECT_GT(long_mask.Width(), short_mask.Width());
    EXPECT_EQ(long_mask.Height(), short_mask.Height());
    // 20 points at 96 dpi: an em of about 27 pixels.
    EXPECT_GT(short_mask.Height(), 20);
    EXPECT_LT(short_mask.Height(), 40);
    // Monospaced: the width grows by the same step per character.
    BitmapData one, two;
    ASSERT_TRUE(RenderTextMask(one, "MMMM", "courier", 200));
    ASSERT_TRUE(RenderTextMask(two, "MMMMMMMM", "Courier New", 200));
    EXPECT_EQ(two.Width(), 2 * one.Width());

    BitmapData empty(3, 3, 8);
    ASSERT_TRUE(RenderTextMask(empty, "", "Arial", 100));
    EXPECT_FALSE(empty.HasPixels());
    EXPECT_FALSE(RenderTextMask(empty, "x", "Arial", 0));
}

TEST(TextMask, CourierSmoothUsesAQuarterOfTheLargeMask) {
    BitmapData large;
    ASSERT_TRUE(RenderTextMask(large, "Error downloading image", "Courier", 400));
    BitmapData image(400, 100, 24);
    ASSERT_TRUE(DrawTextCourierSmooth(image, "Error downloading image", 100,
                                      ColorRGB(255, 255, 255), 0, 0));
    // Every lit pixel lies inside the quartered mask's rectangle.
    const int w = large.Width() / 2 / 2, h = large.Height() / 2 / 2;
    int outside = 0, inside = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const bool lit = image.PixelAddress(x, y)[0] != 0;
            (x < w && y < h ? inside : outside) += lit ? 1 : 0;
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 0);
}

TEST(DrawText, ColourUnderFullCoverageAndBackgroundElsewhere) {
    const ColorRGB background(10, 20, 30);
    const ColorRGB ink = ColorRGB::FromRgb(200, 100, 50);
    BitmapData image(200, 60, 24);
    image.FillColor24(background);
    BitmapData mask;
    ASSERT_TRUE(RenderTextMask(mask, "IIII", "Arial", 400));
    ASSERT_TRUE(DrawTextInImage(image, "IIII", 400, "Arial", ink, 5, 3));
    int full = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint8_t* p = image.PixelAddress(x, y);
            const ColorRGB pixel(p[0], p[1], p[2]);
            const int mx = x - 5, my = y - 3;
            const bool on_mask = mx >= 0 && my >= 0 && mx < mask.Width() && my < mask.Height();
            const int coverage = on_mask ? mask.PixelAddress(mx, my)[0] : 0;
            if (coverage == 255) {
                EXPECT_EQ(pixel, ink) << x << "," << y;
                ++full;
            } else if (coverage == 0) {
                EXPECT_EQ(pixel, background) << x << "," << y;
            }
        }
    }
    EXPECT_GT(full, 50); // upright strokes of a 40-point face are fully covered
}

TEST(DrawText, DegreeSignUnknownFaceAndRefusals) {
    BitmapData image(100, 40, 24);
    ASSERT_TRUE(DrawTextInImage(image, "\xB0", 200, "Arial", ColorRGB(255, 255, 255), 2, 2));
    EXPECT_GT(CountNot(image, ColorRGB()), 0);

    BitmapData other(100, 40, 24);
    ASSERT_TRUE(
        DrawTextInImage(other, "Xy", 200, "No Such Face At All", ColorRGB(255, 255, 255), 2, 2));
    EXPECT_GT(CountNot(other, ColorRGB()), 0);

    BitmapData euro(100, 40, 24);
    ASSERT_TRUE(
        DrawTextScaled(euro, "\x80", 200, "Times New Roman", ColorRGB(0, 255, 0), 2, 2, true));
    EXPECT_GT(CountNot(euro, ColorRGB()), 0);

    BitmapData blank(100, 40, 24);
    EXPECT_TRUE(DrawTextInImage(blank, "", 200, "Arial", ColorRGB(255, 255, 255), 2, 2));
    EXPECT_TRUE(DrawTextInBitmap(blank, "", 200, ColorRGB(255, 255, 255), 2, 2, true));
    EXPECT_EQ(CountNot(blank, ColorRGB()), 0);
    // Off the image entirely: nothing drawn, no failure.
    EXPECT_TRUE(DrawTextInImage(blank, "Far", 200, "Arial", ColorRGB(255, 255, 255), 500, 2));
    EXPECT_EQ(CountNot(blank, ColorRGB()), 0);

    BitmapData deep(100, 40, 32);
    EXPECT_FALSE(DrawTextInImage(deep, "A", 200, "Arial", ColorRGB(255, 255, 255), 0, 0));
    EXPECT_FALSE(DrawTextCourierSmooth(deep, "A", 200, ColorRGB(255, 255, 255), 0, 0));
    BitmapData empty;
    EXPECT_FALSE(DrawTextInBitmap(empty, "A", 200, ColorRGB(255, 255, 255), 0, 0, false));
}

TEST(DrawText, ScaledFrontEndsKeepTheSize) {
    BitmapData a(300, 60, 24), b(300, 60, 24);
    ASSERT_TRUE(DrawTextInBitmap(a, "Before", 150, ColorRGB(255, 255, 255), 4, 4, true));
    ASSERT_TRUE(DrawTextCourierSmooth(b, "Before", 150, ColorRGB(255, 255, 255), 4, 4));
    EXPECT_TRUE(a.IsIdentical(b));
    BitmapData c(300, 60, 24), d(300, 60, 24);
    ASSERT_TRUE(DrawTextScaled(c, "After", 150, "courier", ColorRGB(255, 255, 255), 4, 4, true));
    ASSERT_TRUE(DrawTextInImage(d, "After", 150, "courier", ColorRGB(255, 255, 255), 4, 4));
    EXPECT_TRUE(c.IsIdentical(d));
}

} // namespace
} // namespace pf
