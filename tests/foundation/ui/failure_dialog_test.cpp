#include "support/ui/expect_failure_dialog.h"

#include "foundation/failure.h"
#include "foundation/ui/wx_ui_hooks.h"

#include <wx/dcscreen.h>
#include <wx/font.h>
#include <wx/msgdlg.h>
#include <wx/tokenzr.h>

namespace pf {
namespace {

using test::FailureDialogSeen;
using test::LeaveFailureDialog;

// Installs the wx hooks with the failure flag set, and restores both afterwards.
class WxHooksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = SetUiHooks(&hooks_);
        previous_flag_ = GetShowFailures();
        SetShowFailures(true);
    }
    void TearDown() override {
        SetUiHooks(previous_);
        SetShowFailures(previous_flag_);
    }

    WxUiHooks hooks_;
    UiHooks* previous_ = nullptr;
    bool previous_flag_ = true;
};

TEST_F(WxHooksTest, TickAndOkSilencesLaterFailures) {
    bool result = true;
    FailureDialogSeen seen;
    wxTEST_DIALOG(result = ShowFailureMessage("Can't make path\r\n"),
                  wxExpectModal<ShowMessageOptOutDlg>(true, LeaveFailureDialog::Ok, &seen));
    EXPECT_FALSE(result);
    EXPECT_EQ(seen.result, wxID_OK);
    EXPECT_FALSE(GetShowFailures());
    // No dialog may appear now; an optional expectation would record one.
    result = true;
    FailureDialogSeen later;
    wxTEST_DIALOG(
        result = ShowFailureMessage("second\r\n"),
        wxExpectModal<ShowMessageOptOutDlg>(false, LeaveFailureDialog::Ok, &later).Optional());
    EXPECT_FALSE(result);
    EXPECT_EQ(later.result, 0) << "a failure was shown after the opt-out";
}

TEST_F(WxHooksTest, LeavingWithoutTheTickOrWithoutOkKeepsShowing) {
    const struct {
        bool tick;
        LeaveFailureDialog leave;
        int result;
    } rows[] = {
        {false, LeaveFailureDialog::Ok, wxID_OK},
        {true, LeaveFailureDialog::Escape, wxID_CANCEL},
        {true, LeaveFailureDialog::CloseBox, wxID_CANCEL},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.leave));
        FailureDialogSeen seen;
        bool result = true;
        wxTEST_DIALOG(result = ShowFailureMessage("x\r\n"),
                      wxExpectModal<ShowMessageOptOutDlg>(row.tick, row.leave, &seen));
        EXPECT_FALSE(result);
        EXPECT_EQ(seen.result, row.result);
        EXPECT_TRUE(GetShowFailures());
        // and the next failure is shown again, with the box unticked
        FailureDialogSeen next;
        wxTEST_DIALOG(ShowFailureMessage("y\r\n"),
                      wxExpectModal<ShowMessageOptOutDlg>(false, LeaveFailureDialog::Ok, &next));
        EXPECT_FALSE(next.ticked_at_start);
        EXPECT_EQ(next.text, "y\n");
    }
}

TEST_F(WxHooksTest, FailureTextShowsCp1252AndLineBreaks) {
    FailureDialogSeen seen;
    wxTEST_DIALOG(ShowFailureMessage("Rotation 45\xB0 too large\r\nsecond line\r\n"),
                  wxExpectModal<ShowMessageOptOutDlg>(false, LeaveFailureDialog::Ok, &seen));
    EXPECT_EQ(seen.title, "Failure Message");
    EXPECT_EQ(seen.text, wxString::FromUTF8("Rotation 45\xC2\xB0 too large\nsecond line\n"));
    EXPECT_FALSE(seen.ticked_at_start);
}

TEST(ShowMessageOptOutDlg, OkOnAShownDialogTakesTheTick) {
    // Shown modelessly, so its handlers run as they would for the person.
    ShowMessageOptOutDlg dlg(nullptr, "Failure Message", "text\r\n");
    dlg.Show();
    dlg.InitDialog();
    auto* box = dynamic_cast<wxCheckBox*>(dlg.FindWindow(ShowMessageOptOutDlg::kOptOutId));
    ASSERT_NE(box, nullptr);
    box->SetValue(true);
    wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
    dlg.ProcessWindowEvent(click);
    EXPECT_TRUE(dlg.GetOptOut());
    EXPECT_EQ(dlg.GetReturnCode(), wxID_OK);
    EXPECT_FALSE(dlg.IsShown());
}

