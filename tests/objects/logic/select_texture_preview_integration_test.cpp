#include "objects/logic/select_texture_logic.h"

#include "imagery/dds_file.h"
#include "imagery/texture_codec.h"
#include "support/astrel_folder.h"
#include "support/sandbox_home.h"
#include "workspace/folders.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pf {
namespace {

class SelectTexturePreviewTest : public ::testing::Test {
  protected:
    void TearDown() override { SetAstrelPathDlgRunner(nullptr); }

    // A simulator tree of our own with one-colour textures.
    std::string MakeTree() {
        const std::string root = home_.Home() + "/Sim";
        test::MakeAstrelFolder(root, test::AstrelFolderKind::ExeAndConfigFolder);
        test::WriteNativeFile(root + "/Astrel.cfg", "");
        std::string internal = root + "/";
        for (char& c : internal) {
            c = c == '/' ? '\\' : c;
        }
        BitmapData colour(8, 8, 32);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                std::uint8_t* p = colour.PixelAddress(x, y);
                p[0] = 48;  // blue
                p[1] = 96;  // green
                p[2] = 200; // red
                p[3] = 255;
            }
        }
        DDSRendererUse use;
        std::filesystem::create_directories(root + "/Textures");
        EXPECT_TRUE(
            DDSRenderer::RenderDDS(internal + "Textures\\Fcd06.dds", colour, kFourCcDxt5, true));
        EXPECT_TRUE(
            DDSRenderer::RenderDDS(internal + "Textures\\fcd02.dds", colour, kFourCcDxt5, false));
        return internal;
    }

    test::SandboxHome home_;
};

void ExpectColour(const BitmapData& image) {
    ASSERT_EQ(image.BitsPerPixel(), 24);
    ASSERT_EQ(image.Width(), 8);
    const std::uint8_t* p = image.PixelAddress(3, 5);
    EXPECT_NEAR(p[0], 48, 8);
    EXPECT_NEAR(p[1], 96, 8);
    EXPECT_NEAR(p[2], 200, 8);
}

TEST_F(SelectTexturePreviewTest, ShowsTheTextureFolderFiles) {
    ASSERT_TRUE(SetAstrelPath(MakeTree()));
    BitmapData image;
    ASSERT_EQ(SelectTextureLogic::LoadPreview("Fcd06", image), SelectTextureLogic::Preview::Image);
    ExpectColour(image);
    // The file's name differs in case only.
    BitmapData lower;
    ASSERT_EQ(SelectTextureLogic::LoadPreview("Fcd02", lower), SelectTextureLogic::Preview::Image);
    ExpectColour(lower);
    BitmapData missing;
    EXPECT_EQ(SelectTextureLogic::LoadPreview("Fcd01", missing),
              SelectTextureLogic::Preview::Unavailable);
    EXPECT_EQ(SelectTextureLogic::LoadPreview("", missing), SelectTextureLogic::Preview::NoTexture);
}

TEST_F(SelectTexturePreviewTest, NoTextureFolderIsUnavailable) {
    int asked = 0;
    // The person is asked for the simulator folder and gives none.
    SetAstrelPathDlgRunner([&asked] { ++asked; });
    BitmapData image;
    EXPECT_EQ(SelectTextureLogic::LoadPreview("Fcd06", image),
              SelectTextureLogic::Preview::Unavailable);
    EXPECT_FALSE(image.HasPixels());
}

} // namespace
} // namespace pf
