#include "platform/fs.h"
#include "support/file_manager_bytes.h"
#include "support/sample_tree.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/test_paths.h"
#include "workspace/astrel_body.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"
#include "workspace/simulator_tree.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pf {
namespace {

// tests/document/sample_tree_integration_test.cpp holds the same suite's checks of the
// tree's textures, models and sample base.
class SampleTreeTest : public test::SampleTreeFixture {};

TEST_F(SampleTreeTest, SampleSimulatorTreeReadsAsAnInstallation) {
    const std::string copy = home_.Dir().NativePath("Astrel 2010");
    std::filesystem::copy(test::SampleTreeSource(), copy, std::filesystem::copy_options::recursive);
    const std::string root = fs::ToInternal(copy) + "\\";
    ASSERT_TRUE(IsAstrelFolder(root));
    ASSERT_TRUE(SetAstrelPath(root));

    Astrel2010* installation = nullptr;
    ASSERT_TRUE(FileManager::Instance().GetCurrentInstallation(installation));
    EXPECT_EQ(installation->root, root);
    std::string folder;
    ASSERT_TRUE(FileManager::GetConfigDir(folder));
    EXPECT_EQ(folder, root + "Config\\");
    EXPECT_TRUE(fs::IsDirectory(folder));
    for (auto getter : {&FileManager::GetMeshesDir, &FileManager::GetTexturesDir,
                        &FileManager::GetTextures2Dir, &FileManager::GetScenariosDir}) {
        ASSERT_TRUE(getter(folder));
        EXPECT_TRUE(fs::IsDirectory(folder)) << folder;
    }

    StringArray bodies;
    EXPECT_TRUE(FileManager::GetBodyList(bodies));
    EXPECT_EQ(bodies, (StringArray{"Earth", "Moon"}));

    std::vector<BodyBaseDirectory> directories;
    ASSERT_TRUE(FileManager::GetBaseDirectories(directories, "Earth"));
    ASSERT_EQ(directories.size(), 2u);
    EXPECT_EQ(directories[0].directory, "Earth\\Base\\");
    EXPECT_EQ(directories[1].context, "CONTEXT Apollo");
    EXPECT_TRUE(FileManager::ListBaseFiles("Earth"));
    EXPECT_FALSE(FileManager::ListBaseFiles("Moon"));

    AstrelBody moon;
    EXPECT_TRUE(moon.Load("moon"));
    EXPECT_EQ(moon.name, "Moon");
    EXPECT_EQ(moon.radius, 1737400.0);
    EXPECT_TRUE(ui_.Failures().empty());
}

TEST_F(SampleTreeTest, StartUpGuardLoadsAndSaves) {
    std::string appData;
    ASSERT_TRUE(GetAppDataPath(appData));
    const std::string path = fs::ToNative(appData + "FileManagerV2.dat");
    test::WriteNativeFile(path, test::RecordBytes().Int32(1).String("\\guard\\").Int32(0).Bytes());
    {
        FileManagerSession session;
        ASSERT_EQ(FileManager::Instance().Installations().size(), 1u);
        EXPECT_EQ(FileManager::Instance().Installations().front().root, "\\guard\\");
        FileManager::Instance().Installations().front().AddFile("\\guard\\x.cfg",
                                                                "Earth\\Base\\x.cfg");
    }
    EXPECT_EQ(test::ReadNativeFile(path), test::RecordBytes()
                                              .Int32(1)
                                              .String("\\guard\\")
                                              .Int32(1)
                                              .CurrentBase("Earth\\Base\\x.cfg", {"\\guard\\x.cfg"})
                                              .Bytes());
}

} // namespace
} // namespace pf
