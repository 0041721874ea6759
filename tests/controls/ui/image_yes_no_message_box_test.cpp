#include "controls/ui/image_yes_no_message_box.h"

#include "support/ui/expect_script.h"
#include "support/ui/wx_test_hook.h"

#include <gtest/gtest.h>
#include <wx/textctrl.h>

namespace pf {
namespace {

BitmapData Wide() {
    BitmapData image(1000, 300, 32);
    image.FillColor(0x3366CC);
    return image;
}

TEST(ImageYesNoMessageBoxTest, YesIsOkAndEverythingElseIsCancel) {
    using Box = ImageYesNoMessageBox;
    const struct {
        const char* name;
        std::function<void(Box*)> act;
        bool yes;
    } rows[] = {
        {"Yes", [](Box* box) { test::PressButton(box, wxID_OK); }, true},
        {"No", [](Box* box) { test::PressButton(box, wxID_CANCEL); }, false},
        {"Esc", [](Box* box) { test::PressEscape(box); }, false},
        {"close box", [](Box* box) { box->Close(); }, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        wxString shown;
        bool yes = !row.yes;
        wxTEST_DIALOG(yes = RunImageYesNoMessageBox("Import these\r\nimages?", Wide()),
                      test::ExpectScript<Box>([&](Box* box) {
                          shown = test::EditText(box, Box::ID_TEXT);
                          row.act(box);
                      }));
        EXPECT_EQ(yes, row.yes);
        EXPECT_EQ(shown, "Import these\nimages?");
    }
}

TEST(ImageYesNoMessageBoxTest, ThePictureIsFittedAboveTheTextAndCentred) {
    ImageYesNoMessageBox box("Accept it?", Wide(), nullptr);
    EXPECT_EQ(box.GetTitle(), "Accept?");
    box.InitDialog();
    const int client = box.GetClientSize().x;
    const int textTop = box.FindWindow(ImageYesNoMessageBox::ID_TEXT)->GetPosition().y;
    const PictureFit& fit = box.Fit();
    ASSERT_TRUE(fit.shown);
    // Limited by the width: the room's width, height in proportion, both multiples of 4.
    EXPECT_EQ(fit.width, (client - 20) / 4 * 4);
    EXPECT_EQ(fit.height, 300 * fit.width / 1000 / 4 * 4);
    EXPECT_EQ(fit.x, client / 2 - fit.width / 2);
    EXPECT_EQ(fit.y, 10);
    EXPECT_LE(fit.y + fit.height, textTop - 10);
    EXPECT_EQ(box.Picture().Width(), fit.width);
    EXPECT_EQ(box.Picture().Height(), fit.height);
    EXPECT_EQ(box.Picture().BitsPerPixel(), 24);
}

} // namespace
} // namespace pf
