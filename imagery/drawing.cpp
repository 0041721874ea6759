#include "imagery/drawing.h"

#include "foundation/failure.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace pf {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kLightFace = 0xD4D0C8;
constexpr std::uint32_t kDarkShadow = 0x404040;
constexpr std::uint32_t kShadow = 0x808080;

bool IsLineTarget(const BitmapData& image) {
    return image.HasPixels() && image.BitsPerPixel() == 24 && image.Stride() == image.Width() * 3;
}

bool IsFrameTarget(const BitmapData& image, int minimum) {
    return IsLineTarget(image) && image.Width() >= minimum && image.Height() >= minimum;
}

void Put(BitmapData& image, int x, int y, const ColorRGB& c) {
    std::uint8_t* p = image.PixelAddress(x, y);
    p[0] = c.blue;
    p[1] = c.green;
    p[2] = c.red;
}

void Row(BitmapData& image, int y, int x0, int x1, std::uint32_t colour) {
    const ColorRGB c = ColorRGB::FromColorRef(colour);
    for (int x = x0; x <= x1; ++x) {
        Put(image, x, y, c);
    }
}

void Column(BitmapData& image, int x, int y0, int y1, std::uint32_t colour) {
    const ColorRGB c = ColorRGB::FromColorRef(colour);
    for (int y = y0; y <= y1; ++y) {
        Put(image, x, y, c);
    }
}

// Two rows and two columns at each edge; rows first, so that corners take the columns'
// colours (light ones win on the left, dark ones on the right).
void TwoPixelFrame(BitmapData& image, std::uint32_t outer_light, std::uint32_t inner_light,
                   std::uint32_t inner_dark, std::uint32_t outer_dark) {
    const int w = image.Width(), h = image.Height();
    Row(image, 0, 0, w - 1, outer_light);
    Row(image, 1, 0, w - 1, inner_light);
    Row(image, h - 2, 0, w - 1, inner_dark);
    Row(image, h - 1, 0, w - 1, outer_dark);
    Column(image, 0, 0, h - 1, outer_light);
    Column(image, 1, 0, h - 1, inner_light);
    Column(image, w - 2, 0, h - 1, inner_dark);
    Column(image, w - 1, 0, h - 1, outer_dark);
}

int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace

bool IsPointInImage(const Point2& point, const BitmapData& image) {
    return IsPointInImage(point.x, point.y, image);
}

bool DrawDot(double x, double y, BitmapData& image, std::uint32_t colour) {
    if (!image.HasPixels() || (image.BitsPerPixel() != 24 && image.BitsPerPixel() != 32)) {
        return false;
    }
    const ColorRGB inner = ColorRGB::FromColorRef(colour);
    const ColorRGB ring = ColorRGB::FromColorRef(kBlack);
    for (int j = -2; j <= 2; ++j) {
        for (int i = -2; i <= 2; ++i) {
            const double px = x + i, py = y + j;
            if (!IsPointInImage(px, py, image)) {
                continue;
            }
            const bool on_ring = std::abs(i) == 2 || std::abs(j) == 2;
            Put(image, static_cast<int>(px), static_cast<int>(py), on_ring ? ring : inner);
        }
    }
    return true;
}

bool DrawMarker(BitmapData& image, int x, int y, const ColorRGB& colour) {
    if (!image.HasPixels() || image.BitsPerPixel() != 24) {
        return ShowFailureMessage("Invalid bmp");
    }
    BitmapData plus(16, 16, 24);
    BitmapData mask(16, 16, 24);
    if (!plus.FillColor24(colour) || !mask.HasPixels()) {
        return false;
    }
    for (int k = 7; k <= 8; ++k) {
        Row(mask, k, 0, 15, kWhite);
        Column(mask, k, 0, 15, kWhite);
    }
    return MaskedBlit24(image, plus, mask, ClampToInt(std::int64_t{x} - 8),
                        ClampToInt(std::int64_t{y} - 8));
}

