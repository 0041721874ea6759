#include "app/logic/nav_beacon_logic.h"

#include "document/base_document.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <deque>

namespace pf {
namespace {

struct Beacon {
    BaseDocument base;
    std::deque<int> values;
    NavBeaconLogic logic{&base, [this] {
                             const int value = values.empty() ? 0 : values.front();
                             values.pop_front();
                             return value;
                         }};
    Beacon(const std::string& name, std::deque<int> random) : values(std::move(random)) {
        base.SetName(name);
        base.SetPosition(LatLon(-80.6, 28.5));
    }
};

TEST(NavBeaconLogicTest, ProposalFromNameAndRandomSource) {
    // name, random values, identifier, frequency shown.
    const std::tuple<const char*, std::deque<int>, const char*, const char*> rows[] = {
        {"My Base", {0}, "MYBA", "108.05"},
        {"_ _", {3, 1, 4, 1, 309}, "3141", "138.95"},
        {"a_b", {310}, "AB", "108.05"},
    };
    for (const auto& [name, values, identifier, shown] : rows) {
        Beacon b(name, values);
        b.logic.OnInitDialog();
        EXPECT_TRUE(b.values.empty()) << name;
        EXPECT_EQ(b.logic.GetBeacon().FormatLine(),
                  std::string("VOR ") + identifier + " -80.6 28.5 " + shown + "\r\n");
        EXPECT_EQ(b.logic.ShowFields().Get(NavBeaconLogic::kFrequency), shown) << name;
        EXPECT_EQ(b.logic.GetPositionText(), "Position: -80.6 longitude, 28.5 latitude");
        EXPECT_TRUE(b.base.GetBeacons().empty()) << "only OK changes the base";
    }
}

TEST(NavBeaconLogicTest, OkStoresTheBeaconOrRefuses) {
    const char* const kTooLong = "ID name can't be over 4 characters long";
    const char* const kCharset =
        "ID name can only use characters of the Windows-1252 character set";
    // identifier, frequency, unconvertible, the written line or the box / refusal text.
    const std::tuple<const char*, const char*, bool, std::string> rows[] = {
        {"ab c", "112.5", false, "VOR AB_C -80.6 28.5 112.5\r\n"},
        {"\xE0"
         "bc",
         "112.34", false,
         "VOR \xC0"
         "BC -80.6 28.5 112.35\r\n"},
        {"abcde", "112.5", false, kTooLong},
        {"a?", "112.5", true, kCharset},
        {"ab", "107.9", false, "Enter a number between 108 and 139."},
        {"ab", "x", false, "Enter a number."},
    };
    for (const auto& [identifier, frequency, unconvertible, expected] : rows) {
        test::ScriptedUi ui;
        Beacon b("Port", {0});
        b.logic.OnInitDialog();
        ControlTexts texts;
        texts.Set(NavBeaconLogic::kIdentifier, identifier);
        texts.Set(NavBeaconLogic::kFrequency, frequency);
        if (unconvertible) {
            texts.unconvertible.insert(NavBeaconLogic::kIdentifier);
        }
        const bool box = expected == kTooLong || expected == kCharset;
        if (box) {
            ui.AnswerNextMessage(MessageAnswer::Ok);
        }
        std::optional<FieldRefusal> refusal;
        if (b.logic.OnBnClickedOk(texts, refusal)) {
            ASSERT_EQ(b.base.GetBeacons().size(), 1u);
            EXPECT_EQ(b.base.GetBeacons()[0].FormatLine(), expected);
        } else if (box) {
            ASSERT_EQ(ui.Calls().size(), 1u);
            EXPECT_EQ(ui.Calls()[0].text + " / " + ui.Calls()[0].caption, expected + " / Error");
        } else {
            ASSERT_TRUE(refusal.has_value()) << identifier;
            EXPECT_EQ(refusal->control, NavBeaconLogic::kFrequency);
            EXPECT_EQ(refusal->message, expected);
        }
        EXPECT_EQ(b.base.GetBeacons().empty(), expected.rfind("VOR", 0) != 0) << identifier;
    }
}

TEST(NavBeaconLogicTest, OnlyTheFirstOfTwoBeaconsChanges) {
    Beacon b("Port", {});
    b.base.GetBeacons().resize(2);
    b.base.GetBeacons()[0].type = "ILS";
    b.base.GetBeacons()[0].identifier = "one";
    b.base.GetBeacons()[0].frequency.Set(112.34f);
    b.base.GetBeacons()[0].sixth.Set(25.5);
    b.base.GetBeacons()[1].identifier = "two";
    const std::string second = b.base.GetBeacons()[1].FormatLine();
    b.logic.OnInitDialog();
    const ControlTexts texts = b.logic.ShowFields();
    EXPECT_EQ(texts.Get(NavBeaconLogic::kFrequency), "112.35");
    std::optional<FieldRefusal> refusal;
    ASSERT_TRUE(b.logic.OnBnClickedOk(texts, refusal));
    EXPECT_EQ(b.base.GetBeacons()[0].FormatLine(), "ILS ONE 0 0 112.35 25.5\r\n");
    EXPECT_EQ(b.base.GetBeacons()[1].FormatLine(), second);
}

} // namespace
} // namespace pf
