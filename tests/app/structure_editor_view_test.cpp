#include "app/logic/structure_editor_model.h"

#include "imagery/drawing.h"
#include "support/structure_editor_fixture.h"

#include <cmath>
#include <numeric>
#include <optional>

namespace pf {
namespace {

using test::BlockText;

const char kRunway[] = "RUNWAY\nEND1 0 0 0\nEND2 -1000 0 0\nWIDTH 30\nILS1 110.1\nILS2 112.3\n";

class EditorViewTest : public test::StructureEditorTest {};

// Where a handle dot may stand, in the order the canvas draws them.
enum Handle { kCentre, kSide1, kSide2, kCorners, kSide0, kSide3 };

TEST_F(EditorViewTest, SelectionShowsTheHandlesOfItsType) {
    const struct {
        std::vector<std::string> objects;
        std::vector<Handle> handles;
    } rows[] = {
        {{kRunway}, {kCentre, kSide1, kSide2, kSide0, kSide3}},
        {{"BEACONARRAY\nEND1 0 0 -300\nEND2 0 0 300\nCOUNT 4\nSIZE 5\n"},
         {kCentre, kSide1, kSide2}},
        {{"SOLARPLANT\nPOS 0 0 0\nGRID 5 5\n"}, {kCentre, kCorners}},
        {{BlockText(0, 0, 5, 200)}, {kCentre, kSide1, kSide2, kCorners, kSide0, kSide3}},
        {{BlockText(-150, 0, 5, 100), BlockText(150, 100, 3, 100)}, {kCentre, kCorners}},
    };
    for (const auto& row : rows) {
        document_.GetObjects().RemoveAll();
        for (const std::string& text : row.objects) {
            AddToBase(text);
        }
        StructureEditorModel& model = Open();
        AstrelObject* first = Object(0);
        EXPECT_FALSE(first->GetFootprint().HitCentreHandle(model.MetresToView(0, 0)));
        for (AstrelObject* p : model.List().ObjectPointers()) {
            model.Select(p);
        }
        AstrelObject* current = model.List().Current();
        const FootprintRecord& f = current->GetFootprint();
        const Point3 centre = current->GetPosition();
        EXPECT_TRUE(f.HitCentreHandle(model.MetresToView(centre.x, centre.y))) << row.objects[0];

        BitmapData expected(model.WorkImage());
        GeoMap map(&expected, const_cast<LatLonRect*>(&model.ViewRect()));
        for (const AstrelObject* p : model.List().Selected()) {
            p->Get()->DrawOnMap(document_, map, 1);
        }
        for (Handle handle : row.handles) {
            std::vector<Point2> points{f.centreHandle};
            if (handle == kCorners) {
                points.assign(f.corner, f.corner + 4);
            } else if (handle != kCentre) {
                const int side[] = {0, 1, 2, 0, 0, 3};
                points = {f.sideHandle[side[handle]]};
            }
            for (const Point2& p : points) {
                DrawDot(p.x, p.y, expected, 0xFFFFFFFF);
            }
        }
        if (row.objects.size() > 1) {
            const int order[] = {0, 1, 3, 2, 0};
            for (int i = 0; i < 4; ++i) {
                const Point2 &a = f.corner[order[i]], &b = f.corner[order[i + 1]];
                DrawLine(expected, a.x, a.y, b.x, b.y, ColorRGB::FromRgb(255, 255, 255));
            }
        }
        EXPECT_TRUE(expected.IsIdentical(model.DisplayImage())) << row.objects[0];
    }
}

// Pixels that differ in each row (or column) of two images of one size.
std::vector<int> Differences(const BitmapData& a, const BitmapData& b, bool byColumn) {
    std::vector<int> counts(byColumn ? a.Width() : a.Height());
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (!std::equal(a.PixelAddress(x, y), a.PixelAddress(x, y) + 3, b.PixelAddress(x, y))) {
                ++counts[byColumn ? x : y];
            }
        }
    }
    return counts;
}

TEST_F(EditorViewTest, PansMatchAFullRebuildAndLeaveTheLowerLayers) {
    AddToBase(kRunway);
    AddToBase(BlockText(300, -200, 5, 150));
    AddToBase(BlockText(-500, 400, 5, 300));
    AddToBase(BlockText(1100, 1100, 5, 300));
    for (bool horizontal : {true, false}) {
        for (int n : {40, -40}) {
            StructureEditorModel& model = Open();
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
                for (int count :
                     Differences(model.DisplayImage(), rebuilt.DisplayImage(), byColumn)) {
                    ASSERT_LE(count, 768 / 50) << horizontal << " " << n << " " << byColumn;
                }
            }
        }
    }
    StructureEditorModel& model = Open();
    const LatLonRect before = model.ViewRect();
    model.PanHorizontal(192);
    model.PanVertical(192);
    model.PanHorizontal(-192);
    model.PanVertical(-192);
    EXPECT_NEAR(model.ViewRect().West(), before.West(), 1e-9);
    EXPECT_NEAR(model.ViewRect().East(), before.East(), 1e-9);
    EXPECT_NEAR(model.ViewRect().North(), before.North(), 1e-9);
    EXPECT_NEAR(model.ViewRect().South(), before.South(), 1e-9);
}

