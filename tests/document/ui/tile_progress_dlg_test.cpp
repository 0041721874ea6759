#include "document/ui/tile_progress_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "document/base_document.h"
#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "support/ui/wx_test_hook.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"

#include <filesystem>
#include <functional>

namespace pf {
namespace test {

// Lets the first preview through only after a Cancel click was queued, as a person
// clicking while the first tile is written would.
class CancellingDlg : public TileProgressDlg {
  public:
    using TileProgressDlg::TileProgressDlg;
    void ShowPreview(const BitmapData& image) override {
        if (previews_++ == 0) {
            GetEventHandler()->QueueEvent(new wxCommandEvent(wxEVT_BUTTON, wxID_CANCEL));
        }
        TileProgressDlg::ShowPreview(image);
    }

  private:
    int previews_ = 0;
};

} // namespace test
} // namespace pf

namespace pf::test {

// The dialog is driven by the test instead of being shown.
template <class T> class ExpectProgressDlg : public wxExpectModalBase<T> {
  public:
    explicit ExpectProgressDlg(std::function<int(T*)> act) : act_(std::move(act)) {}

  protected:
    int OnInvoked(T* dlg) const override { return act_(dlg); }

  private:
    std::function<int(T*)> act_;
};

} // namespace pf::test

namespace pf {
namespace {

class TileProgressDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TileTextureCache::Clear();
        folder_ = sim_.Dir().Internal() + "Out\\";
        ASSERT_TRUE(fs::CreateDirectories(folder_));
        BitmapData texture(512, 512, 32);
        texture.FillColor(0x336699);
        document_.SetName("Port Alpha"); // a finished run saves the base
        for (int i = 0; i < 3; ++i) {
            const TileAttributes tile("Earth", 12, i, 1);
            TileTextureFile file(tile, false);
            ASSERT_TRUE(file.SetImage(texture));
            document_.AddTileSorted(tile);
        }
    }
    void TearDown() override { TileTextureCache::Clear(); }

    int FilesWritten() {
        int files = 0;
        for (const TileAttributes& tile : document_.GetTileArray()) {
            files += std::filesystem::exists(fs::ToNative(folder_ + tile.GetDdsFileName()));
        }
        return files;
    }

    test::SimulatorSandbox sim_;
    BaseDocument document_;
    std::string folder_;
};

TEST_F(TileProgressDlgTest, RendersEveryTileAndEndsWithOk) {
    TileProgressDlg dlg(&document_, folder_, nullptr);
    EXPECT_EQ(GetCurrentTileProgress(), &dlg);
    int result = 0;
    wxTEST_DIALOG(result = dlg.ShowModal(),
                  test::ExpectProgressDlg<TileProgressDlg>([](TileProgressDlg* d) {
                      d->InitDialog();
                      EXPECT_EQ(d->GetBarImage().Width(),
                                d->FindWindow(TileProgressDlg::kIdBar)->GetClientSize().GetWidth());
                      d->OnFirstTick();
                      d->OnFirstTick(); // later ticks do nothing
                      return d->GetReturnCode();
                  }));
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(FilesWritten(), 3);
    EXPECT_FALSE(document_.GetNeedsRendering());
    EXPECT_TRUE(sim_.Ui().Calls().empty());
}

TEST_F(TileProgressDlgTest, CancelEscOrCloseBeforeTheFirstTickWriteNothing) {
    const std::function<void(wxDialog*)> leaves[] = {
        [](wxDialog* d) {
            wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
            click.SetEventObject(d);
            d->ProcessWindowEvent(click);
        },
        [](wxDialog* d) {
            wxKeyEvent key(wxEVT_CHAR_HOOK);
            key.m_keyCode = WXK_ESCAPE;
            key.SetEventObject(d);
            d->ProcessWindowEvent(key);
        },
        [](wxDialog* d) { d->Close(); },
    };
    for (const auto& leave : leaves) {
        TileProgressDlg dlg(&document_, folder_, nullptr);
        int result = 0;
        wxTEST_DIALOG(result = dlg.ShowModal(),
                      test::ExpectProgressDlg<TileProgressDlg>([&](TileProgressDlg* d) {
                          d->InitDialog();
                          leave(d);
                          d->OnFirstTick(); // a tick that still arrives renders nothing
                          return d->GetReturnCode();
                      }));
        EXPECT_EQ(result, wxID_CANCEL);
        EXPECT_EQ(FilesWritten(), 0);
        EXPECT_TRUE(document_.GetNeedsRendering());
    }
    EXPECT_EQ(GetCurrentTileProgress(), nullptr);
}

TEST_F(TileProgressDlgTest, CancelClickDuringTheFirstPreviewLeavesOneFile) {
    test::CancellingDlg dlg(&document_, folder_, nullptr);
    int result = 0;
    wxTEST_DIALOG(result = dlg.ShowModal(),
                  test::ExpectProgressDlg<test::CancellingDlg>([](test::CancellingDlg* d) {
                      d->InitDialog();
                      d->OnFirstTick();
                      return d->GetReturnCode();
                  }));
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(FilesWritten(), 1);
    EXPECT_TRUE(document_.GetNeedsRendering());
    EXPECT_TRUE(sim_.Ui().Calls().empty()) << "a cancel is no failure";
}

} // namespace
} // namespace pf
