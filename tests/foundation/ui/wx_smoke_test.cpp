#include "support/ui/wx_test_hook.h"

#include <wx/msgdlg.h>

namespace {

TEST(WxTestHarness, MessageDialogIsDrivenByTheHook) {
    int answer = 0;
    wxTEST_DIALOG(answer = wxMessageBox("text", "Question", wxYES_NO),
                  wxExpectModal<wxMessageDialog>(wxNO));
    EXPECT_EQ(answer, wxNO);
}

} // namespace
