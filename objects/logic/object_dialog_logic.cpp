#include "objects/logic/object_dialog_logic.h"

#include "foundation/geometry.h"
#include "objects/object_types.h"

#include <algorithm>

namespace pf {

bool ObjectDialogLogic::SetObject(const AstrelObjectHandle& object) {
    if (!AcceptsObject(object)) {
        return false;
    }
    holder_.AssignFrom(object);
    LoadFromObject();
    return true;
}

void ObjectDialogLogic::GetObject(AstrelObject& out) const {
    if (holder_.IsEmpty()) {
        out.Clear();
        return;
    }
    out.AssignFrom(*holder_.Get());
}

bool ObjectDialogLogic::AcceptsObject(const AstrelObjectHandle&) const { return false; }

ControlTexts ObjectDialogLogic::ShowFields() {
    ControlTexts texts;
    FieldExchange dx = FieldExchange::Show(texts);
    Exchange(dx);
    return texts;
}

std::optional<FieldRefusal> ObjectDialogLogic::ReadFields(const ControlTexts& texts) {
    FieldExchange dx = FieldExchange::Read(texts);
    Exchange(dx);
    if (dx.Failed()) {
        return dx.Refusal();
    }
    return std::nullopt;
}

AcceptOutcome ObjectDialogLogic::Accept(const ControlTexts& texts) {
    AcceptOutcome outcome;
    outcome.refusal = ReadFields(texts);
    if (outcome.refusal || !ReadyToStore()) {
        return outcome;
    }
    // The dialog rebuilds the object from its fields; the lines it never knew stay.
    const StringArray kept = holder_.IsEmpty() ? StringArray() : holder_.Get()->GetKeptLines();
    StoreObject();
    if (!holder_.IsEmpty()) {
        holder_.Get()->SetKeptLines(kept);
    }
    outcome.accepted = true;
    return outcome;
}

double NormaliseDialogRotation(double rotation) {
    if (rotation < 0.0) {
        rotation = WrapAngle360(360.0) + rotation;
    }
    if (rotation >= 360.0) {
        rotation = 0.0;
    }
    return rotation;
}

const std::vector<AddObjectLogic::Button>& AddObjectLogic::Buttons() {
    static const std::vector<Button> buttons = [] {
        std::vector<const ObjectTypeRow*> rows;
        for (const ObjectTypeRow& row : ObjectTypeTable()) {
            if (row.buttonId != 0) {
                rows.push_back(&row);
            }
        }
        std::sort(rows.begin(), rows.end(), [](const ObjectTypeRow* a, const ObjectTypeRow* b) {
            return a->buttonPlace < b->buttonPlace;
        });
        std::vector<Button> list;
        for (const ObjectTypeRow* row : rows) {
            list.push_back({row->buttonId, row->buttonCaption, row->code});
        }
        return list;
    }();
    return buttons;
}

bool AddObjectLogic::Choose(int buttonId) {
    for (const Button& button : Buttons()) {
        if (button.id == buttonId) {
            code_ = button.code;
            return true;
        }
    }
    return false;
}

} // namespace pf
