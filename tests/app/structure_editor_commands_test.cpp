#include "app/logic/structure_editor_model.h"

#include "app/logic/dialog_runners.h"
#include "support/structure_editor_fixture.h"

#include <algorithm>
#include <cmath>

namespace pf {
namespace {

using test::BlockText;
using test::ParseObject;
using test::PlacedText;

const char kRunway[] = "RUNWAY\nEND1 0 0 0\nEND2 -1000 0 0\nWIDTH 30\nILS1 110.1\nILS2 112.3\n";

class EditorCommandsTest : public test::StructureEditorTest {
  protected:
    std::vector<int> UsedSlots(const NavFrequencyTable& table) {
        std::vector<int> used;
        for (int slot = 0; slot < NavFrequencyTable::kSlotCount; ++slot) {
            if (table.IsUsed(slot)) {
                used.push_back(slot);
            }
        }
        return used;
    }
};

TEST_F(EditorCommandsTest, UndoHistoryKeepsEditsOnly) {
    StructureEditorModel& model = Open({BlockText(0, 0, 1), BlockText(100, 0, 2), kRunway});
    model.PushUndo("start");
    EXPECT_FALSE(model.Undo());
    auto move = [&](double x) {
        Objects()[0]->SetPositionSnapped(Point3{x, 0, 0}, 0.0);
        model.PushUndo("move");
    };
    move(10);
    ASSERT_TRUE(model.Undo());
    // Selecting and hiding are no edits, but the redo tail goes; so does a delete of nothing.
    model.Select(Objects()[1]);
    model.HideObject(Objects()[2]);
    model.PushUndo("select");
    EXPECT_FALSE(model.Redo());
    model.ClearSelection();
    model.DeleteObject();
    EXPECT_EQ(model.History().Count(), 1);
    move(20);
    ASSERT_TRUE(model.Undo());
    move(30);
    EXPECT_FALSE(model.Redo());

    // Undo shows hidden objects again, brings the frequencies and the list (with the
    // restored objects) up to date and shows the result.
    model.HideObject(Objects()[2]);
    model.Frequencies().ClearUsed();
    const int blits = window_.blits;
    ASSERT_TRUE(model.Undo());
    EXPECT_TRUE(model.List().Hidden().IsEmpty());
    EXPECT_EQ(UsedSlots(model.Frequencies()), (std::vector<int>{21, 43}));
    const std::vector<AstrelObject*> o = Objects();
    EXPECT_EQ(window_.entries,
              (std::vector<ObjectListEntry>{
                  {"RUNWAY", o[2]}, {"BLOCK", o[0]}, {"BLOCK", o[1]}, {"Hidden:"}}));
    EXPECT_GT(window_.blits, blits);

    for (int i = 0; i < 150; ++i) {
        move(100 + i);
    }
    EXPECT_EQ(model.History().Count(), 100);
    for (int i = 0; i < 99; ++i) {
        ASSERT_TRUE(model.Undo()) << i;
    }
    EXPECT_FALSE(model.Undo());
}

TEST_F(EditorCommandsTest, ObjectListShowsVisibleThenHiddenByHeight) {
    const std::vector<std::string> mixed = {BlockText(0, 0, 5), PlacedText("TANK", 50, 0, 3),
                                            BlockText(100, 0, 1), PlacedText("HANGAR", 150, 0, 1)};
    // Objects, the hidden ones, and the lines as (text, object or -1 for none).
    const std::tuple<std::vector<std::string>, std::vector<int>,
                     std::vector<std::pair<std::string, int>>>
        rows[] = {
            {{}, {}, {{"Hidden:", -1}}},
            {mixed, {}, {{"BLOCK", 2}, {"HANGAR", 3}, {"TANK", 1}, {"BLOCK", 0}, {"Hidden:", -1}}},
            {mixed,
             {0, 3},
             {{"BLOCK", 2}, {"TANK", 1}, {"Hidden:", -1}, {"HANGAR", -1}, {"BLOCK", -1}}},
        };
    for (const auto& [objects, hidden, lines] : rows) {
        StructureEditorModel& model = Open(objects);
        const std::vector<AstrelObject*> o = Objects();
        for (int i : hidden) {
            model.List().HideObject(o[i]);
        }
        model.RebuildObjectList();
        std::vector<ObjectListEntry> expected;
        for (const auto& [text, index] : lines) {
            expected.push_back({text, index < 0 ? nullptr : o[index]});
        }
        EXPECT_EQ(window_.entries, expected) << objects.size();
        const int resets = window_.listResets;
        model.RebuildObjectList();
        EXPECT_EQ(window_.listResets, resets);
    }
    // Hiding one object lists it among the hidden ones at once.
    model_->HideObject(Objects()[2]);
    EXPECT_EQ(window_.Texts(),
              (std::vector<std::string>{"TANK", "Hidden:", "BLOCK", "HANGAR", "BLOCK"}));
    EXPECT_TRUE(window_.showObjectsVisible);
}

TEST_F(EditorCommandsTest, HideAndShowByTypeMoveTheChosenGroup) {
    std::vector<std::string> base;
    for (const char* keyword : {"BLOCK", "HANGAR", "HANGAR2", "HANGAR3", "TANK", "SOLARPLANT",
                                "LPAD1", "LPAD2", "LPAD2A"}) {
        base.push_back(PlacedText(keyword, base.size() * 100.0, 0, 5));
    }
    for (const char* keyword : {"RUNWAY", "BEACONARRAY", "TRAIN1", "TRAIN2"}) {
        base.push_back(std::string(keyword) + "\nEND1 -300 0 " + std::to_string(base.size() * 100) +
                       "\nEND2 -400 0 " + std::to_string(base.size() * 100) + "\n");
    }
    base.push_back("MESH\nFILE Missing\nPOS 0 0 -500\n");
    const std::vector<std::vector<int32_t>> groups = {
        {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15},
        {6},
        {12, 13, 14},
        {15},
        {1},
        {2, 3, 4},
        {5},
        {9},
        {10, 11},
        {8}};
    for (int option = 0; option < 10; ++option) {
        StructureEditorModel& model = Open(base);
        sandbox_.Ui().AnswerNextMenu(kFirstMenuCommand + option);
        model.HideByType();
        std::vector<int32_t> hidden;
        for (const AstrelObject* p : model.List().Hidden()) {
            hidden.push_back(p->GetType());
        }
        std::sort(hidden.begin(), hidden.end());
        EXPECT_EQ(hidden, groups[option]) << option;
        EXPECT_TRUE(window_.showObjectsVisible);
        EXPECT_EQ(window_.Texts().size(), base.size() + 1);
        sandbox_.Ui().AnswerNextMenu(kFirstMenuCommand + option);
        model.ShowByType();
        EXPECT_FALSE(window_.showObjectsVisible);
        EXPECT_EQ(model.History().Count(), 0);
    }
    const auto& asked = sandbox_.Ui().MenuRequests();
    ASSERT_EQ(asked.size(), 20u);
    EXPECT_EQ(asked[0].title, "Hide:");
    EXPECT_EQ(asked[1].title, "Show:");
    EXPECT_EQ(asked[1].x, StructureEditorModel::kShowObjectsButton);
}

TEST_F(EditorCommandsTest, AddingMarksFrequenciesAndPlacesTheNewObject) {
    NavBeacon beacon;
    for (float frequency : {113.0f, 114.05f}) {
        beacon.frequency.Set(frequency);
        document_.GetBeacons().Add(beacon);
    }
    StructureEditorModel& model =
        Open({kRunway, "RUNWAY\nEND1 0 0 500\nEND2 -1000 0 500\nWIDTH 30\n",
              "LPAD1\nPOS 0 0 -300\nNAV 112.5\n", "LPAD1\nPOS 0 0 -400\nNAV 150\n"});
    model.RebuildFrequencies();
    NavFrequencyTable expected;
    for (float frequency : {113.0f, 114.05f, 110.1f, 112.3f, 112.5f}) {
        expected.MarkUsed(frequency);
    }
    EXPECT_EQ(UsedSlots(model.Frequencies()), UsedSlots(expected));

    // "Add Object" with no type, then with a cancelled pad (its frequency stays marked),
    // adds nothing; a runway becomes the object being placed.
    test::FakeObjectDialogs dialogs;
    dialogs.Answer(kTypeRunway, ParseObject(kRunway));
    dialogs.Answer(kTypeLpad1, std::nullopt);
    struct RestoreChooser {
        std::function<int32_t()> saved = GetDialogRunners().chooseObjectType;
        ~RestoreChooser() { GetDialogRunners().chooseObjectType = saved; }
    } restore;
    int32_t chosen = 0;
    GetDialogRunners().chooseObjectType = [&] { return chosen; };
    for (int32_t type : {0, 12}) {
        chosen = type;
        model.AddObject();
        EXPECT_EQ(model.List().Objects().GetCount(), 4);
        EXPECT_FALSE(model.List().HasPending());
    }
    EXPECT_TRUE(model.Frequencies().IsUsed(1));
    chosen = kTypeRunway;
    model.AddObject();
    EXPECT_EQ(model.Mode(), StructureEditorModel::kModePlaceObject);
    ASSERT_TRUE(model.List().HasPending());
    EXPECT_EQ(model.List().Current()->GetParameterText(), ParseObject(kRunway).GetParameterText());
    EXPECT_EQ(model.History().Count(), 0);
    model.CommitAddedObject();
    EXPECT_EQ(model.List().Objects().GetCount(), 5);
    EXPECT_EQ(model.History().Count(), 1);
    const std::vector<std::string> texts = window_.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "RUNWAY"), 3);

