#include "app/logic/structure_editor_model.h"

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
    // Every object the list shows is alive in the working list.
    void ExpectListPointsAtLiveObjects() {
        const std::vector<AstrelObject*> live = model_->List().ObjectPointers();
        for (const ObjectListEntry& entry : window_.entries) {
            if (entry.object != nullptr) {
                EXPECT_NE(std::find(live.begin(), live.end(), entry.object), live.end());
            }
        }
    }
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
    AddToBase(BlockText(0, 0, 1));
    AddToBase(BlockText(100, 0, 2));
    AddToBase(kRunway);
    StructureEditorModel& model = Open();
    model.PushUndo("start");
    EXPECT_FALSE(model.Undo());
    auto move = [&](double x) {
        Object(0)->SetPositionSnapped(Point3{x, 0, 0}, 0.0);
        model.PushUndo("move");
    };
    move(10);
    ASSERT_TRUE(model.Undo());
    // Selecting and hiding are no edits, but the redo tail goes.
    model.Select(Object(1));
    model.HideObject(Object(2));
    model.PushUndo("select");
    EXPECT_EQ(model.History().Count(), 1);
    EXPECT_FALSE(model.Redo());
    model.ClearSelection();
    model.DeleteObject();
    EXPECT_EQ(model.History().Count(), 1);
    move(20);
    ASSERT_TRUE(model.Undo());
    move(30);
    EXPECT_FALSE(model.Redo());

    // Undo shows hidden objects again, brings the frequencies and the list up to date
    // (pointing at the restored objects) and shows the result.
    model.HideObject(Object(2));
    model.Frequencies().ClearUsed();
    const int blits = window_.blits;
    ASSERT_TRUE(model.Undo());
    EXPECT_TRUE(model.List().Hidden().IsEmpty());
    EXPECT_EQ(UsedSlots(model.Frequencies()), (std::vector<int>{21, 43}));
    EXPECT_EQ(window_.Texts(), (std::vector<std::string>{"RUNWAY", "BLOCK", "BLOCK", "Hidden:"}));
    ExpectListPointsAtLiveObjects();
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
    const struct {
        std::vector<std::string> objects;
        std::vector<int> hidden;
        // Text and the listed object's base position (-1: none, drawn disabled).
        std::vector<std::pair<std::string, int>> entries;
    } rows[] = {
        {{}, {}, {{"Hidden:", -1}}},
        {{BlockText(0, 0, 5), PlacedText("TANK", 50, 0, 3), BlockText(100, 0, 5),
          PlacedText("HANGAR", 150, 0, 1)},
         {},
         {{"HANGAR", 3}, {"TANK", 1}, {"BLOCK", 0}, {"BLOCK", 2}, {"Hidden:", -1}}},
        {{BlockText(0, 0, 5), PlacedText("TANK", 50, 0, 3), BlockText(100, 0, 1),
          PlacedText("HANGAR", 150, 0, 1)},
         {0, 3},
         {{"BLOCK", 2}, {"TANK", 1}, {"Hidden:", -1}, {"HANGAR", -1}, {"BLOCK", -1}}},
    };
    for (const auto& row : rows) {
        document_.GetObjects().RemoveAll();
        for (const std::string& text : row.objects) {
            AddToBase(text);
        }
        StructureEditorModel& model = Open();
        const std::vector<AstrelObject*> objects = model.List().ObjectPointers();
        for (int i : row.hidden) {
            model.List().HideObject(objects[i]);
        }
        model.RebuildObjectList();
        std::vector<ObjectListEntry> expected;
        for (const auto& [text, index] : row.entries) {
            expected.push_back(ObjectListEntry{text, index < 0 ? nullptr : objects[index]});
        }
        EXPECT_EQ(window_.entries, expected) << row.objects.size();
        const int resets = window_.listResets;
        model.RebuildObjectList();
        EXPECT_EQ(window_.listResets, resets);
    }
    // Hiding one object lists it among the hidden ones at once.
    model_->HideObject(Object(2));
    EXPECT_EQ(window_.Texts(),
              (std::vector<std::string>{"TANK", "Hidden:", "BLOCK", "HANGAR", "BLOCK"}));
    EXPECT_TRUE(window_.showObjectsVisible);
}

