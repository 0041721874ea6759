// The sample simulator tree's textures, models and sample base as the program reads them,
// both as committed and as its generator writes them afresh. The same suite's checks of
// the tree's folders and bodies are in tests/workspace/file_manager_integration_test.cpp.
#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "foundation/stream.h"
#include "imagery/bitmap_data.h"
#include "imagery/dds_file.h"
#include "objects/astrel_object.h"
#include "objects/mesh_file.h"
#include "platform/fs.h"
#include "platform/process.h"
#include "support/sample_tree.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"
#include "tiles/planet_archive.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace pf {
namespace {

// Every file the generator writes, relative to the tree.
const std::set<std::string> kGenerated = {
    "Config/Earth/Base/SampleField.cfg",
    "Meshes/Tower.msh",
    "Meshes/Bases/Dome.msh",
    "Textures/Earth.tex",
    "Textures/Moon.dds",
    "Textures/Fcd06.dds",
    "Textures/Lpad01.dds",
    "Textures2/Earth_9_W58728_N20811.dds",
};

uint32_t Get32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
        value |= uint32_t(uint8_t(bytes[at + i])) << (8 * i);
    }
    return value;
}

std::set<std::string> FilesUnder(const std::string& folder) {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            found.insert(std::filesystem::relative(entry.path(), folder).generic_string());
        }
    }
    return found;
}

ColorRGB PixelAt(const BitmapData& image, int x, int y) {
    const uint8_t* p = image.PixelAddress(x, y);
    return ColorRGB(p[0], p[1], p[2]);
}

class SampleTreeTest : public test::SampleTreeFixture {
  protected:
    void SetUp() override {
        SampleTreeFixture::SetUp();
        RegisterObjectTypes();
        RegisterObjectGroupParsers();
    }

    // Every level 0-4 tile is a whole DXT1 DDS of its level's side; the planet shows land
    // and sea where they are drawn, the southern tiles turned back.
    void CheckPlanetArchive(const std::string& root) {
        const std::string bytes = test::ReadNativeFile(fs::ToNative(root + "Textures\\Earth.tex"));
        ASSERT_EQ(bytes.size(), 372352u);
        ASSERT_EQ(ArchiveLevelOffset(5), 372352);
        for (int level = 0; level <= 4; ++level) {
            const uint32_t side = level == 0 ? 64 : level == 1 ? 128 : 256;
            for (int64_t t = 0; t < ArchiveTilesInLevel(level); ++t) {
                SCOPED_TRACE(testing::Message() << "level " << level << " tile " << t);
                const size_t size = size_t(ArchiveTileBytes(level));
                const std::string tile =
                    bytes.substr(size_t(ArchiveLevelOffset(level) + t * int64_t(size)), size);
                ASSERT_EQ(tile.substr(0, 4), "DDS ");
                EXPECT_EQ(Get32(tile, 84), kFourCcDxt1);
                EXPECT_EQ(Get32(tile, 12), side);
                EXPECT_EQ(Get32(tile, 16), side);
                MemStream stream;
                stream.Write(tile.data(), uint32_t(tile.size()));
                stream.SeekToBegin();
                BitmapData image;
                ASSERT_TRUE(DecodeArchiveTile(stream, image));
                EXPECT_EQ(image.Width(), int(side));
                EXPECT_EQ(image.Height(), int(side));
            }
        }
        BitmapData body;
        ASSERT_TRUE(body.Create24(1024, 512));
        ASSERT_TRUE(GetBodyImage("Earth", body, 4));
        struct Place {
            double longitude, latitude;
            bool land;
        };
        for (const Place& p : {Place{-80.65, 28.58, true}, Place{-58.0, -18.0, true},
                               Place{-150.0, 0.0, false}, Place{150.0, -60.0, false}}) {
            SCOPED_TRACE(testing::Message() << p.longitude << " " << p.latitude);
            const ColorRGB c = PixelAt(body, int((p.longitude + 180.0) / 360.0 * 1024),
                                       int((90.0 - p.latitude) / 180.0 * 512));
            EXPECT_EQ(c.green > c.blue, p.land);
        }
    }

    // A DXT5 file with its whole mip chain that decodes to its size.
    void CheckDxt5(const std::string& path, int width, int height, size_t fileSize) {
        SCOPED_TRACE(path);
        const std::string bytes = test::ReadNativeFile(fs::ToNative(path));
        ASSERT_EQ(bytes.size(), fileSize);
        EXPECT_EQ(bytes.substr(0, 4), "DDS ");
        EXPECT_EQ(Get32(bytes, 84), kFourCcDxt5);
        EXPECT_EQ(Get32(bytes, 12), uint32_t(height));
        EXPECT_EQ(Get32(bytes, 16), uint32_t(width));
        int levels = 0;
        size_t expected = kDdsHeaderBytes;
        for (int w = width, h = height;; w = std::max(w / 2, 1), h = std::max(h / 2, 1)) {
            expected += Dxt5LevelBytes(w, h);
            ++levels;
            if (w == 1 && h == 1) {
                break;
            }
        }
        EXPECT_EQ(Get32(bytes, 28), uint32_t(levels));
        EXPECT_EQ(expected, fileSize);
        BitmapData image;
        ASSERT_TRUE(DecodeDds(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image));
        EXPECT_EQ(image.Width(), width);
        EXPECT_EQ(image.Height(), height);
    }