    // A mesh shows its notice before the new object is drawn: one picture more.
    dialogs.Answer(kTypeMesh, ParseObject("MESH\nFILE Missing\nPOS 0 0 0\n"));
    int blits = window_.blits;
    model.AddRunway();
    const int runwayBlits = window_.blits - blits;
    blits = window_.blits;
    model.AddMesh();
    EXPECT_EQ(window_.blits - blits, runwayBlits + 1);
}

TEST_F(EditorCommandsTest, CopySelectionFillsTheClipboardOfTheRun) {
    StructureEditorModel& model = Open({BlockText(0, 0, 5), PlacedText("TANK", 50, 0, 1)});
    StructureEditorClipboard() = test::ParseObjects({BlockText(9, 9, 9)});
    model.CopySelection();
    EXPECT_EQ(StructureEditorClipboard().GetCount(), 1);
    model.Select(Objects()[0]);
    model.Select(Objects()[1]);
    model.CopySelection();
    Open();
    ASSERT_EQ(StructureEditorClipboard().GetCount(), 2);
    EXPECT_EQ(StructureEditorClipboard().GetAt(0)->GetTypeName(), "TANK");
    EXPECT_EQ(StructureEditorClipboard().GetAt(1)->GetTypeName(), "BLOCK");
    StructureEditorClipboard().RemoveAll();
}

