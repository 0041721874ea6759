// The main road, as a person walks it on a copy of the sample simulator tree: a new base
// south of the equator with one object of every type, a beacon and four tiles, rendered,
// installed, viewed, removed, installed again, read back and deleted. Every file the road
// writes into the tree is checked once, here.
#include "e2e/ui/road_fixture.h"

#include "app/ui/base_name_position_dlg.h"
#include "app/ui/basic_map_dlg.h"
#include "support/image_fixtures.h"
#include "support/loopback_server.h"
#include "support/tile_test_images.h"
#include "support/ui/map_mouse.h"
#include "tiles/map_service.h"

#include <filesystem>

namespace pf::test {
namespace {

using NameLogic = BaseNamePositionLogic;

// Where the person clicks on the Earth map picker: south of the equator, west of Greenwich.
const LatLon kPicked(-12.3, -8.6);

class MainRoad : public RoadFixture {
  protected:
    MainRoad()
        : server_(64, 110000), mapHost_(kStaticMapHostVariable, server_.HostText()),
          wmsHost_(kWmsHostVariable, server_.HostText()) {
        server_.SetDefaultReply(LoopbackServer::HttpReply(FlatJpeg(512, 512, Rgb(40, 120, 60))));
    }

    // 1. Make New Base: "Road Test" on Earth in the default directory, placed on the map.
    void MakeNewBase() {
        wxTEST_DIALOG(Press(CTerrafixDlg::ID_MAKE_NEW_BASE),
                      ExpectScript<BaseNamePositionDlg>([](BaseNamePositionDlg* dlg) {
                          Edit(dlg, NameLogic::kName)->SetValue("Road Test");
                          auto* directories =
                              dynamic_cast<wxChoice*>(dlg->FindWindow(NameLogic::kDirectoryList));
                          ASSERT_NE(directories, nullptr);
                          EXPECT_EQ(
                              wxJoin(directories->GetStrings(), '|'),
                              "Earth\\Base\\ (default) |Earth\\Historic\\ CONTEXT Apollo PERIOD "
                              "40000 41000");
                          SelectChoice(dlg, NameLogic::kDirectoryList, 0);
                          PressButton(dlg, NameLogic::kFindOnMap);
                          PressButton(dlg, wxID_OK);
                      }),
                      ExpectScript<BasicMapDlg>([](BasicMapDlg* map) {
                          ClickMapAt(PickerView(map), kPicked);
                          PressButton(map, wxID_OK);
                      }));
        EXPECT_EQ(ListedBases(), std::vector<std::string>{"Earth\\Road Test"});
        EXPECT_TRUE(std::filesystem::exists(Docs("Road Test.txt")));
    }

    LoopbackServer server_;
    ScopedEnv mapHost_;
    ScopedEnv wmsHost_;
};

TEST_F(MainRoad, MakeEditRenderInstallViewRemoveReadBackDelete) {
    const TreeManifest fresh = Manifest();
    MakeNewBase();
    EXPECT_EQ(fresh.DifferencesTo(Manifest()), "");
}

} // namespace
} // namespace pf::test
