#pragma once
// The dialog-maker table: the edit dialog of every object type that has one.

namespace pf {

// Registers the table's dialogs as the edit dialogs of their type codes. The program and
// the ui tests call it once at start-up.
void RegisterObjectDialogs();

} // namespace pf
