#include "objects/ui/train_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "workspace/folders.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

using L = AddTrainLogic;

const wxSize kKindButtonSize(96, 64);

} // namespace

AddTrainDlg::AddTrainDlg(wxWindow* parent)
    : AddObjectAbstract(parent, L::kTitle, std::make_unique<AddTrainLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* kindBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Select Train Type");
    train1_ = new MyBitmapButton(kindBox->GetStaticBox(), L::kTrain1, "Train1", kKindButtonSize);
    train2_ = new MyBitmapButton(kindBox->GetStaticBox(), L::kTrain2, "Train2", kKindButtonSize);
    kindBox->Add(train1_, 0, wxALL, 4);
    kindBox->Add(train2_, 0, wxALL, 4);
    top->Add(kindBox, 0, wxALL | wxEXPAND, 8);

    auto* grid = new wxFlexGridSizer(2, 4, 8);
    grid->AddGrowableCol(1);
    AddEditRow(this, grid, wxID_ANY, "Length", L::kLength);
    AddEditRow(this, grid, wxID_ANY, "Direction", L::kDirection);
    AddEditRow(this, grid, L::kHeightLabel, "Height Off Ground", L::kHeight);
    AddEditRow(this, grid, wxID_ANY, "Max Speed", L::kMaxSpeed);
    top->Add(grid, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);
    FinishLayout(top);

    Bind(wxEVT_BUTTON, &AddTrainDlg::OnKind, this, L::kTrain1);
    Bind(wxEVT_BUTTON, &AddTrainDlg::OnKind, this, L::kTrain2);
}

void AddTrainDlg::OnInitDialog(wxInitDialogEvent& event) {
    std::string folder;
    if (GetInstallPath(folder)) {
        train1_->SetImageFile(folder + "Buttons\\train1.bmp");
        train2_->SetImageFile(folder + "Buttons\\train2.bmp");
    }
    TrainLogic().InitDialog();
    AddObjectAbstract::OnInitDialog(event);
}

void AddTrainDlg::RefreshControls() {
    ShowKind();
    AddObjectAbstract::RefreshControls();
}

void AddTrainDlg::ShowKind() {
    train1_->SetChecked(TrainLogic().ButtonState(L::kTrain1) != 0, 1);
    train2_->SetChecked(TrainLogic().ButtonState(L::kTrain2) != 0, 1);
}

void AddTrainDlg::OnKind(wxCommandEvent& event) {
    TrainLogic().OnKindClicked(event.GetId());
    // The kind must not refill what was typed: only the buttons and the height row change.
    ShowKind();
    RefreshLook();
}

} // namespace pf
