// The base document's names, copies, tile list, degree offsets, statistics and
// the navigation beacon line.
#include "base_document_fixture.h"

#include "document/base_document.h"
#include "document/nav_beacon.h"
#include "foundation/text.h"
#include "workspace/file_manager.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(BaseDocumentNames, SaveAndConfigFileNames) {
    for (auto [suffix, file] : {std::pair{"Earth\\Base\\", "Port Alpha.txt"},
                                {"EARTH\\base\\", "Port Alpha.txt"},
                                {"Earth\\Base\\Historic\\", "Earth_Base_Historic_Port Alpha.txt"},
                                {"Earth/Base\\Old/", "Earth_Base_Old_Port Alpha.txt"}}) {
        EXPECT_EQ(BaseDocument::BuildSaveFileName("Port Alpha", "Earth", suffix), file);
    }
    BaseDocument d;
    d.SetName("Port Alpha");
    d.SetConfigSuffix("Earth\\Base\\");
    EXPECT_EQ(d.GetConfigRelativePath(), "Earth\\Base\\Port Alpha.cfg");
    d.SetFileNameFromName("Port Alpha");
    EXPECT_EQ(d.GetConfigRelativePath(), "Earth\\Base\\Port_Alpha.cfg");
}

TEST(BaseDocumentNames, ValidBaseNames) {
    for (const char* name : {"", "..", "a\\b", "a:b", "a=b", "a;b", " a", "a ", "a  b", "a\tb"}) {
        EXPECT_FALSE(IsValidBaseName(name)) << "[" << name << "]";
    }
    for (const char* name : {"Port Alpha", "Pad-7 (old) #2", "a.b", "\xB0North"}) {
        EXPECT_TRUE(IsValidBaseName(name)) << name;
    }
}

TEST(BaseDocumentCopy, CopiesAreDeepAndSelfAssignmentKeepsAll) {
    test::SimulatorSandbox sim;
    BaseDocument source = test::SampleBase();
    source.SetFileName("");
    const std::string before = test::WrittenText(source);
    BaseDocument copy(source);
    BaseDocument assigned;
    assigned = source;
    for (BaseDocument* d : {&copy, &assigned}) {
        EXPECT_EQ(d->GetFileName(), "Port Alpha") << "an empty file name becomes the name";
        d->GetObjects().GetAt(2)->Get()->SetRotation(77.0);
        d->RemoveTile(TileAttributes("Earth", 14, 5, -1));
        d->GetBeacons()[0].identifier = "NEW";
    }
    BaseDocument& same = source;
    source = same;
    EXPECT_EQ(test::WrittenText(source), before);
}

TEST(BaseDocumentTiles, SetGetHasAndRemove) {
    TileArray sorted;
    sorted.Add(TileAttributes("Earth", 12, -2, 1));
    sorted.Add(TileAttributes("Earth", 12, 5, 1));
    TileArray turned;
    turned.Add(sorted[1]);
    turned.Add(sorted[0]);
    TileArray changed = sorted;
    changed[1] = TileAttributes("Earth", 12, 6, 1);
    // needs rendering before, the new list, needs rendering after, the tiles after.
    for (const auto& [flag, tiles, after, places] :
         {std::tuple{false, sorted, false, "12 -2 1,12 5 1,"},
          {true, sorted, true, "12 -2 1,12 5 1,"},
          {false, turned, true, "12 -2 1,12 5 1,"},
          {false, changed, true, "12 -2 1,12 6 1,"},
          {true, TileArray(), true, ""}}) {
        BaseDocument d;
        d.SetTiles(sorted);
        d.SetNeedsRendering(flag);
        EXPECT_TRUE(d.SetTiles(tiles));
        d.SetTiles(d.GetTileArray()); // its own list survives a rebuild
        std::string held;
        for (const TileAttributes& t : d.GetTileArray()) {
            held += FormatString("%d %d %d,", t.GetLevel(), t.GetX(), t.GetY());
        }
        EXPECT_EQ(d.GetNeedsRendering(), after);
        EXPECT_EQ(held, places);
    }

    BaseDocument d;
    d.SetTiles(sorted);
    TileAttributes out("Kept", 1, 2, 3);
    EXPECT_FALSE(d.GetTileAt(-1, out) || d.GetTileAt(2, out));
    EXPECT_EQ(out.GetName(), TileAttributes("Kept", 1, 2, 3).GetName());
    EXPECT_TRUE(d.GetTileAt(1, out));
    EXPECT_EQ(out.GetName(), sorted[1].GetName());
    EXPECT_TRUE(d.HasTile(TileAttributes("Moon", 12, 5, 1)));
    EXPECT_FALSE(d.HasTile(TileAttributes("Earth", 12, 5, 2)));
    d.SetNeedsRendering(false);
    EXPECT_FALSE(d.RemoveTile(TileAttributes("Moon", 12, 5, 1)));
    EXPECT_FALSE(d.GetNeedsRendering());
    EXPECT_TRUE(d.RemoveTile(TileAttributes("EARTH", 12, 5, 1)));
    EXPECT_TRUE(d.RemoveTile(sorted[0]));
    EXPECT_TRUE(d.GetNeedsRendering());
    EXPECT_FALSE(d.RemoveTile(sorted[0]) || d.GetTileCount() != 0);
}

