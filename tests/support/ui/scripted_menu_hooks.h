#pragma once
// The wx hooks for ui tests, with popup menus answered from a script: a popup menu is no
// dialog, so wx's modal-dialog hook cannot answer it. Message boxes and dialogs still go
// through wx and wxTEST_DIALOG. Installed while the object lives.
#include "foundation/ui/wx_ui_hooks.h"

#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pf::test {

class ScriptedMenuHooks : public WxUiHooks {
  public:
    ScriptedMenuHooks() : previous_(SetUiHooks(this)) {}
    ~ScriptedMenuHooks() override {
        SetUiHooks(previous_);
        EXPECT_TRUE(answers_.empty()) << "scripted menu answers left unused";
    }

    // Script: the next menu chooses the option with this text; "" chooses nothing.
    void ChooseNext(const std::string& option) { answers_.push_back(option); }
    // The titles and the options of the menus shown, in order.
    const std::vector<std::string>& Titles() const { return titles_; }
    const std::vector<StringArray>& Options() const { return options_; }

    int ChooseFromMenu(UiOwner, int, int, const std::string& title,
                       const StringArray& options) override {
        titles_.push_back(title);
        options_.push_back(options);
        const std::string answer = answers_.empty() ? "" : answers_.front();
        if (!answers_.empty())
            answers_.pop_front();
        const auto found = std::find(options.begin(), options.end(), answer);
        return found == options.end() ? 0 : kFirstMenuCommand + int(found - options.begin());
    }

  private:
    UiHooks* previous_;
    std::deque<std::string> answers_;
    std::vector<std::string> titles_;
    std::vector<StringArray> options_;
};

} // namespace pf::test
