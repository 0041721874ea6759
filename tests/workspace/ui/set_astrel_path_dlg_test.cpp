#include "workspace/ui/set_astrel_path_dlg.h"

#include "foundation/ui/wx_ui_hooks.h"
#include "platform/fs.h"
#include "support/astrel_folder.h"
#include "support/sandbox_home.h"
#include "support/ui/expect_dir_dialog.h"
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

TEST_F(SetAstrelPathDlgTest, NoStoresNothing) {
    const std::string candidate = home_.Home() + "/Documents/Astrel2010/";
    wxString shown_at_init, shown_after_browse;
    bool ok = true;
    std::string out;
    wxTEST_DIALOG(ok = EnsureAstrelPath(out),
                  wxExpectModal<SetAstrelPathDlg>([&](SetAstrelPathDlg* dlg) {
                      dlg->InitDialog();
                      shown_at_init = dlg->PathEdit()->GetValue();
                      Click(dlg, SetAstrelPathDlg::ID_BROWSE);
                      shown_after_browse = dlg->PathEdit()->GetValue();
                      Click(dlg, wxID_OK);
                      return dlg->GetReturnCode();
                  }),
                  wxExpectModal<wxDirDialog>(plain_native_), wxExpectModal<wxMessageDialog>(wxNO),
                  wxExpectModal<wxMessageDialog>(wxOK).Describe("Error"));
    EXPECT_FALSE(ok);
    EXPECT_EQ(shown_at_init.utf8_string(), candidate);
    EXPECT_EQ(shown_after_browse.utf8_string(), candidate);
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), "");
}

TEST_F(SetAstrelPathDlgTest, YesStoresTheFolderAndShowsIt) {
    wxString shown;
    bool ok = false;
    std::string out;
    wxTEST_DIALOG(ok = EnsureAstrelPath(out),
                  wxExpectModal<SetAstrelPathDlg>([&](SetAstrelPathDlg* dlg) {
                      dlg->InitDialog();
                      Click(dlg, SetAstrelPathDlg::ID_BROWSE);
                      shown = dlg->PathEdit()->GetValue();
                      Click(dlg, wxID_OK);
                      return dlg->GetReturnCode();
                  }),
                  wxExpectModal<wxDirDialog>(plain_native_), wxExpectModal<wxMessageDialog>(wxYES));
    EXPECT_TRUE(ok);
    EXPECT_EQ(shown.utf8_string(), plain_native_);
    EXPECT_EQ(out, fs::ToInternal(plain_native_));
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), fs::ToInternal(plain_native_));
}

TEST_F(SetAstrelPathDlgTest, ASimulatorFolderNeedsNoQuestion) {
    test::MakeAstrelFolder(home_.Home() + "/Sim", test::AstrelFolderKind::ExeAndCfg);
    const std::string sim = stdfs::canonical(home_.Home() + "/Sim").string() + "/";
    SetAstrelPathDlg dlg(nullptr);
    wxTEST_DIALOG(Click(&dlg, SetAstrelPathDlg::ID_BROWSE), wxExpectModal<wxDirDialog>(sim));
    EXPECT_EQ(dlg.PathEdit()->GetValue().utf8_string(), sim);
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), fs::ToInternal(sim));
}

TEST_F(SetAstrelPathDlgTest, EscapeAndCloseEndWithCancel) {
    SetAstrelPathDlg dlg(nullptr);
    EXPECT_EQ(dlg.GetTitle(), "Configuration");
    EXPECT_TRUE(dlg.PathEdit()->HasFlag(wxTE_READONLY));
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    escape.SetEventObject(&dlg);
    dlg.ProcessWindowEvent(escape);
    EXPECT_EQ(dlg.GetReturnCode(), wxID_CANCEL);

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
