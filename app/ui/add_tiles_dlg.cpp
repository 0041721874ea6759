#include "app/ui/add_tiles_dlg.h"

#include "foundation/ui/text_fit.h"
#include "foundation/ui/wx_text.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "imagery/ui/wx_bitmap.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <algorithm>
#include <vector>

namespace pf {

namespace {

using Logic = AddTilesLogic;

// The right column from the top, in the order the layout stacks them.
constexpr int kStackedBoxes[] = {Logic::kIdBackground, Logic::kIdAvailable, Logic::kIdBelow,
                                 Logic::kIdAtLevel, Logic::kIdAbove};
constexpr int kListX = 10;
// The narrowest the list gets; wider when the desktop's font needs it for a tile name.
constexpr int kListWidth = 130;
constexpr int kGap = 2;
// GTK's check boxes stand taller than the layout's room above the legend and the preview
// allows; they are held to this height.
constexpr int kCheckBoxHeight = 20;

std::vector<wxString> ToWxTexts(const StringArray& texts) {
    std::vector<wxString> out;
    for (const std::string& text : texts) {
        out.push_back(ToWx(text));
    }
    return out;
}

wxSize CheckBoxSize(wxWindow* box) {
    const wxSize best = box->GetBestSize();
    return wxSize(best.GetWidth(), std::min(best.GetHeight(), kCheckBoxHeight));
}

} // namespace

AddTilesDlg::AddTilesDlg(BaseDocument* document, wxWindow* parent)
    : ModalDialog(parent, "Tile List Editor"), logic_(document) {
    CreateControls();
    PlaceControls();
    logic_.SetView(this);
    logic_.SetMenuOwner(ToUiOwner(this));
    Bind(wxEVT_INIT_DIALOG, &AddTilesDlg::OnInitDialog, this);
    // The application hears of activations; images edited in another program are
    // looked at when the person comes back.
    wxTheApp->Bind(wxEVT_ACTIVATE_APP, &AddTilesDlg::OnActivateApp, this);
}

AddTilesDlg::~AddTilesDlg() {
    wxTheApp->Unbind(wxEVT_ACTIVATE_APP, &AddTilesDlg::OnActivateApp, this);
    logic_.SetView(nullptr);
}

wxPanel* AddTilesDlg::MakePanel(int width, int height, const BitmapData& image) {
    auto* panel =
        new wxPanel(this, wxID_ANY, wxDefaultPosition, wxSize(width, height), wxBORDER_NONE);
    panel->SetBackgroundStyle(wxBG_STYLE_PAINT);
    panel->Bind(wxEVT_PAINT, [panel, &image](wxPaintEvent&) {
        wxPaintDC dc(panel);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        PaintBitmapData(dc, image, 0, 0);
    });
    return panel;
}

void AddTilesDlg::CreateControls() {
    listCaption_ = new wxStaticText(this, Logic::kIdListCaption, "Base Tile List");
    list_ = new wxListBox(this, Logic::kIdList, wxDefaultPosition, wxSize(kListWidth, 200));
    for (int level = 1; level <= 9; ++level) {
        const int id = Logic::kIdLevel1 + level - 1;
        new wxButton(this, id, wxString::Format("Level %d", level));
        Bind(
            wxEVT_BUTTON, [this, level](wxCommandEvent&) { logic_.OnBnClickedLevel(level); }, id);
    }
    new wxButton(this, Logic::kIdZoomIn, "+");
    new wxButton(this, Logic::kIdZoomOut, "-");
    new wxButton(this, Logic::kIdAddImage, "Add Image");
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { logic_.OnBnClickedZoomIn(); }, Logic::kIdZoomIn);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { logic_.OnBnClickedZoomOut(); }, Logic::kIdZoomOut);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { logic_.OnBnClickedAddImage(); },
        Logic::kIdAddImage);
    new wxButton(this, wxID_OK, "Save and Exit");
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndWith(wxID_OK); }, wxID_OK);
    status_ = new wxTextCtrl(this, Logic::kIdStatus, wxEmptyString, wxDefaultPosition,
                             wxSize(Logic::kViewSize, -1), wxTE_READONLY);
    for (int id : {Logic::kIdTransparency, Logic::kIdBackground, Logic::kIdAvailable,
                   Logic::kIdBelow, Logic::kIdAbove, Logic::kIdAtLevel}) {
        const TileCheckBox& state = logic_.GetCheckBox(id);
        auto* box = new wxCheckBox(this, id, ToWx(state.label));
        box->SetValue(state.checked);
        Bind(
            wxEVT_CHECKBOX,
            [this, id](wxCommandEvent& event) { logic_.OnCheckBox(id, event.IsChecked()); }, id);
    }
    view_ = MakePanel(Logic::kViewSize, Logic::kViewSize, logic_.GetShownView());
    preview_ = MakePanel(Logic::kPreviewSize, Logic::kPreviewSize, logic_.GetShownPreview());
    legend_ = MakePanel(256, 128, logic_.GetLegend());
    view_->Bind(wxEVT_LEFT_DOWN, &AddTilesDlg::OnLeftDown, this);
    view_->Bind(wxEVT_LEFT_UP, &AddTilesDlg::OnLeftUp, this);
    view_->Bind(wxEVT_MOUSE_CAPTURE_LOST, &AddTilesDlg::OnCaptureLost, this);
    view_->Bind(wxEVT_MOTION, &AddTilesDlg::OnMotion, this);
    view_->Bind(wxEVT_LEAVE_WINDOW, &AddTilesDlg::OnLeave, this);
    view_->Bind(wxEVT_LEFT_DCLICK, &AddTilesDlg::OnLeftDClick, this);
    view_->Bind(wxEVT_RIGHT_UP, &AddTilesDlg::OnRightUp, this);
}

