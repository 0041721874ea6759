#pragma once
// Span lists carried through resizing and copying (24 bits), so that a turned picture is
// drawn without its empty corners. A span list holds one BeginEnd per image row.
#include "imagery/bitmap_data.h"

namespace pf {

// Moves the spans to destination columns and samples the span pixels nearest from the
// source; heights equal, widening or narrowing. Pixels outside the spans are not written.
bool StretchWidthSpans(BitmapData& destination, const BitmapData& source, SpanList& spans);
// Destination taller (shorter) than the source, widths equal: every destination row copies
// the span bytes of its source row and takes that row's span; the list is replaced.
bool StretchHeightSpans(BitmapData& destination, const BitmapData& source, SpanList& spans);
bool CompressHeightSpans(BitmapData& destination, const BitmapData& source, SpanList& spans);
// The whole resize restricted to spans: width first, then height.
bool ResampleToSpans(BitmapData& destination, const BitmapData& source, SpanList& spans);
// Blit24 that copies only each source row's span part inside the source rectangle.
bool BlitSpans(BitmapData& destination, const BitmapData& source, const SpanList& spans,
               PixelRect destination_rect, PixelRect source_rect);
// The span list and size of the source turned by `angle` radians the way RotateBySpans
// turns it. False for a non-finite angle or an outline too large to measure in pixels.
bool RotatedRectSpans(SpanList& spans, const BitmapData& source, double angle, int& new_width,
                      int& new_height);

} // namespace pf
