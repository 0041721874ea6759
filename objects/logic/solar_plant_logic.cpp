#include "objects/logic/solar_plant_logic.h"

#include "objects/solar_plant.h"

namespace pf {

bool AddSolarArrayLogic::AcceptsObject(const AstrelObjectHandle& object) const {
    return object.GetType() == kTypeSolarPlant;
}

void AddSolarArrayLogic::LoadFromObject() {
    SolarPlant local;
    holder_.CopyInto(local);
    rotation = local.rot.value;
    gridX = local.grid[0].value;
    gridY = local.grid[1].value;
}

void AddSolarArrayLogic::Exchange(FieldExchange& dx) {
    dx.Double(kRotate, rotation, -360.0, 360.0);
    dx.Int(kGridX, gridX, 1, 1000);
    dx.Int(kGridY, gridY, 1, 1000);
}

void AddSolarArrayLogic::StoreObject() {
    rotation = NormaliseDialogRotation(rotation);
    SolarPlant local;
    if (!holder_.IsEmpty()) {
        holder_.CopyInto(local);
    }
    local.grid[0].Set(gridX);
    local.grid[1].Set(gridY);
    local.scale[0].Set(gridX * SolarPlant::kCellSize);
    local.scale[1].Set(gridY * SolarPlant::kCellSize);
    local.scale[2].Set(0.0);
    local.rot.Set(rotation);
    holder_.AssignFrom(local);
}

} // namespace pf
