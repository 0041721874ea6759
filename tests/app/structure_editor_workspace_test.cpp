#include "app/logic/structure_editor_workspace.h"

#include "objects/complex_object.h"
#include "support/structure_editor_fixture.h"

#include <algorithm>
#include <random>

namespace pf {
namespace {

using test::BlockText;
using test::ParseObject;
using test::PlacedText;

bool In(const ObjectPtrArray& set, const AstrelObject* p) {
    return std::find(set.begin(), set.end(), p) != set.end();
}

bool Ascending(const ObjectPtrArray& set) {
    for (int i = 1; i < set.GetCount(); ++i) {
        if (set[i]->GetTopHeight() < set[i - 1]->GetTopHeight()) {
            return false;
        }
    }
    return true;
}

// Every object in exactly one of shown, hidden and selected; pending objects only in the
// pending selection; nothing else in any set; every set in ascending top height.
void ExpectSound(NewWorkingObjectList& list, int step) {
    const std::vector<AstrelObject*> objects = list.ObjectPointers();
    for (AstrelObject* p : objects) {
        const int homes = In(list.Shown(), p) + In(list.Hidden(), p) + In(list.Selected(), p);
        ASSERT_EQ(homes, 1) << "step " << step;
        ASSERT_FALSE(In(list.PendingSelection(), p)) << "step " << step;
    }
    ASSERT_EQ(list.Shown().GetCount() + list.Hidden().GetCount() + list.Selected().GetCount(),
              static_cast<int>(objects.size()))
        << "step " << step;
    ASSERT_EQ(list.PendingSelection().GetCount(), list.Pending().GetCount()) << "step " << step;
    for (const AstrelObject& pending : list.Pending()) {
        ASSERT_TRUE(In(list.PendingSelection(), &pending)) << "step " << step;
    }
    for (const ObjectPtrArray* set :
         {&list.Shown(), &list.Hidden(), static_cast<const ObjectPtrArray*>(&list.Selected()),
          static_cast<const ObjectPtrArray*>(&list.PendingSelection())}) {
        ASSERT_TRUE(Ascending(*set)) << "step " << step;
    }
}

TEST(WorkingObjectListTest, SetsStaySoundThroughASeededSequence) {
    const char* keywords[] = {"BLOCK", "HANGAR", "TANK"};
    const double tops[] = {5, 3, 5, 1, 2};
    ObjectArray base;
    for (int i = 0; i < 15; ++i) {
        base.Add(ParseObject(PlacedText(keywords[i % 3], i * 30.0, 0.0, tops[i % 5])));
    }
    ObjectArray clipboard;
    clipboard.Add(ParseObject(BlockText(0, 0, 4)));
    clipboard.Add(ParseObject(PlacedText("TANK", 10, 0, 2)));

    NewWorkingObjectList list;
    list.AssignFrom(base);
    std::mt19937 random(23);
    auto any = [&](const ObjectPtrArray& set) -> AstrelObject* {
        return set.IsEmpty() ? nullptr : set[static_cast<int>(random() % set.GetCount())];
    };
    for (int step = 0; step < 4000; ++step) {
        const int32_t type = static_cast<int32_t>(std::vector<int32_t>{1, 2, 5}[random() % 3]);
        switch (random() % 12) {
        case 0:
            list.Select(any(list.Shown()));
            break;
        case 1:
            list.Deselect(any(list.Selected()));
            break;
        case 2:
            list.HideObject(any(random() % 2 ? list.Shown() : list.Selected()));
            break;
        case 3:
            list.MoveTypeToVisible(type);
            break;
        case 4:
            list.MoveTypeToHidden(type);
            break;
        case 5:
            list.SelectAll();
            break;
        case 6:
            list.BeginPaste(clipboard);
            break;
        case 7:
            list.CommitPending();
            break;
        case 8:
            list.DiscardPending();
            break;
        case 9:
            list.DeleteObject(random() % 2 ? list.Current() : any(list.Shown()));
            break;
        case 10:
            list.SelectInRect(-5.0 + random() % 200, -5.0, random() % 400, 5.0);
            break;
        default:
            if (list.Objects().GetCount() < 8) {
                list.AssignFrom(base);
            } else {
                random() % 2 ? list.ShowAll() : list.HideAll();
            }
            break;
        }
        ExpectSound(list, step);
        if (HasFatalFailure()) {
            return;
        }
    }
}

class WorkspaceTest : public test::StructureEditorTest {
  protected:
    // Objects of the base by name, made into a list; the listed ones selected, hidden.
    void Make(const std::vector<std::pair<std::string, std::string>>& objects) {
        ObjectArray base;
        for (const auto& [name, text] : objects) {
            base.Add(ParseObject(text));
            names_.push_back(name);
        }
        list_.AssignFrom(base);
    }
    AstrelObject* Named(const std::string& name) {
        const auto at = std::find(names_.begin(), names_.end(), name);
        return at == names_.end() ? nullptr : list_.ObjectPointers().at(at - names_.begin());
    }
    std::string NameOf(const AstrelObject* p) {
        const std::vector<AstrelObject*> all = list_.ObjectPointers();
        const auto at = std::find(all.begin(), all.end(), p);
        return at == all.end() ? "none" : names_.at(at - all.begin());
    }
    std::vector<std::string> Names(const ObjectPtrArray& set) {
        std::vector<std::string> names;
        for (const AstrelObject* p : set) {
            names.push_back(NameOf(p));
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    NewWorkingObjectList list_;
    std::vector<std::string> names_;
};

TEST_F(WorkspaceTest, HitTestTakesTheHighestAndSelectedAtEqualHeights) {
    Make({{"tall", BlockText(0, 0, 5, 40)},
          {"low", BlockText(0, 0, 1, 10)},
          {"twinShown", BlockText(100, 0, 3)},
          {"twinSelected", BlockText(100, 0, 3)},
          {"hidden", BlockText(200, 0, 9)}});
    list_.Select(Named("low"));
    list_.Select(Named("twinSelected"));
    list_.HideObject(Named("hidden"));

    // A corner of the outline as the object computes it lies on the outline.
    auto corner = [&](const char* name, int i) {
        ObjectImaging outline(document_);
        Point2 corners[4];
        EXPECT_TRUE(Named(name)->SetupOutline(document_, outline) && outline.GetCorners(corners));
        return corners[i];
    };
    const struct {
        Point2 point;
        const char* hit;
    } rows[] = {
        {{0, 0}, "tall"},
        {{19.9, 19.9}, "tall"},
        {corner("tall", 0), "none"},
        {corner("tall", 3), "none"},
        {{100, 0}, "twinSelected"},
        {{109.9, 0}, "twinSelected"},
        {corner("twinShown", 1), "none"},
        {{200, 0}, "none"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(NameOf(list_.HitTest(row.point, document_)), row.hit)
            << row.point.x << ", " << row.point.y;
    }
    ObjectArray pasted;
    pasted.Add(ParseObject(BlockText(300, 0, 9)));
    list_.BeginPaste(pasted);
    EXPECT_EQ(list_.HitTest(Point2(300, 0), document_), nullptr) << "pending";
}

TEST_F(WorkspaceTest, SelectInRectGivesTheSameSelectionForEveryCornerOrder) {
    const double corners[][4] = {
        {-10, -10, 50, 30}, {50, 30, -10, -10}, {-10, 30, 50, -10}, {50, -10, -10, 30}};
    for (const auto& c : corners) {
        list_.Clear();
        names_.clear();
        Make({{"inside", BlockText(0, 0, 1)},
              {"onEdge", BlockText(50, 0, 2)},
              {"leaving", BlockText(100, 0, 1)},
              {"outside", BlockText(-40, 0, 1)},
              {"hidden", BlockText(10, 10, 1)}});
        // A composite in the list is left as it is: selected outside, shown inside.
        AstrelObject composite{ComplexObject(nullptr)};
        list_.AddObject(composite);
        composite.SetPositionSnapped(Point3{500, 500, 0}, 0.0);
        list_.AddObject(composite);
        names_.push_back("compositeShown");
        names_.push_back("compositeSelected");
        list_.Select(Named("leaving"));
        list_.Select(Named("compositeSelected"));
        list_.HideObject(Named("hidden"));

        list_.SelectInRect(c[0], c[1], c[2], c[3]);

        EXPECT_EQ(Names(list_.Selected()),
                  (std::vector<std::string>{"compositeSelected", "inside", "onEdge"}));
        EXPECT_EQ(Names(list_.Shown()),
                  (std::vector<std::string>{"compositeShown", "leaving", "outside"}));
        EXPECT_EQ(Names(list_.Hidden()), std::vector<std::string>{"hidden"});
    }
}

TEST_F(WorkspaceTest, DeletingTheCurrentObject) {
    Make({{"a", BlockText(0, 0, 1)},
          {"b", BlockText(50, 0, 2)},
          {"c", BlockText(90, 0, 3)},
          {"d", BlockText(150, 0, 4)}});
    for (const char* name : {"a", "b", "c"}) {
        list_.Select(Named(name));
    }
    list_.DeleteObject(list_.Current());
    ASSERT_EQ(list_.Objects().GetCount(), 1);
    EXPECT_EQ(list_.Objects().GetAt(0)->GetParameterText(),
              ParseObject(BlockText(150, 0, 4)).GetParameterText());
    EXPECT_TRUE(list_.Selected().IsEmpty());

    // A pending object is only discarded, with the selection.
    list_.Select(list_.ObjectPointers().at(0));
    ObjectArray pasted;
    pasted.Add(ParseObject(BlockText(0, 0, 1)));
    list_.BeginPaste(pasted);
    list_.DeleteObject(list_.Current());
    EXPECT_EQ(list_.Objects().GetCount(), 1);
    EXPECT_FALSE(list_.HasPending());
    EXPECT_EQ(list_.Shown().GetCount(), 1);
}

} // namespace
} // namespace pf
