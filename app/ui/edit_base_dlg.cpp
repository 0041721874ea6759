#include "app/ui/edit_base_dlg.h"

#include "app/logic/dialog_runners.h"
#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace pf {

namespace {

struct CommandButton {
    int id;
    const char* caption;
    void (EditBaseLogic::*command)();
};

const CommandButton kEditing[] = {
    {EditBaseLogic::kEditTiles, "Edit Tiles", &EditBaseLogic::OnBnClickedEditTiles},
    {EditBaseLogic::kEditObjects, "Edit Objects", &EditBaseLogic::OnBnClickedEditObjects},
    {EditBaseLogic::kEditNavBeacon, "Edit Nav Beacon", &EditBaseLogic::OnBnClickedEditNavBeacon},
};

const CommandButton kFiles[] = {
    {EditBaseLogic::kForceRender, "Force Render Base Files",
     &EditBaseLogic::OnBnClickedForceRender},
    {EditBaseLogic::kCreateConfig, "Create Base CFG File", &EditBaseLogic::OnBnClickedCreateConfig},
    {EditBaseLogic::kLoadBase, "Load Base Into Astrel", &EditBaseLogic::OnBnClickedLoadBase},
    {EditBaseLogic::kRemoveBase, "Remove Base From Astrel", &EditBaseLogic::OnBnClickedRemoveBase},
};

} // namespace

EditBaseDlg::EditBaseDlg(const BaseDocument& document, wxWindow* parent)
    : ModalDialog(parent, "Edit Base"), logic_(document, GetDialogRunners()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    const auto addGroup = [&](const char* caption, const auto& buttons) {
        auto* box = new wxStaticBox(this, wxID_ANY, caption);
        auto* group = new wxStaticBoxSizer(box, wxVERTICAL);
        for (const CommandButton& button : buttons) {
            group->Add(new wxButton(box, button.id, button.caption), 0, wxEXPAND | wxALL, 4);
            Bind(wxEVT_BUTTON, &EditBaseDlg::OnCommand, this, button.id);
        }
        columns->Add(group, 1, wxEXPAND | wxALL, 8);
    };
    addGroup("Base Editing Options", kEditing);
    addGroup("Base File-Management", kFiles);
    top->Add(columns, 0, wxEXPAND);
    stats_ = new wxStaticText(this, EditBaseLogic::kStats, "Base Stats");
    top->Add(stats_, 1, wxEXPAND | wxLEFT | wxRIGHT, 12);
    auto* exit = new wxButton(this, wxID_OK, "Exit");
    top->Add(exit, 0, wxALIGN_RIGHT | wxALL, 8);
    exit->SetDefault();
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &EditBaseDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &EditBaseDlg::OnExit, this, wxID_OK);
}

void EditBaseDlg::OnInitDialog(wxInitDialogEvent&) {
    logic_.OnInitDialog();
    SetTitle(ToWx(logic_.GetTitle()));
    ShowState();
}

void EditBaseDlg::ShowState() {
    stats_->SetLabel(ToWx(logic_.GetStats()));
    FindWindow(EditBaseLogic::kLoadBase)->Show(logic_.IsLoadShown());
    FindWindow(EditBaseLogic::kRemoveBase)->Show(logic_.IsRemoveShown());
    Layout();
    Fit();
}

void EditBaseDlg::OnCommand(wxCommandEvent& event) {
    for (const CommandButton& button : kEditing) {
        if (button.id == event.GetId()) {
            (logic_.*button.command)();
        }
    }
    for (const CommandButton& button : kFiles) {
        if (button.id == event.GetId()) {
            (logic_.*button.command)();
        }
    }
    ShowState();
}

void EditBaseDlg::OnExit(wxCommandEvent&) {
    logic_.OnBnClickedExit();
    EndWith(wxID_OK);
}

void RunEditBaseDlg(const BaseDocument& document) {
    EditBaseDlg dialog(document, nullptr);
    dialog.ShowModal();
}

} // namespace pf
