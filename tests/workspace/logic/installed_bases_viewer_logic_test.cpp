#include "workspace/logic/installed_bases_viewer_logic.h"

#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

namespace pf {
namespace {

using Names = std::vector<std::string>;

class InstalledBasesViewerLogicTest : public ::testing::Test {
  protected:
    void Add(const std::string& root, const std::string& key, const std::string& file) {
        Astrel2010* installation = nullptr;
        FileManager::Instance().FindOrCreateInstallation(root, installation);
        installation->AddFile(file, key);
    }

    test::SimulatorSandbox sandbox_;
    const std::string root_ = sandbox_.Root();
};

TEST_F(InstalledBasesViewerLogicTest, ShowsTheRecordAroundTheStoredFolder) {
    InstalledBasesViewerLogic empty;
    empty.OnInitDialog();
    EXPECT_FALSE(empty.enabled);
    EXPECT_TRUE(empty.roots.empty());

    std::string upper = root_;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    Add(upper, "Earth\\Base\\b.cfg", upper + "Textures2\\b.dds");
    Add(upper, "Earth\\Base\\A.cfg", upper + "Textures2\\a2.dds");
    Add(upper, "Earth\\Base\\A.cfg", upper + "Textures2\\a1.dds");
    Add("\\Other\\", "Moon\\Base\\X.cfg", "\\Other\\x.cfg");

    InstalledBasesViewerLogic logic;
    logic.OnInitDialog();
    EXPECT_TRUE(logic.enabled);
    EXPECT_EQ(logic.roots, (Names{"\\Other\\", upper}));
    EXPECT_EQ(logic.rootSelection, 1);
    EXPECT_EQ(logic.bases, (Names{"Earth\\Base\\A.cfg", "Earth\\Base\\b.cfg"}));
    logic.OnBaseChanged(0);
    EXPECT_EQ(logic.files, (StringArray{upper + "Textures2\\a2.dds", upper + "Textures2\\a1.dds"}));

    logic.OnInstallationChanged(0);
    EXPECT_EQ(logic.bases, (Names{"Moon\\Base\\X.cfg"}));
    EXPECT_TRUE(logic.files.empty());

    // A stored folder the record does not know is listed and chosen, with nothing in it.
    const std::string other = sandbox_.Dir().InternalPath("Unknown\\");
    std::filesystem::create_directories(sandbox_.Dir().NativePath("Unknown"));
    SetAstrelPath(other);
    logic.OnInitDialog();
    EXPECT_EQ(logic.roots.size(), 3u);
    ASSERT_GE(logic.rootSelection, 0);
    EXPECT_EQ(logic.roots[static_cast<size_t>(logic.rootSelection)], other);
    EXPECT_TRUE(logic.bases.empty());
}

TEST_F(InstalledBasesViewerLogicTest, RemoveUninstallsTheChosenBase) {
    sandbox_.Dir().WriteFile("Sim/Textures2/a.dds", "x");
    Add(root_, "Earth\\Base\\A.cfg", root_ + "Textures2\\a.dds");
    Add(root_, "Earth\\Base\\B.cfg", root_ + "Textures2\\b.dds");
    InstalledBasesViewerLogic logic;
    logic.OnInitDialog();
    logic.OnRemoveBase();
    EXPECT_EQ(logic.bases.size(), 2u);
    EXPECT_TRUE(sandbox_.Dir().Exists("Sim/Textures2/a.dds"));

    logic.OnBaseChanged(0);
    logic.OnRemoveBase();
    EXPECT_FALSE(sandbox_.Dir().Exists("Sim/Textures2/a.dds"));
    EXPECT_EQ(logic.roots, (Names{root_}));
    EXPECT_EQ(logic.rootSelection, 0);
    EXPECT_EQ(logic.bases, (Names{"Earth\\Base\\B.cfg"}));
    EXPECT_EQ(logic.baseSelection, -1);
    FileManager reread;
    reread.Load();
    ASSERT_EQ(reread.Installations().size(), 1u);
    EXPECT_EQ(reread.Installations().front().bases.size(), 1u);
}

TEST_F(InstalledBasesViewerLogicTest, RootsDifferingInCaseShowTheFilesOfTheListedBase) {
    for (const char* root : {"\\Sim\\", "\\sim\\"}) {
        Astrel2010 installation;
        installation.root = root;
        installation.AddFile(std::string(root) + "x.dds", root[1] == 'S' ? "A.cfg" : "B.cfg");
        FileManager::Instance().AddInstallation(installation);
    }
    InstalledBasesViewerLogic logic;
    logic.FillInstallations("\\sim\\");
    EXPECT_EQ(logic.roots, (Names{"\\Sim\\", "\\sim\\"}));
    // Either entry lists the bases of the first installation of that root.
    EXPECT_EQ(logic.rootSelection, 0);
    logic.OnInstallationChanged(1);
    EXPECT_EQ(logic.bases, (Names{"A.cfg"}));
    logic.OnBaseChanged(0);
    EXPECT_EQ(logic.files, (StringArray{"\\Sim\\x.dds"}));
}

} // namespace
} // namespace pf
