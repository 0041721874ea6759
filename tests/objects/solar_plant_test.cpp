#include "objects/solar_plant.h"

#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::GroupOf;
using test::ParsedText;

TEST(SolarPlantTest, ExtentFollowsTheGrid) {
    AstrelObject parsed;
    ParsedText(ParseSolarPlant, "SOLARPLANT", "\tSCALE 100\r\n\tGRID 2 3\r\n", &parsed);
    const auto* plant = dynamic_cast<const SolarPlant*>(parsed.Get());
    ASSERT_NE(plant, nullptr);
    EXPECT_EQ(plant->scale[0].value, 80.0);
    EXPECT_EQ(plant->scale[1].value, 120.0);
    EXPECT_EQ(plant->scale[2].value, 1.0);

    ParsedText(ParseSolarPlant, "SOLARPLANT", "\tSCALE 100\r\n", &parsed);
    plant = dynamic_cast<const SolarPlant*>(parsed.Get());
    ASSERT_NE(plant, nullptr);
    EXPECT_EQ(plant->scale[0].value, 0.0);
    EXPECT_EQ(plant->scale[1].value, 0.0);
    EXPECT_TRUE(plant->scale[0].given);

    AstrelObject holder;
    EXPECT_FALSE(ParseSolarPlant(holder, GroupOf("TANK", "")));
    EXPECT_TRUE(holder.IsEmpty());
}

TEST(SolarPlantTest, CopyKeepsTheUnwrittenTexture) {
    AstrelObject parsed;
    ParsedText(ParseSolarPlant, "SOLARPLANT", "\tTEX Other\r\n\tSPACING 1 2\r\n", &parsed);
    SolarPlant copy;
    copy.CopyFrom(*parsed.Get());
    EXPECT_EQ(copy.tex.name, "Other");
    EXPECT_EQ(copy.GetParameterText(), parsed.GetParameterText());
}

} // namespace
} // namespace pf
