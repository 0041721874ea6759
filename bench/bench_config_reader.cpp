// Reading a large configuration text: normalising, splitting into lines and collecting
// the object groups of its object list.
#include "workspace/config_reader.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string MakeText(size_t bytes) {
    std::string text =
        "BASE-V2.0\r\nName = Bench Field\r\nLocation = -80.65 28.58\r\nBEGIN_OBJECTLIST\r\n";
    const std::string object =
        "BLOCK\r\n\tPOS=10.5 0 -20.25 ; placed by hand\r\n\tSCALE  10   5 20\r\n"
        "\tROT 45\r\n\tTEX1 Fcd01\t1 1\r\nEND\r\n";
    while (text.size() + object.size() + 20 < bytes)
        text += object;
    text += "END_OBJECTLIST\r\n";
    text.resize(bytes, ' ');
    return text;
}

void BM_SplitTextIntoLines(benchmark::State& state) {
    const std::string text = MakeText(1000000);
    for (auto _ : state) {
        pf::StringArray lines;
        pf::SplitTextIntoLines(lines, text);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_SplitTextIntoLines)->Unit(benchmark::kMillisecond);

void BM_SplitAndCollectGroups(benchmark::State& state) {
    const std::string text = MakeText(1000000);
    for (auto _ : state) {
        pf::StringArray lines;
        pf::SplitTextIntoLines(lines, text);
        pf::ObjectGroupList groups;
        pf::CollectObjectGroups(groups, lines);
        pf::StringArray tokens;
        for (const pf::ObjectGroup& group : groups) {
            for (const std::string& line : group)
                pf::SplitBySpace(tokens, line);
        }
        benchmark::DoNotOptimize(groups.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_SplitAndCollectGroups)->Unit(benchmark::kMillisecond);

} // namespace
