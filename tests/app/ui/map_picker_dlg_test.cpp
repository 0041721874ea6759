#include "app/ui/basic_map_dlg.h"
#include "app/ui/body_map_dlg.h"

#include "foundation/ui/wx_text.h"
#include "imagery/jpeg_file.h"
#include "support/fake_clock.h"
#include "support/loopback_server.h"
#include "support/planet_archive_files.h"
#include "support/simulator_sandbox.h"
#include "support/ui/expect_script.h"
#include "tiles/map_download.h"
#include "tiles/map_service.h"
#include "workspace/folders.h"

#include <wx/button.h>

namespace pf::test {
namespace {

wxString Label(wxWindow* dlg, int id) {
    wxWindow* window = dlg->FindWindow(id);
    return window != nullptr ? window->GetLabel() : wxString();
}

class MapPickerDlgTest : public ::testing::Test {
  protected:
    MapPickerDlgTest() : host_(kStaticMapHostVariable, server_.HostText()) {
        server_.SetDefaultReply(LoopbackServer::HttpReply("", "404 Not Found"));
    }

    SimulatorSandbox sim_;
    FakeClock clock_;
    LoopbackServer server_{16};
    ScopedEnv host_;
};

TEST_F(MapPickerDlgTest, EarthMapRecentresOnAClick) {
    const LatLon start(-122.0, 37.0);
    std::string cache;
    ASSERT_TRUE(GetMapCachePath(cache));
    BitmapData map(512, 512, 24);
    ASSERT_TRUE(SaveBitmapAsJpeg(map, cache + CachedMapName("roadmap", 3, start)));
    std::optional<LatLon> chosen;
    LatLon expected;
    wxTEST_DIALOG(chosen = RunBasicMapDlg(start, "Earth"),
                  ExpectScript<BasicMapDlg>([&](BasicMapDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Map");
                      EXPECT_EQ(server_.Connections(), 0) << "the cached map needs no request";
                      EXPECT_EQ(Label(dlg, BasicMapLogic::kToggle), BasicMapLogic::kToSatellite);
                      EXPECT_EQ(Label(dlg, wxID_OK), ToWx(MapOkCaption(start)));
                      BasicMapLogic& logic = dlg->Logic();
                      const int x = logic.ImageLeft() + 384;
                      const int y = logic.ImageTop() + 256;
                      expected = logic.PixelToLatLon(384, 256);
                      SendMouse(dlg, wxEVT_LEFT_DOWN, x, y);
                      SendMouse(dlg, wxEVT_LEFT_UP, x, y);
                      EXPECT_EQ(server_.Connections(), 1);
                      EXPECT_EQ(Label(dlg, wxID_OK), ToWx(MapOkCaption(expected)));
                      PressButton(dlg, wxID_OK);
                  }));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->GetLongitude(), expected.GetLongitude());
    EXPECT_EQ(chosen->GetLatitude(), expected.GetLatitude());
    wxTEST_DIALOG(chosen = RunBasicMapDlg(start, "Earth"),
                  ExpectScript<BasicMapDlg>([](BasicMapDlg* dlg) { PressEscape(dlg); }));
    EXPECT_FALSE(chosen.has_value());
}

TEST_F(MapPickerDlgTest, BodyMapClickSelectsAndCancelDropsIt) {
    sim_.Dir().WriteFile("Sim/Textures/Moon.tex", MakeArchiveBytes(4));
    std::optional<LatLon> chosen = LatLon(1.0, 1.0);
    wxTEST_DIALOG(chosen = RunBodyMapDlg("Moon"), ExpectScript<BodyMapDlg>([](BodyMapDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Map for Moon");
                      SendMouse(dlg, wxEVT_LEFT_DOWN, 10 + 558, 10 + 128);
                      EXPECT_EQ(Label(dlg, wxID_OK),
                                "Select this position: 90.0000 longitude, 45.0000 latitiude");
                      PressButton(dlg, wxID_CANCEL);
                  }));
    EXPECT_FALSE(chosen.has_value());
    EXPECT_TRUE(sim_.Ui().Calls().empty()) << "the body has a picture";
}

} // namespace
} // namespace pf::test
