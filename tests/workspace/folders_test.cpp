#include "workspace/folders.h"
#include "workspace/logic/set_astrel_path_logic.h"

#include "platform/fs.h"
#include "support/astrel_folder.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pf {
namespace {

namespace stdfs = std::filesystem;
using test::AstrelFolderKind;
using test::MakeAstrelFolder;
using test::SandboxHome;
using test::ScriptedUi;
using Names = std::vector<std::string>;

std::string Internal(const std::string& native) { return fs::ToInternal(native); }

class FoldersTest : public ::testing::Test {
  protected:
    void TearDown() override { SetAstrelPathDlgRunner(nullptr); }

    std::string Docs() const { return Internal(home_.Home()) + "\\Documents\\"; }
    std::string Data() const { return Internal(home_.DataHome()) + "\\"; }

    SandboxHome home_;
    ScriptedUi ui_;
};

TEST_F(FoldersTest, ShellFoldersEndInABackslash) {
    EXPECT_EQ(GetMyDocumentsFolder(), Docs());
    EXPECT_EQ(GetLocalAppDataFolder(), Data());
    EXPECT_EQ(GetPicturesFolder(), Internal(home_.Home()) + "\\Pictures\\");
    std::string out;
    EXPECT_TRUE(GetPicturesPath(out));
    EXPECT_EQ(out, Internal(home_.Home()) + "\\Pictures\\");
}

TEST_F(FoldersTest, PicturesFallBackToDocuments) {
    test::WriteNativeFile(home_.Home() + "/blocked", "x");
    test::WriteNativeFile(home_.ConfigHome() + "/user-dirs.dirs",
                          "XDG_PICTURES_DIR=\"$HOME/blocked/Pictures\"\n");
    EXPECT_EQ(GetShellFolder(ShellFolder::Pictures), "");
    EXPECT_EQ(GetPicturesFolder(), Docs());
}

TEST_F(FoldersTest, DefaultFoldersAreMadeAndNeverStored) {
    std::string out;
    EXPECT_TRUE(GetDocumentsPath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\");
    EXPECT_TRUE(stdfs::is_directory(home_.Home() + "/Documents/Padforge"));
    EXPECT_TRUE(GetAppDataPath(out));
    EXPECT_EQ(out, Data() + "Padforge\\");
    EXPECT_TRUE(stdfs::is_directory(home_.DataHome() + "/Padforge"));
    EXPECT_EQ(ReadRegistryValue("Documents Path"), "");
    EXPECT_EQ(ReadRegistryValue("Application Data Path"), "");
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(FoldersTest, StoredFoldersWin) {
    test::TempDir dir;
    WriteRegistryValue("Documents Path", dir.Native() + "/docs");
    std::string out;
    EXPECT_TRUE(GetDocumentsPath(out));
    EXPECT_EQ(out, dir.InternalPath("docs\\"));
    EXPECT_TRUE(dir.Exists("docs"));
}

TEST_F(FoldersTest, AStoredFolderThatCannotBeMadeFallsBack) {
    test::WriteNativeFile(home_.Home() + "/file", "x");
    WriteRegistryValue("Documents Path", Internal(home_.Home()) + "\\file\\docs\\");
    std::string out;
    EXPECT_TRUE(GetDocumentsPath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\");
    EXPECT_EQ(ui_.Failures(), Names{"Path not valid.\r\n"});
}

TEST_F(FoldersTest, DefaultFolderFailures) {
    std::string out = "old";
    EXPECT_FALSE(GetDefaultFolderSetting(out, "Documents Path", ""));
    EXPECT_EQ(out, "");
    test::WriteNativeFile(home_.Home() + "/file", "x");
    EXPECT_FALSE(
        GetDefaultFolderSetting(out, "Documents Path", Internal(home_.Home()) + "\\file\\"));
    EXPECT_EQ(out, "");
    EXPECT_EQ(ui_.Failures(), (Names{"default path not valid\r\n", "Can't make path\r\n"}));
}

TEST_F(FoldersTest, CacheFoldersAreMadeOneLevelEach) {
    std::string out;
    EXPECT_TRUE(GetMapCachePath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\cache\\googlemaps\\");
    EXPECT_TRUE(GetBodyCachePath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\cache\\Body\\");
    EXPECT_TRUE(GetMeshCachePath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\cache\\Meshes\\");
    EXPECT_TRUE(GetCachePath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\cache\\");
    for (const char* name : {"googlemaps", "Body", "Meshes"}) {
        EXPECT_TRUE(stdfs::is_directory(home_.Home() + "/Documents/Padforge/cache/" + name));
    }
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(FoldersTest, ACacheThatCannotBeMade) {
    test::WriteNativeFile(home_.Home() + "/Documents/Padforge/cache", "x");
    std::string out;
    EXPECT_FALSE(GetCachePath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\cache\\");
    EXPECT_EQ(ui_.Failures(), Names{"Can't make path\r\n"});
    ui_.Clear();
    EXPECT_FALSE(GetMapCachePath(out));
    EXPECT_EQ(out, "");
    EXPECT_EQ(ui_.Failures(), Names{"Can't make path\r\n"});

    stdfs::remove(home_.Home() + "/Documents/Padforge/cache");
    test::WriteNativeFile(home_.Home() + "/Documents/Padforge/cache/Meshes", "x");
    ui_.Clear();
    EXPECT_FALSE(GetMeshCachePath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\cache\\Meshes\\");
    EXPECT_EQ(ui_.Failures(), Names{"Can't make path\r\n"});
}

TEST_F(FoldersTest, InstallPath) {
    std::string out = "old";
    EXPECT_FALSE(GetInstallPath(out));
    EXPECT_EQ(out, "");
    EXPECT_EQ(ui_.Failures(), Names{"Install path not found\r\n"});

    ui_.Clear();
    test::WriteNativeFile(home_.Home() + "/file", "x");
    WriteRegistryValue("Install Path", Internal(home_.Home()) + "\\file\\share\\");
    EXPECT_FALSE(GetInstallPath(out));
    EXPECT_EQ(ui_.Failures(), (Names{"Path not valid.\r\n", "Install path not found\r\n"}));

    ui_.Clear();
    WriteRegistryValue("Install Path", home_.Home() + "/share");
    EXPECT_TRUE(GetInstallPath(out));
    EXPECT_EQ(out, Internal(home_.Home()) + "\\share\\");
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(FoldersTest, SimulatorFolderMarkers) {
    struct Case {
        const char* name;
        std::optional<AstrelFolderKind> kind;
        bool accepted;
    };
    const Case cases[] = {
        {"exe-config", AstrelFolderKind::ExeAndConfigFolder, true},
        {"exe-cfg", AstrelFolderKind::ExeAndCfg, true},
        {"cfg-only", AstrelFolderKind::CfgOnly, false},
        {"other-case", AstrelFolderKind::OtherCase, true},
        {"missing", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.kind)
            MakeAstrelFolder(home_.Home() + "/" + c.name, *c.kind);
        EXPECT_EQ(IsAstrelFolder(Internal(home_.Home()) + "\\" + c.name + "\\"), c.accepted);
    }
    EXPECT_FALSE(IsAstrelFolder(""));
}

TEST_F(FoldersTest, FindLeavesTheRefusedCandidate) {
    std::string out;
    EXPECT_FALSE(FindAstrelPath(out));
    EXPECT_EQ(out, Docs() + "Astrel2010\\");
    MakeAstrelFolder(home_.Home() + "/Documents/Astrel2010", AstrelFolderKind::CfgOnly);
    EXPECT_FALSE(FindAstrelPath(out));
    EXPECT_EQ(out, Docs() + "Astrel2010\\");
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), "");

    // A stored folder is taken without looking at it.
    WriteRegistryValue("Astrel 2010 Path", home_.Home());
    EXPECT_TRUE(FindAstrelPath(out));
    EXPECT_EQ(out, Internal(home_.Home()) + "\\");
}

TEST_F(FoldersTest, EnsureTakesTheStoredFolder) {
    int shown = 0;
    SetAstrelPathDlgRunner([&] { ++shown; });
    MakeAstrelFolder(home_.Home() + "/Sim", AstrelFolderKind::ExeAndCfg);
    EXPECT_TRUE(SetAstrelPath(Internal(home_.Home()) + "\\Sim\\"));
    std::string out;
    EXPECT_TRUE(EnsureAstrelPath(out));
    EXPECT_EQ(out, Internal(home_.Home()) + "\\Sim\\");
    EXPECT_EQ(shown, 0);
}

TEST_F(FoldersTest, EnsureStoresTheFoundFolderWithoutAsking) {
    int shown = 0;
    SetAstrelPathDlgRunner([&] { ++shown; });
    MakeAstrelFolder(home_.Home() + "/Documents/Astrel2010", AstrelFolderKind::OtherCase);
    std::string out;
    EXPECT_TRUE(EnsureAstrelPath(out));
    EXPECT_EQ(out, Docs() + "Astrel2010\\");
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), Docs() + "Astrel2010\\");
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(FoldersTest, EnsureTakesWhatTheDialogStored) {
    MakeAstrelFolder(home_.Home() + "/Sim", AstrelFolderKind::ExeAndConfigFolder);
    int shown = 0;
    SetAstrelPathDlgRunner([&] {
        ++shown;
        SetAstrelPath(Internal(home_.Home()) + "\\Sim\\");
    });
    std::string out;
    EXPECT_TRUE(EnsureAstrelPath(out));
    EXPECT_EQ(out, Internal(home_.Home()) + "\\Sim\\");
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(FoldersTest, EnsureFailsWhenTheDialogStoredNothing) {
    int shown = 0;
    SetAstrelPathDlgRunner([&] { ++shown; });
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    std::string out = "old";
    EXPECT_FALSE(EnsureAstrelPath(out));
    EXPECT_EQ(out, "");
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(ui_.Calls().size(), 1u);
    EXPECT_EQ(ui_.Calls()[0].text, "Sorry, unable to find the path for \"Astrel 2010\"");
    EXPECT_EQ(ui_.Calls()[0].caption, "Error");
    EXPECT_EQ(ui_.Calls()[0].buttons, MessageButtons::Ok);
}

TEST_F(FoldersTest, ADeletedSimulatorFolderIsNotMadeAgain) {
    WriteRegistryValue("Astrel 2010 Path", Internal(home_.Home()) + "\\gone\\");
    std::string out = "old";
    EXPECT_FALSE(GetAstrelPath(out));
    EXPECT_EQ(out, "");
    int shown = 0;
    SetAstrelPathDlgRunner([&] { ++shown; });
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    EXPECT_FALSE(EnsureAstrelPath(out));
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(stdfs::exists(home_.Home() + "/gone"));
    EXPECT_EQ(ui_.Failures(), Names{});
}

TEST_F(FoldersTest, DialogInitialisationStoresOnlyAFoundFolder) {
    EXPECT_EQ(InitAstrelPathDlg(), Docs() + "Astrel2010\\");
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), "");
    MakeAstrelFolder(home_.Home() + "/Documents/Astrel2010", AstrelFolderKind::ExeAndCfg);
    EXPECT_EQ(InitAstrelPathDlg(), Docs() + "Astrel2010\\");
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), Docs() + "Astrel2010\\");
}

TEST_F(FoldersTest, BrowseStoresTheTargetOfALink) {
    MakeAstrelFolder(home_.Home() + "/real/Sim", AstrelFolderKind::ExeAndCfg);
    stdfs::create_directory_symlink(home_.Home() + "/real/Sim", home_.Home() + "/SimLink");
    ui_.AnswerNextPickFolder(Internal(home_.Home()) + "\\SimLink");
    std::optional<std::string> chosen = BrowseForAstrelFolder();
    const std::string target =
        Internal(stdfs::canonical(home_.Home() + "/real/Sim").string()) + "\\";
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, target);
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), target);
    ASSERT_EQ(ui_.Calls().size(), 1u);
    EXPECT_EQ(ui_.Calls()[0].kind, "pick folder");
    EXPECT_EQ(ui_.Calls()[0].text, "Pick the directory where \"Astrel 2010\" is installed.");
}

TEST_F(FoldersTest, BrowseAsksBeforeTakingAnotherFolder) {
    stdfs::create_directories(home_.Home() + "/Plain");
    const std::string plain = Internal(stdfs::canonical(home_.Home() + "/Plain").string()) + "\\";
    const std::string text = "\"" + fs::ToNative(plain) +
                             "\"\r\nThe choosen path doesn't appear to be an \"Astrel 2010\" "
                             "location.\r\nAre you sure you want to use it?.";

    ui_.AnswerNextPickFolder(plain);
    ui_.AnswerNextMessage(MessageAnswer::No);
    EXPECT_FALSE(BrowseForAstrelFolder());
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), "");
    ASSERT_EQ(ui_.Messages(), Names{text});
    EXPECT_EQ(ui_.Calls()[1].caption, "Notification");
    EXPECT_EQ(ui_.Calls()[1].buttons, MessageButtons::YesNo);

    ui_.AnswerNextPickFolder(plain);
    ui_.AnswerNextMessage(MessageAnswer::Yes);
    EXPECT_EQ(BrowseForAstrelFolder(), std::optional<std::string>(plain));
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), plain);
}

