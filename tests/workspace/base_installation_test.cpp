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

void RemoveDat() { std::filesystem::remove(fs::ToNative(DatPath())); }

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
    void Write(const std::string& relative) { sandbox_.Dir().WriteFile(relative, relative); }
    bool Has(const std::string& relative) const { return sandbox_.Dir().Exists(relative); }
    std::string In(const std::string& relative) const {
        return sandbox_.Dir().InternalPath(relative);
    }
    void Add(const std::string& root, const std::string& key, const StringArray& files) {
        Astrel2010* installation = nullptr;
        FileManager::Instance().FindOrCreateInstallation(root, installation);
        for (const std::string& file : files)
            installation->AddFile(file, key);
    }
    FileManager& Record() { return FileManager::Instance(); }

    test::SimulatorSandbox sandbox_;
    const std::string root_ = sandbox_.Root();
};

TEST_F(BaseInstallationTest, InstallFileCopiesRecordsAndSaves) {
    const std::string key = "Earth\\Base\\Town.cfg", d = root_ + "Textures2\\", s = In("Work\\");
    Write("Work/Earth/Base/Town.cfg");
    // The folders of the relative file are made below d.
    EXPECT_TRUE(Record().InstallFile(root_, d, s, key, key));
    EXPECT_EQ(RecordedOnDisk(root_, key), (StringArray{d + key}));
    sandbox_.Dir().WriteFile("Sim/Textures2/Earth/Base/Town.cfg", "old");
    EXPECT_TRUE(Record().InstallFile(root_, d, s, key, key));
    EXPECT_EQ(sandbox_.Dir().ReadFile("Sim/Textures2/Earth/Base/Town.cfg"),
              "Work/Earth/Base/Town.cfg");
    EXPECT_EQ(RecordedOnDisk(root_, key), (StringArray{d + key, d + key}));
    EXPECT_TRUE(Record().InstallFile("\\Other\\", d, s, key, key));
    EXPECT_EQ(RecordedOnDisk("\\Other\\", key), (StringArray{d + key}));
    EXPECT_TRUE(sandbox_.Ui().Calls().empty());

    // Sources exist for every refused name: only the name check stops them.
    for (const char* source : {"x.cfg", "Work/abs/x.cfg", "Work/a/b.cfg", "Work/C:x.cfg"})
        Write(source);
    const std::string before = DatBytes();
    for (const std::string relative : {"Earth\\Base\\Missing.cfg", "..\\x.cfg", "\\abs\\x.cfg",
                                       "a/b.cfg", "C:x.cfg", "", "Earth\\"}) {
        sandbox_.Ui().Clear();
        EXPECT_FALSE(Record().InstallFile(root_, d, s, relative, key));
        EXPECT_EQ(sandbox_.Ui().Failures(),
                  std::vector<std::string>{"Error copying file: " + relative});
    }
    EXPECT_EQ(DatBytes(), before);
    EXPECT_FALSE(Has("Sim/x.cfg"));
}

