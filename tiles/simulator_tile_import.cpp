#include "tiles/simulator_tile_import.h"

#include "foundation/failure.h"
#include "imagery/bitmap_data.h"
#include "imagery/resample.h"
#include "imagery/texture_codec.h"
#include "platform/fs.h"
#include "tiles/tile_attributes.h"
#include "tiles/tile_texture_file.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <vector>

namespace pf {

namespace {

constexpr int kTileSide = 512;

} // namespace

bool LoadSimulatorTileImage(const TileAttributes& tile, BitmapData& image,
                            const std::string& folder) {
    if (!LoadImageFileGuarded(folder + tile.GetDdsFileName(), image)) {
        return false;
    }
    return tile.GetY() >= 0 || Rotate180_32(image);
}

bool ImportTileImage(const TileAttributes& tile, TileArray& tiles, BitmapData& image) {
    if (image.Width() != image.Height()) {
        return ShowFailureMessage("Base tile's resolution isn't square\r\n");
    }
    if (image.BitsPerPixel() != 32) {
        return false;
    }
    if (image.Width() < kTileSide) {
        ShowFailureMessage("Tiles have a resolution lower than 512X512. Upsampling\r\n");
        BitmapData resized(kTileSide, kTileSide, 32);
        if (!BitmapData::Resample32(resized, image)) {
            return false;
        }
        image.Swap(resized);
    }
    if (image.Width() > kTileSide && tile.GetLevel() == 9) {
        ShowFailureMessage("Level 9 tiles not at 512X512 resolution. Downsampling\r\n");
        BitmapData resized(kTileSide, kTileSide, 32);
        if (!BitmapData::Resample32(resized, image)) {
            return false;
        }
        image.Swap(resized);
    }
    if (image.Width() > kTileSide) {
        const int half = image.Width() / 2;
        struct Quarter {
            TileAttributes child;
            int left;
            int top;
        };
        const Quarter quarters[] = {
            {tile.ChildNorthWest(), 0, 0},
            {tile.ChildNorthEast(), half, 0},
            {tile.ChildSouthWest(), 0, half},
            {tile.ChildSouthEast(), half, half},
        };
        for (int i = 0; i < 4; ++i) {
            const Quarter& q = quarters[i];
            BitmapData part;
            const bool ok =
                part.Create(half, half, 32) &&
                BitmapData::Blit32To32(part, image, PixelRect{0, 0, half, half},
                                       PixelRect{q.left, q.top, q.left + half, q.top + half}) &&
                ImportTileImage(q.child, tiles, part);
            if (i == 3) {
                return ok;
            }
            if (!ok) {
                return ShowFailureMessage("Error importing tiles from Astrel\r\n");
            }
        }
    }
    TileTextureFile file(tile, false);
    if (!file.SetImage(image)) {
        return false;
    }
    tiles.AddSorted(tile);
    return true;
}

namespace {

std::string Folded(const std::string& name) {
    std::string out = name;
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
    }
    return out;
}

bool IsFileKind(fs::EntryKind kind) {
    return kind == fs::EntryKind::File || kind == fs::EntryKind::LinkToFile;
}

} // namespace

void SimulatorTileSources::Listing::Read(const std::string& folder) {
    std::vector<fs::DirEntry> entries;
    fs::List(folder, entries);
    for (const fs::DirEntry& entry : entries) {
        exact.emplace(entry.name, entry.kind);
        folded.emplace(Folded(entry.name), entry.name); // byte order: the first stays
    }
}

bool SimulatorTileSources::Listing::HoldsFile(const std::string& name) const {
    auto it = exact.find(name);
    if (it == exact.end()) {
        const auto match = folded.find(Folded(name));
        if (match == folded.end()) {
            return false;
        }
        it = exact.find(match->second);
    }
    return it != exact.end() && IsFileKind(it->second);
}

bool SimulatorTileSources::Find() {
    if (!GetCachePath(cache_) || !FileManager::GetTexturesDir(textures_) ||
        !FileManager::GetTextures2Dir(hightex_)) {
        return false;
    }
    std::vector<std::string> names;
    fs::ListNames(cache_, names);
    cached_.reserve(names.size());
    for (const std::string& name : names) {
        cached_.insert(Folded(name));
    }
    hightexFiles_.Read(hightex_);
    textureFiles_.Read(textures_);
    return true;
}

bool SimulatorTileSources::InCache(const std::string& name) const {
    return cached_.count(Folded(name)) != 0;
}

void SimulatorTileSources::AddToCache(const std::string& name) { cached_.insert(Folded(name)); }

std::string SimulatorTileSources::FolderHolding(const std::string& name) const {
    if (hightexFiles_.HoldsFile(name)) {
        return hightex_;
    }
    return textureFiles_.HoldsFile(name) ? textures_ : std::string();
}

bool LoadTileTextureFromSimulator(const TileAttributes& tile, TileArray& tiles) {
    SimulatorTileSources sources;
    return sources.Find() && LoadTileTextureFromSimulator(tile, tiles, sources);
}

bool LoadTileTextureFromSimulator(const TileAttributes& tile, TileArray& tiles,
                                  const SimulatorTileSources& sources) {
    const std::string name = tile.GetName();
    if (sources.InCache(name + ".jpg") || sources.InCache(name + ".png")) {
        tiles.AddSorted(tile);
        return true;
    }
    const std::string folder = sources.FolderHolding(tile.GetDdsFileName());
    if (folder.empty()) {
        return ShowFailureMessage("Couldn't load tile texture file from Astrel\r\n");
    }
    BitmapData image;
    if (!LoadSimulatorTileImage(tile, image, folder)) {
        return false;
    }
    return ImportTileImage(tile, tiles, image);
}

} // namespace pf
