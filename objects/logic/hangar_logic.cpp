#include "objects/logic/hangar_logic.h"

#include "objects/hangars.h"

#include <memory>

namespace pf {

namespace {

bool IsHangarKind(int32_t code) {
    return code == kTypeHangar || code == kTypeHangar2 || code == kTypeHangar3;
}

int32_t KindOfButton(int button) {
    switch (button) {
    case AddHangerLogic::kHangarButton:
        return kTypeHangar;
    case AddHangerLogic::kHangar2Button:
        return kTypeHangar2;
    case AddHangerLogic::kHangar3Button:
        return kTypeHangar3;
    default:
        return kTypeUndefined;
    }
}

std::unique_ptr<NewPosScaleRotTex123> MakeHangar(int32_t code) {
    switch (code) {
    case kTypeHangar:
        return std::make_unique<Hangar>();
    case kTypeHangar2:
        return std::make_unique<Hangar2>();
    case kTypeHangar3:
        return std::make_unique<Hangar3>();
    default:
        return nullptr;
    }
}

} // namespace

bool AddHangerLogic::AcceptsObject(const AstrelObjectHandle& object) const {
    return IsHangarKind(object.GetType());
}

void AddHangerLogic::LoadFromObject() {
    roofHeight = 5.0f;
    std::unique_ptr<NewPosScaleRotTex123> local = MakeHangar(holder_.GetType());
    if (!local) {
        return;
    }
    holder_.CopyInto(*local);
    length = local->scale[0].value;
    width = local->scale[1].value;
    height = local->scale[2].value;
    const TextureSpec* textures[3] = {&local->tex1, &local->tex2, &local->tex3};
    for (int i = 0; i < 3; ++i) {
        names[i] = textures[i]->name;
        u[i] = textures[i]->u.value;
        v[i] = textures[i]->v.value;
    }
    rotation = local->rot.value;
    kind = local->GetType();
    scaleTextures = local->scaleUV;
    if (const auto* hangar2 = dynamic_cast<const Hangar2*>(local.get())) {
        roofHeight = hangar2->roofh.value;
    }
}

bool AddHangerLogic::IsShown(int control) const {
    switch (control) {
    case kRoofHeight:
    case kRoofHeightLabel:
        return kind == kTypeHangar2;
    case AddBlockLogic::kTex1Label:
    case AddBlockLogic::kTex2Label:
    case AddBlockLogic::kTex1Name:
    case AddBlockLogic::kTex2Name:
    case AddBlockLogic::kTex1Button:
    case AddBlockLogic::kTex2Button:
        return kind != kTypeHangar3;
    default:
        return true;
    }
}

bool AddHangerLogic::GetLabel(int control, std::string& label) const {
    static const char* const kTex2Labels[3] = {"Door", "Roof Side", "Currently Unused"};
    static const char* const kTex1Labels[3] = {"Sides", "Gable Side", "Currently Unused"};
    if (!IsHangarKind(kind)) {
        return false;
    }
    const int row = kind - kTypeHangar;
    if (control == AddBlockLogic::kTex2Label) {
        label = kTex2Labels[row];
        return true;
    }
    if (control == AddBlockLogic::kTex1Label) {
        label = kTex1Labels[row];
        return true;
    }
    return false;
}

bool AddHangerLogic::ClickKind(int button) {
    static const char* const kRoofTextures[3] = {"Roof01", "Roof02", "Wall01"};
    const int32_t clicked = KindOfButton(button);
    if (clicked == kTypeUndefined) {
        return false;
    }
    kind = clicked;
    names[2] = kRoofTextures[clicked - kTypeHangar];
    return true;
}

bool AddHangerLogic::GetKindButtonState(int button, bool& checked) const {
    const int32_t own = KindOfButton(button);
    if (own == kTypeUndefined || !IsHangarKind(kind)) {
        return false;
    }
    checked = own != kind;
    return true;
}

bool AddHangerLogic::GetTextureChoice(int button, TextureChoice& choice) const {
    return GetTextureSlot(TextureOfButton(button), names, u, v, choice);
}

void AddHangerLogic::SetTextureChoice(int button, const TextureChoice& choice) {
    SetTextureSlot(TextureOfButton(button), names, u, v, choice);
}

void AddHangerLogic::Exchange(FieldExchange& dx) {
    dx.Check(AddBlockLogic::kScaleTextures, scaleTextures);
    dx.Double(AddBlockLogic::kRotate, rotation, -360.0, 360.0);
    dx.Double(AddBlockLogic::kLength, length, AddBlockLogic::kMinSize, AddBlockLogic::kMaxSize);
    dx.Double(AddBlockLogic::kWidth, width, AddBlockLogic::kMinSize, AddBlockLogic::kMaxSize);
    dx.Double(AddBlockLogic::kHeight, height, AddBlockLogic::kMinSize, AddBlockLogic::kMaxSize);
    dx.TextureName(AddBlockLogic::kTex1Name, names[0]);
    dx.TextureName(AddBlockLogic::kTex2Name, names[1]);
    dx.TextureName(AddBlockLogic::kTex3Name, names[2]);
    dx.Float(kRoofHeight, roofHeight, 0.0f, 4000.0f);
}

void AddHangerLogic::StoreObject() {
    std::unique_ptr<NewPosScaleRotTex123> fresh = MakeHangar(kind);
    if (!fresh) {
        return;
    }
    // A raised hangar keeps its altitude, whatever its kind becomes.
    if (!holder_.IsEmpty()) {
        fresh->pos.Set(holder_.GetPosition());
    }
    fresh->scale[0].Set(length);
    fresh->scale[1].Set(width);
    fresh->scale[2].Set(height);
    TextureSpec* textures[3] = {&fresh->tex1, &fresh->tex2, &fresh->tex3};
    for (int i = 0; i < 3; ++i) {
        textures[i]->name = names[i];
        textures[i]->u.Set(u[i]);
        textures[i]->v.Set(v[i]);
    }
    if (auto* hangar2 = dynamic_cast<Hangar2*>(fresh.get())) {
        hangar2->roofh.Set(roofHeight);
    }
    fresh->rot.Set(rotation);
    fresh->scaleUV = scaleTextures;
    holder_.AssignFrom(*fresh);
}

} // namespace pf
