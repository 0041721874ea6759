#include "imagery/dds_file.h"
#include "imagery/codec_io.h"

#include "imagery/bitmap_data.h"
#include "imagery/dxt5_encoder.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <thread>

namespace pf {

namespace {

using namespace dds;

uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void PutLe32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

struct Rgb {
    int b, g, r;
};

// 5-6-5 to 8 bits per channel with bit replication.
Rgb Expand565(uint16_t w) {
    const int r5 = (w >> 11) & 0x1F;
    const int g6 = (w >> 5) & 0x3F;
    const int b5 = w & 0x1F;
    return {b5 << 3 | b5 >> 2, g6 << 2 | g6 >> 4, r5 << 3 | r5 >> 2};
}

// The colour half of a block (8 bytes); four_colour forces the four-colour mode.
void DecodeColourBlock(const uint8_t* in, bool four_colour, uint8_t* bgra64) {
    const uint16_t w0 = uint16_t(in[0] | in[1] << 8);
    const uint16_t w1 = uint16_t(in[2] | in[3] << 8);
    const Rgb c0 = Expand565(w0);
    const Rgb c1 = Expand565(w1);
    uint8_t palette[4][4];
    auto set = [&](int i, int b, int g, int r, int a) {
        palette[i][0] = uint8_t(b);
        palette[i][1] = uint8_t(g);
        palette[i][2] = uint8_t(r);
        palette[i][3] = uint8_t(a);
    };
    set(0, c0.b, c0.g, c0.r, 255);
    set(1, c1.b, c1.g, c1.r, 255);
    if (four_colour || w0 > w1) {
        set(2, (2 * c0.b + c1.b) / 3, (2 * c0.g + c1.g) / 3, (2 * c0.r + c1.r) / 3, 255);
        set(3, (c0.b + 2 * c1.b) / 3, (c0.g + 2 * c1.g) / 3, (c0.r + 2 * c1.r) / 3, 255);
    } else {
        set(2, (c0.b + c1.b) / 2, (c0.g + c1.g) / 2, (c0.r + c1.r) / 2, 255);
        set(3, 0, 0, 0, 0);
    }
    const uint32_t indices = Le32(in + 4);
    for (int i = 0; i < 16; ++i) {
        std::memcpy(bgra64 + i * 4, palette[(indices >> (2 * i)) & 3], 4);
    }
}

// Premultiplied colour back to straight colour: each channel times 255 over alpha,
// rounded and clamped; colour under alpha 0 is lost and reads as black.
void Unpremultiply(uint8_t* bgra64) {
    for (int i = 0; i < 16; ++i) {
        uint8_t* p = bgra64 + i * 4;
        const unsigned a = p[3];
        for (int c = 0; c < 3; ++c) {
            p[c] = a == 0 ? 0 : uint8_t(std::min(255u, (p[c] * 255u + a / 2) / a));
        }
    }
}

// Decodes the blocks of a compressed top level; block_bytes 8 (DXT1) or 16.
bool DecodeBlocks(const uint8_t* data, size_t available, int width, int height, uint32_t four_cc,
                  BitmapData& image) {
    const size_t block_bytes = four_cc == kFourCcDxt1 ? 8 : 16;
    const uint64_t bw = (uint64_t(width) + 3) / 4;
    const uint64_t bh = (uint64_t(height) + 3) / 4;
    if (bw * bh * block_bytes > available) {
        return false;
    }
    BitmapData result;
    if (!result.Create(width, height, 32)) {
        return false;
    }
    uint8_t pixels[64];
    const uint8_t* block = data;
    for (uint64_t by = 0; by < bh; ++by) {
        for (uint64_t bx = 0; bx < bw; ++bx, block += block_bytes) {
            if (four_cc == kFourCcDxt1) {
                DecodeDxt1Block(block, pixels);
            } else if (four_cc == kFourCcDxt2 || four_cc == kFourCcDxt3) {
                DecodeDxt3Block(block, pixels);
            } else {
                DecodeDxt5Block(block, pixels);
            }
            if (four_cc == kFourCcDxt2 || four_cc == kFourCcDxt4) {
                Unpremultiply(pixels);
            }
            const int x0 = int(bx * 4);
            const int y0 = int(by * 4);
            const int cols = std::min(4, width - x0);
            const int rows = std::min(4, height - y0);
            for (int y = 0; y < rows; ++y) {
                std::memcpy(result.PixelAddress(x0, y0 + y), pixels + y * 16, size_t(cols) * 4);
            }
        }
    }
    image.Swap(result);
    return true;
}

// Any uncompressed layout by its masks: RGB, luminance (the red mask) or alpha only, with
// alpha where the flags give it. Masks reaching past the pixel's bits are malformed.
bool DecodeUncompressed(const uint8_t* header, const uint8_t* data, size_t available, int width,
                        int height, BitmapData& image) {
    const uint32_t flags = Le32(header + kOffPfFlags);
    const uint32_t bits = Le32(header + kOffPfBitCount);
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return false;
    }
    const uint32_t red_mask = Le32(header + kOffPfRedMask);
    const uint32_t green_mask = Le32(header + kOffPfGreenMask);
    const uint32_t blue_mask = Le32(header + kOffPfBlueMask);
    const uint32_t alpha_mask = Le32(header + kOffPfAlphaMask);
    MaskChannel red, green, blue, alpha;
    uint32_t colour_masks = 0;
    bool alpha_only = false;
    if ((flags & kDdpfRgb) != 0) {
        colour_masks = red_mask | green_mask | blue_mask;
        red = MaskChannel(red_mask);
        green = MaskChannel(green_mask);
        blue = MaskChannel(blue_mask);
    } else if ((flags & kDdpfLuminance) != 0) {
        colour_masks = red_mask;
        red = green = blue = MaskChannel(red_mask);
    } else if ((flags & kDdpfAlpha) != 0) {
        alpha_only = true;
    } else {
        return false;
    }
    const uint32_t used_alpha = alpha_only || (flags & kDdpfAlphaPixels) != 0 ? alpha_mask : 0;
    alpha = MaskChannel(used_alpha);
    // Something to show, and every mask in use inside the pixel.
    const uint64_t pixel_bits = (uint64_t(1) << bits) - 1;
    if ((alpha_only ? used_alpha : colour_masks) == 0 ||
        ((colour_masks | used_alpha) & ~pixel_bits) != 0) {
        return false;
    }
    const uint64_t bytes_per_pixel = bits / 8;
    const uint64_t row_bytes = uint64_t(width) * bytes_per_pixel;
    if (row_bytes * uint64_t(height) > available) {
        return false;
    }
    BitmapData result;
    if (!result.Create(width, height, 32)) {
        return false;
    }
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = data + uint64_t(y) * row_bytes;
        uint8_t* dst = result.PixelAddress(0, y);
        for (int x = 0; x < width; ++x, src += bytes_per_pixel, dst += 4) {
            uint32_t pixel = 0;
            for (uint64_t k = 0; k < bytes_per_pixel; ++k) {
                pixel |= uint32_t(src[k]) << (8 * k);
            }
            dst[0] = blue.Get(pixel, 0);
            dst[1] = green.Get(pixel, 0);
            dst[2] = red.Get(pixel, 0);
            dst[3] = alpha.Get(pixel, 255);
        }
    }
    image.Swap(result);
    return true;
}

} // namespace

