#include "app/logic/edit_base_logic.h"

#include "app/logic/dialog_runners.h"
#include "foundation/failure.h"
#include "foundation/file_helpers.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "imagery/texture_codec.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"
#include "workspace/file_manager.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"
#include "workspace/simulator_tree.h"

#include <exception>
#include <optional>

namespace pf {

namespace {

constexpr const char* kConfigNotSaved = "Error in saving config";
constexpr const char* kNoTextures = "Couldn't find tile texture files.\r\n";

} // namespace

EditBaseLogic::EditBaseLogic(const BaseDocument& source, const DialogRunners& runners)
    : document_(source), runners_(runners) {}

void EditBaseLogic::OnInitDialog() {
    title_ = FormatString("%s", document_.GetName().c_str());
    std::string simulator;
    removeShown_ = GetAstrelPath(simulator) && IsInstalled();
    UpdateBaseStats();
    UpdateLoadButton();
}

bool EditBaseLogic::IsInstalled() const {
    return FileManager::Instance().IsBaseInstalled(document_.GetConfigRelativePath());
}

void EditBaseLogic::ShowReloadNotice() const {
    ShowMessageBox(kReloadNotice, "Notification", MessageButtons::Ok, MessageIcon::None);
}

void EditBaseLogic::UpdateBaseStats() {
    const std::string text = document_.GetDescription() +
                             "File Name: " + document_.GetConfigSuffix() +
                             document_.GetConfigFileName();
    stats_ = FormatString("%s ", text.c_str());
}

bool EditBaseLogic::NeedsLoading() {
    if (document_.GetNeedsRendering() || document_.GetNeedsLoading()) {
        return true;
    }
    if (!document_.WriteTempConfig()) {
        return true;
    }
    SysFileStream fresh;
    if (!OpenStreamByPath(fresh, BaseDocument::GetTempConfigPath(), kOpenRead)) {
        return true;
    }
    AstrelFileStream installed;
    if (!OpenStreamByPath(installed, document_.GetInstalledConfigPath(), kOpenRead)) {
        fresh.Close();
        return true;
    }
    const bool same = fresh.IsSameContent(installed);
    fresh.Close();
    installed.Close();
    return !same;
}

void EditBaseLogic::OnBnClickedCreateConfig() {
    if (!document_.WriteWorkConfig()) {
        ShowFailureMessage(kConfigNotSaved);
    }
}

void EditBaseLogic::OnBnClickedForceRender() { ForceRender(); }

bool EditBaseLogic::ForceRender() {
    bool rendered = false;
    std::optional<DDSRendererUse> use;
    try {
        std::string folder;
        if (!document_.WorkSubdirectoryTextures2(folder)) {
            return false;
        }
        // Every old texture goes, so that a tile that fails to render leaves no stale file
        // for the installation to pick up.
        StringArray names;
        ListDirectoryFiles(folder, "*.dds", names);
        for (const std::string& name : names) {
            SafeDeleteFile(folder + name);
        }
        use.emplace();
        rendered = runners_.tileProgress && runners_.tileProgress(document_, folder);
    } catch (...) {
        ShowFailureMessage("Unspecified error in makeDDSTileTextureFiles\r\n");
    }
    const bool written = document_.WriteWorkConfig();
    if (!written) {
        ShowFailureMessage(kConfigNotSaved);
    }
    UpdateLoadButton();
    return rendered && written && !document_.GetNeedsRendering();
}

void EditBaseLogic::OnBnClickedEditTiles() {
    if (!runners_.editTiles) {
        return;
    }
    TileEditorResult result = runners_.editTiles(document_);
    if (result.ok) {
        if (result.changed && IsInstalled()) {
            ShowReloadNotice();
        }
        document_.SetTiles(result.tiles);
        document_.SaveToDocuments();
        // Takes in image files dropped into the cache for the tiles.
        for (const TileAttributes& tile : document_.GetTileArray()) {
            TileTextureFile file(tile, true);
        }
        UpdateBaseStats();
    }
    document_.SaveToDocuments();
    UpdateLoadButton();
}

void EditBaseLogic::OnBnClickedEditObjects() {
    if (!runners_.editObjects) {
        return;
    }
    const EditorResult result = runners_.editObjects(document_);
    if (result.ok && result.changed) {
        document_.SortObjects();
        document_.SaveToDocuments();
        if (IsInstalled()) {
            ShowReloadNotice();
        }
    } else if (result.ok) {
        document_.SaveToDocuments();
    }
    UpdateLoadButton();
}

void EditBaseLogic::OnBnClickedEditNavBeacon() {
    if (runners_.navBeacon && runners_.navBeacon(document_)) {
        document_.SaveToDocuments();
        // When loading is needed the load button says so instead.
        if (!NeedsLoading() && IsInstalled()) {
            ShowReloadNotice();
        }
    }
    UpdateLoadButton();
}

void EditBaseLogic::OnBnClickedRemoveBase() {
    removeShown_ = false;
    FileManager::Instance().UninstallBaseFromAstrel(document_.GetConfigRelativePath());
    UpdateLoadButton();
}

void EditBaseLogic::OnBnClickedLoadBase() {
    WaitCursor wait;
    if (LoadBaseIntoAstrel()) {
        document_.SetNeedsLoading(false);
    }
    UpdateLoadButton();
}

void EditBaseLogic::OnBnClickedExit() { document_.SaveToDocuments(); }

bool EditBaseLogic::LoadBaseIntoAstrel() {
    FileManager& files = FileManager::Instance();
    const std::string key = document_.GetConfigRelativePath();
    // Everything to copy is made and checked first; only then does an installed copy go,
    // so a cancel or failure up to there leaves it and its record as they were. Nothing
    // is copied unless the work folder holds this base's own configuration and, when it
    // needed rendering, every texture: a half-rendered base is not installed.
    if (document_.GetNeedsRendering()) {
        if (!ForceRender()) {
            return false;
        }
    } else if (!document_.WriteWorkConfig()) {
        return ShowFailureMessage(kConfigNotSaved);
    }
    std::string workConfig;
    if (!document_.WorkSubdirectoryConfig(workConfig)) {
        return ShowFailureMessage("Couldn't find config file.\r\n");
    }
    std::string simulatorConfig;
    if (!FileManager::GetConfigDir(simulatorConfig)) {
        return ShowFailureMessage("Couldn't find config path for astrel\r\n");
    }
    std::string workTextures;
    if (!document_.WorkSubdirectoryTextures2(workTextures)) {
        return ShowFailureMessage(kNoTextures);
    }
    std::string simulatorTextures;
    StringArray textures;
    for (int i = 0; i < document_.GetTileCount(); ++i) {
        TileAttributes tile(document_.GetBody().name);
        if (!FileManager::GetTextures2Dir(simulatorTextures) || !document_.GetTileAt(i, tile) ||
            !PathExists(workTextures + tile.GetDdsFileName())) {
            return ShowFailureMessage(kNoTextures);
        }
        textures.push_back(tile.GetDdsFileName());
    }
    // Scenarios are only written here; a failure lets the road go on without them.
    const bool scenariosWritten = document_.WriteScenarioFiles();

    if (files.IsBaseInstalled(key)) {
        files.UninstallBaseFromAstrel(key);
    }
    if (!CopyFileToAstrel(simulatorConfig, workConfig, key, key)) {
        ShowMessageBox("Sorry, couldn't copy cfg file", "Error", MessageButtons::Ok,
                       MessageIcon::None);
        return false;
    }
    for (const std::string& texture : textures) {
        if (!CopyFileToAstrel(simulatorTextures, workTextures, texture, key)) {
            return ShowFailureMessage("Couldn't copy tile texture files.\r\n");
        }
    }
    removeShown_ = true;
    std::string workScenarios;
    std::string simulatorScenarios;
    // The base is in; a scenario that did not make it is said in the success box.
    const bool scenarios =
        scenariosWritten && document_.WorkSubdirectoryScenarios(workScenarios) &&
        FileManager::GetScenariosDir(simulatorScenarios) &&
        CopyFolderToAstrel(simulatorScenarios, workScenarios, "Padforge\\", "*.scn", key);
    ShowMessageBox(scenarios ? kLoaded : kLoadedWithoutScenarios, "Success", MessageButtons::Ok,
                   MessageIcon::None);
    return true;
}

bool EditBaseLogic::CopyFileToAstrel(std::string destination, std::string source,
                                     std::string relative, std::string key) {
    std::string root;
    if (!EnsureAstrelPath(root)) {
        return false;
    }
    return FileManager::Instance().InstallFile(root, destination, source, relative, key);
}

bool EditBaseLogic::CopyFolderToAstrel(std::string destination, std::string source,
                                       std::string subfolder, std::string pattern,
                                       std::string key) {
    if (destination.empty() || source.empty()) {
        return false;
    }
    StringArray names;
    if (!ListFilesInSubfolder(source, subfolder, pattern, names)) {
        return false;
    }
    for (const std::string& name : names) {
        CopyFileToAstrel(destination, source, name, key);
    }
    return true;
}

bool EditBaseLogic::ListFilesInSubfolder(const std::string& folder, const std::string& subfolder,
                                         const std::string& pattern, StringArray& out) {
    out.clear();
    StringArray names;
    if (!ListFolderFiles(folder, subfolder, pattern, names)) {
        return false;
    }
    for (const std::string& name : names) {
        out.push_back(subfolder + name);
    }
    return true;
}

} // namespace pf