void AddTilesDlg::PlaceControls() {
    // The list's rows: the text, the row's margins (three characters) and a scroll bar.
    const int listWidth =
        std::max(kListWidth, WidestTextWidth(list_, ToWxTexts(logic_.WidestListEntries())) +
                                 3 * list_->GetCharWidth() +
                                 wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, list_));
    const int statusWidth = std::max<int>(
        Logic::kViewSize, OneLineBoxWidth(status_, ToWxTexts(logic_.WidestStatusTexts())));
    // Left column: the list's caption, the list, the level buttons two by two, then
    // "+" and "-" side by side and "Add Image".
    int y = 10;
    listCaption_->SetSize(kListX, y, listWidth, -1);
    y += listCaption_->GetSize().GetHeight() + kGap;
    list_->SetSize(kListX, y, listWidth, list_->GetSize().GetHeight());
    y += list_->GetSize().GetHeight() + 6;
    const int half = (listWidth - kGap) / 2;
    auto place = [&](int id, int x, int width) {
        wxWindow* button = FindWindow(id);
        button->SetSize(x, y, width, button->GetBestSize().GetHeight());
        return button->GetSize().GetHeight() + kGap;
    };
    for (int level = 1; level <= 9; level += 2) {
        const int step = place(Logic::kIdLevel1 + level - 1, kListX, half);
        if (level < 9) {
            place(Logic::kIdLevel1 + level, kListX + half + kGap, half);
        }
        y += step;
    }
    place(Logic::kIdZoomIn, kListX, half);
    y += place(Logic::kIdZoomOut, kListX + half + kGap, half);
    y += place(Logic::kIdAddImage, kListX, listWidth);

    // The view beside the list; the check boxes, legend and preview right of it.
    const int ox = list_->GetRect().GetRight() + 1 + 10;
    const int oy = 10;
    logic_.SetViewOrigin(ox, oy);
    view_->Move(ox, oy);
    legend_->Move(ox + 522, oy + 108);
    preview_->Move(ox + 522, oy + 256);
    int boxY = oy;
    for (int id : kStackedBoxes) {
        wxWindow* box = FindWindow(id);
        box->SetSize(wxRect(wxPoint(ox + 522, boxY), CheckBoxSize(box)));
        boxY = box->GetRect().GetBottom() + 1 + kGap;
    }
    wxWindow* transparency = FindWindow(Logic::kIdTransparency);
    const wxSize tSize = CheckBoxSize(transparency);
    transparency->SetSize(ox + 522, oy + 256 - tSize.GetHeight(), tSize.GetWidth(),
                          tSize.GetHeight());
    status_->SetSize(ox, oy + 517, statusWidth, status_->GetSize().GetHeight());

    wxWindow* ok = FindWindow(wxID_OK);
    const int okHeight = ok->GetBestSize().GetHeight();
    const int width = std::max({transparency->GetRect().GetRight() + 1 + 10, ox + 788,
                                status_->GetRect().GetRight() + 1 + 10});
    const int height =
        std::max({list_->GetRect().GetBottom() + 1, status_->GetRect().GetBottom() + 1, y}) +
        okHeight + 20;
    ok->SetSize(kListX, height - 10 - okHeight, listWidth, okHeight);
    SetClientSize(width, height);
}

void AddTilesDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    SetTitle(ToWx(logic_.GetTitle()));
    logic_.OnInitDialog();
}

void AddTilesDlg::PaintView() {
    view_->Refresh();
    view_->Update();
}

void AddTilesDlg::PaintPreview() {
    preview_->Refresh();
    preview_->Update();
}

void AddTilesDlg::PaintLegend() {
    legend_->Refresh();
    legend_->Update();
}

void AddTilesDlg::ShowTexts() {
    for (int id : {Logic::kIdTransparency, Logic::kIdBackground, Logic::kIdAvailable,
                   Logic::kIdBelow, Logic::kIdAbove, Logic::kIdAtLevel}) {
        const TileCheckBox& state = logic_.GetCheckBox(id);
        auto* box = static_cast<wxCheckBox*>(FindWindow(id));
        if (box->GetLabel() != ToWx(state.label)) {
            box->SetLabel(ToWx(state.label));
            box->SetSize(CheckBoxSize(box));
        }
        box->Show(state.shown);
        box->SetValue(state.checked);
    }
    wxArrayString entries;
    for (const std::string& entry : logic_.GetListEntries()) {
        entries.Add(ToWx(entry));
    }
    if (list_->GetStrings() != entries) {
        list_->Set(entries);
    }
    listCaption_->SetLabel(ToWx(logic_.GetListCaption()));
    status_->ChangeValue(ToWx(logic_.GetStatusText()));
}

wxPoint AddTilesDlg::ClientPoint(const wxMouseEvent& event) const {
    return event.GetPosition() + wxPoint(logic_.GetViewOriginX(), logic_.GetViewOriginY());
}

void AddTilesDlg::OnLeftDown(wxMouseEvent& event) {
    event.Skip();
    // Held until the release, so that a release over any control ends the drag too.
    if (!view_->HasCapture() && view_->IsShownOnScreen()) {
        view_->CaptureMouse();
    }
    const wxPoint p = ClientPoint(event);
    logic_.OnLButtonDown(p.x, p.y);
}

void AddTilesDlg::OnLeftUp(wxMouseEvent& event) {
    event.Skip();
    if (view_->HasCapture()) {
        view_->ReleaseMouse();
    }
    const wxPoint p = ClientPoint(event);
    logic_.OnSelectionButtonUp(p.x, p.y);
}

void AddTilesDlg::OnCaptureLost(wxMouseCaptureLostEvent&) {
    const wxPoint p = ScreenToClient(wxGetMousePosition());
    logic_.OnSelectionButtonUp(p.x, p.y);
}

void AddTilesDlg::OnMotion(wxMouseEvent& event) {
    event.Skip();
    const wxPoint p = ClientPoint(event);
    logic_.OnMouseMove(p.x, p.y);
}

void AddTilesDlg::OnLeave(wxMouseEvent& event) {
    event.Skip();
    // While captured, moves outside still arrive with their own points.
    if (!view_->HasCapture()) {
        logic_.OnMouseLeftView();
    }
}

void AddTilesDlg::OnLeftDClick(wxMouseEvent& event) {
    event.Skip();
    const wxPoint p = ClientPoint(event);
    logic_.OnLButtonDblClk(p.x, p.y);
}

void AddTilesDlg::OnRightUp(wxMouseEvent& event) {
    event.Skip();
    const wxPoint p = ClientPoint(event);
    logic_.OnRButtonUp(p.x, p.y);
}

void AddTilesDlg::OnActivateApp(wxActivateEvent& event) {
    event.Skip();
    if (event.GetActive()) {
        logic_.OnActivateApp();
    }
}

void AddTilesDlg::OnCancelPressed() {
    switch (logic_.OnClose()) {
    case Logic::CloseResult::Ok:
        EndWith(wxID_OK);
        break;
    case Logic::CloseResult::Cancel:
        EndWith(wxID_CANCEL);
        break;
    case Logic::CloseResult::Stay:
        break;
    }
}

TileEditorResult RunAddTilesDlg(BaseDocument& document) {
    AddTilesDlg dialog(&document, nullptr);
    TileEditorResult result;
    result.ok = dialog.ShowModal() == wxID_OK;
    result.changed = dialog.TileListChanged();
    result.tiles = dialog.GetTileList();
    return result;
}

} // namespace pf
