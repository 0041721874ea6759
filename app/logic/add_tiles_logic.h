#pragma once
// The display-free part of the "Tile List Editor": a working copy of a base's tile list
// shown over a 512 x 512 map of the base's surroundings, one tile level at a time, with
// drag selection, a hover preview, the context menu's commands and the tile image import
// and export. Points are the dialog's client pixels; the view's top-left corner is the
// view origin. The view, editing and image-file commands live in three source files.
#include "foundation/geometry.h"
#include "foundation/lat_lon.h"
#include "foundation/string_array.h"
#include "foundation/ui_hooks.h"
#include "imagery/bitmap_data.h"
#include "imagery/texture_codec.h"
#include "tiles/map_zoom.h"
#include "tiles/tile_attributes.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace pf {

class BaseDocument;

// The rubber-band selection of whole tiles, in dialog client pixels.
class TileSelectionBox {
  public:
    // The origin is the editor's view origin, read on every use.
    TileSelectionBox(const int& originX, const int& originY)
        : originX_(originX), originY_(originY) {}

    // Inactive, not dragging, every coordinate 0.
    void Clear();
    // Inactive with its rectangle zeroed; a drag under way goes on.
    void Deactivate();
    Point2 ToViewPoint(int x, int y) const;
    // When active: a white outline with white at alpha 50 over the rectangle.
    void Draw(BitmapData& image) const;
    // Active, and the point strictly inside the rectangle.
    bool Contains(int x, int y) const;

    bool active = false;
    bool dragging = false;
    int dragStartX = 0;
    int dragStartY = 0;
    // Two corners, in no particular order.
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

  private:
    const int& originX_;
    const int& originY_;
};

// What the dialog shows of the logic; the logic says when a part has changed.
class AddTilesView {
  public:
    virtual ~AddTilesView() = default;
    virtual void PaintView() {}
    virtual void PaintPreview() {}
    virtual void PaintLegend() {}
    // Check boxes, list entries, the list's caption or the status line changed.
    virtual void ShowTexts() {}
};

struct TileCheckBox {
    int id = 0;
    std::string label;
    bool shown = true;
    bool checked = false;
};

class AddTilesLogic {
  public:
    static constexpr int kViewSize = 512;
    static constexpr int kPreviewSize = 256;
    static constexpr int kIdList = 1024;
    static constexpr int kIdZoomIn = 1026;
    static constexpr int kIdZoomOut = 1027;
    static constexpr int kIdLevel1 = 1034; // to 1042 for level 9
    static constexpr int kIdStatus = 1047;
    static constexpr int kIdTransparency = 1050;
    static constexpr int kIdBackground = 1052;
    static constexpr int kIdAvailable = 1053;
    static constexpr int kIdBelow = 1054;
    static constexpr int kIdAbove = 1055;
    static constexpr int kIdAtLevel = 1056;
    static constexpr int kIdListCaption = 1108;
    static constexpr int kIdAddImage = 1139;
    static constexpr int kHighestDownloadLevel = 4;
    static constexpr uint32_t kDownloadPause = 20000;
    static constexpr const char* kHoverHint = "Double-Click to add or remove tile.     ";

    // The context menu's texts.
    static constexpr const char* kSaveSelection = "Save selected tiles to image file";
    static constexpr const char* kDownloadAndAdd = "Download tile image and add tile to base";
    static constexpr const char* kAddTile = "Add tile to base";
    static constexpr const char* kRemoveTile = "Remove tile from base";
    static constexpr const char* kDeleteImage = "Delete available image";
    static constexpr const char* kEditTile = "Edit tile with image editor";
    static constexpr const char* kSaveTile = "Save tile to image file";
    static constexpr const char* kLoadTile = "Load 512X512 image file into tile";
    static constexpr const char* kDownloadOnly = "Download tile image (replaces existing image)";
    static constexpr const char* kFromBackground = "Make tile image from background map";
    static constexpr const char* kFromFile = "Make tile image from file (replaces existing image)";

    enum class CloseResult { Ok, Cancel, Stay };

    // The document is not owned and must outlive the logic. An out-of-range base
    // position is reported once, here.
    explicit AddTilesLogic(BaseDocument* document);
    // Drops every tile texture held in memory.
    ~AddTilesLogic();
    AddTilesLogic(const AddTilesLogic&) = delete;
    AddTilesLogic& operator=(const AddTilesLogic&) = delete;

    void SetView(AddTilesView* view) { view_ = view; }
    void SetViewOrigin(int x, int y);
    int GetViewOriginX() const { return originX_; }
    int GetViewOriginY() const { return originY_; }
    // The window that owns the editor's menus.
    void SetMenuOwner(UiOwner owner) { menuOwner_ = owner; }

