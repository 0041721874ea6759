#pragma once
// "Parameter text": edits one object of the structure editor as the lines it writes into
// a base file. OK always ends with OK, whether or not the text could be read back.
#include "app/logic/parameter_text_logic.h"
#include "foundation/ui/modal_dialog.h"

class wxTextCtrl;

namespace pf {

class EditParameterTextDlg : public ModalDialog {
  public:
    static constexpr int kTextId = 1148;

    // The object's holder is edited in place on OK.
    EditParameterTextDlg(wxWindow* parent, AstrelObject& object);

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnOk(wxCommandEvent& event);

    ParameterTextLogic logic_;
    wxTextCtrl* text_ = nullptr;
};

} // namespace pf
