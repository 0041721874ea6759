// Optional values, their texts and the navigation frequency table.
#include "objects/optional_values.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

OptionalVector3Double Held(double e0, double e1, double e2) {
    OptionalVector3Double v;
    v.Set(e0, e1, e2);
    return v;
}

TEST(OptionalValues, TriplesAndTexturesAreSetOnlyWhenWhole) {
    OptionalVector3Double v;
    v[0].Set(1);
    v[1].Set(2);
    EXPECT_FALSE(v.IsSet());
    v[2].Set(3);
    EXPECT_TRUE(v.IsSet());

    TextureSpec t;
    t.name = "Fcd01";
    t.u.Set(1);
    EXPECT_FALSE(t.IsComplete());
    t.v.Set(2);
    EXPECT_TRUE(t.IsComplete());
    t.name.clear();
    EXPECT_FALSE(t.IsComplete());
}

TEST(ValueFormatters, TriplesFollowTheAxisConvention) {
    EXPECT_EQ(FormatVector3Double(Held(100, -20, 5)), "20 5 100");
    EXPECT_EQ(FormatVector3Double(Held(0, 0, 0)), "0 0 0");
    EXPECT_EQ(FormatVector3Double(Held(0.0004, 1.23456, -0.0001)), "-1.235 0 0");
    EXPECT_EQ(FormatVector3DoubleRotated(Held(30, 10, 20)), "10 20 30");
    EXPECT_EQ(FormatVector3DoubleRotated(Held(1.23456, 0.5, 2)), "0.5 2 1.2346");

    OptionalVector3Float col;
    col[0].Set(0.25f);
    col[1].Set(1.0f);
    col[2].Set(0.5f);
    EXPECT_EQ(FormatVector3Float(col), "1 0.5 0.25");
}

TEST(ValueFormatters, Numbers) {
    OptionalInt n;
    n.Set(-12);
    EXPECT_EQ(FormatInt(n), "-12");
    OptionalFloat f; // the given flag is not looked at
    f.value = -80.6f;
    EXPECT_EQ(FormatFloat4(f), "-80.6");
    EXPECT_EQ(FormatFloat4(0.00001f), "0");
    EXPECT_EQ(FormatDouble2(3.14159), "3.14");
    EXPECT_EQ(FormatDouble3(-0.0001), "0");
    EXPECT_EQ(FormatDouble3(2.5), "2.5");

    OptionalFloat a, b, c;
    a.Set(3.0f);
    b.Set(0.5f);
    c.Set(100.0f);
    OptionalInt mode;
    EXPECT_EQ(FormatPapiValues(a, b, c, mode), "3 0.5 100");
    mode.Set(2);
    EXPECT_EQ(FormatPapiValues(a, b, c, mode), "3 0.5 100 2");

    TextureSpec t;
    t.name = "Fcd01";
    t.u.Set(1.5f);
    t.v.Set(2.0f);
    EXPECT_EQ(FormatTextureSpec(t), "Fcd01 1.5 2");
}

TEST(ValueFormatters, Frequencies) {
    EXPECT_EQ(FormatFrequency(108.0f), "108.0");
    EXPECT_EQ(FormatFrequency(110.1f), "110.1");
    EXPECT_EQ(FormatFrequency(139.7f), "139.7");
    // Off the 0.1 MHz grid: written back as the same frequency.
    EXPECT_EQ(FormatFrequency(109.35f), "109.35");
    EXPECT_EQ(FormatFrequency(117.95f), "117.95");
    // Hundredths that round onto the grid: the one-decimal form, as it reads back.
    EXPECT_EQ(FormatFrequency(109.802f), "109.8");
    EXPECT_EQ(FormatFrequency(109.797f), "109.8");
    NavFrequency nav;
    nav.Set(112.5f);
    EXPECT_EQ(FormatFrequency(nav), "112.5");
}

TEST(NavFrequency, SetKeepsTheBand) {
    NavFrequency f;
    f.present = true;
    EXPECT_TRUE(f.Set(139.0f));
    EXPECT_TRUE(f.valid);
    EXPECT_FLOAT_EQ(f.value, 139.0f);
    EXPECT_TRUE(f.Set(108.0f));
    for (float bad : {139.05f, 107.9f}) {
        EXPECT_FALSE(f.Set(bad));
        EXPECT_FALSE(f.valid);
        EXPECT_FLOAT_EQ(f.value, 108.0f);
    }
    EXPECT_TRUE(f.present);
}

TEST(NavFrequencyTable, SlotsAndSearches) {
    NavFrequencyTable table;
    EXPECT_FLOAT_EQ(table.GetFrequency(0), 108.0f);
    EXPECT_NEAR(table.GetFrequency(317), 139.7, 0.01);
    EXPECT_NEAR(table.FirstFree(), 108.1, 1e-4);
    EXPECT_NEAR(table.FirstFreeFromMiddle(), table.GetFrequency(160), 1e-6);

    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(table.MarkUsed(table.GetFrequency(i)));
    }
    EXPECT_NEAR(table.FirstFree(), 108.4, 1e-3);

    EXPECT_TRUE(table.MarkUsed(139.7f));
    EXPECT_TRUE(table.IsUsed(317));
    EXPECT_FALSE(table.MarkUsed(139.8f));
    EXPECT_FALSE(table.MarkUsed(107.9f));
    EXPECT_FALSE(table.MarkUsed(140.1f));

    table.ClearUsed();
    for (int i = 0; i < NavFrequencyTable::kSlotCount; ++i) {
        if (i != 159) {
            table.MarkUsed(table.GetFrequency(i));
        }
    }
    EXPECT_FALSE(table.IsUsed(159));
    EXPECT_NEAR(table.FirstFreeFromMiddle(), 123.9, 1e-3);
    EXPECT_NEAR(table.FirstFree(), 123.9, 1e-3);
    table.MarkUsed(table.GetFrequency(159));
    EXPECT_FLOAT_EQ(table.FirstFree(), 108.0f);
    EXPECT_FLOAT_EQ(table.FirstFreeFromMiddle(), 120.0f);
}

} // namespace
} // namespace pf
