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

std::vector<std::string> Listed(Dlg* dlg) {
    std::vector<std::string> out;
    for (const wxString& text : dlg->BaseList()->GetStrings()) {
        out.push_back(text.utf8_string());
    }
    return out;
}

class CTerrafixDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"Port Alpha", "Bravo"}) {
            ASSERT_TRUE(BaseDocument(name, "Earth", LatLon(10, 20)).SaveToDocuments());
        }
        // One base directory, so that the import asks for the body only.
        test::WriteNativeFile(sandbox_.SimNative("Config/Earth.cfg"),
                              "Name = Earth\r\nSize = 6371010\r\nMass = 5.973698968e24\r\n"
                              "BEGIN_SURFBASE\r\n  dir Earth\\Base\r\nEND_SURFBASE\r\n");
        test::WriteNativeFile(sandbox_.SimNative("Config/Earth/Base/Alpha.cfg"),
                              "BASE-V2.0\r\nName = Alpha\r\nLocation = 1 2\r\n");
        GetDialogRunners().editBase = [this](const BaseDocument& document) {
            edited_.push_back(document.GetName());
        };
    }
    void TearDown() override { GetDialogRunners().editBase = nullptr; }

    test::SimulatorSandbox sandbox_;
    test::ScriptedMenuHooks hooks_;
    std::vector<std::string> edited_;
};

TEST_F(CTerrafixDlgTest, EveryCommandReachesItsDialog) {
    hooks_.ChooseNext("Earth");
    wxTEST_DIALOG(
        RunMainDialog(), test::ExpectScript<Dlg>([&](Dlg* dlg) {
            EXPECT_EQ(dlg->GetTitle(), "Padforge");
            EXPECT_EQ(Listed(dlg), (std::vector<std::string>{"Earth\\Bravo", "Earth\\Port Alpha"}));
            EXPECT_EQ(test::EditText(dlg, Dlg::ID_STATISTICS), "Base Statistics:");

            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 1);
            const wxString statistics = test::EditText(dlg, Dlg::ID_STATISTICS);
            EXPECT_TRUE(statistics.StartsWith("Base Statistics\n"));
            EXPECT_NE(statistics.Find(wxString::FromUTF8("°")), wxNOT_FOUND);

            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 1, true);
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 0);
            test::PressButton(dlg, Dlg::ID_EDIT_BASE);
            EXPECT_EQ(edited_, (std::vector<std::string>{"Port Alpha", "Bravo"}));

            wxCommandEvent about(wxEVT_MENU, Dlg::ID_ABOUT);
            dlg->ProcessWindowEvent(about);

            // Every command refills the list, which leaves nothing selected.
            EXPECT_EQ(dlg->BaseList()->GetSelection(), wxNOT_FOUND);
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 0);
            test::PressButton(dlg, Dlg::ID_DELETE_BASE);
            EXPECT_EQ(Listed(dlg), std::vector<std::string>{"Earth\\Port Alpha"});

            // The configuration may change the documents folder: the list is filled anew.
            test::SelectListEntry(dlg, Dlg::ID_BASE_LIST, 0);
            test::PressButton(dlg, Dlg::ID_CONFIGURATION);
            EXPECT_EQ(dlg->BaseList()->GetSelection(), wxNOT_FOUND);

            test::PressButton(dlg, Dlg::ID_LOAD_FROM_ASTREL);
            EXPECT_EQ(Listed(dlg), (std::vector<std::string>{"Earth\\Alpha", "Earth\\Port Alpha"}));
            test::PressButton(dlg, wxID_OK);
        }),
        test::ExpectScript<AboutDlg>([](AboutDlg* about) { test::PressButton(about, wxID_OK); }),
        wxExpectModal<wxMessageDialog>(wxID_YES).Describe("Question"),
        test::ExpectScript<ConfigurationDlg>(
            [](ConfigurationDlg* config) { test::PressButton(config, wxID_OK); }),
        test::ExpectScript<AstrelBaseListDlg>([](AstrelBaseListDlg* list) {
            test::SelectListEntry(list, AstrelBaseListDlg::ID_FILES, 0, true);
        }));
    ASSERT_EQ(hooks_.Menus().size(), 1u);
    EXPECT_EQ(hooks_.Menus()[0].title, "Bodies with bases");
    EXPECT_EQ(sandbox_.Ui().Calls().size(), 0u);
}

TEST_F(CTerrafixDlgTest, ExitEscAndTheCloseBoxEndIt) {
    const struct {
        const char* name;
        std::function<void(Dlg*)> act;
    } ways[] = {
        {"Exit", [](Dlg* dlg) { test::PressButton(dlg, wxID_OK); }},
        {"Esc", [](Dlg* dlg) { test::PressEscape(dlg); }},
        {"close box", [](Dlg* dlg) { dlg->Close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        wxTEST_DIALOG(RunMainDialog(), test::ExpectScript<Dlg>([&](Dlg* dlg) {
                          EXPECT_EQ(dlg->FindFocus(), dlg->BaseList());
                          way.act(dlg);
                      }));
    }
}

} // namespace
} // namespace pf
