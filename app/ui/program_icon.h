#pragma once
// The program's icon, read from the install folder.
#include <wx/iconbndl.h>

namespace pf {

// "padforge.png" of the install folder; an empty bundle when the folder is unknown or the
// file is missing. Shows no message: a window without an icon is still usable.
wxIconBundle ProgramIcons();

} // namespace pf
