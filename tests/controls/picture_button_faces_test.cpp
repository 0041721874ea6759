#include "controls/picture_button_faces.h"

#include "support/bmp_fixture.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Rgb At(const BitmapData& image, int x, int y) {
    const std::uint8_t* p = image.PixelAddress(x, y);
    return Rgb{p[2], p[1], p[0]};
}

BitmapData Filled(int w, int h, std::uint32_t rgb) {
    BitmapData image(w, h, 24);
    image.FillColor(rgb);
    return image;
}

// A 24-bit BMP stored bottom row first: the top half red, the bottom half blue.
std::string TopRedBottomBlueBmp() {
    test::BmpFixture spec;
    spec.width = 4;
    spec.height = 4;
    const std::vector<uint8_t> blue = {255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0};
    const std::vector<uint8_t> red = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255};
    spec.rows = {blue, blue, red, red};
    return test::MakeBmp(spec);
}

TEST(PictureButtonFacesTest, PictureWidthIsRoundedDownToFour) {
    PictureButtonFaces faces;
    faces.SetClientSize(30, 20);
    ASSERT_TRUE(faces.SetImage(Filled(7, 5, 0x336699)));
    EXPECT_EQ(faces.Picture().Width(), 28);
    EXPECT_EQ(faces.Picture().Height(), 20);
    EXPECT_EQ(faces.Picture().BitsPerPixel(), 24);
    EXPECT_TRUE(faces.IsToggle());
    EXPECT_EQ(faces.BorderFlag(), 0);
    // No border and no frame: the face is the picture.
    EXPECT_TRUE(faces.Face().IsIdentical(faces.Picture()));
}

