#include "objects/logic/train_logic.h"
#include "support/object_fixtures.h"

#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace pf {
namespace {

using test::Accept;
using test::Group;
using test::Shown;

const NewEnd12Speed& TrainOf(const AstrelObject& holder) {
    return dynamic_cast<const NewEnd12Speed&>(*holder.Get());
}

TEST(AddTrainLogic, NewTrainsFromTheDefaults) {
    AddTrainLogic logic;
    logic.InitDialog();
    AstrelObject result;
    FieldRefusal refusal;
    ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
    EXPECT_EQ(result.GetType(), kTypeTrain1);
    EXPECT_EQ(result.GetParameterText(), "\tEND1 0 0 500\r\n\tEND2 0 0 -500\r\n"
                                         "\tMAXSPEED 30\r\n\tSLOWZONE 100\r\n\tTEX Monorail\r\n");
    const NewEnd12Speed& t = TrainOf(result);
    EXPECT_NEAR(t.end1[0].value, 500.0, 1e-9);
    EXPECT_NEAR(t.end2[0].value, -500.0, 1e-9);
    EXPECT_NEAR(t.end1[1].value, 0.0, 1e-9);

    logic.ClickKind(AddTrainLogic::kTrain2);
    ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
    EXPECT_EQ(result.GetParameterText(), "\tEND1 0 0 500\r\n\tEND2 0 0 -500\r\n"
                                         "\tMAXSPEED 30\r\n\tHEIGHT 11\r\n\tSLOWZONE 100\r\n"
                                         "\tTEX Hangrail\r\n");
}

TEST(AddTrainLogic, KindSwitchShowsAndHidesTheHeightRow) {
    using L = AddTrainLogic;
    L logic;
    logic.trainType = 11;
    logic.InitDialog();
    EXPECT_TRUE(logic.IsShown(L::kHeight));
    EXPECT_TRUE(logic.IsShown(L::kHeightLabel));
    EXPECT_EQ(test::KindState(logic, L::kTrain1), 1);
    EXPECT_EQ(test::KindState(logic, L::kTrain2), 0);
    logic.height = 42.0f;
    logic.ClickKind(L::kTrain1);
    EXPECT_EQ(logic.trainType, kTypeTrain1);
    EXPECT_FALSE(logic.IsShown(L::kHeight));
    EXPECT_FALSE(logic.IsShown(L::kHeightLabel));
    EXPECT_TRUE(logic.IsShown(L::kMaxSpeed));
    EXPECT_EQ(test::KindState(logic, L::kTrain1), 0);
    EXPECT_EQ(logic.height, 42.0f); // kept, not used
    logic.ClickKind(L::kTrain2);
    EXPECT_EQ(logic.height, 42.0f);
    L other;
    other.trainType = 3;
    other.InitDialog();
    EXPECT_EQ(other.trainType, kTypeTrain1);
}

// A kind switch takes the new kind's texture; the slow zone and heights stay.
TEST(AddTrainLogic, KindSwitchKeepsWhatTheDialogDoesNotShow) {
    const char* const text = "TRAIN2\nEND1 -120 4 700\nEND2 80 6 -650\nSLOWZONE 50\nTEX Own\n"
                             "HEIGHT 20\nMAXSPEED 12\n";
    AstrelObject held;
    ASSERT_TRUE(ParseTrain2(held, Group(text)));
    AddTrainLogic logic;
    ASSERT_TRUE(logic.SetObject(*held.Get()));
    EXPECT_EQ(logic.height, 20.0f);
    EXPECT_EQ(logic.maxSpeed, 12.0f);
    logic.ClickKind(AddTrainLogic::kTrain1);
    AstrelObject result;
    FieldRefusal refusal;
    ASSERT_TRUE(Accept(logic, Shown(logic), result, refusal));
    EXPECT_EQ(result.GetType(), kTypeTrain1);
    EXPECT_EQ(TrainOf(result).tex, "Monorail");
    EXPECT_EQ(TrainOf(result).slowZone.value, 50.0f);
    EXPECT_EQ(TrainOf(result).end1[2].value, 4.0);
    for (int i = 0; i < 2; ++i) { // length and direction are shown with six digits
        EXPECT_NEAR(TrainOf(result).end1[i].value, TrainOf(held).end1[i].value, 1e-2);
        EXPECT_NEAR(TrainOf(result).end2[i].value, TrainOf(held).end2[i].value, 1e-2);
    }
}

TEST(AddTrainLogic, FieldChecks) {
    using L = AddTrainLogic;
    struct Case {
        int id;
        const char* text;
        bool ok;
    };
    const Case cases[] = {
        {L::kLength, "0.9", false},     {L::kLength, "10000", true}, {L::kDirection, "-360", true},
        {L::kDirection, "-361", false}, {L::kHeight, "-1", false},   {L::kMaxSpeed, "10001", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        L logic;
        ControlTexts texts = Shown(logic);
        texts.Set(c.id, c.text);
        AstrelObject result;
        FieldRefusal refusal;
        EXPECT_EQ(Accept(logic, texts, result, refusal), c.ok);
        if (!c.ok) {
            EXPECT_EQ(refusal.control, c.id);
        }
    }
    // Direction -90 runs the same way as 270.
    L logic;
    ControlTexts texts = Shown(logic);
    texts.Set(L::kDirection, "-90");
    AstrelObject result;
    FieldRefusal refusal;
    ASSERT_TRUE(Accept(logic, texts, result, refusal));
    EXPECT_NEAR(TrainOf(result).end1[0].value, -500.0, 1e-9);
}

} // namespace
} // namespace pf
