#pragma once
// Growable arrays of strings: line lists, token lists, and (label, text) pairs.
#include <string>
#include <vector>

namespace pf {

class StringArray : public std::vector<std::string> {
  public:
    using std::vector<std::string>::vector;
};

struct LabeledString {
    std::string label;
    std::string text;
};

class LabeledStringArray : public std::vector<LabeledString> {
  public:
    using std::vector<LabeledString>::vector;
};

} // namespace pf
