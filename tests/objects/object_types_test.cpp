// Every type of the type table reads its group, writes it and reads the written block back to
// the same text.
#include "objects/object_types.h"

#include "document/base_file_reader.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "support/mesh_files.h"
#include "support/scripted_ui.h"
#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace pf {
namespace {

struct TextCase {
    const char* name;
    const char* word;    // the type word as it stands in the file
    std::string input;   // parameter lines as read
    std::string written; // the parameter text of the object read
};

// The one object of an object-list text, read through the dispatcher.
bool ReadBlock(AstrelObject& holder, const std::string& text) {
    StringArray lines;
    SplitTextIntoLines(lines, "BEGIN_OBJECTLIST\r\n" + text + "END_OBJECTLIST\r\n");
    ObjectGroupList groups;
    CollectObjectGroups(groups, lines);
    return groups.size() == 1 && ParseObjectGroup(holder, groups[0]);
}

std::string Written(const AstrelObject& holder) {
    MemStream stream;
    EXPECT_TRUE(holder.WriteBlock(stream));
    stream.SeekToBegin();
    std::string text(stream.GetLength(), '\0');
    stream.Read(text.data(), static_cast<uint32_t>(text.size()));
    return text;
}

const std::vector<TextCase>& Cases() {
    static const std::vector<TextCase> cases = {
        {"BlockFull", "BLOCK",
         "\tPOS 10 2 -20\r\n\tSCALE 30 10 90\r\n\tROT 45.5\r\n\tTEX1 Fcd01 1.25 2\r\n"
         "\tTEX2 Fcd02 3 4\r\n\tTEX3 Roof01 0.5 0.75\r\n",
         "\tPOS 10 2 -20\r\n\tSCALE 30 10 90\r\n\tROT 45.5\r\n\tTEX1 Fcd01 1.25 2\r\n"
         "\tTEX2 Fcd02 3 4\r\n\tTEX3 Roof01 0.5 0.75\r\n"},
        {"BlockIncompleteTextureNotWritten", "BLOCK", "\tTEX1 Fcd06\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n"},
        {"BlockScaleUvCompletesWallsNotRoof", "block",
         "\tSCALE 1 1 1\r\n\tTEX1 Fcd06\r\n\tTEX3 Roof01\r\n\tPFG_SCALEUV\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n\tTEX1 Fcd06 0.5 0.5\r\n\tPFG_SCALEUV\r\n"},
        {"BlockRot360Kept", "BLOCK", "\tROT 360\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 1 1 1\r\n\tROT 360\r\n"},
        // "-360" would read back as 0: the same turn is written so at once.
        {"BlockTurnJustShortOfMinus360WritesZero", "BLOCK", "\tROT -359.999\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n"},
        {"BlockTurnFurtherFromMinus360Kept", "BLOCK", "\tROT -359.994\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 1 1 1\r\n\tROT -359.99\r\n"},
        {"BlockKeywordCaseRepeatAndUnknown", "BLOCK",
         "\tpos 1 2 3\r\n\tScale 4 5 6\r\n\tWHATEVER 7\r\n\tPOS 8 9 10\r\n",
         "\tPOS 8 9 10\r\n\tSCALE 4 5 6\r\n\tROT 0\r\n\tWHATEVER 7\r\n"},
        {"BlockThreeTokenTextureRefused", "BLOCK", "\tTEX1 Fcd06 2 2\r\n\tTEX1 Fcd07 3\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n\tTEX1 Fcd06 2 2\r\n"},
        {"BlockBadNumberKeepsEarlierComponents", "BLOCK", "\tSCALE 4 x 6\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 4 1 1\r\n\tROT 0\r\n"},
        {"Hangar", "HANGAR",
         "\tPOS -5 0 7\r\n\tSCALE 40 20 60\r\n\tROT 12.25\r\n\tTEX1 Wall01 6 1\r\n"
         "\tTEX2 Fcd04 6 1\r\n\tTEX3 Roof01 2 1\r\n\tPFG_SCALEUV\r\n",
         "\tPOS -5 0 7\r\n\tSCALE 40 20 60\r\n\tROT 12.25\r\n\tTEX1 Wall01 2 0.5\r\n"
         "\tTEX2 Fcd04 1 0.5\r\n\tTEX3 Roof01 2 1\r\n\tPFG_SCALEUV\r\n"},
        {"Hangar2", "HANGAR2",
         "\tPOS 1 2 3\r\n\tSCALE 30 10 90\r\n\tROT -90\r\n\tTEX1 Wall01 1 0.5\r\n"
         "\tTEX2 Fcd04 3 0.5\r\n\tTEX3 Roof02 2 1\r\n\tROOFH 12.5\r\n\tPFG_SCALEUV\r\n",
         "\tPOS 1 2 3\r\n\tSCALE 30 10 90\r\n\tROT -90\r\n\tTEX1 Wall01 1 0.5\r\n"
         "\tTEX2 Fcd04 3 0.5\r\n\tTEX3 Roof02 2 1\r\n\tROOFH 12.5\r\n\tPFG_SCALEUV\r\n"},
        {"Hangar3", "HANGAR3",
         "\tPOS -5 0 7\r\n\tSCALE 40 20 60\r\n\tROT 12.25\r\n\tTEX1 Wall01 6 1\r\n"
         "\tTEX2 Fcd04 6 1\r\n\tTEX3 Roof01 2 1\r\n",
         "\tPOS -5 0 7\r\n\tSCALE 40 20 60\r\n\tROT 12.25\r\n\tTEX1 Wall01 6 1\r\n"
         "\tTEX2 Fcd04 6 1\r\n\tTEX3 Roof01 2 1\r\n"},
        {"TankRadii", "TANK", "\tSCALE 15 10 20\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 15 10 20\r\n\tROT 0\r\n"},
        {"TankFull", "TANK",
         "\tPOS 3 1 -4\r\n\tSCALE 12.5 8 20.125\r\n\tROT 270\r\n\tNSTEP 24\r\n"
         "\tTEX1 Fcd01 2 3\r\n\tTEX2 Roof01 4 5\r\n",
         "\tPOS 3 1 -4\r\n\tSCALE 12.5 8 20.125\r\n\tROT 270\r\n\tNSTEP 24\r\n"
         "\tTEX1 Fcd01 2 3\r\n\tTEX2 Roof01 4 5\r\n"},
        {"TankRoofNeverRecomputed", "TANK",
         "\tSCALE 30 40 30\r\n\tTEX1 Fcd01\r\n\tTEX2 Roof01 4 5\r\n\tPFG_SCALEUV\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 30 40 30\r\n\tROT 0\r\n\tTEX1 Fcd01 12.5 1\r\n"
         "\tTEX2 Roof01 4 5\r\n\tPFG_SCALEUV\r\n"},
        // Without a SCALE line the constructor's 1 is a full extent: radius 0.5.
        {"TankIncompleteSideNotWritten", "TANK", "\tTEX1 Fcd01\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 0.5 1 0.5\r\n\tROT 0\r\n"},
        {"TankBadCountIgnored", "TANK", "\tNSTEP 1,5\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 0.5 1 0.5\r\n\tROT 0\r\n"},
        {"TankTurnJustShortOfMinus360WritesZero", "TANK", "\tROT -359.996\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 0.5 1 0.5\r\n\tROT 0\r\n"},
        {"TankShortScaleStillDoubles", "TANK", "\tSCALE 4\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n"},
        {"Runway", "runway",
         "END1 -10.5 2 -1200\r\nEND2 10.5 3 1200\r\nWIDTH 45\r\nILS2 111.1\r\nNRWSEG 2\r\n"
         "RWSEG1 1 0.5 0 1 0 1\r\nRWSEG2 6 0.5 0.25 0.75 1 0\r\nRWTEX Runway2\r\n",
         "\tEND1 -10.5 2 -1200\r\n\tEND2 10.5 3 1200\r\n\tWIDTH 45\r\n\tILS2 111.1\r\n"
         "\tNRWSEG 2\r\n\t\tRWSEG1 1 \t0.5 \t0 \t1 \t0 \t1\r\n"
         "\t\tRWSEG2 6 \t0.5 \t0.25 \t0.75 \t1 \t0\r\n\tRWTEX Runway2\r\n"},
        {"LightsEveryField", "RunwayLights",
         "END1 -10 2 100\r\nEND2 10 3 -100\r\nWIDTH 45\r\nCOUNT1 30\r\nPAPI 3 1.5 60 2\r\n"
         "VASI 2.5 200 40\r\nTD_DISP 100\r\nTD_LENGTH 600.5\r\nDECISION_DIST 250\r\n"
         "APPROACH_START 900\r\nSINGLEENDED extra words\r\n",
         "\tEND1 -10 2 100\r\n\tEND2 10 3 -100\r\n\tWIDTH 45\r\n\tCOUNT1 30\r\n"
         "\tPAPI 3 1.5 60 2\r\n\tVASI 2.5 200 40\r\n\tTD_DISP 100\r\n\tTD_LENGTH 600.5\r\n"
         "\tDECISION_DIST 250\r\n\tAPPROACH_START 900\r\n\tSINGLEENDED\r\n"},
        {"LightsNothingButTheEnds", "RUNWAYLIGHTS", "END1 0 0 0\r\nEND2 0 0 10\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 10\r\n\tWIDTH 0\r\n"},
        {"LightsPapiWithoutMode", "RUNWAYLIGHTS", "PAPI 3 1.5 60\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tWIDTH 0\r\n\tPAPI 3 1.5 60\r\n"},
        {"LightsPapiWithAWordForItsMode", "RUNWAYLIGHTS", "PAPI 3 1.5 60 left\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tWIDTH 0\r\n\tPAPI 3 1.5 60\r\n"},
        {"LightsPapiShortVasiShort", "RUNWAYLIGHTS", "PAPI 3 1.5\r\nVASI 1 2\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tWIDTH 0\r\n"},
        {"LightsOrderIsTheWriters", "RUNWAYLIGHTS",
         "APPROACH_START 1\r\nTD_DISP 2\r\nDECISION_DIST 3\r\nTD_LENGTH 4\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tWIDTH 0\r\n\tTD_DISP 2\r\n\tTD_LENGTH 4\r\n"
         "\tDECISION_DIST 3\r\n\tAPPROACH_START 1\r\n"},
        {"BeaconsEndsOnlyGetConstructorValues", "BEACONARRAY",
         "\tEND1 1 2 3\r\n\tEND2 -4 5 6.5\r\n",
         "\tEND1 1 2 3\r\n\tEND2 -4 5 6.5\r\n\tCOUNT 10\r\n\tSIZE 1\r\n\tCOL 1 1 1\r\n"},
        {"BeaconsFull", "BEACONARRAY",
         "\tEND1 10 0 -20\r\n\tEND2 10 0 20\r\n\tCOUNT 7\r\n\tSIZE 2.25\r\n\tCOL 0.2 0.4 1\r\n",
         "\tEND1 10 0 -20\r\n\tEND2 10 0 20\r\n\tCOUNT 7\r\n\tSIZE 2.25\r\n\tCOL 0.2 0.4 1\r\n"},
        {"BeaconsTwoNumberColourSetsNothing", "BEACONARRAY", "\tCOL 0.5 0.5\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tCOUNT 10\r\n\tSIZE 1\r\n\tCOL 1 1 1\r\n"},
        {"BeaconsCommaCountRefused", "BEACONARRAY", "\tCOUNT 1,5\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tCOUNT 10\r\n\tSIZE 1\r\n\tCOL 1 1 1\r\n"},
        {"BeaconsAnyCountRead", "BEACONARRAY", "\tcount 1\r\n\tROT 5\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tCOUNT 1\r\n\tSIZE 1\r\n\tCOL 1 1 1\r\n\tROT 5\r\n"},
        {"SolarFull", "SOLARPLANT",
         "\tPOS 1 0 2\r\n\tSPACING 1.5 2\r\n\tGRID 3 5\r\n\tROT 90\r\n\tTEX Other\r\n",
         "\tPOS 1 0 2\r\n\tSPACING 1.5 2\r\n\tGRID 3 5\r\n\tROT 90\r\n\tTEX Solpanel\r\n"},
        {"SolarNoRotReadsZero", "SOLARPLANT", "\tGRID 2 3\r\n",
         "\tPOS 0 0 0\r\n\tGRID 2 3\r\n\tROT 0\r\n\tTEX Solpanel\r\n"},
        {"SolarOneNumberSpacingSetsNothing", "SOLARPLANT", "\tSPACING 5\r\n",
         "\tPOS 0 0 0\r\n\tROT 0\r\n\tTEX Solpanel\r\n"},
        {"SolarKeywordCase", "SOLARPLANT", "\tgrid 7 8\r\n\tRot 45\r\n",
         "\tPOS 0 0 0\r\n\tGRID 7 8\r\n\tROT 45\r\n\tTEX Solpanel\r\n"},
        {"SolarTurnJustShortOfMinus360WritesZero", "SOLARPLANT", "\tROT -359.999\r\n",
         "\tPOS 0 0 0\r\n\tROT 0\r\n\tTEX Solpanel\r\n"},
        {"Train1Full", "train1",
         "END1 -5 1 10\r\nEND2 5 2 -10\r\nMAXSPEED 12.5\r\nSLOWZONE 50\r\nTEX Rail\r\n",
         "\tEND1 -5 1 10\r\n\tEND2 5 2 -10\r\n\tMAXSPEED 12.5\r\n\tSLOWZONE 50\r\n"
         "\tTEX Rail\r\n"},
        {"Train1KeepsHeightAsALineItDoesNotKnow", "TRAIN1", "HEIGHT 20\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tMAXSPEED 30\r\n\tSLOWZONE 100\r\n\tTEX Monorail\r\n"
         "\tHEIGHT 20\r\n"},
        {"Train2HeightBetweenSpeedAndSlowZone", "TRAIN2",
         "SLOWZONE 50\r\nHEIGHT 20.25\r\nTEX Own\r\nMAXSPEED 40\r\n",
         "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tMAXSPEED 40\r\n\tHEIGHT 20.25\r\n"
         "\tSLOWZONE 50\r\n\tTEX Own\r\n"},
        {"Lpad1ScaleTextureNav", "lpad1", "SCALE 0.5\r\nTEX MyPad\r\nNAV 112.25\r\nROT 12.3456\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 0.5\r\n\tROT 12.346\r\n\tTEX MyPad\r\n\tNAV 112.25\r\n"},
        {"Lpad1NavOutOfBand", "LPAD1", "NAV 140.0\r\nROT -45.5\r\n",
         "\tPOS 0 0 0\r\n\tSCALE 1\r\n\tROT 314.500\r\n"},
        {"Lpad2WithoutRotReadsRotZero", "LPAD2", "POS 10 2 -30\r\nSCALE 2\r\nTEX X\r\n",
         "\tPOS 10 2 -30\r\n\tSCALE 2\r\n\tROT 0.000\r\n\tTEX X\r\n"},
        {"Lpad2A", "LPAD2a", "POS 1 2 3\r\nSCALE 3\r\nROT 360\r\nTEX T\r\nNAV 109.5\r\n",
         "\tPOS 1 2 3\r\n\tSCALE 3\r\n\tROT 0.000\r\n\tTEX T\r\n\tNAV 109.5\r\n"},
        {"MeshAtItsNaturalSize", "MESH", "FILE Box\r\nPOS -2 2 -5\r\nSCALE 1 1 1\r\n",
         "\tFILE Box\r\n\tPOS -2 2 -5\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n"},
        {"MeshTurnJustShortOfMinus360WritesZero", "MESH",
         "FILE Box\r\nPOS -2 2 -5\r\nSCALE 1 1 1\r\nROT -359.999\r\n",
         "\tFILE Box\r\n\tPOS -2 2 -5\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n"},
        {"MeshTurnedAndScaled", "mesh",
         "FILE Box\r\nPOS 12 3 -7\r\nSCALE 2 1 0.5\r\nROT 30\r\nTEX Wall01\r\nSHADOW\r\nLPAD\r\n",
         "\tFILE Box\r\n\tPOS 12 3 -7\r\n\tSCALE 2 1 0.5\r\n\tROT 30\r\n\tTEX Wall01\r\n"
         "\tSHADOW\r\n\tLPAD\r\n"},
    };
    return cases;
}

class ObjectTextTest : public ::testing::TestWithParam<TextCase> {
  protected:
    void SetUp() override { tree_.WriteModel("Box.msh", test::kMshBox); }

