#include "objects/ui/runway_dlg.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

using L = AddRunwayLogic;

wxTextCtrl* AddField(wxWindow* parent, wxFlexGridSizer* grid, int id, const wxString& label,
                     int labelId = wxID_ANY) {
    grid->Add(new wxStaticText(parent, labelId, label), 0, wxALIGN_CENTER_VERTICAL);
    auto* edit = new wxTextCtrl(parent, id, "", wxDefaultPosition, wxSize(90, -1));
    grid->Add(edit, 0, wxEXPAND);
    return edit;
}

wxFlexGridSizer* Grid() {
    auto* grid = new wxFlexGridSizer(2, 4, 8);
    grid->AddGrowableCol(1);
    return grid;
}

} // namespace

AddRunwayDlg::AddRunwayDlg(wxWindow* parent)
    : AddObjectAbstract(parent, L::kTitle, std::make_unique<AddRunwayLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);

    // The type buttons and the check boxes must not refill what was typed: they change
    // only the buttons and which controls are shown and enabled.
    AddKindButtons(top, "Select Runway Type",
                   {{L::kRunway1, "Runway1", "Buttons\\runway0.bmp"},
                    {L::kRunway2, "Runway2", "Buttons\\runway1.bmp"}},
                   AfterKind::KeepTexts);

    auto* size = Grid();
    AddField(this, size, L::kLength, "Length");
    AddField(this, size, L::kWidth, "Width");
    AddField(this, size, L::kDirection, "Direction");
    AddField(this, size, L::kIls1, "ILS1");
    AddField(this, size, L::kIls2, "ILS2");
    size->Add(new wxCheckBox(this, L::kUseIls1, "Use ILS1:"));
    size->Add(new wxCheckBox(this, L::kUseIls2, "Use ILS2:"));
    top->Add(size, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);

    top->Add(new wxCheckBox(this, L::kUseLights, "Use Runway Lights"), 0, wxALL, 8);
    auto* lights = Grid();
    AddField(this, lights, L::kNumberOfLights, "Number of Lights");
    top->Add(lights, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);

    auto* groups = new wxBoxSizer(wxHORIZONTAL);
    auto* vasiBox = new wxStaticBoxSizer(wxVERTICAL, this, "VASI");
    auto* vasi = Grid();
    AddField(vasiBox->GetStaticBox(), vasi, L::kVasiApproach, "Approach Angle");
    AddField(vasiBox->GetStaticBox(), vasi, L::kVasiDistance, "Distance Between Lights");
    AddField(vasiBox->GetStaticBox(), vasi, L::kVasiOffset, "Offset From Runway");
    vasiBox->Add(vasi, 1, wxALL | wxEXPAND, 4);
    auto* papiBox = new wxStaticBoxSizer(wxVERTICAL, this, "PAPI");
    auto* papi = Grid();
    AddField(papiBox->GetStaticBox(), papi, L::kPapiApproach, "Approach Angle");
    AddField(papiBox->GetStaticBox(), papi, L::kPapiAperture, "Cone Aperture");
    AddField(papiBox->GetStaticBox(), papi, L::kPapiOffset, "Offset From Runway");
    papiBox->Add(papi, 1, wxALL | wxEXPAND, 4);
    groups->Add(vasiBox, 1, wxRIGHT | wxEXPAND, 4);
    groups->Add(papiBox, 1, wxLEFT | wxEXPAND, 4);
    top->Add(groups, 0, wxALL | wxEXPAND, 8);

    top->Add(new wxCheckBox(this, L::kUseD3D9, "Use D3D9 Parameters for Lights"), 0,
             wxLEFT | wxRIGHT, 8);
    auto* d3d9 = Grid();
    d3d9->Add(new wxStaticText(this, L::kModeLabel, "Mode"), 0, wxALIGN_CENTER_VERTICAL);
    wxArrayString modes;
    for (const std::string& name : L::ModeNames()) {
        modes.Add(name);
    }
    mode_ = new wxChoice(this, L::kMode, wxDefaultPosition, wxDefaultSize, modes);
    d3d9->Add(mode_, 0, wxEXPAND);
    AddField(this, d3d9, L::kTouchDownDisplacement, "Touch Down Displacement", 1164);
    AddField(this, d3d9, L::kTouchDownLength, "Length of the Touchdown Zone", 1165);
    AddField(this, d3d9, L::kRedLightsLength,
             wxString::FromUTF8("Length of \u201DRed Lights\u201D Zone"), 1166);
    AddField(this, d3d9, L::kApproachLightsLength, "Length of Approach Lights",
             L::kApproachLightsLabel);
    d3d9->Add(new wxCheckBox(this, L::kSingleEnded, "Single Ended"));
    top->Add(d3d9, 0, wxALL | wxEXPAND, 8);

    FinishLayout(top);

    Bind(
        wxEVT_CHECKBOX,
        [this](wxCommandEvent&) {
            RunwayLogic().OnUseLightsClicked();
            RefreshLook();
        },
        L::kUseLights);
    Bind(
        wxEVT_CHECKBOX,
        [this](wxCommandEvent&) {
            RunwayLogic().OnUseD3D9Clicked();
            RefreshLook();
        },
        L::kUseD3D9);
}

void AddRunwayDlg::RefreshControls() {
    AddObjectAbstract::RefreshControls();
    // The mode choice shows the member as its selection.
    const int mode = RunwayLogic().mode;
    mode_->SetSelection(mode >= 0 && mode < static_cast<int>(mode_->GetCount()) ? mode
                                                                                : wxNOT_FOUND);
}

ControlTexts AddRunwayDlg::CollectFieldTexts() {
    ControlTexts texts = AddObjectAbstract::CollectFieldTexts();
    // The mode travels as its selection index; no selection keeps the member.
    const int selection = mode_->GetSelection();
    texts.Set(L::kMode, std::to_string(selection == wxNOT_FOUND ? RunwayLogic().mode : selection));
    return texts;
}

} // namespace pf
