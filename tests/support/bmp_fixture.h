#pragma once
// BMP files built field by field for reader tests, well-formed or deliberately broken.
#include <cstdint>
#include <string>
#include <vector>

namespace pf::test {

struct BmpFixture {
    uint32_t info_size = 40; // 40, 52, 56, 108, 124 ... (any value, for broken files)
    int32_t width = 0;
    int32_t height = 0; // negative: top-down
    uint16_t bits = 24;
    uint32_t compression = 0; // 0 BI_RGB, 1 RLE8, 3 BI_BITFIELDS ...
    uint32_t colours_used = 0;
    std::vector<uint32_t> masks;            // red, green, blue(, alpha): in the header when it is
                                            // 52+ bytes, else right after it
    std::vector<uint8_t> palette;           // 4 bytes per entry, written after header and masks
    std::vector<std::vector<uint8_t>> rows; // stored rows without padding, in file order
    bool pad_rows = true;                   // pad each row to 4 bytes
    int64_t off_bits = -1;                  // -1: right after header, masks and palette
    std::string magic = "BM";
};

// The bytes of the file.
std::string MakeBmp(const BmpFixture& spec);

// A 2 x 2 24-bit picture whose every byte is value.
inline std::string SolidBmp(uint8_t value) {
    BmpFixture f;
    f.width = 2;
    f.height = 2;
    f.rows = {std::vector<uint8_t>(6, value), std::vector<uint8_t>(6, value)};
    return MakeBmp(f);
}

} // namespace pf::test
