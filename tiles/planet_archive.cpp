#include "tiles/planet_archive.h"

#include "foundation/failure.h"
#include "foundation/name_safety.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "imagery/bitmap_data.h"
#include "imagery/color_convert.h"
#include "imagery/geo_map.h"
#include "imagery/jpeg_file.h"
#include "imagery/resample.h"
#include "imagery/text_render.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pf {

namespace {

struct LevelGrid {
    std::vector<int> columns; // per band
    int64_t tiles = 0;
    int64_t offset = 0;
};

// Columns of levels 5-7 by band; levels 4 and 8 on double the level above band by band,
// and past level 7's listed bands its "otherwise" value applies.
int BaseColumns(int level, int band) {
    if (level < 3) {
        return 1;
    }
    if (level == 3) {
        return 2;
    }
    if (level == 5) {
        return (band == 0 || band == 2) ? 4 : 8;
    }
    if (level == 6) {
        switch (band) {
        case 0:
        case 4:
            return 6;
        case 1:
        case 5:
            return 12;
        default:
            return 16;
        }
    }
    if (level == 7) {
        static constexpr int kFirst[] = {6, 12, 18, 24, 28, 30};
        if (band >= 0 && band < 16 && band % 8 < 6) {
            return kFirst[band % 8];
        }
        return 32;
    }
    return 2 * BaseColumns(level - 1, band); // level 4 and 8 on
}

// The whole grid, built once: the one place every archive number comes from.
const std::array<LevelGrid, kArchiveMaxLevel + 1>& Grid() {
    static const std::array<LevelGrid, kArchiveMaxLevel + 1> grid = [] {
        std::array<LevelGrid, kArchiveMaxLevel + 1> g{};
        int64_t offset = 0;
        for (int level = 0; level <= kArchiveMaxLevel; ++level) {
            const int bands = level < 4 ? 1 : (1 << (level - 3));
            LevelGrid& entry = g[static_cast<size_t>(level)];
            entry.columns.resize(static_cast<size_t>(bands));
            for (int b = 0; b < bands; ++b) {
                entry.columns[static_cast<size_t>(b)] = BaseColumns(level, b);
                entry.tiles += entry.columns[static_cast<size_t>(b)];
            }
            entry.offset = offset;
            offset += entry.tiles * ArchiveTileBytes(level);
        }
        return g;
    }();
    return grid;
}

bool ValidLevel(int level) { return level >= 0 && level <= kArchiveMaxLevel; }

bool LevelPresent(uint64_t fileLength, int level) {
    const int64_t end =
        ArchiveLevelOffset(level) + ArchiveTilesInLevel(level) * ArchiveTileBytes(level);
    return fileLength >= static_cast<uint64_t>(end);
}

// Reads one tile's bytes from the open archive and decodes them into a 24-bit image.
bool ReadArchiveTile(FileStream& file, int level, int64_t tile, BitmapData& image) {
    const int64_t size = ArchiveTileBytes(level);
    const int64_t at = ArchiveLevelOffset(level) + tile * size;
    if (tile < 0 || static_cast<uint64_t>(at + size) > file.GetLength()) {
        return false;
    }
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    file.Seek(at, SeekOrigin::Begin);
    if (!file.Read(bytes.data(), static_cast<uint32_t>(size))) {
        return false;
    }
    MemStream memory;
    if (!memory.Write(bytes.data(), static_cast<uint32_t>(size))) {
        return false;
    }
    memory.SeekToBegin();
    BitmapData decoded;
    if (!DecodeArchiveTile(memory, decoded) || !ConvertTo24Bit(decoded)) {
        return false;
    }
    image.Swap(decoded);
    return true;
}

LatLonRect WholeBody() {
    LatLonRect rect;
    rect.Set(-180.0, 90.0, 180.0, -90.0);
    return rect;
}

} // namespace

int ArchiveBandCount(int level) {
    return ValidLevel(level) ? static_cast<int>(Grid()[static_cast<size_t>(level)].columns.size())
                             : 0;
}

