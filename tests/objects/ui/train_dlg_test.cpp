#include "objects/ui/train_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "objects/ui/object_dialogs.h"
#include "platform/settings_store.h"
#include "support/bmp_fixture.h"
#include "support/sandbox_home.h"
#include "support/temp_dir.h"
#include "support/ui/expect_script.h"
#include "workspace/config_reader.h"

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

class TrainDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterObjectDialogs();
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
    wxTEST_DIALOG(ok = train_.EditInDialog(), ExpectScript<AddTrainDlg>([](AddTrainDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Add Train");
                      EXPECT_EQ(EditText(dlg, AddTrainLogic::kHeight), "20");
                      EXPECT_EQ(EditText(dlg, AddTrainLogic::kMaxSpeed), "30");
                      EXPECT_TRUE(Shown(dlg, AddTrainLogic::kHeight));
                      auto* b =
                          dynamic_cast<MyBitmapButton*>(dlg->FindWindow(AddTrainLogic::kTrain2));
                      EXPECT_TRUE(b->Faces().Picture().HasPixels());
                      SetEditText(dlg, AddTrainLogic::kMaxSpeed, "45.5");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    EXPECT_EQ(train_.GetParameterText(), "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n"
                                         "\tMAXSPEED 45.5\r\n\tHEIGHT 20\r\n\tSLOWZONE 50\r\n"
                                         "\tTEX Own\r\n");
}

TEST_F(TrainDialogTest, KindButtonsShowAndHideTheHeightRow) {
    wxTEST_DIALOG(train_.EditInDialog(), ExpectScript<AddTrainDlg>([](AddTrainDlg* dlg) {
                      PressButton(dlg, AddTrainLogic::kTrain1);
                      EXPECT_FALSE(Shown(dlg, AddTrainLogic::kHeight));
                      EXPECT_FALSE(Shown(dlg, AddTrainLogic::kHeightLabel));
                      PressButton(dlg, AddTrainLogic::kTrain2);
                      EXPECT_TRUE(Shown(dlg, AddTrainLogic::kHeight));
                      PressButton(dlg, AddTrainLogic::kTrain1);
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(train_.GetType(), kTypeTrain1);
    EXPECT_EQ(train_.GetParameterText(), "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n"
                                         "\tMAXSPEED 30\r\n\tSLOWZONE 50\r\n\tTEX Monorail\r\n");
}

TEST_F(TrainDialogTest, KindButtonsKeepTypedTexts) {
    wxTEST_DIALOG(train_.EditInDialog(), ExpectScript<AddTrainDlg>([](AddTrainDlg* dlg) {
                      SetEditText(dlg, AddTrainLogic::kMaxSpeed, "45.5");
                      PressButton(dlg, AddTrainLogic::kTrain1);
                      EXPECT_EQ(EditText(dlg, AddTrainLogic::kMaxSpeed), "45.5");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(dynamic_cast<const NewEnd12Speed&>(*train_.Get()).maxSpeed.value, 45.5f);
}

TEST_F(TrainDialogTest, EscapeAndCloseBoxLeaveTheTrain) {
    bool ok = true;
    wxTEST_DIALOG(ok = train_.EditInDialog(), ExpectScript<AddTrainDlg>([](AddTrainDlg* dlg) {
                      SetEditText(dlg, AddTrainLogic::kMaxSpeed, "45.5");
                      PressEscape(dlg);
                  }));
    EXPECT_FALSE(ok);
    wxTEST_DIALOG(ok = train_.EditInDialog(), ExpectScript<AddTrainDlg>([](AddTrainDlg* dlg) {
                      PressButton(dlg, AddTrainLogic::kTrain1);
                      dlg->Close();
                  }));
    EXPECT_FALSE(ok);
    EXPECT_EQ(train_.GetParameterText(), original_);
}

} // namespace
} // namespace pf
