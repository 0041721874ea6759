#pragma once
// The main dialog "Padforge": the list of bases, the statistics of the chosen one and the
// buttons of every top-level command. It moves data between its controls and
// MainDialogLogic, which does the work. Closing it in any way ends the program.
#include "app/logic/terrafix_logic.h"
#include "foundation/ui/modal_dialog.h"

class wxListBox;
class wxTextCtrl;

namespace pf {

class CTerrafixDlg : public ModalDialog {
  public:
    enum {
        ID_BASE_LIST = 1024,
        ID_EDIT_BASE = 1027,
        ID_MAKE_NEW_BASE = 1032,
        ID_DELETE_BASE = 1048,
        ID_CONFIGURATION = 1115,
        ID_HELP_BUTTON = 1116,
        ID_LOAD_FROM_ASTREL = 1130,
        ID_STATISTICS = 1150,
        // The context-menu entry "&About Terrafix...".
        ID_ABOUT = 0x0010,
    };

    explicit CTerrafixDlg(wxWindow* parent);

    MainDialogLogic& Logic() { return logic_; }
    wxListBox* BaseList() const { return list_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    // Every command: hands the logic what only the window knows, then shows its result.
    void OnCommand(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    // Shows what the logic holds: the list when it was filled anew, and the statistics.
    void ShowLogic();
    // Widens the statistics box (and the dialog) until the whole text shows.
    void FitStatistics();

    MainDialogLogic logic_;
    wxListBox* list_ = nullptr;
    wxTextCtrl* statistics_ = nullptr;
    int shownRevision_ = -1;
};

// Runs the main dialog modally as the program's top window.
void RunMainDialog();

} // namespace pf
