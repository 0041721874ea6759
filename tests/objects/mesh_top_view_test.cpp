#include "objects/mesh_top_view.h"

#include "imagery/bitmap_data.h"
#include "support/mesh_files.h"

#include <gtest/gtest.h>

#include <limits>

namespace pf {
namespace {

BitmapData WhiteCanvas() {
    BitmapData image;
    EXPECT_TRUE(image.Create24(kMeshTopViewSize, kMeshTopViewSize));
    EXPECT_TRUE(image.FillColor(0xFFFFFFFFu));
    return image;
}

bool IsBlack(const BitmapData& image, int x, int y) {
    const uint8_t* p = image.PixelAddress(x, y);
    return p[0] == 0 && p[1] == 0 && p[2] == 0;
}

bool IsWhite(const BitmapData& image, int x, int y) {
    const uint8_t* p = image.PixelAddress(x, y);
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

int BlackCount(const BitmapData& image) {
    int n = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            n += IsBlack(image, x, y) ? 1 : 0;
        }
    }
    return n;
}

const GeoRect kTriangleRect{0.0, 10.0, 4.0, 0.0};

TEST(MeshTopView, PixelPositionsStretchTheFootprintOverThePicture) {
    BitmapData image = WhiteCanvas();
    const Point2 p0 = MeshPointToPixel(MeterPoint{0, 0, 0}, image, kTriangleRect);
    const Point2 p1 = MeshPointToPixel(MeterPoint{0, 4, 0}, image, kTriangleRect);
    const Point2 p2 = MeshPointToPixel(MeterPoint{10, 0, 7}, image, kTriangleRect);
    const Point2 mid = MeshPointToPixel(MeterPoint{2.5, 1, 0}, image, kTriangleRect);
    EXPECT_EQ(p0.x, 0.0);
    EXPECT_EQ(p0.y, 0.0);
    EXPECT_EQ(p1.x, 0.0);
    EXPECT_EQ(p1.y, 1024.0);
    EXPECT_EQ(p2.x, 1024.0);
    EXPECT_EQ(p2.y, 0.0);
    EXPECT_EQ(mid.x, 256.0);
    EXPECT_EQ(mid.y, 256.0);
}

TEST(MeshTopView, TriangleDrawsLeftColumnTopRowAndDiagonal) {
    BitmapData image = WhiteCanvas();
    ASSERT_TRUE(DrawMeshTopView(test::kMshTriangle, kTriangleRect, image));
    for (int i : {0, 1, 100, 512, 1000, 1023}) {
        EXPECT_TRUE(IsBlack(image, 0, i)) << "left column " << i;
        EXPECT_TRUE(IsBlack(image, i, 0)) << "top row " << i;
    }
    for (int i : {100, 512, 900}) {
        // The diagonal runs from the top-right corner to the bottom-left one.
        const int row = 1024 - i;
        EXPECT_TRUE(IsBlack(image, i, row) || IsBlack(image, i, row - 1) ||
                    IsBlack(image, i, row + 1))
            << "diagonal " << i;
    }
    for (auto [x, y] : {std::pair{100, 100}, {512, 300}, {1023, 1023}, {700, 700}, {5, 900}}) {
        EXPECT_TRUE(IsWhite(image, x, y)) << x << "," << y;
    }
}

TEST(MeshTopView, ZeroVertexHeaderDrawsNothingAndReadingGoesOn) {
    BitmapData image = WhiteCanvas();
    // The lines after "GEOM 0 2" are ordinary lines here; the next group is drawn.
    const std::string text = test::MshLines({"GEOM 0 2", "0 1 2", "5 5 5"}) + test::kMshTriangle;
    ASSERT_TRUE(DrawMeshTopView(text, kTriangleRect, image));
    EXPECT_TRUE(IsBlack(image, 0, 512));

    BitmapData blank = WhiteCanvas();
    EXPECT_FALSE(DrawMeshTopView("GEOM 0 1\r\n0 1 2\r\n", kTriangleRect, blank));
    EXPECT_EQ(BlackCount(blank), 0);
}

TEST(MeshTopView, BadIndicesAndShortTrianglesAreSkipped) {
    BitmapData image = WhiteCanvas();
    const std::string text =
        test::MshLines({"GEOM 3 4", "0 0 0", "4 0 0", "0 0 10", "0 1 3", "-1 1 2", "0 1", "0 1 2"});
    ASSERT_TRUE(DrawMeshTopView(text, kTriangleRect, image));
    EXPECT_TRUE(IsBlack(image, 0, 512));

    // A negative count reads no vertices, so each of its triangles is out of range.
    BitmapData other = WhiteCanvas();
    EXPECT_TRUE(DrawMeshTopView("GEOM -3 1\r\n0 1 2\r\n", kTriangleRect, other));
    EXPECT_EQ(BlackCount(other), 0);
}

TEST(MeshTopView, TruncatedGroupsAndUndrawableRectanglesFail) {
    BitmapData image = WhiteCanvas();
    EXPECT_FALSE(DrawMeshTopView("GEOM 3 1\r\n0 0 0\r\n4 0 0\r\n", kTriangleRect, image));
    EXPECT_FALSE(
        DrawMeshTopView("GEOM 3 2\r\n0 0 0\r\n4 0 0\r\n0 0 10\r\n0 1 2\r\n", kTriangleRect, image));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const GeoRect& rect : {GeoRect{0, 0, 4, 0}, GeoRect{0, 10, 0, 0}, GeoRect{0, 10, -4, 0},
                                GeoRect{nan, 10, 4, 0}}) {
        BitmapData blank = WhiteCanvas();
        EXPECT_FALSE(DrawMeshTopView(test::kMshTriangle, rect, blank));
        EXPECT_EQ(BlackCount(blank), 0);
    }
}

} // namespace
} // namespace pf
