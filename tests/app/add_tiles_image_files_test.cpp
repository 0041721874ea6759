#include "add_tiles_fixture.h"

#include "app/logic/dialog_runners.h"
#include "imagery/png_file.h"
#include "imagery/texture_codec.h"
#include "support/bmp_fixture.h"
#include "workspace/settings.h"

#include <png.h>

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
    const uint8_t* p = image.PixelAddress(x, y);
    return ColorRGBA(p[0], p[1], p[2], p[3]);
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

    std::string File(const std::string& name, const std::string& bytes) {
        sim_.Dir().WriteFile(name, bytes);
        return sim_.Dir().InternalPath(name);
    }
    static std::string Flat(int size, ColorRGBA colour) {
        return QuartersPng(size, {colour, colour, colour, colour});
    }
    // Selects columns 0..columns-1 and rows 0 down to 1-rows at level 1.
    void Select(Logic& logic, int columns, int rows) {
        logic.OnLButtonDown(X(260), Y(200));
        logic.OnSelectionButtonUp(X(260 + 64 * (columns - 1)), Y(200 + 64 * (rows - 1)));
    }
    // Loads the picture into the selection, answering the image questions in turn.
    void LoadIntoSelection(Logic& logic, const BitmapData& picture, std::vector<bool> answers) {
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(EncodePng(picture, bytes));
        sim_.Ui().AnswerNextPickFile(File("in.png", std::string(bytes.begin(), bytes.end())));
        answers_ = std::move(answers);
        questions_.clear();
        images_.clear();
        sim_.Ui().Clear();
        logic.RunMenuChoice(logic.GetLoadSelectionText(), TileAttributes());
    }
    // A picture of columns x rows tiles, each 512 x 512 piece filled by fill(column, row),
    // rows counted from the top.
    static BitmapData Picture(int columns, int rows,
                              const std::function<ColorRGBA(int, int)>& fill) {
        BitmapData picture(512 * columns, 512 * rows, 32);
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) {
                const ColorRGBA c = fill(x / 512, y / 512);
                std::memcpy(picture.PixelAddress(x, y), &c, 4);
            }
        }
        return picture;
    }

    std::vector<bool> answers_;
    std::vector<std::string> questions_;
    std::vector<BitmapData> images_;
};

TEST_F(TileImageFilesTest, LoadIntoOneTile) {
    const char* rescale = "Imported image is not 512X512.\r\n\r\nIt is recommended to use 512X512 "
                          "images for tiles.\r\nImage will be rescaled to 512X512 if added.\r\n\r\n"
                          "Add image anyway?";
    const char* addIt = "Currently the tile the image has been added to is not in the base "
                        "list\r\n\r\nWould you like to add the tile to the base?";
    BmpFixture huge;
    huge.width = huge.height = 0x7FFFFFFF;
    const ColorRGBA colour(10, 20, 30, 255);
    const struct {
        std::string bytes;
        bool listed;
        std::vector<MessageAnswer> answers;
        StringArray boxes;
        const char* failure;
        bool stored;
    } rows[] = {
        {Flat(512, colour), false, {MessageAnswer::No}, {addIt}, nullptr, true},
        {Flat(512, colour), true, {}, {}, nullptr, true},
        {Flat(256, colour),
         false,
         {MessageAnswer::Yes, MessageAnswer::No},
         {rescale, addIt},
         nullptr,
         true},
        {Flat(256, colour), false, {MessageAnswer::No}, {rescale}, nullptr, false},
        {"not an image", false, {}, {}, "Couldn't open image\r\n", false},
        {MakeBmp(huge), false, {}, {}, "Couldn't open image\r\n", false},
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
        sim_.Ui().Clear();
        sim_.Ui().AnswerNextPickFile(File("in.img", row.bytes));
        for (MessageAnswer answer : row.answers)
            sim_.Ui().AnswerNextMessage(answer);
        logic.RunMenuChoice(Logic::kLoadTile, tile);
        EXPECT_EQ(sim_.Ui().Messages(), row.boxes);
        EXPECT_EQ(sim_.Ui().Failures(), row.failure ? StringArray{row.failure} : StringArray{});
        TileTextureFile stored(tile, true);
        ASSERT_EQ(stored.IsLoaded(), row.stored);
        if (row.stored) {
            EXPECT_EQ(At32(stored.Image(), 300, 300), colour);
        }
        EXPECT_EQ(held.GetNeedsRendering(), row.listed);
        EXPECT_FALSE(logic.IsTileInList(tile) && !row.listed);
    }
    const auto& choice = sim_.Ui().FileChoices().back();
    EXPECT_EQ(choice.filter.substr(0, 32), "Image file (*.jpg, *.png, *.bmp)");
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
    EXPECT_EQ(sim_.Ui().MenuRequests()[0].title, "Imaged saved");
    EXPECT_EQ(sim_.Ui().MenuRequests()[0].options,
              (StringArray{"Open image in editor", "Ignore this message"}));
    ASSERT_EQ(sim_.Ui().Runs().size(), 1u);
    EXPECT_EQ(sim_.Ui().Runs()[0].args, std::vector<std::string>{fs::ToNative(out)});
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
    Select(logic, 2, 2);
    sim_.Ui().AnswerNextSaveFile(out);
    logic.RunMenuChoice(Logic::kSaveSelection, TileAttributes());
    const BitmapData picture = ReadWithLibpng(fs::ToNative(out));
    ASSERT_EQ(picture.Width(), 1024);
    ASSERT_EQ(picture.Height(), 1024);
    EXPECT_EQ(At32(picture, 100, 100), colours[0]);
    EXPECT_EQ(At32(picture, 400, 400), colours[3]);
    EXPECT_EQ(At32(picture, 700, 100), ColorRGBA(0, 0, 200, 255));
    EXPECT_EQ(At32(picture, 100, 700), ColorRGBA(0, 200, 0, 255));
    EXPECT_EQ(At32(picture, 700, 700), ColorRGBA());
}

