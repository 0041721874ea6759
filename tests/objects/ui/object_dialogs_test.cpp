#include "objects/ui/object_dialogs.h"

#include "object_dialog_fixture.h"
#include "objects/beacon_array.h"
#include "objects/block.h"
#include "objects/hangars.h"
#include "objects/solar_plant.h"
#include "objects/tank.h"

#include <gtest/gtest.h>

namespace pf::test {
namespace {

TEST_F(ObjectDialogTest, EscapeAndCloseBoxLeaveEveryObject) {
    struct Case {
        AstrelObject object;
        const char* name;
    };
    std::vector<Case> cases;
    cases.push_back({Parsed(ParseBlock, "BLOCK", "\tPOS 1 2 3\r\n"), "block"});
    cases.push_back({Parsed(ParseHangar2, "HANGAR2", "\tPOS 1 2 3\r\n"), "hangar"});
    cases.push_back({Parsed(ParseTank, "TANK", "\tSCALE 15 10 20\r\n"), "tank"});
    cases.push_back({Parsed(ParseSolarPlant, "SOLARPLANT", "\tGRID 2 3\r\n"), "solar"});
    cases.push_back({Parsed(ParseBeaconArray, "BEACONARRAY", "\tCOUNT 5\r\n"), "beacons"});
    for (Case& c : cases) {
        for (Leave leave : {Leave::Escape, Leave::CloseBox}) {
            const std::string before = c.object.GetParameterText();
            bool edited = true;
            auto script = [leave](wxDialog* dlg) {
                // A change that must not survive.
                for (int id : {1069, 1140}) {
                    if (dynamic_cast<wxTextCtrl*>(dlg->FindWindow(id)) != nullptr) {
                        SetEditText(dlg, id, "0.5");
                    }
                }
                LeaveDialog(dlg, leave);
                EXPECT_EQ(dlg->GetReturnCode(), wxID_CANCEL);
            };
            wxTEST_DIALOG(edited = c.object.EditInDialog(), ExpectScript<wxDialog>(script));
            EXPECT_FALSE(edited) << c.name;
            EXPECT_EQ(c.object.GetParameterText(), before) << c.name;
        }
    }
}

TEST_F(ObjectDialogTest, ChangedFieldReachesTheObject) {
    struct Case {
        AstrelObject object;
        const char* title;
        int field;
        const char* typed;
        const char* written;
    };
    const Case cases[] = {
        {Parsed(ParseTank, "TANK", "\tSCALE 15 10 20\r\n\tNSTEP 30\r\n"), "Add Tank", 1067, "12",
         "\tPOS 0 0 0\r\n\tSCALE 15 12 20\r\n\tROT 0\r\n\tNSTEP 30\r\n"},
        {Parsed(ParseSolarPlant, "SOLARPLANT", "\tGRID 2 3\r\n"), "Add Solar Plant", 1069, "5",
         "\tPOS 0 0 0\r\n\tGRID 5 3\r\n\tROT 0\r\n\tTEX Solpanel\r\n"},
    };
    for (Case c : cases) {
        wxTEST_DIALOG(c.object.EditInDialog(), ExpectScript<wxDialog>([&c](wxDialog* dlg) {
                          EXPECT_EQ(dlg->GetTitle(), c.title);
                          SetEditText(dlg, c.field, c.typed);
                          PressButton(dlg, wxID_OK);
                      }));
        EXPECT_EQ(c.object.GetParameterText(), c.written) << c.title;
    }
}

} // namespace
} // namespace pf::test
