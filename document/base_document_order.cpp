#include "document/base_document.h"

#include <array>
#include <vector>

namespace pf {

namespace {

// The place of a type code in a base's object order; anything unknown goes last.
int GroupOfType(int32_t code) {
    switch (code) {
    case kTypeRunwayLights:
        return 0;
    case kTypeRunway:
        return 1;
    case kTypeMesh:
        return 2;
    case kTypeBeaconArray:
        return 3;
    case kTypeLpad1:
    case kTypeLpad2:
    case kTypeLpad2A:
        return 4;
    case kTypeBlock:
        return 5;
    case kTypeHangar:
    case kTypeHangar2:
    case kTypeHangar3:
        return 6;
    case kTypeTank:
        return 7;
    case kTypeTrain1:
    case kTypeTrain2:
        return 8;
    case kTypeSolarPlant:
        return 9;
    default:
        return 10;
    }
}

} // namespace

void BaseDocument::GroupObjectsByType() {
    std::array<std::vector<const AstrelObject*>, 11> groups;
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
