#include "tiles/simulator_tile_import.h"

#include "foundation/failure.h"
#include "imagery/bitmap_data.h"
#include "imagery/resample.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

namespace pf {

namespace {

constexpr int kTileSide = 512;

} // namespace

bool LoadSimulatorTileImage(const TileAttributes& tile, BitmapData& image,
                            const std::string& folder) {
    if (!LoadImageFileGuarded(folder + tile.GetDdsFileName(), image)) {
        return false;
    }
    return tile.GetY() >= 0 || Rotate180_32(image);
}

bool ImportTileImage(const TileAttributes& tile, TileArray& tiles, BitmapData& image) {
    if (image.Width() != image.Height()) {
        return ShowFailureMessage("Base tile's resolution isn't square\r\n");
    }
    if (image.BitsPerPixel() != 32) {
        return false;
    }
    if (image.Width() < kTileSide) {
        ShowFailureMessage("Tiles have a resolution lower than 512X512. Upsampling\r\n");
        BitmapData resized(kTileSide, kTileSide, 32);
        if (!BitmapData::Resample32(resized, image)) {
            return false;
        }
        image.Swap(resized);
    }
    if (image.Width() > kTileSide && tile.GetLevel() == 9) {
        ShowFailureMessage("Level 9 tiles not at 512X512 resolution. Downsampling\r\n");
        BitmapData resized(kTileSide, kTileSide, 32);
        if (!BitmapData::Resample32(resized, image)) {
            return false;
        }
        image.Swap(resized);
    }
    if (image.Width() > kTileSide) {
        const int half = image.Width() / 2;
        struct Quarter {
            TileAttributes child;
            int left;
            int top;
        };
        const Quarter quarters[] = {
            {tile.ChildNorthWest(), 0, 0},
            {tile.ChildNorthEast(), half, 0},
            {tile.ChildSouthWest(), 0, half},
            {tile.ChildSouthEast(), half, half},
        };
        for (int i = 0; i < 4; ++i) {
            const Quarter& q = quarters[i];
            BitmapData part;
            const bool ok =
                part.Create(half, half, 32) &&
                BitmapData::Blit32To32(part, image, PixelRect{0, 0, half, half},
                                       PixelRect{q.left, q.top, q.left + half, q.top + half}) &&
                ImportTileImage(q.child, tiles, part);
            if (i == 3) {
                return ok;
            }
            if (!ok) {
                return ShowFailureMessage("Error importing tiles from Astrel\r\n");
            }
        }
    }
    TileTextureFile file(tile, false);
    if (!file.SetImage(image)) {
        return false;
    }
    tiles.AddSorted(tile);
    return true;
}

bool LoadTileTextureFromSimulator(const TileAttributes& tile, TileArray& tiles) {
    std::string cache;
    std::string textures;
    std::string hightex;
    if (!GetCachePath(cache) || !FileManager::GetTexturesDir(textures) ||
        !FileManager::GetTextures2Dir(hightex)) {
        return false;
    }
    if (fs::Exists(cache + tile.GetJpgFileName()) || fs::Exists(cache + tile.GetPngFileName())) {
        tiles.AddSorted(tile);
        return true;
    }
    std::string folder;
    if (fs::IsRegularFile(hightex + tile.GetDdsFileName())) {
        folder = hightex;
    } else if (fs::IsRegularFile(textures + tile.GetDdsFileName())) {
        folder = textures;
    } else {
        return ShowFailureMessage("Couldn't load tile texture file from Astrel\r\n");
    }
    BitmapData image;
    if (!LoadSimulatorTileImage(tile, image, folder)) {
        return false;
    }
    return ImportTileImage(tile, tiles, image);
}

} // namespace pf
