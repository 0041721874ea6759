#include "imagery/resample.h"
#include "imagery/spans.h"
#include "support/image_fixtures.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace pf {
namespace {

using test::At;
using test::Bytes;
using test::Distinct24;

// A one-row grey-ish 24-bit image whose pixels hold `values` in every channel.
BitmapData Row24(const std::vector<int>& values) {
    BitmapData image(static_cast<int>(values.size()), 1, 24);
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::memset(image.Pixels() + 3 * i, values[i], 3);
    }
    return image;
}

TEST(Resample, EqualSizesCopyTheBytes) {
    BitmapData source = Distinct24(100, 50);
    BitmapData destination(100, 50, 24);
    ASSERT_TRUE(BitmapData::Resample24(destination, source));
    EXPECT_TRUE(destination.IsIdentical(source));
    EXPECT_TRUE(BitmapData::Resample24(source, source));
    EXPECT_TRUE(destination.IsIdentical(source));
    BitmapData wrong(100, 50, 32);
    EXPECT_FALSE(BitmapData::Resample24(wrong, source));
    EXPECT_FALSE(BitmapData::Resample32(destination, source));
}

TEST(Resample, AreaAverageWorkedExample) {
    BitmapData source = Row24({0, 100, 200, 255});
    BitmapData destination(2, 1, 24);
    ASSERT_TRUE(CompressWidth24(destination, source));
    EXPECT_EQ(Bytes(destination), (std::vector<int>{50, 50, 50, 227, 227, 227}));
}

TEST(Resample, ThreeIntoOneGivesTheAverageInBothPasses) {
    BitmapData source = Row24({0, 100, 200});
    BitmapData one(1, 1, 24);
    ASSERT_TRUE(CompressWidth24(one, source));
    EXPECT_EQ(Bytes(one), (std::vector<int>{100, 100, 100}));
    BitmapData white = Row24({255, 255, 255, 255, 255, 255, 255});
    ASSERT_TRUE(CompressWidth24(one, white));
    EXPECT_EQ(Bytes(one), (std::vector<int>{255, 255, 255}));

    // The same column-wise, at 32 bits with alpha averaged too.
    BitmapData column(1, 3, 32);
    for (int y = 0; y < 3; ++y) {
        std::memset(column.Row(y), 100 * y, 4);
    }
    BitmapData one32(1, 1, 32);
    ASSERT_TRUE(CompressHeight32(one32, column));
    EXPECT_EQ(Bytes(one32), (std::vector<int>{100, 100, 100, 100}));
    // Through the whole resize: the first row is filled as well.
    BitmapData block = Distinct24(5, 3);
    BitmapData tiny(1, 1, 24);
    ASSERT_TRUE(BitmapData::Resample24(tiny, block));
    EXPECT_EQ(At(tiny, 0, 0), ColorRGB(2, 1, 50));
}

TEST(Resample, CompressionWhereRoundingLeavesTheLastPixelUnwritten) {
    // 7 into 3: scale rounds down, so the last pixel is copied from the one before.
    BitmapData source = Row24({10, 10, 10, 10, 10, 10, 200});
    BitmapData destination(3, 1, 24);
    ASSERT_TRUE(CompressWidth24(destination, source));
    const std::vector<int> bytes = Bytes(destination);
    EXPECT_EQ(bytes[0], 10);
    EXPECT_EQ(bytes[3], 10);
}

TEST(Resample, StretchNeverReadsPastTheSource) {
    BitmapData source = Row24({1, 2, 3});
    BitmapData destination(1000, 1, 24);
    ASSERT_TRUE(StretchWidth24(destination, source));
    const std::vector<int> bytes = Bytes(destination);
    EXPECT_EQ(bytes.front(), 1);
    EXPECT_EQ(bytes.back(), 3);
    BitmapData column(1, 3, 24);
    for (int y = 0; y < 3; ++y) {
        std::memset(column.Row(y), y + 1, 3);
    }
    BitmapData tall(1, 1000, 24);
    ASSERT_TRUE(StretchHeight24(tall, column));
    EXPECT_EQ(tall.Row(999)[0], 3);
    BitmapData both(1000, 1000, 24);
    ASSERT_TRUE(BitmapData::Resample24(both, Distinct24(3, 3)));
    EXPECT_EQ(At(both, 999, 999), ColorRGB(2, 2, 50));
}

