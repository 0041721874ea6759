#include "objects/ui/hangar_dlg.h"

#include <wx/sizer.h>

namespace pf {

namespace {

using L = AddBlockLogic;
using H = AddHangerLogic;

} // namespace

AddHangerDlg::AddHangerDlg(wxWindow* parent)
    : BuildingDlg(parent, "Add Hanger", std::make_unique<AddHangerLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    // A kind brings its roof texture, so every text is shown again.
    AddKindButtons(top, "Select Hangar Type",
                   {{H::kHangarButton, "Hangar", "Buttons\\hangar.bmp"},
                    {H::kHangar2Button, "Hangar2", "Buttons\\hangar2.bmp"},
                    {H::kHangar3Button, "Hanger3", "Buttons\\hangar3.bmp"}},
                   AfterKind::ShowTexts);
    AddBuildingBoxes(top, wxEXPAND | wxLEFT | wxRIGHT,
                     {{H::kRoofHeightLabel, "Roof height from base", H::kRoofHeight}},
                     wxEXPAND | wxALL,
                     {{L::kTex2Label, "Side 2", L::kTex2Name, L::kTex2Button},
                      {L::kTex1Label, "Side 1", L::kTex1Name, L::kTex1Button},
                      {wxID_ANY, "Roof", L::kTex3Name, L::kTex3Button}});
    FinishLayout(top);
}

} // namespace pf
