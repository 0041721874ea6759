#include "objects/ui/add_object_abstract.h"

#include "support/ui/object_dialog_fixture.h"

#include <gtest/gtest.h>

namespace pf::test {
namespace {

TEST_F(ObjectDialogTest, AddObjectGivesTheChosenCode) {
    for (const AddObjectLogic::Button& button : AddObjectLogic::Buttons()) {
        AddObjectDlg dlg(nullptr);
        int result = 0;
        wxTEST_DIALOG(
            result = dlg.ShowModal(),
            ExpectScript<AddObjectDlg>([&button](AddObjectDlg* d) { PressButton(d, button.id); }));
        EXPECT_EQ(result, wxID_OK);
        EXPECT_EQ(dlg.GetCode(), button.code);
        EXPECT_EQ(dlg.FindWindow(button.id)->GetLabel(), button.caption);
    }
    for (Leave leave : {Leave::Escape, Leave::CloseBox}) {
        AddObjectDlg dlg(nullptr);
        int result = 0;
        wxTEST_DIALOG(
            result = dlg.ShowModal(),
            ExpectScript<AddObjectDlg>([leave](AddObjectDlg* d) { LeaveDialog(d, leave); }));
        EXPECT_EQ(result, wxID_CANCEL);
        EXPECT_EQ(dlg.GetCode(), 0);
    }
}

} // namespace
} // namespace pf::test
