#include "app/logic/basic_map_logic.h"

#include "foundation/ui_hooks.h"
#include "imagery/text_render.h"
#include "tiles/map_download.h"

#include <algorithm>

namespace pf {

namespace {

constexpr int kButtonSize = 32;

ControlPlace Button(int x, int y) { return ControlPlace{x, y, kButtonSize, kButtonSize}; }

} // namespace

BasicMapLayout BasicMapLogic::LayOut(const ControlPlace& toggle, int infoWidth, int infoHeight,
                                     int okWidth, int okHeight) {
    BasicMapLayout layout;
    layout.imageTop = toggle.Bottom() + 10;
    layout.zoomIn = Button(46, layout.imageTop);
    layout.zoomOut = Button(46, layout.zoomIn.Bottom() + 2);
    layout.up = Button(46, layout.zoomOut.Bottom() + 10);
    layout.down = Button(46, layout.up.Bottom() + 36);
    layout.left = Button(layout.zoomIn.x - 34, layout.up.Bottom() + 2);
    layout.right = Button(layout.zoomIn.Right() + 2, layout.up.Bottom() + 2);
    layout.imageLeft = layout.right.Right() + 10;
    layout.toggle = toggle;
    layout.toggle.x = layout.imageLeft;
    layout.clientWidth = std::max({kMapSize, infoWidth, okWidth}) + layout.imageLeft + 10;
    layout.clientHeight = infoHeight + okHeight + 10 + layout.imageTop + 532;
    layout.info = ControlPlace{layout.imageLeft, layout.imageTop + 513, infoWidth, infoHeight};
    layout.ok = ControlPlace{layout.imageLeft, layout.info.Bottom() + 1, okWidth, okHeight};
    return layout;
}

void BasicMapLogic::OnInitDialog(const BasicMapLayout& layout) {
    info_ = kHint;
    originX_ = layout.imageLeft;
    originY_ = layout.imageTop;
    toggle_ = kToSatellite;
    ReloadMap();
}

std::string BasicMapLogic::GetMapType() const {
    return toggle_ == kToSatellite ? "roadmap" : "hybrid";
}

void BasicMapLogic::ReloadMap() {
    WaitCursor wait;
    if (!DownloadMapView(view_, GetMapType(), image_)) {
        image_ = BitmapData();
        image_.Create24(kMapSize, kMapSize);
        DrawTextInBitmap(image_, "Error downloading image", 200, ColorRGB(255, 255, 255), 75, 240,
                         true);
    }
    loaded_ = true;
    // The map moved under a pointer that stood still.
    if (mouseSeen_) {
        ShowMouseAt(mouseX_, mouseY_);
    }
}

std::string BasicMapLogic::GetOkCaption() const {
    return loaded_ ? MapOkCaption(view_.GetCentre()) : std::string("Select this position:");
}

std::string BasicMapLogic::LongestInfoText() { return MapMouseText(kHint, LatLon(-180.0, -90.0)); }

std::string BasicMapLogic::LongestOkCaption() { return MapOkCaption(LatLon(-180.0, -90.0)); }

LatLon BasicMapLogic::PixelToLatLon(int x, int y) const {
    MapZoom view = view_;
    const int dx = x - kMapSize / 2;
    const int dy = kMapSize / 2 - y;
    if (dx < 0) {
        view.ShiftCentreWest(-dx);
    } else {
        view.ShiftCentreEast(dx);
    }
    if (dy < 0) {
        view.ShiftCentreSouth(-dy);
    } else {
        view.ShiftCentreNorth(dy);
    }
    return view.GetCentre();
}

bool BasicMapLogic::IsInside(int x, int y) {
    return x >= 1 && x <= kMapSize - 1 && y >= 1 && y <= kMapSize - 1;
}

void BasicMapLogic::OnMouseMove(int x, int y) {
    mouseSeen_ = true;
    mouseX_ = x;
    mouseY_ = y;
    ShowMouseAt(x, y);
}

void BasicMapLogic::ShowMouseAt(int x, int y) {
    x -= originX_;
    y -= originY_;
    info_ = IsInside(x, y) ? MapMouseText(kHint, PixelToLatLon(x, y)) : std::string(kHint);
}

void BasicMapLogic::OnLeftDown(int x, int y) {
    mouseSeen_ = true;
    mouseX_ = x;
    mouseY_ = y;
    x -= originX_;
    y -= originY_;
    if (!IsInside(x, y)) {
        return;
    }
    clicked_ = PixelToLatLon(x, y);
    view_.SetCentre(clicked_);
    pressedInside_ = true;
}

bool BasicMapLogic::OnLeftUp(int x, int y) {
    if (!pressedInside_ && !IsInside(x - originX_, y - originY_)) {
        return false;
    }
    pressedInside_ = false;
    ReloadMap();
    return true;
}

void BasicMapLogic::ChangeAndReload(const std::function<void()>& change) {
    change();
    ReloadMap();
}

void BasicMapLogic::OnRightUp() { OnZoomOut(); }
void BasicMapLogic::OnPanLeft() {
    ChangeAndReload([this] { view_.ShiftCentreWest(kPanStep); });
}
void BasicMapLogic::OnPanRight() {
    ChangeAndReload([this] { view_.ShiftCentreEast(kPanStep); });
}
void BasicMapLogic::OnPanUp() {
    ChangeAndReload([this] { view_.ShiftCentreNorth(kPanStep); });
}
void BasicMapLogic::OnPanDown() {
    ChangeAndReload([this] { view_.ShiftCentreSouth(kPanStep); });
}
void BasicMapLogic::OnZoomIn() {
    ChangeAndReload([this] { view_.ZoomIn(); });
}
void BasicMapLogic::OnZoomOut() {
    ChangeAndReload([this] { view_.ZoomOut(); });
}

void BasicMapLogic::OnToggleMapType() {
    ChangeAndReload([this] { toggle_ = toggle_ != kToRoadMap ? kToRoadMap : kToSatellite; });
}

bool BasicMapLogic::GetPaintImage(BitmapData& out) const {
    return MarkedMapImage(image_, image_.Width() / 2, image_.Height() / 2, out);
}

} // namespace pf
