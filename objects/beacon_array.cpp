#include "objects/beacon_array.h"

#include "imagery/bitmap_data.h"
#include "objects/object_editing.h"
#include "objects/parameter_lines.h"
#include "objects/value_readers.h"

#include <cmath>

namespace pf {

std::uint8_t BeaconColourByte(float channel) {
    const double product = static_cast<double>(channel) * 255.0;
    if (!std::isfinite(product) || product <= -2147483649.0 || product >= 2147483648.0) {
        return 0;
    }
    const auto truncated = static_cast<int32_t>(product);
    return static_cast<std::uint8_t>(static_cast<uint32_t>(truncated) & 0xFFu);
}

BeaconArray::BeaconArray() : NewEnd12CountSizeCol(kTypeBeaconArray) {
    for (int i = 0; i < 3; ++i) {
        col[i].Set(1.0f);
    }
    size.Set(1.0);
    count.Set(10);
}

std::string BeaconArray::GetParameterText() const {
    std::string text = EndLines(*this);
    if (count.given) {
        text += "\tCOUNT " + FormatInt(count) + "\r\n";
    }
    if (size.given) {
        text += "\tSIZE " + FormatDouble3(size.value) + "\r\n";
    }
    if (col.IsSet()) {
        text += "\tCOL " + FormatVector3Float(col) + "\r\n";
    }
    return text + KeptLinesText();
}

void BeaconArray::GetIcon(BitmapData& image) const {
    if (!image.Create24(32, 32)) {
        return;
    }
    // COL holds (blue, red, green).
    image.FillColor24(ColorRGB::FromRgb(BeaconColourByte(col[1].value),
                                        BeaconColourByte(col[2].value),
                                        BeaconColourByte(col[0].value)));
}

std::unique_ptr<ObjectEditDialog> BeaconArray::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeBeaconArray);
}

void BeaconArray::CopyFrom(const AstrelObjectHandle& other) {
    const auto* source = dynamic_cast<const NewEnd12CountSizeCol*>(&other);
    if (source == nullptr) {
        return;
    }
    end1 = source->end1;
    end2 = source->end2;
    count = source->count;
    size = source->size;
    col = source->col;
}

bool ParseBeaconArray(AstrelObject& holder, const StringArray& group) {
    BeaconArray local;
    const std::vector<ParameterReader> readers = {
        {"END1", [&](const StringArray& t) { return ReadPositionParam(local.end1, t); }},
        {"END2", [&](const StringArray& t) { return ReadPositionParam(local.end2, t); }},
        {"COUNT", [&](const StringArray& t) { return ReadCountParam(local.count, t); }},
        {"SIZE", [&](const StringArray& t) { return ReadDoubleParam(local.size, t); }},
        {"COL", [&](const StringArray& t) { return ReadColorParam(local.col, t); }},
    };
    return ReadObjectParameters(holder, group, "BEACONARRAY", local, readers);
}

} // namespace pf
