#include "add_tiles_fixture.h"

#include <functional>

namespace pf::test {
namespace {

using Logic = AddTilesLogic;
constexpr ColorRGB kGreen(0, 255, 0);
constexpr ColorRGB kBlueBytes(255, 0, 0);
constexpr ColorRGB kGrid(126, 126, 126);
constexpr ColorRGB kBlack(0, 0, 0);

TEST_F(AddTilesTest, LevelsZoomAndCaptions) {
    document_.AddTileSorted(Earth(12, 0, 0));
    const struct {
        int level;
        const char* below;
        const char* above;
    } rows[] = {{1, "NA", "Show tile levels 2 through 9"},
                {2, "Show level 1", "Show tile levels 3 through 9"},
                {3, "Show tile levels 1 through 2", "Show tile levels 4 through 9"},
                {8, "Show tile levels 1 through 7", "Show level 9"},
                {9, "Show tile levels 1 through 8", "NA"}};
    Logic& logic = Open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.level);
        logic.OnLButtonDown(X(100), Y(100));
        logic.OnSelectionButtonUp(X(300), Y(300));
        ASSERT_TRUE(logic.GetSelection().active);
        logic.OnBnClickedLevel(row.level);
        EXPECT_FALSE(logic.GetSelection().active);
        EXPECT_EQ(logic.GetZoom().GetZoom(), row.level + 9);
        logic.OnBnClickedZoomOut();
        logic.OnBnClickedZoomOut();
        EXPECT_EQ(logic.GetZoom().GetZoom(), row.level + 8);
        for (int i = 0; i < 4; ++i) {
            logic.OnBnClickedZoomIn();
        }
        EXPECT_EQ(logic.GetZoom().GetZoom(), std::min(row.level + 12, 20));
        EXPECT_EQ(logic.GetZoom().GetCentre().GetLongitude(), 0.0);
        EXPECT_EQ(logic.GetZoom().GetCentre().GetLatitude(), 0.0);
        const TileCheckBox& below = logic.GetCheckBox(Logic::kIdBelow);
        const TileCheckBox& above = logic.GetCheckBox(Logic::kIdAbove);
        EXPECT_EQ(below.label, row.below);
        EXPECT_EQ(below.shown, row.level > 1);
        EXPECT_EQ(above.label, row.above);
        EXPECT_EQ(above.shown, row.level < 9);
        EXPECT_EQ(logic.GetListCaption(), "Level " + std::to_string(row.level) + " Tile List");
    }
    // A hidden box still counts: level 12 is above level 9.
    EXPECT_EQ(logic.CollectShownTiles().GetCount(), 1u);
    logic.OnCheckBox(Logic::kIdAbove, false);
    EXPECT_EQ(logic.CollectShownTiles().GetCount(), 0u);
    EXPECT_TRUE(sim_.Ui().Calls().empty());
}

TEST_F(AddTilesTest, Geometry) {
    Logic& logic = Open();
    for (const Point2& p : {Point2(0.5, 0.5), Point2(256.5, 256.5), Point2(511.5, 100.25)}) {
        const Point2 back = logic.LatLonToPixel(logic.PixelToLatLon(p));
        EXPECT_NEAR(back.x, p.x, 1e-9);
        EXPECT_NEAR(back.y, p.y, 1e-9);
    }
    TileAttributes tile;
    EXPECT_TRUE(logic.GetTileAtPoint(X(511), Y(0), tile));
    EXPECT_FALSE(logic.GetTileAtPoint(X(512), Y(0), tile));
    ASSERT_TRUE(logic.GetTileAtPoint(X(255), Y(255), tile));
    EXPECT_EQ(tile.GetName(), "Earth_1_W0001_N0000");
    const LatLon edge = logic.PixelToLatLon(Point2(192.0, 256.0)); // exactly one edge west
    EXPECT_EQ(TileAttributes::FromPosition("Earth", 1, edge).GetX(), -2);
    EXPECT_EQ(logic.GetTilePixelRect(Earth(1, 0, 0)), (PixelRect{256, 192, 320, 256}));
}

