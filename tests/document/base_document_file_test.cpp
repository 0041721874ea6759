// The own base file: its bytes, its round trip in every locale, refused files, and the
// failures of saving, testing for, reading and deleting a base.
#include "base_document_fixture.h"

#include "foundation/text.h"
#include "support/file_size_limit.h"

#include <clocale>
#include <filesystem>

namespace pf {
namespace {

using OwnFile = test::DocumentTest;
namespace stdfs = std::filesystem;

BaseDocument NewBase(const std::string& name = "Port Alpha") {
    return BaseDocument(name, "Earth", LatLon(-80.6, 28.5));
}

TEST_F(OwnFile, EmptyNewBaseAndItsSimulatorText) {
    const std::string head = "BASE-V2.0\r\nName = Port Alpha\r\nLocation = -80.599998 28.5\r\n"
                             "Size = 1000\r\nObjectSize = 100\r\nMAPOBJECTSTOSPHERE = TRUE\r\n\r\n";
    const std::string sections =
        "BEGIN_NAVBEACON\r\nEND_NAVBEACON\r\n\r\nBEGIN_OBJECTLIST\r\n\r\nEND_OBJECTLIST\r\n\r\n"
        "BEGIN_SURFTILELIST\r\nEND_SURFTILELIST\r\n\r\n";
    BaseDocument base = NewBase();
    EXPECT_EQ(test::WrittenText(base),
              head +
                  "PFG_BODY_NAME Earth\r\nPFG_FILE_NAME \r\nPFG_CONFIG_SUFFIX Earth\\Base\\\r\n"
                  "PFG_ORIGIN User Created\r\nPFG_ORIGINAL_PATH \r\nPFG_CONTEXT \r\n"
                  "PFG_PERIOD_BEGIN \r\nPFG_PERIOD_END \r\nPFG_NEEDS_LOADING TRUE\r\n"
                  "PFG_NEEDS_RENDERING TRUE\r\n\r\n" +
                  sections);
    EXPECT_EQ(test::WrittenText(base, false), head + sections);
    base.SetPosition(LatLon(-1e-8, 45.5));
    EXPECT_NE(test::WrittenText(base).find("\r\nLocation = 0 45.5\r\n"), std::string::npos);
}

TEST_F(OwnFile, RoundTripGivesTheSameBytesInEveryLocale) {
    std::string reference;
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        struct Restore {
            ~Restore() { std::setlocale(LC_ALL, "C"); }
        } restore;
        if (!std::setlocale(LC_ALL, locale)) {
            GTEST_SKIP() << locale << " is not installed (scripts/bootstrap makes it)";
        }
        // A new base never replaces a file: the last locale's file goes first.
        stdfs::remove(Docs("Earth_Base_Historic_Port Alpha.txt"));
        ASSERT_TRUE(test::SampleBase().SaveToDocuments());
        const std::string saved = test::ReadNativeFile(Docs("Earth_Base_Historic_Port Alpha.txt"));
        const BaseDocument loaded("Earth_Base_Historic_Port Alpha.txt");
        EXPECT_TRUE(loaded.IsLoaded());
        // Every field is in the bytes, both flags included.
        EXPECT_EQ(test::WrittenText(loaded), saved);
        std::string all = saved + test::WrittenText(loaded, false);
        LabeledStringArray scenarios;
        loaded.BuildScenarios(scenarios);
        for (const LabeledString& scenario : scenarios) {
            all += scenario.label + scenario.text;
        }
        EXPECT_EQ(all, reference.empty() ? reference = all : reference) << locale;
    }
}

TEST_F(OwnFile, HandWrittenFiles) {
    const std::string good = test::WrittenText(NewBase());
    std::string lfOnly = good;
    std::string smallTrue = good;
    ReplaceAllText(lfOnly, "\r\n", "\n");
    ReplaceAllText(smallTrue, "LOADING TRUE", "LOADING true");
    std::string nameless = good;
    ReplaceAllText(nameless, "Name = Port Alpha\r\n", "Name = \r\n");
    // The bytes and what is missing; "" loads. Nothing is read from a file that does not
    // read whole, and its one message names it.
    const std::string notBase = "Not a base file: it does not begin with BASE-V2.0";
    std::vector<std::pair<std::string, std::string>> rows = {
        {good.substr(0, 10), "Error with base file: it is shorter than the BASE-V2.0 line"},
        {"BASE-V2.1\r\n", notBase},
        {lfOnly, notBase},
        {smallTrue, ""},
        {good.substr(0, good.find("END_OBJECTLIST")), "Couldn't find END_OBJECTLIST"},
        {good.substr(0, good.find("END_SURFTILELIST")), "Couldn't find END_SURFTILELIST"},
        {nameless, "Couldn't find base name: its Name line is empty"}};
    for (auto [key, what] : {std::pair{"BODY_NAME", "body name"},
                             {"FILE_NAME", "file name"},
                             {"CONFIG_SUFFIX", "config suffix"},
                             {"ORIGIN ", "origin"},
                             {"ORIGINAL", "original path"},
                             {"CONTEXT", "context"},
                             {"PERIOD_BEGIN", "period begin"},
                             {"PERIOD_END", "period end"},
                             {"NEEDS_LOADING", "needs loading flag"},
                             {"NEEDS_RENDERING", "needs rendering flag"}}) {
        const size_t at = good.find(std::string("PFG_") + key);
        rows.emplace_back(good.substr(0, at) + good.substr(good.find("\r\n", at) + 2),
                          std::string("Couldn't find ") + what);
    }
    for (const auto& [bytes, missing] : rows) {
        test::WriteNativeFile(Docs("Hand.txt"), bytes);
        Run(
            [&] {
                const BaseDocument read("Hand.txt");
                EXPECT_EQ(read.IsLoaded() && read.GetNeedsLoading(), missing.empty()) << bytes;
                EXPECT_EQ(read.GetName().empty(), !missing.empty()) << "nothing read";
                EXPECT_EQ(read.SaveToDocuments(), missing.empty());
                return true;
            },
            missing.empty()
                ? std::vector<std::string>{}
                : std::vector<std::string>{
                      "fail Couldn't read base file " + Docs("Hand.txt") + "\r\n" + missing,
                      "box Couldn't save base: its own file could not be read.\r\nFile: " +
                          Docs("Hand.txt")});
    }
}

TEST_F(OwnFile, SavingTestingReadingAndDeletingFailSafely) {
    for (const char* name : {"", "a/b", "..", "a=b", " a", "a  b"}) {
        Run([&] { return NewBase(name).SaveToDocuments(); }, {"box Base name not valid"});
    }
    EXPECT_TRUE(test::NativeNames(Docs()).empty()) << "nothing written";

    BaseDocument base = test::SampleBase();
    base.SetConfigSuffix("Earth\\Base\\");
    ASSERT_TRUE(base.SaveToDocuments());
    const std::string old = test::ReadNativeFile(Docs("Port Alpha.txt"));
    base.SetContext("CONTEXT Winter");
    {
        test::ScopedFileSizeLimit limit(200);
        ASSERT_TRUE(limit.IsSet());
        EXPECT_FALSE(Run([&] { return base.SaveToDocuments(); },
                         {"box Couldn't save base to file. Check Permissions.\r\nFile: " +
                          Docs("Port Alpha.txt")}));
    }
    EXPECT_EQ(test::ReadNativeFile(Docs("Port Alpha.txt")), old);

    EXPECT_FALSE(BaseDocument::BaseFileExists("Missing.txt"));
    test::WriteNativeFile(Docs("Damaged.txt"), "BASE-V2.");
    EXPECT_TRUE(Run([] { return BaseDocument::BaseFileExists("Damaged.txt"); },
                    {"fail Couldn't read base file " + Docs("Damaged.txt") +
                     "\r\nError with base file: it is shorter than the BASE-V2.0 line"}));
    std::string body;
    std::string name;
    test::WriteNativeFile(Docs("Bare.txt"), "PFG_BODY_NAME Moon\r\nName = Bare\r\n");
    for (const char* file : {"Port Alpha.txt", "Bare.txt"}) {
        EXPECT_TRUE(BaseDocument::LoadBodyName(body, name, file));
        EXPECT_EQ(body + "|" + name, file[0] == 'P' ? "Earth|Port Alpha" : "Moon|Bare");
    }
    // An empty Name line names no base, so no name counts as taken by it.
    test::WriteNativeFile(Docs("Nameless.txt"), "PFG_BODY_NAME Moon\r\nName = \r\n");
    EXPECT_FALSE(BaseDocument::LoadBodyName(body, name, "Nameless.txt"));
    stdfs::remove(Docs("Nameless.txt"));

    // The work folder goes with its own files; a missing one is made and removed again.
    for (const char* file :
         {"Textures2/a.dds", "Config/Earth/Base/Port_Alpha.cfg", "Scenarios/Padforge/At.scn"}) {
        test::WriteNativeFile(Docs("Port Alpha/") + file, "x");
    }
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_TRUE(Run([] { return BaseDocument::DeleteBase("Port Alpha.txt"); }, {}));
        EXPECT_FALSE(stdfs::exists(Docs("Port Alpha")) || stdfs::exists(Docs("Port Alpha.txt")));
        ASSERT_TRUE(base.SaveToDocuments());
    }
    // A damaged file takes nothing else with it, and goes without a word; a folder is no
    // base file.
    EXPECT_TRUE(Run([] { return BaseDocument::DeleteBase("Damaged.txt"); }, {}));
    EXPECT_EQ(test::NativeNames(Docs()).size(), 2u) << "Port Alpha.txt and Bare.txt stay";
    stdfs::create_directories(Docs("Folder.txt"));
    EXPECT_FALSE(
        Run([] { return BaseDocument::DeleteBase("Folder.txt"); }, {"box Couldn't delete file"}));

