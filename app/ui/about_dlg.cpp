#include "app/ui/about_dlg.h"

#include "app/ui/program_icon.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace pf {

namespace {
// The version of the program and of its manual.
constexpr const char* kProgramVersion = "2.0.3";
} // namespace

AboutDlg::AboutDlg(wxWindow* parent) : ModalDialog(parent, "About Padforge") {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    const wxIconBundle icons = ProgramIcons();
    if (!icons.IsEmpty()) {
        row->Add(new wxStaticBitmap(this, wxID_ANY, icons.GetIcon(wxSize(48, 48))),
                 wxSizerFlags().Border(wxRIGHT, 15));
    }
    auto* texts = new wxBoxSizer(wxVERTICAL);
    auto* name = new wxStaticText(this, wxID_ANY, "Padforge");
    name->SetFont(name->GetFont().Bold().Larger());
    texts->Add(name);
    texts->Add(new wxStaticText(this, wxID_ANY, "Version " + wxString(kProgramVersion)),
               wxSizerFlags().Border(wxTOP, 5));
    texts->Add(new wxStaticText(this, wxID_ANY, "Surface bases for Astrel 2010"),
               wxSizerFlags().Border(wxTOP, 5));
    row->Add(texts);
    top->Add(row, wxSizerFlags().Border(wxALL, 15));
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    top->Add(ok, wxSizerFlags().Right().Border(wxLEFT | wxRIGHT | wxBOTTOM, 15));
    SetSizerAndFit(top);
    Bind(wxEVT_BUTTON, &AboutDlg::OnOk, this, wxID_OK);
    CentreOnParent();
}

void AboutDlg::OnOk(wxCommandEvent&) { EndWith(wxID_OK); }

void RunAboutDlg() {
    AboutDlg dialog(nullptr);
    dialog.ShowModal();
}

} // namespace pf
