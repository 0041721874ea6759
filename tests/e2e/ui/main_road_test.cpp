// The main road, as a person walks it on a copy of the sample simulator tree: a new base
// south of the equator with one object of every type, a beacon and four tiles, rendered,
// installed, viewed, removed, installed again, read back and deleted. Every file the road
// writes into the tree is checked once, here.
#include "e2e/ui/road_fixture.h"

#include "app/ui/add_tiles_dlg.h"
#include "app/ui/basic_map_dlg.h"
#include "app/ui/edit_base_objects_dlg.h"
#include "app/ui/nav_beacon_dlg.h"
#include "controls/ui/image_yes_no_message_box.h"
#include "document/base_document.h"
#include "foundation/text.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "objects/logic/add_mesh_logic.h"
#include "objects/logic/hangar_logic.h"
#include "objects/logic/landing_pad_logic.h"
#include "objects/logic/runway_logic.h"
#include "objects/logic/train_logic.h"
#include "objects/ui/add_mesh_dlg.h"
#include "objects/ui/add_object_abstract.h"
#include "objects/ui/beacon_array_dlg.h"
#include "objects/ui/block_dlg.h"
#include "objects/ui/hangar_dlg.h"
#include "objects/ui/landing_pad_dlg.h"
#include "objects/ui/runway_dlg.h"
#include "objects/ui/solar_plant_dlg.h"
#include "objects/ui/tank_dlg.h"
#include "objects/ui/train_dlg.h"
#include "platform/fs.h"
#include "platform/known_folders.h"
#include "support/file_manager_bytes.h"
#include "support/loopback_server.h"
#include "support/tile_test_images.h"
#include "support/ui/expect_choosers.h"
#include "support/ui/map_mouse.h"
#include "tiles/map_service.h"
#include "tiles/tile_texture_file.h"
#include "workspace/ui/astrel_base_list_dlg.h"
#include "workspace/ui/configuration_dlg.h"
#include "workspace/ui/installed_bases_viewer_dlg.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <wx/combobox.h>

namespace pf::test {
namespace {

using NameLogic = BaseNamePositionLogic;

// Where the person clicks on the Earth map picker: south of the equator, west of Greenwich.
const LatLon kPicked(-12.3, -8.6);

// "Add Object", the type's button, then the type's dialog as the script leaves it; the
// new object is placed with a click at the position.
template <class Dialog>
void AddObject(EditBaseObjectsDlg* editor, int32_t code, const LatLon& at,
               std::function<void(Dialog*)> script) {
    int button = 0;
    for (const AddObjectLogic::Button& b : AddObjectLogic::Buttons())
        button = b.code == code ? b.id : button;
    wxTEST_DIALOG(PressButton(editor, kIdAddObject),
                  ExpectScript<AddObjectDlg>([&](AddObjectDlg* d) { PressButton(d, button); }),
                  ExpectScript<Dialog>([&](Dialog* d) {
                      script(d);
                      PressButton(d, wxID_OK);
                  }));
    ClickMapAt(StructureView(editor), at);
}

template <class Dialog> void AddPlain(EditBaseObjectsDlg* editor, int32_t code, const LatLon& at) {
    AddObject<Dialog>(editor, code, at, [](Dialog*) {});
}

// A kind button of the type's dialog.
template <class Dialog> std::function<void(Dialog*)> Kind(int id) {
    return [id](Dialog* d) { PressButton(d, id); };
}

class MainRoad : public RoadFixture {
  protected:
    MainRoad()
        : server_(64, 110000), mapHost_(kStaticMapHostVariable, server_.HostText()),
          wmsHost_(kWmsHostVariable, server_.HostText()) {
        server_.SetDefaultReply(LoopbackServer::HttpReply(FlatJpeg(512, 512, Rgb(40, 120, 60))));
    }

