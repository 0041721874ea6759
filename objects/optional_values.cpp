#include "objects/optional_values.h"

#include "foundation/geometry.h"
#include "foundation/text.h"

#include <cmath>
#include <cstring>

namespace pf {

bool NavFrequency::Set(float mhz) {
    valid = false;
    if (mhz >= kLowest && mhz <= kHighest) {
        value = mhz;
        valid = true;
        return true;
    }
    return false;
}

NavFrequencyTable::NavFrequencyTable() {
    float f = 108.0f;
    for (int i = 0; i < kSlotCount; ++i) {
        frequencies_[i] = f;
        f += 0.1f;
    }
    ClearUsed();
}

void NavFrequencyTable::ClearUsed() { std::memset(used_, 0, sizeof(used_)); }

bool NavFrequencyTable::MarkUsed(float mhz) {
    if (!(mhz >= 108.0f && mhz <= 140.0f)) {
        return false;
    }
    // Single precision throughout, so that every stored channel maps to its own slot.
    const float scaled = (mhz - 108.0f) * 10.0f + 0.5f;
    const int slot = static_cast<int>(scaled);
    if (slot >= kSlotCount) {
        return false;
    }
    used_[slot] = 1;
    return true;
}

float NavFrequencyTable::FirstFree() const {
    for (int i = 1; i < kSlotCount; ++i) {
        if (!used_[i]) {
            return frequencies_[i];
        }
    }
    return 108.0f;
}

float NavFrequencyTable::FirstFreeFromMiddle() const {
    for (int i = 160; i < kSlotCount; ++i) {
        if (!used_[i]) {
            return frequencies_[i];
        }
    }
    for (int i = 1; i < 160; ++i) {
        if (!used_[i]) {
            return frequencies_[i];
        }
    }
    return 120.0f;
}

std::string FormatInt(const OptionalInt& v) { return FormatString("%d", v.value); }

std::string FormatFloat4(const OptionalFloat& v) { return FormatNumber(v.value, 4); }

std::string FormatFloat4(float v) { return FormatNumber(v, 4); }

std::string FormatDouble2(double v) { return FormatNumber(static_cast<float>(v), 2); }

std::string FormatDouble3(double v) { return FormatNumber(static_cast<float>(v), 3); }

std::string FormatRotation(double v) {
    const std::string text = FormatDouble2(v);
    return text == "-360" ? std::string("0") : text;
}

std::string FormatFrequency(float mhz) {
    const double v = mhz;
    const double tenths = v * 10.0;
    // Within 0.001 MHz of a 0.1 MHz step: the one-decimal form says the same frequency.
    if (std::isfinite(tenths) && std::fabs(tenths - std::round(tenths)) <= 0.01) {
        return FormatString("%.1f", v);
    }
    std::string text = FormatString("%.2f", v);
    // Hundredths that round onto a 0.1 MHz step read back as that step, which is written
    // with one decimal: write it so at once.
    if (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    return text;
}

std::string FormatFrequency(const OptionalFloat& v) { return FormatFrequency(v.value); }

std::string FormatFrequency(const NavFrequency& v) { return FormatFrequency(v.value); }

std::string FormatVector3Double(const OptionalVector3Double& v) {
    return FormatNumber(static_cast<float>(-v.e[1].value), 3) + " " +
           FormatNumber(static_cast<float>(v.e[2].value), 3) + " " +
           FormatNumber(static_cast<float>(v.e[0].value), 3);
}

std::string FormatVector3DoubleRotated(const OptionalVector3Double& v) {
    return FormatNumber(static_cast<float>(v.e[1].value), 4) + " " +
           FormatNumber(static_cast<float>(v.e[2].value), 4) + " " +
           FormatNumber(static_cast<float>(v.e[0].value), 4);
}

std::string FormatVector3Float(const OptionalVector3Float& v) {
    return FormatFloat4(v.e[1]) + " " + FormatFloat4(v.e[2]) + " " + FormatFloat4(v.e[0]);
}

std::string FormatPapiValues(const OptionalFloat& f0, const OptionalFloat& f1,
                             const OptionalFloat& f2, const OptionalInt& mode) {
    std::string text = FormatFloat4(f0) + " " + FormatFloat4(f1) + " " + FormatFloat4(f2);
    if (mode.given) {
        text += " " + FormatInt(mode);
    }
    return text;
}

std::string FormatTextureSpec(const TextureSpec& t) {
    return t.name + " " + FormatFloat4(t.u) + " " + FormatFloat4(t.v);
}

bool ValueAsRead(double v, int decimals, double& out) {
    float read = 0.0f;
    if (!NumberAsRead(static_cast<float>(v), decimals, read)) {
        return false;
    }
    out = read;
    return true;
}

bool TripleAsRead(const OptionalVector3Double& v, int decimals, bool position,
                  OptionalVector3Double& out) {
    // The text's order: -e1 (e1 for a size), e2, e0.
    double first = 0.0, second = 0.0, third = 0.0;
    if (!ValueAsRead(position ? -v.e[1].value : v.e[1].value, decimals, first) ||
        !ValueAsRead(v.e[2].value, decimals, second) ||
        !ValueAsRead(v.e[0].value, decimals, third)) {
        return false;
    }
    out.Set(third, position ? -first : first, second);
    return true;
}

bool TripleHeightAsRead(const OptionalVector3Double& v, int decimals, double& height) {
    return std::isfinite(static_cast<float>(v.e[0].value)) &&
           std::isfinite(static_cast<float>(v.e[1].value)) &&
           ValueAsRead(v.e[2].value, decimals, height);
}

bool RotationAsRead(double v, double& out) {
    double read = 0.0;
    if (!ValueAsRead(v, 2, read)) {
        return false;
    }
    // "-360", written "0", reads back as 0 either way.
    out = WrapAngle360(read);
    return true;
}

} // namespace pf
