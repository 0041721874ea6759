#include "document/logic/tile_progress_logic.h"

#include "document/base_document.h"

#include <utility>

namespace pf {

TileProgressLogic::TileProgressLogic(BaseDocument* document, std::string folder)
    : document_(document), folder_(std::move(folder)) {}

int TileProgressLogic::GetTileCount() const {
    return document_ != nullptr ? document_->GetTileCount() : 0;
}

bool TileProgressLogic::RunOnFirstTick() {
    if (!startPending_) {
        return false;
    }
    startPending_ = false;
    if (document_ == nullptr || cancelled_) {
        return false;
    }
    return document_->RenderTiles(use_, folder_) && !cancelled_;
}

} // namespace pf
