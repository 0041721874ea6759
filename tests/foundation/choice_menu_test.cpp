#include "foundation/choice_menu.h"

#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(ChoiceMenu, TakesOnlyCommandsOfItsOptions) {
    // Each case: one Show after a first that chose "Select" (10001).
    const std::pair<int, std::string> cases[] = {
        {10002, "Default"}, {0, "Select"}, {10000, "Select"}, {10003, "Select"}};
    for (const auto& [command, choice] : cases) {
        test::ScriptedUi ui;
        ChoiceMenu menu({"Select", "Default"}, 12, 34);
        ui.AnswerNextMenu(10001);
        ui.AnswerNextMenu(command);
        EXPECT_TRUE(menu.Show());
        EXPECT_EQ(menu.Show("Title"), command == 10002) << command;
        EXPECT_EQ(menu.GetChoice(), choice);
        ASSERT_EQ(ui.MenuRequests().size(), 2u);
        const test::ScriptedUi::MenuRequest& asked = ui.MenuRequests()[1];
        EXPECT_EQ(asked.title, "Title");
        EXPECT_EQ(asked.options[1], "Default");
        EXPECT_EQ(std::make_pair(asked.x, asked.y), std::make_pair(12, 34));
    }
    test::ScriptedUi ui;
    EXPECT_FALSE(ChoiceMenu({}, 0, 0).Show());
    EXPECT_TRUE(ui.MenuRequests().empty());
}

} // namespace
} // namespace pf
