#pragma once
// "Add Block": the wx face of AddBlockLogic; and the layout it shares with the hangar and
// tank dialogs.
#include "objects/logic/block_logic.h"
#include "objects/ui/add_object_abstract.h"

namespace pf {

// The frame of the textured-building dialogs (block, hangar, tank): a "Dimensions" box with
// width, length, height, the dialog's own rows and the rotation, then a "Textures" box with
// the texture rows and "Scale Textures With Building".
class BuildingDlg : public AddObjectAbstract {
  protected:
    using AddObjectAbstract::AddObjectAbstract;

    struct TextureRow {
        int labelId;
        const char* label;
        int nameId;
        int buttonId;
    };
    // The two boxes go into `top` with their flags (border 8).
    void AddBuildingBoxes(wxSizer* top, int dimensionsFlags, std::initializer_list<EditRow> ownRows,
                          int texturesFlags, std::initializer_list<TextureRow> textures);
};

class AddBlockDlg : public BuildingDlg {
  public:
    explicit AddBlockDlg(wxWindow* parent);
    AddBlockLogic& Block() { return static_cast<AddBlockLogic&>(Logic()); }
};

} // namespace pf