TEST_F(EditorCommandsTest, AddingPresetsFrequenciesAndPlacesTheNewObject) {
    NavBeacon beacon;
    for (float frequency : {113.0f, 114.05f}) {
        beacon.frequency.Set(frequency);
        document_.GetBeacons().Add(beacon);
    }
    AddToBase(kRunway);
    AddToBase("RUNWAY\nEND1 0 0 500\nEND2 -1000 0 500\nWIDTH 30\n");
    AddToBase("LPAD1\nPOS 0 0 -300\nNAV 112.5\n");
    AddToBase("LPAD1\nPOS 0 0 -400\nNAV 150\n");
    StructureEditorModel& model = Open();
    model.RebuildFrequencies();
    NavFrequencyTable expected;
    for (float frequency : {113.0f, 114.05f, 110.1f, 112.3f, 112.5f}) {
        expected.MarkUsed(frequency);
    }
    EXPECT_EQ(UsedSlots(model.Frequencies()), UsedSlots(expected));

    test::FakeObjectDialogs dialogs;
    dialogs.Answer(kTypeRunway, ParseObject(kRunway));
    dialogs.Answer(kTypeLpad1, std::nullopt);
    const NavFrequencyTable before = model.Frequencies();
    model.AddLandingPad();
    ASSERT_EQ(dialogs.presets.size(), 1u);
    EXPECT_EQ(dialogs.presets[0].first, before.FirstFree());
    expected.MarkUsed(before.FirstFree());
    EXPECT_EQ(UsedSlots(model.Frequencies()), UsedSlots(expected));
    EXPECT_EQ(model.List().Objects().GetCount(), 4);
    EXPECT_FALSE(model.List().HasPending());

    model.RebuildFrequencies();
    const int states = model.History().Count();
    model.AddRunway();
    ASSERT_EQ(dialogs.presets.size(), 2u);
    const auto [ils1, ils2] = dialogs.presets[1];
    EXPECT_EQ(ils1, before.FirstFreeFromMiddle());
    EXPECT_NE(ils2, ils1);
    EXPECT_EQ(ils2, model.Frequencies().FirstFreeFromMiddle());
    EXPECT_EQ(model.Mode(), StructureEditorModel::kModePlaceObject);
    EXPECT_EQ(model.StatusText(), "Click on map to add object at that point.");
    ASSERT_TRUE(model.List().HasPending());
    EXPECT_EQ(model.List().Current()->GetParameterText(), ParseObject(kRunway).GetParameterText());
    EXPECT_EQ(model.History().Count(), states);

    model.CommitAddedObject();
    EXPECT_EQ(model.List().Objects().GetCount(), 5);
    EXPECT_FALSE(model.List().HasPending());
    EXPECT_EQ(model.History().Count(), states + 1);
    const std::vector<std::string> texts = window_.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "RUNWAY"), 3);

    // A mesh shows its notice before the new object is drawn: one more picture.
    dialogs.Answer(kTypeMesh, ParseObject("MESH\nFILE Missing\nPOS 0 0 0\n"));
    int blits = window_.blits;
    model.AddRunway();
    const int runwayBlits = window_.blits - blits;
    blits = window_.blits;
    model.AddMesh();
    EXPECT_EQ(window_.blits - blits, runwayBlits + 1);
}

TEST_F(EditorCommandsTest, CopySelectionFillsTheClipboardOfTheRun) {
    AddToBase(BlockText(0, 0, 5));
    AddToBase(PlacedText("TANK", 50, 0, 1));
    StructureEditorModel& model = Open();
    StructureEditorClipboard().RemoveAll();
    StructureEditorClipboard().Add(ParseObject(BlockText(9, 9, 9)));
    model.CopySelection();
    ASSERT_EQ(StructureEditorClipboard().GetCount(), 1);

    model.Select(Object(0));
    model.Select(Object(1));
    model.CopySelection();
    test::RecordingEditorWindow otherWindow;
    BaseDocument otherBase;
    StructureEditorModel other(otherBase, otherWindow);
    ASSERT_EQ(StructureEditorClipboard().GetCount(), 2);
    EXPECT_EQ(StructureEditorClipboard().GetAt(0)->GetTypeName(), "TANK");
    EXPECT_EQ(StructureEditorClipboard().GetAt(1)->GetTypeName(), "BLOCK");
    StructureEditorClipboard().RemoveAll();
}

