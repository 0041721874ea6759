#include "app/ui/edit_base_objects_dlg.h"

#include "controls/ui/extended_list_box.h"
#include "document/base_document.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "imagery/object_icons.h"
#include "platform/settings_store.h"
#include "support/simulator_sandbox.h"
#include "support/structure_editor_fixture.h"
#include "support/ui/wx_test_hook.h"

#include <functional>
#include <wx/dcmemory.h>
#include <wx/msgdlg.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

namespace pf {
namespace {

using test::BlockText;

// A shown editor over two blocks, driven by synthesized pointer and key input.
class EditorWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings_store::Write("Install Path", install_.Internal());
        ClearIconBitmapCache();
        previous_ = SetUiHooks(&hooks_);
        document_.SetBody(AstrelBody("Earth", kEarthRadius, kEarthMass));
        document_.SetPosition(LatLon(0.0, 0.0));
        document_.SetObjects(
            test::ParseObjects({BlockText(0, 0, 5, 100), BlockText(300, 0, 3, 100)}));
        wxEvtHandler::AddFilter(&filter_);
        dlg_ = new EditBaseObjectsDlg(nullptr, document_);
        dlg_->Move(0, 0);
        dlg_->Show();
        dlg_->Raise();
        ASSERT_TRUE(
            WaitFor([&] { return dlg_->IsShownOnScreen() && Model().History().Count() == 1; }));
        WaitFor([] { return false; }, 20);
        // Without a window manager keys go to the window under the pointer.
        MoveTo(ClientAt(-900, 900));
    }
    void TearDown() override {
        wxEvtHandler::RemoveFilter(&filter_);
        dlg_->Destroy();
        wxYield();
        SetUiHooks(previous_);
    }

    StructureEditorModel& Model() { return dlg_->Model(); }
    std::vector<AstrelObject*> Objects() { return Model().List().ObjectPointers(); }
    // Yields until the condition holds, for a few seconds at most.
    static bool WaitFor(const std::function<bool()>& done, int rounds = 1000) {
        for (int i = 0; i < rounds && !done(); ++i) {
            wxYield();
            wxMilliSleep(2);
        }
        return done();
    }
    wxPoint ClientAt(double x, double y) {
        const Point2 v = Model().MetresToView(x, y);
        return wxPoint(static_cast<int>(v.x) + Model().viewOrigin.x,
                       static_cast<int>(v.y) + Model().viewOrigin.y);
    }
    // Over the view: yields until the editor has seen the pointer there.
    void MoveTo(wxPoint client) {
        sim_.MouseMove(dlg_->ClientToScreen(client));
        EXPECT_TRUE(WaitFor([&] {
            return Model().lastMouse == ClientPoint{client.x, client.y};
        })) << client.x
            << "," << client.y;
    }
    // The band and the map drag start at the first move after the press: a one-pixel step.
    void Drag(wxPoint from, wxPoint to) {
        MoveTo(from);
        sim_.MouseDown();
        EXPECT_TRUE(WaitFor([&] { return Model().Mode() != 0; }));
        MoveTo(from + wxPoint(1, 1));
        MoveTo(to);
        sim_.MouseUp();
        EXPECT_TRUE(WaitFor([&] { return Model().Mode() == 0; }));
    }
    // A click on the view or on a control, then yields until the condition holds.
    bool Click(wxPoint at, const std::function<bool()>& done) {
        sim_.MouseMove(dlg_->ClientToScreen(at));
        WaitFor([] { return false; }, 20);
        sim_.MouseClick();
        return WaitFor(done);
    }
    // Types a key (with Ctrl) and yields until the condition holds.
    bool Type(int key, int modifiers, const std::function<bool()>& done) {
        sim_.Char(key, modifiers);
        return WaitFor(done);
    }
    double X(int object) { return Objects()[object]->GetPosition().x; }

    // A simulator folder without a planet archive: the map is plain green.
    test::SimulatorSandbox sandbox_;
    test::TempDir install_;
    WxUiHooks hooks_;
    UiHooks* previous_ = nullptr;
    BaseDocument document_;
    EditorKeyFilter filter_;
    EditBaseObjectsDlg* dlg_ = nullptr;
    wxUIActionSimulator sim_;
};

