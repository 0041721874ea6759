#include "app/logic/structure_editor_model.h"

#include "imagery/drawing.h"
#include "imagery/text_render.h"
#include "support/structure_editor_fixture.h"

#include <algorithm>
#include <numeric>

namespace pf {
namespace {

using test::BlockText;

const char kRunway[] = "RUNWAY\nEND1 0 0 0\nEND2 -1000 0 0\nWIDTH 30\nILS1 110.1\nILS2 112.3\n";
const ColorRGB kWhite = ColorRGB::FromRgb(255, 255, 255);

class EditorViewTest : public test::StructureEditorTest {
  protected:
    // The first object selected, its parameter overlay drawn 10 pixels below a "v" button
    // at 50: the view as drawn with the overlay; the model is left rendered without it.
    BitmapData ViewWithOverlayThenWithout(StructureEditorModel& model) {
        model.Select(Objects()[0]);
        window_.panDownBottom = 50;
        model.Render();
        const BitmapData shown(model.ViewImage());
        window_.showParameters = false;
        model.Render();
        return shown;
    }
};

// Pixels that differ in each row (or column) of two images of one size.
std::vector<int> Differences(const BitmapData& a, const BitmapData& b, bool byColumn) {
    std::vector<int> counts(byColumn ? a.Width() : a.Height());
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            counts[byColumn ? x : y] +=
                !std::equal(a.PixelAddress(x, y), a.PixelAddress(x, y) + 3, b.PixelAddress(x, y));
        }
    }
    return counts;
}

int Sum(const std::vector<int>& counts, int from, int to) {
    return std::accumulate(counts.begin() + from, counts.begin() + to, 0);
}

TEST_F(EditorViewTest, SelectionShowsTheHandlesOfItsType) {
    // Handles: 0 centre, 1 and 2 sides 1 and 2, 3 the corners, 4 and 5 sides 0 and 3.
    const std::pair<std::vector<std::string>, std::vector<int>> rows[] = {
        {{kRunway}, {0, 1, 2, 4, 5}},
        {{"BEACONARRAY\nEND1 0 0 -300\nEND2 0 0 300\nSIZE 5\n"}, {0, 1, 2}},
        {{"SOLARPLANT\nPOS 0 0 0\nGRID 5 5\n"}, {0, 3}},
        {{BlockText(0, 0, 5, 200)}, {0, 1, 2, 3, 4, 5}},
        {{BlockText(-150, 0, 5, 100), BlockText(150, 100, 3, 100)}, {0, 3}},
    };
    for (const auto& [objects, handles] : rows) {
        StructureEditorModel& model = Open(objects);
        const Point3 centre = Objects()[0]->GetPosition();
        const Point2 centrePixel = model.MetresToView(centre.x, centre.y);
        EXPECT_FALSE(Objects()[0]->GetFootprint().HitCentreHandle(centrePixel));
        for (AstrelObject* p : Objects()) {
            model.Select(p);
        }
        // The handles are known once the selection has been drawn.
        EXPECT_TRUE(Objects()[0]->GetFootprint().HitCentreHandle(centrePixel) ||
                    objects.size() > 1);
        const FootprintRecord& f = model.List().Current()->GetFootprint();

        BitmapData expected(model.WorkImage());
        GeoMap map(&expected, const_cast<LatLonRect*>(&model.ViewRect()));
        for (const AstrelObject* p : model.List().Selected()) {
            p->Get()->DrawOnMap(document_, map, 1);
        }
        const std::vector<Point2> points[] = {{f.centreHandle},  {f.sideHandle[1]},
                                              {f.sideHandle[2]}, {f.corner, f.corner + 4},
                                              {f.sideHandle[0]}, {f.sideHandle[3]}};
        for (int handle : handles) {
            for (const Point2& p : points[handle]) {
                DrawDot(p.x, p.y, expected, 0xFFFFFFFF);
            }
        }
        const int outline[] = {0, 1, 3, 2, 0};
        for (int i = 0; i < 4 && objects.size() > 1; ++i) {
            const Point2 &from = f.corner[outline[i]], &to = f.corner[outline[i + 1]];
            DrawLine(expected, from.x, from.y, to.x, to.y, kWhite);
        }
        EXPECT_TRUE(expected.IsIdentical(model.DisplayImage())) << objects[0];
    }
}

