#include "objects/solar_plant.h"

#include "object_text_helpers.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::GroupOf;
using test::ParsedText;

TEST(SolarPlantTest, WritesTheDialogDefaults) {
    SolarPlant plant;
    plant.grid[0].Set(4);
    plant.grid[1].Set(4);
    plant.scale.Set(160.0, 160.0, 0.0);
    plant.rot.Set(0.0);
    EXPECT_EQ(plant.GetParameterText(),
              "\tPOS 0 0 0\r\n\tGRID 4 4\r\n\tROT 0\r\n\tTEX Solpanel\r\n");
}

struct TextCase {
    const char* name;
    std::string input;
    std::string written;
};

class SolarPlantTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(SolarPlantTextTest, ParsesAndWrites) {
    const TextCase& c = GetParam();
    const std::string first = ParsedText(ParseSolarPlant, "SOLARPLANT", c.input);
    EXPECT_EQ(first, c.written);
    EXPECT_EQ(ParsedText(ParseSolarPlant, "SOLARPLANT", first), first);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SolarPlantTextTest,
    ::testing::Values(
        TextCase{"Full",
                 "\tPOS 1 0 2\r\n\tSPACING 1.5 2\r\n\tGRID 3 5\r\n\tROT 90\r\n\tTEX Other\r\n",
                 "\tPOS 1 0 2\r\n\tSPACING 1.5 2\r\n\tGRID 3 5\r\n\tROT 90\r\n"
                 "\tTEX Solpanel\r\n"},
        TextCase{"NoRotReadsZero", "\tGRID 2 3\r\n",
                 "\tPOS 0 0 0\r\n\tGRID 2 3\r\n\tROT 0\r\n\tTEX Solpanel\r\n"},
        TextCase{"OneNumberSpacingSetsNothing", "\tSPACING 5\r\n",
                 "\tPOS 0 0 0\r\n\tROT 0\r\n\tTEX Solpanel\r\n"},
        TextCase{"KeywordCase", "\tgrid 7 8\r\n\tRot 45\r\n",
                 "\tPOS 0 0 0\r\n\tGRID 7 8\r\n\tROT 45\r\n\tTEX Solpanel\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

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
