// A base of real size: every registered object type many times over, with tiles and
// beacons, written as the program's own file and read back. Every object's text must
// come back byte for byte, also under a decimal-comma locale.
#include "base_document_fixture.h"
#include "document/base_document.h"
#include "foundation/stream.h"
#include "objects/mesh.h"
#include "objects/object_types.h"
#include "support/comma_locale.h"
#include "support/mesh_files.h"
#include "support/simulator_sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <string>
#include <vector>

namespace pf {
namespace {

constexpr int kPerType = 250;

// Objects of every type of the type table, each placed, sized and turned differently
// through the operations every type has, so that fractions of every size are written.
ObjectArray EveryTypeManyTimes() {
    ObjectArray objects;
    for (const ObjectTypeRow& row : ObjectTypeTable()) {
        for (int i = 0; row.create != nullptr && i < kPerType; ++i) {
            std::unique_ptr<AstrelObjectHandle> object = row.create();
            const int32_t code = row.code;
            // Far apart, so that no runway lights meet the ends of another type's runway.
            const Point3 at{1000.0 * code + 3.125 * i, -2.5 * i - 0.1, 0.05 * (i % 9)};
            object->SetPosition(at);
            object->SetEnd1(at);
            object->SetEnd2(Point3{at.x + 120.375, at.y + 7.0625 + i, at.z});
            object->SetSize0(10.0 + 0.125 * (i % 17));
            object->SetSize1(5.0 + 0.2 * (i % 5));
            object->SetRotation(13.7 * (i % 27));
            if (auto* mesh = dynamic_cast<Mesh*>(object.get())) {
                mesh->file = i % 2 ? "Box" : "Sub\\Box";
                uint8_t textured = 0;
                EXPECT_TRUE(mesh->ComputeMeshData(textured));
            }
            objects.Add(AstrelObject(*object));
        }
    }
    return objects;
}

std::vector<std::string> Texts(const ObjectArray& objects) {
    std::vector<std::string> texts;
    for (const AstrelObject& object : objects) {
        texts.push_back(object.Get()->GetTypeName() + "\n" + object.GetParameterText());
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The sample base with thousands of objects, 400 tiles and 30 beacons more.
BaseDocument BigBase() {
    BaseDocument base = test::SampleBase();
    base.SetObjects(EveryTypeManyTimes());
    for (int i = 0; i < 400; ++i) {
        base.AddTileSorted(TileAttributes("Earth", 14, i % 40 - 20, i / 40));
    }
    for (int i = 0; i < 30; ++i) {
        NavBeacon beacon;
        beacon.identifier = "B" + std::to_string(i);
        beacon.longitude.Set(-80.5f);
        beacon.latitude.Set(28.25f + 0.01f * i);
        beacon.frequency.Set(108.05f + i);
        base.GetBeacons().Add(beacon);
    }
    return base;
}

// Written and read back, every object's text comes back; from then on a write and a
// read change nothing (the reader may move unpaired runway lights once).
void ExpectRoundTrip(const BaseDocument& base) {
    MemStream first;
    ASSERT_TRUE(base.WriteBaseFile(first));
    first.SeekToBegin();
    BaseDocument read;
    ASSERT_TRUE(read.ReadBaseFile(first));
    EXPECT_EQ(read.GetTileCount(), base.GetTileCount());
    EXPECT_EQ(read.GetBeacons().GetCount(), base.GetBeacons().GetCount());
    const std::vector<std::string> written = Texts(base.GetObjects());
    const std::vector<std::string> back = Texts(read.GetObjects());
    ASSERT_EQ(back.size(), written.size());
    for (size_t i = 0; i < back.size(); ++i) {
        ASSERT_EQ(back[i], written[i]) << i;
    }
    MemStream second;
    ASSERT_TRUE(read.WriteBaseFile(second));
    second.SeekToBegin();
    BaseDocument again;
    ASSERT_TRUE(again.ReadBaseFile(second));
    MemStream third;
    ASSERT_TRUE(again.WriteBaseFile(third));
    EXPECT_TRUE(second.IsSameContent(third));
}

class BaseRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_.Dir().WriteFile("Sim/Meshes/Box.msh", test::kMshBox);
        sim_.Dir().WriteFile("Sim/Meshes/Sub/Box.msh", test::kMshOneGroup);
    }
    test::SimulatorSandbox sim_;
};

TEST_F(BaseRoundTrip, ThousandsOfObjectsOfEveryTypeComeBackByteForByte) {
    const BaseDocument base = BigBase();
    ASSERT_EQ(base.GetObjects().GetCount(), 15 * kPerType);
    ExpectRoundTrip(base);
    for (const auto& call : sim_.Ui().Calls()) {
        ADD_FAILURE() << call.kind << ": " << call.text;
    }
}

TEST_F(BaseRoundTrip, ObjectTextsIgnoreADecimalCommaLocale) {
    const BaseDocument base = BigBase();
    const std::vector<std::string> texts = Texts(base.GetObjects());
    test::CommaLocale comma_locale;
    PF_SKIP_WITHOUT(comma_locale);
    const std::vector<std::string> comma = Texts(base.GetObjects());
    ExpectRoundTrip(base);
    ASSERT_EQ(comma.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(comma[i], texts[i]) << i;
    }
}

} // namespace
} // namespace pf
