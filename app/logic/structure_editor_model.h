#pragma once
// The Base Structure Editor without its window: the working copy of a base's objects,
// the layered images of the map view with its maths, the object commands, the undo
// history and the editing mode. The wx dialog owns one, forwards the person's actions to
// it and shows what it draws; the model reaches the window through StructureEditorWindow.
//
// Points come in three kinds: client pixels of the window (ClientPoint), view pixels
// (client minus the view origin, plus 0.5) and ground metres relative to the base
// position (x east, y north).
#include "app/logic/key_filter_logic.h"
#include "app/logic/structure_editor_undo.h"
#include "app/logic/structure_editor_window.h"
#include "app/logic/structure_editor_workspace.h"
#include "document/nav_beacon.h"
#include "foundation/lat_lon.h"
#include "imagery/bitmap_data.h"
#include "imagery/geo_map.h"
#include "imagery/texture_codec.h"
#include "objects/optional_values.h"

#include <optional>
#include <string>
#include <vector>

namespace pf {

class BaseDocument;

// The lines the parameter overlay shows for an object (empty lines dropped).
std::vector<std::string> ParameterOverlayLines(const AstrelObject& object);
// An overlay line as drawn: each tab becomes the spaces up to the next stop (every 8
// columns), as the font has no picture for a tab.
std::string ExpandOverlayTabs(const std::string& line);

// Objects copied in one editor and pasted in any other of the same run.
ObjectArray& StructureEditorClipboard();

class StructureEditorModel {
  public:
    // Editing modes that this model enters itself.
    static constexpr int kModeIdle = 0;
    static constexpr int kModeRubberBand = 4;
    static constexpr int kModePlaceObject = 13;
    // Modes of the pointer (each drag mode names the handle it moves).
    static constexpr int kModePressed = 1;
    static constexpr int kModeDragMap = 3;
    static constexpr int kModeMoveObject = 5;
    static constexpr int kModeRotate = 6;
    static constexpr int kModeStretchFirst = 7; // 7..10: the sides 0, 2, 1, 3
    static constexpr int kModeStretchLast = 10;
    static constexpr int kModeEnd1 = 11;
    static constexpr int kModeEnd2 = 12;
    // The buttons whose popups the model opens.
    static constexpr int kHideObjectsButton = 1142;
    static constexpr int kShowObjectsButton = 1143;

    // Copies the beacons and the objects, reads the grid, snap and rotate settings once,
    // mode 0, a 768 x 768 view at client (100, 20) centred on the base.
    StructureEditorModel(BaseDocument& document, StructureEditorWindow& window);
    StructureEditorModel(const StructureEditorModel&) = delete;
    StructureEditorModel& operator=(const StructureEditorModel&) = delete;

    // ---- mode and status text ----
    // Stores the anchor; a change of mode also updates the status text.
    void SetMode(int mode, double anchorX, double anchorY);
    void SetStatusText(const std::string& text);
    int Mode() const { return mode_; }
    const Point2& Anchor() const { return anchor_; }
    const std::string& StatusText() const { return statusText_; }
    // The text of mode 13 while a new or pasted object follows the pointer, else empty.
    // Drawn from the state, not kept, so every way the wait ends (a click that places it,
    // another Add Object, Esc, a choice in the list, Save, Delete) also ends the text.
    std::string PlacementPrompt() const;

    // ---- view ----
    // The view rectangle for the zoom and centre offset, and the background drawn for it.
    void RecomputeView();
    // View maths, both object layers redrawn, render, blit.
    void FullRefresh();
    // The view image: the display image with grid, rubber band, base marker and overlay.
    void Render();
    // Scroll by n view pixels (n > 0: west, north), drawing only the uncovered band.
    void PanHorizontal(int n);
    void PanVertical(int n);
    void DrawGrid();
    void DrawRubberBand();
    void DrawParameterOverlay(const AstrelObject* object);

    // ---- conversions ----
    Point2 ClientToView(const ClientPoint& client) const;
    // The view pixel of the base position, truncated.
    MapPixel BasePixel() const;
    // Longitude wrapped into (-180, 180].
    LatLon ViewToDegrees(const Point2& view) const;
    // Ground metres from the base (x, y; z 0), taking the nearer way round the globe.
    Point3 ViewToMetres(const Point2& view) const;
    Point2 MetresToView(double x, double y) const;

