#include "imagery/resample.h"

#include "foundation/failure.h"
#include "imagery/spans.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace pf {

namespace {

constexpr std::uint64_t kOnePixel24 = std::uint64_t{1} << 24; // 8.24 area weights
constexpr int kMaxTurnSize = 8000;

bool HasDepth(const BitmapData& image, int bytes_per_pixel) {
    return image.HasPixels() && image.BitsPerPixel() == bytes_per_pixel * 8;
}

// Source index for each destination index of a nearest stretch (16.16 step). The index is
// clamped: the rounded step can carry the last position one past the source.
std::vector<int> NearestIndices(int source_size, int destination_size,
                                std::uint64_t start_at_half) {
    const auto step = static_cast<std::uint64_t>(
        static_cast<double>(source_size) / destination_size * 65536.0 + 0.5);
    std::vector<int> index(static_cast<std::size_t>(destination_size));
    std::uint64_t pos = start_at_half ? step / 2 : 0;
    for (int i = 0; i < destination_size; ++i, pos += step) {
        index[i] = static_cast<int>(std::min<std::uint64_t>(pos >> 16, source_size - 1));
    }
    return index;
}

template <int Bpp> bool StretchWidthT(BitmapData& d, const BitmapData& s) {
    if (!HasDepth(d, Bpp) || !HasDepth(s, Bpp) || s.Width() >= d.Width() ||
        s.Height() != d.Height()) {
        return false;
    }
    const std::vector<int> index = NearestIndices(s.Width(), d.Width(), 0);
    for (int y = 0; y < d.Height(); ++y) {
        const std::uint8_t* in = s.Row(y);
        std::uint8_t* out = d.Row(y);
        for (int x = 0; x < d.Width(); ++x, out += Bpp) {
            std::memcpy(out, in + static_cast<std::ptrdiff_t>(index[x]) * Bpp, Bpp);
        }
    }
    return true;
}

template <int Bpp> bool StretchHeightT(BitmapData& d, const BitmapData& s) {
    if (!HasDepth(d, Bpp) || !HasDepth(s, Bpp) || s.Height() >= d.Height() ||
        s.Width() != d.Width()) {
        return false;
    }
    const std::vector<int> index = NearestIndices(s.Height(), d.Height(), 0);
    for (int y = 0; y < d.Height(); ++y) {
        std::memcpy(d.Row(y), s.Row(index[y]), static_cast<std::size_t>(d.Stride()));
    }
    return true;
}

// The 8.24 share of one source pixel in one destination pixel when n values become m.
std::uint64_t AreaScale(int n, int m) {
    return static_cast<std::uint64_t>(static_cast<double>(m) * kOnePixel24 / n + 0.5);
}

template <int Bpp> bool CompressWidthT(BitmapData& d, const BitmapData& s) {
    if (!HasDepth(d, Bpp) || !HasDepth(s, Bpp) || s.Width() <= d.Width() ||
        s.Height() != d.Height()) {
        return false;
    }
    const int n = s.Width();
    const int m = d.Width();
    const std::uint64_t scale = AreaScale(n, m);
    for (int y = 0; y < d.Height(); ++y) {
        const std::uint8_t* in = s.Row(y);
        std::uint8_t* out = d.Row(y);
        std::uint64_t sum[Bpp] = {};
        std::uint64_t budget = kOnePixel24;
        int pos = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint8_t* p = in + static_cast<std::ptrdiff_t>(i) * Bpp;
            if (budget > scale) {
                for (int c = 0; c < Bpp; ++c) {
                    sum[c] += p[c] * scale;
                }
                budget -= scale;
            } else {
                for (int c = 0; c < Bpp; ++c) {
                    if (pos < m) {
                        out[pos * Bpp + c] =
                            static_cast<std::uint8_t>((sum[c] + p[c] * budget) >> 24);
                    }
                    sum[c] = p[c] * (scale - budget);
                }
                ++pos;
                budget += kOnePixel24 - scale;
            }
        }
        if (pos < m) {
            if (m == 1) {
                // The rounded-down share never filled the one pixel: finish it with the
                // last pixel, so that the weights add up to one pixel.
                const std::uint8_t* last = in + static_cast<std::ptrdiff_t>(n - 1) * Bpp;
                for (int c = 0; c < Bpp; ++c) {
                    out[c] = static_cast<std::uint8_t>((sum[c] + last[c] * budget) >> 24);
                }
            } else {
                for (; pos < m; ++pos) {
                    std::memcpy(out + pos * Bpp, out + (pos - 1) * Bpp, Bpp);
                }
            }
        }
    }
    return true;
}

