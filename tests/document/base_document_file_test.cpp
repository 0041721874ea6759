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

const char* const kHead = "BASE-V2.0\r\nName = Port Alpha\r\nLocation = -80.599998 28.5\r\n"
                          "Size = 1000\r\nObjectSize = 100\r\nMAPOBJECTSTOSPHERE = TRUE\r\n\r\n";
const char* const kKeys =
    "PFG_BODY_NAME Earth\r\nPFG_FILE_NAME \r\nPFG_CONFIG_SUFFIX Earth\\Base\\\r\n"
    "PFG_ORIGIN User Created\r\nPFG_ORIGINAL_PATH \r\nPFG_CONTEXT \r\n"
    "PFG_PERIOD_BEGIN \r\nPFG_PERIOD_END \r\nPFG_NEEDS_LOADING TRUE\r\n"
    "PFG_NEEDS_RENDERING TRUE\r\n\r\n";
const char* const kSections =
    "BEGIN_NAVBEACON\r\nEND_NAVBEACON\r\n\r\nBEGIN_OBJECTLIST\r\n\r\n"
    "END_OBJECTLIST\r\n\r\nBEGIN_SURFTILELIST\r\nEND_SURFTILELIST\r\n\r\n";

BaseDocument NewBase(const std::string& name = "Port Alpha") {
    return BaseDocument(name, "Earth", LatLon(-80.6, 28.5));
}

TEST_F(OwnFile, EmptyNewBaseAndItsSimulatorText) {
    const BaseDocument base = NewBase();
    EXPECT_EQ(test::WrittenText(base), std::string(kHead) + kKeys + kSections);
    EXPECT_EQ(test::WrittenText(base, false), std::string(kHead) + kSections);
    BaseDocument near = base;
    near.SetPosition(LatLon(-1e-8, 45.5));
    EXPECT_NE(test::WrittenText(near).find("\r\nLocation = 0 45.5\r\n"), std::string::npos);
}

TEST_F(OwnFile, RoundTripGivesTheSameBytesInEveryLocale) {
    const BaseDocument base = test::SampleBase();
    const std::string own = test::WrittenText(base);
    const std::string simulator = test::WrittenText(base, false);
    LabeledStringArray scenarios;
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        struct Restore {
            ~Restore() { std::setlocale(LC_ALL, "C"); }
        } restore;
        if (!std::setlocale(LC_ALL, locale)) {
            GTEST_SKIP() << locale << " is not installed (scripts/bootstrap makes it)";
        }
        ASSERT_TRUE(base.SaveToDocuments());
        EXPECT_EQ(test::ReadNativeFile(Docs("Earth_Base_Historic_Port Alpha.txt")), own);
        const BaseDocument loaded("Earth_Base_Historic_Port Alpha.txt");
        EXPECT_TRUE(loaded.IsLoaded());
        // Every field is in the bytes, both flags included (needs rendering is FALSE).
        EXPECT_EQ(test::WrittenText(loaded), own);
        EXPECT_EQ(test::WrittenText(loaded, false), simulator);
        // The scenarios of the reloaded base (its position came back through the file).
        LabeledStringArray again;
        loaded.BuildScenarios(again);
        if (scenarios.empty()) {
            scenarios = again;
        }
        ASSERT_EQ(again.size(), 2u);
        for (size_t i = 0; i < again.size(); ++i) {
            EXPECT_EQ(again[i].label, scenarios[i].label);
            EXPECT_EQ(again[i].text, scenarios[i].text);
        }
    }
    EXPECT_TRUE(sim_.Ui().Calls().empty());
}

TEST_F(OwnFile, HandWrittenFiles) {
    const std::string good = test::WrittenText(NewBase());
    std::string lfOnly = good;
    ReplaceAllText(lfOnly, "\r\n", "\n");
    std::string smallTrue = good;
    ReplaceAllText(smallTrue, "LOADING TRUE", "LOADING true");
    std::vector<std::tuple<std::string, bool, std::vector<std::string>>> rows = {
        {good.substr(0, 10), false, {"fail Error with base file"}},
        {"BASE-V2.1\r\n", false, {}},
        {lfOnly, false, {}},
        {smallTrue, true, {}},
    };
    for (auto [key, message] : {std::pair{"PFG_BODY_NAME", "body name"},
                                {"PFG_FILE_NAME", "file name"},
                                {"PFG_CONFIG_SUFFIX", "config suffix"},
                                {"PFG_ORIGIN ", "origin"},
                                {"PFG_ORIGINAL_PATH", "original path"},
                                {"PFG_CONTEXT", "original path"},
                                {"PFG_PERIOD_BEGIN", "original path"},
                                {"PFG_PERIOD_END", "original path"},
                                {"PFG_NEEDS_LOADING", "origin"},
                                {"PFG_NEEDS_RENDERING", "origin"}}) {
        std::string text = good;
        const size_t at = text.find(key);
        text.erase(at, text.find("\r\n", at) + 2 - at);
        rows.emplace_back(text, false,
                          std::vector<std::string>{"fail Couldn't find " + std::string(message)});
    }
    for (const auto& [bytes, loads, shown] : rows) {
        SCOPED_TRACE(bytes.substr(0, 40));
        test::WriteNativeFile(Docs("Hand.txt"), bytes);
        Run(
            [&] {
                const BaseDocument read("Hand.txt");
                EXPECT_EQ(read.IsLoaded(), loads);
                EXPECT_TRUE(!loads || read.GetNeedsLoading()) << "\"true\" reads as set";
                return true;
            },
            shown);
    }
}

