#include "workspace/ui/configuration_dlg.h"

#include "foundation/ui/placement.h"
#include "foundation/ui/wx_text.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "workspace/ui/installed_bases_viewer_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

ConfigurationDlg::ConfigurationDlg(wxWindow* parent) : ModalDialog(parent, "Dialog") {
    const wxSizerFlags row = wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 10);
    auto* top = new wxBoxSizer(wxVERTICAL);

    top->Add(new wxStaticText(this, wxID_ANY, "Astrel 2010 Directory:"), row);
    auto* folder = new wxBoxSizer(wxHORIZONTAL);
    // Read-only: OK does not read it; only "..." stores a folder.
    path_ = new wxTextCtrl(this, ID_PATH, wxEmptyString, wxDefaultPosition,
                           wxSize(ConvertDialogToPixels(wxSize(200, -1)).x, -1), wxTE_READONLY);
    folder->Add(path_, wxSizerFlags(1).CenterVertical());
    folder->Add(
        new wxButton(this, ID_BROWSE, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT),
        wxSizerFlags().CenterVertical().Border(wxLEFT, 5));
    top->Add(folder, row);

    auto* viewer = new wxBoxSizer(wxHORIZONTAL);
    viewer->Add(
        new wxStaticText(this, wxID_ANY, "View which bases have been loaded into Astrel 2010:"),
        wxSizerFlags(1).CenterVertical());
    viewer->Add(new wxButton(this, ID_LOADED_BASES, "Loaded Base Viewer"),
                wxSizerFlags().CenterVertical().Border(wxLEFT, 5));
    top->Add(viewer, row);

    // The controls are the dialog's own children, so that their ids and centres are
    // found in the dialog's coordinates.
    auto* options =
        new wxStaticBoxSizer(new wxStaticBox(this, wxID_ANY, "PFG Options"), wxVERTICAL);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, ID_IMAGE_EDITOR, "Set Image Editor"));
    buttons->Add(new wxButton(this, ID_CLEAR_CACHE, "Clear Cache"),
                 wxSizerFlags().Border(wxLEFT, 5));
    options->Add(buttons, wxSizerFlags().Border(wxALL, 5));
    smallBodies_ = new wxCheckBox(this, ID_SMALL_BODIES,
                                  "Allow base editing on small bodies (less than 50 km radius)");
    options->Add(smallBodies_, wxSizerFlags().Border(wxALL, 5));
    top->Add(options, row);

    auto* source = new wxStaticBoxSizer(new wxStaticBox(this, wxID_ANY, "Map Source:"), wxVERTICAL);
    staticMap_ = new wxRadioButton(this, ID_STATIC_MAP,
                                   "Use Google Maps (bases can be for personal use only)",
                                   wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    wmsMap_ =
        new wxRadioButton(this, ID_WMS_MAP, "Use Landsat (bases can be distributed to others)");
    source->Add(staticMap_, wxSizerFlags().Border(wxALL, 5));
    source->Add(wmsMap_, wxSizerFlags().Border(wxALL, 5));
    top->Add(source, row);

    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    top->Add(ok, wxSizerFlags().Right().Border(wxALL, 10));
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &ConfigurationDlg::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &ConfigurationDlg::OnBrowse, this, ID_BROWSE);
    Bind(wxEVT_BUTTON, &ConfigurationDlg::OnLoadedBaseViewer, this, ID_LOADED_BASES);
    Bind(wxEVT_BUTTON, &ConfigurationDlg::OnClearCache, this, ID_CLEAR_CACHE);
    Bind(wxEVT_BUTTON, &ConfigurationDlg::OnSetImageEditor, this, ID_IMAGE_EDITOR);
    Bind(wxEVT_RADIOBUTTON, &ConfigurationDlg::OnUseStaticMap, this, ID_STATIC_MAP);
    Bind(wxEVT_RADIOBUTTON, &ConfigurationDlg::OnUseWmsMap, this, ID_WMS_MAP);
    Bind(wxEVT_CHECKBOX, &ConfigurationDlg::OnSmallBodiesClicked, this, ID_SMALL_BODIES);
    Bind(wxEVT_BUTTON, &ConfigurationDlg::OnOk, this, wxID_OK);
    CentreOnParent();
}

void ConfigurationDlg::OnInitDialog(wxInitDialogEvent&) {
    const std::string path = logic_.OnInitDialog();
    ShowMapSource();
    smallBodies_->SetValue(logic_.smallBodies);
    path_->ChangeValue(ToWxPath(path));
}

void ConfigurationDlg::ShowMapSource() {
    staticMap_->SetValue(logic_.mapSourceIndex == 0);
    wmsMap_->SetValue(logic_.mapSourceIndex == 1);
}

void ConfigurationDlg::OnBrowse(wxCommandEvent&) {
    if (std::optional<std::string> path = logic_.OnBrowse()) {
        path_->ChangeValue(ToWxPath(*path));
    }
}

void ConfigurationDlg::OnLoadedBaseViewer(wxCommandEvent&) {
    InstalledBasesViewerDlg viewer(nullptr);
    viewer.ShowModal();
}

void ConfigurationDlg::OnClearCache(wxCommandEvent&) { logic_.OnClearCache(); }

void ConfigurationDlg::OnSetImageEditor(wxCommandEvent&) {
    const wxPoint centre = GetDlgItemCentre(this, ID_IMAGE_EDITOR);
    logic_.OnSetImageEditor(ToUiOwner(this), centre.x, centre.y);
}

void ConfigurationDlg::OnUseStaticMap(wxCommandEvent&) {
    logic_.OnUseStaticMap();
    ShowMapSource();
}

void ConfigurationDlg::OnUseWmsMap(wxCommandEvent&) {
    logic_.OnUseWmsMap();
    ShowMapSource();
}

void ConfigurationDlg::OnSmallBodiesClicked(wxCommandEvent&) {
    logic_.OnSmallBodiesClicked(smallBodies_->GetValue());
}

void ConfigurationDlg::OnOk(wxCommandEvent&) { EndWith(wxID_OK); }

} // namespace pf
