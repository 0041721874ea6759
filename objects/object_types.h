#pragma once
// The object types in one table: for each type code its keyword, the maker of an empty
// object, the parser of its group in a base file, its place in a base's object order, its
// icon and its button in "Add Object". The factory, the base-file reader, the document's
// object order, the root's icon and the "Add Object" chooser read from here; a new type is
// one row here and one in the dialog-maker table (objects/ui/object_dialogs.cpp).
#include "foundation/string_array.h"
#include "objects/astrel_object.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pf {

// One type's parser: the group's first line is its type word.
using ObjectGroupParser = bool (*)(AstrelObject& holder, const StringArray& group);

// Where a type's objects stand in a base: ascending groups; unknown types last.
inline constexpr int kObjectOrderGroups = 11;

struct ObjectTypeRow {
    int32_t code;
    std::string keyword;
    ObjectCreator create;    // null for the codes the factory does not make (0 and 16)
    ObjectGroupParser parse; // null for the codes no base file holds
    int orderGroup;          // 0 .. kObjectOrderGroups - 1
    const char* icon;        // the install folder's picture; null: the type draws its own
    // Its type button in "Add Object": id 0 for none; place 1, 2, ... in the dialog.
    int buttonId;
    const char* buttonCaption;
    int buttonPlace;
};

// Every code 0 to 16, in code order.
const std::vector<ObjectTypeRow>& ObjectTypeTable();
// The row of a code; null outside 0..16.
const ObjectTypeRow* FindObjectType(int32_t code);

} // namespace pf