    // 1. Make New Base: "Road Test" on Earth in the default directory, placed on the map.
    void MakeNewBase() {
        wxTEST_DIALOG(Press(CTerrafixDlg::ID_MAKE_NEW_BASE),
                      ExpectScript<BaseNamePositionDlg>([](BaseNamePositionDlg* dlg) {
                          Edit(dlg, NameLogic::kName)->SetValue("Road Test");
                          auto* directories =
                              dynamic_cast<wxChoice*>(dlg->FindWindow(NameLogic::kDirectoryList));
                          ASSERT_NE(directories, nullptr);
                          EXPECT_EQ(
                              wxJoin(directories->GetStrings(), '|'),
                              "Earth\\Base\\ (default) |Earth\\Historic\\ CONTEXT Apollo PERIOD "
                              "40000 41000");
                          SelectChoice(dlg, NameLogic::kDirectoryList, 0);
                          PressButton(dlg, NameLogic::kFindOnMap);
                          PressButton(dlg, wxID_OK);
                      }),
                      ExpectScript<BasicMapDlg>([](BasicMapDlg* map) {
                          ClickMapAt(PickerView(map), kPicked);
                          PressButton(map, wxID_OK);
                      }));
        // The map and the map after the click came from the loopback server.
        EXPECT_EQ(server_.Requests().size(), 2u);
        EXPECT_EQ(ListedBases(), std::vector<std::string>{"Earth\\Road Test"});
        ASSERT_TRUE(std::filesystem::exists(Docs("Road Test.txt")));
        base_ = BaseDocument("Road Test.txt").GetPosition();
        // Within a pixel of the click (0.18 degrees at the picker's first zoom).
        EXPECT_NEAR(base_.GetLongitude(), kPicked.GetLongitude(), 0.18);
        EXPECT_NEAR(base_.GetLatitude(), kPicked.GetLatitude(), 0.18);
        const std::string pictures = fs::ToNative(known_folders::Pictures());
        square_ = pictures + "square.png";
        wide_ = pictures + "wide.png";
        WriteTilePicture(square_, {Rgb(200, 60, 40)});
        WriteTilePicture(wide_, {Rgb(40, 90, 200), Rgb(230, 200, 40)});
    }

    // A place east and north of the base, in steps of about 140 m.
    LatLon Near(double east, double north) const {
        const double step = 0.00125;
        return LatLon(base_.GetLongitude() + east * step, base_.GetLatitude() + north * step);
    }

    // 2. Every type code from 1 to 15, each placed by a click; Save and Exit.
    void PlaceEveryType(EditBaseObjectsDlg* editor) {
        using Runway = AddRunwayLogic;
        AddObject<AddRunwayDlg>(editor, kTypeRunway, Near(-8, 0), [](AddRunwayDlg* d) {
            ClickCheckBox(d, Runway::kUseLights, true);
        });
        AddPlain<AddHangerDlg>(editor, kTypeHangar, Near(4, 4));
        AddObject<AddHangerDlg>(editor, kTypeHangar, Near(6, 4),
                                Kind<AddHangerDlg>(AddHangerLogic::kHangar2Button));
        AddObject<AddHangerDlg>(editor, kTypeHangar, Near(8, 4),
                                Kind<AddHangerDlg>(AddHangerLogic::kHangar3Button));
        AddPlain<AddLpadDlg>(editor, kTypeLpad1, Near(4, -4));
        AddObject<AddLpadDlg>(editor, kTypeLpad1, Near(6, -4),
                              Kind<AddLpadDlg>(AddLpadLogic::kLpad2));
        AddObject<AddLpadDlg>(editor, kTypeLpad1, Near(8, -4),
                              Kind<AddLpadDlg>(AddLpadLogic::kLpad2A));
        AddPlain<AddTrainDlg>(editor, kTypeTrain1, Near(-4, 8));
        AddObject<AddTrainDlg>(editor, kTypeTrain1, Near(-4, -8),
                               Kind<AddTrainDlg>(AddTrainLogic::kTrain2));
        AddPlain<AddBlockDlg>(editor, kTypeBlock, Near(2, 0));
        AddPlain<AddTankDlg>(editor, kTypeTank, Near(0, 2));
        AddPlain<AddSolarArrayDlg>(editor, kTypeSolarPlant, Near(0, -2));
        AddPlain<AddBeaconArrayDlg>(editor, kTypeBeaconArray, Near(-2, 2));
        // The model in a subfolder: its FILE keeps the folder.
        const std::string dome = Tree("Meshes/Bases/Dome.msh");
        AddObject<AddMeshDlg>(editor, kTypeMesh, Near(-2, -2), [&](AddMeshDlg* d) {
            wxTEST_DIALOG(PressButton(d, AddMeshLogic::kChooseFile), ExpectChosenFile(dome));
            EXPECT_EQ(EditText(d, AddMeshLogic::kFile), "Bases\\Dome");
        });
        EXPECT_EQ(editor->Model().List().Objects().GetCount(), 14);
        PressButton(editor, wxID_OK); // "Save and Exit"
    }

