#include "document/base_imaging.h"

#include "document/base_document.h"
#include "foundation/failure.h"
#include "imagery/drawing.h"
#include "imagery/geo_map.h"
#include "imagery/texture_codec.h"
#include "objects/astrel_object.h"
#include "tiles/planet_archive.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"

#include <algorithm>
#include <cmath>

namespace pf {

namespace {

bool IsEmptyMap(const GeoMap& map) {
    const BitmapData* image = map.GetImage();
    return image == nullptr || image->Width() == 0 || image->Height() == 0;
}

bool Is24BitMap(const GeoMap& map) {
    return map.GetImage()->BitsPerPixel() == 24 && map.GetImage()->HasPixels() &&
           map.GetRect() != nullptr;
}

} // namespace

bool BaseImaging::DrawObjects(GeoMap& map, const ObjectArray* objects,
                              const ObjectPtrArray* pointers, int highlight) const {
    if (IsEmptyMap(map)) {
        return true;
    }
    if (!Is24BitMap(map)) {
        return ShowFailureMessage("Wrong bits per pixel in BaseImaging::drawObjectsOnMap\r\n");
    }
    auto draw = [&](const AstrelObject* holder) {
        if (holder != nullptr && holder->Get() != nullptr) {
            holder->Get()->DrawOnMap(document_, map, highlight);
        }
    };
    if (objects != nullptr) {
        for (const AstrelObject& holder : *objects) {
            draw(&holder);
        }
    } else {
        for (const AstrelObject* holder : *pointers) {
            draw(holder);
        }
    }
    return true;
}

bool BaseImaging::drawObjectsOnMap(GeoMap& map, const ObjectArray& objects) const {
    return DrawObjects(map, &objects, nullptr, 0);
}

bool BaseImaging::drawObjectsOnMap(GeoMap& map, const ObjectPtrArray& objects) const {
    return DrawObjects(map, nullptr, &objects, 0);
}

bool BaseImaging::drawObjectsOnMapHighlighted(GeoMap& map, const ObjectArray& objects) const {
    return DrawObjects(map, &objects, nullptr, 1);
}

bool BaseImaging::drawObjectsOnMapHighlighted(GeoMap& map, const ObjectPtrArray& objects) const {
    return DrawObjects(map, nullptr, &objects, 1);
}

bool BaseImaging::drawBodyTextureOnMap(GeoMap& map) const {
    if (IsEmptyMap(map)) {
        return true;
    }
    if (!Is24BitMap(map)) {
        return false;
    }
    if (LoadTileMosaic(document_.GetBody().name, map)) {
        return true;
    }
    map.GetImage()->FillColor24(ColorRGB::FromRgb(16, 127, 31));
    return false;
}

bool BaseImaging::drawTilesOnMap(GeoMap& map, const TileArray& tiles) const {
    if (IsEmptyMap(map)) {
        return true;
    }
    if (!Is24BitMap(map)) {
        return false;
    }
    DDSRendererUse use;
    const LatLonRect region = *map.GetRect();
    for (const TileAttributes& tile : tiles) {
        LatLonRect rect = tile.GetLatLonRect();
        if (!RegionsOverlap(rect, region) || IsTileCovered(region, tile, tiles)) {
            continue;
        }
        BitmapData texture;
        if (!TileTextureCache::GetTexture(tile, texture)) {
            continue;
        }
        map.Project(GeoMap(&texture, &rect));
    }
    return true;
}

bool BaseImaging::RegionsOverlap(const LatLonRect& tile, const LatLonRect& map) {
    if (tile.GetWidth() / map.GetWidth() < 0.01 || tile.GetHeight() / map.GetHeight() < 0.01) {
        return false;
    }
    if (tile.East() <= map.West() || tile.West() >= map.East() || tile.South() >= map.North()) {
        return false;
    }
    return tile.North() > map.South();
}

bool BaseImaging::IsTileCovered(const LatLonRect& region, const TileAttributes& tile,
                                const TileArray& tiles) {
    const LatLonRect rect = tile.GetLatLonRect();
    if (rect.East() <= region.West() || rect.West() >= region.East()) {
        return true;
    }
    if (rect.North() <= region.South() || rect.South() >= region.North()) {
        return true;
    }
    if (tile.GetLevel() >= 9 || rect.GetWidth() < 0.01 * region.GetWidth() ||
        rect.GetHeight() < 0.01 * region.GetHeight()) {
        return false;
    }
    const bool anyFiner = std::any_of(tiles.begin(), tiles.end(), [&](const TileAttributes& t) {
        return t.GetLevel() > tile.GetLevel();
    });
    if (!anyFiner) {
        return false;
    }
    const TileAttributes children[] = {tile.ChildNorthWest(), tile.ChildNorthEast(),
                                       tile.ChildSouthWest(), tile.ChildSouthEast()};
    for (const TileAttributes& child : children) {
        if (!tiles.Contains(child) && !IsTileCovered(region, child, tiles)) {
            return false;
        }
    }
    return true;
}

bool BaseImaging::GetMapRegion(LatLonRect& out, double zoom, double longitudeOffset,
                               double latitudeOffset, int width, int height) const {
    const AstrelBody& body = document_.GetBody();
    if (width <= 0 || height <= 0 || !(body.radius > 0.0) || !std::isfinite(body.radius)) {
        return false;
    }
    const LatLon& position = document_.GetPosition();
    const double d = 19546.0138788546 * body.radius / 6371010.0;
    const double scale = std::pow(2.0, zoom - 1.0);
    const double halfHeight = 256.0 * d / body.GetMetresPerDegree() / scale;
    double halfWidth = 256.0 * (static_cast<double>(width) / height) * d /
                       body.GetMetresPerDegreeLongitude(position.GetLatitude()) / scale;
    if (!std::isfinite(halfWidth) || halfWidth > 180.0) {
        halfWidth = 180.0;
    }
    const double west = position.GetLongitude() - halfWidth + longitudeOffset;
    const double east = position.GetLongitude() + halfWidth + longitudeOffset;
    const double north =
        std::clamp(position.GetLatitude() + halfHeight + latitudeOffset, -90.0, 90.0);
    const double south =
        std::clamp(position.GetLatitude() - halfHeight + latitudeOffset, -90.0, 90.0);
    if (!(north > south) || !std::isfinite(west) || !std::isfinite(east)) {
        return false;
    }
    out.Set(west, north, east, south);
    return true;
}

bool DrawMarkerAtLatLon(GeoMap& map, const LatLon& position, const ColorRGB& colour) {
    if (map.GetImage() == nullptr || map.GetRect() == nullptr) {
        return false;
    }
    BitmapData& image = *map.GetImage();
    const LatLonRect& rect = *map.GetRect();
    const double x =
        (position.GetLongitude() - rect.West()) / rect.GetWidth() * image.Width() + 0.5;
    const double y =
        (rect.North() - position.GetLatitude()) / rect.GetHeight() * image.Height() + 0.5;
    // Far-off positions cannot become pixel numbers; nothing of them would show anyway.
    if (!(std::fabs(x) < 1e9) || !(std::fabs(y) < 1e9)) {
        return false;
    }
    return DrawMarker(image, static_cast<int>(x), static_cast<int>(y), colour);
}

} // namespace pf
