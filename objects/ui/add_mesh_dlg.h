#pragma once
// "Add Mesh": the wx face of AddMeshLogic on the object dialog frame. It builds the
// controls, moves their texts to and from the logic and calls its handlers; it decides
// nothing itself.
#include "objects/logic/add_mesh_logic.h"
#include "objects/ui/add_object_abstract.h"

#include <wx/font.h>

class wxBoxSizer;
class wxFocusEvent;
class wxTextCtrl;

namespace pf {

class AddMeshDlg : public AddObjectAbstract {
  public:
    explicit AddMeshDlg(wxWindow* parent);

    AddMeshLogic& MeshLogic() { return static_cast<AddMeshLogic&>(Logic()); }

  protected:
    void OnInitDialog(wxInitDialogEvent& event) override;
    void OnOk(wxCommandEvent& event) override;

  private:
    void OnFileEditChanged(wxCommandEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    // A size, the rotation or the altitude was left: the logic reads the fields; then the
    // controls are filled again, or the refusal is shown (false).
    bool LeaveField(int id);
    void OnChooseMeshFile(wxCommandEvent& event);
    void OnChooseTexture(wxCommandEvent& event);
    // A label, an edit and its "..." button in one row.
    wxBoxSizer* BrowseRow(int labelId, const wxString& label, int editId, int buttonId);
    wxTextCtrl* Edit(int id) const;

    wxFont propertiesFont_;
};

} // namespace pf
