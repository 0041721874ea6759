#pragma once
// "Add Block": sizes, rotation, three texture names with their scales, and the flag
// that scales the wall textures with the building.
#include "objects/logic/object_dialog_logic.h"

namespace pf {

class AddBlockLogic : public ObjectDialogLogic {
  public:
    enum ControlId {
        kHeight = 1067,
        kLength = 1068,
        kWidth = 1069,
        kTex3Name = 1070,
        kTex1Name = 1071,
        kTex2Name = 1072,
        kTex1Button = 1073,
        kTex2Button = 1074,
        kTex3Button = 1075,
        kTex1Label = 1087,
        kTex2Label = 1088,
        kScaleTextures = 1091,
        kRotate = 1092,
    };
    // The lower size bound is the float 0.1, compared as a double.
    static constexpr double kMinSize = static_cast<double>(0.1f);
    static constexpr double kMaxSize = 4000.0;

    bool AcceptsObject(const AstrelObjectHandle& object) const override;
    void LoadFromObject() override;
    bool GetTextureChoice(int button, TextureChoice& choice) const override;
    void SetTextureChoice(int button, const TextureChoice& choice) override;

    bool scaleTextures = true;
    double rotation = 0.0;
    double length = 80.0;
    double width = 80.0;
    double height = 40.0;
    std::string names[3] = {"Fcd06", "Fcd06", "Wall01"};
    float u[3] = {4.0f, 4.0f, 2.0f};
    float v[3] = {2.0f, 2.0f, 2.0f};

  protected:
    void Exchange(FieldExchange& dx) override;
    void StoreObject() override;
};

// The texture (0, 1, 2 for TEX1, TEX2, TEX3) a "..." button of the block, hangar or
// tank dialog edits; -1 for another id.
int TextureOfButton(int button);

} // namespace pf
