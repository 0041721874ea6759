#pragma once
// Tanks: elliptic ground plan, a wall texture whose repeat follows the perimeter and a
// roof texture. SCALE holds full extents; the text holds the horizontal radii.
#include "foundation/string_array.h"
#include "objects/placement_families.h"

#include <memory>
#include <string>

namespace pf {

class AstrelObject;
class ObjectEditDialog;

class Tank : public NewPosScaleRotNstepTex12 {
  public:
    Tank();
    // Writing recomputes and keeps the wall texture's scales when PFG_SCALEUV is set.
    std::string GetParameterText() const override;
    bool ReadBackTopHeight(double& height) const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
};

// The perimeter value of an ellipse with full axes a and b, as the wall rule takes it.
double TankPerimeter(double a, double b);

bool ParseTank(AstrelObject& holder, const StringArray& group);

} // namespace pf
