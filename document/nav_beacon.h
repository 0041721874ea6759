#pragma once
// One navigation beacon of a base, as its line in the base files gives it.
#include "objects/optional_values.h"

#include <string>
#include <vector>

namespace pf {

struct NavBeacon {
    std::string type = "VOR";
    OptionalFloat longitude;
    OptionalFloat latitude;
    std::string identifier;
    OptionalFloat frequency;
    // The line's optional last number: read and written back, never edited.
    OptionalDouble sixth;

    // "type identifier longitude latitude frequency[ sixth]\r\n". Separators in type and
    // identifier become '_' and an empty one "-", so that the line reads back whole.
    std::string FormatLine() const;
};

class NavBeaconArray : public std::vector<NavBeacon> {
  public:
    using std::vector<NavBeacon>::vector;
    // Appends a copy.
    void Add(const NavBeacon& beacon) { push_back(beacon); }
    int GetCount() const { return static_cast<int>(size()); }
};

} // namespace pf
