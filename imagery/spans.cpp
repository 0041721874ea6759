#include "imagery/spans.h"

#include "foundation/failure.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace pf {

namespace {

bool Is24(const BitmapData& image) { return image.HasPixels() && image.BitsPerPixel() == 24; }

bool SpansFit(const SpanList& spans, const BitmapData& source) {
    return spans.size() == static_cast<std::size_t>(source.Height());
}

// A span limited to the columns of an image of the given width.
BeginEnd ClampSpan(BeginEnd span, int width) {
    span.begin = std::clamp(span.begin, 0, width);
    span.end = std::clamp(span.end, span.begin, width);
    return span;
}

bool ResizeHeightSpans(BitmapData& d, const BitmapData& s, SpanList& spans, bool taller) {
    if (!Is24(d) || !Is24(s) || d.Width() != s.Width() || !SpansFit(spans, s) ||
        (taller ? d.Height() <= s.Height() : d.Height() >= s.Height())) {
        return false;
    }
    const int sh = s.Height(), dh = d.Height();
    const auto step = static_cast<std::uint64_t>(static_cast<double>(sh) / dh * 65536.0 + 0.5);
    SpanList resized(static_cast<std::size_t>(dh));
    std::uint64_t pos = step / 2; // row centres
    for (int r = 0; r < dh; ++r, pos += step) {
        const int row = static_cast<int>(std::min<std::uint64_t>(pos >> 16, sh - 1));
        const BeginEnd span = ClampSpan(spans[row], s.Width());
        if (span.end > span.begin) {
            std::memcpy(d.PixelAddress(span.begin, r), s.PixelAddress(span.begin, row),
                        static_cast<std::size_t>(span.end - span.begin) * 3);
        }
        resized[r] = span;
    }
    spans.swap(resized);
    return true;
}

} // namespace

bool StretchWidthSpans(BitmapData& d, const BitmapData& s, SpanList& spans) {
    if (!Is24(d) || !Is24(s) || d.Height() != s.Height() || !SpansFit(spans, s)) {
        return false;
    }
    const int sw = s.Width(), dw = d.Width();
    const auto scale = static_cast<std::uint64_t>(static_cast<double>(dw) / sw * 65536.0 + 0.5);
    const auto step = static_cast<std::uint64_t>(static_cast<double>(sw) / dw * 65536.0 + 0.5);
    for (int y = 0; y < s.Height(); ++y) {
        const BeginEnd span = ClampSpan(spans[y], sw);
        const std::uint64_t end_pos = static_cast<std::uint64_t>(span.end) * scale;
        int begin = static_cast<int>(std::min<std::uint64_t>((span.begin * scale) >> 16, dw));
        int end = static_cast<int>(
            std::min<std::uint64_t>((end_pos >> 16) + ((end_pos & 0xFFFF) >= 32769 ? 1 : 0), dw));
        end = std::max(end, begin);
        std::uint64_t pos = static_cast<std::uint64_t>(begin) * step;
        const std::uint8_t* in = s.Row(y);
        std::uint8_t* out = d.PixelAddress(begin, y);
        for (int x = begin; x < end; ++x, pos += step, out += 3) {
            const auto col = std::min<std::uint64_t>(pos >> 16, sw - 1);
            std::memcpy(out, in + col * 3, 3);
        }
        spans[y] = BeginEnd{begin, end};
    }
    return true;
}

bool StretchHeightSpans(BitmapData& d, const BitmapData& s, SpanList& spans) {
    return ResizeHeightSpans(d, s, spans, true);
}

bool CompressHeightSpans(BitmapData& d, const BitmapData& s, SpanList& spans) {
    return ResizeHeightSpans(d, s, spans, false);
}

