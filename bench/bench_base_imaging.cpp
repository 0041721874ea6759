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

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void Put32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// One flat DXT1 tile of the archive layout.
std::string ArchiveTile(int level, int64_t tile) {
    const int side = level == 0 ? 64 : level == 1 ? 128 : 256;
    std::string bytes(128, '\0');
    bytes.replace(0, 4, "DDS ");
    Put32(bytes, 4, 124);
    Put32(bytes, 8, 0x1007);
    Put32(bytes, 12, static_cast<uint32_t>(side));
    Put32(bytes, 16, static_cast<uint32_t>(side));
    Put32(bytes, 76, 32);
    Put32(bytes, 80, 0x4);
    bytes.replace(84, 4, "DXT1");
    const uint16_t key = static_cast<uint16_t>(level * 2467 + tile * 97);
    for (int i = 0; i < (side / 4) * (side / 4); ++i) {
        const char block[8] = {static_cast<char>(key & 0xFF),
                               static_cast<char>(key >> 8),
                               static_cast<char>(~key & 0xFF),
                               static_cast<char>(~key >> 8),
                               static_cast<char>(0x1B),
                               static_cast<char>(0xE4),
                               0,
                               0};
        bytes.append(block, 8);
    }
    return bytes;
}

// The private home, with a simulator tree whose Earth has a planet archive.
struct Sandbox : pf::bench::Sandbox {
    Sandbox() {
        const std::string sim = native + "/Sim/";
        WriteFile(sim + "astrel.exe", "");
        WriteFile(sim + "Astrel.cfg", "ConfigDir = .\\Config\\\r\nTextureDir = .\\Textures\\\r\n");
        WriteFile(sim + "Config/Earth.cfg",
                  "Name = Earth\r\nSize = 6371010\r\nMass = 5.973698968e24\r\n");
        std::string archive;
        for (int level = 0; level <= 5; ++level) {
            for (int64_t t = 0; t < pf::ArchiveTilesInLevel(level); ++t) {
                archive += ArchiveTile(level, t);
            }
        }
        WriteFile(sim + "Textures/Earth.tex", archive);
        pf::SetAstrelPath(pf::fs::ToInternal(sim));
        // Object icons come from the build's install folder.
        pf::SetDefaultInstallPath(pf::known_folders::ExecutablePath());
    }
};

void ComposeMap(benchmark::State& state) {
    Sandbox sandbox;
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
