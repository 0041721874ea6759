#pragma once
// Solar plants: a grid of panels, 40 metres per cell; the extent follows from the grid.
#include "foundation/string_array.h"
#include "objects/placement_families.h"

#include <memory>
#include <string>

namespace pf {

class AstrelObject;
class ObjectEditDialog;

class SolarPlant : public NewPosScaleRotSpacingGridTex {
  public:
    static constexpr double kCellSize = 40.0;

    SolarPlant();
    std::string GetParameterText() const override;
    bool ReadBackTopHeight(double& height) const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
};

bool ParseSolarPlant(AstrelObject& holder, const StringArray& group);

} // namespace pf
