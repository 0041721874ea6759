#pragma once
// "Add Landing Pad": edits the three pad kinds and switches between them.
#include "objects/logic/landing_pad_logic.h"
#include "objects/ui/add_object_abstract.h"

namespace pf {

class AddLpadDlg : public AddObjectAbstract {
  public:
    explicit AddLpadDlg(wxWindow* parent = nullptr);

    // The frequency the structure editor hands a new pad before the dialog runs.
    void SetFrequency(float mhz) { static_cast<AddLpadLogic&>(Logic()).SetFrequency(mhz); }
};

} // namespace pf
