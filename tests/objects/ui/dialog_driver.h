#pragma once
// Driving the object dialogs under wx's modal-dialog hook: the expectation runs the
// dialog's init as ShowModal would, then the test's actions; small helpers press buttons,
// tick check boxes and type into fields.
#include "support/ui/wx_test_hook.h"

#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>

namespace pf::test {

// Runs the dialog's init as ShowModal would, then lets the test act on it.
template <class T> class ExpectDialog : public wxExpectModalBase<T> {
  public:
    explicit ExpectDialog(std::function<int(T*)> act) : act_(std::move(act)) {}

  protected:
    int OnInvoked(T* dlg) const override {
        dlg->InitDialog();
        return act_(dlg);
    }

  private:
    std::function<int(T*)> act_;
};

inline int Press(wxDialog* dlg, int id) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(dlg);
    dlg->ProcessWindowEvent(click);
    return dlg->GetReturnCode();
}

inline int Tick(wxDialog* dlg, int id) {
    auto* box = dynamic_cast<wxCheckBox*>(dlg->FindWindow(id));
    EXPECT_NE(box, nullptr) << id;
    box->SetValue(!box->GetValue());
    wxCommandEvent click(wxEVT_CHECKBOX, id);
    click.SetEventObject(box);
    click.SetInt(box->GetValue() ? 1 : 0);
    box->ProcessWindowEvent(click);
    return dlg->GetReturnCode();
}

inline int Escape(wxDialog* dlg) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_ESCAPE;
    key.SetEventObject(dlg);
    dlg->ProcessWindowEvent(key);
    return dlg->GetReturnCode();
}

inline void SetText(wxDialog* dlg, int id, const char* text) {
    auto* edit = dynamic_cast<wxTextCtrl*>(dlg->FindWindow(id));
    ASSERT_NE(edit, nullptr) << id;
    edit->ChangeValue(text);
}

inline std::string TextOf(wxDialog* dlg, int id) {
    auto* edit = dynamic_cast<wxTextCtrl*>(dlg->FindWindow(id));
    return edit ? edit->GetValue().ToStdString() : std::string("<none>");
}

inline bool Shown(wxDialog* dlg, int id) {
    wxWindow* window = dlg->FindWindow(id);
    EXPECT_NE(window, nullptr) << id;
    return window && window->IsShown();
}

} // namespace pf::test
