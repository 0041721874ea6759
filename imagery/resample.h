#pragma once
// Size and orientation changes of images: single-axis passes, whole resizes
// (BitmapData::Resample24/Resample32), doublings, halving, quarter and half turns, and turns
// by any angle with the span list that marks the turned picture.
#include "imagery/bitmap_data.h"

namespace pf {

// Single-axis passes (destination, source): the destination is already created; both have
// the named depth, no zero size, the other axis equal. Stretch only widens (heightens),
// compress only narrows (lowers).
bool StretchWidth24(BitmapData& destination, const BitmapData& source);
bool StretchWidth32(BitmapData& destination, const BitmapData& source);
bool StretchHeight24(BitmapData& destination, const BitmapData& source);
bool StretchHeight32(BitmapData& destination, const BitmapData& source);
bool CompressWidth24(BitmapData& destination, const BitmapData& source);
bool CompressWidth32(BitmapData& destination, const BitmapData& source);
bool CompressHeight24(BitmapData& destination, const BitmapData& source);
bool CompressHeight32(BitmapData& destination, const BitmapData& source);

// In place, 24 bits: every pixel (row) written twice.
bool DoubleWidth(BitmapData& image);
bool DoubleHeight(BitmapData& image);
// In place, doubling with linear weights.
bool DoubleWidthSmooth24(BitmapData& image);
bool DoubleWidthSmooth32(BitmapData& image);
bool DoubleHeightSmooth24(BitmapData& image);
bool DoubleHeightSmooth32(BitmapData& image);
// DoubleWidthSmooth32, then DoubleHeightSmooth32.
bool Resize32IfPossible(BitmapData& image);

// Turns in place (24 bits; Rotate180_32 needs 32 bits).
bool RotateQuarterLeft(BitmapData& image);  // counter-clockwise: (x, y) -> (y, width-1-x)
bool RotateQuarterRight(BitmapData& image); // clockwise: (x, y) -> (height-1-y, x)
bool Rotate180_24(BitmapData& image);
bool Rotate180_32(BitmapData& image);

// Turns a 24-bit image counter-clockwise (as seen on screen) by degrees and fills `spans`
// with one visible column range per destination row. The destination is untouched on failure.
bool RotateImage(BitmapData& destination, SpanList& spans, const BitmapData& source, double angle);
// The general turn for 0 <= angle < 90 used by RotateImage.
bool RotateBySpans(BitmapData& destination, SpanList& spans, const BitmapData& source,
                   double angle);

// Halves an 8-, 24- or 32-bit image in place by 2 x 2 averages (an odd last row or column is
// dropped); false for images narrower or lower than 2 pixels.
bool HalveImage(BitmapData& image);

} // namespace pf
