#include "foundation/ui_hooks.h"

#include <cstdio>

namespace pf {

namespace {
UiHooks* g_hooks = nullptr;
}

UiHooks* GetUiHooks() { return g_hooks; }

UiHooks* SetUiHooks(UiHooks* hooks) {
    UiHooks* previous = g_hooks;
    g_hooks = hooks;
    return previous;
}

MessageAnswer ClosedBoxAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) {
    if (g_hooks != nullptr) {
        return g_hooks->MessageBox(text, caption, buttons, icon);
    }
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return ClosedBoxAnswer(buttons);
}

} // namespace pf
