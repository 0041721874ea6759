#include "imagery/spans.h"
#include "support/image_fixtures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numbers>

namespace pf {
namespace {

using test::At;
using test::Distinct24;

// Counts the pixels that are not black.
int Written(const BitmapData& image, int y) {
    int n = 0;
    for (int x = 0; x < image.Width(); ++x) {
        n += At(image, x, y) != ColorRGB() ? 1 : 0;
    }
    return n;
}

TEST(StretchWidthSpans, MovesSpansAndWritesOnlyThem) {
    BitmapData source = Distinct24(100, 2);
    source.FillColor24(ColorRGB(9, 9, 9));
    BitmapData destination(200, 2, 24);
    SpanList spans = {{10, 20}, {0, 100}};
    ASSERT_TRUE(StretchWidthSpans(destination, source, spans));
    EXPECT_EQ(spans[0], (BeginEnd{20, 40}));
    EXPECT_EQ(spans[1], (BeginEnd{0, 200}));
    EXPECT_EQ(Written(destination, 0), 20);
    EXPECT_EQ(At(destination, 19, 0), ColorRGB());
    EXPECT_EQ(At(destination, 20, 0), ColorRGB(9, 9, 9));
    EXPECT_EQ(At(destination, 40, 0), ColorRGB());
    EXPECT_EQ(Written(destination, 1), 200);

    // Narrowing, and an end that rounds up: 3 -> 2, s = 43691, end 1: 43691 & 0xFFFF >= 32769.
    BitmapData narrow_source = Distinct24(3, 1);
    BitmapData narrow(2, 1, 24);
    SpanList one = {{0, 1}};
    ASSERT_TRUE(StretchWidthSpans(narrow, narrow_source, one));
    EXPECT_EQ(one[0], (BeginEnd{0, 1}));
    SpanList wrong = {{0, 1}, {0, 1}};
    EXPECT_FALSE(StretchWidthSpans(narrow, narrow_source, wrong));
    // Growing 3 -> 1000 samples the last source column at the end, never past it.
    BitmapData wide(1000, 1, 24);
    SpanList full = {{0, 3}};
    ASSERT_TRUE(StretchWidthSpans(wide, narrow_source, full));
    EXPECT_EQ(full[0], (BeginEnd{0, 1000}));
    EXPECT_EQ(At(wide, 999, 0), At(narrow_source, 2, 0));
}

TEST(HeightSpans, RowsAreTakenAtTheirCentresWithTheirSpans) {
    BitmapData source = Distinct24(4, 4);
    SpanList spans = {{0, 1}, {1, 2}, {2, 3}, {0, 4}};
    BitmapData lower(4, 2, 24);
    ASSERT_TRUE(CompressHeightSpans(lower, source, spans));
    // step 2.0, start 1.0: rows 1 and 3.
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0], (BeginEnd{1, 2}));
    EXPECT_EQ(spans[1], (BeginEnd{0, 4}));
    EXPECT_EQ(At(lower, 1, 0), At(source, 1, 1));
    EXPECT_EQ(At(lower, 0, 0), ColorRGB());
    EXPECT_EQ(At(lower, 3, 1), At(source, 3, 3));

    BitmapData column_source = Distinct24(2, 2);
    SpanList two = {{0, 2}, {1, 2}};
    BitmapData taller(2, 4, 24);
    ASSERT_TRUE(StretchHeightSpans(taller, column_source, two));
    // step 0.5, start 0.25: rows 0, 0, 1, 1.
    EXPECT_EQ(two, (SpanList{{0, 2}, {0, 2}, {1, 2}, {1, 2}}));
    EXPECT_EQ(At(taller, 0, 1), At(column_source, 0, 0));
    EXPECT_EQ(At(taller, 0, 3), ColorRGB());
    EXPECT_EQ(At(taller, 1, 3), At(column_source, 1, 1));

    EXPECT_FALSE(StretchHeightSpans(lower, source, spans));
    EXPECT_FALSE(CompressHeightSpans(taller, column_source, two));
}

TEST(BlitSpans, CopiesOnlySpanPartsInsideTheRectangle) {
    BitmapData source = Distinct24(4, 3);
    const SpanList spans = {{1, 3}, {4, 4}, {0, 4}};
    BitmapData destination(6, 5, 24);
    ASSERT_TRUE(BlitSpans(destination, source, spans, {2, 1, 5, 4}, {1, 0, 4, 3}));
    // Row 0: span 1..3 in rect columns 1..4 -> columns 1, 2 land at 2, 3.
    EXPECT_EQ(At(destination, 2, 1), At(source, 1, 0));
    EXPECT_EQ(At(destination, 3, 1), At(source, 2, 0));
    EXPECT_EQ(At(destination, 4, 1), ColorRGB());
    EXPECT_EQ(Written(destination, 2), 0);
    EXPECT_EQ(Written(destination, 3), 3);
    EXPECT_EQ(Written(destination, 0), 0);

    const SpanList short_list = {{0, 4}, {0, 4}};
    EXPECT_FALSE(BlitSpans(destination, source, short_list, {0, 0, 4, 3}, {0, 0, 4, 3}));
    EXPECT_FALSE(BlitSpans(destination, source, spans, {0, 0, 3, 3}, {0, 0, 4, 3}));
}

TEST(ResampleToSpans, ResizesWithinTheSpans) {
    BitmapData source = Distinct24(4, 4);
    source.FillColor24(ColorRGB(7, 7, 7));
    SpanList spans(4, BeginEnd{1, 3});
    BitmapData same(4, 4, 24);
    SpanList kept = spans;
    ASSERT_TRUE(ResampleToSpans(same, source, kept));
    EXPECT_TRUE(same.IsIdentical(source));

    BitmapData bigger(8, 8, 24);
    ASSERT_TRUE(ResampleToSpans(bigger, source, spans));
    ASSERT_EQ(spans.size(), 8u);
    EXPECT_EQ(spans[0], (BeginEnd{2, 6}));
    EXPECT_EQ(Written(bigger, 5), 4);
    EXPECT_EQ(At(bigger, 1, 5), ColorRGB());

    SpanList wide_spans(4, BeginEnd{0, 4});
    BitmapData wider(8, 4, 24);
    ASSERT_TRUE(ResampleToSpans(wider, source, wide_spans));
    EXPECT_EQ(Written(wider, 3), 8);
}

TEST(RotatedRectSpans, SizeAndCoverage) {
    BitmapData source(100, 20, 24);
    SpanList spans;
    int w = 0, h = 0;
    const double a = 30.0 * std::numbers::pi / 180.0;
    ASSERT_TRUE(RotatedRectSpans(spans, source, a, w, h));
    EXPECT_EQ(w, 96); // 100 cos 30 + 20 sin 30 = 96.6
    EXPECT_EQ(h, 67); // 100 sin 30 + 20 cos 30 = 67.3
    ASSERT_EQ(spans.size(), 67u);
    // The top row touches the turned left corner, which sits at (0, 50) after the move: the
    // first rows are near the right end of the top edge.
    EXPECT_GT(spans[0].begin, 80);
    EXPECT_LT(spans[50].begin, 3);
    BitmapData flat(5, 1, 24);
    ASSERT_TRUE(RotatedRectSpans(spans, flat, 0.0, w, h));
    EXPECT_EQ(h, 1);
    EXPECT_EQ(spans, (SpanList{{0, 5}}));
    EXPECT_FALSE(RotatedRectSpans(spans, flat, std::numeric_limits<double>::infinity(), w, h));
}

} // namespace
} // namespace pf
