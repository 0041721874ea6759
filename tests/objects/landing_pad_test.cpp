#include "objects/landing_pad.h"
#include "support/object_fixtures.h"

#include "imagery/bitmap_data.h"
#include "imagery/object_icons.h"
#include "objects/runway.h"
#include "platform/settings_store.h"
#include "support/bmp_fixture.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace pf {
namespace {

using test::Group;

const LandingPad& PadOf(const AstrelObject& holder) {
    return dynamic_cast<const LandingPad&>(*holder.Get());
}

TEST(LandingPad, RotationIsHeldBehindTheText) {
    struct Case {
        const char* name;
        const char* body;
        double heldRotation;
        double diameter;
        const char* written;
    };
    const Case cases[] = {
        {"rot 0, scale 1", "ROT 0\nSCALE 1\n", 270.0, 80.0,
         "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 0.000\r\n"},
        {"rot 90", "ROT 90\n", 0.0, 80.0, "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 90.000\r\n"},
        {"rot 360", "ROT 360\n", 270.0, 80.0, "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 0.000\r\n"},
        {"rot -45.5", "ROT -45.5\n", 224.5, 80.0, "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 314.500\r\n"},
        {"no rot line reads as rot 0", "POS 10 2 -30\n", 270.0, 80.0,
         "\tPOS 10 2 -30\r\n\tSCALE 1\r\n\tROT 0.000\r\n"},
        {"scale 0.5, texture, nav", "SCALE 0.5\nTEX MyPad\nNAV 112.25\nROT 12.3456\n", 282.3456,
         40.0, "\tPOS 0 0 0\r\n\tSCALE 0.5\r\n\tROT 12.346\r\n\tTEX MyPad\r\n\tNAV 112.25\r\n"},
        {"nav out of band", "NAV 140.0\nROT 90\n", 0.0, 80.0,
         "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 90.000\r\n"},
        {"nav without a number", "NAV\nUNKNOWN 1\n", 270.0, 80.0,
         "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 0.000\r\n\tUNKNOWN 1\r\n"},
        {"just short of a turn", "ROT 359.9999\n", 269.9999, 80.0,
         "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 0.000\r\n"},
        {"huge turn", "ROT 81088888888888888888\n", 222.0, 80.0,
         "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 312.000\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AstrelObject holder;
        ASSERT_TRUE(ParseLpad1(holder, Group(std::string("lpad1\n") + c.body)));
        const LandingPad& pad = PadOf(holder);
        EXPECT_NEAR(pad.rot.value, c.heldRotation, 1e-4);
        EXPECT_TRUE(pad.rot.given);
        EXPECT_EQ(pad.scale[0].value, c.diameter);
        EXPECT_EQ(pad.scale[1].value, c.diameter);
        EXPECT_EQ(holder.GetParameterText(), c.written);
    }

    AstrelObject holder;
    ASSERT_TRUE(ParseLpad1(holder, Group("LPAD1\nNAV 140.0")));
    EXPECT_TRUE(PadOf(holder).nav.present);
    EXPECT_FALSE(PadOf(holder).nav.valid);
    ASSERT_TRUE(ParseLpad1(holder, Group("LPAD1\nSCALE 2")));
    EXPECT_EQ(PadOf(holder).scale.Get().z, 2.0);
    EXPECT_TRUE(PadOf(holder).scale[2].given);
}

// Channels lie 0.05 MHz apart: a frequency off the 0.1 grid keeps its second decimal, one
// on it keeps the one-decimal text.
TEST(LandingPad, FrequenciesComeBackAsTheyWereRead) {
    const char* const kFrequencies[] = {"109.15", "109.35", "127.85", "132.05", "110.0", "108.1"};
    for (const char* f : kFrequencies) {
        SCOPED_TRACE(f);
        const std::string pad = std::string("LPAD1\nROT 0\nNAV ") + f;
        const std::string runway = std::string("RUNWAY\nILS1 ") + f + "\nILS2 " + f;
        AstrelObject first;
        AstrelObject second;
        ASSERT_TRUE(ParseLpad1(first, Group(pad)));
        ASSERT_TRUE(ParseLpad1(second, Group("LPAD1\r\n" + first.GetParameterText())));
        EXPECT_EQ(first.GetParameterText(),
                  std::string("\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 0.000\r\n\tNAV ") + f + "\r\n");
        EXPECT_EQ(second.GetParameterText(), first.GetParameterText());
        ASSERT_TRUE(ParseRunway(first, Group(runway)));
        ASSERT_TRUE(ParseRunway(second, Group("RUNWAY\r\n" + first.GetParameterText())));
        EXPECT_EQ(first.GetParameterText(), std::string("\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tILS1 ") +
                                                f + "\r\n\tILS2 " + f + "\r\n");
        EXPECT_EQ(second.GetParameterText(), first.GetParameterText());
    }
}

TEST(LandingPad, EachKindHasItsParser) {
    AstrelObject holder;
    EXPECT_FALSE(ParseLpad1(holder, Group("LPAD2\nROT 0")));
    EXPECT_FALSE(ParseLpad2(holder, Group("LPAD2A\nROT 0")));
    EXPECT_FALSE(ParseLpad2A(holder, Group("LPAD1\nROT 0")));
    EXPECT_TRUE(holder.IsEmpty());
    ASSERT_TRUE(ParseLpad2(holder, Group("Lpad2\nTEX X")));
    EXPECT_EQ(holder.GetType(), kTypeLpad2);
    ASSERT_TRUE(ParseLpad2A(holder, Group("LPAD2a\nTEX X")));
    EXPECT_EQ(holder.GetType(), kTypeLpad2A);
    // A clone keeps every field, the NAV flags included.
    ASSERT_TRUE(ParseLpad2A(holder, Group("LPAD2A\nPOS 1 2 3\nSCALE 3\nROT 10\nTEX T\nNAV 150")));
    const AstrelObject copy(holder);
    EXPECT_EQ(copy.GetType(), kTypeLpad2A);
    EXPECT_EQ(copy.GetParameterText(), holder.GetParameterText());
    EXPECT_TRUE(PadOf(copy).nav.present);
    EXPECT_EQ(PadOf(copy).scale, PadOf(holder).scale);
}

TEST(LandingPad, SizeSlotsKeepThePadRound) {
    Lpad1 pad;
    pad.SetSize0(0.05);
    EXPECT_EQ(pad.scale[0].value, 0.1);
    EXPECT_EQ(pad.scale[1].value, 0.1);
    pad.SetSize1(25.0);
    EXPECT_EQ(pad.scale[0].value, 25.0);
    EXPECT_EQ(pad.scale[1].value, 25.0);
}

TEST(LandingPad, IconPerKind) {
    test::SandboxHome home;
    test::TempDir install;
    test::ScriptedUi ui;
    install.WriteFile("lpad1.bmp", test::SolidBmp(1));
    install.WriteFile("lpad2.bmp", test::SolidBmp(2));
    install.WriteFile("lpad2a.bmp", test::SolidBmp(3));
    ASSERT_TRUE(settings_store::Write("Install Path", install.Internal()));
    ClearIconBitmapCache();
    const Lpad1 a;
    const Lpad2 b;
    const Lpad2A c;
    const std::pair<const LandingPad*, uint8_t> kinds[] = {{&a, 1}, {&b, 2}, {&c, 3}};
    for (const auto& [pad, value] : kinds) {
        BitmapData icon;
        pad->GetIcon(icon);
        ASSERT_TRUE(icon.HasPixels());
        EXPECT_EQ(icon.PixelAddress(1, 1)[1], value);
    }
    ClearIconBitmapCache();
}

} // namespace
} // namespace pf
