#pragma once
// One surface tile's 512 x 512 texture with alpha, and where it lives on disk: the cache
// folder keeps it as "<tile>.png"; a "<tile>.jpg" (with an optional grey "<tile>_a.jpg"
// for the alpha) dropped there is taken in by the next load. TileTextureCache keeps the
// loaded textures of the process, looked up by level, x and y.
#include "imagery/bitmap_data.h"
#include "tiles/tile_attributes.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace pf {

class TileTextureFile {
  public:
    static constexpr int kSize = 512;
    // The deepest level ComposeFromAncestor works on.
    static constexpr int32_t kMaxComposeLevel = 10;

    // With load, the texture is read (Load); a failed load leaves a transparent black
    // 512 x 512 image and loaded false. Without load the image stays empty.
    TileTextureFile(const TileAttributes& tile, bool load);

    bool IsLoaded() const { return loaded_; }
    const TileAttributes& GetTile() const { return tile_; }
    const BitmapData& Image() const { return image_; }
    // Copies the image out; false when it has no pixels (not when it is not loaded).
    bool GetImage(BitmapData& out) const;

    // Takes in a pending ".jpg" (writing the ".png" first, then deleting the JPEGs), then
    // reads the ".png". Sets loaded to the result.
    bool Load();
    bool LoadFromJpeg(const std::string& path);
    bool LoadFromPng(const std::string& path);
    // Takes a 512 x 512 image as the texture and writes it as the tile's ".png".
    bool SetImage(const BitmapData& image);
    bool SaveToCache();
    bool SavePng(const std::string& path);
    // The ".jpg" or the ".png" is in the cache folder.
    bool IsCached() const;

    bool GetJpgCachePath(std::string& path) const;
    bool GetAlphaJpgCachePath(std::string& path) const;
    bool GetCachePath(std::string& path) const; // the ".png"
    bool DeleteCacheFiles();
    void DeleteCachedJpegs();

    // Earth tiles only: the map of the tile from the chosen service, through SetImage.
    // largest_pause_ms bounds the pause between stitched pieces.
    bool Download(uint32_t largest_pause_ms);
    // Becomes the child tile holding the position: its quarter, doubled.
    bool ZoomIntoChild(const LatLon& position);
    // The texture of a tile enlarged from its nearest ancestor in tiles.
    static bool ComposeFromAncestor(const TileAttributes& tile, BitmapData& out,
                                    const TileArray& tiles);
    static bool Compose(const TileAttributes& tile, BitmapData& out, const TileArray& tiles) {
        return ComposeFromAncestor(tile, out, tiles);
    }

  private:
    bool CacheFilePath(const std::string& name, std::string& path, bool report) const;
    void SetAsideBadJpeg(const std::string& path);

    bool loaded_ = false;
    TileAttributes tile_;
    BitmapData image_;
};

// The process's loaded tile textures; interface thread only.
class TileTextureCache {
  public:
    // Copies the texture out, reading it from disk when it is not held yet; a tile that
    // does not load is not kept, so the next call tries the disk again.
    static bool GetTexture(const TileAttributes& tile, BitmapData& out);
    static bool LoadIntoCache(const TileAttributes& tile);
    static bool IsLoaded(const TileAttributes& tile);
    // Drops the held texture only; the files stay.
    static bool Remove(const TileAttributes& tile);
    static void Clear();
    static std::size_t Count();
};

// SafeDeleteFile on a path string.
bool SafeDeleteFilePath(const std::string& path);

} // namespace pf