TEST(Resample, PassesRefuseTheWrongDirectionAndShapes) {
    BitmapData small = Distinct24(2, 2), big = Distinct24(4, 2);
    EXPECT_FALSE(StretchWidth24(small, big));
    EXPECT_FALSE(CompressWidth24(big, small));
    EXPECT_FALSE(StretchWidth24(big, Distinct24(2, 3)));
    BitmapData shorter(2, 1, 24);
    EXPECT_FALSE(StretchHeight24(shorter, small));
    EXPECT_FALSE(CompressHeight24(small, shorter));
    BitmapData deep(4, 2, 32);
    EXPECT_FALSE(StretchWidth24(deep, small));
    EXPECT_FALSE(CompressHeight32(small, big));
}

TEST(Resample, GrowingAndShrinkingBothAxes) {
    BitmapData source = Distinct24(4, 4);
    BitmapData bigger(8, 6, 24);
    ASSERT_TRUE(BitmapData::Resample24(bigger, source));
    EXPECT_EQ(At(bigger, 7, 5), ColorRGB(3, 3, 50));
    BitmapData smaller(2, 2, 24);
    ASSERT_TRUE(BitmapData::Resample24(smaller, source));
    // 2 x 2 area averages of (x, y): x 0.5 -> 0 (truncated), 2.5 -> 2
    EXPECT_EQ(At(smaller, 1, 1), ColorRGB(2, 2, 50));
    BitmapData mixed(2, 8, 32);
    BitmapData source32(4, 4, 32);
    std::memset(source32.Pixels(), 200, source32.ByteCount());
    ASSERT_TRUE(BitmapData::Resample32(mixed, source32));
    EXPECT_EQ(Bytes(mixed), std::vector<int>(64, 200));
}

TEST(Resample, FailureTextsOfTheWholeResize) {
    test::ScriptedUi ui;
    // Widening a 1 x 20000 column to 20000 columns needs a work image over the buffer cap.
    BitmapData target(20000, 2, 24);
    BitmapData column(1, 20000, 24);
    ASSERT_TRUE(target.HasPixels() && column.HasPixels());
    EXPECT_FALSE(BitmapData::Resample24(target, column));
    // The span-aware resize reports a span list that does not fit the source by its pass.
    const BitmapData source = Distinct24(4, 4);
    SpanList short_list(3, BeginEnd{0, 4});
    BitmapData narrower(2, 4, 24), wider(8, 4, 24);
    EXPECT_FALSE(ResampleToSpans(narrower, source, short_list));
    EXPECT_FALSE(ResampleToSpans(wider, source, short_list));
    EXPECT_EQ(ui.Failures(),
              (std::vector<std::string>{"stretch width failed\r\n", "compress width failed\r\n",
                                        "stretch width failed\r\n"}));
}

TEST(Doubling, RepeatAndSmooth) {
    BitmapData row = Row24({0, 100});
    ASSERT_TRUE(DoubleWidthSmooth24(row));
    EXPECT_EQ(row.Width(), 4);
    EXPECT_EQ(Bytes(row), (std::vector<int>{0, 0, 0, 25, 25, 25, 75, 75, 75, 100, 100, 100}));
    BitmapData three = Row24({0, 100, 200});
    ASSERT_TRUE(DoubleWidthSmooth24(three));
    const std::vector<int> q = Bytes(three);
    EXPECT_EQ((std::vector<int>{q[0], q[3], q[6], q[9], q[12], q[15]}),
              (std::vector<int>{0, 25, 75, 125, 175, 200}));
    BitmapData flat = Row24({10, 20, 30, 40, 50});
    ASSERT_TRUE(DoubleHeightSmooth24(flat));
    ASSERT_EQ(flat.Height(), 2);
    EXPECT_EQ(0, std::memcmp(flat.Row(0), flat.Row(1), flat.Stride()));
    EXPECT_EQ(flat.Row(1)[3], 20);
    BitmapData single = Row24({9});
    ASSERT_TRUE(DoubleWidthSmooth24(single));
    EXPECT_EQ(Bytes(single), (std::vector<int>{9, 9, 9, 9, 9, 9}));

    BitmapData col(1, 2, 32);
    std::memset(col.Row(0), 0, 4);
    std::memset(col.Row(1), 100, 4);
    ASSERT_TRUE(DoubleHeightSmooth32(col));
    EXPECT_EQ(Bytes(col),
              (std::vector<int>{0, 0, 0, 0, 25, 25, 25, 25, 75, 75, 75, 75, 100, 100, 100, 100}));
    BitmapData both(2, 2, 32);
    ASSERT_TRUE(Resize32IfPossible(both));
    EXPECT_EQ(both.Width(), 4);
    EXPECT_EQ(both.Height(), 4);

    BitmapData plain = Distinct24(2, 2);
    ASSERT_TRUE(DoubleWidth(plain));
    ASSERT_TRUE(DoubleHeight(plain));
    EXPECT_EQ(At(plain, 3, 3), ColorRGB(1, 1, 50));
    EXPECT_EQ(At(plain, 1, 1), ColorRGB(0, 0, 50));
    BitmapData empty;
    EXPECT_FALSE(DoubleWidth(empty));
    EXPECT_FALSE(DoubleHeightSmooth24(empty));
    BitmapData deep(2, 2, 32);
    EXPECT_FALSE(DoubleWidth(deep));
    EXPECT_FALSE(DoubleWidthSmooth24(deep));
}

