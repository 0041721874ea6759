#include "tiles/map_download.h"

#include "foundation/lat_lon.h"
#include "imagery/geo_map.h"
#include "platform/fs.h"
#include "support/fake_clock.h"
#include "support/loopback_server.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/tile_test_images.h"
#include "tiles/map_service.h"
#include "tiles/map_zoom.h"
#include "workspace/folders.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pf {
namespace {

namespace stdfs = std::filesystem;
using test::FakeClock;
using test::LoopbackServer;
using test::Rgb;
using test::SandboxHome;
using test::ScopedEnv;
using test::ScriptedUi;
using Reply = LoopbackServer::Reply;
using Sleeps = std::vector<uint32_t>;

const char kRetryText[] =
    "Unable to download map. Sometimes this is the result of too many\r\n"
    "map downloads in a short period of times (throttling at the server).\r\n\r\n"
    "Would you like to try again?";

Reply Refusal() { return Reply{Reply::Mode::Whole, "HTTP/1.1 403 Forbidden\r\n\r\n", 1, 0}; }

class MapDownloadTest : public ::testing::Test {
  protected:
    MapDownloadTest()
        : static_host_(kStaticMapHostVariable, server_.HostText()),
          wms_host_(kWmsHostVariable, server_.HostText()) {}

    std::string MapCache() const { return home_.Home() + "/Documents/Padforge/cache/googlemaps"; }
    std::string AppData() const { return home_.DataHome() + "/Padforge"; }
    bool TempJpgExists() const { return stdfs::exists(AppData() + "/temp.jpg"); }
    size_t CacheCount() const {
        if (!stdfs::exists(MapCache())) {
            return 0;
        }
        size_t count = 0;
        for ([[maybe_unused]] const auto& entry : stdfs::directory_iterator(MapCache())) {
            ++count;
        }
        return count;
    }
    static MapZoom View(double longitude, double latitude, int zoom) {
        MapZoom view;
        view.SetZoom(zoom);
        view.SetCentre(LatLon(longitude, latitude));
        return view;
    }

