#pragma once
// Map images from the outside services: the 512 x 512 static map around a view (from the
// disk cache "googlemaps\" first), the WMS map of a longitude/latitude box, and the map of
// any georeferenced rectangle stitched from static-map pieces. Everything blocks the
// calling thread; every pause goes through platform/clock.
#include <cstdint>
#include <string>
#include <vector>

namespace pf {

class BitmapData;
class GeoMap;
class LatLon;
class LatLonRect;
class MapZoom;

constexpr int kMapPieceSize = 512;
// Rows of pieces overlap so that each row hides the service's mark at the bottom of
// the row above.
constexpr int kMapRowStep = 480;
// The pause before every static-map request.
constexpr uint32_t kStaticMapPauseMs = 2000;
// The largest stitched map, in pixels along either side.
constexpr int kMaxMapCanvas = 16384;

// The cache file name "%.6f_%.6f_%d_%s.jpg" of latitude, longitude, zoom and map type.
std::string CachedMapName(const std::string& map_type, int zoom, const LatLon& centre);
// Decodes the cached map into image; false on a miss (also without a cache folder).
bool LoadCachedMap(const std::string& map_type, int zoom, const LatLon& centre, BitmapData& image);
// Copies the reply file into the cache (replacing an older copy through a rename).
bool SaveCachedMap(const std::string& reply_file, const std::string& map_type, int zoom,
                   const LatLon& centre);
void DeleteTempMapFile(const std::string& path);

bool DownloadStaticMap(const MapZoom& view, const std::string& map_type, BitmapData& image);
// The same on a copy of the view.
bool DownloadMapView(MapZoom view, const std::string& map_type, BitmapData& image);
// The WMS map of the target's rectangle into the target's image: no cache, no pause.
bool DownloadWmsMap(const GeoMap& target);

// Offsets 0, step, 2 * step, ... below extent: where the pieces of one row or column go.
std::vector<int> MapPieceOffsets(int extent, int step);

// Fills the target's image (at its own size) with the map of its rectangle, stitched from
// static-map pieces with a growing pause after failures, up to largest_pause_ms. The
// second failed piece asks whether to go on; No leaves the target as it was.
bool BuildMapImage(const GeoMap& target, const std::string& map_type, uint32_t largest_pause_ms);

} // namespace pf
