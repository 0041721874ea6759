#include "foundation/geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

namespace pf {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ScalarValue, SnapToRoundsToTheStep) {
    for (auto [in, step, out] :
         {std::tuple{7.5, 5.0, 10.0}, {-7.5, 5.0, -10.0}, {7.4, 1e-6, 7.4}}) {
        ScalarValue v(in);
        v.SnapTo(step);
        EXPECT_EQ(v.Value(), out) << in;
    }
}

TEST(Angles, WrapAngle360) {
    EXPECT_DOUBLE_EQ(RadiansToDegrees(kPi / 2.0), 90.0);
    EXPECT_DOUBLE_EQ(DegreesToRadians(90.0), kPi / 2.0);
    // Exact remainders at every size, as std::fmod gives them; whole turns give +0.
    const std::pair<double, double> rows[] = {
        {360.0, 360.0},
        {-360.0, 0.0},
        {720.0, 0.0},
        {400.0, 40.0},
        {-400.0, -40.0},
        {360.5, 0.5},
        {-359.5, -359.5},
        {0.0, 0.0},
        {1080.25, 0.25},
        {-720.0, 0.0},
        {1e17, 280.0},
        {-1e17, -280.0},
        {4.2e18, 240.0},
        {-4.2e18, -240.0},
        {8.1088888888888888888e19, 168.0},
        {-8.1088888888888888888e19, -168.0},
        {static_cast<float>(4.2e18), 304.0},
        {std::numeric_limits<double>::max(), 128.0},
        {-std::numeric_limits<double>::max(), -128.0},
    };
    for (auto [in, out] : rows) {
        const double wrapped = WrapAngle360(in);
        EXPECT_EQ(wrapped, out) << in;
        EXPECT_EQ(std::signbit(wrapped), std::signbit(out)) << in;
        EXPECT_EQ(WrapAngle360(wrapped), wrapped) << in;
    }
    const double inf = std::numeric_limits<double>::infinity();
    for (double in : {kNaN, inf, -inf}) {
        EXPECT_TRUE(std::isnan(WrapAngle360(in))) << in;
    }
}

TEST(Angles, VectorAngleByQuadrant) {
    struct Row {
        double x, y, degrees;
    };
    const Row rows[] = {
        {1, 0, 0},    {1, 1, 45}, {-1, 1, 135}, {-1, 0, 180}, {-1, -1, 225},   {0, -1, 270},
        {1, -1, 315}, {0, 1, 90}, {0, 0, 0},    {1, -0.0, 0}, {-1, -0.0, 180}, {0, -0.0, 0},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(VectorAngle(r.x, r.y), r.degrees, 1e-12) << r.x << "," << r.y;
    }
    EXPECT_DOUBLE_EQ(VectorAngleRadians(0, 1), kPi / 2.0);
    EXPECT_DOUBLE_EQ(VectorAngleRadians(0, -1), 3.0 * kPi / 2.0);
    EXPECT_NEAR(DirectionAngle(1, 1, 0, 1), 180.0, 1e-12);
    EXPECT_NEAR(DirectionAngle(Point2(2, 2), Point2(3, 1)), 315.0, 1e-12);
    EXPECT_NEAR(DirectionAngle(Point3{2, 2, 9}, Point3{2, 5, -9}), 90.0, 1e-12);
}

TEST(Angles, RotatePointXYAndDistance) {
    const struct {
        double x, y, angle, rx, ry;
    } rows[] = {{1, 0, kPi / 2.0, 0, 1}, {3, 4, kPi, -3, -4}, {0, 0, 1.0, 0, 0}};
    for (const auto& r : rows) {
        double x = r.x, y = r.y;
        RotatePointXY(x, y, r.angle);
        EXPECT_NEAR(x, r.rx, 1e-12);
        EXPECT_NEAR(y, r.ry, 1e-12);
    }
    EXPECT_DOUBLE_EQ(Distance3({1, 2, 3}, {4, 6, 15}), 13.0);
}

