#include "objects/ui/add_object_abstract.h"

#include "controls/ui/my_bitmap_button.h"
#include "foundation/ui/wx_text.h"
#include "objects/ui/select_texture_dlg.h"
#include "workspace/folders.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
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
            bool checked = false;
            auto* kind = dynamic_cast<MyBitmapButton*>(w);
            if (kind != nullptr && logic_->GetKindButtonState(id, checked)) {
                kind->SetChecked(checked, 1);
            }
        }
    }
    if (changed) {
        Layout();
    }
}

void AddObjectAbstract::OnInitDialog(wxInitDialogEvent&) {
    std::string install;
    if (!kindPictures_.empty() && GetInstallPath(install)) {
        for (const auto& [id, picture] : kindPictures_) {
            if (auto* button = dynamic_cast<MyBitmapButton*>(FindWindow(id))) {
                button->SetImageFile(install + picture);
            }
        }
    }
    logic_->InitDialog();
    RefreshControls();
}

void AddObjectAbstract::OnOk(wxCommandEvent&) {
    const AcceptOutcome outcome = logic_->Accept(CollectFieldTexts());
    if (outcome.refusal) {
        ShowRefusal(*outcome.refusal);
    }
    if (outcome.accepted) {
        EndWith(wxID_OK);
    }
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

void AddObjectAbstract::AddEditRows(wxWindow* parent, wxSizer* grid,
                                    std::initializer_list<EditRow> rows) {
    for (const EditRow& row : rows) {
        AddEditRow(parent, grid, row.labelId, row.label, row.editId);
    }
}

wxFlexGridSizer* AddObjectAbstract::NewGrid() {
    auto* grid = new wxFlexGridSizer(2, 6, 8);
    grid->AddGrowableCol(1, 1);
    return grid;
}

AddObjectAbstract::GridBox AddObjectAbstract::AddGridBox(wxSizer* top, const wxString& title,
                                                         int flags) {
    auto* sizer = new wxStaticBoxSizer(wxVERTICAL, this, title);
    wxFlexGridSizer* grid = NewGrid();
    sizer->Add(grid, 0, wxEXPAND | wxALL, 4);
    top->Add(sizer, 0, flags, 8);
    return GridBox{sizer, sizer->GetStaticBox(), grid};
}

void AddObjectAbstract::AddTextureRow(wxWindow* parent, wxSizer* grid, int labelId,
                                      const wxString& label, int editId, int buttonId) {
    grid->Add(new wxStaticText(parent, labelId, label), 0, wxALIGN_CENTER_VERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxTextCtrl(parent, editId, wxEmptyString), 1, wxEXPAND);
    AddBrowseButton(parent, row, buttonId);
    grid->Add(row, 0, wxEXPAND);
    Bind(wxEVT_BUTTON, &AddObjectAbstract::OnTextureButton, this, buttonId);
}

wxButton* AddObjectAbstract::AddBrowseButton(wxWindow* parent, wxSizer* row, int buttonId) {
    // Exact fit: a fixed narrow width leaves no room for the dots under some themes.
    auto* button =
        new wxButton(parent, buttonId, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    row->Add(button, 0, wxLEFT, 4);
    return button;
}

void AddObjectAbstract::AddKindButtons(wxSizer* top, const wxString& title,
                                       std::initializer_list<KindButton> buttons, AfterKind after) {
    static const wxSize kKindButtonSize(96, 64);
    auto* box = new wxStaticBoxSizer(wxHORIZONTAL, this, title);
    for (const KindButton& kind : buttons) {
        box->Add(new MyBitmapButton(box->GetStaticBox(), kind.id, kind.caption, kKindButtonSize), 0,
                 wxALL, 4);
        kindPictures_.emplace_back(kind.id, kind.picture);
        Bind(
            wxEVT_BUTTON,
            [this, after](wxCommandEvent& event) {
                if (!logic_->ClickKind(event.GetId())) {
                    return;
                }
                if (after == AfterKind::ShowTexts) {
                    RefreshControls();
                } else {
                    RefreshLook();
                }
            },
            kind.id);
    }
    top->Add(box, 0, wxEXPAND | wxALL, 8);
}

void AddObjectAbstract::FinishLayout(wxBoxSizer* top) { FinishWithOkCancel(top); }

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