void DecodeDxt1Block(const uint8_t* block8, uint8_t* bgra64) {
    DecodeColourBlock(block8, false, bgra64);
}

void DecodeDxt3Block(const uint8_t* block16, uint8_t* bgra64) {
    DecodeColourBlock(block16 + 8, true, bgra64);
    for (int i = 0; i < 16; ++i) {
        const int nibble = (block16[i / 2] >> ((i % 2) * 4)) & 0xF;
        bgra64[i * 4 + 3] = uint8_t(nibble * 17);
    }
}

void DecodeDxt5Block(const uint8_t* block16, uint8_t* bgra64) {
    DecodeColourBlock(block16 + 8, true, bgra64);
    const int a0 = block16[0];
    const int a1 = block16[1];
    int alphas[8] = {a0, a1, 0, 0, 0, 0, 0, 0};
    if (a0 > a1) {
        for (int k = 2; k < 8; ++k) {
            alphas[k] = ((8 - k) * a0 + (k - 1) * a1) / 7;
        }
    } else {
        for (int k = 2; k < 6; ++k) {
            alphas[k] = ((6 - k) * a0 + (k - 1) * a1) / 5;
        }
        alphas[6] = 0;
        alphas[7] = 255;
    }
    uint64_t bits = 0;
    for (int i = 0; i < 6; ++i) {
        bits |= uint64_t(block16[2 + i]) << (8 * i);
    }
    for (int i = 0; i < 16; ++i) {
        bgra64[i * 4 + 3] = uint8_t(alphas[(bits >> (3 * i)) & 7]);
    }
}

bool IsDdsData(const uint8_t* data, size_t size) {
    return size >= 4 && std::memcmp(data, "DDS ", 4) == 0;
}

bool DecodeDds(const uint8_t* data, size_t size, BitmapData& image) {
    image.Free();
    if (data == nullptr || size < kDdsHeaderBytes || !IsDdsData(data, size)) {
        return false;
    }
    if (Le32(data + kOffSize) != kHeaderSize || Le32(data + kOffPfSize) != kPixelFormatSize) {
        return false;
    }
    if ((Le32(data + kOffCaps2) & (kCaps2CubeMap | kCaps2Volume)) != 0) {
        return false;
    }
    const uint32_t width = Le32(data + kOffWidth);
    const uint32_t height = Le32(data + kOffHeight);
    if (!FitsImageCaps(width, height)) {
        return false;
    }
    const uint32_t pf_flags = Le32(data + kOffPfFlags);
    const uint8_t* pixels = data + kDdsHeaderBytes;
    const size_t available = size - kDdsHeaderBytes;
    if ((pf_flags & kDdpfFourCc) != 0) {
        const uint32_t four_cc = Le32(data + kOffPfFourCc);
        if (four_cc != kFourCcDxt1 && four_cc != kFourCcDxt2 && four_cc != kFourCcDxt3 &&
            four_cc != kFourCcDxt4 && four_cc != kFourCcDxt5) {
            return false; // DX10 and every other format
        }
        return DecodeBlocks(pixels, available, int(width), int(height), four_cc, image);
    }
    return DecodeUncompressed(data, pixels, available, int(width), int(height), image);
}

