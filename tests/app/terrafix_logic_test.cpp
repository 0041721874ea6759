#include "app/logic/terrafix_logic.h"

#include "document/base_document.h"
#include "support/simulator_sandbox.h"
#include "support/temp_dir.h"
#include "workspace/file_manager.h"
#include "workspace/settings.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace pf {
namespace {

namespace stdfs = std::filesystem;
using test::ReadNativeFile;
using test::WriteNativeFile;
using Lines = std::vector<std::string>;

const char kOneDirectory[] = "Name = Earth\r\nSize = 6371010\r\nMass = 5.973698968e24\r\n"
                             "BEGIN_SURFBASE\r\n  dir Earth\\Base\r\nEND_SURFBASE\r\n";
const char kAlpha[] = "BASE-V2.0\r\nName = Alpha\r\nLocation = -80.6 28.6\r\nBEGIN_NAVBEACON\r\n"
                      "VOR ALP -80.6 28.6 113.5\r\nEND_NAVBEACON\r\n";

class MainDialogLogicTest : public ::testing::Test {
  protected:
    std::string Doc(const std::string& file = "") const {
        return sandbox_.Dir().NativePath("Documents/Padforge/" + file);
    }
    void Save(const std::string& name) {
        ASSERT_TRUE(BaseDocument(name, "Earth", LatLon(10, 20)).SaveToDocuments());
    }
    test::ScriptedUi& Ui() { return sandbox_.Ui(); }

