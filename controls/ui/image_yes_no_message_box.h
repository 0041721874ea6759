#pragma once
// A yes/no question that shows a picture above its text, fitted to the box and never
// enlarged ("Accept?"). Yes ends the box with wxID_OK; No, Esc and the close box with
// wxID_CANCEL.
#include "controls/picture_fit.h"
#include "foundation/ui/modal_dialog.h"
#include "imagery/bitmap_data.h"

#include <string>

class wxTextCtrl;

namespace pf {

class ImageYesNoMessageBox : public ModalDialog {
  public:
    enum { ID_TEXT = 1147 };

    // Keeps its own 24-bit copy of the image.
    ImageYesNoMessageBox(const std::string& text, const BitmapData& image, wxWindow* parent);

    // Where the picture stands, and the picture as fitted (empty until initialised, and
    // when it fits to nothing).
    const PictureFit& Fit() const { return fit_; }
    const BitmapData& Picture() const { return image_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnYes(wxCommandEvent& event);

    BitmapData image_;
    std::string text_;
    PictureFit fit_;
    wxTextCtrl* edit_ = nullptr;
};

// Asks the question with its picture; true for Yes.
bool RunImageYesNoMessageBox(const std::string& text, const BitmapData& image);

} // namespace pf
