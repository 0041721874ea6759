#include "add_tiles_fixture.h"

#include "app/logic/dialog_runners.h"
#include "foundation/text.h"
#include "imagery/png_file.h"
#include "imagery/texture_codec.h"
#include "support/bmp_fixture.h"
#include "workspace/settings.h"

#include <png.h>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace pf::test {
namespace {

using Logic = AddTilesLogic;

// A PNG read by libpng itself, as 32-bit blue, green, red, alpha rows.
BitmapData ReadWithLibpng(const std::string& native) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    BitmapData image;
    if (png_image_begin_read_from_file(&png, native.c_str()) != 0) {
        png.format = PNG_FORMAT_BGRA;
        image.Create(static_cast<int>(png.width), static_cast<int>(png.height), 32);
        png_image_finish_read(&png, nullptr, image.Pixels(), 0, nullptr);
    }
    return image;
}

ColorRGBA At32(const BitmapData& image, int x, int y) {
    ColorRGBA c;
    std::memcpy(&c, image.PixelAddress(x, y), 4);
    return c;
}

// A picture of columns x rows square pieces, piece (column, row from the top) filled by
// fill.
BitmapData Picture(int columns, int rows, const std::function<ColorRGBA(int, int)>& fill,
                   int side = 512) {
    BitmapData picture(side * columns, side * rows, 32);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const ColorRGBA c = fill(x / side, y / side);
            std::memcpy(picture.PixelAddress(x, y), &c, 4);
        }
    }
    return picture;
}

std::string PngBytes(const BitmapData& picture) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(EncodePng(picture, bytes));
    return std::string(bytes.begin(), bytes.end());
}

class TileImageFilesTest : public AddTilesTest {
  protected:
    // The image questions answer from a script and keep what they were shown.
    TileImageFilesTest() {
        GetDialogRunners().imageYesNo = [this](const std::string& text, const BitmapData& image) {
            questions_.push_back(text);
            images_.push_back(image);
            const bool yes = !answers_.empty() && answers_.front();
            if (!answers_.empty())
                answers_.erase(answers_.begin());
            return yes;
        };
    }
    ~TileImageFilesTest() override { GetDialogRunners().imageYesNo = nullptr; }

    std::string File(const std::string& bytes) {
        sim_.Dir().WriteFile("in.img", bytes);
        return sim_.Dir().InternalPath("in.img");
    }
    void LoadIntoSelection(Logic& logic, const BitmapData& picture, std::vector<bool> answers) {
        sim_.Ui().AnswerNextPickFile(File(PngBytes(picture)));
        answers_ = std::move(answers);
        questions_.clear();
        images_.clear();
        Shown();
        logic.RunMenuChoice(logic.GetLoadSelectionText(), TileAttributes());
    }

    std::vector<bool> answers_;
    std::vector<std::string> questions_;
    std::vector<BitmapData> images_;
};

TEST_F(TileImageFilesTest, LoadIntoOneTile) {
    const std::string rescale =
        "message: Imported image is not 512X512.\r\n\r\nIt is recommended to use 512X512 images "
        "for tiles.\r\nImage will be rescaled to 512X512 if added.\r\n\r\nAdd image anyway? "
        "(Notification)\n";
    const std::string addIt = "message: Currently the tile the image has been added to is not "
                              "in the base list\r\n\r\nWould you like to add the tile to the "
                              "base? (Question)\n";
    const std::string refused = "failure: Couldn't open image\r\n (Failure Message)\n";
    BmpFixture huge;
    huge.width = huge.height = 0x7FFFFFFF;
    const ColorRGBA colour(10, 20, 30, 255);
    const std::string flat = PngBytes(Picture(1, 1, [&](int, int) { return colour; }));
    const BitmapData small = Picture(
        1, 1, [&](int, int) { return colour; }, 256);
    const struct {
        std::string bytes;
        bool listed;
        std::vector<MessageAnswer> answers;
        std::string shown;
    } rows[] = {
        {flat, false, {MessageAnswer::No}, addIt},
        {flat, true, {}, ""},
        {PngBytes(small), false, {MessageAnswer::Yes, MessageAnswer::No}, rescale + addIt},
        {PngBytes(small), false, {MessageAnswer::No}, rescale},
        {"not an image", false, {}, refused},
        {MakeBmp(huge), false, {}, refused},
    };
    const TileAttributes tile = Earth(1, 0, 0);
    for (const auto& row : rows) {
        BaseDocument held(document_);
        if (row.listed)
            held.AddTileSorted(tile);
        held.SetNeedsRendering(false);
        fs::RemoveFile(CachePath(tile));
        AddTilesLogic logic(&held);
        logic.RefreshLevelView();
        Shown();
        sim_.Ui().AnswerNextPickFile(File(row.bytes));
        for (MessageAnswer answer : row.answers)
            sim_.Ui().AnswerNextMessage(answer);
        logic.RunMenuChoice(Logic::kLoadTile, tile);
        EXPECT_EQ(Shown(), "pick file: \n" + row.shown);
        TileTextureFile stored(tile, true);
        const bool expectStored = row.shown.find("anyway") == std::string::npos ||
                                  row.answers.front() == MessageAnswer::Yes;
        ASSERT_EQ(stored.IsLoaded(), expectStored && row.shown != refused);
        EXPECT_EQ(At32(stored.Image(), 300, 300), stored.IsLoaded() ? colour : ColorRGBA());
        EXPECT_EQ(held.GetNeedsRendering(), row.listed);
    }
    EXPECT_EQ(sim_.Ui().FileChoices().back().filter.substr(0, 33),
              "Image file (*.jpg, *.png, *.bmp)|");
}

