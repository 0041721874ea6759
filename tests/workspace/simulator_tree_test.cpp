#include "workspace/simulator_tree.h"

#include "support/fake_astrel_tree.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "workspace/astrel_body.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pf {
namespace {

TEST(ResolveFolders, Table) {
    struct Case {
        const char* base;
        const char* value;
        bool result;
        const char* out;
    };
    const Case cases[] = {
        {"D:\\Sim\\", ".\\Config\\", true, "D:\\Sim\\Config\\"},
        {"D:\\Sim", ".\\Config\\", true, "D:\\Sim\\Config\\"},
        {"D:\\Sim\\", "..\\Shared\\Config\\", true, "D:\\Shared\\Config\\"},
        {"D:\\a\\b\\", "..\\..\\x\\", true, "D:\\x\\"},
        {"D:\\Sim\\", ".\\..\\x\\", true, "D:\\x\\"},
        {"D:\\Sim\\", "E:\\Cfg\\", true, "E:\\Cfg\\"},
        {"", "E:\\Cfg\\", true, "E:\\Cfg\\"},
        {"\\home\\u\\Sim\\", "\\opt\\sim\\cfg\\", true, "\\opt\\sim\\cfg\\"},
        {"\\home\\u\\Sim\\", ".\\Config\\", true, "\\home\\u\\Sim\\Config\\"},
        {"\\home\\u\\Sim\\", "..\\Shared\\", true, "\\home\\u\\Shared\\"},
        // Relative values without a prefix lie below the root as well.
        {"D:\\Sim\\", "Config\\", true, "D:\\Sim\\Config\\"},
        {"D:\\Sim", "Config\\", true, "D:\\Sim\\Config\\"},
        {"D:\\Sim\\", ".\\", true, "D:\\Sim\\"},
        {"D:\\Sim", ".\\", true, "D:\\Sim\\"},
        {"D:\\Sim\\", "", false, "stale"},
        {"", ".\\Config\\", false, "stale"},
        {"", "Config\\", false, "stale"},
        {"", ".\\", false, "stale"},
    };
    for (const Case& c : cases) {
        test::ScriptedUi ui;
        std::string out = "stale";
        EXPECT_EQ(ResolveDirectory(out, c.base, c.value), c.result) << c.base << " | " << c.value;
        EXPECT_EQ(out, c.out) << c.base << " | " << c.value;
        EXPECT_TRUE(ui.Failures().empty());
    }
}

TEST(ResolveFolders, NoParentFolder) {
    test::ScriptedUi ui;
    std::string out = "stale";
    EXPECT_FALSE(ResolveDirectory(out, "Sim", "..\\x\\"));
    EXPECT_EQ(out, "stale");
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Error parsing file string\r\n"});
}

TEST(BaseDirectoryValues, SplitTable) {
    struct Case {
        const char* value;
        BodyBaseDirectory expected;
    };
    const Case cases[] = {
        {"Moon\\Base PERIOD 51000 52000", {"Moon\\Base\\", "", "51000", "52000"}},
        {"Base CONTEXT Apollo PERIOD 40000 41000", {"Base\\", "CONTEXT Apollo", "40000", "41000"}},
        {"Base context Apollo period 1 2", {"Base\\", "context Apollo", "1", "2"}},
        {"Base PERIOD 1 2 CONTEXT x", {"Base\\", "CONTEXT x", "1", "2"}},
        {"PERIOD 1 2", {"PERIOD 1 2\\", "", "", ""}},
        {"Moon\\PeriodBases", {"Moon\\PeriodBases\\", "", "", ""}},
        {"Moon\\Bases PERIODIC", {"Moon\\Bases PERIODIC\\", "", "", ""}},
        {"Moon/Base/ PERIOD 7", {"Moon\\Base\\", "", "7", ""}},
        {"Moon\\Base CONTEXT", {"Moon\\Base\\", "CONTEXT ", "", ""}},
        {"Earth\\Base\\", {"Earth\\Base\\", "", "", ""}},
        {"", {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        BodyBaseDirectory out;
        EXPECT_TRUE(SplitBaseDirectory(c.value, out));
        EXPECT_EQ(out.directory, c.expected.directory) << c.value;
        EXPECT_EQ(out.context, c.expected.context) << c.value;
        EXPECT_EQ(out.periodBegin, c.expected.periodBegin) << c.value;
        EXPECT_EQ(out.periodEnd, c.expected.periodEnd) << c.value;
    }
}

// A sandboxed account whose "Astrel 2010 Path" points at a fake tree.
class TreeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BodyCache::Clear();
        FileManager::Instance().Clear();
    }
    void TearDown() override {
        BodyCache::Clear();
        FileManager::Instance().Clear();
    }
    std::string MakeTree(const std::string& astrelCfg = test::kAstrelCfgDefault) {
        std::string root = test::WriteFakeAstrelTree(home_.Dir(), "Sim", astrelCfg);
        EXPECT_TRUE(SetAstrelPath(root));
        return root;
    }

    test::SandboxHome home_;
    test::ScriptedUi ui_;
};

// Every folder getter, on the installation and through the current one, as the rest of
// the program asks.
TEST_F(TreeTest, FolderGetterVariants) {
    const struct {
        const char* astrelCfg;
        // relative to the root unless they start with '\'; config, textures, meshes,
        // high-resolution textures, scenarios
        std::vector<std::string> folders;
    } cases[] = {
        {test::kAstrelCfgNoKeys,
         {"Config\\", "Textures\\", "Meshes\\", "Textures2\\", "Scenarios\\"}},
        {test::kAstrelCfgQuotedSlashes,
         {"Config\\", "Textures\\", "Meshes\\hi\\", "Textures2\\", "Scenarios\\"}},
        {"ConfigDir = \\opt\\astrel\\cfg\r\nTextureDir = ..\\Shared Tex\r\nMeshDir = .\\.\\M\r\n"
         "HightexDir = T2\r\nScenarioDir = ..\\S",
         {"\\opt\\astrel\\cfg\\", "..\\Shared Tex\\", "M\\", "T2\\", "..\\S\\"}},
    };
    using Getter = bool (Astrel2010::*)(std::string&) const;
    const Getter getters[] = {&Astrel2010::GetConfigDir, &Astrel2010::GetTexturesDir,
                              &Astrel2010::GetMeshesDir, &Astrel2010::GetTextures2Dir,
                              &Astrel2010::GetScenariosDir};
    bool (*const current[])(std::string&) = {
        &FileManager::GetConfigDir, &FileManager::GetTexturesDir, &FileManager::GetMeshesDir,
        &FileManager::GetTextures2Dir, &FileManager::GetScenariosDir};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.astrelCfg);
        const std::string root = MakeTree(c.astrelCfg);
        Astrel2010 installation;
        installation.root = root;
        EXPECT_EQ(installation.GetMainConfigPath(), root + "Astrel.cfg");
        for (size_t i = 0; i < c.folders.size(); ++i) {
            const std::string& relative = c.folders[i];
            const std::string expected = relative[0] == '\\' ? relative
                                         : relative.rfind("..\\", 0) == 0
                                             ? home_.Dir().Internal() + relative.substr(3)
                                             : root + relative;
            std::string out;
            EXPECT_TRUE((installation.*getters[i])(out));
            EXPECT_EQ(out, expected);
            out.clear();
            EXPECT_TRUE(current[i](out));
            EXPECT_EQ(out, expected);
        }
    }
    EXPECT_TRUE(ui_.Failures().empty());
}

