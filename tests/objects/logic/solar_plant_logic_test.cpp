#include "objects/logic/solar_plant_logic.h"

#include "objects/solar_plant.h"
#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(AddSolarArrayLogicTest, NewPlantGetsTheDefaults) {
    AddSolarArrayLogic logic;
    ASSERT_TRUE(logic.Accept(logic.ShowFields()).accepted);
    EXPECT_EQ(logic.Held().GetParameterText(),
              "\tPOS 0 0 0\r\n\tGRID 4 4\r\n\tROT 0\r\n\tTEX Solpanel\r\n");
    const auto* plant = dynamic_cast<const SolarPlant*>(logic.Held().Get());
    ASSERT_NE(plant, nullptr);
    EXPECT_EQ(plant->scale[0].value, 160.0);
    EXPECT_EQ(plant->scale[1].value, 160.0);
    EXPECT_EQ(plant->scale[2].value, 0.0);
}

TEST(AddSolarArrayLogicTest, RefusesAGridOfZero) {
    AddSolarArrayLogic logic;
    ASSERT_TRUE(logic.SetObject(*test::Parsed("SOLARPLANT", "\tROT -90\r\n").Get()));
    ControlTexts texts = logic.ShowFields();
    EXPECT_EQ(texts.Get(AddSolarArrayLogic::kGridX), "0");
    std::optional<FieldRefusal> refusal = logic.Accept(texts).refusal;
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->control, AddSolarArrayLogic::kGridX);
    texts.Set(AddSolarArrayLogic::kGridX, "2");
    refusal = logic.Accept(texts).refusal;
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->control, AddSolarArrayLogic::kGridY);
    texts.Set(AddSolarArrayLogic::kGridY, "1000");
    texts.Set(AddSolarArrayLogic::kRotate, "-360");
    ASSERT_TRUE(logic.Accept(texts).accepted);
    EXPECT_EQ(logic.Held().GetParameterText(),
              "\tPOS 0 0 0\r\n\tGRID 2 1000\r\n\tROT 0\r\n\tTEX Solpanel\r\n");
}

} // namespace
} // namespace pf
