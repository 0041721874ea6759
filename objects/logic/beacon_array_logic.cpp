#include "objects/logic/beacon_array_logic.h"

#include "objects/beacon_array.h"

namespace pf {

AddBeaconArrayLogic::AddBeaconArrayLogic() {
    BeaconArray fresh;
    fresh.col[0].Set(blue);
    fresh.col[1].Set(red);
    fresh.col[2].Set(green);
    fresh.end1[2].Set(end1Altitude);
    fresh.end2[2].Set(end2Altitude);
    fresh.count.Set(10);
    fresh.size.Set(1.0);
    fresh.end1[0].Set(500.0);
    holder_.AssignFrom(fresh);
}

bool AddBeaconArrayLogic::AcceptsObject(const AstrelObjectHandle& object) const {
    return object.GetType() == kTypeBeaconArray;
}

void AddBeaconArrayLogic::LoadFromObject() {
    BeaconArray local;
    holder_.CopyInto(local);
    size = local.size.value;
    red = local.col[1].value;
    green = local.col[2].value;
    blue = local.col[0].value;
    end1Altitude = local.end1[2].value;
    end2Altitude = local.end2[2].value;
    count = local.count.value;
}

void AddBeaconArrayLogic::Exchange(FieldExchange& dx) {
    dx.Float(kRed, red, 0.0f, 1.0f);
    dx.Float(kGreen, green, 0.0f, 1.0f);
    dx.Float(kBlue, blue, 0.0f, 1.0f);
    dx.Double(kEnd1Altitude, end1Altitude);
    dx.Double(kEnd2Altitude, end2Altitude);
    dx.Int(kCount, count, 2, 65000);
    dx.Double(kSize, size, 0.0, 65000.0);
}

void AddBeaconArrayLogic::StoreObject() {
    BeaconArray local;
    if (!holder_.IsEmpty()) {
        holder_.CopyInto(local);
    }
    local.col[1].Set(red);
    local.col[2].Set(green);
    local.col[0].Set(blue);
    local.end1[2].Set(end1Altitude);
    local.end2[2].Set(end2Altitude);
    local.count.Set(count);
    local.size.Set(size);
    holder_.AssignFrom(local);
}

} // namespace pf
