#include "objects/mesh.h"
#include "support/object_fixtures.h"

#include "foundation/failure.h"
#include "imagery/object_icons.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "support/mesh_files.h"
#include "support/scripted_ui.h"
#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <limits>

namespace pf {
namespace {

using test::Group;

namespace sfs = std::filesystem;

const Mesh* AsMesh(const AstrelObject& holder) { return dynamic_cast<const Mesh*>(holder.Get()); }

class MeshTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tree_.WriteModel("Box.msh", test::kMshBox);
        tree_.WriteModel("Tower.msh", test::kMshOneGroup);
        tree_.WriteModel("Tri.msh", test::kMshTriangle);
    }

    // A mesh of the model with its extents loaded or computed, as the program loads one;
    // `textured` gets the model's flag.
    static Mesh Loaded(const std::string& file, bool loads = true, uint8_t* textured = nullptr) {
        Mesh mesh;
        mesh.file = file;
        uint8_t flag = 9;
        EXPECT_EQ(mesh.LoadOrComputeMeshData(flag), loads) << file;
        if (textured != nullptr) {
            *textured = flag;
        }
        return mesh;
    }

    // A mesh of the model at its natural size.
    Mesh Natural(const std::string& file) {
        Mesh mesh = Loaded(file);
        mesh.scale.Set(mesh.NaturalLength(), mesh.NaturalWidth(), mesh.NaturalHeight());
        mesh.pos.Set(0.0, 0.0, 0.0);
        mesh.rot.Set(0.0);
        return mesh;
    }

    void Age(const std::string& native, std::chrono::hours ago) {
        sfs::last_write_time(native, sfs::file_time_type::clock::now() - ago);
    }

    test::MeshSandbox tree_;
    test::ScriptedUi ui_;
};

// ---- text ----

TEST_F(MeshTest, NaturalSizeWritesTheModelsOriginAndUnitRatios) {
    Mesh mesh = Natural("Box");
    EXPECT_EQ(mesh.GetParameterText(),
              "\tFILE Box\r\n\tPOS -2 2 -5\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n");
    mesh.rot.Set(90.0);
    EXPECT_EQ(mesh.GetParameterText(),
              "\tFILE Box\r\n\tPOS 5 2 -2\r\n\tSCALE 1 1 1\r\n\tROT 90\r\n");
    mesh.rot.Set(0.0);
    mesh.scale[0].Set(20.0);
    EXPECT_EQ(mesh.GetParameterText(),
              "\tFILE Box\r\n\tPOS -2 2 -10\r\n\tSCALE 1 1 2\r\n\tROT 0\r\n");
}

TEST_F(MeshTest, ReadingTheWrittenTextGivesTheCentreAndSizesBack) {
    AstrelObject holder;
    ASSERT_TRUE(ParseMesh(holder, Group("MESH\r\nFILE Box\r\nPOS -2 2 -5\r\nSCALE 1 1 1\r\n")));
    const Mesh* mesh = AsMesh(holder);
    ASSERT_NE(mesh, nullptr);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(mesh->pos[i].value, 0.0, 1e-9) << i;
        EXPECT_TRUE(mesh->pos[i].given);
        EXPECT_TRUE(mesh->scale[i].given);
    }
    EXPECT_EQ(mesh->scale[0].value, 10.0);
    EXPECT_EQ(mesh->scale[1].value, 4.0);
    EXPECT_EQ(mesh->scale[2].value, 5.0);
    EXPECT_EQ(mesh->rot.value, 0.0);
    EXPECT_TRUE(mesh->rot.given);
    EXPECT_EQ(mesh->GetParameterText(),
              "\tFILE Box\r\n\tPOS -2 2 -5\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n");

    // Turned and scaled, the round trip holds too.
    AstrelObject turned;
    ASSERT_TRUE(ParseMesh(turned, Group("MESH\r\nFILE Box\r\nPOS 12 3 -7\r\nSCALE 2 1 0.5\r\n"
                                        "ROT 30\r\n")));
    EXPECT_EQ(turned.GetParameterText(),
              "\tFILE Box\r\n\tPOS 12 3 -7\r\n\tSCALE 2 1 0.5\r\n\tROT 30\r\n");
}

