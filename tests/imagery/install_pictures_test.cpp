// The pictures that the install folder ships.
#include "imagery/bitmap_data.h"
#include "imagery/object_icons.h"
#include "platform/fs.h"
#include "platform/process.h"
#include "platform/settings_store.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace pf {
namespace {

struct Expected {
    const char* name; // as the program asks for it
    int width;
    int height;
};

const std::vector<Expected>& AllPictures() {
    static const std::vector<Expected> pictures = {
        {"block.bmp", 64, 64},
        {"tank.bmp", 64, 64},
        {"hangar.bmp", 64, 64},
        {"hangar2.bmp", 64, 64},
        {"hangar3.bmp", 64, 64},
        {"lpad1.bmp", 64, 64},
        {"lpad2.bmp", 64, 64},
        {"lpad2a.bmp", 64, 64},
        {"solarplant.bmp", 64, 64},
        {"train1.bmp", 64, 64},
        {"Buttons\\runway0.bmp", 96, 64},
        {"Buttons\\runway1.bmp", 96, 64},
        {"Buttons\\train1.bmp", 96, 64},
        {"Buttons\\train2.bmp", 96, 64},
        {"Buttons\\hangar.bmp", 96, 64},
        {"Buttons\\hangar2.bmp", 96, 64},
        {"Buttons\\hangar3.bmp", 96, 64},
        {"Buttons\\plus.bmp", 32, 32},
        {"Buttons\\minus.bmp", 32, 32},
        {"Buttons\\right.bmp", 32, 32},
        {"Buttons\\left.bmp", 32, 32},
        {"Buttons\\up.bmp", 32, 32},
        {"Buttons\\down.bmp", 32, 32},
        {"Buttons\\move.bmp", 32, 32},
        {"Buttons\\select.bmp", 32, 32},
    };
    return pictures;
}

std::string Relative(const std::string& name) {
    std::string r = name;
    std::replace(r.begin(), r.end(), '\\', '/');
    return r;
}

std::set<std::string> BmpFilesUnder(const std::string& folder) {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".bmp") {
            found.insert(std::filesystem::relative(entry.path(), folder).generic_string());
        }
    }
    return found;
}

TEST(InstallPicturesTest, EveryPictureLoadsFromTheBuiltInstallFolder) {
    test::SandboxHome home;
    test::ScriptedUi ui;
    const std::string share = fs::ToInternal(test::BinaryDir() + "/share/padforge/");
    ASSERT_TRUE(settings_store::Write("Install Path", share));
    ClearIconBitmapCache();
    ASSERT_EQ(AllPictures().size(), 25u);
    for (const Expected& e : AllPictures()) {
        SCOPED_TRACE(e.name);
        BitmapData image;
        ASSERT_TRUE(GetObjectIconBitmap(e.name, image));
        EXPECT_EQ(image.BitsPerPixel(), 24);
        EXPECT_EQ(image.Width(), e.width);
        EXPECT_EQ(image.Height(), e.height);
    }
    // The mesh's fallback icon is the ">" button's file.
    BitmapData fallback;
    EXPECT_TRUE(GetObjectIconBitmap("Buttons\\Right.bmp", fallback));
    ClearIconBitmapCache();
    EXPECT_TRUE(ui.Calls().empty());
}

TEST(InstallPicturesTest, OnlyTheKnownPicturesAreShipped) {
    std::set<std::string> expected;
    for (const Expected& e : AllPictures()) {
        expected.insert(Relative(e.name));
    }
    EXPECT_EQ(BmpFilesUnder(test::SourceDir() + "/resources/install"), expected);
}

TEST(InstallPicturesTest, GeneratorReproducesTheCommittedFiles) {
    test::TempDir out;
    const std::string generator = fs::ToInternal(test::BinaryDir() + "/bin/padforge_pictures");
    process::Child child = process::Spawn(generator, {out.Native()});
    ASSERT_TRUE(child);
    ASSERT_EQ(process::Wait(child), 0);
    const std::string committed = test::SourceDir() + "/resources/install";
    const std::set<std::string> made = BmpFilesUnder(out.Native());
    EXPECT_EQ(made, BmpFilesUnder(committed));
    for (const std::string& name : made) {
        SCOPED_TRACE(name);
        const std::string bytes = out.ReadFile(name);
        EXPECT_EQ(bytes, test::ReadNativeFile(committed + "/" + name));
        // Uncompressed 24-bit, 40-byte header, data at 54, 2835 pixels per metre.
        ASSERT_GE(bytes.size(), 54u);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(uint8_t(bytes[10]), 54);
        EXPECT_EQ(uint8_t(bytes[14]), 40);
        EXPECT_EQ(uint8_t(bytes[28]), 24);
        EXPECT_EQ(uint8_t(bytes[30]), 0);
        EXPECT_EQ(uint8_t(bytes[38]) | uint8_t(bytes[39]) << 8, 2835);
    }
}

} // namespace
} // namespace pf