TEST(PictureButtonFacesTest, ToggleBorderColoursOnlyWithTheFlag) {
    PictureButtonFaces faces;
    faces.SetClientSize(32, 24);
    ASSERT_TRUE(faces.SetImage(Filled(8, 8, 0x808080)));
    EXPECT_TRUE(faces.SetChecked(true, 1));
    EXPECT_EQ(At(faces.Face(), 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(At(faces.Face(), 31, 23), (Rgb{255, 0, 0}));
    EXPECT_EQ(At(faces.Face(), 10, 10), (Rgb{128, 128, 128}));
    EXPECT_TRUE(faces.SetChecked(false, 1));
    EXPECT_EQ(At(faces.Face(), 0, 12), (Rgb{0, 255, 0}));
    // Same state again: nothing rebuilt.
    EXPECT_FALSE(faces.SetChecked(false, 1));
    faces.SetChecked(true, 0);
    EXPECT_EQ(At(faces.Face(), 0, 0), (Rgb{128, 128, 128}));
    EXPECT_EQ(faces.BorderFlag(), 0);
}

TEST(PictureButtonFacesTest, CheckedPictureIsHalfwayToWhite) {
    PictureButtonFaces faces;
    faces.SetClientSize(16, 8);
    ASSERT_TRUE(faces.SetPictureFromImage(Filled(4, 4, 0x640A00)));
    ASSERT_TRUE(faces.CheckedPicture().HasPixels());
    EXPECT_EQ(At(faces.Picture(), 5, 5), (Rgb{100, 10, 0}));
    EXPECT_EQ(At(faces.CheckedPicture(), 5, 5), (Rgb{178, 133, 128}));
    EXPECT_FALSE(faces.IsToggle());
    // Checked with its own border shows the lighter picture.
    faces.SetChecked(true, 1);
    EXPECT_EQ(At(faces.Face(), 5, 5), (Rgb{178, 133, 128}));
}

TEST(PictureButtonFacesTest, PushButtonFrames) {
    PictureButtonFaces faces;
    faces.SetClientSize(16, 16);
    ASSERT_TRUE(faces.SetPictureFromImage(Filled(4, 4, 0xFFFFFF)));
    faces.DrawState(false, false, false);
    EXPECT_EQ(At(faces.Face(), 8, 8), (Rgb{255, 255, 255}));
    EXPECT_NE(At(faces.Face(), 15, 15), (Rgb{255, 255, 255})); // raised frame
    // Held down: tinted toward 0xCFCFFF by a quarter, with the sunken frame.
    faces.DrawState(true, false, false);
    EXPECT_TRUE(faces.IsPressed());
    EXPECT_EQ(At(faces.Face(), 8, 8), (Rgb{243, 243, 255}));
    EXPECT_NE(At(faces.Face(), 0, 0), At(faces.Face(), 8, 8));
    faces.MouseUp();
    EXPECT_FALSE(faces.IsPressed());
    EXPECT_EQ(At(faces.Face(), 8, 8), (Rgb{255, 255, 255}));
    faces.DoubleClick();
    EXPECT_EQ(At(faces.Face(), 8, 8), (Rgb{243, 243, 255}));
}

TEST(PictureButtonFacesTest, FocusFrameNeedsTheBorderFlag) {
    PictureButtonFaces faces;
    faces.SetClientSize(16, 16);
    ASSERT_TRUE(faces.SetImage(Filled(4, 4, 0x000000)));
    faces.DrawState(false, true, false);
    EXPECT_EQ(At(faces.Face(), 1, 1), (Rgb{0, 0, 0}));
    faces.SetChecked(true, 1);
    faces.DrawState(false, true, false);
    EXPECT_TRUE(faces.IsFocused());
    EXPECT_EQ(At(faces.Face(), 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(At(faces.Face(), 1, 1), (Rgb{0xC0, 0xC0, 0xFF}));
}

TEST(PictureButtonFacesTest, DisabledBlendsAQuarterTowardBlack) {
    PictureButtonFaces faces;
    faces.SetClientSize(8, 8);
    ASSERT_TRUE(faces.SetImage(Filled(4, 4, 0xFFFFFF)));
    faces.DrawState(false, false, true);
    EXPECT_EQ(At(faces.Face(), 4, 4), (Rgb{191, 191, 191}));
    // The stored picture is not darkened.
    EXPECT_EQ(At(faces.Picture(), 4, 4), (Rgb{255, 255, 255}));
}

TEST(PictureButtonFacesTest, FilesMissingKeepTheFaceAndBmpsAreUpright) {
    test::TempDir dir;
    dir.WriteFile("upright.bmp", TopRedBottomBlueBmp());
    PictureButtonFaces faces;
    faces.SetClientSize(8, 8);
    EXPECT_FALSE(faces.SetImageFile(dir.InternalPath("missing.bmp")));
    EXPECT_FALSE(faces.Picture().HasPixels());
    ASSERT_TRUE(faces.SetImageFile(dir.InternalPath("upright.bmp")));
    EXPECT_EQ(At(faces.Picture(), 4, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(At(faces.Picture(), 4, 7), (Rgb{0, 0, 255}));
    faces.DrawState(false, false, false);
    const BitmapData before(faces.Face());
    EXPECT_FALSE(faces.SetImageFile(dir.InternalPath("missing.bmp")));
    faces.DrawState(false, false, false);
    EXPECT_TRUE(faces.Face().IsIdentical(before));
    EXPECT_EQ(At(faces.Picture(), 4, 0), (Rgb{255, 0, 0}));
}

TEST(PictureButtonFacesTest, InstallPicturesLoad) {
    PictureButtonFaces faces;
    faces.SetClientSize(64, 48);
    for (const char* name : {"hangar.bmp", "hangar2.bmp", "hangar3.bmp"}) {
        const std::string path = test::BinaryDir() + "/share/padforge/Buttons/" + name;
        std::string internal = path;
        for (char& c : internal) {
            c = c == '/' ? '\\' : c;
        }
        EXPECT_TRUE(faces.SetImageFile(internal)) << name;
    }
}

} // namespace
} // namespace pf