    test::SimulatorSandbox sandbox_;
    DialogRunners runners_;
    MainDialogLogic logic_{runners_};
};

TEST_F(MainDialogLogicTest, ListsTheBasesSortedWithTheirFiles) {
    Save("Port Alpha");
    Save("bravo");
    WriteNativeFile(Doc("notes.txt"), "Shopping: milk\r\n");
    ASSERT_TRUE(logic_.RefreshBaseList());
    Lines listed;
    for (const auto& entry : logic_.Entries())
        listed.push_back(entry.text + "|" + entry.fileName);
    EXPECT_EQ(listed, (Lines{"Earth\\bravo|bravo.txt", "Earth\\Port Alpha|Port Alpha.txt",
                             "notes.txt (cannot be read)|notes.txt"}));
    EXPECT_TRUE(Ui().Calls().empty());
    std::string file = "x", name, body;
    EXPECT_FALSE(logic_.GetItemFileName(3, file));
    EXPECT_EQ(file, "");
    EXPECT_TRUE(SplitBodyAndName("\\Earth\\\\Port Alpha", name, body));
    EXPECT_EQ(body + "|" + name, "Earth|Port Alpha");

    WriteNativeFile(sandbox_.Dir().NativePath("blocked"), "x");
    WriteNativeFile(sandbox_.Dir().NativePath(".config/user-dirs.dirs"),
                    "XDG_DOCUMENTS_DIR=\"$HOME/blocked/Documents\"\n");
    Ui().Clear();
    EXPECT_FALSE(logic_.RefreshBaseList());
    EXPECT_EQ(logic_.GetCount(), 0);
    EXPECT_EQ(Ui().Failures(),
              (Lines{"default path not valid\r\n", "Couldn't load documents path\r\n"}));
}

TEST_F(MainDialogLogicTest, NewBasesAreRefusedBeforeAnythingIsWritten) {
    Save("Bravo");
    WriteNativeFile(Doc("Charlie.txt"), "BASE-V2.0\r\n");
    BaseDocument echo("Echo", "Moon", LatLon(1, 2));
    echo.SetConfigSuffix("Moon\\Historic\\");
    ASSERT_TRUE(echo.SaveToDocuments());
    const Lines before = test::NativeNames(Doc());
    const auto refused = [&](const std::string& name, double latitude, const std::string& box) {
        SCOPED_TRACE(name);
        LatLon position(0, 0);
        position.SetLatitude(latitude);
        Ui().Clear();
        Ui().AnswerNextMessage(MessageAnswer::Ok);
        EXPECT_FALSE(logic_.CreateNewBase(name, "Earth", position, {"Earth\\Base\\", "", "", ""}));
        const Lines calls = Ui().CallLines();
        ASSERT_FALSE(calls.empty()) << "no message came";
        EXPECT_EQ(calls.back(), "message|Error|" + box);
        EXPECT_EQ(test::NativeNames(Doc()), before);
    };
    refused("", 0, "Blank name given");
    for (const char* name : {"a\\b", "a/b", "..", "a;b", "a=b", "a  b", " a", "a:b", "a\tb"})
        refused(name, 0, "Invalid name given");
    for (const char* name : {"Bravo", "BRAVO", "Charlie"})
        refused(name, 0, "Base already exists");
    refused("ECHO", 0,
            "Another base already has that name: bases of one name would share one work "
            "folder.\r\nFile: " +
                Doc("Moon_Historic_Echo.txt"));
    refused("Delta", 91, "Invalid position given");
    EXPECT_EQ(Ui().Failures(), Lines{"Might want to check for different lat lon format\r\n"});
}

TEST_F(MainDialogLogicTest, ANewBaseTakesItsDirectoryRecordAndAWrappedPosition) {
    ASSERT_TRUE(logic_.CreateNewBase("Port Alpha", "Earth", LatLon(-80.5, 28.25),
                                     {"Earth\\Historic\\", "CONTEXT Apollo", "40000", "41000"}));
    const std::string own = ReadNativeFile(Doc("Earth_Historic_Port Alpha.txt"));
    for (const char* line :
         {"Location = -80.5 28.25\r\n",
          "PFG_BODY_NAME Earth\r\nPFG_FILE_NAME Port_Alpha\r\n"
          "PFG_CONFIG_SUFFIX Earth\\Historic\\\r\n",
          "PFG_CONTEXT CONTEXT Apollo\r\nPFG_PERIOD_BEGIN 40000\r\nPFG_PERIOD_END 41000\r\n"})
        EXPECT_NE(own.find(line), std::string::npos) << line;
    EXPECT_EQ(logic_.Entries().at(0).text, "Earth\\Port Alpha");

    runners_.makeNewBase = [] { return std::optional<NewBaseRequest>(); };
    logic_.OnMakeNewBase();
    EXPECT_EQ(test::NativeNames(Doc()).size(), 1u);
    runners_.makeNewBase = [] {
        return std::optional<NewBaseRequest>({"Bravo", "Earth", 370, 20, {"Earth\\Base\\"}});
    };
    logic_.OnMakeNewBase();
    EXPECT_NE(ReadNativeFile(Doc("Bravo.txt")).find("Location = 10 20\r\n"), std::string::npos);
    EXPECT_TRUE(Ui().Calls().empty());
}

TEST_F(MainDialogLogicTest, EditBaseOnlyWhileTheFileStillMatchesItsEntry) {
    Save("Port Alpha");
    std::vector<std::string> edited;
    runners_.editBase = [&](const BaseDocument& d) { edited.push_back(d.GetSaveFileName()); };
    logic_.InitDialog();
    const std::string original = ReadNativeFile(Doc("Port Alpha.txt"));
    for (const auto& [from, to, failure] :
         {std::tuple{"PFG_BODY_NAME Earth", "PFG_BODY_NAME Moon", "Bodies don't match"},
          std::tuple{"Name = Port Alpha", "Name = Port Beta", "Names don't match"}}) {
        std::string text = original;
        WriteNativeFile(Doc("Port Alpha.txt"), text.replace(text.find(from), strlen(from), to));
        Ui().Clear();
        logic_.OnEditBase(0);
        EXPECT_EQ(Ui().Failures(), Lines{failure});
    }
    EXPECT_TRUE(edited.empty());
    WriteNativeFile(Doc("Port Alpha.txt"), original);
    const int revision = logic_.ListRevision();
    logic_.OnEditBase(0);
    EXPECT_EQ(edited, Lines{"Port Alpha.txt"});
    EXPECT_GT(logic_.ListRevision(), revision);
}

TEST_F(MainDialogLogicTest, DeleteForgetsTheInstalledFilesAndRemovesTheBase) {
    Save("Bravo");
    Save("Port Alpha");
    BaseDocument alpha("Port Alpha.txt");
    ASSERT_TRUE(alpha.WriteWorkConfig());
    const std::string key = alpha.GetConfigRelativePath();
    WriteNativeFile(sandbox_.SimNative("Config/Earth/Base/Port_Alpha.cfg"), "installed");
    Astrel2010* installation = nullptr;
    ASSERT_TRUE(FileManager::Instance().FindOrCreateInstallation(sandbox_.Root(), installation));
    installation->AddFile(sandbox_.Root() + "Config\\" + key, key);
    ASSERT_TRUE(FileManager::Instance().Save());
    logic_.InitDialog();

    // Bravo no longer loads: only its file goes.
    WriteNativeFile(Doc("Bravo.txt"), "BASE-V2.0\r\n");
    Ui().AnswerNextMessage(MessageAnswer::Yes);
    logic_.OnDeleteBase(0);
    EXPECT_EQ(Ui().CallLines().at(0),
              "message|Question|Are you sure you want to delete the Bravo base?");
    EXPECT_EQ(test::NativeNames(Doc()).size(), 2u); // "Port Alpha.txt" and its work folder
    Ui().AnswerNextMessage(MessageAnswer::No);
    logic_.OnDeleteBase(0);
    EXPECT_EQ(test::NativeNames(Doc()).size(), 2u);

    Ui().AnswerNextMessage(MessageAnswer::Yes);
    logic_.OnDeleteBase(0);
    EXPECT_TRUE(stdfs::is_directory(Doc()));
    EXPECT_TRUE(test::NativeNames(Doc()).empty());
    EXPECT_EQ(ReadNativeFile(sandbox_.SimNative("Config/Earth/Base/Port_Alpha.cfg")), "installed");
    FileManager fresh;
    fresh.Load();
    EXPECT_FALSE(fresh.IsBaseInstalledAt(sandbox_.Root(), key));
}

// "Trunc Field.txt", the first 1,200 bytes of the installed "Walk Field.txt", names the
// same base: it is listed once as damaged, never edited (so never saved over the good
// file), and deleting it takes neither the good file, its work folder nor its record.
TEST_F(MainDialogLogicTest, ACutOffCopyIsListedOnceAsDamagedNeverEditedAndDeletedAlone) {
    Save("Walk Field");
    std::string good = ReadNativeFile(Doc("Walk Field.txt"));
    std::string blocks;
    for (int i = 0; i < 40; ++i)
        blocks += "BLOCK\r\n\tPOS " + std::to_string(i) + " 0 0\r\n\tSCALE 1 1 1\r\nEND\r\n";
    good.insert(good.find("END_OBJECTLIST"), blocks);
    WriteNativeFile(Doc("Walk Field.txt"), good);
    BaseDocument walk("Walk Field.txt");
    ASSERT_EQ(walk.GetObjects().GetCount(), 40);
    ASSERT_TRUE(walk.SaveToDocuments());
    good = ReadNativeFile(Doc("Walk Field.txt"));
    ASSERT_GT(good.size(), 2000u);
    const std::string key = sandbox_.SaveAsInstalled(walk);
    WriteNativeFile(Doc("Trunc Field.txt"), good.substr(0, 1200));
    std::vector<std::string> edited;
    runners_.editBase = [&](const BaseDocument& d) {
        edited.push_back(d.GetSourceFile());
        d.SaveToDocuments();
    };
    logic_.InitDialog();
    Lines listed;
    for (const auto& entry : logic_.Entries())
        listed.push_back(entry.text + "|" + entry.fileName);
    EXPECT_EQ(listed, (Lines{"Earth\\Walk Field|Walk Field.txt",
                             "Trunc Field.txt (cannot be read)|Trunc Field.txt"}));
    logic_.OnSelChangeBaseList(1);
    EXPECT_EQ(logic_.GetStatisticsText(),
              "Base Statistics\r\nTrunc Field.txt cannot be read:\r\nCouldn't find END_OBJECTLIST");
    EXPECT_TRUE(Ui().Calls().empty()) << "listing and selecting say nothing";

    logic_.OnEditBase(1);
    EXPECT_TRUE(edited.empty());
    EXPECT_EQ(Ui().CallLines(),
              (Lines{"failure|Failure Message|Couldn't read base file " + Doc("Trunc Field.txt") +
                     "\r\nCouldn't find END_OBJECTLIST"}));
    EXPECT_EQ(ReadNativeFile(Doc("Walk Field.txt")), good);
    EXPECT_EQ(logic_.GetCount(), 2);
    logic_.OnEditBase(0);
    EXPECT_EQ(edited, Lines{"Walk Field.txt"}) << "the good base still opens and saves";

    Ui().Clear();
    Ui().AnswerNextMessage(MessageAnswer::Yes);
    logic_.OnDeleteBase(1);
    EXPECT_EQ(Ui().CallLines(),
              (Lines{"message|Question|Are you sure you want to delete Trunc Field.txt? It cannot "
                     "be read as a base."}));
    Lines left = test::NativeNames(Doc());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (Lines{"Walk Field", "Walk Field.txt"}));
    EXPECT_EQ(ReadNativeFile(Doc("Walk Field.txt")), good);
    FileManager fresh;
    fresh.Load();
    EXPECT_TRUE(fresh.IsBaseInstalledAt(sandbox_.Root(), key));
    EXPECT_EQ(logic_.GetCount(), 1);
}

