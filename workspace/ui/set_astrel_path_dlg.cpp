#include "workspace/ui/set_astrel_path_dlg.h"

#include "foundation/ui/wx_text.h"
#include "workspace/folders.h"
#include "workspace/logic/set_astrel_path_logic.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

SetAstrelPathDlg::SetAstrelPathDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "Configuration") {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(
        new wxStaticText(this, wxID_ANY,
                         "Can't find a \"Astrel 2010\" installation. Please select its location."),
        wxSizerFlags().Border(wxALL, 10));

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, "Astrel 2010 Directory:"),
             wxSizerFlags().CenterVertical().Border(wxRIGHT, 5));
    // Read-only: OK does not read the edit, so typed text would be lost.
    edit_ = new wxTextCtrl(this, ID_PATH, wxEmptyString, wxDefaultPosition,
                           wxSize(ConvertDialogToPixels(wxSize(180, -1)).x, -1), wxTE_READONLY);
    row->Add(edit_, wxSizerFlags(1).CenterVertical());
    row->Add(new wxButton(this, ID_BROWSE, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT),
             wxSizerFlags().CenterVertical().Border(wxLEFT, 5));
    top->Add(row, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 10));

    top->Add(CreateButtonSizer(wxOK), wxSizerFlags().Right().Border(wxALL, 10));
    SetSizerAndFit(top);

    // With only OK, wx would take Esc and the close box for OK; both mean Cancel here.
    SetEscapeId(wxID_NONE);
    Bind(wxEVT_INIT_DIALOG, &SetAstrelPathDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &SetAstrelPathDlg::OnBrowse, this, ID_BROWSE);
    Bind(wxEVT_BUTTON, &SetAstrelPathDlg::OnOk, this, wxID_OK);
    Bind(wxEVT_CHAR_HOOK, &SetAstrelPathDlg::OnCharHook, this);
    CentreOnScreen();
}

void SetAstrelPathDlg::OnInitDialog(wxInitDialogEvent& event) {
    edit_->ChangeValue(ToWxPath(InitAstrelPathDlg()));
    event.Skip();
}

void SetAstrelPathDlg::OnBrowse(wxCommandEvent&) {
    if (std::optional<std::string> path = BrowseForAstrelFolder()) {
        edit_->ChangeValue(ToWxPath(*path));
    }
}

void SetAstrelPathDlg::OnOk(wxCommandEvent&) { Finish(wxID_OK); }

void SetAstrelPathDlg::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE) {
        Finish(wxID_CANCEL);
        return;
    }
    event.Skip();
}

void SetAstrelPathDlg::Finish(int code) {
    // EndDialog sets no code for a dialog that is not modal (as under a test hook).
    SetReturnCode(code);
    EndDialog(code);
}

void RunSetAstrelPathDlg() {
    SetAstrelPathDlg dialog(nullptr);
    dialog.ShowModal();
}

void InstallSetAstrelPathDlgRunner() { SetAstrelPathDlgRunner(&RunSetAstrelPathDlg); }

} // namespace pf
