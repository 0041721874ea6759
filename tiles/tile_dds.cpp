#include "tiles/tile_dds.h"

#include "foundation/failure.h"
#include "imagery/bitmap_data.h"
#include "imagery/dds_file.h"
#include "imagery/drawing.h"
#include "imagery/resample.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"

namespace pf {

TileProgress* GetCurrentTileProgress() {
    return dynamic_cast<TileProgress*>(GetDdsRenderMonitor());
}

void SetCurrentTileProgress(TileProgress* progress) { SetDdsRenderMonitor(progress); }

bool IsRenderingCancelled() {
    const TileProgress* progress = GetCurrentTileProgress();
    return progress != nullptr && progress->IsCancelled();
}

bool SaveTileDds(const TileAttributes& tile, const std::string& folder) {
    const std::string path = folder + tile.GetDdsFileName();
    TileTextureFile file(tile, true);
    BitmapData texture;
    if (!file.IsLoaded() || !file.GetImage(texture)) {
        return false;
    }
    if (tile.GetY() < 0 && !Rotate180_32(texture)) {
        return false;
    }
    if (!DDSRenderer::RenderDDS(path, texture, kFourCcDxt5, true)) {
        // The writer refuses to start once the person cancelled: no failure to report.
        if (IsRenderingCancelled()) {
            return false;
        }
        return ShowFailureMessage("Could not save DDS file\r\n");
    }
    return true;
}

int ProgressBarFilled(int width, int done, int total) {
    return static_cast<int>(static_cast<double>(done) / (static_cast<double>(total) + 1.0) *
                                static_cast<double>(width) +
                            0.5);
}

bool MakeProgressBarImage(BitmapData& image, int width, int height, int done, int total,
                          bool frame) {
    BitmapData bar;
    if (!bar.Create24(width, height) || !bar.FillColor24(ColorRGB(255, 255, 255))) {
        return false;
    }
    const int filled = std::min(std::max(ProgressBarFilled(width, done, total), 0), width);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = bar.Row(y);
        for (int x = 0; x < filled; ++x) {
            row[3 * x] = 255;
            row[3 * x + 1] = 0;
            row[3 * x + 2] = 0;
        }
    }
    if (frame) {
        DrawBevelFrame(bar);
    }
    image.Swap(bar);
    return true;
}

} // namespace pf
