#include "imagery/bitmap_data.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace pf {
namespace {

// A 24-bit image whose pixel (x, y) is (x, y, 7) plus `seed` in each byte.
BitmapData Pattern24(int w, int h, int seed = 0) {
    BitmapData image(w, h, 24);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = image.PixelAddress(x, y);
            p[0] = static_cast<std::uint8_t>(x + seed);
            p[1] = static_cast<std::uint8_t>(y + seed);
            p[2] = static_cast<std::uint8_t>(7 + seed);
        }
    }
    return image;
}

ColorRGB Pixel24(const BitmapData& image, int x, int y) {
    const std::uint8_t* p = image.PixelAddress(x, y);
    return ColorRGB(p[0], p[1], p[2]);
}

void ExpectEmpty(const BitmapData& image) {
    EXPECT_EQ(std::vector<int>({image.Model(), image.Width(), image.Height(), image.Stride(),
                                image.Planes(), image.BitsPerPixel()}),
              std::vector<int>(6, 0));
    EXPECT_EQ(image.Pixels(), nullptr);
}

TEST(BitmapRecord, StrideHasNoRowPaddingAndBuffersStartZero) {
    BitmapData image(3, 2, 24);
    ASSERT_TRUE(image.HasPixels());
    EXPECT_EQ(image.Stride(), 9);
    EXPECT_EQ(image.ByteCount(), 18u);
    EXPECT_EQ(image.GetRect(), (PixelRect{0, 0, 3, 2}));
    EXPECT_EQ(image.PixelAddress(2, 1), image.Pixels() + 15);
    for (std::size_t i = 0; i < image.ByteCount(); ++i) {
        EXPECT_EQ(image.Pixels()[i], 0) << i;
    }
    BitmapData packed(5, 1, 16);
    EXPECT_EQ(packed.Stride(), 10);
}

TEST(BitmapRecord, RefusedSizesLeaveTheRecordEmpty) {
    struct Case {
        int w, h, bits;
    };
    const Case cases[] = {{0, 5, 24},
                          {5, 0, 24},
                          {-1, 5, 24},
                          {5, -1, 24},
                          {5, 5, 0},
                          {5, 5, 7},
                          {5, 5, 1},
                          {20000, 20000, 32},
                          {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 96}};
    for (const Case& c : cases) {
        BitmapData image(4, 4, 24);
        EXPECT_FALSE(image.Create(c.w, c.h, c.bits)) << c.w << "x" << c.h << "x" << c.bits;
        ExpectEmpty(image);
    }
    // Exactly the cap is allowed in principle; one byte more is not.
    BitmapData image;
    EXPECT_FALSE(image.Create(1 << 15, (1 << 13) + 1, 32));
    ExpectEmpty(image);
}

TEST(BitmapRecord, AssignCopySwapAndFree) {
    BitmapData source = Pattern24(3, 2);
    BitmapData copy;
    copy.Assign(source);
    EXPECT_TRUE(copy.IsIdentical(source));
    EXPECT_NE(copy.Pixels(), source.Pixels());

    BitmapData empty;
    copy.Assign(empty);
    ExpectEmpty(copy);

    const std::uint8_t* before = source.Pixels();
    source.Assign(source);
    EXPECT_EQ(source.Pixels(), before);

    BitmapData other(1, 1, 32);
    const std::uint8_t* other_pixels = other.Pixels();
    EXPECT_TRUE(source.Swap(other));
    EXPECT_EQ(source.Pixels(), other_pixels);
    EXPECT_EQ(source.BitsPerPixel(), 32);
    EXPECT_EQ(other.Pixels(), before);
    EXPECT_EQ(other.Width(), 3);

    BitmapData copied(other);
    EXPECT_TRUE(copied.IsIdentical(other));
    BitmapData from;
    EXPECT_TRUE(from.CopyFrom(other));
    EXPECT_TRUE(from.IsIdentical(other));
    from.SetModel(BitmapData::kModelStudioLuma);
    BitmapData deep;
    EXPECT_TRUE(deep.DeepCopy(from));
    EXPECT_EQ(deep.Model(), BitmapData::kModelStudioLuma);
    from.Free();
    from.Free();
    ExpectEmpty(from);
}

