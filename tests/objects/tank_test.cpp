#include "objects/tank.h"

#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::GroupOf;
using test::ParsedText;

TEST(TankTest, PerimeterRule) {
    EXPECT_NEAR(TankPerimeter(60, 60), 376.98, 0.001);
    EXPECT_NEAR(TankPerimeter(100, 50), 484.4, 0.1);
    EXPECT_EQ(TextureRepeatFactor(TankPerimeter(60, 60)), 12.5f);
    EXPECT_EQ(TextureRepeatFactor(TankPerimeter(100, 50)), 16.0f);
}

TEST(TankTest, ReadSizesAreFullExtents) {
    AstrelObject parsed;
    ParsedText(ParseTank, "TANK", "\tSCALE 15 10 20\r\n", &parsed);
    const auto* tank = dynamic_cast<const Tank*>(parsed.Get());
    ASSERT_NE(tank, nullptr);
    EXPECT_EQ(tank->scale[1].value, 30.0);
    EXPECT_EQ(tank->scale[2].value, 10.0);
    EXPECT_EQ(tank->scale[0].value, 40.0);
    EXPECT_FALSE(tank->nstep.given);
    AstrelObject holder;
    EXPECT_FALSE(ParseTank(holder, GroupOf("BLOCK", "")));
}

// Each SCALE line doubles the radii, even one that does not read: radii doubled beyond a
// float's range would be written as "inf", so such a tank is refused.
TEST(TankTest, RadiiDoubledBeyondAFloatAreRefused) {
    for (const auto& [lines, read] : {std::pair{128, true}, {129, false}}) {
        std::string text;
        for (int i = 0; i < lines; ++i) {
            text += "\tSCALE x\r\n";
        }
        AstrelObject holder;
        EXPECT_EQ(ParseTank(holder, GroupOf("TANK", text)), read) << lines;
    }
}

} // namespace
} // namespace pf
