#include "app/ui/program_dialogs.h"

#include "app/logic/dialog_runners.h"
#include "app/ui/about_dlg.h"
#include "controls/ui/image_yes_no_message_box.h"
#include "objects/ui/object_dialogs.h"

namespace pf {

void RegisterProgramDialogs() {
    RegisterObjectDialogs();
    DialogRunners& runners = GetDialogRunners();
    runners.about = &RunAboutDlg;
    runners.imageYesNo = &RunImageYesNoMessageBox;
}

} // namespace pf
