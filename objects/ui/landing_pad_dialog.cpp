#include "objects/ui/landing_pad_dialog.h"

#include "app/ui/my_bitmap_button.h"
#include "document/folders.h"
#include "foundation/ui/wx_text.h"
#include "objects/ui/select_texture_dlg.h"

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

AddLpadDlg::AddLpadDlg(wxWindow* parent) : ModalDialog(parent, L::kTitle) {
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* kindBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Select Landing Pad Type");
    const char* const captions[3] = {"Lpad1", "LPad2", "LPad2a"};
    for (int i = 0; i < 3; ++i) {
        kinds_[i] =
            new MyBitmapButton(kindBox->GetStaticBox(), kKindIds[i], captions[i], kKindButtonSize);
        kindBox->Add(kinds_[i], 0, wxALL, 4);
    }
    top->Add(kindBox, 0, wxALL | wxEXPAND, 8);

    auto* grid = new wxFlexGridSizer(3, 4, 8);
    grid->AddGrowableCol(1);
    grid->Add(new wxStaticText(this, wxID_ANY, "Diameter"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(this, L::kDiameter), 0, wxEXPAND);
    grid->AddSpacer(0);
    grid->Add(new wxStaticText(this, wxID_ANY, "Rotate"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(this, L::kRotation), 0, wxEXPAND);
    grid->AddSpacer(0);
    grid->Add(new wxStaticText(this, L::kTextureLabel, "Texture"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(this, L::kTexture), 0, wxEXPAND);
    grid->Add(new wxButton(this, L::kChooseTexture, "...", wxDefaultPosition, wxSize(32, -1)));
    grid->Add(new wxStaticText(this, wxID_ANY, "VTOL Frequency"), 0, wxALIGN_CENTER_VERTICAL);
    auto* frequency = new wxTextCtrl(this, L::kFrequency);
    frequency->Enable(false); // handed out by the structure editor
    grid->Add(frequency, 0, wxEXPAND);
    grid->AddSpacer(0);
    top->Add(grid, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);

    auto* buttons = new wxStdDialogButtonSizer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->AddButton(ok);
    buttons->AddButton(new wxButton(this, wxID_CANCEL, "Cancel"));
    buttons->Realize();
    top->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 8);
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &AddLpadDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &AddLpadDlg::OnOk, this, wxID_OK);
    for (int id : kKindIds) {
        Bind(wxEVT_BUTTON, &AddLpadDlg::OnKind, this, id);
    }
    Bind(wxEVT_BUTTON, &AddLpadDlg::OnChooseTexture, this, L::kChooseTexture);
}

bool AddLpadDlg::SetHeldObject(const AstrelObjectHandle& object) {
    if (!logic_.AcceptsObject(object.GetType())) {
        return false;
    }
    held_.AssignFrom(object);
    logic_.LoadFromObject(*held_.Get());
    return true;
}

void AddLpadDlg::OnInitDialog(wxInitDialogEvent&) {
    std::string folder;
    if (GetInstallPath(folder)) {
        const char* const files[3] = {"lpad1.bmp", "lpad2.bmp", "lpad2a.bmp"};
        for (int i = 0; i < 3; ++i) {
            kinds_[i]->SetImageFile(folder + files[i]);
        }
    }
    logic_.InitDialog();
    ShowKind();
    ShowMembers();
}

void AddLpadDlg::ShowMembers() {
    ControlTexts texts;
    FieldExchange fx = FieldExchange::Show(texts);
    logic_.Exchange(fx);
    ApplyTexts(texts);
}

void AddLpadDlg::ShowKind() {
    for (int i = 0; i < 3; ++i) {
        kinds_[i]->SetChecked(logic_.ButtonState(kKindIds[i]) != 0, 1);
    }
    if (wxWindow* choose = FindWindow(L::kChooseTexture)) {
        choose->Show(logic_.IsShown(L::kChooseTexture));
    }
    Layout();
}

void AddLpadDlg::OnKind(wxCommandEvent& event) {
    logic_.OnKindClicked(event.GetId());
    ShowKind();
    ShowMembers();
}

void AddLpadDlg::OnChooseTexture(wxCommandEvent&) {
    const ControlTexts texts = CollectTexts(L::FieldControls());
    FieldExchange fx = FieldExchange::Read(texts);
    logic_.Exchange(fx);
    if (fx.Failed()) {
        ShowRefusal(fx.Refusal());
        return;
    }
    ChooseTexture();
}

void AddLpadDlg::ChooseTexture() {
    SelectTextureDlg chooser(logic_.ChooserKind(), this);
    chooser.Logic().name = logic_.texture;
    chooser.Logic().u = 1.0f;
    chooser.Logic().v = 1.0f;
    if (chooser.ShowModal() != wxID_OK) {
        return;
    }
    logic_.TextureChosen(chooser.Logic().name);
    ShowMembers();
}

void AddLpadDlg::OnOk(wxCommandEvent&) {
    AstrelObject result;
    FieldRefusal refusal;
    if (!logic_.Accept(CollectTexts(L::FieldControls()), held_.IsEmpty() ? nullptr : held_.Get(),
                       result, refusal)) {
        ShowRefusal(refusal);
        return;
    }
    held_.CloneFrom(result);
    EndWith(wxID_OK);
}

} // namespace pf
