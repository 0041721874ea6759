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
using test::FakeClock;
using test::LoopbackServer;
using test::ScopedEnv;
using test::SimulatorSandbox;

int CountPixels(const BitmapData& image, const ColorRGB& colour) {
    int count = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            count += At(image, x, y) == colour;
        }
    }
    return count;
}

TEST(MapPickerLayoutTest, PlacesFollowTheControlSizes) {
    const BasicMapLayout map =
        BasicMapLogic::LayOut(ControlPlace{10, 10, 150, 30}, 512, 25, 300, 30);
    EXPECT_EQ(map.imageTop, 50);
    EXPECT_EQ(map.zoomIn, (ControlPlace{46, 50, 32, 32}));
    EXPECT_EQ(map.zoomOut, (ControlPlace{46, 84, 32, 32}));
    EXPECT_EQ(map.up, (ControlPlace{46, 126, 32, 32}));
    EXPECT_EQ(map.down, (ControlPlace{46, 194, 32, 32}));
    EXPECT_EQ(map.left, (ControlPlace{12, 160, 32, 32}));
    EXPECT_EQ(map.right, (ControlPlace{80, 160, 32, 32}));
    EXPECT_EQ(map.imageLeft, 122);
    EXPECT_EQ(map.toggle, (ControlPlace{122, 10, 150, 30}));
    EXPECT_EQ(map.info, (ControlPlace{122, 563, 512, 25}));
    EXPECT_EQ(map.ok, (ControlPlace{122, 589, 300, 30}));
    EXPECT_EQ(map.clientWidth, 644);
    EXPECT_EQ(map.clientHeight, 647);
    EXPECT_EQ(BasicMapLogic::LayOut(ControlPlace{0, 0, 10, 20}, 600, 25, 300, 30).clientWidth, 732);

    SimulatorSandbox sim;
    BodyMapLogic body("Moon");
    const BodyMapLayout narrow = body.LayOut(744, 25, 300, 30, 80, 30);
    EXPECT_EQ(narrow.info, (ControlPlace{10, 532, 744, 25}));
    EXPECT_EQ(narrow.ok, (ControlPlace{10, 562, 300, 30}));
    EXPECT_EQ(narrow.cancel, (ControlPlace{674, 562, 80, 30}));
    EXPECT_EQ(narrow.clientWidth, 764);
    EXPECT_EQ(narrow.clientHeight, 602);
    EXPECT_EQ(body.LayOut(744, 25, 500, 30, 300, 30).clientWidth, 830);
}

class BasicMapLogicTest : public ::testing::Test {
  protected:
    BasicMapLogicTest() : host_(kStaticMapHostVariable, server_.HostText()) {
        server_.SetDefaultReply(LoopbackServer::HttpReply("", "404 Not Found"));
    }

    SimulatorSandbox sim_;
    FakeClock clock_;
    LoopbackServer server_{64};
    ScopedEnv host_;
    BasicMapLogic logic_;
};

TEST_F(BasicMapLogicTest, FailedDownloadShowsTheErrorPicture) {
    logic_.OnInitDialog(BasicMapLogic::LayOut(ControlPlace{10, 10, 150, 30}, 512, 25, 300, 30));
    EXPECT_EQ(server_.Connections(), 1);
    const BitmapData& image = logic_.GetImage();
    ASSERT_EQ(image.Width(), 512);
    ASSERT_EQ(image.Height(), 512);
    EXPECT_EQ(At(image, 0, 0), ColorRGB(0, 0, 0));
    EXPECT_GT(CountPixels(image, ColorRGB(255, 255, 255)), 100);
    EXPECT_EQ(logic_.GetOkCaption(), "Select this position: 0.0000 longitude, 0.0000 latitiude");
    EXPECT_EQ(logic_.GetInfoText(), BasicMapLogic::kHint);
    BitmapData painted;
    ASSERT_TRUE(logic_.GetPaintImage(painted));
    EXPECT_EQ(At(painted, 256, 256), ColorRGB(255, 0, 0)); // blue, stored first
}

