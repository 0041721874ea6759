#include "tiles/map_zoom.h"

#include "tiles/tile_attributes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pf {

namespace {

constexpr int32_t kMinStaticZoom = 3;
constexpr int32_t kMaxZoom = 20;
constexpr int32_t kMinTileZoom = 1;
// Degrees per pixel of the map service at zoom 20. Kept as the service's literal.
constexpr double kDegreesPerPixelAtZoom20 = 1.3411044749722664e-06;

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

} // namespace

MapZoom::MapZoom() : centre_(0.0, 0.0) {}

bool MapZoom::SetZoom(int32_t zoom) {
    if (zoom < kMinStaticZoom || zoom > kMaxZoom) {
        return false;
    }
    zoom_ = zoom;
    return true;
}

bool MapZoom::ZoomIn() { return zoom_ < kMaxZoom && SetZoom(zoom_ + 1); }
bool MapZoom::ZoomOut() { return zoom_ > kMinStaticZoom && SetZoom(zoom_ - 1); }

bool MapZoom::SetCentre(const LatLon& centre) {
    centre_ = LatLon(centre.GetLongitude(), centre.GetLatitude());
    return true;
}

double MapZoom::GetDegreesPerPixel() const {
    if (zoom_ < kMaxZoom) {
        return kDegreesPerPixelAtZoom20 * std::pow(2.0, kMaxZoom - zoom_);
    }
    return kDegreesPerPixelAtZoom20;
}

double MapZoom::GetPixelsPerDegree() const { return 1.0 / GetDegreesPerPixel(); }

double MapZoom::GetLatitudeDegreesPerPixel() const {
    return GetDegreesPerPixel() * std::cos(Radians(centre_.GetLatitude()));
}

double MapZoom::GetPixelsPerLatitudeDegree() const { return 1.0 / GetLatitudeDegreesPerPixel(); }

bool MapZoom::ShiftCentreWest(int32_t pixels) {
    centre_.AddLongitude(-(pixels * GetDegreesPerPixel()));
    return true;
}

bool MapZoom::ShiftCentreEast(int32_t pixels) {
    centre_.AddLongitude(pixels * GetDegreesPerPixel());
    return true;
}

void MapZoom::ShiftCentreLatitude(int32_t pixels, double sign) {
    // Quarter-pixel steps, each at the scale of the latitude reached so far, so the move
    // follows the cosine as the centre travels.
    const int64_t steps = 4 * static_cast<int64_t>(pixels);
    for (int64_t i = 0; i < steps; ++i) {
        centre_.AddLatitude(sign * 0.25 * GetLatitudeDegreesPerPixel());
    }
}

bool MapZoom::ShiftCentreNorth(int32_t pixels) {
    ShiftCentreLatitude(pixels, 1.0);
    return true;
}

bool MapZoom::ShiftCentreSouth(int32_t pixels) {
    ShiftCentreLatitude(pixels, -1.0);
    return true;
}

bool MapZoom::SetZoomClamped(int32_t zoom) {
    if (zoom < kMinTileZoom) {
        zoom_ = kMinTileZoom;
        return false;
    }
    if (zoom > kMaxZoom) {
        zoom_ = kMaxZoom;
        return false;
    }
    zoom_ = zoom;
    return true;
}

bool MapZoom::ZoomInClamped() {
    return SetZoomClamped(zoom_ >= kMaxZoom ? kMaxZoom + 1 : zoom_ + 1);
}

bool MapZoom::ZoomOutClamped() {
    return SetZoomClamped(zoom_ <= kMinTileZoom ? kMinTileZoom - 1 : zoom_ - 1);
}

double MapZoom::GetScale() const {
    // The width of the level-1 Earth tile at the origin sets the tile editor's scale.
    static const double kTileWidth = TileAttributes("Earth", 1, 0, 0).GetLatLonRect().GetWidth();
    return kTileWidth * (1024.0 / std::pow(2.0, zoom_) * 8.0) / 512.0;
}

double MapZoom::GetScaleAtCentre() const {
    return GetScale() * std::fabs(std::cos(Radians(centre_.GetLatitude())));
}

LatLonRect MapZoom::GetRegion(double width, double height) const {
    const double halfWidth = width / 2.0 * GetScale();
    const double halfHeight = height / 2.0 * GetScaleAtCentre();
    const double longitude = centre_.GetLongitude();
    const double latitude = centre_.GetLatitude();
    LatLonRect region;
    region.Set(longitude - halfWidth, std::min(90.0, latitude + halfHeight),
               longitude + halfWidth, std::max(-90.0, latitude - halfHeight));
    return region;
}

} // namespace pf
