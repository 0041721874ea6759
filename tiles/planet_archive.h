#pragma once
// The simulator's planet texture archives ("<Textures>\<body>.tex"), read only: level
// blocks of complete DXT1 DDS tiles on a fixed grid of bands and columns, read into
// whole-body pictures and into mosaics for any latitude/longitude window. Decoded archive
// tiles are kept as JPEG files in the body cache so that each is decoded once.
//
// Levels here are the archive's own level indices, unrelated to surface-tile levels.
#include "foundation/lat_lon.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pf {

class BitmapData;
class GeoMap;
class MyStream;

// Deeper levels are refused, so that tile counts and offsets stay well inside 64 bits.
inline constexpr int kArchiveMaxLevel = 16;
// The deepest level a mosaic uses.
inline constexpr int kArchiveMosaicMaxLevel = 8;

// The grid of a level; every quantity is 0 for a level outside 0..kArchiveMaxLevel (and
// columns for a band outside the level).
int ArchiveBandCount(int level);
int ArchiveColumnsInBand(int level, int band);
int64_t ArchiveTilesInLevel(int level);
// Bytes of one tile: a 128-byte DDS header plus a DXT1 surface of 64, 128 or 256 pixels.
int64_t ArchiveTileBytes(int level);
// Where the level's block starts in the file.
int64_t ArchiveLevelOffset(int level);
// Band and column of a tile index; an index past the level's last tile counts in the last
// band (its column then lies past the band's end).
int ArchiveBandOfTile(int level, int64_t tile);
int64_t ArchiveColumnOfTile(int level, int64_t tile);
// Southern tiles are stored turned by a half turn (levels with at least 3 tiles only); the
// southern half is the bands from BandCount / 2 on.
bool ArchiveIsSouthernTile(int level, int64_t tile);
// 180 / (BandCount x 256); 0 outside the grid.
double ArchiveDegreesPerPixel(int level);

// The area one tile covers; the whole body for one-tile levels and for levels off the grid.
LatLonRect GetTileLatLonRect(int64_t tile, int level);
// The level's tiles whose rectangle overlaps rect (closed test), in file order; a
// one-tile level gives [0], a level off the grid nothing.
void GetTilesOverlapping(std::vector<int64_t>& out, const LatLonRect& rect, int level);

// The current installation's texture folder + body + ".tex" / ".dds". False when the
// folder cannot be had or the body name could leave it (separators, control characters).
bool GetTexArchivePath(const std::string& body, std::string& path);
bool GetDdsTexturePath(const std::string& body, std::string& path);

// Reads the deepest level present at or below `level` into the caller's image (24 bits,
// already sized): one-tile levels are resampled into it, others projected as the whole
// body.
bool getFromTexFile(const std::string& path, BitmapData& image, int level);
// Decodes one archive tile (a whole DDS image in the stream) into a 32-bit image.
bool DecodeArchiveTile(MyStream& stream, BitmapData& image);

// A whole-body picture: from the ".tex", else the ".dds", else a black picture naming the
// body (false). An image without pixels is first made 1024 x 1024 at 24 bits.
bool GetBodyImage(const std::string& body, BitmapData& image, int level);

// One archive tile as a 24-bit image with its rectangle, through the body cache.
bool GetArchiveTile(GeoMap& map, const std::string& body, int level, int64_t tile);
// GetArchiveTile, then projected into the map.
bool ProjectArchiveTile(GeoMap& map, const std::string& body, int level, int64_t tile);
// Fills the map from the level's overlapping tiles, falling back level by level.
bool BuildArchiveMosaic(const std::string& body, GeoMap& map, int level);
// The mosaic level for a map: from 3 up to kArchiveMosaicMaxLevel, the first whose next
// level would be finer than the map needs.
int ChooseMosaicLevel(const GeoMap& map);
bool LoadTileMosaic(const std::string& body, GeoMap& map);
// A mosaic of the window twice the map's size (each side widened by half the map's width
// and height; latitudes clamped into -90..90), projected into the map. The third argument
// does not change the picture.
bool LoadTileImageForMap(const std::string& body, GeoMap& map, int level);

// The body cache: "<body>_<level>_<tile>.jpg" in the cache's "Body\" folder.
std::string GetBodyCacheFileName(const std::string& body, int level, int64_t tile);
// Written at JPEG quality 80, through a temporary file.
bool SaveBodyCacheTile(const BitmapData& image, const std::string& body, int level, int64_t tile);
// False without a message when the file is not there.
bool LoadBodyCacheTile(BitmapData& image, const std::string& body, int level, int64_t tile);

} // namespace pf