TEST_F(TreeTest, UnresolvableFolderReportsAndEmptiesOut) {
    Astrel2010 installation; // no root: ".\Config\" cannot be resolved
    std::string out = "stale";
    EXPECT_FALSE(installation.GetConfigDir(out));
    EXPECT_EQ(out, "");
    EXPECT_EQ(ui_.Failures(), std::vector<std::string>{"Unable to find path\r\n"});

    ui_.Clear();
    std::vector<BodyBaseDirectory> directories;
    EXPECT_FALSE(installation.GetBaseDirectories(directories, "Earth"));
    EXPECT_EQ(ui_.Failures(),
              (std::vector<std::string>{"Unable to find path\r\n",
                                        "Unable to find astrel config directory path\r\n"}));
    ui_.Clear();
    StringArray bodies = {"stale"};
    EXPECT_FALSE(installation.GetBodyList(bodies));
    EXPECT_EQ(bodies, StringArray{"Earth"});
}

TEST_F(TreeTest, BaseDirectoriesAndBaseFiles) {
    const std::string root = MakeTree();
    home_.Dir().WriteFile(
        "Sim/Config/Venus.cfg",
        "Name Venus\r\nBEGIN_SURFBASE\r\ndir ..\\..\\Escape\r\ndir \\etc\r\ndir Venus/Base\r\n"
        "END_SURFBASE\r\n");
    Astrel2010 installation;
    installation.root = root;
    std::vector<BodyBaseDirectory> directories(1);
    EXPECT_TRUE(installation.GetBaseDirectories(directories, "Earth"));
    ASSERT_EQ(directories.size(), 3u) << "appended to what the caller holds";
    EXPECT_EQ(directories[1].directory, "Earth\\Base\\");
    EXPECT_EQ(directories[2].directory, "Earth\\Historic\\");
    EXPECT_EQ(directories[2].context, "CONTEXT Apollo");
    EXPECT_EQ(directories[2].periodBegin, "40000");
    EXPECT_EQ(directories[2].periodEnd, "41000");

    directories.clear();
    EXPECT_TRUE(installation.GetBaseDirectories(directories, "Moon"));
    ASSERT_EQ(directories.size(), 1u);
    EXPECT_EQ(directories[0].directory, "Moon\\Base\\");

    directories.clear();
    EXPECT_TRUE(installation.GetBaseDirectories(directories, "Venus"));
    ASSERT_EQ(directories.size(), 1u) << "folders leaving the configuration folder are left out";
    EXPECT_EQ(directories[0].directory, "Venus\\Base\\");

    directories.clear();
    EXPECT_FALSE(installation.GetBaseDirectories(directories, "Pluto"));
    // A body name that would leave the configuration folder reads nothing.
    home_.Dir().WriteFile("Sim/Outside.cfg", "BEGIN_SURFBASE\r\ndir Out\r\nEND_SURFBASE\r\n");
    EXPECT_FALSE(installation.GetBaseDirectories(directories, "..\\Outside"));
    EXPECT_FALSE(installation.ListBaseFiles("..\\Outside"));
    EXPECT_TRUE(directories.empty());

    EXPECT_TRUE(installation.ListBaseFiles("Earth"));
    EXPECT_TRUE(FileManager::ListBaseFiles("Earth"));
    EXPECT_FALSE(installation.ListBaseFiles("Moon"));
    EXPECT_FALSE(installation.ListBaseFiles("Pluto"));
    home_.Dir().WriteFile("Sim/Config/Moon/Base/Crater.CFG", "Name Crater\r\n");
    EXPECT_TRUE(installation.ListBaseFiles("Moon"));
    EXPECT_TRUE(ui_.Failures().empty());

    directories.clear();
    EXPECT_TRUE(FileManager::GetBaseDirectories(directories, "Earth"));
    EXPECT_EQ(directories.size(), 2u);
}