template <int Bpp> bool CompressHeightT(BitmapData& d, const BitmapData& s) {
    if (!HasDepth(d, Bpp) || !HasDepth(s, Bpp) || s.Height() <= d.Height() ||
        s.Width() != d.Width()) {
        return false;
    }
    const int n = s.Height();
    const int m = d.Height();
    const std::uint64_t scale = AreaScale(n, m);
    const auto row_bytes = static_cast<std::size_t>(d.Stride());
    std::vector<std::uint64_t> sum(row_bytes, 0);
    std::uint64_t budget = kOnePixel24;
    int pos = 0;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t* p = s.Row(i);
        if (budget > scale) {
            for (std::size_t k = 0; k < row_bytes; ++k) {
                sum[k] += p[k] * scale;
            }
            budget -= scale;
        } else {
            std::uint8_t* out = pos < m ? d.Row(pos) : nullptr;
            for (std::size_t k = 0; k < row_bytes; ++k) {
                if (out != nullptr) {
                    out[k] = static_cast<std::uint8_t>((sum[k] + p[k] * budget) >> 24);
                }
                sum[k] = p[k] * (scale - budget);
            }
            ++pos;
            budget += kOnePixel24 - scale;
        }
    }
    if (pos < m) {
        if (m == 1) {
            const std::uint8_t* last = s.Row(n - 1);
            std::uint8_t* out = d.Row(0);
            for (std::size_t k = 0; k < row_bytes; ++k) {
                out[k] = static_cast<std::uint8_t>((sum[k] + last[k] * budget) >> 24);
            }
        } else {
            for (; pos < m; ++pos) {
                std::memcpy(d.Row(pos), d.Row(pos - 1), row_bytes);
            }
        }
    }
    return true;
}

template <int Bpp> bool ResampleT(BitmapData& d, const BitmapData& s) {
    if (!HasDepth(d, Bpp) || !HasDepth(s, Bpp)) {
        return false;
    }
    if (d.Width() == s.Width() && d.Height() == s.Height()) {
        if (&d != &s) {
            std::memcpy(d.Pixels(), s.Pixels(), d.ByteCount());
        }
        return true;
    }
    BitmapData work;
    const BitmapData* widened = &s;
    if (d.Width() != s.Width()) {
        work.Create(d.Width(), s.Height(), Bpp * 8);
        if (d.Width() < s.Width()) {
            if (!CompressWidthT<Bpp>(work, s)) {
                return ShowFailureMessage("compress width failed\r\n");
            }
        } else if (!StretchWidthT<Bpp>(work, s)) {
            return ShowFailureMessage("stretch width failed\r\n");
        }
        widened = &work;
    }
    if (d.Height() > s.Height()) {
        if (!StretchHeightT<Bpp>(d, *widened)) {
            return ShowFailureMessage("stretch height failed\r\n");
        }
    } else if (d.Height() < s.Height()) {
        if (!CompressHeightT<Bpp>(d, *widened)) {
            return ShowFailureMessage("compress height failed\r\n");
        }
    } else {
        if (!widened->HasPixels()) {
            return ShowFailureMessage("Memory not properly allocated in stretch24\r\n");
        }
        std::memcpy(d.Pixels(), widened->Pixels(), d.ByteCount());
    }
    return true;
}

