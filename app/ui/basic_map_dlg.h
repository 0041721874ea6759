#pragma once
// "Map": the Earth map picker. A static map around a centre that the person pans, zooms
// and recentres by clicking; OK ("Select this position: ...") keeps the centre. No Cancel
// button: Esc and the close box cancel.
#include "app/logic/basic_map_logic.h"
#include "foundation/ui/modal_dialog.h"

#include <optional>

class wxButton;
class wxTextCtrl;

namespace pf {

class BasicMapDlg : public ModalDialog {
  public:
    explicit BasicMapDlg(wxWindow* parent);

    BasicMapLogic& Logic() { return logic_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnCommand(wxCommandEvent& event);
    // Captions and picture after the logic changed them.
    void ShowState();

    BasicMapLogic logic_;
    BasicMapLayout layout_;
    wxButton* toggle_ = nullptr;
    wxButton* ok_ = nullptr;
    wxTextCtrl* info_ = nullptr;
};

// Runs the picker around the centre; the chosen centre, or nothing.
std::optional<LatLon> RunBasicMapDlg(const LatLon& centre, const std::string& body);

} // namespace pf
