#pragma once
// "Add Runway": edits a runway and its lights together.
#include "objects/logic/runway_logic.h"
#include "objects/ui/add_object_abstract.h"

class wxChoice;

namespace pf {

class AddRunwayDlg : public AddObjectAbstract {
  public:
    explicit AddRunwayDlg(wxWindow* parent = nullptr);

    // Frequencies the structure editor hands a new runway before the dialog runs.
    void SetIlsFrequencies(float first, float second) {
        RunwayLogic().SetIlsFrequencies(first, second);
    }

    void RefreshControls() override;

  protected:
    ControlTexts CollectFieldTexts() override;

  private:
    AddRunwayLogic& RunwayLogic() { return static_cast<AddRunwayLogic&>(Logic()); }

    wxChoice* mode_ = nullptr;
};

} // namespace pf
