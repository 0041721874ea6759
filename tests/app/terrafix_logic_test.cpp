#include "app/logic/terrafix_logic.h"

#include "document/base_document.h"
#include "foundation/stream.h"
#include "support/simulator_sandbox.h"
#include "support/temp_dir.h"
#include "workspace/file_manager.h"
#include "workspace/settings.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pf {
namespace {

namespace stdfs = std::filesystem;
using test::ReadNativeFile;
using test::WriteNativeFile;

// Every call the scripted person saw, as "kind|caption|text".
std::vector<std::string> Seen(const test::ScriptedUi& ui) {
    std::vector<std::string> out;
    for (const auto& call : ui.Calls()) {
        out.push_back(call.kind + "|" + call.caption + "|" + call.text);
    }
    return out;
}

std::string Written(const BaseDocument& document) {
    MemStream stream;
    document.WriteBaseFile(stream);
    std::string bytes(stream.GetLength(), '\0');
    stream.SeekToBegin();
    stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return bytes;
}

class MainDialogLogicTest : public ::testing::Test {
  protected:
    std::string Docs() const { return sandbox_.Dir().NativePath("Documents/Padforge"); }
    std::string Own(const std::string& file) const { return ReadNativeFile(Docs() + "/" + file); }
    bool Exists(const std::string& relative) const {
        return stdfs::exists(Docs() + "/" + relative);
    }
    void Save(const std::string& name) {
        ASSERT_TRUE(BaseDocument(name, "Earth", LatLon(10, 20)).SaveToDocuments());
    }
    int IndexOf(const std::string& text) const {
        for (int i = 0; i < logic_.GetCount(); ++i) {
            if (logic_.Entries()[static_cast<size_t>(i)].text == text)
                return i;
        }
        return -1;
    }
    test::ScriptedUi& Ui() { return sandbox_.Ui(); }

