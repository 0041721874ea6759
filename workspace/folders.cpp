#include "workspace/folders.h"

#include "foundation/failure.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "platform/fs.h"
#include "platform/known_folders.h"
#include "workspace/file_utils.h"
#include "workspace/settings.h"

#include <vector>

namespace pf {

namespace {

const char kAstrelPath[] = "Astrel 2010 Path";
const char kInstallPath[] = "Install Path";
const char kProductFolder[] = "Padforge\\";

std::function<void()>& AstrelPathDlgRunner() {
    static std::function<void()> runner;
    return runner;
}

// parent + name, made (one level) when missing; "Can't make path" when that fails, with
// the folder left in out.
bool GetSubfolder(std::string& out, bool parent_ok, const std::string& parent, const char* name) {
    out.clear();
    if (!parent_ok) {
        return false;
    }
    out = parent + name;
    if (!fs::Exists(out) && !fs::CreateDirectory(out)) {
        return ShowFailureMessage("Can't make path\r\n");
    }
    return true;
}

// Removes "." and ".." lexically from an absolute internal path.
std::string NormalisePath(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        std::string piece = path.substr(start, end - start);
        if (piece == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!piece.empty() && piece != ".") {
            parts.push_back(piece);
        }
        start = end + 1;
    }
    std::string out = path.empty() || path[0] != '\\' ? "" : "\\";
    for (const std::string& part : parts) {
        out += part + "\\";
    }
    return out;
}

} // namespace

std::string GetShellFolder(ShellFolder folder) {
    std::string path;
    switch (folder) {
    case ShellFolder::Documents:
        path = known_folders::Documents();
        break;
    case ShellFolder::LocalAppData:
        path = known_folders::LocalAppData();
        break;
    case ShellFolder::Pictures:
        path = known_folders::Pictures();
        break;
    }
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path;
}

std::string GetMyDocumentsFolder() { return GetShellFolder(ShellFolder::Documents); }
std::string GetLocalAppDataFolder() { return GetShellFolder(ShellFolder::LocalAppData); }

std::string GetPicturesFolder() {
    std::string folder = GetShellFolder(ShellFolder::Pictures);
    return folder.empty() ? GetMyDocumentsFolder() : folder;
}

bool GetPicturesPath(std::string& out) {
    out = GetPicturesFolder();
    return !out.empty();
}

bool GetDefaultFolderSetting(std::string& out, const std::string& name, const std::string& base) {
    out.clear();
    if (ReadDirectorySetting(name, out)) {
        return true;
    }
    if (base.empty()) {
        return ShowFailureMessage("default path not valid\r\n");
    }
    std::string folder = base + kProductFolder;
    if (!fs::Exists(folder) && !fs::CreateDirectory(folder)) {
        return ShowFailureMessage("Can't make path\r\n");
    }
    out = folder;
    return true;
}

bool GetDocumentsPath(std::string& out) {
    return GetDefaultFolderSetting(out, "Documents Path", GetMyDocumentsFolder());
}

bool GetAppDataPath(std::string& out) {
    return GetDefaultFolderSetting(out, "Application Data Path", GetLocalAppDataFolder());
}

bool GetInstallPath(std::string& out) {
    if (!ReadDirectorySetting(kInstallPath, out)) {
        return ShowFailureMessage("Install path not found\r\n");
    }
    return true;
}

bool GetCachePath(std::string& out) {
    std::string documents;
    bool ok = GetDocumentsPath(documents);
    return GetSubfolder(out, ok, documents, "cache\\");
}

bool GetBodyCachePath(std::string& out) {
    std::string cache;
    bool ok = GetCachePath(cache);
    return GetSubfolder(out, ok, cache, "Body\\");
}

bool GetMeshCachePath(std::string& out) {
    std::string cache;
    bool ok = GetCachePath(cache);
    return GetSubfolder(out, ok, cache, "Meshes\\");
}

bool GetMapCachePath(std::string& out) {
    std::string cache;
    bool ok = GetCachePath(cache);
    return GetSubfolder(out, ok, cache, "googlemaps\\");
}

bool GetAstrelPath(std::string& out) {
    // A stored folder that has gone is not made again: an empty folder is no simulator.
    if (!ReadPathSetting(kAstrelPath, out)) {
        return false;
    }
    if (!fs::Exists(out)) {
        out.clear();
        return false;
    }
    return true;
}

bool SetAstrelPath(const std::string& path) { return WritePathSetting(path, kAstrelPath); }

bool IsAstrelFolder(const std::string& path) {
    return !path.empty() && fs::Exists(path) && fs::Exists(path + "astrel.exe") &&
           (fs::Exists(path + "astrel.cfg") || fs::Exists(path + "Config\\"));
}

bool FindAstrelPath(std::string& out) {
    if (GetAstrelPath(out)) {
        return true;
    }
    out = GetMyDocumentsFolder() + "Astrel2010\\";
    return IsAstrelFolder(out);
}

bool EnsureAstrelPath(std::string& out) {
    if (GetAstrelPath(out)) {
        return true;
    }
    if (FindAstrelPath(out)) {
        SetAstrelPath(out);
        return true;
    }
    if (AstrelPathDlgRunner()) {
        AstrelPathDlgRunner()();
    }
    if (GetAstrelPath(out)) {
        return true;
    }
    ShowMessageBox("Sorry, unable to find the path for \"Astrel 2010\"", "Error",
                   MessageButtons::Ok, MessageIcon::None);
    return false;
}

void SetAstrelPathDlgRunner(std::function<void()> runner) {
    AstrelPathDlgRunner() = std::move(runner);
}

void SetDefaultInstallPath(const std::string& executable) {
    std::string folder = executable;
    if (!GetFolderPart(folder)) {
        return;
    }
    std::string candidate = NormalisePath(folder + "..\\share\\padforge\\");
    std::string current;
    if (ReadPathSetting(kInstallPath, current) && fs::Exists(current)) {
        return;
    }
    if (fs::IsDirectory(candidate)) {
        WritePathSetting(candidate, kInstallPath);
    }
}

} // namespace pf