    test::MeshSandbox tree_;
    test::ScriptedUi ui_;
};

TEST_P(ObjectTextTest, ReadWriteReadKeepsTheText) {
    const TextCase& c = GetParam();
    AstrelObject first;
    ASSERT_TRUE(ReadBlock(first, std::string(c.word) + "\r\n" + c.input + "END\r\n"));
    const std::string block = first.GetTypeName() + "\r\n" + c.written + "END\r\n";
    EXPECT_TRUE(CStringEqualsNoCase(first.GetTypeName(), c.word));
    EXPECT_EQ(Written(first), block);
    EXPECT_EQ(Written(AstrelObject(first)), block) << "a copy writes the same";
    AstrelObject again;
    ASSERT_TRUE(ReadBlock(again, block));
    EXPECT_EQ(again.GetType(), first.GetType());
    EXPECT_EQ(Written(again), block);
    EXPECT_TRUE(ui_.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryType, ObjectTextTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ObjectTypesTest, EveryTypeWithAParserHasACase) {
    std::set<std::string> words;
    for (const TextCase& c : Cases()) {
        std::string word = c.word;
        for (char& ch : word) {
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        }
        words.insert(word);
    }
    int types = 0;
    for (const ObjectTypeRow& row : ObjectTypeTable()) {
        ASSERT_EQ(row.code, types++);
        EXPECT_EQ(row.parse != nullptr, words.count(row.keyword) == 1) << row.keyword;
    }
    EXPECT_EQ(words.size(), 15u);
}

} // namespace
} // namespace pf