TEST_F(EditorViewTest, PansMatchAFullRebuildAndLeaveTheLowerLayers) {
    const std::vector<std::string> base = {kRunway, BlockText(300, -200, 5, 150),
                                           BlockText(-500, 400, 5, 300),
                                           BlockText(1100, 1100, 5, 300)};
    for (const auto& [horizontal, n] :
         {std::pair{true, 40}, std::pair{true, -40}, std::pair{false, 40}, std::pair{false, -40}}) {
        StructureEditorModel& model = Open(base);
        const BitmapData background(model.BackgroundImage());
        const BitmapData work(model.WorkImage());
        horizontal ? model.PanHorizontal(n) : model.PanVertical(n);
        EXPECT_TRUE(background.IsIdentical(model.BackgroundImage()));
        EXPECT_TRUE(work.IsIdentical(model.WorkImage()));

        test::RecordingEditorWindow otherWindow;
        StructureEditorModel rebuilt(document_, otherWindow);
        rebuilt.zoom = 13.0;
        rebuilt.longitudeOffset = model.longitudeOffset;
        rebuilt.latitudeOffset = model.latitudeOffset;
        rebuilt.FullRefresh();
        for (bool byColumn : {false, true}) {
            for (int count : Differences(model.DisplayImage(), rebuilt.DisplayImage(), byColumn)) {
                ASSERT_LE(count, 768 / 50) << horizontal << " " << n << " " << byColumn;
            }
        }
    }
    StructureEditorModel& model = Open(base);
    const LatLonRect before = model.ViewRect();
    for (int n : {192, -192}) {
        model.PanHorizontal(n);
        model.PanVertical(n);
    }
    for (auto edge :
         {&LatLonRect::West, &LatLonRect::East, &LatLonRect::North, &LatLonRect::South}) {
        EXPECT_NEAR((model.ViewRect().*edge)(), (before.*edge)(), 1e-9);
    }
}

TEST_F(EditorViewTest, GridShowsOnlyWhenItsStepsAreEightPixelsApart) {
    const std::tuple<double, double, bool> rows[] = {
        {13, 1, false}, {13, 10, false}, {13, 100, true}, {12, 100, true}, {18, 1, true}};
    for (const auto& [zoom, grid, drawn] : rows) {
        StructureEditorModel& model = Open();
        model.zoom = zoom;
        model.gridSize = grid;
        model.FullRefresh();
        const BitmapData gridded(model.ViewImage());
        model.gridSize = 0.0;
        model.Render();
        EXPECT_EQ(!gridded.IsIdentical(model.ViewImage()), drawn) << zoom << " " << grid;
        if (zoom != 13 || !drawn) {
            continue;
        }
        // One row crosses the 25 lines of the grid, blended exactly over the green ground.
        int lines = 0;
        for (int x = 0; x < 768; ++x) {
            const uint8_t* p = gridded.PixelAddress(x, 700);
            const ColorRGB pixel(p[0], p[1], p[2]);
            if (pixel != ColorRGB::FromRgb(16, 127, 31)) {
                ++lines;
                EXPECT_EQ(pixel, ColorRGB::FromRgb(104, 174, 114)) << x;
            }
        }
        EXPECT_EQ(lines, 25);
    }
}

