// A static map in the map cache, read back by its place and zoom.
#include "fuzz_support.h"

#include "foundation/lat_lon.h"
#include "imagery/bitmap_data.h"
#include "tiles/map_download.h"
#include "workspace/folders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    std::string folder;
    if (!GetMapCachePath(folder)) {
        return 0;
    }
    const LatLon centre(-80.6, 28.5);
    fuzz::Sandbox::WriteAt(folder + CachedMapName("satellite", 15, centre), data, size);
    BitmapData image;
    LoadCachedMap("satellite", 15, centre, image);
    return 0;
}