    SandboxHome home_;
    ScriptedUi ui_;
    FakeClock clock_;
    LoopbackServer server_{32};
    ScopedEnv static_host_;
    ScopedEnv wms_host_;
};

TEST_F(MapDownloadTest, CacheNameFollowsCentreZoomAndType) {
    EXPECT_EQ(CachedMapName("satellite", 12, LatLon(-90.0, 45.0)),
              "45.000000_-90.000000_12_satellite.jpg");
    EXPECT_EQ(CachedMapName("hybrid", 7, LatLon(0.0, -0.0)), "-0.000000_0.000000_7_hybrid.jpg");
}

TEST_F(MapDownloadTest, CachedMapNeedsNoConnectionAndNoPause) {
    stdfs::create_directories(MapCache());
    test::WriteNativeFile(MapCache() + "/45.000000_-90.000000_12_satellite.jpg",
                          test::GradientJpeg(512, 512));
    BitmapData image;
    ASSERT_TRUE(DownloadStaticMap(View(-90.0, 45.0, 12), "satellite", image));
    EXPECT_EQ(image.Width(), 512);
    EXPECT_EQ(image.Height(), 512);
    EXPECT_EQ(image.BitsPerPixel(), 24);
    EXPECT_EQ(server_.Connections(), 0);
    EXPECT_TRUE(clock_.Sleeps().empty());
}

TEST_F(MapDownloadTest, MissDownloadsAfterOnePauseAndFillsTheCache) {
    const std::string body = test::GradientJpeg(512, 512);
    server_.SetDefaultReply(LoopbackServer::HttpReply(body));
    for (const char* type : {"satellite", "roadmap"}) {
        const size_t sleeps_before = clock_.Sleeps().size();
        const int connections_before = server_.Connections();
        BitmapData image;
        ASSERT_TRUE(DownloadMapView(View(-90.0, 45.0, 12), type, image)) << type;
        EXPECT_EQ(image.Width(), 512);
        EXPECT_EQ(image.Height(), 512);
        EXPECT_EQ(image.BitsPerPixel(), 24);
        EXPECT_EQ(server_.Connections(), connections_before + 1);
        EXPECT_EQ(Sleeps(clock_.Sleeps().begin() + sleeps_before, clock_.Sleeps().end()),
                  Sleeps{2000});
        EXPECT_FALSE(TempJpgExists());
        EXPECT_EQ(test::ReadNativeFile(MapCache() + "/45.000000_-90.000000_12_" +
                                       std::string(type) + ".jpg"),
                  body);
    }
    ASSERT_TRUE(server_.WaitForRequests(2));
    EXPECT_EQ(server_.Requests()[1].rfind("GET /staticmap?center=45.000000,-90.000000&zoom=12"
                                          "&size=512x512&maptype=roadmap&",
                                          0),
              0u);
    // The second request of the same map comes from the cache.
    BitmapData again;
    EXPECT_TRUE(DownloadStaticMap(View(-90.0, 45.0, 12), "satellite", again));
    EXPECT_EQ(server_.Connections(), 2);
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(MapDownloadTest, UndecodableBodyIsNotCached) {
    server_.AddReply(LoopbackServer::HttpReply(std::string(2000, '\x5A')));
    ui_.AnswerNextMessage(MessageAnswer::Ok); // the JPEG decoder's own box
    BitmapData image;
    EXPECT_FALSE(DownloadStaticMap(View(10.0, 20.0, 9), "satellite", image));
    EXPECT_EQ(server_.Connections(), 1);
    EXPECT_FALSE(TempJpgExists());
    EXPECT_EQ(CacheCount(), 0u);
    EXPECT_EQ(ui_.Messages().size(), 1u);
}

TEST_F(MapDownloadTest, FailedRepliesGiveFalse) {
    server_.AddReply(Refusal());
    BitmapData image;
    EXPECT_FALSE(DownloadStaticMap(View(10.0, 20.0, 9), "satellite", image));
    EXPECT_EQ(CacheCount(), 0u);
    {
        // Nothing listens on a port that was just closed.
        LoopbackServer gone(1);
        const std::string host = gone.HostText();
        gone.Stop();
        ScopedEnv env(kStaticMapHostVariable, host);
        EXPECT_FALSE(DownloadStaticMap(View(10.0, 20.0, 9), "satellite", image));
    }
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(MapDownloadTest, MissingApplicationDataFolderIsReported) {
    stdfs::create_directories(home_.DataHome());
    test::WriteNativeFile(AppData(), "a file where the folder belongs");
    server_.SetDefaultReply(LoopbackServer::HttpReply(test::GradientJpeg(512, 512)));
    BitmapData image;
    EXPECT_FALSE(DownloadStaticMap(View(10.0, 20.0, 9), "satellite", image));
    ASSERT_FALSE(ui_.Failures().empty());
    EXPECT_EQ(ui_.Failures().back(), "Couldn't get application data path\r\n");
    EXPECT_EQ(CacheCount(), 0u);
}

TEST_F(MapDownloadTest, WmsMapHasNoPauseAndNoCache) {
    server_.AddReply(LoopbackServer::HttpReply(test::FlatJpeg(512, 512, Rgb(200, 40, 40))));
    BitmapData image;
    ASSERT_TRUE(image.Create24(512, 512));
    LatLonRect rect;
    rect.Set(-3.5, 11.125, -2.75, 10.25);
    GeoMap target(&image, &rect);
    ASSERT_TRUE(DownloadWmsMap(target));
    EXPECT_EQ(image.Width(), 512);
    EXPECT_TRUE(test::Near(image.PixelAddress(100, 100)[2], 200, 3));
    EXPECT_TRUE(clock_.Sleeps().empty());
    EXPECT_EQ(CacheCount(), 0u);
    EXPECT_FALSE(TempJpgExists());
    ASSERT_TRUE(server_.WaitForRequests(1));
    EXPECT_EQ(server_.Requests()[0].rfind("GET /wms?service=WMS&request=GetMap&version=1.3&srs="
                                          "EPSG:4326&layers=esat&styles=&transparent=TRUE&format="
                                          "image/jpeg&width=512&height=512&bbox=-3.500000,"
                                          "10.250000,-2.750000,11.125000 HTTP/1.1\r\nHost: " +
                                              server_.HostText() + "\r\n",
                                          0),
              0u);
}

TEST(MapPieces, OffsetsOfAPlan) {
    EXPECT_EQ(MapPieceOffsets(1100, kMapPieceSize), (std::vector<int>{0, 512, 1024}));
    EXPECT_EQ(MapPieceOffsets(1000, kMapRowStep), (std::vector<int>{0, 480, 960}));
    EXPECT_EQ(MapPieceOffsets(512, kMapPieceSize), (std::vector<int>{0}));
    EXPECT_EQ(MapPieceOffsets(513, kMapPieceSize), (std::vector<int>{0, 512}));
    EXPECT_TRUE(MapPieceOffsets(0, kMapPieceSize).empty());
}

// A 512 x 512 target of 0.01 x 0.01 degrees near latitude 45: at its zoom the plan is one
// column and two rows.
class BuildMapTest : public MapDownloadTest {
  protected:
    BuildMapTest() {
        EXPECT_TRUE(image_.Create24(512, 512));
        image_.FillColor(0x102030);
        rect_.Set(7.0, 45.01, 7.01, 45.0);
    }
    GeoMap Target() { return GeoMap(&image_, &rect_); }
    const uint8_t* At(int x, int y) const { return image_.PixelAddress(x, y); }

    BitmapData image_;
    LatLonRect rect_;
};

TEST_F(BuildMapTest, PiecesFillTheTargetInRows) {
    server_.AddReply(LoopbackServer::HttpReply(test::FlatJpeg(512, 512, Rgb(250, 0, 0))));
    server_.AddReply(LoopbackServer::HttpReply(test::FlatJpeg(512, 512, Rgb(0, 0, 250))));
    ASSERT_TRUE(BuildMapImage(Target(), "satellite", 20000));
    EXPECT_EQ(server_.Connections(), 2);
    EXPECT_EQ(clock_.Sleeps(), (Sleeps{2000, 2000}));
    EXPECT_EQ(image_.Width(), 512);
    EXPECT_EQ(image_.Height(), 512);
    // The first row at the top, the second below it.
    EXPECT_TRUE(test::Near(At(256, 5)[2], 250, 4));
    EXPECT_TRUE(test::Near(At(256, 5)[0], 0, 4));
    EXPECT_TRUE(test::Near(At(256, 506)[0], 250, 4));
    EXPECT_TRUE(test::Near(At(256, 506)[2], 0, 4));
    // The second row starts 480 pixels down: its centre lies 480 pixels south of the first.
    ASSERT_TRUE(server_.WaitForRequests(2));
    EXPECT_NE(server_.Requests()[0], server_.Requests()[1]);
    EXPECT_EQ(CacheCount(), 2u);
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(BuildMapTest, FirstFailureIsRetriedSilentlyAfterGrowingPauses) {
    const std::string piece = test::FlatJpeg(512, 512, Rgb(0, 200, 0));
    server_.AddReply(Refusal());
    server_.AddReply(LoopbackServer::HttpReply(piece));
    server_.AddReply(LoopbackServer::HttpReply(piece));
    ASSERT_TRUE(BuildMapImage(Target(), "satellite", 20000));
    EXPECT_EQ(server_.Connections(), 3);
    // Failure: 4,000 then doubled to 8,000 before the retry; after the success the pause
    // is divided by 1.5.
    EXPECT_EQ(clock_.Sleeps(), (Sleeps{2000, 4000, 8000, 2000, 5333, 2000}));
    EXPECT_TRUE(ui_.Calls().empty());
    EXPECT_TRUE(test::Near(At(10, 10)[1], 200, 4));
}

TEST_F(BuildMapTest, SecondFailureAsksAndNoLeavesTheTarget) {
    server_.AddReply(Refusal());
    server_.AddReply(Refusal());
    BitmapData before(image_);
    ui_.AnswerNextMessage(MessageAnswer::No);
    EXPECT_FALSE(BuildMapImage(Target(), "satellite", 20000));
    EXPECT_EQ(clock_.Sleeps(), (Sleeps{2000, 4000, 8000, 2000}));
    ASSERT_EQ(ui_.Calls().size(), 1u);
    EXPECT_EQ(ui_.Calls()[0].text, kRetryText);
    EXPECT_EQ(ui_.Calls()[0].caption, "Error");
    EXPECT_EQ(ui_.Calls()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(image_.IsIdentical(before));
}

TEST_F(BuildMapTest, YesAfterTheQuestionRetriesWithoutTheSilentPause) {
    const std::string piece = test::FlatJpeg(512, 512, Rgb(0, 200, 0));
    server_.AddReply(Refusal());
    server_.AddReply(Refusal());
    server_.AddReply(LoopbackServer::HttpReply(piece));
    server_.AddReply(LoopbackServer::HttpReply(piece));
    ui_.AnswerNextMessage(MessageAnswer::Yes);
    ASSERT_TRUE(BuildMapImage(Target(), "satellite", 20000));
    EXPECT_EQ(clock_.Sleeps(), (Sleeps{2000, 4000, 8000, 2000, 16000, 2000, 10666, 2000}));
}

TEST_F(BuildMapTest, PieceOfAnotherSizeCountsAsFailure) {
    const std::string piece = test::FlatJpeg(512, 512, Rgb(0, 200, 0));
    server_.AddReply(LoopbackServer::HttpReply(test::FlatJpeg(256, 256, Rgb(9, 9, 9))));
    server_.AddReply(LoopbackServer::HttpReply(piece));
    server_.AddReply(LoopbackServer::HttpReply(piece));
    ASSERT_TRUE(BuildMapImage(Target(), "satellite", 20000));
    EXPECT_EQ(server_.Connections(), 3); // the small piece was not taken from the cache
    EXPECT_EQ(clock_.Sleeps(), (Sleeps{2000, 4000, 8000, 2000, 5333, 2000}));
    EXPECT_TRUE(test::Near(At(10, 10)[1], 200, 4));
    EXPECT_TRUE(test::Near(At(10, 10)[0], 0, 4));
}

TEST_F(BuildMapTest, PlanBeyondTheLargestCanvasIsRefused) {
    // 2 degrees tall in 20000 rows: its plan is about 33,000 pixels tall.
    BitmapData tall;
    ASSERT_TRUE(tall.Create24(16, 20000));
    LatLonRect rect;
    rect.Set(7.0, 46.0, 7.0001, 44.0);
    EXPECT_FALSE(BuildMapImage(GeoMap(&tall, &rect), "satellite", 20000));
    EXPECT_EQ(server_.Connections(), 0);
    ASSERT_FALSE(ui_.Failures().empty());
    EXPECT_EQ(ui_.Failures().back(), "Problems finding correct map size\r\n");
}

} // namespace
} // namespace pf
