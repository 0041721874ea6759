#include "imagery/drawing.h"
#include "support/image_fixtures.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace pf {
namespace {

using test::At;

using Pixels = std::set<std::pair<int, int>>;

// The positions of every pixel that is not black.
Pixels Lit(const BitmapData& image) {
    Pixels lit;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (At(image, x, y) != ColorRGB()) {
                lit.insert({x, y});
            }
        }
    }
    return lit;
}

const ColorRGB kRed = ColorRGB::FromRgb(255, 0, 0);

TEST(DrawDot, WritesOnlyInsideTheImageWithABlackRing) {
    BitmapData image(6, 6, 24);
    image.FillColor24(ColorRGB(1, 1, 1));
    ASSERT_TRUE(DrawDot(0.5, 0.5, image, 0xFFFFFFFF));
    // Positions -1.5 .. 2.5: inside are 0.5, 1.5, 2.5 in each direction.
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            ColorRGB expected(1, 1, 1);
            if (x <= 2 && y <= 2) {
                expected = (x == 2 || y == 2) ? ColorRGB() : ColorRGB(255, 255, 255);
            }
            EXPECT_EQ(At(image, x, y), expected) << x << "," << y;
        }
    }
    BitmapData deep(5, 5, 32);
    deep.Pixels()[4 * 12 + 3] = 77;
    ASSERT_TRUE(DrawDot(2.0, 2.0, deep, 0x00123456));
    EXPECT_EQ(deep.Pixels()[4 * 12], 0x56);
    EXPECT_EQ(deep.Pixels()[4 * 12 + 2], 0x12);
    EXPECT_EQ(deep.Pixels()[4 * 12 + 3], 77);
    BitmapData grey(5, 5, 8);
    EXPECT_FALSE(DrawDot(2.0, 2.0, grey, 0));
}

TEST(DrawMarker, ArmsCrossAtThePoint) {
    test::ScriptedUi ui;
    BitmapData image(40, 40, 24);
    ASSERT_TRUE(DrawMarker(image, 20, 20, kRed));
    Pixels expected;
    for (int k = 12; k < 28; ++k) {
        for (int d : {19, 20}) {
            expected.insert({k, d});
            expected.insert({d, k});
        }
    }
    EXPECT_EQ(Lit(image), expected);
    EXPECT_EQ(At(image, 12, 19), kRed);
    EXPECT_EQ(At(image, 20, 27), kRed);
    // Partly off the image.
    BitmapData corner(10, 10, 24);
    EXPECT_TRUE(DrawMarker(corner, 0, 0, kRed));
    EXPECT_EQ(At(corner, 0, 7), kRed);
    EXPECT_TRUE(DrawMarker(corner, std::numeric_limits<int>::min(), 0, kRed));
    BitmapData deep(40, 40, 32);
    EXPECT_FALSE(DrawMarker(deep, 20, 20, kRed));
    BitmapData empty;
    EXPECT_FALSE(DrawMarker(empty, 20, 20, kRed));
    EXPECT_EQ(ui.Failures(), (std::vector<std::string>{"Invalid bmp", "Invalid bmp"}));
}

Pixels Line(int w, int h, double x0, double y0, double x1, double y1, bool* ok = nullptr) {
    BitmapData image(w, h, 24);
    const bool result = DrawLine(image, x0, y0, x1, y1, kRed);
    if (ok != nullptr) {
        *ok = result;
    }
    return Lit(image);
}

