// Line reading and content comparison over 1 MB, through files and memory. FileStream
// buffers, so the one-byte reads of ReadLine stay out of the kernel.
#include "foundation/stream.h"
#include "platform/fs.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr size_t kSize = 1024 * 1024;

std::string TextOfLines() {
    std::string text;
    text.reserve(kSize + 64);
    for (int i = 0; text.size() < kSize; ++i) {
        text += "POS " + std::to_string(i * 3) + ".25 0 " + std::to_string(i) + ".5\r\n";
    }
    text.resize(kSize);
    return text;
}

// A temporary folder holding the files the benchmarks read, removed at the end.
class BenchFiles {
  public:
    BenchFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pf-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        native_ = pattern;
        const std::string text = TextOfLines();
        Write("lines.txt", text);
        Write("a.bin", text);
        Write("b.bin", text);
    }
    ~BenchFiles() {
        std::error_code ec;
        std::filesystem::remove_all(native_, ec);
    }
    std::string Path(const std::string& name) const {
        return pf::fs::ToInternal(native_) + "\\" + name;
    }

  private:
    void Write(const std::string& name, const std::string& bytes) const {
        pf::FileStream f;
        if (!f.Open(Path(name), pf::kOpenCreate | pf::kOpenWrite) ||
            !f.Write(bytes.data(), static_cast<uint32_t>(bytes.size())) || !f.Commit()) {
            std::abort();
        }
    }
    std::string native_;
};

const BenchFiles& Files() {
    static const BenchFiles files;
    return files;
}

void BM_ReadLineFileStream(benchmark::State& state) {
    const std::string path = Files().Path("lines.txt");
    for (auto _ : state) {
        pf::FileStream f;
        if (!f.Open(path, pf::kOpenRead)) {
            state.SkipWithError("cannot open");
            return;
        }
        std::string line;
        size_t lines = 0;
        while (f.ReadLine(line)) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_ReadLineFileStream);

void BM_ReadLineMemStream(benchmark::State& state) {
    pf::MemStream m;
    const std::string text = TextOfLines();
    m.Write(text.data(), static_cast<uint32_t>(text.size()));
    for (auto _ : state) {
        m.SeekToBegin();
        std::string line;
        size_t lines = 0;
        while (m.ReadLine(line)) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_ReadLineMemStream);

void BM_IsSameContentFiles(benchmark::State& state) {
    pf::FileStream a;
    pf::FileStream b;
    if (!a.Open(Files().Path("a.bin"), pf::kOpenRead) ||
        !b.Open(Files().Path("b.bin"), pf::kOpenRead)) {
        state.SkipWithError("cannot open");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.IsSameContent(b));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_IsSameContentFiles);

} // namespace
