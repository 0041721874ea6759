#pragma once
// A list box whose entries can look disabled: an entry whose item data is 0 is drawn grey
// on the window colour and never highlighted, though it can still be made current. The
// structure editor's object list uses it for hidden objects. It keeps its texts (CP1252
// bytes) and item data itself and sends wxEVT_LISTBOX and wxEVT_LISTBOX_DCLICK.
#include <cstdint>
#include <string>
#include <vector>
#include <wx/vlbox.h>

namespace pf {

class CExtendedListBox : public wxVListBox {
  public:
    struct Entry {
        std::string text;
        std::intptr_t data = 0;
    };

    CExtendedListBox(wxWindow* parent, wxWindowID id, const wxPoint& position = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize, long style = 0);

    int GetCount() const { return static_cast<int>(entries_.size()); }
    // The current entry, -1 for none.
    int GetCurrentIndex() const { return GetSelection(); }
    void SetCurrentIndex(int index);
    void ResetContent();
    // Appends an entry with item data 0 and returns its index.
    int AddString(const std::string& text);
    // The list becomes these entries, none of them current, as after ResetContent and an
    // AddString and SetItemData for each; the rows are counted once, not once per entry.
    void SetEntries(std::vector<Entry> entries);
    // "" and 0 for an index outside the list.
    std::string GetText(int index) const;
    std::intptr_t GetItemData(int index) const;
    void SetItemData(int index, std::intptr_t data);

    // True at or beyond the end of the list, otherwise when the entry's data is not 0.
    virtual bool IsItemEnabled(int index) const;

    // Rows follow the font.
    bool SetFont(const wxFont& font) override;

    // Draws entry n into rect as a repaint does (public so that it can be looked at).
    void DrawEntry(wxDC& dc, const wxRect& rect, size_t n) const;

  protected:
    void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override;
    void OnDrawBackground(wxDC& dc, const wxRect& rect, size_t n) const override;
    wxCoord OnMeasureItem(size_t n) const override;

  private:
    bool LooksDisabled(size_t n) const;

    std::vector<Entry> entries_;
    // Every row is one line of text high. Measured once per font: asking for the font of a
    // list that has none of its own makes GTK build a widget, and wx measures rows often.
    mutable wxCoord rowHeight_ = 0;
};

} // namespace pf
