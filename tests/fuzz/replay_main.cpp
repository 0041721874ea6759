// Runs a fuzz target over the files named on the command line (a folder stands for every
// file in it), so that every build replays the corpus without libFuzzer. Each input has a
// few seconds; one that takes longer ends the run with its name.
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

constexpr unsigned kSecondsPerInput = 5;
const char* g_current = "";

void TooSlow(int) {
    const char text[] = "input took too long: ";
    (void)!write(2, text, sizeof text - 1);
    (void)!write(2, g_current, std::strlen(g_current));
    (void)!write(2, "\n", 1);
    _exit(1);
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr) {
        LLVMFuzzerInitialize(&argc, &argv);
    }
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path().string());
                }
            }
        } else {
            inputs.push_back(path.string());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    std::signal(SIGALRM, TooSlow);
    for (const std::string& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                      std::istreambuf_iterator<char>());
        g_current = input.c_str();
        alarm(kSecondsPerInput);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        alarm(0);
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
