#include "foundation/ui/wx_ui_hooks.h"

#include "support/temp_dir.h"
#include "support/ui/expect_dir_dialog.h"
#include "support/ui/wx_test_hook.h"

#include <wx/filedlg.h>

#include <filesystem>

#include <wx/evtloop.h>

// The GTK chooser takes a set file only after it has read the folder, so the person's
// choice is made and the events are handled until the dialog reports it.
class ExpectChosenFile : public wxExpectModalBase<wxFileDialog, ExpectChosenFile> {
  public:
    ExpectChosenFile(const wxString& path, int id = wxID_OK) : path_(path), id_(id) {}

  protected:
    int OnInvoked(wxFileDialog* dlg) const override {
        dlg->SetPath(path_);
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        for (int i = 0; i < 100000 && dlg->GetPath() != path_; ++i) {
            while (loop.Pending())
                loop.Dispatch();
        }
        return id_;
    }

  private:
    wxString path_;
    int id_;
};

namespace pf {
namespace {

TEST(WxChoosers, PickFileGivesAnInternalPath) {
    test::TempDir dir;
    dir.WriteFile("bin/paint", "");
    WxUiHooks hooks;
    std::optional<std::string> chosen;
    wxTEST_DIALOG(chosen = hooks.PickFile("", "All files (*)|*", dir.InternalPath("bin\\")),
                  ExpectChosenFile(dir.NativePath("bin/paint")));
    EXPECT_EQ(chosen, std::optional<std::string>(dir.InternalPath("bin\\paint")));

    wxTEST_DIALOG(chosen = hooks.PickFile("Pick", "All files (*)|*", dir.Internal()),
                  ExpectChosenFile(dir.NativePath("bin/paint"), wxID_CANCEL));
    EXPECT_FALSE(chosen);
}

TEST(WxChoosers, PickFolderGivesAnInternalPath) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.NativePath("Sim"));
    WxUiHooks hooks;
    std::optional<std::string> chosen;
    wxTEST_DIALOG(chosen = hooks.PickFolder("Pick a folder"),
                  wxExpectModal<wxDirDialog>(dir.NativePath("Sim")));
    EXPECT_EQ(chosen, std::optional<std::string>(dir.InternalPath("Sim")));

    wxTEST_DIALOG(chosen = hooks.PickFolder("Pick a folder"),
                  wxExpectModal<wxDirDialog>(dir.NativePath("Sim"), wxID_CANCEL));
    EXPECT_FALSE(chosen);
}

} // namespace
} // namespace pf