    // What the dialog shows.
    std::string GetTitle() const;
    const BitmapData& GetShownView() const { return shownView_; }
    const BitmapData& GetShownPreview() const { return shownPreview_; }
    const BitmapData& GetLegend() const { return legend_; }
    const TileCheckBox& GetCheckBox(int id) const;
    const StringArray& GetListEntries() const { return listEntries_; }
    const std::string& GetListCaption() const { return listCaption_; }
    const std::string& GetStatusText() const { return statusText_; }
    // The widest names the list can show for this base's body (a tile of level 9 in each
    // quarter of the globe), and the status lines that name them.
    StringArray WidestListEntries() const;
    StringArray WidestStatusTexts() const;
    // The status line while the pointer is on the named tile.
    static std::string HoverStatusText(const std::string& tileName);

    // What the editor hands back.
    const TileArray& GetTileList() const { return tiles_; }
    // The document's list and the editor's differ in count or in a level or index.
    bool TileListChanged() const;

    // The dialog's commands. Each runs to its end; an application activation that
    // arrives meanwhile runs once afterwards.
    void OnInitDialog();
    void OnCheckBox(int id, bool checked);
    void OnBnClickedLevel(int level);
    void OnBnClickedZoomIn();
    void OnBnClickedZoomOut();
    void OnBnClickedAddImage();
    void OnMouseMove(int x, int y);
    // The pointer left the view panel: a move to a point outside the view.
    void OnMouseLeftView();
    void OnLButtonDown(int x, int y);
    // Every release of the left button and every loss of the mouse capture.
    void OnSelectionButtonUp(int x, int y);
    void OnLButtonDblClk(int x, int y);
    void OnRButtonUp(int x, int y);
    void OnActivateApp();
    // Esc and the close box: whether to end, and how.
    CloseResult OnClose();

    // The menu the right button offers at the point, and the tile under it.
    StringArray GetMenuOptions(int x, int y, TileAttributes& tile);
    void RunMenuChoice(const std::string& text, const TileAttributes& tile);
    std::string GetLoadSelectionText() const;

    // View.
    void RefreshLevelView();
    void BuildLegend();
    void LoadBackgroundMap();
    void ComposeView();
    void PresentView(const BitmapData& image);
    void ShowPreviewPlaceholder();
    void ShowTilePreview(const TileAttributes& tile);
    // The preview of the tile under the pointer again, after its picture changed.
    void RefreshHoveredPreview();
    void ReloadEditedTiles();
    Point2 ToViewPoint(int x, int y) const;
    LatLon PixelToLatLon(const Point2& viewPoint) const;
    Point2 LatLonToPixel(const LatLon& position) const;
    PixelRect GetTilePixelRect(const TileAttributes& tile) const;
    bool GetTileAtPoint(int x, int y, TileAttributes& tile) const;
    bool IsTileInList(const TileAttributes& tile) const;
    TileArray CollectShownTiles() const;
    TileArray CollectAvailableTiles() const;
    // Two outlines, one and two pixels inside the rectangle; none under 2 x 2.
    static void DrawTileOutline(BitmapData& image, const PixelRect& rect, const ColorRGB& colour);

    // Editing.
    bool CanDownloadAtLevel(int level) const;
    void AddTileToBase(const TileAttributes& tile);
    bool DownloadTileImage(const TileAttributes& tile);
    void RemoveTileFromBase(const TileAttributes& tile);
    void CollectSelectedTiles(TileArray& out) const;
    bool MakeTileFromBackground(const TileAttributes& tile);
    void EditTileInImageEditor(const TileAttributes& tile);
    void DeleteAvailableImage(const TileAttributes& tile);

    // Image files.
    bool OpenImageFileDialog(std::string& path) const;
    bool SavePngFileDialog(std::string& path) const;
    bool GetTileImage(const TileAttributes& tile, BitmapData& out) const;
    bool MakeTileImageFromMap(const TileAttributes& tile, BitmapData& out) const;
    void LoadImageIntoTile(const TileAttributes& tile);
    void LoadImageIntoSelection();
    bool ConfirmImage(const BitmapData& picture);
    bool OfferToAddTile(const BitmapData& image, const TileAttributes& tile);
    void SaveTileImage(const TileAttributes& tile);
    void SaveSelectionImage();

