#include "app/logic/dialog_runners.h"

namespace pf {

DialogRunners& GetDialogRunners() {
    static DialogRunners runners;
    return runners;
}

} // namespace pf
