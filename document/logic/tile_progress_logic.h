#pragma once
// The display-free part of the "Rendering Tile DDS files" dialog: what it renders, its
// cancel and start flags, and what the first timer tick does.
#include "imagery/texture_codec.h"

#include <string>

namespace pf {

class BaseDocument;

class TileProgressLogic {
  public:
    static constexpr const char* kNotice =
        "Window will be unresponsive while tiles are rendering\r\nPlease be patient";

    // The document is not owned; the logic holds a renderer use for its whole life.
    TileProgressLogic(BaseDocument* document, std::string folder);

    int GetTileCount() const;
    bool IsCancelled() const { return cancelled_; }
    void Cancel() { cancelled_ = true; }
    bool IsStartPending() const { return startPending_; }

    // The first call renders every tile and answers true when the loop ran to its end
    // (the dialog then ends with OK); a cancelled run answers false, as do later calls.
    bool RunOnFirstTick();

  private:
    DDSRendererUse use_;
    BaseDocument* document_;
    std::string folder_;
    bool startPending_ = true;
    bool cancelled_ = false;
};

} // namespace pf
