#include "app/logic/structure_editor_workspace.h"

#include "objects/complex_object.h"
#include "support/structure_editor_fixture.h"

#include <algorithm>
#include <functional>
#include <random>
#include <set>

namespace pf {
namespace {

using test::BlockText;
using test::ParseObjects;
using test::PlacedText;

int Count(const ObjectPtrArray& set, const AstrelObject* p) {
    return static_cast<int>(std::count(set.begin(), set.end(), p));
}

std::set<AstrelObject*> Members(const ObjectPtrArray& set) { return {set.begin(), set.end()}; }

// Each object in exactly one of shown, hidden and selected; pending objects only in the
// pending selection; every set in ascending top height.
bool IsSound(NewWorkingObjectList& list) {
    bool sound = list.PendingSelection().GetCount() == list.Pending().GetCount();
    for (AstrelObject* p : list.ObjectPointers()) {
        sound &=
            Count(list.Shown(), p) + Count(list.Hidden(), p) + Count(list.Selected(), p) == 1 &&
            Count(list.PendingSelection(), p) == 0;
    }
    for (const AstrelObject& p : list.Pending()) {
        sound &= Count(list.PendingSelection(), &p) == 1;
    }
    auto lower = [](AstrelObject* a, AstrelObject* b) {
        return a->GetTopHeight() < b->GetTopHeight();
    };
    const ObjectPtrArray* sets[] = {&list.Shown(), &list.Hidden(), &list.Selected(),
                                    &list.PendingSelection()};
    for (const ObjectPtrArray* set : sets) {
        sound &= std::is_sorted(set->begin(), set->end(), lower);
    }
    return sound &&
           list.Shown().GetCount() + list.Hidden().GetCount() + list.Selected().GetCount() ==
               list.Objects().GetCount();
}

TEST(WorkingObjectListTest, SetsStaySoundThroughASeededSequence) {
    const char* keywords[] = {"BLOCK", "HANGAR", "TANK"};
    ObjectArray base;
    for (int i = 0; i < 15; ++i) {
        base.Append(ParseObjects({PlacedText(keywords[i % 3], i * 30.0, 0.0, 1 + i % 5)}));
    }
    const ObjectArray clipboard = ParseObjects({BlockText(0, 0, 4), PlacedText("TANK", 9, 0, 2)});
    NewWorkingObjectList list;
    list.AssignFrom(base);
    std::mt19937 random(23);
    auto any = [&](const ObjectPtrArray& set) {
        return set.IsEmpty() ? nullptr : set[static_cast<int>(random() % set.GetCount())];
    };
    const std::function<void()> operations[] = {
        [&] { list.Select(any(list.Shown())); },
        [&] { list.Deselect(any(list.Selected())); },
        [&] { list.HideObject(any(random() % 2 ? list.Shown() : list.Selected())); },
        [&] { list.MoveTypeToVisible(1 + random() % 5); },
        [&] { list.MoveTypeToHidden(1 + random() % 5); },
        [&] { list.SelectAll(); },
        [&] { list.BeginPaste(clipboard); },
        [&] { list.CommitPending(); },
        [&] { list.DiscardPending(); },
        [&] { list.DeleteObject(random() % 2 ? list.Current() : any(list.Shown())); },
        [&] { list.SelectInRect(random() % 200 - 5.0, -5.0, random() % 400, 5.0); },
        [&] { random() % 2 ? list.ShowAll() : list.HideAll(); },
        [&] { list.Objects().GetCount() < 8 ? list.AssignFrom(base) : list.DeselectAll(); },
    };
    for (int step = 0; step < 4000; ++step) {
        operations[random() % std::size(operations)]();
        ASSERT_TRUE(IsSound(list)) << "step " << step;
    }
}

class WorkspaceTest : public test::StructureEditorTest {};

TEST_F(WorkspaceTest, HitTestTakesTheHighestAndSelectedAtEqualHeights) {
    NewWorkingObjectList list;
    list.AssignFrom(
        ParseObjects({BlockText(0, 0, 5, 40), BlockText(0, 0, 1, 10), BlockText(100, 0, 3),
                      BlockText(100, 0, 3), BlockText(200, 0, 9)}));
    const std::vector<AstrelObject*> o = list.ObjectPointers();
    list.Select(o[1]);
    list.Select(o[3]);
    list.HideObject(o[4]);
    // A corner of the outline as the object computes it lies on the outline.
    auto corner = [&](const AstrelObject* p, int i) {
        ObjectImaging outline(document_);
        Point2 corners[4];
        EXPECT_TRUE(p->SetupOutline(document_, outline) && outline.GetCorners(corners));
        return corners[i];
    };
    const std::pair<Point2, AstrelObject*> rows[] = {{{0, 0}, o[0]},
                                                     {{19.9, 19.9}, o[0]},
                                                     {corner(o[0], 0), nullptr},
                                                     {corner(o[0], 3), nullptr},
                                                     {{100, 0}, o[3]},
                                                     {{109.9, 0}, o[3]},
                                                     {corner(o[2], 1), nullptr},
                                                     {{200, 0}, nullptr}};
    for (const auto& [point, hit] : rows) {
        EXPECT_EQ(list.HitTest(point, document_), hit) << point.x << ", " << point.y;
    }
    list.BeginPaste(ParseObjects({BlockText(300, 0, 9)}));
    EXPECT_EQ(list.HitTest(Point2(300, 0), document_), nullptr);
}

TEST_F(WorkspaceTest, SelectInRectGivesTheSameSelectionForEveryCornerOrder) {
    const double corners[][4] = {
        {-10, -10, 50, 30}, {50, 30, -10, -10}, {-10, 30, 50, -10}, {50, -10, -10, 30}};
    for (const auto& c : corners) {
        NewWorkingObjectList list;
        // Inside, on the edge, selected outside, outside, hidden inside.
        list.AssignFrom(ParseObjects({BlockText(0, 0, 1), BlockText(50, 0, 2), BlockText(100, 0, 1),
                                      BlockText(-40, 0, 1), BlockText(10, 10, 1)}));
        // Composites in the list stay as they are: one shown inside, one selected outside.
        AstrelObject composite{ComplexObject(nullptr)};
        list.AddObject(composite);
        composite.SetPositionSnapped(Point3{500, 500, 0}, 0.0);
        list.AddObject(composite);
        const std::vector<AstrelObject*> o = list.ObjectPointers();
        list.Select(o[2]);
        list.Select(o[6]);
        list.HideObject(o[4]);

        list.SelectInRect(c[0], c[1], c[2], c[3]);
        EXPECT_EQ(Members(list.Selected()), (std::set<AstrelObject*>{o[0], o[1], o[6]}));
        EXPECT_EQ(Members(list.Shown()), (std::set<AstrelObject*>{o[2], o[3], o[5]}));
        EXPECT_EQ(Members(list.Hidden()), std::set<AstrelObject*>{o[4]});
    }
}

TEST_F(WorkspaceTest, DeletingTheCurrentObject) {
    NewWorkingObjectList list;
    list.AssignFrom(ParseObjects(
        {BlockText(0, 0, 1), BlockText(50, 0, 2), BlockText(90, 0, 3), BlockText(150, 0, 4)}));
    const std::vector<AstrelObject*> o = list.ObjectPointers();
    for (int i = 0; i < 3; ++i) {
        list.Select(o[i]);
    }
    list.DeleteObject(list.Current());
    EXPECT_EQ(list.ObjectPointers(), std::vector<AstrelObject*>{o[3]});
    // A pending object is only discarded, and the selection with it.
    list.Select(o[3]);
    list.BeginPaste(ParseObjects({BlockText(0, 0, 1)}));
    list.DeleteObject(list.Current());
    EXPECT_EQ(list.ObjectPointers(), std::vector<AstrelObject*>{o[3]});
    EXPECT_FALSE(list.HasPending());
    EXPECT_EQ(Members(list.Shown()), std::set<AstrelObject*>{o[3]});
}

} // namespace
} // namespace pf
