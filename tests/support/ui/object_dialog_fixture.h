#pragma once
// What the object dialog tests share: a sandboxed home whose "Install Path" is the built
// install folder (so the dialogs show their pictures) and the ways out of a dialog.
#include "support/object_fixtures.h"
#include "support/sandbox_home.h"
#include "support/test_paths.h"
#include "support/ui/expect_script.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>

namespace pf::test {

enum class Leave { Ok, Escape, CloseBox };

inline void LeaveDialog(wxDialog* dlg, Leave leave) {
    switch (leave) {
    case Leave::Ok:
        PressButton(dlg, wxID_OK);
        break;
    case Leave::Escape:
        PressEscape(dlg);
        break;
    case Leave::CloseBox:
        dlg->Close();
        break;
    }
}

inline bool Shown(wxWindow* dlg, int id) {
    wxWindow* window = dlg->FindWindow(id);
    EXPECT_NE(window, nullptr) << id;
    return window != nullptr && window->IsShown();
}

class ObjectDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string share = BinaryDir() + "/share/padforge/";
        for (char& c : share) {
            c = c == '/' ? '\\' : c;
        }
        WriteRegistryValue("Install Path", share);
    }

    SandboxHome home_;
};

} // namespace pf::test