TEST_F(TileImageFilesTest, LoadIntoTheSelection) {
    const ColorRGBA west(0, 0, 250, 255);
    const ColorRGBA east(250, 0, 0, 255);
    Logic& logic = Open();
    Select(logic, 2, 1);
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    LoadIntoSelection(logic, Picture(2, 2, [&](int, int) { return west; }), {});
    EXPECT_EQ(sim_.Ui().Messages(),
              std::vector<std::string>{"Error! Image from file has to be 1024 X 512."});
    EXPECT_EQ(sim_.Ui().Calls().back().caption, "Error");
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

    // Two by two, pieces left to right and south to north: a cached tile takes even a
    // transparent piece; an empty piece, and one that repeats the tile's image, are skipped.
    Cache(Earth(1, 0, 0));
    BitmapData same;
    logic.GetTileImage(Earth(1, 0, -1), same);
    Select(logic, 2, 2);
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    BitmapData picture = Picture(2, 2, [&](int c, int r) {
        return c == 1 && r == 1 ? east : ColorRGBA(9, 9, 9, c == 1 ? 4 : 0);
    });
    BitmapData::Blit32To32(picture, same, PixelRect{0, 512, 512, 1024}, same.GetRect());
    LoadIntoSelection(logic, picture, {true, true, false});
    EXPECT_EQ(questions_,
              (std::vector<std::string>{
                  "Would you like to add this image to the selected tiles?",
                  "Tile: Earth_1_E0000_N0000 is not in the base's tile list.\r\n\r\nWould you "
                  "like to add it?",
                  "Tile: Earth_1_E0001_S0001 is not in the base's tile list.\r\n\r\nWould you "
                  "like to add it?"}));
    EXPECT_EQ(At32(TileTextureFile(Earth(1, 0, 0), true).Image(), 9, 9), ColorRGBA(9, 9, 9, 0));
    EXPECT_FALSE(fs::Exists(CachePath(Earth(1, 0, -1))));
    EXPECT_FALSE(fs::Exists(CachePath(Earth(1, 1, 0))));
    EXPECT_TRUE(fs::Exists(CachePath(Earth(1, 1, -1))));
    EXPECT_TRUE(logic.IsTileInList(Earth(1, 0, 0)));
    EXPECT_FALSE(logic.IsTileInList(Earth(1, 1, -1)));
    EXPECT_EQ(sim_.Ui().Messages(), std::vector<std::string>{"Image added"});

    // A store that fails stops the import without "Image added".
    fs::RemoveFile(CachePath(Earth(1, 0, 0)));
    ASSERT_TRUE(fs::CreateDirectory(CachePath(Earth(1, 0, 0))));
    Select(logic, 2, 1);
    LoadIntoSelection(logic, Picture(2, 1, [&](int, int) { return east; }), {true});
    EXPECT_EQ(sim_.Ui().Failures().back(), "Couldn't save image to cache\r\n");
    EXPECT_TRUE(sim_.Ui().Messages().empty());
    EXPECT_FALSE(fs::Exists(CachePath(Earth(1, 1, 0))));
}

TEST_F(TileImageFilesTest, SavedSelectionLoadsBackUnchanged) {
    Logic& logic = Open();
    Select(logic, 2, 1);
    const std::string out = sim_.Dir().InternalPath("round.png");
    sim_.Ui().AnswerNextSaveFile(out);
    logic.RunMenuChoice(Logic::kSaveSelection, TileAttributes());
    BitmapData picture;
    ASSERT_TRUE(LoadImageFileGuarded(out, picture));
    sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
    LoadIntoSelection(logic, picture, {true});
    EXPECT_EQ(questions_.size(), 1u); // the confirmation, and no offers
    EXPECT_FALSE(fs::Exists(CachePath(Earth(1, 0, 0))));
    EXPECT_FALSE(fs::Exists(CachePath(Earth(1, 1, 0))));
    EXPECT_EQ(sim_.Ui().Messages(), std::vector<std::string>{"Image added"});
}

} // namespace
} // namespace pf::test
