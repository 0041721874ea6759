// A base on the Moon, begun as a person would: Make New Base, the Moon chosen, and "Find on
// map" opens the Moon's map drawn from the sample tree's "Textures/Moon.dds".
#include "e2e/ui/road_fixture.h"

#include "app/logic/base_name_position_logic.h"
#include "app/ui/base_name_position_dlg.h"
#include "app/ui/body_map_dlg.h"
#include "imagery/dds_file.h"

#include <cstdlib>

namespace pf::test {
namespace {

using NameLogic = BaseNamePositionLogic;

class MoonBase : public RoadFixture {};

TEST_F(MoonBase, FindOnMapShowsTheMoonsOwnPicture) {
    const std::string dds = ReadNativeFile(Tree("Textures/Moon.dds"));
    BitmapData moon;
    ASSERT_TRUE(DecodeDds(reinterpret_cast<const uint8_t*>(dds.data()), dds.size(), moon));
    wxTEST_DIALOG(Press(CTerrafixDlg::ID_MAKE_NEW_BASE),
                  ExpectScript<BaseNamePositionDlg>([](BaseNamePositionDlg* dlg) {
                      SelectChoice(dlg, NameLogic::kBodyList, 1); // "Moon"
                      EXPECT_FALSE(dlg->FindWindow(NameLogic::kDirectoryList)->IsShown());
                      PressButton(dlg, NameLogic::kFindOnMap);
                      PressButton(dlg, wxID_CANCEL);
                  }),
                  ExpectScript<BodyMapDlg>([&](BodyMapDlg* map) {
                      EXPECT_EQ(map->GetTitle(), "Map for Moon");
                      // The map is the whole picture stretched: on a grid of points in the
                      // middle of the picture's regions it shows the picture's colours, not
                      // the black of "No image available for Moon".
                      const BitmapData& shown = map->Logic().GetImage();
                      const int bytes = moon.BitsPerPixel() / 8;
                      long difference = 0;
                      int samples = 0;
                      for (int j = 0; j < 8; ++j) {
                          for (int i = 0; i < 16; ++i) {
                              const double u = (i + 0.5) / 16.0;
                              const double v = (j + 0.5) / 8.0;
                              const uint8_t* a = shown.PixelAddress(int(u * shown.Width()),
                                                                    int(v * shown.Height()));
                              const uint8_t* b =
                                  moon.PixelAddress(int(u * moon.Width()), int(v * moon.Height()));
                              for (int c = 0; c < 3 && bytes >= 3; ++c)
                                  difference += std::abs(int(a[c]) - int(b[c]));
                              ++samples;
                          }
                      }
                      EXPECT_LT(difference / (3 * samples), 12) << "mean difference per channel";
                      PressButton(map, wxID_CANCEL);
                  }));
    EXPECT_TRUE(ListedBases().empty());
}

} // namespace
} // namespace pf::test