TEST_F(TileImageFilesTest, SaveOneTileAndTheSelection) {
    SetImageEditor(sim_.Dir().InternalPath("Edit Dir\\"), "paint.exe");
    const ColorRGBA colours[] = {ColorRGBA(1, 2, 3, 255), ColorRGBA(40, 50, 60, 128),
                                 ColorRGBA(70, 80, 90, 255), ColorRGBA(100, 110, 120, 0)};
    Cache(Earth(1, 0, 0), colours);
    Logic& logic = Open();
    const std::string out = sim_.Dir().InternalPath("out.png");

    // A cached tile saves as its texture; the saved-image menu opens it in the editor.
    sim_.Ui().AnswerNextSaveFile(out);
    sim_.Ui().AnswerNextMenu(kFirstMenuCommand);
    logic.RunMenuChoice(Logic::kSaveTile, Earth(1, 0, 0));
    BitmapData saved;
    ASSERT_TRUE(LoadImageFileGuarded(out, saved));
    EXPECT_TRUE(saved.IsIdentical(TileTextureFile(Earth(1, 0, 0), true).Image()));
    ASSERT_EQ(sim_.Ui().MenuRequests().size(), 1u);
    EXPECT_EQ(sim_.Ui().MenuRequests()[0].options,
              (StringArray{"Open image in editor", "Ignore this message"}));
    EXPECT_EQ(sim_.Ui().Runs()[0].args, std::vector<std::string>{fs::ToNative(out)});
    EXPECT_EQ(Shown(), "pick save file: \nmenu: Imaged saved\nrun program: " +
                           sim_.Dir().InternalPath("Edit Dir\\paint.exe") + "\n");
    EXPECT_EQ(sim_.Ui().FileChoices().back().filter, "PNG (*.png)|*.PNG;*.png");

    // Without a cached image or an archive: transparent black.
    WriteArchive(false);
    sim_.Ui().AnswerNextSaveFile(out);
    logic.RunMenuChoice(Logic::kSaveTile, Earth(1, 5, 5));
    ASSERT_TRUE(LoadImageFileGuarded(out, saved));
    EXPECT_TRUE(saved.IsIdentical(BitmapData(512, 512, 32)));

    // Two by two: the eastern column on the right, the northern row on top.
    Cache(Earth(1, 1, 0), ColorRGBA(0, 0, 200, 255));
    Cache(Earth(1, 0, -1), ColorRGBA(0, 200, 0, 255));
    Drag(logic, 260, 200, 324, 264);
    sim_.Ui().AnswerNextSaveFile(out);
    logic.RunMenuChoice(Logic::kSaveSelection, TileAttributes());
    const BitmapData picture = ReadWithLibpng(fs::ToNative(out));
    ASSERT_EQ(picture.Width() * 10000 + picture.Height(), 1024 * 10000 + 1024);
    EXPECT_EQ(
        (std::vector{At32(picture, 100, 100), At32(picture, 400, 400), At32(picture, 700, 100),
                     At32(picture, 100, 700), At32(picture, 700, 700)}),
        (std::vector{colours[0], colours[3], ColorRGBA(0, 0, 200, 255), ColorRGBA(0, 200, 0, 255),
                     ColorRGBA()}));
}

