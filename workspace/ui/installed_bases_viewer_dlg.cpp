#include "workspace/ui/installed_bases_viewer_dlg.h"

#include "foundation/ui/wx_text.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace pf {

InstalledBasesViewerDlg::InstalledBasesViewerDlg(wxWindow* parent)
    : ModalDialog(parent, "Loaded Bases") {
    const wxSizerFlags label = wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10);
    const wxSizerFlags list = wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 10);
    const int width = ConvertDialogToPixels(wxSize(260, -1)).x;
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, "Astrel 2010 Path:"), label);
    // Sorted by the logic, so the entries keep its order; its edit field would be read
    // by nothing.
    roots_ = new wxComboBox(this, ID_ROOTS, wxEmptyString, wxDefaultPosition, wxSize(width, -1), 0,
                            nullptr, wxCB_READONLY);
    top->Add(roots_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 10));
    top->Add(new wxStaticText(this, wxID_ANY, "Loaded Bases"), label);
    bases_ = new wxListBox(this, ID_BASES, wxDefaultPosition, wxSize(width, 120), 0, nullptr,
                           wxLB_SINGLE);
    top->Add(bases_, list);
    top->Add(new wxStaticText(this, wxID_ANY, "Base Files"), label);
    files_ = new wxListBox(this, ID_FILES, wxDefaultPosition, wxSize(width, 120), 0, nullptr,
                           wxLB_SINGLE | wxLB_HSCROLL);
    top->Add(files_, list);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, ID_REMOVE, "Remove Base From Astrel"));
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->Add(ok);
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 10));
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &InstalledBasesViewerDlg::OnInitDialog, this);
    Bind(wxEVT_COMBOBOX, &InstalledBasesViewerDlg::OnInstallationChanged, this, ID_ROOTS);
    Bind(wxEVT_LISTBOX, &InstalledBasesViewerDlg::OnBaseChanged, this, ID_BASES);
    Bind(wxEVT_BUTTON, &InstalledBasesViewerDlg::OnRemoveBase, this, ID_REMOVE);
    Bind(wxEVT_BUTTON, &InstalledBasesViewerDlg::OnOk, this, wxID_OK);
    CentreOnScreen();
}

void InstalledBasesViewerDlg::OnInitDialog(wxInitDialogEvent&) {
    logic_.OnInitDialog();
    ShowRoots();
}

namespace {

void Refill(wxItemContainer* items, const std::vector<std::string>& texts,
            wxString (*show)(const std::string&), int selection) {
    items->Clear();
    for (const std::string& text : texts)
        items->Append(show(text));
    if (selection >= 0)
        items->SetSelection(selection);
}

} // namespace

void InstalledBasesViewerDlg::ShowRoots() {
    Refill(roots_, logic_.roots, &ToWxPath, logic_.rootSelection);
    for (wxWindow* window : {static_cast<wxWindow*>(roots_), static_cast<wxWindow*>(bases_),
                             static_cast<wxWindow*>(files_)})
        window->Enable(logic_.enabled);
    ShowBases();
}

void InstalledBasesViewerDlg::ShowBases() {
    Refill(bases_, logic_.bases, &ToWx, logic_.baseSelection);
    ShowFiles();
}

void InstalledBasesViewerDlg::ShowFiles() { Refill(files_, logic_.files, &ToWxPath, -1); }

void InstalledBasesViewerDlg::OnInstallationChanged(wxCommandEvent&) {
    logic_.OnInstallationChanged(roots_->GetSelection());
    ShowBases();
}

void InstalledBasesViewerDlg::OnBaseChanged(wxCommandEvent&) {
    logic_.OnBaseChanged(bases_->GetSelection());
    ShowFiles();
}

void InstalledBasesViewerDlg::OnRemoveBase(wxCommandEvent&) {
    logic_.OnRemoveBase();
    ShowRoots();
}

void InstalledBasesViewerDlg::OnOk(wxCommandEvent&) { EndWith(wxID_OK); }

} // namespace pf
