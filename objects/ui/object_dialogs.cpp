#include "objects/ui/object_dialogs.h"

#include "objects/object_editing.h"
#include "objects/ui/add_mesh_dlg.h"
#include "objects/ui/beacon_array_dlg.h"
#include "objects/ui/block_dlg.h"
#include "objects/ui/hangar_dlg.h"
#include "objects/ui/landing_pad_dlg.h"
#include "objects/ui/runway_dlg.h"
#include "objects/ui/solar_plant_dlg.h"
#include "objects/ui/tank_dlg.h"
#include "objects/ui/train_dlg.h"

#include <memory>
#include <utility>

namespace pf {

namespace {

using DialogMaker = std::unique_ptr<ObjectEditDialog> (*)();

template <class Dialog> std::unique_ptr<ObjectEditDialog> Make() {
    return std::make_unique<Dialog>(nullptr);
}

// The edit dialog of each type code that has one; stand-alone runway lights have none.
constexpr std::pair<int32_t, DialogMaker> kDialogMakers[] = {
    {kTypeBlock, Make<AddBlockDlg>},
    {kTypeHangar, Make<AddHangerDlg>},
    {kTypeHangar2, Make<AddHangerDlg>},
    {kTypeHangar3, Make<AddHangerDlg>},
    {kTypeTank, Make<AddTankDlg>},
    {kTypeRunway, Make<AddRunwayDlg>},
    {kTypeBeaconArray, Make<AddBeaconArrayDlg>},
    {kTypeSolarPlant, Make<AddSolarArrayDlg>},
    {kTypeTrain1, Make<AddTrainDlg>},
    {kTypeTrain2, Make<AddTrainDlg>},
    {kTypeLpad1, Make<AddLpadDlg>},
    {kTypeLpad2, Make<AddLpadDlg>},
    {kTypeLpad2A, Make<AddLpadDlg>},
    {kTypeMesh, Make<AddMeshDlg>},
};

} // namespace

void RegisterObjectDialogs() {
    for (const auto& [code, maker] : kDialogMakers) {
        ObjectDialogRegistry::Register(code, maker);
    }
}

} // namespace pf
