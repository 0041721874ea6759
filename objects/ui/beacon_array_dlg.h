#pragma once
// "Beacon Array": the wx face of AddBeaconArrayLogic.
#include "objects/logic/beacon_array_logic.h"
#include "objects/ui/add_object_abstract.h"

namespace pf {

class AddBeaconArrayDlg : public AddObjectAbstract {
  public:
    explicit AddBeaconArrayDlg(wxWindow* parent);
    AddBeaconArrayLogic& Beacons() { return static_cast<AddBeaconArrayLogic&>(Logic()); }
};

} // namespace pf
