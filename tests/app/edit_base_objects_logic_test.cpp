#include "app/logic/edit_base_objects_logic.h"

#include "app/logic/structure_editor_model.h"
#include "foundation/text.h"
#include "platform/settings_store.h"
#include "support/fake_clock.h"
#include "support/structure_editor_fixture.h"
#include "workspace/settings.h"

#include <cstring>

namespace pf {
namespace {

using test::BlockText;
using test::PlacedText;

class EditorDialogTest : public test::StructureEditorTest {};

TEST_F(EditorDialogTest, ZoomStaysWithinSixAndTwentyAndPansMoveByAQuarter) {
    // (zoom before, step) -> zoom after, offsets reset.
    const std::tuple<double, int, double, bool> rows[] = {{13, 1, 14, false},  {20, 1, 20, false},
                                                          {13, -1, 12, false}, {7, -1, 6, true},
                                                          {6, -1, 6, false},   {6.5, -1, 6, true}};
    for (const auto& [before, step, after, centred] : rows) {
        StructureEditorModel& model = Open();
        model.zoom = before;
        model.longitudeOffset = 0.5;
        model.ZoomStep(step);
        EXPECT_EQ(model.zoom, after) << before << " " << step;
        EXPECT_EQ(model.longitudeOffset == 0.0, centred) << before << " " << step;
    }
    // The pointer over the view: its move is replayed on the new map.
    StructureEditorModel& model = Open();
    model.OnMouseMove(300, 300, false);
    const std::string status = window_.statusLine;
    model.OnMouseWheel(120);
    EXPECT_EQ(model.zoom, 14);
    EXPECT_NE(window_.statusLine, status);
    model.OnMouseWheel(0);
    EXPECT_EQ(model.zoom, 13);

    // "<" and "^" move the view west and north by a quarter of it, and every layer follows.
    const LatLonRect before = model.ViewRect();
    model.PanButton(kIdPanLeft);
    model.PanButton(kIdPanUp);
    const LatLonRect after = model.ViewRect();
    EXPECT_NEAR(before.West() - after.West(), before.GetWidth() * 192 / 768, 1e-12);
    EXPECT_NEAR(after.North() - before.North(), before.GetHeight() * 192 / 768, 1e-12);
    StructureEditorModel fresh(document_, window_);
    fresh.zoom = 13;
    fresh.longitudeOffset = model.longitudeOffset;
    fresh.latitudeOffset = model.latitudeOffset;
    fresh.FullRefresh();
    const BitmapData& a = fresh.WorkImage();
    ASSERT_EQ(a.Stride(), model.WorkImage().Stride());
    EXPECT_EQ(std::memcmp(a.Pixels(), model.WorkImage().Pixels(), a.Stride() * a.Height()), 0);
}

TEST_F(EditorDialogTest, SettingPopupsStoreTheValueAndSetTheCaption) {
    struct Row {
        int button, option;
        const char *setting, *stored, *caption;
    };
    const Row rows[] = {
        {kIdSnapTo, 0, "Snap To", "0", "Snap To: Off"},
        {kIdSnapTo, 1, "Snap To", "1", "Snap To: 1M"},
        {kIdSnapTo, 2, "Snap To", "10", "Snap To: 10M"},
        {kIdSnapTo, 3, "Snap To", "100", "Snap To: 100M"},
        {kIdSnapTo, 4, "Snap To", "1000", "Snap To: 1000M"},
        {kIdDrawGrid, 0, "Grid Size", "0", "Grid: Off"},
        {kIdDrawGrid, 1, "Grid Size", "1", "Grid: 1M"},
        {kIdDrawGrid, 2, "Grid Size", "10", "Grid: 10M"},
        {kIdDrawGrid, 3, "Grid Size", "100", "Grid: 100M"},
        {kIdDrawGrid, 4, "Grid Size", "1000", "Grid: 1000M"},
        {kIdRotateBy, 0, "Rotate By", "0", "Rotate: Continuous"},
        {kIdRotateBy, 1, "Rotate By", "1", "Rotate By: 1\xB0"},
        {kIdRotateBy, 2, "Rotate By", "15", "Rotate By: 15\xB0"},
    };
    StructureEditorModel& model = Open();
    for (const Row& row : rows) {
        sandbox_.Ui().AnswerNextMenu(kFirstMenuCommand + row.option);
        row.button == kIdSnapTo     ? model.ChooseSnapTo()
        : row.button == kIdDrawGrid ? model.ChooseGridSize()
                                    : model.ChooseRotateBy();
        std::string stored;
        settings_store::Read(row.setting, stored);
        EXPECT_EQ(stored, row.stored) << row.caption;
        EXPECT_EQ(window_.captions[row.button], row.caption);
        const auto& request = sandbox_.Ui().MenuRequests().back();
        EXPECT_EQ(request.x, row.button);
    }
    EXPECT_EQ(model.snapStep, 1000);
    EXPECT_EQ(model.gridSize, 1000);
    EXPECT_EQ(model.rotateStep, 15);
    // Closed without a choice: nothing changes.
    window_.captions.clear();
    model.ChooseSnapTo();
    EXPECT_TRUE(window_.captions.empty());
    EXPECT_EQ(model.snapStep, 1000);

    // A stored value the popup does not offer keeps the button's own caption.
    settings_store::Write("Snap To", "7");
    StructureEditorModel& seven = Open();
    seven.ShowStartState();
    EXPECT_EQ(window_.captions.count(kIdSnapTo), 0u);
    EXPECT_EQ(window_.captions[kIdDrawGrid], "Grid: 1000M");
    EXPECT_EQ(window_.tool, 0);
}

TEST_F(EditorDialogTest, KeysActWhereTheFocusLetsThem) {
    StructureEditorClipboard() = test::ParseObjects({BlockText(0, 0, 1)});
    // (key, ctrl, focus) -> selected objects after, pending, undo states added, objects left.
    struct Row {
        EditorKey key;
        bool ctrl;
        EditorFocus focus;
        int selected, pending, states, objects;
    };
    const Row rows[] = {
        {EditorKey::Escape, false, EditorFocus::Dialog, 0, 0, 0, 3},
        {EditorKey::Delete, false, EditorFocus::PictureButton, 0, 0, 1, 2},
        {EditorKey::Delete, false, EditorFocus::List, 1, 0, 0, 3},
        {EditorKey::Delete, false, EditorFocus::OtherControl, 1, 0, 0, 3},
        {EditorKey::A, true, EditorFocus::Nothing, 3, 0, 0, 3},
        {EditorKey::A, false, EditorFocus::Nothing, 1, 0, 0, 3},
        {EditorKey::Right, false, EditorFocus::Dialog, 1, 0, 1, 3},
        {EditorKey::V, true, EditorFocus::Dialog, 0, 1, 0, 3},
        {EditorKey::C, true, EditorFocus::Dialog, 1, 0, 0, 3},
        {EditorKey::Z, true, EditorFocus::Dialog, 1, 0, 0, 3},
    };
    for (const Row& row : rows) {
        StructureEditorModel& model =
            Open({BlockText(0, 0, 5), BlockText(100, 0, 3), BlockText(200, 0, 1)});
        model.Select(Objects()[1]);
        model.PushUndo("start");
        model.OnKeyDown(row.key, row.ctrl, row.focus);
        EXPECT_EQ(model.List().Selected().GetCount(), row.selected) << static_cast<int>(row.key);
        EXPECT_EQ(model.List().HasPending(), row.pending == 1) << static_cast<int>(row.key);
        EXPECT_EQ(model.History().Count() - 1, row.states) << static_cast<int>(row.key);
        EXPECT_EQ(model.List().Objects().GetCount(), row.objects) << static_cast<int>(row.key);
        EXPECT_EQ(model.ctrlDown, row.ctrl);
    }
    // Arrows wait while the list has the focus.
    model_->listHasFocus = true;
    model_->OnKeyDown(EditorKey::Right, false, EditorFocus::Dialog);
    EXPECT_EQ(Objects()[1]->GetPosition().x, 100);
    // The tools switch the Move and Select faces.
    model_->SetTool(1);
    EXPECT_EQ(window_.tool, 1);
    StructureEditorClipboard().RemoveAll();
}

TEST_F(EditorDialogTest, SavingWritesTheWorkingListBack) {
    document_.SetName("Alpha");
    StructureEditorModel& model =
        Open({BlockText(0, 0, 5), BlockText(100, 0, 3), BlockText(200, 0, 1)});
    model.List().HideObject(Objects()[0]);
    model.Select(Objects()[1]);
    // Hiding is no change.
    EXPECT_FALSE(model.HasChanges());
    EXPECT_TRUE(model.List().Hidden().IsEmpty());
    EXPECT_TRUE(model.List().Selected().IsEmpty());
    EXPECT_EQ(window_.listCurrent, -1);

    // Save keeps the working order and the editor; the file is written.
    Open({BlockText(0, 0, 5), BlockText(100, 0, 3)});
    Objects()[0]->SetPositionSnapped(Point3(50, 0, 0), 0);
    model_->Save();
    EXPECT_EQ(document_.GetObjects().GetAt(0)->GetPosition().x, 50);
    EXPECT_FALSE(window_.ended.has_value());
    EXPECT_FALSE(model_->HasChanges());

    // Save and Exit: ascending top height, no file written, OK.
    Open({BlockText(0, 0, 5), BlockText(100, 0, 3)});
    Objects()[1]->SetPositionSnapped(Point3(150, 0, 0), 0);
    model_->SaveAndExit();
    EXPECT_TRUE(model_->changed);
    EXPECT_EQ(document_.GetObjects().GetAt(0)->GetPosition().x, 150);
    EXPECT_EQ(model_->List().Objects().GetAt(0)->GetPosition().x, 150);
    EXPECT_EQ(window_.ended, EditorEnd::Ok);

    // A kind switch with the same text is a change.
    Open({PlacedText("HANGAR", 0, 0, 5)});
    AstrelObject switched = test::ParseObject(PlacedText("HANGAR2", 0, 0, 5));
    *Objects()[0] = switched;
    EXPECT_TRUE(model_->HasChanges());
}

TEST_F(EditorDialogTest, ClosingAsksOnlyWhenSomethingChanged) {
    // (changed, answer) -> end, objects written back.
    const std::tuple<bool, MessageAnswer, std::optional<EditorEnd>, bool> rows[] = {
        {false, MessageAnswer::Yes, EditorEnd::Cancel, false},
        {true, MessageAnswer::Yes, EditorEnd::Ok, true},
        {true, MessageAnswer::No, EditorEnd::Cancel, false},
        {true, MessageAnswer::Cancel, std::nullopt, false},
    };
    for (const auto& [changed, answer, end, written] : rows) {
        StructureEditorModel& model = Open({BlockText(0, 0, 5), BlockText(100, 0, 3)});
        window_.ended.reset();
        sandbox_.Ui().Clear();
        model.List().HideObject(Objects()[0]);
        if (changed) {
            Objects()[1]->SetPositionSnapped(Point3(150, 0, 0), 0);
            sandbox_.Ui().AnswerNextMessage(answer);
        }
        model.Close();
        EXPECT_EQ(window_.ended, end);
        const auto& calls = sandbox_.Ui().Calls();
        ASSERT_EQ(calls.size(), changed ? 2u : 0u);
        if (changed) {
            EXPECT_EQ(calls[0].kind, "beep");
            EXPECT_EQ(calls[1].text, "DO YOU WANT TO SAVE YOUR CHANGES?");
            EXPECT_EQ(calls[1].caption, "Watch Out!");
            EXPECT_EQ(calls[1].buttons, MessageButtons::YesNoCancel);
        }
        EXPECT_EQ(document_.GetObjects().GetAt(1)->GetPosition().x == 150 ||
                      document_.GetObjects().GetAt(0)->GetPosition().x == 150,
                  written);
        EXPECT_TRUE(model.List().Hidden().IsEmpty());
    }
}

TEST_F(EditorDialogTest, SizeRulesKeepTheWindowUsable) {
    const ClientPoint origin{200, 30};
    // (width, height, minimum height) -> the size asked for instead, else the view size.
    const int rows[][5] = {{1000, 900, 600, 788, 860}, {399, 500, 600, 400, 600},
                           {399, 700, 600, 400, 700},  {800, 599, 600, 800, 600},
                           {250, 100, 0, 100, 100},    {5000, 4000, 600, 3000, 2000},
                           {1003, 903, 600, 792, 860}};
    for (const auto& [w, h, minimum, x, y] : rows) {
        const EditorSize size = DecideEditorSize(w, h, origin, minimum);
        EXPECT_EQ(size.resize.has_value(), minimum > 0 && (w < 400 || h < minimum))
            << w << "x" << h;
        const ClientPoint got = size.resize.value_or(ClientPoint{size.viewWidth, size.viewHeight});
        EXPECT_EQ(got, (ClientPoint{x, y})) << w << "x" << h;
    }
    // Maximizing and restoring write the setting.
    StructureEditorModel& model = Open();
    model.OnMaximizeChanged(true);
    EXPECT_TRUE(GetMaximizeObjectEdit());
    model.OnMaximizeChanged(false);
    EXPECT_FALSE(GetMaximizeObjectEdit());
}

TEST_F(EditorDialogTest, BenchmarkShowsTheBestOfTenPasses) {
    test::FakeClock clock;
    StructureEditorModel& model = Open({BlockText(0, 0, 5)});
    model.longitudeOffset = 0.3;
    sandbox_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    model.Benchmark();
    EXPECT_EQ(sandbox_.Ui().Messages().size(), 1u);
    EXPECT_EQ(sandbox_.Ui().Calls().back().caption, "TimerFuncs::EndTimer()");
    EXPECT_EQ(model.zoom, 7);
    EXPECT_EQ(model.longitudeOffset, 0);
    EXPECT_EQ(model.latitudeOffset, 0);
}

} // namespace
} // namespace pf
