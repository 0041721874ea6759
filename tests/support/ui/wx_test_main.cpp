// The main of every ui test program: waits for the display, starts wx without a main loop,
// pins the numeric locale as the program does, runs the tests and shuts wx down.
#include "support/ui/wx_test_hook.h"

#include "app/ui/program_dialogs.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <thread>

namespace pf::test {
void ReportDialogFailure(const wxString& message) { ADD_FAILURE() << message.utf8_string(); }
} // namespace pf::test

// GDK 3, under wx's GTK port (its headers are not needed for this one call).
extern "C" int gdk_init_check(int* argc, char*** argv);

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

// Many test programs start at once on one X server, and a server refuses a connection for
// a moment (at its client limit, say). GDK's default display is opened here, again and again
// for up to ten seconds, before wx starts: GTK then takes that display, so such a moment
// never fails a whole program. (wx itself cannot start twice: a failed start leaves its
// error to be shown in a dialog by the next one.)
bool OpenDisplay(int& argc, char**& argv) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return false;
    }
    for (int attempt = 1; attempt <= 50; ++attempt) {
        if (gdk_init_check(&argc, &argv) != 0) {
            if (attempt > 1) {
                fprintf(stderr, "display %s opened at attempt %d\n", display, attempt);
            }
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp());
    int wx_argc = 1;
    char* wx_argv[] = {argv[0], nullptr};
    char** gdk_argv = wx_argv;
    if (!OpenDisplay(wx_argc, gdk_argv) || !wxEntryStart(wx_argc, wx_argv)) {
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
