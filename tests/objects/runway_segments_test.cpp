#include "objects/runway_segments.h"
#include "support/object_fixtures.h"

#include "objects/astrel_object.h"
#include "objects/runway.h"
#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace pf {
namespace {

using test::Group;

// The lines of one object group, as the reader hands them to a parser.
const Runway* AsRunway(const AstrelObject& holder) {
    return dynamic_cast<const Runway*>(holder.Get());
}

struct Row {
    int type;
    float v[5];
};

void ExpectLayout(const RunwaySegmentList& list, const std::vector<Row>& rows) {
    ASSERT_EQ(list.segments.size(), rows.size());
    EXPECT_TRUE(list.count.given);
    EXPECT_EQ(list.count.value, static_cast<int32_t>(rows.size()));
    EXPECT_EQ(list.texture, "Runway2");
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const AstrelRunwaySegment& s = list.segments[i];
        EXPECT_TRUE(s.type.given);
        EXPECT_EQ(s.type.value, rows[i].type);
        for (int k = 0; k < 5; ++k) {
            EXPECT_TRUE(s.value[k].given);
            EXPECT_EQ(s.value[k].value, rows[i].v[k]);
        }
    }
}

TEST(RunwaySegments, BuiltLayoutsMatchTheirTables) {
    ExpectLayout(BuildRunwaySegments(0), {{1, {0.018f, 0.25f, 0.5f, 1.0f, 0.875f}},
                                          {1, {0.088f, 0.0f, 0.25f, 0.5f, 0.0f}},
                                          {1, {0.018f, 0.25f, 0.5f, 0.75f, 0.625f}},
                                          {1, {0.088f, 0.0f, 0.25f, 0.5f, 0.0f}},
                                          {5, {0.576f, 0.0f, 0.25f, 1.0f, 0.5f}},
                                          {1, {0.088f, 0.0f, 0.25f, 0.5f, 0.0f}},
                                          {1, {0.02f, 0.25f, 0.5f, 0.625f, 0.75f}},
                                          {1, {0.088f, 0.0f, 0.25f, 0.0f, 0.5f}},
                                          {1, {0.02f, 0.25f, 0.5f, 0.875f, 1.0f}}});
    const std::vector<Row> wide = {
        {1, {0.025f, 0.5f, 0.75f, 1.0f, 0.852f}},     {1, {0.025f, 0.5f, 0.75f, 1.0f, 0.852f}},
        {1, {0.007f, 0.5f, 0.75f, 0.852f, 0.7305f}},  {1, {0.06f, 0.5f, 0.75f, 0.5f, 0.03125f}},
        {1, {0.007f, 0.5f, 0.75f, 0.7305f, 0.6133f}}, {1, {0.1f, 0.5f, 0.75f, 0.5f, 0.03125f}},
        {1, {0.007f, 0.5f, 0.75f, 0.6133f, 0.5f}},    {6, {0.538f, 0.5f, 0.75f, 0.5f, 0.03125f}},
        {1, {0.007f, 0.5f, 0.75f, 0.5f, 0.6133f}},    {1, {0.1f, 0.5f, 0.75f, 0.03125f, 0.5f}},
        {1, {0.007f, 0.5f, 0.75f, 0.6133f, 0.7305f}}, {1, {0.06f, 0.5f, 0.75f, 0.03125f, 0.5f}},
        {1, {0.007f, 0.5f, 0.75f, 0.7305f, 0.852f}},  {1, {0.025f, 0.5f, 0.75f, 0.852f, 1.0f}},
        {1, {0.025f, 0.5f, 0.75f, 0.852f, 1.0f}}};
    ExpectLayout(BuildRunwaySegments(1), wide);
    ExpectLayout(BuildRunwaySegments(7), wide);
    EXPECT_FALSE(BuildRunwaySegments(0).IsWideLayout());
    EXPECT_TRUE(BuildRunwaySegments(1).IsWideLayout());
}

TEST(RunwaySegments, TextOfTheNarrowLayout) {
    const std::string text = BuildRunwaySegments(0).GetText();
    const std::string head = "\tNRWSEG 9\r\n\t\tRWSEG1 1 \t0.018 \t0.25 \t0.5 \t1 \t0.875\r\n"
                             "\t\tRWSEG2 1 \t0.088 \t0 \t0.25 \t0.5 \t0\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    const std::string tail = "\t\tRWSEG9 1 \t0.02 \t0.25 \t0.5 \t0.875 \t1\r\n\tRWTEX Runway2\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_NE(BuildRunwaySegments(1).GetText().find("\t\tRWSEG3 1 \t0.007 \t0.5 \t0.75 \t0.852 "
                                                    "\t0.7305\r\n"),
              std::string::npos);
}

