#pragma once
// "Make New Base": the new base's name, body, base directory and position, typed in or
// picked on a map ("Find on map").
#include "app/logic/base_name_position_logic.h"
#include "foundation/ui/modal_dialog.h"

#include <optional>

class wxChoice;
class wxStaticText;

namespace pf {

struct NewBaseRequest;

class BaseNamePositionDlg : public ModalDialog {
  public:
    explicit BaseNamePositionDlg(wxWindow* parent);

    BaseNamePositionLogic& Logic() { return logic_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnOk(wxCommandEvent& event);
    void OnFindOnMap(wxCommandEvent& event);
    void OnBodyChanged(wxCommandEvent& event);
    void OnNameChanged(wxCommandEvent& event);
    // The directory list and its label as the logic has them.
    void ShowDirectories();
    // The selected directory entry into the logic.
    void TakeDirectorySelection();

    BaseNamePositionLogic logic_;
    wxChoice* bodies_ = nullptr;
    wxChoice* directories_ = nullptr;
    wxStaticText* directoryLabel_ = nullptr;
};

// Runs the dialog; what OK chose, or nothing.
std::optional<NewBaseRequest> RunBaseNamePositionDlg();

} // namespace pf
