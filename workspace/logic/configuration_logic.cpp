#include "workspace/logic/configuration_logic.h"

#include "foundation/choice_menu.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"
#include "workspace/logic/set_astrel_path_logic.h"
#include "workspace/settings.h"

namespace pf {

ConfigurationLogic::ConfigurationLogic() : useStaticMap(UseStaticMapService()) {}

std::string ConfigurationLogic::OnInitDialog() {
    mapSourceIndex = useStaticMap ? 0 : 1;
    SetMapSource(useStaticMap);
    std::string path = InitAstrelPathDlg();
    smallBodies = GetDetectSmallBodies();
    return path;
}

void ConfigurationLogic::OnUseStaticMap() {
    if (useStaticMap)
        return;
    useStaticMap = true;
    mapSourceIndex = 0;
    SetMapSource(true);
}

void ConfigurationLogic::OnUseWmsMap() {
    if (!useStaticMap)
        return;
    useStaticMap = false;
    mapSourceIndex = 1;
    SetMapSource(false);
}

void ConfigurationLogic::OnSmallBodiesClicked(bool ticked) { SetDetectSmallBodies(ticked); }

std::optional<std::string> ConfigurationLogic::OnBrowse() { return BrowseForAstrelFolder(); }

void ConfigurationLogic::OnClearCache() {
    for (auto getter : {&GetMapCachePath, &GetBodyCachePath, &GetMeshCachePath}) {
        std::string folder;
        if (getter(folder))
            DeleteDirectoryTree(folder);
    }
}

void ConfigurationLogic::OnSetImageEditor(UiOwner owner, int x, int y) {
    std::string folder, exe;
    if (!GetImageEditor(folder, exe)) {
        SelectImageEditor();
        return;
    }
    ChoiceMenu menu({kSelectImageEditorChoice, kDefaultImageEditorChoice}, x, y, owner);
    if (!menu.Show())
        return;
    if (menu.GetChoice() == kDefaultImageEditorChoice)
        SetImageEditor("", "");
    else
        SelectImageEditor();
}

} // namespace pf
