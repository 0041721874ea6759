#pragma once
// A map view: a zoom level and a centre, from which the degrees per pixel follow.
// One type serves two families: static-map views (zoom 3..20, the map service's own
// scale) and the tile editor's views (zoom 1..20, 5.625 / 2^zoom degrees per pixel).
// A view is used with one family only.
#include "foundation/geometry.h"
#include "foundation/lat_lon.h"

#include <cstdint>

namespace pf {

class GeoMap;

class MapZoom {
  public:
    // Zoom 3 centred on (0, 0): the map picker starts from exactly that.
    MapZoom();

    // Static-map family.
    bool SetZoom(int32_t zoom); // refused outside 3..20
    bool ZoomIn();
    bool ZoomOut();
    int32_t GetZoom() const { return zoom_; }
    bool SetCentre(const LatLon& centre);
    LatLon GetCentre() const { return centre_; }
    double GetDegreesPerPixel() const;
    double GetPixelsPerDegree() const;
    double GetLatitudeDegreesPerPixel() const;
    double GetPixelsPerLatitudeDegree() const;
    bool ShiftCentreWest(int32_t pixels);
    bool ShiftCentreEast(int32_t pixels);
    bool ShiftCentreNorth(int32_t pixels);
    bool ShiftCentreSouth(int32_t pixels);
    // The first zoom from 5 up whose latitude degrees per pixel at the target's centre is
    // no coarser than the target's; false (reported) when that takes zoom 20.
    static bool FindZoomForExtent(const GeoMap& target, int32_t& zoom);
    // The pixel size {0, 0, right, bottom} of a stitched map covering the target at that
    // zoom, found by walking south from its north-west corner; false (reported) when no
    // sensible size is found.
    static bool PlanMapTiles(int32_t zoom, const GeoMap& target, IntRect& plan);

    // Tile-editor family.
    bool SetZoomClamped(int32_t zoom); // clamped into 1..20; false when clamped
    bool ZoomInClamped();
    bool ZoomOutClamped();
    double GetScale() const;         // degrees of longitude per pixel
    double GetScaleAtCentre() const; // degrees of latitude per pixel
    // The region a width x height view shows around the centre. Clamped at the poles and
    // not wrapped at +-180, so west < east always and widths stay positive.
    LatLonRect GetRegion(double width, double height) const;

  private:
    void ShiftCentreLatitude(int32_t pixels, double sign);

    int32_t zoom_ = 3;
    LatLon centre_;
};

} // namespace pf
