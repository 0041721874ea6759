#pragma once
// DDS texture files: decoding the top level of DXT1 to DXT5 files and of uncompressed files
// of any 8, 16, 24 or 32-bit layout given by channel masks (RGB, luminance, alpha only), and
// building DXT5 files with their mip levels. All sizes are checked against the bytes present
// before anything is allocated.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pf {

class BitmapData;
class Dxt5BlockEncoder;

constexpr uint32_t kFourCcDxt1 = 0x31545844; // "DXT1"
constexpr uint32_t kFourCcDxt2 = 0x32545844; // "DXT2": DXT3 with premultiplied colour
constexpr uint32_t kFourCcDxt3 = 0x33545844; // "DXT3"
constexpr uint32_t kFourCcDxt4 = 0x34545844; // "DXT4": DXT5 with premultiplied colour
constexpr uint32_t kFourCcDxt5 = 0x35545844; // "DXT5"
constexpr size_t kDdsHeaderBytes = 128;      // magic and header

// The file's layout: header fields as offsets from the start of the file (the magic
// included), their flags, and the uncompressed pixel formats met in simulator installations.
namespace dds {

constexpr size_t kOffSize = 4;
constexpr size_t kOffFlags = 8;
constexpr size_t kOffHeight = 12;
constexpr size_t kOffWidth = 16;
constexpr size_t kOffPitchOrLinearSize = 20;
constexpr size_t kOffMipMapCount = 28;
constexpr size_t kOffPfSize = 76;
constexpr size_t kOffPfFlags = 80;
constexpr size_t kOffPfFourCc = 84;
constexpr size_t kOffPfBitCount = 88;
constexpr size_t kOffPfRedMask = 92; // the luminance mask in luminance formats
constexpr size_t kOffPfGreenMask = 96;
constexpr size_t kOffPfBlueMask = 100;
constexpr size_t kOffPfAlphaMask = 104;
constexpr size_t kOffCaps = 108;
constexpr size_t kOffCaps2 = 112;

constexpr uint32_t kHeaderSize = 124;
constexpr uint32_t kPixelFormatSize = 32;

constexpr uint32_t kDdsdCaps = 0x1;
constexpr uint32_t kDdsdHeight = 0x2;
constexpr uint32_t kDdsdWidth = 0x4;
constexpr uint32_t kDdsdPixelFormat = 0x1000;
constexpr uint32_t kDdsdMipMapCount = 0x20000;
constexpr uint32_t kDdsdLinearSize = 0x80000;

constexpr uint32_t kDdpfAlphaPixels = 0x1; // the alpha mask applies
constexpr uint32_t kDdpfAlpha = 0x2;       // alpha only
constexpr uint32_t kDdpfFourCc = 0x4;
constexpr uint32_t kDdpfRgb = 0x40;
constexpr uint32_t kDdpfLuminance = 0x20000;

constexpr uint32_t kCapsComplex = 0x8;
constexpr uint32_t kCapsTexture = 0x1000;
constexpr uint32_t kCapsMipMap = 0x400000;
constexpr uint32_t kCaps2CubeMap = 0x200;
constexpr uint32_t kCaps2Volume = 0x200000;
constexpr uint32_t kFourCcDx10 = 0x30315844; // "DX10"

// An uncompressed pixel format: flags, bits per pixel and the masks of red (luminance),
// green, blue and alpha in a little-endian pixel.
struct PixelLayout {
    uint32_t flags, bits, red, green, blue, alpha;
};

constexpr PixelLayout kA8R8G8B8{
    kDdpfRgb | kDdpfAlphaPixels, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000};
constexpr PixelLayout kX8R8G8B8{kDdpfRgb, 32, 0xFF0000, 0xFF00, 0xFF, 0};
constexpr PixelLayout kR8G8B8{kDdpfRgb, 24, 0xFF0000, 0xFF00, 0xFF, 0};
constexpr PixelLayout kA4R4G4B4{kDdpfRgb | kDdpfAlphaPixels, 16, 0x0F00, 0x00F0, 0x000F, 0xF000};
constexpr PixelLayout kA1R5G5B5{kDdpfRgb | kDdpfAlphaPixels, 16, 0x7C00, 0x03E0, 0x001F, 0x8000};
constexpr PixelLayout kX1R5G5B5{kDdpfRgb, 16, 0x7C00, 0x03E0, 0x001F, 0};
constexpr PixelLayout kR5G6B5{kDdpfRgb, 16, 0xF800, 0x07E0, 0x001F, 0};
constexpr PixelLayout kL8{kDdpfLuminance, 8, 0xFF, 0, 0, 0};
constexpr PixelLayout kA8{kDdpfAlpha, 8, 0, 0, 0, 0xFF};
constexpr PixelLayout kA8L8{kDdpfLuminance | kDdpfAlphaPixels, 16, 0x00FF, 0, 0, 0xFF00};

} // namespace dds

// One compressed block in, sixteen pixels out (64 bytes, blue, green, red, alpha,
// row-major).
void DecodeDxt1Block(const uint8_t* block8, uint8_t* bgra64);
void DecodeDxt3Block(const uint8_t* block16, uint8_t* bgra64);
void DecodeDxt5Block(const uint8_t* block16, uint8_t* bgra64);

// True when the bytes start with "DDS ".
bool IsDdsData(const uint8_t* data, size_t size);

// Decodes the top level into a 32-bit image, top row first. Masked channels are scaled to
// 8 bits (v * 255 / max, rounded); luminance fills blue, green and red; alpha-only formats
// have black colour; a format without alpha is opaque. DXT2 and DXT4 colour is divided by
// alpha (black where alpha is 0). False, with the image left empty, for anything malformed
// or unsupported (DX10 headers, cube maps, volume textures, other fourcc formats).
bool DecodeDds(const uint8_t* data, size_t size, BitmapData& image);

// Bytes of one DXT5 level: one 16-byte block per started 4 x 4 square.
size_t Dxt5LevelBytes(int width, int height);

// Encodes one 32-bit image as DXT5 blocks, row-major from the top-left, into out
// (Dxt5LevelBytes bytes). Blocks that reach past the image repeat its edge pixels.
bool EncodeDxt5Level(const BitmapData& level, const Dxt5BlockEncoder& encoder, uint8_t* out);

// The 128 bytes of magic and header of a DXT5 file whose top level is width x height.
// With mips, levels is the number of levels that follow.
std::vector<uint8_t> BuildDxt5DdsHeader(int width, int height, bool mips, int levels);

// A whole DXT5 file: the header and every level (level 0 first, all 32 bits).
bool BuildDxt5Dds(const std::vector<BitmapData>& levels, bool mips, const Dxt5BlockEncoder& encoder,
                  std::vector<uint8_t>& out);

} // namespace pf
