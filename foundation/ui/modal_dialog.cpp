#include "foundation/ui/modal_dialog.h"

#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace pf {

ModalDialog::ModalDialog(wxWindow* parent, const wxString& title)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE) {
    // Every dialog here has a Cancel button: Esc and the close box press it, never the
    // affirmative button.
    SetEscapeId(wxID_CANCEL);
    Bind(wxEVT_BUTTON, &ModalDialog::OnCancelButton, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &ModalDialog::OnClose, this);
    Bind(wxEVT_CHAR_HOOK, &ModalDialog::OnCharHook, this);
}

void ModalDialog::EndWith(int code) {
    SetReturnCode(code);
    if (IsModal()) {
        EndModal(code);
    }
}

void ModalDialog::OnCancelPressed() { EndWith(wxID_CANCEL); }

void ModalDialog::OnCancelButton(wxCommandEvent&) { OnCancelPressed(); }

void ModalDialog::OnClose(wxCloseEvent&) { OnCancelPressed(); }

void ModalDialog::OnCharHook(wxKeyEvent& event) {
    // wx presses the escape id's button only where one exists; a dialog with only OK
    // would otherwise ignore Esc.
    if (event.GetKeyCode() == WXK_ESCAPE && GetEscapeId() != wxID_NONE &&
        FindWindow(wxID_CANCEL) == nullptr) {
        OnCancelPressed();
        return;
    }
    event.Skip();
}

ControlTexts ModalDialog::CollectTexts(const std::vector<int>& ids) const {
    ControlTexts texts;
    for (int id : ids) {
        wxWindow* window = FindWindow(id);
        if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) {
            std::string bytes;
            if (!FromWxExact(edit->GetValue(), bytes)) {
                texts.unconvertible.insert(id);
            }
            texts.Set(id, bytes);
        } else if (auto* box = dynamic_cast<wxCheckBox*>(window)) {
            texts.Set(id, box->GetValue() ? "1" : "0");
        }
    }
    return texts;
}

void ModalDialog::ApplyTexts(const ControlTexts& texts) {
    for (const auto& [id, text] : texts.text) {
        wxWindow* window = FindWindow(id);
        if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) {
            edit->ChangeValue(ToWx(text));
        } else if (auto* box = dynamic_cast<wxCheckBox*>(window)) {
            box->SetValue(text == "1");
        }
    }
}

void ModalDialog::FinishWithOkCancel(wxSizer* top) {
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    buttons->Add(ok, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
    ok->SetDefault();
    SetSizerAndFit(top);
}

void ModalDialog::ShowRefusal(const FieldRefusal& refusal) {
    wxMessageDialog box(this, ToWx(refusal.message), kProgramCaption, wxOK | wxICON_EXCLAMATION);
    box.ShowModal();
    if (auto* edit = dynamic_cast<wxTextCtrl*>(FindWindow(refusal.control))) {
        edit->SetFocus();
        edit->SelectAll();
    }
}

} // namespace pf
