#include "foundation/text.h"
#include "support/comma_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>

namespace pf {
namespace {

struct NumberCase {
    float value;
    int decimals;
    const char* expected;
};

TEST(FormatNumber, ShortestFixedPointText) {
    const NumberCase cases[] = {
        {2.5f, 3, "2.5"},
        {100.0f, 2, "100"},
        {0.0f, 4, "0"},
        {-0.0001f, 3, "0"}, // prints "-0.000", trims to "-0"
        {-0.5f, 3, "-0.5"},
        {0.0005f, 3, "0.001"}, // the float lies above the half
        {1.0005f, 3, "1"},     // the float lies below the half
        {16777217.0f, 2, "16777216"},
        {16777217.0f, 6, "16777216"},
        {123456.789f, 3, "123456.789"},
        {1234567.891f, 3, "1234567.875"},
        {0.125f, 2, "0.12"}, // exact binary tie rounds half to even
        {-0.0f, 2, "0"},
        {-12.25f, 4, "-12.25"},
        {1e-7f, 6, "0"},
        {0.1f, 6, "0.1"},
        // Without decimals the printed text has no point: its zeros stay.
        {100.0f, 0, "100"},
        {10.0f, 0, "10"},
        {-0.4f, 0, "0"},
        {0.0f, 0, "0"},
        {2.5f, -1, "2"},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.decimals), c.expected)
            << "value " << c.value << " decimals " << c.decimals;
    }
}

// What a written number reads back as, without the text: the same float, bit for bit, as
// reading FormatNumber's text; ties round to even as printf does, "-0" is never written.
TEST(NumberAsRead, IsWhatTheWrittenTextReads) {
    const auto same = [](float value, int decimals) {
        float expected = 0.0f;
        float got = 0.0f;
        ASSERT_TRUE(ParseFloat(FormatNumber(value, decimals), expected));
        ASSERT_TRUE(NumberAsRead(value, decimals, got));
        EXPECT_EQ(std::memcmp(&expected, &got, sizeof got), 0)
            << value << " at " << decimals << ": " << expected << " read, " << got << " given";
    };
    const float values[] = {0.0625f,     -0.0625f,       0.125f,        2.5f,          3.5f,
                            -2.5f,       1.0005f,        2.00005f,      -0.00049f,     -1e-7f,
                            1e-45f,      0.1f,           359.999f,      -359.999f,     5.12345f,
                            16777217.0f, 1.23456789e10f, 3.4028235e38f, -3.4028235e38f};
    for (const float value : values) {
        for (const int decimals : {0, 2, 3, 4, 6}) {
            same(value, decimals);
        }
    }
    // Every binade, with random low bits.
    uint32_t bits = 12345u;
    for (int i = 0; i < 20000; ++i) {
        bits = bits * 1664525u + 1013904223u;
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) {
            same(value, 2 + i % 3);
        }
    }
    float out = 7.0f;
    for (const float value :
         {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
          std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_FALSE(NumberAsRead(value, 3, out));
        EXPECT_EQ(out, 7.0f);
    }
}

TEST(FormatString, FollowsPrintfRulesAtAnyLength) {
    EXPECT_EQ(FormatString("%d|%s|%.2f|%5.1f|%x", -7, "ab", 1.005, 2.25, 255u),
              "-7|ab|1.00|  2.2|ff");
    EXPECT_EQ(FormatString("%%.%df", 3), "%.3f");
    EXPECT_EQ(FormatString("%s", ""), "");
    const std::string long_text(100000, 'x');
    const std::string out = FormatString("[%s]%s", long_text.c_str(), "\xB0");
    ASSERT_EQ(out.size(), long_text.size() + 3);
    EXPECT_EQ(out.substr(0, 2), "[x");
    EXPECT_EQ(out.substr(out.size() - 2), "]\xB0");
}

struct ParseCase {
    const char* text;
    bool ok;
    double value; // expected when ok
};

