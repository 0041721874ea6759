#include "app/ui/edit_base_dlg.h"

#include "app/ui/add_tiles_dlg.h"
#include "foundation/text.h"

#include "app/edit_base_fixture.h"
#include "app/ui/nav_beacon_dlg.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "support/ui/expect_script.h"

namespace pf::test {
namespace {

bool Shown(wxWindow* dlg, int id) { return dlg->FindWindow(id)->IsShown(); }

class EditBaseDlgTest : public ::testing::Test, public EditBaseSandbox {
  protected:
    EditBaseDlgTest() : previous_(SetUiHooks(&hooks_)) {}
    ~EditBaseDlgTest() override { SetUiHooks(previous_); }

    WxUiHooks hooks_;
    UiHooks* previous_;
};

TEST_F(EditBaseDlgTest, BeaconThenLoadThenEsc) {
    EditBaseDlg dlg(base_, nullptr);
    std::string beforeEsc;
    int result = 0;
    wxTEST_DIALOG(
        result = dlg.ShowModal(), ExpectScript<EditBaseDlg>([&](EditBaseDlg* d) {
            EXPECT_EQ(d->GetTitle(), "Port");
            EXPECT_TRUE(Shown(d, EditBaseLogic::kLoadBase));
            EXPECT_FALSE(Shown(d, EditBaseLogic::kRemoveBase));
            PressButton(d, EditBaseLogic::kEditNavBeacon);
            EXPECT_NE(OwnFile().find("VOR AB -80.6 28.5 112.5"), std::string::npos);
            PressButton(d, EditBaseLogic::kLoadBase);
            EXPECT_FALSE(Shown(d, EditBaseLogic::kLoadBase));
            EXPECT_TRUE(Shown(d, EditBaseLogic::kRemoveBase));
            beforeEsc = OwnFile();
            PressEscape(d);
        }),
        ExpectScript<NavBeaconDlg>([](NavBeaconDlg* beacon) {
            SetEditText(beacon, NavBeaconLogic::kIdentifier, "ab");
            SetEditText(beacon, NavBeaconLogic::kFrequency, "112.5");
            PressButton(beacon, wxID_OK);
        }),
        ExpectMessageBox("Base successfully loaded into Astrel 2010", "Success", wxICON_NONE));
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(OwnFile(), beforeEsc) << "Esc saves nothing";
    EXPECT_TRUE(SimHas("Config/Earth/Base/Port.cfg"));
}

TEST_F(EditBaseDlgTest, EditTilesOpensTheTileListEditor) {
    const TileAttributes tile = TileAttributes::FromPosition("Earth", 1, base_.GetPosition());
    ASSERT_TRUE(TileTextureFile(tile, false).SetImage(BitmapData(512, 512, 24)));
    EditBaseDlg dlg(base_, nullptr);
    wxTEST_DIALOG(dlg.ShowModal(), ExpectScript<EditBaseDlg>([](EditBaseDlg* d) {
                      PressButton(d, EditBaseLogic::kEditTiles);
                      PressEscape(d);
                  }),
                  ExpectScript<AddTilesDlg>([&](AddTilesDlg* tiles) {
                      EXPECT_EQ(tiles->GetTitle(), "Tile List Editor: Port");
                      tiles->GetLogic().AddTileToBase(tile);
                      PressButton(tiles, wxID_OK);
                  }));
    EXPECT_NE(OwnFile().find(FormatString("\r\n1 %d %d 1\r\n", tile.GetX(), tile.GetY())),
              std::string::npos);
}

} // namespace
} // namespace pf::test
