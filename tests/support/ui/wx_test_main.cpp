// The main of every ui test program: starts wx without a main loop, pins the numeric
// locale as the program does, runs the tests and shuts wx down.
#include "support/ui/wx_test_hook.h"

#include "app/ui/program_dialogs.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include <clocale>

namespace pf::test {
void ReportDialogFailure(const wxString& message) { ADD_FAILURE() << message.utf8_string(); }
} // namespace pf::test

namespace {

class TestApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

void AssertToFailure(const wxString& file, int line, const wxString& func, const wxString& cond,
                     const wxString& msg) {
    ADD_FAILURE() << "wx assert at " << file.utf8_string() << ":" << line << " in "
                  << func.utf8_string() << ": " << cond.utf8_string() << " " << msg.utf8_string();
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp());
    int wx_argc = 1;
    char* wx_argv[] = {argv[0], nullptr};
    if (!wxEntryStart(wx_argc, wx_argv)) {
        fprintf(stderr, "wx could not start (no display?)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    pf::RegisterProgramDialogs();
    std::setlocale(LC_NUMERIC, "C");
    wxSetAssertHandler(AssertToFailure);
    wxLog::EnableLogging(false);
    int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
