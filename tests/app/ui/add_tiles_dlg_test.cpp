#include "app/ui/add_tiles_dlg.h"

#include "document/base_document.h"
#include "support/simulator_sandbox.h"
#include "support/ui/expect_script.h"
#include "support/ui/scripted_menu_hooks.h"
#include "tiles/tile_texture_file.h"

#include <wx/app.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

namespace pf {
namespace {

using Logic = AddTilesLogic;

class AddTilesDlgTest : public ::testing::Test {
  protected:
    AddTilesDlgTest() {
        document_.SetName("Port Alpha");
        document_.SetBody(AstrelBody("Earth", 6371010.0, 5.973698968e24));
        document_.SetPosition(LatLon(0.0, 0.0));
    }
    ~AddTilesDlgTest() override { TileTextureCache::Clear(); }

    // Runs the editor under the dialog hook with the script.
    int Run(const std::function<void(AddTilesDlg*)>& script) {
        AddTilesDlg dlg(&document_, nullptr);
        int result = 0;
        wxTEST_DIALOG(result = dlg.ShowModal(), test::ExpectScript<AddTilesDlg>(script));
        return result;
    }
    static void Mouse(wxWindow* panel, wxEventType type, int x, int y) {
        wxMouseEvent event(type);
        event.SetPosition(wxPoint(x, y));
        event.SetEventObject(panel);
        panel->ProcessWindowEvent(event);
    }