TEST_F(MeshTest, FileNamesSwitchesAndTextureLines) {
    tree_.WriteModel("Bases/Tower.msh", test::kMshOneGroup);
    AstrelObject holder;
    ASSERT_TRUE(ParseMesh(holder, Group("MESH\r\nlpad\r\nFILE Bases/Tower\r\nOWNMATERIAL\r\n"
                                        "TEX Ground\\Pad\r\nUNDERSHADOWS x\r\nSHADOW\r\n"
                                        "PRELOAD\r\nWHATEVER 1\r\n")));
    const Mesh* mesh = AsMesh(holder);
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->file, "Bases\\Tower");
    EXPECT_EQ(mesh->tex, "Ground\\Pad");
    const std::string text = mesh->GetParameterText();
    EXPECT_EQ(text.substr(0, 19), "\tFILE Bases\\Tower\r\n");
    EXPECT_EQ(text.substr(text.find("\tROT")),
              "\tROT 0\r\n\tPRELOAD\r\n\tSHADOW\r\n\tUNDERSHADOWS\r\n\tOWNMATERIAL\r\n\tLPAD\r\n"
              "\tWHATEVER 1\r\n");

    Mesh plain(*mesh);
    plain.ownMaterial = false;
    EXPECT_NE(plain.GetParameterText().find("\tROT 0\r\n\tTEX Ground\\Pad\r\n\tPRELOAD"),
              std::string::npos);
}

TEST_F(MeshTest, FlatModelWritesRatioOneAndReadsBackFlat) {
    tree_.WriteModel("Flat.msh", "GEOM 3 1\r\n0 1 0\r\n4 1 0\r\n0 1 10\r\n0 1 2\r\n");
    Mesh mesh = Natural("Flat");
    EXPECT_EQ(mesh.NaturalHeight(), 0.0);
    mesh.scale[2].Set(7.0);
    const std::string text = mesh.GetParameterText();
    EXPECT_NE(text.find("\tSCALE 1 1 1\r\n"), std::string::npos) << text;
    AstrelObject holder;
    ASSERT_TRUE(ParseMesh(holder, Group("MESH\r\n" + text)));
    EXPECT_EQ(AsMesh(holder)->scale[2].value, 0.0);
}

TEST_F(MeshTest, MissingModelKeepsTheMeshAndWritesItBack) {
    const std::string text = "\tFILE Gone\\Shed\r\n\tPOS 1.5 -2 300.25\r\n\tSCALE 2 0.5 3\r\n"
                             "\tROT 45\r\n\tTEX Wall01\r\n\tSHADOW\r\n\tLPAD\r\n";
    AstrelObject holder;
    ASSERT_TRUE(ParseMesh(holder, Group("MESH\r\n" + text)));
    EXPECT_EQ(ui_.Failures(), std::vector<std::string>{"Couldn't parse mesh file"});
    const Mesh* mesh = AsMesh(holder);
    ASSERT_NE(mesh, nullptr);
    EXPECT_TRUE(mesh->modelUnavailable);
    EXPECT_EQ(mesh->GetParameterText(), text);
    EXPECT_FALSE(sfs::exists(tree_.CacheNative("Gone/Shed.dat")));

    // A copy stays unavailable and writes the same.
    AstrelObject copy(holder);
    EXPECT_TRUE(AsMesh(copy)->modelUnavailable);
    EXPECT_EQ(copy.GetParameterText(), text);
    // Its icon is the fixed one at once.
    BitmapData icon, fixed;
    AsMesh(copy)->GetIcon(icon);
    ASSERT_TRUE(GetObjectIconBitmap(kMeshFixedIcon, fixed));
    EXPECT_TRUE(icon.IsIdentical(fixed));
}

