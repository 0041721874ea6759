#pragma once
// What core code must ask of the person at the screen. padforge_ui installs a wx
// implementation at start-up; tests install a scripted one. Later features add members
// here (choosers, popup menu, opening files, the wait cursor).
#include "foundation/string_array.h"

#include <optional>
#include <string>
#include <vector>

namespace pf {

// The caption of the program's own message boxes.
inline constexpr const char* kProgramCaption = "Padforge";

// The window a question belongs to, opaque to core code: only the wx hooks turn it back
// into a window. Null means the active top-level window.
class UiOwnerWindow;
using UiOwner = UiOwnerWindow*;

// The command number of a popup menu's first option.
inline constexpr int kFirstMenuCommand = 10001;

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class UiHooks {
  public:
    virtual ~UiHooks() = default;
    // Shows a failure text; true when the person ticked "Stop showing message until restart".
    virtual bool ShowFailure(const std::string& text) = 0;
    virtual MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    // Choosers. Both give an internal path, or nothing when the person cancels; hooks
    // without a chooser answer as if cancelled.
    // filter is wx-style ("All files (*)|*"); an empty title takes the toolkit's own.
    virtual std::optional<std::string> PickFile(const std::string& title, const std::string& filter,
                                                const std::string& initial_folder);
    // An existing folder; no button to make a new one.
    virtual std::optional<std::string> PickFolder(const std::string& title);
    // A file to write: default_extension (without the dot) is appended to a name that has
    // none, and an existing file is replaced only after the person agreed.
    virtual std::optional<std::string> PickSaveFile(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& default_extension,
                                                    const std::string& initial_folder);
    // A popup menu at (x, y) in the owner's client coordinates: an optional title, then
    // option i with the command number kFirstMenuCommand + i. The command chosen, 0 when
    // nothing was chosen; hooks without a menu answer 0.
    virtual int ChooseFromMenu(UiOwner owner, int x, int y, const std::string& title,
                               const StringArray& options);
    // The wait cursor while a long operation runs; calls nest. Hooks without a cursor
    // show nothing.
    virtual void BeginWaitCursor();
    virtual void EndWaitCursor();
    // The desktop's warning sound. Hooks without a speaker stay silent.
    virtual void Beep();
    // Starts a program (internal path) with an argument vector in a working folder
    // (internal path; empty: the current one), without a shell and without waiting for
    // it; false when it could not be started. Hooks without processes start nothing.
    virtual bool RunProgram(const std::string& program, const std::vector<std::string>& args,
                            const std::string& working_folder);
    // Opens a file (internal path) with the desktop's program for it; false when none
    // could be started or it failed to open the file. Hooks without a desktop open
    // nothing.
    virtual bool OpenDocument(const std::string& path);
};

// The installed hooks, or nullptr before wx starts, after it ends and in tools.
UiHooks* GetUiHooks();
// Installs hooks (nullptr uninstalls) and returns the previous ones.
UiHooks* SetUiHooks(UiHooks* hooks);

// The answer a box gives when it is closed without a choice.
MessageAnswer ClosedBoxAnswer(MessageButtons buttons);

// Asks through the installed hooks; without hooks the text goes to stderr and the
// answer is that of a box closed without a choice.
MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon);

// The choosers of the installed hooks; nothing without hooks.
std::optional<std::string> ChooseFile(const std::string& title, const std::string& filter,
                                      const std::string& initial_folder);
std::optional<std::string> ChooseFolder(const std::string& title);
std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                          const std::string& default_extension,
                                          const std::string& initial_folder);

// The beep and the program start of the installed hooks; nothing without hooks.
void Beep();
bool RunProgram(const std::string& program, const std::vector<std::string>& args,
                const std::string& working_folder);
// The popup menu of the installed hooks; 0 without hooks.
int ChooseFromMenu(UiOwner owner, int x, int y, const std::string& title,
                   const StringArray& options);
// Opens a file with the desktop's program through the installed hooks; false without.
bool OpenDocument(const std::string& path);

// Shows the wait cursor of the installed hooks for its lifetime.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    UiHooks* hooks_;
};

} // namespace pf
