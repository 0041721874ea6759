#pragma once
// A private home for a benchmark run: HOME and the XDG folders point at a fresh temporary
// folder, removed with everything in it at the end, so no benchmark touches the account's
// files. SimulatorSandbox adds a simulator tree whose Earth has a planet archive.
#include "platform/fs.h"
#include "tiles/planet_archive.h"
#include "workspace/folders.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// One flat DXT1 tile of the archive layout.
inline std::string ArchiveTile(int level, int64_t tile) {
    const auto put32 = [](std::string& bytes, size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    const int side = level == 0 ? 64 : level == 1 ? 128 : 256;
    std::string bytes(128, '\0');
    bytes.replace(0, 4, "DDS ");
    put32(bytes, 4, 124);
    put32(bytes, 8, 0x1007);
    put32(bytes, 12, static_cast<uint32_t>(side));
    put32(bytes, 16, static_cast<uint32_t>(side));
    put32(bytes, 76, 32);
    put32(bytes, 80, 0x4);
    bytes.replace(84, 4, "DXT1");
    const uint16_t key = static_cast<uint16_t>(level * 2467 + tile * 97);
    for (int i = 0; i < (side / 4) * (side / 4); ++i) {
        const char block[8] = {static_cast<char>(key & 0xFF),
                               static_cast<char>(key >> 8),
                               static_cast<char>(~key & 0xFF),
                               static_cast<char>(~key >> 8),
                               static_cast<char>(0x1B),
                               static_cast<char>(0xE4),
                               0,
                               0};
        bytes.append(block, 8);
    }
    return bytes;
}

struct SimulatorSandbox : Sandbox {
    SimulatorSandbox() {
        const std::string sim = native + "/Sim/";
        WriteFile(sim + "astrel.exe", "");
        WriteFile(sim + "Astrel.cfg", "ConfigDir = .\\Config\\\r\nTextureDir = .\\Textures\\\r\n");
        WriteFile(sim + "Config/Earth.cfg",
                  "Name = Earth\r\nSize = 6371010\r\nMass = 5.973698968e24\r\n");
        std::string archive;
        for (int level = 0; level <= 5; ++level) {
            for (int64_t t = 0; t < ArchiveTilesInLevel(level); ++t) {
                archive += ArchiveTile(level, t);
            }
        }
        WriteFile(sim + "Textures/Earth.tex", archive);
        SetAstrelPath(fs::ToInternal(sim));
    }
};

} // namespace pf::bench
