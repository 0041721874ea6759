#include "controls/picture_fit.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(PictureFit, FitsIntoTheRoomAboveTheText) {
    // Client width 400, text at 300: room 380 x 280. Rows: image, then x, width, height
    // (width 0: no picture).
    const struct {
        int imageWidth, imageHeight, x, width, height;
    } rows[] = {
        {1000, 300, 10, 380, 112},  // too wide: height 114 in proportion, then fours
        {50, 50, 176, 48, 48},      // never enlarged
        {513, 1001, 130, 140, 280}, // 380 x 741, then limited by the height
        {3000, 20, 0, 0, 0},        // fits to 380 x 2: nothing shown
        {0, 0, 0, 0, 0},
    };
    for (const auto& row : rows) {
        const PictureFit fit = FitPicture(400, 300, row.imageWidth, row.imageHeight);
        EXPECT_EQ(fit.shown, row.width > 0) << row.imageWidth;
        if (fit.shown) {
            EXPECT_EQ(fit.x, row.x);
            EXPECT_EQ(fit.y, 10);
            EXPECT_EQ(fit.width, row.width);
            EXPECT_EQ(fit.height, row.height);
        }
    }
    EXPECT_FALSE(FitPicture(22, 300, 50, 50).shown);
    EXPECT_FALSE(FitPicture(400, 23, 50, 50).shown);
}

} // namespace
} // namespace pf
