#include "add_tiles_fixture.h"

#include "foundation/text.h"

#include <cmath>
#include <functional>

namespace pf::test {
namespace {

using Logic = AddTilesLogic;
constexpr ColorRGB kGreen(0, 255, 0);
constexpr ColorRGB kGrid(126, 126, 126); // white at alpha 127 over black
constexpr ColorRGB kBlack(0, 0, 0);

TEST_F(AddTilesTest, LevelsZoomAndCaptions) {
    document_.AddTileSorted(Earth(12, 0, 0));
    // Zoom after two "-" and after four "+", then 1054 and 1055 as label/shown.
    const struct {
        int level;
        const char* state;
    } rows[] = {{1, "9 13 NA/0 Show tile levels 2 through 9/1"},
                {2, "10 14 Show level 1/1 Show tile levels 3 through 9/1"},
                {3, "11 15 Show tile levels 1 through 2/1 Show tile levels 4 through 9/1"},
                {8, "16 20 Show tile levels 1 through 7/1 Show level 9/1"},
                {9, "17 20 Show tile levels 1 through 8/1 NA/0"}};
    Logic& logic = Open();
    for (const auto& row : rows) {
        Drag(logic, 100, 100, 300, 300);
        logic.OnBnClickedLevel(row.level);
        EXPECT_FALSE(logic.GetSelection().active);
        EXPECT_EQ(logic.GetZoom().GetZoom(), row.level + 9);
        logic.OnBnClickedZoomOut();
        logic.OnBnClickedZoomOut();
        const int out = logic.GetZoom().GetZoom();
        for (int i = 0; i < 4; ++i)
            logic.OnBnClickedZoomIn();
        const TileCheckBox& below = logic.GetCheckBox(Logic::kIdBelow);
        const TileCheckBox& above = logic.GetCheckBox(Logic::kIdAbove);
        EXPECT_EQ(FormatString("%d %d %s/%d %s/%d", out, logic.GetZoom().GetZoom(),
                               below.label.c_str(), below.shown, above.label.c_str(), above.shown),
                  row.state);
        EXPECT_EQ(logic.GetZoom().GetCentre().GetLatitude(), 0.0);
        EXPECT_EQ(logic.GetListCaption(), FormatString("Level %d Tile List", row.level));
    }
    // A hidden box still counts: level 12 is above level 9.
    EXPECT_EQ(logic.CollectShownTiles().GetCount(), 1u);
    logic.OnCheckBox(Logic::kIdAbove, false);
    EXPECT_EQ(logic.CollectShownTiles().GetCount(), 0u);
    EXPECT_EQ(Shown(), "");
}

TEST_F(AddTilesTest, Geometry) {
    Logic& logic = Open();
    for (const Point2& p : {Point2(0.5, 0.5), Point2(511.5, 100.25)}) {
        const Point2 back = logic.LatLonToPixel(logic.PixelToLatLon(p));
        EXPECT_NEAR(std::hypot(back.x - p.x, back.y - p.y), 0.0, 1e-9);
    }
    TileAttributes tile;
    EXPECT_TRUE(logic.GetTileAtPoint(X(511), Y(0), tile));
    EXPECT_FALSE(logic.GetTileAtPoint(X(512), Y(0), tile));
    ASSERT_TRUE(logic.GetTileAtPoint(X(255), Y(255), tile));
    EXPECT_EQ(tile.GetName(), "Earth_1_W0001_N0000");
    const LatLon edge = logic.PixelToLatLon(Point2(192.0, 256.0)); // exactly one edge west
    EXPECT_EQ(TileAttributes::FromPosition("Earth", 1, edge).GetX(), -2);
    EXPECT_EQ(logic.GetTilePixelRect(Earth(1, 0, 0)), (PixelRect{256, 192, 320, 256}));

    // A base at a pole: pixels far off are held before they become integers, silently.
    document_.SetPosition(LatLon(0.0, 90.0));
    document_.AddTileSorted(Earth(1, 0, 255));
    Drag(Open(), 100, 100, 300, 300);
    logic_->GetMenuOptions(X(200), Y(200), tile);
    EXPECT_EQ(Shown(), "");

    // Beside the 180th meridian: grid lines on both sides, and a tile picked east of it
    // is outlined where it was picked.
    document_.SetPosition(LatLon(179.9, 0.0));
    document_.AddTileSorted(Earth(1, -512, -1));
    Open().OnCheckBox(Logic::kIdBackground, false);
    ASSERT_TRUE(logic_->GetTileAtPoint(X(300), Y(300), tile));
    EXPECT_TRUE(logic_->IsTileInList(tile));
    const BitmapData& view = logic_->GetComposedView();
    EXPECT_EQ((std::vector{At(view, 210, 300), At(view, 338, 300), At(view, 275, 300)}),
              (std::vector{kGrid, kGrid, kGreen}));
}

TEST_F(AddTilesTest, CompositionBytes) {
    document_.AddTileSorted(Earth(1, 0, 0));   // view pixels 256..320 x 192..256
    document_.AddTileSorted(Earth(2, -2, -2)); // another level: 192..224 x 288..320
    Cache(Earth(1, 1, 0), ColorRGBA(40, 50, 60, 255));
    WriteArchive(false);
    Logic& logic = Open();
    logic.OnCheckBox(Logic::kIdAvailable, true);
    logic.OnCheckBox(Logic::kIdBackground, false);
    const BitmapData& view = logic.GetComposedView();
    const std::vector<std::pair<int, int>> points = {{64, 300},  {256, 220}, {257, 220},
                                                     {258, 220}, {319, 220}, {321, 220},
                                                     {350, 220}, {193, 300}};
    const std::vector<ColorRGB> expected = {kGrid,
                                            kGreen,
                                            kGreen,
                                            kBlack,
                                            kGreen,
                                            ColorRGB(255, 0, 0), // blue, stored first
                                            ColorRGB(39, 49, 59),
                                            kBlack};
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(At(view, points[i].first, points[i].second), expected[i]) << i;
    }
    EXPECT_TRUE(TileTextureCache::IsLoaded(Earth(1, 1, 0)));

