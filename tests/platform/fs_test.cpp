#include "platform/fs.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace pf {
namespace {

using test::NativeNames;

using test::TempDir;

mode_t NativeMode(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(FsPathForms, ToNativeAndToInternalSwapSeparatorsOnly) {
    EXPECT_EQ(fs::ToNative("C:\\Sim\\Config\\"), "C:/Sim/Config/");
    EXPECT_EQ(fs::ToNative("a/b\\c"), "a/b/c");
    EXPECT_EQ(fs::ToInternal("/home/x/Documents/"), "\\home\\x\\Documents\\");
    EXPECT_EQ(fs::ToInternal(""), "");
    EXPECT_EQ(fs::ToInternal(fs::ToNative("\\a\\B\\c.txt")), "\\a\\B\\c.txt");
}

TEST(FsResolve, MatchesComponentsWithoutRegardToCase) {
    TempDir dir;
    dir.WriteFile("Sim/Config/Earth.cfg", "e");
    struct Row {
        std::string asked;
        std::string expected; // relative native result
    };
    const Row rows[] = {
        {"Sim\\config\\EARTH.cfg", "Sim/Config/Earth.cfg"},
        {"Sim\\Config\\Earth.cfg", "Sim/Config/Earth.cfg"},
        {"SIM\\CONFIG\\", "Sim/Config/"},
        {"sim\\config\\Moon.cfg", "Sim/Config/Moon.cfg"},     // last missing, kept
        {"sim\\Missing\\earth.cfg", "Sim/Missing/earth.cfg"}, // rest kept as given
        {"sim\\.\\config\\..\\CONFIG\\earth.CFG", "Sim/./Config/../Config/Earth.cfg"},
        {"sim\\\\config\\earth.cfg", "Sim//Config/Earth.cfg"},
    };
    for (const Row& row : rows) {
        std::string native;
        ASSERT_TRUE(fs::Resolve(dir.InternalPath(row.asked), native)) << row.asked;
        EXPECT_EQ(native, dir.NativePath(row.expected)) << row.asked;
    }
    EXPECT_TRUE(fs::IsRegularFile(dir.InternalPath("sim\\CONFIG\\earth.CFG")));
    EXPECT_TRUE(fs::IsDirectory(dir.InternalPath("SIM\\config")));
    EXPECT_FALSE(fs::Exists(dir.InternalPath("Sim\\Config\\Earth.cfg\\x")));
}

TEST(FsResolve, RelativePathsResolveAgainstTheCurrentFolder) {
    TempDir dir;
    dir.WriteFile("Sim/Config/Earth.cfg", "e");
    test::ScopedCurrentDir cwd(dir.Native());
    std::string native;
    ASSERT_TRUE(fs::Resolve("sim\\config\\earth.cfg", native));
    EXPECT_EQ(native, "Sim/Config/Earth.cfg");
    EXPECT_TRUE(fs::IsRegularFile("SIM\\CONFIG\\EARTH.CFG"));
}

TEST(FsResolve, SeveralMatchesTakeTheFirstInByteOrder) {
    TempDir dir;
    dir.WriteFile("a.TXT", "lower a");
    dir.WriteFile("A.txt", "upper A");
    std::string native;
    ASSERT_TRUE(fs::Resolve(dir.InternalPath("a.txt"), native));
    EXPECT_EQ(native, dir.NativePath("A.txt")); // 'A' (0x41) sorts before 'a' (0x61)
    ASSERT_TRUE(fs::Resolve(dir.InternalPath("a.TXT"), native));
    EXPECT_EQ(native, dir.NativePath("a.TXT")); // an exact match wins
}

TEST(FsResolve, PathHoldingNulIsRefused) {
    TempDir dir;
    dir.WriteFile("a.txt", "x");
    std::string path = dir.InternalPath("a.txt");
    path.insert(path.size() - 4, 1, '\0');
    std::string native = "unchanged";
    EXPECT_FALSE(fs::Resolve(path, native));
    EXPECT_FALSE(fs::Exists(path));
    EXPECT_FALSE(fs::IsRegularFile(path));
    EXPECT_FALSE(fs::CreateDirectory(path));
    EXPECT_FALSE(fs::RemoveFile(path));
    fs::TempFileWriter writer;
    EXPECT_FALSE(writer.Open(path));
    EXPECT_EQ(dir.ReadFile("a.txt"), "x");
}

TEST(FsFolders, CreationReusesAFolderOfOtherCase) {
    TempDir dir;
    ASSERT_EQ(mkdir(dir.NativePath("config").c_str(), 0777), 0);
    EXPECT_TRUE(fs::CreateDirectory(dir.InternalPath("Config\\New\\")));
    EXPECT_TRUE(dir.Exists("config/New"));
    EXPECT_FALSE(dir.Exists("Config"));
    EXPECT_FALSE(fs::CreateDirectory(dir.InternalPath("CONFIG\\new"))); // exists already
    EXPECT_FALSE(fs::CreateDirectory(dir.InternalPath("x\\y\\")));      // one level only

    EXPECT_TRUE(fs::CreateDirectories(dir.InternalPath("CONFIG\\New\\a\\b\\")));
    EXPECT_TRUE(dir.Exists("config/New/a/b"));
    EXPECT_EQ(NativeNames(dir.Native()), std::vector<std::string>{"config"});
    EXPECT_TRUE(fs::CreateDirectories(dir.InternalPath("config\\new"))); // already there

    fs::TempFileWriter writer;
    ASSERT_TRUE(writer.Open(dir.InternalPath("Config\\NEW\\x.cfg")));
    ASSERT_TRUE(writer.Write("v", 1));
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(dir.ReadFile("config/New/x.cfg"), "v");
}

TEST(FsFolders, CreateDirectoriesFailsUnderAFile) {
    TempDir dir;
    dir.WriteFile("file", "x");
    EXPECT_FALSE(fs::CreateDirectories(dir.InternalPath("file\\sub\\")));
    EXPECT_FALSE(fs::CreateDirectories(dir.InternalPath("file")));
}

TEST(FsEntries, KindsRemovalAndLinks) {
    TempDir dir;
    dir.WriteFile("f.txt", "x");
    ASSERT_EQ(mkdir(dir.NativePath("d").c_str(), 0777), 0);
    ASSERT_EQ(symlink("f.txt", dir.NativePath("lf").c_str()), 0);
    ASSERT_EQ(symlink("d", dir.NativePath("ld").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", dir.NativePath("dangling").c_str()), 0);

    std::vector<fs::DirEntry> entries;
    ASSERT_TRUE(fs::List(dir.Internal(), entries));
    std::vector<std::pair<std::string, fs::EntryKind>> got;
    for (const auto& e : entries)
        got.emplace_back(e.name, e.kind);
    std::vector<std::pair<std::string, fs::EntryKind>> want = {
        {"d", fs::EntryKind::Folder},      {"dangling", fs::EntryKind::Other},
        {"f.txt", fs::EntryKind::File},    {"ld", fs::EntryKind::LinkToFolder},
        {"lf", fs::EntryKind::LinkToFile},
    };
    EXPECT_EQ(got, want);
    EXPECT_FALSE(fs::List(dir.InternalPath("f.txt"), entries));
    EXPECT_TRUE(entries.empty());

    EXPECT_TRUE(fs::Exists(dir.InternalPath("LF")));
    EXPECT_TRUE(fs::IsRegularFile(dir.InternalPath("lf")));
    EXPECT_TRUE(fs::IsDirectory(dir.InternalPath("ld")));
    EXPECT_TRUE(fs::IsSymlink(dir.InternalPath("ld")));
    EXPECT_FALSE(fs::IsSymlink(dir.InternalPath("d")));
    EXPECT_FALSE(fs::Exists(dir.InternalPath("dangling")));
    EXPECT_TRUE(fs::IsSymlink(dir.InternalPath("dangling")));

    EXPECT_FALSE(fs::RemoveEmptyDirectory(dir.InternalPath("ld"))); // never follows
    EXPECT_FALSE(fs::RemoveEmptyDirectory(dir.InternalPath("ld\\")));
    EXPECT_FALSE(fs::RemoveFile(dir.InternalPath("d")));
    EXPECT_TRUE(fs::RemoveFile(dir.InternalPath("LD"))); // the link only
    EXPECT_TRUE(fs::RemoveFile(dir.InternalPath("lf")));
    EXPECT_TRUE(fs::RemoveFile(dir.InternalPath("dangling")));
    EXPECT_TRUE(dir.Exists("d"));
    EXPECT_EQ(dir.ReadFile("f.txt"), "x");
    EXPECT_TRUE(fs::RemoveEmptyDirectory(dir.InternalPath("D\\")));
    EXPECT_FALSE(dir.Exists("d"));
    EXPECT_TRUE(fs::RemoveFile(dir.InternalPath("F.TXT")));
    EXPECT_FALSE(fs::RemoveFile(dir.InternalPath("f.txt")));
}

TEST(FsEntries, RenameEquivalentAndWriteTime) {
    TempDir dir;
    dir.WriteFile("One.txt", "1");
    EXPECT_TRUE(fs::Rename(dir.InternalPath("one.TXT"), dir.InternalPath("two.txt")));
    EXPECT_EQ(dir.ReadFile("two.txt"), "1");
    EXPECT_FALSE(fs::Rename(dir.InternalPath("one.txt"), dir.InternalPath("three.txt")));

    ASSERT_EQ(link(dir.NativePath("two.txt").c_str(), dir.NativePath("hard").c_str()), 0);
    dir.WriteFile("other", "1");
    EXPECT_TRUE(fs::Equivalent(dir.InternalPath("TWO.txt"), dir.InternalPath("hard")));
    EXPECT_FALSE(fs::Equivalent(dir.InternalPath("two.txt"), dir.InternalPath("other")));
    EXPECT_FALSE(fs::Equivalent(dir.InternalPath("two.txt"), dir.InternalPath("none")));

    struct timespec times[2] = {{0, 0}, {1000000000, 123456789}};
    ASSERT_EQ(utimensat(AT_FDCWD, dir.NativePath("two.txt").c_str(), times, 0), 0);
    uint64_t t = 0;
    ASSERT_TRUE(fs::WriteTime(dir.InternalPath("Two.txt"), t));
    EXPECT_EQ(t, (1000000000ULL + 11644473600ULL) * 10000000ULL + 1234567ULL);
    EXPECT_FALSE(fs::WriteTime(dir.InternalPath("none"), t));
}

TEST(FsTempFileWriter, CommitReplacesTheTargetAndKeepsItsMode) {
    TempDir dir;
    dir.WriteFile("Data.cfg", "old");
    ASSERT_EQ(chmod(dir.NativePath("Data.cfg").c_str(), 0640), 0);
    fs::TempFileWriter writer;
    ASSERT_TRUE(writer.Open(dir.InternalPath("data.CFG")));
    const std::string temp = writer.TempNativePath();
    EXPECT_EQ(temp.substr(0, temp.size() - 6), dir.NativePath("Data.cfg.pf-tmp-"));
    EXPECT_NE(fcntl(writer.Fd(), F_GETFD) & FD_CLOEXEC, 0); // not inherited by children
    ASSERT_TRUE(writer.Write("new content", 11));
    EXPECT_EQ(dir.ReadFile("Data.cfg"), "old"); // untouched until the commit
    ASSERT_TRUE(writer.Commit());
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_EQ(dir.ReadFile("Data.cfg"), "new content");
    EXPECT_EQ(NativeMode(dir.NativePath("Data.cfg")), 0640u);
    EXPECT_EQ(NativeNames(dir.Native()), std::vector<std::string>{"Data.cfg"});
}

TEST(FsTempFileWriter, NewFileGetsDefaultModeLessUmask) {
    TempDir dir;
    mode_t old = umask(027);
    {
        fs::TempFileWriter writer;
        ASSERT_TRUE(writer.Open(dir.InternalPath("new.txt")));
        ASSERT_TRUE(writer.Write("", 0));
        ASSERT_TRUE(writer.Commit());
    }
    umask(old);
    EXPECT_EQ(NativeMode(dir.NativePath("new.txt")), 0640u);
    EXPECT_EQ(dir.ReadFile("new.txt"), "");
}

TEST(FsTempFileWriter, DiscardAndDestructionLeaveTheOldFile) {
    TempDir dir;
    dir.WriteFile("keep.txt", "old");
    {
        fs::TempFileWriter writer;
        ASSERT_TRUE(writer.Open(dir.InternalPath("keep.txt")));
        writer.Write("partial", 7);
        writer.Discard();
        EXPECT_FALSE(writer.IsOpen());
        EXPECT_FALSE(writer.Commit());
    }
    {
        fs::TempFileWriter writer;
        ASSERT_TRUE(writer.Open(dir.InternalPath("keep.txt")));
        writer.Write("partial", 7);
    } // destroyed without commit
    EXPECT_EQ(dir.ReadFile("keep.txt"), "old");
    EXPECT_EQ(NativeNames(dir.Native()), std::vector<std::string>{"keep.txt"});
}

TEST(FsTempFileWriter, FailedWriteMakesCommitRefuse) {
    TempDir dir;
    dir.WriteFile("keep.txt", "old");
    fs::TempFileWriter writer;
    ASSERT_TRUE(writer.Open(dir.InternalPath("keep.txt")));
    // A read-only descriptor in its place makes the next write fail.
    int read_only = open("/dev/null", O_RDONLY);
    ASSERT_GE(dup2(read_only, writer.Fd()), 0);
    close(read_only);
    EXPECT_FALSE(writer.Write("x", 1));
    EXPECT_FALSE(writer.Commit());
    EXPECT_EQ(dir.ReadFile("keep.txt"), "old");
    EXPECT_EQ(NativeNames(dir.Native()), std::vector<std::string>{"keep.txt"});
}

TEST(FsTempFileWriter, RefusesFoldersAndMissingFolders) {
    TempDir dir;
    ASSERT_EQ(mkdir(dir.NativePath("sub").c_str(), 0777), 0);
    fs::TempFileWriter writer;
    EXPECT_FALSE(writer.Open(dir.InternalPath("sub")));
    EXPECT_FALSE(writer.Open(dir.InternalPath("sub\\")));
    EXPECT_FALSE(writer.Open(dir.InternalPath("missing\\x.txt")));
    EXPECT_EQ(NativeNames(dir.NativePath("sub")), std::vector<std::string>{});
}

TEST(FsTempFileWriter, ReplacingALinkWritesTheFileItNames) {
    TempDir dir;
    dir.WriteFile("real.txt", "old");
    ASSERT_EQ(symlink("real.txt", dir.NativePath("link.txt").c_str()), 0);
    fs::TempFileWriter writer;
    ASSERT_TRUE(writer.Open(dir.InternalPath("link.txt")));
    ASSERT_TRUE(writer.Write("new", 3));
    ASSERT_TRUE(writer.Commit());
    EXPECT_TRUE(fs::IsSymlink(dir.InternalPath("link.txt")));
    EXPECT_EQ(dir.ReadFile("real.txt"), "new");
}

} // namespace
} // namespace pf