    BlockDocuments();
    const std::string none = "fail default path not valid\r\n";
    Run([&] { return base.SaveToDocuments(); }, {none, "box Couldn't find documents path"});
    Run([] { return BaseDocument::BaseFileExists("Bare.txt"); },
        {none, "box Couldn't find documents path"});
    Run([] { return BaseDocument::DeleteBase("Bare.txt"); }, {none, "fail Couldn't delete file"});
}

// A whole copy of a base under another file name names the same base: saving it would
// replace the base's own file and deleting it would take the base's work folder.
TEST_F(OwnFile, ACopyUnderAnotherNameReplacesAndDeletesOnlyItself) {
    BaseDocument base = NewBase();
    ASSERT_TRUE(base.SaveToDocuments());
    ASSERT_TRUE(base.WriteWorkConfig());
    const std::string own = test::ReadNativeFile(Docs("Port Alpha.txt"));
    test::WriteNativeFile(Docs("Copy.txt"), own);
    BaseDocument copy("Copy.txt");
    ASSERT_TRUE(copy.IsLoaded());
    copy.SetContext("CONTEXT Winter");
    EXPECT_FALSE(
        Run([&] { return copy.SaveToDocuments(); },
            {"box Couldn't save base over another base's file.\r\nFile: " + Docs("Port Alpha.txt") +
             "\r\nThis base was read from: " + Docs("Copy.txt")}));
    EXPECT_FALSE(Run([] { return NewBase().SaveToDocuments(); },
                     {"box Couldn't save base: another base's file stands there.\r\nFile: " +
                      Docs("Port Alpha.txt")}));
    EXPECT_EQ(test::ReadNativeFile(Docs("Port Alpha.txt")), own);
    // Its own file, read again in other letter case, is the one a base saves over.
    BaseDocument read("port alpha.TXT");
    read.SetContext("CONTEXT Winter");
    EXPECT_TRUE(Run([&] { return read.SaveToDocuments(); }, {}));
    EXPECT_TRUE(Run([] { return BaseDocument::DeleteBase("Copy.txt"); }, {}));
    EXPECT_TRUE(stdfs::is_directory(Docs("Port Alpha/Config")));
    EXPECT_NE(test::ReadNativeFile(Docs("Port Alpha.txt")).find("CONTEXT Winter"),
              std::string::npos);
}

} // namespace
} // namespace pf
