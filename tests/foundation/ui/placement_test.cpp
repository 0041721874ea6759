#include "support/ui/wx_test_hook.h"

#include "foundation/ui/placement.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

namespace pf {
namespace {

constexpr int kButtonId = 2001;
constexpr int kPanelId = 2002;
constexpr int kBorderedId = 2003;

// A real dialog with controls placed by hand, shown so that every size is settled.
class PlacementTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dlg_ = new wxDialog(nullptr, wxID_ANY, "Placement", wxPoint(50, 60), wxSize(400, 300));
        button_ = new wxButton(dlg_, kButtonId, "Go", wxPoint(20, 30), wxSize(81, 31));
        panel_ = new wxPanel(dlg_, kPanelId, wxPoint(150, 40), wxSize(60, 45), wxBORDER_NONE);
        bordered_ =
            new wxPanel(dlg_, kBorderedId, wxPoint(150, 120), wxSize(60, 45), wxBORDER_SIMPLE);
        dlg_->Show();
        Settle();
    }
    void TearDown() override { dlg_->Destroy(); }
    static void Settle() {
        for (int i = 0; i < 5; ++i) {
            wxYield();
            wxMilliSleep(0);
        }
    }

    wxDialog* dlg_ = nullptr;
    wxButton* button_ = nullptr;
    wxPanel* panel_ = nullptr;
    wxPanel* bordered_ = nullptr;
};

TEST_F(PlacementTest, RectInParentIsTheClientAreaInParentCoordinates) {
    IntRect r = WindowRectInParent(panel_);
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right, 210);
    EXPECT_EQ(r.bottom, 85);

    // a bordered control: its client area lies inside the border
    wxSize border = bordered_->GetSize() - bordered_->GetClientSize();
    ASSERT_GT(border.x, 0);
    IntRect b = WindowRectInParent(bordered_);
    EXPECT_EQ(b.left, 150 + border.x / 2);
    EXPECT_EQ(b.top, 120 + border.y / 2);
    EXPECT_EQ(b.right - b.left, 60 - border.x);
    EXPECT_EQ(b.bottom - b.top, 45 - border.y);
}

TEST_F(PlacementTest, MoveToRectTakesTheClientSizeAsWindowSize) {
    IntRect r{-1, -1, -1, -1};
    EXPECT_TRUE(WindowMoveToRect(panel_, 100, 110, &r));
    Settle();
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 110);
    EXPECT_EQ(r.right, 160);
    EXPECT_EQ(r.bottom, 155);
    EXPECT_EQ(panel_->GetPosition(), wxPoint(100, 110));
    EXPECT_EQ(panel_->GetSize(), wxSize(60, 45));

    wxSize client = bordered_->GetClientSize();
    EXPECT_TRUE(WindowMoveTo(bordered_, 10, 200));
    Settle();
    EXPECT_EQ(bordered_->GetPosition(), wxPoint(10, 200));
    EXPECT_EQ(bordered_->GetSize(), client); // shrinks by its border
}

TEST_F(PlacementTest, ResizeKeepsTheOrigin) {
    EXPECT_TRUE(WindowResizeTo(panel_, 90, 20));
    Settle();
    EXPECT_EQ(panel_->GetPosition(), wxPoint(150, 40));
    EXPECT_EQ(panel_->GetSize(), wxSize(90, 20));
    IntRect r = WindowRectInParent(panel_);
    EXPECT_EQ(r.right, 240);
    EXPECT_EQ(r.bottom, 60);
}

TEST_F(PlacementTest, SetClientSizeOfATopLevelWindow) {
    // Under a loaded X server an unmanaged window may still be placed while events are
    // processed; wait until its position holds still before taking it as "before".
    wxPoint before = dlg_->GetPosition();
    for (int i = 0; i < 50; ++i) {
        Settle();
        wxPoint now = dlg_->GetPosition();
        if (now == before)
            break;
        before = now;
    }
    EXPECT_TRUE(WindowSetClientSize(dlg_, 320, 210));
    EXPECT_EQ(dlg_->GetClientSize(), wxSize(320, 210));
    EXPECT_EQ(dlg_->GetPosition(), before);
}

TEST_F(PlacementTest, DlgItemCentreUsesIntegerHalves) {
    // (2 * 20 + 81) / 2 = 60, (2 * 30 + 31) / 2 = 45 when the button has no border
    IntRect r = WindowRectInParent(button_);
    wxPoint c = GetDlgItemCentre(dlg_, kButtonId);
    EXPECT_EQ(c.x, (2 * r.left + (r.right - r.left)) / 2);
    EXPECT_EQ(c.y, (2 * r.top + (r.bottom - r.top)) / 2);
    wxPoint p = GetDlgItemCentre(dlg_, kPanelId);
    EXPECT_EQ(p, wxPoint((2 * 150 + 60) / 2, (2 * 40 + 45) / 2));
    WindowMoveToRect(panel_, 11, 21, nullptr);
    WindowResizeTo(panel_, 7, 5);
    Settle();
    EXPECT_EQ(GetDlgItemCentre(dlg_, kPanelId), wxPoint(14, 23)); // 25/2, 47/2
    EXPECT_EQ(GetDlgItemCentre(dlg_, 4321), wxPoint(0, 0));
}

} // namespace
} // namespace pf
