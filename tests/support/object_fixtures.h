#pragma once
// Shared helpers for the object and object-dialog tests.
#include "objects/logic/object_dialog_logic.h"
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
