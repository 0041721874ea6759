#include "foundation/choice_menu.h"

#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(ChoiceMenu, TakesOnlyCommandsOfItsOptions) {
    struct Case {
        const char* what;
        StringArray options;
        std::vector<int> answers; // one Show per answer
        bool last_result;
        std::string choice;
        size_t menus_shown;
    };
    const StringArray two{"Select", "Default"};
    const Case cases[] = {
        {"no options, no menu", {}, {10001}, false, "", 0},
        {"second option", two, {10002}, true, "Default", 1},
        {"nothing chosen keeps the choice", two, {10001, 0}, false, "Select", 2},
        {"below the range", two, {10002, 10000}, false, "Default", 2},
        {"beyond the range", two, {10001, 10003}, false, "Select", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScriptedUi ui;
        ChoiceMenu menu(c.options, 12, 34);
        bool result = false;
        for (int answer : c.answers) {
            if (!c.options.empty())
                ui.AnswerNextMenu(answer);
            result = menu.Show();
        }
        EXPECT_EQ(result, c.last_result);
        EXPECT_EQ(menu.GetChoice(), c.choice);
        ASSERT_EQ(ui.MenuRequests().size(), c.menus_shown);
        if (c.menus_shown > 0) {
            EXPECT_EQ(ui.MenuRequests()[0].options, c.options);
            EXPECT_EQ(ui.MenuRequests()[0].x, 12);
            EXPECT_EQ(ui.MenuRequests()[0].y, 34);
        }
    }
    test::ScriptedUi ui;
    ChoiceMenu titled({"Delete"}, 0, 0);
    EXPECT_FALSE(titled.Show("Tile 12"));
    ASSERT_EQ(ui.MenuRequests().size(), 1u);
    EXPECT_EQ(ui.MenuRequests()[0].title, "Tile 12");
}

} // namespace
} // namespace pf
