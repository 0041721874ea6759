// Rendering a base's surface tiles to DXT5 DDS files with every mip level, as the
// progress dialog does: 16 cached 512 x 512 tiles, some south of the equator (turned
// before writing); the finished run then saves the base. Reports tiles per second.
#include "bench_sandbox.h"
#include "document/base_document.h"
#include "imagery/bitmap_data.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"
#include "workspace/folders.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

pf::BitmapData Texture(int seed) {
    pf::BitmapData image(512, 512, 32);
    for (int y = 0; y < 512; ++y) {
        uint8_t* row = image.Row(y);
        for (int x = 0; x < 512; ++x) {
            row[4 * x] = static_cast<uint8_t>(x + seed);
            row[4 * x + 1] = static_cast<uint8_t>(y * 3);
            row[4 * x + 2] = static_cast<uint8_t>((x ^ y) + seed * 7);
            row[4 * x + 3] = static_cast<uint8_t>(200 + (x & 31));
        }
    }
    return image;
}

void BM_RenderTiles16(benchmark::State& state) {
    pf::bench::Sandbox sandbox;
    pf::BaseDocument document;
    document.SetName("Bench");
    for (int i = 0; i < 16; ++i) {
        const pf::TileAttributes tile("Earth", 14, 100 + i % 4, i < 8 ? 10 + i / 4 : -1 - i / 4);
        pf::TileTextureFile file(tile, false);
        if (!file.SetImage(Texture(i))) {
            state.SkipWithError("cannot cache the tile textures");
            return;
        }
        document.AddTileSorted(tile);
    }
    const std::string folder = pf::fs::ToInternal(sandbox.native) + "\\Out\\";
    pf::fs::CreateDirectories(folder);
    pf::DDSRendererUse use;
    for (auto _ : state) {
        benchmark::DoNotOptimize(document.RenderTiles(use, folder));
    }
    state.SetItemsProcessed(state.iterations() * 16);
}

BENCHMARK(BM_RenderTiles16)->Unit(benchmark::kMillisecond);

} // namespace
