#include "workspace/file_manager.h"

#include "foundation/stream.h"
#include "support/file_manager_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pf {
namespace {

using test::RecordBytes;

std::unique_ptr<MemStream> StreamOf(const std::string& bytes) {
    auto stream = std::make_unique<MemStream>();
    if (!bytes.empty())
        stream->Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    stream->SeekToBegin();
    return stream;
}

std::string BytesOf(MyStream& stream) {
    std::string bytes(static_cast<size_t>(stream.GetLength()), '\0');
    stream.SeekToBegin();
    if (!bytes.empty())
        stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return bytes;
}

std::string Written(const FileManager& manager) {
    MemStream stream;
    EXPECT_TRUE(manager.Write(stream));
    return BytesOf(stream);
}

std::vector<std::string> Roots(const FileManager& manager) {
    std::vector<std::string> roots;
    for (const Astrel2010& installation : manager.Installations())
        roots.push_back(installation.root);
    return roots;
}

TEST(InstalledBasesFormat, EmptyRecordIsFourZeroBytes) {
    FileManager manager;
    EXPECT_EQ(Written(manager), std::string(4, '\0'));
    for (int32_t count : {0, -1, -2147483647 - 1}) {
        FileManager loaded;
        EXPECT_TRUE(loaded.Read(*StreamOf(RecordBytes().Int32(count).Bytes()))) << count;
        EXPECT_TRUE(loaded.Installations().empty());
    }
}

TEST(InstalledBasesFormat, OneInstallationIsExactly87Bytes) {
    FileManager manager;
    Astrel2010* installation = nullptr;
    ASSERT_TRUE(manager.FindOrCreateInstallation("\\s\\", installation));
    installation->AddFile("\\s\\Config\\Earth\\Base\\Pad.cfg", "Earth\\Base\\Pad.cfg");
    const std::string expected = RecordBytes()
                                     .Int32(1)
                                     .String("\\s\\")
                                     .Int32(1)
                                     .String("1.1.15")
                                     .String("Earth\\Base\\Pad.cfg")
                                     .String("")
                                     .Int32(1)
                                     .String("\\s\\Config\\Earth\\Base\\Pad.cfg")
                                     .Bytes();
    ASSERT_EQ(expected.size(), 87u);
    const std::string written = Written(manager);
    EXPECT_EQ(written, expected);

    FileManager reread;
    EXPECT_TRUE(reread.Read(*StreamOf(written)));
    EXPECT_EQ(Written(reread), expected);
    ASSERT_EQ(reread.Installations().size(), 1u);
    const Astrel2010& first = reread.Installations().front();
    ASSERT_EQ(first.bases.size(), 1u);
    EXPECT_EQ(first.bases[0].name, "Earth\\Base\\Pad.cfg");
    EXPECT_EQ(first.bases[0].files, StringArray{"\\s\\Config\\Earth\\Base\\Pad.cfg"});
    EXPECT_EQ(first.bases[0].version, "1.1.15");
}

TEST(InstalledBasesFormat, BaseWithoutFilesAndBytesKeptAsStored) {
    // Text is kept byte for byte, CP1252 degree sign included.
    const std::string bytes = RecordBytes()
                                  .Int32(1)
                                  .String("D:\\Sim\xB0\\")
                                  .Int32(1)
                                  .CurrentBase("Moon\\Base\\A.cfg", {})
                                  .Bytes();
    FileManager manager;
    EXPECT_TRUE(manager.Read(*StreamOf(bytes)));
    EXPECT_EQ(Written(manager), bytes);
}

TEST(InstalledBasesLegacy, OlderFormsConvertToFullPaths) {
    const std::string root = "R:\\Sim\\";
    const std::string bytes = RecordBytes()
                                  .Int32(1)
                                  .String(root)
                                  .Int32(3)
                                  // "1.1.3" with an empty name: the first .cfg names it.
                                  .String("1.1.3")
                                  .String("")
                                  .String("reserved")
                                  .Int32(3)
                                  .String("Textures2\\t.dds")
                                  .String("Config\\Moon\\Base\\A.cfg")
                                  .String("Config\\Moon\\Base\\B.cfg")
                                  // "1.0.8": no name string at all.
                                  .String("1.0.8")
                                  .String("")
                                  .Int32(1)
                                  .String("config\\Mars\\Base\\M.CFG")
                                  // Untagged: the first string is the file stem.
                                  .String("Pad")
                                  .Int32(2)
                                  .String("a.dds")
                                  .String("b.dds")
                                  .Bytes();
    FileManager manager;
    EXPECT_TRUE(manager.Read(*StreamOf(bytes)));
    ASSERT_EQ(manager.Installations().size(), 1u);
    const std::vector<BaseFileList>& bases = manager.Installations().front().bases;
    ASSERT_EQ(bases.size(), 3u);
    EXPECT_EQ(bases[0].name, "Moon\\Base\\A.cfg");
    EXPECT_EQ(bases[0].files,
              (StringArray{root + "Textures2\\t.dds", root + "Config\\Moon\\Base\\A.cfg",
                           root + "Config\\Moon\\Base\\B.cfg"}));
    EXPECT_EQ(bases[1].name, "Mars\\Base\\M.CFG");
    EXPECT_EQ(bases[1].files, StringArray{root + "config\\Mars\\Base\\M.CFG"});
    EXPECT_EQ(bases[2].name, "Earth\\Base\\Pad.cfg");
    EXPECT_EQ(bases[2].files, (StringArray{root + "Config\\Earth\\Base\\Pad.cfg",
                                           root + "Textures\\a.dds", root + "Textures\\b.dds"}));
    for (const BaseFileList& base : bases)
        EXPECT_EQ(base.version, "1.1.15");

    // The next write holds only current-form entries with full paths.
    const std::string expected =
        RecordBytes()
            .Int32(1)
            .String(root)
            .Int32(3)
            .CurrentBase("Moon\\Base\\A.cfg",
                         {root + "Textures2\\t.dds", root + "Config\\Moon\\Base\\A.cfg",
                          root + "Config\\Moon\\Base\\B.cfg"})
            .CurrentBase("Mars\\Base\\M.CFG", {root + "config\\Mars\\Base\\M.CFG"})
            .CurrentBase("Earth\\Base\\Pad.cfg",
                         {root + "Config\\Earth\\Base\\Pad.cfg", root + "Textures\\a.dds",
                          root + "Textures\\b.dds"})
            .Bytes();
    EXPECT_EQ(Written(manager), expected);
}

TEST(InstalledBasesLegacy, NamedOldEntryKeepsItsName) {
    const std::string bytes = RecordBytes()
                                  .Int32(1)
                                  .String("R\\")
                                  .Int32(1)
                                  .String("1.1.3")
                                  .String("Config\\Earth\\Base\\X.cfg")
                                  .String("")
                                  .Int32(1)
                                  .String("Config\\Earth\\Base\\Y.cfg")
                                  .Bytes();
    FileManager manager;
    EXPECT_TRUE(manager.Read(*StreamOf(bytes)));
    const BaseFileList& base = manager.Installations().front().bases.at(0);
    EXPECT_EQ(base.name, "Earth\\Base\\X.cfg");
    EXPECT_EQ(base.files, StringArray{"R\\Config\\Earth\\Base\\Y.cfg"});
}

// Each damaged record keeps the installations read completely before the damage.
TEST(InstalledBasesDamage, LoadStopsAtTheFirstDamagedEntry) {
    const std::string good = RecordBytes()
                                 .String("\\good\\")
                                 .Int32(1)
                                 .CurrentBase("Earth\\Base\\G.cfg", {"\\good\\g"})
                                 .Bytes();
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> roots;
    };
    const std::string tenMillion(10000000, 'x');
    const std::string truncated_file = RecordBytes()
                                           .Int32(2)
                                           .Raw(good)
                                           .String("\\bad\\")
                                           .Int32(1)
                                           .CurrentBase("K", {"abc"})
                                           .Bytes();
    const std::vector<Case> cases = {
        {"string of exactly 10,000,000 bytes",
         RecordBytes().Int32(2).Raw(good).String(tenMillion).Int32(0).Bytes(),
         {"\\good\\", tenMillion}},
        {"string count 10,000,001",
         RecordBytes()
             .Int32(2)
             .Raw(good)
             .Int32(10000001)
             .Raw(std::string(10000001, 'x'))
             .Int32(0)
             .Bytes(),
         {"\\good\\"}},
        {"negative string count",
         RecordBytes().Int32(2).Raw(good).Int32(-1).Int32(0).Bytes(),
         {"\\good\\"}},
        {"huge file count at the end",
         RecordBytes()
             .Int32(2)
             .Raw(good)
             .String("\\bad\\")
             .Int32(1)
             .String("1.1.15")
             .String("K")
             .String("")
             .Int32(0x7FFFFFFF)
             .Bytes(),
         {"\\good\\"}},
        {"huge installation count", RecordBytes().Int32(0x7FFFFFFF).Raw(good).Bytes(), {}},
        {"huge base count",
         RecordBytes().Int32(2).Raw(good).String("\\bad\\").Int32(0x40000000).Bytes(),
         {"\\good\\"}},
        {"truncated base",
         RecordBytes()
             .Int32(2)
             .Raw(good)
             .String("\\bad\\")
             .Int32(1)
             .String("1.1.15")
             .String("K")
             .Bytes(),
         {"\\good\\"}},
        {"truncated file string",
         truncated_file.substr(0, truncated_file.size() - 1),
         {"\\good\\"}},
        {"empty current-form name drops its whole installation",
         RecordBytes()
             .Int32(3)
             .Raw(good)
             .String("\\bad\\")
             .Int32(2)
             .CurrentBase("K", {})
             .CurrentBase("", {})
             .Raw(good)
             .Bytes(),
         {"\\good\\"}},
        {"1.0.8 entry without a .cfg file",
         RecordBytes()
             .Int32(2)
             .Raw(good)
             .String("\\bad\\")
             .Int32(1)
             .String("1.0.8")
             .String("")
             .Int32(1)
             .String("t.dds")
             .Bytes(),
         {"\\good\\"}},
        {"fewer installations than counted",
         RecordBytes().Int32(2).Raw(good).Bytes(),
         {"\\good\\"}},
    };
    for (const Case& c : cases) {
        FileManager manager;
        const bool complete = c.roots.size() == 2;
        EXPECT_EQ(manager.Read(*StreamOf(c.bytes)), complete) << c.what;
        EXPECT_EQ(Roots(manager), c.roots) << c.what;
    }
}

