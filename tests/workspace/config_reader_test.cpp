#include "workspace/config_reader.h"

#include "foundation/stream.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pf {
namespace {

StringArray Lines(const std::string& text) {
    StringArray lines;
    EXPECT_TRUE(SplitTextIntoLines(lines, text));
    return lines;
}

struct NormaliseCase {
    const char* text;
    std::vector<std::string> lines;
};

TEST(ConfigReaderNormalise, TurnsTextIntoCleanLines) {
    const NormaliseCase cases[] = {
        {"POS=1 2 3 ;x", {"POS 1 2 3"}},
        {"\tTEX1   Fcd01\t1 1\r\n", {"TEX1 Fcd01 1 1"}},
        {"; only a comment\r\n   \r\n\t\t\r\nA\r\n", {"A"}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\nB", {"A", "B"}},
        {"A=B", {"A B"}},
        {"A = B", {"A B"}},
        {"NAME  =  \"x y\" ; c ; d\nNEXT", {"NAME \"x y\"", "NEXT"}},
        {"", {}},
        {"\r\r\r", {}},
        {";a\n;b", {}},
        {"x;comment\ry", {"x", "y"}},
        {"deg \xB0 kept\n", {"deg \xB0 kept"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Lines(c.text), c.lines) << c.text;
    }
}

TEST(ConfigReaderNormalise, AppendsToExistingLinesAndStopsAtNul) {
    StringArray lines = {"kept"};
    SplitTextIntoLines(lines, std::string("A\nB\0C\nD", 7));
    EXPECT_EQ(lines, (StringArray{"kept", "A", "B"}));
}

TEST(ConfigReaderSections, ExtractSectionTable) {
    StringArray lines = Lines("x\nbegin_objectlist\nA\nBEGIN_OBJECTLIST\nB\nEnd_ObjectList\n"
                              "BEGIN_OBJECTLIST\nC\nEND_OBJECTLIST\n");
    StringArray out = {"stale"};
    EXPECT_TRUE(ExtractSection(out, lines, "BEGIN_OBJECTLIST", "END_OBJECTLIST"));
    EXPECT_EQ(out, (StringArray{"A", "BEGIN_OBJECTLIST", "B"}));

    // A begin word with more on its line does not open the section.
    out = {"stale"};
    EXPECT_FALSE(ExtractSection(out, Lines("BEGIN_OBJECTLIST x\nA\nEND_OBJECTLIST"),
                                "BEGIN_OBJECTLIST", "END_OBJECTLIST"));
    EXPECT_TRUE(out.empty());

    // A missing end runs to the last line.
    EXPECT_TRUE(ExtractSection(out, Lines("BEGIN_X\nA\nB"), "BEGIN_X", "END_X"));
    EXPECT_EQ(out, (StringArray{"A", "B"}));

    // An empty section is still found.
    EXPECT_TRUE(ExtractSection(out, Lines("BEGIN_X\nEND_X\nA"), "BEGIN_X", "END_X"));
    EXPECT_TRUE(out.empty());
}

TEST(ConfigReaderKeys, FindNameLine) {
    std::string value = "old";
    EXPECT_TRUE(FindNameLine(value, Lines("PFG_X 1\nNAME Pad One\nname other")));
    EXPECT_EQ(value, "Pad One");
    value = "old";
    EXPECT_FALSE(FindNameLine(value, Lines("name\nnamex y\nNAME")));
    EXPECT_EQ(value, "old");
    // "Name=" reads as "Name " only before trimming; the trimmed line is not longer.
    EXPECT_FALSE(FindNameLine(value, Lines("Name =")));
}

TEST(ConfigReaderKeys, FindKeyedLineTable) {
    struct Case {
        const char* text;
        const char* key;
        bool found;
        const char* value;
    };
    const Case cases[] = {
        {"PFG_BODY_NAME Moon", "PFG_BODY_NAME ", true, "Moon"},
        {"pfg_body_name Moon Base", "PFG_BODY_NAME ", true, "Moon Base"},
        // A key with an empty value still counts.
        {"PFG_CONTEXT\nPFG_CONTEXT later", "PFG_CONTEXT ", true, ""},
        {"PFG_CONTEXT=", "PFG_CONTEXT ", true, ""},
        // A longer key is another key, however the lines are ordered.
        {"PFG_ORIGINAL_PATH x\nPFG_ORIGIN y", "PFG_ORIGIN ", true, "y"},
        {"PFG_ORIGINAL_PATH x", "PFG_ORIGIN ", false, ""},
        {"PFG_ORIGIN y\nPFG_ORIGINAL_PATH x", "PFG_ORIGIN ", true, "y"},
        {"OTHER 1", "PFG_ORIGIN ", false, ""},
        {"PFG_ORIGI", "PFG_ORIGIN ", false, ""},
    };
    for (const auto& c : cases) {
        std::string value = "stale";
        EXPECT_EQ(FindKeyedLine(value, c.key, Lines(c.text)), c.found) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(ConfigReaderTokens, SplitBySpace) {
    StringArray tokens = {"stale"};
    EXPECT_TRUE(SplitBySpace(tokens, "  TEX1  Fcd01 1   1 "));
    EXPECT_EQ(tokens, (StringArray{"TEX1", "Fcd01", "1", "1"}));
    EXPECT_FALSE(SplitBySpace(tokens, "   "));
    EXPECT_TRUE(tokens.empty());
    // Only the blank separates.
    EXPECT_TRUE(SplitLineBySpace(tokens, "a\tb c"));
    EXPECT_EQ(tokens, (StringArray{"a\tb", "c"}));
}

TEST(ConfigReaderTokens, ParseFloatList) {
    std::vector<float> values = {9.0f};
    EXPECT_TRUE(ParseFloatList(values, "1.5 -2 1e2 1.2.3 1e - ."));
    EXPECT_EQ(values, (std::vector<float>{9.0f, 1.5f, -2.0f, 100.0f, 1.2f, 1.0f, 0.0f, 0.0f}));

    values.clear();
    EXPECT_FALSE(ParseFloatList(values, "1 2,5 3"));
    EXPECT_EQ(values, (std::vector<float>{1.0f}));
    for (const char* bad : {"0x10", "inf", "nan", "", "  "}) {
        values.clear();
        EXPECT_FALSE(ParseFloatList(values, bad)) << bad;
        EXPECT_TRUE(values.empty()) << bad;
    }
    // Single precision: the value read is the float nearest the text.
    values.clear();
    EXPECT_TRUE(ParseFloatList(values, "0.1"));
    EXPECT_EQ(values[0], 0.1f);
}

TEST(ConfigReaderGroups, CollectsTerminatedGroupsOnly) {
    StringArray lines = Lines("BEGIN_HEADER\nEND\nEND_HEADER\n"
                              "BEGIN_OBJECTLIST\n"
                              "RUNWAY\nEND1 1 2 3\nend\n"
                              "END\n"
                              "BLOCK\nPOS 1 2 3\nSCALE 1 1 1\nEND\n"
                              "TANK\nPOS 0 0 0\n"
                              "END_OBJECTLIST\n"
                              "HANGAR\nEND\n");
    ObjectGroupList groups;
    CollectObjectGroups(groups, lines);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0], (StringArray{"RUNWAY", "END1 1 2 3"}));
    EXPECT_EQ(groups[1], (StringArray{"BLOCK", "POS 1 2 3", "SCALE 1 1 1"}));

    groups.clear();
    CollectObjectGroups(groups, Lines("BLOCK\nEND"));
    EXPECT_TRUE(groups.empty());
}

TEST(ConfigReaderStreams, SizeLimitIsOneMillionBytes) {
    test::ScriptedUi ui;
    test::TempDir dir;
    // Exactly the limit: read whole, its last line kept although no LF ends it.
    std::string text(1000000, ' ');
    text.replace(0, 6, "FIRST\n");
    text.replace(text.size() - 4, 4, "LAST");
    dir.WriteFile("ok.cfg", text);
    StringArray lines;
    EXPECT_TRUE(LoadLinesFromFile(lines, dir.InternalPath("ok.cfg")));
    EXPECT_EQ(lines, (StringArray{"FIRST", "LAST"}));
    EXPECT_TRUE(ui.Failures().empty());

    dir.WriteFile("big.cfg", text + "X");
    lines.clear();
    EXPECT_FALSE(LoadLinesFromFile(lines, dir.InternalPath("big.cfg")));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(ui.Failures(),
              (std::vector<std::string>{dir.NativePath("big.cfg") + " is too big\r\n"}));
}

TEST(ConfigReaderStreams, UnopenableFileIsSilent) {
    test::ScriptedUi ui;
    test::TempDir dir;
    StringArray lines;
    EXPECT_FALSE(LoadLinesFromFile(lines, dir.InternalPath("missing.cfg")));
    EXPECT_FALSE(LoadLinesFromFile(lines, dir.Internal()));
    EXPECT_TRUE(ui.Failures().empty());
    // Letter case of the name does not matter.
    dir.WriteFile("Body.CFG", "Name Moon");
    EXPECT_TRUE(LoadLinesFromFile(lines, dir.InternalPath("body.cfg")));
    EXPECT_EQ(lines, (StringArray{"Name Moon"}));
}

} // namespace
} // namespace pf
