#pragma once
// Mouse events on a map view at the pixel of a longitude and latitude, found through the
// view's own conversion, so that a test clicks where a person would see the place. The
// events go through SendMouse to the window that receives them.
#include "app/ui/add_tiles_dlg.h"
#include "app/ui/basic_map_dlg.h"
#include "app/ui/edit_base_objects_dlg.h"
#include "foundation/lat_lon.h"
#include "support/ui/expect_script.h"

#include <cmath>
#include <functional>
#include <wx/panel.h>

namespace pf::test {

struct MapView {
    // The window whose mouse events the view handles.
    wxWindow* window = nullptr;
    // The view's conversion: a position's pixel in that window's client area.
    std::function<wxPoint(const LatLon&)> pixelOf;

    wxPoint PixelOf(const LatLon& at) const { return pixelOf(at); }
};

// The Tile List Editor's view panel, converted by its logic.
inline MapView TilesView(AddTilesDlg* dlg) {
    return {dlg->GetViewPanel(), [dlg](const LatLon& at) {
                const Point2 p = dlg->GetLogic().LatLonToPixel(at);
                return wxPoint(static_cast<int>(std::floor(p.x)),
                               static_cast<int>(std::floor(p.y)));
            }};
}

// The structure editor's view, part of its dialog: linear in degrees, so two of the view's
// own pixel-to-degree answers give the way back; the view origin is added.
inline MapView StructureView(EditBaseObjectsDlg* dlg) {
    return {dlg, [dlg](const LatLon& at) {
                StructureEditorModel& model = dlg->Model();
                const LatLon p0 = model.ViewToDegrees(Point2(0.0, 0.0));
                const LatLon p1 = model.ViewToDegrees(Point2(1.0, 1.0));
                double east = at.GetLongitude() - p0.GetLongitude();
                east -= 360.0 * std::round(east / 360.0);
                const double x = east / (p1.GetLongitude() - p0.GetLongitude());
                const double y =
                    (at.GetLatitude() - p0.GetLatitude()) / (p1.GetLatitude() - p0.GetLatitude());
                return wxPoint(static_cast<int>(std::lround(x)) + model.viewOrigin.x,
                               static_cast<int>(std::lround(y)) + model.viewOrigin.y);
            }};
}

// The Earth map picker, whose map is the dialog's own client area from the image origin:
// its conversion goes from pixels to positions only, so the nearest pixel is searched
// along each axis (a longitude depends on x alone, a latitude on y alone).
inline MapView PickerView(BasicMapDlg* dlg) {
    return {dlg, [dlg](const LatLon& at) {
                const BasicMapLogic& logic = dlg->Logic();
                const int middle = BasicMapLogic::kMapSize / 2;
                int bestX = 0;
                int bestY = 0;
                for (int i = 0; i < BasicMapLogic::kMapSize; ++i) {
                    const auto off = [&](int x, int y, bool lon) {
                        const LatLon p = logic.PixelToLatLon(x, y);
                        return std::abs(lon ? p.GetLongitude() - at.GetLongitude()
                                            : p.GetLatitude() - at.GetLatitude());
                    };
                    if (off(i, middle, true) < off(bestX, middle, true))
                        bestX = i;
                    if (off(middle, i, false) < off(middle, bestY, false))
                        bestY = i;
                }
                return wxPoint(bestX + logic.ImageLeft(), bestY + logic.ImageTop());
            }};
}

// The pointer moves to the position, the left button goes down and up there; with
// double_click the double-click event and a second release follow, as a double click sends.
inline void ClickMapAt(const MapView& view, const LatLon& at, bool double_click = false) {
    const wxPoint p = view.PixelOf(at);
    SendMouse(view.window, wxEVT_MOTION, p.x, p.y);
    SendMouse(view.window, wxEVT_LEFT_DOWN, p.x, p.y);
    SendMouse(view.window, wxEVT_LEFT_UP, p.x, p.y);
    if (double_click) {
        SendMouse(view.window, wxEVT_LEFT_DCLICK, p.x, p.y);
        SendMouse(view.window, wxEVT_LEFT_UP, p.x, p.y);
    }
}

// A press at one position, moves to the other (one pixel first, where a drag starts) and
// the release there.
inline void DragMap(const MapView& view, const LatLon& from, const LatLon& to) {
    const wxPoint a = view.PixelOf(from);
    const wxPoint b = view.PixelOf(to);
    SendMouse(view.window, wxEVT_MOTION, a.x, a.y);
    SendMouse(view.window, wxEVT_LEFT_DOWN, a.x, a.y);
    SendMouse(view.window, wxEVT_MOTION, a.x + 1, a.y + 1);
    SendMouse(view.window, wxEVT_MOTION, b.x, b.y);
    SendMouse(view.window, wxEVT_LEFT_UP, b.x, b.y);
}

// The right button's press and release at the position (the context menus open there).
inline void RightClickMapAt(const MapView& view, const LatLon& at) {
    const wxPoint p = view.PixelOf(at);
    SendMouse(view.window, wxEVT_MOTION, p.x, p.y);
    SendMouse(view.window, wxEVT_RIGHT_DOWN, p.x, p.y);
    SendMouse(view.window, wxEVT_RIGHT_UP, p.x, p.y);
}

} // namespace pf::test