bool DrawLine(BitmapData& image, double x0, double y0, double x1, double y1,
              const ColorRGB& colour) {
    if (!IsLineTarget(image) || !std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) ||
        !std::isfinite(y1)) {
        return false;
    }
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const int w = image.Width(), h = image.Height();
    if (x0 >= w || x1 < 0.0 || (y0 < 0.0 && y1 < 0.0) || (y0 >= h && y1 >= h)) {
        return true;
    }
    // Ends so far apart that their distance leaves the double range cannot be clipped:
    // the arithmetic below would meet 0 * infinity.
    if (!std::isfinite(x1 - x0) || !std::isfinite(y1 - y0)) {
        return true;
    }
    // Ends outside the image move along the line onto the border lines x = 0, x = w - 1,
    // y = 0 and y = h - 1 (parametric clipping).
    const bool inside0 = IsPointInImage(x0, y0, image);
    const bool inside1 = IsPointInImage(x1, y1, image);
    if (!inside0 || !inside1) {
        const double dx = x1 - x0, dy = y1 - y0;
        double lo = 0.0, hi = 1.0;
        auto clip = [&](double p, double q) { // keeps p * t <= q
            if (p == 0.0) {
                return q >= 0.0;
            }
            const double r = q / p;
            if (p < 0.0) {
                if (r > hi) {
                    return false;
                }
                lo = std::max(lo, r);
            } else {
                if (r < lo) {
                    return false;
                }
                hi = std::min(hi, r);
            }
            return true;
        };
        const bool hits =
            clip(-dx, x0) && clip(dx, (w - 1) - x0) && clip(-dy, y0) && clip(dy, (h - 1) - y0);
        double t0 = 0.0, t1 = 1.0;
        if (hits) {
            t0 = inside0 ? 0.0 : lo;
            t1 = inside1 ? 1.0 : hi;
        } else if (inside0) {
            t1 = 0.0; // only the end pixel lies in the image's last partial column or row
        } else if (inside1) {
            t0 = 1.0;
        } else {
            return true; // the segment passes outside the image
        }
        const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy;
        const double nx1 = x0 + t1 * dx, ny1 = y0 + t1 * dy;
        x0 = nx0;
        y0 = ny0;
        x1 = nx1;
        y1 = ny1;
    }
    auto to_pixel = [](double v, int size) {
        return std::clamp(static_cast<int>(std::clamp(v, -1.0, static_cast<double>(size))), 0,
                          size - 1);
    };
    const int ix0 = to_pixel(x0, w), iy0 = to_pixel(y0, h);
    const int ix1 = to_pixel(x1, w), iy1 = to_pixel(y1, h);
    auto plot = [&](std::int64_t x, std::int64_t y) {
        if (x >= 0 && x < w && y >= 0 && y < h) {
            Put(image, static_cast<int>(x), static_cast<int>(y), colour);
        }
    };
    if (ix0 == ix1) {
        for (int y = std::min(iy0, iy1); y <= std::max(iy0, iy1); ++y) {
            plot(ix0, y);
        }
        return true;
    }
    if (iy0 == iy1) {
        for (int x = ix0; x <= ix1; ++x) {
            plot(x, iy0);
        }
        return true;
    }
    const double m = static_cast<double>(iy1 - iy0) / (ix1 - ix0);
    if (std::abs(m) <= 1.0) {
        std::int64_t row = std::int64_t{iy0} * 65536;
        const auto step = static_cast<std::int64_t>(m * 65536.0);
        for (int x = ix0; x <= ix1; ++x, row += step) {
            plot(x, row >> 16);
        }
    } else {
        // One pixel per row, from the first end's row towards the second's.
        const int direction = iy1 > iy0 ? 1 : -1;
        const int rows = std::abs(iy1 - iy0);
        std::int64_t column = std::int64_t{ix0} * 65536;
        const auto step = static_cast<std::int64_t>(65536.0 / std::abs(m));
        for (int k = 0; k <= rows; ++k, column += step) {
            plot(column >> 16, iy0 + direction * k);
        }
    }
    return true;
}

bool DrawQuadOutline(BitmapData& image, const Point2& p0, const Point2& p1, const Point2& p2,
                     const Point2& p3, const ColorRGB& colour) {
    return DrawLine(image, p0.x, p0.y, p1.x, p1.y, colour) &&
           DrawLine(image, p1.x, p1.y, p3.x, p3.y, colour) &&
           DrawLine(image, p2.x, p2.y, p3.x, p3.y, colour) &&
           DrawLine(image, p0.x, p0.y, p2.x, p2.y, colour);
}

bool RasterizePolygon(BitmapData& image, PixelRect rect, const ColorRGB& colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return true;
    }
    const double l = rect.left, t = rect.top;
    const double r = std::int64_t{rect.right} - 1, b = std::int64_t{rect.bottom} - 1;
    return DrawLine(image, l, t, r, t, colour) && DrawLine(image, r, t, r, b, colour) &&
           DrawLine(image, l, b, r, b, colour) && DrawLine(image, l, t, l, b, colour);
}

bool RasterizeSpans(BitmapData& image, const Point2& a, const Point2& b, const ColorRGB& colour) {
    return DrawLine(image, a.x, a.y, b.x, b.y, colour);
}

bool DrawFrame3D(BitmapData& image) {
    if (!IsFrameTarget(image, 4)) {
        return false;
    }
    TwoPixelFrame(image, kWhite, kLightFace, kDarkShadow, kShadow);
    return true;
}

bool DrawBevelFrame(BitmapData& image) {
    if (!IsFrameTarget(image, 4)) {
        return false;
    }
    // The pressed look: the picture moves one pixel right and down.
    BitmapData moved(image);
    const int w = image.Width(), h = image.Height();
    if (!moved.HasPixels() ||
        !BitmapData::Blit24(moved, image, PixelRect{1, 1, w, h}, PixelRect{0, 0, w - 1, h - 1})) {
        return false;
    }
    image.Swap(moved);
    TwoPixelFrame(image, kShadow, kDarkShadow, kLightFace, kWhite);
    return true;
}

bool DrawFocusFrame(BitmapData& image, std::uint32_t colour) {
    if (!IsFrameTarget(image, 8)) {
        return false;
    }
    const int w = image.Width(), h = image.Height();
    Row(image, 1, 1, w - 2, colour);
    Row(image, h - 2, 1, w - 2, colour);
    Column(image, 1, 1, h - 2, colour);
    Column(image, w - 2, 1, h - 2, colour);
    auto dot = [&](int x, int y) {
        Put(image, x, y, ColorRGB::FromColorRef((x + y) % 2 == 0 ? kBlack : kWhite));
    };
    for (int x = 2; x <= w - 3; ++x) {
        dot(x, 2);
        dot(x, h - 3);
    }
    for (int y = 2; y <= h - 3; ++y) {
        dot(2, y);
        dot(w - 3, y);
    }
    return true;
}

bool DrawBorder(BitmapData& image, std::uint32_t colour) {
    if (!IsFrameTarget(image, 2)) {
        return false;
    }
    const int w = image.Width(), h = image.Height();
    Row(image, 0, 0, w - 1, colour);
    Row(image, h - 1, 0, w - 1, colour);
    Column(image, 0, 0, h - 1, colour);
    Column(image, w - 1, 0, h - 1, colour);
    return true;
}

} // namespace pf