TEST(RunwaySegments, CountDecidesWhatIsWritten) {
    RunwaySegmentList list = BuildRunwaySegments(0);
    list.count.value = 0;
    EXPECT_EQ(list.GetText(), "");

    // More declared than held: only the held lines, and NRWSEG says so.
    RunwaySegmentList longer(
        {AstrelRunwaySegment(1, 0.5f, 0, 1, 0, 1), AstrelRunwaySegment(2, 0.5f, 1, 0, 1, 0)}, "");
    longer.count.Set(3);
    EXPECT_EQ(longer.GetText(), "\tNRWSEG 2\r\n"
                                "\t\tRWSEG1 1 \t0.5 \t0 \t1 \t0 \t1\r\n"
                                "\t\tRWSEG2 2 \t0.5 \t1 \t0 \t1 \t0\r\n"
                                "\tRWTEX \r\n");
    // Declared but none held (or a count below 0): the texture alone, read back as kept.
    for (int declared : {2, -1}) {
        RunwaySegmentList none({}, "Abc");
        none.count.Set(declared);
        EXPECT_EQ(none.GetText(), "\tRWTEX Abc\r\n") << declared;
        none.texture.clear();
        EXPECT_EQ(none.GetText(), "") << declared;
    }
    AstrelObject declaredOnly;
    ASSERT_TRUE(ParseRunway(declaredOnly, Group("RUNWAY\nRWTEX Abc\nNRWSEG 2\n")));
    const std::string written = declaredOnly.GetParameterText();
    AstrelObject reread;
    ASSERT_TRUE(ParseRunway(reread, Group("RUNWAY\r\n" + written)));
    EXPECT_EQ(reread.GetParameterText(), written);
    EXPECT_NE(written.find("\tRWTEX Abc\r\n"), std::string::npos);
    // Unset values are written with what they hold.
    RunwaySegmentList unset({AstrelRunwaySegment()}, "T");
    EXPECT_EQ(unset.GetText(), "\tNRWSEG 1\r\n\t\tRWSEG1 0 \t0 \t0 \t0 \t0 \t0\r\n\tRWTEX T\r\n");
}

TEST(RunwaySegments, ReadingInsideARunway) {
    struct Case {
        const char* name;
        std::string text;
        bool ok;
        int count;
        size_t held;
        std::string texture;
    };
    const std::string seg = "RWSEG1 1 0.5 0 1 0 1\n";
    const Case cases[] = {
        {"count larger than the lines", "RUNWAY\nNRWSEG 3\n" + seg + seg, true, 3, 2, ""},
        {"count smaller than the lines", "RUNWAY\nNRWSEG 1\n" + seg + "RWTEX Abc\n", true, 1, 1,
         "Abc"},
        {"rwtex inside the count's reach", "RUNWAY\nNRWSEG 2\n" + seg + "RWTEX Abc 1 2 3 4 5\n",
         true, 2, 2, ""},
        {"second nrwseg appends", "RUNWAY\nNRWSEG 1\n" + seg + "NRWSEG 2\n" + seg + seg, true, 2, 3,
         ""},
        {"six tokens", "RUNWAY\nNRWSEG 1\nRWSEG1 1 0.5 0 1 0\n", false, 0, 0, ""},
        {"no count", "RUNWAY\nNRWSEG\n" + seg, false, 0, 0, ""},
        {"count not a number", "RUNWAY\nNRWSEG x\n" + seg, false, 0, 0, ""},
        {"count 12.9 truncated", "RUNWAY\nNRWSEG 1.9\n" + seg, true, 1, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AstrelObject holder;
        EXPECT_EQ(ParseRunway(holder, Group(c.text)), c.ok);
        if (!c.ok) {
            EXPECT_TRUE(holder.IsEmpty());
            continue;
        }
        const Runway* runway = AsRunway(holder);
        ASSERT_NE(runway, nullptr);
        EXPECT_EQ(runway->segments.count.value, c.count);
        EXPECT_EQ(runway->segments.segments.size(), c.held);
        EXPECT_EQ(runway->segments.texture, c.texture);
    }
}

TEST(RunwaySegments, ReadLineTakesTypeAndFiveValues) {
    AstrelRunwaySegment s;
    EXPECT_TRUE(ReadRunwaySegmentLine({"X", "5.9", "0.576", "0", "0.25", "1", "0.5", "extra"}, s));
    EXPECT_EQ(s, AstrelRunwaySegment(5, 0.576f, 0.0f, 0.25f, 1.0f, 0.5f));
    AstrelRunwaySegment partial;
    EXPECT_FALSE(ReadRunwaySegmentLine({"X", "1", "0.5", "y", "1", "1", "1"}, partial));
    EXPECT_TRUE(partial.value[0].given);
    EXPECT_FALSE(partial.value[1].given);
    AstrelRunwaySegment none;
    EXPECT_FALSE(ReadRunwaySegmentLine({"X", "1", "0.5", "0", "1", "1"}, none));
    EXPECT_EQ(none, AstrelRunwaySegment());
}

TEST(RunwaySegments, WrittenLayoutsReadBackTheSame) {
    for (int layout : {0, 1}) {
        SCOPED_TRACE(layout);
        Runway runway;
        runway.segments = BuildRunwaySegments(layout);
        AstrelObject holder;
        ASSERT_TRUE(ParseRunway(holder, Group("RUNWAY\r\n" + runway.GetParameterText())));
        const Runway* read = AsRunway(holder);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->segments, runway.segments);
    }
    // A hand-made twelve-segment list survives a round trip too, and counts as wide.
    std::vector<AstrelRunwaySegment> twelve;
    for (int i = 0; i < 12; ++i) {
        twelve.emplace_back(i % 3, 1.0f / 12.0f, 0.125f * static_cast<float>(i % 8), 0.5f, 0.25f,
                            0.75f);
    }
    Runway runway;
    runway.segments = RunwaySegmentList(twelve, "MyStrip");
    AstrelObject holder;
    ASSERT_TRUE(ParseRunway(holder, Group("RUNWAY\r\n" + runway.GetParameterText())));
    const Runway* read = AsRunway(holder);
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->segments.segments.size(), 12u);
    EXPECT_EQ(read->segments.texture, "MyStrip");
    EXPECT_TRUE(read->segments.IsWideLayout());
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(read->segments.segments[i].type.value, twelve[i].type.value);
        EXPECT_NEAR(read->segments.segments[i].value[0].value, 1.0f / 12.0f, 1e-6);
    }
    EXPECT_EQ(holder.GetParameterText(), runway.GetParameterText());
}

} // namespace
} // namespace pf
