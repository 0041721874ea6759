#pragma once
// Planet texture archives of our own making for the tests: every tile a DXT1 DDS image of
// one flat colour that names its level and index; tiles of the southern half are stored
// two-toned (top half the tile's colour, bottom half white) so that the half turn shows.
#include "imagery/bitmap_data.h"

#include <cstdint>
#include <string>

namespace pf::test {

// The RGB565 key of a tile and the colour it decodes to.
uint16_t ArchiveTileKey(int level, int64_t tile);
ColorRGB Rgb565Colour(uint16_t key);
ColorRGB ArchiveTileColour(int level, int64_t tile);
// The second tone of stored southern tiles.
inline constexpr uint16_t kArchiveSouthKey = 0xFFFF;

// One tile's bytes (header and surface).
std::string MakeArchiveTile(int level, int64_t tile);
// Levels 0..maxLevel back to back.
std::string MakeArchiveBytes(int maxLevel);
// A DXT1 DDS file of one flat colour, side x side pixels.
std::string MakeFlatDxt1Dds(int side, uint16_t key);

} // namespace pf::test
