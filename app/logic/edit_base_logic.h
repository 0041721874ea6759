#pragma once
// The display-free half of "Edit Base": a copy of one saved base on which every command
// works and which it saves; its statistics; the editors it opens; rendering its tiles;
// and the road that installs the base into the simulator ("Load Base Into Astrel") and
// removes it again. Nested dialogs open through the dialog runners.
#include "document/base_document.h"
#include "foundation/string_array.h"

#include <string>

namespace pf {

struct DialogRunners;

class EditBaseLogic {
  public:
    enum ControlId {
        kForceRender = 1015,
        kCreateConfig = 1029,
        kEditTiles = 1033,
        kEditObjects = 1055,
        kLoadBase = 1111,
        kRemoveBase = 1114,
        kStats = 1171,
        kEditNavBeacon = 1172,
    };
    static constexpr const char* kReloadNotice =
        "FYI: You have to reload the base into astrel for changes to take effect.";
    static constexpr const char* kLoaded = "Base successfully loaded into Astrel 2010";
    static constexpr const char* kLoadedWithoutScenarios =
        "Base successfully loaded into Astrel 2010\r\nNo scenarios added";

    // Works on a copy of the source; the runners are not owned.
    EditBaseLogic(const BaseDocument& source, const DialogRunners& runners);

    BaseDocument& Document() { return document_; }
    const BaseDocument& Document() const { return document_; }

    // Title, the two install buttons and the statistics.
    void OnInitDialog();
    const std::string& GetTitle() const { return title_; }
    bool IsLoadShown() const { return loadShown_; }
    bool IsRemoveShown() const { return removeShown_; }
    const std::string& GetStats() const { return stats_; }

    // True when the simulator lacks this base's current configuration.
    bool NeedsLoading();
    void UpdateBaseStats();

    void OnBnClickedForceRender();
    void OnBnClickedCreateConfig();
    void OnBnClickedEditTiles();
    void OnBnClickedEditObjects();
    void OnBnClickedEditNavBeacon();
    void OnBnClickedLoadBase();
    void OnBnClickedRemoveBase();
    // Saves the base; the dialog then ends with OK.
    void OnBnClickedExit();

    // Installs the base; true when it is in the simulator afterwards.
    bool LoadBaseIntoAstrel();

    // Installs destination + relative from source + relative under the base key.
    static bool CopyFileToAstrel(std::string destination, std::string source, std::string relative,
                                 std::string key);
    // Installs every file of source + subfolder that matches the pattern.
    static bool CopyFolderToAstrel(std::string destination, std::string source,
                                   std::string subfolder, std::string pattern, std::string key);
    // subfolder + name for every file of folder + subfolder that matches the pattern.
    static bool ListFilesInSubfolder(const std::string& folder, const std::string& subfolder,
                                     const std::string& pattern, StringArray& out);

  private:
    // Force Render; true when every tile was rendered and the configuration written.
    bool ForceRender();
    bool IsInstalled() const;
    void ShowReloadNotice() const;
    void UpdateLoadButton() { loadShown_ = NeedsLoading(); }

    BaseDocument document_;
    const DialogRunners& runners_;
    std::string title_;
    std::string stats_;
    bool loadShown_ = true;
    bool removeShown_ = false;
};

} // namespace pf
