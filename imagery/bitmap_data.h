#pragma once
// The program's one raster image record, its colours and the whole-image pixel operations.
//
// Layout: rows top row first, stride = width * bits / 8 with no row padding. Channels are
// stored blue, green, red (, alpha). A record is either empty (all fields zero, no buffer) or
// complete (a zero-filled buffer, width >= 1, height >= 1). Operations return false instead
// of throwing; in-place operations build their result aside and swap it in.
#include "imagery/image_limits.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pf {

struct ColorRGBA;

// One 24-bit pixel. The constructor takes the bytes in storage order (blue, green, red).
struct ColorRGB {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;

    constexpr ColorRGB() = default;
    constexpr ColorRGB(std::uint8_t b, std::uint8_t g, std::uint8_t r)
        : blue(b), green(g), red(r) {}

    static constexpr ColorRGB FromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return ColorRGB(b, g, r);
    }
    // A colour as one number 0x00RRGGBB: the low byte is blue.
    static constexpr ColorRGB FromColorRef(std::uint32_t rgb) {
        return ColorRGB(static_cast<std::uint8_t>(rgb), static_cast<std::uint8_t>(rgb >> 8),
                        static_cast<std::uint8_t>(rgb >> 16));
    }
    // A float triple stored blue, green, red (0.0 to 1.0, clamped; NaN counts as 0).
    static ColorRGB FromFloats(const float* bgr);

    // Lays the colour over this one with its alpha: (src * a + dst * (256 - a)) >> 8.
    void Blend(const ColorRGBA& over);

    friend constexpr bool operator==(const ColorRGB&, const ColorRGB&) = default;
};

// One 32-bit pixel: blue, green, red, alpha (255 opaque).
struct ColorRGBA {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t alpha = 0;

    constexpr ColorRGBA() = default;
    constexpr ColorRGBA(std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a)
        : blue(b), green(g), red(r), alpha(a) {}

    static constexpr ColorRGBA FromRgba(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                        std::uint8_t a) {
        return ColorRGBA(b, g, r, a);
    }

    friend constexpr bool operator==(const ColorRGBA&, const ColorRGBA&) = default;
};

static_assert(sizeof(ColorRGB) == 3 && sizeof(ColorRGBA) == 4, "colours are pixels");

// Integer rectangle of pixels; right and bottom are exclusive.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr std::int64_t Width() const { return std::int64_t{right} - left; }
    constexpr std::int64_t Height() const { return std::int64_t{bottom} - top; }
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The visible columns [begin, end) of one row of a turned picture; begin == end is empty.
struct BeginEnd {
    std::int32_t begin = 0;
    std::int32_t end = 0;
    friend constexpr bool operator==(const BeginEnd&, const BeginEnd&) = default;
};
// One entry per image row, in row order.
using SpanList = std::vector<BeginEnd>;

class BitmapData {
  public:
    // Colour models.
    static constexpr std::int32_t kModelPlain = 0;
    static constexpr std::int32_t kModelStudioLuma = 1; // 8 bits, 16 = black, 235 = white
    static constexpr std::int32_t kModelGrey = 2;       // 8 bits, treated as plain
    static constexpr std::int32_t kModelFloat = 3;      // 96 bits of float triples
    // No buffer may exceed this many bytes.
    static constexpr std::uint64_t kMaxBufferBytes = kMaxImageBytes;

    BitmapData() = default;
    BitmapData(int width, int height, int bits);
    BitmapData(const BitmapData& other);
    BitmapData(BitmapData&& other) noexcept;
    BitmapData& operator=(const BitmapData& other); // Assign
    BitmapData& operator=(BitmapData&& other) noexcept;
    ~BitmapData();

    // Frees, then allocates a zero-filled buffer (model 0). Width or height <= 0, a depth
    // other than 8, 16, 24, 32, 48 or 96, more than kMaxBufferBytes, or a failed allocation
    // leave the record empty and give false.
    bool Create(int width, int height, int bits);
    bool Create24(int width, int height) { return Create(width, height, 24); }
    bool CreateLike(const BitmapData& other);
    void Free();
    // Copies header and pixels; a copy of an empty record is empty (true).
    bool DeepCopy(const BitmapData& other);
    bool CopyFrom(const BitmapData& other);
    // Deep copy; an empty source leaves this empty; self-assignment does nothing.
    void Assign(const BitmapData& other);
    bool Swap(BitmapData& other) noexcept;

