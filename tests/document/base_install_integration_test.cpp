// A base written by the base document, installed file by file into a copy of the sample
// simulator tree as the Edit Base dialog does it, and removed again.
#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "platform/fs.h"
#include "support/object_fixtures.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/test_paths.h"
#include "support/tree_manifest.h"
#include "workspace/astrel_body.h"
#include "workspace/file_manager.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"
#include "workspace/kept_files.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <utility>

namespace pf {
namespace {

using namespace std::string_literals;

class BaseInstallRoad : public ::testing::Test {
  protected:
    void SetUp() override {
        BodyCache::Clear();
        FileManager::Instance().Clear();
        const std::string sim = home_.Dir().NativePath("Astrel 2010");
        std::filesystem::copy(test::SourceDir() + "/examples/sample-astrel", sim,
                              std::filesystem::copy_options::recursive);
        root_ = fs::ToInternal(sim) + "\\";
        ASSERT_TRUE(SetAstrelPath(root_));
    }
    void TearDown() override {
        BodyCache::Clear();
        FileManager::Instance().Clear();
    }

    // A base with a runway, a landing pad and two tiles, and its files in its work folder:
    // the configuration file, a stand-in for each tile's DDS file and the scenarios.
    BaseDocument WriteBase(const std::string& name, int x) {
        BaseDocument base(name, "Earth", LatLon(-80.6, 28.5));
        base.SetFileNameFromName(name);
        for (const char* text :
             {"RUNWAY\n\tEND1 0 0 0\n\tEND2 0 0 1000\n\tWIDTH 30", "LPAD1\n\tPOS 0 0 50"}) {
            AstrelObject object;
            EXPECT_TRUE(ParseObjectGroup(object, test::Group(text)));
            base.GetObjects().Add(object);
        }
        base.AddTileSorted(TileAttributes("Earth", 14, 5, -1));
        base.AddTileSorted(TileAttributes("Earth", 14, x, -1));
        EXPECT_TRUE(base.WriteWorkConfig());
        std::string textures;
        EXPECT_TRUE(base.WorkSubdirectoryTextures2(textures));
        for (int i = 0; i < base.GetTileCount(); ++i) {
            TileAttributes tile;
            base.GetTileAt(i, tile);
            test::WriteNativeFile(fs::ToNative(textures + tile.GetDdsFileName()), "DDS " + name);
        }
        EXPECT_TRUE(base.WriteScenarioFiles());
        return base;
    }

    // Installs the base's files as the Edit Base dialog does; after every file the
    // record on disk lists exactly the base's files installed so far.
    void Install(const BaseDocument& base) {
        std::string config, textures2, scenarios, workConfig, workTextures, workScenarios;
        ASSERT_TRUE(FileManager::GetConfigDir(config) && FileManager::GetTextures2Dir(textures2) &&
                    FileManager::GetScenariosDir(scenarios));
        ASSERT_TRUE(base.WorkSubdirectoryConfig(workConfig) &&
                    base.WorkSubdirectoryTextures2(workTextures) &&
                    base.WorkSubdirectoryScenarios(workScenarios));
        const std::string key = base.GetConfigRelativePath();
        std::vector<std::array<std::string, 3>> steps = {{config, workConfig, key}};
        for (int i = 0; i < base.GetTileCount(); ++i) {
            TileAttributes tile;
            base.GetTileAt(i, tile);
            steps.push_back({textures2, workTextures, tile.GetDdsFileName()});
        }
        std::vector<std::string> names;
        ListFilesInFolder(workScenarios + "Padforge\\", "*.scn", names);
        EXPECT_FALSE(names.empty());
        for (const std::string& name : names)
            steps.push_back({scenarios, workScenarios, "Padforge\\" + name});
        StringArray installed;
        for (const auto& [d, s, f] : steps) {
            ASSERT_TRUE(FileManager::Instance().InstallFile(root_, d, s, f, key)) << f;
            installed.push_back(d + f);
            FileManager reread;
            reread.Load();
            BaseFileList record;
            ASSERT_EQ(reread.Installations().size(), 1u);
            reread.Installations().front().GetBaseFiles(record, key);
            EXPECT_EQ(record.files, installed);
            EXPECT_EQ(test::ReadNativeFile(fs::ToNative(d + f)),
                      test::ReadNativeFile(fs::ToNative(s + f)));
        }
    }

    bool Uninstall(const BaseDocument& base) {
        return FileManager::Instance().UninstallBaseFromAstrel(base.GetConfigRelativePath());
    }

