#include "platform/known_folders.h"

#include "platform/fs.h"
#include "support/sandbox_home.h"

#include <gtest/gtest.h>

#include <string>

namespace pf {
namespace {

using test::SandboxHome;
using test::ScopedEnv;

std::string Internal(const std::string& native) { return fs::ToInternal(native) + "\\"; }

void WriteUserDirs(const SandboxHome& home, const std::string& text) {
    test::WriteNativeFile(home.ConfigHome() + "/user-dirs.dirs", text);
}

TEST(KnownFolders, FallbacksAreCreatedInTheHome) {
    SandboxHome home;
    EXPECT_EQ(known_folders::Home(), Internal(home.Home()));
    EXPECT_EQ(known_folders::Documents(), Internal(home.Home() + "/Documents"));
    EXPECT_EQ(known_folders::Pictures(), Internal(home.Home() + "/Pictures"));
    EXPECT_EQ(known_folders::LocalAppData(), Internal(home.Home() + "/.local/share"));
    EXPECT_TRUE(home.Dir().Exists("Documents"));
    EXPECT_TRUE(home.Dir().Exists("Pictures"));
    EXPECT_TRUE(home.Dir().Exists(".local/share"));
    EXPECT_EQ(known_folders::ConfigHome(), Internal(home.ConfigHome()));
}

TEST(KnownFolders, UserDirsValuesCount) {
    SandboxHome home;
    struct Row {
        const char* text;
        std::string documents; // relative to the home; "/" prefix: absolute below the home
        std::string pictures;
    };
    const std::string abs = home.Home() + "/abs/Docs";
    const Row rows[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "Dokumente",
         "Bilder"},
        {"# comment\n  XDG_DOCUMENTS_DIR=\"$HOME/My Docs/\"\n", "My Docs", "Pictures"},
        {"XDG_DOCUMENTS_DIR=\"relative/docs\"\nXDG_PICTURES_DIR=\"~/Pics\"\n", "Documents",
         "Pictures"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/first\"\nXDG_DOCUMENTS_DIR=\"$HOME/second\"\n", "second",
         "Pictures"},
        {"XDG_DOCUMENTS_DIR=$HOME/unquoted\nXDG_DOCUMENTS_DIR=\"$HOME/unclosed\n", "Documents",
         "Pictures"},
        {"XDG_DOCUMENTS_DIR_X=\"$HOME/other\"\nXDG_PICTURES_DIR=\"$HOMEX/p\"\n", "Documents",
         "Pictures"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/with \\\"quote\\\"\"\n", "with \"quote\"", "Pictures"},
    };
    for (const Row& row : rows) {
        WriteUserDirs(home, row.text);
        EXPECT_EQ(known_folders::Documents(), Internal(home.Home() + "/" + row.documents))
            << row.text;
        EXPECT_EQ(known_folders::Pictures(), Internal(home.Home() + "/" + row.pictures))
            << row.text;
        EXPECT_TRUE(home.Dir().Exists(row.documents)) << row.text;
    }
    WriteUserDirs(home, "XDG_DOCUMENTS_DIR=\"" + abs + "\"\nXDG_PICTURES_DIR=\"$HOME\"\n");
    EXPECT_EQ(known_folders::Documents(), Internal(abs));
    EXPECT_TRUE(home.Dir().Exists("abs/Docs"));
    EXPECT_EQ(known_folders::Pictures(), Internal(home.Home()));
}

TEST(KnownFolders, EnvironmentIsReadOnEveryCall) {
    SandboxHome first;
    EXPECT_EQ(known_folders::Documents(), Internal(first.Home() + "/Documents"));
    {
        SandboxHome second;
        EXPECT_EQ(known_folders::Documents(), Internal(second.Home() + "/Documents"));
        ScopedEnv data("XDG_DATA_HOME", first.Home() + "/data");
        EXPECT_EQ(known_folders::LocalAppData(), Internal(first.Home() + "/data"));
        ScopedEnv relative("XDG_DATA_HOME", "data");
        EXPECT_EQ(known_folders::LocalAppData(), Internal(second.Home() + "/.local/share"));
    }
    EXPECT_EQ(known_folders::Documents(), Internal(first.Home() + "/Documents"));
}

TEST(KnownFolders, UserDirsAreReadFromTheConfigHome) {
    SandboxHome home;
    ScopedEnv config("XDG_CONFIG_HOME", home.Home() + "/cfg");
    test::WriteNativeFile(home.Home() + "/cfg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/D\"\n");
    EXPECT_EQ(known_folders::Documents(), Internal(home.Home() + "/D"));
    ScopedEnv relative("XDG_CONFIG_HOME", "cfg");
    WriteUserDirs(home, "XDG_DOCUMENTS_DIR=\"$HOME/E\"\n");
    EXPECT_EQ(known_folders::Documents(), Internal(home.Home() + "/E"));
}

TEST(KnownFolders, RelativeHomeFallsBackToThePasswordDatabase) {
    SandboxHome home;
    ScopedEnv relative("HOME", "not/absolute");
    std::string got = known_folders::Home();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got[0], '\\');
    EXPECT_EQ(got.back(), '\\');
    EXPECT_NE(got, Internal(home.Home()));
}

TEST(KnownFolders, FolderThatCannotBeMadeGivesEmpty) {
    SandboxHome home;
    test::WriteNativeFile(home.Home() + "/Documents", "a file, not a folder");
    EXPECT_EQ(known_folders::Documents(), "");
}

TEST(KnownFolders, ExecutablePathIsThisTestProgram) {
    std::string exe = known_folders::ExecutablePath();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe[0], '\\');
    EXPECT_NE(exe.find("platform_unit_tests"), std::string::npos) << exe;
    EXPECT_TRUE(fs::IsRegularFile(exe));
}

} // namespace
} // namespace pf
