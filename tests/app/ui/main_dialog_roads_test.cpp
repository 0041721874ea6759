#include "app/ui/base_name_position_dlg.h"
#include "app/ui/basic_map_dlg.h"
#include "app/ui/edit_base_dlg.h"
#include "app/ui/program_dialogs.h"
#include "app/ui/terrafix_dlg.h"
#include "foundation/text.h"
#include "imagery/jpeg_file.h"
#include "platform/fs.h"
#include "support/fake_clock.h"
#include "support/loopback_server.h"
#include "support/simulator_sandbox.h"
#include "support/test_paths.h"
#include "support/ui/expect_script.h"
#include "tiles/map_download.h"
#include "tiles/map_service.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <wx/choice.h>
#include <wx/listbox.h>

namespace pf::test {
namespace {

using Logic = BaseNamePositionLogic;

// Make New Base, cancelled once, then placed on the Earth map; then Edit Base on it.
TEST(MainDialogRoads, MakeNewBaseOnTheMapThenEditIt) {
    SimulatorSandbox sim;
    FakeClock clock;
    LoopbackServer server;
    server.SetDefaultReply(LoopbackServer::HttpReply("", "404 Not Found"));
    ScopedEnv host(kStaticMapHostVariable, server.HostText());
    RegisterProgramDialogs(); // other tests replace runners
    // The map's picture buttons come from the install folder.
    WriteRegistryValue("Install Path", fs::ToInternal(SourceDir() + "/resources/install/"));
    sim.Dir().WriteFile("Sim/Config/Earth.cfg", "Name = Earth\r\nSize = 6371010\r\nMass = "
                                                "5.973698968e24\r\nBEGIN_SURFBASE\r\ndir "
                                                "Earth\\Base\r\nEND_SURFBASE\r\n");
    std::string cache;
    ASSERT_TRUE(GetMapCachePath(cache));
    ASSERT_TRUE(SaveBitmapAsJpeg(BitmapData(512, 512, 24),
                                 cache + CachedMapName("roadmap", 3, LatLon(0.0, 0.0))));
    MapZoom panned;
    panned.ShiftCentreEast(128);
    const float east = static_cast<float>(panned.GetCentre().GetLongitude());

    wxTEST_DIALOG(
        RunMainDialog(), ExpectScript<CTerrafixDlg>([](CTerrafixDlg* dlg) {
            PressButton(dlg, CTerrafixDlg::ID_MAKE_NEW_BASE);
            EXPECT_EQ(dlg->BaseList()->GetCount(), 0u);
            PressButton(dlg, CTerrafixDlg::ID_MAKE_NEW_BASE);
            EXPECT_EQ(wxJoin(dlg->BaseList()->GetStrings(), '|'), "Earth\\Bay");
            SelectListEntry(dlg, CTerrafixDlg::ID_BASE_LIST, 0);
            PressButton(dlg, CTerrafixDlg::ID_EDIT_BASE);
            PressButton(dlg, wxID_OK);
        }),
        ExpectScript<BaseNamePositionDlg>([](auto* dlg) { PressButton(dlg, wxID_CANCEL); }),
        ExpectScript<BaseNamePositionDlg>([&](BaseNamePositionDlg* dlg) {
            auto* bodies = dynamic_cast<wxChoice*>(dlg->FindWindow(Logic::kBodyList));
            ASSERT_NE(bodies, nullptr);
            EXPECT_EQ(bodies->GetStringSelection(), "Earth");
            // One base directory: the list and its label are hidden.
            EXPECT_FALSE(dlg->FindWindow(Logic::kDirectoryList)->IsShown());
            EXPECT_FALSE(dlg->FindWindow(Logic::kDirectoryLabel)->IsShown());
            Edit(dlg, Logic::kName)->SetValue("Bay"); // as typed: the name follows
            PressButton(dlg, Logic::kFindOnMap);
            EXPECT_EQ(EditText(dlg, Logic::kLongitude), FieldTextPreciseFloat(east));
            PressButton(dlg, wxID_OK);
        }),
        ExpectScript<BasicMapDlg>([](BasicMapDlg* map) {
            PressButton(map, BasicMapLogic::kRight);
            PressButton(map, wxID_OK);
        }),
        ExpectScript<EditBaseDlg>([&](EditBaseDlg* dlg) {
            EXPECT_EQ(dlg->GetTitle(), "Bay");
            EXPECT_NE(dlg->Logic().GetStats().find(FormatNumber(east, 4)), std::string::npos);
            PressButton(dlg, wxID_OK);
        }));
    EXPECT_TRUE(sim.Ui().Calls().empty());
}

} // namespace
} // namespace pf::test
