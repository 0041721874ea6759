#include "app/edit_base_fixture.h"

#include "foundation/text.h"
#include "objects/astrel_object.h"
#include "platform/fs.h"
#include "support/tree_manifest.h"
#include "workspace/folders.h"

#include <algorithm>

namespace pf::test {
namespace {

const std::string kLoaded = "box Base successfully loaded into Astrel 2010";
const std::string kNoScenarios = kLoaded + "\r\nNo scenarios added";
const std::string kConfig = "added Config/Earth/Base/Port.cfg\n";
const std::string kTextures = "added Textures2/Earth_14_E4000_N2000.dds\n"
                              "added Textures2/Earth_14_E4001_N2000.dds\n";
const std::string kScenarios = "added Scenarios/Padforge/Port on Landing Pad.scn\n"
                               "added Scenarios/Padforge/Port on Runway.scn\n";
const std::string kNoTextures = "fail Couldn't find tile texture files.\r\n";
const std::vector<std::string> kConfigRefused = {"fail Couldn't make config file\r\n",
                                                 "fail Error in saving config"};

struct Road {
    const char* name;
    std::function<void(EditBaseSandbox&)> arrange;
    std::vector<std::string> shown;
    std::string added; // the simulator tree's new files, and those recorded
};

// A base of two tiles with a runway and a pad, which give two scenarios.
struct RoadSandbox : EditBaseSandbox {
    RoadSandbox() {
        AddTiles();
        for (int32_t type : {kTypeRunway, kTypeLpad1}) {
            base_.GetObjects().Add(AstrelObject(*AstrelObjectFactory::Create(type)));
        }
        base_.SaveToDocuments();
    }
};

TEST(EditBaseRoads, EachRoadEndsWithItsMessageAndItsFiles) {
    const auto folderAt = [](const char* relative) {
        return [=](EditBaseSandbox& t) { std::filesystem::create_directories(t.Docs(relative)); };
    };
    const Road roads[] = {
        {"success", [](EditBaseSandbox&) {}, {kLoaded}, kConfig + kScenarios + kTextures},
        {"no tiles",
         [](EditBaseSandbox& t) {
             t.base_.SetTiles(TileArray());
             t.base_.SetNeedsRendering(false);
         },
         {kLoaded},
         kConfig + kScenarios},
        {"no scenario folder",
         [](EditBaseSandbox& t) {
             t.sim_.Dir().WriteFile("Sim/Astrel.cfg",
                                    "ConfigDir = .\\Config\\\r\nHightexDir = "
                                    ".\\Textures2\\\r\nScenarioDir = "
                                    "..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\x\\\r\n");
         },
         {"fail Error parsing file string\r\n", "fail Unable to find path\r\n", kNoScenarios},
         kConfig + kTextures},
        {"scenario not written",
         folderAt("Port/Scenarios/Padforge/Port on Runway.scn"),
         {kNoScenarios},
         kConfig + kTextures},
        {"configuration not written", folderAt("Port/Config/Earth/Base/Port.cfg"), kConfigRefused,
         ""},
        {"render cancelled",
         [](EditBaseSandbox& t) {
             t.runners_.tileProgress = [](BaseDocument&, const std::string&) { return false; };
         },
         {},
         ""},
        {"suffix climbing out", [](EditBaseSandbox& t) { t.base_.SetConfigSuffix("..\\..\\"); },
         kConfigRefused, ""},
        {"configuration not copied",
         [](EditBaseSandbox& t) {
             std::filesystem::create_directories(t.Sim("Config/Earth/Base/Port.cfg"));
         },
         {"fail Error writing to file: <sim>Config/Earth/Base/Port.cfg. Is the directory "
          "protected?\r\n",
          "fail Error copying file: Earth\\Base\\Port.cfg", "box Sorry, couldn't copy cfg file"},
         ""},
        // Missing before anything is copied: nothing is.
        {"texture missing",
         [](EditBaseSandbox& t) {
             t.base_.SetNeedsRendering(false);
             t.base_.SetNeedsLoading(true);
         },
         {kNoTextures},
         ""},
        {"texture not copied",
         [](EditBaseSandbox& t) {
             std::filesystem::create_directories(t.Sim("Textures2/Earth_14_E4000_N2000.dds"));
         },
         {"fail Error writing to file: <sim>Textures2/Earth_14_E4000_N2000.dds. Is the "
          "directory protected?\r\n",
          "fail Error copying file: Earth_14_E4000_N2000.dds",
          "fail Couldn't copy tile texture files.\r\n"},
         kConfig},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        RoadSandbox fresh; // each road in a sandbox of its own
        road.arrange(fresh);
        const TreeManifest before = TreeManifest::Of(fresh.Sim(""));
        EditBaseLogic& logic = fresh.Logic();
        std::vector<std::string> shown = road.shown;
        for (std::string& text : shown) {
            ReplaceAllText(text, "<sim>", fresh.Sim(""));
        }
        fresh.Run([&] { return logic.OnBnClickedLoadBase(), true; }, shown);
        std::string added = before.DifferencesTo(TreeManifest::Of(fresh.Sim("")));
        EXPECT_EQ(added, road.added);
        // The record lists the files in the order installed, the tree by name.
        StringArray recorded = fresh.Recorded();
        std::sort(recorded.begin(), recorded.end());
        std::string lines;
        for (const std::string& file : recorded) {
            lines += "added " + file.substr(fresh.sim_.Root().size()) + "\n";
        }
        std::replace(lines.begin(), lines.end(), '\\', '/');
        EXPECT_EQ(lines, road.added);
        const bool loaded = !road.shown.empty() && road.shown.back().rfind(kLoaded, 0) == 0;
        EXPECT_EQ(logic.IsRemoveShown(), loaded);
        EXPECT_EQ(logic.IsLoadShown(), !loaded);
        if (loaded) {
            EXPECT_FALSE(logic.Document().GetNeedsLoading()) << "cleared in memory";
        }
    }
}

class EditBaseRoadTest : public ::testing::Test, public RoadSandbox {
  protected:
    using RoadSandbox::Run;
};

TEST_F(EditBaseRoadTest, LoadingAgainRemovesTheEarlierFilesFirst) {
    Run([&] { return Logic().OnBnClickedLoadBase(), true; },
        {"box Base successfully loaded into Astrel 2010"});
    EXPECT_NE(OwnFile().find("PFG_NEEDS_LOADING TRUE"), std::string::npos)
        << "saved by the next save";
    logic_->Document().RemoveTile(TileAttributes("Earth", 14, 4001, 2000));
    Run([&] { return logic_->OnBnClickedLoadBase(), true; },
        {"box Base successfully loaded into Astrel 2010"});
    EXPECT_TRUE(SimHas("Textures2/Earth_14_E4000_N2000.dds"));
    EXPECT_FALSE(SimHas("Textures2/Earth_14_E4001_N2000.dds"));
    EXPECT_EQ(Recorded().size(), 4u);
}

TEST_F(EditBaseRoadTest, LoadingAgainThatStopsBeforeCopyingKeepsTheInstalledBase) {
    Run([&] { return Logic().OnBnClickedLoadBase(), true; }, {kLoaded});
    std::string appData;
    ASSERT_TRUE(GetAppDataPath(appData));
    const std::string record = fs::ToNative(appData + kFileManagerFileName);
    const std::string work = "Port/Config/Earth/Base/Port.cfg";
    const struct {
        const char* name;
        std::function<void()> arrange;
        std::vector<std::string> shown;
    } stops[] = {
        {"render cancelled",
         [&] {
             logic_->Document().SetNeedsRendering(true);
             runners_.tileProgress = [](BaseDocument&, const std::string&) { return false; };
         },
         {}},
        {"configuration not written",
         [&] {
             logic_->Document().SetNeedsRendering(false);
             std::filesystem::remove(Docs(work));
             std::filesystem::create_directory(Docs(work));
         },
         kConfigRefused},
        {"texture missing",
         [&] {
             std::filesystem::remove(Docs(work));
             std::filesystem::remove(Docs("Port/Textures2/Earth_14_E4001_N2000.dds"));
         },
         {kNoTextures}},
    };
    for (const auto& stop : stops) {
        SCOPED_TRACE(stop.name);
        const TreeManifest before = TreeManifest::Of(Sim(""), true);
        const std::string recordBefore = ReadNativeFile(record);
        stop.arrange();
        Run([&] { return logic_->OnBnClickedLoadBase(), true; }, stop.shown);
        EXPECT_EQ(before.DifferencesTo(TreeManifest::Of(Sim(""), true)), "");
        EXPECT_EQ(ReadNativeFile(record), recordBefore);
    }
}

} // namespace
} // namespace pf::test
