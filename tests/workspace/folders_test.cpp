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

TEST_F(FoldersTest, ShellFoldersEndInABackslashAndPicturesFallBack) {
    EXPECT_EQ(GetMyDocumentsFolder(), Docs());
    EXPECT_EQ(GetLocalAppDataFolder(), Data());
    std::string out;
    EXPECT_TRUE(GetPicturesPath(out));
    EXPECT_EQ(out, Internal(home_.Home()) + "\\Pictures\\");
    test::WriteNativeFile(home_.Home() + "/blocked", "x");
    test::WriteNativeFile(home_.ConfigHome() + "/user-dirs.dirs",
                          "XDG_PICTURES_DIR=\"$HOME/blocked/Pictures\"\n");
    EXPECT_EQ(GetShellFolder(ShellFolder::Pictures), "");
    EXPECT_EQ(GetPicturesFolder(), Docs());
}

TEST_F(FoldersTest, DefaultFoldersAreMadeAndNeverStoredStoredFoldersWin) {
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

    WriteRegistryValue("Documents Path", home_.Home() + "/docs");
    EXPECT_TRUE(GetDocumentsPath(out));
    EXPECT_EQ(out, Internal(home_.Home()) + "\\docs\\");
    EXPECT_TRUE(stdfs::is_directory(home_.Home() + "/docs"));
}

TEST_F(FoldersTest, FolderSettingsThatCannotBeMade) {
    test::WriteNativeFile(home_.Home() + "/file", "x");
    WriteRegistryValue("Documents Path", Internal(home_.Home()) + "\\file\\docs\\");
    std::string out;
    EXPECT_TRUE(GetDocumentsPath(out)); // falls back to the default
    EXPECT_EQ(out, Docs() + "Padforge\\");
    out = "old";
    EXPECT_FALSE(GetDefaultFolderSetting(out, "Documents Path", ""));
    EXPECT_EQ(out, "");
    EXPECT_FALSE(
        GetDefaultFolderSetting(out, "Documents Path", Internal(home_.Home()) + "\\file\\"));
    EXPECT_EQ(out, "");
    EXPECT_EQ(ui_.Failures(),
              (Names{"Path not valid.\r\n", "Path not valid.\r\n", "default path not valid\r\n",
                     "Path not valid.\r\n", "Can't make path\r\n"}));
}

