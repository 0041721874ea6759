#include "app/ui/base_name_position_dlg.h"
#include "app/ui/edit_base_dlg.h"
#include "app/ui/program_dialogs.h"
#include "app/ui/terrafix_dlg.h"
#include "support/simulator_sandbox.h"
#include "support/ui/expect_script.h"

#include <wx/listbox.h>

namespace pf::test {
namespace {

TEST(MainDialogRoads, MakeNewBaseThenEditIt) {
    SimulatorSandbox sim;
    RegisterProgramDialogs(); // other tests replace runners
    wxTEST_DIALOG(RunMainDialog(), ExpectScript<CTerrafixDlg>([](CTerrafixDlg* dlg) {
                      PressButton(dlg, CTerrafixDlg::ID_MAKE_NEW_BASE);
                      EXPECT_EQ(wxJoin(dlg->BaseList()->GetStrings(), '|'), "Earth\\Bay");
                      SelectListEntry(dlg, CTerrafixDlg::ID_BASE_LIST, 0);
                      PressButton(dlg, CTerrafixDlg::ID_EDIT_BASE);
                      PressButton(dlg, wxID_OK);
                  }),
                  ExpectScript<BaseNamePositionDlg>([](BaseNamePositionDlg* dlg) {
                      Edit(dlg, BaseNamePositionLogic::kName)->SetValue("Bay");
                      SetEditText(dlg, BaseNamePositionLogic::kLongitude, "-122.41942");
                      PressButton(dlg, wxID_OK);
                  }),
                  ExpectScript<EditBaseDlg>([](EditBaseDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Bay");
                      EXPECT_NE(dlg->Logic().GetStats().find("-122.4194"), std::string::npos);
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(sim.Ui().Calls().empty());
}

} // namespace
} // namespace pf::test
