#include "document/base_document.h"

#include "foundation/failure.h"
#include "foundation/name_safety.h"
#include "tiles/tile_dds.h"

namespace pf {

bool BaseDocument::RenderTiles(DDSRendererUse& /*use*/, std::string folder) {
    needsLoading_ = true;
    const int count = GetTileCount();
    for (int i = 0; i < count; ++i) {
        if (TileProgress* progress = GetCurrentTileProgress()) {
            if (progress->IsCancelled()) {
                return false;
            }
            progress->SetProgress(i, count);
        }
        const TileAttributes tile = tiles_[static_cast<size_t>(i)];
        // The file name carries the body name: it must not lead out of the folder.
        if (!IsSafePathComponent(tile.GetDdsFileName())) {
            ShowFailureMessage("Couldn't render texture\r\n");
            continue;
        }
        if (!SaveTileDds(tile, folder)) {
            // A cancel that reached the writer ends the run; it is no failure of the tile.
            if (IsRenderingCancelled()) {
                return false;
            }
            ShowFailureMessage("Couldn't render texture\r\n");
        }
    }
    needsRendering_ = false;
    // The cleared flag must reach the own file; a failed save has shown its own box.
    SaveToDocuments();
    return true;
}

} // namespace pf
