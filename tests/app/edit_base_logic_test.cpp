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

// One command, on an installed base or not, with the stand-in editor's answer (OK,
// changed): the notice, whether the own file was saved and what it holds, and the two
// install buttons afterwards.
struct CommandCase {
    void (EditBaseLogic::*command)();
    bool installed, ok, changed, notice, saved;
    const char* holds;
    bool load, remove;
};

TEST_F(EditBaseTest, CommandsSaveNoticeAndShowTheButtons) {
    using L = EditBaseLogic;
    const CommandCase cases[] = {
        {&L::OnBnClickedEditTiles, true, true, true, true, true, "\r\n14 4000 2000 1\r\n", true,
         true},
        {&L::OnBnClickedEditTiles, false, true, false, false, true, "\r\n14 4000 2000 1\r\n", true,
         false},
        {&L::OnBnClickedEditTiles, false, false, true, false, true, "", true, false},
        {&L::OnBnClickedEditObjects, true, true, true, true, true,
         "\r\nRUNWAY\r\n\tEND1 0 0 0\r\n\tEND2 0 0 0\r\nEND\r\nBLOCK\r\n", true, true},
        {&L::OnBnClickedEditObjects, true, true, false, false, true, "", false, true},
        {&L::OnBnClickedEditObjects, false, false, true, false, false, "", true, false},
        {&L::OnBnClickedEditNavBeacon, true, true, false, true, true, "", false, true},
        {&L::OnBnClickedEditNavBeacon, true, true, true, false, true, "\r\nVOR - 0 0 0\r\n", true,
         true},
        {&L::OnBnClickedRemoveBase, true, true, false, false, false, "", true, false},
        {&L::OnBnClickedExit, false, true, false, false, true, "", true, false},
    };
    const CommandCase* now = nullptr;
    runners_.editTiles = [&](BaseDocument&) {
        TileEditorResult result{now->ok, now->changed, TileArray()};
        result.tiles.Add(TileAttributes("Earth", 14, 4000, 2000));
        return result;
    };
    runners_.editObjects = [&](BaseDocument& base) {
        if (now->changed) { // a block, then a runway: sorting puts the runway first
            base.GetObjects().Add(AstrelObject(*AstrelObjectFactory::Create(kTypeBlock)));
            base.GetObjects().Add(AstrelObject(*AstrelObjectFactory::Create(kTypeRunway)));
        }
        return EditorResult{now->ok, now->changed};
    };
    runners_.navBeacon = [&](BaseDocument& base) {
        if (now->changed) {
            base.GetBeacons().resize(1);
        }
        return now->ok;
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(&c - cases);
        now = &c;
        EditBaseLogic& logic = Logic();
        if (c.installed) {
            Run([&] { return logic.LoadBaseIntoAstrel(); }, {kLoaded});
            logic.Document().SetNeedsLoading(false); // as the load command does
        }
        logic.OnInitDialog();
        EXPECT_EQ(logic.IsRemoveShown(), c.installed);
        std::filesystem::remove(Docs("Port.txt"));
        Run([&] { return (logic.*c.command)(), true; },
            c.notice ? std::vector<std::string>{kNotice} : std::vector<std::string>{});
        EXPECT_EQ(std::filesystem::exists(Docs("Port.txt")), c.saved);
        EXPECT_NE(OwnFile().find(c.holds), std::string::npos) << OwnFile();
        EXPECT_EQ(logic.IsLoadShown(), c.load);
        EXPECT_EQ(logic.IsRemoveShown(), c.remove);
        EXPECT_EQ(SimHas("Config/Earth/Base/Port.cfg"), c.remove);
        FileManager::Instance().UninstallBaseFromAstrel("Earth\\Base\\Port.cfg");
    }
    // Without a stored simulator folder the remove button is hidden; whether the
    // simulator holds the same text asks for the folder.
    Run([&] { return Logic().LoadBaseIntoAstrel(); }, {kLoaded});
    WriteRegistryValue("Astrel 2010 Path", "");
    Run([&] { return logic_->OnInitDialog(), true; },
        {"box Sorry, unable to find the path for \"Astrel 2010\""});
    EXPECT_FALSE(logic_->IsRemoveShown());
}

} // namespace
} // namespace pf::test
