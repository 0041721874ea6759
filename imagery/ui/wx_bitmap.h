#pragma once
// Showing the program's image record in wx windows.
#include "imagery/bitmap_data.h"

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/image.h>

namespace pf {

// A 24- or 32-bit image as a wx image (alpha dropped); an empty image for other depths.
wxImage ToWxImage(const BitmapData& image);
// Paints the image 1:1 with its top-left corner at (x, y); nothing for an empty image.
void PaintBitmapData(wxDC& dc, const BitmapData& image, int x, int y);

} // namespace pf
