#include "app/ui/base_name_position_dlg.h"

#include "app/logic/dialog_runners.h"
#include "app/ui/basic_map_dlg.h"
#include "imagery/jpeg_file.h"
#include "support/fake_clock.h"
#include "support/loopback_server.h"
#include "support/simulator_sandbox.h"
#include "support/ui/expect_script.h"
#include "tiles/map_download.h"
#include "tiles/map_service.h"
#include "workspace/folders.h"

#include <wx/choice.h>

namespace pf::test {
namespace {

TEST(BaseNamePositionDlgTest, FindOnMapFillsThePositionAndOkGivesTheBase) {
    SimulatorSandbox sim;
    FakeClock clock;
    LoopbackServer server;
    server.SetDefaultReply(LoopbackServer::HttpReply("", "404 Not Found"));
    ScopedEnv host(kStaticMapHostVariable, server.HostText());
    sim.Dir().WriteFile("Sim/Config/Earth.cfg", "Name = Earth\r\nSize = 6371010\r\nMass = "
                                                "5.973698968e24\r\nBEGIN_SURFBASE\r\ndir "
                                                "Earth\\Base\r\nEND_SURFBASE\r\n");
    std::string cache;
    ASSERT_TRUE(GetMapCachePath(cache));
    ASSERT_TRUE(SaveBitmapAsJpeg(BitmapData(512, 512, 24),
                                 cache + CachedMapName("roadmap", 3, LatLon(0.0, 0.0))));
    MapZoom panned;
    panned.ShiftCentreEast(128);
    const std::string east =
        FieldTextPreciseFloat(static_cast<float>(panned.GetCentre().GetLongitude()));

    std::optional<NewBaseRequest> request;
    wxTEST_DIALOG(request = RunBaseNamePositionDlg(),
                  ExpectScript<BaseNamePositionDlg>([&](BaseNamePositionDlg* dlg) {
                      auto* bodies = dynamic_cast<wxChoice*>(dlg->FindWindow(1136));
                      ASSERT_NE(bodies, nullptr);
                      EXPECT_EQ(bodies->GetStringSelection(), "Earth");
                      EXPECT_FALSE(dlg->FindWindow(1137)->IsShown());
                      EXPECT_FALSE(dlg->FindWindow(1151)->IsShown());
                      Edit(dlg, 1018)->SetValue("Bay"); // as typed: the name follows
                      PressButton(dlg, 1020);
                      EXPECT_EQ(EditText(dlg, 1001), east);
                      PressButton(dlg, wxID_OK);
                  }),
                  ExpectScript<BasicMapDlg>([](BasicMapDlg* map) {
                      PressButton(map, BasicMapLogic::kRight);
                      PressButton(map, wxID_OK);
                  }));
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->name, "Bay");
    EXPECT_EQ(FieldTextPreciseFloat(request->longitude), east);

    wxTEST_DIALOG(request = RunBaseNamePositionDlg(),
                  ExpectScript<BaseNamePositionDlg>(
                      [](BaseNamePositionDlg* dlg) { PressButton(dlg, wxID_CANCEL); }));
    EXPECT_FALSE(request.has_value());
}

} // namespace
} // namespace pf::test
