#include "foundation/ui/message_opt_out_dlg.h"

#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace pf {

ShowMessageOptOutDlg::ShowMessageOptOutDlg(wxWindow* parent, const std::string& title,
                                           const std::string& message)
    : wxDialog(parent, wxID_ANY, "Dialog", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE),
      title_(title), message_(message) {
    // Laid out in dialog units: 403 x 124 with a 7-unit margin.
    const int margin = ConvertDialogToPixels(wxSize(7, 0)).x;
    auto* top = new wxBoxSizer(wxVERTICAL);
    message_ctrl_ = new wxTextCtrl(this, kMessageId, wxEmptyString, wxDefaultPosition,
                                   ConvertDialogToPixels(wxSize(389, 75)),
                                   wxTE_READONLY | wxTE_MULTILINE | wxTE_CENTRE);
    top->Add(message_ctrl_, 1, wxEXPAND | wxALL, margin);
    opt_out_ctrl_ = new wxCheckBox(this, kOptOutId, "Stop showing message until restart");
    top->Add(opt_out_ctrl_, 0, wxLEFT | wxRIGHT, ConvertDialogToPixels(wxSize(11, 0)).x);
    auto* ok =
        new wxButton(this, wxID_OK, "OK", wxDefaultPosition, ConvertDialogToPixels(wxSize(50, 14)));
    top->Add(ok, 0, wxALL, margin);
    SetSizer(top);
    SetMinClientSize(ConvertDialogToPixels(wxSize(403, 124)));
    top->SetSizeHints(this);
    ok->SetDefault();

    // There is no Cancel button, so wx would take Esc and the close box for OK and with
    // it the tick. Both end the dialog as Cancel instead, without reading the box.
    SetEscapeId(wxID_NONE);
    Bind(wxEVT_CHAR_HOOK, &ShowMessageOptOutDlg::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &ShowMessageOptOutDlg::OnClose, this);
    Bind(wxEVT_INIT_DIALOG, &ShowMessageOptOutDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &ShowMessageOptOutDlg::OnOk, this, wxID_OK);
}

bool ShowMessageOptOutDlg::TransferDataToWindow() {
    message_ctrl_->ChangeValue(ToWx(message_));
    opt_out_ctrl_->SetValue(opt_out_);
    return true;
}

bool ShowMessageOptOutDlg::TransferDataFromWindow() {
    opt_out_ = opt_out_ctrl_->GetValue();
    return true;
}

void ShowMessageOptOutDlg::OnInitDialog(wxInitDialogEvent&) {
    SetTitle(ToWx(title_));
    opt_out_ = false;
    TransferDataToWindow();
}

void ShowMessageOptOutDlg::OnOk(wxCommandEvent&) {
    TransferDataFromWindow();
    SetReturnCode(wxID_OK);
    EndDialog(wxID_OK);
}

void ShowMessageOptOutDlg::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE) {
        EndAsCancel();
        return;
    }
    event.Skip();
}

void ShowMessageOptOutDlg::OnClose(wxCloseEvent&) { EndAsCancel(); }

void ShowMessageOptOutDlg::EndAsCancel() {
    SetReturnCode(wxID_CANCEL);
    EndDialog(wxID_CANCEL);
}

bool ShowFailureDialog(const std::string& text) {
    ShowMessageOptOutDlg dlg(nullptr, "Failure Message", text);
    if (dlg.ShowModal() != wxID_OK) {
        return false;
    }
    // Read the box after the dialog ended with OK, whoever pressed it.
    dlg.TransferDataFromWindow();
    return dlg.GetOptOut();
}

} // namespace pf
