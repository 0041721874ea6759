#include "tiles/tile_attributes.h"

#include <algorithm>
#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstdio>

namespace pf {

namespace {

// Converts an index computed in double to int32 without undefined behaviour: values
// beyond the type are held at its ends, NaN gives 0.
int32_t ClampedIndex(double value) {
    if (!(value == value)) {
        return 0;
    }
    value = std::clamp(value, static_cast<double>(INT32_MIN) + 1.0, static_cast<double>(INT32_MAX));
    return static_cast<int32_t>(value);
}

int32_t IndexFromDegrees(double degrees, double tilesPerDegree) {
    int32_t index = ClampedIndex(std::trunc(degrees * tilesPerDegree));
    // Strictly negative values step one further, even on an exact tile edge.
    if (degrees < 0.0) {
        --index;
    }
    return index;
}

std::string IndexText(char positive, char negative, int32_t value) {
    // Negated in 64 bits: INT32_MIN has no 32-bit negation.
    const int64_t wide = value;
    char text[32];
    std::snprintf(text, sizeof text, "%c%.4" PRId64, wide >= 0 ? positive : negative,
                  wide >= 0 ? wide : -wide);
    return text;
}

} // namespace

TileAttributes TileAttributes::FromPosition(const std::string& body, int32_t level,
                                            const LatLon& position) {
    // 2.8444... = 512 / 180, so f is the number of tiles per degree.
    const double f = std::ldexp(1.0, level) * 0.5 * 2.8444444444444446;
    return TileAttributes(body, level, IndexFromDegrees(position.GetLongitude(), f),
                          IndexFromDegrees(position.GetLatitude(), f));
}

double TileAttributes::GetEdge() const { return 0.3515625 / (std::ldexp(1.0, level_) * 0.5); }

bool TileAttributes::IsInRange() const {
    const double edge = GetEdge();
    return std::fabs(x_ * edge) <= 180.0 && std::fabs(y_ * edge) <= 180.0;
}

LatLonRect TileAttributes::GetLatLonRect() const {
    const double edge = GetEdge();
    const double x = x_;
    const double y = y_;
    LatLon northWest(0.0, 0.0);
    northWest.SetLongitude(x * edge);
    northWest.SetLatitude((y + 1.0) * edge);
    LatLon southEast(0.0, 0.0);
    southEast.SetLongitude((x + 1.0) * edge);
    southEast.SetLatitude(y * edge);
    LatLonRect rect;
    rect.northWest = northWest;
    rect.southEast = southEast;
    return rect;
}

LatLon TileAttributes::GetCenter() const { return GetLatLonRect().GetCenter(); }

std::string TileAttributes::GetName() const {
    return body_ + "_" + std::to_string(level_) + "_" + IndexText('E', 'W', x_) + "_" +
           IndexText('N', 'S', y_);
}

// Children at the next level; indices wrap like the stored 32-bit fields would.
namespace {
int32_t Twice(int32_t v, int32_t plus) {
    return static_cast<int32_t>(static_cast<uint32_t>(v) * 2u + static_cast<uint32_t>(plus));
}
int32_t NextLevel(int32_t level) { return static_cast<int32_t>(static_cast<uint32_t>(level) + 1u); }
} // namespace

TileAttributes TileAttributes::ChildNorthWest() const {
    return TileAttributes(body_, NextLevel(level_), Twice(x_, 0), Twice(y_, 1));
}
TileAttributes TileAttributes::ChildNorthEast() const {
    return TileAttributes(body_, NextLevel(level_), Twice(x_, 1), Twice(y_, 1));
}
TileAttributes TileAttributes::ChildSouthWest() const {
    return TileAttributes(body_, NextLevel(level_), Twice(x_, 0), Twice(y_, 0));
}
TileAttributes TileAttributes::ChildSouthEast() const {
    return TileAttributes(body_, NextLevel(level_), Twice(x_, 1), Twice(y_, 0));
}

void TileArray::InsertAt(std::size_t index, const TileAttributes& tile) {
    index = std::min(index, tiles_.size());
    tiles_.insert(tiles_.begin() + static_cast<std::ptrdiff_t>(index), tile);
}

void TileArray::RemoveAt(std::size_t index, std::size_t count) {
    if (index >= tiles_.size()) {
        return;
    }
    count = std::min(count, tiles_.size() - index);
    const auto first = tiles_.begin() + static_cast<std::ptrdiff_t>(index);
    tiles_.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

std::size_t TileArray::SortedIndex(const TileAttributes& tile) const {
    // Tiles mostly come in order: the common case costs no walk.
    if (tiles_.empty() || tiles_.back().ComesBefore(tile)) {
        return tiles_.size();
    }
    std::size_t i = 0;
    const std::size_t n = tiles_.size();
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
    return i;
}

void TileArray::AddSorted(const TileAttributes& tile) {
    const std::size_t i = SortedIndex(tile);
    if (i < tiles_.size() && tiles_[i].SamePlace(tile)) {
        return;
    }
    InsertAt(i, tile);
}

bool TileArray::IsSorted() const {
    for (std::size_t i = 1; i < tiles_.size(); ++i) {
        const TileAttributes& a = tiles_[i - 1];
        const TileAttributes& b = tiles_[i];
        if (a.GetLevel() != b.GetLevel()) {
            if (a.GetLevel() > b.GetLevel()) {
                return false;
            }
        } else if (a.GetX() != b.GetX()) {
            if (a.GetX() > b.GetX()) {
                return false;
            }
        } else if (a.GetY() > b.GetY()) {
            return false;
        }
    }
    return true;
}

bool TileArray::Contains(const TileAttributes& tile) const {
    return std::any_of(tiles_.begin(), tiles_.end(),
                       [&](const TileAttributes& t) { return t.SamePlace(tile); });
}

} // namespace pf
