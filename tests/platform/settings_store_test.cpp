#include "platform/settings_store.h"

#include "platform/fs.h"
#include "support/sandbox_home.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

namespace pf {
namespace {

using test::NativeNames;

using test::SandboxHome;
using test::ScopedEnv;

TEST(SettingsStore, FileLivesInTheConfigHome) {
    SandboxHome home;
    EXPECT_EQ(settings_store::FilePath(),
              fs::ToInternal(home.ConfigHome()) + "\\padforge\\settings");
}

TEST(SettingsStore, RelativeConfigHomeIsIgnored) {
    SandboxHome home;
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(settings_store::FilePath(),
              fs::ToInternal(home.Home()) + "\\.config\\padforge\\settings");
    ASSERT_TRUE(settings_store::Write("Grid Size", "100"));
    EXPECT_EQ(test::ReadNativeFile(home.Home() + "/.config/padforge/settings"), "Grid Size=100\n");
}

TEST(SettingsStore, ValuesRoundTripExactly) {
    SandboxHome home;
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"Astrel 2010 Path", "C:\\Astrel 2010\\"},
        {"Equals", "a=b==c"},
        {"Percent", "100% %25 %0A"},
        {"Breaks", "line1\r\nline2\nline3\r"},
        {"Empty", ""},
        {"Bytes", "\xB0 degrees\t"},
        {"", "empty name"},
    };
    for (const auto& [name, value] : rows) {
        ASSERT_TRUE(settings_store::Write(name, value)) << name;
    }
    for (const auto& [name, value] : rows) {
        std::string read = "unset";
        ASSERT_TRUE(settings_store::Read(name, read)) << name;
        EXPECT_EQ(read, value) << name;
    }
    EXPECT_EQ(test::ReadNativeFile(home.ConfigHome() + "/padforge/settings"),
              "Astrel 2010 Path=C:\\Astrel 2010\\\n"
              "Equals=a=b==c\n"
              "Percent=100%25 %2525 %250A\n"
              "Breaks=line1%0D%0Aline2%0Aline3%0D\n"
              "Empty=\n"
              "Bytes=\xB0 degrees\t\n"
              "=empty name\n");
    std::vector<std::pair<std::string, std::string>> all;
    ASSERT_TRUE(settings_store::ReadAll(all));
    EXPECT_EQ(all, rows);
}

TEST(SettingsStore, MissingNamesAndFilesReadAsAbsent) {
    SandboxHome home;
    std::string value = "kept";
    EXPECT_FALSE(settings_store::Read("Grid Size", value));
    EXPECT_EQ(value, "kept");
    std::vector<std::pair<std::string, std::string>> all = {{"x", "y"}};
    EXPECT_TRUE(settings_store::ReadAll(all));
    EXPECT_TRUE(all.empty());
    ASSERT_TRUE(settings_store::Write("Grid Size", "5"));
    EXPECT_FALSE(settings_store::Read("grid size", value)); // names match exactly
    EXPECT_FALSE(settings_store::Read("Grid Size ", value));
    EXPECT_EQ(value, "kept");
}

TEST(SettingsStore, NamesHoldingSeparatorsAreRefused) {
    SandboxHome home;
    for (const char* name : {"a=b", "a\nb", "a\rb", "="}) {
        EXPECT_FALSE(settings_store::Write(name, "v")) << name;
    }
    EXPECT_FALSE(home.Dir().Exists(".config/padforge/settings"));
}

TEST(SettingsStore, HandWrittenFileKeepsOtherLinesAndFirstNameWins) {
    SandboxHome home;
    const std::string path = home.ConfigHome() + "/padforge/settings";
    test::WriteNativeFile(path, "# written by hand\n"
                                "Snap To=10\n"
                                "no equals sign here\n"
                                "Odd=x=y%0Az\n"
                                "Snap To=20\n"
                                "\n"
                                "Other=1");
    std::string value;
    ASSERT_TRUE(settings_store::Read("Snap To", value));
    EXPECT_EQ(value, "10");
    ASSERT_TRUE(settings_store::Read("Odd", value));
    EXPECT_EQ(value, "x=y\nz");
    ASSERT_TRUE(settings_store::Read("Other", value));
    EXPECT_EQ(value, "1");
    EXPECT_FALSE(settings_store::Read("no equals sign here", value));
    EXPECT_FALSE(settings_store::Read("# written by hand", value));

    ASSERT_TRUE(settings_store::Write("Snap To", "100"));
    EXPECT_EQ(test::ReadNativeFile(path), "# written by hand\n"
                                          "Snap To=100\n"
                                          "no equals sign here\n"
                                          "Odd=x=y%0Az\n"
                                          "\n"
                                          "Other=1\n");
    ASSERT_TRUE(settings_store::Write("New", "v"));
    EXPECT_EQ(test::ReadNativeFile(path), "# written by hand\n"
                                          "Snap To=100\n"
                                          "no equals sign here\n"
                                          "Odd=x=y%0Az\n"
                                          "\n"
                                          "Other=1\n"
                                          "New=v\n");
    EXPECT_EQ(NativeNames(home.ConfigHome() + "/padforge"), std::vector<std::string>{"settings"});
}

TEST(SettingsStore, UnknownEscapesStayAsWritten) {
    EXPECT_EQ(settings_store::DecodeValue("%41%2"), "%41%2");
    EXPECT_EQ(settings_store::DecodeValue("%0a%0d%25%"), "\n\r%%");
    EXPECT_EQ(settings_store::EncodeValue("%\r\n"), "%25%0D%0A");
}

TEST(SettingsStore, WriteCreatesTheFolderAndLeavesNoTemporaryFile) {
    SandboxHome home;
    EXPECT_FALSE(home.Dir().Exists(".config"));
    ASSERT_TRUE(settings_store::Write("Map Source", "google"));
    ASSERT_TRUE(settings_store::Write("Map Source", "nasaworldwind"));
    EXPECT_EQ(NativeNames(home.ConfigHome() + "/padforge"), std::vector<std::string>{"settings"});
    EXPECT_EQ(test::ReadNativeFile(home.ConfigHome() + "/padforge/settings"),
              "Map Source=nasaworldwind\n");
}

TEST(SettingsStore, FolderThatCannotBeMadeFailsTheWrite) {
    SandboxHome home;
    // A file where the folder should be: the folder cannot be made, and the file stays.
    test::WriteNativeFile(home.ConfigHome() + "/padforge", "not a folder");
    EXPECT_FALSE(settings_store::Write("Grid Size", "20"));
    EXPECT_EQ(test::ReadNativeFile(home.ConfigHome() + "/padforge"), "not a folder");
    EXPECT_EQ(NativeNames(home.ConfigHome()), std::vector<std::string>{"padforge"});
}

TEST(SettingsStore, UnreadableFileIsNotReplaced) {
    SandboxHome home;
    const std::string folder = home.ConfigHome() + "/padforge";
    // A folder where the file should be cannot be read, and must not be overwritten.
    ASSERT_EQ(mkdir(home.ConfigHome().c_str(), 0755), 0);
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(mkdir((folder + "/settings").c_str(), 0755), 0);
    EXPECT_FALSE(settings_store::Write("Grid Size", "20"));
    std::string value;
    EXPECT_FALSE(settings_store::Read("Grid Size", value));
    EXPECT_EQ(NativeNames(folder), std::vector<std::string>{"settings"});
}

} // namespace
} // namespace pf
