#include "document/base_document.h"

namespace pf {

BaseDocument::BaseDocument() : position_(0.0, 0.0) {}

bool BaseDocument::SetName(const std::string& name) {
    name_ = name;
    return true;
}

bool BaseDocument::SetFileName(const std::string& fileName) {
    fileName_ = fileName;
    return true;
}

bool BaseDocument::AddTileSorted(const TileAttributes& tile) {
    needsRendering_ = true;
    std::size_t i = 0;
    const std::size_t n = tiles_.GetCount();
    if (n > 0 && tiles_[n - 1].ComesBefore(tile)) {
        tiles_.InsertAt(n, tile); // tiles mostly come in order
        return true;
    }
    while (i < n && tiles_[i].GetLevel() < tile.GetLevel()) {
        ++i;
    }
    while (i < n && tiles_[i].GetLevel() == tile.GetLevel() && tiles_[i].GetX() < tile.GetX()) {
        ++i;
    }
    while (i < n && tiles_[i].GetLevel() == tile.GetLevel() && tiles_[i].GetX() == tile.GetX() &&
           tiles_[i].GetY() < tile.GetY()) {
        ++i;
    }
    tiles_.InsertAt(i, tile);
    return true;
}

} // namespace pf
