#include "app/ui/body_map_dlg.h"

#include "foundation/ui/text_fit.h"
#include "foundation/ui/wx_text.h"
#include "imagery/ui/wx_bitmap.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

void Place(wxWindow* window, const ControlPlace& place) {
    window->SetSize(place.x, place.y, place.width, place.height);
}

} // namespace

BodyMapDlg::BodyMapDlg(const std::string& body, wxWindow* parent)
    : ModalDialog(parent, "Map"), logic_(body) {
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    ok_ = new wxButton(this, wxID_OK, "Select this position:");
    ok_->SetDefault();
    info_ = new wxTextCtrl(this, BodyMapLogic::kInfo, wxEmptyString, wxDefaultPosition,
                           wxDefaultSize, wxTE_READONLY);
    // The OK caption names a position: wide enough for the longest.
    ok_->SetLabel(ToWx(MapOkCaption(LatLon(-180.0, -90.0))));
    const wxSize okSize = ok_->GetBestSize();
    ok_->SetLabel("Select this position:");
    const wxSize cancelSize = cancel->GetBestSize();
    const int infoHeight = info_->GetBestSize().GetHeight();
    const int infoWidth = std::max(logic_.GetImage().Width(),
                                   OneLineBoxWidth(info_, {ToWx(BodyMapLogic::LongestInfoText())}));
    const BodyMapLayout layout =
        logic_.LayOut(infoWidth, infoHeight, okSize.GetWidth(), okSize.GetHeight(),
                      cancelSize.GetWidth(), cancelSize.GetHeight());
    Place(info_, layout.info);
    Place(ok_, layout.ok);
    Place(cancel, layout.cancel);
    SetClientSize(layout.clientWidth, layout.clientHeight);

    Bind(wxEVT_INIT_DIALOG, &BodyMapDlg::OnInitDialog, this);
    Bind(wxEVT_PAINT, &BodyMapDlg::OnPaint, this);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndWith(wxID_OK); }, wxID_OK);
    Bind(wxEVT_LEFT_DOWN, &BodyMapDlg::OnMouse, this);
    Bind(wxEVT_MOTION, &BodyMapDlg::OnMouse, this);
}

void BodyMapDlg::OnInitDialog(wxInitDialogEvent&) {
    SetTitle(ToWx(logic_.GetTitle()));
    ok_->SetLabel(ToWx(logic_.GetOkCaption()));
    info_->ChangeValue(ToWx(logic_.GetInfoText()));
}

void BodyMapDlg::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    BitmapData painted;
    if (logic_.GetPaintImage(painted)) {
        PaintBitmapData(dc, painted, BodyMapLogic::kOrigin, BodyMapLogic::kOrigin);
    }
}

void BodyMapDlg::OnMouse(wxMouseEvent& event) {
    const wxPoint at = event.GetPosition();
    if (event.GetEventType() == wxEVT_MOTION) {
        logic_.OnMouseMove(at.x, at.y);
        info_->ChangeValue(ToWx(logic_.GetInfoText()));
        return;
    }
    if (logic_.OnLeftDown(at.x, at.y)) {
        Refresh(false);
    }
    ok_->SetLabel(ToWx(logic_.GetOkCaption()));
    event.Skip();
}

std::optional<LatLon> RunBodyMapDlg(const std::string& body) {
    BodyMapDlg dialog(body, nullptr);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return dialog.Logic().GetSelectedPosition();
}

} // namespace pf
