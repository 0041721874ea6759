#include "objects/ui/runway_dialog.h"

#include "app/ui/my_bitmap_button.h"
#include "document/folders.h"
#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

using L = AddRunwayLogic;

const wxSize kKindButtonSize(96, 64);

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

AddRunwayDlg::AddRunwayDlg(wxWindow* parent) : ModalDialog(parent, L::kTitle) {
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* typeBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Select Runway Type");
    runway1_ = new MyBitmapButton(typeBox->GetStaticBox(), L::kRunway1, "Runway1", kKindButtonSize);
    runway2_ = new MyBitmapButton(typeBox->GetStaticBox(), L::kRunway2, "Runway2", kKindButtonSize);
    typeBox->Add(runway1_, 0, wxALL, 4);
    typeBox->Add(runway2_, 0, wxALL, 4);
    top->Add(typeBox, 0, wxALL | wxEXPAND, 8);

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

    auto* buttons = new wxStdDialogButtonSizer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->AddButton(ok);
    buttons->AddButton(new wxButton(this, wxID_CANCEL, "Cancel"));
    buttons->Realize();
    top->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 8);
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &AddRunwayDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &AddRunwayDlg::OnOk, this, wxID_OK);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent& event) {
            logic_.OnRunwayTypeClicked(event.GetId());
            UpdateTypeButtons();
        },
        L::kRunway1);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent& event) {
            logic_.OnRunwayTypeClicked(event.GetId());
            UpdateTypeButtons();
        },
        L::kRunway2);
    Bind(
        wxEVT_CHECKBOX,
        [this](wxCommandEvent&) {
            logic_.OnUseLightsClicked();
            UpdateLightControls();
        },
        L::kUseLights);
    Bind(
        wxEVT_CHECKBOX,
        [this](wxCommandEvent&) {
            logic_.OnUseD3D9Clicked();
            UpdateLightControls();
        },
        L::kUseD3D9);
}

bool AddRunwayDlg::SetHeldObject(const AstrelObjectHandle& object) {
    if (!logic_.AcceptsObject(object.GetType())) {
        return false;
    }
    held_.AssignFrom(object);
    logic_.LoadFromObject(*held_.Get());
    return true;
}

void AddRunwayDlg::OnInitDialog(wxInitDialogEvent&) {
    std::string folder;
    if (GetInstallPath(folder)) {
        runway1_->SetImageFile(folder + "Buttons\\runway0.bmp");
        runway2_->SetImageFile(folder + "Buttons\\runway1.bmp");
    }
    logic_.InitDialog();
    ShowMembers();
    UpdateTypeButtons();
    UpdateLightControls();
}

void AddRunwayDlg::ShowMembers() {
    ControlTexts texts;
    FieldExchange fx = FieldExchange::Show(texts);
    logic_.Exchange(fx);
    ApplyTexts(texts);
    const int mode = logic_.mode;
    mode_->SetSelection(mode >= 0 && mode < static_cast<int>(mode_->GetCount()) ? mode
                                                                                : wxNOT_FOUND);
}

void AddRunwayDlg::UpdateTypeButtons() {
    runway1_->SetChecked(logic_.ButtonState(L::kRunway1) != 0, 1);
    runway2_->SetChecked(logic_.ButtonState(L::kRunway2) != 0, 1);
}

void AddRunwayDlg::UpdateLightControls() {
    static const int kIds[] = {L::kUseIls1,
                               L::kUseIls2,
                               L::kIls1,
                               L::kIls2,
                               L::kUseD3D9,
                               L::kNumberOfLights,
                               L::kPapiApproach,
                               L::kPapiAperture,
                               L::kPapiOffset,
                               L::kVasiApproach,
                               L::kVasiDistance,
                               L::kVasiOffset,
                               L::kMode,
                               L::kTouchDownDisplacement,
                               L::kTouchDownLength,
                               L::kRedLightsLength,
                               L::kApproachLightsLength,
                               L::kSingleEnded,
                               L::kModeLabel,
                               1164,
                               1165,
                               1166,
                               L::kApproachLightsLabel};
    for (int id : kIds) {
        if (wxWindow* window = FindWindow(id)) {
            window->Show(logic_.IsShown(id));
            window->Enable(logic_.IsEnabled(id));
        }
    }
    Layout();
}

void AddRunwayDlg::OnOk(wxCommandEvent&) {
    ControlTexts texts = CollectTexts(L::FieldControls());
    // The mode travels as its selection index; no selection keeps the member.
    const int selection = mode_->GetSelection();
    texts.Set(L::kMode, std::to_string(selection == wxNOT_FOUND ? logic_.mode : selection));
    AstrelObject result;
    FieldRefusal refusal;
    if (!logic_.Accept(texts, held_.IsEmpty() ? nullptr : held_.Get(), result, refusal)) {
        ShowRefusal(refusal);
        return;
    }
    held_.CloneFrom(result);
    EndWith(wxID_OK);
}

} // namespace pf