size_t Dxt5LevelBytes(int width, int height) {
    const size_t bw = std::max<size_t>(1, (size_t(std::max(width, 0)) + 3) / 4);
    const size_t bh = std::max<size_t>(1, (size_t(std::max(height, 0)) + 3) / 4);
    return bw * bh * 16;
}

namespace {

void EncodeBlockRows(const BitmapData& level, const Dxt5BlockEncoder& encoder, uint8_t* out,
                     int first_row, int end_row) {
    const int width = level.Width();
    const int height = level.Height();
    const int bw = (width + 3) / 4;
    uint8_t block[64];
    for (int by = first_row; by < end_row; ++by) {
        for (int bx = 0; bx < bw; ++bx) {
            for (int y = 0; y < 4; ++y) {
                const int sy = std::min(by * 4 + y, height - 1);
                for (int x = 0; x < 4; ++x) {
                    const int sx = std::min(bx * 4 + x, width - 1);
                    std::memcpy(block + (y * 4 + x) * 4, level.PixelAddress(sx, sy), 4);
                }
            }
            encoder.EncodeBlock(block, out + (size_t(by) * bw + bx) * 16);
        }
    }
}

} // namespace

bool EncodeDxt5Level(const BitmapData& level, const Dxt5BlockEncoder& encoder, uint8_t* out) {
    if (level.Pixels() == nullptr || level.BitsPerPixel() != 32 || level.Width() < 1 ||
        level.Height() < 1 || level.Stride() != level.Width() * 4) {
        return false;
    }
    const int bh = (level.Height() + 3) / 4;
    const int bw = (level.Width() + 3) / 4;
    // Blocks are independent, so rows of blocks may go to several threads; the bytes come
    // out the same as a serial run.
    const unsigned hw = std::max(1u, std::thread::hardware_concurrency());
    const int workers = int(std::min<long>(long(hw), long(bh) * bw / 1024));
    if (workers <= 1) {
        EncodeBlockRows(level, encoder, out, 0, bh);
        return true;
    }
    std::vector<std::thread> threads;
    const int per = (bh + workers - 1) / workers;
    for (int first = 0; first < bh; first += per) {
        const int end = std::min(bh, first + per);
        threads.emplace_back([&level, &encoder, out, first, end] {
            EncodeBlockRows(level, encoder, out, first, end);
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    return true;
}

std::vector<uint8_t> BuildDxt5DdsHeader(int width, int height, bool mips, int levels) {
    std::vector<uint8_t> h(kDdsHeaderBytes, 0);
    std::memcpy(h.data(), "DDS ", 4);
    PutLe32(&h[kOffSize], kHeaderSize);
    uint32_t flags = kDdsdCaps | kDdsdHeight | kDdsdWidth | kDdsdPixelFormat | kDdsdLinearSize;
    if (mips) {
        flags |= kDdsdMipMapCount;
    }
    PutLe32(&h[kOffFlags], flags);
    PutLe32(&h[kOffHeight], uint32_t(height));
    PutLe32(&h[kOffWidth], uint32_t(width));
    PutLe32(&h[kOffPitchOrLinearSize], uint32_t(Dxt5LevelBytes(width, height)));
    PutLe32(&h[kOffMipMapCount], mips ? uint32_t(levels) : 0);
    PutLe32(&h[kOffPfSize], kPixelFormatSize);
    PutLe32(&h[kOffPfFlags], kDdpfFourCc);
    PutLe32(&h[kOffPfFourCc], kFourCcDxt5);
    PutLe32(&h[kOffCaps], mips ? (kCapsTexture | kCapsComplex | kCapsMipMap) : kCapsTexture);
    return h;
}

bool BuildDxt5Dds(const std::vector<BitmapData>& levels, bool mips, const Dxt5BlockEncoder& encoder,
                  std::vector<uint8_t>& out) {
    out.clear();
    if (levels.empty()) {
        return false;
    }
    size_t total = kDdsHeaderBytes;
    for (const BitmapData& level : levels) {
        if (level.Pixels() == nullptr || level.BitsPerPixel() != 32) {
            return false;
        }
        total += Dxt5LevelBytes(level.Width(), level.Height());
    }
    out = BuildDxt5DdsHeader(levels[0].Width(), levels[0].Height(), mips, int(levels.size()));
    out.resize(total);
    size_t offset = kDdsHeaderBytes;
    for (const BitmapData& level : levels) {
        if (!EncodeDxt5Level(level, encoder, out.data() + offset)) {
            out.clear();
            return false;
        }
        offset += Dxt5LevelBytes(level.Width(), level.Height());
    }
    return true;
}

} // namespace pf
