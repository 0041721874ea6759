#include "objects/ui/landing_pad_dlg.h"

#include "objects/ui/select_texture_dlg.h"
#include "support/ui/object_dialog_fixture.h"

#include <wx/listbox.h>

namespace pf::test {
namespace {

const char* const kPad = "\tPOS 10 2 -30\r\n\tROT 0\r\n\tSCALE 1\r\n\tTEX Own\r\n";

TEST_F(ObjectDialogTest, PadKindButtonsSetTextureAndChooser) {
    AstrelObject pad = Parsed("LPAD2", kPad);
    wxTEST_DIALOG(pad.EditInDialog(), ExpectScript<AddLpadDlg>([](AddLpadDlg* dlg) {
                      EXPECT_FALSE(dlg->FindWindow(AddLpadLogic::kFrequency)->IsEnabled());
                      EXPECT_TRUE(Shown(dlg, AddLpadLogic::kChooseTexture));
                      PressButton(dlg, AddLpadLogic::kLpad2A);
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kTexture), "Lpad02a");
                      EXPECT_FALSE(Shown(dlg, AddLpadLogic::kChooseTexture));
                      PressButton(dlg, AddLpadLogic::kLpad1);
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kTexture), "Lpad01");
                      EXPECT_TRUE(Shown(dlg, AddLpadLogic::kChooseTexture));
                      PressButton(dlg, AddLpadLogic::kLpad2A);
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(pad.GetType(), kTypeLpad2A);
    EXPECT_EQ(pad.GetParameterText(),
              "\tPOS 10 2 -30\r\n\tSCALE 1\r\n\tROT 0.000\r\n\tTEX Lpad02a\r\n");
}

TEST_F(ObjectDialogTest, PadTextureChooserRunsNested) {
    AstrelObject pad = Parsed("LPAD2", kPad);
    wxTEST_DIALOG(pad.EditInDialog(), ExpectScript<AddLpadDlg>([](AddLpadDlg* dlg) {
                      PressButton(dlg, AddLpadLogic::kLpad1);
                      PressButton(dlg, AddLpadLogic::kChooseTexture);
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kTexture), "Lpad02");
                      PressButton(dlg, wxID_OK);
                  }),
                  ExpectScript<SelectTextureDlg>([](SelectTextureDlg* chooser) {
                      auto* list = dynamic_cast<wxListBox*>(chooser->FindWindow(1024));
                      ASSERT_NE(list, nullptr);
                      ASSERT_EQ(list->GetCount(), 2u);
                      EXPECT_EQ(list->GetString(0), "Lpad01");
                      EXPECT_EQ(list->GetString(1), "Lpad02");
                      EXPECT_EQ(list->GetSelection(), 0);
                      EXPECT_FALSE(Shown(chooser, SelectTextureLogic::kUScale));
                      list->SetSelection(1);
                      wxCommandEvent change(wxEVT_LISTBOX, 1024);
                      change.SetInt(1);
                      chooser->ProcessWindowEvent(change);
                      PressButton(chooser, wxID_OK);
                  }));
    EXPECT_EQ(pad.GetType(), kTypeLpad1);
    EXPECT_EQ(pad.GetParameterText(),
              "\tPOS 10 2 -30\r\n\tSCALE 1\r\n\tROT 0.000\r\n\tTEX Lpad02\r\n");
}

} // namespace
} // namespace pf::test
