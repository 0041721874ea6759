#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pf {
namespace {

std::string DatPath() {
    std::string folder;
    GetAppDataPath(folder);
    return folder + kFileManagerFileName;
}

std::string DatBytes() { return test::ReadNativeFile(fs::ToNative(DatPath())); }

// The files recorded under key for root, as a fresh record reads them from disk.
StringArray RecordedOnDisk(const std::string& root, const std::string& key) {
    FileManager reread;
    reread.Load();
    BaseFileList base;
    for (const Astrel2010& installation : reread.Installations()) {
        if (installation.root == root)
            installation.GetBaseFiles(base, key);
    }
    return base.files;
}

class BaseInstallationTest : public ::testing::Test {
  protected:
    void Write(const std::string& relative, const std::string& bytes = "x") {
        sandbox_.Dir().WriteFile(relative, bytes);
    }
    bool Has(const std::string& relative) const { return sandbox_.Dir().Exists(relative); }
    std::string In(const std::string& relative) const {
        return sandbox_.Dir().InternalPath(relative);
    }
    FileManager& Record() { return FileManager::Instance(); }

    test::SimulatorSandbox sandbox_;
    const std::string root_ = sandbox_.Root();
};

TEST_F(BaseInstallationTest, InstallFileCopiesRecordsAndSaves) {
    const std::string key = "Earth\\Base\\Town.cfg";
    const std::string d = root_ + "Textures2\\";
    const std::string s = In("Work\\");
    Write("Work/Earth/Base/Town.cfg", "new");
    ASSERT_TRUE(Record().Save());

    struct Case {
        std::string root;
        std::string relative;
        bool ok;
        bool overwrite = false;
    };
    const Case cases[] = {
        {root_, "Earth\\Base\\Town.cfg", true},       // makes "Earth\" and "Earth\Base\"
        {root_, "Earth\\Base\\Town.cfg", true, true}, // recorded twice
        {"\\Other\\", "Earth\\Base\\Town.cfg", true, true},
        {root_, "Earth\\Base\\Missing.cfg", false},
        {root_, "..\\x.cfg", false},
        {root_, "\\abs\\x.cfg", false},
        {root_, "a/b.cfg", false},
        {root_, "C:x.cfg", false},
        {root_, "", false},
        {root_, "Earth\\Base\\", false},
    };
    Write("Work/x.cfg");
    Write("abs/x.cfg");
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.relative + "\" into " + c.root);
        sandbox_.Ui().Clear();
        const std::string before = DatBytes();
        if (c.overwrite)
            Write("Sim/Textures2/Earth/Base/Town.cfg", "old");
        const size_t recorded = RecordedOnDisk(c.root, key).size();
        EXPECT_EQ(Record().InstallFile(c.root, d, s, c.relative, key), c.ok);
        const StringArray files = RecordedOnDisk(c.root, key);
        if (c.ok) {
            EXPECT_TRUE(sandbox_.Ui().Calls().empty());
            EXPECT_EQ(sandbox_.Dir().ReadFile("Sim/Textures2/Earth/Base/Town.cfg"), "new");
            ASSERT_EQ(files.size(), recorded + 1);
            EXPECT_EQ(files.back(), d + c.relative);
        } else {
            EXPECT_EQ(sandbox_.Ui().Failures(),
                      std::vector<std::string>{"Error copying file: " + c.relative});
            EXPECT_EQ(DatBytes(), before);
        }
    }
    EXPECT_FALSE(Has("x.cfg"));
    EXPECT_FALSE(Has("Sim/x.cfg"));
    EXPECT_FALSE(Has("Sim/Textures2/x.cfg"));
}

// The record as hand-made entries: root, key, files.
struct Entry {
    std::string root;
    std::string key;
    StringArray files;
};