    // A missing archive is tried again at the next refresh; once made, a zoom's
    // background is kept.
    logic.OnCheckBox(Logic::kIdBackground, true);
    EXPECT_EQ(At(view, 400, 400), kBlack);
    WriteArchive(true);
    logic.OnCheckBox(Logic::kIdBackground, true);
    const ColorRGB made = At(view, 400, 400);
    EXPECT_NE(made, kBlack);
    WriteArchive(false);
    logic.OnBnClickedZoomIn();
    EXPECT_EQ(At(view, 400, 400), kBlack);
    logic.OnBnClickedZoomOut();
    EXPECT_EQ(At(view, 400, 400), made);
    EXPECT_EQ(Shown(), "");
}

TEST_F(AddTilesTest, Closing) {
    const std::string box = "beep: \nmessage: DO YOU WANT TO SAVE YOUR CHANGES? (Watch Out!)\n";
    const struct {
        const char* edit; // "duplicate", "body" (same place, other body) or "add"
        MessageAnswer answer;
        Logic::CloseResult result;
    } rows[] = {
        {"duplicate", MessageAnswer::Cancel, Logic::CloseResult::Stay},
        {"body", MessageAnswer::Ok, Logic::CloseResult::Cancel},
        {"", MessageAnswer::Ok, Logic::CloseResult::Cancel},
        {"add", MessageAnswer::Yes, Logic::CloseResult::Ok},
        {"add", MessageAnswer::No, Logic::CloseResult::Cancel},
        {"add", MessageAnswer::Cancel, Logic::CloseResult::Stay},
    };
    Cache(Earth(1, 0, 0));
    Cache(Earth(1, 1, 0));
    for (const auto& row : rows) {
        const std::string edit = row.edit;
        BaseDocument held(document_);
        held.AddTileSorted(TileAttributes(edit == "body" ? "XYZ" : "Earth", 1, 0, 0));
        if (edit == "duplicate")
            held.AddTileSorted(Earth(1, 0, 0));
        AddTilesLogic logic(&held);
        logic.RefreshLevelView();
        if (edit == "add")
            logic.AddTileToBase(Earth(1, 1, 0));
        if (edit == "body") {
            logic.RemoveTileFromBase(Earth(1, 0, 0));
            logic.AddTileToBase(Earth(1, 0, 0));
        }
        const bool changed = edit == "duplicate" || edit == "add";
        EXPECT_EQ(logic.TileListChanged(), changed) << edit;
        Shown();
        if (changed)
            sim_.Ui().AnswerNextMessage(row.answer);
        EXPECT_EQ(logic.OnClose(), row.result);
        if (changed) {
            EXPECT_EQ(sim_.Ui().Calls().back().icon, MessageIcon::Warning);
        }
        EXPECT_EQ(Shown(), changed ? box : "");
    }
}

TEST_F(AddTilesTest, MouseScripts) {
    struct Event {
        char kind; // 'd' press, 'm' move, 'u' release
        int x;
        int y;
    };
    const struct {
        std::vector<Event> events;
        size_t selected;
    } rows[] = {
        {{{'d', X(300), Y(300)}, {'u', X(300), Y(300)}}, 0},
        {{{'d', X(260), Y(200)}, {'m', X(300), Y(240)}, {'u', X(300), Y(240)}}, 1},
        {{{'d', X(260), Y(200)}, {'u', X(440), Y(300)}}, 6},
        // Released over a control, then pressed outside and released inside: no drag.
        {{{'d', X(300), Y(300)}, {'u', 10, 10}, {'d', 10, 10}, {'u', X(350), Y(350)}}, 0},
        // Leaving the view while dragging drops the drag.
        {{{'d', X(300), Y(300)}, {'m', 5, 5}, {'u', X(350), Y(350)}}, 0},
    };
    Logic& logic = Open();
    for (const auto& row : rows) {
        for (const Event& e : row.events) {
            e.kind == 'd'   ? logic.OnLButtonDown(e.x, e.y)
            : e.kind == 'm' ? logic.OnMouseMove(e.x, e.y)
                            : logic.OnSelectionButtonUp(e.x, e.y);
        }
        TileArray selected;
        logic.CollectSelectedTiles(selected);
        EXPECT_EQ(selected.GetCount(), row.selected);
        const TileSelectionBox& box = logic.GetSelection();
        TileAttributes tile;
        if (row.selected == 1) { // snapped to the tile's edges
            EXPECT_EQ((PixelRect{box.x1, box.y1, box.x2, box.y2}), (PixelRect{405, 201, 469, 265}));
        } else if (row.selected == 6) {
            EXPECT_EQ(logic.GetMenuOptions(X(350), Y(250), tile),
                      (StringArray{Logic::kSaveSelection,
                                   "Load 1536X1024 image file into selected tiles"}));
        }
    }
    // Leaving a tile and coming back shows its preview again.
    logic.OnMouseMove(X(300), Y(300));
    logic.OnMouseLeftView();
    const BitmapData placeholder = logic.GetShownPreview();
    EXPECT_EQ(logic.GetStatusText(), Logic::kHoverHint);
    logic.OnMouseMove(X(300), Y(300));
    EXPECT_FALSE(logic.GetShownPreview().IsIdentical(placeholder));
    EXPECT_EQ(logic.GetStatusText(),
              std::string(Logic::kHoverHint) + " Mouse is on: Earth_1_E0000_S0001");
}

// Lets an application activation in while a message box is open.
class ActivatingUi : public ScriptedUi {
  public:
    explicit ActivatingUi(std::function<void()> during) : during_(std::move(during)) {}
    MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override {
        during_();
        return ScriptedUi::MessageBox(text, caption, buttons, icon);
    }

