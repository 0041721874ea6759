#include "objects/object_imaging.h"

#include "document/base_document.h"
#include "foundation/failure.h"
#include "foundation/lat_lon.h"
#include "imagery/drawing.h"
#include "imagery/geo_map.h"
#include "imagery/resample.h"
#include "workspace/astrel_body.h"

#include <algorithm>
#include <cmath>

namespace pf {

namespace {

// The measure of a degree of longitude vanishes at a pole; this keeps it finite.
constexpr double kMaxMeasureLatitude = 89.999;

const ColorRGB kGrey(127, 127, 127);
const ColorRGB kWhite(255, 255, 255);

Point2 Mid(const Point2& a, const Point2& b) {
    return Point2((a.x + b.x) / 2.0, (a.y + b.y) / 2.0);
}

// Pixel bounds clamped into [lo, hi] before any integer conversion.
int ClampToInt(double v, int lo, int hi) {
    if (!(v > lo)) {
        return lo;
    }
    if (v > hi) {
        return hi;
    }
    return static_cast<int>(v);
}

// A 24-bit copy of any 24- or 32-bit picture.
bool To24Bit(const BitmapData& source, BitmapData& out) {
    if (source.BitsPerPixel() == 24) {
        return out.DeepCopy(source);
    }
    if (source.BitsPerPixel() != 32 || !out.Create24(source.Width(), source.Height())) {
        return false;
    }
    return BitmapData::Blit32To24(out, source, out.GetRect(), source.GetRect());
}

} // namespace

bool IsNearPoint(const Point2& a, const Point2& b) {
    return std::fabs(a.x - b.x) < 5.0 && std::fabs(a.y - b.y) < 5.0;
}

FootprintRecord::FootprintRecord() {
    for (Point2& p : corner) {
        p = Point2(-1.0, -1.0);
    }
    for (Point2& p : sideHandle) {
        p = Point2(-1.0, -1.0);
    }
    centreHandle = Point2(-1.0, -1.0);
}

FootprintRecord::FootprintRecord(const Point2& c0, const Point2& c1, const Point2& c2,
                                 const Point2& c3)
    : valid(true) {
    corner[0] = c0;
    corner[1] = c1;
    corner[2] = c2;
    corner[3] = c3;
    centreHandle = Mid(c0, c3);
    sideHandle[0] = Mid(c0, c1);
    sideHandle[1] = Mid(c0, c2);
    sideHandle[2] = Mid(c1, c3);
    sideHandle[3] = Mid(c2, c3);
}

bool FootprintRecord::HitCentreHandle(const Point2& p) const {
    return valid && IsNearPoint(p, centreHandle);
}
bool FootprintRecord::HitSideHandle0(const Point2& p) const {
    return valid && IsNearPoint(p, sideHandle[0]);
}
bool FootprintRecord::HitSideHandle1(const Point2& p) const {
    return valid && IsNearPoint(p, sideHandle[1]);
}
bool FootprintRecord::HitSideHandle2(const Point2& p) const {
    return valid && IsNearPoint(p, sideHandle[2]);
}
bool FootprintRecord::HitSideHandle3(const Point2& p) const {
    return valid && IsNearPoint(p, sideHandle[3]);
}
bool FootprintRecord::HitCornerHandle(const Point2& p) const {
    if (!valid) {
        return false;
    }
    for (const Point2& c : corner) {
        if (IsNearPoint(p, c)) {
            return true;
        }
    }
    return false;
}

ObjectImaging::ObjectImaging(const BaseDocument& owner) : owner_(&owner) {}

void ObjectImaging::Assign(const ObjectImaging& other) {
    if (this == &other) {
        return;
    }
    owner_ = other.owner_;
    valid_ = other.valid_;
    highlighted_ = other.highlighted_;
    reserved_ = other.reserved_;
    height_ = other.height_;
    heading_ = other.heading_;
    positionX_ = other.positionX_;
    positionY_ = other.positionY_;
    zero_ = other.zero_;
    localCorners_ = other.localCorners_;
    turnedCorners_ = other.turnedCorners_;
    placedCorners_ = other.placedCorners_;
    repeatX_ = other.repeatX_;
    repeatY_ = other.repeatY_;
}

void ObjectImaging::SetIcon(BitmapData& image, int32_t repeatX, int32_t repeatY) {
    icon_.Swap(image);
    repeatX_ = repeatX;
    repeatY_ = repeatY;
}

void ObjectImaging::Reset(const BaseDocument& owner, bool highlighted) {
    owner_ = &owner;
    height_ = heading_ = positionX_ = positionY_ = zero_ = 0.0;
    localCorners_ = Quad{};
    turnedCorners_ = Quad{};
    placedCorners_ = Quad{};
    icon_.Free();
    highlighted_ = highlighted;
    valid_ = true;
}

void ObjectImaging::SetupFromPosScaleRot(const BaseDocument& owner, const Point3& pos,
                                         const Point3& scale, double rotationDegrees,
                                         bool highlighted) {
    Reset(owner, highlighted);
    PlaceFootprint(pos, Point3{scale.x / 2.0, scale.y / 2.0, scale.z},
                   DegreesToRadians(rotationDegrees));
}

void ObjectImaging::SetupFromEnds(const BaseDocument& owner, const Point3& end1, const Point3& end2,
                                  double width, bool highlighted) {
    Reset(owner, highlighted);
    const double dx = end1.x - end2.x;
    const double dy = end1.y - end2.y;
    const Point3 centre{(end1.x + end2.x) / 2.0, (end1.y + end2.y) / 2.0, 0.0};
    const Point3 half{std::sqrt(dx * dx + dy * dy) / 2.0, width / 2.0, 0.0};
    PlaceFootprint(centre, half, VectorAngleRadians(dx, dy));
}

void ObjectImaging::PlaceFootprint(const Point3& position, const Point3& half,
                                   double angleRadians) {
    reserved_ = 0;
    heading_ = RadiansToDegrees(angleRadians);
    height_ = half.z;
    const double a = half.x;
    const double b = half.y;
    localCorners_.corners[0] = Point3{-a, b, 0.0};
    localCorners_.corners[1] = Point3{a, b, 0.0};
    localCorners_.corners[2] = Point3{-a, -b, 0.0};
    localCorners_.corners[3] = Point3{a, -b, 0.0};
    turnedCorners_ = localCorners_.Rotated(angleRadians);
    positionX_ = position.x;
    positionY_ = position.y;
    placedCorners_ = turnedCorners_;
    placedCorners_.Translate(positionX_, positionY_);
}

bool ObjectImaging::IsValid() const {
    if (!valid_) {
        return ShowFailureMessage("ObjectImaging not set");
    }
    const double width = localCorners_.corners[3].x - localCorners_.corners[2].x;
    const double length = localCorners_.corners[0].y - localCorners_.corners[2].y;
    if (width < 0.0 || length < 0.0) {
        return ShowFailureMessage("Couldn't generate object image");
    }
    // Zero or unmeasurable sizes have nothing to draw.
    return width > 0.0 && length > 0.0 && std::isfinite(width) && std::isfinite(length);
}

bool ObjectImaging::GetCorners(Point2 out[4]) const {
    if (!IsValid()) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        out[i] = Point2(placedCorners_.corners[i].x, placedCorners_.corners[i].y);
    }
    return true;
}

