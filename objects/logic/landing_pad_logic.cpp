#include "objects/logic/landing_pad_logic.h"

namespace pf {

namespace {

// The pad kind of a kind button; 0 for another id.
int32_t KindOfButton(int button) {
    switch (button) {
    case AddLpadLogic::kLpad1:
        return kTypeLpad1;
    case AddLpadLogic::kLpad2:
        return kTypeLpad2;
    case AddLpadLogic::kLpad2A:
        return kTypeLpad2A;
    default:
        return kTypeUndefined;
    }
}

} // namespace

bool AddLpadLogic::AcceptsObject(const AstrelObjectHandle& object) const {
    const int32_t type = object.GetType();
    return type == kTypeLpad1 || type == kTypeLpad2 || type == kTypeLpad2A;
}

void AddLpadLogic::LoadFromObject() {
    const AstrelObjectHandle& held = *holder_.Get();
    std::unique_ptr<LandingPad> pad = LandingPad::Make(held.GetType());
    if (!pad) {
        return;
    }
    pad->CopyFrom(held);
    padType = pad->GetType();
    frequency = pad->nav.value;
    rotation = pad->rot.value;
    diameter = pad->scale[0].value;
    texture = pad->tex;
}

void AddLpadLogic::Exchange(FieldExchange& fx) {
    fx.Double(kDiameter, diameter, 0.1, 4000.0);
    fx.Double(kRotation, rotation, -360.0, 360.0);
    fx.TextureName(kTexture, texture);
    fx.Float(kFrequency, frequency);
}

void AddLpadLogic::ShowKind(int32_t type) {
    shownKind_ = type == kTypeLpad2A ? kTypeLpad2A : type == kTypeLpad2 ? kTypeLpad2 : kTypeLpad1;
}

void AddLpadLogic::InitDialog() { ShowKind(padType); }

bool AddLpadLogic::ClickKind(int button) {
    const int32_t type = KindOfButton(button);
    if (type == kTypeUndefined) {
        return false;
    }
    padType = type;
    texture = LandingPad::DefaultTexture(type);
    ShowKind(type);
    return true;
}

bool AddLpadLogic::GetKindButtonState(int button, bool& checked) const {
    const int32_t type = KindOfButton(button);
    if (type == kTypeUndefined) {
        return false;
    }
    checked = type != shownKind_;
    return true;
}

bool AddLpadLogic::IsShown(int id) const {
    if (id == kChooseTexture) {
        return shownKind_ != kTypeLpad2A;
    }
    return true;
}

bool AddLpadLogic::GetTextureChoice(int button, TextureChoice& choice) const {
    if (button != kChooseTexture) {
        return false;
    }
    choice = TextureChoice{ChooserKind(), texture, 1.0f, 1.0f};
    return true;
}

void AddLpadLogic::SetTextureChoice(int button, const TextureChoice& choice) {
    if (button == kChooseTexture) {
        texture = choice.name;
    }
}

void AddLpadLogic::StoreObject() {
    const AstrelObjectHandle* held = holder_.IsEmpty() ? nullptr : holder_.Get();
    if (rotation < 0.0) {
        rotation += 360.0;
    }
    if (rotation >= 360.0) {
        rotation = 0.0;
    }
    std::unique_ptr<LandingPad> pad = LandingPad::Make(padType);
    if (!pad) {
        pad = LandingPad::Make(kTypeLpad1);
    }
    if (held != nullptr) {
        pad->pos.Set(held->GetPosition());
    }
    // A pad keeps the frequency it had unless it had a valid one or is new: the member
    // shows 110.0 for a pad read without NAV, which is no frequency of its own.
    const auto* heldPad = dynamic_cast<const NewPosDiameterRotTexNav*>(held);
    if (heldPad != nullptr) {
        pad->nav = heldPad->nav;
    }
    if (held == nullptr || (heldPad != nullptr && heldPad->nav.valid)) {
        pad->nav.Set(frequency);
    }
    pad->rot.Set(rotation);
    pad->scale.Set(diameter, diameter, 0.0);
    pad->tex = texture;
    holder_.AssignFrom(*pad);
}

} // namespace pf
