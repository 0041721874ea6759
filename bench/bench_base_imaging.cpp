// Composing the editor's 1024 x 768 map of a base as the structure editor redraws it:
// the body texture from a planet archive of our own making (body cache warm), 64 cached
// surface tiles, and 100, 1,000 or 5,000 objects of every registered type, 1% of them
// drawn again highlighted. Reports maps per second.
#include "bench_sandbox.h"
#include "document/base_document.h"
#include "document/base_imaging.h"
#include "imagery/bitmap_data.h"
#include "imagery/geo_map.h"
#include "objects/astrel_object.h"
#include "platform/fs.h"
#include "platform/known_folders.h"
#include "tiles/planet_archive.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void ComposeMap(benchmark::State& state) {
    pf::bench::SimulatorSandbox sandbox;
    // Object icons come from the build's install folder.
    pf::SetDefaultInstallPath(pf::known_folders::ExecutablePath());
    pf::RegisterObjectTypes();
    pf::BaseDocument document;
    document.SetBody(pf::AstrelBody("Earth", 6371010.0, 5.973698968e24));
    document.SetPosition(pf::LatLon(-80.6, 28.5));

    // 64 level-14 tiles around the base, each with its own texture in the cache.
    const pf::TileAttributes centre =
        pf::TileAttributes::FromPosition("Earth", 14, document.GetPosition());
    pf::TileArray tiles;
    for (int i = 0; i < 64; ++i) {
        const pf::TileAttributes tile("Earth", 14, centre.GetX() - 4 + i % 8,
                                      centre.GetY() - 4 + i / 8);
        pf::BitmapData texture(512, 512, 32);
        for (int y = 0; y < 512; ++y) {
            for (int x = 0; x < 512; ++x) {
                uint8_t* p = texture.PixelAddress(x, y);
                p[0] = static_cast<uint8_t>(x + i);
                p[1] = static_cast<uint8_t>(y);
                p[2] = static_cast<uint8_t>(i * 4);
                p[3] = 255;
            }
        }
        pf::TileTextureFile(tile, false).SetImage(texture);
        tiles.AddSorted(tile);
    }

    pf::ObjectArray objects;
    pf::ObjectPtrArray selected;
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; objects.GetCount() < count && i < count * 20; ++i) {
        std::unique_ptr<pf::AstrelObjectHandle> object =
            pf::AstrelObjectFactory::Create(1 + i % 15);
        if (!object) {
            continue;
        }
        const double x = (i * 37 % 2000) - 1000.0;
        const double y = (i * 53 % 2000) - 1000.0;
        object->SetPosition({x, y, 0.0});
        object->SetEnd1({x, y, 0.0});
        object->SetEnd2({x + 60.0, y + 20.0, 0.0});
        object->SetSize0(30.0);
        object->SetSize1(20.0);
        pf::AstrelObject& stored = objects.Add(pf::AstrelObject(*object));
        if (objects.GetCount() % 100 == 0) {
            selected.AddSorted(&stored);
        }
    }

    pf::BaseImaging imaging(document);
    pf::BitmapData image(1024, 768, 24);
    pf::LatLonRect rect;
    imaging.GetMapRegion(rect, 12, 0, 0, 1024, 768);
    pf::GeoMap map(&image, &rect);
    imaging.drawBodyTextureOnMap(map); // warms the body cache and the tile cache
    imaging.drawTilesOnMap(map, tiles);
    for (auto _ : state) {
        imaging.drawBodyTextureOnMap(map);
        imaging.drawTilesOnMap(map, tiles);
        imaging.drawObjectsOnMap(map, objects);
        imaging.drawObjectsOnMapHighlighted(map, selected);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["objects"] = objects.GetCount();
    pf::TileTextureCache::Clear();
}

BENCHMARK(ComposeMap)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace
