#pragma once
// The one helper header of the object and object-dialog tests: object groups as a base
// file holds them, objects read from them, and OK on a dialog logic.
#include "objects/logic/object_dialog_logic.h"
#include "objects/object_types.h"
#include "workspace/config_reader.h"

#include <optional>
#include <string>

namespace pf::test {

// The lines of one object group, as the reader hands them to a parser.
inline StringArray Group(const std::string& text) {
    StringArray lines;
    SplitTextIntoLines(lines, text);
    return lines;
}
inline StringArray GroupOf(const std::string& typeWord, const std::string& parameters) {
    return Group(typeWord + "\r\n" + parameters);
}

// Parses the group and gives the held object's parameter text ("" when parsing failed).
template <class Parser>
std::string ParsedText(Parser parse, const std::string& typeWord, const std::string& parameters,
                       AstrelObject* out = nullptr) {
    AstrelObject holder;
    if (!parse(holder, GroupOf(typeWord, parameters)) || holder.IsEmpty()) {
        return std::string();
    }
    if (out != nullptr) {
        *out = holder;
    }
    return holder.GetParameterText();
}

// The object of a type word and its parameter lines, read by the type table's parser of
// that word; empty when it does not parse.
inline AstrelObject Parsed(const std::string& typeWord, const std::string& parameters) {
    AstrelObject holder;
    for (const ObjectTypeRow& row : ObjectTypeTable()) {
        if (row.parse != nullptr && row.keyword == typeWord) {
            ParsedText(row.parse, typeWord, parameters, &holder);
        }
    }
    return holder;
}

// The texts the dialog would show.
inline ControlTexts Shown(ObjectDialogLogic& logic) { return logic.ShowFields(); }

// A kind button's state: 1 checked (not the current kind), 0 the current kind, -1 no kind
// button.
inline int KindState(const ObjectDialogLogic& logic, int button) {
    bool checked = false;
    return logic.GetKindButtonState(button, checked) ? int(checked) : -1;
}

// OK on the logic: true and the edited object in `result`, or false and the refusal.
inline bool Accept(ObjectDialogLogic& logic, const ControlTexts& texts, AstrelObject& result,
                   FieldRefusal& refusal) {
    if (std::optional<FieldRefusal> refused = logic.Accept(texts).refusal) {
        refusal = *refused;
        return false;
    }
    logic.GetObject(result);
    return true;
}

} // namespace pf::test
