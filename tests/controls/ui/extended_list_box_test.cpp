#include "controls/ui/extended_list_box.h"

#include "support/ui/wx_test_hook.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/settings.h>

namespace pf {
namespace {

using Rgb = std::tuple<int, int, int>;

Rgb System(wxSystemColour which) {
    const wxColour c = wxSystemSettings::GetColour(which);
    return {c.Red(), c.Green(), c.Blue()};
}

// Draws entry n into a memory bitmap; its background (a corner far from the text) first,
// then every colour it holds.
std::pair<Rgb, std::set<Rgb>> Draw(const CExtendedListBox& list, size_t n) {
    wxBitmap bitmap(160, 24, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetFont(list.GetFont());
        list.DrawEntry(dc, wxRect(0, 0, 160, 24), n);
    }
    const wxImage image = bitmap.ConvertToImage();
    std::set<Rgb> colours;
    for (int i = 0; i < 160 * 24; ++i)
        colours.insert(
            {image.GetData()[3 * i], image.GetData()[3 * i + 1], image.GetData()[3 * i + 2]});
    return {{image.GetRed(158, 22), image.GetGreen(158, 22), image.GetBlue(158, 22)}, colours};
}

TEST(CExtendedListBoxTest, DisabledEntriesAreGreyAndNeverHighlighted) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "list");
    auto* list = new CExtendedListBox(frame, 1024, wxDefaultPosition, wxSize(200, 120));
    list->SetItemData(list->AddString("HILL shown"), 1);
    list->AddString("HILL hidden");
    const Rgb grey{144, 144, 144};
    const Rgb window = System(wxSYS_COLOUR_WINDOW), highlight = System(wxSYS_COLOUR_HIGHLIGHT);

    list->SetCurrentIndex(0);
    auto [back, colours] = Draw(*list, 0);
    EXPECT_EQ(back, highlight);
    EXPECT_TRUE(colours.count(System(wxSYS_COLOUR_HIGHLIGHTTEXT)));
    // Current but hidden (item data 0): grey on the window colour.
    list->SetCurrentIndex(1);
    std::tie(back, colours) = Draw(*list, 1);
    EXPECT_EQ(back, window);
    EXPECT_TRUE(colours.count(grey) && !colours.count(highlight));
    EXPECT_TRUE(Draw(*list, 0).second.count(Rgb{0, 0, 0}));
    // A disabled list draws every entry grey, the selected one too.
    list->Disable();
    list->SetCurrentIndex(0);
    std::tie(back, colours) = Draw(*list, 0);
    EXPECT_EQ(back, window);
    EXPECT_TRUE(colours.count(grey) && !colours.count(Rgb{0, 0, 0}));
    frame->Destroy();
}

TEST(CExtendedListBoxTest, EntriesSetInOneGoAreThoseAddedOneByOne) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "list");
    auto* list = new CExtendedListBox(frame, 1024, wxDefaultPosition, wxSize(200, 120));
    list->SetItemData(list->AddString("BLOCK old"), 1);
    list->SetCurrentIndex(0);
    list->SetEntries({{"BLOCK", 7}, {"Hidden:", 0}, {"TANK", 0}});
    // As after ResetContent: no entry is current.
    EXPECT_EQ(list->GetCurrentIndex(), -1);
    ASSERT_EQ(list->GetCount(), 3);
    const std::vector<std::pair<std::string, std::intptr_t>> expected = {
        {"BLOCK", 7}, {"Hidden:", 0}, {"TANK", 0}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list->GetText(i), expected[i].first) << i;
        EXPECT_EQ(list->GetItemData(i), expected[i].second) << i;
    }
    // Every row is a line of the list's font high, also once the font has changed.
    for (int points : {0, 24}) {
        if (points != 0) {
            list->SetFont(wxFontInfo(points));
        }
        EXPECT_EQ(list->GetItemRect(2).height, list->GetCharHeight() + 4) << points;
    }
    frame->Destroy();
}

} // namespace
} // namespace pf
