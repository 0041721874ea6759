#include "document/base_document.h"

#include "document/base_file_reader.h"
#include "objects/mesh.h"
#include "objects/object_fakes.h"
#include "objects/runway.h"
#include "objects/train.h"
#include "support/mesh_files.h"
#include "support/scripted_ui.h"
#include "support/structure_editor_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>

namespace pf {
namespace {

using FakeLights = test::FakeObject<NewEnd12, kTypeRunwayLights>;
using FakeHangar = test::FakeObject<NewPosScaleRot, kTypeHangar>;

class BaseDocumentOrder : public ::testing::Test {
  protected:
    static FakeHangar Hangar(double x, double top) {
        FakeHangar h;
        h.pos.Set(x, 0, 0);
        h.scale.Set(10, 10, top);
        return h;
    }

    test::ScopedFakeTypes types_;
    test::ScopedFakeType lights_{kTypeRunwayLights, &test::MakeFake<FakeLights>};
    test::ScopedFakeType hangar_{kTypeHangar, &test::MakeFake<FakeHangar>};
};

TEST_F(BaseDocumentOrder, SortsByTopHeightKeepingTheTypeOrder) {
    BaseDocument document;
    ObjectArray& objects = document.GetObjects();
    objects.Add(AstrelObject(test::MakeBlock(0, 0, 0, 5, 5, 10)));
    objects.Add(AstrelObject(test::MakeRunway({0, 0, 0}, {0, 100, 0}, 30)));
    FakeLights lights;
    lights.end1.Set({0, 0, 0});
    lights.end2.Set({0, 100, 0});
    objects.Add(AstrelObject(lights));
    document.SortObjects();
    ASSERT_EQ(objects.GetCount(), 3);
    EXPECT_EQ(objects.GetAt(0)->GetType(), kTypeRunwayLights);
    EXPECT_EQ(objects.GetAt(1)->GetType(), kTypeRunway);
    EXPECT_EQ(objects.GetAt(2)->GetType(), kTypeBlock);
}

TEST_F(BaseDocumentOrder, EqualHangarsKeepTheirOrder) {
    BaseDocument document;
    ObjectArray& objects = document.GetObjects();
    objects.Add(AstrelObject(Hangar(1, 8)));
    objects.Add(AstrelObject(Hangar(2, 8)));
    objects.Add(AstrelObject(test::MakeBlock(0, 0, 0, 5, 5, 8)));
    document.SortObjects();
    ASSERT_EQ(objects.GetCount(), 3);
    EXPECT_EQ(objects.GetAt(0)->GetType(), kTypeBlock) << "blocks come before hangars";
    EXPECT_DOUBLE_EQ(objects.GetAt(1)->GetPosition().x, 1.0);
    EXPECT_DOUBLE_EQ(objects.GetAt(2)->GetPosition().x, 2.0);
}

TEST_F(BaseDocumentOrder, GroupsFollowTheFixedTypeOrder) {
    BaseDocument document;
    ObjectArray& objects = document.GetObjects();
    objects.Add(AstrelObject(test::FakeSolarPlant()));
    objects.Add(AstrelObject(test::FakeTrain2()));
    objects.Add(AstrelObject(test::FakeTank()));
    objects.Add(AstrelObject(Hangar(0, 1)));
    objects.Add(AstrelObject(test::FakeBlock()));
    objects.Add(AstrelObject(test::FakeLpad2()));
    objects.Add(AstrelObject(test::FakeBeaconArray()));
    objects.Add(AstrelObject(test::FakeMesh()));
    objects.Add(AstrelObject(test::FakeRunway()));
    objects.Add(AstrelObject(FakeLights()));
    document.GroupObjectsByType();
    const int32_t expected[] = {kTypeRunwayLights, kTypeRunway,    kTypeMesh,   kTypeBeaconArray,
                                kTypeLpad2,        kTypeBlock,     kTypeHangar, kTypeTank,
                                kTypeTrain2,       kTypeSolarPlant};
    ASSERT_EQ(objects.GetCount(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(objects.GetAt(i)->GetType(), expected[i]) << i;
    }
}

template <class T> T& As(AstrelObject& object) { return dynamic_cast<T&>(*object.Get()); }

// The file holds fewer decimals than memory: the order is the one the saved file reads back
// in, so a save and a load never move objects. That holds for a block whose height is
// worked out from its numbers and for one read back whole (a number beyond a float's range).
TEST(BaseDocumentOrderAsRead, HeightsComeFromTheTextTheFileHolds) {
    for (const double x : {0.0, 1e39}) {
        SCOPED_TRACE(x);
        BaseDocument document;
        // The block stands 0.0004 higher than the tank in memory; once written, both are 1
        // high.
        document.SetObjects(test::ParseObjects(
            {"TANK\nPOS 0 0 0\nSCALE 5 1 5\n", "BLOCK\nPOS 0 0.0004 0\nSCALE 5 1 5\n"}));
        As<NewPosScaleRot>(*document.GetObjects().GetAt(1)).pos[0].Set(x);
        double height = 0.0;
        ASSERT_EQ(document.GetObjects().GetAt(1)->ReadBackTopHeight(height), x == 0.0);
        document.SortObjects();
        ASSERT_EQ(document.GetObjects().GetCount(), 2);
        EXPECT_EQ(document.GetObjects().GetAt(0)->GetType(), kTypeBlock);
        EXPECT_EQ(document.GetObjects().GetAt(1)->GetType(), kTypeTank);
    }
}

// Sorting reads each object's text back, a mesh with the extents it holds: a model that is
// missing, or a simulator folder that is gone, is not reported again at every sort, and no
// extent record is written.
TEST(BaseDocumentOrderAsRead, MeshesReadBackWithoutTheirFiles) {
    for (const char* model : {"Tower", "Gone"}) {
        for (const bool installed : {true, false}) {
            SCOPED_TRACE(std::string(model) + (installed ? "" : ", no simulator folder"));
            test::MeshSandbox tree;
            tree.WriteModel("Tower.msh", test::kMshTriangle);
            test::ScriptedUi ui;
            BaseDocument document;
            document.SetObjects(test::ParseObjects(
                {std::string("MESH\nFILE ") + model + "\nPOS 0 0 0\nSCALE 1 1 1\n",
                 "BLOCK\nPOS 0 0 0\nSCALE 5 0.5 5\n"}));
            std::filesystem::remove_all(tree.CacheNative(""));
            if (!installed) {
                tree.ForgetInstallation();
            }
            ui.Clear();
            document.SortObjects();
            EXPECT_TRUE(ui.Calls().empty());
            EXPECT_FALSE(std::filesystem::exists(tree.CacheNative("")));
            EXPECT_EQ(document.GetObjects().GetCount(), 2);
        }
    }
}

// The top height of an object's written block, up to its first END, read back through
// the readers: a mesh's with the model in the tree.
double HeightOfTheBlockReadBack(const AstrelObject& object) {
    StringArray lines;
    SplitTextIntoLines(lines, object.GetTypeName() + "\r\n" + object.GetParameterText());
    StringArray group;
    for (size_t i = 0; i < lines.size() && lines[i] != "END"; ++i) {
        group.push_back(lines[i]);
    }
    AstrelObject read;
    EXPECT_TRUE(ParseObjectGroup(read, group));
    return read.GetTopHeight().value;
}

// Heights as editing leaves them, with more decimals than the file keeps: the height each
// object works out from its numbers is the one its written block reads back with. A number
// beyond a float's range is not worked out: the block must then be read back whole.
TEST(BaseDocumentOrderAsRead, HeightsWorkedOutAreTheHeightsReadBack) {
    test::MeshSandbox tree;
    tree.WriteModel("Box.msh", test::kMshBox);
    test::ScriptedUi ui;
    using Hold = std::function<void(AstrelObject&)>;
    // Held POS and SCALE heights (a pad's SCALE is its diameter), and end heights.
    const auto placed = [](double base, double size, int sizeAxis = 2) -> Hold {
        return [=](AstrelObject& o) {
            As<NewPosScaleRot>(o).pos[2].Set(base);
            As<NewPosScaleRot>(o).scale[sizeAxis].Set(size);
        };
    };
    const auto ends = [](double first, double second) -> Hold {
        return [=](AstrelObject& o) {
            As<NewEnd12>(o).end1[2].Set(first);
            As<NewEnd12>(o).end2[2].Set(second);
        };
    };
    constexpr double kBeyond = 1e39;
    const struct {
        const char* text;
        Hold hold;
        bool worksOut;
    } rows[] = {
        {"BLOCK", placed(1.23456789, 2.34567891), true},
        {"HANGAR", placed(-0.00049, 10.99996), true},
        {"HANGAR2", placed(7.77777, 0.33335), true},
        {"HANGAR3", placed(-7.77777, 1.5), true},
        // SCALE holds the height at 3 decimals, beside the radii.
        {"TANK", placed(0.1234567, 5.12345), true},
        // The diameter's SCALE number is read back as the height.
        {"LPAD2", placed(3.14159, 80 * 1.23456, 0), true},
        // No SCALE is written: one metre high, whatever is held.
        {"SOLARPLANT\nGRID 2 2", placed(2.71828, 7.0), true},
        {"MESH\nFILE Box\nROT 33.333", placed(1.23456, 7.77777), true},
        {"RUNWAY", ends(10.00049, -3.33333), true},
        {"RUNWAYLIGHTS", ends(0, 4.44449), true},
        {"BEACONARRAY", ends(0.0005, 0), true},
        // A train runs 5 m above its track, a hanging train HEIGHT above; a HEIGHT not
        // given is not written and reads back as 0.
        {"TRAIN1", ends(6.66666, 0), true},
        {"TRAIN2\nHEIGHT 2.00005", ends(1.11111, 0), true},
        {"TRAIN2",
         [](AstrelObject& o) {
             As<Train2>(o).height = OptionalFloat{false, 9.0f};
         },
         true},
        {"BLOCK", [](AstrelObject& o) { As<NewPosScaleRot>(o).pos[0].Set(kBeyond); }, false},
        {"TANK", [](AstrelObject& o) { As<NewPosScaleRot>(o).scale[1].Set(kBeyond); }, false},
        {"LPAD1", placed(0, 1e41, 0), false},
        {"SOLARPLANT", [](AstrelObject& o) { As<NewPosScaleRot>(o).pos[1].Set(-kBeyond); }, false},
        {"MESH\nFILE Box", [](AstrelObject& o) { As<Mesh>(o).pos[0].Set(kBeyond); }, false},
        // A model name with a blank reads back as another model.
        {"MESH\nFILE Box", [](AstrelObject& o) { As<Mesh>(o).file = "Box Two"; }, false},
        {"RUNWAY", [](AstrelObject& o) { As<Runway>(o).end2[0].Set(kBeyond); }, false},
        {"TRAIN2",
         [](AstrelObject& o) { As<Train2>(o).height.Set(std::numeric_limits<float>::infinity()); },
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        AstrelObject object = test::ParseObject(row.text + std::string("\n"));
        ASSERT_FALSE(object.IsEmpty());
        row.hold(object);
        double height = std::numeric_limits<double>::quiet_NaN();
        ASSERT_EQ(object.ReadBackTopHeight(height), row.worksOut);
        if (row.worksOut) {
            EXPECT_NE(height, object.GetTopHeight().value) << "the row rounds nothing";
            EXPECT_EQ(height, HeightOfTheBlockReadBack(object));
            EXPECT_EQ(height, TopHeightAsRead(object));
        }
    }
    EXPECT_TRUE(ui.Calls().empty());
}

// A number beyond a float's range sends the sort to reading the block back whole: a runway
// still stands at its own ends, not at the heights of the lights written after its END.
TEST(BaseDocumentOrderAsRead, RunwaysReadBackWholeStandAtTheirOwnEnds) {
    AstrelObject runway = test::ParseObject("RUNWAY\nEND1 0 100 0\nEND2 0 100 900\n");
    Runway& held = As<Runway>(runway);
    held.end2[0].Set(1e39);
    held.lightsOn.Set(1);
    held.lights.end1.Set(0, 0, 5);
    held.lights.end2.Set(0, 0, 5);
    double height = 0.0;
    ASSERT_FALSE(runway.ReadBackTopHeight(height));
    EXPECT_EQ(TopHeightAsRead(runway), 100.0);
    BaseDocument document;
    document.GetObjects().Add(runway);
    document.GetObjects().Add(test::ParseObject("BLOCK\nPOS 0 0 0\nSCALE 5 50 5\n"));
    document.SortObjects();
    ASSERT_EQ(document.GetObjects().GetCount(), 2);
    EXPECT_EQ(document.GetObjects().GetAt(0)->GetType(), kTypeBlock);
    EXPECT_EQ(document.GetObjects().GetAt(1)->GetType(), kTypeRunway);
}

// A mesh read back whole takes the extents it holds, never its files: it stands as high as
// before (5 m), not as a unit model for a model gone (3 m) or as a changed model would
// (6 m); it sorts above a 4.5 m block, which a unit model would sort below; it shows
// nothing and writes no extent record, which reading a changed model would.
TEST(BaseDocumentOrderAsRead, MeshesReadBackWholeKeepTheirExtents) {
    for (const char* model : {"", test::kMshOneGroup}) {
        SCOPED_TRACE(*model ? "model changed" : "model gone");
        test::MeshSandbox tree;
        tree.WriteModel("Box.msh", test::kMshBox);
        test::ScriptedUi ui;
        AstrelObject mesh = test::ParseObject("MESH\nFILE Box\nPOS 0 2 0\nSCALE 1 1 1\n");
        ASSERT_DOUBLE_EQ(mesh.GetTopHeight().value, 5.0);
        std::filesystem::remove(tree.ModelNative("Box.msh"));
        if (*model) {
            tree.WriteModel("Box.msh", model);
        }
        std::filesystem::remove_all(tree.CacheNative(""));
        As<Mesh>(mesh).pos[0].Set(1e39);
        double height = 0.0;
        ASSERT_FALSE(mesh.ReadBackTopHeight(height));
        ui.Clear();
        EXPECT_DOUBLE_EQ(TopHeightAsRead(mesh), 5.0);
        BaseDocument document;
        document.GetObjects().Add(test::ParseObject("BLOCK\nPOS 0 0 0\nSCALE 5 4.5 5\n"));
        document.GetObjects().Add(mesh);
        document.SortObjects();
        ASSERT_EQ(document.GetObjects().GetCount(), 2);
        EXPECT_EQ(document.GetObjects().GetAt(0)->GetType(), kTypeBlock);
        EXPECT_EQ(document.GetObjects().GetAt(1)->GetType(), kTypeMesh);
        EXPECT_TRUE(ui.Calls().empty());
        EXPECT_FALSE(std::filesystem::exists(tree.CacheNative("")));
    }
}

} // namespace
} // namespace pf
