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

TEST_F(ConfigurationLogicTest, InitialisationAndTheSwitchesWriteTheirSettings) {
    // Stored map source: index shown and value written back.
    const std::tuple<const char*, int, const char*> cases[] = {
        {"", 0, "google"}, {"nasaworldwind", 1, "nasaworldwind"}, {"bing", 1, "nasaworldwind"}};
    for (const auto& [stored, index, written] : cases) {
        WriteRegistryValue("Map Source", stored);
        ConfigurationLogic logic;
        EXPECT_EQ(logic.OnInitDialog(), sandbox_.Root());
        EXPECT_EQ(logic.mapSourceIndex, index);
        EXPECT_EQ(ReadRegistryValue("Map Source"), written);
    }
    EXPECT_EQ(ReadRegistryValue("Detect Small Bodies"), "False");
    WriteRegistryValue("Astrel 2010 Path", "");
    // The refused default candidate is shown.
    EXPECT_EQ(ConfigurationLogic().OnInitDialog(), GetMyDocumentsFolder() + "Astrel2010\\");

    // A click on the chosen radio writes nothing.
    WriteRegistryValue("Map Source", "");
    ConfigurationLogic logic;
    logic.OnInitDialog();
    WriteRegistryValue("Map Source", "GOOGLE");
    logic.OnUseStaticMap();
    EXPECT_EQ(ReadRegistryValue("Map Source"), "GOOGLE");
    logic.OnUseWmsMap();
    EXPECT_EQ(ReadRegistryValue("Map Source"), "nasaworldwind");
    logic.OnUseStaticMap();
    EXPECT_EQ(ReadRegistryValue("Map Source"), "google");
    logic.OnSmallBodiesClicked(true);
    EXPECT_EQ(ReadRegistryValue("Detect Small Bodies"), "True");
}

TEST_F(ConfigurationLogicTest, ClearCacheDeletesTheCachedImagesOnly) {
    const test::TempDir& dir = sandbox_.Dir();
    const std::string cache = fs::ToNative(sandbox_.CacheFolder().substr(dir.Internal().size()));
    const std::vector<std::string> gone = {"googlemaps/12_34.jpg", "Body/Earth_5_3.jpg",
                                           "Meshes/view.png", "Meshes/mesh.dat"};
    const std::vector<std::string> stay = {"Meshes/tool.exe", "Earth_12_1_2.jpg"};
    for (const std::string& file : gone)
        dir.WriteFile(cache + file, "x");
    for (const std::string& file : stay)
        dir.WriteFile(cache + file, "x");
    ConfigurationLogic().OnClearCache();
    for (const std::string& file : gone)
        EXPECT_FALSE(dir.Exists(cache + file)) << file;
    for (const std::string& file : stay)
        EXPECT_TRUE(dir.Exists(cache + file)) << file;
    EXPECT_FALSE(dir.Exists(cache + "googlemaps"));
    EXPECT_FALSE(dir.Exists(cache + "Body"));
}

TEST_F(ConfigurationLogicTest, SetImageEditorOffersAMenuOnceOneIsStored) {
    test::ScriptedUi& ui = sandbox_.Ui();
    ConfigurationLogic logic;
    std::string folder, exe;
    ui.AnswerNextPickFile("\\usr\\bin\\pictedit");
    logic.OnSetImageEditor(nullptr, 5, 6);
    EXPECT_TRUE(ui.MenuRequests().empty());
    ASSERT_TRUE(GetImageEditor(folder, exe));

    // Menu answer: whether the file chooser comes, whether an editor stays stored.
    const std::tuple<int, bool, bool> cases[] = {
        {0, false, true}, {10001, true, true}, {10002, false, false}};
    for (const auto& [command, picks, stored] : cases) {
        ui.Clear();
        ui.AnswerNextMenu(command);
        if (picks)
            ui.AnswerNextPickFile(std::nullopt);
        logic.OnSetImageEditor(nullptr, 40, 17);
        ASSERT_EQ(ui.MenuRequests().size(), 1u);
        const test::ScriptedUi::MenuRequest& menu = ui.MenuRequests()[0];
        EXPECT_EQ(menu.title, "");
        EXPECT_EQ(menu.options,
                  (StringArray{"Select image editor .exe file", "Use system's default editor"}));
        EXPECT_EQ(std::make_pair(menu.x, menu.y), std::make_pair(40, 17));
        EXPECT_EQ(ui.Calls().size(), picks ? 2u : 1u);
        EXPECT_EQ(GetImageEditor(folder, exe), stored);
    }
    EXPECT_EQ(ReadRegistryValue("Image Editor Path") + ReadRegistryValue("Image Editor Exe"), "");
}

} // namespace
} // namespace pf
