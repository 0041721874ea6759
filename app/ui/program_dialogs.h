#pragma once
// Registers every dialog that core code opens: the object types' edit dialogs and the
// dialog runners of the main dialog and the editors. The program and the ui tests call
// it once at start-up.
namespace pf {

void RegisterProgramDialogs();

} // namespace pf
