#pragma once
// Drives a dialog of type T under wxTEST_DIALOG with a test's own script: the dialog is
// initialised as showing it would, then the script sets controls and presses buttons
// and the code the dialog recorded is ShowModal's result. Also the expectations of a
// message box with an exact text and of a refusal's box, and the helpers the scripts use.
#include "support/ui/wx_test_hook.h"

#include <functional>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
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

// A message box with exactly this text, caption and icon (0: any icon), answered with the
// given button's id.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
  public:
    ExpectMessageBox(const wxString& text, const wxString& caption, long icon = wxICON_EXCLAMATION,
                     int answer = wxID_OK)
        : text_(text), caption_(caption), icon_(icon), answer_(answer) {}

  protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        EXPECT_EQ(dlg->GetMessage(), text_);
        EXPECT_EQ(dlg->GetCaption(), caption_);
        EXPECT_TRUE(icon_ == 0 || (dlg->GetMessageDialogStyle() & icon_) != 0);
        return answer_;
    }

  private:
    wxString text_;
    wxString caption_;
    long icon_;
    int answer_;
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

// Sets a check box as a click does and sends its event.
inline void ClickCheckBox(wxWindow* dlg, int id, bool value) {
    auto* box = dynamic_cast<wxCheckBox*>(dlg->FindWindow(id));
    ASSERT_NE(box, nullptr) << "no check box " << id;
    box->SetValue(value);
    wxCommandEvent event(wxEVT_CHECKBOX, id);
    event.SetEventObject(box);
    event.SetInt(value ? 1 : 0);
    dlg->ProcessWindowEvent(event);
}

// Selects a list entry as a click does and sends the selection event; a double click
// sends the double-click event after it.
inline void SelectListEntry(wxWindow* dlg, int id, int index, bool double_click = false) {
    auto* list = dynamic_cast<wxListBox*>(dlg->FindWindow(id));
    ASSERT_NE(list, nullptr) << "no list " << id;
    list->SetSelection(index);
    for (wxEventType type : {wxEVT_LISTBOX, wxEVT_LISTBOX_DCLICK}) {
        if (type == wxEVT_LISTBOX_DCLICK && !double_click)
            break;
        wxCommandEvent event(type, id);
        event.SetEventObject(list);
        event.SetInt(index);
        event.SetString(list->GetString(static_cast<unsigned>(index)));
        dlg->ProcessWindowEvent(event);
    }
}

// Selects an entry of a combo box or choice and sends its selection event.
inline void SelectChoice(wxWindow* dlg, int id, int index) {
    wxWindow* window = dlg->FindWindow(id);
    wxEventType type = wxEVT_CHOICE;
    wxItemContainer* items = dynamic_cast<wxChoice*>(window);
    if (auto* combo = dynamic_cast<wxComboBox*>(window)) {
        items = combo;
        type = wxEVT_COMBOBOX;
    }
    ASSERT_NE(items, nullptr) << "no combo box or choice " << id;
    items->SetSelection(index);
    wxCommandEvent event(type, id);
    event.SetEventObject(window);
    event.SetInt(index);
    dlg->ProcessWindowEvent(event);
}

// Sets a radio button as a click does and sends its event.
inline void SetRadio(wxWindow* dlg, int id) {
    auto* radio = dynamic_cast<wxRadioButton*>(dlg->FindWindow(id));
    ASSERT_NE(radio, nullptr) << "no radio button " << id;
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, id);
    event.SetEventObject(radio);
    event.SetInt(1);
    dlg->ProcessWindowEvent(event);
}

// A mouse event of the type (wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_RIGHT_DOWN,
// wxEVT_RIGHT_UP, wxEVT_MOTION) at a client pixel of the window.
inline void SendMouse(wxWindow* window, wxEventType type, int x, int y) {
    wxMouseEvent mouse(type);
    mouse.m_x = x;
    mouse.m_y = y;
    mouse.m_leftDown = type == wxEVT_LEFT_DOWN;
    mouse.m_rightDown = type == wxEVT_RIGHT_DOWN;
    mouse.SetEventObject(window);
    mouse.SetId(window->GetId());
    window->ProcessWindowEvent(mouse);
}

} // namespace pf::test
