// Padforge: the program. Starts wx, pins the numeric locale so that no number is ever
// written with a decimal comma, installs the wx ui hooks and the key filter, and runs the
// main dialog; the program ends when it closes.
#include "app/ui/key_filter.h"
#include "app/ui/program_dialogs.h"
#include "app/ui/terrafix_dlg.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "platform/known_folders.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"
#include "workspace/ui/set_astrel_path_dlg.h"

#include <wx/app.h>

#include <clocale>

namespace {

class PadforgeApp : public wxApp {
  public:
    bool OnInit() override {
        // GTK switches the process locale to the desktop's; numbers must stay "C".
        std::setlocale(LC_NUMERIC, "C");
        previous_hooks_ = pf::SetUiHooks(&hooks_);
        // Stands in for the installer: the install folder lies beside the executable.
        pf::SetDefaultInstallPath(pf::known_folders::ExecutablePath());
        pf::RegisterProgramDialogs();
        pf::InstallSetAstrelPathDlgRunner();
        wxEvtHandler::AddFilter(&key_filter_);
        return true;
    }
    // The main dialog runs its own modal loop; the program ends with it, status 0
    // whatever the dialog's result.
    int OnRun() override {
        pf::RunMainDialog();
        return 0;
    }
    int OnExit() override {
        wxEvtHandler::RemoveFilter(&key_filter_);
        // Failures reported while wx shuts down go to stderr, not to a dead dialog.
        pf::SetUiHooks(previous_hooks_);
        return wxApp::OnExit();
    }

  private:
    pf::WxUiHooks hooks_;
    pf::UiHooks* previous_hooks_ = nullptr;
    pf::EditorKeyFilter key_filter_;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(PadforgeApp);

int main(int argc, char** argv) {
    // The installed-bases record is read before the application runs and written after
    // it has ended, on every way out of wxEntry.
    pf::FileManagerSession installedBases;
    return wxEntry(argc, argv);
}
