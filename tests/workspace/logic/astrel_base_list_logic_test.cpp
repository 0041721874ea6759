#include "workspace/logic/astrel_base_list_logic.h"

#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(AstrelBaseListLogic, DescribesTheFolderAndTakesOneFile) {
    struct Case {
        const char* context;
        const char* begin;
        const char* end;
        const char* second_line;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"CONTEXT Apollo", "40000", "41000", "CONTEXT Apollo PERIOD 40000 41000"},
        {"CONTEXT Apollo", "", "", "CONTEXT Apollo"},
        {"", "40000", "41000", "PERIOD 40000 41000"},
    };
    for (const Case& c : cases) {
        AstrelBaseListLogic logic("Earth", "Earth\\Base\\", c.context, c.begin, c.end, {});
        EXPECT_EQ(logic.Description(),
                  std::string("Directory: Config\\Earth\\Base\\\r\n") + c.second_line);
    }

    test::ScriptedUi ui;
    AstrelBaseListLogic logic("Moon", "Moon\\Base\\", "", "", "",
                              {"pad.cfg", "Base_B.cfg", "Alpha.cfg", "base_a.cfg"});
    EXPECT_EQ(logic.Title(), "Base files for Moon");
    EXPECT_EQ(logic.Entries(), (StringArray{"Alpha.cfg", "base_a.cfg", "Base_B.cfg", "pad.cfg"}));
    ui.AnswerNextMessage(MessageAnswer::Ok);
    EXPECT_FALSE(logic.OnOK(-1));
    ASSERT_EQ(ui.Calls().size(), 1u);
    EXPECT_EQ(ui.Calls()[0].text, "Must select base file");
    EXPECT_EQ(ui.Calls()[0].caption, "Error");
    EXPECT_EQ(logic.selected, "");
    EXPECT_TRUE(logic.OnOK(2));
    EXPECT_EQ(logic.selected, "Base_B.cfg");
}

} // namespace
} // namespace pf
