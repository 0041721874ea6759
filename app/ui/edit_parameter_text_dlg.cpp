#include "app/ui/edit_parameter_text_dlg.h"

#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

EditParameterTextDlg::EditParameterTextDlg(wxWindow* parent, AstrelObject& object)
    : ModalDialog(parent, wxString()), logic_(object) {
    SetTitle(ToWx(logic_.Caption()));
    auto* top = new wxBoxSizer(wxVERTICAL);
    text_ = new wxTextCtrl(this, kTextId, wxEmptyString, wxDefaultPosition,
                           ConvertDialogToPixels(wxSize(220, 160)), wxTE_MULTILINE);
    top->Add(text_, wxSizerFlags(1).Expand().Border(wxALL, 10));
    top->Add(new wxStaticText(this, wxID_ANY, "WARNING! Please use valid parameter values."),
             wxSizerFlags().Border(wxLEFT | wxRIGHT, 10));
    top->Add(CreateButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Right().Border(wxALL, 10));
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &EditParameterTextDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &EditParameterTextDlg::OnOk, this, wxID_OK);
    CentreOnParent();
}

void EditParameterTextDlg::OnInitDialog(wxInitDialogEvent& event) {
    text_->ChangeValue(ToWx(logic_.InitialText()));
    event.Skip();
}

void EditParameterTextDlg::OnOk(wxCommandEvent&) {
    std::string bytes;
    if (FromWxExact(text_->GetValue(), bytes)) {
        logic_.Accept(bytes);
    } else {
        // A character the file cannot hold would be read as '?': nothing is changed.
        logic_.RefuseText();
    }
    EndWith(wxID_OK);
}

} // namespace pf