TEST(Colours, ConstructorsTakeStorageOrderAndNumbersRead0x00RRGGBB) {
    const ColorRGB c = ColorRGB::FromColorRef(0x00112233);
    EXPECT_EQ(c, ColorRGB(0x33, 0x22, 0x11));
    EXPECT_EQ(ColorRGB::FromRgb(1, 2, 3), ColorRGB(3, 2, 1));
    EXPECT_EQ(ColorRGBA::FromRgba(1, 2, 3, 4), ColorRGBA(3, 2, 1, 4));
    BitmapData image(2, 2, 24);
    ASSERT_TRUE(image.FillColor(0xFF112233));
    EXPECT_EQ(Pixel24(image, 1, 1), ColorRGB(0x33, 0x22, 0x11));
}

TEST(Colours, BlendAtAlpha255IsNotExact) {
    ColorRGB dst(100, 100, 100);
    dst.Blend(ColorRGBA(200, 0, 255, 255));
    EXPECT_EQ(dst, ColorRGB(199, 0, 254));
    ColorRGB keep(10, 20, 30);
    keep.Blend(ColorRGBA(200, 200, 200, 0));
    EXPECT_EQ(keep, ColorRGB(10, 20, 30));
}

TEST(PixelOps, BlendRowColumnRect) {
    BitmapData image(4, 3, 24);
    const ColorRGBA white(255, 255, 255, 128);
    EXPECT_TRUE(image.BlendRow(1, white));
    EXPECT_EQ(Pixel24(image, 3, 1), ColorRGB(127, 127, 127));
    EXPECT_EQ(Pixel24(image, 3, 0), ColorRGB(0, 0, 0));
    EXPECT_TRUE(image.BlendRow(3, white));
    EXPECT_TRUE(image.BlendRow(-1, white));
    EXPECT_TRUE(image.BlendColumn(0, white));
    EXPECT_EQ(Pixel24(image, 0, 2), ColorRGB(127, 127, 127));
    EXPECT_TRUE(image.BlendColumn(4, white));
    BitmapData before(image);
    EXPECT_TRUE(image.BlendRect(2, 2, 2, 3, white));
    EXPECT_TRUE(image.BlendRect(0, 2, 4, 1, white));
    EXPECT_TRUE(image.IsIdentical(before));
    EXPECT_TRUE(image.BlendRect(2, -5, 10, 1, ColorRGBA(0, 0, 255, 255)));
    EXPECT_EQ(Pixel24(image, 3, 0), ColorRGB(0, 0, 254));
    EXPECT_EQ(Pixel24(image, 1, 0), ColorRGB(0, 0, 0));

    BitmapData wrong(2, 2, 32);
    EXPECT_FALSE(wrong.BlendRow(0, white));
    EXPECT_FALSE(wrong.BlendColumn(0, white));
    EXPECT_FALSE(wrong.BlendRect(0, 0, 1, 1, white));
    BitmapData empty;
    EXPECT_FALSE(empty.BlendRow(0, white));
    EXPECT_FALSE(empty.FillColor24(ColorRGB()));
}

