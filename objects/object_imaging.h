#pragma once
// An object's footprint on the ground and on a map: the record the placement families
// fill from an object's placement, which draws the object's icon over its footprint onto
// a georeferenced map and gives the pixel positions of its nine grab handles.
//
// Ground coordinates are metres relative to the base position, x east and y north.
// Corner order c0..c3 is west-north, east-north, west-south, east-south before turning.
#include "foundation/geometry.h"
#include "imagery/bitmap_data.h"

#include <cstdint>

namespace pf {

class BaseDocument;
class GeoMap;
class LatLon;

// Both coordinates closer than 5 pixels: a 10-pixel square around the handle.
bool IsNearPoint(const Point2& a, const Point2& b);

// A footprint in map pixels with its handles: the centre, the midpoints of the sides
// c0-c1 (0), c0-c2 (1), c1-c3 (2) and c2-c3 (3), and the corners.
struct FootprintRecord {
    // Not valid, every point (-1, -1): never hit.
    FootprintRecord();
    FootprintRecord(const Point2& c0, const Point2& c1, const Point2& c2, const Point2& c3);

    void Assign(const FootprintRecord& other) { *this = other; }

    bool HitCentreHandle(const Point2& p) const;
    bool HitSideHandle0(const Point2& p) const;
    bool HitSideHandle1(const Point2& p) const;
    bool HitSideHandle2(const Point2& p) const;
    bool HitSideHandle3(const Point2& p) const;
    bool HitCornerHandle(const Point2& p) const;

    bool valid = false;
    Point2 corner[4];
    Point2 centreHandle;
    Point2 sideHandle[4];
};

class ObjectImaging {
  public:
    explicit ObjectImaging(const BaseDocument& owner);
    ObjectImaging(const ObjectImaging&) = delete;
    ObjectImaging& operator=(const ObjectImaging&) = delete;

    // Every field but the icon.
    void Assign(const ObjectImaging& other);
    // Takes the caller's image (swapped in) and how often it repeats across and along.
    void SetIcon(BitmapData& image, int32_t repeatX, int32_t repeatY);

    // Footprint centred on POS, SCALE.x by SCALE.y, turned by ROT degrees.
    void SetupFromPosScaleRot(const BaseDocument& owner, const Point3& pos, const Point3& scale,
                              double rotationDegrees, bool highlighted);
    // Strip between the ends of the given width; its heading points from END2 to END1.
    void SetupFromEnds(const BaseDocument& owner, const Point3& end1, const Point3& end2,
                       double width, bool highlighted);
    // half = (a, b, height): half extents and the height record.
    void PlaceFootprint(const Point3& position, const Point3& half, double angleRadians);

    // Not set: "ObjectImaging not set"; negative size: "Couldn't generate object image";
    // zero size: false without a message.
    bool IsValid() const;
    bool GetCorners(Point2 out[4]) const;
    // Map pixels of the four corners (each + 0.5).
    bool GetCornerPixels(const GeoMap& map, const LatLon& reference, Point2 out[4]) const;
    bool GetFootprintPixels(const GeoMap& map, const LatLon& reference, FootprintRecord& out) const;
    // Icon (or a grey or white fill) over the footprint, then a white outline. An object
    // off the map or under 5 pixels both ways draws nothing and succeeds.
    bool DrawOnMap(GeoMap& map, const LatLon& reference) const;

    bool IsSet() const { return valid_; }
    bool IsHighlighted() const { return highlighted_; }
    double GetHeading() const { return heading_; }
    double GetHeight() const { return height_; }
    double GetPositionX() const { return positionX_; }
    double GetPositionY() const { return positionY_; }
    const Quad& GetLocalCorners() const { return localCorners_; }
    const Quad& GetTurnedCorners() const { return turnedCorners_; }
    const Quad& GetPlacedCorners() const { return placedCorners_; }
    const BitmapData& GetIcon() const { return icon_; }
    int32_t GetRepeatX() const { return repeatX_; }
    int32_t GetRepeatY() const { return repeatY_; }
    const BaseDocument& GetOwner() const { return *owner_; }

  private:
    void Reset(const BaseDocument& owner, bool highlighted);
    // Degrees per metre east and north at the reference latitude; false for a body
    // without a positive radius.
    bool DegreesPerMetre(const LatLon& reference, double& perMetreX, double& perMetreY) const;
    // A 24-bit copy of the icon fit for painting, or false when the fill colour is used.
    bool PrepareIcon(BitmapData& picture, double acrossPixels, double alongPixels) const;

    const BaseDocument* owner_;
    bool valid_ = false;
    bool highlighted_ = false;
    int32_t reserved_ = 0;
    double height_ = 0.0;
    double heading_ = 0.0;
    double positionX_ = 0.0;
    double positionY_ = 0.0;
    double zero_ = 0.0;
    Quad localCorners_;
    Quad turnedCorners_;
    Quad placedCorners_;
    BitmapData icon_;
    int32_t repeatX_ = 1;
    int32_t repeatY_ = 1;
};

} // namespace pf
