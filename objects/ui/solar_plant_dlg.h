#pragma once
// "Add Solar Plant": the wx face of AddSolarArrayLogic.
#include "objects/logic/solar_plant_logic.h"
#include "objects/ui/add_object_abstract.h"

namespace pf {

class AddSolarArrayDlg : public AddObjectAbstract {
  public:
    explicit AddSolarArrayDlg(wxWindow* parent);
    AddSolarArrayLogic& Plant() { return static_cast<AddSolarArrayLogic&>(Logic()); }
};

} // namespace pf
