#include "document/base_document.h"

#include "foundation/text.h"

#include <cmath>

namespace pf {

namespace {

// Metres per degree near a pole, or of a body without a radius, are no divisor.
double DegreesOf(double metres, double metresPerDegree) {
    if (!std::isfinite(metresPerDegree) || !(metresPerDegree > 1e-9)) {
        return 0.0;
    }
    return metres / metresPerDegree;
}

} // namespace

bool BaseDocument::GetTiles(TileArray& target) const {
    target.RemoveAll();
    for (const TileAttributes& tile : tiles_) {
        target.Add(tile);
    }
    return true;
}

bool BaseDocument::SetTiles(TileArray tiles) {
    if (!needsRendering_ && tiles.GetCount() == tiles_.GetCount()) {
        bool same = true;
        for (size_t i = 0; same && i < tiles.GetCount(); ++i) {
            same = tiles[i].GetName() == tiles_[i].GetName();
        }
        if (same) {
            return true;
        }
    }
    needsRendering_ = true;
    tiles_.RemoveAll();
    for (const TileAttributes& tile : tiles) {
        AddTileSorted(tile);
    }
    return true;
}

bool BaseDocument::GetTileAt(int index, TileAttributes& out) const {
    if (index < 0 || index >= GetTileCount()) {
        return false;
    }
    out = tiles_[static_cast<size_t>(index)];
    return true;
}

bool BaseDocument::HasTile(TileAttributes tile) const {
    for (const TileAttributes& held : tiles_) {
        if (held.SamePlace(tile)) {
            return true;
        }
    }
    return false;
}

bool BaseDocument::RemoveTile(const TileAttributes& tile) {
    for (size_t i = 0; i < tiles_.GetCount(); ++i) {
        if (tiles_[i].SamePlace(tile) && CStringEqualsNoCase(tiles_[i].GetBody(), tile.GetBody())) {
            tiles_.RemoveAt(i);
            needsRendering_ = true;
            return true;
        }
    }
    return false;
}

LatLon BaseDocument::GetDegreeOffset(Point3 point) const {
    // Explicitly (0, 0): a default LatLon is (-1, -1).
    LatLon offset(0.0, 0.0);
    offset.AddLongitude(
        DegreesOf(point.x, body_.GetMetresPerDegreeLongitude(position_.GetLatitude())));
    offset.AddLatitude(DegreesOf(point.y, body_.GetMetresPerDegree()));
    return offset;
}

} // namespace pf
