#include "imagery/dxt5_encoder.h"

#include "imagery/dds_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace pf {
namespace {

struct Block {
    uint8_t bgra[64];
};

std::vector<uint8_t> RoundTrip(const Block& block, uint8_t* encoded = nullptr) {
    uint8_t out[16];
    DefaultDxt5Encoder().EncodeBlock(block.bgra, out);
    if (encoded != nullptr) {
        std::memcpy(encoded, out, 16);
    }
    std::vector<uint8_t> decoded(64);
    DecodeDxt5Block(out, decoded.data());
    return decoded;
}

// colour0 > colour1, or the two are equal and no texel uses index 3.
void ExpectOrderedEndpoints(const uint8_t* encoded) {
    const uint16_t c0 = uint16_t(encoded[8] | encoded[9] << 8);
    const uint16_t c1 = uint16_t(encoded[10] | encoded[11] << 8);
    if (c0 == c1) {
        const uint32_t indices = uint32_t(encoded[12]) | uint32_t(encoded[13]) << 8 |
                                 uint32_t(encoded[14]) << 16 | uint32_t(encoded[15]) << 24;
        for (int i = 0; i < 16; ++i) {
            EXPECT_NE((indices >> (2 * i)) & 3, 3u);
        }
    } else {
        EXPECT_GT(c0, c1);
    }
}

TEST(Dxt5EncoderTest, SolidBlocksStayCloseWithExactAlpha) {
    const uint8_t colours[][4] = {{0, 0, 0, 255},      {255, 255, 255, 255}, {12, 200, 77, 0},
                                  {128, 128, 128, 17}, {3, 250, 9, 254},     {99, 1, 180, 128}};
    for (const auto& c : colours) {
        Block block;
        for (int i = 0; i < 16; ++i) {
            std::memcpy(block.bgra + i * 4, c, 4);
        }
        uint8_t encoded[16];
        const std::vector<uint8_t> decoded = RoundTrip(block, encoded);
        ExpectOrderedEndpoints(encoded);
        for (int i = 0; i < 16; ++i) {
            EXPECT_LE(std::abs(decoded[i * 4 + 0] - c[0]), 4);
            EXPECT_LE(std::abs(decoded[i * 4 + 1] - c[1]), 2);
            EXPECT_LE(std::abs(decoded[i * 4 + 2] - c[2]), 4);
            EXPECT_EQ(decoded[i * 4 + 3], c[3]);
        }
    }
}

TEST(Dxt5EncoderTest, BlackAndWhiteCheckerIsExact) {
    Block block;
    for (int i = 0; i < 16; ++i) {
        const uint8_t v = ((i % 4) + (i / 4)) % 2 == 0 ? 0 : 255;
        block.bgra[i * 4 + 0] = v;
        block.bgra[i * 4 + 1] = v;
        block.bgra[i * 4 + 2] = v;
        block.bgra[i * 4 + 3] = v; // alpha 0 and 255 decode exactly as well
    }
    uint8_t encoded[16];
    const std::vector<uint8_t> decoded = RoundTrip(block, encoded);
    ExpectOrderedEndpoints(encoded);
    EXPECT_EQ(decoded, std::vector<uint8_t>(block.bgra, block.bgra + 64));
}

TEST(Dxt5EncoderTest, SmoothGradientReachesThirtySixDecibels) {
    const int size = 512;
    double sum = 0;
    std::mt19937 rng(7);
    for (int by = 0; by < size / 4; ++by) {
        for (int bx = 0; bx < size / 4; ++bx) {
            Block block;
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 4; ++x) {
                    const int px = bx * 4 + x;
                    const int py = by * 4 + y;
                    uint8_t* p = block.bgra + (y * 4 + x) * 4;
                    p[0] = uint8_t(px / 2);
                    p[1] = uint8_t(py / 2);
                    p[2] = uint8_t((px + py) / 4);
                    p[3] = 255;
                }
            }
            uint8_t encoded[16];
            const std::vector<uint8_t> decoded = RoundTrip(block, encoded);
            ExpectOrderedEndpoints(encoded);
            for (int i = 0; i < 16; ++i) {
                for (int c = 0; c < 3; ++c) {
                    const double d = double(decoded[i * 4 + c]) - block.bgra[i * 4 + c];
                    sum += d * d;
                }
            }
        }
    }
    const double mse = sum / (double(size) * size * 3);
    const double psnr = 10 * std::log10(255.0 * 255.0 / mse);
    EXPECT_GE(psnr, 36.0);
}

TEST(Dxt5EncoderTest, AlphaRampErrsByAtMostOneStep) {
    std::mt19937 rng(11);
    for (int trial = 0; trial < 200; ++trial) {
        const int low = int(rng() % 200);
        const int range = int(rng() % (256 - low));
        Block block;
        for (int i = 0; i < 16; ++i) {
            block.bgra[i * 4 + 0] = uint8_t(rng());
            block.bgra[i * 4 + 1] = uint8_t(rng());
            block.bgra[i * 4 + 2] = uint8_t(rng());
            block.bgra[i * 4 + 3] = uint8_t(low + range * i / 15);
        }
        uint8_t encoded[16];
        const std::vector<uint8_t> decoded = RoundTrip(block, encoded);
        ExpectOrderedEndpoints(encoded);
        const int allowed = (range + 13) / 14 + 1;
        for (int i = 0; i < 16; ++i) {
            ASSERT_LE(std::abs(decoded[i * 4 + 3] - block.bgra[i * 4 + 3]), allowed)
                << "low " << low << " range " << range << " texel " << i;
        }
    }
}

TEST(Dxt5EncoderTest, NormalModeIsAlsoAvailable) {
    Block block;
    for (int i = 0; i < 64; ++i) {
        block.bgra[i] = uint8_t(i * 4);
    }
    uint8_t a[16];
    uint8_t b[16];
    StbDxt5Encoder(false).EncodeBlock(block.bgra, a);
    StbDxt5Encoder(true).EncodeBlock(block.bgra, b);
    ExpectOrderedEndpoints(a);
    ExpectOrderedEndpoints(b);
    // Alpha halves come from the same fit in both modes.
    EXPECT_EQ(std::vector<uint8_t>(a, a + 8), std::vector<uint8_t>(b, b + 8));
}

} // namespace
} // namespace pf
