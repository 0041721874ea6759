#pragma once
// Drives a dialog of type T under wxTEST_DIALOG with a test's own script: the dialog is
// initialised as showing it would, then the script sets controls and presses buttons
// and the code the dialog recorded is ShowModal's result. Also the expectations of a
// message box with an exact text and of a refusal's box, and the helpers the scripts use.
#include "support/ui/wx_test_hook.h"

#include <functional>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

namespace pf::test {

template <class T> class ExpectScript : public wxExpectModalBase<T, ExpectScript<T>> {
  public:
    using Script = std::function<void(T*)>;

    explicit ExpectScript(Script script) : script_(std::move(script)) {}

  protected:
    int OnInvoked(T* dlg) const override {
        dlg->SetReturnCode(0);
        dlg->InitDialog();
        script_(dlg);
        if (dlg->GetReturnCode() == 0) {
            ADD_FAILURE() << "the script left the dialog open";
            return wxID_CANCEL;
        }
        return dlg->GetReturnCode();
    }

  private:
    Script script_;
};

// A message box with exactly this text and caption, answered with OK.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
  public:
    ExpectMessageBox(const wxString& text, const wxString& caption)
        : text_(text), caption_(caption) {}

  protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        EXPECT_EQ(dlg->GetMessage(), text_);
        EXPECT_EQ(dlg->GetCaption(), caption_);
        return wxID_OK;
    }

  private:
    wxString text_;
    wxString caption_;
};

// The box a refused field value brings up (its wording is the field exchange's), answered
// with OK.
class ExpectRefusal : public wxExpectModalBase<wxMessageDialog, ExpectRefusal> {
  protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        EXPECT_FALSE(dlg->GetMessage().empty());
        EXPECT_EQ(dlg->GetCaption(), "Padforge");
        EXPECT_TRUE((dlg->GetMessageDialogStyle() & wxICON_EXCLAMATION) != 0);
        return wxID_OK;
    }
};

inline void PressButton(wxWindow* dlg, int id) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(dlg->FindWindow(id));
    dlg->ProcessWindowEvent(click);
}

inline void PressEscape(wxWindow* dlg) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_ESCAPE;
    key.SetEventObject(dlg);
    dlg->ProcessWindowEvent(key);
}

inline wxTextCtrl* Edit(wxWindow* dlg, int id) {
    auto* edit = dynamic_cast<wxTextCtrl*>(dlg->FindWindow(id));
    EXPECT_NE(edit, nullptr) << "no edit " << id;
    return edit;
}

inline void SetEditText(wxWindow* dlg, int id, const wxString& text) {
    if (wxTextCtrl* edit = Edit(dlg, id)) {
        edit->ChangeValue(text);
    }
}

inline wxString EditText(wxWindow* dlg, int id) {
    wxTextCtrl* edit = Edit(dlg, id);
    return edit != nullptr ? edit->GetValue() : wxString();
}

inline void SetCheck(wxWindow* dlg, int id, bool value) {
    auto* box = dynamic_cast<wxCheckBox*>(dlg->FindWindow(id));
    ASSERT_NE(box, nullptr);
    box->SetValue(value);
}

} // namespace pf::test
