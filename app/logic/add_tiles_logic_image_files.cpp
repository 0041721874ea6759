// The tile list editor's image files: pictures loaded into one tile or cut into the tiles
// of the selection, and tile images saved as PNG files, one tile or the selection.
#include "app/logic/add_tiles_logic.h"

#include "document/base_document.h"
#include "document/base_imaging.h"
#include "foundation/failure.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "imagery/color_convert.h"
#include "imagery/drawing.h"
#include "imagery/geo_map.h"
#include "imagery/text_render.h"
#include "tiles/planet_archive.h"
#include "tiles/tile_texture_file.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

namespace pf {

namespace {

constexpr int kTile = TileTextureFile::kSize;
// GTK matches patterns with case, so both spellings are listed.
constexpr const char* kOpenFilter =
    "Image file (*.jpg, *.png, *.bmp)|*.jpg;*.JPG;*.jpeg;*.JPEG;*.png;*.PNG;*.bmp;*.BMP|"
    "JPEG (*.jpg)|*.jpg;*.JPG;*.jpeg;*.JPEG|PNG (*.png)|*.png;*.PNG|BMP (*.bmp)|*.bmp;*.BMP";
// The first pattern's extension is the one a name without any gets.
constexpr const char* kSaveFilter = "PNG (*.png)|*.PNG;*.png";
constexpr const char* kSelectionError = "Error composing selected tiles list\r\n";
constexpr const char* kStoreError = "Couldn't save image to cache\r\n";
constexpr const char* kOpenInEditor = "Open image in editor";
constexpr const char* kIgnore = "Ignore this message";

std::string PicturesFolder() {
    std::string folder;
    return GetPicturesPath(folder) ? folder : std::string();
}

bool IsTextureSize(const BitmapData& image) {
    return image.Width() == kTile && image.Height() == kTile;
}

void Inform(const std::string& text, const char* caption) {
    ShowMessageBox(text, caption, MessageButtons::Ok, MessageIcon::None);
}

bool AskYesNo(const std::string& text, const char* caption) {
    return ShowMessageBox(text, caption, MessageButtons::YesNo, MessageIcon::None) ==
           MessageAnswer::Yes;
}

} // namespace

bool AddTilesLogic::OpenImageFileDialog(std::string& path) const {
    const auto chosen = ChooseFile("", kOpenFilter, PicturesFolder());
    if (!chosen || chosen->size() < 4) {
        return false;
    }
    path = *chosen;
    return true;
}

bool AddTilesLogic::SavePngFileDialog(std::string& path) const {
    const auto chosen = ChooseSaveFile("", kSaveFilter, "PNG", PicturesFolder());
    if (!chosen || chosen->size() < 4) {
        return false;
    }
    path = *chosen;
    return true;
}

bool AddTilesLogic::MakeTileImageFromMap(const TileAttributes& tile, BitmapData& out) const {
    BitmapData image(kTile, kTile, 24);
    LatLonRect rect = TileRect(tile);
    GeoMap map(&image, &rect);
    if (!LoadTileImageForMap(BodyName(), map, level_) || !ConvertTo32Bit(image)) {
        return false;
    }
    out.Swap(image);
    return true;
}

bool AddTilesLogic::GetTileImage(const TileAttributes& tile, BitmapData& out) const {
    if (TileTextureFile::Compose(tile, out, tiles_) || MakeTileImageFromMap(tile, out)) {
        return true;
    }
    out.Create(kTile, kTile, 32);
    return false;
}

void AddTilesLogic::GetExportImage(const TileAttributes& tile, BitmapData& out) const {
    if (TileTextureFile(tile, false).IsCached()) {
        // A file that does not load gives a transparent black square.
        TileTextureFile(tile, true).GetImage(out);
    } else {
        GetTileImage(tile, out);
    }
}

void AddTilesLogic::LoadImageIntoTile(const TileAttributes& tile) {
    std::string path;
    if (!OpenImageFileDialog(path)) {
        return;
    }
    BitmapData picture;
    if (!DDSRenderer::LoadImageFile(path, picture)) {
        ShowFailureMessage("Couldn't open image\r\n");
        return;
    }
    if (!IsTextureSize(picture)) {
        if (!AskYesNo("Imported image is not 512X512.\r\n\r\nIt is recommended to use 512X512 "
                      "images for tiles.\r\nImage will be rescaled to 512X512 if added.\r\n\r\n"
                      "Add image anyway?",
                      "Notification")) {
            return;
        }
        BitmapData resized(kTile, kTile, 32);
        if (!BitmapData::Resample32(resized, picture)) {
            ShowFailureMessage(kStoreError);
            return;
        }
        picture.Swap(resized);
    }
    MarkForRendering(tile);
    TileTextureCache::Remove(tile);
    if (!TileTextureFile(tile, false).SetImage(picture)) {
        ShowFailureMessage(kStoreError);
        return;
    }
    ShowTilePreview(tile);
    if (!IsTileInList(tile) &&
        AskYesNo("Currently the tile the image has been added to is not in the base list\r\n\r\n"
                 "Would you like to add the tile to the base?",
                 "Question")) {
        AddTileToBase(tile);
    }
}

bool AddTilesLogic::SelectionSize(TileArray& tiles, int& columns, int& rows) const {
    CollectSelectedTiles(tiles);
    columns = selectionSouthEast_.GetX() - selectionNorthWest_.GetX() + 1;
    rows = selectionNorthWest_.GetY() - selectionSouthEast_.GetY() + 1;
    if (tiles.IsEmpty() || columns < 0 || rows < 0) {
        return ShowFailureMessage(kSelectionError);
    }
    return true;
}

PixelRect AddTilesLogic::PieceRect(int column, int row, int rows) {
    // Rows of the picture run from north at the top; tile rows count from the south.
    return PixelRect{column * kTile, (rows - 1 - row) * kTile, (column + 1) * kTile,
                     (rows - row) * kTile};
}

void AddTilesLogic::LoadImageIntoSelection() {
    TileArray selected;
    int columns = 0;
    int rows = 0;
    if (!SelectionSize(selected, columns, rows)) {
        return;
    }
    std::string path;
    if (!OpenImageFileDialog(path)) {
        return;
    }
    BitmapData picture;
    {
        WaitCursor wait;
        DDSRendererUse use;
        if (!DDSRenderer::LoadImageFile(path, picture)) {
            Inform("Encountered error when loading file", "Error?");
            return;
        }
    }
    if (picture.Width() != columns * kTile || picture.Height() != rows * kTile) {
        Inform(FormatString("Error! Image from file has to be %d X %d.", columns * kTile,
                            rows * kTile),
               "Error");
        return;
    }
    if (!ConfirmImage(picture)) {
        return;
    }
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const TileAttributes tile = SelectionTile(c, r);
            BitmapData piece(kTile, kTile, 32);
            BitmapData::Blit32To32(piece, picture, piece.GetRect(), PieceRect(c, r, rows));
            TileTextureFile file(tile, false);
            bool store = true;
            if (!file.IsCached()) {
                // Skip pieces that are empty or only repeat what the tile shows already.
                BitmapData present;
                store = !piece.IsAlphaMask() &&
                        (!GetTileImage(tile, present) || !piece.IsSameVisibleContent(present));
            }
            if (!store) {
                continue;
            }
            // The new image must be drawn and rendered, not the one held before.
            MarkForRendering(tile);
            TileTextureCache::Remove(tile);
            if (!file.SetImage(piece)) {
                ShowFailureMessage(kStoreError);
                return;
            }
            if (!IsTileInList(tile)) {
                OfferToAddTile(piece, tile);
            }
        }
    }
    Inform("Image added", "Notification");
}