TEST(DrawLine, RunsIncludeBothEnds) {
    EXPECT_EQ(Line(10, 10, 2, 3, 5, 3), (Pixels{{2, 3}, {3, 3}, {4, 3}, {5, 3}}));
    EXPECT_EQ(Line(10, 10, 5, 3, 2, 3), (Pixels{{2, 3}, {3, 3}, {4, 3}, {5, 3}}));
    EXPECT_EQ(Line(10, 10, 4, 6, 4, 2), (Pixels{{4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}}));
    EXPECT_EQ(Line(10, 10, 1, 1, 4, 4), (Pixels{{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    EXPECT_EQ(Line(10, 10, 7.9, 7.2, 7.1, 7.8), (Pixels{{7, 7}}));
}

TEST(DrawLine, SteepLinesAreTheSameInEitherDirection) {
    const Pixels down = Line(20, 20, 2, 1, 5, 15);
    const Pixels up = Line(20, 20, 5, 15, 2, 1);
    EXPECT_EQ(down, up);
    EXPECT_EQ(down.size(), 15u); // one pixel per row
    EXPECT_TRUE(down.count({2, 1}));
    // Rising steeply to the right (rows decreasing) also gives one pixel per row.
    const Pixels rising = Line(20, 20, 2, 15, 5, 1);
    EXPECT_EQ(rising.size(), 15u);
    EXPECT_TRUE(rising.count({2, 15}));
    EXPECT_EQ(rising, Line(20, 20, 5, 1, 2, 15));
}

TEST(DrawLine, ClipsToTheImage) {
    // Horizontal through the image from far outside on both sides.
    Pixels row;
    for (int x = 0; x < 10; ++x) {
        row.insert({x, 4});
    }
    EXPECT_EQ(Line(10, 10, -50, 4, 60, 4), row);
    // Vertical, likewise.
    Pixels column;
    for (int y = 0; y < 10; ++y) {
        column.insert({3, y});
    }
    EXPECT_EQ(Line(10, 10, 3, -5, 3, 1e9), column);
    // Diagonal entering at the top-left corner and leaving at the bottom-right.
    const Pixels diagonal = Line(10, 10, -5, -5, 20, 20);
    EXPECT_TRUE(diagonal.count({0, 0}));
    EXPECT_TRUE(diagonal.count({9, 9}));
    EXPECT_EQ(diagonal.size(), 10u);
    // Partly outside on the bottom.
    const Pixels partial = Line(10, 10, 2, 5, 4, 20);
    EXPECT_TRUE(partial.count({2, 5}));
    for (const auto& [x, y] : partial) {
        EXPECT_LE(y, 9);
    }
}

TEST(DrawLine, MissesDrawNothingAndAreNoFailure) {
    struct Case {
        double x0, y0, x1, y1;
    };
    const Case misses[] = {
        {10, 0, 20, 5}, // beyond the right edge
        {-9, 0, -1, 5}, // beyond the left edge
        {0, -3, 9, -1}, // above
        {0, 10, 9, 12}, // below
        {-5, 3, 3, -5}, // passes outside the top-left corner
        {8, 12, 12, 8}, // passes outside the bottom-right corner
    };
    for (const Case& c : misses) {
        bool ok = false;
        EXPECT_TRUE(Line(10, 10, c.x0, c.y0, c.x1, c.y1, &ok).empty()) << c.x0 << "," << c.y0;
        EXPECT_TRUE(ok);
    }
    BitmapData image(10, 10, 24);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(DrawLine(image, nan, 0, 5, 5, kRed));
    EXPECT_FALSE(DrawLine(image, 0, 0, 5, inf, kRed));
    BitmapData deep(10, 10, 32);
    EXPECT_FALSE(DrawLine(deep, 0, 0, 5, 5, kRed));
}

TEST(DrawLine, ExtremeCoordinatesStayInside) {
    // Every write is bounds-checked: the sanitizer run catches any that is not.
    const double big = 1e15;
    const double ends[][4] = {{-big, -big, big, big},  {-big, big, big, -big}, {0, 0, 9.999, 9.999},
                              {9.9999, 0, 9.9999, 20}, {-1, 9.99, 20, 9.99},   {5, 5, 5, 5},
                              {9.5, 2, 30, 2},         {9.5, 2, 30, 30}};
    for (const auto& e : ends) {
        bool ok = false;
        Line(10, 10, e[0], e[1], e[2], e[3], &ok);
        EXPECT_TRUE(ok);
    }
    EXPECT_EQ(Line(10, 10, 9.5, 2, 30, 2), (Pixels{{9, 2}}));
    // Ends further apart than a double reaches draw nothing.
    EXPECT_TRUE(Line(10, 10, -1.5e308, 5, 1.5e308, 5).empty());
    EXPECT_TRUE(Line(10, 10, 5, -1.7e308, 4, 1.7e308).empty());
    EXPECT_EQ(Line(1, 1, -3, -3, 3, 3), (Pixels{{0, 0}}));
}

TEST(DrawQuadOutline, DrawsTheFourEdgesInOrder) {
    BitmapData image(10, 10, 24);
    ASSERT_TRUE(
        DrawQuadOutline(image, Point2(1, 1), Point2(8, 1), Point2(1, 8), Point2(8, 8), kRed));
    Pixels expected;
    for (int k = 1; k <= 8; ++k) {
        expected.insert({k, 1});
        expected.insert({k, 8});
        expected.insert({1, k});
        expected.insert({8, k});
    }
    EXPECT_EQ(Lit(image), expected);
    // The order shows where a failing edge stops the outline: with P3 unusable, P0-P1 is
    // drawn, P1-P3 fails, and P2-P3 and P0-P2 are never drawn.
    BitmapData order(10, 10, 24);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(
        DrawQuadOutline(order, Point2(1, 1), Point2(8, 1), Point2(1, 8), Point2(nan, 8), kRed));
    Pixels first_edge;
    for (int k = 1; k <= 8; ++k) {
        first_edge.insert({k, 1});
    }
    EXPECT_EQ(Lit(order), first_edge);
    BitmapData deep(10, 10, 32);
    EXPECT_FALSE(
        DrawQuadOutline(deep, Point2(1, 1), Point2(8, 1), Point2(1, 8), Point2(8, 8), kRed));
    // Partly outside: the edges on the image are still drawn.
    BitmapData part(10, 10, 24);
    ASSERT_TRUE(DrawQuadOutline(part, Point2(-20, -20), Point2(5, -20), Point2(-20, 5),
                                Point2(5, 5), kRed));
    EXPECT_TRUE(Lit(part).count({5, 0}));
    EXPECT_TRUE(Lit(part).count({0, 5}));
}

TEST(RasterizePolygon, StaysInsideItsRectangle) {
    BitmapData image(10, 10, 24);
    ASSERT_TRUE(RasterizePolygon(image, PixelRect{2, 3, 6, 7}, kRed));
    Pixels expected;
    for (int x = 2; x <= 5; ++x) {
        expected.insert({x, 3});
        expected.insert({x, 6});
    }
    for (int y = 3; y <= 6; ++y) {
        expected.insert({2, y});
        expected.insert({5, y});
    }
    EXPECT_EQ(Lit(image), expected);
    BitmapData empty_rect(10, 10, 24);
    EXPECT_TRUE(RasterizePolygon(empty_rect, PixelRect{5, 5, 5, 9}, kRed));
    EXPECT_TRUE(RasterizePolygon(empty_rect, PixelRect{5, 5, 9, 2}, kRed));
    EXPECT_TRUE(Lit(empty_rect).empty());
    BitmapData deep(10, 10, 32);
    EXPECT_FALSE(RasterizePolygon(deep, PixelRect{2, 3, 6, 7}, kRed));
    BitmapData line(10, 10, 24);
    ASSERT_TRUE(RasterizeSpans(line, Point2(0, 0), Point2(3, 0), kRed));
    EXPECT_EQ(Lit(line), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
    EXPECT_TRUE(IsPointInImage(Point2(9.5, 0), line));
    EXPECT_FALSE(IsPointInImage(Point2(10, 0), line));
}

std::uint32_t Colour(const BitmapData& image, int x, int y) {
    const ColorRGB c = At(image, x, y);
    return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

TEST(Frames, Frame3DColoursAndCorners) {
    BitmapData image(6, 5, 24);
    image.FillColor(0x123456);
    ASSERT_TRUE(DrawFrame3D(image));
    EXPECT_EQ(Colour(image, 3, 0), 0xFFFFFFu);
    EXPECT_EQ(Colour(image, 3, 1), 0xD4D0C8u);
    EXPECT_EQ(Colour(image, 3, 3), 0x404040u);
    EXPECT_EQ(Colour(image, 3, 4), 0x808080u);
    EXPECT_EQ(Colour(image, 0, 2), 0xFFFFFFu);
    EXPECT_EQ(Colour(image, 1, 2), 0xD4D0C8u);
    EXPECT_EQ(Colour(image, 4, 2), 0x404040u);
    EXPECT_EQ(Colour(image, 5, 2), 0x808080u);
    // Corners take their column's colour.
    EXPECT_EQ(Colour(image, 0, 4), 0xFFFFFFu);
    EXPECT_EQ(Colour(image, 5, 0), 0x808080u);
    EXPECT_EQ(Colour(image, 2, 2), 0x123456u);

    BitmapData narrow(3, 10, 24);
    narrow.FillColor(0x010203);
    const BitmapData before(narrow);
    EXPECT_FALSE(DrawFrame3D(narrow));
    EXPECT_TRUE(narrow.IsIdentical(before));
}

TEST(Frames, BevelShiftsThePictureAndMirrorsTheColours) {
    BitmapData image(6, 6, 24);
    image.PixelAddress(2, 2)[0] = 0x77;
    ASSERT_TRUE(DrawBevelFrame(image));
    EXPECT_EQ(Colour(image, 3, 3), 0x77u);
    EXPECT_EQ(Colour(image, 2, 2), 0u);
    EXPECT_EQ(Colour(image, 3, 0), 0x808080u);
    EXPECT_EQ(Colour(image, 3, 1), 0x404040u);
    EXPECT_EQ(Colour(image, 3, 4), 0xD4D0C8u);
    EXPECT_EQ(Colour(image, 3, 5), 0xFFFFFFu);
    EXPECT_EQ(Colour(image, 0, 3), 0x808080u);
    EXPECT_EQ(Colour(image, 5, 3), 0xFFFFFFu);
    BitmapData small(3, 6, 24);
    EXPECT_FALSE(DrawBevelFrame(small));
}

TEST(Frames, FocusFrameAndBorder) {
    BitmapData image(8, 8, 24);
    image.FillColor(0x555555);
    ASSERT_TRUE(DrawFocusFrame(image, 0x0000FF));
    EXPECT_EQ(Colour(image, 0, 0), 0x555555u);
    EXPECT_EQ(Colour(image, 1, 1), 0x0000FFu);
    EXPECT_EQ(Colour(image, 6, 4), 0x0000FFu);
    EXPECT_EQ(Colour(image, 2, 2), 0x000000u); // x + y even
    EXPECT_EQ(Colour(image, 3, 2), 0xFFFFFFu);
    EXPECT_EQ(Colour(image, 5, 4), 0xFFFFFFu);
    EXPECT_EQ(Colour(image, 5, 5), 0x000000u);
    EXPECT_EQ(Colour(image, 3, 3), 0x555555u);
    BitmapData small(7, 8, 24);
    EXPECT_FALSE(DrawFocusFrame(small, 0));

    BitmapData bordered(3, 2, 24);
    ASSERT_TRUE(DrawBorder(bordered, 0xFF00FF00));
    EXPECT_EQ(Lit(bordered).size(), 6u);
    EXPECT_EQ(Colour(bordered, 1, 1), 0x00FF00u);
    BitmapData tiny(1, 2, 24);
    EXPECT_FALSE(DrawBorder(tiny, 0));
    BitmapData deep(4, 4, 32);
    EXPECT_FALSE(DrawBorder(deep, 0));
}

} // namespace
} // namespace pf
