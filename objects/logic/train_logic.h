#pragma once
// What "Add Train" does, without a display.
#include "foundation/geometry.h"
#include "objects/logic/object_dialog_logic.h"
#include "objects/train.h"

namespace pf {

class AddTrainLogic : public ObjectDialogLogic {
  public:
    enum Control : int {
        kTrain1 = 1055,
        kTrain2 = 1101,
        kLength = 1069,
        kDirection = 1099,
        kHeight = 1068,
        kHeightLabel = 1106,
        kMaxSpeed = 1100,
    };
    static constexpr const char* kTitle = "Add Train";

    bool AcceptsObject(const AstrelObjectHandle& object) const override;
    void LoadFromObject() override;

    // Shows the kind of the train type (11 Train2, anything else Train1).
    void InitDialog() override;
    bool ClickKind(int button) override;
    bool GetKindButtonState(int button, bool& checked) const override;
    // The height row belongs to Train2; Train1 keeps the member but does not use it.
    bool IsShown(int id) const override;

    int32_t trainType = kTypeTrain1;
    Point3 centre;
    float length = 1000.0f;
    float direction = 90.0f;
    float height = 11.0f;
    float maxSpeed = 30.0f;

  protected:
    void Exchange(FieldExchange& fx) override;
    void StoreObject() override;
};

} // namespace pf
