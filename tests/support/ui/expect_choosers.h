#pragma once
// wxTEST_DIALOG expectations for the folder and file choosers: each sets the chosen path
// (native form) and answers with the given id.
#include "support/ui/wx_test_hook.h"

#include <wx/dirdlg.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>

template <> class wxExpectModal<wxDirDialog> : public wxExpectModalBase<wxDirDialog> {
  public:
    explicit wxExpectModal(const wxString& path, int id = wxID_OK) : path_(path), id_(id) {}

  protected:
    int OnInvoked(wxDirDialog* dlg) const override {
        // GTK's SetPath only moves the native chooser; the chosen folder, which GetPath
        // gives, is kept by the base class.
        dlg->wxDirDialogBase::SetPath(path_);
        return id_;
    }

  private:
    wxString path_;
    int id_;
};

namespace pf::test {

// The GTK chooser takes a set file only after it has read the folder, so the events are
// handled until the dialog reports the file.
class ExpectChosenFile : public wxExpectModalBase<wxFileDialog, ExpectChosenFile> {
  public:
    explicit ExpectChosenFile(const wxString& path, int id = wxID_OK) : path_(path), id_(id) {}

  protected:
    int OnInvoked(wxFileDialog* dlg) const override {
        dlg->SetPath(path_);
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        for (int i = 0; i < 100000 && dlg->GetPath() != path_; ++i) {
            while (loop.Pending()) {
                loop.Dispatch();
            }
        }
        return id_;
    }

  private:
    wxString path_;
    int id_;
};

} // namespace pf::test
