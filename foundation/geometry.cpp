#include "foundation/geometry.h"

#include "foundation/math_helpers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace pf {

namespace {

constexpr double kPi = std::numbers::pi;

// value + 0.5 truncated toward zero, clamped so that a far-off outline cannot overflow.
int RoundHalfUpToInt(double value) {
    double v = std::trunc(value + 0.5);
    if (std::isnan(v)) {
        return 0;
    }
    v = std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX));
    return static_cast<int>(v);
}

template <class Corner> GeoRect BoundsOf(const Corner (&corners)[4]) {
    GeoRect r{corners[0].x, corners[0].x, corners[0].y, corners[0].y};
    for (const Corner& p : corners) {
        r.left = std::min(r.left, p.x);
        r.right = std::max(r.right, p.x);
        r.top = std::max(r.top, p.y);
        r.bottom = std::min(r.bottom, p.y);
    }
    return r;
}

} // namespace

void ScalarValue::SnapTo(double step) { RoundToStep(value, step); }

ScalarValue Abs(const ScalarValue& v) { return ScalarValue(std::fabs(v.value)); }

double RadiansToDegrees(double a) { return a * 180.0 / kPi; }
double DegreesToRadians(double a) { return a * kPi / 180.0; }
double Cos(double a) { return std::cos(a); }
double Sin(double a) { return std::sin(a); }
ScalarValue Atan(double a) { return ScalarValue(std::atan(a)); }
ScalarValue Sqrt(double a) { return ScalarValue(std::sqrt(a)); }

double WrapAngle360(double x) {
    if (x > -360.0 && x <= 360.0) {
        return x;
    }
    // fmod is exact at every size; going through the quotient loses the remainder once
    // x / 360 has no room left for it (from about 1e17). A whole number of turns gives +0.
    return std::fmod(x, 360.0) + 0.0;
}

double VectorAngleRadians(double x, double y) {
    if (x == 0.0) {
        if (y > 0.0)
            return kPi / 2.0;
        if (y < 0.0)
            return 3.0 * kPi / 2.0;
        return 0.0;
    }
    double t = std::atan(std::fabs(y) / std::fabs(x));
    if (x > 0.0) {
        return y >= 0.0 ? t : 2.0 * kPi - t;
    }
    return y >= 0.0 ? kPi - t : kPi + t;
}

double VectorAngle(double x, double y) { return RadiansToDegrees(VectorAngleRadians(x, y)); }

double DirectionAngle(double x1, double y1, double x2, double y2) {
    return VectorAngle(x2 - x1, y2 - y1);
}

double DirectionAngle(const Point2& from, const Point2& to) {
    return DirectionAngle(from.x, from.y, to.x, to.y);
}

double DirectionAngle(const Point3& from, const Point3& to) {
    return DirectionAngle(from.x, from.y, to.x, to.y);
}

void RotatePointXY(double& x, double& y, double angle) {
    double r = std::sqrt(x * x + y * y);
    if (r != 0.0) {
        double a = VectorAngleRadians(x, y) + angle;
        x = r * std::cos(a);
        y = r * std::sin(a);
    }
}

