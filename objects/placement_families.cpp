#include "objects/placement_families.h"

#include "foundation/math_helpers.h"
#include "imagery/bitmap_data.h"
#include "objects/parameter_lines.h"

#include <algorithm>
#include <cmath>

namespace pf {

namespace {

Point3 Midpoint(const Point3& a, const Point3& b) {
    return Point3{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0, (a.z + b.z) / 2.0};
}

void SetIconOnce(const AstrelObjectHandle& object, ObjectImaging& out, int32_t across,
                 int32_t along) {
    BitmapData icon;
    object.GetIcon(icon);
    out.SetIcon(icon, across, along);
}

} // namespace

// ---- end-placed family ----

bool NewEnd12::SetupStrip(const BaseDocument& document, ObjectImaging& out, bool highlight,
                          bool withIcon) const {
    out.SetupFromEnds(document, end1.Get(), end2.Get(), StripWidth(), highlight);
    if (withIcon) {
        SetIconOnce(*this, out, 1, 1);
    }
    return true;
}

bool NewEnd12::SetupImaging(const BaseDocument& document, ObjectImaging& out,
                            bool highlight) const {
    return SetupStrip(document, out, highlight, true);
}

bool NewEnd12::SetupOutline(const BaseDocument& document, ObjectImaging& out) const {
    return SetupStrip(document, out, false, false);
}

Point3 NewEnd12::GetPosition() const { return Midpoint(end1.Get(), end2.Get()); }

ScalarValue NewEnd12::GetSize1() const {
    return ScalarValue(std::fabs(end1[1].value - end2[1].value));
}

ScalarValue NewEnd12::GetSize0() const {
    return ScalarValue(std::fabs(end1[0].value - end2[0].value));
}

ScalarValue NewEnd12::GetRotation() const {
    return ScalarValue(DirectionAngle(end1[0].value, end1[1].value, end2[0].value, end2[1].value));
}

void NewEnd12::SetEnd1(const Point3& p) { end1.Set(p); }

bool NewEnd12::SetEnd2(const Point3& p) {
    end2.Set(p);
    if (!end1.IsSet()) {
        return false;
    }
    return !(end1[0].value == end2[0].value && end1[1].value == end2[1].value &&
             end1[2].value == end2[2].value);
}

void NewEnd12::Rotate(double delta, double /*step*/) {
    const Point3 c = GetPosition();
    const double angle = DegreesToRadians(delta);
    for (OptionalVector3Double* end : {&end1, &end2}) {
        double dx = (*end)[0].value - c.x;
        double dy = (*end)[1].value - c.y;
        RotatePointXY(dx, dy, angle);
        (*end)[0].value = c.x + dx;
        (*end)[1].value = c.y + dy;
    }
}

void NewEnd12::SetPosition(const Point3& p) {
    const Point3 c = GetPosition();
    const double dx = p.x - c.x;
    const double dy = p.y - c.y;
    for (OptionalVector3Double* end : {&end1, &end2}) {
        (*end)[0].value += dx;
        (*end)[1].value += dy;
    }
}

ScalarValue NewEnd12::GetTopHeight() const {
    return ScalarValue(std::max(end1[2].value, end2[2].value));
}

bool NewEnd12::ReadBackTopHeight(double& height) const { return EndLinesTopHeight(*this, height); }

ScalarValue NewEnd12::GetEnd1Height() const { return ScalarValue(end1[2].value); }
ScalarValue NewEnd12::GetEnd2Height() const { return ScalarValue(end2[2].value); }
Point3 NewEnd12::GetEnd1() const { return end1.Get(); }
Point3 NewEnd12::GetEnd2() const { return end2.Get(); }

void NewEnd12Width::SetSize1(double v) {
    if (v > 0.1) {
        width.Set(v);
    }
}

void NewEnd12CountSizeCol::SetSize0(double v) { size.Set(v / 2.0); }
void NewEnd12CountSizeCol::SetSize1(double v) { size.Set(v / 2.0); }

void NewEnd12CountSizeCol::SetPosition(const Point3& p) {
    if (end1[0].value == end2[0].value && end1[1].value == end2[1].value) {
        end1[0].value = p.x;
        end1[1].value = p.y;
        end2[0].value = p.x;
        end2[1].value = p.y;
        return;
    }
    NewEnd12::SetPosition(p);
}

bool NewEnd12CountSizeCol::SetupStrip(const BaseDocument& document, ObjectImaging& out,
                                      bool highlight, bool withIcon) const {
    const double w = std::max(2.0 * size.value, 10.0);
    if (end1[0].value == end2[0].value && end1[1].value == end2[1].value) {
        // A single column of beacons: a square around it.
        const Point3 square{w, w, end2[2].value - end1[2].value};
        out.SetupFromPosScaleRot(document, end1.Get(), square, 0.0, highlight);
    } else {
        out.SetupFromEnds(document, end1.Get(), end2.Get(), w, highlight);
    }
    if (withIcon) {
        SetIconOnce(*this, out, 1, 1);
    }
    return true;
}

ScalarValue NewEnd12Speed::GetTopHeight() const {
    return ScalarValue(NewEnd12::GetTopHeight().value + 5.0);
}

bool NewEnd12Speed::ReadBackTopHeight(double& top) const {
    if (!NewEnd12::ReadBackTopHeight(top)) {
        return false;
    }
    top += 5.0;
    return true;
}

ScalarValue NewEnd12SpeedHeight::GetTopHeight() const {
    return ScalarValue(NewEnd12::GetTopHeight().value + static_cast<double>(height.value));
}

bool NewEnd12SpeedHeight::ReadBackTopHeight(double& top) const {
    double above = 0.0;
    if (!NewEnd12::ReadBackTopHeight(top) ||
        (height.given && !ValueAsRead(height.value, 4, above))) {
        return false;
    }
    top += above;
    return true;
}

// ---- position-placed family ----

NewPosScaleRot::NewPosScaleRot(int32_t type) : AstrelObjectHandle(type) {
    for (int i = 0; i < 3; ++i) {
        scale[i].value = 1.0;
    }
}

bool NewPosScaleRot::SetupImaging(const BaseDocument& document, ObjectImaging& out,
                                  bool highlight) const {
    out.SetupFromPosScaleRot(document, pos.Get(), scale.Get(), rot.value, highlight);
    int32_t across = 1;
    int32_t along = 1;
    GetIconRepeat(across, along);
    SetIconOnce(*this, out, across, along);
    return true;
}

bool NewPosScaleRot::SetupOutline(const BaseDocument& document, ObjectImaging& out) const {
    out.SetupFromPosScaleRot(document, pos.Get(), scale.Get(), rot.value, false);
    return true;
}

Point3 NewPosScaleRot::GetPosition() const { return pos.Get(); }

GeoRect NewPosScaleRot::TurnedBounds() const {
    GeoRect r;
    r.left = -scale[0].value / 2.0;
    r.right = scale[0].value / 2.0;
    r.bottom = -scale[1].value / 2.0;
    r.top = scale[1].value / 2.0;
    Quad q = r.ToQuad();
    q.Rotate(DegreesToRadians(rot.value));
    return q.BoundingRect();
}

ScalarValue NewPosScaleRot::GetSize1() const { return ScalarValue(TurnedBounds().Height()); }
ScalarValue NewPosScaleRot::GetSize0() const { return ScalarValue(TurnedBounds().Width()); }
ScalarValue NewPosScaleRot::GetRotation() const { return ScalarValue(rot.value); }

void NewPosScaleRot::SetSize0(double v) { scale[0].Set(v < 0.1 ? 0.1 : v); }
void NewPosScaleRot::SetSize1(double v) { scale[1].Set(v < 0.1 ? 0.1 : v); }

double NewPosScaleRot::TurnedRotation(double delta, double step) const {
    double r = rot.value + delta;
    RoundToStep(r, step);
    if (r < 0.0) {
        r += 360.0;
    }
    if (r > 360.0) {
        r -= 360.0;
    }
    return r;
}

void NewPosScaleRot::Rotate(double delta, double step) { rot.Set(TurnedRotation(delta, step)); }

void NewPosScaleRot::SetRotation(double degrees) { rot.Set(degrees); }

void NewPosScaleRot::SetPosition(const Point3& p) {
    // Moving an object on the map keeps its height above the ground.
    pos.Set(p.x, p.y, pos[2].value);
}

ScalarValue NewPosScaleRot::GetTopHeight() const {
    return ScalarValue(pos[2].value + scale[2].value);
}

bool NewPosScaleRotTex123::ReadBackTopHeight(double& height) const {
    return PosScaleRotLinesTopHeight(*this, height);
}

void NewPosDiameterRotTexNav::SetSize0(double v) {
    const double d = v < 0.1 ? 0.1 : v;
    scale[0].Set(d);
    scale[1].Set(d);
}

void NewPosDiameterRotTexNav::SetSize1(double v) { SetSize0(v); }

void FilePosScaleRotTexMesh::SetSize0(double v) {
    const double width = extent.Width();
    if (width < 1e-5) {
        return;
    }
    v = std::max(v, 0.1);
    if (keepAspect) {
        const float ratio = std::fabs(static_cast<float>(v) / static_cast<float>(width));
        scale[1].Set(extent.Height() * ratio);
        scale[2].Set((highestY - lowestY) * ratio);
    }
    scale[0].Set(v);
}

void FilePosScaleRotTexMesh::SetSize1(double v) {
    const double height = extent.Height();
    if (height < 1e-5) {
        return;
    }
    v = std::max(v, 0.1);
    if (keepAspect) {
        const float ratio = std::fabs(static_cast<float>(v) / static_cast<float>(height));
        scale[0].Set(extent.Width() * ratio);
        scale[2].Set((highestY - lowestY) * ratio);
    }
    scale[1].Set(v);
}

void NewPosScaleRotSpacingGridTex::GetIconRepeat(int32_t& across, int32_t& along) const {
    across = grid[0].value;
    along = grid[1].value;
}

float TextureRepeatFactor(double size) {
    const float s = std::fabs(static_cast<float>(size));
    const double q = static_cast<double>(s) / 15.0;
    int n = q < 1.0 || !std::isfinite(q) ? 1 : (q > 1e9 ? 1000000000 : static_cast<int>(q));
    if (n < 1) {
        n = 1;
    }
    return static_cast<float>(n) * 0.5f;
}

} // namespace pf
