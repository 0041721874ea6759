// The main dialog's list where files of the documents folder are not one base each: bases
// that share a name (and so one work folder) and files that are no base at all.
#include "app/logic/terrafix_logic.h"

#include "document/base_document.h"
#include "support/simulator_sandbox.h"
#include "support/temp_dir.h"
#include "support/tree_manifest.h"
#include "workspace/file_manager.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>

namespace pf {
namespace {

namespace stdfs = std::filesystem;
using test::ReadNativeFile;
using test::WriteNativeFile;
using Lines = std::vector<std::string>;

Lines Listed(const MainDialogLogic& logic) {
    Lines out;
    for (const auto& entry : logic.Entries())
        out.push_back(entry.text + "|" + entry.fileName);
    return out;
}

// The installed-bases record of the key as saved: its name and files.
std::string Record(const std::string& key) {
    FileManager fresh;
    fresh.Load();
    std::string text;
    for (const Astrel2010& installation : fresh.Installations()) {
        BaseFileList list;
        if (installation.GetBaseFiles(list, key)) {
            text += list.name;
            for (const std::string& file : list.files)
                text += "|" + file;
        }
    }
    return text;
}

// The documents folder's file, native.
std::string Doc(const test::SimulatorSandbox& sandbox, const std::string& file) {
    return sandbox.Dir().NativePath("Documents/Padforge/" + file);
}

// "Hist Field" in Earth\Base\ and in Earth\Historic\ (made before names were checked), each
// rendered and installed: deleting either leaves the other's file, its files in the
// shared work folder and its installation record as they were.
TEST(MainDialogNames, TwoBasesOfOneNameNeverHarmEachOther) {
    const std::string files[] = {"Hist Field.txt", "Earth_Historic_Hist Field.txt"};
    for (int deleted = 0; deleted < 2; ++deleted) {
        SCOPED_TRACE(files[deleted]);
        test::SimulatorSandbox sandbox;
        const auto doc = [&](const std::string& f) { return Doc(sandbox, f); };
        std::string keys[2];
        for (int i = 0; i < 2; ++i) {
            BaseDocument base("Hist Field", "Earth", LatLon(i, 2));
            base.SetConfigSuffix(i == 0 ? "Earth\\Base\\" : "Earth\\Historic\\");
            base.SetFileNameFromName("Hist Field");
            keys[i] = sandbox.SaveAsInstalled(base);
        }
        const std::string kept = files[1 - deleted];
        const std::string keptFile = ReadNativeFile(doc(kept));
        const std::string keptRecord = Record(keys[1 - deleted]);
        ASSERT_NE(keptRecord, "");
        const auto work = test::TreeManifest::Of(doc("Hist Field")).files;
        ASSERT_EQ(work.size(), 2u);

        DialogRunners runners;
        MainDialogLogic logic(runners);
        logic.InitDialog();
        ASSERT_EQ(Listed(logic),
                  (Lines{"Earth\\Hist Field (Earth_Historic_Hist Field.txt)|" + files[1],
                         "Earth\\Hist Field (Hist Field.txt)|" + files[0]}));
        sandbox.Ui().AnswerNextMessage(MessageAnswer::Yes);
        logic.OnDeleteBase(deleted == 0 ? 1 : 0);

        EXPECT_EQ(sandbox.Ui().CallLines(),
                  (Lines{"message|Question|Are you sure you want to delete "
                         "the Hist Field base of " +
                         files[deleted] + "?"}));
        EXPECT_FALSE(stdfs::exists(doc(files[deleted])));
        EXPECT_EQ(ReadNativeFile(doc(kept)), keptFile);
        EXPECT_EQ(test::TreeManifest::Of(doc("Hist Field")).files, work);
        EXPECT_EQ(Record(keys[1 - deleted]), keptRecord);
        EXPECT_EQ(Record(keys[deleted]), "");
        EXPECT_EQ(Listed(logic), (Lines{"Earth\\Hist Field|" + kept}));
    }
}

// "Link Field.txt", a second name of "Walk Field.txt" (a symbolic or a hard link), is
// another file of the documents folder: it is never edited, since a save would go to the
// base's file, and deleting its entry removes that name alone. The base's own entry still
// takes its work folder and record with it.
TEST(MainDialogNames, ASecondNameOfABaseFileDeletesOnlyItself) {
    const std::function<void(const stdfs::path&, const stdfs::path&)> links[] = {
        [](const stdfs::path& to, const stdfs::path& at) {
            stdfs::create_symlink(to.filename(), at);
        },
        [](const stdfs::path& to, const stdfs::path& at) { stdfs::create_hard_link(to, at); }};
    for (const auto& link : links) {
        SCOPED_TRACE(&link == &links[0] ? "symbolic link" : "hard link");
        test::SimulatorSandbox sandbox;
        const auto doc = [&](const std::string& f) { return Doc(sandbox, f); };
        const std::string key =
            sandbox.SaveAsInstalled(BaseDocument("Walk Field", "Earth", LatLon(1, 2)));
        link(doc("Walk Field.txt"), doc("Link Field.txt"));
        const std::string own = ReadNativeFile(doc("Walk Field.txt"));
        const auto work = test::TreeManifest::Of(doc("Walk Field")).files;
        const std::string record = Record(key);
        ASSERT_NE(record, "");

        int edited = 0;
        DialogRunners runners;
        runners.editBase = [&](const BaseDocument& d) {
            ++edited;
            d.SaveToDocuments();
        };
        MainDialogLogic logic(runners);
        logic.InitDialog();
        ASSERT_EQ(Listed(logic), (Lines{"Earth\\Walk Field (Link Field.txt)|Link Field.txt",
                                        "Earth\\Walk Field (Walk Field.txt)|Walk Field.txt"}));
        sandbox.Ui().AnswerNextMessage(MessageAnswer::Ok);
        logic.OnEditBase(0);
        sandbox.Ui().AnswerNextMessage(MessageAnswer::Yes);
        logic.OnDeleteBase(0);
        EXPECT_EQ(edited, 0);
        EXPECT_EQ(sandbox.Ui().CallLines(),
                  (Lines{"message|Error|Couldn't edit base: another base's file has its "
                         "name.\r\nFile: " +
                             doc("Walk Field.txt") +
                             "\r\nThis base was read from: " + doc("Link Field.txt"),
                         "message|Question|Are you sure you want to delete the Walk Field base "
                         "of Link Field.txt?"}));
        EXPECT_FALSE(stdfs::exists(stdfs::symlink_status(doc("Link Field.txt"))));
        EXPECT_EQ(ReadNativeFile(doc("Walk Field.txt")), own);
        EXPECT_EQ(test::TreeManifest::Of(doc("Walk Field")).files, work);
        EXPECT_EQ(Record(key), record);
        EXPECT_EQ(Listed(logic), (Lines{"Earth\\Walk Field|Walk Field.txt"}));

        sandbox.Ui().AnswerNextMessage(MessageAnswer::Yes);
        logic.OnDeleteBase(0);
        EXPECT_TRUE(test::NativeNames(doc("")).empty());
        EXPECT_EQ(Record(key), "");
    }
}

// The base's own entry deleted while another file still names the base: a hard link or a
// whole copy reads whole and can be edited once the base's file is gone, so the work folder
// and record stay for it; a cut-off copy can never be edited and a symbolic link leads
// nowhere once the file goes: they keep nothing. Deleting the other file afterwards leaves
// nothing behind.
TEST(MainDialogNames, DeletingABaseKeepsItsFilesOnlyForAnotherWholeFile) {
    for (const char* other : {"hard link", "whole copy", "cut-off copy", "symbolic link"}) {
        SCOPED_TRACE(other);
        const bool whole = other[0] == 'h' || other[0] == 'w';
        test::SimulatorSandbox sandbox;
        const auto doc = [&](const std::string& f) { return Doc(sandbox, f); };
        const std::string key =
            sandbox.SaveAsInstalled(BaseDocument("Walk Field", "Earth", LatLon(1, 2)));
        const std::string own = ReadNativeFile(doc("Walk Field.txt"));
        if (other[0] == 'h')
            stdfs::create_hard_link(doc("Walk Field.txt"), doc("Other Field.txt"));
        else if (other[0] == 'w')
            WriteNativeFile(doc("Other Field.txt"), own);
        else if (other[0] == 's')
            stdfs::create_symlink("Walk Field.txt", doc("Other Field.txt"));
        else
            WriteNativeFile(doc("Other Field.txt"), own.substr(0, own.find("END_OBJECTLIST")));
        const auto work = test::TreeManifest::Of(doc("Walk Field")).files;
        const std::string record = Record(key);
        DialogRunners runners;
        MainDialogLogic logic(runners);
        logic.InitDialog();
        const auto& entries = logic.Entries();
        const auto base = std::find_if(entries.begin(), entries.end(), [](const auto& entry) {
            return entry.fileName == "Walk Field.txt";
        });
        sandbox.Ui().AnswerNextMessage(MessageAnswer::Yes);
        logic.OnDeleteBase(static_cast<int>(base - entries.begin()));
        ASSERT_EQ(stdfs::exists(doc("Walk Field")), whole);
        if (whole) {
            EXPECT_EQ(test::TreeManifest::Of(doc("Walk Field")).files, work);
        }
        EXPECT_EQ(Record(key), whole ? record : "");

        ASSERT_EQ(Listed(logic).size(), 1u);
        sandbox.Ui().AnswerNextMessage(MessageAnswer::Yes);
        logic.OnDeleteBase(0);
        EXPECT_TRUE(test::NativeNames(doc("")).empty());
        EXPECT_EQ(Record(key), "");
        EXPECT_EQ(sandbox.Ui().Failures(), Lines{});
    }
}

// An entry that is a symbolic link goes alone, whatever it leads to: nowhere, or a base
// file outside the documents folder under the base's own name. The file it leads
// to, the base's work folder and its installation record stay as they were.
TEST(MainDialogNames, ALinkEntryIsDeletedAloneWhateverItLeadsTo) {
    const struct {
        const char* entry;
        const char* leadsTo; // relative to the documents folder; "" moves the base outside
        const char* question;
    } rows[] = {
        {"Link Field.txt", "Gone Field.txt",
         "Are you sure you want to delete Link Field.txt? It cannot be read as a base."},
        {"Walk Field.txt", "", "Are you sure you want to delete the Walk Field base?"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.leadsTo);
        test::SimulatorSandbox sandbox;
        const auto doc = [&](const std::string& f) { return Doc(sandbox, f); };
        const std::string key =
            sandbox.SaveAsInstalled(BaseDocument("Walk Field", "Earth", LatLon(1, 2)));
        const std::string own = ReadNativeFile(doc("Walk Field.txt"));
        const std::string outside = sandbox.Dir().NativePath("Walk Field.txt");
        if (row.leadsTo[0] == '\0') {
            stdfs::rename(doc("Walk Field.txt"), outside);
            stdfs::create_symlink(outside, doc(row.entry));
        } else {
            stdfs::create_symlink(row.leadsTo, doc(row.entry));
        }
        const auto work = test::TreeManifest::Of(doc("Walk Field")).files;
        const std::string record = Record(key);
        ASSERT_NE(record, "");

        DialogRunners runners;
        MainDialogLogic logic(runners);
        logic.InitDialog();
        const auto& entries = logic.Entries();
        const auto link = std::find_if(entries.begin(), entries.end(), [&](const auto& entry) {
            return entry.fileName == row.entry;
        });
        ASSERT_NE(link, entries.end());
        sandbox.Ui().AnswerNextMessage(MessageAnswer::Yes);
        logic.OnDeleteBase(static_cast<int>(link - entries.begin()));

        EXPECT_EQ(sandbox.Ui().CallLines(), Lines{std::string("message|Question|") + row.question});
        EXPECT_FALSE(stdfs::exists(stdfs::symlink_status(doc(row.entry))));
        EXPECT_EQ(ReadNativeFile(row.leadsTo[0] == '\0' ? outside : doc("Walk Field.txt")), own);
        EXPECT_EQ(test::TreeManifest::Of(doc("Walk Field")).files, work);
        EXPECT_EQ(Record(key), record);
    }
}

// "Load Base From Astrel" of Earth\\Base\\SampleField.cfg ("Name = Sample Field") while
// "Sample Field.txt" stands in the documents folder. Only a base read whole from that very
// file, wherever the simulator folder stood then, is replaced, and only on request; any
// other is the person's work and stays byte for byte whatever the answers.
TEST(MainDialogNames, LoadingFromTheTreeReplacesOnlyABaseReadFromThatFile) {
    enum Before {
        MadeByPerson,
        ReadFromAnotherFile,
        ReadFromAnotherBody,
        CutOff,
        MarkedOwn,
        ReadBeforeTheTreeMoved,
        Read,
        ReadAndLinked, // a second name of its file, a symbolic link, is another base's file
        ReadAndHardLinked
    };
    const MessageAnswer yes = MessageAnswer::Yes, no = MessageAnswer::No;
    const struct {
        Before before;
        MessageAnswer answer;
        bool asked;
        bool replaced;
    } rows[] = {
        {MadeByPerson, yes, false, false},
        {ReadFromAnotherFile, yes, false, false},
        {ReadFromAnotherBody, yes, false, false},
        {CutOff, yes, false, false},
        {MarkedOwn, yes, false, false},
        {ReadBeforeTheTreeMoved, yes, true, true},
        {Read, no, true, false},
        {Read, yes, true, true},
        {ReadAndLinked, yes, false, false},
        {ReadAndHardLinked, yes, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "before " << row.before << " answer " << static_cast<int>(row.answer));
        test::SimulatorSandbox sandbox;
        const std::string docs = sandbox.Dir().NativePath("Documents/Padforge/");
        const std::string field = "BASE-V2.0\r\nName = Sample Field\r\nLocation = 1 2\r\n";
        WriteNativeFile(sandbox.SimNative("Config/Earth/Base/SampleField.cfg"), field);
        WriteNativeFile(sandbox.SimNative("Config/Earth/Base/OtherField.cfg"), field);
        DialogRunners runners;
        std::string chosen;
        runners.astrelBaseList = [&](const std::string&, const BodyBaseDirectory&,
                                     const StringArray&) {
            return std::optional<std::string>(chosen);
        };
        MainDialogLogic logic(runners);
        const auto load = [&](const std::string& file, int body = 10001) {
            chosen = file;
            sandbox.Ui().AnswerNextMenu(body); // Earth, or the Moon (one directory: no menu)
            if (body == 10001) {
                sandbox.Ui().AnswerNextMenu(10001); // Earth\Base\ (its first directory)
            }
            logic.OnLoadBaseFromAstrel(nullptr, 0, 0);
        };
        if (row.before == ReadFromAnotherBody) {
            // The Moon's base of that name and file is saved under the same own-file name.
            WriteNativeFile(sandbox.SimNative("Config/Moon.cfg"),
                            "Name = Moon\r\nSize = 1737400\r\nMass = 7.347e22\r\n"
                            "BEGIN_SURFBASE\r\n  dir Moon\\Base\r\nEND_SURFBASE\r\n");
            WriteNativeFile(sandbox.SimNative("Config/Moon/Base/SampleField.cfg"), field);
            load("SampleField.cfg", 10002);
        } else if (row.before == MadeByPerson) {
            ASSERT_TRUE(logic.CreateNewBase("Sample Field", "Earth", LatLon(1, 2),
                                            {"Earth\\Base\\", "", "", ""}));
        } else {
            load(row.before == ReadFromAnotherFile ? "OtherField.cfg" : "SampleField.cfg");
        }
        std::string own = ReadNativeFile(docs + "Sample Field.txt");
        ASSERT_NE(own.find("Name = Sample Field"), std::string::npos);
        if (row.before == CutOff)
            own.resize(own.find("END_OBJECTLIST"));
        const std::string path = sandbox.Root() + "Config\\Earth\\Base\\SampleField.cfg";
        ASSERT_EQ(own.find(path) == std::string::npos, row.before == MadeByPerson ||
                                                           row.before == ReadFromAnotherFile ||
                                                           row.before == ReadFromAnotherBody);
        if (row.before == MarkedOwn)
            own.replace(own.find("PFG_ORIGIN Astrel"), 17, "PFG_ORIGIN User Created");
        if (row.before == ReadBeforeTheTreeMoved)
            own.replace(own.find(path), path.size(),
                        "D:\\Old Place\\CONFIG\\earth\\BASE\\samplefield.CFG");
        WriteNativeFile(docs + "Sample Field.txt", own);
        if (row.before == ReadAndLinked)
            stdfs::create_symlink("Sample Field.txt", docs + "Link Field.txt");
        if (row.before == ReadAndHardLinked)
            stdfs::create_hard_link(docs + "Sample Field.txt", docs + "Link Field.txt");
        // The tree's file changed since it was read.
        WriteNativeFile(sandbox.SimNative("Config/Earth/Base/SampleField.cfg"),
                        field + "BEGIN_NAVBEACON\r\nVOR SFD 1 2 113.5\r\nEND_NAVBEACON\r\n");
        const auto before = test::TreeManifest::Of(docs, true);
        sandbox.Ui().Clear();
        sandbox.Ui().AnswerNextMessage(row.answer);
        load("SampleField.cfg");

        const bool linked = row.before == ReadAndLinked || row.before == ReadAndHardLinked;
        const std::string refusal =
            row.before == CutOff ? "the file under the name Sample Field cannot be read as a base."
            : linked             ? "another base already has the name Sample Field."
                                 : "a base of your own already has the name Sample Field.";
        EXPECT_EQ(sandbox.Ui().CallLines(),
                  (Lines{"menu||Bodies with bases", "menu||Select directory:",
                         row.asked ? "message|Notification|Base already loaded. Reload?"
                                   : "message|Error|Couldn't load base from Astrel: " + refusal +
                                         "\r\nFile: " + docs +
                                         (linked ? "Link Field.txt" : "Sample Field.txt")}));
        const std::string after = ReadNativeFile(docs + "Sample Field.txt");
        EXPECT_EQ(before.DifferencesTo(test::TreeManifest::Of(docs, true)),
                  row.replaced ? "changed Sample Field.txt\n" : "");
        EXPECT_EQ(after.find("VOR SFD") != std::string::npos, row.replaced);
    }
}

// Files in the documents folder that no base was ever written to: each is listed once by
// its file name without a word, says in the statistics what is wrong, never opens, and
// goes alone when deleted.
TEST(MainDialogNames, FilesThatAreNoBasesAreListedAndDeletedAlone) {
    test::SimulatorSandbox sandbox;
    const auto doc = [&](const std::string& f) { return Doc(sandbox, f); };
    std::string garbage(2000, '\0');
    std::mt19937 random(32);
    for (char& c : garbage)
        c = static_cast<char>(random());
    ASSERT_TRUE(BaseDocument("Walk Field", "Earth", LatLon(1, 2)).SaveToDocuments());
    const std::string good = ReadNativeFile(doc("Walk Field.txt"));
    std::string nameless = good;
    nameless.replace(nameless.find("Name = Walk Field"), 17, "Name = ");
    const struct {
        const char* file;
        std::string bytes;
        const char* problem;
    } rows[] = {
        {"Empty Name.txt", nameless, "Couldn't find base name: its Name line is empty"},
        {"Garbage Field.txt", garbage, "Not a base file: it does not begin with BASE-V2.0"},
        {"No Body.txt", "BASE-V2.0\r\nName = No Body\r\nLocation = 1 2\r\n",
         "Couldn't find body name"},
        {"No Name.txt", "PFG_BODY_NAME Earth\r\nLocation = 1 2\r\n",
         "Not a base file: it does not begin with BASE-V2.0"},
        {"Short.txt", "BASE-V2", "Error with base file: it is shorter than the BASE-V2.0 line"},
    };
    for (const auto& row : rows)
        WriteNativeFile(doc(row.file), row.bytes);
    int edited = 0;
    DialogRunners runners;
    runners.editBase = [&](const BaseDocument&) { ++edited; };
    MainDialogLogic logic(runners);
    logic.InitDialog();
    logic.RefreshBaseList();
    EXPECT_EQ(Listed(logic), (Lines{"Earth\\Walk Field|Walk Field.txt",
                                    "Empty Name.txt (cannot be read)|Empty Name.txt",
                                    "Garbage Field.txt (cannot be read)|Garbage Field.txt",
                                    "No Body.txt (cannot be read)|No Body.txt",
                                    "No Name.txt (cannot be read)|No Name.txt",
                                    "Short.txt (cannot be read)|Short.txt"}));
    EXPECT_TRUE(sandbox.Ui().Calls().empty()) << "listing says nothing";

    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const int at = 1; // the list is sorted and the rows go in order
        logic.OnSelChangeBaseList(at);
        EXPECT_EQ(logic.GetStatisticsText(), std::string("Base Statistics\r\n") + row.file +
                                                 " cannot be read:\r\n" + row.problem);
        logic.OnEditBase(at);
        EXPECT_EQ(edited, 0);
        sandbox.Ui().Clear();
        sandbox.Ui().AnswerNextMessage(MessageAnswer::Yes);
        logic.OnDeleteBase(at);
        EXPECT_EQ(sandbox.Ui().CallLines(),
                  (Lines{std::string("message|Question|Are you sure you want to delete ") +
                         row.file + "? It cannot be read as a base."}));
        EXPECT_FALSE(stdfs::exists(doc(row.file)));
    }
    EXPECT_EQ(Listed(logic), (Lines{"Earth\\Walk Field|Walk Field.txt"}));
    EXPECT_EQ(ReadNativeFile(doc("Walk Field.txt")), good);
}

} // namespace
} // namespace pf
