#pragma once
// The wx hooks for ui tests, with popup menus answered from a script: a popup menu is no
// dialog, so wx's modal-dialog hook cannot answer it. Message boxes and dialogs still go
// through wx and wxTEST_DIALOG. Installed while the object lives.
#include "foundation/ui/wx_ui_hooks.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pf::test {

class ScriptedMenuHooks : public WxUiHooks {
  public:
    struct Menu {
        UiOwner owner;
        int x, y;
        std::string title;
        StringArray options;
    };

    ScriptedMenuHooks() : previous_(SetUiHooks(this)) {}
    ~ScriptedMenuHooks() override {
        SetUiHooks(previous_);
        EXPECT_TRUE(answers_.empty()) << "scripted menu answers left unused";
    }
    ScriptedMenuHooks(const ScriptedMenuHooks&) = delete;
    ScriptedMenuHooks& operator=(const ScriptedMenuHooks&) = delete;

    // Script: the next menu chooses the option with this text; "" chooses nothing.
    void ChooseNext(const std::string& option) { answers_.push_back(option); }
    const std::vector<Menu>& Menus() const { return menus_; }

    int ChooseFromMenu(UiOwner owner, int x, int y, const std::string& title,
                       const StringArray& options) override {
        menus_.push_back({owner, x, y, title, options});
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected menu \"" << title << "\"";
            return 0;
        }
        const std::string answer = answers_.front();
        answers_.pop_front();
        for (size_t i = 0; i < options.size(); ++i) {
            if (options[i] == answer) {
                return kFirstMenuCommand + static_cast<int>(i);
            }
        }
        EXPECT_TRUE(answer.empty()) << "menu \"" << title << "\" has no option " << answer;
        return 0;
    }

  private:
    UiHooks* previous_;
    std::deque<std::string> answers_;
    std::vector<Menu> menus_;
};

} // namespace pf::test
