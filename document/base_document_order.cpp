#include "document/base_document.h"
#include "objects/object_types.h"

#include <array>
#include <vector>

namespace pf {

namespace {

// The place of a type code in a base's object order; anything unknown goes last.
int GroupOfType(int32_t code) {
    const ObjectTypeRow* row = FindObjectType(code);
    return row != nullptr ? row->orderGroup : kObjectOrderGroups - 1;
}

} // namespace

void BaseDocument::GroupObjectsByType() {
    std::array<std::vector<const AstrelObject*>, kObjectOrderGroups> groups;
    for (const AstrelObject& object : objects_) {
        groups[static_cast<size_t>(GroupOfType(object.GetType()))].push_back(&object);
    }
    ObjectArray grouped;
    for (const auto& group : groups) {
        for (const AstrelObject* object : group) {
            grouped.Add(*object);
        }
    }
    objects_.Copy(grouped);
}

void BaseDocument::SortObjects() {
    GroupObjectsByType();
    ObjectArray sorted;
    for (const AstrelObject& object : objects_) {
        sorted.InsertSorted(object);
    }
    objects_.Copy(sorted);
}

} // namespace pf
