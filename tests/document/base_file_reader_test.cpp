#include "document/base_file_reader.h"

#include "document/base_document.h"
#include "document/nav_beacon.h"
#include "foundation/stream.h"
#include "objects/astrel_object.h"
#include "objects/object_fakes.h"
#include "objects/runway.h"
#include "objects/value_readers.h"
#include "support/simulator_sandbox.h"
#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace pf {
namespace {

StringArray Lines(const std::string& text) {
    StringArray lines;
    SplitTextIntoLines(lines, text);
    return lines;
}

const char* const kPfgKeys = "BASE-V2.0\r\n"
                             "PFG_BODY_NAME Earth\r\n"
                             "PFG_FILE_NAME Cape_File\r\n"
                             "PFG_CONFIG_SUFFIX Earth\\Base\\\r\n"
                             "PFG_ORIGIN User Created\r\n"
                             "PFG_ORIGINAL_PATH C:\\Sim\\Config\\Earth\\Base\\Cape.cfg\r\n"
                             "PFG_CONTEXT Apollo\r\n"
                             "PFG_PERIOD_BEGIN 40000\r\n"
                             "PFG_PERIOD_END 41000\r\n";

// Every kind of section, and groups of the program's own types (a type word in small
// letters too; the lights go onto their runway).
const char* const kBody =
    "\r\n"
    "NAME Cape Base\r\n"
    "Location = -80.6 28.5\r\n"
    "BEGIN_OBJECTLIST\r\n"
    "BLOCK\r\n\tPOS 0 20 0\r\n\tSCALE 1 5 1\r\nEND\r\n"
    "TANK\r\n\tPOS 0 1 0\r\n\tSCALE 1 1 1\r\nEND\r\n"
    "RUNWAYLIGHTS\r\n\tEND1 0 0 0\r\n\tEND2 0 0 900\r\n\tWIDTH 30\r\nEND\r\n"
    "runway\r\n\tEND1 0 0 0\r\n\tEND2 0 0 900\r\n\tWIDTH 30\r\nEND\r\n"
    "block\r\n\tPOS 0 0 0\r\n\tSCALE 1 2 1\r\nEND\r\n"
    "END_OBJECTLIST\r\n"
    "BEGIN_SURFTILELIST\r\n9 12 7 1\r\n9 12 7\r\n8 3 -2\r\nEND_SURFTILELIST\r\n"
    "BEGIN_NAVBEACON\r\nVOR CAP -80.6 28.5 112.5\r\nILS CPI -80.5 28.4 110.1 25.5\r\n"
    "END_NAVBEACON\r\n";

class BaseFileReader : public ::testing::Test {
  protected:
    bool LoadPfg(BaseDocument& document, const std::string& text) {
        MemStream stream;
        stream.Write(text.data(), static_cast<uint32_t>(text.size()));
        stream.SeekToBegin();
        return LoadPfgBaseFile(document, stream);
    }

