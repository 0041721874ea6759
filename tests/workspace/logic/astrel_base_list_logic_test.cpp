#include "workspace/logic/astrel_base_list_logic.h"

#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(AstrelBaseListLogic, DescribesTheFolderAndTakesOneFile) {
    // Context, period begin and end, and the description's second line.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"", "", "", ""},
        {"CONTEXT Apollo", "40000", "41000", "CONTEXT Apollo PERIOD 40000 41000"},
        {"CONTEXT Apollo", "", "", "CONTEXT Apollo"},
        {"", "40000", "41000", "PERIOD 40000 41000"},
    };
    for (const auto& [context, begin, end, line] : cases) {
        EXPECT_EQ(
            AstrelBaseListLogic("Earth", "Earth\\Base\\", context, begin, end, {}).Description(),
            std::string("Directory: Config\\Earth\\Base\\\r\n") + line);
    }

    test::ScriptedUi ui;
    AstrelBaseListLogic logic("Moon", "Moon\\Base\\", "", "", "",
                              {"pad.cfg", "Base_B.cfg", "Alpha.cfg", "base_a.cfg"});
    EXPECT_EQ(logic.Entries(), (StringArray{"Alpha.cfg", "base_a.cfg", "Base_B.cfg", "pad.cfg"}));
    ui.AnswerNextMessage(MessageAnswer::Ok);
    EXPECT_FALSE(logic.OnOK(-1));
    ASSERT_EQ(ui.Calls().size(), 1u);
    EXPECT_EQ(ui.Calls()[0].text + "/" + ui.Calls()[0].caption, "Must select base file/Error");
    EXPECT_EQ(logic.selected, "");
    EXPECT_TRUE(logic.OnOK(2));
    EXPECT_EQ(logic.selected, "Base_B.cfg");
}

} // namespace
} // namespace pf
