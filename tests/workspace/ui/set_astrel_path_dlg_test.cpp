#include "workspace/ui/set_astrel_path_dlg.h"

#include "foundation/ui/wx_ui_hooks.h"
#include "platform/fs.h"
#include "support/astrel_folder.h"
#include "support/sandbox_home.h"
#include "support/ui/expect_choosers.h"
#include "support/ui/wx_test_hook.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <functional>

template <>
class wxExpectModal<pf::SetAstrelPathDlg> : public wxExpectModalBase<pf::SetAstrelPathDlg> {
  public:
    explicit wxExpectModal(std::function<int(pf::SetAstrelPathDlg*)> act) : act_(std::move(act)) {}

  protected:
    int OnInvoked(pf::SetAstrelPathDlg* dlg) const override { return act_(dlg); }

  private:
    std::function<int(pf::SetAstrelPathDlg*)> act_;
};

namespace pf {
namespace {

namespace stdfs = std::filesystem;

class SetAstrelPathDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = SetUiHooks(&hooks_);
        InstallSetAstrelPathDlgRunner();
        stdfs::create_directories(home_.Home() + "/Plain");
        plain_native_ = stdfs::canonical(home_.Home() + "/Plain").string() + "/";
    }
    void TearDown() override {
        SetAstrelPathDlgRunner(nullptr);
        SetUiHooks(previous_);
    }

    static void Click(wxDialog* dlg, int id) {
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(dlg);
        dlg->ProcessWindowEvent(click);
    }

    test::SandboxHome home_;
    WxUiHooks hooks_;
    UiHooks* previous_ = nullptr;
    std::string plain_native_;
};

// Browse shows the chosen folder only once the person said Yes to a folder that does not
// look like the simulator's; No stores nothing and ends with the "Error" box.
TEST_F(SetAstrelPathDlgTest, BrowseAsksAboutAnotherFolder) {
    const std::string candidate = home_.Home() + "/Documents/Astrel2010/";
    for (bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        wxString shown_at_init, shown_after_browse;
        bool ok = !yes;
        std::string out;
        auto act = [&](SetAstrelPathDlg* dlg) {
            dlg->InitDialog();
            shown_at_init = dlg->PathEdit()->GetValue();
            Click(dlg, SetAstrelPathDlg::ID_BROWSE);
            shown_after_browse = dlg->PathEdit()->GetValue();
            Click(dlg, wxID_OK);
            return dlg->GetReturnCode();
        };
        if (yes) {
            wxTEST_DIALOG(ok = EnsureAstrelPath(out), wxExpectModal<SetAstrelPathDlg>(act),
                          wxExpectModal<wxDirDialog>(plain_native_),
                          wxExpectModal<wxMessageDialog>(wxYES));
        } else {
            wxTEST_DIALOG(ok = EnsureAstrelPath(out), wxExpectModal<SetAstrelPathDlg>(act),
                          wxExpectModal<wxDirDialog>(plain_native_),
                          wxExpectModal<wxMessageDialog>(wxNO),
                          wxExpectModal<wxMessageDialog>(wxOK).Describe("Error"));
        }
        EXPECT_EQ(ok, yes);
        EXPECT_EQ(shown_at_init.utf8_string(), candidate);
        EXPECT_EQ(shown_after_browse.utf8_string(), yes ? plain_native_ : candidate);
        EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), yes ? fs::ToInternal(plain_native_) : "");
    }
}

TEST_F(SetAstrelPathDlgTest, ASimulatorFolderNeedsNoQuestion) {
    test::MakeAstrelFolder(home_.Home() + "/Sim", test::AstrelFolderKind::ExeAndCfg);
    const std::string sim = stdfs::canonical(home_.Home() + "/Sim").string() + "/";
    SetAstrelPathDlg dlg(nullptr);
    wxTEST_DIALOG(Click(&dlg, SetAstrelPathDlg::ID_BROWSE), wxExpectModal<wxDirDialog>(sim));
    EXPECT_EQ(dlg.PathEdit()->GetValue().utf8_string(), sim);
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), fs::ToInternal(sim));
}

TEST_F(SetAstrelPathDlgTest, EscapeEndsWithCancel) {
    SetAstrelPathDlg modal(nullptr);
    int result = 0;
    wxTEST_DIALOG(result = modal.ShowModal(),
                  wxExpectModal<SetAstrelPathDlg>([&](SetAstrelPathDlg* dlg) {
                      wxKeyEvent key(wxEVT_CHAR_HOOK);
                      key.m_keyCode = WXK_ESCAPE;
                      dlg->ProcessWindowEvent(key);
                      return dlg->GetReturnCode();
                  }));
    EXPECT_EQ(result, wxID_CANCEL);
}

} // namespace
} // namespace pf
