#pragma once
// "Add Hanger": one dialog for the three hangar kinds, switched with picture buttons.
#include "objects/logic/block_logic.h"

namespace pf {

class AddHangerLogic : public ObjectDialogLogic {
  public:
    enum ControlId {
        kRoofHeight = 1082,
        kRoofHeightLabel = 1083,
        kHangarButton = 1084,
        kHangar2Button = 1085,
        kHangar3Button = 1086,
    };

    bool AcceptsObject(const AstrelObjectHandle& object) const override;
    void LoadFromObject() override;
    bool IsShown(int control) const override;
    bool GetLabel(int control, std::string& label) const override;
    bool GetTextureChoice(int button, TextureChoice& choice) const override;
    void SetTextureChoice(int button, const TextureChoice& choice) override;

    // A kind button: that kind is shown and its roof texture set.
    bool ClickKind(int button) override;
    // False, state untouched, also for a kind outside 2 to 4.
    bool GetKindButtonState(int button, bool& checked) const override;

    bool scaleTextures = true;
    int32_t kind = kTypeHangar;
    double rotation = 0.0;
    double length = 120.0;
    double width = 80.0;
    double height = 40.0;
    std::string names[3] = {"Wall01", "Fcd04", "Roof01"};
    float u[3] = {6.0f, 6.0f, 2.0f};
    float v[3] = {1.0f, 1.0f, 1.0f};
    float roofHeight = 15.0f;

  protected:
    void Exchange(FieldExchange& dx) override;
    void StoreObject() override;
};

} // namespace pf