bool AddTilesLogic::ConfirmImage(const BitmapData& picture) {
    TileArray below;
    TileArray atLevel;
    TileArray outsideSelection;
    CollectBaseTilesBelow(below);
    CollectBaseTilesAt(atLevel);
    TileArray selected;
    CollectSelectedTiles(selected);
    for (const TileAttributes& tile : atLevel) {
        if (!selected.Contains(tile)) {
            outsideSelection.AddSorted(tile);
        }
    }
    const BaseImaging imaging(*document_);
    LatLonRect region = ViewRegion();
    const ColorRGB white = ColorRGB::FromRgb(255, 255, 255);
    BitmapData halves[2] = {background_, background_};
    for (BitmapData& half : halves) {
        if (!half.HasPixels()) {
            half.Create24(kViewSize, kViewSize);
        }
        GeoMap map(&half, &region);
        imaging.drawTilesOnMap(map, below);
        imaging.drawTilesOnMap(map, &half == &halves[0] ? atLevel : outsideSelection);
    }
    {
        BitmapData source(picture);
        ConvertTo32Bit(source);
        LatLonRect selectionRect;
        selectionRect.Set(
            TileRect(selectionNorthWest_).West(), TileRect(selectionNorthWest_).North(),
            TileRect(selectionSouthEast_).East(), TileRect(selectionSouthEast_).South());
        GeoMap after(&halves[1], &region);
        after.Project(GeoMap(&source, &selectionRect));
    }
    BitmapData confirmation(2 * kViewSize, kViewSize, 24);
    for (int i = 0; i < 2; ++i) {
        RasterizePolygon(halves[i], halves[i].GetRect(), ColorRGB::FromRgb(0, 0, 0));
        BitmapData::Blit24(confirmation, halves[i],
                           PixelRect{i * kViewSize, 0, (i + 1) * kViewSize, kViewSize},
                           halves[i].GetRect());
    }
    DrawTextScaled(confirmation, "Before", 400, "Times New Roman", white, 10, 10, true);
    DrawTextScaled(confirmation, "After", 400, "Times New Roman", white, 522, 10, true);
    return AskWithImage("Would you like to add this image to the selected tiles?", confirmation);
}