TEST_F(BasicMapLogicTest, PixelsToPositions) {
    logic_.View().SetZoom(10);
    logic_.View().SetCentre(LatLon(-122.0, 37.0));
    const LatLon centre = logic_.PixelToLatLon(256, 256);
    EXPECT_EQ(centre.GetLongitude(), -122.0);
    EXPECT_EQ(centre.GetLatitude(), 37.0);
    MapZoom east = logic_.View();
    east.ShiftCentreEast(128);
    EXPECT_EQ(logic_.PixelToLatLon(384, 256).GetLongitude(), east.GetCentre().GetLongitude());
    EXPECT_EQ(logic_.PixelToLatLon(384, 256).GetLatitude(), 37.0);
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

    logic_.OnInitDialog(BasicMapLogic::LayOut(ControlPlace{10, 10, 150, 30}, 512, 25, 300, 30));
    EXPECT_EQ(logic_.GetMapType(), "roadmap");
    logic_.OnToggleMapType();
    EXPECT_EQ(logic_.GetMapType(), "hybrid");
    EXPECT_EQ(logic_.GetToggleCaption(), BasicMapLogic::kToRoadMap);
    logic_.OnToggleMapType();
    EXPECT_EQ(logic_.GetMapType(), "roadmap");
    EXPECT_EQ(server_.Connections(), 6);
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
    logic_.OnInitDialog(BasicMapLogic::LayOut(ControlPlace{10, 10, 150, 30}, 512, 25, 300, 30));
    EXPECT_EQ(server_.Connections(), 0);
    EXPECT_TRUE(clock_.Sleeps().empty());
    EXPECT_EQ(logic_.GetImage().Width(), 512);
    EXPECT_GT(At(logic_.GetImage(), 10, 10).green, 150);
}

TEST(BodyMapLogicTest, PositionsAndTheEdgeRule) {
    SimulatorSandbox sim;
    BodyMapLogic logic("Moon"); // no picture: a black one that says so
    EXPECT_EQ(logic.GetImage().Width(), 744);
    EXPECT_EQ(logic.GetImage().Height(), 512);
    EXPECT_GT(CountPixels(logic.GetImage(), ColorRGB(255, 255, 255)), 100);
    EXPECT_EQ(logic.GetTitle(), "Map for Moon");
    EXPECT_EQ(logic.GetOkCaption(), "Select this position: 0.0000 longitude, 0.0000 latitiude");
    EXPECT_EQ(logic.PixelToLatLon(0, 0).GetLongitude(), -180.0);
    EXPECT_EQ(logic.PixelToLatLon(0, 0).GetLatitude(), 90.0);
    EXPECT_EQ(logic.PixelToLatLon(744, 0).GetLongitude(), 0.0); // outside
    for (const auto& [lon, lat, selectable] : {std::tuple{175.0, -75.0, true},
                                               {-175.0, 75.0, true},
                                               {175.0001, 0.0, false},
                                               {0.0, -75.0001, false}}) {
        EXPECT_EQ(BodyMapLogic::IsSelectable(LatLon(lon, lat)), selectable) << lon << " " << lat;
    }
    EXPECT_TRUE(logic.OnLeftDown(10, 10)); // (-180, 90): too close to the edge
    EXPECT_EQ(sim.Ui().Failures(), std::vector<std::string>{BodyMapLogic::kEdgeMessage});
    EXPECT_EQ(logic.SelectedX(), 372.0);
    EXPECT_EQ(logic.SelectedY(), 256.0);
    EXPECT_TRUE(logic.OnLeftDown(10 + 558, 10 + 128));
    EXPECT_EQ(logic.GetSelectedPosition().GetLongitude(), 90.0);
    EXPECT_EQ(logic.GetSelectedPosition().GetLatitude(), 45.0);
    EXPECT_FALSE(logic.OnLeftDown(5, 5));
    EXPECT_EQ(sim.Ui().Failures().size(), 1u);
}

} // namespace
} // namespace pf
