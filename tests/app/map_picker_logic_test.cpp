#include "app/logic/basic_map_logic.h"
#include "app/logic/body_map_logic.h"

#include "foundation/text.h"
#include "support/fake_clock.h"
#include "support/image_fixtures.h"
#include "support/loopback_server.h"
#include "support/simulator_sandbox.h"
#include "tiles/map_service.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::At;

int WhitePixels(const BitmapData& image) {
    int count = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            count += At(image, x, y) == ColorRGB(255, 255, 255);
        }
    }
    return count;
}

std::string Places(std::initializer_list<ControlPlace> places) {
    std::string text;
    for (const ControlPlace& p : places) {
        text += FormatString("(%d %d %d %d)", p.x, p.y, p.width, p.height);
    }
    return text;
}

const BasicMapLayout kLayout =
    BasicMapLogic::LayOut(ControlPlace{10, 10, 150, 30}, 512, 25, 300, 30);

TEST(MapPickerLayoutTest, PlacesFollowTheControlSizes) {
    const BasicMapLayout& m = kLayout;
    EXPECT_EQ(Places({m.zoomIn, m.zoomOut, m.up, m.down, m.left, m.right, m.toggle, m.info, m.ok}),
              "(46 50 32 32)(46 84 32 32)(46 126 32 32)(46 194 32 32)(12 160 32 32)"
              "(80 160 32 32)(122 10 150 30)(122 563 512 25)(122 589 300 30)");
    EXPECT_EQ(std::tuple(m.imageLeft, m.imageTop, m.clientWidth, m.clientHeight),
              std::tuple(122, 50, 644, 647));
    EXPECT_EQ(BasicMapLogic::LayOut(ControlPlace{0, 0, 10, 20}, 600, 25, 300, 30).clientWidth, 732);
    test::SimulatorSandbox sim;
    BodyMapLogic body("Moon");
    const BodyMapLayout b = body.LayOut(744, 25, 300, 30, 80, 30);
    EXPECT_EQ(Places({b.info, b.ok, b.cancel}), "(10 532 744 25)(10 562 300 30)(674 562 80 30)");
    EXPECT_EQ(std::pair(b.clientWidth, b.clientHeight), std::pair(764, 602));
    EXPECT_EQ(body.LayOut(744, 25, 500, 30, 300, 30).clientWidth, 830);
}

// The Earth map picker against a map server that answers every request with 404.
class BasicMapLogicTest : public ::testing::Test {
  protected:
    BasicMapLogicTest() {
        server.SetDefaultReply(test::LoopbackServer::HttpReply("", "404 Not Found"));
    }

    test::SimulatorSandbox sim;
    test::FakeClock clock;
    test::LoopbackServer server{64};
    test::ScopedEnv host{kStaticMapHostVariable, server.HostText()};
    BasicMapLogic logic;
};