bool AddTilesLogic::OfferToAddTile(const BitmapData& image, const TileAttributes& tile) {
    if (!AskWithImage(FormatString("Tile: %s is not in the base's tile list.\r\n\r\nWould you "
                                   "like to add it?",
                                   tile.GetName().c_str()),
                      image)) {
        return false;
    }
    AddTileToBase(tile);
    return true;
}

void AddTilesLogic::SaveTileImage(const TileAttributes& tile) {
    std::string path;
    if (!SavePngFileDialog(path)) {
        return;
    }
    {
        WaitCursor wait;
        BitmapData image;
        GetExportImage(tile, image);
        DDSRendererUse use;
        if (!DDSRenderer::SavePng(path, image)) {
            Inform("May have encountered error when saving file", "Error?");
            return;
        }
    }
    AskAboutSavedImage(path);
}

void AddTilesLogic::SaveSelectionImage() {
    TileArray selected;
    int columns = 0;
    int rows = 0;
    if (!SelectionSize(selected, columns, rows)) {
        return;
    }
    BitmapData picture;
    if (!picture.Create(columns * kTile, rows * kTile, 32)) {
        ShowFailureMessage("Couldn't create image. Possibly takes too much memory\r\n");
        return;
    }
    std::string path;
    if (!SavePngFileDialog(path)) {
        return;
    }
    {
        WaitCursor wait;
        for (int c = 0; c < columns; ++c) {
            for (int r = 0; r < rows; ++r) {
                BitmapData image;
                GetExportImage(SelectionTile(c, r), image);
                BitmapData::Blit32To32(picture, image, PieceRect(c, r, rows), image.GetRect());
            }
        }
        DDSRendererUse use;
        if (!DDSRenderer::SavePng(path, picture)) {
            Inform("May have encountered error when saving file", "Error?");
            return;
        }
    }
    AskAboutSavedImage(path);
}

void AddTilesLogic::AskAboutSavedImage(const std::string& path) {
    std::string folder = path;
    if (!GetFolderPart(folder)) {
        Inform("File saved", kProgramCaption);
        return;
    }
    if (ShowMenu({kOpenInEditor, kIgnore}, lastMenuX_, lastMenuY_, "Imaged saved") ==
        kOpenInEditor) {
        OpenInImageEditor(path);
    }
}

} // namespace pf
