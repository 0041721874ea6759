#include "objects/ui/landing_pad_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "objects/ui/object_dialogs.h"
#include "objects/ui/select_texture_dlg.h"
#include "platform/settings_store.h"
#include "support/bmp_fixture.h"
#include "support/sandbox_home.h"
#include "support/temp_dir.h"
#include "support/ui/expect_script.h"
#include "workspace/config_reader.h"

#include <wx/listbox.h>

namespace pf {
namespace {

using test::EditText;
using test::ExpectScript;
using test::PressButton;
using test::PressEscape;
using test::SetEditText;

bool Shown(wxWindow* dlg, int id) {
    wxWindow* window = dlg->FindWindow(id);
    EXPECT_NE(window, nullptr) << id;
    return window != nullptr && window->IsShown();
}

class LandingPadDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterObjectDialogs();
        test::BmpFixture f;
        f.width = 4;
        f.height = 4;
        f.rows.assign(4, std::vector<uint8_t>(12, 90));
        for (const char* name : {"lpad1.bmp", "lpad2.bmp", "lpad2a.bmp"}) {
            install_.WriteFile(name, test::MakeBmp(f));
        }
        ASSERT_TRUE(settings_store::Write("Install Path", install_.Internal()));
        StringArray lines;
        SplitTextIntoLines(lines, "LPAD2\nPOS 10 2 -30\nROT 0\nSCALE 1\nTEX Own\n");
        ASSERT_TRUE(ParseLpad2(pad_, lines));
        original_ = pad_.GetParameterText();
    }

    test::SandboxHome home_;
    test::TempDir install_;
    AstrelObject pad_;
    std::string original_;
};

TEST_F(LandingPadDialogTest, OkTakesTheChangedDiameter) {
    bool ok = false;
    wxTEST_DIALOG(ok = pad_.EditInDialog(), ExpectScript<AddLpadDlg>([](AddLpadDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Add Landing Pad");
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kRotation), "270");
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kDiameter), "80");
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kTexture), "Own");
                      EXPECT_FALSE(dlg->FindWindow(AddLpadLogic::kFrequency)->IsEnabled());
                      EXPECT_TRUE(Shown(dlg, AddLpadLogic::kChooseTexture));
                      SetEditText(dlg, AddLpadLogic::kDiameter, "40");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    EXPECT_EQ(pad_.GetType(), kTypeLpad2);
    EXPECT_EQ(pad_.GetParameterText(),
              "\tPOS 10 2 -30\r\n\tSCALE 0.5\r\n\tROT 0.000\r\n\tTEX Own\r\n");
}

TEST_F(LandingPadDialogTest, KindButtonsSetTextureAndChooser) {
    wxTEST_DIALOG(pad_.EditInDialog(), ExpectScript<AddLpadDlg>([](AddLpadDlg* dlg) {
                      PressButton(dlg, AddLpadLogic::kLpad2A);
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kTexture), "Lpad02a");
                      EXPECT_FALSE(Shown(dlg, AddLpadLogic::kChooseTexture));
                      PressButton(dlg, AddLpadLogic::kLpad1);
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kTexture), "Lpad01");
                      EXPECT_TRUE(Shown(dlg, AddLpadLogic::kChooseTexture));
                      PressButton(dlg, AddLpadLogic::kLpad2A);
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(pad_.GetType(), kTypeLpad2A);
    EXPECT_EQ(pad_.GetParameterText(),
              "\tPOS 10 2 -30\r\n\tSCALE 1\r\n\tROT 0.000\r\n\tTEX Lpad02a\r\n");
}

TEST_F(LandingPadDialogTest, TextureChooserRunsNested) {
    wxTEST_DIALOG(pad_.EditInDialog(), ExpectScript<AddLpadDlg>([](AddLpadDlg* dlg) {
                      PressButton(dlg, AddLpadLogic::kLpad1);
                      PressButton(dlg, AddLpadLogic::kChooseTexture);
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kTexture), "Lpad02");
                      PressButton(dlg, wxID_OK);
                  }),
                  ExpectScript<SelectTextureDlg>([](SelectTextureDlg* chooser) {
                      EXPECT_EQ(chooser->GetTitle(), "Select Texture");
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
    EXPECT_EQ(pad_.GetType(), kTypeLpad1);
    EXPECT_EQ(pad_.GetParameterText(),
              "\tPOS 10 2 -30\r\n\tSCALE 1\r\n\tROT 0.000\r\n\tTEX Lpad02\r\n");
}

TEST_F(LandingPadDialogTest, EscapeAndCloseBoxLeaveThePad) {
    bool ok = true;
    wxTEST_DIALOG(ok = pad_.EditInDialog(), ExpectScript<AddLpadDlg>([](AddLpadDlg* dlg) {
                      SetEditText(dlg, AddLpadLogic::kDiameter, "40");
                      PressEscape(dlg);
                  }));
    EXPECT_FALSE(ok);
    wxTEST_DIALOG(ok = pad_.EditInDialog(), ExpectScript<AddLpadDlg>([](AddLpadDlg* dlg) {
                      PressButton(dlg, AddLpadLogic::kLpad1);
                      dlg->Close();
                  }));
    EXPECT_FALSE(ok);
    EXPECT_EQ(pad_.GetParameterText(), original_);
}

} // namespace
} // namespace pf
