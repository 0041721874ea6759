#include "workspace/file_manager.h"

#include "platform/fs.h"
#include "support/file_manager_bytes.h"
#include "support/file_size_limit.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "workspace/folders.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::RecordBytes;

class RecordFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(GetAppDataPath(folder_));
        path_ = fs::ToNative(folder_ + "FileManagerV2.dat");
    }

    test::SandboxHome home_;
    test::ScriptedUi ui_;
    std::string folder_; // internal
    std::string path_;   // native
};

TEST_F(RecordFileTest, MissingFileLoadsEmptyAndSaveRoundTrips) {
    FileManager manager;
    manager.Load();
    EXPECT_TRUE(manager.Installations().empty());

    Astrel2010* installation = nullptr;
    manager.FindOrCreateInstallation("\\sim\\", installation);
    installation->AddFile("\\sim\\Config\\Earth\\Base\\P.cfg", "Earth\\Base\\P.cfg");
    installation->AddFile("\\sim\\Textures2\\t.dds", "Earth\\Base\\P.cfg");
    // A lookup of an unknown root adds nothing; an installation left empty (as an
    // uninstall leaves it) is written.
    EXPECT_FALSE(manager.IsBaseInstalledAt("\\none\\", "Earth\\Base\\P.cfg"));
    manager.FindOrCreateInstallation("\\other\\", installation);
    ASSERT_TRUE(manager.Save());

    const std::string expected =
        RecordBytes()
            .Int32(2)
            .String("\\sim\\")
            .Int32(1)
            .CurrentBase("Earth\\Base\\P.cfg",
                         {"\\sim\\Config\\Earth\\Base\\P.cfg", "\\sim\\Textures2\\t.dds"})
            .String("\\other\\")
            .Int32(0)
            .Bytes();
    EXPECT_EQ(test::ReadNativeFile(path_), expected);

    FileManager reloaded;
    reloaded.Load();
    ASSERT_EQ(reloaded.Installations().size(), 2u);
    EXPECT_TRUE(reloaded.IsBaseInstalledAt("\\SIM\\", "earth\\base\\p.cfg"));
    EXPECT_TRUE(ui_.Failures().empty());
    // Loading replaces what the record held.
    reloaded.Load();
    EXPECT_EQ(reloaded.Installations().size(), 2u);
}

TEST_F(RecordFileTest, FailedSaveLeavesTheOldFileWhole) {
    const std::string old = RecordBytes().Int32(1).String("\\old\\").Int32(0).Bytes();
    test::WriteNativeFile(path_, old);
    FileManager manager;
    manager.Load();
    Astrel2010* installation = nullptr;
    manager.FindOrCreateInstallation("\\old\\", installation);
    for (int i = 0; i < 100; ++i)
        installation->AddFile("\\old\\Textures2\\tile_" + std::to_string(i) + ".dds",
                              "Earth\\Base\\P.cfg");

    // Files may not grow beyond 64 bytes while the save runs: its writes fail.
    bool saved_ok = true;
    {
        test::ScopedFileSizeLimit limit(64);
        ASSERT_TRUE(limit.IsSet());
        saved_ok = manager.Save();
    }

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(test::ReadNativeFile(path_), old);
    std::vector<fs::DirEntry> entries;
    ASSERT_TRUE(fs::List(folder_, entries));
    ASSERT_EQ(entries.size(), 1u) << "no temporary file is left behind";
    EXPECT_EQ(entries[0].name, "FileManagerV2.dat");
    // Once writing works again the record is saved.
    EXPECT_TRUE(manager.Save());
}

TEST_F(RecordFileTest, DamagedFileIsKeptOnceBeforeTheFirstSave) {
    const std::string damaged = RecordBytes()
                                    .Int32(2)
                                    .String("\\good\\")
                                    .Int32(0)
                                    .String("\\bad\\")
                                    .Int32(1)
                                    .CurrentBase("", {})
                                    .Bytes();
    test::WriteNativeFile(path_, damaged);
    test::WriteNativeFile(path_ + ".bak", "older backup");
    FileManager manager;
    manager.Load();
    ASSERT_EQ(manager.Installations().size(), 1u);
    ASSERT_TRUE(manager.Save());
    EXPECT_EQ(test::ReadNativeFile(path_ + ".bak"), damaged);
    const std::string current = RecordBytes().Int32(1).String("\\good\\").Int32(0).Bytes();
    EXPECT_EQ(test::ReadNativeFile(path_), current);

    // Later saves leave the kept copy alone.
    Astrel2010* installation = nullptr;
    manager.FindOrCreateInstallation("\\new\\", installation);
    ASSERT_TRUE(manager.Save());
    EXPECT_EQ(test::ReadNativeFile(path_ + ".bak"), damaged);

    // A file that reads completely is not copied.
    std::remove((path_ + ".bak").c_str());
    FileManager clean;
    clean.Load();
    ASSERT_TRUE(clean.Save());
    EXPECT_FALSE(fs::Exists(folder_ + "FileManagerV2.dat.bak"));
}

TEST_F(RecordFileTest, BackupThatCannotBeMadeFailsTheSave) {
    const std::string damaged = RecordBytes().Int32(1).String("\\bad\\").Int32(1).Bytes();
    test::WriteNativeFile(path_, damaged);
    // A non-empty folder in the backup's place cannot be replaced by a rename.
    test::WriteNativeFile(path_ + ".bak/keep", "x");
    FileManager manager;
    manager.Load();
    EXPECT_FALSE(manager.Save());
    EXPECT_EQ(test::ReadNativeFile(path_), damaged);
}

} // namespace
} // namespace pf
