#pragma once
// "Add Train": edits both train kinds and switches between them.
#include "foundation/ui/modal_dialog.h"
#include "objects/astrel_object.h"
#include "objects/object_editing.h"
#include "objects/dialog_logic/train_dialog_logic.h"

namespace pf {

class MyBitmapButton;

class AddTrainDlg : public ModalDialog, public ObjectEditDialog {
  public:
    explicit AddTrainDlg(wxWindow* parent = nullptr);

    // A train to edit; false, nothing changed, for any other type.
    bool SetHeldObject(const AstrelObjectHandle& object);
    void SetObject(const AstrelObjectHandle& object) override { SetHeldObject(object); }
    bool RunModal() override { return ShowModal() == wxID_OK; }
    void GetObject(AstrelObject& result) override { result.CloneFrom(held_); }

    const AddTrainLogic& Logic() const { return logic_; }

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void ShowKind();
    void OnKind(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    AddTrainLogic logic_;
    AstrelObject held_;
    MyBitmapButton* train1_ = nullptr;
    MyBitmapButton* train2_ = nullptr;
};

} // namespace pf
