#pragma once
// Small images and pixel probes shared by the image tests.
#include "imagery/bitmap_data.h"

#include <cstdint>
#include <vector>

namespace pf::test {

// Every byte of the image, widened so that a failed comparison prints numbers.
inline std::vector<int> Bytes(const BitmapData& image) {
    return std::vector<int>(image.Pixels(), image.Pixels() + image.ByteCount());
}

// A 24-bit image whose pixel (x, y) is (x, y, 50): every pixel tells where it came from.
inline BitmapData Distinct24(int w, int h) {
    BitmapData image(w, h, 24);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = image.PixelAddress(x, y);
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = 50;
        }
    }
    return image;
}

// The colour of pixel (x, y) of a 24- or 32-bit image.
inline ColorRGB At(const BitmapData& image, int x, int y) {
    const std::uint8_t* p = image.PixelAddress(x, y);
    return ColorRGB(p[0], p[1], p[2]);
}

} // namespace pf::test