// Linear-weight doubling of one line of n pixels at `in` (step in_step bytes) into 2n pixels
// at `out` (step out_step bytes), `bytes` channels per pixel.
void SmoothDoubleLine(const std::uint8_t* in, std::ptrdiff_t in_step, int n, std::uint8_t* out,
                      std::ptrdiff_t out_step, int bytes) {
    auto p = [&](int i) { return in + in_step * i; };
    auto q = [&](int i) { return out + out_step * i; };
    auto mix = [&](std::uint8_t* o, const std::uint8_t* a, unsigned wa, const std::uint8_t* b,
                   unsigned wb) {
        for (int c = 0; c < bytes; ++c) {
            o[c] = static_cast<std::uint8_t>((a[c] * wa + b[c] * wb) >> 2);
        }
    };
    if (n == 1) {
        std::memcpy(q(0), p(0), bytes);
        std::memcpy(q(1), p(0), bytes);
        return;
    }
    std::memcpy(q(0), p(0), bytes);
    mix(q(1), p(0), 3, p(1), 1);
    for (int i = 1; i <= n - 2; ++i) {
        mix(q(2 * i), p(i - 1), 1, p(i), 3);
        mix(q(2 * i + 1), p(i), 3, p(i + 1), 1);
    }
    mix(q(2 * n - 2), p(n - 2), 1, p(n - 1), 3);
    std::memcpy(q(2 * n - 1), p(n - 1), bytes);
}

template <int Bpp> bool DoubleWidthSmoothT(BitmapData& image) {
    BitmapData doubled;
    if (!HasDepth(image, Bpp) || !doubled.Create(image.Width() * 2, image.Height(), Bpp * 8)) {
        return false;
    }
    for (int y = 0; y < image.Height(); ++y) {
        SmoothDoubleLine(image.Row(y), Bpp, image.Width(), doubled.Row(y), Bpp, Bpp);
    }
    image.Swap(doubled);
    return true;
}

template <int Bpp> bool DoubleHeightSmoothT(BitmapData& image) {
    BitmapData doubled;
    if (!HasDepth(image, Bpp) || !doubled.Create(image.Width(), image.Height() * 2, Bpp * 8)) {
        return false;
    }
    // Whole rows are mixed at once: each row is one "pixel" of Stride bytes.
    SmoothDoubleLine(image.Pixels(), image.Stride(), image.Height(), doubled.Pixels(),
                     doubled.Stride(), image.Stride());
    image.Swap(doubled);
    return true;
}

template <int Bpp> bool Rotate180T(BitmapData& image) {
    BitmapData turned;
    if (!HasDepth(image, Bpp) || !turned.CreateLike(image)) {
        return false;
    }
    const int w = image.Width(), h = image.Height();
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = image.Row(y);
        std::uint8_t* out = turned.PixelAddress(w - 1, h - 1 - y);
        for (int x = 0; x < w; ++x, in += Bpp, out -= Bpp) {
            std::memcpy(out, in, Bpp);
        }
    }
    image.Swap(turned);
    return true;
}

SpanList FullSpans(const BitmapData& image) {
    return SpanList(static_cast<std::size_t>(image.Height()), BeginEnd{0, image.Width()});
}

bool CopyWithFullSpans(BitmapData& destination, SpanList& spans, const BitmapData& source) {
    BitmapData copy(source);
    if (!copy.HasPixels()) {
        return false;
    }
    spans = FullSpans(copy);
    destination.Swap(copy);
    return true;
}

} // namespace

bool StretchWidth24(BitmapData& d, const BitmapData& s) { return StretchWidthT<3>(d, s); }
bool StretchWidth32(BitmapData& d, const BitmapData& s) { return StretchWidthT<4>(d, s); }
bool StretchHeight24(BitmapData& d, const BitmapData& s) { return StretchHeightT<3>(d, s); }
bool StretchHeight32(BitmapData& d, const BitmapData& s) { return StretchHeightT<4>(d, s); }
bool CompressWidth24(BitmapData& d, const BitmapData& s) { return CompressWidthT<3>(d, s); }
bool CompressWidth32(BitmapData& d, const BitmapData& s) { return CompressWidthT<4>(d, s); }
bool CompressHeight24(BitmapData& d, const BitmapData& s) { return CompressHeightT<3>(d, s); }
bool CompressHeight32(BitmapData& d, const BitmapData& s) { return CompressHeightT<4>(d, s); }