TEST_F(MeshTest, NumbersBeyondTheFloatRangeAreNeverHeld) {
    // Extents a float cannot hold: the mesh stays with the unit model and writes back as read.
    tree_.WriteModel("Far.msh", "GEOM 3 1\r\n0 0 0\r\n1e300 0 0\r\n0 0 1e300\r\n0 1 2\r\n");
    tree_.WriteModel("Wide.msh", "GEOM 3 1\r\n-3e38 0 0\r\n3e38 0 0\r\n0 0 1\r\n0 1 2\r\n");
    for (const std::string model : {"Far", "Wide"}) {
        const std::string text =
            "\tFILE " + model + "\r\n\tPOS 1 2 3\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n";
        AstrelObject holder;
        ASSERT_TRUE(ParseMesh(holder, Group("MESH\r\n" + text))) << model;
        EXPECT_TRUE(AsMesh(holder)->modelUnavailable) << model;
        EXPECT_EQ(holder.GetParameterText(), text) << model;
    }
    // Sound extents scaled beyond the float range: the group is refused, nothing is held.
    tree_.WriteModel("Big.msh", "GEOM 3 1\r\n0 0 0\r\n1e30 0 0\r\n0 0 1e30\r\n0 1 2\r\n");
    AstrelObject scaled;
    EXPECT_FALSE(ParseMesh(scaled, Group("MESH\r\nFILE Big\r\nPOS 1 2 3\r\nSCALE 1e30 1 1\r\n")));
    EXPECT_TRUE(scaled.IsEmpty());
}

TEST_F(MeshTest, NoRotLineReadsZeroAndOtherGroupsAreRefused) {
    AstrelObject holder;
    ASSERT_TRUE(ParseMesh(holder, Group("MESH\r\nFILE Box\r\n")));
    EXPECT_NE(holder.GetParameterText().find("\tROT 0\r\n"), std::string::npos);
    AstrelObject untouched;
    EXPECT_FALSE(ParseMesh(untouched, Group("BLOCK\r\nFILE Box\r\n")));
    EXPECT_TRUE(untouched.IsEmpty());
}

TEST_F(MeshTest, CopyTakesEveryParameterButNotTheTopView) {
    Mesh source = Natural("Tri");
    source.tex = "T";
    source.shadow = source.underShadows = source.ownMaterial = source.lpad = source.preload = true;
    source.keepAspect = false;
    BitmapData icon;
    source.GetIcon(icon);
    ASSERT_TRUE(source.GetTopView().HasPixels());
    Mesh copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.GetParameterText(), source.GetParameterText());
    EXPECT_FALSE(copy.keepAspect);
    EXPECT_EQ(copy.extent.right, source.extent.right);
    EXPECT_EQ(copy.highestY, source.highestY);
    EXPECT_FALSE(copy.GetTopView().HasPixels());
    EXPECT_EQ(copy.GetType(), kTypeMesh);
}

// ---- extent records ----

