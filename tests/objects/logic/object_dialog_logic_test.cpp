#include "objects/logic/object_dialog_logic.h"

#include "objects/block.h"
#include "objects/logic/beacon_array_logic.h"
#include "objects/logic/block_logic.h"
#include "objects/logic/hangar_logic.h"
#include "objects/logic/landing_pad_logic.h"
#include "objects/logic/runway_logic.h"
#include "objects/logic/solar_plant_logic.h"
#include "objects/logic/tank_logic.h"
#include "objects/logic/train_logic.h"
#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(ObjectDialogLogicTest, TheFrameEditsNoType) {
    ObjectDialogLogic logic;
    EXPECT_FALSE(logic.SetObject(Block()));
    EXPECT_TRUE(logic.Held().IsEmpty());
    EXPECT_TRUE(logic.Accept(ControlTexts()).accepted);
    AstrelObject out(Block{});
    logic.GetObject(out);
    EXPECT_TRUE(out.IsEmpty());
}

TEST(ObjectDialogLogicTest, RotationNormalising) {
    struct Case {
        double entered;
        double stored;
    };
    for (const Case& c : {Case{-90, 270}, Case{360, 0}, Case{-360, 0}, Case{0, 0},
                          Case{359.75, 359.75}, Case{-0.25, 359.75}}) {
        EXPECT_EQ(NormaliseDialogRotation(c.entered), c.stored) << c.entered;
    }
}

TEST(AddObjectLogicTest, EachTypeButtonGivesItsCode) {
    struct Case {
        int id;
        const char* caption;
        int32_t code;
    };
    const Case expected[] = {
        {1060, "Runway", 6},      {1084, "Hangar", 2}, {1015, "Landing Pad", 12},
        {1055, "Block", 1},       {1056, "Tank", 5},   {1057, "Train", 10},
        {1058, "Solar Plant", 9}, {1059, "Mesh", 15},  {1061, "Beacon Array", 8}};
    ASSERT_EQ(AddObjectLogic::Buttons().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const AddObjectLogic::Button& button = AddObjectLogic::Buttons()[i];
        EXPECT_EQ(button.id, expected[i].id);
        EXPECT_STREQ(button.caption, expected[i].caption);
        AddObjectLogic logic;
        EXPECT_EQ(logic.GetCode(), 0);
        EXPECT_TRUE(logic.Choose(expected[i].id));
        EXPECT_EQ(logic.GetCode(), expected[i].code);
    }
    AddObjectLogic logic;
    EXPECT_FALSE(logic.Choose(2));
    EXPECT_EQ(logic.GetCode(), 0);
}

using Make = std::unique_ptr<ObjectDialogLogic> (*)();
template <class L> std::unique_ptr<ObjectDialogLogic> MakeLogic() { return std::make_unique<L>(); }

