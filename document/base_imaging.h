#pragma once
// The editor's map of a base: the planet's own texture or the base's surface tiles as
// background, the base's objects over it (the selected ones highlighted) and markers.
#include "foundation/lat_lon.h"
#include "imagery/bitmap_data.h"

namespace pf {

class BaseDocument;
class GeoMap;
class ObjectArray;
class ObjectPtrArray;
class TileArray;
class TileAttributes;

class BaseImaging {
  public:
    // Made for one base, whose position and body it reads and never changes.
    explicit BaseImaging(const BaseDocument& document) : document_(document) {}

    // Each object's map drawing, in list order, on a 24-bit map. An empty map gives true;
    // another depth "Wrong bits per pixel in BaseImaging::drawObjectsOnMap\r\n".
    bool drawObjectsOnMap(GeoMap& map, const ObjectArray& objects) const;
    bool drawObjectsOnMap(GeoMap& map, const ObjectPtrArray& objects) const;
    bool drawObjectsOnMapHighlighted(GeoMap& map, const ObjectArray& objects) const;
    bool drawObjectsOnMapHighlighted(GeoMap& map, const ObjectPtrArray& objects) const;

    // The planet texture mosaic of the base's body; when none can be had the map is filled
    // with green (16, 127, 31) and the result is false.
    bool drawBodyTextureOnMap(GeoMap& map) const;
    // The tiles' cached textures in array order (finer ones land on top), skipping tiles
    // that barely show or that finer tiles of the array cover. A tile without a texture is
    // skipped; the result stays true.
    bool drawTilesOnMap(GeoMap& map, const TileArray& tiles) const;

    // Overlap of a tile's rectangle with the map's; touching is not overlapping, and a tile
    // under a hundredth of the map's width or height does not count.
    static bool RegionsOverlap(const LatLonRect& tile, const LatLonRect& map);
    // True when nothing of the tile shows in the region, or when tiles of the array
    // (children, or their children down to level 9) cover all of its part of the region.
    static bool IsTileCovered(const LatLonRect& region, const TileAttributes& tile,
                              const TileArray& tiles);

    // The rectangle a map of w x h pixels shows around the base at a zoom, moved by the
    // offsets. Longitudes are not wrapped (west < east; what lies past +-180 is not drawn),
    // latitudes are clamped into -90..90 and the half-width is at most 180 degrees. False
    // for an empty size, a body without a radius, or a rectangle without height.
    bool GetMapRegion(LatLonRect& out, double zoom, double longitudeOffset, double latitudeOffset,
                      int width, int height) const;

  private:
    bool DrawObjects(GeoMap& map, const ObjectArray* objects, const ObjectPtrArray* pointers,
                     int highlight) const;

    const BaseDocument& document_;
};

// The plus-shaped marker at the pixel of a position on the map.
bool DrawMarkerAtLatLon(GeoMap& map, const LatLon& position, const ColorRGB& colour);

} // namespace pf
