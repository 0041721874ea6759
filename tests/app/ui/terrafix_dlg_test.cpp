#include "app/ui/terrafix_dlg.h"

#include "app/ui/about_dlg.h"
#include "document/base_document.h"
#include "support/simulator_sandbox.h"
#include "support/temp_dir.h"
#include "support/ui/expect_script.h"
#include "support/ui/scripted_menu_hooks.h"
#include "support/ui/wx_test_hook.h"
#include "workspace/file_manager.h"
#include "workspace/ui/astrel_base_list_dlg.h"
#include "workspace/ui/configuration_dlg.h"

#include <gtest/gtest.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

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

// The whole text shows in the box as the toolkit lays it out: the end of every line lies
// inside the box, so no line wraps or needs scrolling.
void ExpectWholeTextShown(wxTextCtrl* box) {
    // Laid out only once on screen.
    wxGetTopLevelParent(box)->Show();
    for (int i = 0; i < 10; ++i)
        wxYield();
    const wxSize room = box->GetClientSize();
    for (int line = 0; line < box->GetNumberOfLines(); ++line) {
        const wxPoint end =
            box->PositionToCoords(box->XYToPosition(box->GetLineLength(line), line));
        EXPECT_NE(end, wxDefaultPosition);
        EXPECT_LT(end.x, room.GetWidth()) << box->GetLineText(line);
        EXPECT_LT(end.y + box->GetCharHeight(), room.GetHeight()) << box->GetLineText(line);
    }
}

TEST_F(CTerrafixDlgTest, StatisticsShowTheSelectedBaseOnlyAndWhole) {
    // The longest statistics: an installed base with a context and a period, with a
    // long name.
    BaseDocument base("Kennedy Space Center Launch Complex 39 Pad A Mobile Service Structure",
                      "Earth", LatLon(-80.6, 28.6));
    base.SetConfigSuffix("Earth\\Base\\Florida Coast\\");
    base.SetContext("Apollo Program Launch Operations");
    base.SetPeriodBegin("39000.5");
    base.SetPeriodEnd("42000.25");
    ASSERT_TRUE(base.SaveToDocuments());
    const std::string key = base.GetConfigRelativePath();
    Astrel2010* installation = nullptr;
    ASSERT_TRUE(FileManager::Instance().FindOrCreateInstallation(sandbox_.Root(), installation));
    installation->AddFile(sandbox_.Root() + "Config\\" + key, key);

    wxTEST_DIALOG(
        RunMainDialog(), test::ExpectScript<Dlg>([&](Dlg* dlg) {
            auto* box = static_cast<wxTextCtrl*>(dlg->FindWindow(Dlg::ID_STATISTICS));
            EXPECT_EQ(box->GetValue(), "Base Statistics:");
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 1);
            EXPECT_NE(box->GetValue().Find("Time Period for File Location"), wxNOT_FOUND);
            EXPECT_NE(box->GetValue().Find("Context for File Location"), wxNOT_FOUND);
            // The selection gone, by a refill or a delete: no base's figures stay.
            test::PressButton(dlg, Dlg::ID_CONFIGURATION);
            EXPECT_EQ(box->GetValue(), "Base Statistics:");
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 0);
            test::PressButton(dlg, Dlg::ID_DELETE_BASE);
            EXPECT_EQ(Listed(dlg), "Earth\\" + wxString(base.GetName()) + "|Earth\\Port Alpha");
            EXPECT_EQ(box->GetValue(), "Base Statistics:");
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 0);
            ExpectWholeTextShown(box);
            test::PressButton(dlg, wxID_OK);
        }),
        test::ExpectScript<ConfigurationDlg>([](auto* c) { test::PressButton(c, wxID_OK); }),
        wxExpectModal<wxMessageDialog>(wxID_YES).Describe("Question"));
}

} // namespace
} // namespace pf