    // The tile of a level holding the place, and its centre.
    static TileAttributes TileAt(int level, const LatLon& at) {
        return TileAttributes::FromPosition("Earth", level, at);
    }

    // 4. (Boxes show "\r\n" as one line break.) A picture into a level-9 tile, a wide one into two
    // level-8 tiles, and a level-4 tile downloaded once the view is close enough.
    void EditTiles(AddTilesDlg* dlg) {
        using Tiles = AddTilesLogic;
        const MapView view = TilesView(dlg);
        PressButton(dlg, Tiles::kIdLevel1 + 8);
        Menus().ChooseNext(Tiles::kLoadTile);
        wxTEST_DIALOG(
            RightClickMapAt(view, TileAt(9, base_).GetCenter()), ExpectChosenFile(square_),
            ExpectMessageBox("Currently the tile the image has been added to is not in the base "
                             "list\n\nWould you like to add the tile to the base?",
                             "Question", 0, wxID_YES));

        PressButton(dlg, Tiles::kIdLevel1 + 7);
        const TileAttributes west = TileAt(8, Near(2, 0));
        const TileAttributes east(west.GetBody(), 8, west.GetX() + 1, west.GetY());
        DragMap(view, west.GetCenter(), east.GetCenter());
        Menus().ChooseNext("Load 1024X512 image file into selected tiles");
        const auto offer = [](const TileAttributes& tile) {
            return ExpectScript<ImageYesNoMessageBox>([tile](ImageYesNoMessageBox* box) {
                EXPECT_EQ(EditText(box, ImageYesNoMessageBox::ID_TEXT),
                          "Tile: " + tile.GetName() +
                              " is not in the base's tile list.\n\nWould you like to add it?");
                PressButton(box, wxID_OK);
            });
        };
        wxTEST_DIALOG(RightClickMapAt(view, west.GetCenter()), ExpectChosenFile(wide_),
                      ExpectScript<ImageYesNoMessageBox>([](ImageYesNoMessageBox* box) {
                          EXPECT_EQ(EditText(box, ImageYesNoMessageBox::ID_TEXT),
                                    "Would you like to add this image to the selected tiles?");
                          PressButton(box, wxID_OK);
                      }),
                      offer(west), offer(east), ExpectMessageBox("Image added", "Notification", 0));

        PressButton(dlg, Tiles::kIdLevel1 + 3);
        PressButton(dlg, Tiles::kIdZoomOut);
        EXPECT_EQ(dlg->GetLogic().GetZoom().GetZoom(), 12);
        wxTEST_DIALOG(ClickMapAt(view, base_, true),
                      ExpectMessageBox("Sorry. You need to zoom in to download image.\n(Use "
                                       "\"+\" button to zoom in)",
                                       "Notification", 0));
        PressButton(dlg, Tiles::kIdZoomIn);
        const size_t asked = server_.Requests().size();
        ClickMapAt(view, base_, true);
        EXPECT_GT(server_.Requests().size(), asked);
        EXPECT_EQ(dlg->GetLogic().GetTileList().GetCount(), 4u);
        PressButton(dlg, wxID_OK); // "Save and Exit"
    }

