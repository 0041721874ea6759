#pragma once
// The program's key filter: while the structure editor is the active window, each key
// down and key up goes to the editor first, and the keys that would press its default or
// cancel button, close it or move the focus between its controls go no further.
#include "app/logic/key_filter_logic.h"

#include <wx/eventfilter.h>

class wxWindow;

namespace pf {

// What the filter needs of the open structure editor.
class StructureEditorKeyTarget {
  public:
    virtual ~StructureEditorKeyTarget() = default;
    // The editor's top-level window.
    virtual wxWindow* KeyWindow() = 0;
    // Called synchronously for every key down and key up of the editor's window, before
    // any of its controls sees the key; controlDown is the Ctrl state after the event.
    virtual void OnEditorKeyDown(EditorKey key, bool controlDown) = 0;
    virtual void OnEditorKeyUp(EditorKey key, bool controlDown) = 0;
    // An entry of the editor's object list was chosen last: the arrows reach the list too.
    virtual bool ListHasFocus() const = 0;
};

// The open structure editor, null while none is open; the editor sets and clears it.
inline StructureEditorKeyTarget* ActiveStructureEditor = nullptr;
// The Ctrl state as the filter last saw it.
inline bool ControlKeyDown = false;

// Our name for a wx key code (letters arrive upper-case whatever the Shift state).
EditorKey EditorKeyFromWx(int keyCode);

// Sees wxEVT_CHAR_HOOK (a key going down, before any window acts on it) and
// wxEVT_KEY_UP of every window. The program adds it with wxEvtHandler::AddFilter.
class EditorKeyFilter : public wxEventFilter {
  public:
    int FilterEvent(wxEvent& event) override;
};

} // namespace pf
