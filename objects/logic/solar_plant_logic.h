#pragma once
// "Add Solar Plant": the grid and the rotation; the extent follows from the grid.
#include "objects/logic/object_dialog_logic.h"

namespace pf {

class AddSolarArrayLogic : public ObjectDialogLogic {
  public:
    enum ControlId { kGridY = 1068, kGridX = 1069, kRotate = 1092 };

    bool AcceptsObject(const AstrelObjectHandle& object) const override;
    void LoadFromObject() override;

    double rotation = 0.0;
    int32_t gridX = 4;
    int32_t gridY = 4;

  protected:
    void Exchange(FieldExchange& dx) override;
    void StoreObject() override;
};

} // namespace pf
