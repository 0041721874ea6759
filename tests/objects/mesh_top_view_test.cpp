#include "objects/mesh_top_view.h"

#include "imagery/bitmap_data.h"
#include "objects/mesh_file.h"
#include "support/mesh_files.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
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

TEST(MeshTopView, BothReadersTakeTheSameGroups) {
    const std::string triangles = "0 1 2\r\n";
    const struct {
        const char* name;
        std::string text;
        bool read;
    } cases[] = {
        {"a group of zero vertices owns its triangle lines",
         test::MshLines({"GEOM 0 2", "0 0 -1e300", "0 0 1e300"}) + test::kMshTriangle, true},
        {"zero vertices alone", "GEOM 0 1\r\n" + triangles, false},
        {"negative vertex count", "GEOM -3 1\r\n" + triangles + test::kMshTriangle, false},
        {"vertex count x", "GEOM x 1\r\n" + triangles + test::kMshTriangle, false},
        {"vertex beyond the double range",
         test::MshLines({"GEOM 3 1", "0 0 0", "4 0 0", "0 0 1e400", "0 1 2"}), false},
        {"vertex below the double range reads as 0",
         test::MshLines({"GEOM 3 1", "0 0 1e-400", "4 0 0", "0 0 10", "0 1 2"}), true},
    };
    BitmapData expected = WhiteCanvas();
    ASSERT_TRUE(DrawMeshTopView(test::kMshTriangle, kTriangleRect, expected));
    for (const auto& c : cases) {
        MeshExtents extents;
        uint8_t textured = 0;
        EXPECT_EQ(ParseMeshExtents(c.text, extents, textured), c.read) << c.name;
        BitmapData image = WhiteCanvas();
        EXPECT_EQ(DrawMeshTopView(c.text, kTriangleRect, image), c.read) << c.name;
        if (c.read) {
            EXPECT_TRUE(image.IsIdentical(expected)) << c.name;
        }
    }
}

std::string Reproducer(const std::string& name) {
    std::ifstream in(test::SourceDir() + "/tests/data/fuzz-repro/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(MeshTopView, FuzzFindingsReadWithoutACrash) {
    // A model whose far vertices are the triangle lines of a group without vertices: no
    // reader takes them, and the group that is read has no triangle.
    const std::string model = Reproducer("mesh-1.bin");
    ASSERT_EQ(model.size(), 68u);
    MeshExtents extents;
    uint8_t textured = 0;
    ASSERT_TRUE(ParseMeshExtents(model, extents, textured));
    EXPECT_EQ(extents.rect.left, -1.0);
    EXPECT_EQ(extents.rect.right, 1.0);
    BitmapData image = WhiteCanvas();
    EXPECT_TRUE(DrawMeshTopView(model, extents.rect, image));
    EXPECT_EQ(BlackCount(image), 0);

    // A mode byte, an extent record, and a model drawn against the record: an edge between
    // ends further apart than a double reaches draws nothing; a header whose vertex count
    // is no number refuses the whole model.
    for (const auto& [file, drawn] :
         {std::pair{"mesh_cache-1.bin", true}, {"mesh_cache-2.bin", false}}) {
        const std::string bytes = Reproducer(file);
        ASSERT_GT(bytes.size(), 1 + kMeshRecordSize) << file;
        MeshRecordBytes record{};
        std::copy_n(bytes.begin() + 1, kMeshRecordSize, record.begin());
        DecodeMeshRecord(record, extents, textured);
        ASSERT_TRUE(IsSoundMeshExtents(extents)) << file;
        BitmapData canvas = WhiteCanvas();
        EXPECT_EQ(DrawMeshTopView(bytes.substr(1 + kMeshRecordSize), extents.rect, canvas), drawn)
            << file;
        EXPECT_EQ(BlackCount(canvas), 0) << file;
    }
}

TEST(MeshTopView, BadIndicesAndShortTrianglesAreSkipped) {
    BitmapData image = WhiteCanvas();
    const std::string text =
        test::MshLines({"GEOM 3 4", "0 0 0", "4 0 0", "0 0 10", "0 1 3", "-1 1 2", "0 1", "0 1 2"});
    ASSERT_TRUE(DrawMeshTopView(text, kTriangleRect, image));
    EXPECT_TRUE(IsBlack(image, 0, 512));
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