// Captures what the message dialog was built with, then answers.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
  public:
    ExpectMessage(int answer, wxString* text, wxString* caption, long* style)
        : answer_(answer), text_(text), caption_(caption), style_(style) {}

  protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        *text_ = dlg->GetMessage();
        *caption_ = dlg->GetTitle();
        *style_ = dlg->GetMessageDialogStyle();
        return answer_;
    }

  private:
    int answer_;
    wxString* text_;
    wxString* caption_;
    long* style_;
};

TEST_F(WxHooksTest, MessageBoxMapsEveryAnswer) {
    const struct {
        MessageButtons buttons;
        int result;
        MessageAnswer answer;
    } rows[] = {
        {MessageButtons::Ok, wxID_OK, MessageAnswer::Ok},
        {MessageButtons::Ok, wxID_CANCEL, MessageAnswer::Ok}, // closed
        {MessageButtons::OkCancel, wxID_OK, MessageAnswer::Ok},
        {MessageButtons::OkCancel, wxID_CANCEL, MessageAnswer::Cancel},
        {MessageButtons::YesNo, wxID_YES, MessageAnswer::Yes},
        {MessageButtons::YesNo, wxID_NO, MessageAnswer::No},
        {MessageButtons::YesNo, wxID_CANCEL, MessageAnswer::No}, // closed without a choice
        {MessageButtons::YesNoCancel, wxID_YES, MessageAnswer::Yes},
        {MessageButtons::YesNoCancel, wxID_NO, MessageAnswer::No},
        {MessageButtons::YesNoCancel, wxID_CANCEL, MessageAnswer::Cancel},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.buttons) << " " << row.result);
        MessageAnswer answer = MessageAnswer::Ok;
        wxTEST_DIALOG(
            answer = ShowMessageBox("Question?", "Caption", row.buttons, MessageIcon::Question),
            wxExpectModal<wxMessageDialog>(row.result));
        EXPECT_EQ(answer, row.answer);
    }
}

TEST_F(WxHooksTest, MessageBoxShowsCaptionTextButtonsAndIcon) {
    wxString text, caption;
    long style = 0;
    MessageAnswer answer = MessageAnswer::Ok;
    wxTEST_DIALOG(answer = ShowMessageBox("Delete 5\xB0 tile?\r\nSure?", "Tiles",
                                          MessageButtons::YesNoCancel, MessageIcon::Warning),
                  ExpectMessage(wxID_NO, &text, &caption, &style));
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(text, wxString::FromUTF8("Delete 5\xC2\xB0 tile?\nSure?"));
    EXPECT_EQ(caption, "Tiles");
    EXPECT_EQ(style & (wxYES_NO | wxCANCEL | wxICON_WARNING), wxYES_NO | wxCANCEL | wxICON_WARNING);
    wxTEST_DIALOG(ShowMessageBox("x", "Caption", MessageButtons::Ok, MessageIcon::None),
                  ExpectMessage(wxID_OK, &text, &caption, &style));
    EXPECT_EQ(style & (wxOK | wxCANCEL | wxYES_NO), wxOK);
}

// A 300-character name in a path: the box's lines all fit, breaking the path after its
// separators first, and only line breaks were added.
TEST_F(WxHooksTest, MessageBoxBreaksLongPathsToFitTheScreen) {
    const std::string name(300, 'N');
    const std::string path = "/home/person/Documents/Padforge/" + name + ".txt";
    wxString text, caption;
    long style = 0;
    wxTEST_DIALOG(ShowMessageBox("Couldn't save base to file. Check Permissions.\r\nFile: " + path,
                                 "Error", MessageButtons::Ok, MessageIcon::None),
                  ExpectMessage(wxID_OK, &text, &caption, &style));
    wxScreenDC dc;
    dc.SetFont(MessageFont());
    const wxArrayString lines = wxSplit(text, '\n', '\0');
    ASSERT_GT(lines.size(), 3u);
    for (const wxString& line : lines) {
        EXPECT_LE(dc.GetTextExtent(line).x, kMessageLineWidth) << line;
    }
    EXPECT_EQ(lines[1], "File: /home/person/Documents/Padforge/");
    wxString joined = text;
    joined.Replace("\n", "");
    EXPECT_EQ(joined, "Couldn't save base to file. Check Permissions.File: " + path);
}

} // namespace
} // namespace pf
