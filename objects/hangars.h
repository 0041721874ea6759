#pragma once
// The three hangar kinds, built on the block's parameter set: `Hangar` takes its wall
// repeat factors the other way round, `Hangar2` adds a roof height, `Hangar3` never
// recomputes its scales.
#include "foundation/string_array.h"
#include "objects/placement_families.h"

#include <memory>
#include <string>

namespace pf {

class AstrelObject;
class ObjectEditDialog;

class Hangar : public NewPosScaleRotTex123 {
  public:
    Hangar();
    std::string GetParameterText() const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
};

class Hangar2 : public NewPosScaleRotTex123Roofh {
  public:
    Hangar2();
    std::string GetParameterText() const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
};

class Hangar3 : public NewPosScaleRotTex123 {
  public:
    Hangar3();
    std::string GetParameterText() const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
};

bool ParseHangar(AstrelObject& holder, const StringArray& group);
bool ParseHangar2(AstrelObject& holder, const StringArray& group);
bool ParseHangar3(AstrelObject& holder, const StringArray& group);

} // namespace pf
