#include "objects/ui/landing_pad_dialog.h"

#include "app/ui/my_bitmap_button.h"
#include "objects/config_reader.h"
#include "objects/ui/runway_pad_train_registration.h"
#include "platform/settings_store.h"
#include "support/bmp_fixture.h"
#include "support/sandbox_home.h"
#include "support/temp_dir.h"
#include "tests/objects/ui/dialog_driver.h"

namespace pf {
namespace {

using test::ExpectDialog;
using test::Press;
using test::SetText;
using test::Shown;
using test::TextOf;

class LandingPadDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterRunwayPadTrainDialogs();
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
    wxTEST_DIALOG(ok = pad_.EditInDialog(), ExpectDialog<AddLpadDlg>([](AddLpadDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Add Landing Pad");
                      EXPECT_EQ(TextOf(dlg, AddLpadLogic::kRotation), "270");
                      EXPECT_EQ(TextOf(dlg, AddLpadLogic::kDiameter), "80");
                      EXPECT_EQ(TextOf(dlg, AddLpadLogic::kTexture), "Own");
                      EXPECT_FALSE(dlg->FindWindow(AddLpadLogic::kFrequency)->IsEnabled());
                      EXPECT_TRUE(Shown(dlg, AddLpadLogic::kChooseTexture));
                      SetText(dlg, AddLpadLogic::kDiameter, "40");
                      return Press(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    EXPECT_EQ(pad_.GetType(), kTypeLpad2);
    EXPECT_EQ(pad_.GetParameterText(),
              "\tPOS 10 2 -30\r\n\tSCALE 0.5\r\n\tROT 0.000\r\n\tTEX Own\r\n");
}

TEST_F(LandingPadDialogTest, KindButtonsSetTextureAndChooser) {
    wxTEST_DIALOG(pad_.EditInDialog(), ExpectDialog<AddLpadDlg>([](AddLpadDlg* dlg) {
                      Press(dlg, AddLpadLogic::kLpad2A);
                      EXPECT_EQ(TextOf(dlg, AddLpadLogic::kTexture), "Lpad02a");
                      EXPECT_FALSE(Shown(dlg, AddLpadLogic::kChooseTexture));
                      Press(dlg, AddLpadLogic::kLpad1);
                      EXPECT_EQ(TextOf(dlg, AddLpadLogic::kTexture), "Lpad01");
                      EXPECT_TRUE(Shown(dlg, AddLpadLogic::kChooseTexture));
                      Press(dlg, AddLpadLogic::kLpad2A);
                      return Press(dlg, wxID_OK);
                  }));
    EXPECT_EQ(pad_.GetType(), kTypeLpad2A);
    EXPECT_EQ(pad_.GetParameterText(),
              "\tPOS 10 2 -30\r\n\tSCALE 1\r\n\tROT 0.000\r\n\tTEX Lpad02a\r\n");
}

TEST_F(LandingPadDialogTest, EscapeAndCloseBoxLeaveThePad) {
    bool ok = true;
    wxTEST_DIALOG(ok = pad_.EditInDialog(), ExpectDialog<AddLpadDlg>([](AddLpadDlg* dlg) {
                      SetText(dlg, AddLpadLogic::kDiameter, "40");
                      return test::Escape(dlg);
                  }));
    EXPECT_FALSE(ok);
    wxTEST_DIALOG(ok = pad_.EditInDialog(), ExpectDialog<AddLpadDlg>([](AddLpadDlg* dlg) {
                      Press(dlg, AddLpadLogic::kLpad1);
                      dlg->Close();
                      return dlg->GetReturnCode();
                  }));
    EXPECT_FALSE(ok);
    EXPECT_EQ(pad_.GetParameterText(), original_);
}

} // namespace
} // namespace pf