int ArchiveColumnsInBand(int level, int band) {
    if (!ValidLevel(level)) {
        return 0;
    }
    const std::vector<int>& columns = Grid()[static_cast<size_t>(level)].columns;
    return band >= 0 && band < static_cast<int>(columns.size()) ? columns[static_cast<size_t>(band)]
                                                                : 0;
}

int64_t ArchiveTilesInLevel(int level) {
    return ValidLevel(level) ? Grid()[static_cast<size_t>(level)].tiles : 0;
}

int64_t ArchiveTileBytes(int level) {
    if (!ValidLevel(level)) {
        return 0;
    }
    if (level == 0) {
        return 128 + 64 * 64 / 2;
    }
    if (level == 1) {
        return 128 + 128 * 128 / 2;
    }
    return 128 + 256 * 256 / 2;
}

int64_t ArchiveLevelOffset(int level) {
    return ValidLevel(level) ? Grid()[static_cast<size_t>(level)].offset : 0;
}

int ArchiveBandOfTile(int level, int64_t tile) {
    const int bands = ArchiveBandCount(level);
    for (int b = 0; b < bands; ++b) {
        const int columns = ArchiveColumnsInBand(level, b);
        if (tile < columns) {
            return b;
        }
        tile -= columns;
    }
    return bands > 0 ? bands - 1 : 0;
}

int64_t ArchiveColumnOfTile(int level, int64_t tile) {
    const int bands = ArchiveBandCount(level);
    for (int b = 0; b < bands; ++b) {
        const int columns = ArchiveColumnsInBand(level, b);
        if (tile < columns || b == bands - 1) {
            return tile;
        }
        tile -= columns;
    }
    return tile;
}

bool ArchiveIsSouthernTile(int level, int64_t tile) {
    if (ArchiveTilesInLevel(level) < 3) {
        return false;
    }
    return ArchiveBandOfTile(level, tile) >= ArchiveBandCount(level) / 2;
}

double ArchiveDegreesPerPixel(int level) {
    const int bands = ArchiveBandCount(level);
    return bands > 0 ? 180.0 / (bands * 256.0) : 0.0;
}

LatLonRect GetTileLatLonRect(int64_t tile, int level) {
    LatLonRect rect = WholeBody();
    if (!ValidLevel(level) || level < 3) {
        return rect;
    }
    if (level == 3) {
        rect.Set(tile == 0 ? -180.0 : 0.0, 90.0, tile == 0 ? 0.0 : 180.0, -90.0);
        return rect;
    }
    const int bands = ArchiveBandCount(level);
    const int band = ArchiveBandOfTile(level, tile);
    const double column = static_cast<double>(ArchiveColumnOfTile(level, tile));
    const double dLon = 360.0 / ArchiveColumnsInBand(level, band);
    const double dLat = 180.0 / bands;
    double west = 0.0;
    double north = 0.0;
    if (!ArchiveIsSouthernTile(level, tile)) {
        west = column * dLon - 180.0;
        north = 90.0 - band * dLat;
    } else {
        const int southBand = band - bands / 2;
        west = (180.0 - dLon) - column * dLon;
        north = (dLat - 90.0) + southBand * dLat;
    }
    const double east = std::clamp(west + dLon, -180.0, 180.0);
    west = std::clamp(west, -180.0, 180.0);
    rect.Set(west, north, east, north - dLat);
    return rect;
}

void GetTilesOverlapping(std::vector<int64_t>& out, const LatLonRect& rect, int level) {
    out.clear();
    const int64_t tiles = ArchiveTilesInLevel(level);
    if (tiles == 1) {
        out.push_back(0);
        return;
    }
    for (int64_t t = 0; t < tiles; ++t) {
        if (GetTileLatLonRect(t, level).Overlaps(rect)) {
            out.push_back(t);
        }
    }
}

bool GetTexArchivePath(const std::string& body, std::string& path) {
    std::string folder;
    if (!IsSafePathComponent(body) || !FileManager::GetTexturesDir(folder)) {
        return false;
    }
    path = folder + body + ".tex";
    return true;
}

