#include "app/logic/structure_editor_workspace.h"

#include "document/base_document.h"
#include "document/base_imaging.h"
#include "imagery/drawing.h"
#include "imagery/geo_map.h"

#include <algorithm>
#include <vector>

namespace pf {

namespace {

bool Contains(const ObjectPtrArray& array, const AstrelObject* p) {
    return std::find(array.begin(), array.end(), p) != array.end();
}

std::vector<AstrelObject*> Snapshot(const ObjectPtrArray& array) {
    return std::vector<AstrelObject*>(array.begin(), array.end());
}

bool IsComposite(const AstrelObject* p) { return p != nullptr && p->GetType() == kTypeComplex; }

bool InRange(int32_t type, int32_t low, int32_t high) { return type >= low && type <= high; }

} // namespace

AstrelObject* CurrentOf(ComplexObjectPtrArray& selection) {
    if (selection.IsEmpty()) {
        return nullptr;
    }
    return selection.GetCount() == 1 ? selection[0] : &selection.GetComposite();
}

// ---- working list ----

NewWorkingObjectList::NewWorkingObjectList(const NewWorkingObjectList& other) {
    AssignFrom(other.objects_);
}

void NewWorkingObjectList::AssignFrom(const ObjectArray& objects) {
    if (&objects == &objects_) {
        const ObjectArray copy(objects);
        AssignFrom(copy);
        return;
    }
    Clear();
    objects_.Copy(objects);
    for (AstrelObject& holder : objects_) {
        shown_.AddSorted(&holder);
    }
    SetBothStale();
}

void NewWorkingObjectList::Clear() {
    SetBothStale();
    // The pointer arrays go first: they point into the object lists.
    shown_.RemoveAll();
    hidden_.RemoveAll();
    selected_.RemoveAll();
    pendingSelection_.RemoveAll();
    objects_.RemoveAll();
    pending_.RemoveAll();
}

void NewWorkingObjectList::AddObject(const AstrelObject& object) {
    shown_.AddSorted(&objects_.Add(object));
    SetBothStale();
}

bool NewWorkingObjectList::IsHidden(const AstrelObject* p) const { return Contains(hidden_, p); }

void NewWorkingObjectList::HideObject(AstrelObject* p) {
    if (Contains(shown_, p)) {
        hidden_.AddSorted(p);
        shown_.Remove(p);
        SetBothStale();
    } else if (Contains(selected_, p)) {
        // Selected objects are not on the work layer: only the display changes.
        hidden_.AddSorted(p);
        selected_.Remove(p);
        overlayStale = true;
    }
}

void NewWorkingObjectList::MoveType(int32_t type, ObjectPtrArray& from, ObjectPtrArray& to) {
    std::vector<AstrelObject*> moving;
    for (AstrelObject* p : from) {
        if (p->GetType() == type) {
            moving.push_back(p);
        }
    }
    if (moving.empty()) {
        return;
    }
    SetBothStale();
    for (AstrelObject* p : moving) {
        from.Remove(p);
        to.AddSorted(p);
    }
}

void NewWorkingObjectList::MoveAll(ObjectPtrArray& from, ObjectPtrArray& to) {
    if (from.IsEmpty()) {
        return;
    }
    SetBothStale();
    for (AstrelObject* p : Snapshot(from)) {
        to.AddSorted(p);
    }
    from.RemoveAll();
}

void NewWorkingObjectList::MoveTypeToVisible(int32_t type) { MoveType(type, hidden_, shown_); }

void NewWorkingObjectList::MoveTypeToHidden(int32_t type) {
    DeselectAll();
    MoveType(type, shown_, hidden_);
}

void NewWorkingObjectList::ShowAll() { MoveAll(hidden_, shown_); }

void NewWorkingObjectList::HideAll() {
    DeselectAll();
    MoveAll(shown_, hidden_);
}

void NewWorkingObjectList::DiscardPending() {
    if (pendingSelection_.IsEmpty()) {
        return;
    }
    overlayStale = true;
    pendingSelection_.RemoveAll();
    pending_.RemoveAll();
}

void NewWorkingObjectList::DeselectAll() {
    DiscardPending();
    MoveAll(selected_, shown_);
}

void NewWorkingObjectList::CommitPending() {
    for (const AstrelObject& holder : pending_) {
        shown_.AddSorted(&objects_.Add(holder));
        SetBothStale();
    }
    DiscardPending();
}

void NewWorkingObjectList::SelectAll() {
    DiscardPending();
    MoveAll(shown_, selected_);
}

void NewWorkingObjectList::Select(AstrelObject* p) {
    DiscardPending();
    if (!Contains(selected_, p)) {
        MoveOne(p, shown_, selected_);
    }
}

void NewWorkingObjectList::Deselect(AstrelObject* p) {
    DiscardPending();
    if (!Contains(shown_, p)) {
        MoveOne(p, selected_, shown_);
    }
}

void NewWorkingObjectList::MoveOne(AstrelObject* p, ObjectPtrArray& from, ObjectPtrArray& to) {
    SetBothStale();
    if (Contains(from, p)) {
        to.AddSorted(p);
        from.Remove(p);
    }
}

void NewWorkingObjectList::SelectInRect(double x1, double y1, double x2, double y2) {
    GeoRect rect;
    rect.left = std::min(x1, x2);
    rect.right = std::max(x1, x2);
    rect.top = std::max(y1, y2);
    rect.bottom = std::min(y1, y2);
    auto inside = [&](const AstrelObject* p) {
        const Point3 position = p->GetPosition();
        return rect.Contains(position.x, position.y);
    };
    std::vector<AstrelObject*> entering;
    std::vector<AstrelObject*> leaving;
    for (AstrelObject* p : shown_) {
        if (inside(p)) {
            entering.push_back(p);
        }
    }
    for (AstrelObject* p : selected_) {
        if (!inside(p)) {
            leaving.push_back(p);
        }
    }
    for (AstrelObject* p : entering) {
        if (!IsComposite(p)) {
            Select(p);
        }
    }
    for (AstrelObject* p : leaving) {
        if (!IsComposite(p)) {
            Deselect(p);
        }
    }
}

AstrelObject* NewWorkingObjectList::HitTest(const Point2& point,
                                            const BaseDocument& document) const {
    AstrelObject* best = nullptr;
    auto consider = [&](AstrelObject* p) {
        ObjectImaging outline(document);
        Point2 corners[4];
        if (!p->SetupOutline(document, outline) || !outline.GetCorners(corners)) {
            return;
        }
        Quad quad;
        for (int i = 0; i < 4; ++i) {
            quad.corners[i] = Point3{corners[i].x, corners[i].y, 0.0};
        }
        if (!quad.ContainsPoint(point.x, point.y)) {
            return;
        }
        if (best == nullptr || p->GetTopHeight() > best->GetTopHeight()) {
            best = p;
        }
    };
    for (int i = selected_.GetCount() - 1; i >= 0; --i) {
        consider(selected_[i]);
    }
    for (int i = shown_.GetCount() - 1; i >= 0; --i) {
        consider(shown_[i]);
    }
    return best;
}

void NewWorkingObjectList::DeleteObject(AstrelObject* p) {
    if (p != nullptr && p == Current()) {
        if (!pendingSelection_.IsEmpty()) {
            DeselectAll();
            return;
        }
        if (selected_.GetCount() >= 2) {
            const std::vector<AstrelObject*> victims = Snapshot(selected_);
            for (auto it = victims.rbegin(); it != victims.rend(); ++it) {
                DeleteObject(*it);
            }
        }
    }
    // Out of every set before the holder is destroyed, so that no set (nor the selection's
    // composite, which reads its parts) ever sees a freed object.
    shown_.Remove(p);
    selected_.Remove(p);
    hidden_.Remove(p);
    for (auto it = objects_.begin(); it != objects_.end(); ++it) {
        if (&*it == p) {
            objects_.Erase(it);
            break;
        }
    }
    SetBothStale();
}

void NewWorkingObjectList::BeginPaste(const ObjectArray& objects) {
    DeselectAll();
    for (const AstrelObject& holder : objects) {
        pendingSelection_.AddSorted(&pending_.Add(holder));
    }
    overlayStale = true;
}

void NewWorkingObjectList::AddPending(const AstrelObject& object) {
    pendingSelection_.AddSorted(&pending_.Add(object));
    overlayStale = true;
}

std::vector<AstrelObject*> NewWorkingObjectList::ObjectPointers() {
    std::vector<AstrelObject*> pointers;
    for (AstrelObject& holder : objects_) {
        pointers.push_back(&holder);
    }
    return pointers;
}

AstrelObject* NewWorkingObjectList::Current() {
    return pendingSelection_.IsEmpty() ? CurrentOf(selected_) : CurrentOf(pendingSelection_);
}

// ---- canvas ----

ObjectCanvas::ObjectCanvas(const BaseDocument& document, GeoMap& background, GeoMap& work,
                           GeoMap& display)
    : document_(document), background_(background), work_(work), display_(display) {}

void ObjectCanvas::RedrawBackground() {
    work_.GetImage()->Assign(*background_.GetImage());
    if (!work_.GetImage()->HasPixels()) {
        return;
    }
    list_.workStale = false;
    BaseImaging(document_).drawObjectsOnMap(work_, list_.Shown());
}

void ObjectCanvas::DrawSelection(GeoMap& target, ComplexObjectPtrArray& selection) {
    if (selection.IsEmpty()) {
        return;
    }
    for (const AstrelObject* p : selection) {
        if (p->Get() != nullptr) {
            p->Get()->DrawOnMap(document_, target, 1);
        }
    }
    AstrelObject* current = CurrentOf(selection);
    ObjectImaging outline(document_);
    if (!current->SetupOutline(document_, outline) ||
        !outline.GetFootprintPixels(target, document_.GetPosition(), current->GetFootprint())) {
        return;
    }
    BitmapData& image = *target.GetImage();
    DrawHandles(current, image);
    if (selection.GetCount() >= 2) {
        const FootprintRecord& f = current->GetFootprint();
        const ColorRGB white = ColorRGB::FromRgb(255, 255, 255);
        const int order[] = {0, 1, 3, 2, 0};
        for (int i = 0; i < 4; ++i) {
            const Point2& a = f.corner[order[i]];
            const Point2& b = f.corner[order[i + 1]];
            DrawLine(image, a.x, a.y, b.x, b.y, white);
        }
    }
}

void ObjectCanvas::DrawHandles(const AstrelObject* holder, BitmapData& image) {
    if (holder == nullptr || !image.HasPixels()) {
        return;
    }
    const int32_t type = holder->GetType();
    const FootprintRecord& f = holder->GetFootprint();
    constexpr std::uint32_t kWhite = 0xFFFFFFFF;
    auto dot = [&](const Point2& p) { DrawDot(p.x, p.y, image, kWhite); };
    dot(f.centreHandle);
    if (InRange(type, 1, 8) || InRange(type, 10, 15)) {
        dot(f.sideHandle[1]);
        dot(f.sideHandle[2]);
    }
    if (InRange(type, 1, 5) || type == kTypeSolarPlant || InRange(type, 12, 16)) {
        for (const Point2& corner : f.corner) {
            dot(corner);
        }
    }
    if (InRange(type, 1, 7) || InRange(type, 12, 15)) {
        dot(f.sideHandle[0]);
        dot(f.sideHandle[3]);
    }
}

void ObjectCanvas::Redraw() {
    display_.GetImage()->Assign(*work_.GetImage());
    if (!display_.GetImage()->HasPixels()) {
        return;
    }
    list_.overlayStale = false;
    DrawSelection(display_, list_.HasPending() ? list_.PendingSelection() : list_.Selected());
}

void ObjectCanvas::Refresh() {
    if (list_.workStale) {
        RedrawBackground();
    }
    if (list_.overlayStale) {
        Redraw();
    }
}

void ObjectCanvas::ClearSelection() {
    list_.DeselectAll();
    Refresh();
}

void ObjectCanvas::AddObjectAndSelect(const AstrelObject& object) {
    if (!list_.Selected().IsEmpty()) {
        list_.DeselectAll();
    }
    list_.AddPending(object);
    Refresh();
}

void ObjectCanvas::CommitPending() {
    list_.CommitPending();
    Refresh();
}

void ObjectCanvas::SelectAll() {
    list_.SelectAll();
    Refresh();
}

void ObjectCanvas::AddToSelection(AstrelObject* p) {
    list_.Select(p);
    Refresh();
}

void ObjectCanvas::RemoveFromSelection(AstrelObject* p) {
    list_.Deselect(p);
    Refresh();
}

void ObjectCanvas::HideObject(AstrelObject* p) {
    list_.HideObject(p);
    Refresh();
}

void ObjectCanvas::ShowAll() {
    list_.ShowAll();
    Refresh();
}

void ObjectCanvas::DeleteObject(AstrelObject* p) {
    list_.DeleteObject(p);
    Refresh();
}

void ObjectCanvas::BeginPaste(const ObjectArray& objects) {
    list_.BeginPaste(objects);
    Refresh();
}

void ObjectCanvas::SelectInRect(double x1, double y1, double x2, double y2) {
    list_.SelectInRect(x1, y1, x2, y2);
    Refresh();
}

AstrelObject* ObjectCanvas::HitTest(const Point2& point) {
    AstrelObject* hit = list_.HitTest(point, document_);
    Refresh();
    return hit;
}

AstrelObject* ObjectCanvas::GetSelectedObject() {
    Refresh();
    return list_.Current();
}

bool ObjectCanvas::IsSelected(const AstrelObject* p) {
    Refresh();
    return Contains(list_.Selected(), p);
}

} // namespace pf