TEST(BaseDocumentTiles, DegreeOffsets) {
    const double perDegree = 2.0 * 3.14159265358979323846 * kEarthRadius / 360.0;
    // body radius, base latitude, point; longitude and latitude offsets.
    for (const auto& [radius, latitude, point, longitude, northing] :
         {std::tuple{kEarthRadius, 0.0, Point3{0, 0, 7}, 0.0, 0.0},
          {kEarthRadius, 0.0, Point3{1000, 0, 0}, 1000 / perDegree, 0.0},
          {kEarthRadius, 60.0, Point3{1000, -500, 0}, 2000 / perDegree, -500 / perDegree},
          {kEarthRadius, 90.0, Point3{1000, 0, 0}, 0.0, 0.0},
          {0.0, 10.0, Point3{1000, 1000, 0}, 0.0, 0.0}}) {
        BaseDocument d;
        d.SetBody(AstrelBody("Body", radius, 1.0));
        d.SetPosition(LatLon(20.0, latitude));
        const LatLon offset = d.GetDegreeOffset(point);
        EXPECT_NEAR(offset.GetLongitude(), longitude, 1e-9) << radius << " " << latitude;
        EXPECT_NEAR(offset.GetLatitude(), northing, 1e-9) << radius << " " << latitude;
    }
}

TEST(BaseDocumentText, Statistics) {
    test::SimulatorSandbox sim;
    BaseDocument d("Port Alpha", "Earth", LatLon(-80.6, 28.5));
    d.SetContext("CONTEXT Summer");
    d.SetPeriodBegin("51000");
    d.SetPeriodEnd("51010");
    const std::string head =
        "Name: Port Alpha\r\nCelestial Body: Earth\r\nPosition: -80.6\xB0 Lon, "
        "28.5\xB0 Lat\r\n\r\nFile Stats:\r\nBase Origin: ";
    const std::string destination = "File Destination: [Astrel Config Path]\\Earth\\Base\\\r\n";
    const std::string loaded = "\r\nLoaded Stats:\r\n";
    const std::string own =
        head + "User Created\r\nAstrel File Name: Port Alpha.cfg\r\n" + destination;
    EXPECT_EQ(d.GetStatisticsText(), own + loaded + "Base is not loaded in Astrel");
    Astrel2010* installation = nullptr;
    ASSERT_TRUE(FileManager::Instance().FindOrCreateInstallation(sim.Root(), installation));
    installation->AddFile(sim.Root() + "Config\\Earth\\Base\\Port Alpha.cfg",
                          "Earth\\Base\\Port Alpha.cfg");
    EXPECT_EQ(d.GetStatisticsText(),
              own +
                  "Context for File Location: CONTEXT Summer\r\n"
                  "Time Period for File Location: Begin 51000, End 51010\r\n" +
                  loaded + "Base is loaded in Astrel\r\n");
    // Imported from the simulator, whose file still stands there.
    d.SetOrigin("Astrel");
    d.SetFileName("Pad");
    EXPECT_EQ(d.GetStatisticsText(), head + "Astrel\r\nAstrel File Name: Pad.cfg\r\n" +
                                         destination + loaded +
                                         "Original base is loaded in Astrel");
}

} // namespace
} // namespace pf
