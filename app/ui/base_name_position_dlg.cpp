#include "app/ui/base_name_position_dlg.h"

#include "app/logic/dialog_runners.h"
#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

using Logic = BaseNamePositionLogic;

} // namespace

BaseNamePositionDlg::BaseNamePositionDlg(wxWindow* parent) : ModalDialog(parent, "Make New Base") {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, "Base Name:"), 0, wxLEFT | wxRIGHT | wxTOP, 8);
    top->Add(new wxTextCtrl(this, Logic::kName, wxEmptyString), 0, wxEXPAND | wxALL, 8);

    auto* box = new wxStaticBox(this, wxID_ANY, "Base Position");
    auto* position = new wxStaticBoxSizer(box, wxHORIZONTAL);
    auto* grid = new wxFlexGridSizer(2, 4, 12);
    grid->Add(new wxStaticText(box, wxID_ANY, "Longitude"));
    grid->Add(new wxStaticText(box, wxID_ANY, "Latitude"));
    grid->Add(new wxTextCtrl(box, Logic::kLongitude, wxEmptyString), 0, wxEXPAND);
    grid->Add(new wxTextCtrl(box, Logic::kLatitude, wxEmptyString), 0, wxEXPAND);
    position->Add(grid, 1, wxALL, 4);
    position->Add(new wxButton(box, Logic::kFindOnMap, "Find on map"), 0, wxALIGN_BOTTOM | wxALL,
                  4);
    top->Add(position, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

    top->Add(new wxStaticText(this, wxID_ANY, "Select Planet or Moon:"), 0,
             wxLEFT | wxRIGHT | wxTOP, 8);
    bodies_ = new wxChoice(this, Logic::kBodyList);
    top->Add(bodies_, 0, wxEXPAND | wxALL, 8);
    directoryLabel_ = new wxStaticText(this, Logic::kDirectoryLabel, "Select .CFG File Location:");
    top->Add(directoryLabel_, 0, wxLEFT | wxRIGHT, 8);
    directories_ = new wxChoice(this, Logic::kDirectoryList);
    top->Add(directories_, 0, wxEXPAND | wxALL, 8);

    FinishWithOkCancel(top);

    Bind(wxEVT_INIT_DIALOG, &BaseNamePositionDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &BaseNamePositionDlg::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, &BaseNamePositionDlg::OnFindOnMap, this, Logic::kFindOnMap);
    Bind(wxEVT_CHOICE, &BaseNamePositionDlg::OnBodyChanged, this, Logic::kBodyList);
    Bind(wxEVT_TEXT, &BaseNamePositionDlg::OnNameChanged, this, Logic::kName);
}

void BaseNamePositionDlg::OnInitDialog(wxInitDialogEvent&) {
    logic_.OnInitDialog();
    bodies_->Clear();
    for (const std::string& body : logic_.Bodies()) {
        bodies_->Append(ToWx(body));
    }
    bodies_->SetSelection(logic_.BodySelection());
    ApplyTexts(logic_.ShowFields());
    ShowDirectories();
}

void BaseNamePositionDlg::ShowDirectories() {
    directories_->Clear();
    for (const BaseNamePositionLogic::DirectoryEntry& entry : logic_.Directories()) {
        directories_->Append(ToWx(entry.text));
    }
    directories_->SetSelection(logic_.DirectorySelection());
    directories_->Show(logic_.IsDirectoryListShown());
    directoryLabel_->Show(logic_.IsDirectoryListShown());
    Layout();
    Fit();
}

void BaseNamePositionDlg::TakeDirectorySelection() {
    logic_.SelectDirectory(directories_->GetSelection());
}

void BaseNamePositionDlg::OnBodyChanged(wxCommandEvent&) {
    logic_.SelectBody(bodies_->GetSelection());
    ShowDirectories();
}

void BaseNamePositionDlg::OnNameChanged(wxCommandEvent&) {
    logic_.OnNameChanged(CollectTexts({Logic::kName}).Get(Logic::kName));
}

void BaseNamePositionDlg::OnOk(wxCommandEvent&) {
    TakeDirectorySelection();
    std::optional<FieldRefusal> refusal;
    if (logic_.OnOK(CollectTexts({Logic::kName, Logic::kLongitude, Logic::kLatitude}), refusal)) {
        EndWith(wxID_OK);
    } else if (refusal) {
        ShowRefusal(*refusal);
    }
}

void BaseNamePositionDlg::OnFindOnMap(wxCommandEvent&) {
    if (logic_.OnFindOnMap(GetDialogRunners())) {
        ApplyTexts(logic_.ShowFields());
    }
}

std::optional<NewBaseRequest> RunBaseNamePositionDlg() {
    BaseNamePositionDlg dialog(nullptr);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return dialog.Logic().GetRequest();
}

} // namespace pf
