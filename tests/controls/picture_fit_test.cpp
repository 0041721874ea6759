#include "controls/picture_fit.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

struct FitRow {
    int clientWidth, textTop, imageWidth, imageHeight;
    bool shown;
    int x, width, height;
};

TEST(PictureFit, FitsIntoTheRoomAboveTheText) {
    const FitRow rows[] = {
        // Too wide: scaled to the room's width, height truncated, then both to fours.
        {400, 300, 1000, 300, true, 10, 380, 112},
        // Small: never enlarged, only rounded down.
        {400, 300, 50, 50, true, 176, 48, 48},
        // Tall: width first (380 x 741), then limited by the room's height 280.
        {400, 300, 513, 1001, true, 130, 140, 280},
        // No room, or a picture that fits to nothing: the question alone.
        {22, 300, 50, 50, false, 0, 0, 0},
        {400, 23, 50, 50, false, 0, 0, 0},
        {400, 300, 3000, 20, false, 0, 0, 0},
        {400, 300, 0, 0, false, 0, 0, 0},
    };
    for (const FitRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.imageWidth << "x" << row.imageHeight << " in "
                                        << row.clientWidth << "/" << row.textTop);
        const PictureFit fit =
            FitPicture(row.clientWidth, row.textTop, row.imageWidth, row.imageHeight);
        EXPECT_EQ(fit.shown, row.shown);
        if (row.shown) {
            EXPECT_EQ(fit.x, row.x);
            EXPECT_EQ(fit.y, 10);
            EXPECT_EQ(fit.width, row.width);
            EXPECT_EQ(fit.height, row.height);
        }
    }
}

} // namespace
} // namespace pf
