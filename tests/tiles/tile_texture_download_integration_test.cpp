#include "support/fake_clock.h"
#include "support/loopback_server.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/tile_test_images.h"
#include "tiles/map_service.h"
#include "tiles/tile_texture_file.h"
#include "workspace/settings.h"

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

class TileDownloadTest : public ::testing::Test {
  protected:
    TileDownloadTest()
        : static_host_(kStaticMapHostVariable, server_.HostText()),
          wms_host_(kWmsHostVariable, server_.HostText()) {
        server_.SetDefaultReply(
            LoopbackServer::HttpReply(test::FlatJpeg(512, 512, Rgb(30, 160, 60))));
    }
    ~TileDownloadTest() override { TileTextureCache::Clear(); }

    std::string Png(const TileAttributes& tile) const {
        return home_.Home() + "/Documents/Padforge/cache/" + tile.GetPngFileName();
    }
    void ExpectStored(const TileAttributes& tile) {
        TileTextureFile stored(tile, true);
        ASSERT_TRUE(stored.IsLoaded());
        ASSERT_EQ(stored.Image().Width(), 512);
        ASSERT_EQ(stored.Image().Height(), 512);
        const uint8_t* p = stored.Image().PixelAddress(256, 256);
        EXPECT_TRUE(test::Near(p[1], 160, 4));
        EXPECT_EQ(p[3], 255);
    }

    SandboxHome home_;
    ScriptedUi ui_;
    FakeClock clock_;
    LoopbackServer server_{32};
    ScopedEnv static_host_;
    ScopedEnv wms_host_;
};

TEST_F(TileDownloadTest, OnlyEarthTilesAreDownloaded) {
    for (const char* body : {"earth", "Moon", "EARTH"}) {
        TileTextureFile texture(TileAttributes(body, 5, 320, 2048), false);
        EXPECT_FALSE(texture.Download(20000)) << body;
        EXPECT_FALSE(texture.IsLoaded());
    }
    EXPECT_EQ(server_.Connections(), 0);
    EXPECT_TRUE(clock_.Sleeps().empty());
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(TileDownloadTest, EarthTileFromTheStaticMapService) {
    const TileAttributes tile("Earth", 5, 320, 2048); // near 7 E, 45 N
    EXPECT_TRUE(UseStaticMapService());
    TileTextureFile texture(tile, false);
    ASSERT_TRUE(texture.Download(20000));
    EXPECT_TRUE(texture.IsLoaded());
    EXPECT_GE(server_.Connections(), 2);
    EXPECT_TRUE(stdfs::exists(Png(tile)));
    ExpectStored(tile);
    ASSERT_TRUE(server_.WaitForRequests(1));
    EXPECT_EQ(server_.Requests()[0].rfind("GET /staticmap?", 0), 0u);
    EXPECT_NE(server_.Requests()[0].find("&maptype=satellite&"), std::string::npos);
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(TileDownloadTest, EarthTileFromTheWmsService) {
    SetMapSource(false);
    const TileAttributes tile("Earth", 5, 320, 2048);
    TileTextureFile texture(tile, false);
    ASSERT_TRUE(texture.Download(20000));
    EXPECT_EQ(server_.Connections(), 1);
    EXPECT_TRUE(clock_.Sleeps().empty());
    ExpectStored(tile);
    ASSERT_TRUE(server_.WaitForRequests(1));
    const LatLonRect rect = tile.GetLatLonRect();
    EXPECT_NE(server_.Requests()[0].find("GET " + WmsMapPath(rect) + " HTTP/1.1\r\n"),
              std::string::npos);
}

TEST_F(TileDownloadTest, FailedDownloadLeavesTheCacheFilesAlone) {
    SetMapSource(false);
    const TileAttributes tile("Earth", 5, 320, 2048);
    test::WriteNativeFile(home_.Home() + "/Documents/Padforge/cache/" + tile.GetJpgFileName(),
                          "pending");
    server_.AddReply(LoopbackServer::Reply{LoopbackServer::Reply::Mode::Whole,
                                           "HTTP/1.1 403 Forbidden\r\n\r\n", 1, 0});
    TileTextureFile texture(tile, false);
    EXPECT_FALSE(texture.Download(20000));
    EXPECT_FALSE(texture.IsLoaded());
    EXPECT_TRUE(stdfs::exists(home_.Home() + "/Documents/Padforge/cache/" + tile.GetJpgFileName()));
    EXPECT_FALSE(stdfs::exists(Png(tile)));
}

} // namespace
} // namespace pf
