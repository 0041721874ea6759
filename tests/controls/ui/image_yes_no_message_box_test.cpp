#include "controls/ui/image_yes_no_message_box.h"

#include "support/ui/expect_script.h"
#include "support/ui/wx_test_hook.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using Box = ImageYesNoMessageBox;

BitmapData Wide() {
    BitmapData image(1000, 300, 32);
    image.FillColor(0x3366CC);
    return image;
}

// No, Esc and the close box are the dialog base's Cancel.
TEST(ImageYesNoMessageBoxTest, YesIsOkTheCloseBoxNo) {
    for (const auto& [act, yes] : std::vector<std::pair<std::function<void(Box*)>, bool>>{
             {[](Box* box) { test::PressButton(box, wxID_OK); }, true},
             {[](Box* box) { box->Close(); }, false}}) {
        bool answer = !yes;
        wxTEST_DIALOG(answer = RunImageYesNoMessageBox("Import\r\nthem?", Wide()),
                      test::ExpectScript<Box>([&](Box* box) {
                          EXPECT_EQ(test::EditText(box, Box::ID_TEXT), "Import\nthem?");
                          act(box);
                      }));
        EXPECT_EQ(answer, yes);
    }
}

TEST(ImageYesNoMessageBoxTest, ThePictureIsFittedAboveTheTextAndCentred) {
    Box box("Accept it?", Wide(), nullptr);
    box.InitDialog();
    const int client = box.GetClientSize().x;
    const PictureFit& fit = box.Fit();
    ASSERT_TRUE(fit.shown);
    // Limited by the width: the room's width, the height in proportion, both fours.
    EXPECT_EQ(fit.width, (client - 20) / 4 * 4);
    EXPECT_EQ(fit.height, 300 * fit.width / 1000 / 4 * 4);
    EXPECT_EQ(fit.x, client / 2 - fit.width / 2);
    EXPECT_LE(fit.y + fit.height, box.FindWindow(Box::ID_TEXT)->GetPosition().y - 10);
    EXPECT_EQ(box.Picture().Width(), fit.width);
    EXPECT_EQ(box.Picture().Height(), fit.height);
}

} // namespace
} // namespace pf
