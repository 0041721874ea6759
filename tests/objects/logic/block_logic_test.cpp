#include "objects/logic/block_logic.h"

#include "objects/block.h"
#include "objects/tank.h"
#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

const char* const kFullBlock =
    "\tPOS 1 2 3\r\n\tSCALE 30 10 90\r\n\tROT 45\r\n"
    "\tTEX1 Fcd01 1.25 2\r\n\tTEX2 Fcd02 3 4\r\n\tTEX3 Roof01 0.5 0.75\r\n";

std::optional<FieldRefusal> AcceptWith(ObjectDialogLogic& logic, int id, const std::string& text) {
    ControlTexts texts = logic.ShowFields();
    texts.Set(id, text);
    return logic.Accept(texts).refusal;
}

TEST(AddBlockLogicTest, NewBlockGetsTheDefaults) {
    AddBlockLogic logic;
    const ControlTexts shown = logic.ShowFields();
    EXPECT_EQ(shown.Get(AddBlockLogic::kWidth), "80");
    EXPECT_EQ(shown.Get(AddBlockLogic::kLength), "80");
    EXPECT_EQ(shown.Get(AddBlockLogic::kHeight), "40");
    EXPECT_EQ(shown.Get(AddBlockLogic::kRotate), "0");
    EXPECT_EQ(shown.Get(AddBlockLogic::kTex1Name), "Fcd06");
    EXPECT_EQ(shown.Get(AddBlockLogic::kTex2Name), "Fcd06");
    EXPECT_EQ(shown.Get(AddBlockLogic::kTex3Name), "Wall01");
    EXPECT_EQ(shown.Get(AddBlockLogic::kScaleTextures), "1");
    ASSERT_TRUE(logic.Accept(shown).accepted);
    EXPECT_EQ(logic.Held().GetType(), kTypeBlock);
    EXPECT_EQ(logic.Held().GetParameterText(),
              "\tPOS 0 0 0\r\n\tSCALE 80 40 80\r\n\tROT 0\r\n\tTEX1 Fcd06 2.5 1\r\n"
              "\tTEX2 Fcd06 2.5 1\r\n\tTEX3 Wall01 2 2\r\n\tPFG_SCALEUV\r\n");
}

TEST(AddBlockLogicTest, RotationIsNormalised) {
    struct Case {
        const char* entered;
        const char* written;
    };
    for (const Case& c : {Case{"-90", "270"}, Case{"360", "0"}, Case{"-360", "0"},
                          Case{"359.5", "359.5"}, Case{"-0.5", "359.5"}}) {
        AddBlockLogic logic;
        ASSERT_FALSE(AcceptWith(logic, AddBlockLogic::kRotate, c.entered)) << c.entered;
        EXPECT_NE(logic.Held().GetParameterText().find(std::string("\tROT ") + c.written + "\r\n"),
                  std::string::npos)
            << c.entered;
    }
}

TEST(AddBlockLogicTest, EmptyTextureNameIsStoredAndNotWritten) {
    AddBlockLogic logic;
    ASSERT_FALSE(AcceptWith(logic, AddBlockLogic::kTex3Name, ""));
    const std::string text = logic.Held().GetParameterText();
    EXPECT_EQ(text.find("TEX3"), std::string::npos);
}

TEST(AddBlockLogicTest, RefusesOtherTypes) {
    AddBlockLogic logic;
    Tank tank;
    EXPECT_FALSE(logic.SetObject(tank));
    EXPECT_TRUE(logic.Held().IsEmpty());
    EXPECT_EQ(logic.names[0], "Fcd06");
}

TEST(AddBlockLogicTest, TextureButtonsEditTheirTexture) {
    AddBlockLogic logic;
    TextureChoice choice;
    ASSERT_TRUE(logic.GetTextureChoice(AddBlockLogic::kTex2Button, choice));
    EXPECT_EQ(choice.kind, 2);
    EXPECT_EQ(choice.name, "Fcd06");
    EXPECT_EQ(choice.u, 4.0f);
    EXPECT_EQ(choice.v, 2.0f);
    logic.SetTextureChoice(AddBlockLogic::kTex3Button, TextureChoice{2, "Roof02", 1.5f, 2.5f});
    EXPECT_EQ(logic.names[2], "Roof02");
    EXPECT_EQ(logic.u[2], 1.5f);
    EXPECT_EQ(logic.v[2], 2.5f);
    EXPECT_EQ(logic.ShowFields().Get(AddBlockLogic::kTex3Name), "Roof02");
    EXPECT_FALSE(logic.GetTextureChoice(1099, choice));
}

} // namespace
} // namespace pf
