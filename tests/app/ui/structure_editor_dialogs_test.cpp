#include "app/logic/dialog_runners.h"
#include "app/ui/edit_parameter_text_dlg.h"

#include "objects/ui/landing_pad_dlg.h"
#include "objects/ui/runway_dlg.h"
#include "support/structure_editor_fixture.h"
#include "support/ui/expect_script.h"

namespace pf {
namespace {

using test::EditText;
using test::ExpectScript;
using test::ParseObject;
using test::PressButton;
using test::PressEscape;
using test::SetEditText;

const char kBlock[] = "BLOCK\nPOS 1 2 3\nSCALE 10 5 10\nROT 45\n";

class EditorDialogsTest : public test::StructureEditorTest {
  protected:
    // Runs "Parameter text" on the object with the script; true for OK.
    bool RunParameterText(AstrelObject& object, ExpectScript<EditParameterTextDlg>::Script script) {
        bool ok = false;
        wxTEST_DIALOG(ok = GetDialogRunners().editParameterText(object),
                      ExpectScript<EditParameterTextDlg>(std::move(script)));
        return ok;
    }
};

TEST_F(EditorDialogsTest, ParameterTextShowsTheLinesAndReadsThemBackOnOk) {
    AstrelObject block = ParseObject(kBlock);
    const std::string before = block.GetParameterText();
    const bool ok = RunParameterText(block, [](EditParameterTextDlg* dlg) {
        EXPECT_EQ(dlg->GetTitle(), "BLOCK");
        EXPECT_EQ(EditText(dlg, EditParameterTextDlg::kTextId),
                  "\tPOS 1 2 3\n\tSCALE 10 5 10\n\tROT 45\n");
        SetEditText(dlg, EditParameterTextDlg::kTextId, "\tPOS 1 2 3\n\tSCALE 10 5 10\n\tROT 90\n");
        PressButton(dlg, wxID_OK);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(block.GetParameterText(), "\tPOS 1 2 3\r\n\tSCALE 10 5 10\r\n\tROT 90\r\n");
    EXPECT_TRUE(sandbox_.Ui().Failures().empty());

    // A character the base file cannot hold: the failure, the object kept, still OK.
    const std::string edited = block.GetParameterText();
    EXPECT_TRUE(RunParameterText(block, [](EditParameterTextDlg* dlg) {
        SetEditText(dlg, EditParameterTextDlg::kTextId,
                    wxString::FromUTF8("POS 1 2 3 \xE2\x88\x9A\n"));
        PressButton(dlg, wxID_OK);
    }));
    EXPECT_EQ(block.GetParameterText(), edited);
    EXPECT_EQ(sandbox_.Ui().Failures(),
              std::vector<std::string>{"Error parsing parameter text\r\n"});

    for (bool escape : {true, false}) {
        EXPECT_FALSE(RunParameterText(block, [escape](EditParameterTextDlg* dlg) {
            SetEditText(dlg, EditParameterTextDlg::kTextId, "POS 0 0 0");
            escape ? PressEscape(dlg) : (void)dlg->Close();
        }));
        EXPECT_EQ(block.GetParameterText(), edited);
    }
}

TEST_F(EditorDialogsTest, AddObjectGivesTheTypeAndItsDialogShowsThePresetFrequencies) {
    StructureEditorModel& model = Open();
    model.Frequencies().MarkUsed(108.1f);
    int runwayButton = 0;
    for (const AddObjectLogic::Button& button : AddObjectLogic::Buttons()) {
        runwayButton = button.code == kTypeRunway ? button.id : runwayButton;
    }
    wxTEST_DIALOG(model.AddObject(), ExpectScript<AddObjectDlg>([&](AddObjectDlg* dlg) {
                      PressButton(dlg, runwayButton);
                  }),
                  ExpectScript<AddRunwayDlg>([](AddRunwayDlg* dlg) {
                      EXPECT_EQ(EditText(dlg, AddRunwayLogic::kIls1), "124");
                      EXPECT_EQ(EditText(dlg, AddRunwayLogic::kIls2), "124.1");
                      PressEscape(dlg);
                  }));
    wxTEST_DIALOG(model.AddLandingPad(), ExpectScript<AddLpadDlg>([](AddLpadDlg* dlg) {
                      EXPECT_EQ(EditText(dlg, AddLpadLogic::kFrequency), "108.2");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(model.List().HasPending());
    EXPECT_EQ(model.List().Current()->GetType(), kTypeLpad1);
}

} // namespace
} // namespace pf