TEST(Halving, AveragesBlocksAndDropsTheOddEdge) {
    BitmapData image(5, 3, 24);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            std::memset(image.PixelAddress(x, y), 10 * x + 100 * y + 1, 3);
        }
    }
    ASSERT_TRUE(HalveImage(image));
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Height(), 1);
    // Blocks: (1, 11, 101, 111) >> 2 = 56; (21, 31, 121, 131) >> 2 = 76.
    EXPECT_EQ(Bytes(image), (std::vector<int>{56, 56, 56, 76, 76, 76}));
    BitmapData alpha(2, 2, 32);
    alpha.Pixels()[3] = 255;
    ASSERT_TRUE(HalveImage(alpha));
    EXPECT_EQ(alpha.Pixels()[3], 63);
    BitmapData grey(4, 2, 8);
    ASSERT_TRUE(HalveImage(grey));
    EXPECT_EQ(grey.Width(), 2);
    for (auto [w, h, bits] : {std::tuple{1, 4, 24}, {4, 1, 24}, {4, 4, 16}, {4, 4, 48}}) {
        BitmapData refused(w, h, bits);
        EXPECT_FALSE(HalveImage(refused));
        EXPECT_EQ(refused.Width(), w);
    }
}

TEST(Turns, QuarterAndHalfTurnsPlaceEveryPixel) {
    const BitmapData source = Distinct24(3, 2);
    BitmapData left(source), right(source), half(source);
    ASSERT_TRUE(RotateQuarterLeft(left));
    ASSERT_TRUE(RotateQuarterRight(right));
    ASSERT_TRUE(Rotate180_24(half));
    ASSERT_EQ(left.Width(), 2);
    ASSERT_EQ(left.Height(), 3);
    ASSERT_EQ(right.Width(), 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const ColorRGB p = At(source, x, y);
            EXPECT_EQ(At(left, y, 3 - 1 - x), p);
            EXPECT_EQ(At(right, 2 - 1 - y, x), p);
            EXPECT_EQ(At(half, 3 - 1 - x, 2 - 1 - y), p);
        }
    }
    BitmapData wide(3, 2, 32);
    wide.Pixels()[0] = 1;
    wide.Pixels()[4] = 2;
    ASSERT_TRUE(Rotate180_32(wide));
    EXPECT_EQ(wide.PixelAddress(2, 1)[0], 1);
    EXPECT_EQ(wide.PixelAddress(1, 1)[0], 2);
    BitmapData keep(source);
    EXPECT_FALSE(Rotate180_32(keep));
    EXPECT_TRUE(keep.IsIdentical(source));
    EXPECT_FALSE(RotateQuarterLeft(wide));
    EXPECT_FALSE(Rotate180_24(wide));
}

