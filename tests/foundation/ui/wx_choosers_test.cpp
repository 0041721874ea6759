#include "foundation/ui/wx_ui_hooks.h"

#include "support/temp_dir.h"
#include "support/ui/expect_choosers.h"
#include "support/ui/wx_test_hook.h"

#include <filesystem>

namespace pf {
namespace {

using test::ExpectChosenFile;

TEST(WxChoosers, PickFileGivesAnInternalPath) {
    test::TempDir dir;
    dir.WriteFile("bin/paint", "");
    WxUiHooks hooks;
    std::optional<std::string> chosen;
    wxTEST_DIALOG(chosen = hooks.PickFile("", "All files (*)|*", dir.InternalPath("bin\\")),
                  ExpectChosenFile(dir.NativePath("bin/paint")));
    EXPECT_EQ(chosen, std::optional<std::string>(dir.InternalPath("bin\\paint")));

    wxTEST_DIALOG(chosen = hooks.PickFile("Pick", "All files (*)|*", dir.Internal()),
                  ExpectChosenFile(dir.NativePath("bin/paint"), wxID_CANCEL));
    EXPECT_FALSE(chosen);
}

TEST(WxChoosers, PickFolderGivesAnInternalPath) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.NativePath("Sim"));
    WxUiHooks hooks;
    std::optional<std::string> chosen;
    wxTEST_DIALOG(chosen = hooks.PickFolder("Pick a folder"),
                  wxExpectModal<wxDirDialog>(dir.NativePath("Sim")));
    EXPECT_EQ(chosen, std::optional<std::string>(dir.InternalPath("Sim")));

    wxTEST_DIALOG(chosen = hooks.PickFolder("Pick a folder"),
                  wxExpectModal<wxDirDialog>(dir.NativePath("Sim"), wxID_CANCEL));
    EXPECT_FALSE(chosen);
}

} // namespace
} // namespace pf