TEST_F(OwnFile, SavingTestingReadingAndDeletingFailSafely) {
    namespace stdfs = std::filesystem;
    for (const char* name : {"", "a/b", "..", "a=b", " a", "a  b"}) {
        EXPECT_FALSE(
            Run([&] { return NewBase(name).SaveToDocuments(); }, {"box Base name not valid"}));
    }
    EXPECT_TRUE(test::NativeNames(Docs()).empty()) << "nothing written";

    // A write that fails half-way leaves the old file as it was.
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

    // Existence: a damaged file exists (and shows why it does not load).
    EXPECT_FALSE(Run([] { return BaseDocument::BaseFileExists("Missing.txt"); }, {}));
    test::WriteNativeFile(Docs("Damaged.txt"), "BASE-V2.");
    EXPECT_TRUE(Run([] { return BaseDocument::BaseFileExists("Damaged.txt"); },
                    {"fail Error with base file"}));
    std::string body;
    std::string name;
    EXPECT_TRUE(BaseDocument::LoadBodyName(body, name, "Port Alpha.txt"));
    EXPECT_EQ(body + "|" + name, "Earth|Port Alpha");
    test::WriteNativeFile(Docs("Bare.txt"), "PFG_BODY_NAME Moon\r\nName = Bare\r\n");
    EXPECT_TRUE(BaseDocument::LoadBodyName(body, name, "Bare.txt"));
    EXPECT_EQ(body + "|" + name, "Moon|Bare");

    // Deleting: the work folder's own files go with it.
    std::string work;
    ASSERT_TRUE(base.GetWorkFolder(work));
    for (const char* file :
         {"Textures2/a.dds", "Config/Earth/Base/Port_Alpha.cfg", "Scenarios/Padforge/At.scn"}) {
        test::WriteNativeFile(Docs("Port Alpha/") + file, "x");
    }
    EXPECT_TRUE(Run([] { return BaseDocument::DeleteBase("Port Alpha.txt"); }, {}));
    EXPECT_FALSE(stdfs::exists(Docs("Port Alpha")));
    EXPECT_FALSE(stdfs::exists(Docs("Port Alpha.txt")));
    ASSERT_TRUE(base.SaveToDocuments());
    EXPECT_TRUE(Run([] { return BaseDocument::DeleteBase("Port Alpha.txt"); }, {}));
    EXPECT_FALSE(stdfs::exists(Docs("Port Alpha"))) << "a missing work folder is made and removed";
    // A damaged file takes nothing else with it.
    ASSERT_TRUE(NewBase("Other").SaveToDocuments());
    EXPECT_TRUE(
        Run([] { return BaseDocument::DeleteBase("Damaged.txt"); }, {"fail Error with base file"}));
    EXPECT_TRUE(stdfs::exists(Docs("Other.txt")));
    stdfs::create_directories(Docs("Folder.txt"));
    EXPECT_FALSE(
        Run([] { return BaseDocument::DeleteBase("Folder.txt"); }, {"box Couldn't delete file"}));

    BlockDocuments();
    const std::string noDocuments = "fail default path not valid\r\n";
    EXPECT_FALSE(Run([&] { return base.SaveToDocuments(); },
                     {noDocuments, "box Couldn't find documents path"}));
    EXPECT_FALSE(Run([] { return BaseDocument::BaseFileExists("Other.txt"); },
                     {noDocuments, "box Couldn't find documents path"}));
    EXPECT_FALSE(Run([] { return BaseDocument::DeleteBase("Other.txt"); },
                     {noDocuments, "fail Couldn't delete file"}));
}

} // namespace
} // namespace pf
