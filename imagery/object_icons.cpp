#include "imagery/object_icons.h"

#include "imagery/bitmap_data.h"
#include "imagery/bmp_file.h"
#include "platform/fs.h"
#include "workspace/folders.h"

namespace pf {

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<unsigned char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<unsigned char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

} // namespace

IconBitmapCache::IconBitmapCache() = default;
IconBitmapCache::~IconBitmapCache() = default;

const BitmapData* IconBitmapCache::Get(const std::string& name) {
    for (size_t i = 0; i < names_.size(); ++i) {
        if (EqualNoCase(names_[i], name)) {
            return images_[i].get();
        }
    }
    std::string folder;
    if (!GetInstallPath(folder)) {
        return nullptr;
    }
    const std::string path = folder + name;
    if (!fs::Exists(path)) {
        return nullptr;
    }
    auto image = std::make_unique<BitmapData>();
    if (!LoadBmpFile(path, *image)) {
        return nullptr;
    }
    image->FlipVertical(); // the BMP reader keeps the file's bottom-up rows
    names_.push_back(name);
    images_.push_back(std::move(image));
    return images_.back().get();
}

void IconBitmapCache::Clear() {
    names_.clear();
    images_.clear();
}

IconBitmapCache& IconBitmapCache::Global() {
    static IconBitmapCache cache;
    return cache;
}

bool GetObjectIconBitmap(const std::string& name, BitmapData& image) {
    const BitmapData* cached = IconBitmapCache::Global().Get(name);
    if (cached == nullptr) {
        return false;
    }
    return image.CopyFrom(*cached);
}

void ClearIconBitmapCache() { IconBitmapCache::Global().Clear(); }

} // namespace pf