TEST_F(EditorViewTest, GridShowsOnlyWhenItsStepsAreEightPixelsApart) {
    const struct {
        double zoom;
        double grid;
        bool drawn;
    } rows[] = {{13, 1, false}, {13, 10, false}, {13, 100, true}, {12, 100, true}, {18, 1, true}};
    for (const auto& row : rows) {
        StructureEditorModel& model = Open();
        model.zoom = row.zoom;
        model.gridSize = row.grid;
        model.FullRefresh();
        const BitmapData gridded(model.ViewImage());
        model.gridSize = 0.0;
        model.Render();
        EXPECT_EQ(!gridded.IsIdentical(model.ViewImage()), row.drawn)
            << row.zoom << " " << row.grid;
        if (row.zoom != 13 || !row.drawn) {
            continue;
        }
        // Along one row the lines lie over the plain green ground, blended exactly.
        int lines = 0;
        for (int x = 0; x < 768; ++x) {
            const uint8_t* p = gridded.PixelAddress(x, 700);
            if (p[0] == 31 && p[1] == 127 && p[2] == 16) {
                continue;
            }
            ++lines;
            EXPECT_EQ(ColorRGB(p[0], p[1], p[2]), ColorRGB::FromRgb(104, 174, 114)) << x;
        }
        EXPECT_EQ(lines, 25);
    }
}

TEST_F(EditorViewTest, OverlayRubberBandAndBaseMarker) {
    AddToBase(kRunway);
    AddToBase(BlockText(300, 0, 5));
    AddToBase(BlockText(400, 0, 5));
    StructureEditorModel& model = Open();
    model.gridSize = 0.0;

    const std::vector<std::string> runway = ParameterOverlayLines(*Object(0));
    ASSERT_GE(runway.size(), 3u);
    EXPECT_EQ(runway[0], "Astrel .cfg file parameters:");
    EXPECT_EQ(runway[1], "RUNWAY");
    EXPECT_EQ(runway[2], "\tEND1 0 0 0");
    for (const std::string& line : runway) {
        EXPECT_FALSE(line.empty());
    }
    model.Select(Object(1));
    model.Select(Object(2));
    EXPECT_EQ(ParameterOverlayLines(*model.List().Current()),
              (std::vector<std::string>{"Multiple objects selected:", "BLOCK", "BLOCK"}));

    // The text starts 10 pixels below the "v" button; unticked, nothing is drawn.
    model.ClearSelection();
    model.Select(Object(0));
    window_.panDownBottom = 50;
    model.Render();
    const BitmapData shown(model.ViewImage());
    window_.showParameters = false;
    model.Render();
    const std::vector<int> rows = Differences(shown, model.ViewImage(), false);
    for (int y = 0; y < 40; ++y) {
        EXPECT_EQ(rows[y], 0) << y;
    }
    EXPECT_GT(std::accumulate(rows.begin() + 40, rows.begin() + 55, 0), 0);
    const std::vector<int> columns = Differences(shown, model.ViewImage(), true);
    EXPECT_EQ(std::accumulate(columns.begin(), columns.begin() + 10, 0), 0);
    const std::vector<int> bare = Differences(model.DisplayImage(), model.ViewImage(), false);
    EXPECT_EQ(std::accumulate(bare.begin(), bare.begin() + 300, 0), 0);

    // The same rectangle from whichever corner the drag starts.
    model.Render();
    const BitmapData idle(model.ViewImage());
    const ClientPoint a{300, 200};
    const ClientPoint b{500, 350};
    const std::pair<ClientPoint, ClientPoint> drags[] = {
        {a, b}, {b, a}, {{a.x, b.y}, {b.x, a.y}}, {{b.x, a.y}, {a.x, b.y}}};
    model.SetMode(StructureEditorModel::kModeRubberBand, 0, 0);
    std::optional<BitmapData> first;
    for (const auto& [press, corner] : drags) {
        model.pressPosition = press;
        model.rubberBandCorner = corner;
        model.Render();
        if (!first) {
            first = model.ViewImage();
            EXPECT_FALSE(first->IsIdentical(idle));
        }
        EXPECT_TRUE(first->IsIdentical(model.ViewImage()));
    }

    const MapPixel base = model.BasePixel();
    const uint8_t* marker = model.ViewImage().PixelAddress(base.x, base.y);
    EXPECT_EQ(ColorRGB(marker[0], marker[1], marker[2]), ColorRGB::FromRgb(0, 0, 255));
}

} // namespace
} // namespace pf
