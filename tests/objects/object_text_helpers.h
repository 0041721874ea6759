#pragma once
// Object groups for parser tests: a type word and parameter lines as they stand in a
// base file, split by the configuration reader.
#include "objects/astrel_object.h"
#include "workspace/config_reader.h"

#include <string>

namespace pf::test {

inline StringArray GroupOf(const std::string& typeWord, const std::string& parameters) {
    StringArray lines;
    SplitTextIntoLines(lines, typeWord + "\r\n" + parameters);
    return lines;
}

// Parses the group and gives the held object's parameter text ("" when parsing failed).
template <class Parser>
std::string ParsedText(Parser parse, const std::string& typeWord, const std::string& parameters,
                       AstrelObject* out = nullptr) {
    AstrelObject holder;
    if (!parse(holder, GroupOf(typeWord, parameters)) || holder.IsEmpty()) {
        return std::string();
    }
    const std::string text = holder.GetParameterText();
    if (out != nullptr) {
        *out = holder;
    }
    return text;
}

} // namespace pf::test
