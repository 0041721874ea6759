#include "imagery/bitmap_data.h"

#include "foundation/failure.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

namespace pf {

namespace {

bool IsSupportedDepth(int bits) {
    return bits == 8 || bits == 16 || bits == 24 || bits == 32 || bits == 48 || bits == 96;
}

std::int32_t ClampToInt32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool IsComplete24(const BitmapData& image) {
    return image.HasPixels() && image.BitsPerPixel() == 24 && image.Stride() == image.Width() * 3;
}

inline void BlendBytes(std::uint8_t* p, const ColorRGBA& c) {
    const unsigned a = c.alpha;
    const unsigned na = 256 - a;
    p[0] = static_cast<std::uint8_t>((c.blue * a + p[0] * na) >> 8);
    p[1] = static_cast<std::uint8_t>((c.green * a + p[1] * na) >> 8);
    p[2] = static_cast<std::uint8_t>((c.red * a + p[2] * na) >> 8);
}

// Clips both rectangles, then checks that they are non-empty and equal in size.
bool ClipForBlit(const BitmapData& destination, const BitmapData& source, PixelRect& d,
                 PixelRect& s) {
    ClipBlitRects(destination, source, d, s);
    return d.Width() > 0 && d.Height() > 0 && d.Width() == s.Width() && d.Height() == s.Height();
}

} // namespace

// ---- colours ----

void ColorRGB::Blend(const ColorRGBA& over) {
    std::uint8_t bytes[3] = {blue, green, red};
    BlendBytes(bytes, over);
    blue = bytes[0];
    green = bytes[1];
    red = bytes[2];
}

// ---- life cycle ----

BitmapData::BitmapData(int width, int height, int bits) { Create(width, height, bits); }

BitmapData::BitmapData(const BitmapData& other) {
    if (other.HasPixels()) {
        DeepCopy(other);
    }
}

BitmapData::BitmapData(BitmapData&& other) noexcept { Swap(other); }

BitmapData& BitmapData::operator=(const BitmapData& other) {
    Assign(other);
    return *this;
}

BitmapData& BitmapData::operator=(BitmapData&& other) noexcept {
    if (this != &other) {
        Free();
        Swap(other);
    }
    return *this;
}

BitmapData::~BitmapData() { Free(); }

bool BitmapData::Create(int width, int height, int bits) {
    Free();
    if (width <= 0 || height <= 0 || !IsSupportedDepth(bits)) {
        return false;
    }
    const std::uint64_t stride =
        static_cast<std::uint64_t>(width) * static_cast<unsigned>(bits) / 8;
    const std::uint64_t bytes = stride * static_cast<std::uint64_t>(height);
    if (bytes > kMaxBufferBytes) {
        return false;
    }
    void* buffer = std::calloc(static_cast<std::size_t>(bytes), 1);
    if (buffer == nullptr) {
        return false;
    }
    pixels_ = static_cast<std::uint8_t*>(buffer);
    model_ = kModelPlain;
    width_ = width;
    height_ = height;
    stride_ = static_cast<std::int32_t>(stride);
    planes_ = 0;
    bits_ = static_cast<std::uint16_t>(bits);
    return true;
}

bool BitmapData::CreateLike(const BitmapData& other) {
    if (&other == this) {
        const int w = width_, h = height_, b = bits_;
        return Create(w, h, b);
    }
    return Create(other.width_, other.height_, other.bits_);
}

void BitmapData::Free() {
    std::free(pixels_);
    pixels_ = nullptr;
    model_ = 0;
    width_ = 0;
    height_ = 0;
    stride_ = 0;
    planes_ = 0;
    bits_ = 0;
}

bool BitmapData::DeepCopy(const BitmapData& other) {
    if (&other == this) {
        return true;
    }
    Free();
    if (!other.HasPixels()) {
        return true;
    }
    void* buffer = std::malloc(other.ByteCount());
    if (buffer == nullptr) {
        return false;
    }
    std::memcpy(buffer, other.pixels_, other.ByteCount());
    pixels_ = static_cast<std::uint8_t*>(buffer);
    model_ = other.model_;
    width_ = other.width_;
    height_ = other.height_;
    stride_ = other.stride_;
    planes_ = other.planes_;
    bits_ = other.bits_;
    return true;
}

bool BitmapData::CopyFrom(const BitmapData& other) {
    if (&other == this) {
        return true;
    }
    Free();
    return DeepCopy(other);
}

void BitmapData::Assign(const BitmapData& other) {
    if (&other == this) {
        return;
    }
    Free();
    if (other.HasPixels()) {
        DeepCopy(other);
    }
}

bool BitmapData::Swap(BitmapData& other) noexcept {
    std::swap(model_, other.model_);
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    std::swap(stride_, other.stride_);
    std::swap(planes_, other.planes_);
    std::swap(bits_, other.bits_);
    std::swap(pixels_, other.pixels_);
    return true;
}

// ---- pixel operations ----

bool BitmapData::BlendRow(int y, const ColorRGBA& colour) {
    if (!IsComplete24(*this)) {
        return false;
    }
    if (y < 0 || y >= height_) {
        return true;
    }
    std::uint8_t* p = Row(y);
    for (int x = 0; x < width_; ++x, p += 3) {
        BlendBytes(p, colour);
    }
    return true;
}

bool BitmapData::BlendColumn(int x, const ColorRGBA& colour) {
    if (!IsComplete24(*this)) {
        return false;
    }
    if (x < 0 || x >= width_) {
        return true;
    }
    for (int y = 0; y < height_; ++y) {
        BlendBytes(PixelAddress(x, y), colour);
    }
    return true;
}

bool BitmapData::BlendRect(int left, int top, int right, int bottom, const ColorRGBA& colour) {
    if (!IsComplete24(*this)) {
        return false;
    }
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            BlendBytes(PixelAddress(x, y), colour);
        }
    }
    return true;
}

