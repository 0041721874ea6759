#include "workspace/logic/set_astrel_path_logic.h"

#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "platform/fs.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"

namespace pf {

std::string InitAstrelPathDlg() {
    std::string path;
    if (FindAstrelPath(path)) {
        SetAstrelPath(path);
    }
    return path;
}

std::optional<std::string> BrowseForAstrelFolder() {
    std::optional<std::string> chosen =
        ChooseFolder("Pick the directory where \"Astrel 2010\" is installed.");
    if (!chosen) {
        return std::nullopt;
    }
    // A link chosen in the chooser stands for the folder it points at.
    std::string path = fs::Canonical(*chosen);
    if (path.empty()) {
        return std::nullopt;
    }
    if (path.back() != '\\')
        path += '\\';
    if (!IsAstrelFolder(path)) {
        std::string text =
            FormatString("\"%s\"\r\nThe choosen path doesn't appear to be an \"Astrel 2010\" "
                         "location.\r\nAre you sure you want to use it?.",
                         fs::ToNative(path).c_str());
        if (ShowMessageBox(text, "Notification", MessageButtons::YesNo, MessageIcon::None) !=
            MessageAnswer::Yes) {
            return std::nullopt;
        }
    }
    SetAstrelPath(path);
    return path;
}

} // namespace pf
