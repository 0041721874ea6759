#include "objects/ui/train_dialog.h"

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

class TrainDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterRunwayPadTrainDialogs();
        test::BmpFixture f;
        f.width = 4;
        f.height = 4;
        f.rows.assign(4, std::vector<uint8_t>(12, 90));
        install_.WriteFile("Buttons/train1.bmp", test::MakeBmp(f));
        install_.WriteFile("Buttons/train2.bmp", test::MakeBmp(f));
        ASSERT_TRUE(settings_store::Write("Install Path", install_.Internal()));
        StringArray lines;
        SplitTextIntoLines(lines, "TRAIN2\nEND1 0 3 0\nEND2 0 3 1000\nHEIGHT 20\n"
                                  "SLOWZONE 50\nTEX Own\n");
        ASSERT_TRUE(ParseTrain2(train_, lines));
        original_ = train_.GetParameterText();
    }

    test::SandboxHome home_;
    test::TempDir install_;
    AstrelObject train_;
    std::string original_;
};

TEST_F(TrainDialogTest, OkTakesTheChangedSpeed) {
    bool ok = false;
    wxTEST_DIALOG(ok = train_.EditInDialog(), ExpectDialog<AddTrainDlg>([](AddTrainDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Add Train");
                      EXPECT_EQ(TextOf(dlg, AddTrainLogic::kHeight), "20");
                      EXPECT_EQ(TextOf(dlg, AddTrainLogic::kMaxSpeed), "30");
                      EXPECT_TRUE(Shown(dlg, AddTrainLogic::kHeight));
                      auto* b =
                          dynamic_cast<MyBitmapButton*>(dlg->FindWindow(AddTrainLogic::kTrain2));
                      EXPECT_TRUE(b->Faces().Picture().HasPixels());
                      SetText(dlg, AddTrainLogic::kMaxSpeed, "45.5");
                      return Press(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    EXPECT_EQ(train_.GetParameterText(), "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n"
                                         "\tMAXSPEED 45.5\r\n\tHEIGHT 20\r\n\tSLOWZONE 50\r\n"
                                         "\tTEX Own\r\n");
}

TEST_F(TrainDialogTest, KindButtonsShowAndHideTheHeightRow) {
    wxTEST_DIALOG(train_.EditInDialog(), ExpectDialog<AddTrainDlg>([](AddTrainDlg* dlg) {
                      Press(dlg, AddTrainLogic::kTrain1);
                      EXPECT_FALSE(Shown(dlg, AddTrainLogic::kHeight));
                      EXPECT_FALSE(Shown(dlg, AddTrainLogic::kHeightLabel));
                      Press(dlg, AddTrainLogic::kTrain2);
                      EXPECT_TRUE(Shown(dlg, AddTrainLogic::kHeight));
                      Press(dlg, AddTrainLogic::kTrain1);
                      return Press(dlg, wxID_OK);
                  }));
    EXPECT_EQ(train_.GetType(), kTypeTrain1);
    EXPECT_EQ(train_.GetParameterText(), "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n"
                                         "\tMAXSPEED 30\r\n\tSLOWZONE 50\r\n\tTEX Monorail\r\n");
}

TEST_F(TrainDialogTest, EscapeAndCloseBoxLeaveTheTrain) {
    bool ok = true;
    wxTEST_DIALOG(ok = train_.EditInDialog(), ExpectDialog<AddTrainDlg>([](AddTrainDlg* dlg) {
                      SetText(dlg, AddTrainLogic::kMaxSpeed, "45.5");
                      return test::Escape(dlg);
                  }));
    EXPECT_FALSE(ok);
    wxTEST_DIALOG(ok = train_.EditInDialog(), ExpectDialog<AddTrainDlg>([](AddTrainDlg* dlg) {
                      Press(dlg, AddTrainLogic::kTrain1);
                      dlg->Close();
                      return dlg->GetReturnCode();
                  }));
    EXPECT_FALSE(ok);
    EXPECT_EQ(train_.GetParameterText(), original_);
}

} // namespace
} // namespace pf
