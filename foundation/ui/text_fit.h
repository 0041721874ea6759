#pragma once
// Control sizes taken from the texts a control must show, measured in the control's own
// font, so that nothing is cut off whatever font the desktop gives.
#include <vector>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxWindow;
class wxTextCtrl;

namespace pf {

// The width of the widest of the texts in the window's font.
int WidestTextWidth(const wxWindow* window, const std::vector<wxString>& texts);
// The room a block of lines (split at '\n') takes in the window's font: the widest line,
// and the line height times the number of lines.
wxSize TextBlockExtent(const wxWindow* window, const wxString& text);
// The outer width a one-line text box needs to show each of the texts whole.
int OneLineBoxWidth(wxTextCtrl* box, const std::vector<wxString>& texts);
// The outer size a multi-line text box needs to show the whole text without scrolling
// and without wrapping a line.
wxSize MultiLineBoxSize(wxTextCtrl* box, const wxString& text);

} // namespace pf
