#pragma once
// "Add Train": edits both train kinds and switches between them.
#include "objects/logic/train_logic.h"
#include "objects/ui/add_object_abstract.h"

namespace pf {

class MyBitmapButton;

class AddTrainDlg : public AddObjectAbstract {
  public:
    explicit AddTrainDlg(wxWindow* parent = nullptr);

    void RefreshControls() override;

  private:
    AddTrainLogic& TrainLogic() { return static_cast<AddTrainLogic&>(Logic()); }
    void OnInitDialog(wxInitDialogEvent& event) override;
    void ShowKind();
    void OnKind(wxCommandEvent& event);

    MyBitmapButton* train1_ = nullptr;
    MyBitmapButton* train2_ = nullptr;
};

} // namespace pf
