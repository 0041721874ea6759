#pragma once
// The About box of the main dialog: the program's name, its version and OK.
#include "foundation/ui/modal_dialog.h"

namespace pf {

class AboutDlg : public ModalDialog {
  public:
    explicit AboutDlg(wxWindow* parent);

  private:
    void OnOk(wxCommandEvent& event);
};

void RunAboutDlg();

} // namespace pf
