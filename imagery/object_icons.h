#pragma once
// The object-icon cache: each icon file of the install folder is read once and handed
// out as copies.
#include <memory>
#include <string>
#include <vector>

namespace pf {

class BitmapData;

class IconBitmapCache {
  public:
    IconBitmapCache();
    ~IconBitmapCache();
    IconBitmapCache(const IconBitmapCache&) = delete;
    IconBitmapCache& operator=(const IconBitmapCache&) = delete;

    // The cached picture of the name (compared without regard to ASCII case), loading
    // "install folder + name" when it is not cached yet; top row first. Null when the
    // icon cannot be had; then nothing is cached, so a later request tries again. The
    // record stays owned by the cache until Clear.
    const BitmapData* Get(const std::string& name);
    // Frees every picture and empties the cache.
    void Clear();
    size_t Size() const { return names_.size(); }

    // The process-wide cache (released at exit).
    static IconBitmapCache& Global();

  private:
    std::vector<std::string> names_;
    std::vector<std::unique_ptr<BitmapData>> images_;
};

// A deep copy of the icon for the caller; false when it cannot be had (the caller keeps
// its own fallback picture).
bool GetObjectIconBitmap(const std::string& name, BitmapData& image);

// Empties the process-wide cache.
void ClearIconBitmapCache();

} // namespace pf
