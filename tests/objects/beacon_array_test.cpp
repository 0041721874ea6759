#include "objects/beacon_array.h"

#include "imagery/bitmap_data.h"
#include "support/object_fixtures.h"

#include <gtest/gtest.h>

#include <limits>

namespace pf {
namespace {

using test::GroupOf;
using test::ParsedText;

TEST(BeaconArrayTest, IconIsPaintedInTheColour) {
    AstrelObject parsed;
    ParsedText(ParseBeaconArray, "BEACONARRAY", "\tCOL 0.2 0.4 1\r\n", &parsed);
    ASSERT_FALSE(parsed.IsEmpty());
    BitmapData icon;
    parsed.Get()->GetIcon(icon);
    ASSERT_EQ(icon.Width(), 32);
    ASSERT_EQ(icon.Height(), 32);
    ASSERT_EQ(icon.BitsPerPixel(), 24);
    for (int y : {0, 31}) {
        for (int x : {0, 17, 31}) {
            const std::uint8_t* p = icon.PixelAddress(x, y);
            EXPECT_EQ(p[0], 255); // blue
            EXPECT_EQ(p[1], 102); // green
            EXPECT_EQ(p[2], 51);  // red
        }
    }
}

TEST(BeaconArrayTest, ColourBytesKeepTheLowEightBits) {
    EXPECT_EQ(BeaconColourByte(1.0f), 255);
    EXPECT_EQ(BeaconColourByte(1.5f), 126);
    EXPECT_EQ(BeaconColourByte(0.0f), 0);
    EXPECT_EQ(BeaconColourByte(-0.5f), 129);
    // Beyond what the conversion can take: 0 instead of an undefined result.
    EXPECT_EQ(BeaconColourByte(1e30f), 0);
    EXPECT_EQ(BeaconColourByte(-1e30f), 0);
    EXPECT_EQ(BeaconColourByte(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(BeaconColourByte(std::numeric_limits<float>::infinity()), 0);
}

TEST(BeaconArrayTest, ParserTakesOnlyItsWord) {
    AstrelObject holder;
    EXPECT_FALSE(ParseBeaconArray(holder, GroupOf("BLOCK", "\tCOUNT 3\r\n")));
    EXPECT_TRUE(holder.IsEmpty());
}

} // namespace
} // namespace pf
