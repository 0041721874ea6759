#pragma once
// The "Failure Message" dialog: a failure text and a box that silences later failures
// until the program ends.
#include <string>
#include <wx/dialog.h>

class wxCheckBox;
class wxTextCtrl;

namespace pf {

class ShowMessageOptOutDlg : public wxDialog {
  public:
    static constexpr int kMessageId = 1122;
    static constexpr int kOptOutId = 1091;

    // message: CP1252 bytes; "\r\n" shows as a line break.
    ShowMessageOptOutDlg(wxWindow* parent, const std::string& title, const std::string& message);

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    bool GetOptOut() const { return opt_out_; }
    const std::string& GetMessage() const { return message_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnOk(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    // Esc and the close box: Cancel, the box not read.
    void EndAsCancel();

    std::string title_;
    bool opt_out_ = false;
    std::string message_;
    wxTextCtrl* message_ctrl_ = nullptr;
    wxCheckBox* opt_out_ctrl_ = nullptr;
};

// Shows the dialog modally; true when it was left with OK and the box ticked.
bool ShowFailureDialog(const std::string& text);

} // namespace pf
