#include "objects/logic/block_logic.h"

#include "objects/block.h"

namespace pf {

int TextureOfButton(int button) {
    switch (button) {
    case AddBlockLogic::kTex1Button:
        return 0;
    case AddBlockLogic::kTex2Button:
        return 1;
    case AddBlockLogic::kTex3Button:
        return 2;
    default:
        return -1;
    }
}

bool AddBlockLogic::AcceptsObject(const AstrelObjectHandle& object) const {
    return object.GetType() == kTypeBlock;
}

void AddBlockLogic::LoadFromObject() {
    Block local;
    holder_.CopyInto(local);
    rotation = local.rot.value;
    length = local.scale[0].value;
    width = local.scale[1].value;
    height = local.scale[2].value;
    const TextureSpec* textures[3] = {&local.tex1, &local.tex2, &local.tex3};
    for (int i = 0; i < 3; ++i) {
        names[i] = textures[i]->name;
        u[i] = textures[i]->u.value;
        v[i] = textures[i]->v.value;
    }
    scaleTextures = local.scaleUV;
}

void AddBlockLogic::Exchange(FieldExchange& dx) {
    dx.Check(kScaleTextures, scaleTextures);
    dx.Double(kRotate, rotation, -360.0, 360.0);
    dx.Double(kLength, length, kMinSize, kMaxSize);
    dx.Double(kWidth, width, kMinSize, kMaxSize);
    dx.Double(kHeight, height, kMinSize, kMaxSize);
    dx.TextureName(kTex1Name, names[0]);
    dx.TextureName(kTex2Name, names[1]);
    dx.TextureName(kTex3Name, names[2]);
}

bool AddBlockLogic::GetTextureChoice(int button, TextureChoice& choice) const {
    return GetTextureSlot(TextureOfButton(button), names, u, v, choice);
}

void AddBlockLogic::SetTextureChoice(int button, const TextureChoice& choice) {
    SetTextureSlot(TextureOfButton(button), names, u, v, choice);
}

void AddBlockLogic::StoreObject() {
    rotation = NormaliseDialogRotation(rotation);
    Block local;
    if (!holder_.IsEmpty()) {
        holder_.CopyInto(local);
    }
    local.rot.Set(rotation);
    local.scale[0].Set(length);
    local.scale[1].Set(width);
    local.scale[2].Set(height);
    TextureSpec* textures[3] = {&local.tex1, &local.tex2, &local.tex3};
    for (int i = 0; i < 3; ++i) {
        textures[i]->name = names[i];
        textures[i]->u.Set(u[i]);
        textures[i]->v.Set(v[i]);
    }
    local.scaleUV = scaleTextures;
    holder_.AssignFrom(local);
}

} // namespace pf
