#pragma once
// DXT5 block encoding behind an interface of our own, so that the texture writer does
// not depend on one library and the benchmark can compare encoders on equal terms.
#include <cstdint>

namespace pf {

// Encodes one 4 x 4 block: sixteen pixels of 4 bytes in the image's byte order (blue,
// green, red, alpha), row-major, into the 16 bytes of a DXT5 block.
class Dxt5BlockEncoder {
  public:
    virtual ~Dxt5BlockEncoder() = default;
    virtual void EncodeBlock(const uint8_t* bgra64, uint8_t* out16) const = 0;
};

// stb_dxt in its high-quality mode (or its normal mode, for comparison).
class StbDxt5Encoder final : public Dxt5BlockEncoder {
  public:
    explicit StbDxt5Encoder(bool high_quality = true) : high_quality_(high_quality) {}
    void EncodeBlock(const uint8_t* bgra64, uint8_t* out16) const override;

  private:
    bool high_quality_;
};

// The encoder the texture writer uses.
const Dxt5BlockEncoder& DefaultDxt5Encoder();

} // namespace pf
