#include "foundation/field_exchange.h"
#include "support/comma_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <vector>

namespace pf {
namespace {

// A small dialog's members in member order, as a dialog logic lists them.
struct Members {
    float f = 1.5f;
    double d = 2.25;
    int32_t n = 10;
    std::string name = "Fcd06";
    bool flag = true;

    void Exchange(FieldExchange& dx) {
        dx.Float(1, f, 0.1f, 400.0f);
        dx.Double(2, d, static_cast<double>(0.1f), 4000.0);
        dx.Int(3, n, 2, 65000);
        dx.TextureName(4, name);
        dx.Check(5, flag);
    }
};

ControlTexts ShownTexts(Members& m) {
    ControlTexts texts;
    FieldExchange dx = FieldExchange::Show(texts);
    m.Exchange(dx);
    return texts;
}

TEST(FieldExchangeTest, ShowsMembersAsTexts) {
    Members m;
    m.f = 0.1f;
    m.d = 1.0 / 3.0;
    m.n = -7;
    m.flag = false;
    const ControlTexts texts = ShownTexts(m);
    EXPECT_EQ(texts.Get(1), "0.1");
    EXPECT_EQ(texts.Get(2), "0.333333333333333");
    EXPECT_EQ(texts.Get(3), "-7");
    EXPECT_EQ(texts.Get(4), "Fcd06");
    EXPECT_EQ(texts.Get(5), "0");
    EXPECT_EQ(texts.Get(99), "");
}

TEST(FieldExchangeTest, ShownTextsReadBackUnchanged) {
    Members m;
    m.f = 123.456f;
    m.d = 1234.56789012345;
    ControlTexts texts = ShownTexts(m);
    Members back;
    FieldExchange dx = FieldExchange::Read(texts);
    back.Exchange(dx);
    ASSERT_FALSE(dx.Failed());
    EXPECT_EQ(back.f, m.f);
    EXPECT_EQ(back.d, m.d);
    EXPECT_EQ(back.n, m.n);
    EXPECT_EQ(back.name, m.name);
    EXPECT_EQ(back.flag, m.flag);
}

// The one place where the wording of refusals is asserted.
TEST(FieldExchangeTest, ReadsOrRefuses) {
    const std::string blanks = "A texture name cannot contain blanks, tabs, ';' or '='.";
    const struct {
        int control;
        std::string message; // empty: accepted
        std::vector<std::string> texts;
    } cases[] = {
        // float with float bounds: the float 0.1 itself is inside
        {1, "", {"0.1", " 400 ", "0x10", "1e2", "+5"}},
        {1, "Enter a number between 0.1 and 400.", {"400.0001", "0.09", "1e39"}},
        {1, "Enter a number.", {"", "1,5", "12abc", "1 2", "nan", "inf"}},
        // double against the float 0.1 as a double bound
        {2, "", {"0.10001", "4000"}},
        {2, "Enter a number between 0.1 and 4000.", {"0.1", "4000.5"}},
        {3, "", {"2", " 65000\t", "+7"}},
        {3,
         "Enter an integer between 2 and 65000.",
         {"1", "65001", "99999999999999999999999", "-99999999999999999999999"}},
        {3, "Enter an integer.", {"1,5", "10.0", "", "-"}},
        {4, "", {"", "Roof02"}},
        {4, blanks, {"Fcd 06", "Fcd\t06", "a;b", "a=b"}},
    };
    for (const auto& c : cases) {
        for (const std::string& text : c.texts) {
            SCOPED_TRACE(text);
            Members m;
            ControlTexts texts = ShownTexts(m);
            texts.Set(c.control, text);
            FieldExchange dx = FieldExchange::Read(texts);
            m.Exchange(dx);
            EXPECT_EQ(dx.Failed() ? dx.Refusal().message : "", c.message);
            EXPECT_EQ(dx.Failed() ? dx.Refusal().control : c.control, c.control);
        }
    }
}

TEST(FieldExchangeTest, FirstRefusalStopsTheRead) {
    Members m;
    ControlTexts texts = ShownTexts(m);
    texts.Set(1, "7");   // read
    texts.Set(2, "abc"); // refused
    texts.Set(3, "500"); // not read
    texts.Set(4, "x y"); // would be refused too, but is never reached
    FieldExchange dx = FieldExchange::Read(texts);
    m.Exchange(dx);
    ASSERT_TRUE(dx.Failed());
    EXPECT_EQ(dx.Refusal().control, 2);
    EXPECT_EQ(dx.Refusal().message, "Enter a number.");
    EXPECT_EQ(m.f, 7.0f);
    EXPECT_EQ(m.d, 2.25);
    EXPECT_EQ(m.n, 10);
    EXPECT_EQ(m.name, "Fcd06");
}

TEST(FieldExchangeTest, UnconvertibleTextureNameIsRefused) {
    Members m;
    ControlTexts texts = ShownTexts(m);
    texts.Set(4, "Fcd?6");
    texts.unconvertible.insert(4);
    FieldExchange dx = FieldExchange::Read(texts);
    m.Exchange(dx);
    ASSERT_TRUE(dx.Failed());
    EXPECT_EQ(dx.Refusal().control, 4);
    EXPECT_EQ(m.name, "Fcd06");
}

TEST(FieldExchangeTest, MissingControlsLeaveTheirMembers) {
    Members m;
    ControlTexts texts;
    texts.Set(3, "42");
    FieldExchange dx = FieldExchange::Read(texts);
    m.Exchange(dx);
    EXPECT_FALSE(dx.Failed());
    EXPECT_EQ(m.n, 42);
    EXPECT_EQ(m.f, 1.5f);
    EXPECT_TRUE(m.flag);
}

TEST(FieldExchangeTest, FieldsWithoutRangeTakeAnyFiniteNumber) {
    double altitude = 0.0;
    int32_t count = 0;
    ControlTexts texts;
    texts.Set(1, "-1e300");
    texts.Set(2, "-2147483648");
    FieldExchange dx = FieldExchange::Read(texts);
    dx.Double(1, altitude);
    dx.Int(2, count);
    EXPECT_FALSE(dx.Failed());
    EXPECT_EQ(altitude, -1e300);
    EXPECT_EQ(count, std::numeric_limits<int32_t>::min());

    texts.Set(2, "2147483648");
    FieldExchange dx2 = FieldExchange::Read(texts);
    dx2.Int(2, count);
    ASSERT_TRUE(dx2.Failed());
    EXPECT_EQ(dx2.Refusal().message, "Enter an integer between -2147483648 and 2147483647.");
}

TEST(FieldExchangeTest, IgnoresADecimalCommaLocale) {
    test::CommaLocale comma;
    PF_SKIP_WITHOUT(comma);
    Members m;
    m.f = 2.5f;
    ControlTexts texts = ShownTexts(m);
    EXPECT_EQ(texts.Get(1), "2.5");
    texts.Set(2, "12.75");
    FieldExchange dx = FieldExchange::Read(texts);
    m.Exchange(dx);
    EXPECT_FALSE(dx.Failed());
    EXPECT_EQ(m.d, 12.75);
    texts.Set(2, "12,75");
    FieldExchange dx2 = FieldExchange::Read(texts);
    m.Exchange(dx2);
    EXPECT_TRUE(dx2.Failed());
}

} // namespace
} // namespace pf
