#include "app/logic/base_name_position_logic.h"

#include "app/logic/dialog_runners.h"
#include "document/base_document.h"
#include "foundation/text.h"
#include "support/simulator_sandbox.h"

#include <gtest/gtest.h>

namespace pf::test {
namespace {

using Logic = BaseNamePositionLogic;

class BaseNamePositionLogicTest : public ::testing::Test {
  protected:
    void WriteEarth(const std::string& dirs) {
        sim_.Dir().WriteFile("Sim/Config/Earth.cfg", "Name = Earth\r\nSize = 6371010\r\nMass = "
                                                     "5.973698968e24\r\nBEGIN_SURFBASE\r\n" +
                                                         dirs + "END_SURFBASE\r\n");
        logic_.OnInitDialog();
    }
    ControlTexts Texts(const std::string& name, const std::string& lon, const std::string& lat) {
        ControlTexts texts;
        texts.Set(Logic::kName, name);
        texts.Set(Logic::kLongitude, lon);
        texts.Set(Logic::kLatitude, lat);
        return texts;
    }

    SimulatorSandbox sim_;
    Logic logic_;
};

TEST_F(BaseNamePositionLogicTest, BodiesAndTheirDirectories) {
    logic_.OnInitDialog();
    EXPECT_EQ(logic_.Bodies(), (StringArray{"Earth", "Moon"}));
    EXPECT_EQ(logic_.BodySelection(), 0);
    sim_.Dir().WriteFile("Sim/Config/sol.cfg", "Planet1 = Moon\r\nPlanet2 = EARTH\r\n");
    logic_.OnInitDialog();
    EXPECT_EQ(logic_.BodySelection(), 1);
    sim_.Dir().WriteFile("Sim/Config/sol.cfg", "Planet1 = Moon\r\n");
    logic_.OnInitDialog();
    EXPECT_EQ(logic_.BodySelection(), 0);
    sim_.Dir().WriteFile("Sim/Config/sol.cfg", "Planet1 = Earth\r\n");

    WriteEarth("dir Earth\\Base\\Historic CONTEXT Apollo PERIOD 40000 41000\r\n"
               "dir Earth\\Base\\Old PERIOD 1 2\r\ndir Earth\\Base\r\n");
    std::vector<std::string> entries;
    for (const Logic::DirectoryEntry& entry : logic_.Directories()) {
        entries.push_back(entry.text);
    }
    EXPECT_EQ(entries,
              (std::vector<std::string>{"Earth\\Base\\ (default) ",
                                        "Earth\\Base\\Historic\\ CONTEXT Apollo PERIOD 40000 41000",
                                        "Earth\\Base\\Old\\ PERIOD 1 2"}));
    EXPECT_TRUE(logic_.IsDirectoryListShown());
    EXPECT_EQ(logic_.DirectorySelection(), 0);
    logic_.SelectDirectory(2);
    std::optional<FieldRefusal> refusal;
    ASSERT_TRUE(logic_.OnOK(Texts("Old Port", "1", "2"), refusal));
    EXPECT_EQ(logic_.GetRequest().directory.periodBegin, "1");

    WriteEarth("dir Earth\\Base\r\n");
    EXPECT_FALSE(logic_.IsDirectoryListShown());
    ASSERT_TRUE(logic_.OnOK(Texts("New Port", "-80.5", "28.25"), refusal));
    const NewBaseRequest request = logic_.GetRequest();
    EXPECT_EQ(std::tuple(request.name, request.body, request.longitude, request.latitude),
              std::tuple("New Port", "Earth", -80.5f, 28.25f));
    EXPECT_EQ(request.directory.directory + "|" + request.directory.context + "|" +
                  request.directory.periodBegin + "|" + request.directory.periodEnd,
              "Earth\\Base\\|||");
}

TEST_F(BaseNamePositionLogicTest, RefusedOkKeepsTheDialogOpen) {
    logic_.OnInitDialog();
    BaseDocument("Taken", "Earth", LatLon(0.0, 0.0)).SaveToDocuments();
    BaseDocument moon("Moon Port", "Moon", LatLon(0.0, 0.0));
    moon.SetConfigSuffix("Moon\\Old\\");
    moon.SaveToDocuments();
    const std::string moonPort = sim_.Dir().NativePath("Documents/Padforge/Moon_Old_Moon Port.txt");
    const std::string tooLong(223, 'x');
    // name, longitude, latitude, the box or the refusal (control and message).
    const std::tuple<const char*, const char*, const char*, std::string> rows[] = {
        {"A", "181", "0", "1001 Enter a number between -180 and 180."},
        {"A", "0", "-91", "1000 Enter a number between -90 and 90."},
        {"", "0", "0", "box Blank name given."},
        {"a:b", "0", "0",
         "box Invalid name given.\r\n\r\nA base name can't hold \\ / : ; = or tabs, two blanks in "
         "a "
         "row, or blanks at its ends."},
        {"Taken", "0", "0",
         "box Base with that name already exists.\r\n\r\nTry deleting it first if you want to "
         "start from scratch."},
        // A base of that name on another body and in another directory.
        {"MOON PORT", "0", "0",
         std::string("box ") + Logic::kNameTakenMessage + "File: " + moonPort},
        // With " on Landing Pad.scn" and the safe writer's 14 bytes, 222 is the longest.
        {tooLong.c_str(), "0", "0", std::string("box ") + Logic::kTooLongMessage},
    };
    for (const auto& [name, lon, lat, expected] : rows) {
        sim_.Ui().Clear();
        if (expected.rfind("box", 0) == 0) {
            sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
        }
        std::optional<FieldRefusal> refusal;
        EXPECT_FALSE(logic_.OnOK(Texts(name, lon, lat), refusal));
        if (refusal) {
            EXPECT_EQ(std::to_string(refusal->control) + " " + refusal->message, expected);
        } else {
            ASSERT_EQ(sim_.Ui().Calls().size(), 1u) << expected;
            EXPECT_EQ("box " + sim_.Ui().Calls()[0].text, expected);
            EXPECT_EQ(sim_.Ui().Calls()[0].caption, "Error");
        }
    }
    EXPECT_EQ(logic_.ShowFields().Get(Logic::kName), tooLong) << "what was typed stays";
    std::optional<FieldRefusal> refusal;
    EXPECT_TRUE(logic_.OnOK(Texts(std::string(222, 'x'), "0", "0"), refusal));
}

TEST_F(BaseNamePositionLogicTest, FindOnMapAsksTheBodysMap) {
    logic_.OnInitDialog();
    DialogRunners runners;
    std::string asked;
    std::optional<LatLon> answer = LatLon(-122.41942, 37.77493);
    runners.basicMap = [&](const LatLon& centre, const std::string& body) {
        asked += FormatString("basic %s %g %g; ", body.c_str(), centre.GetLongitude(),
                              centre.GetLatitude());
        return answer;
    };
    runners.bodyMap = [&](const std::string& body) {
        asked += "body " + body + "; ";
        return answer;
    };
    ASSERT_TRUE(logic_.OnFindOnMap(runners));
    // The boxes show the picked position so that OK reads it back unchanged.
    ControlTexts texts = logic_.ShowFields();
    texts.Set(Logic::kName, "Bay");
    std::optional<FieldRefusal> refusal;
    ASSERT_TRUE(logic_.OnOK(texts, refusal));
    EXPECT_EQ(logic_.GetLongitude(), static_cast<float>(-122.41942));
    EXPECT_EQ(logic_.GetLatitude(), static_cast<float>(37.77493));
    answer.reset();
    EXPECT_FALSE(logic_.OnFindOnMap(runners)); // cancelled
    EXPECT_EQ(logic_.GetLongitude(), static_cast<float>(-122.41942));
    logic_.SelectBody(1);
    EXPECT_FALSE(logic_.OnFindOnMap(runners));
    EXPECT_EQ(asked, "basic Earth 0 0; basic Earth -122.419 37.7749; body Moon; ");
    logic_.SelectBody(-1);
    EXPECT_FALSE(logic_.OnFindOnMap(runners));
    ASSERT_TRUE(logic_.OnOK(texts, refusal));
    EXPECT_EQ(logic_.GetRequest().body, "Earth");
}

} // namespace
} // namespace pf::test
