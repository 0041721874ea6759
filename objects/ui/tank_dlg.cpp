#include "objects/ui/tank_dlg.h"

#include <wx/sizer.h>

namespace pf {

namespace {

using L = AddBlockLogic;

} // namespace

AddTankDlg::AddTankDlg(wxWindow* parent)
    : BuildingDlg(parent, "Add Tank", std::make_unique<AddTankLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    AddBuildingBoxes(top, wxEXPAND | wxALL, {}, wxEXPAND | wxLEFT | wxRIGHT,
                     {{wxID_ANY, "Side 1", L::kTex1Name, L::kTex1Button},
                      {wxID_ANY, "Roof", L::kTex3Name, L::kTex3Button}});
    FinishLayout(top);
}

} // namespace pf
