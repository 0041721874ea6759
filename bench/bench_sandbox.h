#pragma once
// A private home for a benchmark run: HOME and the XDG folders point at a fresh temporary
// folder, removed with everything in it at the end, so no benchmark touches the account's
// files.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace pf::bench {

struct Sandbox {
    std::string native;
    Sandbox() {
        char pattern[] = "/tmp/pf-bench-XXXXXX";
        if (!mkdtemp(pattern)) {
            std::fprintf(stderr, "cannot make a temporary folder\n");
            std::exit(1);
        }
        native = pattern;
        setenv("HOME", native.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (native + "/.config").c_str(), 1);
        setenv("XDG_DATA_HOME", (native + "/.local/share").c_str(), 1);
    }
    ~Sandbox() { std::filesystem::remove_all(native); }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
};

} // namespace pf::bench
