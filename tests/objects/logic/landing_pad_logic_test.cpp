#include "objects/logic/landing_pad_logic.h"
#include "support/object_fixtures.h"

#include "foundation/text.h"
#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace pf {
namespace {

using test::Accept;
using test::Group;
using test::Shown;

TEST(AddLpadLogic, NewPadFromTheDefaults) {
    AddLpadLogic logic;
    logic.SetFrequency(108.1f);
    logic.InitDialog();
    AstrelObject result;
    FieldRefusal refusal;
    ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
    EXPECT_EQ(result.GetType(), kTypeLpad1);
    EXPECT_EQ(result.GetParameterText(), "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 90.000\r\n"
                                         "\tTEX Lpad01\r\n\tNAV 108.1\r\n");
    EXPECT_FALSE(logic.IsEnabled(AddLpadLogic::kFrequency));
}

TEST(AddLpadLogic, LoadShowsTheHeldValues) {
    const AstrelObject held = test::Parsed("LPAD1", "ROT 0\nSCALE 1\nTEX Own\nPOS 10 2 -30");
    AddLpadLogic logic;
    EXPECT_TRUE(logic.SetObject(*held.Get()));
    logic.InitDialog();
    EXPECT_EQ(logic.rotation, 270.0);
    EXPECT_EQ(logic.diameter, 80.0);
    EXPECT_EQ(logic.texture, "Own"); // opening keeps the pad's own texture
    EXPECT_EQ(logic.frequency, 110.0f);
    const ControlTexts texts = Shown(logic);
    EXPECT_EQ(texts.Get(AddLpadLogic::kRotation), "270");
    EXPECT_EQ(texts.Get(AddLpadLogic::kDiameter), "80");
    EXPECT_EQ(texts.Get(AddLpadLogic::kTexture), "Own");
}

TEST(AddLpadLogic, KindClicks) {
    using L = AddLpadLogic;
    struct Case {
        int button;
        int32_t type;
        const char* texture;
        int states[3];
        bool chooserShown;
    };
    const Case cases[] = {
        {L::kLpad2, kTypeLpad2, "Lpad02", {1, 0, 1}, true},
        {L::kLpad2A, kTypeLpad2A, "Lpad02a", {1, 1, 0}, false},
        {L::kLpad1, kTypeLpad1, "Lpad01", {0, 1, 1}, true},
    };
    L logic;
    logic.texture = "Other";
    logic.InitDialog();
    EXPECT_EQ(logic.texture, "Other");
    EXPECT_TRUE(logic.IsShown(L::kChooseTexture));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        logic.ClickKind(c.button);
        EXPECT_EQ(logic.padType, c.type);
        EXPECT_EQ(logic.texture, c.texture);
        EXPECT_EQ(test::KindState(logic, L::kLpad1), c.states[0]);
        EXPECT_EQ(test::KindState(logic, L::kLpad2), c.states[1]);
        EXPECT_EQ(test::KindState(logic, L::kLpad2A), c.states[2]);
        EXPECT_EQ(logic.IsShown(L::kChooseTexture), c.chooserShown);
        EXPECT_EQ(logic.ChooserKind(), c.type);
        AstrelObject result;
        FieldRefusal refusal;
        ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
        EXPECT_EQ(result.GetType(), c.type);
    }
    // Opening a Lpad2a hides the chooser without a click.
    L opened;
    EXPECT_TRUE(opened.SetObject(*test::Parsed("LPAD2A", "TEX Mine").Get()));
    opened.InitDialog();
    EXPECT_FALSE(opened.IsShown(L::kChooseTexture));
    EXPECT_EQ(test::KindState(opened, L::kLpad2A), 0);
    EXPECT_EQ(opened.texture, "Mine");
}

TEST(AddLpadLogic, RotationIsNormalised) {
    using L = AddLpadLogic;
    struct Case {
        const char* rotation;
        double stored;
    };
    const Case cases[] = {{"-90", 270.0}, {"360", 0.0}, {"-360", 0.0}, {"12.5", 12.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        L logic;
        ControlTexts texts = Shown(logic);
        texts.Set(L::kRotation, c.rotation);
        AstrelObject result;
        FieldRefusal refusal;
        ASSERT_TRUE(Accept(logic, texts, result, refusal));
        EXPECT_EQ(dynamic_cast<const LandingPad&>(*result.Get()).rot.value, c.stored);
    }
}

TEST(AddLpadLogic, EditKeepsPositionAndSetsSize) {
    const AstrelObject held = test::Parsed("LPAD1", "POS 10 2 -30\nNAV 115.5");
    AddLpadLogic logic;
    EXPECT_TRUE(logic.SetObject(*held.Get()));
    logic.InitDialog();
    ControlTexts texts = Shown(logic);
    texts.Set(AddLpadLogic::kDiameter, "40");
    texts.Set(AddLpadLogic::kFrequency, "116.5");
    AstrelObject result;
    FieldRefusal refusal;
    ASSERT_TRUE(Accept(logic, texts, result, refusal));
    const auto& pad = dynamic_cast<const LandingPad&>(*result.Get());
    EXPECT_EQ(pad.scale.Get().x, 40.0);
    EXPECT_EQ(pad.scale.Get().y, 40.0);
    EXPECT_EQ(pad.scale.Get().z, 0.0);
    EXPECT_TRUE(pad.pos.IsSet());
    // A pad with a valid frequency takes the member's.
    EXPECT_EQ(result.GetParameterText(),
              "\tPOS 10 2 -30\r\n\tSCALE 0.5\r\n\tROT 0.000\r\n\tNAV 116.5\r\n");
}

} // namespace
} // namespace pf
