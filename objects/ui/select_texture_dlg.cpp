#include "objects/ui/select_texture_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

SelectTextureDlg::SelectTextureDlg(int32_t kind, wxWindow* parent)
    : ModalDialog(parent, "Select Texture"), logic_(kind) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* body = new wxBoxSizer(wxHORIZONTAL);
    list_ = new wxListBox(this, SelectTextureLogic::kList, wxDefaultPosition,
                          wxSize(140, kPreviewHeight + 80));
    body->Add(list_, 0, wxEXPAND | wxALL, 8);
    auto* right = new wxBoxSizer(wxVERTICAL);
    preview_ = new MyBitmapButton(this, SelectTextureLogic::kPreview, "",
                                  wxSize(kPreviewWidth, kPreviewHeight));
    right->Add(preview_, 0, wxALL, 8);
    auto* box = new wxStaticBox(this, SelectTextureLogic::kScalingFrame, "Scaling");
    auto* scaling = new wxStaticBoxSizer(box, wxVERTICAL);
    auto* grid = new wxFlexGridSizer(2, 4, 6);
    grid->Add(new wxStaticText(box, wxID_ANY, "U"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(box, SelectTextureLogic::kUScale, wxEmptyString));
    grid->Add(new wxStaticText(box, wxID_ANY, "V"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(box, SelectTextureLogic::kVScale, wxEmptyString));
    scaling->Add(grid, 0, wxALL, 4);
    right->Add(scaling, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    body->Add(right, 1, wxEXPAND);
    top->Add(body, 1, wxEXPAND);
    FinishWithOkCancel(top);

    Bind(wxEVT_INIT_DIALOG, &SelectTextureDlg::OnInitDialog, this);
    Bind(wxEVT_LISTBOX, &SelectTextureDlg::OnSelChange, this, SelectTextureLogic::kList);
    Bind(wxEVT_LISTBOX_DCLICK, &SelectTextureDlg::OnDoubleClick, this, SelectTextureLogic::kList);
    Bind(wxEVT_BUTTON, &SelectTextureDlg::OnOk, this, wxID_OK);
}

ControlTexts SelectTextureDlg::Fields() const {
    return CollectTexts({SelectTextureLogic::kUScale, SelectTextureLogic::kVScale});
}

void SelectTextureDlg::OnInitDialog(wxInitDialogEvent&) {
    ApplyTexts(logic_.ShowFields());
    SelectTextureLogic::MakePlaceholder("Image Unavailable", kPreviewWidth, kPreviewHeight,
                                        unavailable_);
    SelectTextureLogic::MakePlaceholder("No Texture", kPreviewWidth, kPreviewHeight, no_texture_);
    list_->Clear();
    for (const std::string& entry : logic_.Entries()) {
        list_->Append(ToWx(entry));
    }
    if (!logic_.AreScalesShown()) {
        for (int id : {SelectTextureLogic::kScalingFrame, SelectTextureLogic::kUScale,
                       SelectTextureLogic::kVScale}) {
            if (wxWindow* window = FindWindow(id)) {
                window->Hide();
            }
        }
        Layout();
    }
    const int selection = logic_.InitialSelection();
    if (selection >= 0) {
        list_->SetSelection(selection);
    } else {
        list_->SetSelection(wxNOT_FOUND);
    }
    ShowTexturePreview(logic_.PreviewName());
}

void SelectTextureDlg::ShowTexturePreview(const std::string& name) {
    BitmapData image;
    switch (SelectTextureLogic::LoadPreview(name, image)) {
    case SelectTextureLogic::Preview::NoTexture:
        preview_->SetImage(no_texture_);
        break;
    case SelectTextureLogic::Preview::Unavailable:
        preview_->SetImage(unavailable_);
        break;
    case SelectTextureLogic::Preview::Image:
        preview_->SetImage(image);
        break;
    }
}

void SelectTextureDlg::OnSelChange(wxCommandEvent&) {
    if (logic_.Select(list_->GetSelection())) {
        ShowTexturePreview(logic_.name);
    }
}

void SelectTextureDlg::OnDoubleClick(wxCommandEvent& event) {
    const int index = event.GetSelection() >= 0 ? event.GetSelection() : list_->GetSelection();
    if (std::optional<FieldRefusal> refusal = logic_.DoubleClick(Fields(), index)) {
        ShowRefusal(*refusal);
        return;
    }
    EndWith(wxID_OK);
}

void SelectTextureDlg::OnOk(wxCommandEvent&) {
    if (std::optional<FieldRefusal> refusal = logic_.Accept(Fields())) {
        ShowRefusal(*refusal);
        return;
    }
    EndWith(wxID_OK);
}

} // namespace pf
