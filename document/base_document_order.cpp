#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "objects/object_types.h"

#include <algorithm>
#include <array>
#include <cmath>
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
    std::array<std::vector<ObjectArray::iterator>, kObjectOrderGroups> groups;
    for (auto it = objects_.begin(); it != objects_.end(); ++it) {
        groups[static_cast<size_t>(GroupOfType(it->GetType()))].push_back(it);
    }
    std::vector<ObjectArray::iterator> order;
    for (const auto& group : groups) {
        order.insert(order.end(), group.begin(), group.end());
    }
    objects_.Rearrange(order);
}

void BaseDocument::SortObjects() {
    GroupObjectsByType();
    // Inserting each object before the first strictly higher one is a stable sort by top
    // height, done here in n log n. A height that is not a number compares with nothing;
    // the insertion rule alone says where such objects go.
    struct Entry {
        double height;
        ObjectArray::iterator object;
    };
    std::vector<Entry> entries;
    bool ordered = true;
    for (auto it = objects_.begin(); it != objects_.end(); ++it) {
        // Heights as the base file gives them, so that the order survives a save and a load;
        // worked out from the written numbers, and read back whole only when one of them
        // would not read.
        double height = 0.0;
        if (!it->ReadBackTopHeight(height)) {
            height = TopHeightAsRead(*it);
        }
        ordered = ordered && !std::isnan(height);
        entries.push_back({height, it});
    }
    if (!ordered) {
        ObjectArray sorted;
        for (const AstrelObject& object : objects_) {
            sorted.InsertSorted(object);
        }
        objects_.Copy(sorted);
        return;
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.height < b.height; });
    std::vector<ObjectArray::iterator> order;
    order.reserve(entries.size());
    for (const Entry& entry : entries) {
        order.push_back(entry.object);
    }
    objects_.Rearrange(order);
}

} // namespace pf
