#pragma once
// Trains: a track between two ends with a maximum speed, a slow zone and a texture.
// Train1 runs on a monorail; Train2 hangs from a rail at a height of its own.
#include "foundation/string_array.h"
#include "objects/astrel_object.h"
#include "objects/placement_families.h"

namespace pf {

class Train1 : public NewEnd12Speed {
  public:
    Train1();

    std::string GetParameterText() const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
};

class Train2 : public NewEnd12SpeedHeight {
  public:
    Train2();

    std::string GetParameterText() const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
};

// The kinds' default textures.
inline constexpr const char* kTrain1Texture = "Monorail";
inline constexpr const char* kTrain2Texture = "Hangrail";

bool ParseTrain1(AstrelObject& holder, const StringArray& group);
bool ParseTrain2(AstrelObject& holder, const StringArray& group);

} // namespace pf