TEST(PixelOps, AdjustBrightness) {
    BitmapData image(2, 1, 24);
    std::uint8_t* p = image.Pixels();
    const std::uint8_t start[6] = {0, 100, 200, 255, 55, 1};
    std::memcpy(p, start, 6);
    BitmapData brighter(image);
    ASSERT_TRUE(brighter.AdjustBrightness(2.0));
    // 255 - ((255 - p) * 32768 >> 16): halfway to 255.
    const std::uint8_t twice[6] = {128, 178, 228, 255, 155, 128};
    EXPECT_EQ(0, std::memcmp(brighter.Pixels(), twice, 6));
    BitmapData darker(image);
    ASSERT_TRUE(darker.AdjustBrightness(0.5));
    const std::uint8_t half[6] = {0, 50, 100, 127, 27, 0};
    EXPECT_EQ(0, std::memcmp(darker.Pixels(), half, 6));
    BitmapData negative(image);
    ASSERT_TRUE(negative.AdjustBrightness(-3.0));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(negative.Pixels()[i], 0);
    }
    BitmapData nan(image);
    EXPECT_FALSE(nan.AdjustBrightness(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_TRUE(nan.IsIdentical(image));
    BitmapData wrong(1, 1, 32);
    EXPECT_FALSE(wrong.AdjustBrightness(2.0));
}

TEST(PixelOps, ScaleAlphaAndAlphaMask) {
    BitmapData image(2, 1, 32);
    std::uint8_t* p = image.Pixels();
    p[0] = 9;
    p[3] = 255;
    p[7] = 100;
    ASSERT_TRUE(image.ScaleAlpha(0.9));
    EXPECT_EQ(p[3], 229);
    EXPECT_EQ(p[0], 9);
    ASSERT_TRUE(image.ScaleAlpha(0.9));
    EXPECT_EQ(p[3], 206);
    ASSERT_TRUE(image.ScaleAlpha(4.0));
    EXPECT_EQ(p[3], 255);
    EXPECT_EQ(p[7], 255);
    ASSERT_TRUE(image.ScaleAlpha(-1.0));
    EXPECT_EQ(p[3], 0);
    EXPECT_FALSE(image.ScaleAlpha(std::numeric_limits<double>::quiet_NaN()));
    BitmapData rgb(1, 1, 24);
    EXPECT_FALSE(rgb.ScaleAlpha(0.5));

    BitmapData mask(5, 1, 32);
    for (int i = 0; i < 5; ++i) {
        mask.Pixels()[4 * i + 3] = static_cast<std::uint8_t>(i);
        mask.Pixels()[4 * i] = 200;
    }
    EXPECT_TRUE(mask.IsAlphaMask());
    mask.Pixels()[3] = 5;
    EXPECT_FALSE(mask.IsAlphaMask());
    EXPECT_FALSE(rgb.IsAlphaMask());
    EXPECT_TRUE(BitmapData().IsAlphaMask());
}

TEST(PixelOps, FlipVerticalReversesRows) {
    BitmapData image = Pattern24(2, 3);
    ASSERT_TRUE(image.FlipVertical());
    EXPECT_EQ(Pixel24(image, 1, 0), ColorRGB(1, 2, 7));
    EXPECT_EQ(Pixel24(image, 0, 2), ColorRGB(0, 0, 7));
    BitmapData empty;
    EXPECT_FALSE(empty.FlipVertical());
}

TEST(Compares, IdenticalAndVisibleContent) {
    BitmapData a = Pattern24(3, 2);
    BitmapData b = Pattern24(3, 2);
    EXPECT_TRUE(a.IsIdentical(b));
    b.PixelAddress(2, 1)[0] ^= 1;
    EXPECT_FALSE(a.IsIdentical(b));
    EXPECT_FALSE(a.IsIdentical(Pattern24(2, 3)));

    BitmapData p(2, 1, 32), q(2, 1, 32);
    p.Pixels()[0] = 10;
    p.Pixels()[3] = 255;
    q.Pixels()[0] = 99;
    q.Pixels()[3] = 0; // transparent: not compared
    p.Pixels()[7] = 1;
    q.Pixels()[7] = 1;
    EXPECT_TRUE(p.IsSameVisibleContent(q));
    q.Pixels()[3] = 3;
    EXPECT_FALSE(p.IsSameVisibleContent(q));
    // 24-bit images are never compared for visible content (they have no alpha).
    EXPECT_FALSE(a.IsSameVisibleContent(a));
}

TEST(Mixing, CrossFade) {
    test::ScriptedUi ui;
    BitmapData a(1, 1, 24), b(1, 1, 24);
    a.Pixels()[0] = 0;
    b.Pixels()[0] = 255;
    EXPECT_TRUE(a.CrossFade(b, 0.0));
    EXPECT_TRUE(a.CrossFade(b, 0.001));
    EXPECT_EQ(a.Pixels()[0], 0);
    BitmapData big_a(1, 1, 24), big_b(1, 1, 24);
    big_b.FillColor24(ColorRGB(255, 255, 255));
    EXPECT_TRUE(big_a.CrossFade(big_b, 0.5));
    EXPECT_EQ(big_a.Pixels()[0], 127);
    EXPECT_TRUE(ui.Failures().empty());

    EXPECT_FALSE(a.CrossFade(b, 1.5));
    EXPECT_FALSE(a.CrossFade(b, std::numeric_limits<double>::quiet_NaN()));
    BitmapData c(1, 1, 32), d(1, 1, 32);
    EXPECT_FALSE(c.CrossFade(d, 0.5));
    BitmapData e(2, 1, 24);
    EXPECT_FALSE(a.CrossFade(e, 0.5));
    EXPECT_EQ(ui.Failures(), std::vector<std::string>(4, "format problems\r\n"));
}

TEST(Mixing, CrossFadeAt0002Blends) {
    // w = int(0.002 * 65536 + 0.5) = 131.
    BitmapData a(1, 1, 24), b(1, 1, 24);
    a.FillColor24(ColorRGB(255, 255, 255));
    b.FillColor24(ColorRGB(0, 0, 0));
    ASSERT_TRUE(a.CrossFade(b, 0.002));
    EXPECT_EQ(a.Pixels()[0], 254); // 255 * 65405 >> 16
}

TEST(Mixing, LayerMask24) {
    test::ScriptedUi ui;
    BitmapData base = Pattern24(3, 2, 10);
    BitmapData over = Pattern24(3, 2, 200);
    BitmapData mask(3, 2, 24);
    BitmapData result;
    mask.FillColor24(ColorRGB(255, 255, 255));
    ASSERT_TRUE(LayerMask24(result, base, over, mask));
    EXPECT_TRUE(result.IsIdentical(over));
    mask.FillColor24(ColorRGB(0, 0, 0));
    ASSERT_TRUE(LayerMask24(result, base, over, mask));
    EXPECT_TRUE(result.IsIdentical(base));
    // Per channel: blue from over, green half, red from base.
    mask.FillColor24(ColorRGB(255, 128, 0));
    ASSERT_TRUE(LayerMask24(result, base, over, mask));
    const ColorRGB p = Pixel24(result, 0, 0);
    EXPECT_EQ(p.blue, 200);
    EXPECT_EQ(p.red, 17);
    // over 200, base 10, m = 32896: (200 * 32897 >> 16) + (32640 * 10 >> 16) = 100 + 4
    EXPECT_EQ(p.green, 104);
    EXPECT_TRUE(ui.Failures().empty());
    EXPECT_FALSE(LayerMask24(result, base, over, Pattern24(2, 2)));
    EXPECT_FALSE(LayerMask24(result, base, BitmapData(3, 2, 32), mask));
    EXPECT_EQ(ui.Failures(), std::vector<std::string>(2, "LayerMask24 has wrong values\r\n"));
}

TEST(Blits, SourceAboveItsImageLandsLower) {
    BitmapData source = Pattern24(4, 4);
    BitmapData destination(4, 8, 24);
    ASSERT_TRUE(BitmapData::Blit24(destination, source, {0, 0, 4, 7}, {0, -3, 4, 4}));
    EXPECT_EQ(Pixel24(destination, 1, 3), Pixel24(source, 1, 0));
    EXPECT_EQ(Pixel24(destination, 3, 6), Pixel24(source, 3, 3));
    EXPECT_EQ(Pixel24(destination, 1, 2), ColorRGB());
    EXPECT_EQ(Pixel24(destination, 1, 7), ColorRGB());
}

TEST(Blits, DestinationOverhangIsClippedOnEverySide) {
    struct Case {
        PixelRect d;
        int first_x, first_y; // destination pixel that receives source (sx, sy)
        int sx, sy;
    };
    const BitmapData source = Pattern24(4, 4, 1);
    const Case cases[] = {
        {{-2, 0, 2, 4}, 0, 0, 2, 0}, // left
        {{0, -1, 4, 3}, 0, 0, 0, 1}, // top
        {{3, 0, 7, 4}, 3, 0, 0, 0},  // right
        {{0, 2, 4, 6}, 0, 2, 0, 0},  // bottom
    };
    for (const Case& c : cases) {
        BitmapData destination(4, 4, 24);
        ASSERT_TRUE(BitmapData::Blit24(destination, source, c.d, source.GetRect()));
        EXPECT_EQ(Pixel24(destination, c.first_x, c.first_y), Pixel24(source, c.sx, c.sy));
    }
    // Right overhang: only column 3 written.
    BitmapData destination(4, 4, 24);
    ASSERT_TRUE(BitmapData::Blit24(destination, source, {3, 0, 7, 4}, source.GetRect()));
    EXPECT_EQ(Pixel24(destination, 2, 0), ColorRGB());
    // All sides at once.
    BitmapData small(2, 2, 24);
    ASSERT_TRUE(BitmapData::Blit24(small, source, {-1, -1, 3, 3}, source.GetRect()));
    EXPECT_EQ(Pixel24(small, 0, 0), Pixel24(source, 1, 1));
    EXPECT_EQ(Pixel24(small, 1, 1), Pixel24(source, 2, 2));
}

TEST(Blits, MismatchesAndMissesCopyNothing) {
    const BitmapData source = Pattern24(4, 4, 1);
    BitmapData destination(4, 4, 24);
    EXPECT_FALSE(BitmapData::Blit24(destination, source, {0, 0, 3, 4}, {0, 0, 4, 4}));
    EXPECT_FALSE(BitmapData::Blit24(destination, source, {0, 0, 4, 4}, {5, 5, 9, 9}));
    EXPECT_FALSE(BitmapData::Blit24(destination, source, {10, 0, 14, 4}, {0, 0, 4, 4}));
    EXPECT_FALSE(BitmapData::Blit24(destination, source, {0, 0, 0, 0}, {0, 0, 0, 0}));
    EXPECT_FALSE(BitmapData::Blit24(destination, source, {std::numeric_limits<int>::min(), 0, 4, 4},
                                    {std::numeric_limits<int>::max() - 3, 0, 4, 4}));
    EXPECT_TRUE(destination.IsIdentical(BitmapData(4, 4, 24)));
    BitmapData wide(4, 4, 32);
    EXPECT_FALSE(BitmapData::Blit24(destination, wide, {0, 0, 4, 4}, {0, 0, 4, 4}));
    EXPECT_FALSE(BitmapData::Blit32To32(destination, wide, {0, 0, 4, 4}, {0, 0, 4, 4}));
}

TEST(Blits, CopyWithinOneImageMovingDown) {
    BitmapData image = Pattern24(3, 4);
    const BitmapData original(image);
    ASSERT_TRUE(BitmapData::Blit24(image, image, {0, 1, 3, 4}, {0, 0, 3, 3}));
    for (int y = 1; y < 4; ++y) {
        EXPECT_EQ(Pixel24(image, 2, y), Pixel24(original, 2, y - 1));
    }
}

TEST(Blits, Blit32To24BlendsAndBlit32To32Copies) {
    BitmapData source(2, 1, 32);
    const std::uint8_t px[8] = {200, 0, 255, 255, 50, 60, 70, 0};
    std::memcpy(source.Pixels(), px, 8);
    BitmapData destination(2, 1, 24);
    destination.FillColor24(ColorRGB(100, 100, 100));
    ASSERT_TRUE(BitmapData::Blit32To24(destination, source, {0, 0, 2, 1}, {0, 0, 2, 1}));
    EXPECT_EQ(Pixel24(destination, 0, 0), ColorRGB(199, 0, 254));
    EXPECT_EQ(Pixel24(destination, 1, 0), ColorRGB(100, 100, 100));
    BitmapData copy(2, 1, 32);
    ASSERT_TRUE(BitmapData::Blit32To32(copy, source, {0, 0, 2, 1}, {0, 0, 2, 1}));
    EXPECT_TRUE(copy.IsIdentical(source));
}

TEST(Blits, MaskedBlitMissTouchAndPartial) {
    BitmapData image(2, 2, 24), mask(2, 2, 24);
    image.FillColor24(ColorRGB(9, 9, 9));
    mask.FillColor24(ColorRGB(255, 255, 255));
    mask.PixelAddress(0, 1)[0] = 0; // one blue byte lets the destination through
    const BitmapData blank(4, 4, 24);
    const int places[][2] = {{5, 0}, {-3, 0}, {0, 5}, {0, -3}, {4, 0}, {-2, 0}, {0, 4}, {0, -2}};
    for (const auto& at : places) {
        BitmapData destination(4, 4, 24);
        EXPECT_TRUE(MaskedBlit24(destination, image, mask, at[0], at[1])) << at[0] << "," << at[1];
        EXPECT_TRUE(destination.IsIdentical(blank));
    }
    BitmapData destination(4, 4, 24);
    destination.FillColor24(ColorRGB(1, 1, 1));
    ASSERT_TRUE(MaskedBlit24(destination, image, mask, 3, -1));
    EXPECT_EQ(Pixel24(destination, 3, 0), ColorRGB(1, 9, 9));
    EXPECT_EQ(Pixel24(destination, 2, 0), ColorRGB(1, 1, 1));
    EXPECT_EQ(Pixel24(destination, 3, 1), ColorRGB(1, 1, 1));
    ASSERT_TRUE(MaskedBlit24(destination, image, mask, 0, 0));
    EXPECT_EQ(Pixel24(destination, 0, 0), ColorRGB(9, 9, 9));
    EXPECT_FALSE(MaskedBlit24(destination, image, Pattern24(3, 2), 0, 0));
    EXPECT_FALSE(MaskedBlit24(destination, BitmapData(2, 2, 32), mask, 0, 0));
}

TEST(PointInImage, HalfOpenBounds) {
    BitmapData image(4, 3, 24);
    for (auto [x, y] : {std::pair{0.0, 0.0}, {3.999, 2.5}}) {
        EXPECT_TRUE(IsPointInImage(x, y, image)) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{4.0, 1.0},
                        {1.0, 3.0},
                        {-0.001, 1.0},
                        {std::numeric_limits<double>::quiet_NaN(), 1.0}}) {
        EXPECT_FALSE(IsPointInImage(x, y, image)) << x << "," << y;
    }
}

} // namespace
} // namespace pf