bool BitmapData::FillColor24(const ColorRGB& colour) {
    if (!HasPixels() || bits_ != 24) {
        return false;
    }
    std::uint8_t* row0 = Row(0);
    for (int x = 0; x < width_; ++x) {
        row0[3 * x] = colour.blue;
        row0[3 * x + 1] = colour.green;
        row0[3 * x + 2] = colour.red;
    }
    for (int y = 1; y < height_; ++y) {
        std::memcpy(Row(y), row0, static_cast<std::size_t>(stride_));
    }
    return true;
}

bool BitmapData::FillColor(std::uint32_t rgb) { return FillColor24(ColorRGB::FromColorRef(rgb)); }

bool BitmapData::AdjustBrightness(double factor) {
    if (!HasPixels() || bits_ != 24 || std::isnan(factor)) {
        return false;
    }
    // A negative factor would wrap bytes; darkest is black.
    factor = std::max(factor, 0.0);
    std::uint8_t table[256];
    if (factor < 1.0) {
        const std::uint32_t k = static_cast<std::uint32_t>(factor * 65536.0);
        for (std::uint32_t p = 0; p < 256; ++p) {
            table[p] = static_cast<std::uint8_t>((p * k) >> 16);
        }
    } else {
        const std::uint32_t k = static_cast<std::uint32_t>(65536.0 / factor);
        for (std::uint32_t p = 0; p < 256; ++p) {
            table[p] = static_cast<std::uint8_t>(255 - (((255 - p) * k) >> 16));
        }
    }
    std::uint8_t* p = pixels_;
    for (std::size_t i = 0, n = ByteCount(); i < n; ++i) {
        p[i] = table[p[i]];
    }
    return true;
}

bool BitmapData::ScaleAlpha(double factor) {
    if (!HasPixels() || bits_ != 32 || std::isnan(factor)) {
        return false;
    }
    // Any factor of 256 or more makes every non-zero alpha opaque; clamping keeps the
    // integer conversion defined.
    factor = std::clamp(factor, 0.0, 256.0);
    const std::uint64_t k = static_cast<std::uint64_t>(factor * 65536.0 + 0.5);
    std::uint8_t* p = pixels_;
    for (std::size_t i = 3, n = ByteCount(); i < n; i += 4) {
        p[i] = static_cast<std::uint8_t>(std::min<std::uint64_t>(255, (p[i] * k) >> 16));
    }
    return true;
}

bool BitmapData::IsAlphaMask() const {
    if (!HasPixels()) {
        return true;
    }
    if (bits_ != 32) {
        return false;
    }
    for (std::size_t i = 3, n = ByteCount(); i < n; i += 4) {
        if (pixels_[i] > 4) {
            return false;
        }
    }
    return true;
}

bool BitmapData::FlipVertical() {
    if (!HasPixels()) {
        return false;
    }
    BitmapData flipped;
    if (!flipped.CreateLike(*this)) {
        return false;
    }
    for (int y = 0; y < height_; ++y) {
        std::memcpy(flipped.Row(height_ - 1 - y), Row(y), static_cast<std::size_t>(stride_));
    }
    flipped.model_ = model_;
    flipped.planes_ = planes_;
    Swap(flipped);
    return true;
}

