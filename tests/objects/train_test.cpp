#include "objects/train.h"
#include "support/object_fixtures.h"

#include "imagery/bitmap_data.h"
#include "imagery/object_icons.h"
#include "platform/settings_store.h"
#include "support/bmp_fixture.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "workspace/config_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace pf {
namespace {

using test::Group;

TEST(Train, EachKindHasItsParser) {
    AstrelObject holder;
    EXPECT_FALSE(ParseTrain1(holder, Group("TRAIN2\nTEX A")));
    EXPECT_FALSE(ParseTrain2(holder, Group("TRAIN1\nTEX A")));
    EXPECT_TRUE(holder.IsEmpty());
}

TEST(Train, OptionalLinesAndEmptyTexture) {
    Train2 train;
    train.maxSpeed.given = false;
    train.slowZone.given = false;
    train.tex.clear();
    EXPECT_EQ(train.GetParameterText(), "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tTEX \r\n");
    Train1 one;
    one.tex.clear();
    one.slowZone.given = false;
    EXPECT_EQ(one.GetParameterText(),
              "\tEND1 0 0 0\r\n\tEND2 0 0 0\r\n\tMAXSPEED 30\r\n\tTEX \r\n");
}

TEST(Train, TopHeights) {
    Train1 one;
    one.end1.Set(0, 0, 3);
    one.end2.Set(0, 100, 7);
    EXPECT_DOUBLE_EQ(one.GetTopHeight().value, 12.0);
    Train2 two;
    two.end1.Set(0, 0, 3);
    two.end2.Set(0, 100, 7);
    EXPECT_DOUBLE_EQ(two.GetTopHeight().value, 7.0);
    two.height.Set(20.0f);
    EXPECT_DOUBLE_EQ(two.GetTopHeight().value, 27.0);
}

TEST(Train, IconIsTheSameForBothKinds) {
    test::SandboxHome home;
    test::TempDir install;
    test::ScriptedUi ui;
    test::BmpFixture f;
    f.width = 1;
    f.height = 1;
    f.rows = {{9, 8, 7}};
    install.WriteFile("train1.bmp", test::MakeBmp(f));
    ASSERT_TRUE(settings_store::Write("Install Path", install.Internal()));
    ClearIconBitmapCache();
    BitmapData a;
    BitmapData b;
    Train1().GetIcon(a);
    Train2().GetIcon(b);
    ASSERT_TRUE(a.HasPixels() && b.HasPixels());
    EXPECT_EQ(a.PixelAddress(0, 0)[2], 7);
    EXPECT_EQ(b.PixelAddress(0, 0)[2], 7);
    ClearIconBitmapCache();
}

} // namespace
} // namespace pf
