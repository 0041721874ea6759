#pragma once
// Writing a base's surface tiles as the simulator's DXT5 DDS textures, and what the
// rendering reports to the progress dialog that drives it.
#include "imagery/texture_codec.h"

#include <string>

namespace pf {

class BitmapData;
class TileAttributes;

// What the render loop and the DDS writer see of the progress dialog: its cancel flag,
// the progress bar and the preview of the tile being written.
class TileProgress : public DdsRenderMonitor {
  public:
    virtual void SetProgress(int done, int total) = 0;
};

// The one current progress dialog (or nullptr). It is the DDS writer's monitor, so the
// loop and the writer read the same pointer.
TileProgress* GetCurrentTileProgress();
// Makes progress current (nullptr: none) and returns the previous monitor's progress.
void SetCurrentTileProgress(TileProgress* progress);
// True when a current progress dialog was cancelled.
bool IsRenderingCancelled();

// folder + the tile's DDS file name: the tile's cached texture, turned by a half turn for
// tiles south of the equator, written as DXT5 with every mip level. A texture that cannot
// be loaded gives false without a message; a failed write "Could not save DDS file\r\n".
bool SaveTileDds(const TileAttributes& tile, const std::string& folder);

// Pixels of each bar row that are filled: int(done / (total + 1) x width + 0.5).
int ProgressBarFilled(int width, int done, int total);
// The bar picture: width x height at 24 bits, white, with the first filled pixels of every
// row pure blue; with frame, the bevel frame is drawn over it. False for an empty size.
bool MakeProgressBarImage(BitmapData& image, int width, int height, int done, int total,
                          bool frame = true);

} // namespace pf