TEST_F(EditorCommandsTest, DraggingTheMapPansEachAxisFromFourPixels) {
    const std::tuple<int, int, bool, bool> rows[] = {{103, 97, false, false},
                                                     {104, 100, true, false},
                                                     {100, 96, false, true},
                                                     {96, 105, true, true}};
    for (const auto& [x, y, panX, panY] : rows) {
        StructureEditorModel& model = Open();
        model.pressPosition = ClientPoint{100, 100};
        model.DragMap(x, y);
        EXPECT_EQ(window_.cursors.back(), EditorCursor::Grab);
        EXPECT_EQ(model.longitudeOffset != 0.0, panX) << x << " " << y;
        EXPECT_EQ(model.latitudeOffset != 0.0, panY) << x << " " << y;
        EXPECT_EQ(model.dragged, panX || panY);
        EXPECT_EQ(model.pressPosition.x, panX ? x : 100);
        EXPECT_EQ(model.pressPosition.y, panY ? y : 100);
    }
}

TEST_F(EditorCommandsTest, HoverNamesTheHandleUnderThePointer) {
    StructureEditorModel& model =
        Open({BlockText(-600, 0, 5, 200), "SOLARPLANT\nPOS 0 0 -200\nGRID 5 5\n", kRunway,
              "BEACONARRAY\nEND1 -800 0 -300\nEND2 -800 0 300\nSIZE 5\n"});
    const std::vector<AstrelObject*> o = Objects();
    for (AstrelObject* p : o) {
        model.Select(p);
        model.ClearSelection();
    }
    auto f = [&](int i) { return o[i]->GetFootprint(); };
    const char* width = "Click mouse to change object's width";
    const char* end = "Click mouse to reposition end";
    const char* centre = "Click mouse to reposition object";
    const auto none = std::optional<EditorCursor>();
    // Object, point, status text (null: unchanged) and the cursor set (none: unchanged).
    const std::tuple<int, Point2, const char*, std::optional<EditorCursor>> rows[] = {
        {0, f(0).sideHandle[3], width, EditorCursor::SizeAll},
        {0, f(0).centreHandle, centre, EditorCursor::SizeAll},
        {0, f(0).corner[2], "Click mouse to rotate object", EditorCursor::Rotate},
        {1, f(1).sideHandle[0], nullptr, none},
        {2, f(2).sideHandle[1], end, EditorCursor::SizeAll},
        {2, f(2).sideHandle[3], width, EditorCursor::SizeAll},
        {2, f(2).centreHandle, centre, EditorCursor::SizeAll},
        {3, f(3).sideHandle[2], end, EditorCursor::SizeAll},
        {0, Point2(1, 1), "", none},
    };
    for (const auto& [object, point, status, cursor] : rows) {
        model.SetStatusText("before");
        window_.cursors.clear();
        model.HoverFeedback(o[object], point);
        EXPECT_EQ(model.StatusText(), status ? status : "before") << object;
        EXPECT_EQ(window_.cursors, cursor ? std::vector{*cursor} : std::vector<EditorCursor>{});
    }
}

