#include "foundation/ui/text_fit.h"

#include <algorithm>
#include <wx/arrstr.h>
#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/window.h>

namespace pf {

int WidestTextWidth(const wxWindow* window, const std::vector<wxString>& texts) {
    int widest = 0;
    for (const wxString& text : texts) {
        widest = std::max(widest, window->GetTextExtent(text).GetWidth());
    }
    return widest;
}

wxSize TextBlockExtent(const wxWindow* window, const wxString& text) {
    const wxArrayString lines = wxSplit(text, '\n', '\0');
    int widest = 0;
    for (const wxString& line : lines) {
        widest = std::max(widest, window->GetTextExtent(line).GetWidth());
    }
    const int count = std::max<int>(1, static_cast<int>(lines.size()));
    return wxSize(widest, count * window->GetCharHeight());
}

int OneLineBoxWidth(wxTextCtrl* box, const std::vector<wxString>& texts) {
    // The toolkit adds its frame and inner margins; a character more keeps the caret off
    // the last letter.
    return box->GetSizeFromTextSize(WidestTextWidth(box, texts) + box->GetCharWidth()).GetWidth();
}

wxSize MultiLineBoxSize(wxTextCtrl* box, const wxString& text) {
    const wxSize extent = TextBlockExtent(box, text);
    // Frame, inner margins and a scroll bar's width, which the toolkit may reserve even
    // when nothing scrolls; one line more of slack for the text view's spacing.
    const int frame = 2 * box->GetCharWidth() + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, box);
    return wxSize(extent.GetWidth() + frame, extent.GetHeight() + box->GetCharHeight() + 8);
}

} // namespace pf
