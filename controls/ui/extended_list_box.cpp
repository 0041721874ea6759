#include "controls/ui/extended_list_box.h"

#include "foundation/ui/wx_text.h"

#include <wx/dc.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <utility>

namespace pf {

namespace {
const wxColour kDisabledText(144, 144, 144);
}

CExtendedListBox::CExtendedListBox(wxWindow* parent, wxWindowID id, const wxPoint& position,
                                   const wxSize& size, long style)
    : wxVListBox(parent, id, position, size, style) {
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    // A new theme may bring another default font.
    Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& event) {
        rowHeight_ = 0;
        event.Skip();
    });
}

void CExtendedListBox::SetCurrentIndex(int index) {
    SetSelection(index >= 0 && index < GetCount() ? index : wxNOT_FOUND);
}

void CExtendedListBox::ResetContent() {
    entries_.clear();
    SetItemCount(0);
    Refresh();
}

int CExtendedListBox::AddString(const std::string& text) {
    entries_.push_back({text, 0});
    SetItemCount(entries_.size());
    Refresh();
    return GetCount() - 1;
}

void CExtendedListBox::SetEntries(std::vector<Entry> entries) {
    // Emptied first, so that no entry stays current.
    SetItemCount(0);
    entries_ = std::move(entries);
    SetItemCount(entries_.size());
    Refresh();
}

std::string CExtendedListBox::GetText(int index) const {
    return index >= 0 && index < GetCount() ? entries_[static_cast<size_t>(index)].text : "";
}

std::intptr_t CExtendedListBox::GetItemData(int index) const {
    return index >= 0 && index < GetCount() ? entries_[static_cast<size_t>(index)].data : 0;
}

void CExtendedListBox::SetItemData(int index, std::intptr_t data) {
    if (index >= 0 && index < GetCount()) {
        entries_[static_cast<size_t>(index)].data = data;
        RefreshRow(static_cast<size_t>(index));
    }
}

bool CExtendedListBox::IsItemEnabled(int index) const {
    if (index >= GetCount()) {
        return true;
    }
    return GetItemData(index) != 0;
}

bool CExtendedListBox::LooksDisabled(size_t n) const {
    return !IsEnabled() || !IsItemEnabled(static_cast<int>(n));
}

void CExtendedListBox::OnDrawBackground(wxDC& dc, const wxRect& rect, size_t n) const {
    // Opaque over the whole entry; a disabled entry is never highlighted.
    const bool highlighted = !LooksDisabled(n) && IsSelected(n);
    dc.SetBrush(wxBrush(
        wxSystemSettings::GetColour(highlighted ? wxSYS_COLOUR_HIGHLIGHT : wxSYS_COLOUR_WINDOW)));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(rect);
}

void CExtendedListBox::OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const {
    if (n >= entries_.size()) {
        return;
    }
    wxColour text = *wxBLACK;
    if (LooksDisabled(n)) {
        text = kDisabledText;
    } else if (IsSelected(n)) {
        text = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT);
    }
    dc.SetTextForeground(text);
    dc.DrawText(ToWx(entries_[n].text), rect.x + 2, rect.y + 2);
    if (IsCurrent(n) && HasFocus()) {
        wxRendererNative::Get().DrawFocusRect(const_cast<CExtendedListBox*>(this), dc, rect);
    }
}

bool CExtendedListBox::SetFont(const wxFont& font) {
    rowHeight_ = 0;
    return wxVListBox::SetFont(font);
}

wxCoord CExtendedListBox::OnMeasureItem(size_t) const {
    if (rowHeight_ == 0) {
        rowHeight_ = GetCharHeight() + 4;
    }
    return rowHeight_;
}

void CExtendedListBox::DrawEntry(wxDC& dc, const wxRect& rect, size_t n) const {
    OnDrawBackground(dc, rect, n);
    OnDrawItem(dc, rect, n);
}

} // namespace pf