bool BitmapData::Resample24(BitmapData& destination, const BitmapData& source) {
    return ResampleT<3>(destination, source);
}

bool BitmapData::Resample32(BitmapData& destination, const BitmapData& source) {
    return ResampleT<4>(destination, source);
}

bool DoubleWidth(BitmapData& image) {
    BitmapData doubled;
    if (!HasDepth(image, 3) || !doubled.Create24(image.Width() * 2, image.Height())) {
        return false;
    }
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t* in = image.Row(y);
        std::uint8_t* out = doubled.Row(y);
        for (int x = 0; x < image.Width(); ++x, in += 3, out += 6) {
            std::memcpy(out, in, 3);
            std::memcpy(out + 3, in, 3);
        }
    }
    image.Swap(doubled);
    return true;
}

bool DoubleHeight(BitmapData& image) {
    BitmapData doubled;
    if (!HasDepth(image, 3) || !doubled.Create24(image.Width(), image.Height() * 2)) {
        return false;
    }
    const auto row_bytes = static_cast<std::size_t>(image.Stride());
    for (int y = 0; y < image.Height(); ++y) {
        std::memcpy(doubled.Row(2 * y), image.Row(y), row_bytes);
        std::memcpy(doubled.Row(2 * y + 1), image.Row(y), row_bytes);
    }
    image.Swap(doubled);
    return true;
}

bool DoubleWidthSmooth24(BitmapData& image) { return DoubleWidthSmoothT<3>(image); }
bool DoubleWidthSmooth32(BitmapData& image) { return DoubleWidthSmoothT<4>(image); }
bool DoubleHeightSmooth24(BitmapData& image) { return DoubleHeightSmoothT<3>(image); }
bool DoubleHeightSmooth32(BitmapData& image) { return DoubleHeightSmoothT<4>(image); }

bool Resize32IfPossible(BitmapData& image) {
    return DoubleWidthSmooth32(image) && DoubleHeightSmooth32(image);
}

bool RotateQuarterLeft(BitmapData& image) {
    BitmapData turned;
    if (!HasDepth(image, 3) || !turned.Create24(image.Height(), image.Width())) {
        return false;
    }
    const int w = image.Width();
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t* in = image.Row(y);
        for (int x = 0; x < w; ++x, in += 3) {
            std::memcpy(turned.PixelAddress(y, w - 1 - x), in, 3);
        }
    }
    image.Swap(turned);
    return true;
}

bool RotateQuarterRight(BitmapData& image) {
    BitmapData turned;
    if (!HasDepth(image, 3) || !turned.Create24(image.Height(), image.Width())) {
        return false;
    }
    const int h = image.Height();
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = image.Row(y);
        for (int x = 0; x < image.Width(); ++x, in += 3) {
            std::memcpy(turned.PixelAddress(h - 1 - y, x), in, 3);
        }
    }
    image.Swap(turned);
    return true;
}

bool Rotate180_24(BitmapData& image) { return Rotate180T<3>(image); }
bool Rotate180_32(BitmapData& image) { return Rotate180T<4>(image); }

