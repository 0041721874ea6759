#include "objects/mesh_file.h"

#include "platform/fs.h"
#include "support/mesh_files.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <limits>

namespace pf {
namespace {

using test::MshLines;

struct ExtentCase {
    const char* name;
    std::string text;
    bool ok;
};

TEST(MeshExtents, OneGroupGivesItsMinimaAndMaxima) {
    MeshExtents e;
    uint8_t textured = 0;
    ASSERT_TRUE(ParseMeshExtents(test::kMshOneGroup, e, textured));
    EXPECT_EQ(e.rect.left, -2.0);
    EXPECT_EQ(e.rect.right, 5.0);
    EXPECT_EQ(e.rect.top, 1.0);
    EXPECT_EQ(e.rect.bottom, -1.0);
    EXPECT_EQ(e.lowestY, 0.0);
    EXPECT_EQ(e.highestY, 4.0);
    EXPECT_EQ(textured, 0);
}

TEST(MeshExtents, HeadersAndCountsDecideWhetherTheFileReads) {
    const std::string group = "1 2 3\r\n4 5 6\r\n7 8 9\r\n0 1 2\r\n";
    const ExtentCase cases[] = {
        {"lower-case header", "geom 3 1\r\n" + group, true},
        {"leading blank is no header", " GEOM 3 1\r\n" + group, false},
        {"GEOMETRY is no header", "GEOMETRY 3 1\r\n" + group, false},
        {"GEOM alone is no header", "GEOM\r\n" + group, false},
        {"vertex count x", "GEOM x 1\r\n" + group, false},
        {"vertex count -3", "GEOM -3 1\r\n" + group, false},
        {"GEOM 0 0 alone has no vertex", "GEOM 0 0\r\n", false},
        {"GEOM 0 0 beside a group", "GEOM 0 0\r\nGEOM 3 1\r\n" + group, true},
        {"0 carrying its line end is not 0", "GEOM 0\r\nGEOM 3 1\r\n" + group, false},
        {"ends inside the vertex list", "GEOM 3 1\r\n1 2 3\r\n4 5 6\r\n", false},
        {"two lines short of the last triangle",
         "GEOM 3 1\r\n" + group + "GEOM 3 3\r\n1 1 1\r\n2 2 2\r\n3 3 3\r\n0 1 2\r\n", false},
        {"no group at all", "MSHX1\r\nGROUPS 0\r\n", false},
        {"last line without line end", "GEOM 3 1\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n0 1 2", true},
        {"sizes beyond the double range", "GEOM 2 0\r\n1.7e308 0 0\r\n-1.7e308 0 0\r\n", false},
    };
    for (const ExtentCase& c : cases) {
        MeshExtents e;
        uint8_t textured = 0;
        EXPECT_EQ(ParseMeshExtents(c.text, e, textured), c.ok) << c.name;
    }
}

TEST(MeshExtents, ZeroGroupBesideARealGroupAddsNothing) {
    MeshExtents e;
    uint8_t textured = 0;
    ASSERT_TRUE(ParseMeshExtents(
        MshLines({"GEOM 0 2", "100 100 100", "-100 -100 -100", "GEOM 1 0", "1 2 3"}), e, textured));
    // The two lines after "GEOM 0 2" are triangle lines, skipped.
    EXPECT_EQ(e.rect.left, 3.0);
    EXPECT_EQ(e.rect.right, 3.0);
    EXPECT_EQ(e.rect.top, 1.0);
    EXPECT_EQ(e.highestY, 2.0);
}

TEST(MeshExtents, MinimaAndMaximaRunAcrossGroups) {
    MeshExtents e;
    uint8_t textured = 0;
    ASSERT_TRUE(ParseMeshExtents(MshLines({"GEOM 2 0", "1 1 1", "2 2 2", "MATERIAL 1", "GEOM 2 1",
                                           "-5 0 7", "0 9 0", "0 1 1"}),
                                 e, textured));
    EXPECT_EQ(e.rect.left, 0.0);
    EXPECT_EQ(e.rect.right, 7.0);
    EXPECT_EQ(e.rect.top, 2.0);
    EXPECT_EQ(e.rect.bottom, -5.0);
    EXPECT_EQ(e.lowestY, 0.0);
    EXPECT_EQ(e.highestY, 9.0);
}

TEST(MeshExtents, TextureLineSetsTheFlagButTheTextureListDoesNot) {
    const std::string group = "GEOM 1 0\r\n1 2 3\r\n";
    const struct {
        std::string text;
        uint8_t flag;
    } cases[] = {
        {"TEXTURES 2\r\nGEOM 1 0\r\n1 2 3\r\n", 0},
        {"TEXTURE 2\r\n" + group, 1},
        {"texture 1\r\n" + group, 1},
        {" TEXTURE 2\r\n" + group, 0},
        {"TEXTURE\r\n" + group, 0},
        {group + "TEXTURE", 1},
    };
    for (const auto& c : cases) {
        MeshExtents e;
        uint8_t textured = 0;
        EXPECT_TRUE(ParseMeshExtents(c.text, e, textured)) << c.text;
        EXPECT_EQ(textured, c.flag) << c.text;
    }
}

TEST(MeshExtents, CrlfAndLfGiveTheSameExtents) {
    const std::vector<std::string> lines = {"GEOM 3 1", "1.5 -2 3e1", "-1 0.25 5", "0 4 -2",
                                            "0 1 2"};
    MeshExtents crlf, lf;
    uint8_t t1 = 0, t2 = 0;
    ASSERT_TRUE(ParseMeshExtents(MshLines(lines), crlf, t1));
    ASSERT_TRUE(ParseMeshExtents(MshLines(lines, "\n"), lf, t2));
    EXPECT_EQ(crlf.rect.left, lf.rect.left);
    EXPECT_EQ(crlf.rect.right, 30.0);
    EXPECT_EQ(lf.rect.right, 30.0);
    EXPECT_EQ(crlf.rect.top, lf.rect.top);
    EXPECT_EQ(crlf.rect.bottom, lf.rect.bottom);
    EXPECT_EQ(crlf.lowestY, -2.0);
    EXPECT_EQ(lf.lowestY, -2.0);
    EXPECT_EQ(crlf.highestY, lf.highestY);
}

TEST(MeshExtents, ShortAndTabSeparatedVertexLinesReadMissingValuesAsZero) {
    MeshExtents e;
    uint8_t textured = 0;
    // "7\t8\t9" is one token (7); "5" alone gives (5, 0, 0); a blank line gives (0, 0, 0).
    ASSERT_TRUE(ParseMeshExtents(MshLines({"GEOM 3 0", "7\t8\t9", "5", ""}), e, textured));
    EXPECT_EQ(e.rect.top, 7.0);
    EXPECT_EQ(e.rect.bottom, 0.0);
    EXPECT_EQ(e.highestY, 0.0);
    EXPECT_EQ(e.rect.right, 0.0);
}

TEST(MeshExtents, FailureLeavesTheOutputs) {
    MeshExtents e;
    e.rect = GeoRect{1, 2, 3, 4};
    uint8_t textured = 0;
    EXPECT_FALSE(ParseMeshExtents("GEOM 0 0\r\n", e, textured));
    EXPECT_EQ(e.rect.left, 1.0);
    EXPECT_EQ(e.rect.bottom, 4.0);
}

TEST(MeshRecord, BytesAreTheSixDoublesAndTheFlag) {
    MeshExtents e;
    e.rect = GeoRect{-2.0, 5.0, 1.0, -1.0};
    e.lowestY = 0.0;
    e.highestY = 4.0;
    const MeshRecordBytes bytes = EncodeMeshRecord(e, 1);
    const std::string expected = test::MeshRecordBytes(-2, 5, 1, -1, 4, 0, 1);
    ASSERT_EQ(expected.size(), 49u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);

    MeshExtents back;
    uint8_t flag = 0;
    DecodeMeshRecord(bytes, back, flag);
    EXPECT_EQ(back.rect.left, -2.0);
    EXPECT_EQ(back.rect.right, 5.0);
    EXPECT_EQ(back.rect.top, 1.0);
    EXPECT_EQ(back.rect.bottom, -1.0);
    EXPECT_EQ(back.highestY, 4.0);
    EXPECT_EQ(back.lowestY, 0.0);
    EXPECT_EQ(flag, 1);
}

TEST(MeshRecord, SoundnessRefusesNonFiniteAndReversedValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    auto make = [](double l, double r, double t, double b, double lo, double hi) {
        MeshExtents e;
        e.rect = GeoRect{l, r, t, b};
        e.lowestY = lo;
        e.highestY = hi;
        return e;
    };
    EXPECT_TRUE(IsSoundMeshExtents(make(0, 10, 4, 0, -2, 3)));
    EXPECT_TRUE(IsSoundMeshExtents(make(1, 1, 2, 2, 0, 0)));
    EXPECT_FALSE(IsSoundMeshExtents(make(nan, 10, 4, 0, -2, 3)));
    EXPECT_FALSE(IsSoundMeshExtents(make(0, inf, 4, 0, -2, 3)));
    EXPECT_FALSE(IsSoundMeshExtents(make(10, 0, 4, 0, -2, 3)));
    EXPECT_FALSE(IsSoundMeshExtents(make(0, 10, 0, 4, -2, 3)));
    EXPECT_FALSE(IsSoundMeshExtents(make(0, 10, 4, 0, 3, -2)));
    EXPECT_FALSE(IsSoundMeshExtents(make(-1.7e308, 1.7e308, 4, 0, -2, 3)));
    // The mesh text holds floats: values and sizes beyond their range are refused too.
    EXPECT_TRUE(IsSoundMeshExtents(make(0, 3e38, 4, 0, -2, 3)));
    EXPECT_FALSE(IsSoundMeshExtents(make(0, 1e300, 4, 0, -2, 3)));
    EXPECT_FALSE(IsSoundMeshExtents(make(0, 10, 4, -1e39, -2, 3)));
    EXPECT_FALSE(IsSoundMeshExtents(make(-2e38, 2e38, 4, 0, -2, 3)));
    EXPECT_FALSE(IsSoundMeshExtents(make(0, 10, 4, 0, -2e38, 2e38)));
}

class MeshCacheFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteRegistryValue("Documents Path", home_.Dir().InternalPath("Docs\\"));
        ASSERT_TRUE(GetMeshCachePath(cache_));
    }