    test::SimulatorSandbox sim_;
    BaseDocument document_;
};

TEST_F(AddTilesDlgTest, LayoutAndLevelButtons) {
    Run([](AddTilesDlg* dlg) {
        const int ox = dlg->GetLogic().GetViewOriginX();
        const int oy = dlg->GetLogic().GetViewOriginY();
        EXPECT_EQ(ox, dlg->FindWindow(Logic::kIdList)->GetRect().GetRight() + 1 + 10);
        EXPECT_EQ(dlg->GetTitle(), "Tile List Editor: Port Alpha");
        // No control over the view, the legend or the preview.
        const wxRect squares[] = {
            {ox, oy, 512, 512}, {ox + 522, oy + 108, 256, 128}, {ox + 522, oy + 256, 256, 256}};
        for (wxWindow* child : dlg->GetChildren()) {
            const wxRect r = child->GetRect();
            EXPECT_TRUE(wxRect(dlg->GetClientSize()).Contains(r)) << child->GetId();
            for (const wxRect& square : squares) {
                EXPECT_TRUE(!square.Intersects(r) || dynamic_cast<wxPanel*>(child))
                    << child->GetId() << " at " << r.y << " of height " << r.height;
            }
        }
        test::PressButton(dlg, Logic::kIdLevel1 + 8);
        EXPECT_EQ(dlg->FindWindow(Logic::kIdListCaption)->GetLabel(), "Level 9 Tile List");
        EXPECT_EQ(dlg->FindWindow(Logic::kIdAbove)->GetLabel(), "NA");
        EXPECT_FALSE(dlg->FindWindow(Logic::kIdAbove)->IsShown());
        EXPECT_EQ(dlg->FindWindow(Logic::kIdAvailable)->GetLabel(),
                  "Show available images for level 9");
        dlg->EndWith(wxID_CANCEL);
    });
}

TEST_F(AddTilesDlgTest, MouseOnTheView) {
    document_.AddTileSorted(TileAttributes("Earth", 1, 0, 0));
    test::ScriptedMenuHooks menus;
    Run([](AddTilesDlg* dlg) {
        wxWindow* view = dlg->GetViewPanel();
        Mouse(view, wxEVT_LEFT_DOWN, 100, 100);
        Mouse(view, wxEVT_MOTION, 150, 150);
        EXPECT_TRUE(dlg->GetLogic().GetSelection().dragging);
        // Captured: the release over "Save and Exit" comes to the view in its own points.
        const wxPoint over = dlg->FindWindow(wxID_OK)->GetPosition() - view->GetPosition();
        Mouse(view, wxEVT_LEFT_UP, over.x + 5, over.y + 5);
        EXPECT_FALSE(view->HasCapture() || dlg->GetLogic().GetSelection().dragging);
        Mouse(view, wxEVT_LEFT_UP, 300, 300);
        EXPECT_FALSE(dlg->GetLogic().GetSelection().active);
        Mouse(view, wxEVT_RIGHT_UP, 300, 200); // over the listed tile
        test::PressButton(dlg, wxID_OK);
    });
    ASSERT_EQ(menus.Options().size(), 1u);
    EXPECT_EQ(menus.Options()[0][1], Logic::kRemoveTile);
}

TEST_F(AddTilesDlgTest, CloseBoxAndEscAskAfterAChange) {
    document_.AddTileSorted(TileAttributes("Earth", 1, 0, 0));
    document_.AddTileSorted(TileAttributes("Earth", 1, 0, 0)); // shown once: a change
    test::ScriptedMenuHooks wxHooks;
    for (bool escape : {false, true}) {
        AddTilesDlg dlg(&document_, nullptr);
        int result = 0;
        wxTEST_DIALOG(result = dlg.ShowModal(),
                      test::ExpectScript<AddTilesDlg>([escape](AddTilesDlg* d) {
                          escape ? test::PressEscape(d) : (void)d->Close();
                      }),
                      test::ExpectMessageBox("DO YOU WANT TO SAVE YOUR CHANGES?", "Watch Out!",
                                             wxICON_WARNING, wxID_NO));
        EXPECT_EQ(result, wxID_CANCEL);
    }
}

TEST_F(AddTilesDlgTest, ApplicationActivationReachesTheEditor) {
    const TileAttributes tile("Earth", 1, 0, 0);
    document_.AddTileSorted(tile);
    BitmapData image(512, 512, 24);
    TileTextureFile(tile, false).SetImage(image);
    Run([&](AddTilesDlg* dlg) {
        dlg->GetLogic().EditTileInImageEditor(tile);
        image.FillColor(0x102030);
        TileTextureFile(tile, false).SetImage(image);
        document_.SetNeedsRendering(false);
        wxActivateEvent activate(wxEVT_ACTIVATE_APP, true);
        wxTheApp->ProcessEvent(activate);
        EXPECT_TRUE(document_.GetNeedsRendering());
        test::PressButton(dlg, wxID_OK);
    });
}

TEST_F(AddTilesDlgTest, TileNamesShowWholeInTheListAndTheStatusLine) {
    // The widest names of the body at the last level, and one as the list shows it.
    const TileAttributes tile("Earth", 1, -230, 81);
    document_.AddTileSorted(tile);
    Run([&](AddTilesDlg* dlg) {
        auto* list = static_cast<wxListBox*>(dlg->FindWindow(Logic::kIdList));
        auto* status = static_cast<wxTextCtrl*>(dlg->FindWindow(Logic::kIdStatus));
        ASSERT_EQ(list->GetCount(), 1u);
        EXPECT_EQ(list->GetString(0), "Earth_1_W0230_N0081");
        StringArray names = dlg->GetLogic().WidestListEntries();
        names.push_back(tile.GetName());
        // The list's row keeps room for its margins and a scroll bar.
        const int rowRoom = list->GetClientSize().GetWidth() - 2 * list->GetCharWidth() -
                            wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, list);
        for (const std::string& name : names) {
            EXPECT_LE(list->GetTextExtent(name).GetWidth(), rowRoom) << name;
            const wxString line = Logic::HoverStatusText(name);
            EXPECT_LE(
                status->GetSizeFromTextSize(status->GetTextExtent(line).GetWidth()).GetWidth(),
                status->GetSize().GetWidth())
                << line;
        }
        dlg->EndWith(wxID_CANCEL);
    });
}

} // namespace
} // namespace pf
