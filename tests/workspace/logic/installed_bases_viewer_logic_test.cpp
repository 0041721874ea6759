#include "workspace/logic/installed_bases_viewer_logic.h"

#include "support/simulator_sandbox.h"
#include "workspace/folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace pf {
namespace {

using Names = std::vector<std::string>;

void Add(const std::string& root, const std::string& key, const std::string& file) {
    Astrel2010 installation;
    installation.root = root;
    installation.AddFile(file, key);
    FileManager::Instance().AddInstallation(installation);
}

TEST(InstalledBasesViewerLogic, ListsRemovesAndFollowsTheStoredFolder) {
    test::SimulatorSandbox sandbox;
    InstalledBasesViewerLogic logic;
    logic.OnInitDialog();
    EXPECT_FALSE(logic.enabled);

    // The stored folder in other case selects the recorded root.
    std::string upper = sandbox.Root();
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    sandbox.Dir().WriteFile("Sim/Textures2/a.dds", "x");
    Add(upper, "Earth\\Base\\b.cfg", upper + "Textures2\\b.dds");
    Astrel2010* installation = &FileManager::Instance().Installations().back();
    installation->AddFile(upper + "Textures2\\a2.dds", "Earth\\Base\\A.cfg");
    installation->AddFile(upper + "Textures2\\a.dds", "Earth\\Base\\A.cfg");
    Add("\\Other\\", "Moon\\Base\\X.cfg", "\\Other\\x.cfg");
    logic.OnInitDialog();
    EXPECT_TRUE(logic.enabled);
    EXPECT_EQ(logic.roots, (Names{"\\Other\\", upper}));
    EXPECT_EQ(logic.rootSelection, 1);
    EXPECT_EQ(logic.bases, (Names{"Earth\\Base\\A.cfg", "Earth\\Base\\b.cfg"}));
    logic.OnRemoveBase(); // no base chosen: nothing
    logic.OnBaseChanged(0);
    EXPECT_EQ(logic.files, (StringArray{upper + "Textures2\\a2.dds", upper + "Textures2\\a.dds"}));
    logic.OnRemoveBase();
    EXPECT_FALSE(sandbox.Dir().Exists("Sim/Textures2/a.dds"));
    EXPECT_EQ(logic.rootSelection, 1);
    EXPECT_EQ(logic.bases, (Names{"Earth\\Base\\b.cfg"}));
    FileManager saved;
    saved.Load();
    EXPECT_EQ(saved.Installations().front().bases.size(), 1u);

    // A stored folder the record does not know is listed and chosen, with nothing in it.
    std::filesystem::create_directories(sandbox.Dir().NativePath("New"));
    SetAstrelPath(sandbox.Dir().InternalPath("New\\"));
    logic.OnInitDialog();
    ASSERT_EQ(logic.roots.size(), 3u);
    EXPECT_EQ(logic.roots[static_cast<size_t>(logic.rootSelection)],
              sandbox.Dir().InternalPath("New\\"));
    EXPECT_TRUE(logic.bases.empty());
}

TEST(InstalledBasesViewerLogic, RootsDifferingInCaseShowTheFilesOfTheListedBase) {
    test::SimulatorSandbox sandbox;
    Add("\\Sim\\", "A.cfg", "\\Sim\\a.dds");
    Add("\\sim\\", "B.cfg", "\\sim\\b.dds");
    InstalledBasesViewerLogic logic;
    logic.FillInstallations("\\sim\\");
    EXPECT_EQ(logic.roots, (Names{"\\Sim\\", "\\sim\\"}));
    // Either entry lists the bases of the first installation of that root.
    logic.OnInstallationChanged(1);
    EXPECT_EQ(logic.bases, (Names{"A.cfg"}));
    logic.OnBaseChanged(0);
    EXPECT_EQ(logic.files, (StringArray{"\\Sim\\a.dds"}));
}

} // namespace
} // namespace pf
