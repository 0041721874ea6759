#include "objects/block.h"

#include "objects/object_editing.h"
#include "objects/parameter_lines.h"
#include "objects/value_readers.h"

namespace pf {

std::string Tex123Lines(const NewPosScaleRotTex123& object) {
    return TextureLine("TEX1", object.tex1) + TextureLine("TEX2", object.tex2) +
           TextureLine("TEX3", object.tex3);
}

std::string Tex123Lines(const NewPosScaleRotTex123& object, double wallU1, double wallU2) {
    if (!object.scaleUV) {
        return Tex123Lines(object);
    }
    const float v = TextureRepeatFactor(object.scale[2].value);
    TextureSpec tex1 = object.tex1;
    TextureSpec tex2 = object.tex2;
    tex1.u.Set(TextureRepeatFactor(wallU1));
    tex1.v.Set(v);
    tex2.u.Set(TextureRepeatFactor(wallU2));
    tex2.v.Set(v);
    return TextureLine("TEX1", tex1) + TextureLine("TEX2", tex2) + TextureLine("TEX3", object.tex3);
}

void CopyTex123(NewPosScaleRotTex123& target, const NewPosScaleRotTex123& source) {
    target.pos = source.pos;
    target.scale = source.scale;
    target.rot = source.rot;
    target.tex1 = source.tex1;
    target.tex2 = source.tex2;
    target.tex3 = source.tex3;
    target.scaleUV = source.scaleUV;
}

bool ParseTex123Group(AstrelObject& holder, const StringArray& group, const std::string& typeWord,
                      NewPosScaleRotTex123& local, OptionalFloat* roofh) {
    local.rot.Set(0.0);
    local.scaleUV = false;
    std::vector<ParameterReader> readers = {
        {"POS", [&](const StringArray& t) { return ReadPositionParam(local.pos, t); }},
        {"SCALE", [&](const StringArray& t) { return ReadVectorParam(local.scale, t); }},
        {"ROT", [&](const StringArray& t) { return ReadAngleParam(local.rot, t); }},
        {"TEX1", [&](const StringArray& t) { return ReadTextureParam(local.tex1, t); }},
        {"TEX2", [&](const StringArray& t) { return ReadTextureParam(local.tex2, t); }},
        {"TEX3", [&](const StringArray& t) { return ReadTextureParam(local.tex3, t); }},
    };
    if (roofh != nullptr) {
        readers.push_back(
            {"ROOFH", [roofh](const StringArray& t) { return ReadFloatParam(*roofh, t); }});
    }
    readers.push_back({"PFG_SCALEUV", [&](const StringArray&) {
                           local.scaleUV = true;
                           return true;
                       }});
    return ReadObjectParameters(holder, group, typeWord, local, readers);
}

Block::Block() : NewPosScaleRotTex123(kTypeBlock) { scaleUV = true; }

std::string Block::GetParameterText() const {
    // Wall 1 runs along the width, wall 2 along the length.
    std::string text = PosScaleRotLines(*this) + Tex123Lines(*this, scale[1].value, scale[0].value);
    if (scaleUV) {
        text += "\tPFG_SCALEUV\r\n";
    }
    return text + KeptLinesText();
}

std::unique_ptr<ObjectEditDialog> Block::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeBlock);
}

void Block::CopyFrom(const AstrelObjectHandle& other) {
    if (const auto* block = dynamic_cast<const NewPosScaleRotTex123*>(&other)) {
        CopyTex123(*this, *block);
    }
}

bool ParseBlock(AstrelObject& holder, const StringArray& group) {
    Block local;
    return ParseTex123Group(holder, group, "BLOCK", local, nullptr);
}

} // namespace pf
