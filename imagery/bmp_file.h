#pragma once
// BMP reading. Rows come back in the file's stored order (bottom row first for an
// ordinary file); callers that want the top row first flip the image. Nothing here shows
// a message: a file that does not pass the checks simply gives false.
#include <cstddef>
#include <cstdint>
#include <string>

namespace pf {

class BitmapData;
class MyStream;

// True when the bytes start with "BM".
bool IsBmpData(const uint8_t* data, size_t size);

// Decodes a BMP held in memory. Accepted: 8 bits with a palette and 16 bits (both
// expanded to 24), 24 bits, 32 bits (alpha only where the header gives an alpha mask,
// else 255). With convert set the result is then brought to 24 bits. False, with the
// image left empty, for 1- and 4-bit files, RLE or embedded compression and any size or
// offset that the data does not hold.
bool DecodeBmp(const uint8_t* data, size_t size, BitmapData& image, bool convert);

// The same from a stream, read from its beginning.
bool ReadBmp(MyStream& stream, BitmapData& image, bool convert);

// Opens the file and reads it with convert set; false when it cannot be opened.
bool LoadBmpFile(const std::string& path, BitmapData& image);

} // namespace pf
