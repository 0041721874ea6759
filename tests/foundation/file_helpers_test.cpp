#include "foundation/file_helpers.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pf {
namespace {

namespace stdfs = std::filesystem;

bool AnyTempFileIn(const std::string& native_folder) {
    for (const auto& entry : stdfs::recursive_directory_iterator(native_folder)) {
        if (entry.path().filename().string().find(".pf-tmp-") != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string Bytes(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 7 + i / 4096) & 0xFF);
    return s;
}

// Short relative paths, as the length rule counts the path as given.
class SafeDeleteFileTest : public ::testing::Test {
  protected:
    test::TempDir dir_;
    test::ScopedCurrentDir cwd_{dir_.Native()};
};

TEST_F(SafeDeleteFileTest, DeletesOnlyGuardedNames) {
    struct Row {
        const char* create; // native, relative
        const char* ask;    // internal path given to SafeDeleteFile
        bool deleted;
    };
    const Row rows[] = {
        {"abcd.png", "abcd.png", false},    // 8 characters: too short
        {"abcde.txt", "abcde.txt", false},  // 9 characters
        {"abcdef.txt", "abcdef.txt", true}, // exactly 10
        {"abcdef.PNG", "abcdef.PNG", true},
        {"image1.DdS", "image1.DdS", true},
        {"photo1.Jpg", "photo1.Jpg", true},
        {"icon01.bmp", "icon01.bmp", true},
        {"config.cfg", "config.cfg", true},
        {"record.dat", "record.dat", true},
        {"scenar.SCN", "scenar.SCN", true},
        {"program.exe", "program.exe", false},
        {"notes_png00", "notes_png00", false},
        {"notes__png", "notes__png", false},     // last three characters alone are not enough
        {"sub/abcd.cfg", "sub\\abcd.cfg", true}, // internal separators
        {"Sub2/Mixed.cfg", "sub2\\MIXED.cfg", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.ask);
        dir_.WriteFile(r.create, "x");
        EXPECT_EQ(SafeDeleteFile(r.ask), r.deleted);
        EXPECT_EQ(dir_.Exists(r.create), !r.deleted);
    }
    EXPECT_FALSE(SafeDeleteFile("missing1.png"));
    EXPECT_FALSE(SafeDeleteFile(""));
}

TEST_F(SafeDeleteFileTest, NeverDeletesFoldersOrFollowsLinks) {
    stdfs::create_directory(dir_.NativePath("folder.png"));
    EXPECT_FALSE(SafeDeleteFile("folder.png"));
    EXPECT_TRUE(dir_.Exists("folder.png"));

    // a link to a file is removed itself; the file it names stays
    dir_.WriteFile("target.txt", "keep");
    stdfs::create_symlink("target.txt", dir_.NativePath("linked.png"));
    EXPECT_TRUE(SafeDeleteFile("linked.png"));
    EXPECT_FALSE(stdfs::is_symlink(dir_.NativePath("linked.png")));
    EXPECT_EQ(dir_.ReadFile("target.txt"), "keep");

    stdfs::create_directory(dir_.NativePath("realdir"));
    stdfs::create_directory_symlink("realdir", dir_.NativePath("dirlink.png"));
    EXPECT_FALSE(SafeDeleteFile("dirlink.png"));
    EXPECT_TRUE(stdfs::is_symlink(dir_.NativePath("dirlink.png")));

    stdfs::create_symlink("nothing.txt", dir_.NativePath("dangle.png"));
    EXPECT_FALSE(SafeDeleteFile("dangle.png"));
}

// A link goes itself, whatever it leads to; anything else, or a name the guard refuses, stays.
TEST_F(SafeDeleteFileTest, LinksAreDeletedThemselvesWhateverTheyLeadTo) {
    dir_.WriteFile("target.txt", "keep");
    stdfs::create_directory(dir_.NativePath("realdir"));
    const struct {
        const char* name;
        const char* leadsTo; // nullptr: a plain file
        bool deleted;
    } rows[] = {
        {"dangle.txt", "nothing.txt", true}, {"linked.txt", "target.txt", true},
        {"dirlink.txt", "realdir", true},    {"plain1.txt", nullptr, false},
        {"link.txt", "target.txt", false},   {"linked.exe", "target.txt", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.leadsTo != nullptr) {
            stdfs::create_symlink(row.leadsTo, dir_.NativePath(row.name));
        } else {
            dir_.WriteFile(row.name, "x");
        }
        EXPECT_EQ(SafeDeleteLink(row.name), row.deleted);
        EXPECT_EQ(stdfs::exists(stdfs::symlink_status(dir_.NativePath(row.name))), !row.deleted);
    }
    EXPECT_EQ(dir_.ReadFile("target.txt"), "keep");
    EXPECT_TRUE(stdfs::is_directory(dir_.NativePath("realdir")));
}

class CopyFileStreamTest : public ::testing::Test {
  protected:
    test::TempDir dir_;
    test::ScriptedUi ui_;
};

TEST_F(CopyFileStreamTest, CopiesEverySizeIntoNewAndExistingFiles) {
    for (size_t size : {0u, 1u, 4095u, 4096u, 4097u, 12288u, 20000u}) {
        SCOPED_TRACE(size);
        const std::string bytes = Bytes(size);
        dir_.WriteFile("src.bin", bytes);
        int result = -1;
        EXPECT_TRUE(
            CopyFileStream(dir_.InternalPath("new.bin"), dir_.InternalPath("src.bin"), result));
        EXPECT_EQ(result, kCopyNewFile);
        EXPECT_EQ(dir_.ReadFile("new.bin"), bytes);

        // an existing, longer destination is replaced whole
        dir_.WriteFile("old.bin", std::string(30000, 'o'));
        EXPECT_TRUE(
            CopyFileStream(dir_.InternalPath("old.bin"), dir_.InternalPath("src.bin"), result));
        EXPECT_EQ(result, kCopyReplaced);
        EXPECT_EQ(dir_.ReadFile("old.bin"), bytes);
        stdfs::remove(dir_.NativePath("new.bin"));
    }
    EXPECT_FALSE(AnyTempFileIn(dir_.Native()));
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(CopyFileStreamTest, MissingSourceIsResultThreeWithoutMessage) {
    int result = -1;
    EXPECT_FALSE(
        CopyFileStream(dir_.InternalPath("dst.bin"), dir_.InternalPath("none.bin"), result));
    EXPECT_EQ(result, kCopySourceMissing);
    stdfs::create_directory(dir_.NativePath("folder"));
    EXPECT_FALSE(CopyFileStream(dir_.InternalPath("dst.bin"), dir_.InternalPath("folder"), result));
    EXPECT_EQ(result, kCopySourceMissing);
    EXPECT_FALSE(dir_.Exists("dst.bin"));
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(CopyFileStreamTest, CopyOntoItselfKeepsTheFile) {
    const std::string bytes = Bytes(5000);
    dir_.WriteFile("Data/Self.dat", bytes);
    for (const char* other : {"Data\\Self.dat", "data\\SELF.DAT"}) {
        int result = -1;
        EXPECT_TRUE(
            CopyFileStream(dir_.InternalPath(other), dir_.InternalPath("Data\\Self.dat"), result));
        EXPECT_EQ(result, kCopyReplaced);
        EXPECT_EQ(dir_.ReadFile("Data/Self.dat"), bytes);
    }
    EXPECT_FALSE(AnyTempFileIn(dir_.Native()));
}

TEST_F(CopyFileStreamTest, DestinationThatCannotBeMadeIsResultTwoWithMessage) {
    dir_.WriteFile("src.bin", "abc");
    dir_.WriteFile("plain", "I am a file");
    stdfs::create_directory(dir_.NativePath("folder.bin"));
    const char* destinations[] = {
        "missing\\dst.bin", // folder missing
        "plain\\dst.bin",   // parent is a regular file
        "folder.bin",       // destination is a folder
    };
    for (const char* d : destinations) {
        SCOPED_TRACE(d);
        ui_.Clear();
        int result = -1;
        EXPECT_FALSE(CopyFileStream(dir_.InternalPath(d), dir_.InternalPath("src.bin"), result));
        EXPECT_EQ(result, kCopyCannotCreate);
        ASSERT_EQ(ui_.Failures().size(), 1u);
        std::string native = dir_.Native() + "/" + d;
        for (char& c : native) {
            if (c == '\\')
                c = '/';
        }
        EXPECT_EQ(ui_.Failures()[0],
                  "Error writing to file: " + native + ". Is the directory protected?\r\n");
    }
    EXPECT_EQ(dir_.ReadFile("plain"), "I am a file");
    EXPECT_TRUE(stdfs::is_directory(dir_.NativePath("folder.bin")));
}

TEST_F(CopyFileStreamTest, FailedWriteLeavesTheOldDestinationWhole) {
    dir_.WriteFile("src.bin", Bytes(64 * 1024));
    dir_.WriteFile("dst.bin", "old content");
    const std::string dst = dir_.InternalPath("dst.bin");
    const std::string src = dir_.InternalPath("src.bin");
    // The file-size limit makes the copy's writes fail; it is set in a child process so
    // that this process keeps writing freely.
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{8192, 8192};
        setrlimit(RLIMIT_FSIZE, &limit);
        int result = -1;
        bool ok = CopyFileStream(dst, src, result);
        _exit(ok ? 10 : 20 + result);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 20 + kCopyReplaced);
    EXPECT_EQ(dir_.ReadFile("dst.bin"), "old content");
    EXPECT_FALSE(AnyTempFileIn(dir_.Native()));
}

} // namespace
} // namespace pf
