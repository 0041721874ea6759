#pragma once
// Conversion of an image of any supported colour model and depth, in place, to 32 bits
// (blue, green, red, alpha), 24 bits (blue, green, red) or 8 bits (grey). A converted image
// has colour model 0; an image already in the target form with model 0 keeps its buffer.
// Unsupported combinations, a missing buffer or a failed allocation give false and leave
// the image unchanged.
#include "imagery/bitmap_data.h"

#include <cstdint>

namespace pf {

bool ConvertTo32Bit(BitmapData& image);
bool ConvertTo24Bit(BitmapData& image);
bool ConvertTo8Bit(BitmapData& image);

// Luma contributions with three fraction bits: entry = trunc(8 * v * k) for red (.299),
// green (.587) and blue (.114). Built once, on first use.
struct ColorTables {
    std::uint16_t red[256];
    std::uint16_t green[256];
    std::uint16_t blue[256];
};
const ColorTables& InitColorTables();

// Grey of a float triple stored blue, green, red (each clamped to 0..1, NaN as 0).
std::uint8_t GreyFromFloats(const float* bgr);

} // namespace pf
