#pragma once
// "Beacon Array": colour, the two end altitudes, the number and size of the beacons.
// The ends' ground positions are placed on the map, not here.
#include "objects/logic/object_dialog_logic.h"

namespace pf {

class AddBeaconArrayLogic : public ObjectDialogLogic {
  public:
    enum ControlId {
        kGreen = 1123,
        kBlue = 1124,
        kEnd1Altitude = 1125,
        kEnd2Altitude = 1126,
        kCount = 1127,
        kSize = 1128,
        kRed = 1140,
    };

    // The holder starts with a new 500-metre array built from the members.
    AddBeaconArrayLogic();

    bool AcceptsObject(const AstrelObjectHandle& object) const override;
    void LoadFromObject() override;

    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    double end1Altitude = 0.0;
    double end2Altitude = 0.0;
    int32_t count = 10;
    double size = 1.0;

  protected:
    void Exchange(FieldExchange& dx) override;
    void StoreObject() override;
};

} // namespace pf
