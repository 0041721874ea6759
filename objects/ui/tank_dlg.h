#pragma once
// "Add Tank": the wx face of AddTankLogic.
#include "objects/logic/tank_logic.h"
#include "objects/ui/block_dlg.h"

namespace pf {

class AddTankDlg : public BuildingDlg {
  public:
    explicit AddTankDlg(wxWindow* parent);
    AddTankLogic& Tank() { return static_cast<AddTankLogic&>(Logic()); }
};

} // namespace pf
