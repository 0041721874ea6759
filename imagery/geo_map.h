#pragma once
// Georeferenced images: an image together with the part of the globe it shows, and the
// projection of one such image onto another (a tile onto a map, a turned icon onto a
// map, one map into a mosaic).
#include "foundation/lat_lon.h"
#include "imagery/bitmap_data.h"

#include <cstdint>

namespace pf {

// A pixel position of a map, (column, row).
struct MapPixel {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend constexpr bool operator==(const MapPixel&, const MapPixel&) = default;
};

class WorkMap;

// A view of an image and the rectangle it covers; owns neither. The north-west corner is
// the top-left corner of pixel (0, 0), the south-east corner the bottom-right corner of
// the last pixel; rows run north to south.
class GeoMap {
  public:
    GeoMap() = default;
    GeoMap(BitmapData* image, LatLonRect* rect) : image_(image), rect_(rect) {}

    BitmapData* GetImage() const { return image_; }
    LatLonRect* GetRect() const { return rect_; }
    void SetImage(BitmapData* image) { image_ = image; }
    void SetRect(LatLonRect* rect) { rect_ = rect; }

    double GetDegreesPerPixelX() const; // (east - west) / image width
    double GetDegreesPerPixelY() const; // (north - south) / image height
    double GetWidth() const;            // of the rectangle, in degrees
    double GetHeight() const;
    // Sets the map's rectangle through LatLonRect::Set.
    bool SetFromDoubles(double westLongitude, double northLatitude, double eastLongitude,
                        double southLatitude);

    // The pixel holding a position: int(offset / degrees per pixel + 0.5) on each axis,
    // truncated toward zero. A longitude more than 180 degrees from the map's centre is
    // taken a turn nearer; far-off or non-finite input gives a pixel far off the map.
    MapPixel LatLonToPixel(const LatLon& position) const;

    // Draws the source over the overlap of the two rectangles. A 32-bit source is
    // alpha-blended, any other copied. No overlap draws nothing and is no failure.
    bool Project(const GeoMap& source);
    // Copies only the source pixels inside the span list (one entry per source row).
    bool ProjectNoReduce(const GeoMap& source, const SpanList& spans);

    // The steps behind the two above; level 0 starts a projection.
    bool ProjectAlpha(const GeoMap& source, int level);  // 24-bit this, 32-bit source
    bool ProjectOpaque(const GeoMap& source, int level); // 24 / 24
    bool ProjectSpans(const GeoMap& source, const SpanList& spans, int level); // 24 / 24

    // The block of whole source pixels that covers the overlap of the source with this
    // map, exactly georeferenced. False when there is no overlap or the crop cannot be
    // allocated. The span form also cuts the rows' spans to the block.
    bool CropAlpha(const GeoMap& source, WorkMap& crop) const;
    bool CropOpaque(const GeoMap& source, WorkMap& crop) const;
    bool CropSpans(const GeoMap& source, const SpanList& spans, WorkMap& crop,
                   SpanList& cropSpans) const;

  private:
    BitmapData* image_ = nullptr;
    LatLonRect* rect_ = nullptr;
};

// A map made during one projection (a crop or a doubled image); it owns its image and
// rectangle and hands out a GeoMap view of them.
class WorkMap {
  public:
    WorkMap() = default;
    WorkMap(const WorkMap&) = delete;
    WorkMap& operator=(const WorkMap&) = delete;

    BitmapData& Image() { return image_; }
    LatLonRect& Rect() { return rect_; }
    GeoMap View() { return GeoMap(&image_, &rect_); }

  private:
    BitmapData image_;
    LatLonRect rect_;
};

} // namespace pf
