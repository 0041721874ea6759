#include "objects/ui/train_dialog.h"

#include "app/ui/my_bitmap_button.h"
#include "document/folders.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

using L = AddTrainLogic;

const wxSize kKindButtonSize(96, 64);

} // namespace

AddTrainDlg::AddTrainDlg(wxWindow* parent) : ModalDialog(parent, L::kTitle) {
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* kindBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Select Train Type");
    train1_ = new MyBitmapButton(kindBox->GetStaticBox(), L::kTrain1, "Train1", kKindButtonSize);
    train2_ = new MyBitmapButton(kindBox->GetStaticBox(), L::kTrain2, "Train2", kKindButtonSize);
    kindBox->Add(train1_, 0, wxALL, 4);
    kindBox->Add(train2_, 0, wxALL, 4);
    top->Add(kindBox, 0, wxALL | wxEXPAND, 8);

    auto* grid = new wxFlexGridSizer(2, 4, 8);
    grid->AddGrowableCol(1);
    auto field = [this, grid](int id, const char* label, int labelId) {
        grid->Add(new wxStaticText(this, labelId, label), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(new wxTextCtrl(this, id), 0, wxEXPAND);
    };
    field(L::kLength, "Length", wxID_ANY);
    field(L::kDirection, "Direction", wxID_ANY);
    field(L::kHeight, "Height Off Ground", L::kHeightLabel);
    field(L::kMaxSpeed, "Max Speed", wxID_ANY);
    top->Add(grid, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);

    auto* buttons = new wxStdDialogButtonSizer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->AddButton(ok);
    buttons->AddButton(new wxButton(this, wxID_CANCEL, "Cancel"));
    buttons->Realize();
    top->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 8);
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &AddTrainDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &AddTrainDlg::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, &AddTrainDlg::OnKind, this, L::kTrain1);
    Bind(wxEVT_BUTTON, &AddTrainDlg::OnKind, this, L::kTrain2);
}

bool AddTrainDlg::SetHeldObject(const AstrelObjectHandle& object) {
    if (!logic_.AcceptsObject(object.GetType())) {
        return false;
    }
    held_.AssignFrom(object);
    logic_.LoadFromObject(*held_.Get());
    return true;
}

void AddTrainDlg::OnInitDialog(wxInitDialogEvent&) {
    std::string folder;
    if (GetInstallPath(folder)) {
        train1_->SetImageFile(folder + "Buttons\\train1.bmp");
        train2_->SetImageFile(folder + "Buttons\\train2.bmp");
    }
    ControlTexts texts;
    FieldExchange fx = FieldExchange::Show(texts);
    logic_.Exchange(fx);
    ApplyTexts(texts);
    logic_.InitDialog();
    ShowKind();
}

void AddTrainDlg::ShowKind() {
    train1_->SetChecked(logic_.ButtonState(L::kTrain1) != 0, 1);
    train2_->SetChecked(logic_.ButtonState(L::kTrain2) != 0, 1);
    for (int id : {static_cast<int>(L::kHeight), static_cast<int>(L::kHeightLabel)}) {
        if (wxWindow* window = FindWindow(id)) {
            window->Show(logic_.IsShown(id));
        }
    }
    Layout();
}

void AddTrainDlg::OnKind(wxCommandEvent& event) {
    logic_.OnKindClicked(event.GetId());
    ShowKind();
}

void AddTrainDlg::OnOk(wxCommandEvent&) {
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
