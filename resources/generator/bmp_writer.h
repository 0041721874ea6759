#pragma once
// Writes uncompressed 24-bit BMP files of the kind the install folder ships: "BM", a 40-byte
// info header, BI_RGB, bottom-up rows padded to 4 bytes, pixel data at offset 54 and 2835
// pixels per metre. The program itself never writes BMP files; this lives with the picture
// generator (and test fixtures may reuse it).
#include <cstdint>
#include <string>

namespace pf::pictures {

// pixels: top row first, blue-green-red, rows stride bytes apart.
inline std::string EncodeBmp24(const uint8_t* pixels, int width, int height, int stride) {
    const uint32_t row_bytes = (uint32_t(width) * 3 + 3) & ~3u;
    const uint32_t image_bytes = row_bytes * uint32_t(height);
    std::string out(54 + image_bytes, '\0');
    auto put16 = [&](size_t at, uint32_t v) {
        out[at] = char(v & 0xFF);
        out[at + 1] = char((v >> 8) & 0xFF);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, uint32_t(out.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    put16(26, 1);
    put16(28, 24);
    put32(30, 0); // BI_RGB
    put32(34, image_bytes);
    put32(38, 2835);
    put32(42, 2835);
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = pixels + size_t(stride) * size_t(height - 1 - y);
        for (int i = 0; i < width * 3; ++i) {
            out[54 + size_t(row_bytes) * size_t(y) + size_t(i)] = char(src[i]);
        }
    }
    return out;
}

} // namespace pf::pictures
