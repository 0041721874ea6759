#include "add_tiles_fixture.h"

#include "workspace/settings.h"

namespace pf::test {
namespace {

using Logic = AddTilesLogic;

AstrelBody Body(const char* name) { return AstrelBody(name, 6371010.0, 5.973698968e24); }

TEST_F(AddTilesTest, ContextMenus) {
    const TileAttributes here = Earth(1, 0, 0); // under view point (300, 200)
    const struct {
        const char* body;
        bool listed;
        bool image;
        int level;
        StringArray options;
    } rows[] = {
        // Listed Earth tiles at levels 1 to 4 without an image can be downloaded too.
        {"Earth",
         true,
         false,
         1,
         {Logic::kDownloadAndAdd, Logic::kRemoveTile, Logic::kSaveTile, Logic::kLoadTile}},
        {"Earth",
         true,
         true,
         1,
         {Logic::kRemoveTile, Logic::kEditTile, Logic::kSaveTile, Logic::kLoadTile}},
        {"Earth",
         false,
         true,
         1,
         {Logic::kAddTile, Logic::kDeleteImage, Logic::kEditTile, Logic::kSaveTile,
          Logic::kLoadTile}},
        {"Earth", false, false, 1, {Logic::kDownloadAndAdd, Logic::kSaveTile, Logic::kLoadTile}},
        {"Earth", false, false, 5, {Logic::kSaveTile, Logic::kLoadTile}},
        {"Moon", true, false, 1, {Logic::kRemoveTile, Logic::kSaveTile, Logic::kLoadTile}},
    };
    for (const auto& row : rows) {
        BaseDocument held(document_);
        held.SetBody(Body(row.body));
        if (row.listed)
            held.AddTileSorted(TileAttributes(row.body, 1, 0, 0));
        fs::RemoveFile(CachePath(here));
        if (row.image)
            Cache(here);
        AddTilesLogic logic(&held);
        logic.OnBnClickedLevel(row.level);
        sim_.Ui().Clear();
        logic.OnRButtonUp(X(300), Y(200));
        ASSERT_EQ(sim_.Ui().MenuRequests().size(), 1u);
        const auto& menu = sim_.Ui().MenuRequests()[0];
        EXPECT_EQ(menu.options, row.options) << row.body << row.listed << row.image << row.level;
        EXPECT_EQ(menu.title + std::to_string(menu.x), std::to_string(X(300)));
    }
    // Outside the view nothing is offered; a one-tile selection gives the tile's menu.
    Logic& logic = Open();
    sim_.Ui().Clear();
    logic.OnRButtonUp(X(520), Y(200));
    EXPECT_TRUE(sim_.Ui().MenuRequests().empty());
    Drag(logic, 260, 200, 300, 240);
    logic.OnRButtonUp(X(300), Y(220));
    ASSERT_EQ(sim_.Ui().MenuRequests().size(), 1u);
    EXPECT_EQ(sim_.Ui().MenuRequests()[0].options.back(), Logic::kLoadTile);
}

TEST_F(AddTilesTest, AddingRefusedInOrder) {
    const char* needImage = "message: Need to insert image before it can be added to the "
                            "base.\r\nRight-click to add an image from your computer. "
                            "(Notification)\n";
    const struct {
        const char* body;
        int level;
        bool zoomOut;
        const char* shown;
    } rows[] = {
        {"Moon", 1, false, needImage},
        {"earth", 1, false, needImage}, // the download takes "Earth" only
        {"Earth", 1, true,
         "message: Sorry. You need to zoom in to download image.\r\n(Use \"+\" button to zoom "
         "in) (Notification)\n"},
        {"Earth", 5, false,
         "message: Sorry, tile images can't be downloaded at this level.\r\nRight-click to add "
         "an image from your computer. (Sorry)\n"},
    };
    for (const auto& row : rows) {
        BaseDocument held(document_);
        held.SetBody(Body(row.body));
        AddTilesLogic logic(&held);
        logic.OnBnClickedLevel(row.level);
        if (row.zoomOut)
            logic.OnBnClickedZoomOut();
        Shown();
        sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
        logic.OnLButtonDblClk(X(300), Y(200));
        EXPECT_EQ(sim_.Ui().Calls().back().buttons, MessageButtons::Ok);
        EXPECT_EQ(Shown(), row.shown);
        EXPECT_TRUE(logic.GetTileList().IsEmpty());
    }
}

TEST_F(AddTilesTest, RemoveDeleteAndEdit) {
    // A listed tile without an image goes with a double-click.
    document_.AddTileSorted(Earth(1, 0, 0));
    Logic& logic = Open();
    logic.OnLButtonDblClk(X(300), Y(200));
    EXPECT_TRUE(logic.GetTileList().IsEmpty());

    // Deleting an image takes the tile out of the document, not out of the editor's list.
    const TileAttributes held = Earth(1, 1, 0);
    document_.AddTileSorted(held);
    document_.SetNeedsRendering(false);
    Cache(held);
    logic.AddTileToBase(held);
    logic.DeleteAvailableImage(held);
    EXPECT_FALSE(document_.HasTile(held));
    EXPECT_TRUE(document_.GetNeedsRendering());
    EXPECT_FALSE(fs::Exists(CachePath(held)));
    EXPECT_TRUE(logic.IsTileInList(held));

    // The image editor gets the cache file's path as one argument, blanks and quotes and
    // all; a tile without an image first gets one from the background, if there is one.
    WriteRegistryValue("Documents Path", sim_.Dir().InternalPath("My \"Docs\"\\"));
    const std::string editor = sim_.Dir().InternalPath("Edit Dir\\");
    const TileAttributes tile = Earth(1, 2, 0);
    const struct {
        bool image;
        bool archive;
    } rows[] = {{true, false}, {false, true}, {false, false}};
    for (const auto& row : rows) {
        SetImageEditor(editor, "paint.exe");
        fs::RemoveFile(CachePath(tile));
        if (row.image)
            Cache(tile);
        WriteArchive(row.archive);
        Logic& edit = Open();
        Shown();
        if (!row.archive && !row.image)
            sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
        edit.EditTileInImageEditor(tile);
        EXPECT_TRUE(edit.GetEditedTiles().Contains(tile));
        if (!row.archive && !row.image) {
            EXPECT_EQ(Shown(), "message: Failure loading tile image from .tex file (Error)\n");
            continue;
        }
        ASSERT_EQ(sim_.Ui().Runs().size(), 1u);
        const auto& run = sim_.Ui().Runs()[0];
        EXPECT_EQ(run.program, editor + "paint.exe");
        EXPECT_EQ(run.args, std::vector<std::string>{fs::ToNative(CachePath(tile))});
        EXPECT_NE(run.args[0].find("My \"Docs\"/cache/"), std::string::npos);
        EXPECT_EQ(run.working_folder, editor);
    }
    // Without an editor the desktop's program opens the file.
    SetImageEditor("", "");
    Cache(tile);
    logic_->EditTileInImageEditor(tile);
    EXPECT_EQ(Shown(), "open document: " + CachePath(tile) + "\n");
}

} // namespace
} // namespace pf::test
