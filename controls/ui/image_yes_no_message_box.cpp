#include "controls/ui/image_yes_no_message_box.h"

#include "foundation/ui/wx_text.h"
#include "imagery/color_convert.h"
#include "imagery/ui/wx_bitmap.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace pf {

namespace {
// The picture's room: the client width less 20, the height above the text less 20.
constexpr int kClientWidth = 420;
constexpr int kPictureRoomHeight = 320;
} // namespace

ImageYesNoMessageBox::ImageYesNoMessageBox(const std::string& text, const BitmapData& image,
                                           wxWindow* parent)
    : ModalDialog(parent, "Accept?"), image_(image), text_(text) {
    if (!ConvertTo24Bit(image_)) {
        image_ = BitmapData();
    }
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->AddSpacer(kPictureRoomHeight);
    edit_ =
        new wxTextCtrl(this, ID_TEXT, wxEmptyString, wxDefaultPosition,
                       wxSize(kClientWidth - 20, 60), wxTE_MULTILINE | wxTE_READONLY | wxTE_CENTRE);
    top->Add(edit_, wxSizerFlags().Border(wxLEFT | wxRIGHT, 10));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, "Yes"), wxSizerFlags().Border(wxRIGHT, 10));
    buttons->Add(new wxButton(this, wxID_CANCEL, "No"));
    top->Add(buttons, wxSizerFlags().Center().Border(wxALL, 10));
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &ImageYesNoMessageBox::OnInitDialog, this);
    Bind(wxEVT_PAINT, &ImageYesNoMessageBox::OnPaint, this);
    Bind(wxEVT_BUTTON, &ImageYesNoMessageBox::OnYes, this, wxID_OK);
    CentreOnScreen();
}

void ImageYesNoMessageBox::OnInitDialog(wxInitDialogEvent& event) {
    fit_ = FitPicture(GetClientSize().x, edit_->GetPosition().y, image_.Width(), image_.Height());
    BitmapData fitted;
    if (fit_.shown && fitted.Create24(fit_.width, fit_.height) &&
        BitmapData::Resample24(fitted, image_)) {
        image_.Swap(fitted);
    } else {
        fit_.shown = false;
        image_ = BitmapData();
    }
    edit_->ChangeValue(ToWx(text_));
    event.Skip();
}

void ImageYesNoMessageBox::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (fit_.shown) {
        PaintBitmapData(dc, image_, fit_.x, fit_.y);
    }
}

void ImageYesNoMessageBox::OnYes(wxCommandEvent&) { EndWith(wxID_OK); }

bool RunImageYesNoMessageBox(const std::string& text, const BitmapData& image) {
    ImageYesNoMessageBox box(text, image, nullptr);
    return box.ShowModal() == wxID_OK;
}

} // namespace pf
