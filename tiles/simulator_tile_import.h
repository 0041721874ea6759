#pragma once
// Bringing the simulator's own surface-tile textures into the program's tile cache when a
// simulator base is read: any square texture becomes 512 x 512 tiles, large ones split
// into their descendant tiles. The cache holds every tile north up.
#include "platform/fs.h"

#include <map>
#include <string>
#include <unordered_set>

namespace pf {

class BitmapData;
class TileArray;
class TileAttributes;

// Where the tiles of a simulator base come from: the tile cache and the simulator's two
// texture folders, found once per base read together with the names each folder holds, so
// that a base of many tiles costs no settings read and no folder walk per tile. Names
// compare as the file system layer matches them: exactly, else without regard to case.
class SimulatorTileSources {
  public:
    // False when the cache folder or a texture folder cannot be had.
    bool Find();
    const std::string& CacheFolder() const { return cache_; }
    // The cache holds an entry of that name.
    bool InCache(const std::string& name) const;
    // A file written into the cache after Find.
    void AddToCache(const std::string& name);
    // The folder holding `name` as a file: the high-resolution folder first, then the
    // texture folder; "" when neither does.
    std::string FolderHolding(const std::string& name) const;

  private:
    struct Listing {
        std::map<std::string, fs::EntryKind> exact;
        std::map<std::string, std::string> folded; // lower case -> first name in byte order
        void Read(const std::string& folder);
        bool HoldsFile(const std::string& name) const;
    };
    std::string cache_;
    std::string textures_;
    std::string hightex_;
    std::unordered_set<std::string> cached_; // lower case
    Listing hightexFiles_;
    Listing textureFiles_;
};

// A tile already in the cache (".jpg" or ".png") is only listed; otherwise its ".dds" is
// looked for in the high-resolution texture folder, then in the texture folder, and
// imported. The tiles made are added to `tiles`.
bool LoadTileTextureFromSimulator(const TileAttributes& tile, TileArray& tiles,
                                  const SimulatorTileSources& sources);
// The same, finding the sources for this one tile.
bool LoadTileTextureFromSimulator(const TileAttributes& tile, TileArray& tiles);
// folder + the tile's DDS file name, turned by a half turn for tiles south of the equator.
bool LoadSimulatorTileImage(const TileAttributes& tile, BitmapData& image,
                            const std::string& folder);
// Brings a square 32-bit image to 512 x 512 (resampled, or split into four child tiles
// while it is larger and the level is not 9) and stores it in the cache.
bool ImportTileImage(const TileAttributes& tile, TileArray& tiles, BitmapData& image);

} // namespace pf
