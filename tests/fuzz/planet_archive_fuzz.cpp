// A planet texture archive: byte 0 chooses the level asked for (every level of the grid
// and one beyond either end; for the mosaic, the levels a map may ask for and one more),
// the rest is the archive. It is read as a whole-body picture, as one tile, and as a mosaic
// through the body cache. Levels 2 and 3 end at 43,392 and 109,184 bytes: the run's
// largest input (tests/fuzz/planet_archive.options) leaves room for both.
#include "fuzz_support.h"

#include "foundation/lat_lon.h"
#include "foundation/stream.h"
#include "imagery/bitmap_data.h"
#include "imagery/geo_map.h"
#include "tiles/planet_archive.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    if (size == 0) {
        return 0;
    }
    const int level = data[0] % (kArchiveMaxLevel + 3) - 1;
    const int mosaicLevel = data[0] % (kArchiveMosaicMaxLevel + 2);
    ++data;
    --size;
    MemStream stream;
    pf::fuzz::Fill(stream, data, size);
    BitmapData tile;
    DecodeArchiveTile(stream, tile);

    std::string textures;
    std::string bodyCache;
    if (!FileManager::GetTexturesDir(textures) || !GetBodyCachePath(bodyCache)) {
        return 0;
    }
    fuzz::Sandbox::EmptyFolder(bodyCache);
    fuzz::Sandbox::WriteAt(textures + "Fuzz.tex", data, size);
    BitmapData body;
    if (body.Create24(64, 32)) {
        getFromTexFile(textures + "Fuzz.tex", body, level);
    }
    BitmapData picture;
    LatLonRect rect;
    rect.Set(-10.0, 10.0, 10.0, -10.0);
    if (picture.Create24(32, 32)) {
        GeoMap map(&picture, &rect);
        BuildArchiveMosaic("Fuzz", map, mosaicLevel);
    }
    return 0;
}