// A whole copy under another file name names the same base and shares its work folder
// and record: it is listed, but never opened, so nothing of the base is rendered,
// installed or lost in a save that cannot happen.
TEST_F(MainDialogLogicTest, AWholeCopyUnderAnotherNameIsNeverEdited) {
    Save("Walk Field");
    const std::string good = ReadNativeFile(Doc("Walk Field.txt"));
    WriteNativeFile(Doc("Walk Copy.txt"), good);
    int edited = 0;
    runners_.editBase = [&](const BaseDocument&) { ++edited; };
    logic_.InitDialog();
    ASSERT_EQ(logic_.GetCount(), 2);
    EXPECT_EQ(logic_.Entries()[0].text + "|" + logic_.Entries()[1].text,
              "Earth\\Walk Field (Walk Copy.txt)|Earth\\Walk Field (Walk Field.txt)");
    int copy = 0;
    for (; copy < logic_.GetCount(); ++copy) {
        std::string fileName;
        logic_.GetItemFileName(copy, fileName);
        if (fileName == "Walk Copy.txt")
            break;
    }
    Ui().AnswerNextMessage(MessageAnswer::Ok);
    logic_.OnEditBase(copy);
    EXPECT_EQ(edited, 0);
    EXPECT_EQ(
        Ui().CallLines(),
        (Lines{"message|Error|Couldn't edit base: another base's file has its "
               "name.\r\nFile: " +
               Doc("Walk Field.txt") + "\r\nThis base was read from: " + Doc("Walk Copy.txt")}));
    logic_.OnEditBase(1 - copy);
    EXPECT_EQ(edited, 1) << "the base itself still opens";
    EXPECT_EQ(ReadNativeFile(Doc("Walk Field.txt")), good);
}

