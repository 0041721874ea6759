#pragma once
// The generated files of the sample simulator tree (examples/sample-astrel/): a planet
// texture archive, whole-body and object textures, the sample base's surface tile, two
// models and the sample base's configuration. The pictures are drawn in code; the
// hand-written files of the tree (Astrel.cfg, the body files) are not made here.
#include "imagery/bitmap_data.h"
#include "tiles/tile_attributes.h"

#include <string>
#include <vector>

namespace pf::sample {

// Where the sample base stands and the one surface tile it lists (level 9, north of the
// equator, so its texture is stored the right way up).
inline constexpr double kFieldLongitude = -80.65;
inline constexpr double kFieldLatitude = 28.58;
inline constexpr int kFieldTileLevel = 9;
TileAttributes FieldTile();

// Pictures, 32 bits, top row first, north up.
// The planet's colour at a place: blue seas, green land in flat regions, white ice.
ColorRGB PlanetColour(double longitude, double latitude);
BitmapData DrawMoon();      // 256 x 128, the whole body
BitmapData DrawWall();      // 64 x 64, a facade of windows ("Fcd06")
BitmapData DrawPad();       // 64 x 64, a landing pad ring ("Lpad01")
BitmapData DrawFieldTile(); // 512 x 512, grass and apron, a red marker in the north-west

// The planet archive: levels 0..maxLevel of DXT1 tiles back to back, one flat colour per
// 4 x 4 block; southern tiles stored turned by a half turn, as the simulator keeps them.
std::string BuildPlanetArchive(int maxLevel);
// One archive tile: the DXT1 DDS of a side x side picture of the rectangle.
std::string BuildArchiveTile(int level, int64_t tile);

// Model texts: a 10 x 10 x 30 m box and a dome of 37 vertices.
std::string TowerModel();
std::string DomeModel();
// "SampleField.cfg": a runway, a pad, a block, one beacon and the field tile.
std::string SampleFieldConfig();

// Writes every generated file under the folder (a native path) and prints what failed.
bool WriteSampleTree(const std::string& folder);

} // namespace pf::sample