    // What an install and removal may leave changed: the record and the settings (and the
    // folders that hold them, when before lists folders).
    std::string Changes(const test::TreeManifest& before) const {
        std::string appData;
        GetAppDataPath(appData);
        const std::string home = home_.Home() + "/";
        const std::string record = fs::ToNative(appData) + kFileManagerFileName;
        return before.DifferencesTo(test::TreeManifest::Of(home_.Home(), !before.folders.empty()),
                                    {record.substr(home.size()), ".config/padforge/settings"});
    }

    test::SandboxHome home_;
    test::ScriptedUi ui_;
    std::string root_;
};

TEST_F(BaseInstallRoad, InstallThenRemoveLeavesTheTreesAsTheyWere) {
    const BaseDocument base = WriteBase("Pad Town", 6);
    FileManager::Instance().Save();
    const test::TreeManifest before = test::TreeManifest::Of(home_.Home(), true);
    Install(base);
    EXPECT_NE(Changes(before), "");
    EXPECT_TRUE(Uninstall(base));
    EXPECT_EQ(Changes(before), "");
    FileManager reread;
    reread.Load();
    EXPECT_TRUE(reread.Installations().front().bases.empty());
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(BaseInstallRoad, ASharedTextureGoesWithTheLastBase) {
    const BaseDocument town = WriteBase("Pad Town", 6), city = WriteBase("Pad City", 7);
    const test::TreeManifest before = test::TreeManifest::Of(home_.Home());
    Install(town);
    Install(city);
    TileAttributes shared;
    town.GetTileAt(0, shared);
    const std::string sharedFile = "Astrel 2010/Textures2/" + shared.GetDdsFileName();
    EXPECT_TRUE(Uninstall(town));
    EXPECT_TRUE(home_.Dir().Exists(sharedFile));
    EXPECT_TRUE(Uninstall(city));
    EXPECT_FALSE(home_.Dir().Exists(sharedFile));
    EXPECT_EQ(Changes(before), "");
}

TEST_F(BaseInstallRoad, FilesOfOthersComeBackWhenTheLastBaseGoes) {
    const BaseDocument town = WriteBase("Pad Town", 6), city = WriteBase("Pad City", 7);
    TileAttributes shared;
    town.GetTileAt(0, shared);
    // Another program's files where both bases put a tile and where the town's configuration
    // goes (its name as the program makes it: blanks become underscores), in bytes that no
    // text handling would keep.
    std::string textures2;
    ASSERT_TRUE(FileManager::GetTextures2Dir(textures2));
    const std::string sharedFile = textures2 + shared.GetDdsFileName();
    const std::string townConfig = town.GetInstalledConfigPath();
    ASSERT_NE(townConfig, "");
    const std::string theirTile = "their\0tile\xff\r\n"s, theirBase = "their\r\nbase\0\x80"s;
    const auto read = [](const std::string& path) {
        return test::ReadNativeFile(fs::ToNative(path));
    };
    test::WriteNativeFile(fs::ToNative(sharedFile), theirTile);
    test::WriteNativeFile(fs::ToNative(townConfig), theirBase);
    // The folders that the record and the kept files go into are made beforehand, so that
    // every folder of the home can be compared.
    FileManager::Instance().Save();
    const test::TreeManifest before = test::TreeManifest::Of(home_.Home(), true);
    Install(town);
    // Replaced, and kept aside as they were.
    const KeptFiles kept(root_);
    for (const auto& [path, theirs] : {std::pair{sharedFile, theirTile}, {townConfig, theirBase}}) {
        SCOPED_TRACE(path);
        EXPECT_NE(read(path), theirs);
        EXPECT_EQ(read(kept.KeptPath(path)), theirs);
    }
    Install(city);
    EXPECT_TRUE(Uninstall(town));
    EXPECT_EQ(read(sharedFile), "DDS Pad City");
    EXPECT_EQ(read(townConfig), theirBase);
    EXPECT_FALSE(fs::Exists(kept.KeptPath(townConfig))) << "dropped once put back";
    EXPECT_EQ(read(kept.KeptPath(sharedFile)), theirTile) << "the city still covers it";
    EXPECT_TRUE(home_.Dir().Exists("Astrel 2010/Scenarios/Padforge")) << "the city's scenarios";
    EXPECT_TRUE(Uninstall(city));
    EXPECT_EQ(read(sharedFile), theirTile);
    EXPECT_EQ(Changes(before), "");
    EXPECT_TRUE(ui_.Calls().empty());
}

} // namespace
} // namespace pf
