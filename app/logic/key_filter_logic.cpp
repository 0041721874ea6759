#include "app/logic/key_filter_logic.h"

namespace pf {

bool ControlStateAfter(EditorKey key, KeyDirection direction, bool eventControlDown) {
    if (key == EditorKey::Control) {
        return direction == KeyDirection::Down;
    }
    return eventControlDown;
}

KeyDecision DecideEditorKey(EditorKey key, KeyDirection direction, bool eventControlDown,
                            bool listHasFocus) {
    KeyDecision decision;
    decision.controlDown = ControlStateAfter(key, direction, eventControlDown);
    switch (key) {
    case EditorKey::Enter:
    case EditorKey::Escape:
    case EditorKey::Space:
        decision.swallowed = true;
        break;
    case EditorKey::Left:
    case EditorKey::Up:
    case EditorKey::Right:
    case EditorKey::Down:
        decision.swallowed = !listHasFocus;
        break;
    case EditorKey::A:
    case EditorKey::C:
    case EditorKey::V:
    case EditorKey::Y:
    case EditorKey::Z:
        decision.swallowed = decision.controlDown;
        break;
    case EditorKey::T:
    case EditorKey::Delete:
    case EditorKey::Control:
    case EditorKey::Other:
        break;
    }
    return decision;
}

} // namespace pf