// ---- block copies ----

void ClipBlitRects(const BitmapData& destination, const BitmapData& source, PixelRect& d,
                   PixelRect& s) {
    const std::int64_t sw = source.Width(), sh = source.Height();
    const std::int64_t dw = destination.Width(), dh = destination.Height();
    // Working in 64 bits keeps far-off rectangles from overflowing.
    std::int64_t dl = d.left, dt = d.top, dr = d.right, db = d.bottom;
    std::int64_t sl = s.left, st = s.top, sr = s.right, sb = s.bottom;
    auto store = [&] {
        d = PixelRect{ClampToInt32(dl), ClampToInt32(dt), ClampToInt32(dr), ClampToInt32(db)};
        s = PixelRect{ClampToInt32(sl), ClampToInt32(st), ClampToInt32(sr), ClampToInt32(sb)};
    };

    // 1. The source against its image.
    if (st < 0) {
        dt -= st;
        st = 0;
    }
    if (sl < 0) {
        dl -= sl;
        sl = 0;
    }
    if (sb > sh) {
        db -= sb - sh;
        sb = sh;
    }
    if (sr > sw) {
        dr -= sr - sw;
        sr = sw;
    }
    // 2. Nothing left of the source.
    if (sb < st) {
        st = sb;
        db = dt;
        store();
        return;
    }
    if (sr < sl) {
        sl = sr;
        dl = dr;
        store();
        return;
    }
    // 3. The destination against its image.
    if (dt < 0) {
        st -= dt;
        dt = 0;
        if (st > sb) {
            sb = st;
            db = dt;
        }
    }
    if (dl < 0) {
        sl -= dl;
        dl = 0;
        if (sl > sr) {
            sr = sl;
            dr = dl;
        }
    }
    if (db > dh) {
        sb -= db - dh;
        db = dh;
        if (sb < st) {
            dt = dh;
            st = sb;
        }
    }
    if (dr > dw) {
        sr -= dr - dw;
        dr = dw;
        if (sr < sl) {
            dl = dw;
            sl = sr;
        }
    }
    store();
}

namespace {

// Copies rows of equal byte width; walks bottom-up when a copy within one image moves down,
// so that no row is overwritten before it is read.
void CopyRows(BitmapData& destination, const BitmapData& source, const PixelRect& d,
              const PixelRect& s, int bytes_per_pixel) {
    const auto rows = static_cast<int>(d.Height());
    const auto row_bytes = static_cast<std::size_t>(d.Width()) * bytes_per_pixel;
    const bool bottom_up = &destination == &source && d.top > s.top;
    for (int i = 0; i < rows; ++i) {
        const int k = bottom_up ? rows - 1 - i : i;
        std::memmove(destination.PixelAddress(d.left, d.top + k),
                     source.PixelAddress(s.left, s.top + k), row_bytes);
    }
}

} // namespace

bool BitmapData::Blit24(BitmapData& destination, const BitmapData& source, PixelRect d,
                        PixelRect s) {
    if (!IsComplete24(destination) || !IsComplete24(source) ||
        !ClipForBlit(destination, source, d, s)) {
        return false;
    }
    CopyRows(destination, source, d, s, 3);
    return true;
}

bool BitmapData::Blit32To24(BitmapData& destination, const BitmapData& source, PixelRect d,
                            PixelRect s) {
    if (!IsComplete24(destination) || !source.HasPixels() || source.bits_ != 32 ||
        !ClipForBlit(destination, source, d, s)) {
        return false;
    }
    for (int k = 0; k < d.Height(); ++k) {
        std::uint8_t* out = destination.PixelAddress(d.left, d.top + k);
        const std::uint8_t* in = source.PixelAddress(s.left, s.top + k);
        for (int x = 0; x < d.Width(); ++x, out += 3, in += 4) {
            BlendBytes(out, ColorRGBA(in[0], in[1], in[2], in[3]));
        }
    }
    return true;
}

bool BitmapData::Blit32To32(BitmapData& destination, const BitmapData& source, PixelRect d,
                            PixelRect s) {
    if (!destination.HasPixels() || destination.bits_ != 32 || !source.HasPixels() ||
        source.bits_ != 32 || !ClipForBlit(destination, source, d, s)) {
        return false;
    }
    CopyRows(destination, source, d, s, 4);
    return true;
}

// ---- compares and mixing ----

