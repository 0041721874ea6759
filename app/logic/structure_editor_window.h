#pragma once
// What the structure editor's model asks of its window: showing the view image, the
// object list, a few controls' states and positions, the cursor and the status line.
// The wx dialog implements it; tests record the calls.
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

// A position in the window's client pixels.
struct ClientPoint {
    int x = 0;
    int y = 0;
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
};

} // namespace pf