TEST_F(MainDialogLogicTest, HelpSaysWhenTheManualCannotBeOpened) {
    WriteRegistryValue("Install Path", sandbox_.Dir().Internal());
    Ui().AnswerNextOpenDocument(false);
    Ui().AnswerNextMessage(MessageAnswer::Ok);
    logic_.OnHelpButton();
    const Lines calls = Ui().CallLines();
    ASSERT_FALSE(calls.empty()) << "no message came";
    EXPECT_EQ(calls.back(), "message|Error|Couldn't open the manual: " + sandbox_.Dir().Native() +
                                "/" + kManualFileName);
}

TEST_F(MainDialogLogicTest, StatisticsNameOnlyTheSelectedBase) {
    Save("Bravo");
    logic_.InitDialog();
    EXPECT_EQ(logic_.GetStatisticsText(), "Base Statistics:");
    // Each way the selection goes: none chosen, and the list filled anew.
    const std::function<void()> losses[] = {[&] { logic_.OnSelChangeBaseList(-1); },
                                            [&] { logic_.RefreshBaseList(); }};
    for (const auto& lose : losses) {
        logic_.OnSelChangeBaseList(0);
        EXPECT_EQ(logic_.GetStatisticsText().rfind("Base Statistics\r\nName: Bravo\r\n", 0), 0u);
        lose();
        EXPECT_EQ(logic_.GetStatisticsText(), "Base Statistics:");
    }
}