TEST_F(AddTilesTest, PolarCentreAndTheMeridian) {
    // A base at the pole: pixels are held before they become integers, without a message.
    document_.SetPosition(LatLon(0.0, 90.0));
    document_.AddTileSorted(Earth(1, 0, 255));
    Logic& logic = Open();
    logic.OnLButtonDown(X(100), Y(100));
    logic.OnSelectionButtonUp(X(300), Y(300));
    TileAttributes tile;
    logic.GetMenuOptions(X(200), Y(200), tile);
    EXPECT_TRUE(sim_.Ui().Failures().empty());
    logic_.reset();

    // A base beside the 180th meridian: grid on both sides, and a tile picked east of it
    // is outlined where it was picked.
    document_.SetPosition(LatLon(179.9, 0.0));
    document_.AddTileSorted(Earth(1, -512, -1));
    Open().OnCheckBox(Logic::kIdBackground, false);
    ASSERT_TRUE(logic_->GetTileAtPoint(X(300), Y(300), tile));
    EXPECT_TRUE(logic_->IsTileInList(tile));
    const BitmapData& view = logic_->GetComposedView();
    EXPECT_EQ(At(view, 210, 300), kGrid);
    EXPECT_EQ(At(view, 338, 300), kGrid);
    EXPECT_EQ(At(view, 275, 300), kGreen);
}

TEST_F(AddTilesTest, CompositionBytes) {
    document_.AddTileSorted(Earth(1, 0, 0));
    document_.AddTileSorted(Earth(2, -2, -2));
    const ColorRGBA opaque(40, 50, 60, 255);
    Cache(Earth(1, 1, 0), opaque);
    WriteArchive(false);
    Logic& logic = Open();
    logic.OnCheckBox(Logic::kIdAvailable, true);
    logic.OnCheckBox(Logic::kIdBackground, false);
    const BitmapData& view = logic.GetComposedView();
    EXPECT_EQ(At(view, 64, 300), kGrid);
    for (int x : {256, 257, 318, 319}) {
        EXPECT_EQ(At(view, x, 220), kGreen) << x;
    }
    EXPECT_EQ(At(view, 258, 220), kBlack);
    EXPECT_EQ(At(view, 321, 220), kBlueBytes);
    EXPECT_EQ(At(view, 350, 220), ColorRGB(39, 49, 59)); // alpha 255 of 256
    EXPECT_TRUE(TileTextureCache::IsLoaded(Earth(1, 1, 0)));
    EXPECT_EQ(At(view, 193, 300), kBlack); // another level's tile: no outline

    // Background: a missing archive is tried again at the next refresh; once made, the
    // background of a zoom is kept.
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
    EXPECT_TRUE(sim_.Ui().Calls().empty());
}