    test::SimulatorSandbox sandbox_;
    DialogRunners runners_;
    MainDialogLogic logic_{runners_};
};

TEST_F(MainDialogLogicTest, ListsTheBasesSortedWithTheirFiles) {
    Save("Port Alpha");
    Save("bravo");
    WriteNativeFile(Docs() + "/notes.txt", "Shopping: milk\r\n");
    ASSERT_TRUE(logic_.RefreshBaseList());
    ASSERT_EQ(logic_.GetCount(), 2);
    EXPECT_EQ(logic_.Entries()[0].text, "Earth\\bravo");
    EXPECT_EQ(logic_.Entries()[0].fileName, "bravo.txt");
    EXPECT_EQ(logic_.Entries()[1].text, "Earth\\Port Alpha");
    EXPECT_EQ(logic_.Entries()[1].fileName, "Port Alpha.txt");
    EXPECT_EQ(Ui().Failures(), std::vector<std::string>{"Couldn't find body name"});
    std::string file = "x";
    EXPECT_FALSE(logic_.GetItemFileName(2, file));
    EXPECT_EQ(file, "");

    std::string name, body;
    EXPECT_TRUE(SplitBodyAndName("\\Earth\\\\Port Alpha", name, body));
    EXPECT_EQ(body, "Earth");
    EXPECT_EQ(name, "Port Alpha");
    EXPECT_FALSE(logic_.GetItemBodyAndName(-1, name, body));

    // No documents folder can be made.
    WriteNativeFile(sandbox_.Dir().NativePath("blocked"), "x");
    WriteNativeFile(sandbox_.Dir().NativePath(".config/user-dirs.dirs"),
                    "XDG_DOCUMENTS_DIR=\"$HOME/blocked/Documents\"\n");
    Ui().Clear();
    EXPECT_FALSE(logic_.RefreshBaseList());
    EXPECT_EQ(logic_.GetCount(), 0);
    EXPECT_EQ(Ui().Failures(), (std::vector<std::string>{"default path not valid\r\n",
                                                         "Couldn't load documents path\r\n"}));
}

TEST_F(MainDialogLogicTest, CreateNewBaseRefusesBeforeWritingAnything) {
    Save("Bravo");
    WriteNativeFile(Docs() + "/Charlie.txt", "BASE-V2.0\r\n");
    const BodyBaseDirectory base{"Earth\\Base\\", "", "", ""};
    const struct {
        std::string name;
        double latitude;
        std::string box;
    } rows[] = {
        {"", 0, "Blank name given"},
        {"a\\b", 0, "Invalid name given"},
        {"a/b", 0, "Invalid name given"},
        {"..", 0, "Invalid name given"},
        {"a;b", 0, "Invalid name given"},
        {"a=b", 0, "Invalid name given"},
        {"a  b", 0, "Invalid name given"},
        {" a", 0, "Invalid name given"},
        {"a:b", 0, "Invalid name given"},
        {"a\x01"
         "b",
         0, "Invalid name given"},
        {"Bravo", 0, "Base already exists"},
        {"BRAVO", 0, "Base already exists"},
        {"Charlie", 0, "Base already exists"},
        {"Delta", 91, "Invalid position given"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<std::string> before = test::NativeNames(Docs());
        LatLon position;
        position.SetLongitude(0);
        position.SetLatitude(row.latitude);
        Ui().Clear();
        Ui().AnswerNextMessage(MessageAnswer::Ok);
        EXPECT_FALSE(logic_.CreateNewBase(row.name, "Earth", position, base));
        ASSERT_FALSE(Ui().Calls().empty());
        EXPECT_EQ(Seen(Ui()).back(), "message|Error|" + row.box);
        if (row.latitude == 91) {
            EXPECT_EQ(Ui().Failures(), std::vector<std::string>{
                                           "Might want to check for different lat lon format\r\n"});
        }
        EXPECT_EQ(test::NativeNames(Docs()), before);
    }
}

TEST_F(MainDialogLogicTest, ANewBaseTakesItsDirectoryRecord) {
    const BodyBaseDirectory historic{"Earth\\Historic\\", "CONTEXT Apollo", "40000", "41000"};
    ASSERT_TRUE(logic_.CreateNewBase("Port Alpha", "Earth", LatLon(-80.5, 28.25), historic));
    const std::string own = Own("Earth_Historic_Port Alpha.txt");
    for (const char* line :
         {"Name = Port Alpha\r\nLocation = -80.5 28.25\r\n", "PFG_BODY_NAME Earth\r\n",
          "PFG_FILE_NAME Port_Alpha\r\n", "PFG_CONFIG_SUFFIX Earth\\Historic\\\r\n",
          "PFG_CONTEXT CONTEXT Apollo\r\n", "PFG_PERIOD_BEGIN 40000\r\nPFG_PERIOD_END 41000\r\n"}) {
        EXPECT_NE(own.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(logic_.Entries().at(0).text, "Earth\\Port Alpha");

    // Through the Make New Base runner: nothing after Cancel, the longitude wrapped.
    runners_.makeNewBase = [] { return std::optional<NewBaseRequest>(); };
    logic_.OnMakeNewBase();
    EXPECT_EQ(test::NativeNames(Docs()).size(), 1u);
    runners_.makeNewBase = [] {
        return std::optional<NewBaseRequest>(
            {"Bravo", "Earth", 370.0f, 20.0f, {"Earth\\Base\\", "", "", ""}});
    };
    logic_.OnMakeNewBase();
    EXPECT_NE(Own("Bravo.txt").find("Location = 10 20\r\n"), std::string::npos);
    EXPECT_TRUE(Ui().Calls().empty());
}

TEST_F(MainDialogLogicTest, EditBaseChecksTheFileStillMatchesItsEntry) {
    Save("Port Alpha");
    int edited = 0;
    std::string seen;
    runners_.editBase = [&](const BaseDocument& document) {
        ++edited;
        seen = Written(document);
    };
    logic_.InitDialog();
    const std::string path = Docs() + "/Port Alpha.txt";
    const std::string original = ReadNativeFile(path);
    const struct {
        std::string from, to, failure;
    } changes[] = {
        {"PFG_BODY_NAME Earth", "PFG_BODY_NAME Moon", "Bodies don't match"},
        {"Name = Port Alpha", "Name = Port Beta", "Names don't match"},
    };
    for (const auto& change : changes) {
        std::string text = original;
        text.replace(text.find(change.from), change.from.size(), change.to);
        WriteNativeFile(path, text);
        Ui().Clear();
        logic_.OnEditBase(0);
        EXPECT_EQ(Ui().Failures(), std::vector<std::string>{change.failure});
        EXPECT_EQ(edited, 0);
    }
    WriteNativeFile(path, original);
    const int revision = logic_.ListRevision();
    logic_.OnEditBase(0);
    EXPECT_EQ(edited, 1);
    EXPECT_EQ(seen, Written(BaseDocument("Port Alpha.txt")));
    EXPECT_GT(logic_.ListRevision(), revision);
}

TEST_F(MainDialogLogicTest, DeleteForgetsTheInstalledFilesAndRemovesTheBase) {
    Save("Port Alpha");
    Save("Bravo");
    BaseDocument alpha("Port Alpha.txt");
    ASSERT_TRUE(alpha.WriteWorkConfig());
    const std::string installed = sandbox_.Root() + "Config\\Earth\\Base\\Port_Alpha.cfg";
    WriteNativeFile(sandbox_.SimNative("Config/Earth/Base/Port_Alpha.cfg"), "installed");
    Astrel2010* installation = nullptr;
    ASSERT_TRUE(FileManager::Instance().FindOrCreateInstallation(sandbox_.Root(), installation));
    installation->AddFile(installed, alpha.GetConfigRelativePath());
    ASSERT_TRUE(FileManager::Instance().Save());
    logic_.InitDialog();

    // Bravo no longer loads: only its file goes.
    WriteNativeFile(Docs() + "/Bravo.txt", "BASE-V2.0\r\n");
    Ui().AnswerNextMessage(MessageAnswer::Yes);
    logic_.OnDeleteBase(IndexOf("Earth\\Bravo"));
    EXPECT_EQ(Seen(Ui()).at(0), "message|Question|Are you sure you want to delete the Bravo base?");
    EXPECT_FALSE(Exists("Bravo.txt"));
    EXPECT_TRUE(Exists("Port Alpha.txt"));
    EXPECT_TRUE(Exists("Port Alpha/Config"));
    ASSERT_EQ(logic_.GetCount(), 1);

    Ui().AnswerNextMessage(MessageAnswer::No);
    logic_.OnDeleteBase(0);
    EXPECT_TRUE(Exists("Port Alpha.txt"));

    Ui().AnswerNextMessage(MessageAnswer::Yes);
    logic_.OnDeleteBase(0);
    EXPECT_FALSE(Exists("Port Alpha.txt"));
    EXPECT_FALSE(Exists("Port Alpha"));
    EXPECT_TRUE(stdfs::is_directory(Docs()));
    EXPECT_EQ(ReadNativeFile(sandbox_.SimNative("Config/Earth/Base/Port_Alpha.cfg")), "installed");
    FileManager fresh;
    fresh.Load();
    EXPECT_FALSE(fresh.IsBaseInstalledAt(sandbox_.Root(), alpha.GetConfigRelativePath()));
    EXPECT_EQ(logic_.GetCount(), 0);
}

TEST_F(MainDialogLogicTest, HelpOpensTheManualOfTheInstallFolder) {
    Ui().AnswerNextMessage(MessageAnswer::Ok);
    logic_.OnHelpButton();
    EXPECT_EQ(Seen(Ui()),
              (std::vector<std::string>{"failure|Failure Message|Install path not found\r\n",
                                        "message|Error|Error - couldn't find installation path",
                                        "open document||PFG Manual V2.0.3.pdf"}));
    Ui().Clear();
    WriteRegistryValue("Install Path", sandbox_.Dir().Internal());
    logic_.OnHelpButton();
    EXPECT_EQ(Seen(Ui()), std::vector<std::string>{"open document||" + sandbox_.Dir().Internal() +
                                                   "PFG Manual V2.0.3.pdf"});
}

} // namespace
} // namespace pf
