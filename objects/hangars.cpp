#include "objects/hangars.h"

#include "objects/block.h"
#include "objects/object_editing.h"
#include "objects/parameter_lines.h"

namespace pf {

namespace {

const char* FlagLine(const NewPosScaleRotTex123& object) {
    return object.scaleUV ? "\tPFG_SCALEUV\r\n" : "";
}

void CopyTex123From(NewPosScaleRotTex123& target, const AstrelObjectHandle& other) {
    if (const auto* source = dynamic_cast<const NewPosScaleRotTex123*>(&other)) {
        CopyTex123(target, *source);
    }
}

} // namespace

Hangar::Hangar() : NewPosScaleRotTex123(kTypeHangar) { scaleUV = false; }

std::string Hangar::GetParameterText() const {
    // The door wall runs along the length, the side wall along the width.
    return PosScaleRotLines(*this) + Tex123Lines(*this, scale[0].value, scale[1].value) +
           FlagLine(*this) + KeptLinesText();
}

std::unique_ptr<ObjectEditDialog> Hangar::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeHangar);
}

void Hangar::CopyFrom(const AstrelObjectHandle& other) { CopyTex123From(*this, other); }

Hangar2::Hangar2() : NewPosScaleRotTex123Roofh(kTypeHangar2) { scaleUV = true; }

std::string Hangar2::GetParameterText() const {
    std::string text = PosScaleRotLines(*this) + Tex123Lines(*this, scale[1].value, scale[0].value);
    if (roofh.given) {
        text += "\tROOFH " + FormatFloat4(roofh) + "\r\n";
    }
    return text + FlagLine(*this) + KeptLinesText();
}

std::unique_ptr<ObjectEditDialog> Hangar2::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeHangar2);
}

void Hangar2::CopyFrom(const AstrelObjectHandle& other) {
    CopyTex123From(*this, other);
    if (const auto* source = dynamic_cast<const NewPosScaleRotTex123Roofh*>(&other)) {
        roofh = source->roofh;
    }
}

Hangar3::Hangar3() : NewPosScaleRotTex123(kTypeHangar3) { scaleUV = false; }

std::string Hangar3::GetParameterText() const {
    // The flag is written, but this kind keeps the scales it was given.
    return PosScaleRotLines(*this) + Tex123Lines(*this) + FlagLine(*this) + KeptLinesText();
}

std::unique_ptr<ObjectEditDialog> Hangar3::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeHangar3);
}

void Hangar3::CopyFrom(const AstrelObjectHandle& other) { CopyTex123From(*this, other); }

bool ParseHangar(AstrelObject& holder, const StringArray& group) {
    Hangar local;
    return ParseTex123Group(holder, group, "HANGAR", local, nullptr);
}

bool ParseHangar2(AstrelObject& holder, const StringArray& group) {
    Hangar2 local;
    return ParseTex123Group(holder, group, "HANGAR2", local, &local.roofh);
}

bool ParseHangar3(AstrelObject& holder, const StringArray& group) {
    Hangar3 local;
    return ParseTex123Group(holder, group, "HANGAR3", local, nullptr);
}

} // namespace pf
