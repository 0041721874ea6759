// The base document's tile insertion and the navigation beacon line.
#include "document/base_document.h"
#include "document/nav_beacon.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace pf {
namespace {

std::vector<std::vector<int>> Places(const BaseDocument& d) {
    std::vector<std::vector<int>> out;
    for (const TileAttributes& t : d.GetTileArray()) {
        out.push_back({t.GetLevel(), t.GetX(), t.GetY()});
    }
    return out;
}

TEST(BaseDocument, AddTileSorted) {
    BaseDocument d;
    const std::vector<std::tuple<int, int, int>> tiles = {
        {3, 0, 0}, {1, 9, 9}, {2, 5, 9}, {2, 5, 3}};
    for (auto [l, x, y] : tiles) {
        EXPECT_TRUE(d.AddTileSorted(TileAttributes("Earth", l, x, y)));
    }
    EXPECT_TRUE(d.GetNeedsRendering());
    EXPECT_EQ(Places(d),
              (std::vector<std::vector<int>>{{1, 9, 9}, {2, 5, 3}, {2, 5, 9}, {3, 0, 0}}));

    d.AddTileSorted(TileAttributes("Earth", 2, 5, 7));
    EXPECT_EQ(Places(d)[2], (std::vector<int>{2, 5, 7}));

    // An equal tile goes directly in front of the one present; the body takes no part.
    d.AddTileSorted(TileAttributes("Moon", 2, 5, 7));
    ASSERT_EQ(d.GetTileArray().GetCount(), 6u);
    EXPECT_EQ(d.GetTileArray()[2].GetBody(), "Moon");
    EXPECT_EQ(d.GetTileArray()[3].GetBody(), "Earth");

    BaseDocument n;
    n.AddTileSorted(TileAttributes("Earth", 4, 1, -8));
    n.AddTileSorted(TileAttributes("Earth", 4, -3, 2));
    n.AddTileSorted(TileAttributes("Earth", 4, 1, -9));
    n.AddTileSorted(TileAttributes("Earth", -1, 0, 0));
    EXPECT_EQ(Places(n),
              (std::vector<std::vector<int>>{{-1, 0, 0}, {4, -3, 2}, {4, 1, -9}, {4, 1, -8}}));
}

TEST(NavBeacon, FormatLine) {
    NavBeacon b;
    b.identifier = "ABCD";
    b.longitude.Set(-80.6f);
    b.latitude.Set(28.5f);
    b.frequency.Set(112.5f);
    EXPECT_EQ(b.FormatLine(), "VOR ABCD -80.6 28.5 112.5\r\n");

    b.sixth.Set(25.12345);
    EXPECT_EQ(b.FormatLine(), "VOR ABCD -80.6 28.5 112.5 25.123\r\n");

    NavBeacon unset; // values are written even when not given
    unset.type = "NDB";
    unset.identifier = "Q";
    unset.frequency.value = 115.25f;
    EXPECT_EQ(unset.FormatLine(), "NDB Q 0 0 115.25\r\n");

    NavBeacon odd;
    odd.identifier = "ab c";
    EXPECT_EQ(odd.FormatLine(), "VOR ab_c 0 0 0\r\n");
    odd.identifier = "a=b;c\td";
    odd.type = "";
    EXPECT_EQ(odd.FormatLine(), "- a_b_c_d 0 0 0\r\n");
    odd.identifier.clear();
    odd.type = "VOR";
    EXPECT_EQ(odd.FormatLine(), "VOR - 0 0 0\r\n");
}

} // namespace
} // namespace pf
