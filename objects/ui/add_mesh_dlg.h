#pragma once
// "Add Mesh": the wx face of AddMeshLogic. It builds the controls, moves their texts to
// and from the logic and calls its handlers; it decides nothing itself.
#include "foundation/ui/modal_dialog.h"
#include "objects/logic/add_mesh_logic.h"
#include "objects/object_editing.h"

#include <wx/font.h>

class wxTextCtrl;
class wxFocusEvent;

namespace pf {

class AddMeshDlg : public ModalDialog, public ObjectEditDialog {
  public:
    explicit AddMeshDlg(wxWindow* parent);

    // ObjectEditDialog: a mesh is taken, other types are refused.
    void SetObject(const AstrelObjectHandle& object) override;
    bool RunModal() override;
    void GetObject(AstrelObject& result) override;

    AddMeshLogic& Logic() { return logic_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnFileEditChanged(wxCommandEvent& event);
    void OnSizeChanged(wxCommandEvent& event);
    void OnSizeKillFocus(wxFocusEvent& event);
    void OnFieldKillFocus(wxFocusEvent& event);
    void OnOwnMaterialClicked(wxCommandEvent& event);
    void OnChooseMeshFile(wxCommandEvent& event);
    void OnChooseTexture(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    ControlTexts Fields() const;
    // Every control from the logic's members, without change events.
    void ShowMembers();
    void UpdateTextureControls();
    wxTextCtrl* Edit(int id) const;

    AddMeshLogic logic_;
    wxFont propertiesFont_;
};

} // namespace pf