TEST(InstalledBasesDamage, EmbeddedNulEndsTheText) {
    const std::string bytes =
        RecordBytes().Int32(1).String(std::string("\\s\0x\\", 5)).Int32(0).Bytes();
    FileManager manager;
    EXPECT_TRUE(manager.Read(*StreamOf(bytes)));
    EXPECT_EQ(Roots(manager), std::vector<std::string>{"\\s"});
}

TEST(InstalledBasesLookups, RootsAndKeysIgnoreCaseOnly) {
    const std::string bytes = RecordBytes()
                                  .Int32(2)
                                  .String("\\Sim\\")
                                  .Int32(1)
                                  .CurrentBase("Earth\\Base\\A.cfg", {"first"})
                                  .String("\\SIM\\")
                                  .Int32(1)
                                  .CurrentBase("Earth\\Base\\B.cfg", {"second"})
                                  .Bytes();
    FileManager manager;
    ASSERT_TRUE(manager.Read(*StreamOf(bytes)));
    ASSERT_EQ(Roots(manager), (std::vector<std::string>{"\\Sim\\", "\\SIM\\"}));

    Astrel2010* found = nullptr;
    ASSERT_TRUE(manager.FindOrCreateInstallation("\\sim\\", found));
    EXPECT_EQ(found, &manager.Installations().front());
    EXPECT_TRUE(manager.IsBaseInstalledAt("\\SIM\\", "earth\\base\\a.CFG"));
    EXPECT_FALSE(manager.IsBaseInstalledAt("\\SIM\\", "Earth\\Base\\B.cfg"));
    EXPECT_EQ(manager.Installations().size(), 2u);

    // No trailing backslash: another root, which the question does not add.
    EXPECT_FALSE(manager.IsBaseInstalledAt("\\Sim", "Earth\\Base\\A.cfg"));
    ASSERT_EQ(Roots(manager), (std::vector<std::string>{"\\Sim\\", "\\SIM\\"}));
    // A new installation keeps its address while more are added.
    Astrel2010* made = nullptr;
    manager.FindOrCreateInstallation("\\Sim", made);
    ASSERT_EQ(Roots(manager), (std::vector<std::string>{"\\Sim\\", "\\SIM\\", "\\Sim"}));
    for (int i = 0; i < 50; ++i)
        manager.AddInstallation(Astrel2010());
    Astrel2010* again = nullptr;
    manager.FindOrCreateInstallation("\\Sim", again);
    EXPECT_EQ(made, again);

    BaseFileList out;
    out.files = {"stale"};
    EXPECT_FALSE(manager.Installations().front().GetBaseFiles(out, "Earth\\Base\\B.cfg"));
    EXPECT_TRUE(out.files.empty());
    EXPECT_TRUE(manager.Installations().front().GetBaseFiles(out, "EARTH\\BASE\\A.CFG"));
    EXPECT_EQ(out.name, "Earth\\Base\\A.cfg");
    EXPECT_EQ(out.files, StringArray{"first"});

    std::vector<Astrel2010> copies(3);
    EXPECT_TRUE(manager.GetInstallations(copies));
    EXPECT_EQ(copies.size(), manager.Installations().size());
}

