#include "tiles/simulator_tile_import.h"

#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "imagery/bitmap_data.h"
#include "imagery/dds_file.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "support/simulator_sandbox.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace pf {
namespace {

const ColorRGBA kRed(0, 0, 255, 255);
const ColorRGBA kGreen(0, 255, 0, 255);
const ColorRGBA kBlue(255, 0, 0, 255);
const ColorRGBA kYellow(0, 255, 255, 255);

// A 32-bit image of four flat quarters: top-left, top-right, bottom-left, bottom-right.
BitmapData Quarters(int width, int height, const ColorRGBA (&c)[4]) {
    BitmapData image(width, height, 32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const ColorRGBA& colour = c[(y < height / 2 ? 0 : 2) + (x < width / 2 ? 0 : 1)];
            std::memcpy(image.PixelAddress(x, y), &colour, 4);
        }
    }
    return image;
}

ColorRGBA At(const BitmapData& image, int x, int y) {
    ColorRGBA c;
    std::memcpy(&c, image.PixelAddress(x, y), 4);
    return c;
}

class SimulatorTileImport : public ::testing::Test {
  protected:
    // Writes a DXT5 DDS for the tile into "Textures\" or "Textures2\".
    void WriteTileDds(const TileAttributes& tile, const BitmapData& image,
                      const char* folder = "Textures\\") {
        DDSRendererUse use;
        ASSERT_TRUE(DDSRenderer::RenderDDS(sim_.Root() + folder + tile.GetDdsFileName(), image,
                                           kFourCcDxt5, true));
    }
    BitmapData Cached(const TileAttributes& tile) {
        TileTextureFile file(tile, true);
        BitmapData image;
        EXPECT_TRUE(file.IsLoaded()) << tile.GetName();
        file.GetImage(image);
        return image;
    }

    test::SimulatorSandbox sim_;
    const ColorRGBA quarters_[4] = {kRed, kGreen, kBlue, kYellow};
};

TEST_F(SimulatorTileImport, LargeTextureBecomesFourChildren) {
    const TileAttributes tile("Earth", 10, 6, 4);
    WriteTileDds(tile, Quarters(1024, 1024, quarters_));
    TileArray tiles;
    ASSERT_TRUE(LoadTileTextureFromSimulator(tile, tiles));
    EXPECT_TRUE(sim_.Ui().Calls().empty());
    ASSERT_EQ(tiles.GetCount(), 4u);
    const TileAttributes children[] = {tile.ChildNorthWest(), tile.ChildNorthEast(),
                                       tile.ChildSouthWest(), tile.ChildSouthEast()};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(tiles.Contains(children[i]));
        EXPECT_EQ(children[i].GetLevel(), 11);
        const BitmapData image = Cached(children[i]);
        ASSERT_EQ(image.Width(), 512);
        EXPECT_EQ(At(image, 10, 10), quarters_[i]);
        EXPECT_EQ(At(image, 500, 500), quarters_[i]);
    }
    EXPECT_TRUE(tiles.IsSorted());
}

TEST_F(SimulatorTileImport, SizesOtherThan512AreBroughtToIt) {
    const TileAttributes level9("Earth", 9, 1, 1);
    WriteTileDds(level9, Quarters(1024, 1024, quarters_));
    TileArray tiles;
    ASSERT_TRUE(LoadTileTextureFromSimulator(level9, tiles));
    EXPECT_EQ(
        sim_.Ui().Failures(),
        std::vector<std::string>{"Level 9 tiles not at 512X512 resolution. Downsampling\r\n"});
    ASSERT_EQ(tiles.GetCount(), 1u);
    EXPECT_EQ(At(Cached(level9), 500, 10), kGreen);

    sim_.Ui().Clear();
    const TileAttributes small("Earth", 12, 2, 2);
    WriteTileDds(small, Quarters(256, 256, quarters_));
    ASSERT_TRUE(LoadTileTextureFromSimulator(small, tiles));
    EXPECT_EQ(
        sim_.Ui().Failures(),
        std::vector<std::string>{"Tiles have a resolution lower than 512X512. Upsampling\r\n"});
    EXPECT_EQ(At(Cached(small), 10, 500), kBlue);

    sim_.Ui().Clear();
    const TileAttributes wide("Earth", 12, 3, 3);
    WriteTileDds(wide, Quarters(512, 256, quarters_));
    EXPECT_FALSE(LoadTileTextureFromSimulator(wide, tiles));
    EXPECT_EQ(sim_.Ui().Failures(),
              std::vector<std::string>{"Base tile's resolution isn't square\r\n"});
    EXPECT_EQ(tiles.GetCount(), 2u);

    BitmapData grey(512, 512, 24);
    EXPECT_FALSE(ImportTileImage(wide, tiles, grey)) << "only 32-bit images";
}

TEST_F(SimulatorTileImport, SouthernTileIsTurnedBack) {
    const TileAttributes tile("Earth", 12, 5, -1);
    const ColorRGBA corner[4] = {kRed, kGreen, kGreen, kGreen};
    WriteTileDds(tile, Quarters(512, 512, corner));
    TileArray tiles;
    ASSERT_TRUE(LoadTileTextureFromSimulator(tile, tiles));
    const BitmapData image = Cached(tile);
    EXPECT_EQ(At(image, 500, 500), kRed);
    EXPECT_EQ(At(image, 10, 10), kGreen);
}