bool ObjectImaging::DegreesPerMetre(const LatLon& reference, double& perMetreX,
                                    double& perMetreY) const {
    const AstrelBody& body = owner_->GetBody();
    if (!(body.radius > 0.0) || !std::isfinite(body.radius)) {
        return false;
    }
    const double latitude =
        std::clamp(reference.GetLatitude(), -kMaxMeasureLatitude, kMaxMeasureLatitude);
    perMetreX = 1.0 / body.GetMetresPerDegreeLongitude(latitude);
    perMetreY = 1.0 / body.GetMetresPerDegree();
    return std::isfinite(perMetreX) && std::isfinite(perMetreY);
}

bool ObjectImaging::GetCornerPixels(const GeoMap& map, const LatLon& reference,
                                    Point2 out[4]) const {
    if (!IsValid()) {
        return ShowFailureMessage("Test in innBltOnMap failed\r\n");
    }
    double perX = 0.0;
    double perY = 0.0;
    if (!DegreesPerMetre(reference, perX, perY)) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        LatLon corner = reference;
        corner.AddLongitude(placedCorners_.corners[i].x * perX);
        corner.AddLatitude(placedCorners_.corners[i].y * perY);
        const MapPixel pixel = map.LatLonToPixel(corner);
        out[i] = Point2(pixel.x + 0.5, pixel.y + 0.5);
    }
    return true;
}

bool ObjectImaging::GetFootprintPixels(const GeoMap& map, const LatLon& reference,
                                       FootprintRecord& out) const {
    Point2 c[4];
    if (!GetCornerPixels(map, reference, c)) {
        return false;
    }
    out = FootprintRecord(c[0], c[1], c[2], c[3]);
    return true;
}

bool ObjectImaging::PrepareIcon(BitmapData& picture, double acrossPixels,
                                double alongPixels) const {
    if (!icon_.HasPixels() || icon_.Width() == 0 || icon_.Height() == 0 ||
        !To24Bit(icon_, picture)) {
        return false;
    }
    if (highlighted_) {
        picture.AdjustBrightness(2.0);
    }
    // A picture far larger than its place on the map only costs time.
    while (picture.Width() > 2.0 * acrossPixels && picture.Height() > 2.0 * alongPixels &&
           picture.Width() > 1 && picture.Height() > 1) {
        if (!HalveImage(picture)) {
            break;
        }
    }
    return true;
}

