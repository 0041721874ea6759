// The structure editor's pointer side: the modes a press, the moves and the release go
// through (drag the map, rubber band, move, turn or stretch the selection, move one end,
// place a new or pasted object), click selection, editing from a double click or the
// context menu, the arrow-key nudge, paste, the object list's reactions and the benchmark.
#include "app/logic/mode_names.h"
#include "app/logic/structure_editor_model.h"
#include "document/base_document.h"
#include "foundation/choice_menu.h"
#include "foundation/text.h"
#include "foundation/timing.h"
#include "objects/runway.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace pf {

namespace {

bool IsLandingPad(int32_t type) {
    return type == kTypeLpad1 || type == kTypeLpad2 || type == kTypeLpad2A;
}

// A frequency the table refuses (above 139.0 MHz, or its single-precision 139.0) would
// leave the object without one: it keeps the one it had.
void SetFrequencyOrKeep(NavFrequency& frequency, float mhz) {
    const NavFrequency before = frequency;
    if (!frequency.Set(mhz)) {
        frequency = before;
    }
}

bool SamePoint(const Point3& a, const Point3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

} // namespace

void StructureEditorModel::OnMouseMove(int x, int y, bool ctrl) {
    ctrlDown = ctrl;
    lastMouse = ClientPoint{x, y};
    const Point2 p = ClientToView(lastMouse);
    if (listHasFocus) {
        const IntRect list = window_.ListRect();
        if (x < list.left || x >= list.right || y < list.top || y >= list.bottom) {
            window_.FocusZoomIn();
            listHasFocus = false;
        }
    }
    if (!IsPointInImage(p.x, p.y, view_)) {
        if (mouseInside) {
            // Where the map is rebuilt after a drag left it.
            mouseInside = false;
            FullRefresh();
        }
        if (mode_ == kModeDragMap || mode_ == kModeRubberBand) {
            SetMode(kModeIdle, p.x, p.y);
        }
        window_.SetStatusLine("");
        return;
    }
    OnViewMouseMove(x, y);
}

void StructureEditorModel::OnViewMouseMove(int x, int y) {
    const Point2 p = ClientToView(ClientPoint{x, y});
    mouseInside = true;
    if (mode_ == kModePressed) {
        SetMode(tool == 0 ? kModeDragMap : kModeRubberBand, p.x, p.y);
        pressPosition = ClientPoint{x, y};
    }
    if (mode_ == kModeDragMap) {
        SetStatusText("");
        DragMap(x, y);
        return;
    }
    if (mode_ == kModeRubberBand) {
        SetStatusText("");
        SetRubberBand(x, y);
        return;
    }
    AstrelObject* current = canvas_.GetSelectedObject();
    if (mode_ == kModeIdle) {
        HoverFeedback(current, p);
    } else if (!canvas_.HasPending()) {
        DragSelected(current, p);
    }
    const Point3 q = ViewToMetres(p);
    if (mode_ == kModePlaceObject && canvas_.HasPending()) {
        if (current != nullptr) {
            current->SetPositionSnapped(q, snapStep);
        }
        List().overlayStale = true;
        canvas_.Redraw();
        Render();
        window_.Blit();
    }
    const LatLon degrees = ViewToDegrees(p);
    window_.SetStatusLine(FormatString(
        "Cursor position - Longitude:%.4f Latitude:%.4f.  cfg file position: x:%.2f, y:0 z:%.2f",
        degrees.GetLongitude(), degrees.GetLatitude(), -q.y, q.x));
}

void StructureEditorModel::OnLButtonDown(int x, int y, bool ctrl) {
    ctrlDown = ctrl;
    dragged = false;
    const Point2 p = ClientToView(ClientPoint{x, y});
    if (IsPointInImage(p.x, p.y, view_)) {
        OnViewLButtonDown(p);
    }
}

void StructureEditorModel::OnViewLButtonDown(const Point2& view) {
    if (mode_ == kModeIdle) {
        UpdateHoverMode(canvas_.GetSelectedObject(), view);
    }
    if (mode_ == kModeIdle) {
        SetMode(kModePressed, view.x, view.y);
        if (tool == 0) {
            window_.SetCursor(EditorCursor::Grab);
        } else {
            ClearSelection();
        }
    }
    if (mode_ == kModePlaceObject) {
        const Point3 q = ViewToMetres(view);
        if (AstrelObject* current = canvas_.GetSelectedObject()) {
            current->SetPositionSnapped(q, snapStep);
        }
        CommitAddedObject();
        SetStatusText("");
        // Pressed, so that the release counts as a click.
        SetMode(kModePressed, -1.0, -1.0);
    }
}

void StructureEditorModel::UpdateHoverMode(AstrelObject* object, const Point2& view) {
    if (object == nullptr) {
        return;
    }
    const FootprintRecord& f = object->GetFootprint();
    int mode = -1;
    if (!object->IsEndDefined()) {
        if (f.HitSideHandle1(view)) {
            mode = 7;
        } else if (f.HitSideHandle2(view)) {
            mode = 8;
        } else if (f.HitSideHandle0(view)) {
            mode = 9;
        } else if (f.HitSideHandle3(view)) {
            mode = 10;
        } else if (f.HitCentreHandle(view)) {
            mode = kModeMoveObject;
        } else if (f.HitCornerHandle(view)) {
            mode = kModeRotate;
        }
    } else {
        // Side point 1 is END2, side point 2 END1.
        if (f.HitSideHandle1(view)) {
            mode = kModeEnd2;
        } else if (f.HitSideHandle2(view)) {
            mode = kModeEnd1;
        } else if (object->HasWidth() && f.HitSideHandle0(view)) {
            mode = 9;
        } else if (object->HasWidth() && f.HitSideHandle3(view)) {
            mode = 10;
        } else if (f.HitCentreHandle(view)) {
            mode = kModeMoveObject;
        }
    }
    if (mode < 0) {
        return;
    }
    window_.SetCursor(mode == kModeRotate ? EditorCursor::Rotate : EditorCursor::SizeAll);
    const bool changed = mode != mode_;
    SetMode(mode, view.x, view.y);
    if (changed) {
        canvas_.Refresh();
        Render();
        window_.Blit();
    }
}

void StructureEditorModel::DragSelected(AstrelObject* object, const Point2& view) {
    if (object == nullptr) {
        return;
    }
    const Point3 q = ViewToMetres(view);
    if (mode_ == kModeEnd1 || mode_ == kModeEnd2) {
        if (object->IsEndDefined()) {
            DragEnd(*object, mode_ == kModeEnd1, q);
        }
    } else if (mode_ == kModeMoveObject) {
        object->SetPositionSnapped(q, snapStep);
        List().overlayStale = true;
    } else if (mode_ == kModeRotate) {
        const Point2 centre = object->GetFootprint().centreHandle;
        double d = DirectionAngle(anchor_, centre) - DirectionAngle(view, centre);
        if (d < 0.0) {
            d += 360.0;
        }
        if (d > 360.0) {
            d -= 360.0;
        }
        const ScalarValue before = object->GetRotation();
        object->Rotate(d, rotateStep);
        // Small turns add up until the step is taken.
        if (!(object->GetRotation() == before)) {
            SetMode(mode_, view.x, view.y);
        }
        List().overlayStale = true;
    } else if (mode_ >= kModeStretchFirst && mode_ <= kModeStretchLast) {
        static constexpr int kSides[] = {0, 2, 1, 3};
        static constexpr int kOpposite[] = {8, 7, 10, 9};
        const int index = mode_ - kModeStretchFirst;
        if (mode_ == kModeStretchFirst) {
            List().overlayStale = true;
        }
        if (object->StretchSide(document_, kSides[index], q, snapStep) == -1) {
            // The side crossed the opposite one: the drag goes on with that one.
            SetMode(kOpposite[index], anchor_.x, anchor_.y);
        }
    }
    canvas_.Redraw();
    Render();
    window_.Blit();
}

void StructureEditorModel::DragEnd(AstrelObject& object, bool first, const Point3& ground) {
    const Point3 before = first ? object.GetEnd1() : object.GetEnd2();
    const double height = (first ? object.GetEnd1Height() : object.GetEnd2Height()).value;
    const Point3 target{ground.x, ground.y, height};
    if (first) {
        object.SetEnd1Snapped(target, snapStep);
    } else {
        object.SetEnd2Snapped(target, snapStep);
    }
    if (SamePoint(object.GetEnd1(), object.GetEnd2())) {
        if (first) {
            object.SetEnd1Snapped(before, 0.0);
        } else {
            object.SetEnd2Snapped(before, 0.0);
        }
    }
}

void StructureEditorModel::OnLButtonUp(int x, int y, bool ctrl) {
    ctrlDown = ctrl;
    const Point2 p = ClientToView(ClientPoint{x, y});
    if (mode_ == kModeDragMap && dragged) {
        FullRefresh();
    }
    if (mode_ == kModeRubberBand) {
        SetMode(kModeIdle, p.x, p.y);
        Render();
        window_.Blit();
        return;
    }
    if (mode_ == kModePressed) {
        const Point3 q = ViewToMetres(p);
        AstrelObject* hit = canvas_.HitTest(Point2(q.x, q.y));
        if (hit == nullptr) {
            if (!ctrl) {
                ClearSelection();
            }
        } else {
            if (window_.ListCurrent() != -1) {
                window_.SetListCurrent(-1);
            }
            if (!ctrl) {
                if (hit != canvas_.GetSelectedObject()) {
                    ClearSelection();
                    SelectAt(p.x, p.y);
                }
            } else if (IsSelected(hit)) {
                Deselect(hit);
            } else {
                Select(hit);
            }
        }
    }
    if (mode_ >= kModeMoveObject && mode_ <= kModePlaceObject) {
        SetStatusText("");
        List().overlayStale = true;
        canvas_.Redraw();
        Render();
        window_.Blit();
        PushUndo(GetModeName(mode_));
    }
    if (mode_ != kModeIdle) {
        SetMode(kModeIdle, p.x, p.y);
    }
}

void StructureEditorModel::OnLButtonDblClk(int x, int y, bool ctrl) {
    ctrlDown = ctrl;
    const Point2 p = ClientToView(ClientPoint{x, y});
    if (!IsPointInImage(p.x, p.y, view_)) {
        return;
    }
    EditAt(p);
    if (mode_ != kModeIdle) {
        SetMode(kModeIdle, p.x, p.y);
    }
}

void StructureEditorModel::EditAt(const Point2& view) {
    const Point3 q = ViewToMetres(view);
    AstrelObject* hit = canvas_.HitTest(Point2(q.x, q.y));
    if (hit != nullptr && hit->EditInDialog()) {
        RecordEdit("Edit");
    }
}

void StructureEditorModel::RecordEdit(const std::string& label) {
    PushUndo(label);
    canvas_.RedrawBackground();
    canvas_.Redraw();
    Render();
    window_.Blit();
}

void StructureEditorModel::OnRButtonDown(int x, int y, bool ctrl) {
    ctrlDown = ctrl;
    if (mode_ != kModeIdle) {
        return;
    }
    const Point3 q = ViewToMetres(ClientToView(ClientPoint{x, y}));
    AstrelObject* hit = canvas_.HitTest(Point2(q.x, q.y));
    if (hit != nullptr && hit != canvas_.GetSelectedObject()) {
        ClearSelection();
        Select(hit);
    }
}

void StructureEditorModel::OnRButtonUp(int x, int y, bool ctrl) {
    ctrlDown = ctrl;
    const Point2 p = ClientToView(ClientPoint{x, y});
    const Point3 q = ViewToMetres(p);
    AstrelObject* hit = canvas_.HitTest(Point2(q.x, q.y));
    if (hit == nullptr) {
        return;
    }
    if (IsSelected(hit)) {
        static const char* const kOptions[] = {"Edit Object's Parameters", "Hide Object",
                                               "Manually Edit Parameter Text"};
        const StringArray options(std::begin(kOptions), std::end(kOptions));
        ChoiceMenu menu(options, x, y, window_.MenuOwner());
        if (menu.Show("Highlighted Object Options:")) {
            const std::string choice = menu.GetChoice();
            if (choice == kOptions[0]) {
                if (hit->EditInDialog()) {
                    RecordEdit(kOptions[0]);
                }
            } else if (choice == kOptions[1]) {
                HideObject(hit);
            } else if (choice == kOptions[2]) {
                EditParameterText(hit);
                PushUndo(kOptions[2]);
            }
        }
    }
    if (mode_ != kModeIdle) {
        SetMode(kModeIdle, p.x, p.y);
    }
}

void StructureEditorModel::Nudge(int dx, int dy) {
    AstrelObject* current = canvas_.GetSelectedObject();
    if (current == nullptr) {
        return;
    }
    const Point3 m0 = ViewToMetres(Point2(0.0, 0.0));
    const Point3 m1 = ViewToMetres(Point2(1.0, 1.0));
    const double sx = std::max(std::fabs(m0.x - m1.x), snapStep);
    const double sy = std::max(std::fabs(m0.y - m1.y), snapStep);
    Point3 position = current->GetPosition();
    position.x += dx * sx;
    position.y += dy * sy;
    current->SetPositionSnapped(position, snapStep);
    canvas_.Redraw();
    Render();
    window_.Blit();
    PushUndo("Cursor move");
}

void StructureEditorModel::Paste() {
    ObjectArray& clipboard = StructureEditorClipboard();
    if (clipboard.IsEmpty() || canvas_.HasPending()) {
        return;
    }
    ClearSelection();
    // Each paste gets frequencies of its own, written into the clipboard's objects.
    for (AstrelObject& holder : clipboard) {
        if (auto* runway = dynamic_cast<Runway*>(holder.Get())) {
            const float ils1 = frequencies_.FirstFreeFromMiddle();
            frequencies_.MarkUsed(ils1);
            SetFrequencyOrKeep(runway->ils1, ils1);
            const float ils2 = frequencies_.FirstFreeFromMiddle();
            frequencies_.MarkUsed(ils2);
            SetFrequencyOrKeep(runway->ils2, ils2);
        } else if (IsLandingPad(holder.GetType())) {
            if (auto* pad = dynamic_cast<NewPosDiameterRotTexNav*>(holder.Get())) {
                const float nav = frequencies_.FirstFree();
                frequencies_.MarkUsed(nav);
                SetFrequencyOrKeep(pad->nav, nav);
            }
        }
    }
    canvas_.BeginPaste(clipboard);
    SetMode(kModePlaceObject, -1.0, -1.0);
    if (AstrelObject* current = canvas_.GetSelectedObject()) {
        current->SetPositionSnapped(ViewToMetres(ClientToView(lastMouse)), snapStep);
    }
    canvas_.Redraw();
    Render();
    window_.Blit();
}

void StructureEditorModel::OnListSelChange() {
    listHasFocus = true;
    if (canvas_.HasPending()) {
        canvas_.ClearSelection();
        SetMode(kModeIdle, -1.0, -1.0);
        Render();
        window_.Blit();
    }
    const int index = window_.ListCurrent();
    if (index >= 0 && index < static_cast<int>(listEntries_.size()) &&
        listEntries_[static_cast<size_t>(index)].object != nullptr) {
        List().DeselectAll();
        Select(listEntries_[static_cast<size_t>(index)].object);
    }
}

void StructureEditorModel::OnListDblClk() {
    listHasFocus = true;
    const int index = window_.ListCurrent();
    if (index < 0 || index >= static_cast<int>(listEntries_.size())) {
        return;
    }
    AstrelObject* object = listEntries_[static_cast<size_t>(index)].object;
    if (object == nullptr || !IsSelected(object)) {
        return;
    }
    if (object->EditInDialog()) {
        RecordEdit("Edit window");
    }
}

void StructureEditorModel::Benchmark() {
    enum Command { Out, In, Left, Right, Up, Down };
    // Each group runs whole before it repeats: 34 commands that end at zoom 7, centred.
    static constexpr Command kSequence[] = {
        Out, In, Out,  In,  Out, In,    Out, In, Out,   In,  Left, Out, In,  Left, Out, In,  Up,
        Out, In, Down, Out, In,  Right, Out, In, Right, Out, In,   Out, Out, Out,  Out, Out, In};
    static_assert(sizeof(kSequence) / sizeof(kSequence[0]) == 34);
    TimerFuncs::ResetTimer();
    for (int pass = 0; pass < 10; ++pass) {
        longitudeOffset = 0.0;
        latitudeOffset = 0.0;
        zoom = 9.0;
        FullRefresh();
        TimerFuncs::StartTimer();
        for (Command command : kSequence) {
            switch (command) {
            case Out:
                ZoomStep(-1);
                break;
            case In:
                ZoomStep(1);
                break;
            case Left:
                PanButton(kIdPanLeft);
                break;
            case Right:
                PanButton(kIdPanRight);
                break;
            case Up:
                PanButton(kIdPanUp);
                break;
            case Down:
                PanButton(kIdPanDown);
                break;
            }
        }
        TimerFuncs::StopTimer();
    }
    TimerFuncs::EndTimer();
}

} // namespace pf