TEST_F(MeshTest, ComputedExtentsAreSavedAsTheExactRecord) {
    uint8_t textured = 9;
    Loaded("Tower", true, &textured);
    EXPECT_EQ(textured, 0);
    EXPECT_EQ(test::ReadNativeFile(tree_.CacheNative("Tower.dat")),
              test::MeshRecordBytes(-2, 5, 1, -1, 4, 0, 0));
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(MeshTest, RecordsAreReadFromTheirFirst49BytesAndRebuiltWhenShortOrDamaged) {
    Age(tree_.ModelNative("Tower.msh"), std::chrono::hours(5));
    const std::string other = test::MeshRecordBytes(-20, 50, 10, -10, 40, 1, 1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        std::string bytes;
        bool fromRecord;
    } cases[] = {
        {"49 bytes", other, true},
        {"60 bytes", other + std::string(11, 'x'), true},
        {"48 bytes", other.substr(0, 48), false},
        {"NaN", test::MeshRecordBytes(nan, 50, 10, -10, 40, 1, 1), false},
        {"reversed", test::MeshRecordBytes(50, -20, 10, -10, 40, 1, 1), false},
        {"lowest above highest", test::MeshRecordBytes(-20, 50, 10, -10, 1, 40, 1), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteNativeFile(tree_.CacheNative("Tower.dat"), c.bytes);
        uint8_t textured = 0;
        EXPECT_EQ(Loaded("Tower", true, &textured).extent.right, c.fromRecord ? 50.0 : 5.0);
        EXPECT_EQ(textured, c.fromRecord ? 1 : 0);
        if (!c.fromRecord) {
            EXPECT_EQ(test::ReadNativeFile(tree_.CacheNative("Tower.dat")),
                      test::MeshRecordBytes(-2, 5, 1, -1, 4, 0, 0));
        }
    }
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(MeshTest, NewerModelReplacesTheRecordAndAMissingModelTrustsIt) {
    const std::string other = test::MeshRecordBytes(-20, 50, 10, -10, 40, 1, 0);
    test::WriteNativeFile(tree_.CacheNative("Tower.dat"), other);
    Age(tree_.CacheNative("Tower.dat"), std::chrono::hours(2));
    EXPECT_EQ(Loaded("Tower").extent.right, 5.0);
    EXPECT_EQ(test::ReadNativeFile(tree_.CacheNative("Tower.dat")),
              test::MeshRecordBytes(-2, 5, 1, -1, 4, 0, 0));

    test::WriteNativeFile(tree_.CacheNative("Tower.dat"), other);
    sfs::remove(tree_.ModelNative("Tower.msh"));
    EXPECT_EQ(Loaded("Tower").extent.right, 50.0);

    // Without an installation the record is still used; the person is told that the
    // simulator cannot be found each time its folder is asked for.
    tree_.ForgetInstallation();
    ui_.Clear();
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    EXPECT_EQ(Loaded("Tower").extent.right, 50.0);
    Loaded("Box", false);
    EXPECT_TRUE(ui_.Failures().empty());
    EXPECT_EQ(ui_.Messages().size(), 2u);
}

TEST_F(MeshTest, ModelFailuresAreReported) {
    tree_.WriteModel("Empty.msh", "");
    tree_.WriteModel("NoGroup.msh", "MSHX1\r\nGROUPS 0\r\n");
    const struct {
        const char* file;
        std::vector<std::string> failures;
    } cases[] = {
        {"Missing", {"Couldn't parse mesh file"}},
        {"Empty", {"Couldn't read file\r\n", "Couldn't parse mesh file"}},
        {"NoGroup", {"Couldn't parse mesh file"}},
    };
    for (const auto& c : cases) {
        ui_.Clear();
        Loaded(c.file, false);
        EXPECT_EQ(ui_.Failures(), c.failures) << c.file;
        EXPECT_FALSE(sfs::exists(tree_.CacheNative(std::string(c.file) + ".dat")));
    }
}

TEST_F(MeshTest, RecordThatCannotBeCreatedLeavesTheComputedExtents) {
    // A folder where the record should be: it neither loads nor can be written.
    sfs::create_directories(tree_.CacheNative("Tower.dat"));
    EXPECT_EQ(Loaded("Tower").extent.right, 5.0);
    EXPECT_EQ(ui_.Failures(), std::vector<std::string>{"Couldn't create mesh dat file\r\n"});
    EXPECT_TRUE(sfs::is_directory(tree_.CacheNative("Tower.dat")));
}

TEST_F(MeshTest, CacheSubfoldersFollowTheFileName) {
    tree_.WriteModel("Bases/Hangars/Big.msh", test::kMshOneGroup);
    Loaded("Bases\\Hangars\\Big");
    EXPECT_TRUE(sfs::is_directory(tree_.CacheNative("Bases")));
    EXPECT_TRUE(sfs::is_regular_file(tree_.CacheNative("Bases/Hangars/Big.dat")));

    Loaded("Tower");
    std::vector<std::string> entries;
    for (const auto& e : sfs::directory_iterator(tree_.CacheNative(""))) {
        entries.push_back(e.path().filename().string());
    }
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"Bases", "Tower.dat"}));
}

TEST_F(MeshTest, NamesLeavingTheirFoldersTouchNoFile) {
    // Files a crafted name would reach: a model beside Meshes and records beside the cache.
    tree_.Dir().WriteFile("Sim/x.msh", test::kMshOneGroup);
    tree_.Dir().WriteFile("Docs/cache/x.dat", "keep");
    tree_.Dir().WriteFile("Docs/cache/x.png", "keep");
    for (const char* name : {"..\\x", "\\x", "a\\\\b", "Meshes\\..\\..\\x", "c:x", "", "x\\"}) {
        SCOPED_TRACE(name);
        ui_.Clear();
        Mesh mesh = Loaded(name, false);
        EXPECT_EQ(ui_.Failures(), std::vector<std::string>{"Couldn't parse mesh file"});
        EXPECT_FALSE(mesh.SaveMeshData(0));
        BitmapData icon, fixed;
        mesh.extent = GeoRect{-2, 5, 1, -1};
        mesh.GetIcon(icon);
        ASSERT_TRUE(GetObjectIconBitmap(kMeshFixedIcon, fixed));
        EXPECT_TRUE(icon.IsIdentical(fixed));
    }
    EXPECT_EQ(tree_.Dir().ReadFile("Docs/cache/x.dat"), "keep");
    EXPECT_EQ(tree_.Dir().ReadFile("Docs/cache/x.png"), "keep");
    EXPECT_TRUE(!sfs::exists(tree_.CacheNative("")) || sfs::is_empty(tree_.CacheNative("")));
}

