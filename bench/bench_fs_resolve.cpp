// Case-insensitive path resolution in a large folder: a name asked in other case must
// scan the folder, and so must a name that is not there at all.
#include "platform/fs.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class LargeFolder {
  public:
    LargeFolder() {
        char pattern[] = "/tmp/padforge-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        native_ = pattern;
        for (int i = 0; i < 10000; ++i) {
            std::string name = native_ + "/Entry_" + std::to_string(i) + ".cfg";
            if (FILE* f = std::fopen(name.c_str(), "w"))
                std::fclose(f);
        }
    }
    ~LargeFolder() {
        std::error_code ec;
        std::filesystem::remove_all(native_, ec);
    }
    std::string Internal() const { return pf::fs::ToInternal(native_) + "\\"; }

  private:
    std::string native_;
};

const LargeFolder& Folder() {
    static LargeFolder folder;
    return folder;
}

void BM_ResolveOtherCase(benchmark::State& state) {
    const std::string path = Folder().Internal() + "ENTRY_5000.CFG";
    std::string native;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pf::fs::Resolve(path, native));
    }
}
BENCHMARK(BM_ResolveOtherCase);

void BM_ResolveMissing(benchmark::State& state) {
    const std::string path = Folder().Internal() + "not_there.cfg";
    std::string native;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pf::fs::Resolve(path, native));
    }
}
BENCHMARK(BM_ResolveMissing);

void BM_ResolveExact(benchmark::State& state) {
    const std::string path = Folder().Internal() + "Entry_5000.cfg";
    std::string native;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pf::fs::Resolve(path, native));
    }
}
BENCHMARK(BM_ResolveExact);

} // namespace
