// Each type's icon comes from the install folder's pictures; the beacon array paints its own.
#include "imagery/bitmap_data.h"
#include "imagery/object_icons.h"
#include "objects/beacon_array.h"
#include "objects/block.h"
#include "objects/hangars.h"
#include "objects/solar_plant.h"
#include "objects/tank.h"
#include "support/sandbox_home.h"
#include "support/test_paths.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>

#include <memory>

namespace pf {
namespace {

TEST(TypeIconsTest, InstallFolderPicturesLoad) {
    test::SandboxHome home;
    std::string share = test::BinaryDir() + "/share/padforge/";
    for (char& c : share) {
        c = c == '/' ? '\\' : c;
    }
    WriteRegistryValue("Install Path", share);
    ClearIconBitmapCache();
    std::vector<std::unique_ptr<AstrelObjectHandle>> objects;
    objects.push_back(std::make_unique<Block>());
    objects.push_back(std::make_unique<Hangar>());
    objects.push_back(std::make_unique<Hangar2>());
    objects.push_back(std::make_unique<Hangar3>());
    objects.push_back(std::make_unique<Tank>());
    objects.push_back(std::make_unique<SolarPlant>());
    objects.push_back(std::make_unique<BeaconArray>());
    for (const auto& object : objects) {
        BitmapData icon;
        object->GetIcon(icon);
        EXPECT_TRUE(icon.HasPixels()) << object->GetType();
        EXPECT_GE(icon.Width(), 8) << object->GetType();
    }
    ClearIconBitmapCache();
}

} // namespace
} // namespace pf
