#pragma once
// Object parameters that may be absent from a base file, the text each kind of value is
// written as, and the table of navigation frequencies new pads and runways pick from.
//
// Axis convention: internal points are (map x east, map y north, height). The text
// "a b c" of a position (POS, END1, END2) is held as (c, -a, b); of a size or colour
// (SCALE, COL) as (c, a, b). The second number of the text is always the height.
#include "foundation/geometry.h"

#include <cstdint>
#include <string>

namespace pf {

struct OptionalInt {
    bool given = false;
    int32_t value = 0;

    void Set(int32_t v) {
        value = v;
        given = true;
    }
    void Assign(const OptionalInt& other) { *this = other; }
    bool IsSet() const { return given; }
    int32_t Get() const { return value; }
    friend bool operator==(const OptionalInt&, const OptionalInt&) = default;
};

struct OptionalFloat {
    bool given = false;
    float value = 0.0f;

    void Set(float v) {
        value = v;
        given = true;
    }
    void Assign(const OptionalFloat& other) { *this = other; }
    bool IsSet() const { return given; }
    float Get() const { return value; }
    friend bool operator==(const OptionalFloat&, const OptionalFloat&) = default;
};

struct OptionalDouble {
    double value = 0.0;
    bool given = false;

    void Set(double v) {
        value = v;
        given = true;
    }
    void Assign(const OptionalDouble& other) { *this = other; }
    bool IsSet() const { return given; }
    double Get() const { return value; }
    friend bool operator==(const OptionalDouble&, const OptionalDouble&) = default;
};

// POS, END1, END2 and SCALE: components 0 (x), 1 (y), 2 (height).
struct OptionalVector3Double {
    OptionalDouble e[3];

    // Set when all three components are.
    bool IsSet() const { return e[0].given && e[1].given && e[2].given; }
    Point3 Get() const { return Point3{e[0].value, e[1].value, e[2].value}; }
    // Stores all three and marks them set.
    void Set(const Point3& p) {
        e[0].Set(p.x);
        e[1].Set(p.y);
        e[2].Set(p.z);
    }
    void Set(double x, double y, double z) { Set(Point3{x, y, z}); }
    OptionalDouble& operator[](int i) { return e[i]; }
    const OptionalDouble& operator[](int i) const { return e[i]; }
    friend bool operator==(const OptionalVector3Double&, const OptionalVector3Double&) = default;
};

// COL and VASI colours.
struct OptionalVector3Float {
    OptionalFloat e[3];

    bool IsSet() const { return e[0].given && e[1].given && e[2].given; }
    OptionalFloat& operator[](int i) { return e[i]; }
    const OptionalFloat& operator[](int i) const { return e[i]; }
    friend bool operator==(const OptionalVector3Float&, const OptionalVector3Float&) = default;
};

// A texture name with optional u and v repeat factors.
struct TextureSpec {
    std::string name;
    OptionalFloat u;
    OptionalFloat v;

    bool IsComplete() const { return !name.empty() && u.given && v.given; }
    friend bool operator==(const TextureSpec&, const TextureSpec&) = default;
};

// A navigation frequency in MHz. `present` belongs to the owner (reader, dialog, copy);
// `valid` says the value lies in the band the simulator accepts.
struct NavFrequency {
    bool present = false;
    bool valid = false;
    float value = 0.0f;

    static constexpr float kLowest = 108.0f;
    static constexpr float kHighest = 139.0f;

    // Clears valid; a value within [108, 139] is stored and made valid (true), any other
    // leaves the old value (false).
    bool Set(float mhz);
    friend bool operator==(const NavFrequency&, const NavFrequency&) = default;
};

// 318 channels 0.1 MHz apart from 108.0, accumulated in single precision as the stored
// bases were made, each with a used flag.
class NavFrequencyTable {
  public:
    static constexpr int kSlotCount = 318;

    NavFrequencyTable();
    void ClearUsed();
    // False outside [108, 140] and past the last slot; else marks the nearest slot.
    bool MarkUsed(float mhz);
    bool IsUsed(int slot) const { return slot >= 0 && slot < kSlotCount && used_[slot] != 0; }
    float GetFrequency(int slot) const { return frequencies_[slot]; }
    // First unused of slots 1..317; 108.0 when none. Slot 0 is never offered.
    float FirstFree() const;
    // First unused of 160..317, then 1..159; 120.0 when none.
    float FirstFreeFromMiddle() const;

  private:
    float frequencies_[kSlotCount];
    uint8_t used_[kSlotCount];
};

// Value texts. Numbers are narrowed to float and written with at most the given
// decimals, trailing zeros and point removed, never "-0".
std::string FormatInt(const OptionalInt& v);
std::string FormatFloat4(const OptionalFloat& v);
std::string FormatFloat4(float v);
std::string FormatDouble2(double v);
std::string FormatDouble3(double v);
// ROT of blocks, hangars, tanks, solar plants and meshes: FormatDouble2, but a turn just
// short of -360 that would be written "-360" is written "0", the same turn: the reader
// takes -360 as 0, so the text would otherwise change at the next save. "360" reads back
// as 360 and stays.
std::string FormatRotation(double v);
// One decimal ("108.0"); a value off the 0.1 MHz grid keeps two ("109.35"), so that a
// frequency read from the simulator's files is written back as the same frequency.
std::string FormatFrequency(float mhz);
std::string FormatFrequency(const OptionalFloat& v);
std::string FormatFrequency(const NavFrequency& v);
// POS, END1, END2: "-e1 e2 e0" at 3 decimals.
std::string FormatVector3Double(const OptionalVector3Double& v);
// SCALE: "e1 e2 e0" at 4 decimals.
std::string FormatVector3DoubleRotated(const OptionalVector3Double& v);
// COL: "e1 e2 e0" at 4 decimals.
std::string FormatVector3Float(const OptionalVector3Float& v);
// PAPI: three floats, and the mode when it is given.
std::string FormatPapiValues(const OptionalFloat& f0, const OptionalFloat& f1,
                             const OptionalFloat& f2, const OptionalInt& mode);
std::string FormatTextureSpec(const TextureSpec& t);

// What the reader takes back from the texts above, worked out without building them; each
// is false when a number of the text would not read (a value beyond a float's range).
// A value written with the given decimals.
bool ValueAsRead(double v, int decimals, double& out);
// A triple written by FormatVector3Double (a position, 3 decimals) or
// FormatVector3DoubleRotated (4 decimals), as its reader holds it.
bool TripleAsRead(const OptionalVector3Double& v, int decimals, bool position,
                  OptionalVector3Double& out);
// Only the height (component 2) of such a triple, for when nothing else is needed.
bool TripleHeightAsRead(const OptionalVector3Double& v, int decimals, double& height);
// A rotation written by FormatRotation, as the angle reader holds it.
bool RotationAsRead(double v, double& out);

} // namespace pf
