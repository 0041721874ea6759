#include "objects/logic/tank_logic.h"

#include "objects/tank.h"

namespace pf {

namespace {

int TankTextureOfButton(int button) {
    if (button == AddBlockLogic::kTex1Button) {
        return 0;
    }
    if (button == AddBlockLogic::kTex3Button) {
        return 1;
    }
    return -1;
}

} // namespace

bool AddTankLogic::AcceptsObject(const AstrelObjectHandle& object) const {
    return object.GetType() == kTypeTank;
}

void AddTankLogic::LoadFromObject() {
    Tank local;
    holder_.CopyInto(local);
    rotation = local.rot.value;
    length = local.scale[0].value;
    width = local.scale[1].value;
    height = local.scale[2].value;
    names[0] = local.tex1.name;
    names[1] = local.tex2.name;
    scaleTextures = local.scaleUV;
    if (local.tex1.IsComplete()) {
        u[0] = local.tex1.u.value;
        u[1] = local.tex2.u.value;
        v[0] = local.tex1.v.value;
        v[1] = local.tex2.v.value;
    } else {
        u[0] = 3.0f;
        u[1] = 1.0f;
        v[0] = 1.0f;
        v[1] = 1.0f;
    }
}

void AddTankLogic::Exchange(FieldExchange& dx) {
    dx.Check(AddBlockLogic::kScaleTextures, scaleTextures);
    dx.Double(AddBlockLogic::kRotate, rotation, -360.0, 360.0);
    dx.Double(AddBlockLogic::kLength, length, AddBlockLogic::kMinSize, AddBlockLogic::kMaxSize);
    dx.Double(AddBlockLogic::kWidth, width, AddBlockLogic::kMinSize, AddBlockLogic::kMaxSize);
    dx.Double(AddBlockLogic::kHeight, height, AddBlockLogic::kMinSize, AddBlockLogic::kMaxSize);
    dx.TextureName(AddBlockLogic::kTex1Name, names[0]);
    dx.TextureName(AddBlockLogic::kTex3Name, names[1]);
}

bool AddTankLogic::GetTextureChoice(int button, TextureChoice& choice) const {
    return GetTextureSlot(TankTextureOfButton(button), names, u, v, choice);
}

void AddTankLogic::SetTextureChoice(int button, const TextureChoice& choice) {
    SetTextureSlot(TankTextureOfButton(button), names, u, v, choice);
}

void AddTankLogic::StoreObject() {
    rotation = NormaliseDialogRotation(rotation);
    Tank local;
    if (!holder_.IsEmpty()) {
        holder_.CopyInto(local);
    }
    local.rot.Set(rotation);
    local.scale[0].Set(length);
    local.scale[1].Set(width);
    local.scale[2].Set(height);
    // The dialog does not show the step count: one read from a file stays.
    if (!local.nstep.given) {
        local.nstep.Set(kDefaultSteps);
    }
    TextureSpec* textures[2] = {&local.tex1, &local.tex2};
    for (int i = 0; i < 2; ++i) {
        if (names[i].empty()) {
            *textures[i] = TextureSpec();
        } else {
            textures[i]->name = names[i];
            textures[i]->u.Set(u[i]);
            textures[i]->v.Set(v[i]);
        }
    }
    local.scaleUV = scaleTextures;
    holder_.AssignFrom(local);
}

} // namespace pf
