#include "objects/ui/solar_plant_dlg.h"

#include <wx/sizer.h>

namespace pf {

namespace {

using L = AddSolarArrayLogic;

} // namespace

AddSolarArrayDlg::AddSolarArrayDlg(wxWindow* parent)
    : AddObjectAbstract(parent, "Add Solar Plant", std::make_unique<AddSolarArrayLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    wxFlexGridSizer* grid = NewGrid();
    AddEditRows(this, grid,
                {{wxID_ANY, "Grid X", L::kGridX},
                 {wxID_ANY, "Grid Y", L::kGridY},
                 {wxID_ANY, "Rotate", L::kRotate}});
    top->Add(grid, 0, wxEXPAND | wxALL, 12);
    FinishLayout(top);
}

} // namespace pf