// The double forms and the float forms agree on everything except the range.
TEST(ParseNumbers, StrictTestThenLongestLeadingNumber) {
    const ParseCase cases[] = {
        {"1e5", true, 100000.0}, {"-.5", true, -0.5},   {"+", true, 0.0},
        {"-", true, 0.0},        {"1-2", true, 1.0},    {"1.2.3", true, 1.2},
        {".", true, 0.0},        {"e5", true, 0.0},     {"+12.5", true, 12.5},
        {"007", true, 7.0},      {"1E-3", true, 0.001}, {"1e-50", true, 1e-50},
        {" 1", false, 0},        {"1 ", false, 0},      {"1,5", false, 0},
        {"", false, 0},          {"0x10", false, 0},    {"inf", false, 0},
        {"nan", false, 0},       {"1e309", false, 0}, // overflows to infinity
        {"-1e309", false, 0},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        double d = 42.0;
        EXPECT_EQ(ParseDoubleText(c.text, d), c.ok);
        EXPECT_EQ(d, c.ok ? c.value : 42.0);
        d = 42.0;
        EXPECT_EQ(ParseDoubleCString(c.text, d), c.ok);
        EXPECT_EQ(d, c.ok ? c.value : 42.0);

        float f = 42.0f;
        EXPECT_EQ(ParseFloatText(c.text, f), c.ok);
        EXPECT_EQ(f, c.ok ? static_cast<float>(c.value) : 42.0f);
        f = 42.0f;
        EXPECT_EQ(ParseFloat(c.text, f), c.ok);
        EXPECT_EQ(f, c.ok ? static_cast<float>(c.value) : 42.0f);
    }
}

TEST(ParseNumbers, FloatFormsRefuseValuesBeyondTheFloatRange) {
    float f = 42.0f;
    EXPECT_FALSE(ParseFloat("1e39", f));
    EXPECT_FALSE(ParseFloatText("-1e39", f));
    EXPECT_EQ(f, 42.0f);
    EXPECT_TRUE(ParseFloat("3.4028234e38", f));
    EXPECT_EQ(f, 3.4028234e38f);
    double d = 0;
    EXPECT_TRUE(ParseDoubleCString("1e39", d));
    EXPECT_EQ(d, 1e39);
}

TEST(ParseNumbers, FloatFormsNarrowTheParsedDouble) {
    // Just above the midpoint between 1 and the next float: the nearest double is the
    // midpoint itself, which narrows to 1 (half to even), whereas a direct float
    // conversion would give the float above.
    float f = 0;
    ASSERT_TRUE(ParseFloat("1.00000005960464477550", f));
    EXPECT_EQ(f, 1.0f);
}

TEST(ParseNumbers, StringFormsRefuseAnEmbeddedNul) {
    float f = 42.0f;
    EXPECT_FALSE(ParseFloat(std::string("1\0x", 3), f));
    EXPECT_EQ(f, 42.0f);
    double d = 0;
    EXPECT_FALSE(ParseDoubleText(nullptr, d));
}

struct CompareCase {
    const char* a;
    const char* b;
    bool expected;
};

TEST(TextCompare, StartsWithNeedsAStrictlyLongerText) {
    const CompareCase cases[] = {
        {"BEGIN_OBJECTLIST", "begin_", true},
        {"begin_x", "BEGIN_", true},
        {"END", "END", false},
        {"END", "end", false},
        {"ENDX", "end", true},
        {"EN", "END", false},
        {"a", "", true},
        {"", "", false},
        {"[x", "{", false}, // only letters fold
        {"\xC4x", "\xE4", false},
    };
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(StartsWithLonger(c.a, c.b), c.expected);
        EXPECT_EQ(CStringStartsWith(c.a, c.b), c.expected);
        EXPECT_EQ(CStringStartsWithCString(c.a, c.b), c.expected);
    }
}

TEST(TextCompare, EndsWithAllowsEquality) {
    const CompareCase cases[] = {
        {"base.CFG", ".cfg", true},   {".cfg", ".CFG", true}, {"cfg", ".cfg", false},
        {"base.cfgx", ".cfg", false}, {"x", "", true},        {"", "", true},
    };
    for (const CompareCase& c : cases) {
        EXPECT_EQ(CStringEndsWithNoCase(c.a, c.b), c.expected) << c.a << " / " << c.b;
    }
}

