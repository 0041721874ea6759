#pragma once
// What the tile list editor's tests share: a sandboxed simulator with an Earth archive, a
// base at (0, 0) where level-1 tiles are 64 x 64 view pixels (view pixel 256 is longitude
// and latitude 0), an editor opened on it as its dialog does, and cache files.
#include "app/logic/add_tiles_logic.h"
#include "document/base_document.h"
#include "platform/fs.h"
#include "support/planet_archive_files.h"
#include "support/simulator_sandbox.h"
#include "support/tile_test_images.h"
#include "tiles/tile_texture_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace pf::test {

// Counts the views the logic asked the dialog to paint.
struct RecordingTilesView : AddTilesView {
    int views = 0;
    void PaintView() override { ++views; }
};

class AddTilesTest : public ::testing::Test {
  protected:
    AddTilesTest() {
        TileTextureCache::Clear();
        document_.SetName("Port Alpha");
        document_.SetBody(AstrelBody("Earth", 6371010.0, 5.973698968e24));
        document_.SetPosition(LatLon(0.0, 0.0));
        WriteArchive(true);
    }
    ~AddTilesTest() override {
        logic_.reset();
        TileTextureCache::Clear();
    }

    // Without the archive, the tiles decoded from it earlier go too.
    void WriteArchive(bool present) {
        const std::string path = sim_.SimNative("Textures/Earth.tex");
        if (present) {
            WriteNativeFile(path, MakeArchiveBytes(4));
        } else {
            fs::RemoveFile(path);
            std::filesystem::remove_all(fs::ToNative(sim_.CacheFolder() + "Body"));
        }
    }
    AddTilesLogic& Open() {
        logic_ = std::make_unique<AddTilesLogic>(&document_);
        logic_->SetView(&view_);
        logic_->OnInitDialog();
        return *logic_;
    }
    // Dialog client points of view pixels.
    static int X(int viewX) { return viewX + 150; }
    static int Y(int viewY) { return viewY + 10; }
    static TileAttributes Earth(int level, int x, int y) {
        return TileAttributes("Earth", level, x, y);
    }
    std::string CachePath(const TileAttributes& tile) const {
        return sim_.CacheFolder() + tile.GetPngFileName();
    }
    // Quarters north-west, north-east, south-west, south-east.
    void Cache(const TileAttributes& tile, const ColorRGBA (&quarters)[4]) {
        WriteNativeFile(fs::ToNative(CachePath(tile)), QuartersPng(512, quarters));
    }
    void Cache(const TileAttributes& tile, ColorRGBA colour = ColorRGBA(10, 20, 30, 255)) {
        Cache(tile, {colour, colour, colour, colour});
    }
    static ColorRGB At(const BitmapData& image, int x, int y) {
        const uint8_t* p = image.PixelAddress(x, y);
        return ColorRGB(p[0], p[1], p[2]);
    }
    static void Drag(AddTilesLogic& logic, int x0, int y0, int x1, int y1) {
        logic.OnLButtonDown(X(x0), Y(y0));
        logic.OnSelectionButtonUp(X(x1), Y(y1));
    }
    // What the person was shown since the last call, one "kind: text (caption)" a line.
    std::string Shown() {
        std::string shown;
        for (const auto& call : sim_.Ui().Calls()) {
            shown += call.kind + ": " + call.text;
            shown += call.caption.empty() ? "\n" : " (" + call.caption + ")\n";
        }
        sim_.Ui().Clear();
        return shown;
    }

    SimulatorSandbox sim_;
    BaseDocument document_;
    RecordingTilesView view_;
    std::unique_ptr<AddTilesLogic> logic_;
};

} // namespace pf::test
