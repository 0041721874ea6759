#include "app/logic/structure_editor_model.h"

#include "document/base_document.h"
#include "workspace/settings.h"

namespace pf {

namespace {
constexpr char kPlaceObjectText[] = "Click on map to add object at that point.";
} // namespace

ObjectArray& StructureEditorClipboard() {
    static ObjectArray clipboard;
    return clipboard;
}

StructureEditorModel::StructureEditorModel(BaseDocument& document, StructureEditorWindow& window)
    : document_(document), window_(window), beacons_(document.GetBeacons()) {
    // Read once: the popups that change them write the settings and the members together.
    gridSize = GetGridSize();
    snapStep = GetSnapTo();
    rotateStep = WrapAngle360(GetRotateBy());
    SetMode(kModeIdle, -1.0, -1.0);
    for (const AstrelObject& object : document.GetObjects()) {
        List().AddObject(object);
    }
}

void StructureEditorModel::SetMode(int mode, double anchorX, double anchorY) {
    anchor_ = Point2(anchorX, anchorY);
    if (mode == mode_) {
        return;
    }
    switch (mode) {
    case 0:
    case 1:
    case 3:
    case 4:
        break;
    case 5:
        SetStatusText("Drag mouse to reposition object");
        break;
    case 6:
        SetStatusText("Drag mouse to rotate object");
        break;
    case 7:
    case 8:
    case 9:
    case 10:
        SetStatusText("Drag mouse to change object's width");
        break;
    case 11:
    case 12:
        SetStatusText("Drag mouse to reposition end");
        break;
    case kModePlaceObject:
        SetStatusText(kPlaceObjectText);
        break;
    default:
        SetStatusText("");
        break;
    }
    mode_ = mode;
}

void StructureEditorModel::SetStatusText(const std::string& text) {
    if (text != statusText_) {
        statusText_ = text;
    }
}

std::string StructureEditorModel::PlacementPrompt() const {
    return mode_ == kModePlaceObject && canvas_.HasPending() ? kPlaceObjectText : "";
}

void StructureEditorModel::PushUndo(const std::string& label) {
    RebuildObjectList();
    RebuildFrequencies();
    history_.Push(label, List());
}

bool StructureEditorModel::Undo() { return ShowRestoredState(history_.Undo(List())); }

bool StructureEditorModel::Redo() { return ShowRestoredState(history_.Redo(List())); }

bool StructureEditorModel::ShowRestoredState(bool restored) {
    if (!restored) {
        return false;
    }
    RebuildFrequencies();
    RebuildObjectList();
    canvas_.RedrawBackground();
    canvas_.Redraw();
    Render();
    window_.Blit();
    return true;
}

} // namespace pf
