#include "objects/logic/beacon_array_logic.h"

#include "objects/beacon_array.h"
#include "objects/block.h"
#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(AddBeaconArrayLogicTest, NewArrayIsFiveHundredMetresLong) {
    AddBeaconArrayLogic logic;
    ASSERT_FALSE(logic.Held().IsEmpty());
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetParameterText(), "\tEND1 0 0 500\r\n\tEND2 0 0 0\r\n\tCOUNT 10\r\n"
                                               "\tSIZE 1\r\n\tCOL 1 1 1\r\n");
}

TEST(AddBeaconArrayLogicTest, ShowsTheColourAndTheAltitude) {
    AddBeaconArrayLogic logic;
    ASSERT_TRUE(
        logic.SetObject(*test::Parsed("BEACONARRAY", "\tEND1 10 3 -20\r\n\tEND2 10 4.5 20\r\n"
                                                     "\tCOL 0.2 0.4 1\r\n")
                             .Get()));
    const ControlTexts shown = logic.ShowFields();
    EXPECT_EQ(shown.Get(AddBeaconArrayLogic::kRed), "0.2");
    EXPECT_EQ(shown.Get(AddBeaconArrayLogic::kGreen), "0.4");
    EXPECT_EQ(shown.Get(AddBeaconArrayLogic::kBlue), "1");
    EXPECT_EQ(shown.Get(AddBeaconArrayLogic::kEnd1Altitude), "3");
}

TEST(AddBeaconArrayLogicTest, OtherTypesLeaveTheSeededArray) {
    AddBeaconArrayLogic logic;
    EXPECT_FALSE(logic.SetObject(Block()));
    EXPECT_EQ(logic.Held().GetType(), kTypeBeaconArray);
}

} // namespace
} // namespace pf
