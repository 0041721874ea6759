#include "workspace/ui/astrel_base_list_dlg.h"

#include "foundation/ui/wx_ui_hooks.h"
#include "support/ui/expect_script.h"

#include <wx/stattext.h>

namespace pf {
namespace {

TEST(AstrelBaseListDlg, OkNeedsAFileAndADoubleClickTakesIt) {
    WxUiHooks hooks;
    UiHooks* previous = SetUiHooks(&hooks);
    AstrelBaseListDlg dlg("Earth", "Earth\\Historic\\", "CONTEXT Apollo", "40000", "41000",
                          {"pad.cfg", "Alpha.cfg"}, nullptr);
    EXPECT_EQ(dlg.GetTitle(), "Base files for Earth");
    int result = 0;
    wxTEST_DIALOG(
        result = dlg.ShowModal(), test::ExpectScript<AstrelBaseListDlg>([](AstrelBaseListDlg* d) {
            EXPECT_EQ(d->FindWindow(1149)->GetLabel(),
                      "Directory: Config\\Earth\\Historic\\\nCONTEXT Apollo PERIOD 40000 41000");
            EXPECT_EQ(dynamic_cast<wxListBox*>(d->FindWindow(1024))->GetString(0), "Alpha.cfg");
            test::PressButton(d, wxID_OK);
            EXPECT_EQ(d->GetReturnCode(), 0);
            test::SelectListEntry(d, 1024, 1, true);
        }),
        test::ExpectMessageBox("Must select base file", "Error", wxICON_NONE));
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dlg.Selected(), "pad.cfg");
    SetUiHooks(previous);
}

} // namespace
} // namespace pf