bool BitmapData::IsIdentical(const BitmapData& other) const {
    if (width_ != other.width_ || height_ != other.height_ || bits_ != other.bits_) {
        return false;
    }
    return ByteCount() == 0 || std::memcmp(pixels_, other.pixels_, ByteCount()) == 0;
}

bool BitmapData::IsSameVisibleContent(const BitmapData& other) const {
    // Only 32-bit images carry the alpha that this compare is about.
    if (bits_ != 32 || other.bits_ != 32 || width_ != other.width_ || height_ != other.height_ ||
        !HasPixels() || !other.HasPixels()) {
        return false;
    }
    for (std::size_t i = 0, n = ByteCount(); i < n; i += 4) {
        const std::uint8_t* a = pixels_ + i;
        const std::uint8_t* b = other.pixels_ + i;
        if (a[3] != 0 && b[3] != 0 && (a[0] != b[0] || a[1] != b[1] || a[2] != b[2])) {
            return false;
        }
    }
    return true;
}

bool BitmapData::CrossFade(const BitmapData& other, double factor) {
    if (width_ != other.width_ || height_ != other.height_ || bits_ != other.bits_ ||
        !(factor >= 0.0 && factor <= 1.0) || bits_ != 24 || !HasPixels() || !other.HasPixels()) {
        return ShowFailureMessage("format problems\r\n");
    }
    if (factor < 0.002) {
        return true;
    }
    const std::uint32_t w = static_cast<std::uint32_t>(factor * 65536.0 + 0.5);
    const std::uint32_t nw = 65536 - w;
    for (std::size_t i = 0, n = ByteCount(); i < n; ++i) {
        pixels_[i] = static_cast<std::uint8_t>((other.pixels_[i] * w + pixels_[i] * nw) >> 16);
    }
    return true;
}

bool LayerMask24(BitmapData& result, const BitmapData& base, const BitmapData& over,
                 const BitmapData& mask) {
    auto same = [&](const BitmapData& a) {
        return a.HasPixels() && a.BitsPerPixel() == 24 && a.Width() == base.Width() &&
               a.Height() == base.Height();
    };
    if (!same(base) || !same(over) || !same(mask)) {
        return ShowFailureMessage("LayerMask24 has wrong values\r\n");
    }
    // Built aside, so that the result may be one of the inputs.
    BitmapData mixed;
    if (!mixed.Create24(base.Width(), base.Height())) {
        return ShowFailureMessage("LayerMask24 has wrong values\r\n");
    }
    const std::uint8_t* b = base.Pixels();
    const std::uint8_t* o = over.Pixels();
    const std::uint8_t* m = mask.Pixels();
    std::uint8_t* r = mixed.Pixels();
    for (std::size_t i = 0, n = mixed.ByteCount(); i < n; ++i) {
        const std::uint32_t mm = m[i] * 257u;
        r[i] = static_cast<std::uint8_t>(((o[i] * (mm + 1)) >> 16) + (((65536 - mm) * b[i]) >> 16));
    }
    result.Swap(mixed);
    return true;
}

bool MaskedBlit24(BitmapData& destination, const BitmapData& image, const BitmapData& mask, int x,
                  int y) {
    if (!IsComplete24(destination) || !IsComplete24(image) || !IsComplete24(mask) ||
        image.Width() != mask.Width() || image.Height() != mask.Height()) {
        return false;
    }
    const std::int64_t w = image.Width(), h = image.Height();
    const std::int64_t dw = destination.Width(), dh = destination.Height();
    // The overlap of the placed image with the destination; an empty one (a miss, or a
    // placement that only touches an edge) has nothing to draw.
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(x + w, dw);
    const std::int64_t bottom = std::min<std::int64_t>(y + h, dh);
    if (right <= left || bottom <= top) {
        return true;
    }
    const PixelRect on_destination{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                                   static_cast<std::int32_t>(right),
                                   static_cast<std::int32_t>(bottom)};
    const PixelRect on_image{
        static_cast<std::int32_t>(left - x), static_cast<std::int32_t>(top - y),
        static_cast<std::int32_t>(right - x), static_cast<std::int32_t>(bottom - y)};
    BitmapData work;
    if (!work.CreateLike(image) ||
        !BitmapData::Blit24(work, destination, on_image, on_destination)) {
        return false;
    }
    BitmapData mixed;
    if (!LayerMask24(mixed, work, image, mask)) {
        return false;
    }
    return BitmapData::Blit24(destination, mixed, on_destination, on_image);
}

bool IsPointInImage(double x, double y, const BitmapData& image) {
    return x >= 0.0 && x < image.Width() && y >= 0.0 && y < image.Height();
}

} // namespace pf