bool GetDdsTexturePath(const std::string& body, std::string& path) {
    std::string folder;
    if (!IsSafePathComponent(body) || !FileManager::GetTexturesDir(folder)) {
        return false;
    }
    path = folder + body + ".dds";
    return true;
}

bool DecodeArchiveTile(MyStream& stream, BitmapData& image) {
    DDSRendererUse use;
    try {
        return DDSRenderer::LoadImageStream(stream, image);
    } catch (...) {
        return false;
    }
}

bool getFromTexFile(const std::string& path, BitmapData& image, int level) {
    for (;; --level) {
        if (level < 0) {
            return false;
        }
        if (!image.HasPixels()) {
            return ShowFailureMessage("NULL bitmap given to getFromTexFile\r\n");
        }
        if (level > kArchiveMaxLevel) {
            return false;
        }
        AstrelFileStream file;
        if (!file.Open(path, kOpenRead)) {
            return false;
        }
        if (!LevelPresent(file.GetLength(), level)) {
            continue; // the deepest level present at or below the request
        }
        const int64_t tiles = ArchiveTilesInLevel(level);
        if (tiles == 1) {
            BitmapData tile;
            return ReadArchiveTile(file, level, 0, tile) && BitmapData::Resample24(image, tile);
        }
        LatLonRect bodyRect = WholeBody();
        GeoMap bodyMap(&image, &bodyRect);
        for (int64_t t = 0; t < tiles; ++t) {
            BitmapData tile;
            if (!ReadArchiveTile(file, level, t, tile)) {
                return false;
            }
            if (ArchiveIsSouthernTile(level, t) && !Rotate180_24(tile)) {
                return false;
            }
            LatLonRect tileRect = GetTileLatLonRect(t, level);
            if (!bodyMap.Project(GeoMap(&tile, &tileRect))) {
                return false;
            }
        }
        return true;
    }
}

bool GetBodyImage(const std::string& body, BitmapData& image, int level) {
    if (!image.HasPixels() && !image.Create24(1024, 1024)) {
        return false;
    }
    std::string path;
    if (GetTexArchivePath(body, path) && getFromTexFile(path, image, level)) {
        return true;
    }
    if (GetDdsTexturePath(body, path)) {
        BitmapData picture;
        if (LoadImageFileGuarded(path, picture) && ConvertTo24Bit(picture) &&
            BitmapData::Resample24(image, picture)) {
            return true;
        }
    }
    image.FillColor24(ColorRGB(0, 0, 0));
    DrawTextInBitmap(image, FormatString("No image available for %s", body.c_str()), 200,
                     ColorRGB(255, 255, 255), 10, image.Height() / 2, true);
    return false;
}

std::string GetBodyCacheFileName(const std::string& body, int level, int64_t tile) {
    return FormatString("%s_%d_%lld.jpg", body.c_str(), level, static_cast<long long>(tile));
}

namespace {

bool BodyCacheFilePath(const std::string& body, int level, int64_t tile, std::string& path) {
    std::string folder;
    if (!IsSafePathComponent(body) || !GetBodyCachePath(folder)) {
        return false;
    }
    path = folder + GetBodyCacheFileName(body, level, tile);
    return true;
}

} // namespace

bool SaveBodyCacheTile(const BitmapData& image, const std::string& body, int level, int64_t tile) {
    std::string path;
    return BodyCacheFilePath(body, level, tile, path) && SaveBitmapAsJpeg(image, path, 80);
}

bool LoadBodyCacheTile(BitmapData& image, const std::string& body, int level, int64_t tile) {
    std::string path;
    if (!BodyCacheFilePath(body, level, tile, path) || !fs::IsRegularFile(path)) {
        return false;
    }
    return LoadJpegToBitmap(path, image);
}

