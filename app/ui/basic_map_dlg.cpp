#include "app/ui/basic_map_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "foundation/ui/text_fit.h"
#include "foundation/ui/wx_text.h"
#include "imagery/ui/wx_bitmap.h"
#include "workspace/folders.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

struct PictureButton {
    int id;
    const char* caption;
    const char* picture;
    ControlPlace BasicMapLayout::*place;
};

const PictureButton kPictureButtons[] = {
    {BasicMapLogic::kZoomIn, "+", "plus.bmp", &BasicMapLayout::zoomIn},
    {BasicMapLogic::kZoomOut, "-", "minus.bmp", &BasicMapLayout::zoomOut},
    {BasicMapLogic::kRight, ">", "right.bmp", &BasicMapLayout::right},
    {BasicMapLogic::kLeft, "<", "left.bmp", &BasicMapLayout::left},
    {BasicMapLogic::kUp, "^", "up.bmp", &BasicMapLayout::up},
    {BasicMapLogic::kDown, "v", "down.bmp", &BasicMapLayout::down},
};

void Place(wxWindow* window, const ControlPlace& place) {
    window->SetSize(place.x, place.y, place.width, place.height);
}

} // namespace

BasicMapDlg::BasicMapDlg(wxWindow* parent) : ModalDialog(parent, "Map") {
    // The toggle is made wide enough for its longer caption.
    toggle_ =
        new wxButton(this, BasicMapLogic::kToggle, BasicMapLogic::kToSatellite, wxPoint(10, 10));
    const wxSize toggleSize = toggle_->GetBestSize();
    toggle_->SetLabel("Toggle");
    for (const PictureButton& button : kPictureButtons) {
        new MyBitmapButton(this, button.id, button.caption, wxSize(32, 32));
    }
    ok_ = new wxButton(this, wxID_OK, "Select this position:");
    ok_->SetDefault();
    info_ = new wxTextCtrl(this, BasicMapLogic::kInfo, wxEmptyString, wxDefaultPosition,
                           wxDefaultSize, wxTE_READONLY);
    const int rowHeight =
        std::max(ok_->GetBestSize().GetHeight(), info_->GetBestSize().GetHeight());
    // Both as wide as the map, wider when the desktop's font needs it for the longest
    // position.
    const int infoWidth = std::max<int>(
        BasicMapLogic::kMapSize, OneLineBoxWidth(info_, {ToWx(BasicMapLogic::LongestInfoText())}));
    ok_->SetLabel(ToWx(BasicMapLogic::LongestOkCaption()));
    const int okWidth = std::max(infoWidth, ok_->GetBestSize().GetWidth());
    ok_->SetLabel("Select this position:");
    const BasicMapLayout layout =
        BasicMapLogic::LayOut(ControlPlace{10, 10, toggleSize.GetWidth(), toggleSize.GetHeight()},
                              infoWidth, rowHeight, okWidth, rowHeight);
    Place(toggle_, layout.toggle);
    Place(info_, layout.info);
    Place(ok_, layout.ok);
    std::string install;
    GetInstallPath(install);
    for (const PictureButton& button : kPictureButtons) {
        auto* window = static_cast<MyBitmapButton*>(FindWindow(button.id));
        Place(window, layout.*button.place);
        if (!install.empty()) {
            window->SetImageFile(install + "Buttons\\" + button.picture);
        }
        Bind(wxEVT_BUTTON, &BasicMapDlg::OnCommand, this, button.id);
    }
    SetClientSize(layout.clientWidth, layout.clientHeight);
    layout_ = layout;

    Bind(wxEVT_INIT_DIALOG, &BasicMapDlg::OnInitDialog, this);
    Bind(wxEVT_PAINT, &BasicMapDlg::OnPaint, this);
    Bind(wxEVT_BUTTON, &BasicMapDlg::OnCommand, this, BasicMapLogic::kToggle);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndWith(wxID_OK); }, wxID_OK);
    Bind(wxEVT_LEFT_DOWN, &BasicMapDlg::OnMouse, this);
    Bind(wxEVT_LEFT_UP, &BasicMapDlg::OnMouse, this);
    Bind(wxEVT_RIGHT_UP, &BasicMapDlg::OnMouse, this);
    Bind(wxEVT_MOTION, &BasicMapDlg::OnMouse, this);
}

void BasicMapDlg::OnInitDialog(wxInitDialogEvent&) {
    logic_.OnInitDialog(layout_);
    ShowState();
}

void BasicMapDlg::ShowState() {
    toggle_->SetLabel(ToWx(logic_.GetToggleCaption()));
    ok_->SetLabel(ToWx(logic_.GetOkCaption()));
    info_->ChangeValue(ToWx(logic_.GetInfoText()));
    Refresh(false);
}

void BasicMapDlg::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    BitmapData painted;
    if (logic_.GetPaintImage(painted)) {
        PaintBitmapData(dc, painted, logic_.ImageLeft(), logic_.ImageTop());
    }
}

void BasicMapDlg::OnMouse(wxMouseEvent& event) {
    const wxPoint at = event.GetPosition();
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_MOTION) {
        logic_.OnMouseMove(at.x, at.y);
        info_->ChangeValue(ToWx(logic_.GetInfoText()));
        return;
    }
    if (type == wxEVT_LEFT_DOWN) {
        logic_.OnLeftDown(at.x, at.y);
        // The caption names the new centre at once, before its map arrives.
        ok_->SetLabel(ToWx(logic_.GetOkCaption()));
        event.Skip(); // focus and capture as usual
        return;
    }
    const bool reloaded =
        type == wxEVT_LEFT_UP ? logic_.OnLeftUp(at.x, at.y) : (logic_.OnRightUp(), true);
    if (reloaded) {
        ShowState();
    }
}

void BasicMapDlg::OnCommand(wxCommandEvent& event) {
    static const std::pair<int, void (BasicMapLogic::*)()> kCommands[] = {
        {BasicMapLogic::kLeft, &BasicMapLogic::OnPanLeft},
        {BasicMapLogic::kRight, &BasicMapLogic::OnPanRight},
        {BasicMapLogic::kUp, &BasicMapLogic::OnPanUp},
        {BasicMapLogic::kDown, &BasicMapLogic::OnPanDown},
        {BasicMapLogic::kZoomIn, &BasicMapLogic::OnZoomIn},
        {BasicMapLogic::kZoomOut, &BasicMapLogic::OnZoomOut},
        {BasicMapLogic::kToggle, &BasicMapLogic::OnToggleMapType},
    };
    for (const auto& [id, command] : kCommands) {
        if (id == event.GetId()) {
            (logic_.*command)();
            ShowState();
        }
    }
}

std::optional<LatLon> RunBasicMapDlg(const LatLon& centre, const std::string& body) {
    BasicMapDlg dialog(nullptr);
    dialog.Logic().View().SetCentre(centre);
    dialog.Logic().SetBodyName(body);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return dialog.Logic().View().GetCentre();
}

} // namespace pf
