#pragma once
// Small images made by the tests themselves: JPEG bytes for map replies and cache files,
// PNG textures with four flat quarters.
#include "imagery/bitmap_data.h"
#include "imagery/jpeg_file.h"
#include "imagery/png_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace pf::test {

// A 24-bit image whose pixel (x, y) gets colour(x, y) as {blue, green, red}.
inline BitmapData MakeImage24(int width, int height,
                              const std::function<ColorRGB(int, int)>& colour) {
    BitmapData image;
    EXPECT_TRUE(image.Create24(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const ColorRGB c = colour(x, y);
            uint8_t* p = image.PixelAddress(x, y);
            p[0] = c.blue;
            p[1] = c.green;
            p[2] = c.red;
        }
    }
    return image;
}

inline ColorRGB Rgb(uint8_t red, uint8_t green, uint8_t blue) {
    ColorRGB c;
    c.red = red;
    c.green = green;
    c.blue = blue;
    return c;
}

inline std::string JpegBytesOf(const BitmapData& image) {
    TempDir dir;
    EXPECT_TRUE(SaveBitmapAsJpeg(image, dir.InternalPath("made.jpg"), 95));
    return dir.ReadFile("made.jpg");
}

inline std::string FlatJpeg(int width, int height, ColorRGB colour) {
    return JpegBytesOf(MakeImage24(width, height, [&](int, int) { return colour; }));
}

inline std::string GradientJpeg(int width, int height) {
    return JpegBytesOf(MakeImage24(width, height, [](int x, int y) {
        return Rgb(static_cast<uint8_t>(x / 2), static_cast<uint8_t>(y / 2), 128);
    }));
}

// A 32-bit PNG whose quarters are flat: north-west, north-east, south-west, south-east.
inline std::string QuartersPng(int size, const ColorRGBA (&quarters)[4]) {
    BitmapData image;
    EXPECT_TRUE(image.Create(size, size, 32));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const ColorRGBA& c = quarters[(y < size / 2 ? 0 : 2) + (x < size / 2 ? 0 : 1)];
            uint8_t* p = image.PixelAddress(x, y);
            p[0] = c.blue;
            p[1] = c.green;
            p[2] = c.red;
            p[3] = c.alpha;
        }
    }
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(EncodePng(image, bytes));
    return std::string(bytes.begin(), bytes.end());
}

inline bool Near(int a, int b, int tolerance) { return std::abs(a - b) <= tolerance; }

} // namespace pf::test
