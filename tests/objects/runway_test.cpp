#include "objects/runway.h"
#include "support/object_fixtures.h"

#include "foundation/stream.h"
#include "foundation/text.h"
#include "imagery/bitmap_data.h"
#include "imagery/object_icons.h"
#include "objects/object_editing.h"
#include "platform/settings_store.h"
#include "support/bmp_fixture.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace pf {
namespace {

using test::Group;

// Every object of an object-list text, read by its parser, then paired.
ObjectArray ReadObjects(const std::string& blocks) {
    StringArray lines;
    SplitTextIntoLines(lines, "BEGIN_OBJECTLIST\r\n" + blocks + "END_OBJECTLIST\r\n");
    ObjectGroupList groups;
    CollectObjectGroups(groups, lines);
    ObjectArray objects;
    for (const StringArray& group : groups) {
        AstrelObject holder;
        const bool ok = CStringEqualsNoCase(group[0], "RUNWAY") ? ParseRunway(holder, group)
                                                                : ParseRunwayLights(holder, group);
        EXPECT_TRUE(ok) << group[0];
        objects.Add(holder);
    }
    AttachRunwayLights(objects);
    return objects;
}

std::string Blocks(const ObjectArray& objects) {
    std::string text;
    for (const AstrelObject& o : objects) {
        text += o.GetTypeName() + "\r\n" + o.GetParameterText() + "END\r\n";
    }
    return text;
}

const Runway& RunwayOf(const AstrelObject& holder) {
    return dynamic_cast<const Runway&>(*holder.Get());
}

TEST(Runway, UnlitRunwayWritesNoLightsBlock) {
    AstrelObject holder;
    ASSERT_TRUE(ParseRunway(holder, Group("runway\nEND1 -10 5 -500\nEND2 10 5 500\n"
                                          "WIDTH 45.25\nILS1 110.3\nRWTEX Custom\nFOO 1\n")));
    EXPECT_EQ(RunwayOf(holder).lightsOn.value, 0);
    // Without segments RWTEX is no segment line: it is kept with the unknown line.
    EXPECT_EQ(holder.GetParameterText(), "\tEND1 -10 5 -500\r\n\tEND2 10 5 500\r\n"
                                         "\tWIDTH 45.25\r\n\tILS1 110.3\r\n\tRWTEX Custom\r\n"
                                         "\tFOO 1\r\n");
}

TEST(Runway, IlsLinesKeepTheirQuirks) {
    struct Case {
        const char* line;
        const char* written;
    };
    const Case cases[] = {
        {"ILS1", "\tILS1 110.0\r\n"},         {"ILS1 145", "\tILS1 110.0\r\n"},
        {"ILS1 139.0", "\tILS1 139.0\r\n"},   {"ILS1 108", "\tILS1 108.0\r\n"},
        {"ILS1 109.35", "\tILS1 109.35\r\n"}, {"ILS2 abc", "\tILS2 110.0\r\n"},
        {"ILS2 111.1", "\tILS2 111.1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        AstrelObject holder;
        ASSERT_TRUE(ParseRunway(holder, Group(std::string("RUNWAY\n") + c.line)));
        EXPECT_EQ(holder.GetParameterText(),
                  std::string("\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n") + c.written);
    }
}

TEST(Runway, LightsHoldTheirFieldsInTheirOwnOrder) {
    AstrelObject holder;
    ASSERT_TRUE(ParseRunwayLights(holder, Group("RUNWAYLIGHTS\nVASI 2.5 200 40\nPAPI 3 1.5 60 x")));
    const auto& lights = dynamic_cast<const RunwayLights&>(*holder.Get());
    EXPECT_EQ(lights.vasi[0].value, 40.0f); // offset
    EXPECT_EQ(lights.vasi[1].value, 2.5f);  // approach angle
    EXPECT_EQ(lights.vasi[2].value, 200.0f);
    EXPECT_TRUE(lights.papi[2].given);
    EXPECT_FALSE(lights.papiMode.given);
    EXPECT_TRUE(lights.singleEnded.given);
    EXPECT_EQ(lights.singleEnded.value, 0);
}

TEST(Runway, WrongTypeWordLeavesTheHolder) {
    AstrelObject holder;
    EXPECT_FALSE(ParseRunway(holder, Group("RUNWAYLIGHTS\nEND1 1 1 1")));
    EXPECT_FALSE(ParseRunwayLights(holder, Group("RUNWAY\nEND1 1 1 1")));
    EXPECT_FALSE(ParseRunway(holder, StringArray{}));
    EXPECT_TRUE(holder.IsEmpty());
}

TEST(Runway, LitRunwayWritesItsLightsAlignedToItself) {
    Runway runway;
    runway.end1.Set(0.0, 0.0, 1.0);
    runway.end2.Set(0.0, 1000.0, 2.0);
    runway.width.Set(60.0);
    runway.lightsOn.Set(1);
    runway.lights.end1.Set(5.0, 7.0, 3.0);
    runway.lights.end2.Set(-5.0, 990.0, 4.0);
    runway.lights.count1.Set(40);
    EXPECT_EQ(runway.GetParameterText(), "\tEND1 0 1 0\r\n\tEND2 -1000 2 0\r\n\tWIDTH 60\r\n"
                                         "END\r\nRUNWAYLIGHTS\r\n"
                                         "\tEND1 0 3 0\r\n\tEND2 -1000 4 0\r\n\tWIDTH 60\r\n"
                                         "\tCOUNT1 40\r\n");
    // The realignment stays in the object; the lights' own heights stay theirs.
    EXPECT_EQ(runway.lights.end1.Get().y, 0.0);
    EXPECT_EQ(runway.lights.end2.Get().y, 1000.0);
    EXPECT_EQ(runway.lights.end1.Get().z, 3.0);
    EXPECT_TRUE(runway.lights.width.given);

    // A width of the lights' own is kept.
    runway.lights.width.Set(80.0);
    EXPECT_NE(runway.GetParameterText().find("RUNWAYLIGHTS\r\n\tEND1 0 3 0\r\n\tEND2 -1000 4 0\r\n"
                                             "\tWIDTH 80\r\n"),
              std::string::npos);

    // As a block: the block writer's END closes the lights block.
    MemStream stream;
    ASSERT_TRUE(runway.WriteBlock(stream));
    std::string bytes(stream.GetLength(), '\0');
    stream.SeekToBegin();
    ASSERT_TRUE(
        stream.Read(reinterpret_cast<uint8_t*>(bytes.data()), static_cast<uint32_t>(bytes.size())));
    EXPECT_EQ(bytes.substr(0, 8), "RUNWAY\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 17), "\tCOUNT1 40\r\nEND\r\n");
}

TEST(Runway, WidthSlotFollowsTheRules) {
    Runway runway;
    runway.width.Set(50.0);
    runway.SetSize1(0.1);
    EXPECT_EQ(runway.width.value, 50.0);
    runway.SetSize1(0.2);
    EXPECT_EQ(runway.width.value, 0.2);

    // Lit, lights width equal: both follow.
    runway.lightsOn.Set(1);
    runway.lights.width.Set(0.2);
    runway.SetSize1(30.0);
    EXPECT_EQ(runway.width.value, 30.0);
    EXPECT_EQ(runway.lights.width.value, 30.0);
    // Lit, lights width different: only the runway.
    runway.lights.width.Set(25.0);
    runway.SetSize1(40.0);
    EXPECT_EQ(runway.lights.width.value, 25.0);
    // Unlit: the lights never follow.
    runway.lightsOn.Set(0);
    runway.lights.width.Set(40.0);
    runway.SetSize1(45.0);
    EXPECT_EQ(runway.width.value, 45.0);
    EXPECT_EQ(runway.lights.width.value, 40.0);
}

TEST(Runway, CopiesAndClonesKeepEverything) {
    AstrelObject holder;
    ASSERT_TRUE(ParseRunway(holder, Group("RUNWAY\nEND1 0 0 0\nEND2 0 0 1000\nWIDTH 30\n"
                                          "ILS1 109.1\nILS2 150\nNRWSEG 2\nA 1 0.5 0 1 0 1\n"
                                          "B 1 0.5 0 1 0 1\nRWTEX Tex")));
    auto& runway = dynamic_cast<Runway&>(*holder.Get());
    runway.lightsOn.Set(1);
    runway.lights.papi[0].Set(1);
    runway.lights.papi[1].Set(2);
    runway.lights.papi[2].Set(3);
    runway.lights.papiMode.Set(3);
    runway.lights.singleEnded.Set(1);
    const AstrelObject copy(holder);
    ASSERT_NE(copy.Get(), holder.Get());
    EXPECT_EQ(copy.GetParameterText(), holder.GetParameterText());
    EXPECT_EQ(RunwayOf(copy).ils2.valid, false);
    EXPECT_EQ(RunwayOf(copy).ils2.present, true);
    EXPECT_EQ(RunwayOf(copy).segments, runway.segments);

    RunwayLights lights;
    lights.CopyFrom(runway.lights);
    EXPECT_EQ(lights.GetParameterText(), runway.lights.GetParameterText());
    EXPECT_EQ(AstrelObjectFactory::Create(kTypeRunway)->GetType(), kTypeRunway);
    EXPECT_EQ(AstrelObjectFactory::Create(kTypeRunwayLights)->GetType(), kTypeRunwayLights);
}

TEST(Runway, ParseWriteParseWriteIsStable) {
    const std::string text = "RUNWAY\r\nEND1 -10.5 2 -1200\r\nEND2 10.5 3 1200\r\nWIDTH 45\r\n"
                             "ILS2 111.1\r\nNRWSEG 2\r\nRWSEG1 1 0.5 0 1 0 1\r\n"
                             "RWSEG2 6 0.5 0.25 0.75 1 0\r\nRWTEX Runway2\r\nEND\r\n"
                             "RUNWAYLIGHTS\r\nEND1 10.5 7 1200\r\nEND2 -10.5 8 -1200\r\n"
                             "COUNT1 30\r\nPAPI 3 1.5 60 2\r\nEND\r\n"
                             "RUNWAYLIGHTS\r\nEND1 0 0 0\r\nEND2 0 0 50\r\nEND\r\n";
    const ObjectArray first = ReadObjects(text);
    ASSERT_EQ(first.GetCount(), 2);
    const std::string written = Blocks(first);
    EXPECT_EQ(written, "RUNWAY\r\n\tEND1 -10.5 2 -1200\r\n\tEND2 10.5 3 1200\r\n\tWIDTH 45\r\n"
                       "\tILS2 111.1\r\n\tNRWSEG 2\r\n\t\tRWSEG1 1 \t0.5 \t0 \t1 \t0 \t1\r\n"
                       "\t\tRWSEG2 6 \t0.5 \t0.25 \t0.75 \t1 \t0\r\n\tRWTEX Runway2\r\nEND\r\n"
                       "RUNWAYLIGHTS\r\n\tEND1 -10.5 7 -1200\r\n\tEND2 10.5 8 1200\r\n"
                       "\tWIDTH 45\r\n\tCOUNT1 30\r\n\tPAPI 3 1.5 60 2\r\nEND\r\n"
                       "RUNWAYLIGHTS\r\n\tEND1 0 0 0\r\n\tEND2 0 0 50\r\n\tWIDTH 0\r\nEND\r\n");
    EXPECT_EQ(Blocks(ReadObjects(written)), written);
}

// ---- pairing ----

std::string RunwayBlock(const char* e1, const char* e2) {
    return std::string("RUNWAY\r\nEND1 ") + e1 + "\r\nEND2 " + e2 + "\r\nEND\r\n";
}

std::string LightsBlock(const char* e1, const char* e2, int count, bool singleEnded = false) {
    return std::string("RUNWAYLIGHTS\r\nEND1 ") + e1 + "\r\nEND2 " + e2 + "\r\nCOUNT1 " +
           std::to_string(count) + "\r\n" + (singleEnded ? "SINGLEENDED\r\n" : "") + "END\r\n";
}

struct Summary {
    int32_t type;
    int32_t lightsOn; // runways only
    int32_t count1;   // the lights' COUNT1
};

std::vector<Summary> Summarise(const ObjectArray& objects) {
    std::vector<Summary> out;
    for (const AstrelObject& o : objects) {
        if (o.GetType() == kTypeRunway) {
            const Runway& r = RunwayOf(o);
            out.push_back({kTypeRunway, r.lightsOn.value, r.lights.count1.value});
        } else {
            const auto& l = dynamic_cast<const RunwayLights&>(*o.Get());
            out.push_back({kTypeRunwayLights, -1, l.count1.value});
        }
    }
    return out;
}

bool operator==(const Summary& a, const Summary& b) {
    return a.type == b.type && a.lightsOn == b.lightsOn && a.count1 == b.count1;
}

void PrintTo(const Summary& s, std::ostream* os) {
    *os << "{" << s.type << ", " << s.lightsOn << ", " << s.count1 << "}";
}

TEST(RunwayLightsPairing, FoldsMatchingLightsIntoRunways) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<Summary> expected;
    };
    const Case cases[] = {
        {"swapped ends",
         RunwayBlock("0 0 0", "-1000 0 0") + LightsBlock("-1000 5 0", "0 5 0", 7),
         {{kTypeRunway, 1, 7}}},
        {"same ends, heights differ",
         RunwayBlock("0 0 0", "-1000 0 0") + LightsBlock("0 9 0", "-1000 9 0", 7),
         {{kTypeRunway, 1, 7}}},
        {"lights before the runway",
         LightsBlock("0 0 0", "-1000 0 0", 7) + RunwayBlock("0 0 0", "-1000 0 0"),
         {{kTypeRunway, 1, 7}}},
        {"no matching runway: stand-alone at the end",
         LightsBlock("1 0 0", "-1000 0 0", 7) + RunwayBlock("0 0 0", "-1000 0 0") +
             RunwayBlock("5 0 0", "6 0 0"),
         {{kTypeRunway, 0, 0}, {kTypeRunway, 0, 0}, {kTypeRunwayLights, -1, 7}}},
        {"first matching runway takes them",
         RunwayBlock("0 0 0", "-1000 0 0") + RunwayBlock("0 0 0", "-1000 0 0") +
             RunwayBlock("5 0 0", "6 0 0") + LightsBlock("0 0 0", "-1000 0 0", 7),
         {{kTypeRunway, 1, 7}, {kTypeRunway, 0, 0}, {kTypeRunway, 0, 0}}},
        {"lights right after a matching runway are its own",
         RunwayBlock("0 0 0", "-1000 0 0") + RunwayBlock("0 0 0", "-1000 0 0") +
             LightsBlock("0 0 0", "-1000 0 0", 7),
         {{kTypeRunway, 0, 0}, {kTypeRunway, 1, 7}}},
        {"even when other matching lights come first",
         LightsBlock("0 0 0", "-1000 0 0", 99) + RunwayBlock("0 0 0", "-1000 0 0") +
             LightsBlock("-1000 0 0", "0 0 0", 10),
         {{kTypeRunway, 1, 10}, {kTypeRunwayLights, -1, 99}}},
        {"a second block for the same runway stays stand-alone",
         RunwayBlock("0 0 0", "-1000 0 0") + LightsBlock("0 0 0", "-1000 0 0", 7) +
             LightsBlock("-1000 0 0", "0 0 0", 8),
         {{kTypeRunway, 1, 7}, {kTypeRunwayLights, -1, 8}}},
        {"a second block goes to a second equal runway",
         RunwayBlock("0 0 0", "-1000 0 0") + RunwayBlock("0 0 0", "-1000 0 0") +
             RunwayBlock("5 0 0", "6 0 0") + LightsBlock("0 0 0", "-1000 0 0", 7) +
             LightsBlock("0 0 0", "-1000 0 0", 8),
         {{kTypeRunway, 1, 7}, {kTypeRunway, 1, 8}, {kTypeRunway, 0, 0}}},
        {"single-ended lights running the other way do not take the runway before them",
         RunwayBlock("0 0 0", "-1000 0 0") + LightsBlock("-1000 0 0", "0 0 0", 7, true) +
             LightsBlock("0 0 0", "-1000 0 0", 8),
         {{kTypeRunway, 1, 8}, {kTypeRunwayLights, -1, 7}}},
        {"single-ended lights running the other way stay stand-alone",
         RunwayBlock("0 0 0", "-1000 0 0") + LightsBlock("-1000 0 0", "0 0 0", 7, true),
         {{kTypeRunway, 0, 0}, {kTypeRunwayLights, -1, 7}}},
        {"single-ended lights running the same way attach",
         RunwayBlock("0 0 0", "-1000 0 0") + LightsBlock("0 0 0", "-1000 0 0", 7, true),
         {{kTypeRunway, 1, 7}}},
        // Ends are compared as the file writes them (three decimals, ties to even), so what
        // pairs after a save and a load pairs before it.
        {"runway ends differ beyond the written decimals",
         RunwayBlock("0.0004 0 0", "-1000.0004 0 0") + LightsBlock("0 0 0", "-1000 0 0", 7),
         {{kTypeRunway, 1, 7}}},
        {"swapped lights ends differ beyond the written decimals",
         RunwayBlock("0 0 0", "-1000 0 0") + LightsBlock("-1000 0 0.0004", "-0.0002 0 0", 7),
         {{kTypeRunway, 1, 7}}},
        {"a tie rounds as the writer rounds it",
         RunwayBlock("0 0 0.0625", "-1000 0 0") + LightsBlock("0 0 0.062", "-1000 0 0", 7),
         {{kTypeRunway, 1, 7}}},
        {"ends that differ in the written decimals stay apart",
         RunwayBlock("0 0 0", "-1000.0006 0 0") + LightsBlock("0 0 0", "-1000 0 0", 7),
         {{kTypeRunway, 0, 0}, {kTypeRunwayLights, -1, 7}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Summarise(ReadObjects(c.text)), c.expected);
    }
}

// Stand-alone lights matching a lit runway are written before it; reading the written text
// again keeps each runway with its own lights, however the objects are ordered.
TEST(RunwayLightsPairing, WrittenAndReadAgainKeepsEveryPair) {
    const std::string lit =
        RunwayBlock("0 0 0", "-1000 0 0") + LightsBlock("0 0 0", "-1000 0 0", 10);
    const std::string other = LightsBlock("0 0 0", "-1000 0 0", 99);
    const std::string unlit = RunwayBlock("0 0 0", "-1000 0 0");
    // Ends the file writes as those above.
    const std::string beyondDecimals = LightsBlock("0.0004 0 0", "-1000 0 0.0002", 50);
    const std::string texts[] = {lit + other,
                                 other + lit,
                                 unlit + lit + other,
                                 lit + unlit + other,
                                 other + unlit + lit,
                                 beyondDecimals + unlit,
                                 unlit + beyondDecimals + lit};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const ObjectArray first = ReadObjects(text);
        // Every order the writer may choose for the objects read.
        std::vector<const AstrelObject*> order;
        for (const AstrelObject& o : first) {
            order.push_back(&o);
        }
        std::sort(order.begin(), order.end());
        do {
            std::string written;
            for (const AstrelObject* o : order) {
                written += o->GetTypeName() + "\r\n" + o->GetParameterText() + "END\r\n";
            }
            ObjectArray again = ReadObjects(written);
            std::vector<Summary> a = Summarise(first), b = Summarise(again);
            const auto byAll = [](const Summary& x, const Summary& y) {
                return std::tie(x.type, x.lightsOn, x.count1) <
                       std::tie(y.type, y.lightsOn, y.count1);
            };
            std::sort(a.begin(), a.end(), byAll);
            std::sort(b.begin(), b.end(), byAll);
            EXPECT_EQ(b, a) << written;
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

TEST(RunwayLightsPairing, AttachedLightsAreWrittenWithTheRunway) {
    const ObjectArray objects =
        ReadObjects(RunwayBlock("0 0 0", "-1000 0 0") + LightsBlock("-1000 0 0", "0 0 0", 7));
    ASSERT_EQ(objects.GetCount(), 1);
    EXPECT_EQ(objects.GetAt(0)->GetParameterText(),
              "\tEND1 0 0 0\r\n\tEND2 -1000 0 0\r\nEND\r\nRUNWAYLIGHTS\r\n"
              "\tEND1 0 0 0\r\n\tEND2 -1000 0 0\r\n\tWIDTH 0\r\n\tCOUNT1 7\r\n");
}

// ---- icons ----

TEST(Runway, IconsFollowTheSegmentCount) {
    test::SandboxHome home;
    test::TempDir install;
    test::ScriptedUi ui;
    install.WriteFile("Buttons/runway0.bmp", test::SolidBmp(10));
    install.WriteFile("Buttons/runway1.bmp", test::SolidBmp(20));
    ASSERT_TRUE(settings_store::Write("Install Path", install.Internal()));
    ClearIconBitmapCache();
    for (const auto& [count, blue] : {std::pair{0, 10}, {9, 10}, {10, 10}, {11, 20}, {15, 20}}) {
        SCOPED_TRACE(count);
        Runway runway;
        runway.segments.count.Set(count);
        BitmapData icon;
        runway.GetIcon(icon);
        ASSERT_TRUE(icon.HasPixels());
        EXPECT_EQ(icon.PixelAddress(0, 0)[0], blue);
    }
    ClearIconBitmapCache();

    RunwayLights lights;
    BitmapData grey;
    lights.GetIcon(grey);
    EXPECT_EQ(grey.Width(), 32);
    EXPECT_EQ(grey.Height(), 32);
    EXPECT_EQ(grey.BitsPerPixel(), 24);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(grey.PixelAddress(31, 31)[i], 127);
    }
    EXPECT_EQ(lights.CreateDialog(), nullptr);
}

} // namespace
} // namespace pf