    // The record itself, as its bitmap header.
    BitmapData& GetBitmap() { return *this; }
    const BitmapData& GetBitmap() const { return *this; }

    std::int32_t Model() const { return model_; }
    // Decoders that hand over studio luma or float triples say so here.
    void SetModel(std::int32_t model) { model_ = model; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    std::int32_t Stride() const { return stride_; }
    std::uint16_t Planes() const { return planes_; }
    std::uint16_t BitsPerPixel() const { return bits_; }
    std::uint8_t* Pixels() { return pixels_; }
    const std::uint8_t* Pixels() const { return pixels_; }
    bool HasPixels() const { return pixels_ != nullptr; }
    std::size_t ByteCount() const {
        return static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_);
    }
    std::uint8_t* Row(int y) { return pixels_ + static_cast<std::ptrdiff_t>(stride_) * y; }
    const std::uint8_t* Row(int y) const {
        return pixels_ + static_cast<std::ptrdiff_t>(stride_) * y;
    }
    // No range check: callers keep (x, y) inside the image.
    std::uint8_t* PixelAddress(int x, int y) {
        return Row(y) + static_cast<std::ptrdiff_t>(bits_ / 8) * x;
    }
    const std::uint8_t* PixelAddress(int x, int y) const {
        return Row(y) + static_cast<std::ptrdiff_t>(bits_ / 8) * x;
    }
    PixelRect GetRect() const { return PixelRect{0, 0, width_, height_}; }

    // Pixel operations; each gives false for a wrong depth or a missing buffer.
    bool BlendRow(int y, const ColorRGBA& colour);
    bool BlendColumn(int x, const ColorRGBA& colour);
    bool BlendRect(int left, int top, int right, int bottom, const ColorRGBA& colour);
    bool FillColor24(const ColorRGB& colour);
    bool FillColor(std::uint32_t rgb); // 0x00RRGGBB
    bool AdjustBrightness(double factor);
    bool ScaleAlpha(double factor);
    bool IsAlphaMask() const;
    bool FlipVertical();

    // Block copies: both rectangles are clipped (ClipBlitRects) and must then be non-empty
    // and of equal size.
    static bool Blit24(BitmapData& destination, const BitmapData& source,
                       PixelRect destination_rect, PixelRect source_rect);
    static bool Blit32To24(BitmapData& destination, const BitmapData& source,
                           PixelRect destination_rect, PixelRect source_rect);
    static bool Blit32To32(BitmapData& destination, const BitmapData& source,
                           PixelRect destination_rect, PixelRect source_rect);

    bool IsIdentical(const BitmapData& other) const;
    // 32-bit images only: colours compared where both alphas are non-zero.
    bool IsSameVisibleContent(const BitmapData& other) const;
    // Mixes the other image in with weight f (0..1), 24 bits, equal sizes.
    bool CrossFade(const BitmapData& other, double factor);

    // Whole resizes (the destination is created at the wanted size); in resample.cpp.
    static bool Resample24(BitmapData& destination, const BitmapData& source);
    static bool Resample32(BitmapData& destination, const BitmapData& source);

  private:
    std::int32_t model_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::int32_t stride_ = 0;
    std::uint16_t planes_ = 0;
    std::uint16_t bits_ = 0;
    std::uint8_t* pixels_ = nullptr;
};

// Clips a block copy's rectangles against both images, moving each by what the other loses.
void ClipBlitRects(const BitmapData& destination, const BitmapData& source,
                   PixelRect& destination_rect, PixelRect& source_rect);

// result = over where the mask is 255, base where it is 0, mixed between (per byte).
bool LayerMask24(BitmapData& result, const BitmapData& base, const BitmapData& over,
                 const BitmapData& mask);

// Lays `image` through `mask` onto the destination with its top-left corner at (x, y).
bool MaskedBlit24(BitmapData& destination, const BitmapData& image, const BitmapData& mask, int x,
                  int y);

// True when 0 <= x < width and 0 <= y < height.
bool IsPointInImage(double x, double y, const BitmapData& image);

} // namespace pf
