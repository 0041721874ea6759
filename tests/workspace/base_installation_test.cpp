#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"
#include "workspace/kept_files.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

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
    // A destination that removing the base could never delete the file from again, and
    // what is wrong with it.
    const std::string dotPart = "has an empty, \".\" or \"..\" part in its path",
                      character = "has a ':', '/' or control character in a part of its path";
    const std::pair<std::string, std::string> destinations[] = {
        {root_ + "\\Textures2\\", dotPart},
        {root_ + "a\\..\\", dotPart},
        {root_ + "Tex:2\\", character},
        {root_ + "Tex\t2\\", character},
        {"C:\\Astrel\\Textures2\\", "has a path that does not start with \"/\""},
    };
    for (const auto& [destination, fault] : destinations) {
        sandbox_.Ui().Clear();
        EXPECT_FALSE(Record().InstallFile(root_, destination, s, key, key));
        EXPECT_EQ(sandbox_.Ui().Failures(),
                  std::vector<std::string>{"Error copying file: " + key +
                                           "\r\nThe simulator folder it goes into " + fault +
                                           ": removing the base could not delete the file "
                                           "again.\r\n"})
            << destination;
    }
    EXPECT_EQ(DatBytes(), before);
    EXPECT_FALSE(Has("Sim/x.cfg"));
    EXPECT_FALSE(Has("Sim/a"));
    EXPECT_FALSE(Has("Sim/Tex:2"));
    EXPECT_FALSE(Has("Sim/Tex\t2"));
}

// The install road asks for the simulator's folders and whether the base is in before it
// copies: an install refused then leaves the record as it was, on disk and in memory.
TEST_F(BaseInstallationTest, ARefusedInstallRecordsNothing) {
    const std::string key = "Earth\\Base\\Town.cfg", s = In("Work\\");
    Write("Work/Earth/Base/Town.cfg");
    std::string config;
    ASSERT_TRUE(FileManager::GetConfigDir(config));
    EXPECT_FALSE(Record().IsBaseInstalled(key));
    EXPECT_FALSE(Record().InstallFile(root_, root_ + "Con:fig\\", s, key, key));
    ASSERT_EQ(sandbox_.Ui().Failures().size(), 1u);
    EXPECT_EQ(sandbox_.Ui().Failures()[0].rfind("Error copying file: " + key, 0), 0u);
    EXPECT_TRUE(Record().Installations().empty());
    Record().Save();
    FileManager reread;
    reread.Load();
    EXPECT_TRUE(reread.Installations().empty());
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

TEST_F(BaseInstallationTest, WhatInstallingReplacedComesBackAndWhatItMadeGoes) {
    const std::string d = root_ + "Textures2\\", s = In("Work\\");
    for (const char* file : {"Work/a.dds", "Work/New/Deep/b.dds", "Work/Old/c.dds"})
        Write(file);
    sandbox_.Dir().WriteFile("Sim/Textures2/a.dds", "theirs");
    std::filesystem::create_directories(sandbox_.Dir().NativePath("Sim/Textures2/Old"));
    // Installed and then forgotten, A's a.dds stays in the tree, and someone replaces it.
    // A later install over it keeps that file too; removing B brings it back, and what
    // stood there before A stays kept under a numbered name.
    ASSERT_TRUE(Record().InstallFile(root_, d, s, "a.dds", "A.cfg"));
    ASSERT_TRUE(Record().ForgetBase(root_, "A.cfg"));
    sandbox_.Dir().WriteFile("Sim/Textures2/a.dds", "newer");
    for (const char* file : {"a.dds", "New\\Deep\\b.dds", "Old\\c.dds"})
        ASSERT_TRUE(Record().InstallFile(root_, d, s, file, "B.cfg"));
    EXPECT_EQ(sandbox_.Dir().ReadFile("Sim/Textures2/a.dds"), "Work/a.dds");
    Write("Sim/Textures2/New/theirs.txt"); // someone else's file in a folder we made
    ASSERT_TRUE(Record().UninstallBase(root_, "B.cfg"));
    EXPECT_EQ(sandbox_.Dir().ReadFile("Sim/Textures2/a.dds"), "newer");
    const std::string earlier = KeptFiles(root_).KeptPath(d + "a.dds") + ".1";
    EXPECT_EQ(test::ReadNativeFile(fs::ToNative(earlier)), "theirs");
    EXPECT_FALSE(Has("Sim/Textures2/New/Deep"));
    EXPECT_TRUE(Has("Sim/Textures2/New/theirs.txt"));
    EXPECT_TRUE(Has("Sim/Textures2/Old")) << "it was there before";

    // The folder kept for its foreign file is still ours: it goes once empty.
    std::filesystem::remove(sandbox_.Dir().NativePath("Sim/Textures2/New/theirs.txt"));
    ASSERT_TRUE(Record().InstallFile(root_, d, s, "New\\Deep\\b.dds", "C.cfg"));
    ASSERT_TRUE(Record().UninstallBase(root_, "C.cfg"));
    EXPECT_FALSE(Has("Sim/Textures2/New"));
    EXPECT_TRUE(Has("Sim/Textures2/Old"));
    std::string appData;
    GetAppDataPath(appData);
    std::vector<std::string> left;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(fs::ToNative(appData + "Kept Files")))
        if (entry.is_regular_file())
            left.push_back(entry.path().string());
    EXPECT_EQ(left, std::vector<std::string>{fs::ToNative(earlier)}) << "the rest went";
    EXPECT_TRUE(sandbox_.Ui().Calls().empty());
}

