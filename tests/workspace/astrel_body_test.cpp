#include "workspace/astrel_body.h"

#include "foundation/lat_lon.h"
#include "support/fake_astrel_tree.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pf {
namespace {

// A sandboxed account whose settings point at a fake simulator tree, with an empty
// installed-bases record and body cache.
class BodyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BodyCache::Clear();
        FileManager::Instance().Clear();
        root_ = test::WriteFakeAstrelTree(home_.Dir());
        ASSERT_TRUE(SetAstrelPath(root_));
    }
    void TearDown() override {
        BodyCache::Clear();
        FileManager::Instance().Clear();
    }

    test::SandboxHome home_;
    test::ScriptedUi ui_;
    std::string root_;
};

TEST(AstrelBodyRecord, SphereMeasures) {
    AstrelBody earth("Earth", 6371010.0, 5.973698968e24);
    const double perDegree = 6371010.0 * 3.141592653589793 * 2.0 / 360.0;
    EXPECT_DOUBLE_EQ(earth.GetCircumference(), 6371010.0 * 3.141592653589793 * 2.0);
    EXPECT_DOUBLE_EQ(earth.GetMetresPerDegree(), perDegree);
    EXPECT_DOUBLE_EQ(earth.GetMetresPerDegreeLongitude(0.0), perDegree);
    EXPECT_NEAR(earth.GetMetresPerDegreeLongitude(90.0), 0.0, 1e-9 * perDegree);
    EXPECT_NEAR(earth.GetMetresPerDegreeLongitude(-60.0), perDegree / 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(earth.GetMetresPerDegreeLongitude(-45.0),
                     earth.GetMetresPerDegreeLongitude(45.0));

    const LatLon b(10.0, 60.0);
    Point3 north = earth.GetSurfaceOffset(LatLon(10.0, 61.0), b);
    EXPECT_EQ(north.x, 0.0);
    EXPECT_DOUBLE_EQ(north.y, perDegree);
    // b's latitude, not a mean latitude, scales the longitude difference.
    Point3 east = earth.GetSurfaceOffset(LatLon(12.0, 0.0), b);
    EXPECT_NEAR(east.x, 2.0 * perDegree / 2.0, 1e-6);
    EXPECT_DOUBLE_EQ(east.y, -60.0 * perDegree);
}

TEST_F(BodyTest, LoadReadsOnceAndKeepsTheCachedLetterCase) {
    AstrelBody body;
    EXPECT_TRUE(body.Load("Moon"));
    EXPECT_TRUE(body.loaded);
    EXPECT_EQ(body.name, "Moon");
    EXPECT_EQ(body.radius, 1737400.0);
    EXPECT_EQ(body.mass, 7.347e22);
    ASSERT_EQ(BodyCache::Entries().size(), 1u);

    // Once cached, the file is not read again: changing it changes nothing.
    home_.Dir().WriteFile("Sim/Config/Moon.cfg", "Name Moon\r\nSize 1\r\nMass 1\r\n");
    AstrelBody again;
    EXPECT_TRUE(again.Load("MOON"));
    EXPECT_EQ(again.name, "Moon");
    EXPECT_EQ(again.radius, 1737400.0);
    EXPECT_EQ(BodyCache::Entries().size(), 1u);
    EXPECT_TRUE(ui_.Failures().empty());
}

TEST_F(BodyTest, FailedLoadKeepsEarthMeasuresAndRetries) {
    AstrelBody body;
    EXPECT_FALSE(body.Load("Vulcan"));
    EXPECT_FALSE(body.loaded);
    EXPECT_EQ(body.name, "Vulcan");
    EXPECT_EQ(body.radius, 6371010.0);
    EXPECT_EQ(body.mass, 5.973698968e24);
    EXPECT_TRUE(BodyCache::Entries().empty());

    // Mars lacks its Mass line: the values read stay, nothing is cached.
    EXPECT_FALSE(body.Load("Mars"));
    EXPECT_EQ(body.radius, 3389500.0);
    EXPECT_EQ(body.mass, 5.973698968e24);
    EXPECT_TRUE(BodyCache::Entries().empty());

    // The next load reads the file again.
    home_.Dir().WriteFile("Sim/Config/Vulcan.cfg", "Name Vulcan\r\nSize 2000000\r\nMass 3\r\n");
    EXPECT_TRUE(body.Load("Vulcan"));
    EXPECT_EQ(body.radius, 2000000.0);
    EXPECT_EQ(BodyCache::Entries().size(), 1u);
}

// The name inside the file is the cached name, so another file name reads again.
TEST_F(BodyTest, FileNameDecidesTheCachedName) {
    home_.Dir().WriteFile("Sim/Config/Luna.cfg", "Name Selene\r\nSize 5\r\nMass 6\r\n");
    AstrelBody body;
    EXPECT_TRUE(body.Load("Luna"));
    EXPECT_EQ(body.name, "Selene");
    EXPECT_TRUE(body.Load("Luna"));
    EXPECT_EQ(BodyCache::Entries().size(), 2u);
}

TEST_F(BodyTest, NamesThatLeaveTheFolderReadNothing) {
    home_.Dir().WriteFile("Sim/Outside.cfg", "Name Outside\r\nSize 7\r\nMass 8\r\n");
    home_.Dir().WriteFile("Sim/Config/Sub/Inner.cfg", "Name Inner\r\nSize 7\r\nMass 8\r\n");
    for (const char* name :
         {"..\\Outside", "../Outside", "Sub\\Inner", "Sub/Inner", "C:Moon", ".."}) {
        AstrelBody body;
        EXPECT_FALSE(body.Load(name)) << name;
        EXPECT_EQ(body.name, name);
        EXPECT_EQ(body.radius, 6371010.0) << name;
    }
    EXPECT_TRUE(BodyCache::Entries().empty());
}

TEST(AstrelBodyNoSimulator, LoadWithoutSimulatorFolderKeepsDefaults) {
    test::SandboxHome home;
    test::ScriptedUi ui;
    BodyCache::Clear();
    FileManager::Instance().Clear();
    // The person is asked for the folder; with no dialog registered nothing is stored,
    // and the "Error" box follows.
    ui.AnswerNextMessage(MessageAnswer::Ok);
    AstrelBody body;
    EXPECT_FALSE(body.Load("Moon"));
    EXPECT_EQ(body.name, "Moon");
    EXPECT_EQ(body.radius, 6371010.0);
    EXPECT_TRUE(ui.Failures().empty());
    FileManager::Instance().Clear();
}

TEST(BodyNames, ReadBodyNames) {
    test::TempDir dir;
    dir.WriteFile("sol.cfg", "Name Sol\r\nPlanet3 = Earth\r\nEarth1 = Moon\r\nplanet\r\n"
                             "PLANET4 = earth\r\nMoonlet x\r\nMoon1 = Tiny Rock\r\n"
                             "Planet5 Mars\r\nPlanet6 =\r\nMars\r\n");
    StringArray names = {"stale"};
    EXPECT_TRUE(ReadBodyNames(dir.InternalPath("sol.cfg"), names));
    // "Moonlet x" starts with "Moon" and is longer, so it names "x"; "Tiny Rock" gives "Rock".
    EXPECT_EQ(names, (StringArray{"Earth", "Moon", "x", "Rock", "Mars"}));

    dir.WriteFile("none.cfg", "Name Sol\r\nplanet\r\n");
    EXPECT_FALSE(ReadBodyNames(dir.InternalPath("none.cfg"), names));
    EXPECT_TRUE(names.empty());

    names = {"kept"};
    EXPECT_FALSE(ReadBodyNames(dir.InternalPath("missing.cfg"), names));
    EXPECT_EQ(names, StringArray{"kept"});
}

TEST(BodyNames, NameHelpers) {
    const StringArray names = {"Earth", "Moon"};
    EXPECT_TRUE(StartsWithAnyName("earth1 Moon", names));
    EXPECT_FALSE(StartsWithAnyName("Earth", names));
    EXPECT_FALSE(StartsWithAnyName("Mars", names));
    EXPECT_TRUE(ContainsNameNoCase("MOON", names));
    EXPECT_FALSE(ContainsNameNoCase("Moon ", names));
}

TEST(BodyBaseFolders, ReadSurfBaseDirs) {
    test::TempDir dir;
    struct Case {
        const char* text;
        StringArray folders;
    };
    const Case cases[] = {
        {"Name Moon\r\n", {"Moon\\Base\\"}},
        {"BEGIN_SURFBASE\r\ndir \r\nEND_SURFBASE\r\n", {"Moon\\Base\\"}},
        {"BEGIN_SURFBASE\r\nDIR = Moon\\Base PERIOD 1 2\r\ndirx y\r\nDir "
         "Far\\Side\r\nEND_SURFBASE\r\n"
         "dir Outside\r\n",
         {"Moon\\Base PERIOD 1 2", "Far\\Side"}},
    };
    for (const Case& c : cases) {
        dir.WriteFile("Moon.cfg", c.text);
        StringArray folders;
        EXPECT_TRUE(ReadSurfBaseDirs(dir.InternalPath("Moon.cfg"), folders, "Moon")) << c.text;
        EXPECT_EQ(folders, c.folders) << c.text;
    }
    StringArray folders = {"kept"};
    EXPECT_FALSE(ReadSurfBaseDirs(dir.InternalPath("missing.cfg"), folders, "Moon"));
    EXPECT_EQ(folders, StringArray{"kept"});
}

} // namespace
} // namespace pf