TEST_F(BasicMapLogicTest, EveryCommandReloadsAndZoomStaysInRange) {
    logic.View().SetZoom(20);
    logic.OnZoomIn();
    EXPECT_EQ(logic.View().GetZoom(), 20);
    logic.View().SetZoom(3);
    logic.OnZoomOut();
    logic.OnRightUp();
    EXPECT_EQ(logic.View().GetZoom(), 3);
    EXPECT_EQ(server.Connections(), 3);

    // A failed download shows a black picture that says so, with the blue marker.
    logic.OnInitDialog(kLayout);
    EXPECT_EQ(At(logic.GetImage(), 0, 0), ColorRGB(0, 0, 0));
    EXPECT_GT(WhitePixels(logic.GetImage()), 100);
    EXPECT_EQ(logic.GetOkCaption(), "Select this position: 0.0000 longitude, 0.0000 latitiude");
    BitmapData painted;
    ASSERT_TRUE(logic.GetPaintImage(painted));
    EXPECT_EQ(At(painted, 256, 256), ColorRGB(255, 0, 0)); // blue, stored first
    std::string types = logic.GetMapType();
    for (int i = 0; i < 2; ++i) {
        logic.OnToggleMapType();
        types += " " + logic.GetMapType();
    }
    EXPECT_EQ(types, "roadmap hybrid roadmap");
    ASSERT_TRUE(server.WaitForRequests(6));
    EXPECT_NE(server.Requests()[4].find("maptype=hybrid"), std::string::npos);

    MapZoom east = logic.View();
    east.ShiftCentreEast(128);
    EXPECT_EQ(logic.PixelToLatLon(256, 256).GetLongitude(), 0.0);
    EXPECT_EQ(logic.PixelToLatLon(384, 256).GetLongitude(), east.GetCentre().GetLongitude());
    logic.OnMouseMove(122 + 384, 50 + 256);
    EXPECT_EQ(logic.GetInfoText(),
              std::string(BasicMapLogic::kHint) + MapMouseText("", east.GetCentre()));
    // A release outside the map reloads only after a press inside it.
    EXPECT_FALSE(logic.OnLeftUp(5, 5));
    logic.OnLeftDown(122 + 384, 50 + 256);
    EXPECT_TRUE(logic.OnLeftUp(5, 5));
    EXPECT_EQ(server.Connections(), 7);
    EXPECT_EQ(logic.GetOkCaption(), MapOkCaption(east.GetCentre()));
}

TEST_F(BasicMapLogicTest, CaptionAndMouseTextFollowEveryClick) {
    logic.OnInitDialog(kLayout);
    // Clicks in view pixels; after each press and each release the caption names the
    // centre OK keeps, and after the new map the mouse text names the point now under
    // the pointer, which has not moved.
    for (const auto& [x, y] : {std::pair{384, 256}, {100, 400}, {256, 256}, {511, 1}}) {
        const LatLon target = logic.PixelToLatLon(x, y);
        logic.OnMouseMove(122 + x, 50 + y);
        logic.OnLeftDown(122 + x, 50 + y);
        EXPECT_EQ(logic.GetOkCaption(), MapOkCaption(target));
        ASSERT_TRUE(logic.OnLeftUp(122 + x, 50 + y));
        EXPECT_EQ(logic.GetOkCaption(), MapOkCaption(logic.View().GetCentre()));
        EXPECT_EQ(logic.GetOkCaption(), MapOkCaption(target));
        EXPECT_EQ(logic.GetInfoText(),
                  MapMouseText(BasicMapLogic::kHint, logic.PixelToLatLon(x, y)));
    }
}

TEST(BodyMapLogicTest, PositionsAndTheEdgeRule) {
    test::SimulatorSandbox sim;
    BodyMapLogic logic("Moon"); // no picture: a black one that says so
    EXPECT_GT(WhitePixels(logic.GetImage()), 100);
    EXPECT_EQ(logic.GetTitle(), "Map for Moon");
    EXPECT_EQ(logic.GetOkCaption(), "Select this position: 0.0000 longitude, 0.0000 latitiude");
    const LatLon corner = logic.PixelToLatLon(0, 0);
    EXPECT_EQ(std::pair(corner.GetLongitude(), corner.GetLatitude()), std::pair(-180.0, 90.0));
    for (const auto& [lon, lat, selectable] : {std::tuple{175.0, -75.0, true},
                                               {-175.0, 75.0, true},
                                               {175.0001, 0.0, false},
                                               {0.0, -75.0001, false}}) {
        EXPECT_EQ(BodyMapLogic::IsSelectable(LatLon(lon, lat)), selectable) << lon << " " << lat;
    }
    EXPECT_TRUE(logic.OnLeftDown(10, 10)); // (-180, 90): too close to the edge
    EXPECT_EQ(sim.Ui().Failures(), std::vector<std::string>{BodyMapLogic::kEdgeMessage});
    EXPECT_EQ(std::pair(logic.SelectedX(), logic.SelectedY()), std::pair(372.0, 256.0));
}

} // namespace
} // namespace pf
