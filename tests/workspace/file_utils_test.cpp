#include "workspace/file_utils.h"

#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "workspace/folders.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>

namespace pf {
namespace {

namespace stdfs = std::filesystem;
using test::SandboxHome;
using test::ScriptedUi;
using test::TempDir;
using Names = std::vector<std::string>;

TEST(FolderPart, CutsAfterTheLastBackslash) {
    struct Case {
        std::string in;
        bool ok;
        std::string out;
    };
    const Case cases[] = {
        {"E:\\a\\b.txt", true, "E:\\a\\"},
        {"E:\\a\\", false, ""},
        {"b.txt", false, ""},
        {"", false, ""},
        {"\\x", true, "\\"},
        {"Config\\Earth\\Base\\x.cfg", true, "Config\\Earth\\Base\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        std::string path = c.in;
        EXPECT_EQ(GetFolderPart(path), c.ok);
        EXPECT_EQ(path, c.out);
    }
}

TEST(ParentFolder, GivesTheFolderHoldingTheLastElement) {
    struct Case {
        std::string in;
        bool ok;
        std::string out;
        int messages;
    };
    const Case cases[] = {
        {"E:\\a\\b\\", true, "E:\\a\\", 0},
        {"E:\\a\\b.txt", true, "E:\\a\\", 0},
        {"E:\\", false, "E:\\", 1},
        {"\\home\\ann\\", true, "\\home\\", 0},
        {"\\", false, "\\", 1},
        {"name", false, "name", 1},
        {"E:\\a\\\\", true, "E:\\", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        ScriptedUi ui;
        std::string path = c.in;
        EXPECT_EQ(GetParentFolder(path), c.ok);
        EXPECT_EQ(path, c.out);
        EXPECT_EQ(ui.Failures(), Names(c.messages, "Error parsing file string\r\n"));
    }
}

TEST(Wildcard, MatchesWholeNamesWithoutCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"a.dds", "*.dds", true},
        {"A.DDS", "*.dds", true},
        {"a.dds.bak", "*.dds", false},
        {".dds", "*.dds", true},
        {"a.dds", ".dds", false},
        {".dds", ".dds", true},
        {"noext", "*.*", true},
        {"a.b.c", "*.*", true},
        {"ab", "a?", true},
        {"a", "a?", false},
        {"abc", "a*c", true},
        {"ac", "a*c", true},
        {"abcbc", "a*bc", true},
        {"abcbd", "a*bc", false},
        {"x.cfg", "*.CFG", true},
        {"base.scn", "*.scn", true},
        {"anything", "*", true},
        {"", "*", true},
        {"x", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesWildcard(c.name, c.pattern), c.match) << c.name << " ~ " << c.pattern;
    }
}

class ListersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {"b.DDS", "a.dds", "C.dds", "x.txt", ".hidden.dds", "A.txt", "a.TXT", "we\\ird.dds"}) {
            dir_.WriteFile(std::string("list/") + name, "");
        }
        for (const char* name : {"sub.dds", ".git", "Zed", "alpha"}) {
            stdfs::create_directories(dir_.NativePath(std::string("list/") + name));
        }
        stdfs::create_directories(dir_.NativePath("elsewhere"));
        stdfs::create_directory_symlink(dir_.NativePath("elsewhere"), dir_.NativePath("list/link"));
        dir_.WriteFile("target.png", "");
        stdfs::create_symlink(dir_.NativePath("target.png"), dir_.NativePath("list/file.png"));
    }
    std::string Folder() const { return dir_.InternalPath("list\\"); }
    TempDir dir_;
};

