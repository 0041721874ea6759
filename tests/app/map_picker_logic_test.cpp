#include "app/logic/basic_map_logic.h"
#include "app/logic/body_map_logic.h"

#include "imagery/jpeg_file.h"
#include "support/fake_clock.h"
#include "support/image_fixtures.h"
#include "support/loopback_server.h"
#include "support/simulator_sandbox.h"
#include "tiles/map_download.h"
#include "tiles/map_service.h"
#include "workspace/folders.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::At;
using test::LoopbackServer;

int WhitePixels(const BitmapData& image) {
    int count = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            count += At(image, x, y) == ColorRGB(255, 255, 255);
        }
    }
    return count;
}

const BasicMapLayout kLayout =
    BasicMapLogic::LayOut(ControlPlace{10, 10, 150, 30}, 512, 25, 300, 30);

TEST(MapPickerLayoutTest, PlacesFollowTheControlSizes) {
    using P = ControlPlace;
    const std::pair<P, P> places[] = {
        {kLayout.zoomIn, P{46, 50, 32, 32}},   {kLayout.zoomOut, P{46, 84, 32, 32}},
        {kLayout.up, P{46, 126, 32, 32}},      {kLayout.down, P{46, 194, 32, 32}},
        {kLayout.left, P{12, 160, 32, 32}},    {kLayout.right, P{80, 160, 32, 32}},
        {kLayout.toggle, P{122, 10, 150, 30}}, {kLayout.info, P{122, 563, 512, 25}},
        {kLayout.ok, P{122, 589, 300, 30}},
    };
    for (const auto& [place, expected] : places) {
        EXPECT_EQ(place, expected) << expected.x << "," << expected.y;
    }
    EXPECT_EQ(
        std::tuple(kLayout.imageLeft, kLayout.imageTop, kLayout.clientWidth, kLayout.clientHeight),
        std::tuple(122, 50, 644, 647));
    EXPECT_EQ(BasicMapLogic::LayOut(P{0, 0, 10, 20}, 600, 25, 300, 30).clientWidth, 732);

    test::SimulatorSandbox sim;
    BodyMapLogic body("Moon");
    const BodyMapLayout narrow = body.LayOut(744, 25, 300, 30, 80, 30);
    EXPECT_EQ(narrow.info, (P{10, 532, 744, 25}));
    EXPECT_EQ(narrow.ok, (P{10, 562, 300, 30}));
    EXPECT_EQ(narrow.cancel, (P{674, 562, 80, 30}));
    EXPECT_EQ(std::pair(narrow.clientWidth, narrow.clientHeight), std::pair(764, 602));
    EXPECT_EQ(body.LayOut(744, 25, 500, 30, 300, 30).clientWidth, 830);
}

class BasicMapLogicTest : public ::testing::Test {
  protected:
    BasicMapLogicTest() : host_(kStaticMapHostVariable, server_.HostText()) {
        server_.SetDefaultReply(LoopbackServer::HttpReply("", "404 Not Found"));
    }

    test::SimulatorSandbox sim_;
    test::FakeClock clock_;
    LoopbackServer server_{64};
    test::ScopedEnv host_;
    BasicMapLogic logic_;
};

TEST_F(BasicMapLogicTest, FailedDownloadShowsTheErrorPicture) {
    logic_.OnInitDialog(kLayout);
    EXPECT_EQ(server_.Connections(), 1);
    ASSERT_EQ(std::pair(logic_.GetImage().Width(), logic_.GetImage().Height()),
              std::pair(512, 512));
    EXPECT_EQ(At(logic_.GetImage(), 0, 0), ColorRGB(0, 0, 0));
    EXPECT_GT(WhitePixels(logic_.GetImage()), 100);
    EXPECT_EQ(logic_.GetOkCaption(), "Select this position: 0.0000 longitude, 0.0000 latitiude");
    BitmapData painted;
    ASSERT_TRUE(logic_.GetPaintImage(painted));
    EXPECT_EQ(At(painted, 256, 256), ColorRGB(255, 0, 0)); // blue, stored first
}

