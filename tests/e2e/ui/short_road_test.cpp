// The short road, as a person walks it on a copy of the sample simulator tree: a base with
// one block in Earth's second base directory ("Historic", which has a context and a
// period) is made, installed and removed again. It runs on a plain copy, on a copy whose
// folders are spelled in other letter case, and under a locale with a decimal comma; each
// installs exactly the same bytes.
#include "e2e/ui/road_fixture.h"

#include "app/logic/edit_base_logic.h"
#include "app/ui/base_name_position_dlg.h"
#include "app/ui/edit_base_dlg.h"
#include "app/ui/edit_base_objects_dlg.h"
#include "document/ui/tile_progress_dlg.h"
#include "objects/logic/block_logic.h"
#include "objects/ui/add_object_abstract.h"
#include "objects/ui/block_dlg.h"
#include "support/comma_locale.h"
#include "support/file_manager_bytes.h"
#include "support/ui/map_mouse.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <ostream>

namespace pf::test {
namespace {

namespace stdfs = std::filesystem;

struct Variant {
    const char* name;
    // The spelling of the copy's configuration, textures2 and scenario folders and of its
    // main configuration file.
    const char* config;
    const char* textures2;
    const char* scenarios;
    const char* astrelCfg;
    bool commaLocale;
};

// Names the variant in test lists and failures.
void PrintTo(const Variant& variant, std::ostream* out) { *out << variant.name; }

const Variant kPlain{"PlainCopy", "Config", "Textures2", "Scenarios", "Astrel.cfg", false};
const Variant kLetterCase{"LetterCase", "config", "textures2", "SCENARIOS", "ASTREL.CFG", false};
const Variant kComma{"CommaLocale", "Config", "Textures2", "Scenarios", "Astrel.cfg", true};

// 40 m east and 30 m north of the base at -80.5, 28.5 on Earth's sphere.
const double kMetresPerDegree = 6371010.0 * 3.14159265358979 / 180.0;
const LatLon kBlockAt(-80.5 + 40.0 / (kMetresPerDegree * std::cos(28.5 * 3.14159265358979 / 180.0)),
                      28.5 + 30.0 / kMetresPerDegree);

const char* const kKey = "Earth\\Historic\\Road_Two.cfg";
const char* const kScenarioName = "At Road Two CONTEXT Apollo.scn";

// What the plain copy's run installs; every variant installs the same bytes. The block
// stands where the click put it, snapped to 10 m.
const std::string kConfigBytes = "BASE-V2.0\r\n"
                                 "Name = Road Two\r\n"
                                 "Location = -80.5 28.5\r\n"
                                 "Size = 1000\r\n"
                                 "ObjectSize = 100\r\n"
                                 "MAPOBJECTSTOSPHERE = TRUE\r\n"
                                 "\r\n"
                                 "BEGIN_NAVBEACON\r\n"
                                 "END_NAVBEACON\r\n"
                                 "\r\n"
                                 "BEGIN_OBJECTLIST\r\n"
                                 "\r\n"
                                 "BLOCK\r\n"
                                 "\tPOS -30 0 40\r\n"
                                 "\tSCALE 20 12.5 30\r\n"
                                 "\tROT 0\r\n"
                                 "\tTEX1 Fcd06 0.5 0.5\r\n"
                                 "\tTEX2 Fcd06 1 0.5\r\n"
                                 "\tTEX3 Wall01 2 2\r\n"
                                 "\tPFG_SCALEUV\r\n"
                                 "END\r\n"
                                 "END_OBJECTLIST\r\n"
                                 "\r\n"
                                 "BEGIN_SURFTILELIST\r\n"
                                 "END_SURFTILELIST\r\n"
                                 "\r\n";
// 42 lines: the context line comes before "END_ENVIRONMENT"; the date is the
// period's middle.
const std::string kScenarioBytes =
    "BEGIN_DESC\r\n"
    "A Delta-glider, parked at Road Two.\r\n"
    "END_DESC\r\n"
    "BEGIN_ENVIRONMENT\r\n"
    "  System Sol\r\n"
    "  Date MJD 40500.000000\r\n"
    "  CONTEXT Apollo\r\n"
    "END_ENVIRONMENT\r\n"
    "BEGIN_FOCUS\r\n"
    "  Ship GL-01\r\n"
    "END_FOCUS\r\n"
    "BEGIN_CAMERA\r\n"
    "  TARGET GL-01\r\n"
    "  MODE Cockpit\r\n"
    "  FOV 60.00\r\n"
    "END_CAMERA\r\n"
    "BEGIN_MFD Left\r\n"
    "  TYPE Surface\r\n"
    "END_MFD\r\n"
    "BEGIN_MFD Right\r\n"
    "  TYPE Launch\r\n"
    "END_MFD\r\n"
    "BEGIN_PANEL\r\n"
    "END_PANEL\r\n"
    "BEGIN_SHIPS\r\n"
    "ISS:ProjectAlpha_ISS\r\n"
    "  STATUS Orbiting Earth\r\n"
    "  ELEMENTS 6734918.8 0.00090 74.51300 169.03400 328.27760 375.78523 51981.60000000\r\n"
    "  AROT 30.00 0.00 50.00\r\n"
    "END\r\n"
    "GL-01:DeltaGlider\r\n"
    "  STATUS Landed Earth\r\n"
    "  BASE Road Two:0\r\n"
    "  HEADING 0\r\n"
    "  PRPLEVEL 0:1.000 1:1.000\r\n"
    "  NAVFREQ 402 94 0 0\r\n"
    "  XPDR 0\r\n"
    "  NOSECONE 0 0.0000\r\n"
    "  GEAR 1 1.0000\r\n"
    "  AIRLOCK 0 0.0000\r\n"
    "END\r\n"
    "END_SHIPS\r\n";

class ShortRoad : public RoadFixture, public ::testing::WithParamInterface<Variant> {
  protected:
    // The copy's folders and its main configuration as the variant spells them.
    void Respell() {
        const Variant& v = GetParam();
        for (const auto& [from, to] : {std::pair{"Config", v.config},
                                       {"Textures2", v.textures2},
                                       {"Scenarios", v.scenarios},
                                       {"Astrel.cfg", v.astrelCfg}}) {
            if (std::string(from) != to)
                stdfs::rename(Tree(from), Tree(to));
        }
    }
};

TEST_P(ShortRoad, MakeInstallRemoveInTheHistoricDirectory) {
    std::optional<CommaLocale> comma;
    if (GetParam().commaLocale) {
        comma.emplace();
        PF_SKIP_WITHOUT(*comma);
    }
    Respell();
    const TreeManifest fresh = Manifest();
    const std::set<std::string> freshFolders = Folders();

    // Make New Base: "Road Two" on Earth, in the second directory.
    wxTEST_DIALOG(Press(CTerrafixDlg::ID_MAKE_NEW_BASE),
                  NewBase("Road Two", 0, 1, "-80.5", "28.5"));
    EXPECT_EQ(ListedBases(), std::vector<std::string>{"Earth\\Road Two"});

    // Edit Base: one block placed by a click, then installed.
    Menus().ChooseNext("10 Meters");
    int blockButton = 0;
    for (const AddObjectLogic::Button& button : AddObjectLogic::Buttons())
        blockButton = button.code == kTypeBlock ? button.id : blockButton;
    SelectBase("Earth\\Road Two");
    wxTEST_DIALOG(Press(CTerrafixDlg::ID_EDIT_BASE),
                  EditBase({EditBaseLogic::kEditObjects, EditBaseLogic::kLoadBase}),
                  ExpectScript<EditBaseObjectsDlg>([](EditBaseObjectsDlg* editor) {
                      // Zoomed in, so that a pixel is far below the snap step.
                      for (int i = 0; i < 3; ++i)
                          PressButton(editor, kIdZoomIn);
                      PressButton(editor, kIdSnapTo); // 10 m, from the script
                      PressButton(editor, kIdAddObject);
                      ClickMapAt(StructureView(editor), kBlockAt);
                      EXPECT_EQ(editor->Model().List().Objects().GetCount(), 1);
                      PressButton(editor, wxID_OK);
                  }),
                  ExpectScript<AddObjectDlg>([&](AddObjectDlg* d) { PressButton(d, blockButton); }),
                  ExpectScript<AddBlockDlg>([](AddBlockDlg* d) {
                      SetEditText(d, AddBlockLogic::kWidth, "20");
                      SetEditText(d, AddBlockLogic::kLength, "30");
                      SetEditText(d, AddBlockLogic::kHeight, "12.5");
                      PressButton(d, wxID_OK);
                  }),
                  Render(), Loaded());

    // Exactly the two files, with the plain run's bytes, in the folders as spelled.
    TreeManifest expected = fresh;
    expected.files[std::string(GetParam().config) + "/Earth/Historic/Road_Two.cfg"] = kConfigBytes;
    expected.files[std::string(GetParam().scenarios) + "/Padforge/" + kScenarioName] =
        kScenarioBytes;
    EXPECT_EQ(expected.DifferencesTo(Manifest()), "");
    // The record keeps the spelling "Astrel.cfg" gives, whatever the disk's.
    EXPECT_EQ(RecordOnDisk(),
              RecordBytes()
                  .Int32(1)
                  .String(Root())
                  .Int32(1)
                  .CurrentBase(kKey, {Root() + "Config\\Earth\\Historic\\Road_Two.cfg",
                                      Root() + "Scenarios\\Padforge\\" + kScenarioName})
                  .Bytes());

    // Remove Base From Astrel: the tree is as before, folders too.
    SelectBase("Earth\\Road Two");
    wxTEST_DIALOG(Press(CTerrafixDlg::ID_EDIT_BASE),
                  ExpectScript<EditBaseDlg>([](EditBaseDlg* dlg) {
                      // Installed and current, whatever the locale: only removal is offered.
                      EXPECT_FALSE(dlg->FindWindow(EditBaseLogic::kLoadBase)->IsShown());
                      ASSERT_TRUE(dlg->FindWindow(EditBaseLogic::kRemoveBase)->IsShown());
                      PressButton(dlg, EditBaseLogic::kRemoveBase);
                      EXPECT_TRUE(dlg->FindWindow(EditBaseLogic::kLoadBase)->IsShown());
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(fresh.DifferencesTo(Manifest()), "");
    EXPECT_EQ(Folders(), freshFolders);
    EXPECT_EQ(RecordOnDisk(), RecordBytes().Int32(1).String(Root()).Int32(0).Bytes());
}

INSTANTIATE_TEST_SUITE_P(Variants, ShortRoad, ::testing::Values(kPlain, kLetterCase, kComma),
                         [](const ::testing::TestParamInfo<Variant>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace pf::test
