#pragma once
// "Loaded Bases": the simulator folders of the installed-bases record, the bases
// installed into the chosen one and the files recorded for the chosen base; removes the
// chosen base without a question. OK, Esc and the close box close it.
#include "foundation/ui/modal_dialog.h"
#include "workspace/logic/installed_bases_viewer_logic.h"

class wxComboBox;
class wxListBox;

namespace pf {

class InstalledBasesViewerDlg : public ModalDialog {
  public:
    enum { ID_ROOTS = 1117, ID_FILES = 1119, ID_BASES = 1120, ID_REMOVE = 1121 };

    explicit InstalledBasesViewerDlg(wxWindow* parent);

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnInstallationChanged(wxCommandEvent& event);
    void OnBaseChanged(wxCommandEvent& event);
    void OnRemoveBase(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    // Moves the logic's lists and selections into the controls.
    void ShowRoots();
    void ShowBases();
    void ShowFiles();

    InstalledBasesViewerLogic logic_;
    wxComboBox* roots_ = nullptr;
    wxListBox* bases_ = nullptr;
    wxListBox* files_ = nullptr;
};

} // namespace pf