    // ---- undo ----
    // List and frequencies brought up to date, then the state recorded.
    void PushUndo(const std::string& label);
    bool Undo();
    bool Redo();

    // ---- objects ----
    void RebuildObjectList();
    void RebuildFrequencies();
    // "Add Object": the type chooser, then the chosen type's add handler.
    void AddObject();
    // The add handlers: the type's dialog with its presets; on OK the new object is pending
    // in mode 13 until CommitAddedObject places it.
    void AddRunway();
    void AddHangar();
    void AddLandingPad();
    void AddTank();
    void AddTrain();
    void AddMesh();
    void AddBeaconArray();
    void AddSolarPlant();
    void AddBlock();
    void CommitAddedObject();
    void DeleteObject();
    // A popup of type groups; the chosen group is hidden (shown). No undo step: what is
    // hidden is no edit of the base.
    void HideByType();
    void ShowByType();
    void HideObject(AstrelObject* object);
    void CopySelection();
    void ClearSelection();
    void Select(AstrelObject* object);
    void Deselect(AstrelObject* object);
    bool IsSelected(const AstrelObject* object);
    // Adds the object under the view pixel to the selection; always false.
    bool SelectAt(double x, double y);
    // The rubber band's corner (client pixels) and the selection it spans from the press.
    void SetRubberBand(int x, int y);
    // The Move tool's drag to client (x, y).
    void DragMap(int x, int y);
    // Status text and cursor for the handle of the object under the view pixel.
    void HoverFeedback(AstrelObject* object, const Point2& point);
    // The object as raw parameter text; on OK the objects are drawn again. The caller
    // records the undo step.
    void EditParameterText(AstrelObject* object);
    bool GridOn() const { return gridSize != 0.0; }

    // ---- pointer, list and nudge (client pixels; ctrl is the event's own Ctrl state) ----
    void OnMouseMove(int x, int y, bool ctrl);
    void OnViewMouseMove(int x, int y);
    void OnLButtonDown(int x, int y, bool ctrl);
    void OnViewLButtonDown(const Point2& view);
    // At a press: the drag mode of the object's handle under the view pixel, if any.
    void UpdateHoverMode(AstrelObject* object, const Point2& view);
    // One step of moving, turning or stretching the object, or moving one of its ends.
    void DragSelected(AstrelObject* object, const Point2& view);
    void OnLButtonUp(int x, int y, bool ctrl);
    void OnLButtonDblClk(int x, int y, bool ctrl);
    // The dialog of the object under the view pixel.
    void EditAt(const Point2& view);
    void OnRButtonDown(int x, int y, bool ctrl);
    void OnRButtonUp(int x, int y, bool ctrl);
    // The current object by one pixel or one snap step, whichever is larger; dx, dy in -1..1.
    void Nudge(int dx, int dy);
    // The clipboard's objects, with fresh frequencies, follow the pointer until a click.
    void Paste();
    void OnListSelChange();
    void OnListDblClk();
    // Times ten passes of a fixed sequence of zoom and pan commands.
    void Benchmark();

    // ---- the dialog's commands ----
    // The opening steps before the layout: show-parameters check, "Show Objects" hidden,
    // the setting captions, the Move tool.
    void ShowStartState();
    // The opening steps after the layout: zoom 13, the view for the client size, title,
    // full refresh and the first undo step.
    void OpenView(int clientWidth, int clientHeight);
    // Zoom by s levels (+1 or -1) within 6..20.
    void ZoomStep(int step);
    void OnMouseWheel(int delta);
    // The pan buttons: a quarter of the view west, east, north or south; the map is rebuilt.
    void PanButton(int id);
    void ChooseSnapTo();
    void ChooseGridSize();
    void ChooseRotateBy();
    void ShowParametersClicked(bool checked);
    // 0 Move (drag the map), 1 Select (rubber band).
    void SetTool(int newTool);
    void OnKeyDown(EditorKey key, bool ctrl, EditorFocus focus);
    void OnKeyUp(EditorKey key, bool ctrl);
    // Every object shown, nothing selected, the working list written into the document,
    // which saves its own file; the editor stays open.
    void Save();
    // The same without saving the file; `changed` tells whether anything changed, the
    // working list goes into the document in ascending top height, and the dialog ends OK.
    void SaveAndExit();
    // Every object shown, nothing selected; the working list is left in ascending top
    // height and compared with the document's objects in the same order.
    bool HasChanges();
    // The close box: ends at once without changes, else asks whether to save them.
    void Close();
    // A new client size: the view follows; a size below the minimum asks the window to
    // take the returned size instead. minimumHeight is 0 until the layout is ready.
    std::optional<ClientPoint> OnSize(int clientWidth, int clientHeight, int minimumHeight);
    // The window was maximized (true) or restored from maximized (false).
    void OnMaximizeChanged(bool isMaximized);

