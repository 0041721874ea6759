#pragma once
// The display-free half of the "Configuration" dialog that asks for the simulator folder.
#include <optional>
#include <string>

namespace pf {

// Initialisation: the found folder is stored; the text to show is
// the found folder or the refused candidate.
std::string InitAstrelPathDlg();
// The browse button: asks for a folder, confirms a folder that does not look like a
// simulator installation, stores it and gives it; nothing when nothing was stored.
std::optional<std::string> BrowseForAstrelFolder();

} // namespace pf
