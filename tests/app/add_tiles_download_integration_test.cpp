#include "add_tiles_fixture.h"

#include "imagery/text_render.h"
#include "support/fake_clock.h"
#include "support/loopback_server.h"
#include "tiles/map_service.h"

#include <vector>

namespace pf::test {
namespace {

// Keeps every preview the logic painted.
struct PreviewHistory : RecordingTilesView {
    const AddTilesLogic* logic = nullptr;
    std::vector<BitmapData> shown;
    void PaintPreview() override { shown.push_back(logic->GetShownPreview()); }
};

class TileDownloadEditorTest : public AddTilesTest {
  protected:
    TileDownloadEditorTest() : host_(kStaticMapHostVariable, server_.HostText()) {
        history_.logic = &Open();
        logic_->SetView(&history_);
    }

    FakeClock clock_;
    LoopbackServer server_{32};
    ScopedEnv host_;
    PreviewHistory history_;
};

TEST_F(TileDownloadEditorTest, DownloadedTileIsAdded) {
    server_.SetDefaultReply(LoopbackServer::HttpReply(FlatJpeg(512, 512, Rgb(30, 160, 60))));
    logic_->OnLButtonDblClk(X(300), Y(200));
    BitmapData placeholder(256, 256, 24);
    DrawTextInBitmap(placeholder, "Downloading tile", 150, ColorRGB(255, 255, 255), 20, 118, true);
    ASSERT_FALSE(history_.shown.empty());
    EXPECT_TRUE(history_.shown.front().IsIdentical(placeholder));
    EXPECT_TRUE(logic_->IsTileInList(Earth(1, 0, 0)));
    EXPECT_TRUE(TileTextureFile(Earth(1, 0, 0), true).IsLoaded());
    EXPECT_TRUE(sim_.Ui().Calls().empty());
}

TEST_F(TileDownloadEditorTest, FailedDownloadLeavesTheTileOut) {
    server_.SetDefaultReply(LoopbackServer::Reply{LoopbackServer::Reply::Mode::Whole,
                                                  "HTTP/1.1 403 Forbidden\r\n\r\n", 1, 0});
    sim_.Ui().AnswerNextMessage(MessageAnswer::No);
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    logic_->OnLButtonDblClk(X(300), Y(200));
    const std::vector<std::string> boxes = sim_.Ui().Messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].substr(0, 24), "Unable to download map. ");
    EXPECT_EQ(boxes[1], "Tile won't be added to base until it is successfully downloaded.\r\n\r\n"
                        "Try again later.");
    EXPECT_TRUE(logic_->GetTileList().IsEmpty());
}

} // namespace
} // namespace pf::test