TEST_F(TileImageFilesTest, LoadIntoTheSelection) {
    const ColorRGBA west(0, 0, 250, 255);
    const ColorRGBA east(250, 0, 0, 255);
    Logic& logic = Open();
    Drag(logic, 260, 200, 324, 200); // two by one
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    LoadIntoSelection(logic, Picture(2, 2, [&](int, int) { return west; }), {});
    EXPECT_EQ(Shown(),
              "pick file: \nmessage: Error! Image from file has to be 1024 X 512. (Error)\n");
    // Declined: the confirmation shows the picture in the "After" half only.
    LoadIntoSelection(logic, Picture(2, 1, [&](int c, int) { return c ? east : west; }), {});
    ASSERT_EQ(images_.size(), 1u);
    const BitmapData& shown = images_[0];
    ASSERT_EQ(shown.Width(), 1024);
    EXPECT_EQ(At(shown, 512 + 288, 224), ColorRGB(0, 0, 249));
    EXPECT_EQ(At(shown, 512 + 352, 224), ColorRGB(249, 0, 0));
    EXPECT_NE(At(shown, 288, 224), ColorRGB(0, 0, 249));
    EXPECT_NE(At(shown, 512 + 100, 400), ColorRGB(0, 0, 249));
    EXPECT_FALSE(fs::Exists(CachePath(Earth(1, 0, 0))));

    // Two by two, pieces column by column, south to north: a cached tile takes even a
    // transparent piece; an empty piece, and one that repeats the tile's image, are skipped.
    Cache(Earth(1, 0, 0));
    BitmapData same;
    logic.GetTileImage(Earth(1, 0, -1), same);
    Drag(logic, 260, 200, 324, 264);
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    BitmapData picture = Picture(2, 2, [&](int c, int r) {
        return c == 1 && r == 1 ? east : ColorRGBA(9, 9, 9, c == 1 ? 4 : 0);
    });
    BitmapData::Blit32To32(picture, same, PixelRect{0, 512, 512, 1024}, same.GetRect());
    LoadIntoSelection(logic, picture, {true, true, false});
    const std::string offer =
        "Tile: %s is not in the base's tile list.\r\n\r\nWould you like to add it?";
    EXPECT_EQ(questions_,
              (std::vector<std::string>{"Would you like to add this image to the selected tiles?",
                                        FormatString(offer.c_str(), "Earth_1_E0000_N0000"),
                                        FormatString(offer.c_str(), "Earth_1_E0001_S0001")}));
    EXPECT_EQ(At32(TileTextureFile(Earth(1, 0, 0), true).Image(), 9, 9), ColorRGBA(9, 9, 9, 0));
    EXPECT_EQ(
        (std::vector{fs::Exists(CachePath(Earth(1, 0, -1))), fs::Exists(CachePath(Earth(1, 1, 0))),
                     fs::Exists(CachePath(Earth(1, 1, -1)))}),
        (std::vector{false, false, true}));
    EXPECT_TRUE(logic.IsTileInList(Earth(1, 0, 0)));
    EXPECT_FALSE(logic.IsTileInList(Earth(1, 1, -1)));
    EXPECT_EQ(Shown(), "pick file: \nmessage: Image added (Notification)\n");

    // A store that fails stops the import without "Image added".
    fs::RemoveFile(CachePath(Earth(1, 0, 0)));
    ASSERT_TRUE(fs::CreateDirectory(CachePath(Earth(1, 0, 0))));
    Drag(logic, 260, 200, 324, 200);
    LoadIntoSelection(logic, Picture(2, 1, [&](int, int) { return east; }), {true});
    EXPECT_EQ(sim_.Ui().Failures().back(), "Couldn't save image to cache\r\n");
    EXPECT_TRUE(sim_.Ui().Messages().empty());
    EXPECT_FALSE(fs::Exists(CachePath(Earth(1, 1, 0))));

    // A selection saved and loaded back repeats what its tiles show: nothing is stored.
    fs::RemoveEmptyDirectory(CachePath(Earth(1, 0, 0)));
    const std::string out = sim_.Dir().InternalPath("round.png");
    sim_.Ui().AnswerNextSaveFile(out);
    logic.RunMenuChoice(Logic::kSaveSelection, TileAttributes());
    ASSERT_TRUE(LoadImageFileGuarded(out, picture));
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    LoadIntoSelection(logic, picture, {true});
    EXPECT_EQ(questions_.size(), 1u); // the confirmation, and no offers
    EXPECT_FALSE(fs::Exists(CachePath(Earth(1, 0, 0))) || fs::Exists(CachePath(Earth(1, 1, 0))));
    EXPECT_EQ(Shown(), "pick file: \nmessage: Image added (Notification)\n");
}

TEST_F(TileImageFilesTest, ThePreviewShowsThePictureLoadedIntoTheSelection) {
    const ColorRGBA before(10, 20, 30, 255);
    const ColorRGBA after(250, 0, 0, 255);
    Cache(Earth(1, 0, 0), before);
    Logic& logic = Open();
    const auto near = [](const ColorRGB& a, const ColorRGBA& b) {
        return std::abs(a.red - b.red) <= 2 && std::abs(a.green - b.green) <= 2 &&
               std::abs(a.blue - b.blue) <= 2;
    };
    logic.OnMouseMove(X(280), Y(220)); // over tile (0, 0)
    EXPECT_TRUE(near(At(logic.GetShownPreview(), 128, 128), before));
    Drag(logic, 260, 200, 324, 200);
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    LoadIntoSelection(logic, Picture(2, 1, [&](int, int) { return after; }), {true, false});
    EXPECT_EQ(Shown(), "pick file: \nmessage: Image added (Notification)\n");
    EXPECT_TRUE(near(At(logic.GetShownPreview(), 128, 128), after));
}

} // namespace
} // namespace pf::test