TEST(Turns, RotateImageByQuartersAndTinyAngles) {
    const BitmapData source = Distinct24(3, 2);
    BitmapData right(source), left(source);
    RotateQuarterRight(right);
    RotateQuarterLeft(left);
    struct Case {
        double angle;
        const BitmapData* expected;
    };
    const Case cases[] = {{-90.0, &right}, {270.0, &right},  {450.0, &left},   {90.0, &left},
                          {0.0, &source},  {0.005, &source}, {360.0, &source}, {-720.0, &source}};
    for (const Case& c : cases) {
        BitmapData destination;
        SpanList spans;
        ASSERT_TRUE(RotateImage(destination, spans, source, c.angle)) << c.angle;
        EXPECT_TRUE(destination.IsIdentical(*c.expected)) << c.angle;
        ASSERT_EQ(spans.size(), static_cast<std::size_t>(destination.Height()));
        for (const BeginEnd& span : spans) {
            EXPECT_EQ(span, (BeginEnd{0, destination.Width()}));
        }
    }
    BitmapData half;
    SpanList spans;
    ASSERT_TRUE(RotateImage(half, spans, source, 180.0));
    BitmapData expected(source);
    Rotate180_24(expected);
    EXPECT_TRUE(half.IsIdentical(expected));
}

TEST(Turns, SpanPixelsMapInsideTheSource) {
    constexpr int W = 100, H = 20;
    const BitmapData source = Distinct24(W, H);
    for (double angle : {10.0, 30.0, 45.0, 60.0, 89.0}) {
        SCOPED_TRACE(angle);
        BitmapData destination;
        SpanList spans;
        ASSERT_TRUE(RotateImage(destination, spans, source, angle));
        ASSERT_EQ(spans.size(), static_cast<std::size_t>(destination.Height()));
        const double a = angle * std::numbers::pi / 180.0;
        const double c = std::cos(a), s = std::sin(a);
        long covered = 0;
        for (int y = 0; y < destination.Height(); ++y) {
            const BeginEnd span = spans[y];
            ASSERT_LE(0, span.begin);
            ASSERT_LE(span.begin, span.end);
            ASSERT_LE(span.end, destination.Width());
            covered += span.end - span.begin;
            for (int x = span.begin; x < span.end; ++x) {
                const double u = (x + 0.5) * c - (y + 0.5) * s + W * s * s;
                const double v = (x + 0.5) * s + (y + 0.5) * c - W * s * c;
                EXPECT_GT(u, -1.0) << x << "," << y;
                EXPECT_LT(u, W + 1.0) << x << "," << y;
                EXPECT_GT(v, -1.0) << x << "," << y;
                EXPECT_LT(v, H + 1.0) << x << "," << y;
                // The pixel written is the clamped source pixel under that point.
                const ColorRGB p = At(destination, x, y);
                EXPECT_NEAR(p.blue, std::clamp(u, 0.0, W - 1.0), 1.5);
                EXPECT_NEAR(p.green, std::clamp(v, 0.0, H - 1.0), 1.5);
            }
        }
        EXPECT_NEAR(static_cast<double>(covered), W * H, 0.03 * W * H);
    }
}

TEST(Turns, NonFiniteAnglesAndHugeImagesAreRefused) {
    const BitmapData source = Distinct24(4, 4);
    for (double angle :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        BitmapData destination = Distinct24(2, 2);
        SpanList spans;
        EXPECT_FALSE(RotateImage(destination, spans, source, angle));
        EXPECT_FALSE(RotateBySpans(destination, spans, source, angle));
        EXPECT_EQ(destination.Width(), 2);
        EXPECT_TRUE(spans.empty());
    }
    BitmapData long_row(8001, 1, 24);
    BitmapData destination;
    SpanList spans;
    EXPECT_FALSE(RotateImage(destination, spans, long_row, 30.0));
    EXPECT_FALSE(destination.HasPixels());
    BitmapData wide(8000, 1, 24);
    // 8000 wide at 30 degrees is under 8000 in each direction only after turning: 6928 x 4000.
    EXPECT_TRUE(RotateImage(destination, spans, wide, 30.0));
    BitmapData corner(8000, 8000, 24);
    ASSERT_TRUE(corner.HasPixels());
    EXPECT_FALSE(RotateImage(destination, spans, corner, 30.0)); // turned size above 8000
    BitmapData deep(4, 4, 32);
    EXPECT_FALSE(RotateImage(destination, spans, deep, 30.0));
}

} // namespace
} // namespace pf
