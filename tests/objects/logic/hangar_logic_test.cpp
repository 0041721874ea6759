#include "objects/logic/hangar_logic.h"

#include "../object_text_helpers.h"
#include "objects/hangars.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::ParsedText;

template <class Parser>
AstrelObject Parsed(Parser parse, const char* word, const std::string& text) {
    AstrelObject holder;
    ParsedText(parse, word, text, &holder);
    return holder;
}

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
    const AstrelObject hangar2 = Parsed(ParseHangar2, "HANGAR2", "\tTEX3 MyRoof 1 1\r\n");
    ASSERT_TRUE(logic.SetObject(*hangar2.Get()));
    EXPECT_EQ(logic.kind, kTypeHangar2);
    EXPECT_EQ(logic.names[2], "MyRoof");
    EXPECT_EQ(logic.roofHeight, 0.0f);
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_NE(logic.Held().GetParameterText().find("\tROOFH 0\r\n"), std::string::npos);

    AddHangerLogic other;
    ASSERT_TRUE(other.SetObject(*Parsed(ParseHangar3, "HANGAR3", "").Get()));
    EXPECT_EQ(other.roofHeight, 5.0f);
    EXPECT_EQ(other.kind, kTypeHangar3);
}

TEST(AddHangerLogicTest, UnchangedOkGivesTheSameText) {
    const std::string text = "\tPOS 5 10 7\r\n\tSCALE 30 10 90\r\n\tROT 270\r\n"
                             "\tTEX1 Wall01 1 0.5\r\n\tTEX2 Fcd04 3 0.5\r\n\tTEX3 Roof02 2 1\r\n"
                             "\tROOFH 12.5\r\n";
    AddHangerLogic logic;
    ASSERT_TRUE(logic.SetObject(*Parsed(ParseHangar2, "HANGAR2", text).Get()));
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetParameterText(), text);
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
    ASSERT_TRUE(
        logic.SetObject(*Parsed(ParseHangar2, "HANGAR2", "\tPOS 5 10 7\r\n\tROOFH 3\r\n").Get()));
    ASSERT_TRUE(logic.ClickKind(AddHangerLogic::kHangar3Button));
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetType(), kTypeHangar3);
    const std::string text = logic.Held().GetParameterText();
    EXPECT_EQ(text.substr(0, 14), "\tPOS 5 10 7\r\n\t");
    EXPECT_EQ(text.find("ROOFH"), std::string::npos);
    EXPECT_NE(text.find("\tTEX3 Wall01 "), std::string::npos);
}

TEST(AddHangerLogicTest, HiddenRoofHeightIsStillChecked) {
    AddHangerLogic logic;
    ControlTexts texts = logic.ShowFields();
    texts.Set(AddHangerLogic::kRoofHeight, "-1");
    const std::optional<FieldRefusal> refusal = logic.Accept(texts).refusal;
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->control, AddHangerLogic::kRoofHeight);
    EXPECT_EQ(refusal->message, "Enter a number between 0 and 4000.");
}

} // namespace
} // namespace pf
