// The structure editor's object commands: the object list, navigation frequencies, adding,
// deleting, hiding and copying objects, and the small operations of the mouse handling.
#include "app/logic/structure_editor_model.h"

#include "app/logic/dialog_runners.h"
#include "document/base_document.h"
#include "foundation/choice_menu.h"
#include "imagery/text_render.h"
#include "objects/object_editing.h"
#include "objects/runway.h"

#include <cstdlib>
#include <memory>

namespace pf {

namespace {

struct TypeGroup {
    const char* option;
    std::vector<int32_t> codes;
};

// The groups of the hide and show popups, after "Everything".
const TypeGroup kTypeGroups[] = {
    {"All Runways", {kTypeRunway}},
    {"All Landing Pads", {kTypeLpad1, kTypeLpad2, kTypeLpad2A}},
    {"All Meshes", {kTypeMesh}},
    {"All Blocks", {kTypeBlock}},
    {"All Hangars", {kTypeHangar, kTypeHangar2, kTypeHangar3}},
    {"All Tanks", {kTypeTank}},
    {"All Solar Arrays", {kTypeSolarPlant}},
    {"All Trains", {kTypeTrain1, kTypeTrain2}},
    {"All Beacon Arrays", {kTypeBeaconArray}},
};

bool IsLandingPad(int32_t type) {
    return type == kTypeLpad1 || type == kTypeLpad2 || type == kTypeLpad2A;
}

} // namespace

void StructureEditorModel::RebuildObjectList() {
    ObjectPtrArray visible;
    ObjectPtrArray hidden;
    for (AstrelObject* p : List().ObjectPointers()) {
        (List().IsHidden(p) ? hidden : visible).AddSorted(p);
    }
    std::vector<ObjectListEntry> entries;
    for (AstrelObject* p : visible) {
        entries.push_back(ObjectListEntry{p->GetTypeName(), p});
    }
    entries.push_back(ObjectListEntry{"Hidden:", nullptr});
    for (AstrelObject* p : hidden) {
        entries.push_back(ObjectListEntry{p->GetTypeName(), nullptr});
    }
    // The objects count as well as the texts: after an undo the same texts stand for new
    // objects, and the list must not keep pointing at the old ones.
    if (entries == listEntries_) {
        return;
    }
    listEntries_ = std::move(entries);
    window_.SetListEntries(listEntries_);
}

void StructureEditorModel::RebuildFrequencies() {
    frequencies_.ClearUsed();
    for (const NavBeacon& beacon : beacons_) {
        frequencies_.MarkUsed(beacon.frequency.value);
    }
    // Only what the objects write counts: an absent frequency holds a placeholder.
    for (const AstrelObject& holder : List().Objects()) {
        if (const auto* runway = dynamic_cast<const Runway*>(holder.Get())) {
            if (runway->ils1.present) {
                frequencies_.MarkUsed(runway->ils1.value);
            }
            if (runway->ils2.present) {
                frequencies_.MarkUsed(runway->ils2.value);
            }
        } else if (IsLandingPad(holder.GetType())) {
            const auto* pad = dynamic_cast<const NewPosDiameterRotTexNav*>(holder.Get());
            if (pad != nullptr && pad->nav.valid) {
                frequencies_.MarkUsed(pad->nav.value);
            }
        }
    }
}

void StructureEditorModel::AddObject() {
    window_.SetListCurrent(-1);
    canvas_.ClearSelection();
    Render();
    window_.Blit();
    const std::function<int32_t()>& choose = GetDialogRunners().chooseObjectType;
    const int32_t code = choose ? choose() : 0;
    // The types with an add handler; stand-alone runway lights have none.
    for (int32_t handled : {kTypeRunway, kTypeHangar, kTypeLpad1, kTypeTank, kTypeTrain1, kTypeMesh,
                            kTypeBeaconArray, kTypeSolarPlant, kTypeBlock}) {
        if (code == handled) {
            AddObjectOfType(code);
        }
    }
}

void StructureEditorModel::AddRunway() { AddObjectOfType(kTypeRunway); }
void StructureEditorModel::AddHangar() { AddObjectOfType(kTypeHangar); }
void StructureEditorModel::AddLandingPad() { AddObjectOfType(kTypeLpad1); }
void StructureEditorModel::AddTank() { AddObjectOfType(kTypeTank); }
void StructureEditorModel::AddTrain() { AddObjectOfType(kTypeTrain1); }
void StructureEditorModel::AddMesh() { AddObjectOfType(kTypeMesh); }
void StructureEditorModel::AddBeaconArray() { AddObjectOfType(kTypeBeaconArray); }
void StructureEditorModel::AddSolarPlant() { AddObjectOfType(kTypeSolarPlant); }
void StructureEditorModel::AddBlock() { AddObjectOfType(kTypeBlock); }

void StructureEditorModel::AddObjectOfType(int32_t code) {
    std::unique_ptr<ObjectEditDialog> dialog = ObjectDialogRegistry::Create(code);
    if (!dialog) {
        return;
    }
    if (code == kTypeRunway) {
        const float first = frequencies_.FirstFreeFromMiddle();
        frequencies_.MarkUsed(first);
        dialog->PresetFrequencies(first, frequencies_.FirstFreeFromMiddle());
    } else if (code == kTypeLpad1) {
        const float nav = frequencies_.FirstFree();
        frequencies_.MarkUsed(nav);
        dialog->PresetFrequencies(nav, nav);
    }
    if (!dialog->RunModal()) {
        return;
    }
    AstrelObject added;
    dialog->GetObject(added);
    if (added.IsEmpty()) {
        return;
    }
    canvas_.ClearSelection();
    if (code == kTypeMesh) {
        // Reading and drawing a mesh model takes a while: say so at once.
        DrawTextScaled(view_, "Rendering wireframe for mesh - please wait", 200, "Times New Roman",
                       ColorRGB::FromRgb(255, 255, 255), 10, view_.Height() / 2, true);
        window_.Blit();
    }
    canvas_.AddObjectAndSelect(added);
    SetMode(kModePlaceObject, -1.0, -1.0);
    if (code == kTypeRunway) {
        List().overlayStale = true;
    }
    canvas_.Redraw();
    Render();
    window_.Blit();
}

void StructureEditorModel::CommitAddedObject() {
    canvas_.CommitPending();
    Render();
    window_.Blit();
    PushUndo("AddObject");
}

void StructureEditorModel::DeleteObject() {
    AstrelObject* current = canvas_.GetSelectedObject();
    if (current == nullptr) {
        return;
    }
    canvas_.DeleteObject(current);
    Render();
    window_.Blit();
    PushUndo("OnBnClickedDelete");
}

void StructureEditorModel::HideByType() { ChangeVisibilityByType(true); }

void StructureEditorModel::ShowByType() { ChangeVisibilityByType(false); }

void StructureEditorModel::ChangeVisibilityByType(bool hide) {
    StringArray options{"Everything"};
    for (const TypeGroup& group : kTypeGroups) {
        options.push_back(group.option);
    }
    const ClientPoint at = window_.ButtonCentre(hide ? kHideObjectsButton : kShowObjectsButton);
    ChoiceMenu menu(options, at.x, at.y, window_.MenuOwner());
    if (!menu.Show(hide ? "Hide:" : "Show:")) {
        return;
    }
    if (hide) {
        window_.SetShowObjectsVisible(true);
    }
    const std::string choice = menu.GetChoice();
    if (choice == options[0]) {
        hide ? List().HideAll() : List().ShowAll();
    }
    for (const TypeGroup& group : kTypeGroups) {
        if (choice != group.option) {
            continue;
        }
        for (int32_t code : group.codes) {
            hide ? List().MoveTypeToHidden(code) : List().MoveTypeToVisible(code);
        }
    }
    RebuildObjectList();
    FullRefresh();
    if (!hide && List().Hidden().IsEmpty()) {
        window_.SetShowObjectsVisible(false);
    }
}

void StructureEditorModel::HideObject(AstrelObject* object) {
    canvas_.HideObject(object);
    Render();
    window_.Blit();
    window_.SetShowObjectsVisible(true);
    RebuildObjectList();
}

void StructureEditorModel::CopySelection() {
    const ComplexObjectPtrArray& selected = List().Selected();
    if (selected.IsEmpty()) {
        return;
    }
    ObjectArray& clipboard = StructureEditorClipboard();
    clipboard.RemoveAll();
    for (const AstrelObject* p : selected) {
        clipboard.Add(*p);
    }
}

void StructureEditorModel::ClearSelection() {
    window_.SetListCurrent(-1);
    canvas_.ClearSelection();
    Render();
    window_.Blit();
}

void StructureEditorModel::Select(AstrelObject* object) {
    if (object == nullptr) {
        return;
    }
    canvas_.AddToSelection(object);
    Render();
    window_.Blit();
}

void StructureEditorModel::Deselect(AstrelObject* object) {
    canvas_.RemoveFromSelection(object);
    Render();
    window_.Blit();
}

bool StructureEditorModel::IsSelected(const AstrelObject* object) {
    return canvas_.IsSelected(object);
}

bool StructureEditorModel::SelectAt(double x, double y) {
    const Point3 q = ViewToMetres(Point2(x, y));
    if (AstrelObject* hit = canvas_.HitTest(Point2(q.x, q.y))) {
        canvas_.AddToSelection(hit);
        Render();
        window_.Blit();
    }
    return false;
}

void StructureEditorModel::SetRubberBand(int x, int y) {
    rubberBandCorner = ClientPoint{x, y};
    const Point3 a = ViewToMetres(ClientToView(pressPosition));
    const Point3 b = ViewToMetres(ClientToView(rubberBandCorner));
    canvas_.SelectInRect(a.x, a.y, b.x, b.y);
    Render();
    window_.Blit();
}

void StructureEditorModel::DragMap(int x, int y) {
    window_.SetCursor(EditorCursor::Grab);
    const int dx = x - pressPosition.x;
    const int dy = y - pressPosition.y;
    if (std::abs(dx) < 4 && std::abs(dy) < 4) {
        return;
    }
    dragged = true;
    if (std::abs(dx) >= 4) {
        PanHorizontal(dx);
        pressPosition.x = x;
    }
    if (std::abs(dy) >= 4) {
        PanVertical(dy);
        pressPosition.y = y;
    }
    Render();
    window_.Blit();
}

void StructureEditorModel::EditParameterText(AstrelObject* object) {
    const std::function<bool(AstrelObject&)>& edit = GetDialogRunners().editParameterText;
    if (object == nullptr || !edit || !edit(*object)) {
        return;
    }
    canvas_.RedrawBackground();
    canvas_.Redraw();
    Render();
    window_.Blit();
}

void StructureEditorModel::HoverFeedback(AstrelObject* object, const Point2& point) {
    if (object == nullptr) {
        return;
    }
    const FootprintRecord& f = object->GetFootprint();
    auto show = [&](const char* text, EditorCursor cursor) {
        SetStatusText(text);
        window_.SetCursor(cursor);
    };
    if (!object->IsEndDefined()) {
        if (f.HitSideHandle1(point) || f.HitSideHandle2(point) || f.HitSideHandle0(point) ||
            f.HitSideHandle3(point)) {
            // A solar plant's size is its grid of panels: its sides do not stretch.
            if (object->GetType() != kTypeSolarPlant) {
                show("Click mouse to change object's width", EditorCursor::SizeAll);
            }
            return;
        }
        if (f.HitCentreHandle(point)) {
            show("Click mouse to reposition object", EditorCursor::SizeAll);
            return;
        }
        if (f.HitCornerHandle(point)) {
            show("Click mouse to rotate object", EditorCursor::Rotate);
            return;
        }
    } else {
        if (f.HitSideHandle1(point) || f.HitSideHandle2(point)) {
            show("Click mouse to reposition end", EditorCursor::SizeAll);
            return;
        }
        if (object->HasWidth() && (f.HitSideHandle0(point) || f.HitSideHandle3(point))) {
            show("Click mouse to change object's width", EditorCursor::SizeAll);
            return;
        }
        if (f.HitCentreHandle(point)) {
            show("Click mouse to reposition object", EditorCursor::SizeAll);
            return;
        }
    }
    SetStatusText("");
}

} // namespace pf
