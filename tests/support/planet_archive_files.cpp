#include "support/planet_archive_files.h"

#include "tiles/planet_archive.h"

namespace pf::test {

namespace {

void Put32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::string Dxt1Header(int side) {
    std::string header(128, '\0');
    header.replace(0, 4, "DDS ");
    Put32(header, 4, 124);
    Put32(header, 8, 0x1 | 0x2 | 0x4 | 0x1000 | 0x80000); // caps, height, width, format, size
    Put32(header, 12, static_cast<uint32_t>(side));
    Put32(header, 16, static_cast<uint32_t>(side));
    Put32(header, 20, static_cast<uint32_t>(side * side / 2));
    Put32(header, 76, 32);
    Put32(header, 80, 0x4); // four-character code
    header.replace(84, 4, "DXT1");
    Put32(header, 108, 0x1000);
    return header;
}

void AppendBlocks(std::string& bytes, int blocks, uint16_t key) {
    for (int i = 0; i < blocks; ++i) {
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
}

int SideOfLevel(int level) { return level == 0 ? 64 : level == 1 ? 128 : 256; }

} // namespace

uint16_t ArchiveTileKey(int level, int64_t tile) {
    const uint16_t red = static_cast<uint16_t>((level * 3 + 1) & 31);
    const uint16_t green = static_cast<uint16_t>(tile % 64);
    const uint16_t blue = static_cast<uint16_t>((tile / 64 * 5 + 3) & 31);
    return static_cast<uint16_t>(red << 11 | green << 5 | blue);
}

ColorRGB Rgb565Colour(uint16_t key) {
    const int r = key >> 11;
    const int g = (key >> 5) & 63;
    const int b = key & 31;
    return ColorRGB(static_cast<uint8_t>(b << 3 | b >> 2), static_cast<uint8_t>(g << 2 | g >> 4),
                    static_cast<uint8_t>(r << 3 | r >> 2));
}

ColorRGB ArchiveTileColour(int level, int64_t tile) {
    return Rgb565Colour(ArchiveTileKey(level, tile));
}

std::string MakeFlatDxt1Dds(int side, uint16_t key) {
    std::string bytes = Dxt1Header(side);
    AppendBlocks(bytes, (side / 4) * (side / 4), key);
    return bytes;
}

std::string MakeArchiveTile(int level, int64_t tile) {
    const int side = SideOfLevel(level);
    const uint16_t key = ArchiveTileKey(level, tile);
    if (!ArchiveIsSouthernTile(level, tile)) {
        return MakeFlatDxt1Dds(side, key);
    }
    std::string bytes = Dxt1Header(side);
    const int half = (side / 4) * (side / 4) / 2;
    AppendBlocks(bytes, half, key);
    AppendBlocks(bytes, half, kArchiveSouthKey);
    return bytes;
}

std::string MakeArchiveBytes(int maxLevel) {
    std::string bytes;
    for (int level = 0; level <= maxLevel; ++level) {
        for (int64_t t = 0; t < ArchiveTilesInLevel(level); ++t) {
            bytes += MakeArchiveTile(level, t);
        }
    }
    return bytes;
}

} // namespace pf::test
