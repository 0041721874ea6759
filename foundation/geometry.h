#pragma once
// Values, angles and the plane geometry of base objects: a flat local map in metres with
// y pointing up. Angles of object parameters are degrees; turning operations of outlines
// take radians.
#include <cstdint>

namespace pf {

// One double used for lengths and angles. Comparisons are plain double comparisons, so
// NaN compares false everywhere.
class ScalarValue {
  public:
    ScalarValue() = default;
    explicit ScalarValue(double v) : value(v) {}

    double Value() const { return value; }

    ScalarValue operator+(const ScalarValue& o) const { return ScalarValue(value + o.value); }
    ScalarValue operator-(const ScalarValue& o) const { return ScalarValue(value - o.value); }
    ScalarValue operator*(const ScalarValue& o) const { return ScalarValue(value * o.value); }
    ScalarValue operator/(const ScalarValue& o) const { return ScalarValue(value / o.value); }
    ScalarValue operator-() const { return ScalarValue(-value); }

    bool operator>=(const ScalarValue& o) const { return value >= o.value; }
    bool operator>(const ScalarValue& o) const { return value > o.value; }
    bool operator<(const ScalarValue& o) const { return value < o.value; }
    bool operator==(const ScalarValue& o) const { return value == o.value; }

    // Rounds to the nearest multiple of step (see RoundToStep).
    void SnapTo(double step);

    double value = 0.0;
};

ScalarValue Abs(const ScalarValue& v);

double RadiansToDegrees(double a);
double DegreesToRadians(double a);
double Cos(double a);
double Sin(double a);
ScalarValue Atan(double a);
ScalarValue Sqrt(double a);

// x when -360 < x <= 360, else the exact remainder of x / 360 (std::fmod: the sign of x,
// magnitude below 360), so a wrapped value wraps to itself. NaN and infinity give NaN.
double WrapAngle360(double x);
// Direction of (x, y) in [0, 2 pi), counter-clockwise from +x; 0 for the null vector.
double VectorAngleRadians(double x, double y);
// The same in degrees, [0, 360).
double VectorAngle(double x, double y);

struct Point2 {
    Point2() = default;
    Point2(double px, double py) : x(px), y(py) {}
    void Set(int px, int py) {
        x = px;
        y = py;
    }
    double x = 0.0;
    double y = 0.0;
};

struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Direction from the first point to the second, in degrees.
double DirectionAngle(double x1, double y1, double x2, double y2);
double DirectionAngle(const Point2& from, const Point2& to);
double DirectionAngle(const Point3& from, const Point3& to); // z ignored
// Turns (x, y) about the origin by angle radians (polar form; the origin stays).
void RotatePointXY(double& x, double& y, double angle);
double Distance3(const Point3& p, const Point3& q);

// An integer rectangle in the platform's order: left, top, right, bottom.
struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Quad;

// Axis-aligned rectangle with y up: top >= bottom for a proper rectangle.
struct GeoRect {
    double left = 0.0;
    double right = 0.0;
    double top = 0.0;
    double bottom = 0.0;

    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
    ScalarValue WidthValue() const { return ScalarValue(Width()); }
    ScalarValue HeightValue() const { return ScalarValue(Height()); }
    // Each value + 0.5 truncated toward zero, clamped to the int range.
    IntRect ToIntRect() const;
    // Edges belong to the rectangle.
    bool Contains(double x, double y) const;
    // Corners 0 (left, top), 1 (right, top), 2 (left, bottom), 3 (right, bottom), z = 0.
    Quad ToQuad() const;
};

// A straight line of one of three kinds. Horizontal and vertical lines hold m = 1/m = 0.
struct Line {
    static constexpr int32_t kHorizontal = 0; // y = c
    static constexpr int32_t kSloped = 1;     // y = m x + c, x = xi + y / m
    static constexpr int32_t kVertical = 2;   // x = xi

    Line() = default;
    Line(double x1, double y1, double x2, double y2) { FromPoints(x1, y1, x2, y2); }

    void FromPoints(double x1, double y1, double x2, double y2);
    void FromPoints3(const Point3& p, const Point3& q) { FromPoints(p.x, p.y, q.x, q.y); }
    // x on this line at height y: (y - c) / m for a sloped line, xi for a vertical one.
    double XAtY(double y) const;
    // The crossing point of the two lines; out stays as given when they do not cross in
    // one point (parallel, or both horizontal, or both vertical).
    void Intersect(const Line& other, Point2& out) const;
    // The line through (px, py) at right angles to this one.
    Line PerpendicularThrough(double px, double py) const;

    int32_t kind = kHorizontal;
    double m = 0.0;
    double inv_m = 0.0;
    double c = 0.0;
    double xi = 0.0;
};

// Four corners (x, y): 0 and 1 along the first edge, 2 and 3 opposite.
struct QuadXY {
    Point2 corners[4];

    static QuadXY FromRect(const GeoRect& r);
    void Translate(double dx, double dy);
    // Turns every corner about the origin by angle radians.
    void Rotate(double angle);
    void GetBoundingRect(GeoRect& rect) const;
    GeoRect BoundingRect() const;
};

// Four corners (x, y, z). Every operation works on x and y and leaves z alone.
struct Quad {
    Point3 corners[4];

    void Translate(double dx, double dy);
    Quad Translated(const Point3& d) const;
    Quad RelativeTo(const Point3& p) const;
    void Scale(double a, double b);
    void Rotate(double angle);
    Quad Rotated(double angle) const;
    void GetBoundingRect(GeoRect& rect) const;
    GeoRect BoundingRect() const;
    // Strictly inside: points on the outline are outside.
    bool ContainsPoint(double x, double y) const;
};

} // namespace pf
