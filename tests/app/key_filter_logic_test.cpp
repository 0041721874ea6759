#include "app/logic/key_filter_logic.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

constexpr KeyDirection kDown = KeyDirection::Down;
constexpr KeyDirection kUp = KeyDirection::Up;

struct KeyRow {
    EditorKey key;
    KeyDirection direction;
    bool eventCtrl;
    bool listHasFocus;
    bool swallowed;
    bool controlAfter;
};

TEST(KeyDecision, SwallowsWhatWouldActOnTheEditorsControls) {
    const KeyRow rows[] = {
        // Enter, Esc and Space always, on the way down and up.
        {EditorKey::Enter, kDown, false, true, true, false},
        {EditorKey::Escape, kUp, false, false, true, false},
        {EditorKey::Space, kDown, true, true, true, true},
        // Arrows only while the object list does not have the focus.
        {EditorKey::Left, kDown, false, false, true, false},
        {EditorKey::Down, kUp, false, false, true, false},
        {EditorKey::Up, kDown, false, true, false, false},
        {EditorKey::Right, kUp, false, true, false, false},
        // The five letters only with Ctrl.
        {EditorKey::A, kDown, true, false, true, true},
        {EditorKey::C, kDown, true, false, true, true},
        {EditorKey::V, kUp, true, false, true, true},
        {EditorKey::Y, kDown, true, true, true, true},
        {EditorKey::Z, kDown, true, false, true, true},
        {EditorKey::A, kDown, false, false, false, false},
        // Never: Ctrl+T, Delete, other keys, Ctrl itself.
        {EditorKey::T, kDown, true, false, false, true},
        {EditorKey::Delete, kDown, false, false, false, false},
        {EditorKey::Other, kDown, true, false, false, true},
        {EditorKey::Control, kDown, false, false, false, true},
        {EditorKey::Control, kUp, true, false, false, false},
        // Ctrl was released over a message box, so the editor never saw it go up: a
        // plain Z or V afterwards carries no Ctrl and passes on.
        {EditorKey::Z, kDown, false, false, false, false},
        {EditorKey::V, kDown, false, false, false, false},
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(&row - rows);
        const KeyDecision decision =
            DecideEditorKey(row.key, row.direction, row.eventCtrl, row.listHasFocus);
        EXPECT_EQ(decision.swallowed, row.swallowed);
        EXPECT_EQ(decision.controlDown, row.controlAfter);
    }
}

} // namespace
} // namespace pf
