#pragma once
// What "Add Landing Pad" does, without a display.
#include "objects/landing_pad.h"
#include "objects/logic/object_dialog_logic.h"

#include <string>

namespace pf {

class AddLpadLogic : public ObjectDialogLogic {
  public:
    enum Control : int {
        kDiameter = 1069,
        kRotation = 1092,
        kTexture = 1072,
        kTextureLabel = 1088,
        kChooseTexture = 1074,
        kFrequency = 1093,
        kLpad1 = 1102,
        kLpad2 = 1103,
        kLpad2A = 1104,
    };
    static constexpr const char* kTitle = "Add Landing Pad";

    bool AcceptsObject(const AstrelObjectHandle& object) const override;
    void LoadFromObject() override;

    // The init shows the current kind (14 Lpad2a, 13 Lpad2, else Lpad1) and leaves the
    // texture as it is: a pad opened for editing keeps its own texture.
    void InitDialog() override;
    // A kind button: its type, its default texture.
    bool ClickKind(int button) override;
    bool GetKindButtonState(int button, bool& checked) const override;
    bool IsShown(int id) const override;
    // The frequency is handed out by the structure editor, never typed.
    bool IsEnabled(int id) const override { return id != kFrequency; }

    // The texture chooser's kind for the "..." button.
    int32_t ChooserKind() const { return padType; }
    // The "..." button opens the chooser over the pad's kind and texture; OK takes its name.
    bool GetTextureChoice(int button, TextureChoice& choice) const override;
    void SetTextureChoice(int button, const TextureChoice& choice) override;

    // The frequency the structure editor hands a new pad before the dialog runs.
    void SetFrequency(float mhz) { frequency = mhz; }

    int32_t padType = kTypeLpad1;
    double diameter = 80.0;
    double rotation = 0.0;
    std::string texture = "Lpad01";
    float frequency = 110.0f;

  protected:
    void Exchange(FieldExchange& fx) override;
    void StoreObject() override;

  private:
    void ShowKind(int32_t type);

    int32_t shownKind_ = kTypeLpad1;
};

} // namespace pf