    // 3. The beacon as proposed.
    static void AcceptBeacon(NavBeaconDlg* dlg) {
        EXPECT_EQ(EditText(dlg, NavBeaconLogic::kIdentifier), "ROAD");
        PressButton(dlg, wxID_OK);
    }

    // 5.-7. Force Render, Load Base Into Astrel, Exit; then every file in the tree.
    void InstallAndCheck(const TreeManifest& fresh) {
        SelectBase("Earth\\Road Test");
        wxTEST_DIALOG(
            Press(CTerrafixDlg::ID_EDIT_BASE), ExpectScript<EditBaseDlg>([&](EditBaseDlg* dlg) {
                wxTEST_DIALOG(PressButton(dlg, EditBaseLogic::kForceRender), Render());
                EXPECT_FALSE(dlg->Logic().Document().GetNeedsRendering());
                const std::vector<std::string> rendered = NativeNames(Docs("Road Test/Textures2"));
                EXPECT_EQ(rendered.size(), 4u);
                for (const std::string& name : rendered)
                    ExpectTileDds(ReadNativeFile(Docs("Road Test/Textures2/" + name)), name);
                wxTEST_DIALOG(PressButton(dlg, EditBaseLogic::kLoadBase), Loaded());
                EXPECT_TRUE(dlg->FindWindow(EditBaseLogic::kRemoveBase)->IsShown());
                EXPECT_FALSE(dlg->FindWindow(EditBaseLogic::kLoadBase)->IsShown());
                PressButton(dlg, wxID_OK); // "Exit"
            }));
        tiles_ = BaseDocument("Road Test.txt").GetTileArray();
        ASSERT_EQ(tiles_.GetCount(), 4u);
        installed_ = {"Config/Earth/Base/Road_Test.cfg"};
        for (const TileAttributes& tile : tiles_)
            installed_.push_back("Textures2/" + tile.GetDdsFileName());
        installed_.push_back("Scenarios/Padforge/Road Test on Landing Pad.scn");
        installed_.push_back("Scenarios/Padforge/Road Test on Runway.scn");
        std::string added;
        for (const std::string& path : std::set<std::string>(installed_.begin(), installed_.end()))
            added += "added " + path + "\n";
        EXPECT_EQ(fresh.DifferencesTo(Manifest()), added);
        CheckConfiguration();
        CheckTiles();
        CheckScenarios();
        EXPECT_EQ(RecordOnDisk(), Record(true));
    }

    // The record file: one installation, with the base's seven files or with none.
    std::string Record(bool installed) const {
        RecordBytes record;
        record.Int32(1).String(Root());
        if (!installed)
            return record.Int32(0).Bytes();
        EXPECT_EQ(installed_.size(), 7u);
        std::vector<std::string> p;
        for (size_t i = 0; i < 7; ++i)
            p.push_back(i < installed_.size() ? Internal(installed_[i]) : "");
        return record.Int32(1)
            .CurrentBase("Earth\\Base\\Road_Test.cfg", {p[0], p[1], p[2], p[3], p[4], p[5], p[6]})
            .Bytes();
    }

    std::string Work(const std::string& relative) const { return Docs("Road Test/" + relative); }

