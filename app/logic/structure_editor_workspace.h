#pragma once
// The structure editor's own copy of a base's objects, split into the sets it shows
// (visible, hidden, selected, and objects still being placed), and the canvas that turns
// those sets into the work and display layers of the map view. Every change of the sets
// goes through the canvas, which redraws only the layer the change made stale.
#include "objects/astrel_object.h"

#include <vector>

namespace pf {

class BaseDocument;
class BitmapData;
class GeoMap;

class NewWorkingObjectList {
  public:
    NewWorkingObjectList() = default;
    // A state: a copy of the other list's objects, every one shown, nothing else.
    NewWorkingObjectList(const NewWorkingObjectList& other);
    NewWorkingObjectList& operator=(const NewWorkingObjectList&) = delete;

    // The objects are equal in order; sets and flags are not compared.
    bool operator==(const NewWorkingObjectList& other) const { return objects_ == other.objects_; }

    // Clear, copy the objects, show each in list order.
    void AssignFrom(const ObjectArray& objects);
    void Clear();
    // A copy appended and shown.
    void AddObject(const AstrelObject& object);

    bool IsHidden(const AstrelObject* p) const;
    bool HasPending() const { return !pendingSelection_.IsEmpty(); }

    void HideObject(AstrelObject* p);
    void MoveTypeToVisible(int32_t type);
    void MoveTypeToHidden(int32_t type);
    void ShowAll();
    void HideAll();
    void DiscardPending();
    void DeselectAll();
    void CommitPending();
    void SelectAll();
    void Select(AstrelObject* p);
    void Deselect(AstrelObject* p);
    // Corners in ground metres, in any order; edges belong to the rectangle.
    void SelectInRect(double x1, double y1, double x2, double y2);
    // The highest object whose outline strictly contains the ground point; selected
    // objects first, so they win at equal heights. Hidden and pending objects are never hit.
    AstrelObject* HitTest(const Point2& point, const BaseDocument& document) const;
    void DeleteObject(AstrelObject* p);
    // Copies of the list become the pending objects, all in the pending selection.
    void BeginPaste(const ObjectArray& objects);
    // A copy of the object joins the pending objects and the pending selection.
    void AddPending(const AstrelObject& object);

    // The pending selection's current object when it has one, else the selection's: its one
    // element, or its composite when it holds several.
    AstrelObject* Current();

    const ObjectArray& Objects() const { return objects_; }
    // The objects in ascending top height (stable); the sets keep pointing at them.
    void SortByTopHeight() { objects_.SortByTopHeight(); }
    // The objects in list order, for the sets and lists that point at them.
    std::vector<AstrelObject*> ObjectPointers();
    const ObjectArray& Pending() const { return pending_; }
    const ObjectPtrArray& Shown() const { return shown_; }
    const ObjectPtrArray& Hidden() const { return hidden_; }
    ComplexObjectPtrArray& Selected() { return selected_; }
    const ComplexObjectPtrArray& Selected() const { return selected_; }
    ComplexObjectPtrArray& PendingSelection() { return pendingSelection_; }
    const ComplexObjectPtrArray& PendingSelection() const { return pendingSelection_; }

    // The work image (background plus shown objects) and the display image (work plus
    // the selection) must be rebuilt.
    bool workStale = true;
    bool overlayStale = true;

  private:
    void SetBothStale() { workStale = overlayStale = true; }
    // From one set to another: the objects of a type, all objects, or one object when it
    // is in `from`.
    void MoveType(int32_t type, ObjectPtrArray& from, ObjectPtrArray& to);
    void MoveAll(ObjectPtrArray& from, ObjectPtrArray& to);
    void MoveOne(AstrelObject* p, ObjectPtrArray& from, ObjectPtrArray& to);

    ObjectArray objects_;
    ObjectArray pending_;
    ObjectPtrArray shown_;
    ObjectPtrArray hidden_;
    ComplexObjectPtrArray selected_;
    ComplexObjectPtrArray pendingSelection_;
};

// The current object of one selection array: none, its one element, or its composite.
AstrelObject* CurrentOf(ComplexObjectPtrArray& selection);

class ObjectCanvas {
  public:
    // The maps share the editor's view rectangle; none is owned.
    ObjectCanvas(const BaseDocument& document, GeoMap& background, GeoMap& work, GeoMap& display);
    ObjectCanvas(const ObjectCanvas&) = delete;
    ObjectCanvas& operator=(const ObjectCanvas&) = delete;

    NewWorkingObjectList& List() { return list_; }
    const NewWorkingObjectList& List() const { return list_; }

    void RedrawBackground();
    // Each element highlighted, then the current object's footprint (kept on its holder for
    // the handle hit tests), its handles and, for several objects, their bounding outline.
    void DrawSelection(GeoMap& target, ComplexObjectPtrArray& selection);
    // The handles of the holder's stored footprint that its type shows.
    static void DrawHandles(const AstrelObject* holder, BitmapData& image);
    void Redraw();
    void Refresh();

    bool HasPending() const { return list_.HasPending(); }
    void ClearSelection();
    void AddObjectAndSelect(const AstrelObject& object);
    void CommitPending();
    void SelectAll();
    void AddToSelection(AstrelObject* p);
    void RemoveFromSelection(AstrelObject* p);
    void HideObject(AstrelObject* p);
    void ShowAll();
    void DeleteObject(AstrelObject* p);
    void BeginPaste(const ObjectArray& objects);
    void SelectInRect(double x1, double y1, double x2, double y2);
    AstrelObject* HitTest(const Point2& point);
    AstrelObject* GetSelectedObject();
    // In the selection proper: pending objects do not count.
    bool IsSelected(const AstrelObject* p);

  private:
    const BaseDocument& document_;
    GeoMap& background_;
    GeoMap& work_;
    GeoMap& display_;
    NewWorkingObjectList list_;
};

} // namespace pf
