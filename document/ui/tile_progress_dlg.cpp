#include "document/ui/tile_progress_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "foundation/ui/wx_text.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

namespace pf {

TileProgressDlg::TileProgressDlg(BaseDocument* document, const std::string& folder,
                                 wxWindow* parent)
    : ModalDialog(parent, "Rendering Tile DDS files"), logic_(document, folder),
      timer_(this, kTimerId) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    preview_ = new MyBitmapButton(this, kIdPreview, "Button1", wxSize(256, 256));
    column->Add(preview_, 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 8);
    bar_ = new MyBitmapButton(this, kIdBar, "Button2", wxSize(320, 20));
    column->Add(bar_, 0, wxLEFT | wxRIGHT | wxALIGN_CENTER_HORIZONTAL, 8);
    notice_ = new wxTextCtrl(this, kIdNotice, wxEmptyString, wxDefaultPosition, wxSize(320, 48),
                             wxTE_MULTILINE | wxTE_READONLY);
    column->Add(notice_, 0, wxALL | wxEXPAND, 8);
    column->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0,
                wxLEFT | wxRIGHT | wxBOTTOM | wxALIGN_CENTER_HORIZONTAL, 8);
    SetSizerAndFit(column);

    Bind(wxEVT_INIT_DIALOG, &TileProgressDlg::OnInitDialog, this);
    Bind(wxEVT_TIMER, &TileProgressDlg::OnTimer, this, kTimerId);
    SetCurrentTileProgress(this);
}

TileProgressDlg::~TileProgressDlg() {
    timer_.Stop();
    if (GetCurrentTileProgress() == this) {
        SetCurrentTileProgress(nullptr);
    }
}

void TileProgressDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    // The multi-line edit of this toolkit breaks lines at "\n" alone.
    wxString notice = ToWx(TileProgressLogic::kNotice);
    notice.Replace("\r\n", "\n");
    notice_->ChangeValue(notice);
    SetProgress(0, logic_.GetTileCount());
    timer_.StartOnce(10);
}

void TileProgressDlg::OnTimer(wxTimerEvent&) { OnFirstTick(); }

void TileProgressDlg::OnFirstTick() {
    if (!logic_.IsStartPending()) {
        return;
    }
    timer_.Stop();
    bool finished = false;
    {
        wxBusyCursor busy;
        finished = logic_.RunOnFirstTick();
    }
    // A cancelled run has already ended with Cancel.
    if (finished) {
        EndWith(wxID_OK);
    }
}

void TileProgressDlg::OnCancelPressed() {
    if (logic_.IsCancelled()) {
        return; // ends once
    }
    logic_.Cancel();
    ModalDialog::OnCancelPressed();
}

void TileProgressDlg::SetProgress(int done, int total) {
    const wxSize size = bar_->GetClientSize();
    if (MakeProgressBarImage(bar_image_, size.GetWidth(), size.GetHeight(), done, total)) {
        bar_->SetImage(bar_image_);
    }
    bar_->Refresh();
}

void TileProgressDlg::ShowPreview(const BitmapData& image) {
    preview_->SetImage(image);
    preview_->Refresh();
    // Once per tile the dialog's own events get through: the bar and preview repaint and
    // a Cancel click is seen by the loop before the next tile.
    wxSafeYield(this, true);
}

} // namespace pf
