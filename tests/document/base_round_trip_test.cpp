// A base of real size: every registered object type many times over, with tiles and
// beacons, written as the program's own file and read back. Every object's text must
// come back byte for byte, also under a decimal-comma locale.
#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "foundation/stream.h"
#include "objects/mesh.h"
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

// Objects of every type the factory makes, each placed, sized and turned differently
// through the operations every type has, so that fractions of every size are written.
ObjectArray EveryTypeManyTimes() {
    ObjectArray objects;
    for (int32_t code = kTypeUndefined + 1; code < kTypeComplex; ++code) {
        for (int i = 0; i < kPerType; ++i) {
            std::unique_ptr<AstrelObjectHandle> object = AstrelObjectFactory::Create(code);
            EXPECT_NE(object, nullptr) << code;
            if (!object) {
                break;
            }
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

std::string OwnBaseFile(const ObjectArray& objects, int tiles, int beacons) {
    MemStream stream;
    const std::string head = "BASE-V2.0\r\nPFG_BODY_NAME Earth\r\nPFG_FILE_NAME Big\r\n"
                             "PFG_CONFIG_SUFFIX Earth\\Base\\\r\nPFG_ORIGIN User Created\r\n"
                             "PFG_ORIGINAL_PATH \r\nPFG_CONTEXT \r\nPFG_PERIOD_BEGIN \r\n"
                             "PFG_PERIOD_END \r\nPFG_NEEDS_LOADING TRUE\r\n"
                             "PFG_NEEDS_RENDERING TRUE\r\nNAME Big Base\r\n"
                             "Location -80.625 28.5\r\nBEGIN_OBJECTLIST\r\n";
    EXPECT_TRUE(stream.Write(head.data(), static_cast<uint32_t>(head.size())));
    for (const AstrelObject& object : objects) {
        EXPECT_TRUE(object.WriteBlock(stream));
    }
    std::string tail = "END_OBJECTLIST\r\nBEGIN_SURFTILELIST\r\n";
    for (int i = 0; i < tiles; ++i) {
        tail += "14 " + std::to_string(i % 40 - 20) + " " + std::to_string(i / 40) + "\r\n";
    }
    tail += "END_SURFTILELIST\r\nBEGIN_NAVBEACON\r\n";
    for (int i = 0; i < beacons; ++i) {
        tail += "VOR B" + std::to_string(i) + " -80.5 28.25 " + std::to_string(108 + i) + ".05\r\n";
    }
    tail += "END_NAVBEACON\r\n";
    EXPECT_TRUE(stream.Write(tail.data(), static_cast<uint32_t>(tail.size())));
    stream.SeekToBegin();
    std::string bytes(stream.GetLength(), '\0');
    EXPECT_TRUE(stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size())));
    return bytes;
}

void ExpectRoundTrip(const ObjectArray& objects) {
    const std::string file = OwnBaseFile(objects, 400, 30);
    MemStream stream;
    ASSERT_TRUE(stream.Write(file.data(), static_cast<uint32_t>(file.size())));
    stream.SeekToBegin();
    BaseDocument document;
    ASSERT_TRUE(LoadPfgBaseFile(document, stream));
    EXPECT_EQ(document.GetTileCount(), 400);
    EXPECT_EQ(document.GetBeacons().GetCount(), 30);
    EXPECT_EQ(document.GetObjects().GetCount(), objects.GetCount());
    const std::vector<std::string> written = Texts(objects);
    const std::vector<std::string> read = Texts(document.GetObjects());
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < read.size(); ++i) {
        ASSERT_EQ(read[i], written[i]) << i;
    }
}

class BaseRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_.Dir().WriteFile("Sim/Meshes/Box.msh", test::kMshBox);
        sim_.Dir().WriteFile("Sim/Meshes/Sub/Box.msh", test::kMshOneGroup);
        RegisterObjectTypes();
        RegisterObjectGroupParsers();
    }
    test::SimulatorSandbox sim_;
};

TEST_F(BaseRoundTrip, ThousandsOfObjectsOfEveryTypeComeBackByteForByte) {
    const ObjectArray objects = EveryTypeManyTimes();
    ASSERT_EQ(objects.GetCount(), 15 * kPerType);
    ExpectRoundTrip(objects);
    for (const auto& call : sim_.Ui().Calls()) {
        ADD_FAILURE() << call.kind << ": " << call.text;
    }
}

TEST_F(BaseRoundTrip, ObjectTextsIgnoreADecimalCommaLocale) {
    const ObjectArray objects = EveryTypeManyTimes();
    const std::vector<std::string> texts = Texts(objects);
    test::CommaLocale comma_locale;
    PF_SKIP_WITHOUT(comma_locale);
    const std::vector<std::string> comma = Texts(objects);
    ExpectRoundTrip(objects);
    ASSERT_EQ(comma.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(comma[i], texts[i]) << i;
    }
}

} // namespace
} // namespace pf
