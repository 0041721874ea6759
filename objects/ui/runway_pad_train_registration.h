#pragma once
// Puts the runway, landing pad and train dialogs into the object dialog registry.

namespace pf {

// Codes 6, 10, 11, 12, 13 and 14. Stand-alone runway lights (7) have no dialog.
void RegisterRunwayPadTrainDialogs();

} // namespace pf
