#include "controls/ui/my_bitmap_button.h"

#include "imagery/ui/wx_bitmap.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

namespace pf {

MyBitmapButton::MyBitmapButton(wxWindow* parent, wxWindowID id, const wxString& caption,
                               const wxSize& clientSize)
    : wxControl(parent, id, wxDefaultPosition, clientSize, wxBORDER_NONE),
      client_size_(clientSize) {
    SetLabel(caption);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetClientSize(clientSize);
    SetMinSize(clientSize);
    SetMaxSize(clientSize);
    faces_.SetClientSize(clientSize.GetWidth(), clientSize.GetHeight());
    Bind(wxEVT_PAINT, &MyBitmapButton::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &MyBitmapButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &MyBitmapButton::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &MyBitmapButton::OnLeftDoubleClick, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &MyBitmapButton::OnCaptureLost, this);
    Bind(wxEVT_SET_FOCUS, &MyBitmapButton::OnFocusChange, this);
    Bind(wxEVT_KILL_FOCUS, &MyBitmapButton::OnFocusChange, this);
    Bind(wxEVT_KEY_DOWN, &MyBitmapButton::OnKeyDown, this);
}

void MyBitmapButton::SetImageFile(const std::string& path) {
    if (faces_.SetImageFile(path)) {
        Refresh();
    }
}

void MyBitmapButton::SetPictureFromImage(const BitmapData& image) {
    if (faces_.SetPictureFromImage(image)) {
        Refresh();
    }
}

void MyBitmapButton::SetImage(const BitmapData& image) {
    faces_.SetImage(image);
    Refresh();
}

void MyBitmapButton::SetChecked(bool checked, int border) {
    faces_.SetChecked(checked, border);
    Refresh();
}

void MyBitmapButton::SetBorderColours(std::uint32_t checked, std::uint32_t unchecked) {
    faces_.SetBorderColours(checked, unchecked);
    Refresh();
}

void MyBitmapButton::UpdateFace() { faces_.DrawState(held_, HasFocus(), !IsEnabled()); }

void MyBitmapButton::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    UpdateFace();
    const BitmapData& face = faces_.Face();
    if (face.HasPixels()) {
        const wxSize size = GetClientSize();
        // The face may be narrower (width rounded down to a multiple of 4).
        dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(0, 0, size.GetWidth(), size.GetHeight());
        PaintBitmapData(dc, face, 0, 0);
        return;
    }
    // No picture: a plain face with the caption, sunken while held.
    const wxSize size = GetClientSize();
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    dc.DrawRectangle(0, 0, size.GetWidth(), size.GetHeight());
    if (faces_.IsToggle() && faces_.BorderFlag() != 0) {
        const std::uint32_t colour = faces_.BorderColour();
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(wxPen(wxColour((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF)));
        dc.DrawRectangle(0, 0, size.GetWidth(), size.GetHeight());
    }
    dc.SetTextForeground(
        wxSystemSettings::GetColour(IsEnabled() ? wxSYS_COLOUR_BTNTEXT : wxSYS_COLOUR_GRAYTEXT));
    const wxSize text = dc.GetTextExtent(GetLabel());
    const int shift = held_ ? 1 : 0;
    dc.DrawText(GetLabel(), (size.GetWidth() - text.GetWidth()) / 2 + shift,
                (size.GetHeight() - text.GetHeight()) / 2 + shift);
    if (HasFocus()) {
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
        dc.DrawRectangle(2, 2, size.GetWidth() - 4, size.GetHeight() - 4);
    }
}

void MyBitmapButton::OnLeftDown(wxMouseEvent&) {
    faces_.MouseDown();
    held_ = true;
    if (!HasCapture()) {
        CaptureMouse();
    }
    SetFocus();
    Refresh();
}

void MyBitmapButton::OnLeftUp(wxMouseEvent& event) {
    if (!held_) {
        return;
    }
    held_ = false;
    if (HasCapture()) {
        ReleaseMouse();
    }
    faces_.MouseUp();
    Refresh();
    if (wxRect(GetClientSize()).Contains(event.GetPosition())) {
        SendClick();
    }
}

void MyBitmapButton::OnLeftDoubleClick(wxMouseEvent& event) {
    faces_.DoubleClick();
    OnLeftDown(event);
}

void MyBitmapButton::OnCaptureLost(wxMouseCaptureLostEvent&) {
    held_ = false;
    faces_.MouseUp();
    Refresh();
}

void MyBitmapButton::OnFocusChange(wxFocusEvent& event) {
    Refresh();
    event.Skip();
}

void MyBitmapButton::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_SPACE) {
        SendClick();
        return;
    }
    event.Skip();
}

void MyBitmapButton::SendClick() {
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    ProcessWindowEvent(click);
}

} // namespace pf
