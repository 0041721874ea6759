#include "objects/object_editing.h"

#include "objects/astrel_object.h"

#include <utility>

namespace pf {

namespace {

ObjectDialogMaker& MakerSlot(int32_t code) {
    static ObjectDialogMaker makers[kObjectTypeCount];
    return makers[code];
}

} // namespace

ObjectDialogMaker ObjectDialogRegistry::Register(int32_t code, ObjectDialogMaker maker) {
    if (code < 0 || code >= kObjectTypeCount) {
        return ObjectDialogMaker();
    }
    ObjectDialogMaker previous = std::move(MakerSlot(code));
    MakerSlot(code) = std::move(maker);
    return previous;
}

std::unique_ptr<ObjectEditDialog> ObjectDialogRegistry::Create(int32_t code) {
    if (code < 0 || code >= kObjectTypeCount || !MakerSlot(code)) {
        return nullptr;
    }
    return MakerSlot(code)();
}

} // namespace pf