    void CheckModel(const std::string& path, const MeshExtents& expected) {
        SCOPED_TRACE(path);
        MeshExtents extents;
        uint8_t textured = 0;
        ASSERT_TRUE(ReadMeshExtents(path, extents, textured));
        EXPECT_TRUE(IsSoundMeshExtents(extents));
        EXPECT_DOUBLE_EQ(extents.rect.left, expected.rect.left);
        EXPECT_DOUBLE_EQ(extents.rect.right, expected.rect.right);
        EXPECT_DOUBLE_EQ(extents.rect.top, expected.rect.top);
        EXPECT_DOUBLE_EQ(extents.rect.bottom, expected.rect.bottom);
        EXPECT_DOUBLE_EQ(extents.lowestY, expected.lowestY);
        EXPECT_DOUBLE_EQ(extents.highestY, expected.highestY);
        EXPECT_EQ(textured, 0);
    }

    // "Sample Field" read as the simulator's own base: its objects, its beacon and its
    // tile, whose texture comes into the cache the right way up.
    void CheckSampleField(const std::string& root) {
        BaseDocument base;
        ASSERT_TRUE(LoadSimulatorBaseCfg(base, root + "Config\\Earth\\Base\\SampleField.cfg"));
        EXPECT_EQ(base.GetName(), "Sample Field");
        EXPECT_EQ(base.GetBody().name, "Earth");
        std::multiset<int32_t> types;
        for (const AstrelObject& object : base.GetObjects()) {
            types.insert(object.GetType());
        }
        EXPECT_EQ(types, (std::multiset<int32_t>{kTypeRunway, kTypeLpad1, kTypeBlock}));
        ASSERT_EQ(base.GetBeacons().GetCount(), 1);
        EXPECT_EQ(base.GetBeacons()[0].type, "VOR");
        EXPECT_EQ(base.GetBeacons()[0].identifier, "SFLD");

        ASSERT_EQ(base.GetTileCount(), 1);
        const TileAttributes tile = base.GetTileArray()[0];
        EXPECT_TRUE(tile.SamePlace(TileAttributes::FromPosition("Earth", 9, base.GetPosition())));
        EXPECT_EQ(tile.GetDdsFileName(), "Earth_9_W58728_N20811.dds");
        CheckDxt5(root + "Textures2\\" + tile.GetDdsFileName(), 512, 512, 349680);
        TileTextureFile cached(tile, true);
        ASSERT_TRUE(cached.IsLoaded());
        const ColorRGB marker = PixelAt(cached.Image(), 8, 8);
        const ColorRGB grass = PixelAt(cached.Image(), 500, 500);
        EXPECT_GT(marker.red, 150);
        EXPECT_LT(marker.green, 80);
        EXPECT_GT(grass.green, grass.red);
    }

    void CheckTree(const std::string& root) {
        CheckPlanetArchive(root);
        CheckDxt5(root + "Textures\\Moon.dds", 256, 128, 43856);
        CheckDxt5(root + "Textures\\Fcd06.dds", 64, 64, 5616);
        CheckDxt5(root + "Textures\\Lpad01.dds", 64, 64, 5616);
        BitmapData moon;
        EXPECT_TRUE(GetBodyImage("Moon", moon, 4)) << "the body map takes Moon.dds";
        MeshExtents tower;
        tower.rect = GeoRect{-5.0, 5.0, 5.0, -5.0};
        tower.highestY = 30.0;
        CheckModel(root + "Meshes\\Tower.msh", tower);
        MeshExtents dome;
        dome.rect = GeoRect{-20.0, 20.0, 20.0, -20.0};
        dome.highestY = 15.0;
        CheckModel(root + "Meshes\\Bases\\Dome.msh", dome);
        CheckSampleField(root);
        EXPECT_TRUE(ui_.Failures().empty());
    }
};

TEST_F(SampleTreeTest, CommittedFilesReadAsTheSimulatorsOwn) {
    const std::set<std::string> files = FilesUnder(test::SampleTreeSource());
    for (const std::string& name : kGenerated) {
        EXPECT_EQ(files.count(name), 1u) << name;
    }
    EXPECT_EQ(files.count("Scenarios/.keep"), 1u);
    uintmax_t total = 0;
    for (const std::string& name : files) {
        total += std::filesystem::file_size(test::SampleTreeSource() + "/" + name);
    }
    EXPECT_LT(total, 1024u * 1024u) << "the tree stays small";
    CheckTree(CopyTree());
}

TEST_F(SampleTreeTest, GeneratorWritesTheSameKindsOfFiles) {
    test::TempDir out;
    const std::string generator = fs::ToInternal(test::BinaryDir() + "/bin/padforge_sample_tree");
    process::Child child = process::Spawn(generator, {out.Native()});
    ASSERT_TRUE(child);
    ASSERT_EQ(process::Wait(child), 0);
    ASSERT_EQ(FilesUnder(out.Native()), kGenerated);
    // The fresh files in place of the committed ones, read the same way.
    const std::string root = CopyTree();
    std::filesystem::copy(out.Native(), fs::ToNative(root),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    CheckTree(root);
}

} // namespace
} // namespace pf
