#include "objects/ui/landing_pad_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "workspace/folders.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

using L = AddLpadLogic;

const wxSize kKindButtonSize(96, 64);
const int kKindIds[3] = {L::kLpad1, L::kLpad2, L::kLpad2A};

} // namespace

AddLpadDlg::AddLpadDlg(wxWindow* parent)
    : AddObjectAbstract(parent, L::kTitle, std::make_unique<AddLpadLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* kindBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Select Landing Pad Type");
    const char* const captions[3] = {"Lpad1", "LPad2", "LPad2a"};
    for (int i = 0; i < 3; ++i) {
        kinds_[i] =
            new MyBitmapButton(kindBox->GetStaticBox(), kKindIds[i], captions[i], kKindButtonSize);
        kindBox->Add(kinds_[i], 0, wxALL, 4);
    }
    top->Add(kindBox, 0, wxALL | wxEXPAND, 8);

    auto* grid = new wxFlexGridSizer(2, 4, 8);
    grid->AddGrowableCol(1);
    AddEditRow(this, grid, wxID_ANY, "Diameter", L::kDiameter);
    AddEditRow(this, grid, wxID_ANY, "Rotate", L::kRotation);
    AddTextureRow(this, grid, L::kTextureLabel, "Texture", L::kTexture, L::kChooseTexture);
    AddEditRow(this, grid, wxID_ANY, "VTOL Frequency", L::kFrequency);
    top->Add(grid, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);
    FinishLayout(top);

    for (int id : kKindIds) {
        Bind(wxEVT_BUTTON, &AddLpadDlg::OnKind, this, id);
    }
}

void AddLpadDlg::OnInitDialog(wxInitDialogEvent& event) {
    std::string folder;
    if (GetInstallPath(folder)) {
        const char* const files[3] = {"lpad1.bmp", "lpad2.bmp", "lpad2a.bmp"};
        for (int i = 0; i < 3; ++i) {
            kinds_[i]->SetImageFile(folder + files[i]);
        }
    }
    PadLogic().InitDialog();
    AddObjectAbstract::OnInitDialog(event);
}

void AddLpadDlg::RefreshControls() {
    for (int i = 0; i < 3; ++i) {
        kinds_[i]->SetChecked(PadLogic().ButtonState(kKindIds[i]) != 0, 1);
    }
    AddObjectAbstract::RefreshControls();
}

void AddLpadDlg::OnKind(wxCommandEvent& event) {
    // A kind brings its default texture, so every text is shown again.
    PadLogic().OnKindClicked(event.GetId());
    RefreshControls();
}

} // namespace pf
