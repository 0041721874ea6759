#pragma once
// What the two map pickers share: control places in client pixels, the OK caption that
// names the position, the mouse text, and the picture as painted (a 24-bit copy with a
// blue cross marker).
#include "foundation/lat_lon.h"
#include "imagery/bitmap_data.h"

#include <string>

namespace pf {

// A control's place in the dialog's client area.
struct ControlPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    friend bool operator==(const ControlPlace&, const ControlPlace&) = default;
};

// "Select this position: <lon> longitude, <lat> latitiude" (the caption's own spelling).
std::string MapOkCaption(const LatLon& position);
// The hint, then "Mouse is at <lon> Longitude, <lat> Latitude".
std::string MapMouseText(const std::string& hint, const LatLon& position);
// A 24-bit copy of the image with the marker at (x, y); false, out empty, for an image
// without pixels.
bool MarkedMapImage(const BitmapData& image, int x, int y, BitmapData& out);

} // namespace pf