    void CheckConfiguration() {
        const std::string text = ReadNativeFile(Tree("Config/Earth/Base/Road_Test.cfg"));
        EXPECT_EQ(text, ReadNativeFile(Work("Config/Earth/Base/Road_Test.cfg")));
        EXPECT_EQ(text, ReadNativeFile(fs::ToNative(BaseDocument::GetTempConfigPath())));
        const std::vector<std::string> lines = CrlfLines(text);
        ASSERT_GT(lines.size(), 8u);
        const std::vector<std::string> header(lines.begin(), lines.begin() + 8);
        EXPECT_EQ(header,
                  (std::vector<std::string>{
                      "BASE-V2.0", "Name = Road Test",
                      "Location = " + FormatNumber(static_cast<float>(base_.GetLongitude()), 6) +
                          " " + FormatNumber(static_cast<float>(base_.GetLatitude()), 6),
                      "Size = 1000", "ObjectSize = 100", "MAPOBJECTSTOSPHERE = TRUE", "",
                      "BEGIN_NAVBEACON"}));
        const auto count = [&](const std::function<bool(const std::string&)>& match) {
            return std::count_if(lines.begin(), lines.end(), match);
        };
        EXPECT_EQ(count([](const std::string& l) { return l.rfind("PFG_", 0) == 0; }), 0);
        EXPECT_EQ(count([](const std::string& l) { return l.rfind("VOR ROAD ", 0) == 0; }), 1);
        for (const char* keyword :
             {"BLOCK", "HANGAR", "HANGAR2", "HANGAR3", "TANK", "RUNWAY", "RUNWAYLIGHTS",
              "BEACONARRAY", "SOLARPLANT", "TRAIN1", "TRAIN2", "LPAD1", "LPAD2", "LPAD2A", "MESH"})
            EXPECT_EQ(count([&](const std::string& l) { return l == keyword; }), 1) << keyword;
        EXPECT_NE(text.find("END\r\nRUNWAYLIGHTS\r\n"), std::string::npos);
        EXPECT_NE(text.find("\tFILE Bases\\Dome\r\n"), std::string::npos);
        std::vector<std::string> tileLines;
        for (const TileAttributes& t : tiles_)
            tileLines.push_back(FormatString("%d %d %d 1", t.GetLevel(), t.GetX(), t.GetY()));
        const auto list = std::find(lines.begin(), lines.end(), "BEGIN_SURFTILELIST");
        ASSERT_GE(std::distance(list, lines.end()), 6) << text;
        EXPECT_EQ(std::vector<std::string>(list + 1, list + 5), tileLines);
        EXPECT_EQ(list[5], "END_SURFTILELIST");
    }

    // Installed tiles: the work folder's bytes; each its cache picture turned by a half
    // turn, the imported ones with their marker in the turned corner.
    void CheckTiles() {
        for (const TileAttributes& tile : tiles_) {
            SCOPED_TRACE(tile.GetName());
            const std::string dds = "Textures2/" + tile.GetDdsFileName();
            EXPECT_EQ(ReadNativeFile(Tree(dds)), ReadNativeFile(Work(dds)));
            BitmapData decoded;
            ASSERT_TRUE(DecodeTreeDds(dds, decoded));
            BitmapData cached;
            ASSERT_TRUE(CachePicture(tile, cached));
            EXPECT_GE(Psnr(decoded, cached, true), 30.0);
            EXPECT_EQ(decoded.PixelAddress(256, 256)[3], 255);
            if (tile.GetLevel() > 4) { // imported: the marker and the transparent square turned
                EXPECT_GE(decoded.PixelAddress(505, 505)[1], 240);
                EXPECT_EQ(decoded.PixelAddress(8, 8)[3], 0);
            }
        }
    }

