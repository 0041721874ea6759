#include "controls/ui/my_bitmap_button.h"

#include "support/ui/wx_test_hook.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/sizer.h>

namespace pf {
namespace {

TEST(MyBitmapButtonTest, PaintsAndClicks) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "button");
    // In a sizer the button keeps its size (a frame's only child would fill the frame).
    auto* panel = new wxPanel(frame);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* button = new MyBitmapButton(panel, 1084, "Hangar", wxSize(66, 48));
    sizer->Add(button);
    EXPECT_EQ(button->GetClientSize(), wxSize(66, 48));
    int clicks = 0;
    frame->Bind(wxEVT_BUTTON, [&clicks](wxCommandEvent& event) {
        EXPECT_EQ(event.GetId(), 1084);
        ++clicks;
    });
    BitmapData picture(10, 10, 24);
    picture.FillColor(0x2040FF);
    button->SetImage(picture);
    EXPECT_EQ(button->Faces().Picture().Width(), 64);
    panel->SetSizer(sizer);
    frame->Show();
    EXPECT_EQ(button->GetClientSize(), wxSize(66, 48));
    button->Update();
    button->UpdateFace();
    EXPECT_TRUE(button->Faces().Face().HasPixels());

    wxMouseEvent down(wxEVT_LEFT_DOWN);
    down.SetPosition(wxPoint(10, 10));
    button->ProcessWindowEvent(down);
    EXPECT_TRUE(button->Faces().IsPressed());
    wxMouseEvent up(wxEVT_LEFT_UP);
    up.SetPosition(wxPoint(10, 10));
    button->ProcessWindowEvent(up);
    EXPECT_FALSE(button->Faces().IsPressed());
    EXPECT_EQ(clicks, 1);

    // Released outside: no click.
    button->ProcessWindowEvent(down);
    wxMouseEvent away(wxEVT_LEFT_UP);
    away.SetPosition(wxPoint(200, 10));
    button->ProcessWindowEvent(away);
    EXPECT_EQ(clicks, 1);

    // Without a picture the caption stands in and clicks still arrive.
    auto* blank = new MyBitmapButton(panel, 1084, "Hangar2", wxSize(64, 48));
    sizer->Add(blank);
    panel->Layout();
    blank->SetImageFile("\\no\\such\\file.bmp");
    EXPECT_FALSE(blank->Faces().Picture().HasPixels());
    blank->Refresh();
    blank->Update();
    blank->ProcessWindowEvent(down);
    blank->ProcessWindowEvent(up);
    EXPECT_EQ(clicks, 2);
    frame->Destroy();
}

} // namespace
} // namespace pf
