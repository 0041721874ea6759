#include "objects/logic/tank_logic.h"

#include "objects/tank.h"
#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(AddTankLogicTest, NewTankGetsTheDefaults) {
    AddTankLogic logic;
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetType(), kTypeTank);
    EXPECT_EQ(logic.Held().GetParameterText(),
              "\tPOS 0 0 0\r\n\tSCALE 30 40 30\r\n\tROT 0\r\n\tNSTEP 12\r\n\tPFG_SCALEUV\r\n");
}

TEST(AddTankLogicTest, TankWithoutStepsGetsTwelve) {
    AddTankLogic logic;
    ASSERT_TRUE(logic.SetObject(*test::Parsed("TANK", "\tSCALE 15 10 20\r\n").Get()));
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetParameterText(),
              "\tPOS 0 0 0\r\n\tSCALE 15 10 20\r\n\tROT 0\r\n\tNSTEP 12\r\n");
}

TEST(AddTankLogicTest, IncompleteSideTextureGetsDefaultScales) {
    AddTankLogic logic;
    ASSERT_TRUE(
        logic.SetObject(*test::Parsed("TANK", "\tSCALE 15 10 20\r\n\tTEX1 Fcd01\r\n").Get()));
    EXPECT_EQ(logic.u[0], 3.0f);
    EXPECT_EQ(logic.u[1], 1.0f);
    EXPECT_EQ(logic.v[0], 1.0f);
    EXPECT_EQ(logic.v[1], 1.0f);
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetParameterText(),
              "\tPOS 0 0 0\r\n\tSCALE 15 10 20\r\n\tROT 0\r\n\tNSTEP 12\r\n\tTEX1 Fcd01 3 1\r\n");
}

TEST(AddTankLogicTest, ClearingTheRoofNameRemovesItsLine) {
    AddTankLogic logic;
    ASSERT_TRUE(
        logic.SetObject(*test::Parsed("TANK", "\tTEX1 Fcd01 2 3\r\n\tTEX2 Roof01 4 5\r\n").Get()));
    ControlTexts texts = logic.ShowFields();
    EXPECT_EQ(texts.Get(AddBlockLogic::kTex3Name), "Roof01");
    texts.Set(AddBlockLogic::kTex3Name, "");
    texts.Set(AddBlockLogic::kRotate, "-90");
    ASSERT_TRUE(logic.Accept(texts).accepted);
    const std::string text = logic.Held().GetParameterText();
    EXPECT_EQ(text.find("TEX2"), std::string::npos);
    EXPECT_NE(text.find("\tROT 270\r\n"), std::string::npos);
    EXPECT_NE(text.find("\tTEX1 Fcd01 2 3\r\n"), std::string::npos);
}

TEST(AddTankLogicTest, TextureButtons) {
    AddTankLogic logic;
    TextureChoice choice;
    EXPECT_TRUE(logic.GetTextureChoice(AddBlockLogic::kTex3Button, choice));
    EXPECT_FALSE(logic.GetTextureChoice(AddBlockLogic::kTex2Button, choice));
    logic.SetTextureChoice(AddBlockLogic::kTex1Button, TextureChoice{2, "Fcd05", 7.0f, 8.0f});
    EXPECT_EQ(logic.names[0], "Fcd05");
    EXPECT_EQ(logic.u[0], 7.0f);
}

} // namespace
} // namespace pf
