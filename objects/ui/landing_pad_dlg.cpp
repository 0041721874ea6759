#include "objects/ui/landing_pad_dlg.h"

#include "objects/object_types.h"

#include <wx/sizer.h>

namespace pf {

namespace {

using L = AddLpadLogic;

const char* Icon(int32_t code) { return FindObjectType(code)->icon; }

} // namespace

AddLpadDlg::AddLpadDlg(wxWindow* parent)
    : AddObjectAbstract(parent, L::kTitle, std::make_unique<AddLpadLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    // A kind brings its default texture, so every text is shown again.
    AddKindButtons(top, "Select Landing Pad Type",
                   {{L::kLpad1, "Lpad1", Icon(kTypeLpad1)},
                    {L::kLpad2, "LPad2", Icon(kTypeLpad2)},
                    {L::kLpad2A, "LPad2a", Icon(kTypeLpad2A)}},
                   AfterKind::ShowTexts);

    auto* grid = new wxFlexGridSizer(2, 4, 8);
    grid->AddGrowableCol(1);
    AddEditRow(this, grid, wxID_ANY, "Diameter", L::kDiameter);
    AddEditRow(this, grid, wxID_ANY, "Rotate", L::kRotation);
    AddTextureRow(this, grid, L::kTextureLabel, "Texture", L::kTexture, L::kChooseTexture);
    AddEditRow(this, grid, wxID_ANY, "VTOL Frequency", L::kFrequency);
    top->Add(grid, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);
    FinishLayout(top);
}

} // namespace pf