TEST(GeoRect, SizesContainsAndCorners) {
    GeoRect r{-2, 4, 3, -1}; // left, right, top, bottom
    // every edge and corner belongs to it
    for (auto [x, y] : {std::pair{-2.0, 0.0}, {4.0, 0.0}, {0.0, 3.0}, {0.0, -1.0}, {4.0, 3.0}}) {
        EXPECT_TRUE(r.Contains(x, y)) << x << "," << y;
    }
    for (auto [x, y] :
         {std::pair{4.0001, 0.0}, {0.0, -1.0001}, {-2.0001, 0.0}, {0.0, 3.0001}, {kNaN, 0.0}}) {
        EXPECT_FALSE(r.Contains(x, y)) << x << "," << y;
    }

    Quad q = r.ToQuad();
    QuadXY qxy = QuadXY::FromRect(r);
    const double expected[4][2] = {{-2, 3}, {4, 3}, {-2, -1}, {4, -1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(std::pair(q.corners[i].x, q.corners[i].y),
                  std::pair(expected[i][0], expected[i][1]));
        EXPECT_EQ(std::pair(qxy.corners[i].x, qxy.corners[i].y),
                  std::pair(expected[i][0], expected[i][1]));
    }
}

TEST(GeoRect, ToIntRectAddsHalfAndTruncatesTowardZero) {
    const std::pair<double, int> rows[] = {
        {1.5, 2},
        {-1.5, -1},
        {-1.6, -1},
        {1.4, 1},
        {-0.4, 0},
        {-2.5, -2},
        {0.0, 0},
        // far-off outlines are clamped rather than overflowing
        {1e300, INT_MAX},
        {-1e300, INT_MIN},
        {kNaN, 0},
    };
    for (auto [value, expected] : rows) {
        GeoRect r{value, value, value, value};
        IntRect ir = r.ToIntRect();
        EXPECT_EQ(ir.left, expected) << value;
        EXPECT_EQ(ir.top, expected) << value;
        EXPECT_EQ(ir.right, expected) << value;
        EXPECT_EQ(ir.bottom, expected) << value;
    }
    IntRect ir = GeoRect{1.5, 10.2, 20.7, -3.5}.ToIntRect();
    EXPECT_EQ(ir.left, 2);
    EXPECT_EQ(ir.top, 21);
    EXPECT_EQ(ir.right, 10);
    EXPECT_EQ(ir.bottom, -3);
}

TEST(Line, FromPointsKinds) {
    struct Row {
        double x1, y1, x2, y2;
        int32_t kind;
        double m, inv_m, c, xi;
    };
    const Row rows[] = {
        {0, 0, 0, 5, Line::kVertical, 0, 0, 0, 0},
        {3, 1, 3, -7, Line::kVertical, 0, 0, 0, 3},
        {0, 2, 5, 2, Line::kHorizontal, 0, 0, 2, 0},
        {0, 0, 1, 1, Line::kSloped, 1, 1, 0, 0},
        {0, 2, 2, 0, Line::kSloped, -1, -1, 2, 2},
        {1, 3, 3, 7, Line::kSloped, 2, 0.5, 1, -0.5},
        // slope 1e7: treated as vertical through x1
        {0, 0, 1e-7, 1, Line::kVertical, 0, 0, 0, 0},
        // slope 1e-7: treated as horizontal through y1
        {0, 4, 1, 4 + 1e-7, Line::kHorizontal, 0, 0, 4, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.x1 << "," << r.y1 << " " << r.x2 << "," << r.y2);
        Line l(r.x1, r.y1, r.x2, r.y2);
        EXPECT_EQ(l.kind, r.kind);
        EXPECT_DOUBLE_EQ(l.m, r.m);
        EXPECT_DOUBLE_EQ(l.inv_m, r.inv_m);
        EXPECT_DOUBLE_EQ(l.c, r.c);
        EXPECT_DOUBLE_EQ(l.xi, r.xi);
    }
    Line l;
    l.FromPoints3({1, 3, 99}, {3, 7, -5});
    EXPECT_EQ(l.kind, Line::kSloped);
    EXPECT_DOUBLE_EQ(l.m, 2.0);
}

TEST(Line, NearVerticalAfterSlopedLineHoldsNoStaleSlope) {
    // A line reused for a nearly upright pair must not keep the previous slope.
    Line l(0, 0, 1, 1);
    l.FromPoints(5, 0, 5 + 1e-7, 1);
    EXPECT_EQ(l.kind, Line::kVertical);
    EXPECT_EQ(l.xi, 5.0);
    EXPECT_EQ(l.m, 0.0);
    EXPECT_EQ(l.inv_m, 0.0);
    l.FromPoints(0, 2, 5, 2);
    EXPECT_EQ(l.m, 0.0);
    EXPECT_EQ(l.inv_m, 0.0);
}

TEST(Line, XAtY) {
    EXPECT_DOUBLE_EQ(Line(1, 3, 3, 7).XAtY(5), 2.0);
    EXPECT_EQ(Line(4, 0, 4, 9).XAtY(123), 4.0);
}

TEST(Line, IntersectByKind) {
    struct Row {
        Line a, b;
        double x, y;
    };
    const Line diag(0, 0, 1, 1);   // y = x
    const Line anti(0, 2, 2, 0);   // y = -x + 2
    const Line horiz(0, 3, 1, 3);  // y = 3
    const Line vert(-2, 0, -2, 1); // x = -2
    const Row rows[] = {
        {diag, anti, 1, 1},  {anti, diag, 1, 1},   {horiz, vert, -2, 3}, {vert, horiz, -2, 3},
        {diag, horiz, 3, 3}, {diag, vert, -2, -2}, {horiz, anti, -1, 3}, {vert, anti, -2, 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.a.kind << " with " << r.b.kind);
        Point2 p(99, 99);
        r.a.Intersect(r.b, p);
        EXPECT_NEAR(p.x, r.x, 1e-12);
        EXPECT_NEAR(p.y, r.y, 1e-12);
    }
}

TEST(Line, IntersectWithoutOnePointLeavesOutputAsGiven) {
    const std::pair<Line, Line> rows[] = {
        {Line(0, 0, 1, 1), Line(0, 1, 1, 2)}, // parallel sloped
        {Line(0, 1, 1, 1), Line(0, 2, 1, 2)}, // two horizontals
        {Line(1, 0, 1, 1), Line(2, 0, 2, 1)}, // two verticals
    };
    for (const auto& [a, b] : rows) {
        Point2 p(7, -7);
        a.Intersect(b, p);
        EXPECT_EQ(p.x, 7.0);
        EXPECT_EQ(p.y, -7.0);
    }
}

TEST(Line, PerpendicularThrough) {
    // horizontal y = 2: the vertical through px, also when the point is on the line
    Line h(0, 2, 5, 2);
    for (double py : {7.0, 2.0}) {
        Line p = h.PerpendicularThrough(3, py);
        EXPECT_EQ(p.kind, Line::kVertical);
        EXPECT_EQ(p.xi, 3.0);
    }
    // vertical x = 1: the horizontal through py
    Line v(1, 0, 1, 5);
    for (double px : {4.0, 1.0}) {
        Line p = v.PerpendicularThrough(px, -3);
        EXPECT_EQ(p.kind, Line::kHorizontal);
        EXPECT_EQ(p.c, -3.0);
    }
    // y = x: through (0, 2) the perpendicular is y = -x + 2
    Line d(0, 0, 1, 1);
    Line p = d.PerpendicularThrough(0, 2);
    EXPECT_EQ(p.kind, Line::kSloped);
    EXPECT_NEAR(p.m, -1.0, 1e-9);
    EXPECT_NEAR(p.c, 2.0, 1e-9);
    Point2 foot;
    d.Intersect(p, foot);
    EXPECT_NEAR(foot.x, 1.0, 1e-9);
    EXPECT_NEAR(foot.y, 1.0, 1e-9);
}

Quad Square(double l, double r, double t, double b, double z = 0.0) {
    Quad q = GeoRect{l, r, t, b}.ToQuad();
    for (Point3& c : q.corners)
        c.z = z;
    return q;
}

void ExpectBounds(const GeoRect& b, double l, double r, double t, double bottom) {
    EXPECT_NEAR(b.left, l, 1e-12);
    EXPECT_NEAR(b.right, r, 1e-12);
    EXPECT_NEAR(b.top, t, 1e-12);
    EXPECT_NEAR(b.bottom, bottom, 1e-12);
}

TEST(Quad, MoveScaleTurnKeepZ) {
    Quad q = Square(0, 2, 1, 0, 5.0);
    q.Translate(1, -1);
    EXPECT_EQ(q.corners[3].x, 3.0);
    EXPECT_EQ(q.corners[3].y, -1.0);
    Quad t = q.Translated({1, 1, 100});
    EXPECT_EQ(t.corners[0].x, 2.0);
    EXPECT_EQ(t.corners[0].y, 1.0);
    EXPECT_EQ(t.corners[0].z, 5.0);
    Quad rel = q.RelativeTo({1, -1, 100});
    rel.Scale(2, 3);
    EXPECT_EQ(rel.corners[1].x, 4.0);
    EXPECT_EQ(rel.corners[1].y, 3.0);
    EXPECT_EQ(rel.corners[1].z, 5.0);
    Quad turned = rel.Rotated(kPi / 2.0);
    EXPECT_EQ(rel.corners[1].x, 4.0); // the original is untouched
    EXPECT_NEAR(turned.corners[1].x, -3.0, 1e-12);
    EXPECT_NEAR(turned.corners[1].y, 4.0, 1e-12);
    EXPECT_EQ(turned.corners[1].z, 5.0);
    rel.Rotate(kPi / 2.0);
    EXPECT_NEAR(rel.corners[1].x, -3.0, 1e-12);
    ExpectBounds(turned.BoundingRect(), -3, 0, 4, 0);
    GeoRect b2;
    turned.GetBoundingRect(b2);
    ExpectBounds(b2, -3, 0, 4, 0);
}

TEST(QuadXY, MoveTurnAndBounds) {
    QuadXY q = QuadXY::FromRect({0, 2, 1, 0});
    q.Translate(-1, 1);
    ExpectBounds(q.BoundingRect(), -1, 1, 2, 1);
    q.Rotate(kPi);
    GeoRect b2;
    q.GetBoundingRect(b2);
    ExpectBounds(b2, -1, 1, -1, -2);
}

TEST(Quad, ContainsPointIsStrictlyInside) {
    Quad q = Square(0, 4, 2, 0);
    struct Row {
        double x, y;
        bool inside;
    };
    const Row rows[] = {
        {2, 1, true},  {0.01, 0.01, true}, {0, 1, false}, {4, 1, false},  {2, 0, false},
        {2, 2, false}, {0, 0, false},      {5, 1, false}, {2, -1, false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(q.ContainsPoint(r.x, r.y), r.inside) << r.x << "," << r.y;
    }
    // turned by 45 degrees about the origin: the first edge no longer runs along x
    Quad t = q.Rotated(kPi / 4.0);
    double cx = 2, cy = 1;
    RotatePointXY(cx, cy, kPi / 4.0);
    EXPECT_TRUE(t.ContainsPoint(cx, cy));
    EXPECT_FALSE(t.ContainsPoint(2, 1.0 - 3.0));
    // the unturned box's corner (4, 0) lies outside the turned one
    EXPECT_FALSE(t.ContainsPoint(4, 0));
}

} // namespace
} // namespace pf