TEST_F(MainDialogLogicTest, HelpOpensTheManualOfTheInstallFolder) {
    Ui().AnswerNextMessage(MessageAnswer::Ok);
    logic_.OnHelpButton();
    WriteRegistryValue("Install Path", sandbox_.Dir().Internal());
    logic_.OnHelpButton();
    EXPECT_EQ(Ui().CallLines(),
              (Lines{"failure|Failure Message|Install path not found\r\n",
                     "message|Error|Error - couldn't find installation path",
                     "open document||PFG Manual V2.0.3.pdf",
                     "open document||" + sandbox_.Dir().Internal() + kManualFileName}));
}

// "Load Base From Astrel": each road through the popups, the base-list dialog and the
// boxes, and whether the simulator's "Alpha" became an own base.
TEST(MainDialogImport, EveryRoad) {
    enum Tree {
        NoSimulator,
        NoBases,
        TwoDirectories,
        OneDirectory,
        Imported,
        NoLocation,
        BadName,
        LongName,
        NameTaken
    };
    const std::string bodies = "menu||Bodies with bases", folders = "menu||Select directory:";
    const std::string failed = "failure|Failure Message|Error loading base from Astrel\r\n";
    const std::string reload = "message|Notification|Base already loaded. Reload?";
    const MessageAnswer yes = MessageAnswer::Yes, no = MessageAnswer::No, ok = MessageAnswer::Ok;
    const std::string sorry = "message|Error|Sorry, unable to find the path for \"Astrel 2010\"";
    const std::string none = "message|Error|No bases detected in Astrel";
    const std::string taken = "message|Error|Couldn't load base from Astrel: another base already "
                              "has the name Alpha.\r\nFile: ";
    const struct {
        Tree tree;
        std::vector<int> menus;
        std::optional<std::string> file;
        std::vector<MessageAnswer> boxes;
        Lines seen;
        bool imported;
    } roads[] = {
        {NoSimulator, {}, {}, {ok}, {sorry}, false},
        {NoBases, {}, {}, {ok}, {none}, false},
        {TwoDirectories, {10002}, {}, {}, {bodies}, false}, // "Cancel"
        {TwoDirectories, {0}, {}, {}, {bodies}, false},
        {TwoDirectories, {10001, 0}, {}, {}, {bodies, folders}, false},
        {TwoDirectories, {10001, 10001}, "Alpha.cfg", {}, {bodies, folders}, true},
        {OneDirectory, {10001}, std::nullopt, {}, {bodies}, false},
        {OneDirectory, {10001}, "Alpha.cfg", {}, {bodies}, true},
        {Imported, {10001}, "Alpha.cfg", {no}, {bodies, reload}, false},
        {Imported, {10001}, "Alpha.cfg", {yes}, {bodies, reload}, true},
        {NoLocation, {10001}, "Alpha.cfg", {}, {bodies, failed}, false},
        {BadName, {10001}, "Alpha.cfg", {}, {bodies, failed}, false},
        {LongName, {10001}, "Alpha.cfg", {}, {bodies, failed}, false},
        {NameTaken, {10001}, "Alpha.cfg", {ok}, {bodies, taken}, false},
    };
    for (const auto& road : roads) {
        SCOPED_TRACE(testing::Message() << "tree " << road.tree << " menus " << road.menus.size());
        test::SimulatorSandbox sandbox;
        std::string alpha = kAlpha;
        if (road.tree == NoLocation)
            alpha = "Name = Alpha\r\n";
        if (road.tree == LongName)
            alpha.replace(alpha.find("Alpha"), 5, std::string(300, 'A'));
        if (road.tree == BadName)
            alpha.replace(alpha.find("Alpha"), 5, "..\\x");
        WriteNativeFile(sandbox.SimNative("Config/Earth/Base/Alpha.cfg"), alpha);
        if (road.tree == NoSimulator)
            WriteRegistryValue("Astrel 2010 Path", "");
        if (road.tree == NoBases) {
            stdfs::remove(sandbox.SimNative("Config/Earth/Base/Alpha.cfg"));
            stdfs::remove(sandbox.SimNative("Config/Earth/Base/Pad.cfg"));
        }
        if (road.tree >= OneDirectory)
            WriteNativeFile(sandbox.SimNative("Config/Earth.cfg"), kOneDirectory);
        if (road.tree == Imported) {
            BaseDocument imported("Alpha", "Earth", LatLon(1, 2));
            imported.SetOrigin("Astrel");
            imported.SetOriginalPath(sandbox.Root() + "Config\\Earth\\Base\\Alpha.cfg");
            imported.SaveToDocuments();
        }
        if (road.tree == NameTaken) {
            BaseDocument other("alpha", "Earth", LatLon(1, 2));
            other.SetConfigSuffix("Earth\\Historic\\");
            other.SaveToDocuments();
        }
        const std::string otherFile =
            sandbox.Dir().NativePath("Documents/Padforge/Earth_Historic_alpha.txt");
        const std::string own = sandbox.Dir().NativePath("Documents/Padforge/Alpha.txt");
        const std::string before = ReadNativeFile(own);
        for (int command : road.menus)
            sandbox.Ui().AnswerNextMenu(command);
        for (MessageAnswer answer : road.boxes)
            sandbox.Ui().AnswerNextMessage(answer);
        DialogRunners runners;
        std::string listed;
        runners.astrelBaseList = [&](const std::string& body, const BodyBaseDirectory& record,
                                     const StringArray& files) {
            listed = body + "|" + record.directory + "|" + files.at(0) + "|" + files.at(1);
            return road.file;
        };
        MainDialogLogic logic(runners);
        logic.OnLoadBaseFromAstrel(nullptr, 12, 34);

        Lines seen = road.seen;
        for (std::string& text : seen)
            text += text == taken ? otherFile : "";
        EXPECT_EQ(sandbox.Ui().CallLines(), seen);
        EXPECT_EQ(sandbox.Ui().WaitCursorDepth(), 0);
        const std::string after = ReadNativeFile(own);
        EXPECT_EQ(after != before, road.imported);
        if (!road.menus.empty() && road.menus[0] == 10001)
            EXPECT_EQ(sandbox.Ui().MenuRequests()[0].options, (StringArray{"Earth", "Cancel"}));
        if (road.imported) {
            EXPECT_EQ(listed, "Earth|Earth\\Base\\|Alpha.cfg|Pad.cfg");
            EXPECT_EQ(logic.Entries().at(0).text, "Earth\\Alpha");
            for (const std::string& line :
                 {"PFG_CONFIG_SUFFIX Earth\\Base\\\r\nPFG_ORIGIN Astrel\r\nPFG_ORIGINAL_PATH " +
                      sandbox.Root() + "Config\\Earth\\Base\\Alpha.cfg\r\n",
                  std::string("VOR ALP")})
                EXPECT_NE(after.find(line), std::string::npos) << line;
        }
    }
}

} // namespace
} // namespace pf
