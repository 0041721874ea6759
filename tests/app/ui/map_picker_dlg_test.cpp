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

#include <vector>
#include <wx/button.h>
#include <wx/textctrl.h>

namespace pf::test {
namespace {

// The control shows each text whole: a text box has room for it inside its frame and
// margins, a button for it beside its padding.
void ExpectFits(wxWindow* control, const std::vector<std::string>& texts) {
    const wxSize size = control->GetSize();
    for (const std::string& text : texts) {
        const int width = control->GetTextExtent(ToWx(text)).GetWidth();
        if (auto* box = dynamic_cast<wxTextCtrl*>(control)) {
            EXPECT_LE(box->GetSizeFromTextSize(width).GetWidth(), size.GetWidth()) << text;
        } else {
            const int padding = control->GetBestSize().GetWidth() -
                                control->GetTextExtent(control->GetLabel()).GetWidth();
            EXPECT_LE(width + padding, size.GetWidth()) << text;
        }
        EXPECT_LE(control->GetRect().GetRight(), control->GetParent()->GetClientSize().GetWidth());
    }
}

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

TEST_F(MapPickerDlgTest, EveryTextFitsItsControlAndTheCaptionFollowsEachClick) {
    const std::vector<std::string> captions = {MapOkCaption(LatLon(-180.0, -90.0)),
                                               MapOkCaption(LatLon(-122.0410, -37.9))};
    wxTEST_DIALOG(
        RunBasicMapDlg(LatLon(12.041, 41.9), "Earth"),
        ExpectScript<BasicMapDlg>([&](BasicMapDlg* dlg) {
            ExpectFits(dlg->FindWindow(BasicMapLogic::kInfo),
                       {BasicMapLogic::LongestInfoText(),
                        MapMouseText(BasicMapLogic::kHint, LatLon(12.041, 41.9))});
            ExpectFits(dlg->FindWindow(wxID_OK), captions);
            ExpectFits(dlg->FindWindow(BasicMapLogic::kToggle),
                       {BasicMapLogic::kToSatellite, BasicMapLogic::kToRoadMap});
            // The press moves the centre; the caption says so before the map
            // of the release arrives.
            BasicMapLogic& logic = dlg->Logic();
            for (const auto& [x, y] : {std::pair{100, 100}, {400, 300}}) {
                SendMouse(dlg, wxEVT_LEFT_DOWN, logic.ImageLeft() + x, logic.ImageTop() + y);
                EXPECT_EQ(Label(dlg, wxID_OK), ToWx(MapOkCaption(logic.View().GetCentre())));
                SendMouse(dlg, wxEVT_LEFT_UP, logic.ImageLeft() + x, logic.ImageTop() + y);
                EXPECT_EQ(Label(dlg, wxID_OK), ToWx(MapOkCaption(logic.View().GetCentre())));
            }
            PressEscape(dlg);
        }));

    sim_.Dir().WriteFile("Sim/Textures/Moon.tex", MakeArchiveBytes(4));
    wxTEST_DIALOG(RunBodyMapDlg("Moon"), ExpectScript<BodyMapDlg>([&](BodyMapDlg* dlg) {
                      ExpectFits(dlg->FindWindow(BodyMapLogic::kInfo),
                                 {BodyMapLogic::LongestInfoText()});
                      ExpectFits(dlg->FindWindow(wxID_OK), captions);
                      // Accepted, refused at the edge (the old point stays), accepted again.
                      for (const auto& [x, y] : {std::pair{558, 128}, {2, 2}, {100, 400}}) {
                          SendMouse(dlg, wxEVT_LEFT_DOWN, 10 + x, 10 + y);
                          EXPECT_EQ(Label(dlg, wxID_OK), ToWx(dlg->Logic().GetOkCaption()));
                          EXPECT_EQ(Label(dlg, wxID_OK),
                                    ToWx(MapOkCaption(dlg->Logic().GetSelectedPosition())));
                      }
                      EXPECT_EQ(Label(dlg, wxID_OK),
                                ToWx(MapOkCaption(dlg->Logic().PixelToLatLon(100, 400))));
                      PressButton(dlg, wxID_CANCEL);
                  }));
    ASSERT_FALSE(sim_.Ui().Failures().empty());
    EXPECT_EQ(sim_.Ui().Failures().back(), BodyMapLogic::kEdgeMessage);
}

} // namespace
} // namespace pf::test
