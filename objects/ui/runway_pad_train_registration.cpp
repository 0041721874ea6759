#include "objects/ui/runway_pad_train_registration.h"

#include "objects/astrel_object.h"
#include "objects/object_editing.h"
#include "objects/ui/landing_pad_dlg.h"
#include "objects/ui/runway_dlg.h"
#include "objects/ui/train_dlg.h"

#include <memory>

namespace pf {

namespace {

template <class Dialog> std::unique_ptr<ObjectEditDialog> Make() {
    return std::make_unique<Dialog>();
}

} // namespace

void RegisterRunwayPadTrainDialogs() {
    ObjectDialogRegistry::Register(kTypeRunway, Make<AddRunwayDlg>);
    ObjectDialogRegistry::Register(kTypeTrain1, Make<AddTrainDlg>);
    ObjectDialogRegistry::Register(kTypeTrain2, Make<AddTrainDlg>);
    ObjectDialogRegistry::Register(kTypeLpad1, Make<AddLpadDlg>);
    ObjectDialogRegistry::Register(kTypeLpad2, Make<AddLpadDlg>);
    ObjectDialogRegistry::Register(kTypeLpad2A, Make<AddLpadDlg>);
}

} // namespace pf
