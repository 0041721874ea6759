#pragma once
// "Edit Navigation Beacon": the identifier and frequency of a base's first beacon, or of
// the beacon it proposes for a base without one. Only OK; Esc and the close box cancel
// and change nothing.
#include "app/logic/nav_beacon_logic.h"
#include "foundation/ui/modal_dialog.h"

class wxStaticText;

namespace pf {

class BaseDocument;

class NavBeaconDlg : public ModalDialog {
  public:
    NavBeaconDlg(BaseDocument* document, wxWindow* parent,
                 NavBeaconLogic::RandomSource random = {});

    NavBeaconLogic& Logic() { return logic_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnOk(wxCommandEvent& event);

    NavBeaconLogic logic_;
    wxStaticText* position_ = nullptr;
};

// Runs the dialog on the document; true when it ended with OK.
bool RunNavBeaconDlg(BaseDocument& document);

} // namespace pf