TEST_F(AddTilesTest, Closing) {
    const struct {
        bool duplicate;
        bool add;
        bool swapBody;
        MessageAnswer answer;
        bool changed;
        Logic::CloseResult result;
    } rows[] = {
        {true, false, false, MessageAnswer::Cancel, true, Logic::CloseResult::Stay},
        {false, false, true, MessageAnswer::Ok, false, Logic::CloseResult::Cancel},
        {false, false, false, MessageAnswer::Ok, false, Logic::CloseResult::Cancel},
        {false, true, false, MessageAnswer::Yes, true, Logic::CloseResult::Ok},
        {false, true, false, MessageAnswer::No, true, Logic::CloseResult::Cancel},
        {false, true, false, MessageAnswer::Cancel, true, Logic::CloseResult::Stay},
    };
    Cache(Earth(1, 0, 0));
    Cache(Earth(1, 1, 0));
    for (const auto& row : rows) {
        BaseDocument held(document_);
        held.AddTileSorted(TileAttributes(row.swapBody ? "XYZ" : "Earth", 1, 0, 0));
        if (row.duplicate)
            held.AddTileSorted(Earth(1, 0, 0));
        AddTilesLogic logic(&held);
        logic.RefreshLevelView();
        if (row.add)
            logic.AddTileToBase(Earth(1, 1, 0));
        if (row.swapBody) {
            logic.RemoveTileFromBase(Earth(1, 0, 0));
            logic.AddTileToBase(Earth(1, 0, 0));
        }
        EXPECT_EQ(logic.TileListChanged(), row.changed);
        sim_.Ui().Clear();
        if (row.changed)
            sim_.Ui().AnswerNextMessage(row.answer);
        EXPECT_EQ(logic.OnClose(), row.result);
        EXPECT_EQ(sim_.Ui().CountOf("beep"), row.changed ? 1 : 0);
        if (row.changed) {
            ASSERT_EQ(sim_.Ui().Calls().size(), 2u);
            const auto& box = sim_.Ui().Calls()[1];
            EXPECT_EQ(box.text, "DO YOU WANT TO SAVE YOUR CHANGES?");
            EXPECT_EQ(box.caption, "Watch Out!");
            EXPECT_EQ(box.buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(box.icon, MessageIcon::Warning);
        } else {
            EXPECT_TRUE(sim_.Ui().Calls().empty());
        }
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
        bool active;
        int columns;
        int rows;
    } rows[] = {
        {{{'d', X(300), Y(300)}, {'u', X(300), Y(300)}}, false, 0, 0},
        {{{'d', X(260), Y(200)}, {'m', X(300), Y(240)}, {'u', X(300), Y(240)}}, true, 1, 1},
        {{{'d', X(260), Y(200)}, {'u', X(440), Y(300)}}, true, 3, 2},
        // Released over a control, then pressed outside and released inside: no drag.
        {{{'d', X(300), Y(300)}, {'u', 10, 10}, {'d', 10, 10}, {'u', X(350), Y(350)}}, false, 0, 0},
        // Leaving the view while dragging drops the drag.
        {{{'d', X(300), Y(300)}, {'m', 5, 5}, {'u', X(350), Y(350)}}, false, 0, 0},
    };
    Logic& logic = Open();
    for (const auto& row : rows) {
        for (const Event& e : row.events) {
            e.kind == 'd'   ? logic.OnLButtonDown(e.x, e.y)
            : e.kind == 'm' ? logic.OnMouseMove(e.x, e.y)
                            : logic.OnSelectionButtonUp(e.x, e.y);
        }
        ASSERT_EQ(logic.GetSelection().active, row.active);
        TileArray selected;
        logic.CollectSelectedTiles(selected);
        EXPECT_EQ(selected.GetCount(), static_cast<size_t>(row.columns * row.rows));
        if (row.columns == 1) {
            EXPECT_EQ(logic.GetSelectionNorthWest().GetName(), "Earth_1_E0000_N0000");
            const TileSelectionBox& box = logic.GetSelection();
            EXPECT_EQ((PixelRect{box.x1, box.y1, box.x2, box.y2}), (PixelRect{405, 201, 469, 265}));
        }
        if (row.columns == 3) {
            TileAttributes tile;
            const StringArray menu = logic.GetMenuOptions(X(350), Y(250), tile);
            EXPECT_EQ(menu, (StringArray{Logic::kSaveSelection,
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

// Answers a message box only after an application activation came in.
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
    const ColorRGBA clear(0, 0, 255, 0);
    const ColorRGBA opaque(200, 40, 20, 255);
    Cache(tile, {clear, opaque, opaque, opaque});
    document_.AddTileSorted(tile);
    document_.SetNeedsRendering(false);
    Logic& logic = Open();
    const BitmapData& preview = logic.GetShownPreview();
    logic.OnMouseMove(X(300), Y(200));
    EXPECT_EQ(At(preview, 8, 8), ColorRGB(127, 127, 127));
    EXPECT_EQ(At(preview, 24, 8), ColorRGB(255, 255, 255));
    EXPECT_EQ(At(preview, 192, 64), ColorRGB(199, 40, 20)); // alpha 255 over grey
    logic.OnCheckBox(Logic::kIdTransparency, false);
    logic.OnMouseLeftView();
    logic.OnMouseMove(X(300), Y(200));
    EXPECT_EQ(At(preview, 8, 8), ColorRGB(0, 0, 255));
    logic.OnMouseMove(X(100), Y(100)); // no files
    EXPECT_EQ(At(preview, 5, 5), kBlack);
    int bright = 0;
    for (int x = 10; x < 200; ++x) {
        bright += At(preview, x, 90).green > 200;
    }
    EXPECT_GT(bright, 0) << "Unavailable image for";

    // A file that differs from the texture held in memory.
    ASSERT_TRUE(TileTextureCache::IsLoaded(tile));
    Cache(tile, opaque);
    const int views = view_.views;
    logic.OnMouseMove(X(300), Y(200));
    EXPECT_TRUE(document_.GetNeedsRendering());
    EXPECT_GT(view_.views, views);
    EXPECT_TRUE(sim_.Ui().Calls().empty());
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
        if (row.change) {
            Cache(row.tile, {ColorRGBA(1, 2, 3, 4), ColorRGBA(), ColorRGBA(), ColorRGBA()});
        }
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