    // State the tests look at.
    int GetLevel() const { return level_; }
    const MapZoom& GetZoom() const { return zoom_; }
    const TileSelectionBox& GetSelection() const { return selection_; }
    const TileAttributes& GetSelectionNorthWest() const { return selectionNorthWest_; }
    const TileAttributes& GetSelectionSouthEast() const { return selectionSouthEast_; }
    const TileArray& GetEditedTiles() const { return editedTiles_; }
    const BitmapData& GetComposedView() const { return composed_; }
    const BitmapData& GetWorkingView() const { return working_; }

  private:
    // Counts the commands under way; when the last ends, an activation that came
    // meanwhile reloads the edited tiles once.
    class CommandScope {
      public:
        explicit CommandScope(AddTilesLogic& logic) : logic_(logic) { ++logic_.commandDepth_; }
        ~CommandScope();
        CommandScope(const CommandScope&) = delete;
        CommandScope& operator=(const CommandScope&) = delete;

      private:
        AddTilesLogic& logic_;
    };
    friend class CommandScope;

    // What tells an edited file apart from the one handed to the image editor.
    struct FileStamp {
        bool exists = false;
        uint64_t time = 0;
        uint64_t size = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };

    const std::string& BodyName() const;
    // The tile's rectangle with its latitudes held within the poles, without a message.
    static LatLonRect TileRect(const TileAttributes& tile);
    LatLonRect ViewRegion() const;
    Point2 DegreesToPixel(double longitude, double latitude) const;
    bool IsInView(const Point2& viewPoint) const;
    TileCheckBox& CheckBox(int id);
    bool IsChecked(int id) const { return GetCheckBox(id).checked; }
    void SetCaptions();
    void DrawTileImages(BitmapData& image) const;
    void DrawGrid(BitmapData& image) const;
    void OutlineBaseTiles(BitmapData& image) const;
    void OutlineAvailableTiles(BitmapData& image) const;
    void CollectBaseTilesBelow(TileArray& out) const;
    void CollectBaseTilesAt(TileArray& out) const;
    void CollectBaseTilesAbove(TileArray& out) const;
    void ShowPreviewImage(const BitmapData& image);
    void SnapSelection();
    // A held texture that differs from the file's image is dropped; true when it was.
    bool DropStaleTexture(const TileAttributes& tile, const BitmapData& image);
    void MarkForRendering(const TileAttributes& tile);
    FileStamp StampOf(const TileAttributes& tile) const;
    // Opens the image in the configured image editor, else with the desktop's program.
    void OpenInImageEditor(const std::string& path) const;
    void AskAboutSavedImage(const std::string& path);
    std::string ShowMenu(const StringArray& options, int x, int y, const std::string& title);
    bool AskWithImage(const std::string& text, const BitmapData& image);
    // The selection's size in tiles; false (reported) for none or an inverted one.
    bool SelectionSize(TileArray& tiles, int& columns, int& rows) const;
    // The pixels of the picture of a selection that tile (column, row) occupies.
    static PixelRect PieceRect(int column, int row, int rows);
    TileAttributes SelectionTile(int column, int row) const;
    // The image export takes for a tile.
    void GetExportImage(const TileAttributes& tile, BitmapData& out) const;
    void PaintView();
    void PaintPreview();
    void PaintLegend();
    void ShowTexts();

    DDSRendererUse use_;
    int originX_ = 150;
    int originY_ = 10;
    TileSelectionBox selection_{originX_, originY_};
    int mouseDownX_ = 0;
    int mouseDownY_ = 0;
    bool buttonDown_ = false;
    TileAttributes selectionNorthWest_;
    TileAttributes selectionSouthEast_;
    BaseDocument* document_;
    BitmapData legend_;
    BitmapData downloadingPlaceholder_;
    std::array<BitmapData, 21> backgroundCache_;
    BitmapData background_;
    BitmapData previewPlaceholder_;
    BitmapData working_;
    BitmapData composed_;
    BitmapData shownView_;
    BitmapData shownPreview_;
    BitmapData checkerboard_;
    int level_ = 1;
    std::string hoveredName_;
    TileAttributes hovered_;
    TileArray tiles_;
    TileArray editedTiles_;
    std::map<std::string, FileStamp> editedStamps_;
    MapZoom zoom_;

    std::array<TileCheckBox, 6> checkBoxes_;
    StringArray listEntries_;
    std::string listCaption_ = "Base Tile List";
    std::string statusText_;
    int lastMenuX_ = 0;
    int lastMenuY_ = 0;
    AddTilesView* view_ = nullptr;
    UiOwner menuOwner_ = nullptr;
    int commandDepth_ = 0;
    bool activationPending_ = false;
};

} // namespace pf
