#include "imagery/dxt5_encoder.h"

#include <stb_dxt.h>

namespace pf {

void StbDxt5Encoder::EncodeBlock(const uint8_t* bgra64, uint8_t* out16) const {
    // stb_dxt takes red first.
    unsigned char rgba[64];
    for (int i = 0; i < 16; ++i) {
        rgba[i * 4 + 0] = bgra64[i * 4 + 2];
        rgba[i * 4 + 1] = bgra64[i * 4 + 1];
        rgba[i * 4 + 2] = bgra64[i * 4 + 0];
        rgba[i * 4 + 3] = bgra64[i * 4 + 3];
    }
    stb_compress_dxt_block(out16, rgba, 1, high_quality_ ? STB_DXT_HIGHQUAL : STB_DXT_NORMAL);
}

const Dxt5BlockEncoder& DefaultDxt5Encoder() {
    static const StbDxt5Encoder encoder(true);
    return encoder;
}

} // namespace pf