// While a scope of known extents lives, a group naming its mesh's file reads with those
// extents; when it ends, the scope before it holds again. A mesh at unit ratios from
// origin 0 stands as high as its extents' highest point.
TEST_F(MeshTest, KnownExtentsHoldUntilTheirScopeEnds) {
    const auto known = [](double highest) {
        Mesh mesh;
        mesh.file = "Box";
        mesh.SetExtents(MeshExtents{GeoRect{0.0, 4.0, 3.0, -2.0}, -2.0, highest});
        return mesh;
    };
    const Mesh outer = known(30.0);
    const Mesh inner = known(20.0);
    const auto top = [] {
        AstrelObject read;
        EXPECT_TRUE(ParseMesh(read, Group("MESH\r\nFILE Box\r\nPOS 0 0 0\r\nSCALE 1 1 1\r\n")));
        return read.GetTopHeight().value;
    };
    {
        const KnownMeshExtents first(&outer);
        {
            const KnownMeshExtents second(&inner);
            EXPECT_DOUBLE_EQ(top(), 20.0);
        }
        EXPECT_DOUBLE_EQ(top(), 30.0);
    }
    EXPECT_DOUBLE_EQ(top(), 3.0) << "the model's own extents";
    EXPECT_TRUE(ui_.Calls().empty());
}

// ---- top views ----

