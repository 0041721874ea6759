#include "app/logic/nav_beacon_logic.h"

#include "document/base_document.h"
#include "foundation/stream.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <deque>

namespace pf {
namespace {

using test::ScriptedUi;

BaseDocument Base(const std::string& name) {
    BaseDocument base;
    base.SetName(name);
    base.SetPosition(LatLon(-80.6, 28.5));
    return base;
}

NavBeacon Beacon(const std::string& id, float frequency, bool sixth) {
    NavBeacon beacon;
    beacon.type = "ILS";
    beacon.identifier = id;
    beacon.longitude.Set(10.0f);
    beacon.latitude.Set(20.0f);
    beacon.frequency.Set(frequency);
    if (sixth) {
        beacon.sixth.Set(25.5);
    }
    return beacon;
}

TEST(NavBeaconLogicTest, ProposalFromNameAndRandomSource) {
    struct Case {
        const char* name;
        std::deque<int> values;
        const char* identifier;
        float frequency;
        const char* shown;
    };
    const Case cases[] = {
        {"My Base", {0}, "MYBA", 108.05f, "108.05"},
        {"_ _", {3, 1, 4, 1, 309}, "3141", 138.95f, "138.95"},
        {"a_b", {310}, "AB", 108.05f, "108.05"},
    };
    for (const Case& c : cases) {
        BaseDocument base = Base(c.name);
        std::deque<int> values = c.values;
        NavBeaconLogic logic(&base, [&values] {
            const int value = values.front();
            values.pop_front();
            return value;
        });
        logic.OnInitDialog();
        EXPECT_TRUE(values.empty()) << c.name;
        const NavBeacon& beacon = logic.GetBeacon();
        EXPECT_EQ(beacon.identifier, c.identifier) << c.name;
        EXPECT_EQ(beacon.frequency.value, c.frequency) << c.name;
        EXPECT_TRUE(beacon.frequency.given && beacon.longitude.given && beacon.latitude.given);
        EXPECT_EQ(beacon.longitude.value, -80.6f);
        EXPECT_EQ(logic.ShowFields().Get(NavBeaconLogic::kFrequency), c.shown) << c.name;
        EXPECT_EQ(logic.GetPositionText(), "Position: -80.6 longitude, 28.5 latitude");
        EXPECT_TRUE(base.GetBeacons().empty()) << "only OK changes the base";
    }
}

TEST(NavBeaconLogicTest, OkStoresOrRefuses) {
    struct Case {
        const char* identifier;
        const char* frequency;
        bool unconvertible;
        const char* stored; // null: refused
        float frequencyStored;
        const char* box;    // the box of a refused identifier
        int refusedControl; // a refused frequency
        const char* refusal;
    };
    const Case cases[] = {
        {"ab c", "112.5", false, "AB C", 112.5f, nullptr, 0, nullptr},
        {"\xE0"
         "bc",
         "112.5", false,
         "\xC0"
         "BC",
         112.5f, nullptr, 0, nullptr},
        {"abc", "112.34", false, "ABC", 112.35f, nullptr, 0, nullptr},
        {"abcde", "112.5", false, nullptr, 0, "ID name can't be over 4 characters long", 0,
         nullptr},
        {"a?", "112.5", true, nullptr, 0,
         "ID name can only use characters of the Windows-1252 character set", 0, nullptr},
        {"ab", "107.9", false, nullptr, 0, nullptr, 1124, "Enter a number between 108 and 139."},
        {"ab", "x", false, nullptr, 0, nullptr, 1124, "Enter a number."},
    };
    for (const Case& c : cases) {
        ScriptedUi ui;
        BaseDocument base = Base("Port");
        NavBeaconLogic logic(&base, [] { return 0; });
        logic.OnInitDialog();
        ControlTexts texts;
        texts.Set(NavBeaconLogic::kIdentifier, c.identifier);
        texts.Set(NavBeaconLogic::kFrequency, c.frequency);
        if (c.unconvertible) {
            texts.unconvertible.insert(NavBeaconLogic::kIdentifier);
        }
        if (c.box != nullptr) {
            ui.AnswerNextMessage(MessageAnswer::Ok);
        }
        std::optional<FieldRefusal> refusal;
        const bool ok = logic.OnBnClickedOk(texts, refusal);
        EXPECT_EQ(ok, c.stored != nullptr) << c.identifier;
        if (c.stored != nullptr) {
            ASSERT_EQ(base.GetBeacons().size(), 1u);
            EXPECT_EQ(base.GetBeacons()[0].identifier, c.stored);
            EXPECT_EQ(base.GetBeacons()[0].frequency.value, c.frequencyStored);
        } else {
            EXPECT_TRUE(base.GetBeacons().empty()) << c.identifier;
        }
        ASSERT_EQ(ui.Calls().size(), c.box != nullptr ? 1u : 0u) << c.identifier;
        if (c.box != nullptr) {
            EXPECT_EQ(ui.Calls()[0].text, c.box);
            EXPECT_EQ(ui.Calls()[0].caption, "Error");
        }
        ASSERT_EQ(refusal.has_value(), c.refusal != nullptr) << c.identifier;
        if (c.refusal != nullptr) {
            EXPECT_EQ(refusal->control, c.refusedControl);
            EXPECT_EQ(refusal->message, c.refusal);
        }
    }
}

TEST(NavBeaconLogicTest, IdentifierWithBlankReadsBackAsOneBeacon) {
    BaseDocument base = Base("Port");
    NavBeaconLogic logic(&base, [] { return 0; });
    logic.OnInitDialog();
    ControlTexts texts = logic.ShowFields();
    texts.Set(NavBeaconLogic::kIdentifier, "ab c");
    std::optional<FieldRefusal> refusal;
    ASSERT_TRUE(logic.OnBnClickedOk(texts, refusal));
    EXPECT_EQ(base.GetBeacons()[0].FormatLine(), "VOR AB_C -80.6 28.5 108.05\r\n");
    MemStream stream;
    ASSERT_TRUE(base.WriteBaseFile(stream));
    stream.SeekToBegin();
    BaseDocument read;
    ASSERT_TRUE(read.ReadBaseFile(stream));
    ASSERT_EQ(read.GetBeacons().size(), 1u);
    EXPECT_EQ(read.GetBeacons()[0].identifier, "AB_C");
    EXPECT_EQ(read.GetBeacons()[0].frequency.value, 108.05f);
}

TEST(NavBeaconLogicTest, OnlyTheFirstOfTwoBeaconsChanges) {
    BaseDocument base = Base("Port");
    base.GetBeacons().Add(Beacon("one", 112.34f, true));
    base.GetBeacons().Add(Beacon("two", 115.0f, false));
    NavBeaconLogic logic(&base, [] {
        ADD_FAILURE() << "no proposal for a base with beacons";
        return 0;
    });
    logic.OnInitDialog();
    ControlTexts texts = logic.ShowFields();
    EXPECT_EQ(texts.Get(NavBeaconLogic::kIdentifier), "one");
    EXPECT_EQ(texts.Get(NavBeaconLogic::kFrequency), "112.35");
    std::optional<FieldRefusal> refusal;
    ASSERT_TRUE(logic.OnBnClickedOk(texts, refusal));
    NavBeacon first = Beacon("ONE", 112.35f, true);
    EXPECT_EQ(base.GetBeacons()[0].FormatLine(), first.FormatLine());
    EXPECT_EQ(base.GetBeacons()[1].FormatLine(), Beacon("two", 115.0f, false).FormatLine());
}

} // namespace
} // namespace pf