    // ---- parts ----
    ObjectCanvas& Canvas() { return canvas_; }
    NewWorkingObjectList& List() { return canvas_.List(); }
    UndoHistory& History() { return history_; }
    NavFrequencyTable& Frequencies() { return frequencies_; }
    const NavBeaconArray& Beacons() const { return beacons_; }
    BaseDocument& Document() { return document_; }
    BitmapData& BackgroundImage() { return background_; }
    BitmapData& WorkImage() { return work_; }
    BitmapData& DisplayImage() { return display_; }
    BitmapData& ViewImage() { return view_; }
    const LatLonRect& ViewRect() const { return viewRect_; }

    // ---- state the window reads and sets ----
    bool initialising = true;
    ClientPoint rubberBandCorner;
    int tool = 0;            // 0 Move, 1 Select
    double gridSize = 0.0;   // metres, 0 none
    double snapStep = 0.0;   // metres, 0 none
    double rotateStep = 0.0; // degrees, 0 free
    bool changed = false;
    bool mouseInside = false;
    bool layoutReady = false;
    ClientPoint lastMouse;
    bool ctrlDown = false;
    bool dragged = false;
    // Where the current press began; a map drag moves it along with each pan.
    ClientPoint pressPosition;
    bool maximized = false;
    ClientPoint viewOrigin{100, 20};
    int viewWidth = 768;
    int viewHeight = 768;
    double zoom = 0.0;
    double longitudeOffset = 0.0;
    double latitudeOffset = 0.0;
    bool listHasFocus = false;

  private:
    void AddObjectOfType(int32_t code);
    // A drag of END1 or END2 to the ground point; a step that would make both ends equal
    // is undone, since an object of no length has no direction.
    void DragEnd(AstrelObject& object, bool first, const Point3& ground);
    // An object changed in its dialog: the step recorded, every layer drawn again.
    void RecordEdit(const std::string& label);
    // Save's first steps: nothing selected, every hidden object shown.
    void ClearAndShowAll();
    void ShiftView(int columns, int rows);
    // One setting popup; the chosen option's value, or nothing.
    std::optional<int> ChooseSetting(int id, const char* title, const StringArray& options,
                                     const std::vector<int>& values);
    void ShowSettingCaptions();
    void Pan(int n, bool horizontal);
    void ChangeVisibilityByType(bool hide);
    // After Undo or Redo moved: frequencies, list and every layer follow the new state.
    bool ShowRestoredState(bool restored);
    // The image the view maths measure pixels on.
    const BitmapData& PixelImage() const { return display_; }

    BaseDocument& document_;
    StructureEditorWindow& window_;
    NavBeaconArray beacons_;
    DDSRendererUse deviceUse_;
    BitmapData background_;
    BitmapData work_;
    BitmapData display_;
    BitmapData view_;
    LatLonRect viewRect_;
    GeoMap backgroundMap_{&background_, &viewRect_};
    GeoMap workMap_{&work_, &viewRect_};
    GeoMap displayMap_{&display_, &viewRect_};
    GeoMap viewMap_{&view_, &viewRect_};
    ObjectCanvas canvas_{document_, backgroundMap_, workMap_, displayMap_};
    UndoHistory history_;
    NavFrequencyTable frequencies_;
    int mode_ = kModeIdle;
    Point2 anchor_{-1.0, -1.0};
    std::string statusText_;
    // What the object list shows now.
    std::vector<ObjectListEntry> listEntries_;
};

} // namespace pf
