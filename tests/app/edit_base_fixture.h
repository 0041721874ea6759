#pragma once
// What the Edit Base tests share: a saved base "Port" on Earth in a sandbox with a fake
// simulator tree, runners that stand in for the nested dialogs, and the files to look at.
#include "app/logic/dialog_runners.h"
#include "app/logic/edit_base_logic.h"
#include "document/base_document_fixture.h"
#include "imagery/texture_codec.h"
#include "tiles/tile_texture_file.h"
#include "workspace/file_manager.h"

#include <filesystem>
#include <memory>

namespace pf::test {

class EditBaseSandbox : public DocumentSandbox {
  public:
    EditBaseSandbox() {
        base_ = BaseDocument("Port", "Earth", LatLon(-80.6, 28.5));
        base_.SetNeedsLoading(false);
        base_.SetNeedsRendering(false);
        base_.SaveToDocuments();
        runners_.tileProgress = [](BaseDocument& document, const std::string& folder) {
            DDSRendererUse use;
            return document.RenderTiles(use, folder);
        };
    }
    ~EditBaseSandbox() { TileTextureCache::Clear(); }

    // Two Earth tiles at level 14 whose pictures stand in the tile cache.
    void AddTiles() {
        BitmapData texture(512, 512, 32);
        texture.FillColor(0x336699);
        for (int x : {4000, 4001}) {
            const TileAttributes tile("Earth", 14, x, 2000);
            ASSERT_TRUE(TileTextureFile(tile, false).SetImage(texture));
            base_.AddTileSorted(tile);
        }
        base_.SetNeedsRendering(true);
    }
    EditBaseLogic& Logic() {
        logic_ = std::make_unique<EditBaseLogic>(base_, runners_);
        return *logic_;
    }
    std::string Sim(const std::string& relative) const { return sim_.SimNative(relative); }
    bool SimHas(const std::string& relative) const {
        return std::filesystem::exists(Sim(relative));
    }
    std::string OwnFile() const { return ReadNativeFile(Docs("Port.txt")); }
    // The files recorded for the base in FileManagerV2.dat as read back from disk.
    StringArray Recorded() const {
        FileManager record;
        record.Load();
        Astrel2010* installation = nullptr;
        BaseFileList files;
        if (record.FindOrCreateInstallation(sim_.Root(), installation)) {
            installation->GetBaseFiles(files, "Earth\\Base\\Port.cfg");
        }
        return files.files;
    }

    BaseDocument base_;
    DialogRunners runners_;
    std::unique_ptr<EditBaseLogic> logic_;
};

class EditBaseTest : public ::testing::Test, public EditBaseSandbox {
  protected:
    using EditBaseSandbox::Run;
};

} // namespace pf::test
