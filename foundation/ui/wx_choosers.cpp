// The file and folder choosers of WxUiHooks, and opening a file with the desktop's program.
// Paths cross here in the file-name encoding and enter the program in internal form.
#include "foundation/ui/wx_text.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "platform/fs.h"
#include "platform/process.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/utils.h>

namespace pf {

namespace {

std::string InternalPath(const wxString& native) {
    return fs::ToInternal(std::string(native.fn_str()));
}

} // namespace

std::optional<std::string> WxUiHooks::PickFile(const std::string& title, const std::string& filter,
                                               const std::string& initial_folder) {
    wxFileDialog dlg(nullptr, title.empty() ? wxString(wxFileSelectorPromptStr) : ToWx(title),
                     ToWxPath(initial_folder), wxEmptyString, ToWx(filter),
                     wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dlg.ShowModal() != wxID_OK || dlg.GetPath().empty()) {
        return std::nullopt;
    }
    return InternalPath(dlg.GetPath());
}

std::optional<std::string> WxUiHooks::PickSaveFile(const std::string& title,
                                                   const std::string& filter,
                                                   const std::string& default_extension,
                                                   const std::string& initial_folder) {
    wxFileDialog dlg(nullptr, title.empty() ? wxString(wxFileSelectorPromptStr) : ToWx(title),
                     ToWxPath(initial_folder), wxEmptyString, ToWx(filter),
                     wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dlg.ShowModal() != wxID_OK || dlg.GetPath().empty()) {
        return std::nullopt;
    }
    std::string path = InternalPath(dlg.GetPath());
    const size_t name = path.find_last_of('\\');
    const size_t dot = path.find_last_of('.');
    if (!default_extension.empty() &&
        (dot == std::string::npos || (name != std::string::npos && dot < name))) {
        path += "." + default_extension;
    }
    return path;
}

std::optional<std::string> WxUiHooks::PickFolder(const std::string& title) {
    // Without wxDD_NEW_DIR_BUTTON and with wxDD_DIR_MUST_EXIST no folder can be made here.
    wxDirDialog dlg(nullptr, ToWx(title), wxEmptyString, wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dlg.ShowModal() != wxID_OK || dlg.GetPath().empty()) {
        return std::nullopt;
    }
    return InternalPath(dlg.GetPath());
}

void WxUiHooks::BeginWaitCursor() { wxBeginBusyCursor(); }

void WxUiHooks::EndWaitCursor() { wxEndBusyCursor(); }

void WxUiHooks::Beep() { wxBell(); }

bool WxUiHooks::RunProgram(const std::string& program, const std::vector<std::string>& args,
                           const std::string& working_folder) {
    return static_cast<bool>(process::Spawn(program, args, working_folder));
}

bool WxUiHooks::OpenDocument(const std::string& path) {
    // Waited for, so that a failure can be told and the opener does not stay a zombie.
    return process::OpenAndCheck(path);
}

} // namespace pf
