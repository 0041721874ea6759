#include "objects/ui/add_mesh_dlg.h"

#include "foundation/ui/wx_text.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

using L = AddMeshLogic;

constexpr int kSizeIds[] = {L::kLength, L::kHeight, L::kWidth};

} // namespace

AddMeshDlg::AddMeshDlg(wxWindow* parent)
    : AddObjectAbstract(parent, "Add Mesh", std::make_unique<AddMeshLogic>()) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(BrowseRow(wxID_ANY, "File:", L::kFile, L::kChooseFile), 0, wxEXPAND | wxALL, 8);
    top->Add(new wxCheckBox(this, L::kKeepAspect, "Maintain Original Aspect Ratio on Resize"), 0,
             wxLEFT | wxRIGHT, 8);

    auto* boxes = new wxBoxSizer(wxHORIZONTAL);
    auto* dimensions = new wxStaticBoxSizer(wxVERTICAL, this, "Dimensions");
    auto* grid = new wxFlexGridSizer(2, 4, 6);
    AddEditRow(dimensions->GetStaticBox(), grid, wxID_ANY, "Width", L::kWidth);
    AddEditRow(dimensions->GetStaticBox(), grid, wxID_ANY, "Length", L::kLength);
    AddEditRow(dimensions->GetStaticBox(), grid, wxID_ANY, "Height", L::kHeight);
    dimensions->Add(grid, 0, wxALL, 4);
    boxes->Add(dimensions, 1, wxEXPAND | wxRIGHT, 8);
    auto* positioning = new wxStaticBoxSizer(wxVERTICAL, this, "Positioning");
    grid = new wxFlexGridSizer(2, 4, 6);
    AddEditRow(positioning->GetStaticBox(), grid, wxID_ANY, "Rotate", L::kRotate);
    AddEditRow(positioning->GetStaticBox(), grid, wxID_ANY, "Altitude", L::kAltitude);
    positioning->Add(grid, 0, wxALL, 4);
    boxes->Add(positioning, 1, wxEXPAND);
    top->Add(boxes, 0, wxEXPAND | wxALL, 8);

    top->Add(BrowseRow(L::kTextureLabel, "Texture (if needed)", L::kTexture, L::kChooseTexture), 0,
             wxEXPAND | wxLEFT | wxRIGHT, 8);

    auto* switches = new wxBoxSizer(wxHORIZONTAL);
    for (auto [id, label] : {std::pair{int(L::kShadow), "SHADOW"},
                             {int(L::kUnderShadows), "UNDERSHADOWS"},
                             {int(L::kOwnMaterial), "OWNMATERIAL"},
                             {int(L::kLpad), "LPAD"},
                             {int(L::kPreload), "PRELOAD"}}) {
        switches->Add(new wxCheckBox(this, id, label), 0, wxRIGHT, 8);
    }
    top->Add(switches, 0, wxALL, 8);

    top->Add(new wxTextCtrl(this, L::kProperties, wxEmptyString, wxDefaultPosition, wxSize(-1, 90),
                            wxTE_MULTILINE | wxTE_READONLY),
             0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    FinishLayout(top);

    Bind(wxEVT_TEXT, &AddMeshDlg::OnFileEditChanged, this, L::kFile);
    for (int id : kSizeIds) {
        Bind(
            wxEVT_TEXT, [this](wxCommandEvent& event) { MeshLogic().MarkChanged(event.GetId()); },
            id);
    }
    for (int id : {L::kLength, L::kHeight, L::kWidth, L::kRotate, L::kAltitude}) {
        Edit(id)->Bind(wxEVT_KILL_FOCUS, &AddMeshDlg::OnKillFocus, this);
    }
    Bind(
        wxEVT_CHECKBOX,
        [this](wxCommandEvent&) {
            MeshLogic().ToggleOwnMaterial();
            RefreshLook();
        },
        L::kOwnMaterial);
    Bind(wxEVT_BUTTON, &AddMeshDlg::OnChooseMeshFile, this, L::kChooseFile);
    Bind(wxEVT_BUTTON, &AddMeshDlg::OnChooseTexture, this, L::kChooseTexture);
}

wxBoxSizer* AddMeshDlg::BrowseRow(int labelId, const wxString& label, int editId, int buttonId) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, labelId, label), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    row->Add(new wxTextCtrl(this, editId, wxEmptyString, wxDefaultPosition, wxSize(240, -1)), 1,
             wxALIGN_CENTER_VERTICAL);
    AddBrowseButton(this, row, buttonId);
    return row;
}

wxTextCtrl* AddMeshDlg::Edit(int id) const { return dynamic_cast<wxTextCtrl*>(FindWindow(id)); }

void AddMeshDlg::OnInitDialog(wxInitDialogEvent& event) {
    // The properties box lines its numbers up in a fixed-pitch face.
    propertiesFont_ = wxFont(wxFontInfo(wxSize(0, 14)).FaceName("Courier New"));
    if (wxTextCtrl* properties = Edit(L::kProperties)) {
        properties->SetFont(propertiesFont_);
    }
    AddObjectAbstract::OnInitDialog(event);
}

void AddMeshDlg::OnFileEditChanged(wxCommandEvent&) {
    wxTextCtrl* edit = Edit(L::kFile);
    if (edit == nullptr || !MeshLogic().FileEditNeedsRevert(FromWx(edit->GetValue()))) {
        return;
    }
    edit->ChangeValue(ToWx(MeshLogic().meshFile));
    // Shown once the text event is over, so that focus changes cannot re-enter here.
    CallAfter([this] { MeshLogic().ShowFileReadOnlyMessage(); });
}

void AddMeshDlg::OnKillFocus(wxFocusEvent& event) {
    event.Skip();
    const int id = event.GetId();
    CallAfter([this, id] { LeaveField(id); });
}

bool AddMeshDlg::LeaveField(int id) {
    std::optional<FieldRefusal> refusal;
    const bool isSize = id == L::kLength || id == L::kHeight || id == L::kWidth;
    const bool refill = isSize ? MeshLogic().OnSizeKillFocus(id, CollectFieldTexts(), refusal)
                               : MeshLogic().OnFieldKillFocus(CollectFieldTexts(), refusal);
    if (refill) {
        RefreshControls();
    } else if (refusal) {
        ShowRefusal(*refusal);
    }
    return !refusal;
}

void AddMeshDlg::OnChooseMeshFile(wxCommandEvent&) {
    if (MeshLogic().ChooseMeshFile()) {
        RefreshControls();
    } else if (wxTextCtrl* edit = Edit(L::kFile)) {
        edit->ChangeValue(ToWx(MeshLogic().meshFile));
    }
}

void AddMeshDlg::OnChooseTexture(wxCommandEvent&) {
    if (MeshLogic().ChooseTexture()) {
        if (wxTextCtrl* edit = Edit(L::kTexture)) {
            edit->ChangeValue(ToWx(MeshLogic().texture));
        }
    }
}

void AddMeshDlg::OnOk(wxCommandEvent& event) {
    // A size typed just before OK has not been through its deferred focus handler yet:
    // keep the proportions first, as leaving the field would have.
    for (int id : kSizeIds) {
        if (MeshLogic().IsMarked(id) && !LeaveField(id)) {
            return;
        }
    }
    AddObjectAbstract::OnOk(event);
}

} // namespace pf
