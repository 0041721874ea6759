#include "tiles/tile_texture_file.h"

#include "foundation/failure.h"
#include "foundation/file_helpers.h"
#include "foundation/name_safety.h"
#include "foundation/text.h"
#include "imagery/color_convert.h"
#include "imagery/geo_map.h"
#include "imagery/jpeg_file.h"
#include "imagery/resample.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "tiles/map_download.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <memory>
#include <vector>

namespace pf {

namespace {

bool IsTextureSize(const BitmapData& image) {
    return image.HasPixels() && image.Width() == TileTextureFile::kSize &&
           image.Height() == TileTextureFile::kSize;
}

// Stretches or shrinks a 32-bit image to the texture size.
bool ResampleToTextureSize(BitmapData& image) {
    BitmapData resized;
    if (!resized.Create(TileTextureFile::kSize, TileTextureFile::kSize, 32) ||
        !BitmapData::Resample32(resized, image)) {
        return false;
    }
    image.Swap(resized);
    return true;
}

std::vector<std::unique_ptr<TileTextureFile>>& Elements() {
    static std::vector<std::unique_ptr<TileTextureFile>> elements;
    return elements;
}

TileTextureFile* Find(const TileAttributes& tile) {
    for (const auto& element : Elements()) {
        if (element->GetTile().SamePlace(tile)) {
            return element.get();
        }
    }
    return nullptr;
}

} // namespace

bool SafeDeleteFilePath(const std::string& path) { return SafeDeleteFile(path); }

TileTextureFile::TileTextureFile(const TileAttributes& tile, bool load) : tile_(tile) {
    if (load) {
        loaded_ = Load();
        if (!loaded_) {
            image_.Create(kSize, kSize, 32); // zero-filled: transparent black
        }
    }
}

bool TileTextureFile::GetImage(BitmapData& out) const {
    if (!image_.HasPixels()) {
        return false;
    }
    return out.DeepCopy(image_);
}

bool TileTextureFile::CacheFilePath(const std::string& name, std::string& path, bool report) const {
    std::string folder;
    if (!IsSafePathComponent(tile_.GetBody()) || !::pf::GetCachePath(folder)) {
        return report ? ShowFailureMessage("Couldn't get cache path\r\n") : false;
    }
    path = folder + name;
    return true;
}

bool TileTextureFile::GetJpgCachePath(std::string& path) const {
    return CacheFilePath(tile_.GetJpgFileName(), path, true);
}

bool TileTextureFile::GetAlphaJpgCachePath(std::string& path) const {
    return CacheFilePath(tile_.GetAlphaJpgFileName(), path, true);
}

bool TileTextureFile::GetCachePath(std::string& path) const {
    return CacheFilePath(tile_.GetPngFileName(), path, true);
}

void TileTextureFile::SetAsideBadJpeg(const std::string& path) {
    // Kept for the person to look at, out of the way of the next load.
    const std::string bad = path + ".bad";
    if (fs::Rename(path, bad)) {
        ShowFailureMessage(FormatString("Couldn't read tile image %s, it was renamed to %s\r\n",
                                        fs::ToNative(path).c_str(), fs::ToNative(bad).c_str()));
    }
}

bool TileTextureFile::Load() {
    std::string jpg;
    if (!GetJpgCachePath(jpg)) {
        return loaded_ = false;
    }
    if (fs::Exists(jpg)) {
        if (LoadFromJpeg(jpg)) {
            // The ".png" is written before the JPEGs go, so a failed write loses nothing;
            // until then the JPEG's picture is the texture.
            if (!SaveToCache()) {
                return loaded_ = true;
            }
            DeleteCachedJpegs();
            TileTextureCache::Remove(tile_);
        } else {
            SetAsideBadJpeg(jpg);
        }
    }
    std::string png;
    if (!GetCachePath(png)) {
        return loaded_ = false;
    }
    return loaded_ = LoadFromPng(png);
}

bool TileTextureFile::LoadFromJpeg(const std::string& path) {
    loaded_ = false;
    if (!fs::Exists(path)) {
        return false;
    }
    BitmapData colour;
    if (!LoadJpegToBitmap(path, colour) || !ConvertTo32Bit(colour)) {
        return false;
    }
    if (!IsTextureSize(colour)) {
        ShowFailureMessage("Loaded tile texture from jpeg that wasn't 512X512\r\n");
        if (!ResampleToTextureSize(colour)) {
            return false;
        }
    }
    image_.Swap(colour);
    loaded_ = true;

    std::string alpha_path;
    BitmapData alpha;
    if (CacheFilePath(tile_.GetAlphaJpgFileName(), alpha_path, false) && fs::Exists(alpha_path) &&
        LoadJpegToBitmap(alpha_path, alpha) && alpha.BitsPerPixel() == 24) {
        if (alpha.Width() == image_.Width() && alpha.Height() == image_.Height()) {
            for (int y = 0; y < image_.Height(); ++y) {
                const uint8_t* in = alpha.Row(y);
                uint8_t* out = image_.Row(y);
                for (int x = 0; x < image_.Width(); ++x, in += 3, out += 4) {
                    out[3] = in[0];
                }
            }
        } else {
            ShowFailureMessage("size mismatch in alpha file for jpeg.\r\n");
        }
    }
    return true;
}

bool TileTextureFile::LoadFromPng(const std::string& path) {
    loaded_ = false;
    if (!fs::Exists(path)) {
        return false;
    }
    BitmapData png;
    if (!LoadImageFileGuarded(path, png) || !ConvertTo32Bit(png)) {
        return false;
    }
    if (!IsTextureSize(png)) {
        // An image edited outside; the quarter copies and the tiles need 512 x 512.
        ShowFailureMessage("Loaded tile texture from png that wasn't 512X512\r\n");
        if (!ResampleToTextureSize(png)) {
            return false;
        }
    }
    image_.Swap(png);
    return true;
}

bool TileTextureFile::SetImage(const BitmapData& image) {
    loaded_ = false;
    std::string png;
    if (!GetCachePath(png)) {
        return false;
    }
    if (!IsTextureSize(image)) {
        return ShowFailureMessage(FormatString(
            "Image for tile: %s is not 512X512. Can't use it.\r\n", fs::ToNative(png).c_str()));
    }
    BitmapData copy;
    if (!copy.DeepCopy(image) || (copy.BitsPerPixel() != 32 && !ConvertTo32Bit(copy))) {
        return false;
    }
    image_.Swap(copy);
    loaded_ = true;
    if (!SavePng(png)) {
        return false;
    }
    // Only now that the new texture is on disk may the pending JPEGs go.
    DeleteCachedJpegs();
    return true;
}

bool TileTextureFile::SaveToCache() {
    if (!loaded_) {
        return ShowFailureMessage("Attempting to save texture that hasn't been loaded\r\n");
    }
    std::string folder;
    if (!IsSafePathComponent(tile_.GetBody()) || !::pf::GetCachePath(folder)) {
        return ShowFailureMessage("Couldn't find cache path\r\n");
    }
    return SavePng(folder + tile_.GetPngFileName());
}

bool TileTextureFile::SavePng(const std::string& path) {
    if (!loaded_) {
        return ShowFailureMessage("Failed to save texture to file\r\n");
    }
    DDSRendererUse use;
    return DDSRenderer::SavePng(path, image_);
}

bool TileTextureFile::IsCached() const {
    std::string folder;
    if (!IsSafePathComponent(tile_.GetBody()) || !::pf::GetCachePath(folder)) {
        return ShowFailureMessage("Couldn't find cache\r\n");
    }
    return fs::Exists(folder + tile_.GetJpgFileName()) ||
           fs::Exists(folder + tile_.GetPngFileName());
}

bool TileTextureFile::DeleteCacheFiles() {
    TileTextureCache::Remove(tile_);
    std::string folder;
    if (!CacheFilePath("", folder, true)) {
        return false;
    }
    for (const std::string& name :
         {tile_.GetJpgFileName(), tile_.GetPngFileName(), tile_.GetAlphaJpgFileName()}) {
        if (fs::Exists(folder + name)) {
            SafeDeleteFilePath(folder + name);
        }
    }
    return true;
}

void TileTextureFile::DeleteCachedJpegs() {
    std::string folder;
    if (!CacheFilePath("", folder, false)) {
        return;
    }
    for (const std::string& name : {tile_.GetJpgFileName(), tile_.GetAlphaJpgFileName()}) {
        if (fs::Exists(folder + name)) {
            SafeDeleteFilePath(folder + name);
        }
    }
}

bool TileTextureFile::Download(uint32_t largest_pause_ms) {
    loaded_ = false;
    if (tile_.GetBody() != "Earth") {
        return false;
    }
    BitmapData map;
    if (!map.Create24(kSize, kSize)) {
        return false;
    }
    LatLonRect rect = tile_.GetLatLonRect();
    const GeoMap target(&map, &rect);
    const bool fetched = UseStaticMapService()
                             ? BuildMapImage(target, "satellite", largest_pause_ms)
                             : DownloadWmsMap(target);
    if (!fetched) {
        return false;
    }
    return SetImage(map);
}

bool TileTextureFile::ZoomIntoChild(const LatLon& position) {
    const std::string& body = tile_.GetBody();
    const int32_t level = tile_.GetLevel();
    const TileAttributes here = TileAttributes::FromPosition(body, level, position);
    if (here.GetX() != tile_.GetX() || here.GetY() != tile_.GetY()) {
        return ShowFailureMessage("Point is not in this texture\r\n");
    }
    if (!IsTextureSize(image_) || image_.BitsPerPixel() != 32) {
        return false;
    }
    const TileAttributes child = TileAttributes::FromPosition(body, level + 1, position);
    const int half = kSize / 2;
    const int left = (child.GetX() - 2 * tile_.GetX()) * half;
    // Rows run from north at the top: a northern child takes the upper half.
    const int top = child.GetY() == 2 * tile_.GetY() + 1 ? 0 : half;
    if (left != 0 && left != half) {
        return false;
    }
    BitmapData quarter;
    if (!quarter.Create(half, half, 32) ||
        !BitmapData::Blit32To32(quarter, image_, PixelRect{0, 0, half, half},
                                PixelRect{left, top, left + half, top + half}) ||
        !Resize32IfPossible(quarter)) {
        return false;
    }
    image_.Swap(quarter);
    tile_ = child;
    return true;
}

bool TileTextureFile::ComposeFromAncestor(const TileAttributes& tile, BitmapData& out,
                                          const TileArray& tiles) {
    const int32_t level = tile.GetLevel();
    if (level <= 1 || level > kMaxComposeLevel) {
        return false;
    }
    const LatLon centre = tile.GetCenter();
    TileAttributes ancestors[kMaxComposeLevel + 1];
    for (int32_t i = level; i >= 1; --i) {
        ancestors[i] = TileAttributes::FromPosition(tile.GetBody(), i, centre);
    }
    const TileAttributes* best = nullptr;
    for (const TileAttributes& candidate : tiles) {
        const int32_t candidate_level = candidate.GetLevel();
        if (candidate_level > 0 && candidate_level < level &&
            candidate.SamePlace(ancestors[candidate_level]) &&
            (best == nullptr || candidate_level > best->GetLevel())) {
            best = &candidate;
        }
    }
    if (best == nullptr) {
        return false;
    }
    TileTextureFile texture(*best, false);
    if (!texture.Load()) {
        return false;
    }
    while (texture.GetTile().GetLevel() < level) {
        if (!texture.ZoomIntoChild(centre)) {
            return false;
        }
    }
    return texture.GetImage(out);
}

bool TileTextureCache::GetTexture(const TileAttributes& tile, BitmapData& out) {
    TileTextureFile* found = Find(tile);
    if (found == nullptr) {
        if (!LoadIntoCache(tile)) {
            return false;
        }
        found = Find(tile);
        if (found == nullptr) {
            return false;
        }
    }
    return found->IsLoaded() && found->GetImage(out);
}

bool TileTextureCache::LoadIntoCache(const TileAttributes& tile) {
    auto texture = std::make_unique<TileTextureFile>(tile, true);
    if (!texture->IsLoaded()) {
        return false;
    }
    // One element per place: a fresh load replaces an older one.
    for (auto& element : Elements()) {
        if (element->GetTile().SamePlace(tile)) {
            element = std::move(texture);
            return true;
        }
    }
    Elements().push_back(std::move(texture));
    return true;
}

bool TileTextureCache::IsLoaded(const TileAttributes& tile) {
    const TileTextureFile* found = Find(tile);
    return found != nullptr && found->IsLoaded();
}

bool TileTextureCache::Remove(const TileAttributes& tile) {
    auto& elements = Elements();
    for (auto it = elements.begin(); it != elements.end(); ++it) {
        if ((*it)->GetTile().SamePlace(tile)) {
            elements.erase(it);
            return true;
        }
    }
    return false;
}

void TileTextureCache::Clear() {
    auto& elements = Elements();
    while (!elements.empty()) {
        elements.pop_back();
    }
}

std::size_t TileTextureCache::Count() { return Elements().size(); }

} // namespace pf
