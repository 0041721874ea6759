#include "app/logic/map_picker.h"

#include "foundation/text.h"
#include "imagery/color_convert.h"
#include "imagery/drawing.h"

namespace pf {

std::string MapOkCaption(const LatLon& position) {
    return FormatString("Select this position: %.4f longitude, %.4f latitiude",
                        position.GetLongitude(), position.GetLatitude());
}

std::string MapMouseText(const std::string& hint, const LatLon& position) {
    return FormatString("%sMouse is at %.4f Longitude, %.4f Latitude", hint.c_str(),
                        position.GetLongitude(), position.GetLatitude());
}

bool MarkedMapImage(const BitmapData& image, int x, int y, BitmapData& out) {
    out = BitmapData();
    if (!image.HasPixels()) {
        return false;
    }
    out = image;
    return ConvertTo24Bit(out) && DrawMarker(out, x, y, ColorRGB::FromRgb(0, 0, 255));
}

} // namespace pf
