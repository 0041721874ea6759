#pragma once
// The display-free half of "Make New Base": the new base's name, its body and base
// directory from the simulator's planet files, and its position, typed in or picked on a
// map. The dialog writes nothing; the main dialog makes the base from what OK gives.
#include "foundation/field_exchange.h"
#include "foundation/string_array.h"
#include "workspace/simulator_tree.h"

#include <optional>
#include <string>
#include <vector>

namespace pf {

struct DialogRunners;
struct NewBaseRequest;

class BaseNamePositionLogic {
  public:
    enum ControlId {
        kLatitude = 1000,
        kLongitude = 1001,
        kName = 1018,
        kFindOnMap = 1020,
        kBodyList = 1136,
        kDirectoryList = 1137,
        kDirectoryLabel = 1151,
    };
    static constexpr const char* kBlankNameMessage = "Blank name given.";
    static constexpr const char* kInvalidNameMessage =
        "Invalid name given.\r\n\r\nA base name can't hold \\ / : ; = or tabs, two blanks in a "
        "row, or blanks at its ends.";
    static constexpr const char* kTooLongMessage =
        "Name too long.\r\n\r\nThe base's file and folder names would be longer than the "
        "file system allows (255 bytes).";
    static constexpr const char* kExistsMessage =
        "Base with that name already exists.\r\n\r\nTry deleting it first if you want to start "
        "from scratch.";
    // Followed by "File: " and the other base's file.
    static constexpr const char* kNameTakenMessage =
        "Another base already has that name: bases of one name would share one work folder.\r\n";

    // One entry of the directory list and the record it stands for.
    struct DirectoryEntry {
        std::string text;
        BodyBaseDirectory record;
    };

    // The bodies of the simulator ("Earth" when none can be listed), Earth preselected,
    // and the selected body's directories.
    void OnInitDialog();
    const StringArray& Bodies() const { return bodies_; }
    int BodySelection() const { return bodySelection_; }
    // A new selection of the body list (-1: none).
    void SelectBody(int index);
    // Refills the directory list for the selected body; with one directory or none the
    // list and its label are hidden and OK takes the body's default directory.
    void UpdateDirectoryList();
    const std::vector<DirectoryEntry>& Directories() const { return directories_; }
    bool IsDirectoryListShown() const { return directoriesShown_; }
    int DirectorySelection() const { return directorySelection_; }
    void SelectDirectory(int index) { directorySelection_ = index; }

    void OnNameChanged(const std::string& text) { name_ = text; }
    // Name, longitude and latitude as the edits show them.
    ControlTexts ShowFields();
    void DoDataExchange(FieldExchange& dx);

    // True when the dialog ends with OK. Otherwise it stays open: a refused position
    // comes back in refusal; a refused name has shown its box.
    bool OnOK(const ControlTexts& texts, std::optional<FieldRefusal>& refusal);
    // Opens the selected body's map picker; true when it gave a position (the edits
    // then show it).
    bool OnFindOnMap(const DialogRunners& runners);

    // What OK chose.
    NewBaseRequest GetRequest() const;
    float GetLongitude() const { return longitude_; }
    float GetLatitude() const { return latitude_; }

  private:
    std::string SelectedBody() const;

    std::string name_;
    BodyBaseDirectory directory_;
    float longitude_ = 0.0f;
    float latitude_ = 0.0f;
    std::string body_;
    StringArray bodies_;
    int bodySelection_ = -1;
    std::vector<DirectoryEntry> directories_;
    int directorySelection_ = -1;
    bool directoriesShown_ = false;
};

} // namespace pf
