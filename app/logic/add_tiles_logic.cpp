// The tile list editor's map view: construction, coordinates, composition, the hover
// preview, drag selection, reloading images edited outside and the close decision.
#include "app/logic/add_tiles_logic.h"

#include "document/base_document.h"
#include "document/base_imaging.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "imagery/color_convert.h"
#include "imagery/drawing.h"
#include "imagery/geo_map.h"
#include "imagery/text_render.h"
#include "platform/fs.h"
#include "tiles/planet_archive.h"
#include "tiles/tile_texture_file.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace pf {

namespace {

constexpr ColorRGB kWhite = ColorRGB::FromRgb(255, 255, 255);
constexpr ColorRGB kBlack = ColorRGB::FromRgb(0, 0, 0);
constexpr ColorRGB kRed = ColorRGB::FromRgb(255, 0, 0);
constexpr ColorRGB kGreen = ColorRGB::FromRgb(0, 255, 0);
constexpr ColorRGB kBlue = ColorRGB::FromRgb(0, 0, 255);
constexpr ColorRGB kSwatchGrey = ColorRGB::FromRgb(128, 128, 128);
constexpr ColorRGB kCheckerGrey = ColorRGB::FromRgb(127, 127, 127);
constexpr ColorRGBA kGridColour = ColorRGBA::FromRgba(255, 255, 255, 127);
constexpr ColorRGBA kSelectionColour = ColorRGBA::FromRgba(255, 255, 255, 50);
constexpr int kCheckBoxIds[] = {AddTilesLogic::kIdTransparency, AddTilesLogic::kIdBackground,
                                AddTilesLogic::kIdAvailable,    AddTilesLogic::kIdBelow,
                                AddTilesLogic::kIdAbove,        AddTilesLogic::kIdAtLevel};
// A view far from the base's centre (a polar centre) puts pixels far off; they are held
// here before they become integers.
constexpr double kPixelLimit = 1000000.0;

int ToPixel(double value) {
    if (!(value == value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(value, -kPixelLimit, kPixelLimit));
}

BitmapData Placeholder(const char* text) {
    BitmapData image(AddTilesLogic::kPreviewSize, AddTilesLogic::kPreviewSize, 24);
    DrawTextInBitmap(image, text, 150, kWhite, 20, 118, true);
    return image;
}

void SetPixel24(BitmapData& image, int x, int y, const ColorRGB& colour) {
    uint8_t* p = image.PixelAddress(x, y);
    p[0] = colour.blue;
    p[1] = colour.green;
    p[2] = colour.red;
}

} // namespace

void TileSelectionBox::Clear() {
    Deactivate();
    dragging = false;
    dragStartX = dragStartY = 0;
}

void TileSelectionBox::Deactivate() {
    active = false;
    x1 = y1 = x2 = y2 = 0;
}

Point2 TileSelectionBox::ToViewPoint(int x, int y) const {
    return Point2(x - originX_ + 0.5, y - originY_ + 0.5);
}

void TileSelectionBox::Draw(BitmapData& image) const {
    if (!active) {
        return;
    }
    const Point2 a = ToViewPoint(x1, y1);
    const Point2 b = ToViewPoint(x2, y2);
    const int left = ToPixel(std::min(a.x, b.x));
    const int top = ToPixel(std::min(a.y, b.y));
    const int right = ToPixel(std::max(a.x, b.x));
    const int bottom = ToPixel(std::max(a.y, b.y));
    RasterizePolygon(image, PixelRect{left, top, right, bottom}, kWhite);
    image.BlendRect(left, top, right, bottom, kSelectionColour);
}

bool TileSelectionBox::Contains(int x, int y) const {
    return active && x > std::min(x1, x2) && x < std::max(x1, x2) && y > std::min(y1, y2) &&
           y < std::max(y1, y2);
}

AddTilesLogic::CommandScope::~CommandScope() {
    if (--logic_.commandDepth_ == 0 && logic_.activationPending_) {
        ++logic_.commandDepth_;
        logic_.ReloadEditedTiles();
        --logic_.commandDepth_;
        logic_.activationPending_ = false;
    }
}

AddTilesLogic::AddTilesLogic(BaseDocument* document) : document_(document) {
    if (document_ == nullptr) {
        throw std::invalid_argument("the tile list editor needs a base");
    }
    zoom_.SetZoomClamped(10);
    zoom_.SetCentre(document_->GetPosition());
    TileArray fetched;
    document_->GetTiles(fetched);
    for (const TileAttributes& tile : fetched) {
        tiles_.AddSorted(tile);
    }
    downloadingPlaceholder_ = Placeholder("Downloading tile");
    previewPlaceholder_ = Placeholder("Tile preview");
    checkerboard_.Create24(16, 16);
    checkerboard_.FillColor24(kWhite);
    for (int y = 0; y < 16; ++y) {
        for (int x = y % 2; x < 16; x += 2) {
            SetPixel24(checkerboard_, x, y, kCheckerGrey);
        }
    }
    checkBoxes_ = {TileCheckBox{kIdTransparency, "Show Transparency in preview", true, true},
                   TileCheckBox{kIdBackground, "Show background map", true, true},
                   TileCheckBox{kIdAvailable, "Show all availble tiles for level", true, false},
                   TileCheckBox{kIdBelow, "Show base tiles below level", true, true},
                   TileCheckBox{kIdAbove, "Show base tiles above level", true, true},
                   TileCheckBox{kIdAtLevel, "Show base tiles at level", true, true}};
}

AddTilesLogic::~AddTilesLogic() { TileTextureCache::Clear(); }

void AddTilesLogic::SetViewOrigin(int x, int y) {
    originX_ = x;
    originY_ = y;
}

std::string AddTilesLogic::GetTitle() const {
    return FormatString("Tile List Editor: %s", document_->GetName().c_str());
}

const TileCheckBox& AddTilesLogic::GetCheckBox(int id) const {
    for (const TileCheckBox& box : checkBoxes_) {
        if (box.id == id) {
            return box;
        }
    }
    throw std::out_of_range("no such check box");
}

TileCheckBox& AddTilesLogic::CheckBox(int id) {
    return const_cast<TileCheckBox&>(std::as_const(*this).GetCheckBox(id));
}

const std::string& AddTilesLogic::BodyName() const { return document_->GetBody().name; }

void AddTilesLogic::PaintView() {
    if (view_ != nullptr)
        view_->PaintView();
}
void AddTilesLogic::PaintPreview() {
    if (view_ != nullptr)
        view_->PaintPreview();
}
void AddTilesLogic::PaintLegend() {
    if (view_ != nullptr)
        view_->PaintLegend();
}
void AddTilesLogic::ShowTexts() {
    if (view_ != nullptr)
        view_->ShowTexts();
}

bool AddTilesLogic::TileListChanged() const {
    const TileArray& held = document_->GetTileArray();
    if (held.GetCount() != tiles_.GetCount()) {
        return true;
    }
    for (std::size_t i = 0; i < held.GetCount(); ++i) {
        if (!held[i].SamePlace(tiles_[i])) {
            return true;
        }
    }
    return false;
}

// Coordinates.

Point2 AddTilesLogic::ToViewPoint(int x, int y) const { return selection_.ToViewPoint(x, y); }

bool AddTilesLogic::IsInView(const Point2& p) const {
    return p.x >= 0.0 && p.x < kViewSize && p.y >= 0.0 && p.y < kViewSize;
}

LatLon AddTilesLogic::PixelToLatLon(const Point2& p) const {
    LatLon position = zoom_.GetCentre();
    position.AddLongitude((p.x - kViewSize / 2) * zoom_.GetScale());
    position.AddLatitude((kViewSize / 2 - p.y) * zoom_.GetScaleAtCentre());
    return position;
}

Point2 AddTilesLogic::LatLonToPixel(const LatLon& position) const {
    return DegreesToPixel(position.GetLongitude(), position.GetLatitude());
}

Point2 AddTilesLogic::DegreesToPixel(double longitude, double latitude) const {
    const LatLon centre = zoom_.GetCentre();
    double east = longitude - centre.GetLongitude();
    // A place across the 180th meridian lies beside the centre, not a world away.
    if (east > 180.0) {
        east -= 360.0;
    } else if (east < -180.0) {
        east += 360.0;
    }
    return Point2(kViewSize / 2 + east / zoom_.GetScale(),
                  kViewSize / 2 - (latitude - centre.GetLatitude()) / zoom_.GetScaleAtCentre());
}

LatLonRect AddTilesLogic::TileRect(const TileAttributes& tile) {
    const double edge = tile.GetEdge();
    LatLonRect rect;
    rect.Set(tile.GetX() * edge, std::min(90.0, (tile.GetY() + 1.0) * edge),
             (tile.GetX() + 1.0) * edge, std::max(-90.0, tile.GetY() * edge));
    return rect;
}

LatLonRect AddTilesLogic::ViewRegion() const { return zoom_.GetRegion(kViewSize, kViewSize); }

PixelRect AddTilesLogic::GetTilePixelRect(const TileAttributes& tile) const {
    const LatLonRect rect = TileRect(tile);
    const Point2 nw = LatLonToPixel(rect.northWest);
    const Point2 se = LatLonToPixel(rect.southEast);
    return PixelRect{ToPixel(nw.x), ToPixel(nw.y), ToPixel(se.x), ToPixel(se.y)};
}

bool AddTilesLogic::GetTileAtPoint(int x, int y, TileAttributes& tile) const {
    const Point2 p = ToViewPoint(x, y);
    if (!IsInView(p)) {
        return false;
    }
    tile = TileAttributes::FromPosition(BodyName(), level_, PixelToLatLon(p));
    return true;
}

bool AddTilesLogic::IsTileInList(const TileAttributes& tile) const {
    return std::any_of(tiles_.begin(), tiles_.end(),
                       [&](const TileAttributes& t) { return t.SamePlace(tile); });
}

// Refresh and composition.

void AddTilesLogic::OnInitDialog() {
    CommandScope scope(*this);
    WaitCursor wait;
    BuildLegend();
    RefreshLevelView();
}

void AddTilesLogic::BuildLegend() {
    legend_.Create24(256, 128);
    BitmapData swatch(60, 60, 24);
    const PixelRect swatchRect{0, 0, 60, 60};
    swatch.FillColor24(kSwatchGrey);
    DrawTileOutline(swatch, swatchRect, kGreen);
    BitmapData::Blit24(legend_, swatch, PixelRect{2, 2, 62, 62}, swatchRect);
    swatch.FillColor24(kSwatchGrey);
    DrawTileOutline(swatch, swatchRect, kBlue);
    BitmapData::Blit24(legend_, swatch, PixelRect{2, 66, 62, 126}, swatchRect);
    const struct {
        std::string text;
        int y;
    } lines[] = {{"Green squares surround", 7},
                 {FormatString("level %d tiles in base", level_), 22},
                 {"Blue squares surround", 71},
                 {FormatString("level %d tiles with", level_), 86},
                 {"available images", 101}};
    for (const auto& line : lines) {
        DrawTextScaled(legend_, line.text, 100, "courier", kWhite, 72, line.y, true);
    }
}

void AddTilesLogic::DrawTileOutline(BitmapData& image, const PixelRect& rect,
                                    const ColorRGB& colour) {
    if (rect.Width() < 2 || rect.Height() < 2) {
        return;
    }
    RasterizePolygon(image, rect, colour);
    RasterizePolygon(image, PixelRect{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1},
                     colour);
}

void AddTilesLogic::SetCaptions() {
    const int n = level_;
    CheckBox(kIdAvailable).label = FormatString("Show available images for level %d", n);
    TileCheckBox& below = CheckBox(kIdBelow);
    below.shown = n > 1;
    below.label = n == 1   ? "NA"
                  : n == 2 ? "Show level 1"
                           : FormatString("Show tile levels %d through %d", 1, n - 1);
    CheckBox(kIdAtLevel).label = FormatString("Show editable tiles (level %d)", n);
    TileCheckBox& above = CheckBox(kIdAbove);
    above.shown = n < 9;
    above.label = n == 9   ? "NA"
                  : n == 8 ? "Show level 9"
                           : FormatString("Show tile levels %d through %d", n + 1, 9);
}

void AddTilesLogic::RefreshLevelView() {
    DDSRendererUse use;
    BuildLegend();
    PaintLegend();
    SetCaptions();
    LoadBackgroundMap();
    ComposeView();
    listEntries_.clear();
    for (const TileAttributes& tile : tiles_) {
        if (tile.GetLevel() == level_) {
            listEntries_.push_back(tile.GetName());
        }
    }
    listCaption_ = FormatString("Level %d Tile List", level_);
    ShowTexts();
}

void AddTilesLogic::LoadBackgroundMap() {
    BitmapData& slot = backgroundCache_[static_cast<std::size_t>(zoom_.GetZoom())];
    if (slot.HasPixels()) {
        background_ = slot;
        return;
    }
    BitmapData image(kViewSize, kViewSize, 24);
    LatLonRect region = ViewRegion();
    GeoMap map(&image, &region);
    if (LoadTileImageForMap(BodyName(), map, level_ - 1)) {
        slot = image;
    } else {
        image.FillColor24(kBlack);
        DrawTextInBitmap(image, FormatString("%s image unavailable", BodyName().c_str()), 200,
                         kWhite, 75, 240, true);
    }
    background_.Swap(image);
}

void AddTilesLogic::ComposeView() {
    WaitCursor wait;
    if (IsChecked(kIdBackground)) {
        working_ = background_;
    } else {
        working_.Create24(background_.Width(), background_.Height());
    }
    DrawTileImages(working_);
    DrawGrid(working_);
    OutlineBaseTiles(working_);
    OutlineAvailableTiles(working_);
    DrawTextScaled(working_, FormatString("Level %d Tile Edit", level_), 200, "Times New Roman",
                   kWhite, 10, 10, true);
    composed_ = working_;
    selection_.Draw(working_);
    PresentView(working_);
}

void AddTilesLogic::DrawTileImages(BitmapData& image) const {
    LatLonRect region = ViewRegion();
    GeoMap map(&image, &region);
    BaseImaging(*document_).drawTilesOnMap(map, CollectShownTiles());
}

void AddTilesLogic::DrawGrid(BitmapData& image) const {
    const LatLonRect region = ViewRegion();
    const TileAttributes first = TileAttributes::FromPosition(BodyName(), level_, region.northWest);
    const TileAttributes last = TileAttributes::FromPosition(BodyName(), level_, region.southEast);
    const double edge = first.GetEdge();
    double longitude = TileRect(first).West();
    for (int i = 0, n = last.GetX() - first.GetX() + 2; i < n; ++i, longitude += edge) {
        image.BlendColumn(ToPixel(DegreesToPixel(longitude, 0.0).x), kGridColour);
    }
    double latitude = TileRect(last).South();
    for (int i = 0, n = first.GetY() - last.GetY() + 2; i < n; ++i, latitude += edge) {
        // A row past a pole is drawn at the pole.
        image.BlendRow(ToPixel(DegreesToPixel(0.0, std::clamp(latitude, -90.0, 90.0)).y),
                       kGridColour);
    }
}

void AddTilesLogic::OutlineBaseTiles(BitmapData& image) const {
    for (const TileAttributes& tile : tiles_) {
        if (tile.GetLevel() == level_ && tile.IsInRange()) {
            DrawTileOutline(image, GetTilePixelRect(tile), kGreen);
        }
    }
}

void AddTilesLogic::OutlineAvailableTiles(BitmapData& image) const {
    for (const TileAttributes& tile : CollectAvailableTiles()) {
        if (IsTileInList(tile)) {
            continue;
        }
        // Decoded once per dialog; the composition draws from memory afterwards.
        if (!TileTextureCache::IsLoaded(tile)) {
            TileTextureCache::LoadIntoCache(tile);
        }
        DrawTileOutline(image, GetTilePixelRect(tile), kBlue);
    }
}

void AddTilesLogic::CollectBaseTilesBelow(TileArray& out) const {
    for (const TileAttributes& tile : tiles_) {
        if (tile.GetLevel() < level_)
            out.AddSorted(tile);
    }
}

void AddTilesLogic::CollectBaseTilesAt(TileArray& out) const {
    for (const TileAttributes& tile : tiles_) {
        if (tile.GetLevel() == level_)
            out.AddSorted(tile);
    }
}

void AddTilesLogic::CollectBaseTilesAbove(TileArray& out) const {
    for (const TileAttributes& tile : tiles_) {
        if (tile.GetLevel() > level_)
            out.AddSorted(tile);
    }
}

TileArray AddTilesLogic::CollectShownTiles() const {
    TileArray shown;
    if (IsChecked(kIdBelow))
        CollectBaseTilesBelow(shown);
    if (IsChecked(kIdAtLevel))
        CollectBaseTilesAt(shown);
    if (IsChecked(kIdAvailable)) {
        for (const TileAttributes& tile : CollectAvailableTiles()) {
            shown.AddSorted(tile);
        }
    }
    if (IsChecked(kIdAbove))
        CollectBaseTilesAbove(shown);
    return shown;
}

TileArray AddTilesLogic::CollectAvailableTiles() const {
    const LatLonRect region = ViewRegion();
    const TileAttributes first = TileAttributes::FromPosition(BodyName(), level_, region.northWest);
    const TileAttributes last = TileAttributes::FromPosition(BodyName(), level_, region.southEast);
    TileArray available;
    for (int32_t x = first.GetX(); x <= last.GetX(); ++x) {
        for (int32_t y = last.GetY(); y <= first.GetY(); ++y) {
            const TileAttributes tile(BodyName(), level_, x, y);
            if (tile.IsInRange() && TileTextureFile(tile, false).IsCached()) {
                available.AddSorted(tile);
            }
        }
    }
    return available;
}

void AddTilesLogic::PresentView(const BitmapData& image) {
    shownView_ = image;
    if (!shownView_.HasPixels() || !ConvertTo24Bit(shownView_)) {
        return;
    }
    DrawMarker(shownView_, shownView_.Width() / 2, shownView_.Height() / 2, kRed);
    PaintView();
}

// Hover and preview.

void AddTilesLogic::ShowPreviewImage(const BitmapData& image) {
    shownPreview_ = image;
    ConvertTo24Bit(shownPreview_);
    PaintPreview();
}

void AddTilesLogic::ShowPreviewPlaceholder() {
    ShowPreviewImage(previewPlaceholder_);
    statusText_ = kHoverHint;
    ShowTexts();
}

void AddTilesLogic::MarkForRendering(const TileAttributes& tile) {
    if (document_->HasTile(tile)) {
        document_->SetNeedsRendering(true);
    }
}

bool AddTilesLogic::DropStaleTexture(const TileAttributes& tile, const BitmapData& image) {
    BitmapData held;
    if (!TileTextureCache::IsLoaded(tile) || !TileTextureCache::GetTexture(tile, held) ||
        held.IsIdentical(image)) {
        return false;
    }
    TileTextureCache::Remove(tile);
    MarkForRendering(tile);
    return true;
}

void AddTilesLogic::ShowTilePreview(const TileAttributes& tile) {
    TileTextureFile file(tile, true);
    BitmapData preview(kPreviewSize, kPreviewSize, 24);
    DrawTextScaled(preview, "Unavailable image for", 150, "Times New Roman", kWhite, 10, 80, true);
    DrawTextScaled(preview, hoveredName_, 150, "Times New Roman", kWhite, 10, 110, true);
    if (file.IsLoaded()) {
        BitmapData texture;
        if (!file.GetImage(texture)) {
            preview.FillColor24(kBlack);
            DrawTextInBitmap(preview, "Download failed", 100, kWhite, 10, 80, true);
        } else {
            if (DropStaleTexture(tile, texture)) {
                RefreshLevelView();
            }
            BitmapData board(texture.Width(), texture.Height(), 24);
            if (IsChecked(kIdTransparency)) {
                BitmapData::Resample24(board, checkerboard_);
                BitmapData::Blit32To24(board, texture, board.GetRect(), texture.GetRect());
            } else if (ConvertTo24Bit(texture)) {
                board.Swap(texture);
            }
            BitmapData::Resample24(preview, board);
        }
    }
    if (preview.HasPixels()) {
        ShowPreviewImage(preview);
    }
}

void AddTilesLogic::OnMouseMove(int x, int y) {
    CommandScope scope(*this);
    TileAttributes tile;
    if (!GetTileAtPoint(x, y, tile)) {
        // Forgotten, so that coming back to the same tile shows it again.
        hoveredName_.clear();
        ShowPreviewPlaceholder();
    } else if (tile.GetName() != hoveredName_) {
        hoveredName_ = tile.GetName();
        hovered_ = tile;
        statusText_ = HoverStatusText(hoveredName_);
        ShowTexts();
        ShowTilePreview(tile);
    }
    if (!buttonDown_) {
        return;
    }
    const Point2 here = ToViewPoint(x, y);
    if (!IsInView(here)) {
        buttonDown_ = false;
        selection_.dragging = false;
        PresentView(composed_);
        return;
    }
    const Point2 start = ToViewPoint(mouseDownX_, mouseDownY_);
    BitmapData band(working_);
    RasterizePolygon(
        band,
        PixelRect{ToPixel(std::min(start.x, here.x)), ToPixel(std::min(start.y, here.y)),
                  ToPixel(std::max(start.x, here.x)) + 1, ToPixel(std::max(start.y, here.y)) + 1},
        kWhite);
    PresentView(band);
}

void AddTilesLogic::OnMouseLeftView() { OnMouseMove(originX_ - 1, originY_ - 1); }

// Selection.

void AddTilesLogic::OnLButtonDown(int x, int y) {
    CommandScope scope(*this);
    if (!IsInView(ToViewPoint(x, y))) {
        return;
    }
    buttonDown_ = true;
    mouseDownX_ = x;
    mouseDownY_ = y;
    selection_.active = false;
    selection_.dragging = true;
    selection_.dragStartX = x;
    selection_.dragStartY = y;
}

void AddTilesLogic::SnapSelection() {
    const Point2 nwPoint =
        ToViewPoint(std::min(selection_.x1, selection_.x2), std::min(selection_.y1, selection_.y2));
    const Point2 sePoint =
        ToViewPoint(std::max(selection_.x1, selection_.x2), std::max(selection_.y1, selection_.y2));
    selectionNorthWest_ = TileAttributes::FromPosition(BodyName(), level_, PixelToLatLon(nwPoint));
    selectionSouthEast_ = TileAttributes::FromPosition(BodyName(), level_, PixelToLatLon(sePoint));
    const Point2 nw = LatLonToPixel(TileRect(selectionNorthWest_).northWest);
    const Point2 se = LatLonToPixel(TileRect(selectionSouthEast_).southEast);
    selection_.x1 = ToPixel(nw.x - 0.5) + originX_;
    selection_.y1 = ToPixel(nw.y - 0.5) + originY_;
    selection_.x2 = ToPixel(se.x - 0.5) + originX_;
    selection_.y2 = ToPixel(se.y - 0.5) + originY_;
    selection_.active = selection_.x1 != selection_.x2 || selection_.y1 != selection_.y2;
}

void AddTilesLogic::OnSelectionButtonUp(int x, int y) {
    CommandScope scope(*this);
    // Every release ends the drag, wherever it happens: a drag that ended elsewhere
    // must not come back with a later release.
    buttonDown_ = false;
    const bool wasDragging = selection_.dragging;
    selection_.dragging = false;
    if (IsInView(ToViewPoint(x, y)) && !selection_.active) {
        if (wasDragging) {
            selection_.x1 = selection_.dragStartX;
            selection_.y1 = selection_.dragStartY;
            selection_.x2 = x;
            selection_.y2 = y;
            selection_.active = selection_.x1 != x || selection_.y1 != y;
        }
        if (selection_.active) {
            SnapSelection();
            working_ = composed_;
            selection_.Draw(working_);
        }
    }
    if (!selection_.active) {
        working_ = composed_;
    }
    PresentView(working_);
}

// Levels, zoom and check boxes.

void AddTilesLogic::OnCheckBox(int id, bool checked) {
    CommandScope scope(*this);
    CheckBox(id).checked = checked;
    if (id != kIdTransparency) {
        RefreshLevelView();
    }
}

void AddTilesLogic::OnBnClickedLevel(int level) {
    CommandScope scope(*this);
    if (level < 1 || level > 9) {
        return;
    }
    selection_.Deactivate();
    level_ = level;
    zoom_.SetZoomClamped(level + 9);
    RefreshLevelView();
}

void AddTilesLogic::OnBnClickedZoomIn() {
    CommandScope scope(*this);
    zoom_.ZoomInClamped();
    selection_.Deactivate();
    RefreshLevelView();
}

void AddTilesLogic::OnBnClickedZoomOut() {
    CommandScope scope(*this);
    zoom_.ZoomOutClamped();
    if (zoom_.GetZoom() < level_ + 8) {
        zoom_.ZoomInClamped();
        return;
    }
    selection_.Deactivate();
    RefreshLevelView();
}

void AddTilesLogic::OnBnClickedAddImage() {
    CommandScope scope(*this);
    ShowMessageBox("Select area to add image", "", MessageButtons::Ok, MessageIcon::None);
}

// Images edited outside, and closing.

AddTilesLogic::FileStamp AddTilesLogic::StampOf(const TileAttributes& tile) const {
    FileStamp stamp;
    std::string path;
    if (TileTextureFile(tile, false).GetCachePath(path) && fs::WriteTime(path, stamp.time) &&
        fs::FileSize(path, stamp.size)) {
        stamp.exists = true;
    }
    return stamp;
}

void AddTilesLogic::ReloadEditedTiles() {
    bool changed = false;
    for (const TileAttributes& tile : editedTiles_) {
        TileTextureFile file(tile, true);
        bool dropped = file.IsLoaded() && DropStaleTexture(tile, file.Image());
        // A file that nothing has drawn yet is not held in memory: its stamp tells.
        const FileStamp stamp = StampOf(tile);
        FileStamp& recorded = editedStamps_[tile.GetName()];
        if (!dropped && !(stamp == recorded)) {
            TileTextureCache::Remove(tile);
            MarkForRendering(tile);
            dropped = true;
        }
        recorded = stamp;
        changed = changed || dropped;
    }
    if (changed) {
        RefreshLevelView();
        RefreshHoveredPreview();
    }
}

void AddTilesLogic::OnActivateApp() {
    if (commandDepth_ > 0) {
        activationPending_ = true;
        return;
    }
    CommandScope scope(*this);
    ReloadEditedTiles();
}

AddTilesLogic::CloseResult AddTilesLogic::OnClose() {
    CommandScope scope(*this);
    if (!TileListChanged()) {
        return CloseResult::Cancel;
    }
    Beep();
    switch (ShowMessageBox("DO YOU WANT TO SAVE YOUR CHANGES?", "Watch Out!",
                           MessageButtons::YesNoCancel, MessageIcon::Warning)) {
    case MessageAnswer::Yes:
        return CloseResult::Ok;
    case MessageAnswer::No:
        return CloseResult::Cancel;
    default:
        return CloseResult::Stay;
    }
}

} // namespace pf
