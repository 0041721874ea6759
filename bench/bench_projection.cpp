// Projection of georeferenced images as the editors redraw: a tile at the tile editor's
// deepest zoom (512 -> 2000, doubled twice), a moderate enlargement (512 -> 900, one
// stretch) and a large map reduced into a small region.
#include "imagery/geo_map.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

pf::BitmapData Pattern(int width, int height, int bits) {
    pf::BitmapData image(width, height, bits);
    const int bytes = bits / 8;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.Row(y);
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < bytes; ++c) {
                row[x * bytes + c] = static_cast<std::uint8_t>(x * (c + 1) + y * (3 - c));
            }
        }
    }
    return image;
}

void Project(benchmark::State& state, int sourceSize, int sourceBits, int regionSize) {
    pf::BitmapData source = Pattern(sourceSize, sourceSize, sourceBits);
    pf::LatLonRect sourceRect;
    sourceRect.Set(0.0, 0.703125, 0.703125, 0.0);
    pf::BitmapData canvas = Pattern(regionSize, regionSize, 24);
    pf::LatLonRect canvasRect = sourceRect;
    pf::GeoMap destination(&canvas, &canvasRect);
    const pf::GeoMap from(&source, &sourceRect);
    for (auto _ : state) {
        benchmark::DoNotOptimize(destination.Project(from));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(regionSize) * regionSize);
}

void BM_Tile512To2000(benchmark::State& state) { Project(state, 512, 32, 2000); }
void BM_Tile512To900(benchmark::State& state) { Project(state, 512, 32, 900); }
void BM_Map2048To512(benchmark::State& state) { Project(state, 2048, 24, 512); }

BENCHMARK(BM_Tile512To2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tile512To900)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Map2048To512)->Unit(benchmark::kMillisecond);

} // namespace
