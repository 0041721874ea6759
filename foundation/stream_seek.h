#pragma once
// Where a stream seek lands; shared by the stream classes.
#include "foundation/stream.h"

#include <cstdint>

namespace pf::detail {

// False when the seek would end before the start or beyond the int64 range.
inline bool SeekTarget(int64_t offset, SeekOrigin origin, uint64_t position, uint64_t length,
                       uint64_t& target) {
    const uint64_t base = origin == SeekOrigin::Begin     ? 0
                          : origin == SeekOrigin::Current ? position
                                                          : length;
    if (offset < 0) {
        const uint64_t back = static_cast<uint64_t>(-(offset + 1)) + 1;
        if (back > base) {
            return false;
        }
        target = base - back;
        return true;
    }
    const uint64_t forward = static_cast<uint64_t>(offset);
    if (base > static_cast<uint64_t>(INT64_MAX) ||
        forward > static_cast<uint64_t>(INT64_MAX) - base) {
        return false;
    }
    target = base + forward;
    return true;
}

} // namespace pf::detail
