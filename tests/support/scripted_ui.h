#pragma once
// A scripted stand-in for the person at the screen: records every call in order and
// answers from its script. While it lives it is the installed UiHooks; when it ends the
// previous hooks and the show-failures flag come back.
#include "foundation/ui_hooks.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace pf::test {

class ScriptedUi : public UiHooks {
  public:
    struct Call {
        // "failure", "message", "pick file", "pick folder", "pick save file", "menu",
        // "open document", "beep" or "run program" (its text the program)
        std::string kind;
        std::string text;
        std::string caption;
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::None;
    };
    // What a file chooser was asked with (its title is the call's text).
    struct FileChoice {
        std::string title;
        std::string filter;
        std::string initial_folder;
        std::string default_extension; // save choosers only
    };
    // A program started through RunProgram.
    struct ProgramRun {
        std::string program;
        std::vector<std::string> args;
        std::string working_folder;
    };

    // What a popup menu was asked with (its title is the call's text).
    struct MenuRequest {
        std::string title;
        StringArray options;
        int x = 0;
        int y = 0;
    };

    ScriptedUi();
    ~ScriptedUi() override;
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    // Script: the next failure dialog is closed with the opt-out box ticked.
    void TickOptOutOnNextFailure() { failure_answers_.push_back(true); }
    // Script: the next message box answers this.
    void AnswerNextMessage(MessageAnswer answer) { message_answers_.push_back(answer); }
    // Script: the next file or folder chooser gives this internal path (nullopt: cancel).
    void AnswerNextPickFile(std::optional<std::string> path) {
        pick_file_answers_.push_back(std::move(path));
    }
    void AnswerNextPickFolder(std::optional<std::string> path) {
        pick_folder_answers_.push_back(std::move(path));
    }
    void AnswerNextSaveFile(std::optional<std::string> path) {
        save_file_answers_.push_back(std::move(path));
    }

    // Script: the next OpenDocument answers this (without a script: opened).
    void AnswerNextOpenDocument(bool opened) { open_answers_.push_back(opened); }

    // Script: the next popup menu answers this command number (0: nothing chosen).
    // Without a script a menu answers 0.
    void AnswerNextMenu(int command) { menu_answers_.push_back(command); }

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<std::string> Failures() const;
    std::vector<std::string> Messages() const;
    // Every call as "kind|caption|text", in order.
    std::vector<std::string> CallLines() const;
    // Open and save choosers, in order.
    const std::vector<FileChoice>& FileChoices() const { return file_choices_; }
    const std::vector<ProgramRun>& Runs() const { return runs_; }
    // How many calls of this kind were made.
    int CountOf(const std::string& kind) const;
    const std::vector<MenuRequest>& MenuRequests() const { return menu_requests_; }
    // How deep the wait cursor is nested now, and how often it was shown.
    int WaitCursorDepth() const { return wait_depth_; }
    int WaitCursorShown() const { return wait_shown_; }
    void Clear() {
        calls_.clear();
        menu_requests_.clear();
        runs_.clear();
    }

    bool ShowFailure(const std::string& text) override;
    MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    std::optional<std::string> PickFile(const std::string& title, const std::string& filter,
                                        const std::string& initial_folder) override;
    std::optional<std::string> PickFolder(const std::string& title) override;
    std::optional<std::string> PickSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& default_extension,
                                            const std::string& initial_folder) override;
    void Beep() override;
    // Recorded; answers true.
    bool RunProgram(const std::string& program, const std::vector<std::string>& args,
                    const std::string& working_folder) override;
    int ChooseFromMenu(UiOwner owner, int x, int y, const std::string& title,
                       const StringArray& options) override;
    void BeginWaitCursor() override {
        ++wait_depth_;
        ++wait_shown_;
    }
    void EndWaitCursor() override { --wait_depth_; }
    // Recorded with the path as its text; answers from the script, else true.
    bool OpenDocument(const std::string& path) override;

  private:
    int wait_depth_ = 0;
    int wait_shown_ = 0;
    UiHooks* previous_;
    bool previous_show_failures_;
    std::vector<Call> calls_;
    std::deque<bool> failure_answers_;
    std::deque<MessageAnswer> message_answers_;
    std::vector<FileChoice> file_choices_;
    std::deque<std::optional<std::string>> pick_file_answers_;
    std::deque<std::optional<std::string>> pick_folder_answers_;
    std::deque<std::optional<std::string>> save_file_answers_;
    std::vector<ProgramRun> runs_;
    std::vector<MenuRequest> menu_requests_;
    std::deque<int> menu_answers_;
    std::deque<bool> open_answers_;
};

} // namespace pf::test
