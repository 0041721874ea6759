#pragma once
// "Add Train": edits both train kinds and switches between them.
#include "objects/logic/train_logic.h"
#include "objects/ui/add_object_abstract.h"

namespace pf {

class AddTrainDlg : public AddObjectAbstract {
  public:
    explicit AddTrainDlg(wxWindow* parent = nullptr);
};

} // namespace pf