TEST_F(FoldersTest, CacheFoldersAreMadeOneLevelEach) {
    const struct {
        bool (*get)(std::string&);
        const char* folder;
    } caches[] = {{GetMapCachePath, "cache\\googlemaps\\"},
                  {GetBodyCachePath, "cache\\Body\\"},
                  {GetMeshCachePath, "cache\\Meshes\\"},
                  {GetCachePath, "cache\\"}};
    for (const auto& c : caches) {
        std::string out;
        EXPECT_TRUE(c.get(out));
        EXPECT_EQ(out, Docs() + "Padforge\\" + c.folder);
        EXPECT_TRUE(stdfs::is_directory(fs::ToNative(out)));
    }
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(FoldersTest, ACacheThatCannotBeMade) {
    test::WriteNativeFile(home_.Home() + "/Documents/Padforge/cache", "x");
    std::string out;
    EXPECT_FALSE(GetCachePath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\cache\\");
    EXPECT_FALSE(GetMapCachePath(out));
    EXPECT_EQ(out, "");
    stdfs::remove(home_.Home() + "/Documents/Padforge/cache");
    test::WriteNativeFile(home_.Home() + "/Documents/Padforge/cache/Meshes", "x");
    EXPECT_FALSE(GetMeshCachePath(out));
    EXPECT_EQ(out, Docs() + "Padforge\\cache\\Meshes\\");
    EXPECT_EQ(ui_.Failures(), Names(3, "Can't make path\r\n"));
}

TEST_F(FoldersTest, InstallPath) {
    std::string out = "old";
    EXPECT_FALSE(GetInstallPath(out));
    EXPECT_EQ(out, "");
    test::WriteNativeFile(home_.Home() + "/file", "x");
    WriteRegistryValue("Install Path", Internal(home_.Home()) + "\\file\\share\\");
    EXPECT_FALSE(GetInstallPath(out));
    EXPECT_EQ(ui_.Failures(), (Names{"Install path not found\r\n", "Path not valid.\r\n",
                                     "Install path not found\r\n"}));
    ui_.Clear();
    WriteRegistryValue("Install Path", home_.Home() + "/share");
    EXPECT_TRUE(GetInstallPath(out));
    EXPECT_EQ(out, Internal(home_.Home()) + "\\share\\");
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(FoldersTest, SimulatorFolderMarkers) {
    const struct {
        const char* name;
        std::optional<AstrelFolderKind> kind;
        bool accepted;
    } cases[] = {
        {"exe-config", AstrelFolderKind::ExeAndConfigFolder, true},
        {"exe-cfg", AstrelFolderKind::ExeAndCfg, true},
        {"cfg-only", AstrelFolderKind::CfgOnly, false},
        {"other-case", AstrelFolderKind::OtherCase, true},
        {"missing", std::nullopt, false},
    };
    for (const auto& c : cases) {
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

// Stored, found (then stored without asking) or asked for; a stored folder that was
// deleted counts as missing and is not made again.
TEST_F(FoldersTest, EnsureAstrelPath) {
    enum Setup { Stored, Found, DialogStores, DialogStoresNothing, StoredButDeleted };
    const struct {
        Setup setup;
        const char* expected; // below the home folder; nullptr: refused
        int shown;
    } rows[] = {
        {Stored, "\\Sim\\", 0},         {Found, "\\Documents\\Astrel2010\\", 0},
        {DialogStores, "\\Sim\\", 1},   {DialogStoresNothing, nullptr, 1},
        {StoredButDeleted, nullptr, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.setup);
        SandboxHome home;
        ScriptedUi ui;
        const std::string root = Internal(home.Home());
        int shown = 0;
        SetAstrelPathDlgRunner([&] {
            ++shown;
            if (row.setup == DialogStores)
                SetAstrelPath(root + "\\Sim\\");
        });
        if (row.setup == Found) {
            MakeAstrelFolder(home.Home() + "/Documents/Astrel2010", AstrelFolderKind::OtherCase);
        } else {
            MakeAstrelFolder(home.Home() + "/Sim", AstrelFolderKind::ExeAndCfg);
        }
        if (row.setup == Stored)
            EXPECT_TRUE(SetAstrelPath(root + "\\Sim\\"));
        if (row.setup == StoredButDeleted)
            WriteRegistryValue("Astrel 2010 Path", root + "\\gone\\");
        if (!row.expected)
            ui.AnswerNextMessage(MessageAnswer::Ok);
        std::string out = "old";
        EXPECT_EQ(EnsureAstrelPath(out), row.expected != nullptr);
        EXPECT_EQ(out, row.expected ? root + row.expected : "");
        EXPECT_EQ(shown, row.shown);
        if (row.expected) {
            EXPECT_EQ(ReadRegistryValue("Astrel 2010 Path"), out);
            EXPECT_TRUE(ui.Calls().empty());
        } else {
            ASSERT_EQ(ui.Calls().size(), 1u);
            EXPECT_EQ(ui.Calls()[0].text, "Sorry, unable to find the path for \"Astrel 2010\"");
            EXPECT_EQ(ui.Calls()[0].caption, "Error");
            EXPECT_EQ(ui.Calls()[0].buttons, MessageButtons::Ok);
        }
        EXPECT_FALSE(stdfs::exists(home.Home() + "/gone"));
    }
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
    EXPECT_EQ(chosen, std::optional<std::string>(target));
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

// Written when missing or stale and the share folder beside the program exists.
TEST_F(FoldersTest, DefaultInstallPath) {
    test::TempDir dir;
    const std::string exe = dir.InternalPath("prefix\\bin\\padforge");
    const std::string share = dir.InternalPath("prefix\\share\\padforge\\");
    dir.WriteFile("prefix/bin/padforge", "");
    SetDefaultInstallPath(exe);
    SetDefaultInstallPath("padforge");
    SetDefaultInstallPath("");
    EXPECT_EQ(ReadRegistryValue("Install Path"), ""); // no share folder yet
    stdfs::create_directories(dir.NativePath("prefix/share/padforge"));
    SetDefaultInstallPath(exe);
    EXPECT_EQ(ReadRegistryValue("Install Path"), share);
    WriteRegistryValue("Install Path", dir.Native()); // valid: kept
    SetDefaultInstallPath(exe);
    EXPECT_EQ(ReadRegistryValue("Install Path"), dir.Native());
    WriteRegistryValue("Install Path", dir.InternalPath("old\\share\\padforge\\"));
    SetDefaultInstallPath(exe); // stale: replaced, not made
    EXPECT_EQ(ReadRegistryValue("Install Path"), share);
    EXPECT_FALSE(dir.Exists("old"));
}

} // namespace
} // namespace pf
