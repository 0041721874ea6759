#pragma once
// "Map for <body>": the body's whole-surface picture, on which a click selects the base
// position; OK ("Select this position: ...") keeps it, Cancel does not.
#include "app/logic/body_map_logic.h"
#include "foundation/ui/modal_dialog.h"

#include <optional>

class wxButton;
class wxTextCtrl;

namespace pf {

class BodyMapDlg : public ModalDialog {
  public:
    BodyMapDlg(const std::string& body, wxWindow* parent);

    BodyMapLogic& Logic() { return logic_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);

    BodyMapLogic logic_;
    wxButton* ok_ = nullptr;
    wxTextCtrl* info_ = nullptr;
};

// Runs the picker on the body; the selected position, or nothing.
std::optional<LatLon> RunBodyMapDlg(const std::string& body);

} // namespace pf
