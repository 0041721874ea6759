#pragma once
// The display-free half of the Earth map picker "Map": a 512 x 512 static map around a
// centre, panned, zoomed and recentred by clicks, whose centre OK returns.
#include "app/logic/map_picker.h"
#include "foundation/lat_lon.h"
#include "imagery/bitmap_data.h"
#include "tiles/map_zoom.h"

#include <functional>
#include <string>

namespace pf {

// Where the controls go, from the toggle's place and the sizes of the information box
// and the OK button; the six picture buttons are 32 x 32.
struct BasicMapLayout {
    ControlPlace zoomIn, zoomOut, up, down, left, right;
    ControlPlace toggle, info, ok;
    int imageLeft = 0;
    int imageTop = 0;
    int clientWidth = 0;
    int clientHeight = 0;
};

class BasicMapLogic {
  public:
    enum ControlId {
        kOk = 1,
        kLeft = 1022,
        kRight = 1023,
        kUp = 1024,
        kDown = 1025,
        kZoomIn = 1026,
        kZoomOut = 1027,
        kToggle = 1046,
        kInfo = 1047,
    };
    static constexpr int kMapSize = 512;
    static constexpr const char* kHint = "Click on the map to center it on a new position     ";
    static constexpr const char* kToSatellite = "Change to satellite map";
    static constexpr const char* kToRoadMap = "Change to road map";

    static BasicMapLayout LayOut(const ControlPlace& toggle, int infoWidth, int infoHeight,
                                 int okWidth, int okHeight);

    // The caller sets these before the dialog runs and reads the centre after OK.
    MapZoom& View() { return view_; }
    const MapZoom& View() const { return view_; }
    void SetBodyName(const std::string& body) { body_ = body; }

    // The layout's image origin, the hint, the road map.
    void OnInitDialog(const BasicMapLayout& layout);
    // Downloads the view's map (the cache first) under the wait cursor; a failure shows a
    // black picture that says so. The OK caption then names the centre.
    void ReloadMap();
    // "roadmap" while the toggle offers the satellite map, else "hybrid".
    std::string GetMapType() const;

    // Positions of points relative to the image origin.
    LatLon PixelToLatLon(int x, int y) const;
    static bool IsInside(int x, int y);

    // Mouse events in client pixels. The up events answer whether the map was reloaded;
    // after a reload the mouse text names the point now under the pointer.
    void OnMouseMove(int x, int y);
    void OnLeftDown(int x, int y);
    bool OnLeftUp(int x, int y);
    void OnRightUp();
    // The buttons; each reloads (a refused zoom too).
    void OnPanLeft();
    void OnPanRight();
    void OnPanUp();
    void OnPanDown();
    void OnZoomIn();
    void OnZoomOut();
    void OnToggleMapType();

    const std::string& GetInfoText() const { return info_; }
    // From the first reload on, the centre that OK keeps, whatever changed it last.
    std::string GetOkCaption() const;
    // The longest texts the information box and the OK button can hold.
    static std::string LongestInfoText();
    static std::string LongestOkCaption();
    const std::string& GetToggleCaption() const { return toggle_; }
    const BitmapData& GetImage() const { return image_; }
    // The picture as painted, with the marker at its centre.
    bool GetPaintImage(BitmapData& out) const;
    int ImageLeft() const { return originX_; }
    int ImageTop() const { return originY_; }

  private:
    static constexpr int kPanStep = kMapSize / 4;
    // The change, then ReloadMap.
    void ChangeAndReload(const std::function<void()>& change);
    // The mouse text for a point in client pixels.
    void ShowMouseAt(int x, int y);

    std::string body_;
    LatLon clicked_;
    int originX_ = 100;
    int originY_ = 40;
    MapZoom view_;
    BitmapData image_;
    std::string toggle_ = "Toggle";
    std::string info_;
    bool loaded_ = false;
    // The last point the pointer was seen at, for the mouse text after a reload.
    bool mouseSeen_ = false;
    int mouseX_ = 0;
    int mouseY_ = 0;
    // A left press inside the map waits for its release, wherever that happens.
    bool pressedInside_ = false;
};

} // namespace pf