bool ObjectImaging::DrawOnMap(GeoMap& map, const LatLon& reference) const {
    if (!IsValid()) {
        return false;
    }
    BitmapData* target = map.GetImage();
    if (target == nullptr || map.GetRect() == nullptr || !target->HasPixels()) {
        return ShowFailureMessage("Maps are not properly initialized\r\n");
    }
    if (target->BitsPerPixel() != 24 || target->Width() == 0 || target->Height() == 0) {
        return ShowFailureMessage("Maps are not in proper format\r\n");
    }
    double perX = 0.0;
    double perY = 0.0;
    if (!DegreesPerMetre(reference, perX, perY)) {
        return false;
    }

    // The object's box in degrees, and the part of it the map shows.
    double west = 0.0, east = 0.0, north = 0.0, south = 0.0;
    for (int i = 0; i < 4; ++i) {
        LatLon corner = reference;
        corner.AddLongitude(placedCorners_.corners[i].x * perX);
        corner.AddLatitude(placedCorners_.corners[i].y * perY);
        const double lon = corner.GetLongitude();
        const double lat = corner.GetLatitude();
        if (i == 0) {
            west = east = lon;
            north = south = lat;
        } else {
            west = std::min(west, lon);
            east = std::max(east, lon);
            north = std::max(north, lat);
            south = std::min(south, lat);
        }
    }
    LatLonRect box;
    box.Set(west, north, east, south);
    LatLonRect visible;
    if (!LatLonRect::Intersect(box, *map.GetRect(), visible)) {
        return true;
    }
    const double sx = visible.GetWidth() / map.GetDegreesPerPixelX();
    const double sy = visible.GetHeight() / map.GetDegreesPerPixelY();
    if (sx == 0.0 || sy == 0.0 || !std::isfinite(sx) || !std::isfinite(sy)) {
        return true;
    }
    if (sx < 5.0 && sy < 5.0) {
        return true;
    }

    Point2 p[4];
    if (!GetCornerPixels(map, reference, p)) {
        return false;
    }
    const double e1x = p[1].x - p[0].x, e1y = p[1].y - p[0].y;
    const double e2x = p[2].x - p[0].x, e2y = p[2].y - p[0].y;
    const int repeatX = std::max<int32_t>(repeatX_, 1);
    const int repeatY = std::max<int32_t>(repeatY_, 1);

    BitmapData picture;
    const bool useIcon =
        PrepareIcon(picture, std::hypot(e1x, e1y) / repeatX, std::hypot(e2x, e2y) / repeatY);
    const ColorRGB fill = highlighted_ ? kWhite : kGrey;

    // Every map pixel whose centre lies in the footprint is mapped back into it:
    // (i + 0.5, j + 0.5) - P0 = u (P1 - P0) + v (P2 - P0).
    const double det = e1x * e2y - e1y * e2x;
    if (std::fabs(det) > 1e-9) {
        const double minX = std::min({p[0].x, p[1].x, p[2].x, p[3].x});
        const double maxX = std::max({p[0].x, p[1].x, p[2].x, p[3].x});
        const double minY = std::min({p[0].y, p[1].y, p[2].y, p[3].y});
        const double maxY = std::max({p[0].y, p[1].y, p[2].y, p[3].y});
        const int x0 = ClampToInt(std::floor(minX), 0, target->Width());
        const int x1 = ClampToInt(std::ceil(maxX), 0, target->Width());
        const int y0 = ClampToInt(std::floor(minY), 0, target->Height());
        const int y1 = ClampToInt(std::ceil(maxY), 0, target->Height());
        const double du = e2y / det;  // change of u per pixel to the right
        const double dv = -e1y / det; // change of v per pixel to the right
        const int w = picture.Width();
        const int h = picture.Height();
        for (int j = y0; j < y1; ++j) {
            const double qy = j + 0.5 - p[0].y;
            const double qx0 = x0 + 0.5 - p[0].x;
            double u = (qx0 * e2y - qy * e2x) / det;
            double v = (e1x * qy - e1y * qx0) / det;
            std::uint8_t* row = target->Row(j);
            for (int i = x0; i < x1; ++i, u += du, v += dv) {
                if (!(u >= 0.0 && u < 1.0 && v >= 0.0 && v < 1.0)) {
                    continue;
                }
                std::uint8_t* out = row + 3 * static_cast<std::ptrdiff_t>(i);
                if (!useIcon) {
                    out[0] = fill.blue;
                    out[1] = fill.green;
                    out[2] = fill.red;
                    continue;
                }
                const double fu = u * repeatX - std::floor(u * repeatX);
                const double fv = v * repeatY - std::floor(v * repeatY);
                const int sxp = std::min(static_cast<int>(fu * w), w - 1);
                const int syp = std::min(static_cast<int>(fv * h), h - 1);
                const std::uint8_t* in = picture.PixelAddress(sxp, syp);
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
            }
        }
    }

    DrawLine(*target, p[0].x, p[0].y, p[1].x, p[1].y, kWhite);
    DrawLine(*target, p[1].x, p[1].y, p[3].x, p[3].y, kWhite);
    DrawLine(*target, p[3].x, p[3].y, p[2].x, p[2].y, kWhite);
    DrawLine(*target, p[2].x, p[2].y, p[0].x, p[0].y, kWhite);
    return true;
}

} // namespace pf
