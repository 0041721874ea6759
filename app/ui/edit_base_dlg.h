#pragma once
// "Edit Base": the commands on one saved base (its editors, rendering, its simulator
// configuration, installing it into the simulator and removing it). Exit saves the base
// and ends with OK; Esc and the close box end with Cancel and save nothing.
#include "app/logic/edit_base_logic.h"
#include "foundation/ui/modal_dialog.h"

class wxStaticText;

namespace pf {

class EditBaseDlg : public ModalDialog {
  public:
    EditBaseDlg(const BaseDocument& document, wxWindow* parent);

    EditBaseLogic& Logic() { return logic_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnCommand(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    // The title, statistics and install buttons as the logic has them.
    void ShowState();

    EditBaseLogic logic_;
    wxStaticText* stats_ = nullptr;
};

// Runs Edit Base on a copy of the document.
void RunEditBaseDlg(const BaseDocument& document);

} // namespace pf