TEST_F(TreeTest, BodyList) {
    const std::string root = MakeTree();
    Astrel2010 installation;
    installation.root = root;
    StringArray bodies = {"stale"};
    EXPECT_TRUE(installation.GetBodyList(bodies));
    EXPECT_EQ(bodies, (StringArray{"Earth", "Moon"}));
    // The setting is written back when it was missing.
    EXPECT_FALSE(GetDetectSmallBodies());

    SetDetectSmallBodies(true);
    EXPECT_TRUE(installation.GetBodyList(bodies));
    EXPECT_EQ(bodies, (StringArray{"Earth", "Moon", "Tiny"}));
    SetDetectSmallBodies(false);

    // Exactly 50000 m counts as small.
    home_.Dir().WriteFile("Sim/Config/Moon.cfg", "Name Moon\r\nSize 50000\r\nMass 1\r\n");
    BodyCache::Clear();
    EXPECT_TRUE(FileManager::GetBodyList(bodies));
    EXPECT_EQ(bodies, StringArray{"Earth"});

    // No body loads: "Earth" all the same.
    home_.Dir().WriteFile("Sim/Config/sol.cfg", "Planet1 = Mars\r\n");
    BodyCache::Clear();
    EXPECT_TRUE(installation.GetBodyList(bodies));
    EXPECT_EQ(bodies, StringArray{"Earth"});

    // No planet list.
    home_.Dir().WriteFile("Sim/Config/sol.cfg", "Name Sol\r\n");
    EXPECT_FALSE(installation.GetBodyList(bodies));
    EXPECT_EQ(bodies, StringArray{"Earth"});
    EXPECT_TRUE(ui_.Failures().empty());
}