bool IsWhitePixel(const BitmapData& image, int x, int y) {
    const uint8_t* p = image.PixelAddress(x, y);
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

TEST_F(MeshTest, IconIsTheHalvedTopViewKeptAsPng) {
    Mesh mesh = Natural("Tri");
    BitmapData icon;
    mesh.GetIcon(icon);
    ASSERT_EQ(icon.Width(), 512);
    ASSERT_EQ(icon.Height(), 512);
    EXPECT_EQ(icon.BitsPerPixel(), 24);
    // One-pixel black lines become 2 x 2 averages: grey, not white.
    EXPECT_FALSE(IsWhitePixel(icon, 0, 256));
    EXPECT_FALSE(IsWhitePixel(icon, 256, 0));
    EXPECT_FALSE(IsWhitePixel(icon, 256, 255) && IsWhitePixel(icon, 256, 256) &&
                 IsWhitePixel(icon, 255, 256));
    EXPECT_TRUE(IsWhitePixel(icon, 100, 100));
    EXPECT_TRUE(IsWhitePixel(icon, 400, 400));
    EXPECT_TRUE(ui_.Calls().empty());
    EXPECT_GT(ui_.WaitCursorShown(), 0);
    EXPECT_EQ(ui_.WaitCursorDepth(), 0);

    BitmapData png;
    ASSERT_TRUE(LoadImageFileGuarded(tree_.CacheDir() + "Tri.png", png));
    EXPECT_EQ(png.Width(), 1024);
    EXPECT_EQ(png.Height(), 1024);

    // A second request needs neither file.
    sfs::remove(tree_.ModelNative("Tri.msh"));
    sfs::remove(tree_.CacheNative("Tri.png"));
    BitmapData again;
    mesh.GetIcon(again);
    EXPECT_TRUE(again.IsIdentical(icon));
}

TEST_F(MeshTest, LaterObjectsLoadTheCachedPngUnlessTheModelIsNewer) {
    BitmapData first;
    Natural("Tri").GetIcon(first);
    Age(tree_.CacheNative("Tri.png"), std::chrono::hours(3));
    Age(tree_.ModelNative("Tri.msh"), std::chrono::hours(4));

    // The PNG is used: a drawing of another model under that name would differ.
    tree_.WriteModel("Tri.msh", "GEOM 3 1\r\n0 0 0\r\n4 0 0\r\n0 0 10\r\n2 2 2\r\n");
    Age(tree_.ModelNative("Tri.msh"), std::chrono::hours(4));
    BitmapData cached;
    Natural("Tri").GetIcon(cached);
    EXPECT_TRUE(cached.IsIdentical(first));

    // The model saved again: the PNG goes, a new drawing (no edges now) is written.
    sfs::last_write_time(tree_.ModelNative("Tri.msh"), sfs::file_time_type::clock::now());
    BitmapData fresh;
    Natural("Tri").GetIcon(fresh);
    EXPECT_TRUE(IsWhitePixel(fresh, 0, 256));
    BitmapData png;
    ASSERT_TRUE(LoadImageFileGuarded(tree_.CacheDir() + "Tri.png", png));
    EXPECT_EQ(png.Width(), 1024);
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(MeshTest, MeshesOfOneModelShareItsTopViewUntilTheModelChanges) {
    Mesh first = Natural("Tri");
    Mesh second = Natural("Tri");
    Mesh box = Natural("Box");
    BitmapData icon;
    for (const Mesh* mesh : {&first, &second, &box}) {
        mesh->GetIcon(icon);
    }
    EXPECT_EQ(&second.GetTopView(), &first.GetTopView());
    EXPECT_NE(&box.GetTopView(), &first.GetTopView());

    // The model saved again (no edges now): a later mesh draws it afresh, the earlier
    // ones keep their picture.
    tree_.WriteModel("Tri.msh", "GEOM 3 1\r\n0 0 0\r\n4 0 0\r\n0 0 10\r\n2 2 2\r\n");
    sfs::last_write_time(tree_.ModelNative("Tri.msh"),
                         sfs::file_time_type::clock::now() + std::chrono::hours(1));
    Mesh third = Natural("Tri");
    BitmapData fresh;
    third.GetIcon(fresh);
    EXPECT_NE(&third.GetTopView(), &first.GetTopView());
    EXPECT_TRUE(IsWhitePixel(fresh, 0, 256));
    EXPECT_FALSE(IsWhitePixel(first.GetTopView(), 0, 256));
}

TEST_F(MeshTest, CorruptPngIsDrawnOverWithAMessage) {
    tree_.Dir().WriteFile("Docs/cache/Meshes/Tri.png", std::string("\x89PNG garbage\x01\x02", 14));
    BitmapData icon;
    Natural("Tri").GetIcon(icon);
    EXPECT_EQ(icon.Width(), 512);
    EXPECT_EQ(ui_.Failures(),
              std::vector<std::string>{"SaveMeshTextureToCache: Cached object already exists"});
    BitmapData png;
    ASSERT_TRUE(LoadImageFileGuarded(tree_.CacheDir() + "Tri.png", png));
    EXPECT_EQ(png.Width(), 1024);
}

TEST_F(MeshTest, UndrawableModelsGiveTheFixedIconFromThenOn) {
    BitmapData fixed;
    ASSERT_TRUE(GetObjectIconBitmap(kMeshFixedIcon, fixed));
    // All vertices share one z: no width.
    tree_.WriteModel("Thin.msh", "GEOM 3 1\r\n0 0 5\r\n4 0 5\r\n2 3 5\r\n0 1 2\r\n");
    BitmapData icon;
    Natural("Thin").GetIcon(icon);
    EXPECT_TRUE(icon.IsIdentical(fixed));

    // A model gone after its extents were read: the failure is remembered.
    Mesh tri = Natural("Tri");
    sfs::remove(tree_.ModelNative("Tri.msh"));
    tri.GetIcon(icon);
    EXPECT_TRUE(icon.IsIdentical(fixed));
    EXPECT_FALSE(tri.GetTopView().HasPixels());
    tree_.WriteModel("Tri.msh", test::kMshTriangle);
    tri.GetIcon(icon);
    EXPECT_TRUE(icon.IsIdentical(fixed));
    // A copy tries afresh.
    Mesh copy;
    copy.CopyFrom(tri);
    copy.GetIcon(icon);
    EXPECT_EQ(icon.Width(), 512);
    EXPECT_FALSE(sfs::exists(tree_.CacheNative("Thin.png")));
}

} // namespace
} // namespace pf
