#include "objects/logic/hangar_logic.h"

#include "objects/hangars.h"
#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(AddHangerLogicTest, NewHangarGetsTheDefaults) {
    AddHangerLogic logic;
    EXPECT_EQ(logic.ShowFields().Get(AddHangerLogic::kRoofHeight), "15");
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetType(), kTypeHangar);
    EXPECT_EQ(logic.Held().GetParameterText(),
              "\tPOS 0 0 0\r\n\tSCALE 80 40 120\r\n\tROT 0\r\n\tTEX1 Wall01 4 1\r\n"
              "\tTEX2 Fcd04 2.5 1\r\n\tTEX3 Roof01 2 1\r\n\tPFG_SCALEUV\r\n");
}

TEST(AddHangerLogicTest, KindTable) {
    struct Row {
        int button;
        int32_t kind;
        bool roofShown;
        bool sidesShown;
        const char* tex2Label;
        const char* tex1Label;
        const char* roofTexture;
    };
    for (const Row& row : {Row{1084, kTypeHangar, false, true, "Door", "Sides", "Roof01"},
                           Row{1085, kTypeHangar2, true, true, "Roof Side", "Gable Side", "Roof02"},
                           Row{1086, kTypeHangar3, false, false, "Currently Unused",
                               "Currently Unused", "Wall01"}}) {
        AddHangerLogic logic;
        logic.names[2] = "Typed";
        ASSERT_TRUE(logic.ClickKind(row.button));
        EXPECT_EQ(logic.kind, row.kind);
        EXPECT_EQ(logic.names[2], row.roofTexture);
        EXPECT_EQ(logic.IsShown(1082), row.roofShown);
        EXPECT_EQ(logic.IsShown(1083), row.roofShown);
        for (int id : {1087, 1088, 1071, 1072, 1073, 1074}) {
            EXPECT_EQ(logic.IsShown(id), row.sidesShown) << id;
        }
        EXPECT_TRUE(logic.IsShown(1070));
        EXPECT_TRUE(logic.IsShown(1075));
        std::string label;
        ASSERT_TRUE(logic.GetLabel(1088, label));
        EXPECT_EQ(label, row.tex2Label);
        ASSERT_TRUE(logic.GetLabel(1087, label));
        EXPECT_EQ(label, row.tex1Label);
        for (int button = 1084; button <= 1086; ++button) {
            bool checked = false;
            ASSERT_TRUE(logic.GetKindButtonState(button, checked));
            EXPECT_EQ(checked, button != row.button) << button;
        }
    }
    AddHangerLogic logic;
    EXPECT_FALSE(logic.ClickKind(1083));
}

TEST(AddHangerLogicTest, LoadingLeavesTheRoofTextureAndSetsRoofHeight) {
    AddHangerLogic logic;
    const AstrelObject hangar2 = test::Parsed("HANGAR2", "\tTEX3 MyRoof 1 1\r\n");
    ASSERT_TRUE(logic.SetObject(*hangar2.Get()));
    EXPECT_EQ(logic.kind, kTypeHangar2);
    EXPECT_EQ(logic.names[2], "MyRoof");
    EXPECT_EQ(logic.roofHeight, 0.0f);
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_NE(logic.Held().GetParameterText().find("\tROOFH 0\r\n"), std::string::npos);

    AddHangerLogic other;
    ASSERT_TRUE(other.SetObject(*test::Parsed("HANGAR3", "").Get()));
    EXPECT_EQ(other.roofHeight, 5.0f);
    EXPECT_EQ(other.kind, kTypeHangar3);
}

TEST(AddHangerLogicTest, RotationIsStoredAsEntered) {
    AddHangerLogic logic;
    ControlTexts texts = logic.ShowFields();
    texts.Set(AddBlockLogic::kRotate, "-90");
    ASSERT_TRUE(logic.Accept(texts).accepted);
    EXPECT_NE(logic.Held().GetParameterText().find("\tROT -90\r\n"), std::string::npos);
}

TEST(AddHangerLogicTest, KindSwitchKeepsTheAltitude) {
    AddHangerLogic logic;
    ASSERT_TRUE(logic.SetObject(*test::Parsed("HANGAR2", "\tPOS 5 10 7\r\n\tROOFH 3\r\n").Get()));
    ASSERT_TRUE(logic.ClickKind(AddHangerLogic::kHangar3Button));
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetType(), kTypeHangar3);
    const std::string text = logic.Held().GetParameterText();
    EXPECT_EQ(text.substr(0, 14), "\tPOS 5 10 7\r\n\t");
    EXPECT_EQ(text.find("ROOFH"), std::string::npos);
    EXPECT_NE(text.find("\tTEX3 Wall01 "), std::string::npos);
}

} // namespace
} // namespace pf
