// The work folder and its subfolders, the simulator's configuration text in the work
// folder and in the temporary file, and the paths that must not leave their folders.
#include "base_document_fixture.h"

#include "platform/fs.h"

#include <filesystem>

namespace pf {
namespace {

using WorkFolder = test::DocumentTest;

size_t FilesBelow(const std::string& native) {
    size_t count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(native)) {
        count += entry.is_regular_file();
    }
    return count;
}

TEST_F(WorkFolder, FoldersAndSimulatorOutput) {
    const BaseDocument base = test::SampleBase();
    const std::string docs = fs::ToInternal(Docs());
    std::string out;
    using Getter = bool (BaseDocument::*)(std::string&) const;
    for (auto [get, folder] : {std::pair<Getter, const char*>{&BaseDocument::GetWorkFolder, ""},
                               {&BaseDocument::WorkSubdirectoryConfig, "Config\\"},
                               {&BaseDocument::WorkSubdirectoryTextures2, "Textures2\\"},
                               {&BaseDocument::WorkSubdirectoryScenarios, "Scenarios\\"}}) {
        EXPECT_TRUE(Run([&] { return (base.*get)(out); }, {}));
        EXPECT_EQ(out, docs + "Port Alpha\\" + folder);
        EXPECT_TRUE(std::filesystem::is_directory(fs::ToNative(out)));
    }

    // The work file makes its folders and is the same when written twice.
    ASSERT_TRUE(base.WriteWorkConfig());
    ASSERT_TRUE(base.WriteWorkConfig());
    EXPECT_EQ(test::ReadNativeFile(Docs("Port Alpha/Config/Earth/Base/Historic/Port_Alpha.cfg")),
              test::WrittenText(base, false));
    EXPECT_EQ(base.GetInstalledConfigPath(),
              sim_.Root() + "Config\\Earth\\Base\\Historic\\Port_Alpha.cfg");
    ASSERT_TRUE(base.WriteTempConfig());
    EXPECT_EQ(test::ReadNativeFile(sim_.Dir().Native() + "/.local/share/Padforge/tempConfig.cfg"),
              test::WrittenText(base, false));

    // Paths that would leave their folder write nothing.
    const size_t files = FilesBelow(sim_.Dir().Native());
    int row = 0;
    for (const char* suffix : {"..\\..\\x\\", "\\abs\\", "a/b\\", "C:x\\", "Earth\\"}) {
        BaseDocument unsafe = base;
        unsafe.SetConfigSuffix(suffix);
        unsafe.SetFileName(++row < 5 ? "P" : "..\\..\\x");
        EXPECT_FALSE(
            Run([&] { return unsafe.WriteWorkConfig(); }, {"fail Couldn't make config file\r\n"}));
        EXPECT_EQ(unsafe.GetInstalledConfigPath(), "") << suffix;
    }
    BaseDocument invalid = base;
    invalid.SetName("a=b");
    EXPECT_FALSE(
        Run([&] { return invalid.GetWorkFolder(out); }, {"fail Couldn't make path: \r\n"}));
    EXPECT_EQ(FilesBelow(sim_.Dir().Native()), files);
    EXPECT_FALSE(std::filesystem::exists(Docs("a=b")));

    // A file standing in place of the work folder counts as the folder.
    test::WriteNativeFile(Docs("Filed"), "x");
    BaseDocument filed = base;
    filed.SetName("Filed");
    EXPECT_FALSE(Run([&] { return filed.WorkSubdirectoryTextures2(out); },
                     {"fail Couldn't make path: " + Docs("Filed/Textures2/") + "\r\n"}));

    sim_.Dir().WriteFile("blocked", "x");
    {
        test::ScopedEnv data("XDG_DATA_HOME", sim_.Dir().NativePath("blocked/data"));
        EXPECT_FALSE(
            Run([&] { return base.WriteTempConfig(); }, {"fail default path not valid\r\n"}));
    }
    // Without the Config folder nothing is written relative to the current folder.
    BlockDocuments();
    test::TempDir current;
    test::ScopedCurrentDir inside(current.Native());
    EXPECT_FALSE(Run([&] { return base.WriteWorkConfig(); },
                     {"fail default path not valid\r\n", "fail Couldn't make path: \r\n",
                      "fail Couldn't make path: \r\n", "fail Couldn't make config file\r\n"}));
    EXPECT_TRUE(test::NativeNames(current.Native()).empty());
}

} // namespace
} // namespace pf
