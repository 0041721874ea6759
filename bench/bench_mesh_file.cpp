// Reading a large model: its extents, and drawing its top view onto the 1024 x 1024
// canvas. Both parse the model text straight from memory.
#include "imagery/bitmap_data.h"
#include "objects/mesh_file.h"
#include "objects/mesh_top_view.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A grid of n x n vertices in groups of one row each, two triangles per cell.
std::string GridModel(int n) {
    std::string text = "MSHX1\r\nGROUPS " + std::to_string(n - 1) + "\r\n";
    for (int row = 0; row + 1 < n; ++row) {
        text += "MATERIAL 1\r\nTEXTURE 1\r\nGEOM " + std::to_string(2 * n) + " " +
                std::to_string(2 * (n - 1)) + "\r\n";
        for (int r = row; r <= row + 1; ++r) {
            for (int c = 0; c < n; ++c) {
                text += std::to_string(r * 0.5) + " " + std::to_string((r * c) % 7 * 0.25) + " " +
                        std::to_string(c * 0.5) + " 0 1 0 0.5 0.5\r\n";
            }
        }
        for (int c = 0; c + 1 < n; ++c) {
            text += std::to_string(c) + " " + std::to_string(c + 1) + " " + std::to_string(n + c) +
                    "\r\n";
            text += std::to_string(c + 1) + " " + std::to_string(n + c + 1) + " " +
                    std::to_string(n + c) + "\r\n";
        }
    }
    return text;
}

void BM_MeshExtents(benchmark::State& state) {
    const std::string text = GridModel(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        pf::MeshExtents extents;
        uint8_t textured = 0;
        benchmark::DoNotOptimize(pf::ParseMeshExtents(text, extents, textured));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MeshExtents)->Arg(100)->Arg(300);

void BM_MeshTopView(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string text = GridModel(n);
    const pf::GeoRect rect{0.0, (n - 1) * 0.5, (n - 1) * 0.5, 0.0};
    pf::BitmapData canvas;
    canvas.Create24(pf::kMeshTopViewSize, pf::kMeshTopViewSize);
    for (auto _ : state) {
        canvas.FillColor(0xFFFFFFFFu);
        benchmark::DoNotOptimize(pf::DrawMeshTopView(text, rect, canvas));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MeshTopView)->Arg(100)->Arg(300);

} // namespace
