#pragma once
// wxTEST_DIALOG expectation for a folder chooser: sets the folder (native form) and
// answers with the given id.
#include "support/ui/wx_test_hook.h"

#include <wx/dirdlg.h>

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
