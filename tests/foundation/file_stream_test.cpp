#include "foundation/stream.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace pf {
namespace {

using test::TempDir;

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 251) & 0xFF);
    }
    return bytes;
}

// Names in the folder that look like our temporary files.
std::vector<std::string> TempFilesIn(const std::string& native_folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(native_folder)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".pf-tmp-") != std::string::npos) {
            names.push_back(name);
        }
    }
    return names;
}

class FileStreamTest : public ::testing::Test {
  protected:
    TempDir dir;
};

TEST_F(FileStreamTest, MissingFilesAndFoldersNeverOpen) {
    dir.WriteFile("sub/x.txt", "x");
    const std::string missing = dir.InternalPath("missing.cfg");
    const std::string folder = dir.InternalPath("sub");
    for (uint32_t flags : {kOpenRead, kOpenWrite, kOpenReadWrite}) {
        FileStream f;
        EXPECT_FALSE(f.Open(missing, flags)) << flags;
        EXPECT_FALSE(f.IsOpen());
    }
    for (uint32_t flags : {kOpenRead, kOpenWrite, kOpenReadWrite, kOpenCreate | kOpenWrite,
                           kOpenCreate | kOpenReadWrite}) {
        FileStream f;
        EXPECT_FALSE(f.Open(folder, flags)) << flags;
        EXPECT_FALSE(f.Open(folder + "\\", flags)) << flags;
    }
    FileStream f;
    EXPECT_FALSE(f.Open("", kOpenRead));
    EXPECT_FALSE(f.Open(missing, 0x3)); // no such access mode
    EXPECT_FALSE(f.Open(missing + std::string(1, '\0') + "x", kOpenCreate | kOpenWrite));
    EXPECT_FALSE(dir.Exists("missing.cfg"));
    EXPECT_TRUE(TempFilesIn(dir.Native()).empty());
}

TEST_F(FileStreamTest, RelativePathsStartInTheCurrentFolder) {
    dir.WriteFile("Config/Earth.cfg", "Size = 1\r\n");
    test::ScopedCurrentDir here(dir.Native());
    FileStream f;
    ASSERT_TRUE(f.Open("config\\EARTH.cfg", kOpenRead)); // other letter case
    EXPECT_EQ(f.GetFileName(), "EARTH.cfg");
    std::string line;
    ASSERT_TRUE(f.ReadLine(line));
    EXPECT_EQ(line, "Size = 1\r\n");
}

