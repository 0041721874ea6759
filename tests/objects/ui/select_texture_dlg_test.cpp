#include "objects/ui/select_texture_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "support/sandbox_home.h"
#include "support/ui/expect_script.h"

#include <gtest/gtest.h>
#include <wx/listbox.h>

namespace pf {
namespace {

using test::ExpectRefusal;
using test::ExpectScript;
using test::PressButton;
using test::PressEscape;
using test::SetEditText;

class SelectTextureDlgTest : public ::testing::Test {
  protected:
    test::SandboxHome home_;
};

TEST_F(SelectTextureDlgTest, RunsOnItsOwn) {
    SelectTextureDlg dlg(14, nullptr);
    dlg.Logic().name = "";
    dlg.Logic().u = 1.0f;
    dlg.Logic().v = 1.0f;
    int result = 0;
    wxTEST_DIALOG(result = dlg.ShowModal(), ExpectScript<SelectTextureDlg>([](SelectTextureDlg* d) {
                      auto* list = dynamic_cast<wxListBox*>(d->FindWindow(1024));
                      ASSERT_NE(list, nullptr);
                      EXPECT_EQ(list->GetCount(), 1u);
                      EXPECT_EQ(list->GetSelection(), wxNOT_FOUND);
                      EXPECT_FALSE(d->FindWindow(1093)->IsShown());
                      EXPECT_FALSE(d->FindWindow(1105)->IsShown());
                      EXPECT_TRUE(d->Preview().Faces().Picture().HasPixels());
                      wxCommandEvent dclick(wxEVT_LISTBOX_DCLICK, 1024);
                      dclick.SetInt(0);
                      d->ProcessWindowEvent(dclick);
                  }));
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dlg.Logic().name, "Lpad02a");

    SelectTextureDlg cancelled(2, nullptr);
    cancelled.Logic().name = "Fcd03";
    wxTEST_DIALOG(result = cancelled.ShowModal(),
                  ExpectScript<SelectTextureDlg>([](SelectTextureDlg* d) {
                      auto* list = dynamic_cast<wxListBox*>(d->FindWindow(1024));
                      list->SetSelection(0);
                      wxCommandEvent change(wxEVT_LISTBOX, 1024);
                      change.SetInt(0);
                      d->ProcessWindowEvent(change);
                      PressEscape(d);
                  }));
    EXPECT_EQ(result, wxID_CANCEL);
}

TEST_F(SelectTextureDlgTest, OkWaitsForValidScales) {
    SelectTextureDlg dlg(2, nullptr);
    dlg.Logic().name = "Fcd06";
    int result = 0;
    wxTEST_DIALOG(result = dlg.ShowModal(), ExpectScript<SelectTextureDlg>([](SelectTextureDlg* d) {
                      auto* list = dynamic_cast<wxListBox*>(d->FindWindow(1024));
                      ASSERT_NE(list, nullptr);
                      EXPECT_EQ(list->GetSelection(), 7);
                      EXPECT_TRUE(d->FindWindow(1093)->IsShown());
                      PressButton(d, wxID_OK);
                      EXPECT_EQ(d->GetReturnCode(), 0);
                      SetEditText(d, 1093, "2");
                      SetEditText(d, 1094, "0.5");
                      PressButton(d, wxID_OK);
                  }),
                  ExpectRefusal());
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dlg.Logic().name, "Fcd06");
    EXPECT_EQ(dlg.Logic().u, 2.0f);
    EXPECT_EQ(dlg.Logic().v, 0.5f);
}

} // namespace
} // namespace pf
