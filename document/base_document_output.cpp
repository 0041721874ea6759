#include "document/base_document.h"

#include "foundation/failure.h"
#include "foundation/name_safety.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "platform/fs.h"
#include "workspace/file_manager.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"

namespace pf {

namespace {

bool CannotMakePath(const std::string& path) {
    return ShowFailureMessage(
        FormatString("Couldn't make path: %s\r\n", fs::ToNative(path).c_str()));
}

// Committed only when every write succeeded; the old file stays whole otherwise.
bool WriteConfigTo(const BaseDocument& document, FileStream& file) {
    if (!document.WriteSimulatorConfig(file) || !file.Commit()) {
        return ShowFailureMessage("Couldn't make config file\r\n");
    }
    return true;
}

} // namespace

bool BaseDocument::MakeFolderIfMissing(const std::string& folder) {
    // Something standing at the path (a file too) counts as the folder; a file is no
    // folder to the system with the trailing separator, so it is tested without.
    std::string entry = folder;
    TrimRightChars(entry, "\\");
    return PathExists(entry) || fs::CreateDirectory(folder) || CannotMakePath(folder);
}

bool BaseDocument::GetWorkFolder(std::string& out) const {
    out.clear();
    std::string documents;
    // The name becomes a folder: one that is no valid base name makes nothing.
    if (!IsValidBaseName(name_) || !GetDocumentsPath(documents)) {
        return CannotMakePath(out);
    }
    out = documents + name_ + "\\";
    return MakeFolderIfMissing(out);
}

bool BaseDocument::WorkSubdirectory(std::string& out, const char* subfolder) const {
    out.clear();
    std::string work;
    if (!GetWorkFolder(work)) {
        return CannotMakePath(out);
    }
    out = work + subfolder;
    return MakeFolderIfMissing(out);
}

bool BaseDocument::WorkSubdirectoryConfig(std::string& out) const {
    return WorkSubdirectory(out, "Config\\");
}

bool BaseDocument::WorkSubdirectoryTextures2(std::string& out) const {
    return WorkSubdirectory(out, "Textures2\\");
}

bool BaseDocument::WorkSubdirectoryScenarios(std::string& out) const {
    return WorkSubdirectory(out, "Scenarios\\");
}

bool BaseDocument::WriteWorkConfig() const {
    std::string config;
    const std::string relative = GetConfigRelativePath();
    // Without its folder the path would be relative to the process's current folder; a
    // suffix or file name that climbs or is absolute would write outside it.
    if (!IsSafeRelativePath(relative) || !WorkSubdirectoryConfig(config)) {
        return ShowFailureMessage("Couldn't make config file\r\n");
    }
    PfgFileStream file;
    if (!OpenStreamCreatingFolders(file, config, relative, kOpenWrite | kOpenCreate)) {
        return ShowFailureMessage("Couldn't make config file\r\n");
    }
    return WriteConfigTo(*this, file);
}

bool BaseDocument::WriteTempConfig() const {
    const std::string path = GetTempConfigPath();
    if (path.empty()) {
        return false;
    }
    SysFileStream file;
    if (!file.Open(path, kOpenWrite | kOpenCreate)) {
        return ShowFailureMessage("Couldn't make config file\r\n");
    }
    return WriteConfigTo(*this, file);
}

std::string BaseDocument::GetTempConfigPath() {
    std::string folder;
    return GetAppDataPath(folder) ? folder + "tempConfig.cfg" : std::string();
}

std::string BaseDocument::GetInstalledConfigPath() const {
    std::string folder;
    const std::string relative = GetConfigRelativePath();
    if (!IsSafeRelativePath(relative) || !FileManager::GetConfigDir(folder)) {
        return std::string();
    }
    return folder + relative;
}

} // namespace pf