double Distance3(const Point3& p, const Point3& q) {
    double dx = q.x - p.x;
    double dy = q.y - p.y;
    double dz = q.z - p.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

IntRect GeoRect::ToIntRect() const {
    return {RoundHalfUpToInt(left), RoundHalfUpToInt(top), RoundHalfUpToInt(right),
            RoundHalfUpToInt(bottom)};
}

bool GeoRect::Contains(double x, double y) const {
    return left <= x && x <= right && bottom <= y && y <= top;
}

Quad GeoRect::ToQuad() const {
    Quad q;
    q.corners[0] = {left, top, 0.0};
    q.corners[1] = {right, top, 0.0};
    q.corners[2] = {left, bottom, 0.0};
    q.corners[3] = {right, bottom, 0.0};
    return q;
}

void Line::FromPoints(double x1, double y1, double x2, double y2) {
    m = 0.0;
    inv_m = 0.0;
    c = 0.0;
    xi = 0.0;
    if (x1 == x2) {
        kind = kVertical;
        xi = x1;
        return;
    }
    if (y1 == y2) {
        kind = kHorizontal;
        c = y1;
        return;
    }
    kind = kSloped;
    m = (y1 - y2) / (x1 - x2);
    inv_m = (x1 - x2) / (y1 - y2);
    c = y1 - m * x1;
    xi = x1 - y1 * inv_m;
    // Nearly upright or nearly flat lines are treated as exactly so.
    if (std::fabs(m) > 1e6) {
        *this = Line();
        kind = kVertical;
        xi = x1;
    } else if (std::fabs(inv_m) > 1e6) {
        *this = Line();
        kind = kHorizontal;
        c = y1;
    }
}

double Line::XAtY(double y) const {
    if (kind == kVertical) {
        return xi;
    }
    return (y - c) / m;
}

void Line::Intersect(const Line& b, Point2& out) const {
    const Line& a = *this;
    if (a.kind == kSloped && b.kind == kSloped) {
        if (a.m == b.m) {
            return;
        }
        double x = (b.c - a.c) / (a.m - b.m);
        out = Point2(x, (x - a.xi) / a.inv_m);
    } else if (a.kind == kHorizontal && b.kind == kVertical) {
        out = Point2(b.xi, a.c);
    } else if (a.kind == kVertical && b.kind == kHorizontal) {
        out = Point2(a.xi, b.c);
    } else if (a.kind == kSloped && b.kind == kHorizontal) {
        out = Point2((b.c - a.c) / a.m, b.c);
    } else if (a.kind == kSloped && b.kind == kVertical) {
        out = Point2(b.xi, (b.xi - a.xi) / a.inv_m);
    } else if (a.kind == kHorizontal && b.kind == kSloped) {
        out = Point2((a.c - b.c) / b.m, a.c);
    } else if (a.kind == kVertical && b.kind == kSloped) {
        out = Point2(a.xi, (a.xi - b.xi) / b.inv_m);
    }
}

Line Line::PerpendicularThrough(double px, double py) const {
    if (kind == kHorizontal) {
        return Line(px, py, px, py == c ? py + 1.0 : c);
    }
    if (kind == kVertical) {
        return Line(px, py, px == xi ? px + 1.0 : xi, py);
    }
    double m2 = std::tan(std::atan(m) + kPi / 2.0);
    double x = (py - m2 * px - c) / (m - m2);
    double y = (x - xi) / inv_m;
    return Line(px, py, x, y);
}

QuadXY QuadXY::FromRect(const GeoRect& r) {
    QuadXY q;
    q.corners[0] = {r.left, r.top};
    q.corners[1] = {r.right, r.top};
    q.corners[2] = {r.left, r.bottom};
    q.corners[3] = {r.right, r.bottom};
    return q;
}

void QuadXY::Translate(double dx, double dy) {
    for (Point2& p : corners) {
        p.x += dx;
        p.y += dy;
    }
}

void QuadXY::Rotate(double angle) {
    for (Point2& p : corners) {
        RotatePointXY(p.x, p.y, angle);
    }
}

void QuadXY::GetBoundingRect(GeoRect& rect) const { rect = BoundsOf(corners); }
GeoRect QuadXY::BoundingRect() const { return BoundsOf(corners); }

void Quad::Translate(double dx, double dy) {
    for (Point3& p : corners) {
        p.x += dx;
        p.y += dy;
    }
}

Quad Quad::Translated(const Point3& d) const {
    Quad q = *this;
    q.Translate(d.x, d.y);
    return q;
}

Quad Quad::RelativeTo(const Point3& p) const {
    Quad q = *this;
    q.Translate(-p.x, -p.y);
    return q;
}

void Quad::Scale(double a, double b) {
    for (Point3& p : corners) {
        p.x *= a;
        p.y *= b;
    }
}

void Quad::Rotate(double angle) {
    for (Point3& p : corners) {
        RotatePointXY(p.x, p.y, angle);
    }
}

Quad Quad::Rotated(double angle) const {
    Quad q = *this;
    q.Rotate(angle);
    return q;
}

void Quad::GetBoundingRect(GeoRect& rect) const { rect = BoundsOf(corners); }
GeoRect Quad::BoundingRect() const { return BoundsOf(corners); }

bool Quad::ContainsPoint(double x, double y) const {
    // Move the point to the origin and turn the outline so that its first edge runs
    // along +x. The turn uses the rotation matrix rather than the polar form: the polar
    // form puts a point on an unturned edge a rounding error inside (sin(pi) != 0).
    double a = -VectorAngleRadians(corners[1].x - corners[0].x, corners[1].y - corners[0].y);
    double ca = std::cos(a);
    double sa = std::sin(a);
    auto turned = [&](const Point3& p) {
        double px = p.x - x;
        double py = p.y - y;
        return Point2(px * ca - py * sa, px * sa + py * ca);
    };
    Point2 c0 = turned(corners[0]);
    Point2 c3 = turned(corners[3]);
    return c0.x < 0.0 && c0.y > 0.0 && c3.x > 0.0 && c3.y < 0.0;
}

} // namespace pf
