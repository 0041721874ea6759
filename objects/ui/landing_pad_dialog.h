#pragma once
// "Add Landing Pad": edits the three pad kinds and switches between them.
#include "foundation/ui/modal_dialog.h"
#include "objects/astrel_object.h"
#include "objects/dialog_logic/landing_pad_dialog_logic.h"
#include "objects/object_editing.h"

namespace pf {

class MyBitmapButton;

class AddLpadDlg : public ModalDialog, public ObjectEditDialog {
  public:
    explicit AddLpadDlg(wxWindow* parent = nullptr);

    // A pad to edit; false, nothing changed, for any other type.
    bool SetHeldObject(const AstrelObjectHandle& object);
    void SetObject(const AstrelObjectHandle& object) override { SetHeldObject(object); }
    bool RunModal() override { return ShowModal() == wxID_OK; }
    void GetObject(AstrelObject& result) override { result.CloneFrom(held_); }

    // The frequency the structure editor hands a new pad before the dialog runs.
    void SetFrequency(float mhz) { logic_.SetFrequency(mhz); }
    const AddLpadLogic& Logic() const { return logic_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void ShowMembers();
    void ShowKind();
    void OnKind(wxCommandEvent& event);
    void OnChooseTexture(wxCommandEvent& event);
    // The texture chooser over the pad's kind and texture; OK takes its name.
    void ChooseTexture();
    void OnOk(wxCommandEvent& event);

    AddLpadLogic logic_;
    AstrelObject held_;
    MyBitmapButton* kinds_[3] = {};
};

} // namespace pf
