#pragma once
// Whole-file input and output of the image codecs.
#include "imagery/image_limits.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pf {

class MyStream;

// Reads a whole stream from its beginning; false when it is longer than limit or a read
// falls short.
bool ReadWholeStream(MyStream& stream, std::vector<uint8_t>& bytes,
                     uint64_t limit = kMaxImageFileBytes);

// Reads a whole file; false when it cannot be opened or read, or is longer than limit.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                   uint64_t limit = kMaxImageFileBytes);

// One colour channel of a masked pixel format (BMP bit fields, uncompressed DDS),
// taken by its mask and scaled to 8 bits.
struct MaskChannel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    MaskChannel() = default;
    explicit MaskChannel(uint32_t m) : mask(m) {
        if (m != 0) {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    // The channel's value, or `missing` for a format without it.
    uint8_t Get(uint32_t pixel, uint8_t missing) const {
        if (mask == 0) {
            return missing;
        }
        const uint64_t v = (pixel & mask) >> shift;
        return uint8_t((v * 255 + max / 2) / max);
    }
};

// Writes the bytes to a temporary file beside the target and renames it over the target;
// on failure the temporary file is removed and the old file stays whole.
bool WriteFileSafely(const std::string& path, const uint8_t* data, size_t size);

} // namespace pf
