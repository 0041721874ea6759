#include "app/ui/key_filter.h"

#include "support/ui/wx_test_hook.h"

#include <gtest/gtest.h>
#include <vector>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>

namespace pf {
namespace {

// A stand-in for the structure editor: an OK default button, a Cancel button (which Esc
// would press) and a child button with the focus, recording what the filter forwards.
class StandInEditor : public wxDialog, public StructureEditorKeyTarget {
  public:
    StandInEditor() : wxDialog(nullptr, wxID_ANY, "Stand-in") {
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        child = new wxButton(this, wxID_ANY, "Child");
        auto* ok = new wxButton(this, wxID_OK, "OK");
        ok->SetDefault();
        sizer->Add(child);
        sizer->Add(ok);
        sizer->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
        SetSizerAndFit(sizer);
        Bind(
            wxEVT_BUTTON, [this](wxCommandEvent&) { ++pressed; }, wxID_OK);
        Bind(
            wxEVT_BUTTON, [this](wxCommandEvent&) { ++pressed; }, wxID_CANCEL);
        child->SetFocus();
    }
    wxWindow* KeyWindow() override { return this; }
    void OnEditorKeyDown(EditorKey key, bool ctrl) override { seen.push_back({key, ctrl, true}); }
    void OnEditorKeyUp(EditorKey key, bool ctrl) override { seen.push_back({key, ctrl, false}); }
    bool ListHasFocus() const override { return listHasFocus; }

    struct Seen {
        EditorKey key;
        bool ctrl;
        bool down;
    };
    wxButton* child = nullptr;
    std::vector<Seen> seen;
    bool listHasFocus = false;
    int pressed = 0;
};

// Sends a key to the window as wx does: the char hook first, on the way down.
bool SendKey(wxWindow* window, int code, bool up = false, bool ctrl = false) {
    wxKeyEvent key(up ? wxEVT_KEY_UP : wxEVT_CHAR_HOOK);
    key.m_keyCode = code;
    key.m_controlDown = ctrl;
    key.SetEventObject(window);
    return window->ProcessWindowEvent(key);
}

class KeyFilterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        editor_ = new StandInEditor();
        wxEvtHandler::AddFilter(&filter_);
        ActiveStructureEditor = editor_;
    }
    void TearDown() override {
        ActiveStructureEditor = nullptr;
        wxEvtHandler::RemoveFilter(&filter_);
        editor_->Destroy();
    }

    EditorKeyFilter filter_;
    StandInEditor* editor_ = nullptr;
};

TEST_F(KeyFilterTest, EnterAndEscReachTheEditorAndNeitherPressNorClose) {
    EXPECT_TRUE(SendKey(editor_->child, WXK_RETURN));
    EXPECT_TRUE(SendKey(editor_->child, WXK_ESCAPE));
    ASSERT_EQ(editor_->seen.size(), 2u);
    EXPECT_EQ(editor_->seen[0].key, EditorKey::Enter);
    EXPECT_EQ(editor_->seen[1].key, EditorKey::Escape);
    EXPECT_EQ(editor_->pressed, 0);

    // Ctrl+Z goes to the editor with the Ctrl state; Ctrl+T goes on to the controls too.
    EXPECT_TRUE(SendKey(editor_->child, 'Z', false, true));
    EXPECT_TRUE(editor_->seen.back().ctrl);
    EXPECT_FALSE(SendKey(editor_->child, 'T', false, true));
    EXPECT_EQ(editor_->seen.back().key, EditorKey::T);
}

TEST_F(KeyFilterTest, ArrowsPassOnlyWhileTheObjectListHasTheFocus) {
    editor_->listHasFocus = true;
    EXPECT_FALSE(SendKey(editor_->child, WXK_LEFT));
    EXPECT_FALSE(SendKey(editor_->child, WXK_LEFT, true));
    editor_->listHasFocus = false;
    EXPECT_TRUE(SendKey(editor_->child, WXK_NUMPAD_DOWN));
    EXPECT_TRUE(SendKey(editor_->child, WXK_NUMPAD_DOWN, true));
    ASSERT_EQ(editor_->seen.size(), 4u);
    EXPECT_FALSE(editor_->seen[1].down);
    EXPECT_EQ(editor_->seen[3].key, EditorKey::Down);
}

TEST_F(KeyFilterTest, KeysOfAnotherWindowAreLeftAlone) {
    wxDialog other(nullptr, wxID_ANY, "Other");
    auto* button = new wxButton(&other, wxID_OK, "OK");
    new wxButton(&other, wxID_CANCEL, "Cancel");
    int cancelled = 0;
    other.Bind(
        wxEVT_BUTTON, [&](wxCommandEvent&) { ++cancelled; }, wxID_CANCEL);
    SendKey(button, WXK_ESCAPE);
    EXPECT_TRUE(editor_->seen.empty());
    // Not swallowed: the other dialog's own Esc handling pressed its Cancel.
    EXPECT_EQ(cancelled, 1);
}

} // namespace
} // namespace pf
