#include "objects/ui/train_dlg.h"

#include <wx/sizer.h>

namespace pf {

namespace {

using L = AddTrainLogic;

} // namespace

AddTrainDlg::AddTrainDlg(wxWindow* parent)
    : AddObjectAbstract(parent, L::kTitle, std::make_unique<AddTrainLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    // The kind must not refill what was typed: only the buttons and the height row change.
    AddKindButtons(top, "Select Train Type",
                   {{L::kTrain1, "Train1", "Buttons\\train1.bmp"},
                    {L::kTrain2, "Train2", "Buttons\\train2.bmp"}},
                   AfterKind::KeepTexts);

    auto* grid = new wxFlexGridSizer(2, 4, 8);
    grid->AddGrowableCol(1);
    AddEditRow(this, grid, wxID_ANY, "Length", L::kLength);
    AddEditRow(this, grid, wxID_ANY, "Direction", L::kDirection);
    AddEditRow(this, grid, L::kHeightLabel, "Height Off Ground", L::kHeight);
    AddEditRow(this, grid, wxID_ANY, "Max Speed", L::kMaxSpeed);
    top->Add(grid, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);
    FinishLayout(top);
}

} // namespace pf