bool RotateBySpans(BitmapData& destination, SpanList& spans, const BitmapData& source,
                   double angle) {
    if (!HasDepth(source, 3) || !std::isfinite(angle)) {
        return false;
    }
    if (angle <= 0.01) {
        return CopyWithFullSpans(destination, spans, source);
    }
    if (angle >= 89.99) {
        BitmapData turned(source);
        if (!RotateQuarterLeft(turned)) {
            return false;
        }
        spans = FullSpans(turned);
        destination.Swap(turned);
        return true;
    }
    const int sw = source.Width(), sh = source.Height();
    if (sw > kMaxTurnSize || sh > kMaxTurnSize) {
        return false;
    }
    const double radians = angle * std::numbers::pi / 180.0;
    SpanList turned_spans;
    int dw = 0, dh = 0;
    if (!RotatedRectSpans(turned_spans, source, radians, dw, dh) || dw < 1 || dh < 1 ||
        dw > kMaxTurnSize || dh > kMaxTurnSize) {
        return false;
    }
    BitmapData turned;
    if (!turned.Create24(dw, dh)) {
        return false;
    }
    const double c = std::cos(radians), s = std::sin(radians);
    constexpr double kOne = 262144.0; // 14.18 positions
    // Signed accumulators: a span may start a little outside the source, and that must
    // clamp to the near edge, not wrap to the far one.
    const auto du = static_cast<std::int64_t>(c * kOne);
    const auto dv = static_cast<std::int64_t>(s * kOne);
    for (int y = 0; y < dh; ++y) {
        const BeginEnd span = turned_spans[y];
        if (span.begin == span.end) {
            continue;
        }
        const double b = span.begin;
        const double yc = y + 0.5;
        auto u = static_cast<std::int64_t>((b * c - yc * s + sw * s * s) * kOne);
        auto v = static_cast<std::int64_t>((b * s + yc * c - sw * s * c) * kOne);
        std::uint8_t* out = turned.PixelAddress(span.begin, y);
        for (int x = span.begin; x < span.end; ++x, out += 3, u += du, v += dv) {
            const auto col = std::clamp<std::int64_t>(u >> 18, 0, sw - 1);
            const auto row = std::clamp<std::int64_t>(v >> 18, 0, sh - 1);
            std::memcpy(out, source.PixelAddress(static_cast<int>(col), static_cast<int>(row)), 3);
        }
    }
    destination.Swap(turned);
    spans.swap(turned_spans);
    return true;
}

bool RotateImage(BitmapData& destination, SpanList& spans, const BitmapData& source, double angle) {
    if (!HasDepth(source, 3) || !std::isfinite(angle)) {
        return false;
    }
    angle = std::fmod(angle, 360.0);
    if (angle < 0.0) {
        angle += 360.0;
    }
    if (angle >= 360.0) {
        angle -= 360.0;
    }
    if (angle == 0.0) {
        return CopyWithFullSpans(destination, spans, source);
    }
    BitmapData work(source);
    if (!work.HasPixels()) {
        return false;
    }
    if (angle >= 270.0) {
        if (!RotateQuarterRight(work)) {
            return false;
        }
        angle -= 270.0;
    }
    if (angle >= 180.0) {
        if (!Rotate180_24(work)) {
            return false;
        }
        angle -= 180.0;
    }
    if (angle >= 90.0) {
        if (!RotateQuarterLeft(work)) {
            return false;
        }
        angle -= 90.0;
    }
    return RotateBySpans(destination, spans, work, angle);
}

bool HalveImage(BitmapData& image) {
    const int bits = image.BitsPerPixel();
    if (!image.HasPixels() || (bits != 8 && bits != 24 && bits != 32) || image.Width() < 2 ||
        image.Height() < 2) {
        return false;
    }
    const int bytes = bits / 8;
    BitmapData half;
    if (!half.Create(image.Width() / 2, image.Height() / 2, bits)) {
        return false;
    }
    for (int y = 0; y < half.Height(); ++y) {
        const std::uint8_t* a = image.Row(2 * y);
        const std::uint8_t* b = image.Row(2 * y + 1);
        std::uint8_t* out = half.Row(y);
        for (int x = 0; x < half.Width(); ++x) {
            for (int c = 0; c < bytes; ++c) {
                const int i = 2 * x * bytes + c;
                out[x * bytes + c] =
                    static_cast<std::uint8_t>((a[i] + a[i + bytes] + b[i] + b[i + bytes]) >> 2);
            }
        }
    }
    image.Swap(half);
    return true;
}

} // namespace pf
