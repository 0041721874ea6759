#include "objects/ui/block_dlg.h"

#include "objects/block.h"
#include "objects/ui/select_texture_dlg.h"
#include "support/ui/object_dialog_fixture.h"

#include <gtest/gtest.h>
#include <wx/listbox.h>

namespace pf::test {
namespace {

const char* const kBlock = "\tPOS 1 2 3\r\n\tSCALE 30 10 90\r\n\tROT 45\r\n"
                           "\tTEX1 Fcd01 1.25 2\r\n\tTEX2 Fcd02 3 4\r\n\tTEX3 Roof01 0.5 0.75\r\n";

TEST_F(ObjectDialogTest, BlockEditedThroughItsDialog) {
    AstrelObject block = Parsed("BLOCK", kBlock);
    bool edited = false;
    wxTEST_DIALOG(edited = block.EditInDialog(), ExpectScript<AddBlockDlg>([](AddBlockDlg* dlg) {
                      SetEditText(dlg, 1069, "50");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(edited);
    EXPECT_EQ(block.GetParameterText(),
              "\tPOS 1 2 3\r\n\tSCALE 50 10 90\r\n\tROT 45\r\n"
              "\tTEX1 Fcd01 1.25 2\r\n\tTEX2 Fcd02 3 4\r\n\tTEX3 Roof01 0.5 0.75\r\n");
}

TEST_F(ObjectDialogTest, RefusedValueShowsItsMessageAndStaysOpen) {
    AstrelObject block = Parsed("BLOCK", kBlock);
    const std::string before = block.GetParameterText();
    bool edited = true;
    wxTEST_DIALOG(edited = block.EditInDialog(), ExpectScript<AddBlockDlg>([](AddBlockDlg* dlg) {
                      SetEditText(dlg, 1069, "0.1");
                      PressButton(dlg, wxID_OK);
                      EXPECT_EQ(dlg->GetReturnCode(), 0);
                      PressButton(dlg, wxID_CANCEL);
                  }),
                  ExpectRefusal());
    EXPECT_FALSE(edited);
    EXPECT_EQ(block.GetParameterText(), before);
}

TEST_F(ObjectDialogTest, TextureButtonOpensTheChooserNested) {
    AstrelObject block = Parsed("BLOCK", kBlock);
    wxTEST_DIALOG(block.EditInDialog(), ExpectScript<AddBlockDlg>([](AddBlockDlg* dlg) {
                      PressButton(dlg, 1073);
                      EXPECT_EQ(EditText(dlg, 1071), "Roof02");
                      PressButton(dlg, wxID_OK);
                  }),
                  ExpectScript<SelectTextureDlg>([](SelectTextureDlg* chooser) {
                      auto* list = dynamic_cast<wxListBox*>(chooser->FindWindow(1024));
                      ASSERT_NE(list, nullptr);
                      EXPECT_EQ(list->GetCount(), 17u);
                      EXPECT_EQ(list->GetSelection(), 2); // "Fcd01"
                      EXPECT_EQ(EditText(chooser, 1093), "1.25");
                      list->SetSelection(15);
                      wxCommandEvent change(wxEVT_LISTBOX, 1024);
                      change.SetInt(15);
                      chooser->ProcessWindowEvent(change);
                      SetEditText(chooser, 1093, "6");
                      SetEditText(chooser, 1094, "7");
                      PressButton(chooser, wxID_OK);
                  }));
    EXPECT_NE(block.GetParameterText().find("\tTEX1 Roof02 6 7\r\n"), std::string::npos)
        << block.GetParameterText();
}

} // namespace
} // namespace pf::test