    void SetUp() override {
        RegisterObjectTypes();
        RegisterObjectGroupParsers();
    }
    test::SimulatorSandbox sim_;
};

TEST_F(BaseFileReader, FullOwnBaseFileFillsEveryField) {
    BaseDocument document;
    ASSERT_TRUE(LoadPfg(document, std::string(kPfgKeys) +
                                      "PFG_NEEDS_LOADING TRUE\r\nPFG_NEEDS_RENDERING false\r\n" +
                                      kBody));
    EXPECT_TRUE(sim_.Ui().Calls().empty());
    EXPECT_EQ(document.GetName(), "Cape Base");
    EXPECT_EQ(document.GetFileName(), "Cape_File");
    EXPECT_EQ(document.GetConfigSuffix(), "Earth\\Base\\");
    EXPECT_EQ(document.GetOrigin(), "User Created");
    EXPECT_EQ(document.GetOriginalPath(), "C:\\Sim\\Config\\Earth\\Base\\Cape.cfg");
    EXPECT_EQ(document.GetContext(), "Apollo");
    EXPECT_EQ(document.GetPeriodBegin(), "40000");
    EXPECT_EQ(document.GetPeriodEnd(), "41000");
    EXPECT_EQ(document.GetBody().name, "Earth");
    EXPECT_DOUBLE_EQ(document.GetBody().radius, 6371010.0);
    EXPECT_FLOAT_EQ(static_cast<float>(document.GetPosition().GetLongitude()), -80.6f);
    EXPECT_FLOAT_EQ(static_cast<float>(document.GetPosition().GetLatitude()), 28.5f);
    // The flags are the file's, not what the tile insertions set.
    EXPECT_TRUE(document.GetNeedsLoading());
    EXPECT_FALSE(document.GetNeedsRendering());

    // Sorted by top height; equal heights keep the type order (blocks before tanks).
    std::vector<std::pair<int32_t, double>> objects;
    for (const AstrelObject& object : document.GetObjects()) {
        objects.emplace_back(object.GetType(), object.GetTopHeight().value);
    }
    EXPECT_EQ(objects, (std::vector<std::pair<int32_t, double>>{
                           {kTypeRunway, 0}, {kTypeBlock, 2}, {kTypeTank, 2}, {kTypeBlock, 25}}));

    ASSERT_EQ(document.GetTileCount(), 2);
    const TileArray& tiles = document.GetTileArray();
    EXPECT_TRUE(tiles[0].SamePlace(TileAttributes("Earth", 8, 3, -2)));
    EXPECT_TRUE(tiles[1].SamePlace(TileAttributes("Earth", 9, 12, 7)));
    EXPECT_EQ(tiles[1].GetBody(), "Earth");

    ASSERT_EQ(document.GetBeacons().GetCount(), 2);
    const NavBeacon& vor = document.GetBeacons()[0];
    EXPECT_EQ(vor.type, "VOR");
    EXPECT_EQ(vor.identifier, "CAP");
    EXPECT_FLOAT_EQ(vor.frequency.value, 112.5f);
    EXPECT_FALSE(vor.sixth.given);
    EXPECT_TRUE(document.GetBeacons()[1].sixth.given);
    EXPECT_DOUBLE_EQ(document.GetBeacons()[1].sixth.value, 25.5);
}

TEST_F(BaseFileReader, MissingKeysEndTheLoadWithTheirMessages) {
    struct Case {
        const char* drop;
        const char* message;
    } cases[] = {
        {"PFG_BODY_NAME Earth\r\n", "Couldn't find body name"},
        {"PFG_FILE_NAME Cape_File\r\n", "Couldn't find file name"},
        {"PFG_CONFIG_SUFFIX Earth\\Base\\\r\n", "Couldn't find config suffix"},
        {"PFG_ORIGINAL_PATH C:\\Sim\\Config\\Earth\\Base\\Cape.cfg\r\n",
         "Couldn't find original path"},
        {"PFG_CONTEXT Apollo\r\n", "Couldn't find context"},
        {"PFG_PERIOD_BEGIN 40000\r\n", "Couldn't find period begin"},
        {"PFG_PERIOD_END 41000\r\n", "Couldn't find period end"},
        {"END_OBJECTLIST\r\n", "Couldn't find END_OBJECTLIST"},
        {"END_NAVBEACON\r\n", "Couldn't find END_NAVBEACON"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.drop);
        std::string text = std::string(kPfgKeys) +
                           "PFG_NEEDS_LOADING TRUE\r\nPFG_NEEDS_RENDERING TRUE\r\n" + kBody;
        text.erase(text.find(c.drop), std::string(c.drop).size());
        sim_.Ui().Clear();
        BaseDocument document;
        EXPECT_FALSE(LoadPfg(document, text));
        EXPECT_EQ(sim_.Ui().Failures(), std::vector<std::string>{c.message});
        // The quiet check finds the same.
        EXPECT_EQ(FindPfgBaseFileProblem(Lines(text)), c.message);
    }
    EXPECT_EQ(FindPfgBaseFileProblem(Lines(std::string(kPfgKeys) +
                                           "PFG_NEEDS_LOADING TRUE\r\nPFG_NEEDS_RENDERING "
                                           "TRUE\r\n" +
                                           kBody)),
              "");
}

TEST_F(BaseFileReader, MissingRenderingFlagFailsAfterEverythingWasRead) {
    BaseDocument document;
    EXPECT_FALSE(LoadPfg(document, std::string(kPfgKeys) + "PFG_NEEDS_LOADING TRUE\r\n" + kBody));
    EXPECT_EQ(sim_.Ui().Failures(), std::vector<std::string>{"Couldn't find needs rendering flag"});
    EXPECT_EQ(document.GetObjects().GetCount(), 4);
    EXPECT_EQ(document.GetTileCount(), 2);
    EXPECT_EQ(document.GetBeacons().GetCount(), 2);
    EXPECT_TRUE(document.GetNeedsLoading());
    EXPECT_TRUE(document.GetNeedsRendering()) << "set by the tile insertions";
}

TEST_F(BaseFileReader, OriginalPathBeforeOriginIsAnotherKey) {
    std::string text =
        std::string(kPfgKeys) + "PFG_NEEDS_LOADING TRUE\r\nPFG_NEEDS_RENDERING TRUE\r\n" + kBody;
    const std::string origin = "PFG_ORIGIN User Created\r\n";
    text.erase(text.find(origin), origin.size());
    text.insert(text.find("PFG_CONTEXT"), origin);
    BaseDocument document;
    ASSERT_TRUE(LoadPfg(document, text));
    EXPECT_EQ(document.GetOrigin(), "User Created");
}

TEST_F(BaseFileReader, NameAndLocationFailWithoutMessage) {
    const std::string keys =
        std::string(kPfgKeys) + "PFG_NEEDS_LOADING TRUE\r\nPFG_NEEDS_RENDERING TRUE\r\n";
    for (const char* body : {"Location = 1 2\r\n", "NAME X\r\nLocation = 1\r\n",
                             "NAME X\r\nLocation = 1 2 3\r\n", "NAME X\r\nLocation = a 2\r\n"}) {
        BaseDocument document;
        EXPECT_FALSE(LoadPfg(document, keys + body)) << body;
    }
    EXPECT_TRUE(sim_.Ui().Calls().empty());
}

TEST_F(BaseFileReader, UnknownTypeShowsTwoBoxesAndTheBaseLoadsWithoutIt) {
    const std::string text = std::string(kPfgKeys) +
                             "PFG_NEEDS_LOADING TRUE\r\nPFG_NEEDS_RENDERING TRUE\r\n"
                             "NAME X\r\nLocation 1 2\r\nBEGIN_OBJECTLIST\r\n"
                             "RUNWAY 2\r\n\tWIDTH 3\r\nEND\r\n"
                             "BLOCK\r\n\tPOS 0 1 0\r\nEND\r\nEND_OBJECTLIST\r\n";
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    BaseDocument document;
    ASSERT_TRUE(LoadPfg(document, text));
    ASSERT_EQ(document.GetObjects().GetCount(), 1);
    EXPECT_EQ(document.GetObjects().GetAt(0)->GetType(), kTypeBlock);
    const std::vector<std::string> expected = {"Type of object unknown: RUNWAY 2",
                                               "Problem loading: RUNWAY 2"};
    EXPECT_EQ(sim_.Ui().Messages(), expected);
    for (const auto& call : sim_.Ui().Calls()) {
        EXPECT_EQ(call.caption, "Error");
    }
}

TEST_F(BaseFileReader, DispatcherComparesWholeLines) {
    for (int i = 0; i < 3; ++i) {
        sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    }
    // No parser can be put in for the codes outside the factory's range.
    const ObjectGroupParser any = [](AstrelObject&, const StringArray&) { return true; };
    EXPECT_EQ(RegisterObjectGroupParser(kTypeComplex, any), nullptr);
    EXPECT_EQ(RegisterObjectGroupParser(0, any), nullptr);
    AstrelObject holder;
    EXPECT_TRUE(ParseObjectGroup(holder, StringArray{"runway", "WIDTH 5"}));
    EXPECT_EQ(holder.GetType(), kTypeRunway);
    EXPECT_FALSE(ParseObjectGroup(holder, StringArray{"COMPLEXOBJECT"}));
    EXPECT_FALSE(ParseObjectGroup(holder, StringArray{"UNDEFINED"}));
    EXPECT_FALSE(ParseObjectGroup(holder, StringArray{}));
    EXPECT_EQ(sim_.Ui().Messages().size(), 3u);
}

TEST(BaseFileLines, Location) {
    LatLon position(1, 2);
    EXPECT_TRUE(ReadLocation(position, Lines("Location = -80.6 28.5\r\n")));
    EXPECT_FLOAT_EQ(static_cast<float>(position.GetLongitude()), -80.6f);
    EXPECT_FLOAT_EQ(static_cast<float>(position.GetLatitude()), 28.5f);
    LatLon unchanged(1, 2);
    for (const char* text :
         {"Location = 5\r\n", "Location = 1 2 3\r\n", "Location\r\n", "Place 1 2\r\n"}) {
        EXPECT_FALSE(ReadLocation(unchanged, Lines(text))) << text;
        EXPECT_EQ(unchanged.GetLongitude(), 1.0);
    }
    // The first location line decides.
    EXPECT_FALSE(ReadLocation(unchanged, Lines("Location 5\r\nLocation 1 2\r\n")));
}

TEST(BaseFileLines, SurfaceTiles) {
    TileArray tiles;
    tiles.Add(TileAttributes("Old", 1, 1, 1));
    ReadSurfTileList(tiles, "Moon",
                     Lines("BEGIN_SURFTILELIST\r\n9 12 7 1\r\n9 13\r\n9 1 2 3 4\r\n-1 0 0\r\n"
                           "22 0 0\r\n10 a 5\r\n21 0 0\r\n10 99999999999 0\r\n5 -3 2 x\r\n"
                           "END_SURFTILELIST\r\n"));
    std::vector<std::tuple<int, int, int>> got;
    for (const TileAttributes& t : tiles) {
        got.emplace_back(t.GetLevel(), t.GetX(), t.GetY());
        EXPECT_EQ(t.GetBody(), "Moon");
    }
    // x = 99999999999 saturates and is out of range at level 10.
    const std::vector<std::tuple<int, int, int>> expected = {
        {5, -3, 2}, {9, 12, 7}, {10, 0, 5}, {21, 0, 0}};
    EXPECT_EQ(got, expected);

    EXPECT_EQ(ReadIntSaturated("99999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ReadIntSaturated("-99999999999"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ReadIntSaturated(" +42x"), 42);
    EXPECT_EQ(ReadIntSaturated("x1"), 0);
    EXPECT_EQ(ReadIntSaturated("-2147483648"), std::numeric_limits<int32_t>::min());
}

TEST(BaseFileLines, NavBeacons) {
    NavBeaconArray beacons;
    beacons.Add(NavBeacon());
    ReadNavBeacons(beacons,
                   Lines("BEGIN_NAVBEACON\r\nVOR AB 1 2 110.5\r\nNDB CD 3 4 111 9.25 extra\r\n"
                         "VOR EF 1 2\r\nVOR GH x 2 110\r\nVOR IJ 1 2 110 y\r\n"
                         "VOR KL 1 2 110 1e39\r\nVOR MN 1 2 110 -3.5e38\r\n"
                         "VOR OP 1 2 110 3.4e38\r\nEND_NAVBEACON\r\n"));
    // A sixth value beyond the float range could not be written back: the line is dropped.
    ASSERT_EQ(beacons.GetCount(), 3);
    EXPECT_EQ(beacons[2].FormatLine(), "VOR OP 1 2 110 " + FormatDouble3(3.4e38) + "\r\n");
    EXPECT_EQ(beacons[0].identifier, "AB");
    EXPECT_FLOAT_EQ(beacons[0].longitude.value, 1.0f);
    EXPECT_TRUE(beacons[0].latitude.given);
    EXPECT_FALSE(beacons[0].sixth.given);
    EXPECT_EQ(beacons[1].type, "NDB");
    EXPECT_DOUBLE_EQ(beacons[1].sixth.value, 9.25);

    NavBeacon partial;
    EXPECT_FALSE(ParseNavBeaconLine(partial, StringArray{"T", "I", "1", "z", "3"}));
    EXPECT_EQ(partial.type, "T");
    EXPECT_FLOAT_EQ(partial.longitude.value, 1.0f);
    EXPECT_FALSE(partial.latitude.given);
}

TEST(BaseFileLines, SplitBaseCfgPath) {
    std::string file = "f";
    std::string body = "b";
    ASSERT_TRUE(SplitBaseCfgPath(file, body, "C:\\Sim\\Config\\Earth\\Base\\Cape.cfg"));
    EXPECT_EQ(file, "Cape");
    EXPECT_EQ(body, "Earth");
    ASSERT_TRUE(SplitBaseCfgPath(file, body, "\\\\Moon\\\\Other\\Pad.v2.CFG"));
    EXPECT_EQ(file, "Pad.v2");
    EXPECT_EQ(body, "Moon");
    for (const char* bad : {"Cape.cfg", "Base\\Cape.cfg", "C:\\Earth\\Base\\Cape.conf",
                            "C:\\Earth\\Base\\Cape.cf", "C:\\Earth\\Base\\Cape"}) {
        EXPECT_FALSE(SplitBaseCfgPath(file, body, bad)) << bad;
    }
}

TEST(BaseFileReaderRealTypes, RunwayInSmallLettersTakesItsLights) {
    test::SimulatorSandbox sim;
    RegisterObjectTypes();
    RegisterObjectGroupParsers();
    ObjectArray objects;
    const StringArray lines =
        Lines("BEGIN_OBJECTLIST\r\n"
              "RUNWAYLIGHTS\r\n\tEND1 0 0 0\r\n\tEND2 0 0 900\r\n\tWIDTH 30\r\nEND\r\n"
              "runway\r\n\tEND1 0 0 0\r\n\tEND2 0 0 900\r\n\tWIDTH 30\r\nEND\r\n"
              "LPAD2A\r\n\tPOS 100 0 0\r\nEND\r\n"
              "TRAIN1\r\n\tEND1 0 0 10\r\n\tEND2 0 0 90\r\nEND\r\n"
              "END_OBJECTLIST\r\n");
    LoadObjectList(objects, lines);
    EXPECT_TRUE(sim.Ui().Messages().empty());
    ASSERT_EQ(objects.GetCount(), 4);
    EXPECT_EQ(objects.GetAt(0)->GetType(), kTypeRunwayLights);
    EXPECT_EQ(objects.GetAt(1)->GetType(), kTypeRunway);
    EXPECT_EQ(objects.GetAt(2)->GetType(), kTypeLpad2A);
    EXPECT_EQ(objects.GetAt(3)->GetType(), kTypeTrain1);

    // Read as a base, the lights go onto their runway.
    BaseDocument document;
    const std::string text =
        std::string(kPfgKeys) +
        "PFG_NEEDS_LOADING FALSE\r\nPFG_NEEDS_RENDERING FALSE\r\nNAME R\r\nLocation 1 2\r\n";
    MemStream stream;
    std::string all = text;
    for (const std::string& line : lines) {
        all += line + "\r\n";
    }
    stream.Write(all.data(), static_cast<uint32_t>(all.size()));
    stream.SeekToBegin();
    ASSERT_TRUE(LoadPfgBaseFile(document, stream));
    std::vector<int32_t> types;
    for (const AstrelObject& object : document.GetObjects()) {
        types.push_back(object.GetType());
    }
    EXPECT_EQ(std::count(types.begin(), types.end(), kTypeRunwayLights), 0);
    EXPECT_EQ(std::count(types.begin(), types.end(), kTypeRunway), 1);
    EXPECT_EQ(types.size(), 3u);
}

TEST(BaseFileReaderRealTypes, OwnBaseFileWithTheProgramsTypes) {
    test::SimulatorSandbox sim;
    const std::string text = std::string(kPfgKeys) +
                             "PFG_NEEDS_LOADING FALSE\r\nPFG_NEEDS_RENDERING FALSE\r\n"
                             "NAME Real\r\nLocation 1 2\r\nBEGIN_OBJECTLIST\r\n"
                             "TANK\r\n\tPOS 0 0 0\r\n\tSCALE 5 30 5\r\nEND\r\n"
                             "block\r\n\tPOS 0 0 0\r\n\tSCALE 5 10 5\r\nEND\r\n"
                             "HANGAR2\r\n\tPOS 10 0 0\r\nEND\r\n"
                             "BEACONARRAY\r\n\tEND1 0 0 0\r\n\tEND2 0 0 100\r\n\tCOUNT 4\r\nEND\r\n"
                             "SOLARPLANT\r\n\tPOS 0 0 50\r\nEND\r\nEND_OBJECTLIST\r\n";
    MemStream stream;
    stream.Write(text.data(), static_cast<uint32_t>(text.size()));
    stream.SeekToBegin();
    BaseDocument document;
    ASSERT_TRUE(LoadPfgBaseFile(document, stream));
    EXPECT_TRUE(sim.Ui().Messages().empty());
    std::vector<int32_t> types;
    double previous = -1e300;
    for (const AstrelObject& object : document.GetObjects()) {
        types.push_back(object.GetType());
        EXPECT_GE(object.GetTopHeight().value, previous) << "sorted by top height";
        previous = object.GetTopHeight().value;
    }
    std::sort(types.begin(), types.end());
    EXPECT_EQ(types, (std::vector<int32_t>{kTypeBlock, kTypeHangar2, kTypeTank, kTypeBeaconArray,
                                           kTypeSolarPlant}));
}

} // namespace
} // namespace pf

namespace pf {
namespace {

// The program's own types, through the registered parsers.
TEST(BaseFileReaderRealTypes, MeshGroupIsReadByItsType) {
    test::SimulatorSandbox sim;
    RegisterObjectTypes();
    RegisterObjectGroupParsers();
    ObjectArray objects;
    LoadObjectList(objects, Lines("BEGIN_OBJECTLIST\r\nmesh\r\n\tFILE Tower\r\n\tPOS 1 2 "
                                  "3\r\nEND\r\nEND_OBJECTLIST\r\n"));
    ASSERT_EQ(objects.GetCount(), 1);
    EXPECT_EQ(objects.GetAt(0)->GetType(), kTypeMesh);
    EXPECT_NE(objects.GetAt(0)->GetParameterText().find("FILE Tower"), std::string::npos);
    // No box of the dispatcher (the mesh itself reports its missing model file).
    EXPECT_TRUE(sim.Ui().Messages().empty());
}

// Lines that no keyword takes stay with their object, in order, before its END; a RWTEX
// line without segments is one of them.
TEST(BaseFileReaderRealTypes, UnknownLinesComeBackInOrder) {
    test::SimulatorSandbox sim;
    RegisterObjectTypes();
    RegisterObjectGroupParsers();
    const auto readWrite = [](const std::string& groups) {
        ObjectArray objects;
        LoadObjectList(objects, Lines("BEGIN_OBJECTLIST\r\n" + groups + "END_OBJECTLIST\r\n"));
        AttachRunwayLights(objects);
        std::string text;
        for (const AstrelObject& object : objects) {
            text += object.GetTypeName() + "\r\n" + object.GetParameterText() + "END\r\n";
        }
        return text;
    };
    struct Case {
        const char* groups;
        const char* kept;
    };
    const Case cases[] = {
        {"MESH\nFILE Tower\nWRAPTOSURFACE\nPOS 1 2 3\nEND\n", "\tWRAPTOSURFACE\r\nEND\r\n"},
        {"RUNWAY\nEND1 0 0 0\nEND2 0 0 900\nNRWSEG 0\nRWTEX Runway2\nEND\n",
         "\tEND2 0 0 900\r\n\tRWTEX Runway2\r\nEND\r\n"},
        {"HANGAR\nFOO 1\nPOS 0 0 0\nBAR a  b\nROT 10\nBAZ\nEND\n",
         "\tFOO 1\r\n\tBAR a b\r\n\tBAZ\r\nEND\r\n"},
        {"RUNWAY\nEND1 0 0 0\nWRAP 1\nEND2 0 0 900\nEND\n"
         "RUNWAYLIGHTS\nGLOW 2\nEND1 0 0 0\nEND2 0 0 900\nEND\n",
         "\tWRAP 1\r\nEND\r\nRUNWAYLIGHTS\r\n"},
        {"RUNWAYLIGHTS\nGLOW 2\nEND1 0 0 0\nEND2 0 0 900\nEND\n"
         "RUNWAY\nEND1 0 0 0\nEND2 0 0 900\nEND\n",
         "\tGLOW 2\r\nEND\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.groups);
        const std::string first = readWrite(c.groups);
        EXPECT_EQ(readWrite(first), first);
        EXPECT_NE(first.find(c.kept), std::string::npos) << first;
    }

    // Typed text may hold lines that end an object or open a section: they are not kept.
    AstrelObject typed;
    ASSERT_TRUE(ParseObjectGroup(typed, Lines("HANGAR\nFOO 1\nend\nBEGIN_SURFTILELIST\n"
                                              "END_OBJECTLIST\nEND_X 2\n")));
    EXPECT_EQ(typed.Get()->GetKeptLines(), (StringArray{"FOO 1", "END_X 2"}));
}

} // namespace
} // namespace pf