    void CheckScenarios() {
        for (const char* title : {"Road Test on Runway", "Road Test on Landing Pad"}) {
            SCOPED_TRACE(title);
            const std::string relative = std::string("Scenarios/Padforge/") + title + ".scn";
            const std::string text = ReadNativeFile(Tree(relative));
            EXPECT_EQ(text, ReadNativeFile(Work(relative)));
            const std::vector<std::string> lines = CrlfLines(text);
            ASSERT_EQ(lines.size(), 41u);
            const bool runway = std::string(title).find("Runway") != std::string::npos;
            EXPECT_EQ(lines[1], std::string("A Delta-glider, parked on ") +
                                    (runway ? "Runway" : "Landing Pad") + " #1 at Road Test.");
            EXPECT_EQ(lines[5], "  Date MJD 51981.6008401528");
            EXPECT_EQ(lines[30], "  STATUS Landed Earth");
            if (runway) {
                // The runway's western end, 2099 m west of the base.
                static const std::regex pos("  POS (-?[0-9]+\\.[0-9]{6}) (-?[0-9]+\\.[0-9]{6})");
                std::smatch m;
                ASSERT_TRUE(std::regex_match(lines[31], m, pos)) << lines[31];
                const double lon = Number(m[1]);
                const double lat = Number(m[2]);
                EXPECT_NEAR(lon, base_.GetLongitude() - 0.01909, 2e-4);
                EXPECT_NEAR(lat, base_.GetLatitude(), 2e-4);
            } else {
                EXPECT_EQ(lines[31], "  BASE Road Test:1");
            }
            EXPECT_TRUE(std::regex_match(lines[32], std::regex("  HEADING -?[0-9]+\\.[0-9]")))
                << lines[32];
        }
    }

    // 8. The viewer from the configuration dialog.
    void ViewInstalled() {
        wxTEST_DIALOG(
            Press(CTerrafixDlg::ID_CONFIGURATION),
            ExpectScript<ConfigurationDlg>([](ConfigurationDlg* dlg) {
                PressButton(dlg, ConfigurationDlg::ID_LOADED_BASES);
                PressButton(dlg, wxID_OK);
            }),
            ExpectScript<InstalledBasesViewerDlg>([&](InstalledBasesViewerDlg* dlg) {
                using Viewer = InstalledBasesViewerDlg;
                auto* roots = dynamic_cast<wxComboBox*>(dlg->FindWindow(Viewer::ID_ROOTS));
                ASSERT_NE(roots, nullptr);
                // Shown as the system writes paths.
                EXPECT_EQ(roots->GetValue().utf8_string(), fs::ToNative(Root()));
                EXPECT_EQ(ListStrings(dlg, Viewer::ID_BASES), "Earth\\Base\\Road_Test.cfg");
                SelectListEntry(dlg, Viewer::ID_BASES, 0);
                std::string files;
                for (const std::string& path : installed_) {
                    files += (files.empty() ? "" : "|") + Tree(path);
                }
                EXPECT_EQ(ListStrings(dlg, Viewer::ID_FILES), files);
                PressButton(dlg, wxID_OK);
            }));
    }

    // 9.-10. Remove Base From Astrel, then Load again and Exit.
    void RemoveAndLoadAgain(const TreeManifest& fresh) {
        const std::set<std::string> folders = Folders();
        const TreeManifest installedTree = Manifest();
        SelectBase("Earth\\Road Test");
        wxTEST_DIALOG(Press(CTerrafixDlg::ID_EDIT_BASE),
                      ExpectScript<EditBaseDlg>([&](EditBaseDlg* dlg) {
                          EXPECT_TRUE(dlg->FindWindow(EditBaseLogic::kRemoveBase)->IsShown());
                          EXPECT_FALSE(dlg->FindWindow(EditBaseLogic::kLoadBase)->IsShown());
                          PressButton(dlg, EditBaseLogic::kRemoveBase);
                          EXPECT_EQ(fresh.DifferencesTo(Manifest()), "");
                          // The folders installing made go with the files: "Scenarios/Padforge".
                          EXPECT_EQ(Folders(), folders_);
                          EXPECT_EQ(RecordOnDisk(), Record(false));
                          EXPECT_TRUE(dlg->FindWindow(EditBaseLogic::kLoadBase)->IsShown());
                          wxTEST_DIALOG(PressButton(dlg, EditBaseLogic::kLoadBase), Loaded());
                          EXPECT_EQ(Folders(), folders);
                          PressButton(dlg, wxID_OK);
                      }));
        EXPECT_EQ(RecordOnDisk(), Record(true));
        EXPECT_EQ(installedTree.DifferencesTo(Manifest()), "");
        const std::string own = ReadNativeFile(Docs("Road Test.txt"));
        EXPECT_NE(own.find("PFG_NEEDS_LOADING FALSE\r\n"), std::string::npos);
        EXPECT_NE(own.find("PFG_NEEDS_RENDERING FALSE\r\n"), std::string::npos);
    }

