#pragma once
// Landing pads: round, position-placed pads for vertical take-off and landing in three
// kinds that differ in type code, keyword, default texture and icon. The pad holds its
// rotation 90 degrees behind the text's ROT.
#include "foundation/string_array.h"
#include "objects/astrel_object.h"
#include "objects/placement_families.h"

namespace pf {

// The pad's shared text, dialog and copy; the leaves only set the type.
class LandingPad : public NewPosDiameterRotTexNav {
  public:
    static constexpr double kUnitDiameter = 80.0;

    // POS, SCALE (diameter / 80), ROT ("%.3f", text = held + 90), TEX and a valid NAV.
    std::string GetParameterText() const override;
    bool ReadBackTopHeight(double& height) const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    // POS, SCALE, ROT, TEX and NAV of any pad kind.
    void CopyFrom(const AstrelObjectHandle& other) override;

    // The kind's default texture: "Lpad01", "Lpad02", "Lpad02a".
    static const char* DefaultTexture(int32_t type);
    // A new pad of that kind (12, 13, 14); null for any other code.
    static std::unique_ptr<LandingPad> Make(int32_t type);

  protected:
    // Diameter 80 in both ground components; height extent 1.0, unset.
    explicit LandingPad(int32_t type);

  private:
    // SCALE's number: the diameter in units of 80.
    double WrittenScale() const { return scale[0].value / kUnitDiameter; }
};

class Lpad1 : public LandingPad {
  public:
    Lpad1() : LandingPad(kTypeLpad1) {}
};

class Lpad2 : public LandingPad {
  public:
    Lpad2() : LandingPad(kTypeLpad2) {}
};

class Lpad2A : public LandingPad {
  public:
    Lpad2A() : LandingPad(kTypeLpad2A) {}
};

bool ParseLpad1(AstrelObject& holder, const StringArray& group);
bool ParseLpad2(AstrelObject& holder, const StringArray& group);
bool ParseLpad2A(AstrelObject& holder, const StringArray& group);

} // namespace pf