TEST_F(BaseInstallationTest, UninstallDeletesOnlyUnsharedFilesInsideTheInstallation) {
    const std::string t = root_ + "Textures2\\";
    for (const char* file :
         {"keep.png", "Sim/keep.png", "Sim/Textures2/a.dds", "Sim/Textures2/s.dds",
          "Sim/Textures2/b.dds", "Sim/Meshes/m.msh", "Sim/Config/Earth/Base/Pad.cfg",
          "Sim/Textures2/twice.dds", "Sim/Textures2/rel.dds"})
        Write(file);
    Add(root_, "Earth\\Base\\A.cfg", {t + "a.dds", t + "s.dds"});
    Add(root_, "Earth\\Base\\B.cfg", {t + "b.dds", t + "s.dds"});
    Add(root_, "Earth\\Base\\Pad.cfg",
        {root_ + "Meshes\\m.msh", root_ + "Config\\Earth\\Base\\Pad.cfg", t + "gone.dds",
         t + "twice.dds", t + "twice.dds"});
    // Outside the installation, relative, climbing, in Windows form.
    Add(root_, "Odd.cfg",
        {In("keep.png"), "Textures2\\rel.dds", t + "..\\keep.png", "C:\\Astrel\\Textures\\a.dds"});
    const std::list<Astrel2010>& installations = Record().Installations();

    struct Case {
        std::string root;
        std::string key;
        bool ok;
        std::vector<std::string> gone;
        std::vector<std::string> stay;
    };
    const Case cases[] = {
        {"\\Unknown\\", "Earth\\Base\\A.cfg", false, {}, {"Sim/Textures2/a.dds"}},
        {root_, "Earth\\Base\\None.cfg", false, {}, {}},
        {root_, "Earth\\Base\\A.cfg", true, {"Sim/Textures2/a.dds"}, {"Sim/Textures2/s.dds"}},
        {root_, "Earth\\Base\\B.cfg", true, {"Sim/Textures2/b.dds", "Sim/Textures2/s.dds"}, {}},
        {root_,
         "earth\\base\\pad.cfg",
         true,
         {"Sim/Config/Earth/Base/Pad.cfg", "Sim/Textures2/twice.dds"},
         {"Sim/Meshes/m.msh"}},
        {root_, "Odd.cfg", true, {}, {"keep.png", "Sim/keep.png", "Sim/Textures2/rel.dds"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.root + c.key);
        RemoveDat();
        const size_t before = installations.front().bases.size();
        {
            // A relative path must not be taken relative to the current folder.
            test::ScopedCurrentDir inside(sandbox_.Dir().NativePath("Sim"));
            EXPECT_EQ(Record().UninstallBase(c.root, c.key), c.ok);
        }
        // Saved unless the root is unknown.
        EXPECT_EQ(fs::Exists(DatPath()), c.root == root_);
        EXPECT_EQ(installations.front().bases.size(), before - (c.ok ? 1 : 0));
        for (const std::string& file : c.gone)
            EXPECT_FALSE(Has(file)) << file;
        for (const std::string& file : c.stay)
            EXPECT_TRUE(Has(file)) << file;
    }
    EXPECT_TRUE(sandbox_.Ui().Calls().empty());

    // A configuration folder outside the root is the installation's too.
    const std::string config = In("Elsewhere\\Config\\");
    const std::string root =
        test::WriteFakeAstrelTree(sandbox_.Dir(), "Sim2", "ConfigDir = " + config + "\r\n");
    Write("Elsewhere/Config/Far.cfg");
    Add(root, "Far.cfg", {config + "Far.cfg"});
    EXPECT_TRUE(Record().UninstallBase(root, "Far.cfg"));
    EXPECT_FALSE(Has("Elsewhere/Config/Far.cfg"));
}

TEST_F(BaseInstallationTest, ForgetKeepsFilesAndNeedsAKnownSimulator) {
    Write("Sim/Textures2/a.dds");
    Add(root_, "Earth\\Base\\A.cfg", {root_ + "Textures2\\a.dds"});
    Add(root_, "Earth\\Base\\B.cfg", {root_ + "Textures2\\a.dds"});
    EXPECT_TRUE(Record().ForgetBaseInAstrel("earth\\base\\a.cfg"));
    EXPECT_TRUE(Has("Sim/Textures2/a.dds"));
    EXPECT_TRUE(RecordedOnDisk(root_, "Earth\\Base\\A.cfg").empty());
    EXPECT_EQ(RecordedOnDisk(root_, "Earth\\Base\\B.cfg").size(), 1u);

    WriteRegistryValue("Astrel 2010 Path", "");
    RemoveDat();
    EXPECT_FALSE(Record().UninstallBaseFromAstrel("Earth\\Base\\B.cfg"));
    EXPECT_FALSE(Record().ForgetBaseInAstrel("Earth\\Base\\B.cfg"));
    EXPECT_FALSE(fs::Exists(DatPath()));
    EXPECT_TRUE(Has("Sim/Textures2/a.dds"));
}

} // namespace
} // namespace pf