    // Read back: the installed base in place of its own, then the sample's base.
    void ReadBack() {
        const BaseDocument before("Road Test.txt");
        // The tree's copy never replaces the person's own base: the person puts it aside.
        const std::string own = ReadNativeFile(Docs("Road Test.txt"));
        ImportFromTree("Road_Test.cfg", "Couldn't load base from Astrel: a base of your own "
                                        "already has the name Road Test.\nFile: " +
                                            Docs("Road Test.txt"));
        EXPECT_EQ(ReadNativeFile(Docs("Road Test.txt")), own);
        std::filesystem::rename(Docs("Road Test.txt"), Home().Home() + "/Road Test.txt");
        // Emptied as a person would: the tile pictures in the cache folder deleted.
        for (const auto& entry : std::filesystem::directory_iterator(Docs("cache"))) {
            if (entry.is_regular_file())
                std::filesystem::remove(entry.path());
        }
        ImportFromTree("Road_Test.cfg");
        const BaseDocument after("Road Test.txt");
        ASSERT_EQ(after.GetObjects().GetCount(), before.GetObjects().GetCount());
        for (int i = 0; i < before.GetObjects().GetCount(); ++i) {
            EXPECT_EQ(after.GetObjects().GetAt(i)->GetTypeName(),
                      before.GetObjects().GetAt(i)->GetTypeName());
            EXPECT_EQ(after.GetObjects().GetAt(i)->GetParameterText(),
                      before.GetObjects().GetAt(i)->GetParameterText())
                << i;
        }
        ASSERT_EQ(after.GetBeacons().GetCount(), 1);
        ASSERT_EQ(before.GetBeacons().GetCount(), 1);
        EXPECT_EQ(after.GetBeacons()[0].FormatLine(), before.GetBeacons()[0].FormatLine());
        EXPECT_EQ(after.GetTileArray().GetCount(), 4u);
        for (size_t i = 0; i < tiles_.GetCount() && i < after.GetTileArray().GetCount(); ++i)
            EXPECT_TRUE(after.GetTileArray()[i].SamePlace(tiles_[i])) << i;
        EXPECT_EQ(after.GetOrigin(), "Astrel");
        EXPECT_EQ(after.GetOriginalPath(), Root() + "Config\\Earth\\Base\\Road_Test.cfg");
        for (const TileAttributes& tile : tiles_) {
            SCOPED_TRACE(tile.GetName());
            BitmapData cached;
            ASSERT_TRUE(CachePicture(tile, cached));
            BitmapData decoded;
            ASSERT_TRUE(DecodeTreeDds("Textures2/" + tile.GetDdsFileName(), decoded));
            EXPECT_GE(Psnr(decoded, cached, true), 30.0);
        }
    }

    // The sample's own base, north of the equator: its tile comes into the cache unturned.
    void ReadSampleBack() {
        ImportFromTree("SampleField.cfg");
        const std::vector<std::string> listed = ListedBases();
        EXPECT_EQ(std::count(listed.begin(), listed.end(), "Earth\\Sample Field"), 1);
        const TileAttributes tile("Earth", 9, -58728, 20811);
        BitmapData cached;
        ASSERT_TRUE(CachePicture(tile, cached));
        BitmapData decoded;
        ASSERT_TRUE(DecodeTreeDds("Textures2/" + tile.GetDdsFileName(), decoded));
        EXPECT_GE(Psnr(decoded, cached, false), 30.0);
    }

