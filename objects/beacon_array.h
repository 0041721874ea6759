#pragma once
// Beacon arrays: a row of coloured beacons between two end points. The icon is painted
// in the array's own colour.
#include "foundation/string_array.h"
#include "objects/placement_families.h"

#include <cstdint>
#include <memory>
#include <string>

namespace pf {

class AstrelObject;
class BitmapData;
class ObjectEditDialog;

class BeaconArray : public NewEnd12CountSizeCol {
  public:
    BeaconArray();
    std::string GetParameterText() const override;
    // A 32 x 32 square, 24 bits, in the colour.
    void GetIcon(BitmapData& image) const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
};

// A colour channel (0 to 1) as an icon byte: value * 255 truncated toward zero, its low
// 8 bits. A product that is not a number or lies beyond the 32-bit integers gives 0.
std::uint8_t BeaconColourByte(float channel);

bool ParseBeaconArray(AstrelObject& holder, const StringArray& group);

} // namespace pf