TEST_F(EditorWindowTest, ThePointerAndTheKeysEditTheBase) {
    const double pixel = 3.2;
    // A click selects, a drag of the centre moves by the dragged metres.
    // Off the centre, so that the drag's press makes no double click with it.
    ASSERT_TRUE(Click(ClientAt(35, 35), [&] { return Model().IsSelected(Objects()[0]); }));
    Drag(ClientAt(0, 0), ClientAt(-200, 150));
    EXPECT_NEAR(X(0), -200, pixel);
    EXPECT_NEAR(Objects()[0]->GetPosition().y, 150, pixel);
    // Ctrl+Z undoes it.
    EXPECT_TRUE(Type('Z', wxMOD_CONTROL, [&] { return X(0) == 0; }));

    // Enter, Esc and Space press nothing and close nothing.
    for (int key : {WXK_RETURN, WXK_ESCAPE, WXK_SPACE}) {
        // Esc empties the selection: the sign that the key has been handled.
        Model().Select(Objects()[1]);
        EXPECT_TRUE(Type(key, wxMOD_NONE,
                         [&] { return key != WXK_ESCAPE || !Model().IsSelected(Objects()[1]); }));
        EXPECT_TRUE(dlg_->IsShown()) << key;
        EXPECT_EQ(dlg_->GetReturnCode(), 0) << key;
    }

    // The Select tool's band across both blocks selects both.
    ASSERT_TRUE(Click(dlg_->FindWindow(kIdSelectTool)->GetPosition() + wxPoint(5, 5),
                      [&] { return Model().tool == 1; }));
    Drag(ClientAt(-150, 150), ClientAt(450, -150));
    EXPECT_EQ(Model().List().Selected().GetCount(), 2);

    // After a list entry the arrows move through the list, until the pointer crosses the view.
    auto* list = dynamic_cast<CExtendedListBox*>(dlg_->FindWindow(kIdObjectList));
    const wxRect first = list->GetItemRect(0);
    ASSERT_TRUE(Click(list->GetPosition() + first.GetPosition() + wxPoint(5, first.height / 2),
                      [&] { return Model().listHasFocus && list->GetCurrentIndex() == 0; }));
    EXPECT_TRUE(Type(WXK_DOWN, wxMOD_NONE, [&] { return list->GetCurrentIndex() == 1; }));
    EXPECT_EQ(X(0), 0);
    EXPECT_EQ(X(1), 300);
    EXPECT_TRUE(Model().IsSelected(Objects()[0]));
    MoveTo(ClientAt(-900, -900));
    EXPECT_FALSE(Model().listHasFocus);
    EXPECT_TRUE(Type(WXK_RIGHT, wxMOD_NONE, [&] { return X(0) > 0; }));

    // Delete removes the selection.
    EXPECT_TRUE(Type(WXK_DELETE, wxMOD_NONE, [&] { return Objects().size() == 1u; }));

    // The close box meets the question; No closes without writing back.
    wxTEST_DIALOG(dlg_->Close(), wxExpectModal<wxMessageDialog>(wxID_NO).Describe("save?"));
    EXPECT_EQ(dlg_->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(ActiveStructureEditor, nullptr);
    EXPECT_EQ(document_.GetObjects().GetCount(), 2);
}

TEST_F(EditorWindowTest, TheViewIsPaintedPixelForPixel) {
    const BitmapData& view = Model().ViewImage();
    const wxRect rect = dlg_->ViewRect();
    ASSERT_EQ(rect.width, view.Width());
    wxBitmap bitmap(rect.GetRight() + 1, rect.GetBottom() + 1, 24);
    {
        wxMemoryDC dc(bitmap);
        dlg_->PaintView(dc);
    }
    const wxImage image = bitmap.ConvertToImage();
    int differing = 0;
    for (int y = 0; y < view.Height(); ++y) {
        for (int x = 0; x < view.Width(); ++x) {
            const std::uint8_t* bgr = view.PixelAddress(x, y);
            const int ix = rect.x + x;
            const int iy = rect.y + y;
            differing += image.GetRed(ix, iy) != bgr[2] || image.GetGreen(ix, iy) != bgr[1] ||
                         image.GetBlue(ix, iy) != bgr[0];
        }
    }
    EXPECT_EQ(differing, 0);
    dlg_->Refresh();
    dlg_->Update();
}

} // namespace
} // namespace pf
