#pragma once
// The display-free half of the "Loaded Bases" viewer: the simulator folders of the
// installed-bases record, the bases of the chosen folder and the files of the chosen
// base, over a snapshot of the record retaken after every removal. Lists are kept in
// the listers' name order; selections are indexes into them (-1: none).
#include "workspace/file_manager.h"

#include <string>
#include <vector>

namespace pf {

class InstalledBasesViewerLogic {
  public:
    // Shows the record with the stored simulator folder selected.
    void OnInitDialog();
    // Retakes the snapshot and selects root (added to the folders when the record does
    // not know it). An empty record disables the three lists.
    void FillInstallations(const std::string& root);
    // Lists the bases of folder index; out of range: only the lists are emptied.
    void SelectInstallation(int index);
    void OnInstallationChanged(int index);
    // Lists the files of base index of the chosen folder.
    void OnBaseChanged(int index);
    // Uninstalls the chosen base from the chosen folder, then shows that folder again.
    void OnRemoveBase();

    bool enabled = true;
    std::vector<std::string> roots;
    int rootSelection = -1;
    std::vector<std::string> bases;
    int baseSelection = -1;
    // In record order.
    StringArray files;

  private:
    std::vector<Astrel2010> installations_;
};

} // namespace pf
