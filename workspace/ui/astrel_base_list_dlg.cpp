#include "workspace/ui/astrel_base_list_dlg.h"

#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace pf {

AstrelBaseListDlg::AstrelBaseListDlg(const std::string& body, const std::string& folder,
                                     const std::string& context, const std::string& periodBegin,
                                     const std::string& periodEnd, const StringArray& files,
                                     wxWindow* owner)
    : ModalDialog(owner, wxEmptyString),
      logic_(body, folder, context, periodBegin, periodEnd, files) {
    SetTitle(ToWx(logic_.Title()));
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, ID_DESCRIPTION, ToWx(logic_.Description())),
             wxSizerFlags().Border(wxALL, 10));
    list_ = new wxListBox(this, ID_FILES, wxDefaultPosition,
                          ConvertDialogToPixels(wxSize(180, 100)), 0, nullptr, wxLB_SINGLE);
    for (const std::string& file : logic_.Entries())
        list_->Append(ToWx(file));
    top->Add(list_, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 10));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->Add(ok, wxSizerFlags().Border(wxRIGHT, 8));
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    top->Add(buttons, wxSizerFlags().Right().Border(wxALL, 10));
    SetSizerAndFit(top);

    Bind(wxEVT_BUTTON, &AstrelBaseListDlg::OnOk, this, wxID_OK);
    Bind(wxEVT_LISTBOX_DCLICK, &AstrelBaseListDlg::OnOk, this, ID_FILES);
    CentreOnParent();
}

void AstrelBaseListDlg::OnOk(wxCommandEvent&) {
    if (logic_.OnOK(list_->GetSelection()))
        EndWith(wxID_OK);
}

} // namespace pf
