#include "controls/ui/extended_list_box.h"

#include "support/ui/wx_test_hook.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/settings.h>

namespace pf {
namespace {

using Rgb = std::tuple<int, int, int>;

Rgb Of(const wxColour& c) { return {c.Red(), c.Green(), c.Blue()}; }

struct Drawn {
    Rgb corner;
    std::set<Rgb> colours;
};

// Draws entry n into a memory bitmap and reports its background (a corner far from the
// text) and every colour it holds.
Drawn DrawIntoBitmap(const CExtendedListBox& list, size_t n) {
    const wxRect rect(0, 0, 160, 24);
    wxBitmap bitmap(rect.width, rect.height, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetFont(list.GetFont());
        list.DrawEntry(dc, rect, n);
    }
    const wxImage image = bitmap.ConvertToImage();
    Drawn drawn;
    drawn.corner = {image.GetRed(158, 22), image.GetGreen(158, 22), image.GetBlue(158, 22)};
    for (int y = 0; y < rect.height; ++y) {
        for (int x = 0; x < rect.width; ++x) {
            drawn.colours.insert({image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)});
        }
    }
    return drawn;
}

TEST(CExtendedListBoxTest, DisabledEntriesAreGreyAndNeverHighlighted) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "list");
    auto* list = new CExtendedListBox(frame, 1024, wxDefaultPosition, wxSize(200, 120));
    list->SetItemData(list->AddString("HILL shown"), 1);
    list->AddString("HILL hidden");
    EXPECT_FALSE(list->IsItemEnabled(1));
    EXPECT_TRUE(list->IsItemEnabled(2));

    const Rgb window = Of(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    const Rgb highlight = Of(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    const Rgb highlightText = Of(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT));
    const Rgb grey{144, 144, 144};

    list->SetCurrentIndex(0);
    Drawn selected = DrawIntoBitmap(*list, 0);
    EXPECT_EQ(selected.corner, highlight);
    EXPECT_TRUE(selected.colours.count(highlightText));

    // Current but hidden: grey on the window colour.
    list->SetCurrentIndex(1);
    EXPECT_EQ(list->GetCurrentIndex(), 1);
    Drawn hidden = DrawIntoBitmap(*list, 1);
    EXPECT_EQ(hidden.corner, window);
    EXPECT_TRUE(hidden.colours.count(grey));
    EXPECT_FALSE(hidden.colours.count(highlight));

    // Unselected shown entry: black text.
    EXPECT_TRUE(DrawIntoBitmap(*list, 0).colours.count(Rgb{0, 0, 0}));

    // A disabled list draws every entry grey, the selected one too.
    list->Disable();
    list->SetCurrentIndex(0);
    Drawn disabled = DrawIntoBitmap(*list, 0);
    EXPECT_EQ(disabled.corner, window);
    EXPECT_TRUE(disabled.colours.count(grey));
    EXPECT_FALSE(disabled.colours.count(Rgb{0, 0, 0}));
    frame->Destroy();
}

} // namespace
} // namespace pf
