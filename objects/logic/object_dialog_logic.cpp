#include "objects/logic/object_dialog_logic.h"

#include "foundation/geometry.h"

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

std::optional<FieldRefusal> ObjectDialogLogic::Accept(const ControlTexts& texts) {
    std::optional<FieldRefusal> refusal = ReadFields(texts);
    if (!refusal) {
        // The dialog rebuilds the object from its fields; the lines it never knew stay.
        const StringArray kept = holder_.IsEmpty() ? StringArray() : holder_.Get()->GetKeptLines();
        StoreObject();
        if (!holder_.IsEmpty()) {
            holder_.Get()->SetKeptLines(kept);
        }
    }
    return refusal;
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
    static const std::vector<Button> buttons = {
        {1060, "Runway", kTypeRunway},
        {1084, "Hangar", kTypeHangar},
        {1015, "Landing Pad", kTypeLpad1},
        {1055, "Block", kTypeBlock},
        {1056, "Tank", kTypeTank},
        {1057, "Train", kTypeTrain1},
        {1058, "Solar Plant", kTypeSolarPlant},
        {1059, "Mesh", kTypeMesh},
        {1061, "Beacon Array", kTypeBeaconArray},
    };
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
