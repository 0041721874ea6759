#include "objects/ui/object_dialogs.h"

#include "objects/logic/landing_pad_logic.h"
#include "objects/logic/train_logic.h"
#include "support/mesh_files.h"
#include "support/ui/object_dialog_fixture.h"

#include <gtest/gtest.h>

namespace pf::test {
namespace {

// Esc and the close box never edit: not even a typed change reaches the object.
TEST_F(ObjectDialogTest, EscapeAndCloseBoxLeaveEveryObject) {
    MeshSandbox tree; // a simulator tree with a model, in a home of its own
    tree.WriteModel("Box.msh", kMshBox);
    SetUp();
    const std::pair<const char*, const char*> objects[] = {
        {"BLOCK", "\tPOS 1 2 3\r\n"},
        {"HANGAR2", "\tPOS 1 2 3\r\n"},
        {"TANK", "\tSCALE 15 10 20\r\n"},
        {"SOLARPLANT", "\tGRID 2 3\r\n"},
        {"BEACONARRAY", "\tCOUNT 5\r\n"},
        {"LPAD2", "\tPOS 10 2 -30\r\n\tROT 0\r\n\tSCALE 1\r\n\tTEX Own\r\n"},
        {"TRAIN2", "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n\tHEIGHT 20\r\n\tTEX Own\r\n"},
        {"RUNWAY", "\tEND1 0 0 0\r\n\tEND2 0 0 1000\r\n\tWIDTH 40\r\n"},
        {"MESH", "\tFILE Box\r\n\tPOS 1 2 3\r\n"},
    };
    for (const auto& [word, text] : objects) {
        for (Leave leave : {Leave::Escape, Leave::CloseBox}) {
            SCOPED_TRACE(word);
            AstrelObject object = Parsed(word, text);
            const std::string before = object.GetParameterText();
            bool edited = true;
            auto script = [leave](wxDialog* dlg) {
                // A change that must not survive: every edit of the dialog gets "7".
                for (wxWindow* child : dlg->GetChildren()) {
                    if (auto* edit = dynamic_cast<wxTextCtrl*>(child)) {
                        edit->ChangeValue("7");
                    }
                }
                LeaveDialog(dlg, leave);
                EXPECT_EQ(dlg->GetReturnCode(), wxID_CANCEL);
            };
            wxTEST_DIALOG(edited = object.EditInDialog(), ExpectScript<wxDialog>(script));
            EXPECT_FALSE(edited);
            EXPECT_EQ(object.GetParameterText(), before);
        }
    }
}

// OK writes the text: a changed field reaches the object, the rest stays.
TEST_F(ObjectDialogTest, ChangedFieldReachesTheObject) {
    const struct {
        const char* word;
        const char* text;
        int field;
        const char* typed;
        const char* written;
    } cases[] = {
        {"TANK", "\tSCALE 15 10 20\r\n\tNSTEP 30\r\n", 1067, "12",
         "\tPOS 0 0 0\r\n\tSCALE 15 12 20\r\n\tROT 0\r\n\tNSTEP 30\r\n"},
        {"SOLARPLANT", "\tGRID 2 3\r\n", 1069, "5",
         "\tPOS 0 0 0\r\n\tGRID 5 3\r\n\tROT 0\r\n\tTEX Solpanel\r\n"},
        {"LPAD2", "\tPOS 10 2 -30\r\n\tROT 0\r\n\tSCALE 1\r\n\tTEX Own\r\n",
         AddLpadLogic::kDiameter, "40",
         "\tPOS 10 2 -30\r\n\tSCALE 0.5\r\n\tROT 0.000\r\n\tTEX Own\r\n"},
        {"TRAIN2",
         "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n\tHEIGHT 20\r\n\tSLOWZONE 50\r\n\tTEX Own\r\n",
         AddTrainLogic::kMaxSpeed, "45.5",
         "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n\tMAXSPEED 45.5\r\n\tHEIGHT 20\r\n\tSLOWZONE 50\r\n"
         "\tTEX Own\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        AstrelObject object = Parsed(c.word, c.text);
        bool edited = false;
        wxTEST_DIALOG(edited = object.EditInDialog(), ExpectScript<wxDialog>([&c](wxDialog* dlg) {
                          SetEditText(dlg, c.field, c.typed);
                          PressButton(dlg, wxID_OK);
                      }));
        EXPECT_TRUE(edited);
        EXPECT_EQ(object.GetParameterText(), c.written);
    }
}

} // namespace
} // namespace pf::test
