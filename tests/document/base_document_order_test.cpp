#include "document/base_document.h"

#include "objects/object_fakes.h"
#include "support/mesh_files.h"
#include "support/scripted_ui.h"
#include "support/structure_editor_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

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

// The file holds fewer decimals than memory: the order is the one the saved file reads back
// in, so a save and a load never move objects.
TEST(BaseDocumentOrderAsRead, HeightsComeFromTheTextTheFileHolds) {
    BaseDocument document;
    // The block stands 0.0002 higher than the tank in memory; once written, both are 1 high.
    document.SetObjects(test::ParseObjects(
        {"TANK\nPOS 0 0 0\nSCALE 5 1 5\n", "BLOCK\nPOS 0 0.0002 0\nSCALE 5 1 5\n"}));
    document.SortObjects();
    ASSERT_EQ(document.GetObjects().GetCount(), 2);
    EXPECT_EQ(document.GetObjects().GetAt(0)->GetType(), kTypeBlock);
    EXPECT_EQ(document.GetObjects().GetAt(1)->GetType(), kTypeTank);
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

} // namespace
} // namespace pf
