#include "objects/tank.h"

#include "objects/object_editing.h"
#include "objects/parameter_lines.h"
#include "objects/value_readers.h"

#include <cfloat>
#include <cmath>

namespace pf {

double TankPerimeter(double a, double b) {
    // The constant stays 3.1415: the scales it gives are in existing base files.
    return 3.1415 * (3.0 * (a + b) - std::sqrt((3.0 * a + b) * (a + 3.0 * b)));
}

Tank::Tank() : NewPosScaleRotNstepTex12(kTypeTank) { scaleUV = false; }

std::string Tank::GetParameterText() const {
    std::string text = "\tPOS " + FormatVector3Double(pos) + "\r\n";
    text += "\tSCALE " + FormatDouble3(scale[1].value / 2.0) + " " + FormatDouble3(scale[2].value) +
            " " + FormatDouble3(scale[0].value / 2.0) + "\r\n";
    text += "\tROT " + FormatRotation(rot.value) + "\r\n";
    if (nstep.given) {
        text += "\tNSTEP " + FormatInt(nstep) + "\r\n";
    }
    // The wall texture follows the tank with PFG_SCALEUV; the tank keeps the scales it holds.
    TextureSpec wall = tex1;
    if (scaleUV) {
        wall.u.Set(TextureRepeatFactor(TankPerimeter(scale[0].value, scale[1].value)));
        wall.v.Set(TextureRepeatFactor(scale[2].value));
    }
    text += TextureLine("TEX1", wall);
    text += TextureLine("TEX2", tex2);
    if (scaleUV) {
        text += "\tPFG_SCALEUV\r\n";
    }
    return text + KeptLinesText();
}

bool Tank::ReadBackTopHeight(double& height) const {
    // SCALE holds the radii about the height, at 3 decimals.
    OptionalVector3Double written = scale;
    written[0].value /= 2.0;
    written[1].value /= 2.0;
    double base = 0.0, size = 0.0;
    if (!TripleHeightAsRead(pos, 3, base) || !TripleHeightAsRead(written, 3, size)) {
        return false;
    }
    height = base + size;
    return true;
}

std::unique_ptr<ObjectEditDialog> Tank::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeTank);
}

void Tank::CopyFrom(const AstrelObjectHandle& other) {
    const auto* source = dynamic_cast<const NewPosScaleRotNstepTex12*>(&other);
    if (source == nullptr) {
        return;
    }
    pos = source->pos;
    scale = source->scale;
    rot = source->rot;
    nstep = source->nstep;
    tex1 = source->tex1;
    tex2 = source->tex2;
    scaleUV = source->scaleUV;
}

bool ParseTank(AstrelObject& holder, const StringArray& group) {
    Tank local;
    local.rot.Set(0.0);
    local.scaleUV = false;
    const std::vector<ParameterReader> readers = {
        {"POS", [&](const StringArray& t) { return ReadPositionParam(local.pos, t); }},
        {"SCALE",
         [&](const StringArray& t) {
             const bool read = ReadVectorParam(local.scale, t);
             // The text holds radii.
             local.scale[0].Set(local.scale[0].value * 2.0);
             local.scale[1].Set(local.scale[1].value * 2.0);
             return read;
         }},
        {"ROT", [&](const StringArray& t) { return ReadAngleParam(local.rot, t); }},
        {"TEX1", [&](const StringArray& t) { return ReadTextureParam(local.tex1, t); }},
        {"TEX2", [&](const StringArray& t) { return ReadTextureParam(local.tex2, t); }},
        {"NSTEP", [&](const StringArray& t) { return ReadCountParam(local.nstep, t); }},
        {"PFG_SCALEUV",
         [&](const StringArray&) {
             local.scaleUV = true;
             return true;
         }},
    };
    AstrelObject scratch;
    if (!ReadObjectParameters(scratch, group, "TANK", local, readers)) {
        return false;
    }
    // Every SCALE line doubles the radii, and held sizes are written back through floats:
    // one doubled beyond their range would be written as "inf", which this reader refuses,
    // so it is refused here already.
    for (int i = 0; i < 2; ++i) {
        if (!(std::fabs(local.scale[i].value) / 2.0 <= FLT_MAX)) {
            return false;
        }
    }
    holder.AssignFrom(local);
    return true;
}

} // namespace pf
