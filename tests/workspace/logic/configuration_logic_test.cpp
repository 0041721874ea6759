#include "workspace/logic/configuration_logic.h"

#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

class ConfigurationLogicTest : public ::testing::Test {
  protected:
    test::SimulatorSandbox sandbox_;
};

TEST_F(ConfigurationLogicTest, InitialisationWritesDefaultsAndTheMapSource) {
    struct Case {
        const char* stored; // nullptr: missing
        int index;
        const char* written;
    };
    const Case cases[] = {
        {nullptr, 0, "google"},
        {"GOOGLE", 0, "google"},
        {"nasaworldwind", 1, "nasaworldwind"},
        {"bing", 1, "nasaworldwind"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "missing");
        WriteRegistryValue("Map Source", c.stored ? c.stored : "");
        WriteRegistryValue("Detect Small Bodies", "");
        ConfigurationLogic logic;
        EXPECT_EQ(logic.OnInitDialog(), sandbox_.Root());
        EXPECT_EQ(logic.mapSourceIndex, c.index);
        EXPECT_EQ(ReadRegistryValue("Map Source"), c.written);
        EXPECT_EQ(ReadRegistryValue("Detect Small Bodies"), "False");
        EXPECT_FALSE(logic.smallBodies);
    }
    WriteRegistryValue("Astrel 2010 Path", "");
    // The refused default candidate is shown.
    EXPECT_EQ(ConfigurationLogic().OnInitDialog(), GetMyDocumentsFolder() + "Astrel2010\\");
}

TEST_F(ConfigurationLogicTest, RadiosWriteOnlyWhenTheySwitch) {
    ConfigurationLogic logic;
    logic.OnInitDialog();
    WriteRegistryValue("Map Source", "GOOGLE");
    logic.OnUseStaticMap();
    EXPECT_EQ(ReadRegistryValue("Map Source"), "GOOGLE");
    logic.OnUseWmsMap();
    EXPECT_EQ(ReadRegistryValue("Map Source"), "nasaworldwind");
    EXPECT_EQ(logic.mapSourceIndex, 1);
    WriteRegistryValue("Map Source", "NASAWORLDWIND");
    logic.OnUseWmsMap();
    EXPECT_EQ(ReadRegistryValue("Map Source"), "NASAWORLDWIND");
    logic.OnUseStaticMap();
    EXPECT_EQ(ReadRegistryValue("Map Source"), "google");
    EXPECT_EQ(logic.mapSourceIndex, 0);

    logic.OnSmallBodiesClicked(true);
    EXPECT_EQ(ReadRegistryValue("Detect Small Bodies"), "True");
    logic.OnSmallBodiesClicked(false);
    EXPECT_EQ(ReadRegistryValue("Detect Small Bodies"), "False");
}

TEST_F(ConfigurationLogicTest, ClearCacheDeletesTheCachedImagesOnly) {
    const std::string cache = sandbox_.CacheFolder();
    const test::TempDir& dir = sandbox_.Dir();
    const std::string base = cache.substr(dir.Internal().size());
    auto native = [&](const std::string& relative) { return fs::ToNative(base) + relative; };
    const std::vector<std::string> gone = {"googlemaps/12_34.jpg", "googlemaps/12_35.jpg",
                                           "Body/Earth_5_3.jpg", "Meshes/view.png",
                                           "Meshes/mesh.dat"};
    const std::vector<std::string> stay = {"Meshes/tool.exe", "Earth_12_1_2.jpg"};
    for (const std::string& file : gone)
        dir.WriteFile(native(file), "x");
    for (const std::string& file : stay)
        dir.WriteFile(native(file), "x");
    ConfigurationLogic().OnClearCache();
    for (const std::string& file : gone)
        EXPECT_FALSE(dir.Exists(native(file))) << file;
    for (const std::string& file : stay)
        EXPECT_TRUE(dir.Exists(native(file))) << file;
    EXPECT_FALSE(dir.Exists(native("googlemaps")));
    EXPECT_FALSE(dir.Exists(native("Body")));
    EXPECT_TRUE(dir.Exists(native("")));
}

TEST_F(ConfigurationLogicTest, SetImageEditorOffersAMenuOnceOneIsStored) {
    test::ScriptedUi& ui = sandbox_.Ui();
    ConfigurationLogic logic;
    ui.AnswerNextPickFile("\\usr\\bin\\pictedit");
    logic.OnSetImageEditor(nullptr, 5, 6);
    EXPECT_TRUE(ui.MenuRequests().empty());
    std::string folder, exe;
    ASSERT_TRUE(GetImageEditor(folder, exe));
    EXPECT_EQ(folder + exe, "\\usr\\bin\\pictedit\\");

    struct Case {
        int command;
        bool picks;
        bool stored_after;
    };
    const Case cases[] = {{0, false, true}, {10001, true, true}, {10002, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        ui.Clear();
        ui.AnswerNextMenu(c.command);
        if (c.picks)
            ui.AnswerNextPickFile(std::nullopt);
        logic.OnSetImageEditor(nullptr, 40, 17);
        ASSERT_EQ(ui.MenuRequests().size(), 1u);
        const test::ScriptedUi::MenuRequest& menu = ui.MenuRequests().back();
        EXPECT_EQ(menu.title, "");
        EXPECT_EQ(menu.options,
                  (StringArray{"Select image editor .exe file", "Use system's default editor"}));
        EXPECT_EQ(menu.x, 40);
        EXPECT_EQ(menu.y, 17);
        EXPECT_EQ(ui.Calls().size(), c.picks ? 2u : 1u);
        EXPECT_EQ(GetImageEditor(folder, exe), c.stored_after);
    }
    EXPECT_EQ(ReadRegistryValue("Image Editor Path"), "");
    EXPECT_EQ(ReadRegistryValue("Image Editor Exe"), "");
}

} // namespace
} // namespace pf
