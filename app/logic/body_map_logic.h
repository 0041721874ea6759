#pragma once
// The display-free half of the body map picker "Map for <body>": the body's whole-surface
// picture (equirectangular), a selected point on it, kept away from the edges, whose
// position OK returns.
#include "app/logic/map_picker.h"
#include "foundation/lat_lon.h"
#include "imagery/bitmap_data.h"

#include <string>

namespace pf {

struct BodyMapLayout {
    ControlPlace info, ok, cancel;
    int clientWidth = 0;
    int clientHeight = 0;
};

class BodyMapLogic {
  public:
    enum ControlId { kOk = 1, kCancel = 2, kInfo = 1047 };
    static constexpr int kImageWidth = 744;
    static constexpr int kImageHeight = 512;
    static constexpr int kOrigin = 10;
    static constexpr const char* kHint = "Click on map to select point. ";
    static constexpr const char* kEdgeMessage =
        "Sorry, can't select a position so close to the edge\r\nValid Longitude values: -175 to "
        "175\r\nValid Latitude values: -75 to 75\r\n";

    // Reads the body's picture at level 4; without one the picture says so.
    explicit BodyMapLogic(const std::string& body);

    BodyMapLayout LayOut(int infoWidth, int infoHeight, int okWidth, int okHeight, int cancelWidth,
                         int cancelHeight) const;
    // "Map for <body>".
    std::string GetTitle() const;

    // Positions of points relative to the image origin; (0, 0) outside the picture.
    LatLon PixelToLatLon(double x, double y) const;
    LatLon GetSelectedPosition() const;
    // Within 175 degrees of longitude and 75 of latitude.
    static bool IsSelectable(const LatLon& position);

    // Mouse events in client pixels. A press in the picture selects its point unless it
    // lies too close to the edge (reported, the old point kept); true when it was in the
    // picture (a repaint is due).
    void OnMouseMove(int x, int y);
    bool OnLeftDown(int x, int y);

    const std::string& GetInfoText() const { return info_; }
    // The OK caption for the selected position.
    std::string GetOkCaption() const;
    // The longest text the information box can hold.
    static std::string LongestInfoText();
    const BitmapData& GetImage() const { return image_; }
    double SelectedX() const { return selectedX_; }
    double SelectedY() const { return selectedY_; }
    // The picture as painted, with the marker at the selected point.
    bool GetPaintImage(BitmapData& out) const;

  private:
    std::string body_;
    double selectedX_ = 0.0;
    double selectedY_ = 0.0;
    BitmapData image_;
    std::string info_ = kHint;
};

} // namespace pf
