#pragma once
// Surface tiles of the fixed angular grid: their names, geometry and sorted lists.
#include "foundation/lat_lon.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace pf {

class TileAttributes {
  public:
    TileAttributes() = default;
    explicit TileAttributes(std::string body) : body_(std::move(body)) {}
    TileAttributes(std::string body, int32_t level, int32_t x, int32_t y)
        : body_(std::move(body)), level_(level), x_(x), y_(y) {}

    // The tile of that body and level holding the position. Negative positions on a tile
    // edge land one tile further west (south), as the stored bases expect.
    static TileAttributes FromPosition(const std::string& body, int32_t level,
                                       const LatLon& position);

    const std::string& GetBody() const { return body_; }
    int32_t GetLevel() const { return level_; }
    int32_t GetX() const { return x_; }
    int32_t GetY() const { return y_; }
    void SetBody(const std::string& body) { body_ = body; }

    // Edge length of a tile at this level in degrees.
    double GetEdge() const;
    // Both indices within +-180 degrees (the latitude bound is 180 too).
    bool IsInRange() const;
    // Corners go through the checked setters: tiles past a pole report it.
    LatLonRect GetLatLonRect() const;
    LatLon GetCenter() const;

    // "Body_level_E0000_N0000": these names become the simulator's texture files.
    std::string GetName() const;
    std::string GetJpgFileName() const { return GetName() + ".jpg"; }
    std::string GetDdsFileName() const { return GetName() + ".dds"; }
    std::string GetPngFileName() const { return GetName() + ".png"; }
    std::string GetAlphaJpgFileName() const { return GetName() + "_a" + ".jpg"; }

    TileAttributes ChildNorthWest() const;
    TileAttributes ChildNorthEast() const;
    TileAttributes ChildSouthWest() const;
    TileAttributes ChildSouthEast() const;

    // Same level, x and y; the body takes no part.
    bool SamePlace(const TileAttributes& other) const {
        return level_ == other.level_ && x_ == other.x_ && y_ == other.y_;
    }
    // Before the other in the order of tile arrays: ascending level, then x, then y.
    bool ComesBefore(const TileAttributes& other) const {
        if (level_ != other.level_) {
            return level_ < other.level_;
        }
        return x_ != other.x_ ? x_ < other.x_ : y_ < other.y_;
    }

  private:
    std::string body_ = "XYZ";
    int32_t level_ = 0;
    int32_t x_ = 0;
    int32_t y_ = 0;
};

// Tiles held by value. AddSorted keeps ascending (level, x, y) order without
// duplicates; the plain operations leave order to the caller.
class TileArray {
  public:
    std::size_t GetCount() const { return tiles_.size(); }
    bool IsEmpty() const { return tiles_.empty(); }
    const TileAttributes& operator[](std::size_t index) const { return tiles_[index]; }
    TileAttributes& operator[](std::size_t index) { return tiles_[index]; }
    const TileAttributes& GetAt(std::size_t index) const { return tiles_.at(index); }

    void Add(const TileAttributes& tile) { tiles_.push_back(tile); }
    // Inserts before index; an index at or past the end appends.
    void InsertAt(std::size_t index, const TileAttributes& tile);
    // Removes count elements from index (clipped to the end); later ones move down.
    void RemoveAt(std::size_t index, std::size_t count = 1);
    void RemoveAll() { tiles_.clear(); }

    // Where the tile goes in ascending (level, x, y) order: before the first tile that is
    // not before it.
    std::size_t SortedIndex(const TileAttributes& tile) const;
    void AddSorted(const TileAttributes& tile);
    bool IsSorted() const;
    bool Contains(const TileAttributes& tile) const;

    std::vector<TileAttributes>::const_iterator begin() const { return tiles_.begin(); }
    std::vector<TileAttributes>::const_iterator end() const { return tiles_.end(); }

  private:
    std::vector<TileAttributes> tiles_;
};

} // namespace pf
