// The tile list editor's editing commands: adding, downloading and removing tiles, the
// context menu and its dispatch, images from the background map, the image editor and
// deleting cached images.
#include "app/logic/add_tiles_logic.h"

#include "app/logic/dialog_runners.h"
#include "document/base_document.h"
#include "foundation/choice_menu.h"
#include "foundation/failure.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "imagery/geo_map.h"
#include "platform/fs.h"
#include "tiles/planet_archive.h"
#include "tiles/tile_texture_file.h"
#include "workspace/settings.h"

namespace pf {

void AddTilesLogic::OnLButtonDblClk(int x, int y) {
    CommandScope scope(*this);
    if (!background_.HasPixels()) {
        return;
    }
    const Point2 p = ToViewPoint(x, y);
    if (!IsPointInImage(p.x, p.y, background_)) {
        return;
    }
    const TileAttributes tile = TileAttributes::FromPosition(BodyName(), level_, PixelToLatLon(p));
    if (IsTileInList(tile)) {
        RemoveTileFromBase(tile);
    } else {
        AddTileToBase(tile);
    }
}

bool AddTilesLogic::CanDownloadAtLevel(int level) const {
    // The download itself takes "Earth" as written; any other spelling never succeeds.
    return BodyName() == "Earth" && level <= kHighestDownloadLevel && zoom_.GetZoom() - level_ >= 9;
}

void AddTilesLogic::AddTileToBase(const TileAttributes& tile) {
    WaitCursor wait;
    TileTextureFile file(tile, true);
    if (!file.IsLoaded()) {
        const char* text = nullptr;
        const char* caption = "Notification";
        if (tile.GetBody() != "Earth") {
            text = "Need to insert image before it can be added to the base.\r\n"
                   "Right-click to add an image from your computer.";
        } else if (zoom_.GetZoom() - level_ < 9) {
            text = "Sorry. You need to zoom in to download image.\r\n"
                   "(Use \"+\" button to zoom in)";
        } else if (tile.GetLevel() > kHighestDownloadLevel) {
            text = "Sorry, tile images can't be downloaded at this level.\r\n"
                   "Right-click to add an image from your computer.";
            caption = "Sorry";
        } else if (!DownloadTileImage(tile)) {
            text = "Tile won't be added to base until it is successfully downloaded.\r\n\r\n"
                   "Try again later.";
        }
        if (text != nullptr) {
            ShowMessageBox(text, caption, MessageButtons::Ok, MessageIcon::None);
            return;
        }
    }
    tiles_.AddSorted(tile);
    RefreshLevelView();
}

bool AddTilesLogic::DownloadTileImage(const TileAttributes& tile) {
    TileTextureFile file(tile, true);
    ShowPreviewImage(downloadingPlaceholder_);
    const bool downloaded = file.Download(kDownloadPause);
    ShowTilePreview(tile);
    return downloaded;
}

void AddTilesLogic::RemoveTileFromBase(const TileAttributes& tile) {
    for (std::size_t i = 0; i < tiles_.GetCount(); ++i) {
        if (tiles_[i].SamePlace(tile)) {
            tiles_.RemoveAt(i);
            RefreshLevelView();
            ShowTilePreview(tile);
            return;
        }
    }
}

TileAttributes AddTilesLogic::SelectionTile(int column, int row) const {
    return TileAttributes(BodyName(), level_, selectionNorthWest_.GetX() + column,
                          selectionSouthEast_.GetY() + row);
}

void AddTilesLogic::CollectSelectedTiles(TileArray& out) const {
    out.RemoveAll();
    if (!selection_.active) {
        return;
    }
    for (int32_t x = selectionNorthWest_.GetX(); x <= selectionSouthEast_.GetX(); ++x) {
        for (int32_t y = selectionSouthEast_.GetY(); y <= selectionNorthWest_.GetY(); ++y) {
            out.AddSorted(TileAttributes(BodyName(), level_, x, y));
        }
    }
}

std::string AddTilesLogic::GetLoadSelectionText() const {
    const int64_t width = (int64_t{selectionSouthEast_.GetX()} - selectionNorthWest_.GetX() + 1);
    const int64_t height = (int64_t{selectionNorthWest_.GetY()} - selectionSouthEast_.GetY() + 1);
    return FormatString("Load %dX%d image file into selected tiles", static_cast<int>(width * 512),
                        static_cast<int>(height * 512));
}

StringArray AddTilesLogic::WidestListEntries() const {
    // Indices print with four digits at least; 8 is the widest digit in most fonts.
    StringArray names;
    for (const int32_t x : {-8888, 8888}) {
        for (const int32_t y : {-8888, 8888}) {
            names.push_back(TileAttributes(BodyName(), 9, x, y).GetName());
        }
    }
    return names;
}

std::string AddTilesLogic::HoverStatusText(const std::string& tileName) {
    return FormatString("%s Mouse is on: %s", kHoverHint, tileName.c_str());
}

StringArray AddTilesLogic::WidestStatusTexts() const {
    StringArray texts;
    for (const std::string& name : WidestListEntries()) {
        texts.push_back(HoverStatusText(name));
    }
    return texts;
}

StringArray AddTilesLogic::GetMenuOptions(int x, int y, TileAttributes& tile) {
    StringArray options;
    tile = TileAttributes();
    if (selection_.Contains(x, y)) {
        TileArray selected;
        CollectSelectedTiles(selected);
        if (selected.GetCount() > 1) {
            options.push_back(kSaveSelection);
            options.push_back(GetLoadSelectionText());
            return options;
        }
    }
    if (!GetTileAtPoint(x, y, tile)) {
        return options;
    }
    const bool hasImage = TileTextureFile(tile, true).IsLoaded();
    if (CanDownloadAtLevel(tile.GetLevel()) && !hasImage) {
        options.push_back(kDownloadAndAdd);
    }
    if (IsTileInList(tile)) {
        options.push_back(kRemoveTile);
        if (hasImage) {
            options.push_back(kEditTile);
        }
    } else if (hasImage) {
        options.push_back(kAddTile);
        options.push_back(kDeleteImage);
        options.push_back(kEditTile);
    }
    options.push_back(kSaveTile);
    options.push_back(kLoadTile);
    return options;
}

void AddTilesLogic::OnRButtonUp(int x, int y) {
    CommandScope scope(*this);
    TileAttributes tile;
    const StringArray options = GetMenuOptions(x, y, tile);
    if (options.empty()) {
        return;
    }
    lastMenuX_ = x;
    lastMenuY_ = y;
    const std::string choice = ShowMenu(options, x, y, "");
    if (!choice.empty()) {
        RunMenuChoice(choice, tile);
    }
}

void AddTilesLogic::RunMenuChoice(const std::string& text, const TileAttributes& tile) {
    CommandScope scope(*this);
    if (text == GetLoadSelectionText()) {
        LoadImageIntoSelection();
        RefreshLevelView();
        RefreshHoveredPreview();
    } else if (text == kSaveSelection) {
        SaveSelectionImage();
    } else if (text == kSaveTile) {
        SaveTileImage(TileAttributes(tile));
    } else if (text == kLoadTile) {
        LoadImageIntoTile(tile);
        ComposeView();
    } else if (text == kAddTile || text == kDownloadAndAdd) {
        AddTileToBase(tile);
    } else if (text == kEditTile) {
        EditTileInImageEditor(tile);
    } else if (text == kRemoveTile) {
        RemoveTileFromBase(tile);
    } else if (text == kDeleteImage) {
        DeleteAvailableImage(tile);
    } else if (text == kDownloadOnly) {
        DownloadTileImage(tile);
    } else if (text == kFromBackground) {
        MakeTileFromBackground(tile);
        RefreshLevelView();
    }
}

void AddTilesLogic::RefreshHoveredPreview() {
    if (!hoveredName_.empty()) {
        ShowTilePreview(hovered_);
    }
}

bool AddTilesLogic::MakeTileFromBackground(const TileAttributes& tile) {
    BitmapData image(TileTextureFile::kSize, TileTextureFile::kSize, 24);
    LatLonRect rect = TileRect(tile);
    GeoMap map(&image, &rect);
    if (!LoadTileImageForMap(BodyName(), map, level_)) {
        ShowMessageBox("Failure loading tile image from .tex file", "Error", MessageButtons::Ok,
                       MessageIcon::None);
        return false;
    }
    TileTextureFile file(tile, false);
    const bool stored = file.SetImage(image);
    ShowTilePreview(tile);
    return stored;
}

void AddTilesLogic::OpenInImageEditor(const std::string& path) const {
    std::string folder;
    std::string exe;
    if (!GetImageEditor(folder, exe)) {
        OpenDocument(path);
        return;
    }
    // Both settings come back with a '\' at the end; the program's name has none.
    std::string program = folder + exe;
    while (!program.empty() && program.back() == '\\') {
        program.pop_back();
    }
    RunProgram(program, {fs::ToNative(path)}, folder);
}

void AddTilesLogic::EditTileInImageEditor(const TileAttributes& tile) {
    TileTextureFile file(tile, true);
    editedTiles_.AddSorted(tile);
    if (!file.IsLoaded()) {
        MakeTileFromBackground(tile);
    }
    std::string path;
    if (!file.GetCachePath(path)) {
        ShowFailureMessage("Couldn't find tile texture file\r\n");
        return;
    }
    // No image could be made: there is nothing to edit.
    if (!fs::Exists(path)) {
        return;
    }
    editedStamps_[tile.GetName()] = StampOf(tile);
    OpenInImageEditor(path);
}

void AddTilesLogic::DeleteAvailableImage(const TileAttributes& tile) {
    TileTextureFile(tile, false).DeleteCacheFiles();
    if (document_->HasTile(tile)) {
        document_->RemoveTile(tile);
    }
    ShowTilePreview(tile);
    ComposeView();
}

std::string AddTilesLogic::ShowMenu(const StringArray& options, int x, int y,
                                    const std::string& title) {
    ChoiceMenu menu(options, x, y, menuOwner_);
    return menu.Show(title) ? menu.GetChoice() : std::string();
}

bool AddTilesLogic::AskWithImage(const std::string& text, const BitmapData& image) {
    const auto& ask = GetDialogRunners().imageYesNo;
    return ask && ask(text, image);
}

} // namespace pf