TEST_F(SimulatorTileImport, CachedTileIsOnlyListedAndMissingOneReported) {
    const TileAttributes cached("Earth", 12, 7, 7);
    test::WriteNativeFile(fs::ToNative(sim_.CacheFolder() + cached.GetPngFileName()), "not read");
    TileArray tiles;
    ASSERT_TRUE(LoadTileTextureFromSimulator(cached, tiles));
    EXPECT_EQ(tiles.GetCount(), 1u);
    EXPECT_TRUE(sim_.Ui().Calls().empty());

    const TileAttributes missing("Earth", 12, 8, 8);
    EXPECT_FALSE(LoadTileTextureFromSimulator(missing, tiles));
    EXPECT_EQ(sim_.Ui().Failures(),
              std::vector<std::string>{"Couldn't load tile texture file from Astrel\r\n"});
    EXPECT_EQ(tiles.GetCount(), 1u);
}

TEST_F(SimulatorTileImport, HighResolutionFolderComesFirst) {
    const TileAttributes tile("Earth", 12, 9, 9);
    const ColorRGBA red[4] = {kRed, kRed, kRed, kRed};
    const ColorRGBA blue[4] = {kBlue, kBlue, kBlue, kBlue};
    WriteTileDds(tile, Quarters(512, 512, red), "Textures\\");
    WriteTileDds(tile, Quarters(512, 512, blue), "Textures2\\");
    TileArray tiles;
    ASSERT_TRUE(LoadTileTextureFromSimulator(tile, tiles));
    EXPECT_EQ(At(Cached(tile), 100, 100), kBlue);
}

TEST_F(SimulatorTileImport, SimulatorBaseFileReadsTilesWithTextures) {
    const TileAttributes good("Earth", 12, 1, 2);
    WriteTileDds(good, Quarters(512, 512, quarters_), "Textures2\\");
    sim_.Dir().WriteFile("Sim/Config/Earth/Base/Cape.cfg",
                         "BASE-V2.0\r\nName = Cape Base\r\nLocation = -80.6 28.5\r\n"
                         "BEGIN_SURFTILELIST\r\n12 1 2 1\r\n12 4 4 1\r\nEND_SURFTILELIST\r\n"
                         "BEGIN_NAVBEACON\r\nVOR CAP 1 2 112\r\nEND_NAVBEACON\r\n");
    BaseDocument document;
    document.SetOrigin("Astrel");
    ASSERT_TRUE(LoadSimulatorBaseCfg(document, sim_.Root() + "Config\\Earth\\Base\\Cape.cfg"));
    EXPECT_EQ(document.GetName(), "Cape Base");
    EXPECT_EQ(document.GetFileName(), "Cape");
    EXPECT_EQ(document.GetBody().name, "Earth");
    EXPECT_EQ(document.GetOrigin(), "Astrel") << "no PFG_ key is read";
    ASSERT_EQ(document.GetTileCount(), 1);
    EXPECT_TRUE(document.GetTileArray()[0].SamePlace(good));
    EXPECT_TRUE(document.GetNeedsRendering());
    EXPECT_EQ(document.GetBeacons().GetCount(), 1);
    EXPECT_EQ(sim_.Ui().Failures(),
              std::vector<std::string>{"Couldn't load tile texture file from Astrel\r\n"});

    sim_.Ui().Clear();
    BaseDocument other;
    EXPECT_FALSE(LoadSimulatorBaseCfg(other, sim_.Root() + "Config\\Earth\\Base\\None.cfg"));
    EXPECT_EQ(sim_.Ui().Failures(), std::vector<std::string>{"Couldn't parse .cfg file"});
    sim_.Dir().WriteFile("Sim/Cape.cfgx", "Name = X\r\nLocation = 1 2\r\n");
    sim_.Ui().Clear();
    EXPECT_FALSE(LoadSimulatorBaseCfg(other, sim_.Root() + "Cape.cfgx"));
    EXPECT_EQ(sim_.Ui().Failures(), std::vector<std::string>{"Couldn't find body name"});
}

// The folders are looked at once per base: a cache file in other letter case counts, and
// tiles one line made (a large texture's children) answer for the lines after it.
TEST_F(SimulatorTileImport, OneReadSeesWhatItsEarlierLinesMade) {
    const TileAttributes parent("Earth", 10, 3, 3);
    WriteTileDds(parent, Quarters(1024, 1024, quarters_));
    const TileAttributes other("Earth", 12, 5, 5);
    std::string upper = other.GetPngFileName();
    for (char& c : upper) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    test::WriteNativeFile(fs::ToNative(sim_.CacheFolder() + upper), "not read");
    sim_.Dir().WriteFile("Sim/Config/Earth/Base/Split.cfg",
                         "Name = Split\r\nLocation = 1 2\r\nBEGIN_SURFTILELIST\r\n10 3 3\r\n"
                         "11 6 7\r\n12 5 5\r\nEND_SURFTILELIST\r\n");
    BaseDocument document;
    ASSERT_TRUE(LoadSimulatorBaseCfg(document, sim_.Root() + "Config\\Earth\\Base\\Split.cfg"));
    EXPECT_TRUE(sim_.Ui().Failures().empty());
    ASSERT_EQ(document.GetTileCount(), 5);
    EXPECT_TRUE(document.GetTileArray()[4].SamePlace(other));
}

} // namespace
} // namespace pf
