#pragma once
// Drawing into images: dots, cross markers, clipped lines, quadrilateral outlines and the
// frames of picture buttons. Colours given as one number read 0x00RRGGBB; only the low three
// bytes are written.
#include "foundation/geometry.h"
#include "imagery/bitmap_data.h"

#include <cstdint>

namespace pf {

bool IsPointInImage(const Point2& point, const BitmapData& image);

// A 5 x 5 dot centred on (x, y): black ring, inner 3 x 3 in the colour. Positions outside the
// image are skipped. 24- or 32-bit images (three bytes written per pixel).
bool DrawDot(double x, double y, BitmapData& image, std::uint32_t colour);
// A 16 x 16 plus whose two-pixel arms cross at (x, y) (rows y-1, y and columns x-1, x).
// 24 bits; otherwise "Invalid bmp" is shown.
bool DrawMarker(BitmapData& image, int x, int y, const ColorRGB& colour);

// A one-pixel line clipped to the image (24 bits). A segment that misses the image, or whose
// ends lie further apart than the double range reaches, draws nothing and is not a
// failure; non-finite coordinates are.
bool DrawLine(BitmapData& image, double x0, double y0, double x1, double y1,
              const ColorRGB& colour);
// The lines P0-P1, P1-P3, P2-P3, P0-P2, in that order; false at the first that fails.
bool DrawQuadOutline(BitmapData& image, const Point2& p0, const Point2& p1, const Point2& p2,
                     const Point2& p3, const ColorRGB& colour);
// The outline of the pixels inside `rect` (right and bottom exclusive): columns left and
// right - 1, rows top and bottom - 1. An empty rectangle draws nothing.
bool RasterizePolygon(BitmapData& image, PixelRect rect, const ColorRGB& colour);
// A line between the two points.
bool RasterizeSpans(BitmapData& image, const Point2& a, const Point2& b, const ColorRGB& colour);

// Frames of 24-bit images; false below their minimum size (4, 4, 8 and 2 pixels each way).
bool DrawFrame3D(BitmapData& image);
bool DrawBevelFrame(BitmapData& image);
bool DrawFocusFrame(BitmapData& image, std::uint32_t colour);
bool DrawBorder(BitmapData& image, std::uint32_t colour);

} // namespace pf
