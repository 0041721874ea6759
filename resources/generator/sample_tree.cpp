#include "resources/generator/sample_tree.h"

#include "foundation/text.h"
#include "imagery/codec_io.h"
#include "imagery/dds_file.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "tiles/planet_archive.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>
#include <vector>

namespace pf::sample {

namespace {

void Put32(std::string& bytes, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// The header of a DXT1 texture without mip levels, as the simulator's archives hold it.
std::string Dxt1Header(int side) {
    std::string header(kDdsHeaderBytes, '\0');
    header.replace(0, 4, "DDS ");
    Put32(header, 4, 124);
    Put32(header, 8, 0x1 | 0x2 | 0x4 | 0x1000 | 0x80000); // caps, height, width, format, size
    Put32(header, 12, static_cast<uint32_t>(side));
    Put32(header, 16, static_cast<uint32_t>(side));
    Put32(header, 20, static_cast<uint32_t>(side * side / 2));
    Put32(header, 76, 32);
    Put32(header, 80, 0x4); // four-character code
    Put32(header, 84, kFourCcDxt1);
    Put32(header, 108, 0x1000);
    return header;
}

uint16_t Rgb565(const ColorRGB& c) {
    const int r = (c.red * 31 + 127) / 255;
    const int g = (c.green * 63 + 127) / 255;
    const int b = (c.blue * 31 + 127) / 255;
    return static_cast<uint16_t>(r << 11 | g << 5 | b);
}

int ArchiveSide(int level) { return level == 0 ? 64 : level == 1 ? 128 : 256; }

std::string Number(double value) { return FormatNumber(static_cast<float>(value), 3); }

std::string ModelText(const char* comment, const std::vector<std::array<double, 3>>& vertices,
                      const std::vector<std::array<int, 3>>& triangles) {
    std::string text = FormatString("MSHX1\r\n; %s\r\nGROUPS 1\r\nGEOM %zu %zu\r\n", comment,
                                    vertices.size(), triangles.size());
    for (const auto& [x, y, z] : vertices) {
        text += Number(x) + " " + Number(y) + " " + Number(z) + "\r\n";
    }
    for (const auto& [a, b, c] : triangles) {
        text += FormatString("%d %d %d\r\n", a, b, c);
    }
    return text;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    if (WriteFileSafely(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())) {
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", fs::ToNative(path).c_str());
    return false;
}

bool WriteDxt5(const std::string& path, const BitmapData& image) {
    if (DDSRenderer::RenderDDS(path, image, kFourCcDxt5, true)) {
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", fs::ToNative(path).c_str());
    return false;
}

} // namespace

std::string BuildArchiveTile(int level, int64_t tile) {
    const int side = ArchiveSide(level);
    const int blocks = side / 4;
    const LatLonRect rect = GetTileLatLonRect(tile, level);
    std::vector<uint16_t> keys;
    keys.reserve(static_cast<size_t>(blocks * blocks));
    // Each block takes the colour at its centre, north up.
    for (int by = 0; by < blocks; ++by) {
        const double latitude = rect.North() - (by * 4 + 2) * rect.GetHeight() / side;
        for (int bx = 0; bx < blocks; ++bx) {
            const double longitude = rect.West() + (bx * 4 + 2) * rect.GetWidth() / side;
            keys.push_back(Rgb565(PlanetColour(longitude, latitude)));
        }
    }
    // A half turn of flat blocks is the blocks in reverse order.
    if (ArchiveIsSouthernTile(level, tile)) {
        std::reverse(keys.begin(), keys.end());
    }
    std::string bytes = Dxt1Header(side);
    for (const uint16_t key : keys) {
        // Both end colours the same, every index 0.
        const char block[8] = {static_cast<char>(key & 0xFF),
                               static_cast<char>(key >> 8),
                               static_cast<char>(key & 0xFF),
                               static_cast<char>(key >> 8),
                               0,
                               0,
                               0,
                               0};
        bytes.append(block, 8);
    }
    return bytes;
}

std::string BuildPlanetArchive(int maxLevel) {
    std::string bytes;
    for (int level = 0; level <= maxLevel; ++level) {
        for (int64_t t = 0; t < ArchiveTilesInLevel(level); ++t) {
            bytes += BuildArchiveTile(level, t);
        }
    }
    return bytes;
}

std::string TowerModel() {
    std::vector<std::array<double, 3>> vertices;
    for (const double y : {0.0, 30.0}) {
        for (const auto& [x, z] : {std::pair(-5.0, -5.0), {5.0, -5.0}, {5.0, 5.0}, {-5.0, 5.0}}) {
            vertices.push_back({x, y, z});
        }
    }
    const std::vector<std::array<int, 3>> triangles = {
        {0, 2, 1}, {0, 3, 2}, {4, 5, 6}, {4, 6, 7}, {0, 1, 5}, {0, 5, 4},
        {1, 2, 6}, {1, 6, 5}, {2, 3, 7}, {2, 7, 6}, {3, 0, 4}, {3, 4, 7},
    };
    return ModelText("A tower 10 x 10 m, 30 m high", vertices, triangles);
}

std::string DomeModel() {
    constexpr int kSegments = 12;
    constexpr int kRings = 3;
    constexpr double kRadius = 20.0;
    constexpr double kHeight = 15.0;
    std::vector<std::array<double, 3>> vertices;
    for (int ring = 0; ring < kRings; ++ring) {
        const double elevation = ring * 30.0 * std::numbers::pi / 180.0;
        for (int s = 0; s < kSegments; ++s) {
            const double azimuth = s * 2.0 * std::numbers::pi / kSegments;
            vertices.push_back({kRadius * std::cos(elevation) * std::cos(azimuth),
                                kHeight * std::sin(elevation),
                                kRadius * std::cos(elevation) * std::sin(azimuth)});
        }
    }
    vertices.push_back({0.0, kHeight, 0.0});
    std::vector<std::array<int, 3>> triangles;
    for (int ring = 0; ring + 1 < kRings; ++ring) {
        for (int s = 0; s < kSegments; ++s) {
            const int a = ring * kSegments + s;
            const int b = ring * kSegments + (s + 1) % kSegments;
            triangles.push_back({a, b, b + kSegments});
            triangles.push_back({a, b + kSegments, a + kSegments});
        }
    }
    const int apex = kRings * kSegments;
    for (int s = 0; s < kSegments; ++s) {
        const int first = (kRings - 1) * kSegments;
        triangles.push_back({first + s, first + (s + 1) % kSegments, apex});
    }
    return ModelText("A dome 40 m across, 15 m high", vertices, triangles);
}

std::string SampleFieldConfig() {
    const TileAttributes tile = FieldTile();
    return "BASE-V2.0\r\n"
           "\r\n"
           "Name = Sample Field\r\n"
           "Location = -80.6500 28.5800\r\n"
           "Size = 1000\r\n"
           "\r\n"
           "BEGIN_NAVBEACON\r\n"
           "VOR SFLD -80.6500 28.5800 113.4\r\n"
           "END_NAVBEACON\r\n"
           "\r\n"
           "BEGIN_OBJECTLIST\r\n"
           "RUNWAY\r\n"
           "\tEND1 -400 0 -120\r\n"
           "\tEND2 400 0 -120\r\n"
           "\tWIDTH 40\r\n"
           "END\r\n"
           "LPAD1\r\n"
           "\tPOS 150 0 120\r\n"
           "\tSCALE 1\r\n"
           "\tROT 0\r\n"
           "\tTEX Lpad01\r\n"
           "\tNAV 112.6\r\n"
           "END\r\n"
           "BLOCK\r\n"
           "\tPOS -150 0 120\r\n"
           "\tSCALE 30 12 20\r\n"
           "\tTEX1 Fcd06 3 1\r\n"
           "\tTEX2 Fcd06 2 1\r\n"
           "END\r\n"
           "END_OBJECTLIST\r\n"
           "\r\n"
           "BEGIN_SURFTILELIST\r\n" +
           FormatString("%d %d %d 1\r\n", tile.GetLevel(), tile.GetX(), tile.GetY()) +
           "END_SURFTILELIST\r\n";
}

bool WriteSampleTree(const std::string& folder) {
    const std::string root = fs::ToInternal(folder) + "\\";
    for (const char* sub :
         {"Config\\Earth\\Base\\", "Meshes\\Bases\\", "Textures\\", "Textures2\\"}) {
        if (!fs::CreateDirectories(root + sub)) {
            std::fprintf(stderr, "cannot make %s\n", fs::ToNative(root + sub).c_str());
            return false;
        }
    }
    DDSRendererUse use;
    bool ok = WriteBytes(root + "Config\\Earth\\Base\\SampleField.cfg", SampleFieldConfig());
    ok = WriteBytes(root + "Meshes\\Tower.msh", TowerModel()) && ok;
    ok = WriteBytes(root + "Meshes\\Bases\\Dome.msh", DomeModel()) && ok;
    ok = WriteBytes(root + "Textures\\Earth.tex", BuildPlanetArchive(4)) && ok;
    ok = WriteDxt5(root + "Textures\\Moon.dds", DrawMoon()) && ok;
    ok = WriteDxt5(root + "Textures\\Fcd06.dds", DrawWall()) && ok;
    ok = WriteDxt5(root + "Textures\\Lpad01.dds", DrawPad()) && ok;
    ok = WriteDxt5(root + "Textures2\\" + FieldTile().GetDdsFileName(), DrawFieldTile()) && ok;
    return ok;
}

} // namespace pf::sample
