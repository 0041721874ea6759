#include "objects/ui/add_object_abstract.h"

#include "foundation/ui/wx_text.h"
#include "objects/ui/select_texture_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

AddObjectAbstract::AddObjectAbstract(wxWindow* parent, const wxString& title,
                                     std::unique_ptr<ObjectDialogLogic> logic)
    : ModalDialog(parent, title), logic_(std::move(logic)) {
    Bind(wxEVT_INIT_DIALOG, &AddObjectAbstract::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &AddObjectAbstract::OnOk, this, wxID_OK);
}

void AddObjectAbstract::SetObject(const AstrelObjectHandle& object) { logic_->SetObject(object); }

void AddObjectAbstract::GetObject(AstrelObject& result) { logic_->GetObject(result); }

std::vector<int> AddObjectAbstract::FieldIds() {
    std::vector<int> ids;
    for (const auto& entry : logic_->ShowFields().text) {
        ids.push_back(entry.first);
    }
    return ids;
}

ControlTexts AddObjectAbstract::CollectFieldTexts() { return CollectTexts(FieldIds()); }

void AddObjectAbstract::RefreshControls() {
    ApplyTexts(logic_->ShowFields());
    RefreshLook();
}

void AddObjectAbstract::RefreshLook() {
    bool changed = false;
    for (wxWindow* window : GetChildren()) {
        std::vector<wxWindow*> pending{window};
        while (!pending.empty()) {
            wxWindow* w = pending.back();
            pending.pop_back();
            for (wxWindow* child : w->GetChildren()) {
                pending.push_back(child);
            }
            const int id = w->GetId();
            if (id < 1000 || id > 1200) {
                continue;
            }
            const bool shown = logic_->IsShown(id);
            if (w->IsShown() != shown) {
                w->Show(shown);
                changed = true;
            }
            const bool enabled = logic_->IsEnabled(id);
            if (w->IsThisEnabled() != enabled) {
                w->Enable(enabled);
            }
            std::string label;
            if (logic_->GetLabel(id, label) && w->GetLabel() != ToWx(label)) {
                w->SetLabel(ToWx(label));
                changed = true;
            }
        }
    }
    if (changed) {
        Layout();
    }
}

void AddObjectAbstract::OnInitDialog(wxInitDialogEvent&) { RefreshControls(); }

void AddObjectAbstract::OnOk(wxCommandEvent&) {
    if (std::optional<FieldRefusal> refusal = logic_->Accept(CollectFieldTexts())) {
        ShowRefusal(*refusal);
        return;
    }
    EndWith(wxID_OK);
}

void AddObjectAbstract::OnTextureButton(wxCommandEvent& event) {
    if (std::optional<FieldRefusal> refusal = logic_->ReadFields(CollectFieldTexts())) {
        ShowRefusal(*refusal);
        return;
    }
    TextureChoice choice;
    if (!logic_->GetTextureChoice(event.GetId(), choice)) {
        return;
    }
    SelectTextureDlg chooser(choice.kind, this);
    chooser.Logic().name = choice.name;
    chooser.Logic().u = choice.u;
    chooser.Logic().v = choice.v;
    if (chooser.ShowModal() != wxID_OK) {
        return;
    }
    choice.name = chooser.Logic().name;
    choice.u = chooser.Logic().u;
    choice.v = chooser.Logic().v;
    logic_->SetTextureChoice(event.GetId(), choice);
    RefreshControls();
}

void AddObjectAbstract::AddEditRow(wxWindow* parent, wxSizer* grid, int labelId,
                                   const wxString& label, int editId) {
    grid->Add(new wxStaticText(parent, labelId, label), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(parent, editId, wxEmptyString), 0, wxEXPAND);
}

void AddObjectAbstract::AddTextureRow(wxWindow* parent, wxSizer* grid, int labelId,
                                      const wxString& label, int editId, int buttonId) {
    grid->Add(new wxStaticText(parent, labelId, label), 0, wxALIGN_CENTER_VERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxTextCtrl(parent, editId, wxEmptyString), 1, wxEXPAND);
    auto* button =
        new wxButton(parent, buttonId, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    row->Add(button, 0, wxLEFT, 4);
    grid->Add(row, 0, wxEXPAND);
    Bind(wxEVT_BUTTON, &AddObjectAbstract::OnTextureButton, this, buttonId);
}

void AddObjectAbstract::FinishLayout(wxBoxSizer* top) {
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    buttons->Add(ok, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
    ok->SetDefault();
    SetSizerAndFit(top);
}

AddObjectDlg::AddObjectDlg(wxWindow* parent) : ModalDialog(parent, "Add Object") {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* grid = new wxGridSizer(2, 6, 6);
    for (const AddObjectLogic::Button& button : AddObjectLogic::Buttons()) {
        grid->Add(new wxButton(this, button.id, button.caption), 0, wxEXPAND);
        Bind(wxEVT_BUTTON, &AddObjectDlg::OnTypeButton, this, button.id);
    }
    top->Add(grid, 0, wxEXPAND | wxALL, 8);
    top->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxALIGN_RIGHT | wxALL, 8);
    // There is no OK: Enter must not end the dialog with no type chosen.
    SetAffirmativeId(wxID_NONE);
    SetSizerAndFit(top);
}

void AddObjectDlg::OnTypeButton(wxCommandEvent& event) {
    if (logic_.Choose(event.GetId())) {
        EndWith(wxID_OK);
    }
}

} // namespace pf
