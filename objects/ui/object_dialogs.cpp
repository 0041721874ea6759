#include "objects/ui/object_dialogs.h"

#include "objects/ui/add_mesh_dlg.h"
#include "objects/ui/landing_pad_dlg.h"
#include "objects/ui/runway_dlg.h"
#include "objects/ui/train_dlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

namespace pf {

namespace {

using Ids = AddBlockLogic;

wxStaticBoxSizer* Group(wxWindow* parent, const wxString& title) {
    return new wxStaticBoxSizer(wxVERTICAL, parent, title);
}

wxFlexGridSizer* Grid() {
    auto* grid = new wxFlexGridSizer(2, 6, 8);
    grid->AddGrowableCol(1, 1);
    return grid;
}

} // namespace

// ---- "Add Block" ----

AddBlockDlg::AddBlockDlg(wxWindow* parent)
    : AddObjectAbstract(parent, "Add Block", std::make_unique<AddBlockLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* dimensions = Group(this, "Dimensions");
    wxWindow* box = dimensions->GetStaticBox();
    wxFlexGridSizer* grid = Grid();
    AddEditRow(box, grid, wxID_ANY, "Width", Ids::kWidth);
    AddEditRow(box, grid, wxID_ANY, "Length", Ids::kLength);
    AddEditRow(box, grid, wxID_ANY, "Height", Ids::kHeight);
    AddEditRow(box, grid, wxID_ANY, "Rotate", Ids::kRotate);
    dimensions->Add(grid, 0, wxEXPAND | wxALL, 4);
    top->Add(dimensions, 0, wxEXPAND | wxALL, 8);

    wxStaticBoxSizer* textures = Group(this, "Textures");
    box = textures->GetStaticBox();
    grid = Grid();
    AddTextureRow(box, grid, Ids::kTex2Label, "Side 1", Ids::kTex2Name, Ids::kTex2Button);
    AddTextureRow(box, grid, Ids::kTex1Label, "Side 2", Ids::kTex1Name, Ids::kTex1Button);
    AddTextureRow(box, grid, wxID_ANY, "Roof", Ids::kTex3Name, Ids::kTex3Button);
    textures->Add(grid, 0, wxEXPAND | wxALL, 4);
    textures->Add(new wxCheckBox(box, Ids::kScaleTextures, "Scale Textures With Building"), 0,
                  wxALL, 4);
    top->Add(textures, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    FinishLayout(top);
}

// ---- "Add Hanger" ----

AddHangerDlg::AddHangerDlg(wxWindow* parent)
    : AddObjectAbstract(parent, "Add Hanger", std::make_unique<AddHangerLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    // A kind brings its roof texture, so every text is shown again.
    AddKindButtons(top, "Select Hangar Type",
                   {{AddHangerLogic::kHangarButton, "Hangar", "Buttons\\hangar.bmp"},
                    {AddHangerLogic::kHangar2Button, "Hangar2", "Buttons\\hangar2.bmp"},
                    {AddHangerLogic::kHangar3Button, "Hanger3", "Buttons\\hangar3.bmp"}},
                   AfterKind::ShowTexts);

    wxStaticBoxSizer* dimensions = Group(this, "Dimensions");
    wxWindow* box = dimensions->GetStaticBox();
    wxFlexGridSizer* grid = Grid();
    AddEditRow(box, grid, wxID_ANY, "Width", Ids::kWidth);
    AddEditRow(box, grid, wxID_ANY, "Length", Ids::kLength);
    AddEditRow(box, grid, wxID_ANY, "Height", Ids::kHeight);
    AddEditRow(box, grid, AddHangerLogic::kRoofHeightLabel, "Roof height from base",
               AddHangerLogic::kRoofHeight);
    AddEditRow(box, grid, wxID_ANY, "Rotate", Ids::kRotate);
    dimensions->Add(grid, 0, wxEXPAND | wxALL, 4);
    top->Add(dimensions, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

    wxStaticBoxSizer* textures = Group(this, "Textures");
    box = textures->GetStaticBox();
    grid = Grid();
    AddTextureRow(box, grid, Ids::kTex2Label, "Side 2", Ids::kTex2Name, Ids::kTex2Button);
    AddTextureRow(box, grid, Ids::kTex1Label, "Side 1", Ids::kTex1Name, Ids::kTex1Button);
    AddTextureRow(box, grid, wxID_ANY, "Roof", Ids::kTex3Name, Ids::kTex3Button);
    textures->Add(grid, 0, wxEXPAND | wxALL, 4);
    textures->Add(new wxCheckBox(box, Ids::kScaleTextures, "Scale Textures With Building"), 0,
                  wxALL, 4);
    top->Add(textures, 0, wxEXPAND | wxALL, 8);
    FinishLayout(top);
}

// ---- "Add Tank" ----

AddTankDlg::AddTankDlg(wxWindow* parent)
    : AddObjectAbstract(parent, "Add Tank", std::make_unique<AddTankLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* dimensions = Group(this, "Dimensions");
    wxWindow* box = dimensions->GetStaticBox();
    wxFlexGridSizer* grid = Grid();
    AddEditRow(box, grid, wxID_ANY, "Width", Ids::kWidth);
    AddEditRow(box, grid, wxID_ANY, "Length", Ids::kLength);
    AddEditRow(box, grid, wxID_ANY, "Height", Ids::kHeight);
    AddEditRow(box, grid, wxID_ANY, "Rotate", Ids::kRotate);
    dimensions->Add(grid, 0, wxEXPAND | wxALL, 4);
    top->Add(dimensions, 0, wxEXPAND | wxALL, 8);

    wxStaticBoxSizer* textures = Group(this, "Textures");
    box = textures->GetStaticBox();
    grid = Grid();
    AddTextureRow(box, grid, wxID_ANY, "Side 1", Ids::kTex1Name, Ids::kTex1Button);
    AddTextureRow(box, grid, wxID_ANY, "Roof", Ids::kTex3Name, Ids::kTex3Button);
    textures->Add(grid, 0, wxEXPAND | wxALL, 4);
    textures->Add(new wxCheckBox(box, Ids::kScaleTextures, "Scale Textures With Building"), 0,
                  wxALL, 4);
    top->Add(textures, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    FinishLayout(top);
}

// ---- "Add Solar Plant" ----

AddSolarArrayDlg::AddSolarArrayDlg(wxWindow* parent)
    : AddObjectAbstract(parent, "Add Solar Plant", std::make_unique<AddSolarArrayLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    wxFlexGridSizer* grid = Grid();
    AddEditRow(this, grid, wxID_ANY, "Grid X", AddSolarArrayLogic::kGridX);
    AddEditRow(this, grid, wxID_ANY, "Grid Y", AddSolarArrayLogic::kGridY);
    AddEditRow(this, grid, wxID_ANY, "Rotate", AddSolarArrayLogic::kRotate);
    top->Add(grid, 0, wxEXPAND | wxALL, 12);
    FinishLayout(top);
}

// ---- "Beacon Array" ----

AddBeaconArrayDlg::AddBeaconArrayDlg(wxWindow* parent)
    : AddObjectAbstract(parent, "Beacon Array", std::make_unique<AddBeaconArrayLogic>()) {
    using B = AddBeaconArrayLogic;
    auto* top = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* colour = Group(this, "Color (values are from 0 to 1)");
    wxWindow* box = colour->GetStaticBox();
    wxFlexGridSizer* grid = Grid();
    AddEditRow(box, grid, wxID_ANY, "Red:", B::kRed);
    AddEditRow(box, grid, wxID_ANY, "Green:", B::kGreen);
    AddEditRow(box, grid, wxID_ANY, "Blue:", B::kBlue);
    colour->Add(grid, 0, wxEXPAND | wxALL, 4);
    top->Add(colour, 0, wxEXPAND | wxALL, 8);
    grid = Grid();
    AddEditRow(this, grid, wxID_ANY, "End1 Altitude:", B::kEnd1Altitude);
    AddEditRow(this, grid, wxID_ANY, "End2 Altitude:", B::kEnd2Altitude);
    AddEditRow(this, grid, wxID_ANY, "Number of beacons (2 or more):", B::kCount);
    AddEditRow(this, grid, wxID_ANY, "Size (radius):", B::kSize);
    top->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, 12);
    FinishLayout(top);
}

// ---- registration ----

namespace {

using DialogMaker = std::unique_ptr<ObjectEditDialog> (*)();

template <class Dialog> std::unique_ptr<ObjectEditDialog> Make() {
    return std::make_unique<Dialog>(nullptr);
}

// The edit dialog of each type code that has one; stand-alone runway lights have none.
constexpr std::pair<int32_t, DialogMaker> kDialogMakers[] = {
    {kTypeBlock, Make<AddBlockDlg>},
    {kTypeHangar, Make<AddHangerDlg>},
    {kTypeHangar2, Make<AddHangerDlg>},
    {kTypeHangar3, Make<AddHangerDlg>},
    {kTypeTank, Make<AddTankDlg>},
    {kTypeRunway, Make<AddRunwayDlg>},
    {kTypeBeaconArray, Make<AddBeaconArrayDlg>},
    {kTypeSolarPlant, Make<AddSolarArrayDlg>},
    {kTypeTrain1, Make<AddTrainDlg>},
    {kTypeTrain2, Make<AddTrainDlg>},
    {kTypeLpad1, Make<AddLpadDlg>},
    {kTypeLpad2, Make<AddLpadDlg>},
    {kTypeLpad2A, Make<AddLpadDlg>},
    {kTypeMesh, Make<AddMeshDlg>},
};

} // namespace

void RegisterObjectDialogs() {
    for (const auto& [code, maker] : kDialogMakers) {
        ObjectDialogRegistry::Register(code, maker);
    }
}

} // namespace pf
