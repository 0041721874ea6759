#pragma once
// The texture codec: decoding image files into 32-bit images, writing PNG files, and
// writing the simulator's surface textures as DXT5 DDS files with their mip levels.
// It keeps the use count of the device helper it replaces, but holds no device: taking a
// use cannot fail, and the operations fail as before when no use is held.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pf {

class BitmapData;
class Dxt5BlockEncoder;
class MyStream;

// Sees each texture before it is written and may stop the rendering (the tile progress
// dialog registers itself as the current monitor).
class DdsRenderMonitor {
  public:
    virtual ~DdsRenderMonitor() = default;
    virtual bool IsCancelled() const = 0;
    virtual void ShowPreview(const BitmapData& image) = 0;
};

// The current monitor, or nullptr. SetDdsRenderMonitor returns the previous one.
DdsRenderMonitor* GetDdsRenderMonitor();
DdsRenderMonitor* SetDdsRenderMonitor(DdsRenderMonitor* monitor);

class DDSRenderer {
  public:
    // True while at least one use is held.
    static bool IsLoaded();
    static int UseCount();

    // Decodes a PNG, JPEG, BMP or DDS file (chosen by its first bytes) into a 32-bit image,
    // top row first. False, silently, when no use is held or the file does not decode.
    static bool LoadImageFile(const std::string& path, BitmapData& image);
    // The same from a stream holding exactly one image file.
    static bool LoadImageStream(MyStream& stream, BitmapData& image);
    // Writes a PNG; the image is first converted to 32 bits in place.
    static bool SavePng(const std::string& path, BitmapData& image);
    // Writes a 32-bit image as a DDS file of the given format (DXT5 only), with or
    // without its mip levels.
    static bool RenderDDS(const std::string& path, const BitmapData& image, uint32_t format,
                          bool mips);

  private:
    friend class DDSRendererUse;
    static void TakeUse();
    static void GiveUse();
};

// Holds one use for its lifetime.
class DDSRendererUse {
  public:
    DDSRendererUse() { DDSRenderer::TakeUse(); }
    ~DDSRendererUse() { DDSRenderer::GiveUse(); }
    DDSRendererUse(const DDSRendererUse&) = delete;
    DDSRendererUse& operator=(const DDSRendererUse&) = delete;
};

// For callers that hold no use: takes one, decodes the file when it exists (any
// exception counts as failure) and gives the use back.
bool LoadImageFileGuarded(const std::string& path, BitmapData& image);

// Decodes image bytes by their content; silent. The rules of LoadImageFile.
bool DecodeImageData(const uint8_t* data, size_t size, BitmapData& image);

// Number of levels written: floor(log2 width) + 1 with mips (from the width alone), else 1.
int MipLevelCount(int width, bool mips);

// The levels of a 32-bit image: level 0 is a copy, each further level the previous one
// halved (a side already 1 pixel stays 1) with its alpha scaled by 0.9.
bool BuildMipChain(const BitmapData& image, bool mips, std::vector<BitmapData>& levels);

} // namespace pf
