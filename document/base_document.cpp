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
    tiles_.InsertAt(tiles_.SortedIndex(tile), tile);
    return true;
}

} // namespace pf