TEST_F(EditorCommandsTest, DraggingTheMapPansEachAxisFromFourPixels) {
    const struct {
        int x, y;
        bool panX, panY;
    } rows[] = {{103, 97, false, false},
                {104, 100, true, false},
                {100, 96, false, true},
                {96, 105, true, true}};
    for (const auto& row : rows) {
        StructureEditorModel& model = Open();
        model.pressPosition = ClientPoint{100, 100};
        model.DragMap(row.x, row.y);
        EXPECT_EQ(window_.cursor, EditorCursor::Grab);
        EXPECT_EQ(model.longitudeOffset != 0.0, row.panX) << row.x << " " << row.y;
        EXPECT_EQ(model.latitudeOffset != 0.0, row.panY) << row.x << " " << row.y;
        EXPECT_EQ(model.dragged, row.panX || row.panY);
        EXPECT_EQ(model.pressPosition.x, row.panX ? row.x : 100);
        EXPECT_EQ(model.pressPosition.y, row.panY ? row.y : 100);
    }
}

TEST_F(EditorCommandsTest, HoverNamesTheHandleUnderThePointer) {
    AddToBase(BlockText(-600, 0, 5, 200));
    AddToBase("SOLARPLANT\nPOS 0 0 -200\nGRID 5 5\n");
    AddToBase(kRunway);
    AddToBase("BEACONARRAY\nEND1 -800 0 -300\nEND2 -800 0 300\nCOUNT 4\nSIZE 5\n");
    StructureEditorModel& model = Open();
    const std::vector<AstrelObject*> objects = model.List().ObjectPointers();
    for (AstrelObject* p : objects) {
        model.Select(p);
        model.ClearSelection();
    }
    enum { kBlock, kSolar, kRunwayObject, kBeacons };
    auto side = [&](int object, int i) { return objects[object]->GetFootprint().sideHandle[i]; };
    auto centre = [&](int object) { return objects[object]->GetFootprint().centreHandle; };
    auto corner = [&](int object) { return objects[object]->GetFootprint().corner[2]; };
    const struct {
        int object;
        Point2 point;
        const char* status; // null: unchanged
        EditorCursor cursor;
        bool cursorSet;
    } rows[] = {
        {kBlock, side(kBlock, 3), "Click mouse to change object's width", EditorCursor::SizeAll,
         true},
        {kBlock, centre(kBlock), "Click mouse to reposition object", EditorCursor::SizeAll, true},
        {kBlock, corner(kBlock), "Click mouse to rotate object", EditorCursor::Rotate, true},
        {kSolar, side(kSolar, 0), nullptr, EditorCursor::Arrow, false},
        {kRunwayObject, side(kRunwayObject, 1), "Click mouse to reposition end",
         EditorCursor::SizeAll, true},
        {kRunwayObject, side(kRunwayObject, 3), "Click mouse to change object's width",
         EditorCursor::SizeAll, true},
        {kRunwayObject, centre(kRunwayObject), "Click mouse to reposition object",
         EditorCursor::SizeAll, true},
        {kBeacons, side(kBeacons, 2), "Click mouse to reposition end", EditorCursor::SizeAll, true},
        {kBlock, Point2(1, 1), "", EditorCursor::Arrow, false},
    };
    for (const auto& row : rows) {
        model.SetStatusText("before");
        window_.cursor = EditorCursor::Arrow;
        const int changes = window_.cursorChanges;
        model.HoverFeedback(objects[row.object], row.point);
        EXPECT_EQ(model.StatusText(), row.status ? row.status : "before") << row.object;
        EXPECT_EQ(window_.cursor, row.cursor) << row.object;
        EXPECT_EQ(window_.cursorChanges - changes, row.cursorSet ? 1 : 0) << row.object;
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
