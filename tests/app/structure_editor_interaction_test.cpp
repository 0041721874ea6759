#include "app/logic/structure_editor_model.h"

#include "app/logic/dialog_runners.h"
#include "foundation/text.h"
#include "objects/runway.h"
#include "support/structure_editor_fixture.h"

#include <cmath>
#include <functional>

namespace pf {
namespace {

using test::BlockText;
using test::ParseObject;

// Runway from ground (0, 0) north to (0, 1000), 100 m wide.
const char kRunway[] = "RUNWAY\nEND1 0 0 0\nEND2 -1000 0 0\nWIDTH 100\n";

class EditorInteractionTest : public test::StructureEditorTest {
  protected:
    // The client pixel whose view pixel lies within half a pixel of the view pixel v.
    ClientPoint ClientOf(const Point2& v) {
        return ClientPoint{static_cast<int>(std::floor(v.x)) + model_->viewOrigin.x,
                           static_cast<int>(std::floor(v.y)) + model_->viewOrigin.y};
    }
    ClientPoint ClientAt(double x, double y) { return ClientOf(model_->MetresToView(x, y)); }
    // The current object's handles are stored when the selection is drawn.
    const FootprintRecord& Handles(int object) {
        model_->Select(Objects()[object]);
        return Objects()[object]->GetFootprint();
    }
    void Press(ClientPoint c, bool ctrl = false) { model_->OnLButtonDown(c.x, c.y, ctrl); }
    void Move(ClientPoint c) { model_->OnMouseMove(c.x, c.y, false); }
    void Release(ClientPoint c, bool ctrl = false) { model_->OnLButtonUp(c.x, c.y, ctrl); }
    std::vector<int> SelectedIndices() {
        std::vector<int> selected;
        const std::vector<AstrelObject*> o = Objects();
        for (size_t i = 0; i < o.size(); ++i) {
            if (model_->IsSelected(o[i])) {
                selected.push_back(static_cast<int>(i));
            }
        }
        return selected;
    }
};

TEST_F(EditorInteractionTest, GesturesSelectPanAndDrawTheRubberBand) {
    struct Row {
        int tool;
        bool ctrl;
        std::vector<int> before;     // selected at the start
        Point2 press;                // ground metres
        std::vector<Point2> moves;   // ground metres
        std::vector<int> after;      // selected at the end
        std::vector<int> modes;      // after the press and each move
        std::vector<int> afterPress; // selected right after the press
        bool panned;
        int list; // the list's current line at the end (1 at the start)
    };
    const Point2 empty(-600, 600);
    const Row rows[] = {
        {0, false, {0}, empty, {}, {}, {1}, {0}, false, -1},
        {0, true, {0}, empty, {}, {0}, {1}, {0}, false, 1},
        {1, true, {0}, empty, {}, {}, {1}, {}, false, -1},
        {1, false, {0}, Point2(0, 0), {}, {0}, {5}, {0}, false, 1},
        // A click on an object clears the list's current line.
        {0, false, {0}, Point2(300, 0), {}, {1}, {1}, {0}, false, -1},
        {0, true, {0}, Point2(300, 0), {}, {0, 1}, {1}, {0}, false, -1},
        {0, true, {0, 1}, Point2(300, 0), {}, {0}, {1}, {0, 1}, false, -1},
        // The first move leaves mode 1 at once; the map moves from four pixels on.
        {0, false, {}, empty, {Point2(-598, 600), Point2(-500, 500)}, {}, {1, 3, 3}, {}, true, 1},
        // The band spans from the first move (the press position from then on).
        {1,
         false,
         {},
         Point2(-200, 200),
         {Point2(-198, 198), Point2(400, -200)},
         {0, 1},
         {1, 4, 4},
         {},
         false,
         -1},
        // Leaving the view ends the drag.
        {0,
         false,
         {},
         empty,
         {Point2(-598, 600), Point2(-500, 600), Point2(-5000, 0)},
         {},
         {1, 3, 3, 0},
         {},
         true,
         1},
    };
    for (const Row& row : rows) {
        StructureEditorModel& model = Open({BlockText(0, 0, 5, 100), BlockText(300, 0, 3, 100)});
        model.tool = row.tool;
        for (int i : row.before) {
            model.Select(Objects()[i]);
        }
        window_.listCurrent = 1;
        std::vector<int> modes;
        const std::string where = std::to_string(row.press.x) + " " + std::to_string(row.ctrl);
        Press(ClientAt(row.press.x, row.press.y), row.ctrl);
        modes.push_back(model.Mode());
        EXPECT_EQ(SelectedIndices(), row.afterPress) << where;
        ClientPoint last = ClientAt(row.press.x, row.press.y);
        for (const Point2& move : row.moves) {
            last = ClientAt(move.x, move.y);
            Move(last);
            modes.push_back(model.Mode());
        }
        Release(last, row.ctrl);
        EXPECT_EQ(modes, row.modes) << where;
        EXPECT_EQ(model.Mode(), 0) << where;
        EXPECT_EQ(SelectedIndices(), row.after) << where;
        EXPECT_EQ(model.longitudeOffset != 0.0, row.panned) << where;
        EXPECT_EQ(window_.listCurrent, row.list) << where;
    }
}

TEST_F(EditorInteractionTest, APressOnAHandleChoosesTheDragMode) {
    StructureEditorModel& model = Open({BlockText(0, 0, 5, 100), kRunway});
    const FootprintRecord block = Handles(0);
    model.ClearSelection();
    const FootprintRecord runway = Handles(1);
    const std::tuple<int, Point2, int> rows[] = {
        {0, block.centreHandle, 5},    {0, block.corner[3], 6},       {0, block.sideHandle[1], 7},
        {0, block.sideHandle[2], 8},   {0, block.sideHandle[0], 9},   {0, block.sideHandle[3], 10},
        {1, runway.sideHandle[1], 12}, {1, runway.sideHandle[2], 11}, {1, runway.sideHandle[0], 9},
        {1, runway.sideHandle[3], 10}, {1, runway.centreHandle, 5},   {1, Point2(5, 5), 1},
    };
    for (const auto& [object, point, mode] : rows) {
        model.ClearSelection();
        Handles(object);
        model.SetMode(0, -1, -1);
        Press(ClientOf(point));
        EXPECT_EQ(model.Mode(), mode) << object << " " << point.x << "," << point.y;
    }
}

TEST_F(EditorInteractionTest, DragsChangeTheObjectAndRecordOneState) {
    const char kRaised[] = "BLOCK\nPOS 0 12 0\nSCALE 100 5 100\nROT 0\n";
    // Moving with snap 10 keeps the height.
    StructureEditorModel& model = Open({kRaised, kRunway});
    model.PushUndo("start");
    model.snapStep = 10;
    Press(ClientOf(Handles(0).centreHandle));
    Move(ClientAt(123, 47));
    Release(ClientAt(123, 47));
    EXPECT_EQ(Objects()[0]->GetPosition().x, 120);
    EXPECT_EQ(Objects()[0]->GetPosition().y, 50);
    EXPECT_EQ(Objects()[0]->GetPosition().z, 12);
    EXPECT_EQ(model.History().Count(), 2);

    // Turning by 15 degree steps: a few degrees keep the anchor, a step moves it.
    model.rotateStep = 15;
    const FootprintRecord f = Handles(0);
    const Point2 centre = f.centreHandle;
    Press(ClientOf(f.corner[0]));
    ASSERT_EQ(model.Mode(), 6);
    auto around = [&](double degrees) {
        const double dx = f.corner[0].x - centre.x;
        const double dy = f.corner[0].y - centre.y;
        const double r = degrees * M_PI / 180.0;
        return Point2(centre.x + dx * std::cos(r) - dy * std::sin(r),
                      centre.y + dx * std::sin(r) + dy * std::cos(r));
    };
    const Point2 anchor = model.Anchor();
    Move(ClientOf(around(-5)));
    EXPECT_EQ(model.Anchor().x, anchor.x);
    EXPECT_EQ(Objects()[0]->GetRotation().value, 0);
    Move(ClientOf(around(-35)));
    EXPECT_NE(model.Anchor().x, anchor.x);
    EXPECT_EQ(std::fmod(Objects()[0]->GetRotation().value, 15.0), 0.0);
    EXPECT_NE(Objects()[0]->GetRotation().value, 0);
    Release(ClientOf(around(-35)));
    EXPECT_EQ(model.History().Count(), 3);

    // A width handle dragged across the opposite edge: the drag goes on with that one.
    model.ClearSelection();
    const FootprintRecord r = Handles(1);
    Press(ClientOf(r.sideHandle[0]));
    ASSERT_EQ(model.Mode(), 9);
    auto beyond = [&](double k) {
        return ClientOf(Point2(r.centreHandle.x + k * (r.centreHandle.x - r.sideHandle[0].x),
                               r.centreHandle.y + k * (r.centreHandle.y - r.sideHandle[0].y)));
    };
    Move(beyond(1.5));
    EXPECT_EQ(model.Mode(), 10);
    Move(beyond(2.5));
    Release(beyond(2.5));
    EXPECT_EQ(model.History().Count(), 4);

    // END2 dropped on END1 changes nothing.
    const std::string runway = Objects()[1]->GetParameterText();
    Press(ClientOf(Handles(1).sideHandle[1]));
    ASSERT_EQ(model.Mode(), 12);
    Move(ClientAt(0, 0));
    Release(ClientAt(0, 0));
    EXPECT_EQ(Objects()[1]->GetParameterText(), runway);
    EXPECT_EQ(model.History().Count(), 4);
}

TEST_F(EditorInteractionTest, EditingFromTheMouse) {
    test::FakeObjectDialogs dialogs;
    dialogs.Answer(kTypeBlock, ParseObject(BlockText(0, 0, 9, 100)));
    StructureEditorModel& model = Open({BlockText(0, 0, 5, 100), BlockText(300, 0, 3, 100)});
    model.PushUndo("start");
    const ClientPoint a = ClientAt(0, 0);
    const ClientPoint b = ClientAt(300, 0);
    // A right press selects the object alone, in mode 0 only.
    model.Select(Objects()[0]);
    model.OnRButtonDown(b.x, b.y, false);
    EXPECT_EQ(SelectedIndices(), std::vector<int>{1});
    model.SetMode(5, -1, -1);
    model.OnRButtonDown(a.x, a.y, false);
    EXPECT_EQ(SelectedIndices(), std::vector<int>{1});
    model.SetMode(0, -1, -1);

    // (gesture on b: 0 double click, else the menu's option) -> states added.
    test::ScriptedUi& ui = sandbox_.Ui();
    const std::pair<int, int> rows[] = {
        {0, 1}, {kFirstMenuCommand, 1}, {-1, 0}, {kFirstMenuCommand + 1, 0}};
    for (const auto& [gesture, states] : rows) {
        dialogs.Answer(kTypeBlock,
                       ParseObject(BlockText(300, 0, 3 + model.History().Count(), 100)));
        model.Select(Objects()[1]);
        const int before = model.History().Count();
        if (gesture == 0) {
            model.OnLButtonDblClk(b.x, b.y, false);
        } else {
            ui.AnswerNextMenu(gesture < 0 ? 0 : gesture);
            model.OnRButtonUp(b.x, b.y, false);
            EXPECT_EQ(ui.MenuRequests().back().title, "Highlighted Object Options:");
        }
        EXPECT_EQ(model.History().Count() - before, states) << gesture;
    }
    EXPECT_TRUE(model.List().IsHidden(Objects()[1]));
}

TEST_F(EditorInteractionTest, NudgeMovesByAPixelOrTheSnapStep) {
    // (zoom, snap, key (dx, dy)); at zoom 13 a pixel is about 3.18 m, at zoom 20 0.025 m.
    const std::tuple<double, double, int, int> rows[] = {
        {13, 0, 1, 0}, {13, 0, 0, 1}, {20, 1, -1, 0}, {20, 1, 0, -1}};
    for (const auto& [zoom, snap, dx, dy] : rows) {
        StructureEditorModel& model = Open({BlockText(0, 0, 5, 100)});
        model.zoom = zoom;
        model.FullRefresh();
        model.snapStep = snap;
        model.Select(Objects()[0]);
        model.PushUndo("start");
        const double pixel =
            std::fabs(model.ViewToMetres(Point2(0, 0)).x - model.ViewToMetres(Point2(1, 1)).x);
        model.Nudge(dx, dy);
        const double step = std::max(pixel, snap);
        EXPECT_NEAR(Objects()[0]->GetPosition().x, dx * step, 1e-3) << zoom;
        EXPECT_NEAR(Objects()[0]->GetPosition().y, dy * step, 1e-3) << zoom;
        EXPECT_EQ(model.History().Count(), 2);
    }
}

TEST_F(EditorInteractionTest, PasteGivesFreshFrequenciesAndFollowsThePointer) {
    StructureEditorModel& model = Open({BlockText(0, 0, 5, 100)});
    StructureEditorClipboard().RemoveAll();
    model.Paste();
    EXPECT_EQ(model.Mode(), 0);

    StructureEditorClipboard() =
        test::ParseObjects({"RUNWAY\nEND1 0 0 0\nEND2 -100 0 0\nILS1 110.1\nILS2 112.3\n"});
    auto ils = [](AstrelObject* o) {
        auto* runway = dynamic_cast<Runway*>(o->Get());
        return std::make_pair(runway->ils1.value, runway->ils2.value);
    };
    model.Paste();
    const auto first = ils(StructureEditorClipboard().GetAt(0));
    // Pending objects: a second paste waits for the first to be placed.
    model.Paste();
    EXPECT_EQ(ils(StructureEditorClipboard().GetAt(0)), first);
    EXPECT_EQ(model.Mode(), StructureEditorModel::kModePlaceObject);
    Move(ClientAt(400, 300));
    EXPECT_NEAR(model.List().Current()->GetPosition().x, 400, 3.2);
    Press(ClientAt(400, 300));
    Release(ClientAt(400, 300));
    EXPECT_EQ(model.List().Objects().GetCount(), 2);
    model.Paste();
    const auto second = ils(StructureEditorClipboard().GetAt(0));
    EXPECT_NE(second.first, first.first);
    EXPECT_NE(second.second, first.second);
    EXPECT_NE(second.first, first.second);

    // A pad takes the first free NAV; with every channel in use it keeps its own.
    StructureEditorClipboard() = test::ParseObjects({"LPAD1\nPOS 0 0 0\nNAV 112.5\n"});
    auto nav = [] {
        auto* pad =
            dynamic_cast<NewPosDiameterRotTexNav*>(StructureEditorClipboard().GetAt(0)->Get());
        return pad->nav;
    };
    model.ClearSelection();
    model.RebuildFrequencies();
    const float free = model.Frequencies().FirstFree();
    model.Paste();
    EXPECT_EQ(nav().value, free);
    model.ClearSelection();
    // Every channel up to 139.0 MHz is in use: the next one offered is refused.
    for (int slot = 0; slot <= 310; ++slot) {
        model.Frequencies().MarkUsed(model.Frequencies().GetFrequency(slot));
    }
    model.Paste();
    EXPECT_TRUE(nav().valid);
    EXPECT_EQ(nav().value, free);
    StructureEditorClipboard().RemoveAll();
}

TEST_F(EditorInteractionTest, AnAddedObjectAsksForItsPlaceUntilTheWaitEnds) {
    test::FakeObjectDialogs dialogs;
    dialogs.Answer(kTypeBlock, ParseObject(BlockText(0, 0, 9, 100)));
    dialogs.Answer(kTypeTank, ParseObject(test::PlacedText("TANK", 0, 0, 9)));
    struct RestoreChooser {
        std::function<int32_t()> saved = GetDialogRunners().chooseObjectType;
        ~RestoreChooser() { GetDialogRunners().chooseObjectType = saved; }
    } restore;
    int32_t chosen = kTypeBlock;
    GetDialogRunners().chooseObjectType = [&] { return chosen; };
    const std::string prompt = "Click on map to add object at that point.";
    ClientPoint at;
    // What follows the add -> the prompt then, the objects in the base.
    const std::tuple<const char*, std::function<void(StructureEditorModel&)>, std::string, int>
        rows[] = {
            {"moves", [&](StructureEditorModel&) { Move(at); }, prompt, 0},
            {"click",
             [&](StructureEditorModel&) {
                 Move(at);
                 Press(at);
                 Release(at);
             },
             "", 1},
            // Another add throws the waiting object away; a new one waits in its stead.
            {"add, cancelled",
             [&](StructureEditorModel& m) {
                 chosen = 0;
                 m.AddObject();
             },
             "", 0},
            {"add a tank",
             [&](StructureEditorModel& m) {
                 chosen = kTypeTank;
                 m.AddObject();
             },
             prompt, 0},
            {"Esc",
             [](StructureEditorModel& m) {
                 m.OnKeyDown(EditorKey::Escape, false, EditorFocus::Dialog);
             },
             "", 0},
            {"list choice", [](StructureEditorModel& m) { m.OnListSelChange(); }, "", 0},
        };
    for (const auto& [what, then, after, objects] : rows) {
        StructureEditorModel& model = Open();
        at = ClientAt(400, 300);
        chosen = kTypeBlock;
        model.AddObject();
        EXPECT_EQ(model.PlacementPrompt(), prompt) << what;
        then(model);
        EXPECT_EQ(model.PlacementPrompt(), after) << what;
        EXPECT_EQ(model.List().Objects().GetCount(), objects) << what;
    }
}

TEST_F(EditorInteractionTest, TheListSelectsEditsAndLetsGoOfTheArrows) {
    test::FakeObjectDialogs dialogs;
    dialogs.Answer(kTypeBlock, ParseObject(BlockText(0, 0, 9, 100)));
    StructureEditorModel& model =
        Open({BlockText(0, 0, 5, 100), BlockText(300, 0, 3, 100), BlockText(600, 0, 1, 100)});
    model.List().HideObject(Objects()[2]);
    model.PushUndo("start");
    // Lines: BLOCK (top 3), BLOCK (top 5), "Hidden:", BLOCK (hidden).
    StructureEditorClipboard() = test::ParseObjects({BlockText(0, 0, 1)});
    model.Paste();
    for (int line : {0, 2, 3}) {
        window_.listCurrent = line;
        model.OnListSelChange();
        EXPECT_FALSE(model.List().HasPending());
        EXPECT_EQ(SelectedIndices(), std::vector<int>{1}) << line;
    }
    window_.listCurrent = 1;
    model.OnListSelChange();
    EXPECT_EQ(SelectedIndices(), std::vector<int>{0});
    model.OnListDblClk();
    EXPECT_EQ(model.History().Count(), 2);
    EXPECT_TRUE(model.listHasFocus);

    // Leaving the list's rectangle gives the focus to "+".
    model.OnMouseMove(100, 100, false);
    EXPECT_TRUE(model.listHasFocus);
    model.OnMouseMove(500, 100, false);
    EXPECT_FALSE(model.listHasFocus);
    EXPECT_EQ(window_.zoomInFocused, 1);
    StructureEditorClipboard().RemoveAll();
}

TEST_F(EditorInteractionTest, TheStatusLineShowsThePositionAsTheFileWritesIt) {
    StructureEditorModel& model = Open();
    const ClientPoint c = ClientAt(100, 200);
    model.OnMouseMove(c.x, c.y, false);
    const Point3 q = model.ViewToMetres(model.ClientToView(c));
    const LatLon d = model.ViewToDegrees(model.ClientToView(c));
    EXPECT_EQ(window_.statusLine,
              FormatString("Cursor position - Longitude:%.4f Latitude:%.4f.  cfg file position: "
                           "x:%.2f, y:0 z:%.2f",
                           d.GetLongitude(), d.GetLatitude(), -q.y, q.x));
    EXPECT_NEAR(-q.y, -200, 3.2);
    model.OnMouseMove(5, 5, false);
    EXPECT_EQ(window_.statusLine, "");
}

} // namespace
} // namespace pf
