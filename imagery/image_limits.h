#pragma once
// The size caps that every image reader and the image record share. An image may have at
// most kMaxImageSide pixels per side and kMaxImageBytes of 32-bit pixels; a file read whole
// may have at most kMaxImageFileBytes. Large imported photographs stay possible up to them.
#include <cstdint>

namespace pf {

inline constexpr uint32_t kMaxImageSide = 32768;
inline constexpr uint64_t kMaxImageBytes = uint64_t{1} << 30;
inline constexpr uint64_t kMaxImageFileBytes = uint64_t{1} << 30;

// True when a width x height image lies within the caps (both sides at least 1).
constexpr bool FitsImageCaps(uint64_t width, uint64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height * 4 <= kMaxImageBytes;
}

} // namespace pf
