#include "objects/ui/train_dlg.h"

#include "support/ui/object_dialog_fixture.h"

namespace pf::test {
namespace {

const char* const kTrain =
    "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n\tHEIGHT 20\r\n\tSLOWZONE 50\r\n\tTEX Own\r\n";

TEST_F(ObjectDialogTest, TrainKindButtonsShowAndHideTheHeightRow) {
    AstrelObject train = Parsed("TRAIN2", kTrain);
    wxTEST_DIALOG(train.EditInDialog(), ExpectScript<AddTrainDlg>([](AddTrainDlg* dlg) {
                      PressButton(dlg, AddTrainLogic::kTrain1);
                      EXPECT_FALSE(Shown(dlg, AddTrainLogic::kHeight));
                      EXPECT_FALSE(Shown(dlg, AddTrainLogic::kHeightLabel));
                      PressButton(dlg, AddTrainLogic::kTrain2);
                      EXPECT_TRUE(Shown(dlg, AddTrainLogic::kHeight));
                      PressButton(dlg, AddTrainLogic::kTrain1);
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(train.GetType(), kTypeTrain1);
    EXPECT_EQ(train.GetParameterText(), "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n"
                                        "\tMAXSPEED 30\r\n\tSLOWZONE 50\r\n\tTEX Monorail\r\n");
}

TEST_F(ObjectDialogTest, TrainKindButtonsKeepTypedTexts) {
    AstrelObject train = Parsed("TRAIN2", kTrain);
    wxTEST_DIALOG(train.EditInDialog(), ExpectScript<AddTrainDlg>([](AddTrainDlg* dlg) {
                      SetEditText(dlg, AddTrainLogic::kMaxSpeed, "45.5");
                      PressButton(dlg, AddTrainLogic::kTrain1);
                      EXPECT_EQ(EditText(dlg, AddTrainLogic::kMaxSpeed), "45.5");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(dynamic_cast<const NewEnd12Speed&>(*train.Get()).maxSpeed.value, 45.5f);
}

} // namespace
} // namespace pf::test