TEST_F(BasicMapLogicTest, PixelsToPositions) {
    logic_.View().SetZoom(10);
    logic_.View().SetCentre(LatLon(-122.0, 37.0));
    MapZoom east = logic_.View();
    east.ShiftCentreEast(128);
    for (const auto& [x, longitude] :
         {std::pair{256, -122.0}, {384, east.GetCentre().GetLongitude()}}) {
        EXPECT_EQ(logic_.PixelToLatLon(x, 256).GetLongitude(), longitude);
        EXPECT_EQ(logic_.PixelToLatLon(x, 256).GetLatitude(), 37.0);
    }
    logic_.OnMouseMove(100 + 256, 40 + 256);
    EXPECT_EQ(logic_.GetInfoText(), std::string(BasicMapLogic::kHint) +
                                        "Mouse is at -122.0000 Longitude, 37.0000 Latitude");
    logic_.OnMouseMove(100 + 512, 40);
    EXPECT_EQ(logic_.GetInfoText(), BasicMapLogic::kHint);
}

TEST_F(BasicMapLogicTest, EveryCommandReloadsAndZoomStaysInRange) {
    logic_.View().SetZoom(20);
    logic_.OnZoomIn();
    EXPECT_EQ(logic_.View().GetZoom(), 20);
    logic_.View().SetZoom(3);
    logic_.OnZoomOut();
    logic_.OnRightUp();
    EXPECT_EQ(logic_.View().GetZoom(), 3);
    EXPECT_EQ(server_.Connections(), 3);

    logic_.OnInitDialog(kLayout);
    std::string types = logic_.GetMapType();
    for (int i = 0; i < 2; ++i) {
        logic_.OnToggleMapType();
        types += " " + logic_.GetMapType();
    }
    EXPECT_EQ(types, "roadmap hybrid roadmap");
    ASSERT_TRUE(server_.WaitForRequests(6));
    EXPECT_NE(server_.Requests()[4].find("maptype=hybrid"), std::string::npos);

    // A release outside the map reloads only after a press inside it.
    EXPECT_FALSE(logic_.OnLeftUp(5, 5));
    logic_.OnLeftDown(122 + 384, 50 + 256);
    EXPECT_TRUE(logic_.OnLeftUp(5, 5));
    EXPECT_EQ(server_.Connections(), 7);
    EXPECT_EQ(logic_.GetOkCaption(), MapOkCaption(logic_.View().GetCentre()));
    EXPECT_GT(logic_.View().GetCentre().GetLongitude(), 0.0);
}

TEST_F(BasicMapLogicTest, CachedMapNeedsNoRequest) {
    logic_.View().SetZoom(12);
    logic_.View().SetCentre(LatLon(-90.0, 45.0));
    std::string cache;
    ASSERT_TRUE(GetMapCachePath(cache));
    BitmapData map(512, 512, 24);
    map.FillColor24(ColorRGB::FromRgb(0, 200, 0));
    ASSERT_TRUE(
        SaveBitmapAsJpeg(map, cache + CachedMapName("roadmap", 12, logic_.View().GetCentre())));
    logic_.OnInitDialog(kLayout);
    EXPECT_EQ(server_.Connections(), 0);
    EXPECT_TRUE(clock_.Sleeps().empty());
    EXPECT_GT(At(logic_.GetImage(), 10, 10).green, 150);
}

TEST(BodyMapLogicTest, PositionsAndTheEdgeRule) {
    test::SimulatorSandbox sim;
    BodyMapLogic logic("Moon"); // no picture: a black one that says so
    EXPECT_GT(WhitePixels(logic.GetImage()), 100);
    EXPECT_EQ(logic.GetTitle(), "Map for Moon");
    EXPECT_EQ(logic.GetOkCaption(), "Select this position: 0.0000 longitude, 0.0000 latitiude");
    EXPECT_EQ(std::pair(logic.PixelToLatLon(0, 0).GetLongitude(),
                        logic.PixelToLatLon(0, 0).GetLatitude()),
              std::pair(-180.0, 90.0));
    for (const auto& [lon, lat, selectable] : {std::tuple{175.0, -75.0, true},
                                               {-175.0, 75.0, true},
                                               {175.0001, 0.0, false},
                                               {0.0, -75.0001, false}}) {
        EXPECT_EQ(BodyMapLogic::IsSelectable(LatLon(lon, lat)), selectable) << lon << " " << lat;
    }
    EXPECT_TRUE(logic.OnLeftDown(10, 10)); // (-180, 90): too close to the edge
    EXPECT_EQ(sim.Ui().Failures(), std::vector<std::string>{BodyMapLogic::kEdgeMessage});
    EXPECT_EQ(std::pair(logic.SelectedX(), logic.SelectedY()), std::pair(372.0, 256.0));
    EXPECT_TRUE(logic.OnLeftDown(10 + 558, 10 + 128));
    EXPECT_EQ(logic.GetOkCaption(), "Select this position: 90.0000 longitude, 45.0000 latitiude");
}

} // namespace
} // namespace pf
