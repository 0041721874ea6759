#pragma once
// Text drawn into images: glyphs are rendered anti-aliased into a grey mask and the mask lays
// the text colour onto the image. Sizes are in tenths of a point at 96 dots per inch; text
// bytes are Windows code page 1252. Faces "Courier"/"Courier New", "Times New Roman" and
// "Arial" (any letter case) use the Liberation faces; other names take fontconfig's best
// match. Call on the user-interface thread only (the font cache is not locked).
#include "imagery/bitmap_data.h"

#include <string>

namespace pf {

// An 8-bit mask of the text: as wide as the glyph advances, as high as the face's ascender
// minus descender, the baseline at the ascender; each byte the glyph coverage. An empty text
// gives an empty mask (true). False when no font can be opened or the size is not positive.
bool RenderTextMask(BitmapData& mask, const std::string& text, const std::string& face_name,
                    int size);
// The text in the colour with its top-left corner at (x, y) on a 24-bit image.
bool DrawTextInImage(BitmapData& image, const std::string& text, int size,
                     const std::string& face_name, const ColorRGB& colour, int x, int y);
// Courier rendered at four times the size and its mask halved twice (smooth edges).
bool DrawTextCourierSmooth(BitmapData& image, const std::string& text, int size,
                           const ColorRGB& colour, int x, int y);
// Front ends with a flag that keeps the text's pixel size on screens of any resolution; the
// program always renders at 96 dots per inch, so the size stays as given.
bool DrawTextScaled(BitmapData& image, const std::string& text, int size,
                    const std::string& face_name, const ColorRGB& colour, int x, int y, bool scale);
bool DrawTextInBitmap(BitmapData& image, const std::string& text, int size, const ColorRGB& colour,
                      int x, int y, bool scale);

} // namespace pf
