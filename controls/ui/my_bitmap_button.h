#pragma once
// The picture button of the object dialogs, the texture chooser and the editors: a
// control that paints a face built from a picture (see PictureButtonFaces) and sends
// wxEVT_BUTTON with its id when clicked. Without a picture it paints its caption on a
// plain face, so that it stays recognisable and clickable.
#include "controls/picture_button_faces.h"

#include <string>
#include <wx/control.h>

namespace pf {

class MyBitmapButton : public wxControl {
  public:
    // The client size is fixed here, before any picture is set: faces are built for it.
    MyBitmapButton(wxWindow* parent, wxWindowID id, const wxString& caption,
                   const wxSize& clientSize);

    // Loads a BMP file as the picture; a file that cannot be read changes nothing.
    void SetImageFile(const std::string& path);
    // The picture from an image whose rows are stored bottom row first.
    void SetPictureFromImage(const BitmapData& image);
    // A toggle picture without border (previews).
    void SetImage(const BitmapData& image);
    // Checked state and border flag (1: a border in the checked or unchecked colour).
    void SetChecked(bool checked, int border);
    // The toggle border's colours (0x00RRGGBB) when checked and unchecked.
    void SetBorderColours(std::uint32_t checked, std::uint32_t unchecked);

    const PictureButtonFaces& Faces() const { return faces_; }
    // Builds the face for the window's current state, as a repaint does.
    void UpdateFace();

  protected:
    wxSize DoGetBestSize() const override { return client_size_; }

  private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnFocusChange(wxFocusEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void SendClick();

    wxSize client_size_;
    PictureButtonFaces faces_;
    bool held_ = false;
};

} // namespace pf
