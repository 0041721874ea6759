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

std::optional<std::string> UiHooks::PickFile(const std::string&, const std::string&,
                                             const std::string&) {
    return std::nullopt;
}

std::optional<std::string> UiHooks::PickFolder(const std::string&) { return std::nullopt; }

std::optional<std::string> UiHooks::PickSaveFile(const std::string&, const std::string&,
                                                 const std::string&, const std::string&) {
    return std::nullopt;
}

void UiHooks::Beep() {}

bool UiHooks::RunProgram(const std::string&, const std::vector<std::string>&, const std::string&) {
    return false;
}

int UiHooks::ChooseFromMenu(UiOwner, int, int, const std::string&, const StringArray&) { return 0; }

void UiHooks::BeginWaitCursor() {}
void UiHooks::EndWaitCursor() {}

bool UiHooks::OpenDocument(const std::string&) { return false; }

WaitCursor::WaitCursor() : hooks_(g_hooks) {
    if (hooks_ != nullptr) {
        hooks_->BeginWaitCursor();
    }
}

WaitCursor::~WaitCursor() {
    if (hooks_ != nullptr) {
        hooks_->EndWaitCursor();
    }
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

std::optional<std::string> ChooseFile(const std::string& title, const std::string& filter,
                                      const std::string& initial_folder) {
    if (g_hooks == nullptr)
        return std::nullopt;
    return g_hooks->PickFile(title, filter, initial_folder);
}

std::optional<std::string> ChooseFolder(const std::string& title) {
    if (g_hooks == nullptr)
        return std::nullopt;
    return g_hooks->PickFolder(title);
}

std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                          const std::string& default_extension,
                                          const std::string& initial_folder) {
    if (g_hooks == nullptr)
        return std::nullopt;
    return g_hooks->PickSaveFile(title, filter, default_extension, initial_folder);
}

void Beep() {
    if (g_hooks != nullptr)
        g_hooks->Beep();
}

bool RunProgram(const std::string& program, const std::vector<std::string>& args,
                const std::string& working_folder) {
    if (g_hooks == nullptr)
        return false;
    return g_hooks->RunProgram(program, args, working_folder);
}

int ChooseFromMenu(UiOwner owner, int x, int y, const std::string& title,
                   const StringArray& options) {
    if (g_hooks == nullptr)
        return 0;
    return g_hooks->ChooseFromMenu(owner, x, y, title, options);
}

bool OpenDocument(const std::string& path) {
    return g_hooks != nullptr && g_hooks->OpenDocument(path);
}

} // namespace pf