TEST_F(EditorCommandsTest, ConversionsBetweenPixelsAndMetres) {
    StructureEditorModel& model = Open();
    EXPECT_EQ(model.BasePixel(), (MapPixel{384, 384}));
    const Point3 m00 = model.ViewToMetres(Point2(0, 0));
    const Point3 m11 = model.ViewToMetres(Point2(1, 1));
    for (const Point2& ground : {Point2(0, 0), Point2(123.4, -567.8), Point2(-1000, 900)}) {
        const Point3 back = model.ViewToMetres(model.MetresToView(ground.x, ground.y));
        EXPECT_NEAR(back.x, ground.x, std::fabs(m11.x - m00.x));
        EXPECT_NEAR(back.y, ground.y, std::fabs(m11.y - m00.y));
    }
    // Just across the 180th meridian the ground lies a little east of the base.
    document_.SetPosition(LatLon(179.995, 10.0));
    StructureEditorModel& across = Open();
    ASSERT_GT(across.ViewRect().East(), 180.0);
    const Point3 east = across.ViewToMetres(Point2(767, 384));
    EXPECT_GT(east.x, 1000.0);
    EXPECT_LT(east.x, 1300.0);
    EXPECT_LT(across.ViewToDegrees(Point2(767, 384)).GetLongitude(), -179.99);
}

} // namespace
} // namespace pf
