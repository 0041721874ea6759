// Resampling, turning and halving of in-memory images.
#include "imagery/bitmap_data.h"
#include "imagery/resample.h"

#include <benchmark/benchmark.h>

namespace {

pf::BitmapData Noise(int size, int bits) {
    pf::BitmapData image(size, size, bits);
    std::uint32_t state = 12345;
    for (std::size_t i = 0; i < image.ByteCount(); ++i) {
        state = state * 1664525u + 1013904223u;
        image.Pixels()[i] = static_cast<std::uint8_t>(state >> 24);
    }
    return image;
}

void BM_Resample24(benchmark::State& state) {
    const int from = static_cast<int>(state.range(0));
    const int to = static_cast<int>(state.range(1));
    const pf::BitmapData source = Noise(from, 24);
    pf::BitmapData destination(to, to, 24);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pf::BitmapData::Resample24(destination, source));
    }
}
BENCHMARK(BM_Resample24)->Args({512, 2000})->Args({2000, 512})->Unit(benchmark::kMillisecond);

void BM_Resample32(benchmark::State& state) {
    const pf::BitmapData source = Noise(512, 32);
    pf::BitmapData destination(900, 900, 32);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pf::BitmapData::Resample32(destination, source));
    }
}
BENCHMARK(BM_Resample32)->Unit(benchmark::kMillisecond);

void BM_RotateImage(benchmark::State& state) {
    const pf::BitmapData source = Noise(512, 24);
    for (auto _ : state) {
        pf::BitmapData destination;
        pf::SpanList spans;
        benchmark::DoNotOptimize(pf::RotateImage(destination, spans, source, 30.0));
    }
}
BENCHMARK(BM_RotateImage)->Unit(benchmark::kMillisecond);

void BM_HalveImage(benchmark::State& state) {
    const pf::BitmapData source = Noise(1024, 32);
    for (auto _ : state) {
        state.PauseTiming();
        pf::BitmapData image(source);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pf::HalveImage(image));
    }
}
BENCHMARK(BM_HalveImage)->Unit(benchmark::kMillisecond);

} // namespace
