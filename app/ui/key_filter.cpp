#include "app/ui/key_filter.h"

#include <wx/event.h>
#include <wx/window.h>

namespace pf {

EditorKey EditorKeyFromWx(int keyCode) {
    switch (keyCode) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return EditorKey::Enter;
    case WXK_ESCAPE:
        return EditorKey::Escape;
    case WXK_SPACE:
    case WXK_NUMPAD_SPACE:
        return EditorKey::Space;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        return EditorKey::Left;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        return EditorKey::Up;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        return EditorKey::Right;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        return EditorKey::Down;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE:
        return EditorKey::Delete;
    case WXK_CONTROL:
        return EditorKey::Control;
    case 'A':
        return EditorKey::A;
    case 'C':
        return EditorKey::C;
    case 'V':
        return EditorKey::V;
    case 'Y':
        return EditorKey::Y;
    case 'Z':
        return EditorKey::Z;
    case 'T':
        return EditorKey::T;
    default:
        return EditorKey::Other;
    }
}

namespace {

// wx's own idea of the active window is unreliable without a window manager, so "the
// editor is active" means: the key belongs to a window inside the editor.
bool BelongsToEditor(StructureEditorKeyTarget& editor, wxEvent& event) {
    auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
    return window != nullptr && editor.KeyWindow() != nullptr &&
           wxGetTopLevelParent(window) == editor.KeyWindow();
}

} // namespace

int EditorKeyFilter::FilterEvent(wxEvent& event) {
    const wxEventType type = event.GetEventType();
    if (type != wxEVT_CHAR_HOOK && type != wxEVT_KEY_UP) {
        return Event_Skip;
    }
    auto& keyEvent = static_cast<wxKeyEvent&>(event);
    const EditorKey key = EditorKeyFromWx(keyEvent.GetKeyCode());
    const KeyDirection direction = type == wxEVT_KEY_UP ? KeyDirection::Up : KeyDirection::Down;
    ControlKeyDown = ControlStateAfter(key, direction, keyEvent.ControlDown());

    StructureEditorKeyTarget* editor = ActiveStructureEditor;
    if (editor == nullptr || !BelongsToEditor(*editor, event)) {
        return Event_Skip;
    }
    // Decided before the editor acts, which may close it.
    const KeyDecision decision =
        DecideEditorKey(key, direction, keyEvent.ControlDown(), editor->ListHasFocus());
    if (direction == KeyDirection::Down) {
        editor->OnEditorKeyDown(key, decision.controlDown);
    } else {
        editor->OnEditorKeyUp(key, decision.controlDown);
    }
    return decision.swallowed ? Event_Processed : Event_Skip;
}

} // namespace pf
