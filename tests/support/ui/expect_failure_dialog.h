#pragma once
// Drives the "Failure Message" dialog under wxTEST_DIALOG: does what the person would do
// (tick the box or not, then OK, Esc or the close box) and reports what was shown.
#include "support/ui/wx_test_hook.h"

#include "foundation/ui/message_opt_out_dlg.h"

#include <wx/checkbox.h>
#include <wx/textctrl.h>

namespace pf::test {

enum class LeaveFailureDialog { Ok, Escape, CloseBox };

struct FailureDialogSeen {
    wxString title;
    wxString text;
    bool ticked_at_start = true;
    int result = 0;
};

} // namespace pf::test

template <>
class wxExpectModal<pf::ShowMessageOptOutDlg> : public wxExpectModalBase<pf::ShowMessageOptOutDlg> {
  public:
    explicit wxExpectModal(bool tick = false,
                           pf::test::LeaveFailureDialog leave = pf::test::LeaveFailureDialog::Ok,
                           pf::test::FailureDialogSeen* seen = nullptr)
        : tick_(tick), leave_(leave), seen_(seen) {}

  protected:
    int OnInvoked(pf::ShowMessageOptOutDlg* dlg) const override {
        // A hooked dialog is not shown, so initialise it as showing it would.
        dlg->InitDialog();
        auto* text =
            dynamic_cast<wxTextCtrl*>(dlg->FindWindow(pf::ShowMessageOptOutDlg::kMessageId));
        auto* box = dynamic_cast<wxCheckBox*>(dlg->FindWindow(pf::ShowMessageOptOutDlg::kOptOutId));
        if (text == nullptr || box == nullptr) {
            ADD_FAILURE() << "failure dialog lacks its controls";
            return wxID_CANCEL;
        }
        if (seen_ != nullptr) {
            seen_->title = dlg->GetTitle();
            seen_->text = text->GetValue();
            seen_->ticked_at_start = box->GetValue();
        }
        box->SetValue(tick_);
        switch (leave_) {
        case pf::test::LeaveFailureDialog::Ok: {
            wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
            click.SetEventObject(dlg->FindWindow(wxID_OK));
            dlg->ProcessWindowEvent(click);
            break;
        }
        case pf::test::LeaveFailureDialog::Escape: {
            wxKeyEvent key(wxEVT_CHAR_HOOK);
            key.m_keyCode = WXK_ESCAPE;
            key.SetEventObject(dlg);
            dlg->ProcessWindowEvent(key);
            break;
        }
        case pf::test::LeaveFailureDialog::CloseBox:
            dlg->Close();
            break;
        }
        if (seen_ != nullptr) {
            seen_->result = dlg->GetReturnCode();
        }
        return dlg->GetReturnCode();
    }

  private:
    bool tick_;
    pf::test::LeaveFailureDialog leave_;
    pf::test::FailureDialogSeen* seen_;
};
