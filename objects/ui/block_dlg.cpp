#include "objects/ui/block_dlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

namespace pf {

namespace {

using L = AddBlockLogic;

} // namespace

void BuildingDlg::AddBuildingBoxes(wxSizer* top, int dimensionsFlags,
                                   std::initializer_list<EditRow> ownRows, int texturesFlags,
                                   std::initializer_list<TextureRow> textures) {
    const GridBox sizes = AddGridBox(top, "Dimensions", dimensionsFlags);
    AddEditRows(sizes.box, sizes.grid,
                {{wxID_ANY, "Width", L::kWidth},
                 {wxID_ANY, "Length", L::kLength},
                 {wxID_ANY, "Height", L::kHeight}});
    AddEditRows(sizes.box, sizes.grid, ownRows);
    AddEditRow(sizes.box, sizes.grid, wxID_ANY, "Rotate", L::kRotate);

    const GridBox looks = AddGridBox(top, "Textures", texturesFlags);
    for (const TextureRow& row : textures) {
        AddTextureRow(looks.box, looks.grid, row.labelId, row.label, row.nameId, row.buttonId);
    }
    looks.sizer->Add(new wxCheckBox(looks.box, L::kScaleTextures, "Scale Textures With Building"),
                     0, wxALL, 4);
}

AddBlockDlg::AddBlockDlg(wxWindow* parent)
    : BuildingDlg(parent, "Add Block", std::make_unique<AddBlockLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    AddBuildingBoxes(top, wxEXPAND | wxALL, {}, wxEXPAND | wxLEFT | wxRIGHT,
                     {{L::kTex2Label, "Side 1", L::kTex2Name, L::kTex2Button},
                      {L::kTex1Label, "Side 2", L::kTex1Name, L::kTex1Button},
                      {wxID_ANY, "Roof", L::kTex3Name, L::kTex3Button}});
    FinishLayout(top);
}

} // namespace pf
