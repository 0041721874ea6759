#include "objects/hangars.h"

#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::GroupOf;
using test::ParsedText;

const char* const kWallsWithoutScales =
    "\tSCALE 30 10 90\r\n\tTEX1 Wall01\r\n\tTEX2 Fcd04\r\n\tTEX3 Roof01 2 1\r\n\tPFG_SCALEUV\r\n";

TEST(HangarsTest, WallRuleDiffersPerKind) {
    // Width 30, height 10, length 90.
    EXPECT_EQ(ParsedText(ParseHangar, "HANGAR", kWallsWithoutScales),
              "\tPOS 0 0 0\r\n\tSCALE 30 10 90\r\n\tROT 0\r\n\tTEX1 Wall01 3 0.5\r\n"
              "\tTEX2 Fcd04 1 0.5\r\n\tTEX3 Roof01 2 1\r\n\tPFG_SCALEUV\r\n");
    EXPECT_EQ(ParsedText(ParseHangar2, "HANGAR2", kWallsWithoutScales),
              "\tPOS 0 0 0\r\n\tSCALE 30 10 90\r\n\tROT 0\r\n\tTEX1 Wall01 1 0.5\r\n"
              "\tTEX2 Fcd04 3 0.5\r\n\tTEX3 Roof01 2 1\r\n\tPFG_SCALEUV\r\n");
    // The third kind never recomputes: the walls stay incomplete, the flag is written.
    EXPECT_EQ(ParsedText(ParseHangar3, "HANGAR3", kWallsWithoutScales),
              "\tPOS 0 0 0\r\n\tSCALE 30 10 90\r\n\tROT 0\r\n\tTEX3 Roof01 2 1\r\n"
              "\tPFG_SCALEUV\r\n");
}

TEST(HangarsTest, RoofHeightStandsBetweenRoofTextureAndFlag) {
    const std::string text =
        "\tPOS 1 2 3\r\n\tSCALE 30 10 90\r\n\tROT -90\r\n\tTEX1 Wall01 1 0.5\r\n"
        "\tTEX2 Fcd04 3 0.5\r\n\tTEX3 Roof02 2 1\r\n\tROOFH 12.5\r\n\tPFG_SCALEUV\r\n";
    EXPECT_EQ(ParsedText(ParseHangar2, "HANGAR2", text), text);
    // Without ROOFH no line; in a HANGAR group ROOFH is an unknown keyword, kept as it is.
    EXPECT_EQ(ParsedText(ParseHangar2, "HANGAR2", "\tROT 5\r\n"),
              "\tPOS 0 0 0\r\n\tSCALE 1 1 1\r\n\tROT 5\r\n");
    EXPECT_EQ(ParsedText(ParseHangar, "HANGAR", "\tROOFH 3\r\n"),
              "\tPOS 0 0 0\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n\tROOFH 3\r\n");
}

TEST(HangarsTest, EachParserTakesOnlyItsOwnWord) {
    AstrelObject holder;
    EXPECT_FALSE(ParseHangar(holder, GroupOf("HANGAR2", "")));
    EXPECT_FALSE(ParseHangar2(holder, GroupOf("HANGAR", "")));
    EXPECT_FALSE(ParseHangar3(holder, GroupOf("HANGAR2", "")));
    EXPECT_TRUE(holder.IsEmpty());
    ASSERT_TRUE(ParseHangar2(holder, GroupOf("hangar2", "")));
    EXPECT_EQ(holder.GetType(), kTypeHangar2);
    ASSERT_TRUE(ParseHangar3(holder, GroupOf("Hangar3", "")));
    EXPECT_EQ(holder.GetType(), kTypeHangar3);
}

TEST(HangarsTest, ConstructorsSetTheFlagPerKind) {
    EXPECT_FALSE(Hangar().scaleUV);
    EXPECT_TRUE(Hangar2().scaleUV);
    EXPECT_FALSE(Hangar2().roofh.given);
    EXPECT_FALSE(Hangar3().scaleUV);
}

TEST(HangarsTest, Hangar2CopyTakesTheRoofHeight) {
    AstrelObject parsed;
    ParsedText(ParseHangar2, "HANGAR2", "\tROOFH 7\r\n\tTEX1 A 1 2\r\n", &parsed);
    ASSERT_FALSE(parsed.IsEmpty());
    Hangar2 copy;
    copy.CopyFrom(*parsed.Get());
    EXPECT_EQ(copy.GetParameterText(), parsed.GetParameterText());
    EXPECT_TRUE(copy.roofh.given);
    EXPECT_EQ(copy.roofh.value, 7.0f);
}

} // namespace
} // namespace pf
