#pragma once
// Picks one base file out of a base folder of the simulator: the folder's description
// and its files; OK or a double click takes the selected one.
#include "foundation/ui/modal_dialog.h"
#include "workspace/logic/astrel_base_list_logic.h"

class wxListBox;

namespace pf {

class AstrelBaseListDlg : public ModalDialog {
  public:
    enum { ID_FILES = 1024, ID_DESCRIPTION = 1149 };

    AstrelBaseListDlg(const std::string& body, const std::string& folder,
                      const std::string& context, const std::string& periodBegin,
                      const std::string& periodEnd, const StringArray& files, wxWindow* owner);

    // The chosen file name after a run that ended with OK; empty otherwise.
    const std::string& Selected() const { return logic_.selected; }

  private:
    void OnOk(wxCommandEvent& event);

    AstrelBaseListLogic logic_;
    wxListBox* list_ = nullptr;
};

} // namespace pf
