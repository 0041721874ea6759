#pragma once
// The wx dialogs of the object types, and their registration as the types' edit dialogs.
#include "objects/logic/beacon_array_logic.h"
#include "objects/logic/block_logic.h"
#include "objects/logic/hangar_logic.h"
#include "objects/logic/solar_plant_logic.h"
#include "objects/logic/tank_logic.h"
#include "objects/ui/add_object_abstract.h"

namespace pf {

class AddBlockDlg : public AddObjectAbstract {
  public:
    explicit AddBlockDlg(wxWindow* parent);
    AddBlockLogic& Block() { return static_cast<AddBlockLogic&>(Logic()); }
};

class AddHangerDlg : public AddObjectAbstract {
  public:
    explicit AddHangerDlg(wxWindow* parent);
    AddHangerLogic& Hangar() { return static_cast<AddHangerLogic&>(Logic()); }
};

class AddTankDlg : public AddObjectAbstract {
  public:
    explicit AddTankDlg(wxWindow* parent);
    AddTankLogic& Tank() { return static_cast<AddTankLogic&>(Logic()); }
};

class AddSolarArrayDlg : public AddObjectAbstract {
  public:
    explicit AddSolarArrayDlg(wxWindow* parent);
    AddSolarArrayLogic& Plant() { return static_cast<AddSolarArrayLogic&>(Logic()); }
};

class AddBeaconArrayDlg : public AddObjectAbstract {
  public:
    explicit AddBeaconArrayDlg(wxWindow* parent);
    AddBeaconArrayLogic& Beacons() { return static_cast<AddBeaconArrayLogic&>(Logic()); }
};

// Registers the dialog-maker table: the edit dialog of every type code that has one. The
// program and the ui tests call it once at start-up.
void RegisterObjectDialogs();

} // namespace pf
