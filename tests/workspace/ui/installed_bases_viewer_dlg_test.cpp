#include "workspace/ui/installed_bases_viewer_dlg.h"

#include "foundation/ui/wx_ui_hooks.h"
#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "support/ui/expect_script.h"

namespace pf {
namespace {

using test::ExpectScript;

std::vector<std::string> Strings(wxItemContainerImmutable* items) {
    std::vector<std::string> out;
    for (unsigned i = 0; i < items->GetCount(); ++i)
        out.push_back(items->GetString(i).utf8_string());
    return out;
}

TEST(InstalledBasesViewerDlg, ShowsSortedRootsBasesAndFiles) {
    test::SimulatorSandbox sandbox;
    WxUiHooks hooks;
    UiHooks* previous = SetUiHooks(&hooks);
    {
        InstalledBasesViewerDlg empty(nullptr);
        empty.InitDialog();
        for (int id : {1117, 1119, 1120})
            EXPECT_FALSE(empty.FindWindow(id)->IsEnabled()) << id;
    }
    const std::string root = sandbox.Root();
    Astrel2010* installation = nullptr;
    FileManager::Instance().FindOrCreateInstallation(root, installation);
    installation->AddFile(root + "Textures2\\b.dds", "Earth\\Base\\b.cfg");
    installation->AddFile(root + "Config\\Earth\\Base\\A.cfg", "Earth\\Base\\A.cfg");
    FileManager::Instance().FindOrCreateInstallation("\\Other\\", installation);
    installation->AddFile("\\Other\\x.cfg", "Moon\\Base\\X.cfg");

    InstalledBasesViewerDlg dlg(nullptr);
    EXPECT_EQ(dlg.GetTitle(), "Loaded Bases");
    int result = 0;
    wxTEST_DIALOG(
        result = dlg.ShowModal(),
        ExpectScript<InstalledBasesViewerDlg>([&](InstalledBasesViewerDlg* d) {
            auto* roots = dynamic_cast<wxComboBox*>(d->FindWindow(1117));
            auto* bases = dynamic_cast<wxListBox*>(d->FindWindow(1120));
            auto* files = dynamic_cast<wxListBox*>(d->FindWindow(1119));
            EXPECT_EQ(Strings(roots), (std::vector<std::string>{"/Other/", fs::ToNative(root)}));
            EXPECT_EQ(roots->GetSelection(), 1);
            EXPECT_EQ(Strings(bases),
                      (std::vector<std::string>{"Earth\\Base\\A.cfg", "Earth\\Base\\b.cfg"}));
            test::SelectListEntry(d, 1120, 0);
            EXPECT_EQ(Strings(files), (std::vector<std::string>{
                                          fs::ToNative(root + "Config\\Earth\\Base\\A.cfg")}));
            test::SelectChoice(d, 1117, 0);
            EXPECT_EQ(Strings(bases), (std::vector<std::string>{"Moon\\Base\\X.cfg"}));
            EXPECT_TRUE(Strings(files).empty());
            test::PressButton(d, wxID_OK);
        }));
    EXPECT_EQ(result, wxID_OK);
    SetUiHooks(previous);
}

} // namespace
} // namespace pf
