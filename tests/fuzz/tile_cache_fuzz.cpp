// A surface tile's files in the tile cache: byte 0 chooses what the rest is (0: the
// ".png"; 1: a dropped ".jpg"; 2: a ".jpg" and, from the middle on, its alpha "_a.jpg").
#include "fuzz_support.h"

#include "imagery/bitmap_data.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"
#include "workspace/folders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    if (size == 0) {
        return 0;
    }
    std::string cache;
    if (!GetCachePath(cache)) {
        return 0;
    }
    fuzz::Sandbox::EmptyFolder(cache);
    TileTextureCache::Clear();
    const TileAttributes tile("Earth", 12, 5, 5);
    const TileTextureFile names(tile, false);
    std::string png;
    std::string jpg;
    std::string alpha;
    if (!names.GetCachePath(png) || !names.GetJpgCachePath(jpg) ||
        !names.GetAlphaJpgCachePath(alpha)) {
        return 0;
    }
    const uint8_t* rest = data + 1;
    const size_t length = size - 1;
    switch (data[0] % 3) {
    case 0:
        fuzz::Sandbox::WriteAt(png, rest, length);
        break;
    case 1:
        fuzz::Sandbox::WriteAt(jpg, rest, length);
        break;
    default:
        fuzz::Sandbox::WriteAt(jpg, rest, length / 2);
        fuzz::Sandbox::WriteAt(alpha, rest + length / 2, length - length / 2);
        break;
    }
    BitmapData image;
    if (TileTextureCache::GetTexture(tile, image)) {
        fuzz::Check(image.Width() == TileTextureFile::kSize &&
                        image.Height() == TileTextureFile::kSize,
                    "a loaded tile is not 512 x 512");
    }
    TileTextureCache::Clear();
    return 0;
}