TEST_F(BaseInstallationTest, UninstallDeletesOnlyUnsharedFilesInsideTheInstallation) {
    const std::string t = root_ + "Textures2\\";
    Write("keep.png");
    for (const char* file :
         {"Sim/Textures2/a.dds", "Sim/Textures2/shared.dds", "Sim/Textures2/b.dds",
          "Sim/Meshes/m.msh", "Sim/Config/Earth/Base/Pad.cfg", "Sim/Textures2/twice.dds",
          "Sim/Textures2/rel.dds", "Sim/keep.png"})
        Write(file);
    const std::vector<Entry> record = {
        {root_, "Earth\\Base\\A.cfg", {t + "a.dds", t + "shared.dds"}},
        {root_, "Earth\\Base\\B.cfg", {t + "b.dds", t + "shared.dds"}},
        {root_,
         "Earth\\Base\\Pad.cfg",
         {root_ + "Meshes\\m.msh", root_ + "Config\\Earth\\Base\\Pad.cfg", t + "gone.dds",
          t + "twice.dds", t + "twice.dds"}},
        {root_,
         "Earth\\Base\\Odd.cfg",
         {In("keep.png"), "Textures2\\rel.dds", root_ + "Textures2\\..\\keep.png",
          "C:\\Astrel\\Textures\\a.dds"}},
    };
    for (const Entry& e : record) {
        Astrel2010* installation = nullptr;
        Record().FindOrCreateInstallation(e.root, installation);
        for (const std::string& file : e.files)
            installation->AddFile(file, e.key);
    }
    const auto keys = [&] {
        StringArray out;
        for (const BaseFileList& base : Record().Installations().front().bases)
            out.push_back(base.name);
        return out;
    };

    struct Case {
        std::string root;
        std::string key;
        bool ok;
        bool saved;
        std::vector<std::string> gone;
        std::vector<std::string> stay;
    };
    const Case cases[] = {
        {"\\Unknown\\", "Earth\\Base\\A.cfg", false, false, {}, {"Sim/Textures2/a.dds"}},
        {root_, "Earth\\Base\\None.cfg", false, true, {}, {}},
        {root_,
         "Earth\\Base\\A.cfg",
         true,
         true,
         {"Sim/Textures2/a.dds"},
         {"Sim/Textures2/shared.dds", "Sim/Textures2/b.dds"}},
        {root_,
         "Earth\\Base\\B.cfg",
         true,
         true,
         {"Sim/Textures2/b.dds", "Sim/Textures2/shared.dds"},
         {}},
        {root_,
         "earth\\base\\pad.cfg",
         true,
         true,
         {"Sim/Config/Earth/Base/Pad.cfg", "Sim/Textures2/twice.dds"},
         {"Sim/Meshes/m.msh"}},
        {root_,
         "Earth\\Base\\Odd.cfg",
         true,
         true,
         {},
         {"keep.png", "Sim/keep.png", "Sim/Textures2/rel.dds"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        std::filesystem::remove(fs::ToNative(DatPath()));
        const size_t before = keys().size();
        {
            // A relative path must not be taken relative to the current folder.
            test::ScopedCurrentDir inside(sandbox_.Dir().NativePath("Sim"));
            EXPECT_EQ(Record().UninstallBase(c.root, c.key), c.ok);
        }
        EXPECT_EQ(fs::Exists(DatPath()), c.saved);
        EXPECT_EQ(keys().size(), before - (c.ok ? 1 : 0));
        for (const std::string& file : c.gone)
            EXPECT_FALSE(Has(file)) << file;
        for (const std::string& file : c.stay)
            EXPECT_TRUE(Has(file)) << file;
    }
    EXPECT_TRUE(keys().empty());
    EXPECT_TRUE(sandbox_.Ui().Calls().empty());
}

TEST_F(BaseInstallationTest, ConfigurationFolderOutsideTheRootCounts) {
    const std::string config = In("Elsewhere\\Config\\");
    const std::string root =
        test::WriteFakeAstrelTree(sandbox_.Dir(), "Sim2", "ConfigDir = " + config + "\r\n");
    Write("Elsewhere/Config/Earth/Base/Far.cfg");
    Astrel2010* installation = nullptr;
    Record().FindOrCreateInstallation(root, installation);
    installation->AddFile(config + "Earth\\Base\\Far.cfg", "Earth\\Base\\Far.cfg");
    EXPECT_TRUE(Record().UninstallBase(root, "Earth\\Base\\Far.cfg"));
    EXPECT_FALSE(Has("Elsewhere/Config/Earth/Base/Far.cfg"));
}

TEST_F(BaseInstallationTest, ForgetKeepsFilesAndNeedsAKnownSimulator) {
    Write("Sim/Textures2/a.dds");
    Astrel2010* installation = nullptr;
    Record().FindOrCreateInstallation(root_, installation);
    installation->AddFile(root_ + "Textures2\\a.dds", "Earth\\Base\\A.cfg");
    installation->AddFile(root_ + "Textures2\\a.dds", "Earth\\Base\\B.cfg");

    EXPECT_TRUE(Record().ForgetBaseInAstrel("earth\\base\\a.cfg"));
    EXPECT_TRUE(Has("Sim/Textures2/a.dds"));
    EXPECT_TRUE(RecordedOnDisk(root_, "Earth\\Base\\A.cfg").empty());
    EXPECT_EQ(RecordedOnDisk(root_, "Earth\\Base\\B.cfg").size(), 1u);
    EXPECT_FALSE(Record().ForgetBase(root_, "Earth\\Base\\A.cfg"));

    WriteRegistryValue("Astrel 2010 Path", "");
    std::filesystem::remove(fs::ToNative(DatPath()));
    EXPECT_FALSE(Record().UninstallBaseFromAstrel("Earth\\Base\\B.cfg"));
    EXPECT_FALSE(Record().ForgetBaseInAstrel("Earth\\Base\\B.cfg"));
    EXPECT_FALSE(fs::Exists(DatPath()));
    EXPECT_TRUE(Has("Sim/Textures2/a.dds"));
}

} // namespace
} // namespace pf