bool ResampleToSpans(BitmapData& d, const BitmapData& s, SpanList& spans) {
    if (!Is24(d) || !Is24(s)) {
        return false;
    }
    if (d.Width() == s.Width() && d.Height() == s.Height()) {
        if (&d != &s) {
            std::memcpy(d.Pixels(), s.Pixels(), d.ByteCount());
        }
        return true;
    }
    BitmapData work;
    work.Create24(d.Width(), s.Height());
    if (!StretchWidthSpans(work, s, spans)) {
        return ShowFailureMessage(d.Width() < s.Width() ? "compress width failed\r\n"
                                                        : "stretch width failed\r\n");
    }
    if (d.Height() > s.Height()) {
        if (!StretchHeightSpans(d, work, spans)) {
            return ShowFailureMessage("stretch height failed\r\n");
        }
    } else if (d.Height() < s.Height()) {
        if (!CompressHeightSpans(d, work, spans)) {
            return ShowFailureMessage("compress height failed\r\n");
        }
    } else {
        if (!work.HasPixels()) {
            return ShowFailureMessage("Memory not properly allocated in stretch24\r\n");
        }
        return BlitSpans(d, work, spans, d.GetRect(), work.GetRect());
    }
    return true;
}

bool BlitSpans(BitmapData& destination, const BitmapData& source, const SpanList& spans,
               PixelRect d, PixelRect s) {
    if (!Is24(destination) || !Is24(source) || !SpansFit(spans, source)) {
        return false;
    }
    ClipBlitRects(destination, source, d, s);
    if (d.Width() <= 0 || d.Height() <= 0 || d.Width() != s.Width() || d.Height() != s.Height()) {
        return false;
    }
    for (int k = 0; k < s.Height(); ++k) {
        const int row = s.top + k;
        const BeginEnd span = spans[row];
        if (span.begin >= source.Width()) {
            continue;
        }
        const int from = std::max(span.begin, s.left);
        const int to = std::min(span.end, s.right);
        if (to > from) {
            std::memmove(destination.PixelAddress(d.left + (from - s.left), d.top + k),
                         source.PixelAddress(from, row), static_cast<std::size_t>(to - from) * 3);
        }
    }
    return true;
}

bool RotatedRectSpans(SpanList& spans, const BitmapData& source, double angle, int& new_width,
                      int& new_height) {
    if (!std::isfinite(angle)) {
        return false;
    }
    const double w = source.Width(), h = source.Height();
    const double c = std::cos(angle), s = std::sin(angle);
    // Corners in outline order. They are turned the way RotateBySpans maps destination
    // pixels back to the source (clockwise in y-up terms, counter-clockwise on screen).
    double x[4] = {0.0, w, w, 0.0};
    double y[4] = {0.0, 0.0, h, h};
    for (int i = 0; i < 4; ++i) {
        const double tx = x[i] * c + y[i] * s;
        const double ty = -x[i] * s + y[i] * c;
        x[i] = tx;
        y[i] = ty;
    }
    const double min_x = *std::min_element(x, x + 4), max_x = *std::max_element(x, x + 4);
    const double min_y = *std::min_element(y, y + 4), max_y = *std::max_element(y, y + 4);
    for (int i = 0; i < 4; ++i) {
        x[i] -= min_x;
        y[i] -= min_y;
    }
    const double width = max_x - min_x, height = max_y - min_y;
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max() / 2;
    if (!(width < kLimit && height < kLimit)) {
        return false;
    }
    new_width = static_cast<int>(width);
    new_height = static_cast<int>(height);
    spans.clear();
    if (new_height < 1) {
        return true;
    }
    spans.reserve(static_cast<std::size_t>(new_height));
    for (int row = 0; row < new_height; ++row) {
        const double yc = row + 0.5;
        double left = std::numeric_limits<double>::infinity();
        double right = -std::numeric_limits<double>::infinity();
        for (int i = 0; i < 4; ++i) {
            const int j = (i + 1) % 4;
            const double y0 = y[i], y1 = y[j];
            if (y0 == y1 || yc < std::min(y0, y1) || yc > std::max(y0, y1)) {
                continue;
            }
            const double xc = x[i] + (yc - y0) * (x[j] - x[i]) / (y1 - y0);
            left = std::min(left, xc);
            right = std::max(right, xc);
        }
        BeginEnd span;
        if (left <= right) {
            span.begin = std::clamp(static_cast<int>(std::max(left, 0.0)), 0, new_width);
            span.end = std::clamp(static_cast<int>(std::max(right, 0.0)), span.begin, new_width);
        }
        spans.push_back(span);
    }
    return true;
}

} // namespace pf