// Create mode writes beside the target and renames on Close, Commit or destruction,
// keeping the old file's mode.
TEST_F(FileStreamTest, CreateReplacesTheTargetOnlyAtTheEnd) {
    dir.WriteFile("base.txt", "old content");
    ASSERT_EQ(::chmod(dir.NativePath("base.txt").c_str(), 0640), 0);
    FileStream f;
    ASSERT_TRUE(f.Open(dir.InternalPath("base.txt"), kOpenCreate | kOpenWrite));
    EXPECT_EQ(f.GetFileName(), "base.txt");
    EXPECT_EQ(f.GetFilePath(), dir.InternalPath("base.txt"));
    EXPECT_EQ(f.GetLength(), 0u); // the new content starts empty
    ASSERT_TRUE(f.Write("new", 3));
    EXPECT_EQ(dir.ReadFile("base.txt"), "old content");
    EXPECT_EQ(TempFilesIn(dir.Native()).size(), 1u);
    f.Close();
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(f.GetFileName(), "");
    EXPECT_EQ(dir.ReadFile("base.txt"), "new");
    struct stat st;
    ASSERT_EQ(::stat(dir.NativePath("base.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    {
        FileStream a;
        ASSERT_TRUE(a.Open(dir.InternalPath("a.dat"), kOpenCreate | kOpenReadWrite));
        ASSERT_TRUE(a.Write("abc", 3));
        EXPECT_TRUE(a.Commit());
        EXPECT_FALSE(a.Commit()); // nothing open any more
        PfgFileStream b;
        ASSERT_TRUE(b.Open(dir.InternalPath("b.dat"), kOpenCreate | kOpenWrite));
        ASSERT_TRUE(b.Write("xyz", 3));
    }
    EXPECT_EQ(dir.ReadFile("a.dat"), "abc");
    EXPECT_EQ(dir.ReadFile("b.dat"), "xyz");
    EXPECT_TRUE(TempFilesIn(dir.Native()).empty());
}

TEST_F(FileStreamTest, AccessModesWithoutCreateWorkInPlace) {
    dir.WriteFile("f.bin", "abcdef");
    char buf[16] = {};
    {
        FileStream f; // write: overwrites from the start, no truncation
        EXPECT_EQ(f.GetLastReadCount(), -1);
        ASSERT_TRUE(f.Open(dir.InternalPath("f.bin"), kOpenWrite));
        EXPECT_FALSE(f.Read(buf, 1));
        EXPECT_EQ(f.GetLastReadCount(), 0);
        ASSERT_TRUE(f.Write("XY", 2));
        EXPECT_TRUE(f.Commit());
    }
    EXPECT_EQ(dir.ReadFile("f.bin"), "XYcdef");
    {
        FileStream f; // read: no writes; the last read counts what came
        ASSERT_TRUE(f.Open(dir.InternalPath("f.bin"), kOpenRead));
        EXPECT_FALSE(f.Write("Q", 1));
        ASSERT_TRUE(f.Read(buf, 2));
        EXPECT_EQ(f.GetLastReadCount(), 2);
        EXPECT_FALSE(f.Read(buf, 16));
        EXPECT_EQ(f.GetLastReadCount(), 4);
    }
    {
        FileStream f; // read-write
        ASSERT_TRUE(f.Open(dir.InternalPath("f.bin"), kOpenReadWrite));
        ASSERT_TRUE(f.Read(buf, 2));
        ASSERT_TRUE(f.Write("--", 2));
        ASSERT_TRUE(f.Read(buf, 2));
        EXPECT_EQ(std::string(buf, 2), "ef");
        f.SetLength(3);
    }
    EXPECT_EQ(dir.ReadFile("f.bin"), "XY-");
    EXPECT_TRUE(TempFilesIn(dir.Native()).empty());
}

// Mixed small and large pieces cross the buffer's edges both ways.
TEST_F(FileStreamTest, BufferedReadsAndWritesMatchTheBytes) {
    const std::string data = Pattern(300000);
    std::string expected = data;
    expected.replace(65530, 10, "0123456789");
    const size_t pieces[] = {1, 7, 4096, 65535, 1, 65536, 70000, 13, 100000};
    {
        FileStream f;
        ASSERT_TRUE(f.Open(dir.InternalPath("big.bin"), kOpenCreate | kOpenReadWrite));
        size_t at = 0;
        for (size_t i = 0; at < data.size(); ++i) {
            const size_t n = std::min(pieces[i % std::size(pieces)], data.size() - at);
            ASSERT_TRUE(f.Write(data.data() + at, static_cast<uint32_t>(n)));
            at += n;
            EXPECT_EQ(f.GetLength(), at);
        }
        // Change bytes in the middle, then read everything back through the same stream.
        f.Seek(65530, SeekOrigin::Begin);
        ASSERT_TRUE(f.Write("0123456789", 10));
        f.SeekToBegin();
        std::string back(data.size(), '\0');
        at = 0;
        for (size_t i = 3; at < back.size(); ++i) {
            const size_t n = std::min(pieces[i % std::size(pieces)], back.size() - at);
            ASSERT_TRUE(f.Read(back.data() + at, static_cast<uint32_t>(n)));
            at += n;
        }
        EXPECT_TRUE(back == expected);
        ASSERT_TRUE(f.Commit());
    }
    EXPECT_TRUE(dir.ReadFile("big.bin") == expected);
}

TEST_F(FileStreamTest, OpenAgainstOpenCreatingFolders) {
    const std::string path = dir.InternalPath("new\\deeper\\x.cfg");
    {
        FileStream f;
        EXPECT_FALSE(f.Open(path, kOpenCreate | kOpenWrite));
        EXPECT_FALSE(f.OpenCreatingFolders(path, kOpenWrite)); // without create: just Open
        EXPECT_FALSE(dir.Exists("new"));
    }
    for (uint32_t flags : {kOpenCreate | kOpenWrite, kOpenCreate | kOpenReadWrite}) {
        SysFileStream f;
        ASSERT_TRUE(f.OpenCreatingFolders(path, flags));
        ASSERT_TRUE(f.Write("x", 1));
        EXPECT_TRUE(f.Commit());
    }
    EXPECT_EQ(dir.ReadFile("new/deeper/x.cfg"), "x");

    // A folder that exists in other letter case is reused.
    dir.WriteFile("config/keep.txt", "k");
    FileStream f;
    ASSERT_TRUE(
        f.OpenCreatingFolders(dir.InternalPath("Config\\New\\y.cfg"), kOpenCreate | kOpenWrite));
    ASSERT_TRUE(f.Write("y", 1));
    ASSERT_TRUE(f.Commit());
    EXPECT_EQ(dir.ReadFile("config/New/y.cfg"), "y");
    EXPECT_FALSE(std::filesystem::exists(dir.NativePath("Config")));
}

// In a child process: the file-size limit makes writes beyond 64 KiB fail. Exits 0 only
// when both the reported and the silent path left the old file alone.
[[noreturn]] void WriteBeyondTheSizeLimit(const std::string& target) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{65536, 65536};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        _exit(10);
    }
    const std::string data = Pattern(300000);
    {
        FileStream f;
        if (!f.Open(target, kOpenCreate | kOpenWrite)) {
            _exit(11);
        }
        bool all_written = true;
        for (size_t at = 0; at < data.size(); at += 1000) {
            all_written = f.Write(data.data() + at, 1000) && all_written;
        }
        if (all_written) {
            _exit(12);
        }
        if (f.Commit()) {
            _exit(13);
        }
    }
    {
        FileStream f; // closed by the destructor after a failed write
        if (!f.Open(target, kOpenCreate | kOpenWrite)) {
            _exit(14);
        }
        f.Write(data.data(), static_cast<uint32_t>(data.size()));
    }
    _exit(0);
}

TEST_F(FileStreamTest, AFailedCreateModeWriteLeavesTheOldFileWhole) {
    const std::string old_content = Pattern(1000) + "\r\nEND\r\n";
    dir.WriteFile("base.cfg", old_content);
    const std::string target = dir.InternalPath("base.cfg");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        WriteBeyondTheSizeLimit(target);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(dir.ReadFile("base.cfg") == old_content); // byte for byte
    EXPECT_TRUE(TempFilesIn(dir.Native()).empty());
}

} // namespace
} // namespace pf
