#include "app/logic/body_map_logic.h"

#include "foundation/failure.h"
#include "foundation/text.h"
#include "imagery/bitmap_data.h"
#include "tiles/planet_archive.h"

#include <algorithm>
#include <cmath>

namespace pf {

BodyMapLogic::BodyMapLogic(const std::string& body) : body_(body) {
    image_.Create24(kImageWidth, kImageHeight);
    selectedX_ = image_.Width() / 2;
    selectedY_ = image_.Height() / 2;
    GetBodyImage(body_, image_, 4);
}

BodyMapLayout BodyMapLogic::LayOut(int infoWidth, int infoHeight, int okWidth, int okHeight,
                                   int cancelWidth, int cancelHeight) const {
    BodyMapLayout layout;
    const int width = image_.Width();
    const int height = image_.Height();
    layout.info = ControlPlace{kOrigin, kOrigin + height + 10, infoWidth, infoHeight};
    layout.ok = ControlPlace{layout.info.x, layout.info.Bottom() + 5, okWidth, okHeight};
    layout.cancel =
        ControlPlace{kOrigin + width - cancelWidth, layout.ok.y, cancelWidth, cancelHeight};
    layout.clientWidth = std::max({width, cancelWidth + 10 + okWidth, infoWidth}) + 2 * kOrigin;
    layout.clientHeight = layout.cancel.Bottom() + kOrigin;
    return layout;
}

std::string BodyMapLogic::GetTitle() const { return FormatString("Map for %s", body_.c_str()); }

LatLon BodyMapLogic::PixelToLatLon(double x, double y) const {
    LatLon position(0.0, 0.0);
    const double width = image_.Width();
    const double height = image_.Height();
    if (x >= 0 && x < width && y >= 0 && y < height) {
        position.SetLongitudeAngle(ScalarValue(360.0 / width * x - 180.0));
        position.SetLatitudeAngle(ScalarValue(90.0 - y * 180.0 / height));
    }
    return position;
}

LatLon BodyMapLogic::GetSelectedPosition() const { return PixelToLatLon(selectedX_, selectedY_); }

bool BodyMapLogic::IsSelectable(const LatLon& position) {
    return std::fabs(position.GetLongitude()) <= 175.0 && std::fabs(position.GetLatitude()) <= 75.0;
}

void BodyMapLogic::OnMouseMove(int x, int y) {
    const double px = x - kOrigin;
    const double py = y - kOrigin;
    info_ = IsPointInImage(px, py, image_) ? MapMouseText(kHint, PixelToLatLon(px, py))
                                           : std::string(kHint);
}

bool BodyMapLogic::OnLeftDown(int x, int y) {
    const double px = x - kOrigin;
    const double py = y - kOrigin;
    if (!IsPointInImage(px, py, image_)) {
        return false;
    }
    if (IsSelectable(PixelToLatLon(px, py))) {
        selectedX_ = px;
        selectedY_ = py;
    } else {
        ShowFailureMessage(kEdgeMessage);
    }
    return true;
}

std::string BodyMapLogic::GetOkCaption() const { return MapOkCaption(GetSelectedPosition()); }

std::string BodyMapLogic::LongestInfoText() { return MapMouseText(kHint, LatLon(-180.0, -90.0)); }

bool BodyMapLogic::GetPaintImage(BitmapData& out) const {
    return MarkedMapImage(image_, static_cast<int>(selectedX_), static_cast<int>(selectedY_), out);
}

} // namespace pf
