// The structure editor's map view: which part of the body it shows, the background drawn
// for it, cheap panning, the decorations drawn over the objects, and the conversions
// between client pixels, view pixels, degrees and ground metres.
#include "app/logic/structure_editor_model.h"

#include "document/base_document.h"
#include "document/base_imaging.h"
#include "imagery/drawing.h"
#include "imagery/text_render.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pf {

namespace {

const ColorRGB kWhite = ColorRGB::FromRgb(255, 255, 255);

// A longitude difference brought into (-180, 180].
double WrapLongitude(double degrees) {
    if (!std::isfinite(degrees)) {
        return degrees;
    }
    degrees = std::fmod(degrees, 360.0);
    if (degrees > 180.0) {
        degrees -= 360.0;
    } else if (degrees <= -180.0) {
        degrees += 360.0;
    }
    return degrees;
}

// A pixel coordinate truncated toward zero; far-off and non-finite values land far off.
int PixelIndex(double v) {
    if (!(std::fabs(v) < 1e9)) {
        return v < 0.0 ? -1000000000 : 1000000000;
    }
    return static_cast<int>(v);
}

bool IsFinite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

} // namespace

std::vector<std::string> ParameterOverlayLines(const AstrelObject& object) {
    std::string text;
    if (object.GetType() == kTypeComplex) {
        text = "Multiple objects selected:\r\n" + object.GetParameterText();
    } else {
        text = "Astrel .cfg file parameters:\r\n" + object.GetTypeName() + "\r\n" +
               object.GetParameterText();
    }
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        if (end > start) {
            lines.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return lines;
}

std::string ExpandOverlayTabs(const std::string& line) {
    constexpr size_t kTabStop = 8;
    std::string drawn;
    for (char c : line) {
        if (c == '\t') {
            drawn.append(kTabStop - drawn.size() % kTabStop, ' ');
        } else {
            drawn += c;
        }
    }
    return drawn;
}

void StructureEditorModel::RecomputeView() {
    if (!background_.HasPixels() || background_.Width() != viewWidth ||
        background_.Height() != viewHeight) {
        background_.Create24(viewWidth, viewHeight);
    }
    BaseImaging imaging(document_);
    if (!imaging.GetMapRegion(viewRect_, zoom, longitudeOffset, latitudeOffset, background_.Width(),
                              background_.Height())) {
        return;
    }
    imaging.drawBodyTextureOnMap(backgroundMap_);
    imaging.drawTilesOnMap(backgroundMap_, document_.GetTileArray());
}

void StructureEditorModel::FullRefresh() {
    RecomputeView();
    canvas_.RedrawBackground();
    canvas_.Redraw();
    Render();
    window_.Blit();
}

void StructureEditorModel::Render() {
    view_.Assign(display_);
    if (!view_.HasPixels()) {
        return;
    }
    DrawGrid();
    DrawRubberBand();
    DrawMarkerAtLatLon(viewMap_, document_.GetPosition(), ColorRGB::FromRgb(0, 0, 255));
    DrawParameterOverlay(canvas_.GetSelectedObject());
}

void StructureEditorModel::PanHorizontal(int n) { Pan(n, true); }

void StructureEditorModel::PanVertical(int n) { Pan(n, false); }

void StructureEditorModel::Pan(int n, bool horizontal) {
    if (n == 0 || !display_.HasPixels()) {
        return;
    }
    const int w = display_.Width();
    const int h = display_.Height();
    const double perPixel =
        horizontal ? displayMap_.GetDegreesPerPixelX() : displayMap_.GetDegreesPerPixelY();
    const double d = n * perPixel;
    const double margin = 8.0 * perPixel;
    if (horizontal) {
        longitudeOffset -= d;
    } else {
        latitudeOffset += d;
    }
    const int k = std::abs(n);
    if (k >= (horizontal ? w : h)) {
        // Nothing of the old picture stays in view.
        RecomputeView();
        canvas_.RedrawBackground();
        canvas_.Redraw();
        return;
    }

    // The picture moves with the ground; the band it uncovers is drawn afresh.
    BitmapData scrolled;
    scrolled.CreateLike(display_);
    PixelRect from = display_.GetRect();
    PixelRect to = display_.GetRect();
    int32_t& fromStart = horizontal ? from.left : from.top;
    int32_t& fromEnd = horizontal ? from.right : from.bottom;
    int32_t& toStart = horizontal ? to.left : to.top;
    int32_t& toEnd = horizontal ? to.right : to.bottom;
    if (n > 0) {
        fromEnd -= k;
        toStart += k;
    } else {
        fromStart += k;
        toEnd -= k;
    }
    BitmapData::Blit24(scrolled, display_, to, from);
    display_.Swap(scrolled);

    const LatLonRect old = viewRect_;
    LatLonRect bandRect;
    BitmapData band;
    if (horizontal) {
        band.Create24(k + 16, h);
        if (n > 0) {
            bandRect.Set(old.West() - d - margin, old.North(), old.West() + margin, old.South());
        } else {
            bandRect.Set(old.East() - margin, old.North(), old.East() - d + margin, old.South());
        }
        viewRect_.Set(old.West() - d, old.North(), old.East() - d, old.South());
    } else {
        band.Create24(w, k + 16);
        if (n > 0) {
            bandRect.Set(old.West(), old.North() + d + margin, old.East(), old.North() - margin);
        } else {
            bandRect.Set(old.West(), old.South() + margin, old.East(), old.South() + d - margin);
        }
        viewRect_.Set(old.West(), old.North() + d, old.East(), old.South() + d);
    }
    GeoMap bandMap(&band, &bandRect);
    BaseImaging imaging(document_);
    imaging.drawBodyTextureOnMap(bandMap);
    imaging.drawTilesOnMap(bandMap, document_.GetTileArray());
    imaging.drawObjectsOnMap(bandMap, List().Shown());
    imaging.drawObjectsOnMapHighlighted(bandMap, List().Selected());

    // The band without its margins fills the uncovered edge.
    PixelRect inner = band.GetRect();
    PixelRect edge = display_.GetRect();
    (horizontal ? inner.left : inner.top) = 8;
    (horizontal ? inner.right : inner.bottom) = 8 + k;
    if (n > 0) {
        (horizontal ? edge.right : edge.bottom) = k;
    } else {
        (horizontal ? edge.left : edge.top) = (horizontal ? w : h) - k;
    }
    BitmapData::Blit24(display_, band, edge, inner);
}

void StructureEditorModel::DrawGrid() {
    const double g = gridSize;
    if (g == 0.0 || !view_.HasPixels()) {
        return;
    }
    const int w = view_.Width();
    const int h = view_.Height();
    const Point3 m00 = ViewToMetres(Point2(0.0, 0.0));
    const Point3 m11 = ViewToMetres(Point2(1.0, 1.0));
    const Point3 mW = ViewToMetres(Point2(w, 0.0));
    const Point3 mH = ViewToMetres(Point2(0.0, h));
    if (!IsFinite(m00) || !IsFinite(m11) || !IsFinite(mW) || !IsFinite(mH) || !std::isfinite(g)) {
        return;
    }
    // Lines closer than 8 pixels would only grey the picture.
    if (!(g / std::fabs(m00.x - m11.x) >= 8.0) || !(g / std::fabs(m00.y - m11.y) >= 8.0)) {
        return;
    }
    const ColorRGBA colour = ColorRGBA::FromRgba(255, 255, 255, 95);
    ScalarValue x(m00.x);
    x.SnapTo(g);
    for (int i = 0; x.value < mW.x && i < w / 8 + 2; ++i, x.value += g) {
        view_.BlendColumn(PixelIndex(MetresToView(x.value, m00.y).x), colour);
    }
    ScalarValue y(m00.y);
    y.SnapTo(g);
    for (int i = 0; y.value > mH.y && i < h / 8 + 2; ++i, y.value -= g) {
        view_.BlendRow(PixelIndex(MetresToView(m00.x, y.value).y), colour);
    }
}

void StructureEditorModel::DrawRubberBand() {
    if (mode_ != kModeRubberBand) {
        return;
    }
    const Point2 a = ClientToView(pressPosition);
    const Point2 b = ClientToView(rubberBandCorner);
    PixelRect rect;
    rect.left = PixelIndex(std::min(a.x, b.x));
    rect.right = PixelIndex(std::max(a.x, b.x));
    rect.top = PixelIndex(std::min(a.y, b.y));
    rect.bottom = PixelIndex(std::max(a.y, b.y));
    RasterizePolygon(view_, rect, kWhite);
}

void StructureEditorModel::DrawParameterOverlay(const AstrelObject* object) {
    if (object == nullptr || !window_.ShowParametersChecked()) {
        return;
    }
    int y = window_.PanDownButtonBottom() + 10 - viewOrigin.y;
    for (const std::string& line : ParameterOverlayLines(*object)) {
        DrawTextScaled(view_, ExpandOverlayTabs(line), 100, "Courier", kWhite, 10, y, true);
        y += 15;
    }
}

// ---- conversions ----

Point2 StructureEditorModel::ClientToView(const ClientPoint& client) const {
    return Point2(client.x - viewOrigin.x + 0.5, client.y - viewOrigin.y + 0.5);
}

MapPixel StructureEditorModel::BasePixel() const {
    const LatLon& base = document_.GetPosition();
    const BitmapData& image = PixelImage();
    const double x =
        (base.GetLongitude() - viewRect_.West()) / viewRect_.GetWidth() * image.Width() + 0.5;
    const double y =
        (viewRect_.North() - base.GetLatitude()) / viewRect_.GetHeight() * image.Height() + 0.5;
    return MapPixel{PixelIndex(x), PixelIndex(y)};
}

LatLon StructureEditorModel::ViewToDegrees(const Point2& view) const {
    const double longitude = viewRect_.West() + view.x * displayMap_.GetDegreesPerPixelX();
    const double latitude = viewRect_.North() - view.y * displayMap_.GetDegreesPerPixelY();
    return LatLon(WrapLongitude(longitude), latitude);
}

Point3 StructureEditorModel::ViewToMetres(const Point2& view) const {
    const LatLon& base = document_.GetPosition();
    const AstrelBody& body = document_.GetBody();
    const double longitude = viewRect_.West() + view.x * displayMap_.GetDegreesPerPixelX();
    const double latitude = viewRect_.North() - view.y * displayMap_.GetDegreesPerPixelY();
    // Across the 180th meridian the base is reached the short way round.
    Point3 metres;
    metres.x = WrapLongitude(longitude - base.GetLongitude()) *
               body.GetMetresPerDegreeLongitude(base.GetLatitude());
    metres.y = (latitude - base.GetLatitude()) * body.GetMetresPerDegree();
    return metres;
}

Point2 StructureEditorModel::MetresToView(double x, double y) const {
    const Point3 m00 = ViewToMetres(Point2(0.0, 0.0));
    const Point3 m11 = ViewToMetres(Point2(1.0, 1.0));
    const MapPixel base = BasePixel();
    return Point2(base.x - x / (m00.x - m11.x), base.y - y / (m00.y - m11.y));
}

} // namespace pf
