#include "app/ui/nav_beacon_dlg.h"

#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

NavBeaconDlg::NavBeaconDlg(BaseDocument* document, wxWindow* parent,
                           NavBeaconLogic::RandomSource random)
    : ModalDialog(parent, "Edit Navigation Beacon"), logic_(document, std::move(random)) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* box = new wxStaticBox(this, wxID_ANY, "Navigation Beacon");
    auto* group = new wxStaticBoxSizer(box, wxVERTICAL);
    auto* grid = new wxFlexGridSizer(2, 4, 12);
    grid->Add(new wxStaticText(box, wxID_ANY, "ID (max 4 characters)"));
    grid->Add(new wxStaticText(box, wxID_ANY, "Frequency"));
    grid->Add(new wxTextCtrl(box, NavBeaconLogic::kIdentifier, wxEmptyString), 0, wxEXPAND);
    grid->Add(new wxTextCtrl(box, NavBeaconLogic::kFrequency, wxEmptyString), 0, wxEXPAND);
    group->Add(grid, 0, wxALL, 4);
    position_ = new wxStaticText(box, NavBeaconLogic::kPosition, wxEmptyString);
    group->Add(position_, 0, wxALL | wxEXPAND, 4);
    top->Add(group, 0, wxEXPAND | wxALL, 8);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    top->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    ok->SetDefault();
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &NavBeaconDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &NavBeaconDlg::OnOk, this, wxID_OK);
}

void NavBeaconDlg::OnInitDialog(wxInitDialogEvent&) {
    logic_.OnInitDialog();
    position_->SetLabel(ToWx(logic_.GetPositionText()));
    ApplyTexts(logic_.ShowFields());
    Layout();
    Fit();
}

void NavBeaconDlg::OnOk(wxCommandEvent&) {
    std::optional<FieldRefusal> refusal;
    if (logic_.OnBnClickedOk(
            CollectTexts({NavBeaconLogic::kIdentifier, NavBeaconLogic::kFrequency}), refusal)) {
        EndWith(wxID_OK);
    } else if (refusal) {
        ShowRefusal(*refusal);
    }
}

bool RunNavBeaconDlg(BaseDocument& document) {
    NavBeaconDlg dialog(&document, nullptr);
    return dialog.ShowModal() == wxID_OK;
}

} // namespace pf
