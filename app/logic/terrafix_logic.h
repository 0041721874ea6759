#pragma once
// The display-free half of the main dialog "Padforge": the list of the bases saved in the
// documents folder ("body\name", sorted, each with its own file's name), the statistics
// text, and the commands: edit, make, delete and import a base, the configuration, the
// manual. Each command loads what it needs from the documents folder and ends by
// refilling the list; the wx dialog shows what the logic holds afterwards.
#include "app/logic/dialog_runners.h"
#include "foundation/lat_lon.h"
#include "foundation/ui_hooks.h"
#include "workspace/simulator_tree.h"

#include <optional>
#include <string>
#include <vector>

namespace pf {

inline constexpr const char* kManualFileName = "PFG Manual V2.0.3.pdf";

// A list entry's text split at '\' (empty pieces skipped): body = the first piece, name =
// the second; true when there is a name.
bool SplitBodyAndName(const std::string& text, std::string& name, std::string& body);

class MainDialogLogic {
  public:
    explicit MainDialogLogic(const DialogRunners& runners = GetDialogRunners());

    struct Entry {
        // body + "\" + name, with " (" + file name + ")" when another entry has the
        // same name; a damaged file: its file name + kDamagedMark
        std::string text;
        std::string fileName;    // the own base file's name in the documents folder
        bool damaged = false;    // the file does not read whole as a base
        std::string bodyAndName; // body + "\" + name as read; "" for a damaged file
        bool sharesName = false; // another entry names a base of this name
    };
    // How a file that does not read whole is listed: its file name and this.
    static constexpr const char* kDamagedMark = " (cannot be read)";
    // The list in display order.
    const std::vector<Entry>& Entries() const { return entries_; }
    int GetCount() const { return static_cast<int>(entries_.size()); }
    // Grows each time the list is filled anew.
    int ListRevision() const { return listRevision_; }
    // The selected base's statistics; "Base Statistics:" alone while none is selected
    // (at start, after the list was filled anew, or after the selection went).
    const std::string& GetStatisticsText() const { return statistics_; }

    // "Base Statistics:" and the list.
    void InitDialog();
    // Empties the list and fills it from the documents folder's "*.txt" files, without a
    // message: each file that does not read whole as a base is listed once, as damaged,
    // so that it can be deleted. False, after "Couldn't load documents path\r\n",
    // without a documents folder.
    bool RefreshBaseList();
    // fileName empty first; false outside the list.
    bool GetItemFileName(int index, std::string& fileName) const;
    // SplitBodyAndName of the entry's body and name; false outside the list.
    bool GetItemBodyAndName(int index, std::string& name, std::string& body) const;
    void FreeItemData();
    // Saves a new empty base after checking its name, that no file stands under its save
    // name, and its position; true when the list was refilled.
    bool CreateNewBase(std::string name, std::string body, LatLon position,
                       BodyBaseDirectory directory);

    // The commands; selection is the list's current index, -1 for none.
    // The statistics of the selected base, or of none.
    void OnSelChangeBaseList(int selection);
    void OnEditBase(int selection);
    void OnMakeNewBase();
    void OnDeleteBase(int selection);
    void OnConfiguration();
    // The popups open at (x, y) of the owner's client area.
    void OnLoadBaseFromAstrel(UiOwner owner, int x, int y);
    void OnHelpButton();
    void OnAbout();

  private:
    // The entry of the documents folder's file.
    static Entry ListEntry(const std::string& file);
    // The selected entry's name, body and file name; false when one is missing.
    bool GetSelectedItem(int selection, std::string& name, std::string& body,
                         std::string& fileName) const;

    const DialogRunners& runners_;
    std::vector<Entry> entries_;
    std::string statistics_;
    int listRevision_ = 0;
};

} // namespace pf
