#include "tiles/map_zoom.h"

#include "foundation/failure.h"
#include "imagery/geo_map.h"
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
// Larger stitched maps than this are no plan at all (and would not fit an int).
constexpr double kMaxPlanPixels = 16384.0;
constexpr int kPlanTries = 20;

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

bool MapZoom::FindZoomForExtent(const GeoMap& target, int32_t& zoom) {
    zoom = 5;
    if (target.GetRect() == nullptr) {
        return ShowFailureMessage("Get zoom level didn't work\r\n");
    }
    MapZoom view;
    view.SetZoom(zoom);
    view.SetCentre(target.GetRect()->GetCenter());
    const double targetDegreesPerPixel = target.GetDegreesPerPixelY();
    while (targetDegreesPerPixel < view.GetLatitudeDegreesPerPixel() && zoom < kMaxZoom) {
        ++zoom;
        view.SetZoom(zoom);
    }
    if (zoom < kMaxZoom) {
        return true;
    }
    return ShowFailureMessage("Get zoom level didn't work\r\n");
}

bool MapZoom::PlanMapTiles(int32_t zoom, const GeoMap& target, IntRect& plan) {
    const char kNoSize[] = "Problems finding correct map size\r\n";
    if (target.GetRect() == nullptr) {
        return ShowFailureMessage(kNoSize);
    }
    const LatLonRect& rect = *target.GetRect();
    MapZoom view;
    view.SetZoom(zoom); // a zoom outside 3..20 leaves the view at its default
    view.SetCentre(rect.GetCenter());

    // Near a pole the latitude scale explodes; such a plan is refused before any
    // conversion to int.
    const double right = std::trunc(rect.GetWidth() * view.GetPixelsPerDegree() + 0.5);
    const double bottom = std::trunc(rect.GetHeight() * view.GetPixelsPerLatitudeDegree() + 0.5);
    if (!(std::fabs(right) <= kMaxPlanPixels) || !(std::fabs(bottom) <= kMaxPlanPixels)) {
        return ShowFailureMessage(kNoSize);
    }
    IntRect result;
    result.right = static_cast<int>(right);
    result.bottom = static_cast<int>(bottom) - 10;

    view.SetCentre(rect.northWest);
    view.ShiftCentreSouth(result.bottom);
    const double south = rect.South();
    double previous = view.GetCentre().GetLatitude();
    for (int attempt = 0; attempt < kPlanTries; ++attempt) {
        const double latitude = view.GetCentre().GetLatitude();
        if (south >= latitude) {
            // One pixel back may lie nearer to the south edge than this one.
            if (std::fabs(previous - south) < std::fabs(latitude - south)) {
                --result.bottom;
            }
            plan = result;
            return true;
        }
        previous = latitude;
        view.ShiftCentreSouth(1);
        ++result.bottom;
    }
    return ShowFailureMessage(kNoSize);
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
    region.Set(longitude - halfWidth, std::min(90.0, latitude + halfHeight), longitude + halfWidth,
               std::max(-90.0, latitude - halfHeight));
    return region;
}

} // namespace pf