TEST_F(TreeTest, NoSimulatorFolder) {
    // Nothing stored, nothing found, no dialog registered: the "Error" box, then false.
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    StringArray bodies = {"stale"};
    EXPECT_FALSE(FileManager::GetBodyList(bodies));
    EXPECT_TRUE(bodies.empty());
    EXPECT_TRUE(ui_.Failures().empty());
    EXPECT_TRUE(FileManager::Instance().Installations().empty());
}

TEST_F(TreeTest, IsBaseInstalledNeverAsks) {
    // No simulator folder known: false, and no question to the person.
    EXPECT_FALSE(FileManager::Instance().IsBaseInstalled("Earth\\Base\\Pad.cfg"));
    EXPECT_TRUE(ui_.Calls().empty());
    EXPECT_TRUE(FileManager::Instance().Installations().empty());

    const std::string root = MakeTree();
    EXPECT_FALSE(FileManager::Instance().IsBaseInstalled("Earth\\Base\\Pad.cfg"));
    // Asking records nothing.
    EXPECT_TRUE(FileManager::Instance().Installations().empty());
    Astrel2010* installation = nullptr;
    ASSERT_TRUE(FileManager::Instance().FindOrCreateInstallation(root, installation));
    installation->AddFile(root + "Config\\Earth\\Base\\Pad.cfg", "Earth\\Base\\Pad.cfg");
    EXPECT_TRUE(FileManager::Instance().IsBaseInstalled("EARTH\\BASE\\PAD.CFG"));
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(TreeTest, Listings) {
    const std::string root = MakeTree();
    home_.Dir().WriteFile("Sim/Config/Earth/Base/Two.cfg", "");
    home_.Dir().WriteFile("Sim/Config/Earth/Base/notes.txt", "");
    StringArray names = {"stale"};
    EXPECT_TRUE(ListFolderFiles(root + "Config\\", "Earth\\Base\\", "*.cfg", names));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (StringArray{"Pad.cfg", "Two.cfg"}));
    EXPECT_TRUE(ListDirectoryFiles(root + "Config\\Earth\\Historic\\", "*.cfg", names));
    EXPECT_TRUE(names.empty());
    names = {"stale"};
    EXPECT_FALSE(ListDirectoryFiles(root + "Config\\Nowhere\\", "*.cfg", names));
    EXPECT_TRUE(names.empty());
}

} // namespace
} // namespace pf
