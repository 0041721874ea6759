#include "workspace/settings.h"

#include "platform/settings_store.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace pf {
namespace {

using test::SandboxHome;
using test::ScriptedUi;

std::string SettingsFile(const SandboxHome& home) {
    return home.ConfigHome() + "/padforge/settings";
}

class SettingsTest : public ::testing::Test {
  protected:
    SandboxHome home_;
    ScriptedUi ui_;
};

struct StoredCase {
    std::optional<std::string> stored; // nullopt: absent
    bool as_bool;
    int as_int;
};

TEST_F(SettingsTest, StoredTextsReadAsBooleansAndIntegers) {
    const StoredCase cases[] = {
        {"TRUE", true, 0},
        {"tRuE", true, 0},
        {"true", true, 0},
        {"True ", false, 0},
        {"1", false, 1},
        {"yes", false, 0},
        {"-5", false, 0},
        {"12abc", false, 12},
        {"abc", false, 0},
        {"  42", false, 42},
        {"+7", false, 7},
        {"", false, 100},
        {"99999999999", false, INT_MAX},
        {"-99999999999", false, 0},
        {std::nullopt, false, 100},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.stored ? "\"" + *c.stored + "\"" : std::string("absent"));
        test::WriteNativeFile(SettingsFile(home_), "");
        if (c.stored) {
            WriteRegistryValue("Maximize Object Edit", *c.stored);
            WriteRegistryValue("Grid Size", *c.stored);
        }
        EXPECT_EQ(GetMaximizeObjectEdit(), c.as_bool);
        EXPECT_EQ(GetGridSize(), c.as_int);
    }
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(SettingsTest, DefaultsOfTheIntegerSettings) {
    EXPECT_EQ(GetGridSize(), 100);
    EXPECT_EQ(GetSnapTo(), 1);
    EXPECT_EQ(GetRotateBy(), 15);
    SetGridSize(250);
    SetSnapTo(5);
    SetRotateBy(-3);
    EXPECT_EQ(ReadRegistryValue("Grid Size"), "250");
    EXPECT_EQ(ReadRegistryValue("Snap To"), "5");
    EXPECT_EQ(ReadRegistryValue("Rotate By"), "-3");
    EXPECT_EQ(GetGridSize(), 250);
    EXPECT_EQ(GetSnapTo(), 5);
    EXPECT_EQ(GetRotateBy(), 0);
}

TEST_F(SettingsTest, NamesMatchWithTheirCase) {
    test::WriteNativeFile(SettingsFile(home_),
                          "grid size=7\nmaximize object edit=True\nmap source=nasaworldwind\n");
    EXPECT_EQ(GetGridSize(), 100);
    EXPECT_FALSE(GetMaximizeObjectEdit());
    EXPECT_TRUE(UseStaticMapService());
    EXPECT_EQ(ReadRegistryValue("Map Source"), "google");
    EXPECT_EQ(ReadRegistryValue("map source"), "nasaworldwind");
}

TEST_F(SettingsTest, ALongValueBeforeTheWantedOneDoesNotHideIt) {
    WriteRegistryValue("Documents Path", "\\" + std::string(300, 'x') + "\\");
    WriteRegistryValue("Grid Size", "42");
    EXPECT_EQ(GetGridSize(), 42);
    EXPECT_EQ(ReadRegistryValue("Documents Path").size(), 302u);
}

TEST_F(SettingsTest, AReadTextEndsAtItsFirstNul) {
    test::WriteNativeFile(SettingsFile(home_), std::string("Snap To=25\0"
                                                           "7\n",
                                                           13));
    EXPECT_EQ(ReadRegistryValue("Snap To"), "25");
    EXPECT_EQ(GetSnapTo(), 25);
}

TEST_F(SettingsTest, WriteBacksOnAFreshStore) {
    EXPECT_TRUE(UseStaticMapService());
    EXPECT_FALSE(GetDetectSmallBodies());
    EXPECT_EQ(ReadRegistryValue("Map Source"), "google");
    EXPECT_EQ(ReadRegistryValue("Detect Small Bodies"), "False");
    // The others are never written by a read.
    GetGridSize();
    GetShowObjectParameters();
    GetMaximizeObjectEdit();
    std::vector<std::pair<std::string, std::string>> all;
    ASSERT_TRUE(settings_store::ReadAll(all));
    EXPECT_EQ(all.size(), 2u);
}

TEST_F(SettingsTest, StoreOperations) {
    std::string out = "old";
    EXPECT_FALSE(ReadRegistryString("Nothing", out));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(WriteRegistryString("value", "Something"));
    EXPECT_TRUE(ReadRegistryString("Something", out));
    EXPECT_EQ(out, "value");

    EXPECT_EQ(ReadRegistryPath("Nothing"), "");
    WriteRegistryValue("P1", "\\x\\y");
    WriteRegistryValue("P2", "\\x\\y\\");
    WriteRegistryValue("P3", "/home/ann/Sim");
    EXPECT_EQ(ReadRegistryPath("P1"), "\\x\\y\\");
    EXPECT_EQ(ReadRegistryPath("P2"), "\\x\\y\\");
    EXPECT_EQ(ReadRegistryPath("P3"), "\\home\\ann\\Sim\\");

    out = "old";
    EXPECT_FALSE(ReadPathSetting("Nothing", out));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(ReadPathSetting("P1", out));
    EXPECT_EQ(out, "\\x\\y\\");
}

TEST_F(SettingsTest, WritePathSettingNeedsTheTrailingBackslash) {
    EXPECT_FALSE(WritePathSetting("\\x\\y", "Some Path"));
    EXPECT_EQ(ReadRegistryValue("Some Path"), "\\x\\y");
    EXPECT_TRUE(WritePathSetting("\\x\\y\\", "Some Path"));
    EXPECT_EQ(ReadRegistryValue("Some Path"), "\\x\\y\\");
    EXPECT_TRUE(WritePathSetting("", "Some Path"));
}

TEST_F(SettingsTest, DirectorySettingMakesOneMissingLevel) {
    test::TempDir dir;
    std::string out = "old";
    EXPECT_FALSE(ReadDirectorySetting("Work Path", out));
    EXPECT_EQ(out, "");

    WriteRegistryValue("Work Path", dir.InternalPath("made"));
    EXPECT_TRUE(ReadDirectorySetting("Work Path", out));
    EXPECT_EQ(out, dir.InternalPath("made\\"));
    EXPECT_TRUE(dir.Exists("made"));

    WriteRegistryValue("Work Path", dir.InternalPath("two\\levels\\"));
    EXPECT_FALSE(ReadDirectorySetting("Work Path", out));
    EXPECT_EQ(out, "");
    EXPECT_FALSE(dir.Exists("two"));

    dir.WriteFile("file", "x");
    WriteRegistryValue("Work Path", dir.InternalPath("file\\sub\\"));
    EXPECT_FALSE(ReadDirectorySetting("Work Path", out));
    EXPECT_EQ(ui_.Failures(),
              (std::vector<std::string>{"Path not valid.\r\n", "Path not valid.\r\n"}));
}

TEST_F(SettingsTest, ImageEditorSetting) {
    std::string folder = "x", exe = "y";
    EXPECT_FALSE(GetImageEditor(folder, exe));
    EXPECT_EQ(folder + exe, "");

    EXPECT_TRUE(SetImageEditor("\\usr\\bin\\", "gimp"));
    EXPECT_TRUE(GetImageEditor(folder, exe));
    EXPECT_EQ(folder, "\\usr\\bin\\");
    EXPECT_EQ(exe, "gimp\\");

    EXPECT_TRUE(SetImageEditor("", ""));
    EXPECT_FALSE(GetImageEditor(folder, exe));
    EXPECT_EQ(folder + exe, "");
}

TEST_F(SettingsTest, SelectImageEditorStoresTheChosenProgram) {
    ui_.AnswerNextPickFile("\\opt\\paint\\bin\\paint");
    EXPECT_TRUE(SelectImageEditor());
    ASSERT_EQ(ui_.FileChoices().size(), 1u);
    EXPECT_EQ(ui_.FileChoices()[0].filter, "All files (*)|*");
    EXPECT_EQ(ui_.FileChoices()[0].initial_folder, "\\usr\\bin\\");
    EXPECT_EQ(ReadRegistryValue("Image Editor Path"), "\\opt\\paint\\bin\\");
    EXPECT_EQ(ReadRegistryValue("Image Editor Exe"), "paint");

    // Cancelling changes nothing.
    ui_.AnswerNextPickFile(std::nullopt);
    EXPECT_FALSE(SelectImageEditor());
    EXPECT_EQ(ReadRegistryValue("Image Editor Exe"), "paint");

    // A name without a folder cannot be used.
    ui_.AnswerNextPickFile("paint2");
    EXPECT_FALSE(SelectImageEditor());
    EXPECT_EQ(ui_.Failures(), std::vector<std::string>{"Error parsing file string\r\n"});
    EXPECT_EQ(ReadRegistryValue("Image Editor Exe"), "paint");
}

} // namespace
} // namespace pf