TEST_F(BaseInstallationTest, NothingKeptAsideIsLost) {
    const std::string d = root_ + "Textures2\\", s = In("Work\\");
    const std::string target = d + "a.dds", native = fs::ToNative(target);
    Write("Work/a.dds");
    sandbox_.Dir().WriteFile("Sim/Textures2/a.dds", "theirs");
    const std::string kept = KeptFiles(root_).KeptPath(target);
    std::string appData;
    GetAppDataPath(appData);
    const std::string side = fs::ToNative(appData + "Kept Files");

    // No room for the copy: the file is not replaced and nothing is recorded.
    test::WriteNativeFile(side, "in the way");
    const std::string before = DatBytes();
    EXPECT_FALSE(Record().InstallFile(root_, d, s, "a.dds", "A.cfg"));
    EXPECT_EQ(sandbox_.Ui().Failures(),
              (std::vector<std::string>{"Couldn't keep a copy of " + native +
                                            ", so it was not replaced.\r\n",
                                        "Error copying file: a.dds"}));
    EXPECT_EQ(sandbox_.Dir().ReadFile("Sim/Textures2/a.dds"), "theirs");
    EXPECT_EQ(DatBytes(), before);
    std::filesystem::remove(side);

    // A copy that fails drops the copy kept for it and the folders made for it.
    sandbox_.Ui().Clear();
    EXPECT_FALSE(Record().InstallFile(root_, d, In("None\\"), "a.dds", "A.cfg"));
    EXPECT_FALSE(Record().InstallFile(root_, d, s, "New\\x.dds", "A.cfg"));
    EXPECT_EQ(
        sandbox_.Ui().Failures(),
        (std::vector<std::string>{"Error copying file: a.dds", "Error copying file: New\\x.dds"}));
    EXPECT_FALSE(fs::Exists(kept));
    EXPECT_FALSE(Has("Sim/Textures2/New"));

    // Put back over a folder fails: the kept file stays and the message says where.
    ASSERT_TRUE(Record().InstallFile(root_, d, s, "a.dds", "A.cfg"));
    std::filesystem::remove(native);
    std::filesystem::create_directory(native);
    sandbox_.Ui().Clear();
    EXPECT_TRUE(Record().UninstallBase(root_, "A.cfg"));
    EXPECT_EQ(sandbox_.Ui().Failures(),
              (std::vector<std::string>{
                  "Error writing to file: " + native + ". Is the directory protected?\r\n",
                  "Couldn't put back the file that " + native + " replaced. It is kept at " +
                      fs::ToNative(kept) + "\r\n"}));
    EXPECT_EQ(test::ReadNativeFile(fs::ToNative(kept)), "theirs");
    EXPECT_TRUE(RecordedOnDisk(root_, "A.cfg").empty());
}

} // namespace
} // namespace pf