bool GetArchiveTile(GeoMap& map, const std::string& body, int level, int64_t tile) {
    std::string path;
    if (map.GetImage() == nullptr || map.GetRect() == nullptr || !GetTexArchivePath(body, path) ||
        !ValidLevel(level) || tile < 0 || tile >= ArchiveTilesInLevel(level)) {
        return false;
    }
    BitmapData& image = *map.GetImage();
    LatLonRect& rect = *map.GetRect();
    if (LoadBodyCacheTile(image, body, level, tile)) {
        rect = GetTileLatLonRect(tile, level);
        return true;
    }
    AstrelFileStream file;
    if (!file.Open(path, kOpenRead) || !LevelPresent(file.GetLength(), level)) {
        return false;
    }
    BitmapData result;
    if (ArchiveTilesInLevel(level) == 1) {
        file.Close();
        if (!result.Create24(256, 256) || !getFromTexFile(path, result, level)) {
            return false;
        }
    } else if (!ReadArchiveTile(file, level, tile, result) ||
               (ArchiveIsSouthernTile(level, tile) && !Rotate180_24(result))) {
        return false;
    }
    image.Swap(result);
    rect = GetTileLatLonRect(tile, level);
    // The cache only saves work; a tile that cannot be cached is still good.
    SaveBodyCacheTile(image, body, level, tile);
    return true;
}

bool ProjectArchiveTile(GeoMap& map, const std::string& body, int level, int64_t tile) {
    WorkMap work;
    GeoMap view = work.View();
    return GetArchiveTile(view, body, level, tile) && map.Project(view);
}

bool BuildArchiveMosaic(const std::string& body, GeoMap& map, int level) {
    if (map.GetRect() == nullptr) {
        return false;
    }
    for (;; --level) {
        if (!ValidLevel(level)) {
            return false;
        }
        std::vector<int64_t> tiles;
        GetTilesOverlapping(tiles, *map.GetRect(), level);
        bool stepDown = false;
        for (size_t i = 0; i < tiles.size(); ++i) {
            if (ProjectArchiveTile(map, body, level, tiles[i])) {
                continue;
            }
            if (level == 2) {
                BitmapData whole;
                if (!whole.Create24(256, 256) || !GetBodyImage(body, whole, 2)) {
                    return false;
                }
                LatLonRect bodyRect = WholeBody();
                return map.Project(GeoMap(&whole, &bodyRect));
            }
            if (i == 0) {
                stepDown = true;
                break;
            }
            // A later tile that fails leaves its part of the map as it was.
        }
        if (!stepDown) {
            return true;
        }
    }
}

int ChooseMosaicLevel(const GeoMap& map) {
    const double m = std::max(map.GetDegreesPerPixelX(), map.GetDegreesPerPixelY());
    int level = 3;
    while (level + 1 <= kArchiveMosaicMaxLevel && m <= ArchiveDegreesPerPixel(level + 1)) {
        ++level;
    }
    return level;
}

bool LoadTileMosaic(const std::string& body, GeoMap& map) {
    if (map.GetImage() == nullptr || map.GetRect() == nullptr) {
        return false;
    }
    return BuildArchiveMosaic(body, map, ChooseMosaicLevel(map));
}

bool LoadTileImageForMap(const std::string& body, GeoMap& map, int /*level*/) {
    if (map.GetImage() == nullptr || map.GetRect() == nullptr) {
        return false;
    }
    const BitmapData& image = *map.GetImage();
    const LatLonRect& rect = *map.GetRect();
    WorkMap work;
    if (!work.Image().Create(image.Width() * 2, image.Height() * 2, image.BitsPerPixel())) {
        return false;
    }
    const double halfWidth = rect.GetWidth() / 2.0;
    const double halfHeight = rect.GetHeight() / 2.0;
    work.Rect().Set(rect.West() - halfWidth, std::clamp(rect.North() + halfHeight, -90.0, 90.0),
                    rect.East() + halfWidth, std::clamp(rect.South() - halfHeight, -90.0, 90.0));
    GeoMap view = work.View();
    return LoadTileMosaic(body, view) && map.Project(view);
}

} // namespace pf
