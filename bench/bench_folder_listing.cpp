// Listing a folder of many tile textures, and reading one setting from a settings file
// of typical size (every read goes to the file).
#include "platform/fs.h"
#include "workspace/file_utils.h"
#include "workspace/settings.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace stdfs = std::filesystem;

class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (stdfs::temp_directory_path() / "padforge-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty())
            stdfs::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

void BM_ListFilesInFolder(benchmark::State& state) {
    ScratchFolder scratch;
    for (int i = 0; i < 10000; ++i) {
        std::ofstream(scratch.Path() + "/tile_" + std::to_string(i) +
                      (i % 4 == 0 ? ".png" : ".dds"));
    }
    const std::string folder = pf::fs::ToInternal(scratch.Path()) + "\\";
    std::vector<std::string> names;
    for (auto _ : state) {
        pf::ListFilesInFolder(folder, "*.dds", names);
        benchmark::DoNotOptimize(names.data());
    }
    state.counters["files"] = static_cast<double>(names.size());
}
BENCHMARK(BM_ListFilesInFolder)->Unit(benchmark::kMillisecond);

void BM_GetGridSize(benchmark::State& state) {
    ScratchFolder scratch;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string previous = old != nullptr ? old : "";
    setenv("XDG_CONFIG_HOME", scratch.Path().c_str(), 1);
    for (int i = 0; i < 49; ++i) {
        pf::WriteRegistryValue("Value " + std::to_string(i),
                               "\\some\\folder\\" + std::to_string(i) + "\\");
    }
    pf::SetGridSize(50);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pf::GetGridSize());
    }
    if (old != nullptr) {
        setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}
BENCHMARK(BM_GetGridSize);

} // namespace
