#include "support/scripted_ui.h"

#include "foundation/failure.h"

#include <gtest/gtest.h>

namespace pf::test {

ScriptedUi::ScriptedUi() : previous_(SetUiHooks(this)), previous_show_failures_(GetShowFailures()) {
    SetShowFailures(true);
}

ScriptedUi::~ScriptedUi() {
    SetUiHooks(previous_);
    SetShowFailures(previous_show_failures_);
    EXPECT_TRUE(message_answers_.empty()) << "scripted message answers left unused";
    EXPECT_TRUE(pick_file_answers_.empty()) << "scripted file choices left unused";
    EXPECT_TRUE(pick_folder_answers_.empty()) << "scripted folder choices left unused";
    EXPECT_TRUE(save_file_answers_.empty()) << "scripted save choices left unused";
    EXPECT_TRUE(menu_answers_.empty()) << "scripted menu choices left unused";
}

std::vector<std::string> ScriptedUi::Failures() const {
    std::vector<std::string> out;
    for (const Call& c : calls_) {
        if (c.kind == "failure")
            out.push_back(c.text);
    }
    return out;
}

std::vector<std::string> ScriptedUi::Messages() const {
    std::vector<std::string> out;
    for (const Call& c : calls_) {
        if (c.kind == "message")
            out.push_back(c.text);
    }
    return out;
}

std::vector<std::string> ScriptedUi::CallLines() const {
    std::vector<std::string> out;
    for (const Call& c : calls_)
        out.push_back(c.kind + "|" + c.caption + "|" + c.text);
    return out;
}

bool ScriptedUi::ShowFailure(const std::string& text) {
    calls_.push_back({"failure", text, "Failure Message", MessageButtons::Ok, MessageIcon::None});
    if (failure_answers_.empty()) {
        return false;
    }
    bool tick = failure_answers_.front();
    failure_answers_.pop_front();
    return tick;
}

MessageAnswer ScriptedUi::MessageBox(const std::string& text, const std::string& caption,
                                     MessageButtons buttons, MessageIcon icon) {
    calls_.push_back({"message", text, caption, buttons, icon});
    if (message_answers_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
        return ClosedBoxAnswer(buttons);
    }
    MessageAnswer answer = message_answers_.front();
    message_answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedUi::PickFile(const std::string& title, const std::string& filter,
                                                const std::string& initial_folder) {
    calls_.push_back({"pick file", title, "", MessageButtons::Ok, MessageIcon::None});
    file_choices_.push_back({title, filter, initial_folder, ""});
    if (pick_file_answers_.empty()) {
        ADD_FAILURE() << "unexpected file chooser \"" << title << "\"";
        return std::nullopt;
    }
    std::optional<std::string> answer = pick_file_answers_.front();
    pick_file_answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedUi::PickFolder(const std::string& title) {
    calls_.push_back({"pick folder", title, "", MessageButtons::Ok, MessageIcon::None});
    if (pick_folder_answers_.empty()) {
        ADD_FAILURE() << "unexpected folder chooser \"" << title << "\"";
        return std::nullopt;
    }
    std::optional<std::string> answer = pick_folder_answers_.front();
    pick_folder_answers_.pop_front();
    return answer;
}

int ScriptedUi::CountOf(const std::string& kind) const {
    int count = 0;
    for (const Call& c : calls_) {
        count += c.kind == kind;
    }
    return count;
}

std::optional<std::string> ScriptedUi::PickSaveFile(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& default_extension,
                                                    const std::string& initial_folder) {
    calls_.push_back({"pick save file", title, "", MessageButtons::Ok, MessageIcon::None});
    file_choices_.push_back({title, filter, initial_folder, default_extension});
    if (save_file_answers_.empty()) {
        ADD_FAILURE() << "unexpected save chooser \"" << title << "\"";
        return std::nullopt;
    }
    std::optional<std::string> answer = save_file_answers_.front();
    save_file_answers_.pop_front();
    return answer;
}

void ScriptedUi::Beep() {
    calls_.push_back({"beep", "", "", MessageButtons::Ok, MessageIcon::None});
}

bool ScriptedUi::RunProgram(const std::string& program, const std::vector<std::string>& args,
                            const std::string& working_folder) {
    calls_.push_back({"run program", program, "", MessageButtons::Ok, MessageIcon::None});
    runs_.push_back({program, args, working_folder});
    return true;
}

int ScriptedUi::ChooseFromMenu(UiOwner, int x, int y, const std::string& title,
                               const StringArray& options) {
    calls_.push_back({"menu", title, "", MessageButtons::Ok, MessageIcon::None});
    menu_requests_.push_back({title, options, x, y});
    if (menu_answers_.empty())
        return 0;
    const int answer = menu_answers_.front();
    menu_answers_.pop_front();
    return answer;
}

bool ScriptedUi::OpenDocument(const std::string& path) {
    calls_.push_back({"open document", path, "", MessageButtons::Ok, MessageIcon::None});
    if (open_answers_.empty()) {
        return true;
    }
    const bool opened = open_answers_.front();
    open_answers_.pop_front();
    return opened;
}

} // namespace pf::test
