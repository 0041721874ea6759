#include "app/ui/program_dialogs.h"

#include "app/logic/dialog_runners.h"
#include "app/ui/about_dlg.h"
#include "app/ui/add_tiles_dlg.h"
#include "app/ui/base_name_position_dlg.h"
#include "app/ui/basic_map_dlg.h"
#include "app/ui/body_map_dlg.h"
#include "app/ui/edit_base_dlg.h"
#include "app/ui/nav_beacon_dlg.h"
#include "controls/ui/image_yes_no_message_box.h"
#include "document/ui/tile_progress_dlg.h"
#include "objects/ui/object_dialogs.h"
#include "workspace/ui/astrel_base_list_dlg.h"
#include "workspace/ui/configuration_dlg.h"

namespace pf {

namespace {

void RunConfigurationDlg() {
    ConfigurationDlg dialog(nullptr);
    dialog.ShowModal();
}

std::optional<std::string> RunAstrelBaseListDlg(const std::string& body,
                                                const BodyBaseDirectory& directory,
                                                const StringArray& files) {
    AstrelBaseListDlg dialog(body, directory.directory, directory.context, directory.periodBegin,
                             directory.periodEnd, files, nullptr);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return dialog.Selected();
}

bool RunTileProgressDlg(BaseDocument& document, const std::string& folder) {
    TileProgressDlg dialog(&document, folder, nullptr);
    return dialog.ShowModal() == wxID_OK;
}

} // namespace

void RegisterProgramDialogs() {
    RegisterObjectDialogs();
    DialogRunners& runners = GetDialogRunners();
    runners.configuration = &RunConfigurationDlg;
    runners.astrelBaseList = &RunAstrelBaseListDlg;
    runners.makeNewBase = &RunBaseNamePositionDlg;
    runners.editBase = &RunEditBaseDlg;
    runners.navBeacon = &RunNavBeaconDlg;
    runners.basicMap = &RunBasicMapDlg;
    runners.bodyMap = &RunBodyMapDlg;
    runners.tileProgress = &RunTileProgressDlg;
    runners.editTiles = &RunAddTilesDlg;
    runners.about = &RunAboutDlg;
    runners.imageYesNo = &RunImageYesNoMessageBox;
}

} // namespace pf
