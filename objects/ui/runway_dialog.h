#pragma once
// "Add Runway": edits a runway and its lights together.
#include "foundation/ui/modal_dialog.h"
#include "objects/astrel_object.h"
#include "objects/object_editing.h"
#include "objects/dialog_logic/runway_dialog_logic.h"

class wxChoice;

namespace pf {

class MyBitmapButton;

class AddRunwayDlg : public ModalDialog, public ObjectEditDialog {
  public:
    explicit AddRunwayDlg(wxWindow* parent = nullptr);

    // A runway to edit; false, nothing changed, for any other type.
    bool SetHeldObject(const AstrelObjectHandle& object);
    void SetObject(const AstrelObjectHandle& object) override { SetHeldObject(object); }
    bool RunModal() override { return ShowModal() == wxID_OK; }
    void GetObject(AstrelObject& result) override { result.CloneFrom(held_); }

    // Frequencies the structure editor hands a new runway before the dialog runs.
    void SetIlsFrequencies(float first, float second) { logic_.SetIlsFrequencies(first, second); }
    const AddRunwayLogic& Logic() const { return logic_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void ShowMembers();
    void UpdateLightControls();
    void UpdateTypeButtons();
    void OnOk(wxCommandEvent& event);

    AddRunwayLogic logic_;
    AstrelObject held_;
    MyBitmapButton* runway1_ = nullptr;
    MyBitmapButton* runway2_ = nullptr;
    wxChoice* mode_ = nullptr;
};

} // namespace pf
