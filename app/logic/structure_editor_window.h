#pragma once
// What the structure editor's model asks of its window: showing the view image, the
// object list, a few controls' states and positions, the cursor and the status line.
// The wx dialog implements it; tests record the calls.
#include "foundation/geometry.h"
#include "foundation/ui_hooks.h"

#include <string>
#include <vector>

namespace pf {

class AstrelObject;

// One line of the object list: its text and the object it stands for (null for the
// "Hidden:" line and hidden objects, which the list draws disabled).
struct ObjectListEntry {
    std::string text;
    AstrelObject* object = nullptr;
    friend bool operator==(const ObjectListEntry&, const ObjectListEntry&) = default;
};

enum class EditorCursor { Arrow, SizeAll, Rotate, Grab };

// The editor's controls.
enum EditorControlId : int {
    kIdSaveAndExit = 1,
    kIdSave = 3,
    kIdZoomIn = 1015,
    kIdObjectList = 1024,
    kIdZoomOut = 1027,
    kIdStatusLine = 1047,
    kIdPanUp = 1056,
    kIdPanDown = 1057,
    kIdPanRight = 1058,
    kIdPanLeft = 1059,
    kIdDeleteObject = 1062,
    kIdBenchmark = 1063,
    kIdSnapTo = 1064,
    kIdDrawGrid = 1065,
    kIdZoomToObject = 1091,
    kIdAddObject = 1094,
    kIdHideObjects = 1142,
    kIdShowObjects = 1143,
    kIdRotateBy = 1144,
    kIdShowParameters = 1146,
    kIdMoveTool = 1155,
    kIdSelectTool = 1156,
};

// Where the keyboard focus is when a key arrives. Keys act on the dialog itself, its
// picture buttons (which take the focus when pressed) or no control; elsewhere they
// belong to that control.
enum class EditorFocus { Dialog, PictureButton, Nothing, List, OtherControl };

// How the dialog ends.
enum class EditorEnd { Ok, Cancel };

// A position in the window's client pixels.
struct ClientPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ClientPoint&, const ClientPoint&) = default;
};

class StructureEditorWindow {
  public:
    virtual ~StructureEditorWindow() = default;

    // Shows the view image now.
    virtual void Blit() = 0;
    // Replaces every line of the object list.
    virtual void SetListEntries(const std::vector<ObjectListEntry>& entries) = 0;
    // The list's current line, -1 for none.
    virtual int ListCurrent() const = 0;
    virtual void SetListCurrent(int index) = 0;
    // The "Show Objects" button.
    virtual void SetShowObjectsVisible(bool visible) = 0;
    // The "Show Parameters" check box.
    virtual bool ShowParametersChecked() const = 0;
    virtual void SetCursor(EditorCursor kind) = 0;
    // The centre of a button, for the popups that open there.
    virtual ClientPoint ButtonCentre(int id) const = 0;
    // The owner of the popup menus that open over the window.
    virtual UiOwner MenuOwner() const = 0;
    // The bottom edge of the "v" pan button; the parameter overlay starts below it.
    virtual int PanDownButtonBottom() const = 0;
    virtual void SetStatusLine(const std::string& text) = 0;

    // The object list's rectangle in client pixels.
    virtual IntRect ListRect() const = 0;
    // Moves the keyboard focus to the "+" button.
    virtual void FocusZoomIn() = 0;
    virtual void SetCaption(int id, const std::string& text) = 0;
    // The Move and Select buttons show the tool (0 Move, 1 Select) pressed.
    virtual void ShowTool(int tool) = 0;
    virtual void SetTitle(const std::string& text) = 0;
    virtual void SetShowParametersChecked(bool checked) = 0;
    // Ends the dialog; the editor no longer takes keys.
    virtual void EndDialog(EditorEnd end) = 0;
};

} // namespace pf
