#pragma once
// PNG through libpng: any PNG decodes to straight 8-bit blue-green-red-alpha, and a
// 32-bit image is written as RGBA so that all four bytes of every pixel survive.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pf {

class BitmapData;

// True when the bytes start with the PNG signature.
bool IsPngData(const uint8_t* data, size_t size);

// Decodes a PNG held in memory into a 32-bit image, top row first: palette and tRNS
// expanded, grey turned to RGB, 16-bit channels scaled to 8 bits, interlaced files read
// whole, no gamma correction. False, with the image left empty, on any failure.
bool DecodePng(const uint8_t* data, size_t size, BitmapData& image);

// Encodes a 32-bit image as an RGBA PNG (default compression, alpha as stored).
bool EncodePng(const BitmapData& image, std::vector<uint8_t>& out);

} // namespace pf
