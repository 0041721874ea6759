#include "imagery/ui/wx_bitmap.h"

namespace pf {

wxImage ToWxImage(const BitmapData& image) {
    const int bytes = image.BitsPerPixel() / 8;
    if (!image.HasPixels() || (bytes != 3 && bytes != 4)) {
        return wxImage();
    }
    wxImage out(image.Width(), image.Height(), false);
    unsigned char* rgb = out.GetData();
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint8_t* pixel = row + x * bytes;
            *rgb++ = pixel[2];
            *rgb++ = pixel[1];
            *rgb++ = pixel[0];
        }
    }
    return out;
}

void PaintBitmapData(wxDC& dc, const BitmapData& image, int x, int y) {
    wxImage converted = ToWxImage(image);
    if (!converted.IsOk()) {
        return;
    }
    dc.DrawBitmap(wxBitmap(converted), x, y, false);
}

} // namespace pf