    test::SandboxHome home_;
    std::string cache_;
};

TEST_F(MeshCacheFiles, SubfoldersAreMadeForEveryFolderPart) {
    CreateCacheSubfolders("Bases\\Hangars\\Big.dat");
    EXPECT_TRUE(fs::IsDirectory(cache_ + "Bases\\"));
    EXPECT_TRUE(fs::IsDirectory(cache_ + "Bases\\Hangars\\"));
    EXPECT_FALSE(fs::Exists(cache_ + "Bases\\Hangars\\Big.dat"));

    std::vector<fs::DirEntry> before;
    ASSERT_TRUE(fs::List(cache_, before));
    CreateCacheSubfolders("Tower.dat");
    CreateCacheSubfolders("\\Lead.dat");
    std::vector<fs::DirEntry> after;
    ASSERT_TRUE(fs::List(cache_, after));
    EXPECT_EQ(before.size(), after.size());
}

TEST_F(MeshCacheFiles, StalenessFollowsTheModelsWriteTime) {
    const test::TempDir& dir = home_.Dir();
    dir.WriteFile("Sim/Meshes/Tower.msh", test::kMshOneGroup);
    dir.WriteFile("Docs/cache/Meshes/Tower.dat", std::string(49, '\0'));
    const std::string model = dir.InternalPath("Sim\\Meshes\\Tower.msh");
    const std::string record = cache_ + "Tower.dat";
    namespace sfs = std::filesystem;
    const auto now = sfs::file_time_type::clock::now();
    sfs::last_write_time(dir.NativePath("Sim/Meshes/Tower.msh"), now - std::chrono::hours(2));
    sfs::last_write_time(dir.NativePath("Docs/cache/Meshes/Tower.dat"),
                         now - std::chrono::hours(1));
    EXPECT_TRUE(IsCacheFileCurrent(record, model));
    // Same time: still current (the model must be strictly later).
    sfs::last_write_time(dir.NativePath("Sim/Meshes/Tower.msh"), now - std::chrono::hours(1));
    EXPECT_TRUE(IsCacheFileCurrent(record, model));
    EXPECT_TRUE(fs::Exists(record));

    sfs::last_write_time(dir.NativePath("Sim/Meshes/Tower.msh"), now);
    EXPECT_FALSE(IsCacheFileCurrent(record, model));
    EXPECT_FALSE(fs::Exists(record));

    // Without the model (or without an installation) the record is trusted.
    dir.WriteFile("Docs/cache/Meshes/Tower.dat", std::string(49, '\0'));
    EXPECT_TRUE(IsCacheFileCurrent(record, dir.InternalPath("Sim\\Meshes\\Gone.msh")));
    EXPECT_TRUE(IsCacheFileCurrent(record, ""));
    EXPECT_TRUE(fs::Exists(record));
}

TEST_F(MeshCacheFiles, ModelFilesAreReadOnlyWhenRegularAndNotEmpty) {
    test::ScriptedUi ui;
    const test::TempDir& dir = home_.Dir();
    dir.WriteFile("Sim/Meshes/Empty.msh", "");
    std::string text;
    EXPECT_FALSE(ReadMeshFileText(dir.InternalPath("Sim\\Meshes\\Gone.msh"), text));
    EXPECT_FALSE(ReadMeshFileText(dir.InternalPath("Sim\\Meshes\\"), text));
    EXPECT_TRUE(ui.Failures().empty());
    EXPECT_FALSE(ReadMeshFileText(dir.InternalPath("Sim\\Meshes\\Empty.msh"), text));
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Couldn't read file\r\n"});

    dir.WriteFile("Sim/Meshes/Tower.msh", test::kMshOneGroup);
    MeshExtents e;
    uint8_t textured = 0;
    ASSERT_TRUE(ReadMeshExtents(dir.InternalPath("Sim\\Meshes\\tower.MSH"), e, textured));
    EXPECT_EQ(e.rect.right, 5.0);
}

} // namespace
} // namespace pf
