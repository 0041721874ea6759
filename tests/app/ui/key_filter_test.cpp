#include "app/ui/key_filter.h"

#include "support/ui/wx_test_hook.h"

#include <gtest/gtest.h>
#include <vector>
#include <wx/button.h>
#include <wx/dialog.h>

namespace pf {
namespace {

// A dialog with an OK default button, a Cancel button (which Esc would press) and a
// child button with the focus; it counts its button presses.
struct TestDialog : wxDialog {
    explicit TestDialog(const char* title) : wxDialog(nullptr, wxID_ANY, title) {
        child = new wxButton(this, wxID_ANY, "Child");
        auto* ok = new wxButton(this, wxID_OK, "OK");
        ok->SetDefault();
        new wxButton(this, wxID_CANCEL, "Cancel");
        Bind(
            wxEVT_BUTTON, [this](wxCommandEvent&) { ++pressed; }, wxID_OK);
        Bind(
            wxEVT_BUTTON, [this](wxCommandEvent&) { ++pressed; }, wxID_CANCEL);
        child->SetFocus();
    }
    wxButton* child = nullptr;
    int pressed = 0;
};

// The stand-in structure editor records what the filter forwards.
struct StandInEditor : TestDialog, StructureEditorKeyTarget {
    StandInEditor() : TestDialog("Stand-in") {}
    wxWindow* KeyWindow() override { return this; }
    void OnEditorKeyDown(EditorKey key, bool) override { seen.push_back(key); }
    void OnEditorKeyUp(EditorKey key, bool) override { seen.push_back(key); }
    bool ListHasFocus() const override { return listHasFocus; }
    std::vector<EditorKey> seen;
    bool listHasFocus = false;
};

// A key as wx sends it: the char hook on the way down, key up on the way up. True when
// something took it.
bool SendKey(wxWindow* window, int code, bool up = false) {
    wxKeyEvent key(up ? wxEVT_KEY_UP : wxEVT_CHAR_HOOK);
    key.m_keyCode = code;
    key.SetEventObject(window);
    return window->ProcessWindowEvent(key);
}

TEST(KeyFilter, TheEditorSeesItsKeysFirstAndKeepsThoseThatWouldActOnItsControls) {
    EditorKeyFilter filter;
    wxEvtHandler::AddFilter(&filter);
    auto* editor = new StandInEditor();
    ActiveStructureEditor = editor;

    EXPECT_TRUE(SendKey(editor->child, WXK_RETURN));
    EXPECT_TRUE(SendKey(editor->child, WXK_ESCAPE));
    EXPECT_EQ(editor->pressed, 0);
    editor->listHasFocus = true;
    EXPECT_FALSE(SendKey(editor->child, WXK_LEFT));
    EXPECT_FALSE(SendKey(editor->child, WXK_LEFT, true));
    editor->listHasFocus = false;
    EXPECT_TRUE(SendKey(editor->child, WXK_NUMPAD_DOWN));
    EXPECT_EQ(editor->seen,
              (std::vector<EditorKey>{EditorKey::Enter, EditorKey::Escape, EditorKey::Left,
                                      EditorKey::Left, EditorKey::Down}));

    // Another window's Esc is neither forwarded nor kept: its own Cancel is pressed.
    TestDialog other("Other");
    SendKey(other.child, WXK_ESCAPE);
    EXPECT_EQ(other.pressed, 1);
    EXPECT_EQ(editor->seen.size(), 5u);

    ActiveStructureEditor = nullptr;
    wxEvtHandler::RemoveFilter(&filter);
    editor->Destroy();
}

} // namespace
} // namespace pf
