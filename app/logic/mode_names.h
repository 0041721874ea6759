#pragma once
// The names of the structure editor's editing modes, used as the label of the undo step
// that a finished drag records.
#include <string>

namespace pf {

// The name of mode number `mode`; "" for a number that names no mode.
std::string GetModeName(int mode);

} // namespace pf
