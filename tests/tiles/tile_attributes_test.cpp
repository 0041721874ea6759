#include "tiles/tile_attributes.h"

#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <tuple>
#include <vector>

namespace pf {
namespace {

TEST(TileAttributes, NamesAndFileNames) {
    struct Case {
        TileAttributes tile;
        std::string name;
    };
    const Case cases[] = {
        {TileAttributes("Earth", 0, 0, 0), "Earth_0_E0000_N0000"},
        {TileAttributes("Earth", 0, -1, -1), "Earth_0_W0001_S0001"},
        {TileAttributes("Earth", 5, -3, 12), "Earth_5_W0003_N0012"},
        {TileAttributes("mars", 14, 12345, -98765), "mars_14_E12345_S98765"},
        {TileAttributes("X", -1, INT_MAX, INT_MIN), "X_-1_E2147483647_S2147483648"},
        {TileAttributes("X", 3, INT_MIN, 7), "X_3_W2147483648_N0007"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.tile.GetName(), c.name);
    }
    TileAttributes t("Earth", 5, -3, 12);
    EXPECT_EQ(t.GetJpgFileName(), "Earth_5_W0003_N0012.jpg");
    EXPECT_EQ(t.GetDdsFileName(), "Earth_5_W0003_N0012.dds");
    EXPECT_EQ(t.GetPngFileName(), "Earth_5_W0003_N0012.png");
    EXPECT_EQ(t.GetAlphaJpgFileName(), "Earth_5_W0003_N0012_a.jpg");
}

TEST(TileAttributes, RangeIsInclusiveAt180OnBothAxes) {
    for (auto [level, x, y, in] : {std::tuple{0, 256, 0, true},
                                   {0, 257, 0, false},
                                   {0, -256, 0, true},
                                   {0, -257, 0, false},
                                   {0, 0, 256, true},
                                   {0, 0, 257, false},
                                   {1, 512, -512, true},
                                   {1, 513, 0, false}}) {
        EXPECT_EQ(TileAttributes("E", level, x, y).IsInRange(), in)
            << level << " " << x << " " << y;
    }
}

TEST(TileAttributes, EdgeAndRectangle) {
    EXPECT_EQ(TileAttributes("E", 0, 0, 0).GetEdge(), 0.703125);
    EXPECT_EQ(TileAttributes("E", 5, 0, 0).GetEdge(), 0.02197265625);
    LatLonRect r = TileAttributes("Earth", 5, -3, 12).GetLatLonRect();
    EXPECT_EQ(r.West(), -0.06591796875);
    EXPECT_EQ(r.North(), 0.28564453125);
    EXPECT_EQ(r.East(), -0.0439453125);
    EXPECT_EQ(r.South(), 0.263671875);
    LatLon c = TileAttributes("Earth", 0, 1, -2).GetCenter();
    EXPECT_EQ(c.GetLongitude(), 1.0546875);
    EXPECT_EQ(c.GetLatitude(), -1.0546875);
}

TEST(TileAttributes, RectangleCornersGoThroughTheCheckedSetters) {
    test::ScriptedUi ui;
    // The last column's east edge is one step of a turn away.
    LatLonRect r = TileAttributes("Earth", 0, 256, 0).GetLatLonRect();
    EXPECT_EQ(r.West(), 180.0);
    EXPECT_EQ(r.East(), -179.296875);
    EXPECT_TRUE(ui.Failures().empty());
    // A row past the pole is reported.
    TileAttributes("Earth", 0, 0, 200).GetLatLonRect();
    EXPECT_EQ(ui.Failures().size(), 2u);
}

TEST(TileAttributes, ChildrenTileTheParentExactly) {
    const TileAttributes parents[] = {TileAttributes("Earth", 5, -3, 12),
                                      TileAttributes("Moon", 0, 0, 0),
                                      TileAttributes("Earth", 9, 100, -77)};
    for (const TileAttributes& p : parents) {
        const LatLonRect pr = p.GetLatLonRect();
        const TileAttributes nw = p.ChildNorthWest(), ne = p.ChildNorthEast(),
                             sw = p.ChildSouthWest(), se = p.ChildSouthEast();
        for (const TileAttributes* c : {&nw, &ne, &sw, &se}) {
            EXPECT_EQ(c->GetBody(), p.GetBody());
            EXPECT_EQ(c->GetLevel(), p.GetLevel() + 1);
        }
        EXPECT_EQ(std::make_tuple(nw.GetX(), nw.GetY()),
                  std::make_tuple(2 * p.GetX(), 2 * p.GetY() + 1));
        EXPECT_EQ(std::make_tuple(se.GetX(), se.GetY()),
                  std::make_tuple(2 * p.GetX() + 1, 2 * p.GetY()));
        const LatLonRect a = nw.GetLatLonRect(), b = ne.GetLatLonRect(), c = sw.GetLatLonRect(),
                         d = se.GetLatLonRect();
        EXPECT_EQ(a.West(), pr.West());
        EXPECT_EQ(a.North(), pr.North());
        EXPECT_EQ(d.East(), pr.East());
        EXPECT_EQ(d.South(), pr.South());
        EXPECT_EQ(a.East(), b.West());
        EXPECT_EQ(c.East(), d.West());
        EXPECT_EQ(a.South(), c.North());
        EXPECT_EQ(b.South(), d.North());
        EXPECT_EQ(b.North(), pr.North());
        EXPECT_EQ(b.East(), pr.East());
        EXPECT_EQ(c.West(), pr.West());
        EXPECT_EQ(c.South(), pr.South());
    }
}

TEST(TileAttributes, FromPositionTruncatesAndStepsNegativesOnce) {
    struct Case {
        int level;
        double longitude;
        double latitude;
        int x;
        int y;
    };
    const Case cases[] = {
        {0, 0.5, 0.5, 0, 0},
        {0, -0.5, -0.5, -1, -1},
        {0, -0.703125, -0.703125, -2, -2},
        {0, 0.703125, 0.703125, 1, 1},
        {0, 0.0, 0.0, 0, 0},
        {5, -0.02197265625, 0.03, -2, 1},
        {5, -0.06, 0.27, -3, 12},
        {0, 180.0, -90.0, 256, -129},
    };
    for (const Case& c : cases) {
        const TileAttributes t =
            TileAttributes::FromPosition("Earth", c.level, LatLon(c.longitude, c.latitude));
        EXPECT_EQ(t.GetBody(), "Earth");
        EXPECT_EQ(t.GetLevel(), c.level);
        EXPECT_EQ(t.GetX(), c.x) << c.longitude;
        EXPECT_EQ(t.GetY(), c.y) << c.latitude;
    }
}

TEST(TileAttributes, FromPositionHoldsHugeIndicesWithoutOverflow) {
    const TileAttributes t = TileAttributes::FromPosition("Earth", 40, LatLon(179.0, -89.0));
    EXPECT_EQ(t.GetX(), INT_MAX);
    EXPECT_EQ(t.GetY(), INT_MIN);
}

using Triple = std::tuple<int, int, int>;

std::vector<Triple> Places(const TileArray& a) {
    std::vector<Triple> out;
    for (const TileAttributes& t : a) {
        out.emplace_back(t.GetLevel(), t.GetX(), t.GetY());
    }
    return out;
}

TEST(TileArray, AddSortedOrdersByLevelXYInAnyInsertionOrder) {
    std::vector<Triple> tiles = {{1, 0, 0}, {0, 5, 5}, {1, -1, 3}};
    std::sort(tiles.begin(), tiles.end());
    do {
        TileArray a;
        for (const Triple& t : tiles) {
            a.AddSorted(TileAttributes("Earth", std::get<0>(t), std::get<1>(t), std::get<2>(t)));
        }
        EXPECT_EQ(Places(a), (std::vector<Triple>{{0, 5, 5}, {1, -1, 3}, {1, 0, 0}}));
        EXPECT_TRUE(a.IsSorted());
    } while (std::next_permutation(tiles.begin(), tiles.end()));
}

TEST(TileArray, AddSortedIgnoresTheSamePlaceUnderAnotherBody) {
    TileArray a;
    a.AddSorted(TileAttributes("Earth", 2, 1, 1));
    a.AddSorted(TileAttributes("Earth", 2, 1, 3));
    a.AddSorted(TileAttributes("Moon", 2, 1, 3));
    a.AddSorted(TileAttributes("Earth", 2, 1, 2));
    a.AddSorted(TileAttributes("Earth", 2, 0, 9));
    EXPECT_EQ(Places(a), (std::vector<Triple>{{2, 0, 9}, {2, 1, 1}, {2, 1, 2}, {2, 1, 3}}));
    EXPECT_EQ(a[3].GetBody(), "Earth");
}

TEST(TileArray, IsSortedAcceptsEqualNeighbours) {
    TileArray a;
    EXPECT_TRUE(a.IsSorted());
    a.Add(TileAttributes("E", 2, 1, 1));
    EXPECT_TRUE(a.IsSorted());
    a.Add(TileAttributes("E", 2, 1, 1));
    EXPECT_TRUE(a.IsSorted());
    TileArray b;
    b.Add(TileAttributes("E", 2, 1, 2));
    b.Add(TileAttributes("E", 2, 1, 1));
    EXPECT_FALSE(b.IsSorted());
    TileArray c;
    c.Add(TileAttributes("E", 1, 9, 9));
    c.Add(TileAttributes("E", 2, -5, -5));
    EXPECT_TRUE(c.IsSorted());
    c.Add(TileAttributes("E", 2, -6, 100));
    EXPECT_FALSE(c.IsSorted());
}

TEST(TileArray, ContainsIgnoresTheBody) {
    TileArray a;
    EXPECT_FALSE(a.Contains(TileAttributes()));
    a.Add(TileAttributes("Earth", 3, 4, 5));
    EXPECT_TRUE(a.Contains(TileAttributes("Moon", 3, 4, 5)));
    EXPECT_FALSE(a.Contains(TileAttributes("Earth", 3, 4, 6)));
    EXPECT_FALSE(a.Contains(TileAttributes("Earth", 2, 4, 5)));
}

TEST(TileArray, PlainInsertRemoveCopy) {
    TileArray a;
    a.InsertAt(0, TileAttributes("E", 0, 1, 0));
    a.InsertAt(0, TileAttributes("E", 0, 0, 0));
    a.InsertAt(99, TileAttributes("E", 0, 3, 0));
    a.InsertAt(2, TileAttributes("E", 0, 2, 0));
    EXPECT_EQ(Places(a), (std::vector<Triple>{{0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}}));
    a.RemoveAt(1);
    EXPECT_EQ(Places(a), (std::vector<Triple>{{0, 0, 0}, {0, 2, 0}, {0, 3, 0}}));
    a.RemoveAt(1, 10);
    EXPECT_EQ(Places(a), (std::vector<Triple>{{0, 0, 0}}));
    a.RemoveAt(5);
    EXPECT_EQ(a.GetCount(), 1u);
}

} // namespace
} // namespace pf