TEST(InstalledBasesLookups, UpdatesAndCopies) {
    Astrel2010 installation;
    installation.root = "\\s\\";
    EXPECT_TRUE(installation.AddFile("\\s\\a.dds", "Earth\\Base\\P.cfg"));
    EXPECT_TRUE(installation.AddFile("\\s\\a.dds", "earth\\base\\p.cfg"));
    EXPECT_TRUE(installation.AddFile("\\s\\b.dds", "Moon\\Base\\Q.cfg"));
    ASSERT_EQ(installation.bases.size(), 2u);
    EXPECT_EQ(installation.bases[0].files, (StringArray{"\\s\\a.dds", "\\s\\a.dds"}));
    EXPECT_EQ(installation.bases[1].version, "1.1.15");

    // AddBase appends without looking at the name; duplicate roots are appended too.
    installation.AddBase(installation.bases[0]);
    EXPECT_EQ(installation.bases.size(), 3u);
    FileManager manager;
    manager.AddInstallation(installation);
    manager.AddInstallation(installation);
    EXPECT_EQ(manager.Installations().size(), 2u);

    BaseFileList original;
    original.name = "K";
    original.files = {"f"};
    original.version = "1.1.3";
    original.readOk = true;
    BaseFileList copy(original);
    EXPECT_EQ(copy.name, "K");
    EXPECT_EQ(copy.files, StringArray{"f"});
    EXPECT_EQ(copy.version, "1.1.15");
    EXPECT_FALSE(copy.readOk);
    BaseFileList assigned;
    assigned = original;
    EXPECT_EQ(assigned.version, "1.1.15");
    EXPECT_FALSE(assigned.readOk);
}

} // namespace
} // namespace pf