    // "Load Base From Astrel": Earth, its default directory, the file; refusal: the error
    // box expected instead of a load.
    void ImportFromTree(const std::string& file, const std::string& refusal = "") {
        Menus().ChooseNext("Earth");
        Menus().ChooseNext("Earth\\Base\\");
        const auto choose = ExpectScript<AstrelBaseListDlg>([file](AstrelBaseListDlg* dlg) {
            auto* list = dynamic_cast<wxListBox*>(dlg->FindWindow(AstrelBaseListDlg::ID_FILES));
            ASSERT_NE(list, nullptr);
            SelectListEntry(dlg, AstrelBaseListDlg::ID_FILES, list->FindString(file));
            PressButton(dlg, wxID_OK);
        });
        if (!refusal.empty()) {
            wxTEST_DIALOG(Press(CTerrafixDlg::ID_LOAD_FROM_ASTREL), choose,
                          ExpectMessageBox(WrapToWidth(wxString::FromUTF8(refusal), MessageFont(),
                                                       kMessageLineWidth),
                                           "Error", 0, wxID_OK));
        } else {
            wxTEST_DIALOG(Press(CTerrafixDlg::ID_LOAD_FROM_ASTREL), choose);
        }
    }

    // Delete Base: forgets the record, keeps the installed files.
    void DeleteBase() {
        const TreeManifest tree = Manifest();
        const TreeManifest outside = OwnFiles();
        SelectBase("Earth\\Road Test");
        wxTEST_DIALOG(Press(CTerrafixDlg::ID_DELETE_BASE),
                      ExpectMessageBox("Are you sure you want to delete the Road Test base?",
                                       "Question", 0, wxID_YES));
        EXPECT_EQ(RecordOnDisk(), Record(false));
        EXPECT_FALSE(std::filesystem::exists(Docs("Road Test.txt")));
        EXPECT_FALSE(std::filesystem::exists(Docs("Road Test")));
        EXPECT_EQ(tree.DifferencesTo(Manifest()), "");
        EXPECT_EQ(outside.DifferencesTo(OwnFiles()), "");
    }

    LatLon base_;
    TileArray tiles_;
    // The installed files in install order, relative to the tree.
    std::vector<std::string> installed_;
    // The tree's folders before installing.
    std::set<std::string> folders_;
    std::string square_;
    std::string wide_;
    LoopbackServer server_;
    ScopedEnv mapHost_;
    ScopedEnv wmsHost_;
};

TEST_F(MainRoad, MakeEditRenderInstallViewRemoveReadBackDelete) {
    const TreeManifest fresh = Manifest();
    folders_ = Folders();
    MakeNewBase();
    SelectBase("Earth\\Road Test");
    wxTEST_DIALOG(
        Press(CTerrafixDlg::ID_EDIT_BASE), ExpectScript<EditBaseDlg>([&](EditBaseDlg* dlg) {
            wxTEST_DIALOG(PressButton(dlg, EditBaseLogic::kEditObjects),
                          ExpectScript<EditBaseObjectsDlg>(
                              [&](EditBaseObjectsDlg* e) { PlaceEveryType(e); }));
            wxTEST_DIALOG(PressButton(dlg, EditBaseLogic::kEditNavBeacon),
                          ExpectScript<NavBeaconDlg>(&AcceptBeacon));
            wxTEST_DIALOG(PressButton(dlg, EditBaseLogic::kEditTiles),
                          ExpectScript<AddTilesDlg>([&](AddTilesDlg* t) { EditTiles(t); }));
            PressButton(dlg, wxID_OK);
        }));
    InstallAndCheck(fresh);
    ViewInstalled();
    RemoveAndLoadAgain(fresh);
    ReadBack();
    ReadSampleBack();
    DeleteBase();
}

} // namespace
} // namespace pf::test
