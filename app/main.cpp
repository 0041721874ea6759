// Padforge: the program. Starts wx, pins the numeric locale so that no number is ever
// written with a decimal comma, installs the wx ui hooks and runs the application.
#include <wx/app.h>

#include <clocale>

namespace {

class PadforgeApp : public wxApp {
public:
    bool OnInit() override {
        // GTK switches the process locale to the desktop's; numbers must stay "C".
        std::setlocale(LC_NUMERIC, "C");
        return true;
    }
    // Until the main dialog exists the program has nothing to show and ends at once.
    int OnRun() override { return 0; }
};

} // namespace

wxIMPLEMENT_APP(PadforgeApp);
