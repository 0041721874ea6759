// DXT5 tile rendering: our RenderDDS end to end, our encoder alone, and other encoders on
// the same prepared mip chains, with speed (level-0 megapixels per second) and quality
// (PSNR of level 0 decoded by our reader) as counters.
#include "imagery/bitmap_data.h"
#include "imagery/dds_file.h"
#include "imagery/dxt5_encoder.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"

#include <benchmark/benchmark.h>
#include <squish.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using pf::BitmapData;

constexpr int kSide = 512;

// Terrain-like: smooth hills of colour, opaque.
BitmapData SmoothTile() {
    BitmapData image(kSide, kSide, 32);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double h = std::sin(x * 0.031) * std::cos(y * 0.027) +
                             0.5 * std::sin((x + 2 * y) * 0.011) +
                             0.25 * std::sin(x * 0.13 + y * 0.07);
            uint8_t* p = image.PixelAddress(x, y);
            p[0] = uint8_t(std::clamp(70 + 40 * h, 0.0, 255.0));
            p[1] = uint8_t(std::clamp(110 + 60 * h, 0.0, 255.0));
            p[2] = uint8_t(std::clamp(90 + 50 * h + (x % 7), 0.0, 255.0));
            p[3] = 255;
        }
    }
    return image;
}

// Sharp edges (fields and roads) and an alpha ramp across the tile.
BitmapData EdgyTile() {
    BitmapData image(kSide, kSide, 32);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            uint8_t* p = image.PixelAddress(x, y);
            const bool road = (x % 97) < 6 || (y % 131) < 5;
            const int field = ((x / 37) * 7 + (y / 29) * 13) % 5;
            p[0] = road ? 200 : uint8_t(30 + field * 30);
            p[1] = road ? 200 : uint8_t(90 + field * 25);
            p[2] = road ? 200 : uint8_t(50 + field * 10);
            p[3] = uint8_t(x * 255 / (kSide - 1));
        }
    }
    return image;
}

const std::vector<BitmapData>& Chain(int which) {
    static std::vector<BitmapData> chains[2];
    if (chains[which].empty()) {
        pf::BuildMipChain(which == 0 ? SmoothTile() : EdgyTile(), true, chains[which]);
    }
    return chains[which];
}

using LevelEncoder = void (*)(const BitmapData& level, uint8_t* out);

void EncodeOurs(const BitmapData& level, uint8_t* out) {
    pf::EncodeDxt5Level(level, pf::DefaultDxt5Encoder(), out);
}

void EncodeStbNormal(const BitmapData& level, uint8_t* out) {
    static const pf::StbDxt5Encoder encoder(false);
    pf::EncodeDxt5Level(level, encoder, out);
}

// libsquish takes red first; blocks row-major like ours.
template <int Fit> void EncodeSquish(const BitmapData& level, uint8_t* out) {
    const int bw = (level.Width() + 3) / 4;
    const int bh = (level.Height() + 3) / 4;
    uint8_t rgba[64];
    for (int by = 0; by < bh; ++by) {
        for (int bx = 0; bx < bw; ++bx) {
            for (int i = 0; i < 16; ++i) {
                const int x = std::min(bx * 4 + i % 4, level.Width() - 1);
                const int y = std::min(by * 4 + i / 4, level.Height() - 1);
                const uint8_t* p = level.PixelAddress(x, y);
                rgba[i * 4 + 0] = p[2];
                rgba[i * 4 + 1] = p[1];
                rgba[i * 4 + 2] = p[0];
                rgba[i * 4 + 3] = p[3];
            }
            squish::Compress(rgba, out + (size_t(by) * bw + bx) * 16, squish::kDxt5 | Fit);
        }
    }
}

// PSNR over the colour and alpha channels of level 0 decoded from its blocks.
double LevelZeroPsnr(const BitmapData& level, const std::vector<uint8_t>& blocks) {
    std::vector<uint8_t> file = pf::BuildDxt5DdsHeader(level.Width(), level.Height(), false, 1);
    file.insert(file.end(), blocks.begin(),
                blocks.begin() + long(pf::Dxt5LevelBytes(level.Width(), level.Height())));
    BitmapData decoded;
    if (!pf::DecodeDds(file.data(), file.size(), decoded)) {
        return 0;
    }
    double sum = 0;
    for (size_t i = 0; i < level.ByteCount(); ++i) {
        const double d = double(level.Pixels()[i]) - decoded.Pixels()[i];
        sum += d * d;
    }
    const double mse = sum / double(level.ByteCount());
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

void SetCounters(benchmark::State& state, double psnr) {
    state.counters["MP/s"] = benchmark::Counter(double(state.iterations()) * kSide * kSide / 1e6,
                                                benchmark::Counter::kIsRate);
    state.counters["PSNR"] = psnr;
}

void RunEncoder(benchmark::State& state, LevelEncoder encode) {
    const std::vector<BitmapData>& chain = Chain(int(state.range(0)));
    std::vector<std::vector<uint8_t>> out;
    for (const BitmapData& level : chain) {
        out.emplace_back(pf::Dxt5LevelBytes(level.Width(), level.Height()));
    }
    for (auto _ : state) {
        for (size_t k = 0; k < chain.size(); ++k) {
            encode(chain[k], out[k].data());
        }
        benchmark::DoNotOptimize(out.data());
    }
    SetCounters(state, LevelZeroPsnr(chain[0], out[0]));
}

void BM_RenderDdsEndToEnd(benchmark::State& state) {
    const std::vector<BitmapData>& chain = Chain(int(state.range(0)));
    const std::string folder =
        (std::filesystem::temp_directory_path() / "padforge-bench-dds").string();
    std::filesystem::create_directories(folder);
    const std::string path = pf::fs::ToInternal(folder + "/tile.dds");
    pf::DDSRendererUse use;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pf::DDSRenderer::RenderDDS(path, chain[0], pf::kFourCcDxt5, true));
    }
    std::vector<uint8_t> level0(pf::Dxt5LevelBytes(kSide, kSide));
    EncodeOurs(chain[0], level0.data());
    SetCounters(state, LevelZeroPsnr(chain[0], level0));
    std::filesystem::remove_all(folder);
}

void BM_OurEncoder(benchmark::State& state) { RunEncoder(state, EncodeOurs); }
void BM_StbNormal(benchmark::State& state) { RunEncoder(state, EncodeStbNormal); }
void BM_SquishRangeFit(benchmark::State& state) {
    RunEncoder(state, EncodeSquish<squish::kColourRangeFit>);
}
void BM_SquishClusterFit(benchmark::State& state) {
    RunEncoder(state, EncodeSquish<squish::kColourClusterFit>);
}

// Argument 0: the smooth opaque tile; 1: the tile with sharp edges and an alpha ramp.
BENCHMARK(BM_RenderDdsEndToEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OurEncoder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StbNormal)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SquishRangeFit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SquishClusterFit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
