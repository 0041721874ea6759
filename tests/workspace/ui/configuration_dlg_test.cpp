#include "workspace/ui/configuration_dlg.h"

#include "foundation/ui/wx_ui_hooks.h"
#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "support/ui/expect_script.h"
#include "workspace/ui/installed_bases_viewer_dlg.h"

#include <wx/button.h>
#include <wx/filedlg.h>

namespace pf {
namespace {

using test::ExpectScript;

class ConfigurationDlgTest : public ::testing::Test {
  protected:
    void SetUp() override { previous_ = SetUiHooks(&hooks_); }
    void TearDown() override { SetUiHooks(previous_); }
    std::string Settings() const {
        return test::ReadNativeFile(sandbox_.Dir().NativePath(".config/padforge/settings"));
    }

    test::SimulatorSandbox sandbox_;
    WxUiHooks hooks_;
    UiHooks* previous_ = nullptr;
};

TEST_F(ConfigurationDlgTest, ShowsTheSettingsOpensTheViewerAndEndsOnEscape) {
    ConfigurationDlg dlg(nullptr);
    std::string after_init;
    int result = 0;
    wxTEST_DIALOG(
        result = dlg.ShowModal(), ExpectScript<ConfigurationDlg>([&](ConfigurationDlg* d) {
            EXPECT_TRUE(dynamic_cast<wxRadioButton*>(d->FindWindow(1152))->GetValue());
            EXPECT_FALSE(dynamic_cast<wxRadioButton*>(d->FindWindow(1153))->GetValue());
            EXPECT_FALSE(dynamic_cast<wxCheckBox*>(d->FindWindow(1091))->GetValue());
            EXPECT_EQ(test::EditText(d, 1112).utf8_string(), fs::ToNative(sandbox_.Root()));
            after_init = Settings();
            test::PressButton(d, 1118);
            test::PressEscape(d);
        }),
        ExpectScript<InstalledBasesViewerDlg>(
            [](InstalledBasesViewerDlg* v) { test::PressEscape(v); }));
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(Settings(), after_init);

    // Without an editor stored the file chooser comes at once.
    wxTEST_DIALOG(test::PressButton(&dlg, 1145), wxExpectModal<wxFileDialog>("", wxID_CANCEL));

    // A dialog that sets no escape id ignores Esc.
    ModalDialog plain(nullptr, "Plain");
    new wxButton(&plain, wxID_OK, "OK");
    plain.SetEscapeId(wxID_NONE);
    plain.SetReturnCode(0);
    test::PressEscape(&plain);
    EXPECT_EQ(plain.GetReturnCode(), 0);
}

} // namespace
} // namespace pf
