// "Load Base From Astrel": every road through the popups, the base-list dialog and the
// boxes, and what it leaves in the documents folder.
#include "app/logic/terrafix_logic.h"

#include "document/base_document.h"
#include "support/simulator_sandbox.h"
#include "support/temp_dir.h"
#include "workspace/settings.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace pf {
namespace {

const char kAlpha[] = "BASE-V2.0\r\nName = Alpha\r\nLocation = -80.6 28.6\r\n\r\n"
                      "BEGIN_NAVBEACON\r\nVOR ALP -80.6 28.6 113.5\r\nEND_NAVBEACON\r\n\r\n"
                      "BEGIN_OBJECTLIST\r\nBLOCK\r\n\tPOS 0 0 0\r\n\tSCALE 10 5 10\r\nEND\r\n"
                      "END_OBJECTLIST\r\n";
const char kOneDirectory[] = "Name = Earth\r\nSize = 6371010\r\nMass = 5.973698968e24\r\n"
                             "BEGIN_SURFBASE\r\n  dir Earth\\Base\r\nEND_SURFBASE\r\n";

using Setup = std::function<void(test::SimulatorSandbox&)>;

void WriteSim(test::SimulatorSandbox& sandbox, const std::string& relative,
              const std::string& text) {
    test::WriteNativeFile(sandbox.SimNative(relative), text);
}

const Setup kWithAlpha = [](test::SimulatorSandbox& s) {
    WriteSim(s, "Config/Earth/Base/Alpha.cfg", kAlpha);
};
const Setup kOneDirectoryWithAlpha = [](test::SimulatorSandbox& s) {
    kWithAlpha(s);
    WriteSim(s, "Config/Earth.cfg", kOneDirectory);
};
const Setup kAlreadyImported = [](test::SimulatorSandbox& s) {
    kOneDirectoryWithAlpha(s);
    BaseDocument("Alpha", "Earth", LatLon(1, 2)).SaveToDocuments();
};

struct Road {
    const char* name;
    Setup setup;
    std::vector<int> menus;
    std::optional<std::string> listAnswer;
    std::vector<MessageAnswer> boxes;
    std::vector<std::string> seen; // kind|caption|text
    bool imported;
};

TEST(MainDialogImport, EveryRoad) {
    const std::string bodies = "menu||Bodies with bases";
    const std::string directories = "menu||Select directory:";
    const std::string failed = "failure|Failure Message|Error loading base from Astrel\r\n";
    const Road roads[] = {
        {"no simulator folder",
         [](test::SimulatorSandbox&) { WriteRegistryValue("Astrel 2010 Path", ""); },
         {},
         {},
         {MessageAnswer::Ok},
         {"message|Error|Sorry, unable to find the path for \"Astrel 2010\""},
         false},
        {"no body with bases",
         [](test::SimulatorSandbox& s) {
             std::filesystem::remove(s.SimNative("Config/Earth/Base/Pad.cfg"));
         },
         {},
         {},
         {MessageAnswer::Ok},
         {"message|Error|No bases detected in Astrel"},
         false},
        {"Cancel", kWithAlpha, {10002}, "Alpha.cfg", {}, {bodies}, false},
        {"nothing chosen", kWithAlpha, {0}, "Alpha.cfg", {}, {bodies}, false},
        {"one directory", kOneDirectoryWithAlpha, {10001}, "Alpha.cfg", {}, {bodies}, true},
        {"two directories",
         kWithAlpha,
         {10001, 10001},
         "Alpha.cfg",
         {},
         {bodies, directories},
         true},
        {"no directory chosen",
         kWithAlpha,
         {10001, 0},
         "Alpha.cfg",
         {},
         {bodies, directories},
         false},
        {"list cancelled", kOneDirectoryWithAlpha, {10001}, std::nullopt, {}, {bodies}, false},
        {"reload No",
         kAlreadyImported,
         {10001},
         "Alpha.cfg",
         {MessageAnswer::No},
         {bodies, "message|Notification|Base already loaded. Reload?"},
         false},
        {"reload Yes",
         kAlreadyImported,
         {10001},
         "Alpha.cfg",
         {MessageAnswer::Yes},
         {bodies, "message|Notification|Base already loaded. Reload?"},
         true},
        {"failed load",
         [](test::SimulatorSandbox& s) {
             kOneDirectoryWithAlpha(s);
             WriteSim(s, "Config/Earth/Base/Alpha.cfg", "Name = Alpha\r\n");
         },
         {10001},
         "Alpha.cfg",
         {},
         {bodies, failed},
         false},
        {"unsafe name",
         [](test::SimulatorSandbox& s) {
             kOneDirectoryWithAlpha(s);
             std::string text = kAlpha;
             text.replace(text.find("Alpha"), 5, "..\\x");
             WriteSim(s, "Config/Earth/Base/Alpha.cfg", text);
         },
         {10001},
         "Alpha.cfg",
         {},
         {bodies, failed},
         false},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        test::SimulatorSandbox sandbox;
        road.setup(sandbox);
        const std::string docs = sandbox.Dir().NativePath("Documents/Padforge");
        const std::string before = test::ReadNativeFile(docs + "/Alpha.txt");
        for (int command : road.menus) {
            sandbox.Ui().AnswerNextMenu(command);
        }
        for (MessageAnswer answer : road.boxes) {
            sandbox.Ui().AnswerNextMessage(answer);
        }
        DialogRunners runners;
        std::string listed;
        runners.astrelBaseList = [&](const std::string& body, const BodyBaseDirectory& record,
                                     const StringArray& files) {
            listed = body + "|" + record.directory;
            for (const std::string& file : files) {
                listed += "|" + file;
            }
            return road.listAnswer;
        };
        MainDialogLogic logic(runners);
        logic.OnLoadBaseFromAstrel(nullptr, 12, 34);

        std::vector<std::string> seen;
        for (const auto& call : sandbox.Ui().Calls()) {
            seen.push_back(call.kind + "|" + call.caption + "|" + call.text);
        }
        EXPECT_EQ(seen, road.seen);
        const std::string after = test::ReadNativeFile(docs + "/Alpha.txt");
        EXPECT_EQ(after != before, road.imported);
        EXPECT_EQ(sandbox.Ui().WaitCursorDepth(), 0);
        if (!road.menus.empty() && road.menus[0] == 10001) {
            EXPECT_EQ(sandbox.Ui().MenuRequests()[0].options, (StringArray{"Earth", "Cancel"}));
            EXPECT_EQ(sandbox.Ui().MenuRequests()[0].x, 12);
        }
        if (road.imported) {
            EXPECT_EQ(listed, "Earth|Earth\\Base\\|Alpha.cfg|Pad.cfg");
            EXPECT_EQ(logic.Entries().at(0).text, "Earth\\Alpha");
            for (const std::string& line :
                 {std::string("PFG_ORIGIN Astrel\r\n"),
                  "PFG_ORIGINAL_PATH " + sandbox.Root() + "Config\\Earth\\Base\\Alpha.cfg\r\n",
                  std::string("PFG_CONFIG_SUFFIX Earth\\Base\\\r\nPFG_ORIGIN"),
                  std::string("VOR ALP"), std::string("BLOCK")}) {
                EXPECT_NE(after.find(line), std::string::npos) << line;
            }
        }
    }
}

} // namespace
} // namespace pf
