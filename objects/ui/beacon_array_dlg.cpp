#include "objects/ui/beacon_array_dlg.h"

#include <wx/sizer.h>
#include <wx/statbox.h>

namespace pf {

namespace {

using L = AddBeaconArrayLogic;

} // namespace

AddBeaconArrayDlg::AddBeaconArrayDlg(wxWindow* parent)
    : AddObjectAbstract(parent, "Beacon Array", std::make_unique<AddBeaconArrayLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    const GridBox colour = AddGridBox(top, "Color (values are from 0 to 1)", wxEXPAND | wxALL);
    AddEditRows(colour.box, colour.grid,
                {{wxID_ANY, "Red:", L::kRed},
                 {wxID_ANY, "Green:", L::kGreen},
                 {wxID_ANY, "Blue:", L::kBlue}});
    wxFlexGridSizer* grid = NewGrid();
    AddEditRows(this, grid,
                {{wxID_ANY, "End1 Altitude:", L::kEnd1Altitude},
                 {wxID_ANY, "End2 Altitude:", L::kEnd2Altitude},
                 {wxID_ANY, "Number of beacons (2 or more):", L::kCount},
                 {wxID_ANY, "Size (radius):", L::kSize}});
    top->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, 12);
    FinishLayout(top);
}

} // namespace pf