TEST_F(ListersTest, FilesMatchingAPatternInCaseInsensitiveOrder) {
    struct Case {
        const char* pattern;
        Names names;
    };
    const Case cases[] = {
        {"*.dds", {".hidden.dds", "a.dds", "b.DDS", "C.dds"}},
        {"?.dds", {"a.dds", "b.DDS", "C.dds"}},
        {"*.txt", {"A.txt", "a.TXT", "x.txt"}},
        {"*.*", {".hidden.dds", "a.dds", "A.txt", "a.TXT", "b.DDS", "C.dds", "file.png", "x.txt"}},
        {".dds", {}},
        {"*.png", {"file.png"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        Names out{"stale"};
        EXPECT_TRUE(ListFilesInFolder(Folder(), c.pattern, out));
        EXPECT_EQ(out, c.names);
        EXPECT_TRUE(ListFiles(Folder(), c.pattern, out));
        EXPECT_EQ(out, c.names);
    }
}

TEST_F(ListersTest, SubfoldersSkipDotNamesAndIncludeLinks) {
    Names out;
    EXPECT_TRUE(ListSubfolders(Folder(), "*.*", out));
    EXPECT_EQ(out, (Names{"alpha", "link", "sub.dds", "Zed"}));
    EXPECT_TRUE(ListSubfolders(Folder(), "*.dds", out));
    EXPECT_EQ(out, Names{"sub.dds"});
}

TEST_F(ListersTest, MissingAndEmptyFolders) {
    Names out{"stale"};
    const std::string cwd = stdfs::current_path().string();
    EXPECT_FALSE(ListFilesInFolder(dir_.InternalPath("missing\\"), "*.*", out));
    EXPECT_TRUE(out.empty());
    out = {"stale"};
    EXPECT_FALSE(ListSubfolders(dir_.InternalPath("missing\\"), "*.*", out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(ListFilesInFolder(dir_.InternalPath("target.png"), "*.*", out));
    EXPECT_EQ(stdfs::current_path().string(), cwd);

    out = {"stale"};
    EXPECT_TRUE(ListFilesInFolder(dir_.InternalPath("elsewhere\\"), "*.*", out));
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(ListSubfolders(dir_.InternalPath("elsewhere\\"), "*.*", out));
    EXPECT_TRUE(out.empty());
    // The folder's own letter case need not match.
    EXPECT_TRUE(ListFilesInFolder(dir_.InternalPath("LIST\\"), "a.dds", out));
    EXPECT_EQ(out, Names{"a.dds"});
}

TEST(FileWriteTime, GivesThePlatformFileTime) {
    TempDir dir;
    dir.WriteFile("f.txt", "x");
    const struct timespec times[2] = {{1577836800, 500000000}, {1577836800, 500000000}};
    ASSERT_EQ(utimensat(AT_FDCWD, dir.NativePath("f.txt").c_str(), times, 0), 0);
    FileTime time;
    EXPECT_TRUE(GetFileWriteTime(dir.InternalPath("F.TXT"), time));
    EXPECT_EQ(time.Value(), 132223104005000000u);
    EXPECT_EQ(time.low, 1766935360u);
    EXPECT_EQ(time.high, 30785590u);

    FileTime untouched{7, 9};
    EXPECT_FALSE(GetFileWriteTime(dir.InternalPath("missing.txt"), untouched));
    EXPECT_EQ(untouched.low, 7u);
    EXPECT_EQ(untouched.high, 9u);
}

TEST(CreateDirectoryPathTest, CreatesEachMissingLevel) {
    TempDir dir;
    stdfs::create_directories(dir.NativePath("Sim/config"));
    EXPECT_TRUE(CreateDirectoryPath(dir.InternalPath("Sim\\"), "Config\\Earth\\Base\\x.cfg"));
    // The existing folder of other case is reused.
    EXPECT_TRUE(dir.Exists("Sim/config/Earth/Base"));
    EXPECT_FALSE(dir.Exists("Sim/Config"));
    EXPECT_FALSE(dir.Exists("Sim/config/Earth/Base/x.cfg"));

    EXPECT_TRUE(CreateDirectoryPath(dir.InternalPath("Sim\\"), "x.cfg"));
    EXPECT_TRUE(CreateDirectoryPath(dir.InternalPath("Sim\\"), "New\\"));
    EXPECT_FALSE(dir.Exists("Sim/New"));
    EXPECT_TRUE(CreateDirectoryPath(dir.InternalPath("Sim\\"), "\\A\\\\B\\x.cfg"));
    EXPECT_TRUE(dir.Exists("Sim/A/B"));
    EXPECT_FALSE(CreateDirectoryPath(dir.InternalPath("Missing\\"), "Config\\x.cfg"));
    EXPECT_FALSE(dir.Exists("Missing"));

    dir.WriteFile("Sim/file", "");
    EXPECT_FALSE(CreateDirectoryPath(dir.InternalPath("Sim\\"), "file\\sub\\x.cfg"));
}

TEST(CopyFileCreatingPathTest, CopiesIntoNewFolders) {
    TempDir dir;
    dir.WriteFile("src/Config/Earth/Base/x.cfg", "BASE\r\n");
    stdfs::create_directories(dir.NativePath("dst"));
    EXPECT_TRUE(CopyFileCreatingPath(dir.InternalPath("dst\\"), dir.InternalPath("src\\"),
                                     "Config\\Earth\\Base\\x.cfg"));
    EXPECT_EQ(dir.ReadFile("dst/Config/Earth/Base/x.cfg"), "BASE\r\n");

    ScriptedUi ui;
    EXPECT_FALSE(CopyFileCreatingPath(dir.InternalPath("dst\\"), dir.InternalPath("src\\"),
                                      "Config\\missing.cfg"));
}

class DeleteTreeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(GetDocumentsPath(docs_));
        docs_native_ = home_.Home() + "/Documents/Padforge";
        ASSERT_TRUE(stdfs::is_directory(docs_native_));
    }
    std::string Native(const std::string& relative) const { return docs_native_ + "/" + relative; }
    bool Exists(const std::string& relative) const { return stdfs::exists(Native(relative)); }
    void Write(const std::string& relative) const { test::WriteNativeFile(Native(relative), "x"); }

    SandboxHome home_;
    ScriptedUi ui_;
    std::string docs_;
    std::string docs_native_;
};

TEST_F(DeleteTreeTest, RemovesTheMapCacheWithItsImages) {
    for (const char* name : {"cache/googlemaps/a.jpg", "cache/googlemaps/b.PNG",
                             "cache/googlemaps/index.dat", "cache/keep.txt"}) {
        Write(name);
    }
    DeleteDirectoryTree(docs_ + "cache\\googlemaps\\");
    EXPECT_FALSE(Exists("cache/googlemaps"));
    EXPECT_TRUE(Exists("cache/keep.txt"));
    DeleteDirectoryTree(docs_ + "cache\\");
    EXPECT_FALSE(Exists("cache"));
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(DeleteTreeTest, KeepsFoldersHoldingOtherFiles) {
    Write("work/a.png");
    Write("work/bin/tool.exe");
    Write("work/bin/b.dds");
    Write("work/empty/c.scn");
    Write("work/.hidden/d.png");
    DeleteDirectoryTree(docs_ + "work\\");
    EXPECT_FALSE(Exists("work/a.png"));
    EXPECT_FALSE(Exists("work/bin/b.dds"));
    EXPECT_TRUE(Exists("work/bin/tool.exe"));
    EXPECT_FALSE(Exists("work/empty"));
    EXPECT_TRUE(Exists("work/.hidden/d.png"));
}

TEST_F(DeleteTreeTest, NeverFollowsALinkOutOfTheTree) {
    const std::string outside = home_.Home() + "/outside";
    test::WriteNativeFile(outside + "/keep.png", "x");
    test::WriteNativeFile(home_.Home() + "/single.png", "x");
    Write("cache/a.png");
    stdfs::create_directory_symlink(outside, Native("cache/out"));
    stdfs::create_symlink(home_.Home() + "/single.png", Native("cache/single.png"));
    DeleteDirectoryTree(docs_ + "cache\\");
    EXPECT_TRUE(stdfs::exists(outside + "/keep.png"));
    EXPECT_TRUE(stdfs::exists(home_.Home() + "/single.png"));
    EXPECT_FALSE(Exists("cache/a.png"));
    EXPECT_TRUE(stdfs::is_symlink(Native("cache/out")));

    // Nor when the folder asked for is itself the link.
    DeleteDirectoryTree(docs_ + "cache\\out\\");
    EXPECT_TRUE(stdfs::exists(outside + "/keep.png"));
}

TEST_F(DeleteTreeTest, RefusesFoldersOutsideItsOwn) {
    Write("a.png");
    Write("x/b.png");
    DeleteDirectoryTree(docs_); // the documents folder itself
    EXPECT_TRUE(Exists("a.png"));
    DeleteDirectoryTree(docs_ + "x\\..\\");
    DeleteDirectoryTree(docs_ + "x\\.\\");
    EXPECT_TRUE(Exists("x/b.png"));
    DeleteDirectoryTree(".\\Padforge\\x\\");
    DeleteDirectoryTree("");
    EXPECT_TRUE(Exists("x/b.png"));

    // Outside every "\Padforge\".
    TempDir dir;
    dir.WriteFile("cache/c.png", "x");
    DeleteDirectoryTree(dir.InternalPath("cache\\"));
    EXPECT_TRUE(dir.Exists("cache/c.png"));
    // A "\Padforge\" folder that is not one of the program's own.
    dir.WriteFile("Padforge/cache/c.png", "x");
    DeleteDirectoryTree(dir.InternalPath("Padforge\\cache\\"));
    EXPECT_TRUE(dir.Exists("Padforge/cache/c.png"));
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(DeleteTreeTest, WorksInsideTheApplicationDataFolder) {
    std::string data;
    ASSERT_TRUE(GetAppDataPath(data));
    const std::string native = home_.DataHome() + "/Padforge";
    test::WriteNativeFile(native + "/tmp/x.cfg", "x");
    test::WriteNativeFile(native + "/keep.dat", "x");
    DeleteDirectoryTree(data + "tmp\\");
    EXPECT_FALSE(stdfs::exists(native + "/tmp"));
    DeleteDirectoryTree(data);
    EXPECT_TRUE(stdfs::exists(native + "/keep.dat"));
}

} // namespace
} // namespace pf
