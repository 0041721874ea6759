#include "app/logic/parameter_text_logic.h"

#include "objects/runway.h"
#include "support/scripted_ui.h"
#include "support/structure_editor_fixture.h"

namespace pf {
namespace {

using test::ParseObject;

const char kRunway[] = "RUNWAY\nEND1 0 0 0\nEND2 -1000 0 0\nWIDTH 30\nILS1 110.1\n";
const char kBlock[] = "BLOCK\nPOS 1 2 3\nSCALE 10 5 10\nROT 45\n";
const char kRefused[] = "Error parsing parameter text\r\n";

TEST(ParameterTextLogicTest, OkParsesTheTextBackIntoTheObject) {
    const std::string runwayLines = "\tEND1 0 0 0\r\n\tEND2 -1000 0 0\r\n\tWIDTH 50\r\n";
    const struct {
        const char* name;
        std::string object;
        std::vector<std::string> edits; // "": the text as the dialog opens
        std::string expected;           // the object afterwards, as base-file text
        int failures;
    } rows[] = {
        {"unchanged block", kBlock, {""}, kBlock, 0},
        {"lights go",
         kRunway,
         {runwayLines + "END\r\nRUNWAYLIGHTS\r\n\tCOUNT1 30\r\n", runwayLines},
         "RUNWAY\nEND1 0 0 0\nEND2 -1000 0 0\nWIDTH 50\n",
         0},
        {"deleted line", kBlock, {"\tPOS 1 2 3\r\n\tROT 45\r\n"}, "BLOCK\nPOS 1 2 3\nROT 45\n", 0},
        {"after End", kBlock, {"POS 1 2 3\nSCALE 10 5 10\nROT 45\nEND\nPOS 9 9 9\n"}, kBlock, 0},
        {"= and end",
         kBlock,
         {"POS=4 5 6\nSCALE=10 5 10\nROT 45\nend\n"},
         "BLOCK\nPOS 4 5 6\nSCALE 10 5 10\nROT 45\n",
         0},
        {"refused", kRunway, {runwayLines + "NRWSEG 1\nshort segment\n"}, kRunway, 1},
    };
    for (const auto& row : rows) {
        test::ScriptedUi ui;
        AstrelObject object = ParseObject(row.object);
        ASSERT_FALSE(object.IsEmpty()) << row.name;
        for (const std::string& edit : row.edits) {
            ParameterTextLogic(object).Accept(
                edit.empty() ? ParameterTextLogic(object).InitialText() : edit);
        }
        EXPECT_EQ(object.GetParameterText(), ParseObject(row.expected).GetParameterText())
            << row.name;
        EXPECT_EQ(ui.Failures(), std::vector<std::string>(row.failures, kRefused)) << row.name;
    }
}

TEST(ParameterTextLogicTest, LightsBlockLightsTheRunway) {
    test::ScriptedUi ui;
    AstrelObject object = ParseObject(kRunway);
    ParameterTextLogic(object).Accept(
        "END1 0 0 0\nEND2 -1000 0 0\nWIDTH 50\nEND\nRUNWAYLIGHTS\nCOUNT1 30\nEND\nBLOCK\n");
    auto* runway = dynamic_cast<Runway*>(object.Get());
    ASSERT_NE(runway, nullptr);
    EXPECT_EQ(runway->lightsOn.value, 1);
    EXPECT_EQ(runway->lights.count1.value, 30);
    EXPECT_EQ(runway->width.value, 50.0);
    EXPECT_EQ(ParameterTextLogic(object).Caption(), "RUNWAY");
    EXPECT_TRUE(ui.Failures().empty());
}

} // namespace
} // namespace pf