  private:
    std::function<void()> during_;
};

TEST_F(AddTilesTest, PreviewAndReload) {
    const TileAttributes tile = Earth(1, 0, 0);
    const ColorRGBA opaque(200, 40, 20, 255);
    Cache(tile, {ColorRGBA(0, 0, 255, 0), opaque, opaque, opaque});
    document_.AddTileSorted(tile);
    document_.SetNeedsRendering(false);
    Logic& logic = Open();
    const BitmapData& preview = logic.GetShownPreview();
    logic.OnMouseMove(X(300), Y(200));
    // The checkerboard shows through alpha 0 (16-pixel squares); alpha 255 over its grey.
    EXPECT_EQ(
        (std::vector{At(preview, 8, 8), At(preview, 24, 8), At(preview, 192, 64)}),
        (std::vector{ColorRGB(127, 127, 127), ColorRGB(255, 255, 255), ColorRGB(199, 40, 20)}));
    logic.OnCheckBox(Logic::kIdTransparency, false);
    logic.OnMouseLeftView();
    logic.OnMouseMove(X(300), Y(200));
    EXPECT_EQ(At(preview, 8, 8), ColorRGB(0, 0, 255));
    logic.OnMouseMove(X(100), Y(100)); // no files: "Unavailable image for" on black
    EXPECT_EQ(At(preview, 5, 5), kBlack);
    int bright = 0;
    for (int x = 10; x < 200; ++x)
        bright += At(preview, x, 90).green > 200;
    EXPECT_GT(bright, 0);

    // A file that differs from the texture held in memory.
    ASSERT_TRUE(TileTextureCache::IsLoaded(tile));
    Cache(tile, opaque);
    const int views = view_.views;
    logic.OnMouseMove(X(300), Y(200));
    EXPECT_TRUE(document_.GetNeedsRendering());
    EXPECT_GT(view_.views, views);
    EXPECT_EQ(Shown(), "");
}

TEST_F(AddTilesTest, ImagesEditedOutside) {
    const struct {
        TileAttributes tile; // (1, 0, 0) is drawn, so held in memory; (1, 90, 90) is not
        bool change;
        bool duringBox;
    } rows[] = {{Earth(1, 0, 0), true, false},
                {Earth(1, 90, 90), true, false},
                {Earth(1, 0, 0), false, false},
                {Earth(1, 90, 90), true, true}};
    for (const auto& row : rows) {
        BaseDocument held(document_);
        held.AddTileSorted(row.tile);
        Cache(row.tile);
        AddTilesLogic logic(&held);
        logic.SetView(&view_);
        logic.OnInitDialog();
        ASSERT_EQ(TileTextureCache::IsLoaded(row.tile), row.tile.GetX() == 0);
        logic.EditTileInImageEditor(row.tile);
        if (row.change)
            Cache(row.tile, {ColorRGBA(1, 2, 3, 4), ColorRGBA(), ColorRGBA(), ColorRGBA()});
        held.SetNeedsRendering(false);
        const int views = view_.views;
        if (row.duringBox) {
            ActivatingUi ui([&] {
                logic.OnActivateApp();
                EXPECT_EQ(view_.views, views) << "nothing runs inside the box";
            });
            ui.AnswerNextMessage(MessageAnswer::Ok);
            logic.OnBnClickedAddImage();
        } else {
            logic.OnActivateApp();
        }
        EXPECT_EQ(held.GetNeedsRendering(), row.change);
        EXPECT_EQ(view_.views > views, row.change);
        const int after = view_.views;
        logic.OnActivateApp(); // recorded anew: no second refresh
        EXPECT_EQ(view_.views, after);
    }
}

} // namespace
} // namespace pf::test
