#include "objects/logic/beacon_array_logic.h"

#include "../object_text_helpers.h"
#include "objects/beacon_array.h"
#include "objects/block.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::ParsedText;

TEST(AddBeaconArrayLogicTest, NewArrayIsFiveHundredMetresLong) {
    AddBeaconArrayLogic logic;
    ASSERT_FALSE(logic.Held().IsEmpty());
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetParameterText(), "\tEND1 0 0 500\r\n\tEND2 0 0 0\r\n\tCOUNT 10\r\n"
                                               "\tSIZE 1\r\n\tCOL 1 1 1\r\n");
}

TEST(AddBeaconArrayLogicTest, UnchangedOkGivesTheSameText) {
    const std::string text = "\tEND1 10 3 -20\r\n\tEND2 10 4.5 20\r\n\tCOUNT 7\r\n"
                             "\tSIZE 2.25\r\n\tCOL 0.2 0.4 1\r\n";
    AstrelObject parsed;
    ParsedText(ParseBeaconArray, "BEACONARRAY", text, &parsed);
    AddBeaconArrayLogic logic;
    ASSERT_TRUE(logic.SetObject(*parsed.Get()));
    const ControlTexts shown = logic.ShowFields();
    EXPECT_EQ(shown.Get(AddBeaconArrayLogic::kRed), "0.2");
    EXPECT_EQ(shown.Get(AddBeaconArrayLogic::kGreen), "0.4");
    EXPECT_EQ(shown.Get(AddBeaconArrayLogic::kBlue), "1");
    EXPECT_EQ(shown.Get(AddBeaconArrayLogic::kEnd1Altitude), "3");
    ASSERT_TRUE(logic.Accept(shown).accepted);
    EXPECT_EQ(logic.Held().GetParameterText(), text);
}

TEST(AddBeaconArrayLogicTest, Refusals) {
    struct Case {
        int id;
        const char* text;
        const char* message;
    };
    for (const Case& c :
         {Case{AddBeaconArrayLogic::kCount, "1", "Enter an integer between 2 and 65000."},
          Case{AddBeaconArrayLogic::kCount, "65001", "Enter an integer between 2 and 65000."},
          Case{AddBeaconArrayLogic::kRed, "1.5", "Enter a number between 0 and 1."},
          Case{AddBeaconArrayLogic::kSize, "-1", "Enter a number between 0 and 65000."},
          Case{AddBeaconArrayLogic::kEnd2Altitude, "high", "Enter a number."}}) {
        AddBeaconArrayLogic logic;
        ControlTexts texts = logic.ShowFields();
        texts.Set(c.id, c.text);
        const std::optional<FieldRefusal> refusal = logic.Accept(texts).refusal;
        ASSERT_TRUE(refusal) << c.text;
        EXPECT_EQ(refusal->control, c.id);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(logic.Held().GetParameterText(),
                  "\tEND1 0 0 500\r\n\tEND2 0 0 0\r\n\tCOUNT 10\r\n\tSIZE 1\r\n\tCOL 1 1 1\r\n");
    }
}

TEST(AddBeaconArrayLogicTest, OtherTypesLeaveTheSeededArray) {
    AddBeaconArrayLogic logic;
    EXPECT_FALSE(logic.SetObject(Block()));
    EXPECT_EQ(logic.Held().GetType(), kTypeBeaconArray);
}

} // namespace
} // namespace pf
