#include "objects/logic/object_dialog_logic.h"

#include "objects/block.h"

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

} // namespace
} // namespace pf
