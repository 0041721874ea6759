#pragma once
// The "Configuration" dialog that asks for the simulator's folder when none is stored or
// found. Only its browse button stores a folder; OK just closes it.
#include <wx/dialog.h>

class wxTextCtrl;

namespace pf {

class SetAstrelPathDlg : public wxDialog {
  public:
    enum { ID_PATH = 1112, ID_BROWSE = 1113 };

    explicit SetAstrelPathDlg(wxWindow* parent);

    wxTextCtrl* PathEdit() const { return edit_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnBrowse(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void Finish(int code);

    wxTextCtrl* edit_ = nullptr;
};

// Shows the dialog modally with no owner.
void RunSetAstrelPathDlg();
// Lets core show the dialog when it must ask for the simulator folder.
void InstallSetAstrelPathDlgRunner();

} // namespace pf
