// JPEG decoding of tile-sized and map-sized pictures, from memory and from a file.
#include "imagery/bitmap_data.h"
#include "imagery/jpeg_file.h"
#include "platform/fs.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::filesystem::path Folder() {
    return std::filesystem::temp_directory_path() / "padforge-bench-jpeg";
}

// Removes the pictures when the program ends.
struct Cleanup {
    ~Cleanup() {
        std::error_code error;
        std::filesystem::remove_all(Folder(), error);
    }
} cleanup;

// A photo-like JPEG of the given side, written once to a temporary file.
const std::string& JpegFile(int side) {
    static std::string paths[2];
    std::string& path = paths[side > 1024 ? 1 : 0];
    if (path.empty()) {
        const auto folder = Folder();
        std::filesystem::create_directories(folder);
        path = (folder / ("p" + std::to_string(side) + ".jpg")).string();
        std::vector<uint8_t> rgb(size_t(side) * side * 3);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                uint8_t* p = &rgb[(size_t(y) * side + x) * 3];
                const double h = std::sin(x * 0.02) * std::cos(y * 0.03);
                p[0] = uint8_t(100 + 80 * h);
                p[1] = uint8_t(120 + 60 * h + ((x * 7 + y * 3) % 11));
                p[2] = uint8_t(90 + 40 * h);
            }
        }
        pf::RGBToJpegFile(pf::fs::ToInternal(path), rgb.data(), side, side, true, 80);
    }
    return path;
}

void BM_DecodeFromMemory(benchmark::State& state) {
    const int side = int(state.range(0));
    std::ifstream in(JpegFile(side), std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    for (auto _ : state) {
        int w = 0;
        int h = 0;
        benchmark::DoNotOptimize(pf::DecodeJpegToRGB(bytes.data(), bytes.size(), w, h));
    }
    state.counters["MP/s"] = benchmark::Counter(double(state.iterations()) * side * side / 1e6,
                                                benchmark::Counter::kIsRate);
}

void BM_LoadJpegToBitmap(benchmark::State& state) {
    const int side = int(state.range(0));
    const std::string path = pf::fs::ToInternal(JpegFile(side));
    for (auto _ : state) {
        pf::BitmapData image;
        benchmark::DoNotOptimize(pf::LoadJpegToBitmap(path, image));
    }
    state.counters["MP/s"] = benchmark::Counter(double(state.iterations()) * side * side / 1e6,
                                                benchmark::Counter::kIsRate);
}

BENCHMARK(BM_DecodeFromMemory)->Arg(512)->Arg(2048)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadJpegToBitmap)->Arg(512)->Arg(2048)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