TEST(TextCompare, EqualityNeedsEqualLength) {
    const CompareCase cases[] = {
        {"Runway", "RUNWAY", true},
        {"RUNWAY ", "RUNWAY", false},
        {"RUNWAY", "RUNWAY ", false},
        {"", "", true},
        {"a", "b", false},
        {"\xC4", "\xE4", false},
        {"@", "`", false},
    };
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(StrEquals(c.a, c.b), c.expected);
        EXPECT_EQ(CStringEqualsNoCase(c.a, c.b), c.expected);
        EXPECT_EQ(CStringEqualsText(c.a, c.b), c.expected);
    }
}

TEST(TrimRightChars, CutsTheFinalRunOfSetBytes) {
    const struct {
        const char* text;
        const char* set;
        const char* expected;
    } cases[] = {
        {"abc  ", " ", "abc"}, {"   ", " ", ""},           {"abc", "", "abc"},
        {"", " ", ""},         {"a b\t \t", " \t", "a b"}, {"x\xB0\xB0", "\xB0", "x"},
        {"a c", "c", "a "},    {"abc", "xyz", "abc"},      {"cab", "ab", "c"},
    };
    for (const auto& c : cases) {
        std::string s = c.text;
        std::string& result = TrimRightChars(s, c.set);
        EXPECT_EQ(&result, &s);
        EXPECT_EQ(s, c.expected) << '"' << c.text << "\" set \"" << c.set << '"';
    }
}

TEST(ReplaceAllText, LeftToRightWithoutRescanning) {
    // text, find, replacement, result, count.
    const std::tuple<const char*, const char*, const char*, const char*, int> rows[] = {
        {"aaaa", "aa", "a", "aa", 2},
        {"Port Alpha One", " ", "_", "Port_Alpha_One", 2},
        {"a", "a", "aa", "aa", 1},
        {"abc", "", "x", "abc", 0},
    };
    for (auto [text, find, replacement, result, count] : rows) {
        std::string s = text;
        EXPECT_EQ(ReplaceAllText(s, find, replacement), count) << text;
        EXPECT_EQ(s, result);
    }
}

TEST(UpperCaseCp1252, WesternLettersTakeTheirCapitals) {
    // a-z and 0xE0-0xFE take -0x20 (not the division sign 0xF7); s, oe and z with caron
    // take -0x10; y with diaeresis becomes 0x9F. Everything else stays.
    EXPECT_EQ(UpperCaseCp1252("az AZ 09_"), "AZ AZ 09_");
    EXPECT_EQ(UpperCaseCp1252("\xE0\xE9\xF6\xF7\xF8\xFE\xFF"), "\xC0\xC9\xD6\xF7\xD8\xDE\x9F");
    EXPECT_EQ(UpperCaseCp1252("\x9A\x9C\x9E\x8A\xB5\xDF"), "\x8A\x8C\x8E\x8A\xB5\xDF");
}

TEST(NumbersUnderACommaLocale, KeepTheDecimalPoint) {
    test::CommaLocale comma;
    PF_SKIP_WITHOUT(comma);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    EXPECT_EQ(FormatNumber(2.5f, 3), "2.5");
    EXPECT_EQ(FormatNumber(-1234.125f, 4), "-1234.125");
    EXPECT_EQ(FormatString("%.2f;%g", 1.5, 0.25), "1.50;0.25");

    float f = 0;
    EXPECT_TRUE(ParseFloat("2.5", f));
    EXPECT_EQ(f, 2.5f);
    EXPECT_TRUE(ParseFloatText("-0.125", f));
    EXPECT_EQ(f, -0.125f);
    double d = 0;
    EXPECT_TRUE(ParseDoubleCString("1.75e2", d));
    EXPECT_EQ(d, 175.0);
    EXPECT_TRUE(ParseDoubleText("0.5", d));
    EXPECT_EQ(d, 0.5);
    EXPECT_FALSE(ParseDoubleText("0,5", d));
    EXPECT_EQ(ReadLeadingDouble("  51000.5,7x"), 51000.5);

    // The thread's locale is back as it was: plain printf still uses the comma.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    EXPECT_STREQ(buffer, "1,5");
}

} // namespace
} // namespace pf
