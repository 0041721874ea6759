#include "objects/ui/beacon_array_dlg.h"

#include "objects/beacon_array.h"
#include "support/ui/object_dialog_fixture.h"

#include <gtest/gtest.h>

namespace pf::test {
namespace {

TEST_F(ObjectDialogTest, BeaconArrayRefusesAShortCountThenTakesTheFields) {
    AstrelObject beacons = Parsed("BEACONARRAY", "\tEND2 0 0 100\r\n");
    wxTEST_DIALOG(beacons.EditInDialog(),
                  ExpectScript<AddBeaconArrayDlg>([](AddBeaconArrayDlg* dlg) {
                      SetEditText(dlg, 1127, "1");
                      PressButton(dlg, wxID_OK);
                      SetEditText(dlg, 1127, "20");
                      SetEditText(dlg, 1140, "0.5");
                      PressButton(dlg, wxID_OK);
                  }),
                  ExpectRefusal());
    EXPECT_EQ(beacons.GetParameterText(),
              "\tEND1 0 0 0\r\n\tEND2 0 0 100\r\n\tCOUNT 20\r\n\tSIZE 1\r\n\tCOL 0.5 1 1\r\n");
}

} // namespace
} // namespace pf::test
