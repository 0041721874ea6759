#pragma once
// "Add Hanger": the wx face of AddHangerLogic, the three hangar kinds behind picture buttons.
#include "objects/logic/hangar_logic.h"
#include "objects/ui/block_dlg.h"

namespace pf {

class AddHangerDlg : public BuildingDlg {
  public:
    explicit AddHangerDlg(wxWindow* parent);
    AddHangerLogic& Hangar() { return static_cast<AddHangerLogic&>(Logic()); }
};

} // namespace pf
