#pragma once
// The wx answers to what core code asks of the person at the screen.
#include "foundation/ui_hooks.h"

#include <memory>

class wxFont;
class wxMenu;
class wxString;
class wxWindow;

namespace pf {

class WxUiHooks : public UiHooks {
  public:
    // Shows the "Failure Message" dialog; true when it was left with the box ticked.
    bool ShowFailure(const std::string& text) override;
    // A wxMessageDialog with the given caption, owned by the active top-level window.
    MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    // wxFileDialog (open, the file must exist) and wxDirDialog (an existing folder).
    std::optional<std::string> PickFile(const std::string& title, const std::string& filter,
                                        const std::string& initial_folder) override;
    std::optional<std::string> PickFolder(const std::string& title) override;
    // wxFileDialog (save, asking before it replaces a file).
    std::optional<std::string> PickSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& default_extension,
                                            const std::string& initial_folder) override;
    // The menu of BuildChoiceMenu, popped up on the owner (or the active top-level
    // window); nothing chosen gives 0.
    int ChooseFromMenu(UiOwner owner, int x, int y, const std::string& title,
                       const StringArray& options) override;
    // wxBeginBusyCursor / wxEndBusyCursor.
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    // wxBell.
    void Beep() override;
    // process::Spawn.
    bool RunProgram(const std::string& program, const std::vector<std::string>& args,
                    const std::string& working_folder) override;
    // process::OpenAndCheck: the desktop's opener, never through a shell, waited for;
    // false when it failed.
    bool OpenDocument(const std::string& path) override;
};

// The popup's menu: a non-empty title as a disabled first item and a separator, then
// option i with the id kFirstMenuCommand + i. '&' is shown as itself, never a mnemonic.
std::unique_ptr<wxMenu> BuildChoiceMenu(const std::string& title, const StringArray& options);

// A window handed to core code as a question's owner, and back.
UiOwner ToUiOwner(wxWindow* window);
wxWindow* FromUiOwner(UiOwner owner);

// The widest line of a message box's text, in pixels of MessageFont: with its icon and
// margins the box stays well inside a 1024-pixel-wide screen.
inline constexpr int kMessageLineWidth = 560;
// At least as wide as the font the toolkit shows a message box's text in (its primary
// text is bold).
wxFont MessageFont();
// The text with every word wider than maxWidth broken into lines: after its path
// separators, and inside a piece only where the piece alone is too wide. The toolkit
// breaks lines only at blanks, so a long path would otherwise widen the box past the
// screen; everything else is left as it is.
wxString WrapToWidth(const wxString& text, const wxFont& font, int maxWidth);

// What a message dialog's result means for a box with these buttons: a box closed
// without a choice answers as ClosedBoxAnswer says.
MessageAnswer AnswerFromDialogResult(int result, MessageButtons buttons);

} // namespace pf
