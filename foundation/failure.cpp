#include "foundation/failure.h"

#include "foundation/ui_hooks.h"

#include <cstdio>

namespace pf {

namespace {
bool g_show_failures = true;
}

bool GetShowFailures() { return g_show_failures; }
void SetShowFailures(bool show) { g_show_failures = show; }

bool ShowFailureMessage(const std::string& text) {
    if (!g_show_failures) {
        return false;
    }
    if (UiHooks* hooks = GetUiHooks()) {
        if (hooks->ShowFailure(text)) {
            g_show_failures = false;
        }
    } else {
        std::fprintf(stderr, "%s", text.c_str());
    }
    return false;
}

bool ShowFailureMessage(const char* text) {
    return ShowFailureMessage(std::string(text != nullptr ? text : ""));
}

} // namespace pf
