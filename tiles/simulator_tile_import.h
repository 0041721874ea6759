#pragma once
// Bringing the simulator's own surface-tile textures into the program's tile cache when a
// simulator base is read: any square texture becomes 512 x 512 tiles, large ones split
// into their descendant tiles. The cache holds every tile north up.
#include <string>

namespace pf {

class BitmapData;
class TileArray;
class TileAttributes;

// A tile already in the cache (".jpg" or ".png") is only listed; otherwise its ".dds" is
// looked for in the high-resolution texture folder, then in the texture folder, and
// imported. The tiles made are added to `tiles`.
bool LoadTileTextureFromSimulator(const TileAttributes& tile, TileArray& tiles);
// folder + the tile's DDS file name, turned by a half turn for tiles south of the equator.
bool LoadSimulatorTileImage(const TileAttributes& tile, BitmapData& image,
                            const std::string& folder);
// Brings a square 32-bit image to 512 x 512 (resampled, or split into four child tiles
// while it is larger and the level is not 9) and stores it in the cache.
bool ImportTileImage(const TileAttributes& tile, TileArray& tiles, BitmapData& image);

} // namespace pf