TEST_F(FoldersTest, CancellingTheChooserChangesNothing) {
    WriteRegistryValue("Astrel 2010 Path", "\\kept\\");
    ui_.AnswerNextPickFolder(std::nullopt);
    EXPECT_FALSE(BrowseForAstrelFolder());
    ui_.AnswerNextPickFolder(Internal(home_.Home()) + "\\missing");
    EXPECT_FALSE(BrowseForAstrelFolder());
    EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), "\\kept\\");
    EXPECT_EQ(ui_.Calls().size(), 2u);
}

class DefaultInstallPathTest : public FoldersTest {
  protected:
    std::string Exe() const { return dir_.InternalPath("prefix\\bin\\padforge"); }
    std::string Share() const { return dir_.InternalPath("prefix\\share\\padforge\\"); }
    void MakeShare() const { stdfs::create_directories(dir_.NativePath("prefix/share/padforge")); }

    test::TempDir dir_;
};

TEST_F(DefaultInstallPathTest, WrittenWhenMissingAndTheShareFolderExists) {
    dir_.WriteFile("prefix/bin/padforge", "");
    MakeShare();
    SetDefaultInstallPath(Exe());
    EXPECT_EQ(ReadRegistryValue("Install Path"), Share());
    std::string out;
    EXPECT_TRUE(GetInstallPath(out));
    EXPECT_EQ(out, Share());
}

TEST_F(DefaultInstallPathTest, NothingWrittenWithoutTheShareFolder) {
    dir_.WriteFile("prefix/bin/padforge", "");
    SetDefaultInstallPath(Exe());
    EXPECT_EQ(ReadRegistryValue("Install Path"), "");
    SetDefaultInstallPath("padforge");
    SetDefaultInstallPath("");
    EXPECT_EQ(ReadRegistryValue("Install Path"), "");
}

TEST_F(DefaultInstallPathTest, AValidValueIsKept) {
    MakeShare();
    WriteRegistryValue("Install Path", dir_.Native());
    SetDefaultInstallPath(Exe());
    EXPECT_EQ(ReadRegistryValue("Install Path"), dir_.Native());
}

TEST_F(DefaultInstallPathTest, AStaleValueIsReplaced) {
    MakeShare();
    WriteRegistryValue("Install Path", dir_.InternalPath("old\\share\\padforge\\"));
    SetDefaultInstallPath(Exe());
    EXPECT_EQ(ReadRegistryValue("Install Path"), Share());
    EXPECT_FALSE(dir_.Exists("old"));
}

} // namespace
} // namespace pf
