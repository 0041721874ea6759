// Number writing and reading over 100,000 values, as a large base file needs them.
#include "foundation/text.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kValues = 100000;

std::vector<float> Values() {
    std::vector<float> values;
    values.reserve(kValues);
    for (int i = 0; i < kValues; ++i) {
        values.push_back(static_cast<float>((i * 7919 % 200003) - 100000) / 37.0f);
    }
    return values;
}

void BM_FormatNumber(benchmark::State& state) {
    const std::vector<float> values = Values();
    const int decimals = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (float v : values) {
            benchmark::DoNotOptimize(pf::FormatNumber(v, decimals));
        }
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_FormatNumber)->Arg(2)->Arg(3)->Arg(6);

void BM_ParseFloatText(benchmark::State& state) {
    std::vector<std::string> texts;
    texts.reserve(kValues);
    for (float v : Values()) {
        texts.push_back(pf::FormatNumber(v, 4));
    }
    for (auto _ : state) {
        for (const std::string& t : texts) {
            float f = 0;
            benchmark::DoNotOptimize(pf::ParseFloatText(t.c_str(), f));
            benchmark::DoNotOptimize(f);
        }
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ParseFloatText);

void BM_FormatString(benchmark::State& state) {
    const std::vector<float> values = Values();
    for (auto _ : state) {
        for (int i = 0; i < kValues; ++i) {
            benchmark::DoNotOptimize(pf::FormatString("POS %s %d %.3f\r\n", "Runway", i,
                                                      static_cast<double>(values[i])));
        }
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_FormatString);

} // namespace
