#pragma once
// What the object dialog tests share: the built install folder as "Install Path" in a
// sandboxed home, objects read from their text, and the ways out of a dialog.
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

class ObjectDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string share = BinaryDir() + "/share/padforge/";
        for (char& c : share) {
            c = c == '/' ? '\\' : c;
        }
        WriteRegistryValue("Install Path", share);
    }

    template <class Parser>
    static AstrelObject Parsed(Parser parse, const char* word, const std::string& text) {
        AstrelObject holder;
        ParsedText(parse, word, text, &holder);
        EXPECT_FALSE(holder.IsEmpty());
        return holder;
    }

    SandboxHome home_;
};

} // namespace pf::test
