#pragma once
// The simulator's ".msh" model files, read only for what the editor needs of them: the
// extents of all vertices and whether the model names textures. Also the rules shared by
// the mesh cache files (extent records and top views): where they live, when they are
// stale, and which FILE names may become paths at all.
//
// Model text: one line per record; tokens are separated by the blank alone (a TAB does
// not separate), and a line's last token carries its line end.
#include "foundation/geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pf {

// Largest model file read; anything bigger (or not a regular file) counts as unreadable.
inline constexpr uint64_t kMaxMeshFileBytes = 256ull * 1024 * 1024;

// A model's natural extents in its own coordinates: rect.left/right are the least and
// greatest z, rect.top/bottom the greatest and least x.
struct MeshExtents {
    GeoRect rect{0.0, 1.0, 1.0, 0.0};
    double lowestY = 0.0;
    double highestY = 0.0;
};

// The whole model file. False without a message when it cannot be opened (missing, not a
// regular file, too big); "Couldn't read file\r\n" and false when it is empty.
bool ReadMeshFileText(const std::string& path, std::string& text);

// The extents of every GEOM group of a model text (MeshGeomReader). textured becomes 1 when
// a TEXTURE line is met. False for a faulty text, one without a vertex, or extents that
// are not sound; the outputs then stay as they were (textured aside).
bool ParseMeshExtents(std::string_view text, MeshExtents& out, uint8_t& textured);
// ReadMeshFileText, then ParseMeshExtents.
bool ReadMeshExtents(const std::string& path, MeshExtents& out, uint8_t& textured);

// The 49-byte extent record: six little-endian doubles (left, right, top, bottom,
// highest y, lowest y) and the textured flag.
inline constexpr size_t kMeshRecordSize = 49;
using MeshRecordBytes = std::array<uint8_t, kMeshRecordSize>;
MeshRecordBytes EncodeMeshRecord(const MeshExtents& extents, uint8_t textured);
void DecodeMeshRecord(const MeshRecordBytes& bytes, MeshExtents& extents, uint8_t& textured);
// Finite values with left <= right, bottom <= top and lowest <= highest, and finite sizes.
bool IsSoundMeshExtents(const MeshExtents& extents);

// Makes the folders of a cache file name ("Bases\Hangars\Big.dat" makes "Bases\" and
// "Bases\Hangars\") inside the mesh cache folder; failures are ignored.
void CreateCacheSubfolders(const std::string& name);

// The file's last-write time as one 64-bit number; false when it cannot be read.
bool GetFileWriteTimeOf(const std::string& path, uint64_t& time);

// The staleness rule: a cache file is current unless its model exists and is strictly
// newer (or its time cannot be read). A stale file is deleted; the answer is then false.
bool IsCacheFileCurrent(const std::string& cacheFile, const std::string& modelPath);

} // namespace pf
