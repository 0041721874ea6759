#include "app/ui/terrafix_dlg.h"

#include "app/ui/about_dlg.h"
#include "document/base_document.h"
#include "support/simulator_sandbox.h"
#include "support/temp_dir.h"
#include "support/ui/expect_script.h"
#include "support/ui/scripted_menu_hooks.h"
#include "support/ui/wx_test_hook.h"
#include "workspace/ui/astrel_base_list_dlg.h"
#include "workspace/ui/configuration_dlg.h"

#include <gtest/gtest.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>

namespace pf {
namespace {

using Dlg = CTerrafixDlg;

wxString Listed(Dlg* dlg) { return wxJoin(dlg->BaseList()->GetStrings(), '|'); }

class CTerrafixDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"Port Alpha", "Bravo"})
            ASSERT_TRUE(BaseDocument(name, "Earth", LatLon(10, 20)).SaveToDocuments());
        // One base directory, so that the import asks for the body only.
        test::WriteNativeFile(sandbox_.SimNative("Config/Earth.cfg"),
                              "Name = Earth\r\nSize = 6371010\r\nMass = 6e24\r\n"
                              "BEGIN_SURFBASE\r\n  dir Earth\\Base\r\nEND_SURFBASE\r\n");
        test::WriteNativeFile(sandbox_.SimNative("Config/Earth/Base/Alpha.cfg"),
                              "Name = Alpha\r\nLocation = 1 2\r\n");
        GetDialogRunners().editBase = [this](const BaseDocument& d) { edited_ += d.GetName(); };
    }
    void TearDown() override { GetDialogRunners().editBase = nullptr; }

    test::SimulatorSandbox sandbox_;
    test::ScriptedMenuHooks hooks_;
    std::string edited_;
};

TEST_F(CTerrafixDlgTest, EveryCommandReachesItsDialog) {
    hooks_.ChooseNext("Earth");
    wxTEST_DIALOG(
        RunMainDialog(), test::ExpectScript<Dlg>([&](Dlg* dlg) {
            EXPECT_EQ(dlg->FindFocus(), dlg->BaseList());
            EXPECT_EQ(Listed(dlg), "Earth\\Bravo|Earth\\Port Alpha");
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 1);
            EXPECT_TRUE(test::EditText(dlg, Dlg::ID_STATISTICS).StartsWith("Base Statistics\n"));
            EXPECT_NE(test::EditText(dlg, Dlg::ID_STATISTICS).Find(wxString::FromUTF8("°")),
                      wxNOT_FOUND);
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 1, true);
            // Every command refills the list, which leaves nothing selected.
            EXPECT_EQ(dlg->BaseList()->GetSelection(), wxNOT_FOUND);
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 0);
            test::PressButton(dlg, Dlg::ID_EDIT_BASE);
            EXPECT_EQ(edited_, "Port AlphaBravo");

            wxCommandEvent about(wxEVT_MENU, Dlg::ID_ABOUT);
            dlg->ProcessWindowEvent(about);
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 0);
            test::PressButton(dlg, Dlg::ID_DELETE_BASE);
            EXPECT_EQ(Listed(dlg), "Earth\\Port Alpha");
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 0);
            test::PressButton(dlg, Dlg::ID_CONFIGURATION);
            EXPECT_EQ(dlg->BaseList()->GetSelection(), wxNOT_FOUND);
            test::PressButton(dlg, Dlg::ID_LOAD_FROM_ASTREL);
            EXPECT_EQ(Listed(dlg), "Earth\\Alpha|Earth\\Port Alpha");
            test::PressButton(dlg, wxID_OK); // Exit; Esc is the integration test's
        }),
        test::ExpectScript<AboutDlg>([](AboutDlg* about) { test::PressButton(about, wxID_OK); }),
        wxExpectModal<wxMessageDialog>(wxID_YES).Describe("Question"),
        test::ExpectScript<ConfigurationDlg>([](auto* c) { test::PressButton(c, wxID_OK); }),
        test::ExpectScript<AstrelBaseListDlg>([](AstrelBaseListDlg* list) {
            test::SelectListEntry(list, AstrelBaseListDlg::ID_FILES, 0, true);
        }));
    EXPECT_EQ(hooks_.Titles(), std::vector<std::string>{"Bodies with bases"});
    EXPECT_TRUE(sandbox_.Ui().Calls().empty());
}

} // namespace
} // namespace pf
