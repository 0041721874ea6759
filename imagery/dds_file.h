#pragma once
// DDS texture files: decoding the top level of DXT1, DXT3, DXT5 and uncompressed 24/32-bit
// files, and building DXT5 files with their mip levels. All sizes are checked against the
// bytes present before anything is allocated.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pf {

class BitmapData;
class Dxt5BlockEncoder;

constexpr uint32_t kFourCcDxt1 = 0x31545844; // "DXT1"
constexpr uint32_t kFourCcDxt3 = 0x33545844; // "DXT3"
constexpr uint32_t kFourCcDxt5 = 0x35545844; // "DXT5"
constexpr size_t kDdsHeaderBytes = 128;      // magic and header

// One compressed block in, sixteen pixels out (64 bytes, blue, green, red, alpha,
// row-major).
void DecodeDxt1Block(const uint8_t* block8, uint8_t* bgra64);
void DecodeDxt3Block(const uint8_t* block16, uint8_t* bgra64);
void DecodeDxt5Block(const uint8_t* block16, uint8_t* bgra64);

// True when the bytes start with "DDS ".
bool IsDdsData(const uint8_t* data, size_t size);

// Decodes the top level into a 32-bit image, top row first. False, with the image left
// empty, for anything malformed or unsupported (DX10 headers, cube maps, volume textures,
// other pixel formats).
bool DecodeDds(const uint8_t* data, size_t size, BitmapData& image);

// Bytes of one DXT5 level: one 16-byte block per started 4 x 4 square.
size_t Dxt5LevelBytes(int width, int height);

// Encodes one 32-bit image as DXT5 blocks, row-major from the top-left, into out
// (Dxt5LevelBytes bytes). Blocks that reach past the image repeat its edge pixels.
bool EncodeDxt5Level(const BitmapData& level, const Dxt5BlockEncoder& encoder, uint8_t* out);

// The 128 bytes of magic and header of a DXT5 file whose top level is width x height.
// With mips, levels is the number of levels that follow.
std::vector<uint8_t> BuildDxt5DdsHeader(int width, int height, bool mips, int levels);

// A whole DXT5 file: the header and every level (level 0 first, all 32 bits).
bool BuildDxt5Dds(const std::vector<BitmapData>& levels, bool mips, const Dxt5BlockEncoder& encoder,
                  std::vector<uint8_t>& out);

} // namespace pf