TEST_F(EditorViewTest, OverlayRubberBandAndBaseMarker) {
    StructureEditorModel& model = Open({kRunway, BlockText(300, 0, 5), BlockText(400, 0, 5)});
    model.gridSize = 0.0;
    const std::vector<std::string> runway = ParameterOverlayLines(*Objects()[0]);
    ASSERT_GE(runway.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(runway.begin(), runway.begin() + 3),
              (std::vector<std::string>{"Astrel .cfg file parameters:", "RUNWAY", "\tEND1 0 0 0"}));
    EXPECT_EQ(std::count(runway.begin(), runway.end(), ""), 0);
    model.Select(Objects()[1]);
    model.Select(Objects()[2]);
    EXPECT_EQ(ParameterOverlayLines(*model.List().Current()),
              (std::vector<std::string>{"Multiple objects selected:", "BLOCK", "BLOCK"}));

    // The text starts 10 pixels below the "v" button, right of column 10; unticked,
    // nothing is drawn there.
    model.ClearSelection();
    const BitmapData shown = ViewWithOverlayThenWithout(model);
    const std::vector<int> rows = Differences(shown, model.ViewImage(), false);
    EXPECT_EQ(Sum(rows, 0, 40), 0);
    EXPECT_GT(Sum(rows, 40, 55), 0);
    EXPECT_EQ(Sum(Differences(shown, model.ViewImage(), true), 0, 10), 0);
    EXPECT_EQ(Sum(Differences(model.DisplayImage(), model.ViewImage(), false), 0, 300), 0);

    // The same rectangle from whichever corner the drag starts, in mode 4 only.
    const BitmapData idle(model.ViewImage());
    const ClientPoint a{300, 200}, b{500, 350}, c{300, 350}, d{500, 200};
    const std::pair<ClientPoint, ClientPoint> drags[] = {{a, b}, {b, a}, {c, d}, {d, c}};
    model.SetMode(StructureEditorModel::kModeRubberBand, 0, 0);
    std::vector<BitmapData> bands;
    for (const auto& [press, corner] : drags) {
        model.pressPosition = press;
        model.rubberBandCorner = corner;
        model.Render();
        bands.push_back(model.ViewImage());
        EXPECT_TRUE(bands.front().IsIdentical(bands.back()));
    }
    EXPECT_FALSE(bands.front().IsIdentical(idle));

    const MapPixel base = model.BasePixel();
    const uint8_t* marker = model.ViewImage().PixelAddress(base.x, base.y);
    EXPECT_EQ(ColorRGB(marker[0], marker[1], marker[2]), ColorRGB::FromRgb(0, 0, 255));
}

TEST_F(EditorViewTest, OverlayDrawsTabsAsSpacesToTheNextStop) {
    const std::pair<std::string, std::string> rows[] = {
        {"\tEND1 0 0 0", "        END1 0 0 0"},
        {"POS\t1", "POS     1"},
        {"1234567\tx", "1234567 x"},
        {"12345678\tx", "12345678        x"},
        {"\t\t", std::string(16, ' ')},
        {"no tab", "no tab"},
    };
    for (const auto& [line, drawn] : rows) {
        EXPECT_EQ(ExpandOverlayTabs(line), drawn) << line;
    }

    // The runway's "\tEND1 0 0 0", the third line: nothing is drawn where the tab stands.
    StructureEditorModel& model = Open({kRunway});
    model.gridSize = 0.0;
    const BitmapData shown = ViewWithOverlayThenWithout(model);
    BitmapData reference(200, 15, 24);
    DrawTextScaled(reference, "        END1 0 0 0", 100, "Courier", kWhite, 0, 0, true);
    const std::vector<int> lit = Differences(reference, BitmapData(200, 15, 24), true);
    const int textStart = static_cast<int>(
        std::find_if(lit.begin(), lit.end(), [](int n) { return n > 0; }) - lit.begin());
    ASSERT_GT(textStart, 30);
    ASSERT_LT(textStart, 200);
    const int top = 50 + 10 - model.viewOrigin.y + 2 * 15;
    for (int y = top; y < top + 15; ++y) {
        for (int x = 0; x < 10 + textStart; ++x) {
            ASSERT_TRUE(std::equal(shown.PixelAddress(x, y), shown.PixelAddress(x, y) + 3,
                                   model.ViewImage().PixelAddress(x, y)))
                << x << ", " << y;
        }
    }
    EXPECT_GT(Sum(Differences(shown, model.ViewImage(), false), top, top + 15), 0);
}

} // namespace
} // namespace pf
