#include "app/edit_base_fixture.h"

#include "objects/astrel_object.h"
#include "support/file_size_limit.h"
#include "workspace/settings.h"

namespace pf::test {
namespace {

const std::string kNotice =
    "box FYI: You have to reload the base into astrel for changes to take effect.";
const std::string kLoaded = "box Base successfully loaded into Astrel 2010";

TEST_F(EditBaseTest, NeedsLoadingUntilTheSimulatorHoldsTheSameText) {
    const std::function<void(BaseDocument&)> needing[] = {
        [](BaseDocument& base) { base.SetNeedsRendering(true); },
        [](BaseDocument& base) { base.SetNeedsLoading(true); },
        [](BaseDocument&) {}, // never installed
        [this](BaseDocument&) {
            std::filesystem::remove_all(sim_.Dir().NativePath(".local/share/Padforge"));
            sim_.Dir().WriteFile(".local/share/Padforge", "a file");
        },
    };
    for (const auto& arrange : needing) {
        BaseDocument base = base_;
        arrange(base);
        EditBaseLogic logic(base, runners_);
        EXPECT_TRUE(logic.NeedsLoading());
    }
    // Only the folder that cannot be made says so.
    EXPECT_EQ(sim_.Ui().Failures(), std::vector<std::string>{"Can't make path\r\n"});
    sim_.Ui().Clear();
    std::filesystem::remove(sim_.Dir().NativePath(".local/share/Padforge"));
    sim_.Dir().WriteFile("Sim/Config/Earth/Base/Port.cfg", WrittenText(base_, false));
    EditBaseLogic& logic = Logic();
    EXPECT_FALSE(logic.NeedsLoading());
    logic.Document().GetBeacons().resize(1);
    EXPECT_TRUE(logic.NeedsLoading());
    EXPECT_TRUE(sim_.Ui().Calls().empty());
}

TEST_F(EditBaseTest, StatisticsNameTheConfigurationFile) {
    Logic().OnInitDialog();
    EXPECT_EQ(logic_->GetTitle(), "Port");
    EXPECT_EQ(logic_->GetStats(), "Name: Port\r\nCelestial Body: Earth\r\nPosition: -80.6\xB0 Lon, "
                                  "28.5\xB0 Lat\r\nFile Name: Earth\\Base\\Port.cfg ");
}

TEST_F(EditBaseTest, ForceRenderReplacesEveryTextureAndWritesTheConfiguration) {
    AddTiles();
    sim_.Dir().WriteFile("Documents/Padforge/Port/Textures2/old.dds", "old");
    Run([&] { return Logic().OnBnClickedForceRender(), true; }, {});
    EXPECT_EQ(NativeNames(Docs("Port/Textures2")).size(), 2u);
    EXPECT_FALSE(sim_.Dir().Exists("Documents/Padforge/Port/Textures2/old.dds"));
    EXPECT_FALSE(logic_->Document().GetNeedsRendering());
    EXPECT_EQ(ReadNativeFile(Docs("Port/Config/Earth/Base/Port.cfg")), WrittenText(base_, false));

    std::filesystem::remove(Docs("Port/Config/Earth/Base/Port.cfg"));
    runners_.tileProgress = [](BaseDocument&, const std::string&) -> bool {
        throw std::runtime_error("render");
    };
    Run([&] { return Logic().OnBnClickedForceRender(), true; },
        {"fail Unspecified error in makeDDSTileTextureFiles\r\n"});
    EXPECT_TRUE(std::filesystem::exists(Docs("Port/Config/Earth/Base/Port.cfg")));
    EXPECT_TRUE(logic_->IsLoadShown());

    ScopedFileSizeLimit limit(10);
    ASSERT_TRUE(limit.IsSet());
    Run([&] { return logic_->OnBnClickedCreateConfig(), true; },
        {"fail Couldn't make config file\r\n", "fail Error in saving config"});
}

// One command on the base, installed or not, with what the stand-in dialog answers: the
// boxes shown, whether the own file changed, and the two install buttons afterwards.
struct CommandCase {
    const char* name;
    bool installed;
    std::function<void(EditBaseTest&, DialogRunners&)> answer;
    void (EditBaseLogic::*command)();
    std::vector<std::string> shown;
    const char* ownFileHolds; // null: the own file must stay as it was
    bool loadShown;
    bool removeShown;
};

TEST_F(EditBaseTest, CommandsSaveNoticeAndShowTheButtons) {
    const TileAttributes tile("Earth", 14, 4000, 2000);
    TileArray tiles;
    tiles.Add(tile);
    const auto answerTiles = [&](bool ok, bool changed) {
        return [=](EditBaseTest&, DialogRunners& r) {
            r.editTiles = [=](BaseDocument&) { return TileEditorResult{ok, changed, tiles}; };
        };
    };
    const auto answerObjects = [](bool ok, bool changed) {
        return [=](EditBaseTest&, DialogRunners& r) {
            r.editObjects = [=](BaseDocument& base) {
                if (changed) { // a block, then a runway: sorting puts the runway first
                    base.GetObjects().Add(AstrelObject(*AstrelObjectFactory::Create(kTypeBlock)));
                    base.GetObjects().Add(AstrelObject(*AstrelObjectFactory::Create(kTypeRunway)));
                }
                return EditorResult{ok, changed};
            };
        };
    };
    const auto answerBeacon = [](bool change) {
        return [=](EditBaseTest&, DialogRunners& r) {
            r.navBeacon = [=](BaseDocument& base) {
                if (change) {
                    base.GetBeacons().resize(1);
                }
                return true;
            };
        };
    };
    const auto nothing = [](EditBaseTest&, DialogRunners&) {};
    const CommandCase cases[] = {
        {"tiles changed",
         true,
         answerTiles(true, true),
         &EditBaseLogic::OnBnClickedEditTiles,
         {kNotice},
         "14 4000 2000",
         true,
         true},
        {"tiles unchanged",
         false,
         answerTiles(true, false),
         &EditBaseLogic::OnBnClickedEditTiles,
         {},
         "14 4000 2000",
         true,
         false},
        {"tiles cancelled",
         false,
         answerTiles(false, true),
         &EditBaseLogic::OnBnClickedEditTiles,
         {},
         nullptr,
         true,
         false},
        {"objects changed",
         true,
         answerObjects(true, true),
         &EditBaseLogic::OnBnClickedEditObjects,
         {kNotice},
         "RUNWAY\r\n\tEND1 0 0 0\r\n\tEND2 0 0 0\r\nEND\r\nBLOCK",
         true,
         true},
        {"objects unchanged",
         true,
         answerObjects(true, false),
         &EditBaseLogic::OnBnClickedEditObjects,
         {},
         nullptr,
         false,
         true},
        {"objects cancelled",
         false,
         answerObjects(false, false),
         &EditBaseLogic::OnBnClickedEditObjects,
         {},
         nullptr,
         true,
         false},
        {"no structure editor",
         false,
         nothing,
         &EditBaseLogic::OnBnClickedEditObjects,
         {},
         nullptr,
         true,
         false},
        {"beacon unchanged",
         true,
         answerBeacon(false),
         &EditBaseLogic::OnBnClickedEditNavBeacon,
         {kNotice},
         nullptr,
         false,
         true},
        {"beacon changed",
         true,
         answerBeacon(true),
         &EditBaseLogic::OnBnClickedEditNavBeacon,
         {},
         "BEGIN_NAVBEACON\r\nVOR - 0 0 0",
         true,
         true},
        {"remove", true, nothing, &EditBaseLogic::OnBnClickedRemoveBase, {}, nullptr, true, false},
        {"exit",
         false,
         nothing,
         &EditBaseLogic::OnBnClickedExit,
         {},
         "PFG_NEEDS_LOADING FALSE",
         true,
         false},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        base_.SaveToDocuments();
        runners_ = DialogRunners();
        EditBaseLogic& logic = Logic();
        if (c.installed) {
            Run([&] { return logic.LoadBaseIntoAstrel(); }, {kLoaded});
            // What an install leaves: loading cleared in memory, the own file saved apart.
            logic.Document().SetNeedsLoading(false);
            base_.SaveToDocuments();
        }
        logic.OnInitDialog();
        EXPECT_EQ(logic.IsRemoveShown(), c.installed);
        const std::string before = OwnFile();
        c.answer(*this, runners_);
        Run([&] { return (logic.*c.command)(), true; }, c.shown);
        if (c.ownFileHolds != nullptr) {
            EXPECT_NE(OwnFile().find(c.ownFileHolds), std::string::npos) << OwnFile();
        } else {
            EXPECT_EQ(OwnFile(), before);
        }
        EXPECT_EQ(logic.IsLoadShown(), c.loadShown);
        EXPECT_EQ(logic.IsRemoveShown(), c.removeShown);
        EXPECT_EQ(SimHas("Config/Earth/Base/Port.cfg"), c.removeShown);
        FileManager::Instance().UninstallBaseFromAstrel("Earth\\Base\\Port.cfg");
    }
}

TEST_F(EditBaseTest, WithoutAStoredSimulatorFolderRemoveIsHidden) {
    Run([&] { return Logic().LoadBaseIntoAstrel(); }, {kLoaded});
    WriteRegistryValue("Astrel 2010 Path", "");
    // Whether the simulator holds the same text asks for its folder.
    Run([&] { return Logic().OnInitDialog(), true; },
        {"box Sorry, unable to find the path for \"Astrel 2010\""});
    EXPECT_FALSE(logic_->IsRemoveShown());
}

} // namespace
} // namespace pf::test
