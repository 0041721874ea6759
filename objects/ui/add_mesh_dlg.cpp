#include "objects/ui/add_mesh_dlg.h"

#include "foundation/ui/wx_text.h"
#include "objects/astrel_object.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

using L = AddMeshLogic;

const std::vector<int> kFieldIds = {L::kRotate,      L::kLength,  L::kWidth,   L::kHeight,
                                    L::kFile,        L::kTexture, L::kShadow,  L::kUnderShadows,
                                    L::kOwnMaterial, L::kLpad,    L::kPreload, L::kAltitude,
                                    L::kKeepAspect};

} // namespace

AddMeshDlg::AddMeshDlg(wxWindow* parent) : ModalDialog(parent, "Add Mesh") {
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* fileRow = new wxBoxSizer(wxHORIZONTAL);
    fileRow->Add(new wxStaticText(this, wxID_ANY, "File:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
                 6);
    fileRow->Add(new wxTextCtrl(this, L::kFile, wxEmptyString, wxDefaultPosition, wxSize(240, -1)),
                 1, wxALIGN_CENTER_VERTICAL);
    fileRow->Add(new wxButton(this, L::kChooseFile, "...", wxDefaultPosition, wxSize(32, -1)), 0,
                 wxLEFT, 4);
    top->Add(fileRow, 0, wxEXPAND | wxALL, 8);
    top->Add(new wxCheckBox(this, L::kKeepAspect, "Maintain Original Aspect Ratio on Resize"), 0,
             wxLEFT | wxRIGHT, 8);

    auto* boxes = new wxBoxSizer(wxHORIZONTAL);
    auto* dimensionsBox = new wxStaticBox(this, wxID_ANY, "Dimensions");
    auto* dimensions = new wxStaticBoxSizer(dimensionsBox, wxVERTICAL);
    auto* dimensionGrid = new wxFlexGridSizer(2, 4, 6);
    for (auto [id, label] : {std::pair{int(L::kWidth), "Width"},
                             {int(L::kLength), "Length"},
                             {int(L::kHeight), "Height"}}) {
        dimensionGrid->Add(new wxStaticText(dimensionsBox, wxID_ANY, label), 0,
                           wxALIGN_CENTER_VERTICAL);
        dimensionGrid->Add(new wxTextCtrl(dimensionsBox, id, wxEmptyString));
    }
    dimensions->Add(dimensionGrid, 0, wxALL, 4);
    boxes->Add(dimensions, 1, wxEXPAND | wxRIGHT, 8);

    auto* positioningBox = new wxStaticBox(this, wxID_ANY, "Positioning");
    auto* positioning = new wxStaticBoxSizer(positioningBox, wxVERTICAL);
    auto* positionGrid = new wxFlexGridSizer(2, 4, 6);
    for (auto [id, label] :
         {std::pair{int(L::kRotate), "Rotate"}, {int(L::kAltitude), "Altitude"}}) {
        positionGrid->Add(new wxStaticText(positioningBox, wxID_ANY, label), 0,
                          wxALIGN_CENTER_VERTICAL);
        positionGrid->Add(new wxTextCtrl(positioningBox, id, wxEmptyString));
    }
    positioning->Add(positionGrid, 0, wxALL, 4);
    boxes->Add(positioning, 1, wxEXPAND);
    top->Add(boxes, 0, wxEXPAND | wxALL, 8);

    auto* textureRow = new wxBoxSizer(wxHORIZONTAL);
    textureRow->Add(new wxStaticText(this, L::kTextureLabel, "Texture (if needed)"), 0,
                    wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    textureRow->Add(new wxTextCtrl(this, L::kTexture, wxEmptyString), 1, wxALIGN_CENTER_VERTICAL);
    textureRow->Add(new wxButton(this, L::kChooseTexture, "...", wxDefaultPosition, wxSize(32, -1)),
                    0, wxLEFT, 4);
    top->Add(textureRow, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

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

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    buttons->Add(ok, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
    ok->SetDefault();
    SetSizerAndFit(top);

    Bind(wxEVT_INIT_DIALOG, &AddMeshDlg::OnInitDialog, this);
    Bind(wxEVT_TEXT, &AddMeshDlg::OnFileEditChanged, this, L::kFile);
    for (int id : {L::kLength, L::kHeight, L::kWidth}) {
        Bind(wxEVT_TEXT, &AddMeshDlg::OnSizeChanged, this, id);
        Edit(id)->Bind(wxEVT_KILL_FOCUS, &AddMeshDlg::OnSizeKillFocus, this);
    }
    for (int id : {L::kRotate, L::kAltitude}) {
        Edit(id)->Bind(wxEVT_KILL_FOCUS, &AddMeshDlg::OnFieldKillFocus, this);
    }
    Bind(wxEVT_CHECKBOX, &AddMeshDlg::OnOwnMaterialClicked, this, L::kOwnMaterial);
    Bind(wxEVT_BUTTON, &AddMeshDlg::OnChooseMeshFile, this, L::kChooseFile);
    Bind(wxEVT_BUTTON, &AddMeshDlg::OnChooseTexture, this, L::kChooseTexture);
    Bind(wxEVT_BUTTON, &AddMeshDlg::OnOk, this, wxID_OK);
}

wxTextCtrl* AddMeshDlg::Edit(int id) const { return dynamic_cast<wxTextCtrl*>(FindWindow(id)); }

void AddMeshDlg::SetObject(const AstrelObjectHandle& object) { logic_.SetObject(object); }

bool AddMeshDlg::RunModal() { return ShowModal() == wxID_OK; }

void AddMeshDlg::GetObject(AstrelObject& result) { logic_.GetObject(result); }

ControlTexts AddMeshDlg::Fields() const { return CollectTexts(kFieldIds); }

void AddMeshDlg::ShowMembers() { ApplyTexts(logic_.ShowFields()); }

void AddMeshDlg::OnInitDialog(wxInitDialogEvent&) {
    // The properties box lines its numbers up in a fixed-pitch face.
    propertiesFont_ = wxFont(wxFontInfo(wxSize(0, 14)).FaceName("Courier New"));
    if (wxTextCtrl* properties = Edit(L::kProperties)) {
        properties->SetFont(propertiesFont_);
    }
    ShowMembers();
    UpdateTextureControls();
}

void AddMeshDlg::UpdateTextureControls() {
    if (wxTextCtrl* properties = Edit(L::kProperties)) {
        properties->ChangeValue(ToWx(logic_.PropertiesText()));
    }
    if (wxWindow* texture = FindWindow(L::kTexture)) {
        texture->Enable(logic_.IsTextureFieldEnabled());
    }
    if (wxWindow* button = FindWindow(L::kChooseTexture)) {
        button->Show(logic_.IsTextureButtonShown());
    }
    Layout();
}

void AddMeshDlg::OnFileEditChanged(wxCommandEvent&) {
    wxTextCtrl* edit = Edit(L::kFile);
    if (edit == nullptr || !logic_.FileEditNeedsRevert(FromWx(edit->GetValue()))) {
        return;
    }
    edit->ChangeValue(ToWx(logic_.meshFile));
    // Shown once the text event is over, so that focus changes cannot re-enter here.
    CallAfter([this] { logic_.ShowFileReadOnlyMessage(); });
}

void AddMeshDlg::OnSizeChanged(wxCommandEvent& event) { logic_.MarkChanged(event.GetId()); }

void AddMeshDlg::OnSizeKillFocus(wxFocusEvent& event) {
    event.Skip();
    const int id = event.GetId();
    CallAfter([this, id] {
        std::optional<FieldRefusal> refusal;
        if (logic_.OnSizeKillFocus(id, Fields(), refusal)) {
            ShowMembers();
        } else if (refusal) {
            ShowRefusal(*refusal);
        }
    });
}

void AddMeshDlg::OnFieldKillFocus(wxFocusEvent& event) {
    event.Skip();
    CallAfter([this] {
        std::optional<FieldRefusal> refusal;
        if (logic_.OnFieldKillFocus(Fields(), refusal)) {
            ShowMembers();
        } else if (refusal) {
            ShowRefusal(*refusal);
        }
    });
}

void AddMeshDlg::OnOwnMaterialClicked(wxCommandEvent&) {
    logic_.ToggleOwnMaterial();
    UpdateTextureControls();
}

void AddMeshDlg::OnChooseMeshFile(wxCommandEvent&) {
    if (logic_.ChooseMeshFile()) {
        ShowMembers();
    }
    if (wxTextCtrl* edit = Edit(L::kFile)) {
        edit->ChangeValue(ToWx(logic_.meshFile));
    }
    UpdateTextureControls();
}

void AddMeshDlg::OnChooseTexture(wxCommandEvent&) {
    if (logic_.ChooseTexture()) {
        if (wxTextCtrl* edit = Edit(L::kTexture)) {
            edit->ChangeValue(ToWx(logic_.texture));
        }
    }
}

void AddMeshDlg::OnOk(wxCommandEvent&) {
    // A size typed just before OK has not been through its deferred focus handler yet:
    // keep the proportions first, as leaving the field would have.
    for (int id : {L::kLength, L::kHeight, L::kWidth}) {
        if (!logic_.IsMarked(id)) {
            continue;
        }
        std::optional<FieldRefusal> refusal;
        if (logic_.OnSizeKillFocus(id, Fields(), refusal)) {
            ShowMembers();
        } else if (refusal) {
            ShowRefusal(*refusal);
            return;
        }
    }
    const AddMeshLogic::AcceptOutcome outcome = logic_.Accept(Fields());
    if (outcome.refusal) {
        ShowRefusal(*outcome.refusal);
        return;
    }
    if (outcome.accepted) {
        EndWith(wxID_OK);
    }
}

} // namespace pf
