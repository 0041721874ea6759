#pragma once
// "Add Tank": full extents, rotation, the wall and roof textures and the flag that
// scales the wall texture with the tank.
#include "objects/logic/block_logic.h"

namespace pf {

class AddTankLogic : public ObjectDialogLogic {
  public:
    // The step count a tank gets when it has none.
    static constexpr int32_t kDefaultSteps = 12;

    bool AcceptsObject(const AstrelObjectHandle& object) const override;
    void LoadFromObject() override;
    // 1073 edits TEX1 (side), 1075 TEX2 (roof).
    bool GetTextureChoice(int button, TextureChoice& choice) const override;
    void SetTextureChoice(int button, const TextureChoice& choice) override;

    bool scaleTextures = true;
    double rotation = 0.0;
    double length = 60.0;
    double width = 60.0;
    double height = 40.0;
    std::string names[2];
    float u[2] = {2.0f, 2.0f};
    float v[2] = {2.0f, 2.0f};

  protected:
    void Exchange(FieldExchange& dx) override;
    void StoreObject() override;
};

} // namespace pf
