#include "workspace/ui/installed_bases_viewer_dlg.h"

#include "foundation/ui/wx_ui_hooks.h"
#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "support/ui/expect_script.h"

namespace pf {
namespace {

using Texts = std::vector<std::string>;

Texts Strings(wxWindow* dlg, int id) {
    Texts out;
    auto* items = dynamic_cast<wxItemContainerImmutable*>(dlg->FindWindow(id));
    for (unsigned i = 0; i < items->GetCount(); ++i)
        out.push_back(items->GetString(i).utf8_string());
    return out;
}

TEST(InstalledBasesViewerDlg, ShowsRootsAndFilesNativelyAndKeysAsStored) {
    test::SimulatorSandbox sandbox;
    WxUiHooks hooks;
    UiHooks* previous = SetUiHooks(&hooks);
    InstalledBasesViewerDlg empty(nullptr);
    empty.InitDialog();
    for (int id : {1117, 1119, 1120})
        EXPECT_FALSE(empty.FindWindow(id)->IsEnabled()) << id;

    const std::string root = sandbox.Root(), file = root + "Config\\Earth\\Base\\A.cfg";
    Astrel2010* installation = nullptr;
    FileManager::Instance().FindOrCreateInstallation(root, installation);
    installation->AddFile(root + "b.dds", "Earth\\Base\\b.cfg");
    installation->AddFile(file, "Earth\\Base\\A.cfg");
    FileManager::Instance().FindOrCreateInstallation("\\Other\\", installation);
    installation->AddFile("\\Other\\x.cfg", "Moon\\Base\\X.cfg");
    InstalledBasesViewerDlg dlg(nullptr);
    int result = 0;
    wxTEST_DIALOG(
        result = dlg.ShowModal(),
        test::ExpectScript<InstalledBasesViewerDlg>([&](InstalledBasesViewerDlg* d) {
            EXPECT_EQ(Strings(d, 1117), (Texts{"/Other/", fs::ToNative(root)}));
            EXPECT_EQ(dynamic_cast<wxComboBox*>(d->FindWindow(1117))->GetSelection(), 1);
            EXPECT_EQ(Strings(d, 1120), (Texts{"Earth\\Base\\A.cfg", "Earth\\Base\\b.cfg"}));
            test::SelectListEntry(d, 1120, 0);
            EXPECT_EQ(Strings(d, 1119), (Texts{fs::ToNative(file)}));
            test::SelectChoice(d, 1117, 0);
            EXPECT_EQ(Strings(d, 1120), (Texts{"Moon\\Base\\X.cfg"}));
            EXPECT_TRUE(Strings(d, 1119).empty());
            test::PressButton(d, wxID_OK);
        }));
    EXPECT_EQ(result, wxID_OK);
    SetUiHooks(previous);
}

} // namespace
} // namespace pf
