#pragma once
// What the program's key filter does with a key while the structure editor is the active
// window: which keys never reach the editor's controls (so that none presses its default
// or cancel button, closes it or moves the focus) and what the Ctrl state becomes.
namespace pf {

// The keys the decision or the editor tells apart; every other key is Other.
enum class EditorKey {
    Other,
    Enter,
    Escape,
    Space,
    Left,
    Up,
    Right,
    Down,
    A,
    C,
    V,
    Y,
    Z,
    T,
    Delete,
    Control
};

enum class KeyDirection { Down, Up };

struct KeyDecision {
    // The key goes to the editor only and no further.
    bool swallowed = false;
    // Whether Ctrl is down after this event.
    bool controlDown = false;
};

// The Ctrl key itself is down or up as the event says; for every other key the state is
// the one the event carries, so a Ctrl released while another window was active never
// leaves it stuck.
bool ControlStateAfter(EditorKey key, KeyDirection direction, bool eventControlDown);

// Enter, Esc and Space always; the arrows unless the editor's object list has the focus;
// A, C, V, Y and Z only with Ctrl; every other key (Ctrl+T and Delete too) never.
KeyDecision DecideEditorKey(EditorKey key, KeyDirection direction, bool eventControlDown,
                            bool listHasFocus);

} // namespace pf
