// Installing a base file by file into a simulator tree, with the installed-bases record
// saved after every file, and removing it again; and the shared-file check of a removal
// among many entries of other bases.
#include "bench_sandbox.h"
#include "platform/fs.h"
#include "workspace/file_manager.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using pf::Astrel2010;
using pf::FileManager;

std::string Numbered(const char* stem, int i) { return stem + std::to_string(i) + ".dds"; }

void BM_InstallAndUninstall1000Files(benchmark::State& state) {
    pf::bench::Sandbox sandbox;
    std::filesystem::create_directories(sandbox.native + "/Sim/Textures2");
    std::filesystem::create_directories(sandbox.native + "/Work/Textures2");
    for (int i = 0; i < 1000; ++i)
        std::ofstream(sandbox.native + "/Work/Textures2/" + Numbered("tile", i)) << "small tile";
    const std::string home = pf::fs::ToInternal(sandbox.native) + "\\";
    const std::string root = home + "Sim\\";
    const std::string key = "Earth\\Base\\Bench.cfg";
    FileManager manager;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            manager.InstallFile(root, root + "Textures2\\", home + "Work\\Textures2\\",
                                Numbered("tile", i), key);
        benchmark::DoNotOptimize(manager.UninstallBase(root, key));
    }
}
BENCHMARK(BM_InstallAndUninstall1000Files)->Unit(benchmark::kMillisecond);

void BM_UninstallAmongOtherBases(benchmark::State& state) {
    pf::bench::Sandbox sandbox;
    Astrel2010 record;
    record.root = pf::fs::ToInternal(sandbox.native) + "\\Sim\\";
    for (int base = 0; base < 100; ++base) {
        for (int i = 0; i < 200; ++i)
            record.AddFile(record.root + "Textures2\\" + Numbered("other", base * 200 + i),
                           "Earth\\Base\\Other" + std::to_string(base) + ".cfg");
    }
    for (int i = 0; i < 2000; ++i)
        record.AddFile(record.root + "Textures2\\" + Numbered("mine", i), "Earth\\Base\\Mine.cfg");
    for (auto _ : state) {
        state.PauseTiming();
        Astrel2010 installation = record;
        state.ResumeTiming();
        benchmark::DoNotOptimize(installation.UninstallBase("Earth\\Base\\Mine.cfg"));
    }
}
BENCHMARK(BM_UninstallAmongOtherBases)->Unit(benchmark::kMillisecond);

} // namespace
