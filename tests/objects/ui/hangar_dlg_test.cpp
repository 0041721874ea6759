#include "objects/ui/hangar_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "objects/hangars.h"
#include "support/ui/object_dialog_fixture.h"

#include <gtest/gtest.h>

namespace pf::test {
namespace {

TEST_F(ObjectDialogTest, HangarKindButtonsSwitchTheDialog) {
    AstrelObject hangar = Parsed("HANGAR2", "\tPOS 5 10 7\r\n\tROOFH 9\r\n");
    wxTEST_DIALOG(hangar.EditInDialog(), ExpectScript<AddHangerDlg>([](AddHangerDlg* dlg) {
                      EXPECT_TRUE(dlg->FindWindow(1082)->IsShown());
                      EXPECT_EQ(dlg->FindWindow(1088)->GetLabel(), "Roof Side");
                      EXPECT_EQ(EditText(dlg, 1082), "9");
                      auto* picture = dynamic_cast<MyBitmapButton*>(dlg->FindWindow(1084));
                      ASSERT_NE(picture, nullptr);
                      EXPECT_TRUE(picture->Faces().Picture().HasPixels());
                      EXPECT_TRUE(picture->Faces().IsChecked());
                      PressButton(dlg, 1084);
                      EXPECT_FALSE(dlg->FindWindow(1082)->IsShown());
                      EXPECT_EQ(dlg->FindWindow(1088)->GetLabel(), "Door");
                      EXPECT_EQ(dlg->FindWindow(1087)->GetLabel(), "Sides");
                      EXPECT_FALSE(picture->Faces().IsChecked());
                      PressButton(dlg, 1086);
                      EXPECT_FALSE(dlg->FindWindow(1071)->IsShown());
                      EXPECT_FALSE(dlg->FindWindow(1074)->IsShown());
                      EXPECT_EQ(EditText(dlg, 1070), "Wall01");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(hangar.GetType(), kTypeHangar3);
    EXPECT_EQ(hangar.GetParameterText().substr(0, 13), "\tPOS 5 10 7\r\n");
}

} // namespace
} // namespace pf::test
