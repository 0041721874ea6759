#include "objects/landing_pad.h"

#include "foundation/text.h"
#include "objects/object_editing.h"
#include "objects/runway.h"
#include "objects/value_readers.h"

#include <vector>

namespace pf {

LandingPad::LandingPad(int32_t type) : NewPosDiameterRotTexNav(type) {
    scale[0].Set(kUnitDiameter);
    scale[1].Set(kUnitDiameter);
    scale[2].value = 1.0;
    scale[2].given = false;
    nav = DefaultNavFrequency();
}

std::string LandingPad::GetParameterText() const {
    std::string text = "\tPOS " + FormatVector3Double(pos) + "\r\n";
    text += "\tSCALE " + FormatDouble3(WrittenScale()) + "\r\n";
    double r = rot.value + 90.0;
    if (r >= 360.0) {
        r -= 360.0;
    }
    std::string turn = FormatString("%.3f", static_cast<double>(static_cast<float>(r)));
    // Just short of a whole turn rounds up to "360.000", which reads back as the pad at ROT 0
    // and is then written as 0: write that at once, so the text reads back to itself.
    if (turn == "360.000") {
        turn = "0.000";
    }
    text += "\tROT " + turn + "\r\n";
    if (!tex.empty()) {
        text += "\tTEX " + tex + "\r\n";
    }
    if (nav.valid) {
        text += "\tNAV " + FormatFrequency(nav) + "\r\n";
    }
    return text + KeptLinesText();
}

bool LandingPad::ReadBackTopHeight(double& height) const {
    // The one SCALE number comes back as the pad's height as well.
    double base = 0.0, size = 0.0;
    if (!TripleHeightAsRead(pos, 3, base) || !ValueAsRead(WrittenScale(), 3, size)) {
        return false;
    }
    height = base + size;
    return true;
}

const char* LandingPad::DefaultTexture(int32_t type) {
    switch (type) {
    case kTypeLpad2:
        return "Lpad02";
    case kTypeLpad2A:
        return "Lpad02a";
    default:
        return "Lpad01";
    }
}

std::unique_ptr<LandingPad> LandingPad::Make(int32_t type) {
    switch (type) {
    case kTypeLpad1:
        return std::make_unique<Lpad1>();
    case kTypeLpad2:
        return std::make_unique<Lpad2>();
    case kTypeLpad2A:
        return std::make_unique<Lpad2A>();
    default:
        return nullptr;
    }
}

std::unique_ptr<ObjectEditDialog> LandingPad::CreateDialog() const {
    return ObjectDialogRegistry::Create(type_);
}

void LandingPad::CopyFrom(const AstrelObjectHandle& other) {
    const auto* o = dynamic_cast<const NewPosDiameterRotTexNav*>(&other);
    if (o == nullptr) {
        return;
    }
    pos = o->pos;
    scale = o->scale;
    rot = o->rot;
    tex = o->tex;
    nav = o->nav;
}

namespace {

bool ParsePad(AstrelObject& holder, const StringArray& group, const char* word, LandingPad& pad) {
    // The simulator reads a pad without ROT as text ROT 0, which is held as 270.
    pad.rot.Set(270.0);
    pad.nav.present = false;
    const std::vector<ParameterReader> readers = {
        {"POS", [&](const StringArray& t) { return ReadPositionParam(pad.pos, t); }},
        {"SCALE",
         [&](const StringArray& t) {
             OptionalFloat s;
             if (!ReadFloatParam(s, t)) {
                 return false;
             }
             const double v = s.value;
             pad.scale.Set(LandingPad::kUnitDiameter * v, LandingPad::kUnitDiameter * v, v);
             return true;
         }},
        {"ROT",
         [&](const StringArray& t) {
             OptionalDouble a;
             if (!ReadAngleParam(a, t)) {
                 return false;
             }
             // The pad's own zero lies 90 degrees before the text's.
             double r = a.value - 90.0;
             if (r < 0.0) {
                 r += 360.0;
             }
             pad.rot.Set(r);
             return true;
         }},
        {"TEX", [&](const StringArray& t) { return ParseSecond(t, pad.tex); }},
        {"NAV",
         [&](const StringArray& t) {
             const bool ok = ReadFrequencyParam(pad.nav, t);
             pad.nav.present = true;
             return ok;
         }},
    };
    return ReadObjectParameters(holder, group, word, pad, readers);
}

} // namespace

bool ParseLpad1(AstrelObject& holder, const StringArray& group) {
    Lpad1 pad;
    return ParsePad(holder, group, "LPAD1", pad);
}

bool ParseLpad2(AstrelObject& holder, const StringArray& group) {
    Lpad2 pad;
    return ParsePad(holder, group, "LPAD2", pad);
}

bool ParseLpad2A(AstrelObject& holder, const StringArray& group) {
    Lpad2A pad;
    return ParsePad(holder, group, "LPAD2A", pad);
}

} // namespace pf