// OK without a change gives back the text the dialog was opened with, also the lines it
// does not show; "dropped" lines are read but not written back.
TEST(ObjectDialogLogicTest, UnchangedOkKeepsTheText) {
    const struct {
        Make make;
        const char* word;
        std::string text;
        std::string dropped = "";
    } rows[] = {
        {MakeLogic<AddBlockLogic>, "BLOCK",
         "\tPOS 1 2 3\r\n\tSCALE 30 10 90\r\n\tROT 45\r\n\tTEX1 Fcd01 1.25 2\r\n"
         "\tTEX2 Fcd02 3 4\r\n\tTEX3 Roof01 0.5 0.75\r\n"},
        {MakeLogic<AddHangerLogic>, "HANGAR2",
         "\tPOS 5 10 7\r\n\tSCALE 30 10 90\r\n\tROT 270\r\n\tTEX1 Wall01 1 0.5\r\n"
         "\tTEX2 Fcd04 3 0.5\r\n\tTEX3 Roof02 2 1\r\n\tROOFH 12.5\r\n"},
        {MakeLogic<AddTankLogic>, "TANK",
         "\tPOS 3 1 -4\r\n\tSCALE 12.5 8 20.125\r\n\tROT 270\r\n\tNSTEP 24\r\n"
         "\tTEX1 Fcd01 2 3\r\n\tTEX2 Roof01 4 5\r\n"},
        {MakeLogic<AddSolarArrayLogic>, "SOLARPLANT",
         "\tPOS 1 0 2\r\n\tSPACING 1.5 2\r\n\tGRID 3 5\r\n\tROT 90\r\n\tTEX Solpanel\r\n",
         "\tSCALE 7\r\n"},
        {MakeLogic<AddBeaconArrayLogic>, "BEACONARRAY",
         "\tEND1 10 3 -20\r\n\tEND2 10 4.5 20\r\n\tCOUNT 7\r\n\tSIZE 2.25\r\n"
         "\tCOL 0.2 0.4 1\r\n"},
        // A pad without a NAV line gets none; one out of the band is not written. Without ROT
        // the text's 0 stays.
        {MakeLogic<AddLpadLogic>, "LPAD1",
         "\tPOS 10 2 -30\r\n\tSCALE 1\r\n\tROT 0.000\r\n\tTEX Own\r\n"},
        {MakeLogic<AddLpadLogic>, "LPAD2",
         "\tPOS 1 0 1\r\n\tSCALE 0.5\r\n\tROT 45.000\r\n\tTEX Lpad02\r\n\tNAV 112.3\r\n"},
        {MakeLogic<AddLpadLogic>, "LPAD2A",
         "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 0.000\r\n\tTEX Lpad02a\r\n", "\tNAV 140\r\n"},
        {MakeLogic<AddRunwayLogic>, "RUNWAY",
         "\tEND1 0 0 0\r\n\tEND2 0 0 1000\r\n\tWIDTH 60\r\n\tILS2 112.3\r\n\tNRWSEG 2\r\n"
         "\t\tRWSEG1 1 \t0.018 \t0.25 \t0.5 \t1 \t0.875\r\n"
         "\t\tRWSEG2 1 \t0.982 \t0 \t0.25 \t0.5 \t0\r\n\tRWTEX Runway2\r\n"},
        {MakeLogic<AddTrainLogic>, "TRAIN2",
         "\tEND1 0 4 700\r\n\tEND2 0 6 -650\r\n\tMAXSPEED 12\r\n\tHEIGHT 20\r\n"
         "\tSLOWZONE 50\r\n\tTEX Own\r\n"},
        {MakeLogic<AddTrainLogic>, "TRAIN1",
         "\tEND1 0 3 0\r\n\tEND2 0 3 1000\r\n\tMAXSPEED 30\r\n\tSLOWZONE 100\r\n\tTEX Rails\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word + ("\n" + row.text));
        const AstrelObject held = test::Parsed(row.word, row.text + row.dropped);
        ASSERT_FALSE(held.IsEmpty());
        std::unique_ptr<ObjectDialogLogic> logic = row.make();
        ASSERT_TRUE(logic->SetObject(*held.Get()));
        logic->InitDialog();
        ASSERT_TRUE(logic->Accept(logic->ShowFields()).accepted);
        AstrelObject out;
        logic->GetObject(out);
        EXPECT_EQ(out.GetType(), held.GetType());
        EXPECT_EQ(out.GetParameterText(), row.text);
        EXPECT_NE(out.Get(), logic->Held().Get());
    }
}

// Field bounds: OK with one field changed is refused (naming the field, the dialog left
// open and the held object unchanged) or accepted. The wording of refusals is the field
// exchange's own.
TEST(ObjectDialogLogicTest, FieldBounds) {
    using B = AddBlockLogic;
    using BA = AddBeaconArrayLogic;
    using P = AddLpadLogic;
    using R = AddRunwayLogic;
    const struct {
        Make make;
        int control;
        const char* text;
        bool refused;
    } rows[] = {
        {MakeLogic<B>, B::kWidth, "0.1", true},
        {MakeLogic<B>, B::kWidth, "0.10001", false},
        {MakeLogic<B>, B::kLength, "4001", true},
        {MakeLogic<B>, B::kHeight, "abc", true},
        {MakeLogic<B>, B::kRotate, "361", true},
        {MakeLogic<B>, B::kTex1Name, "Fcd 06", true},
        {MakeLogic<B>, B::kTex3Name, "Roof;01", true},
        {MakeLogic<AddTankLogic>, B::kHeight, "0.1", true},
        {MakeLogic<AddHangerLogic>, AddHangerLogic::kRoofHeight, "-1", true}, // hidden, checked
        {MakeLogic<AddSolarArrayLogic>, AddSolarArrayLogic::kGridX, "0", true},
        {MakeLogic<AddSolarArrayLogic>, AddSolarArrayLogic::kGridY, "1001", true},
        {MakeLogic<BA>, BA::kCount, "1", true},
        {MakeLogic<BA>, BA::kCount, "65001", true},
        {MakeLogic<BA>, BA::kRed, "1.5", true},
        {MakeLogic<BA>, BA::kSize, "-1", true},
        {MakeLogic<BA>, BA::kEnd2Altitude, "high", true},
        {MakeLogic<P>, P::kDiameter, "0.1", false},
        {MakeLogic<P>, P::kDiameter, "0.09", true},
        {MakeLogic<P>, P::kDiameter, "4000.5", true},
        {MakeLogic<P>, P::kRotation, "361", true},
        {MakeLogic<P>, P::kTexture, "Two words", true},
        {MakeLogic<P>, P::kTexture, "", false},
        {MakeLogic<R>, R::kWidth, "0.1", true},
        {MakeLogic<R>, R::kWidth, "0.10001", false},
        {MakeLogic<R>, R::kWidth, "20000", false},
        {MakeLogic<R>, R::kWidth, "20000.1", true},
        {MakeLogic<R>, R::kLength, "0.5", true},
        {MakeLogic<R>, R::kDirection, "360", false},
        {MakeLogic<R>, R::kDirection, "-1", true},
        {MakeLogic<R>, R::kNumberOfLights, "1", true},
        {MakeLogic<R>, R::kNumberOfLights, "1000", false},
        {MakeLogic<R>, R::kPapiApproach, "abc", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.control) + " " + row.text);
        std::unique_ptr<ObjectDialogLogic> logic = row.make();
        logic->InitDialog();
        const std::string before = logic->Held().IsEmpty() ? "" : logic->Held().GetParameterText();
        ControlTexts texts = logic->ShowFields();
        texts.Set(row.control, row.text);
        const AcceptOutcome outcome = logic->Accept(texts);
        EXPECT_EQ(outcome.accepted, !row.refused);
        if (row.refused) {
            ASSERT_TRUE(outcome.refusal);
            EXPECT_EQ(outcome.refusal->control, row.control);
            EXPECT_EQ(logic->Held().IsEmpty() ? "" : logic->Held().GetParameterText(), before);
        }
    }
}

} // namespace
} // namespace pf
