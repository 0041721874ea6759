#include "imagery/texture_codec.h"

#include "foundation/failure.h"
#include "foundation/stream.h"
#include "imagery/bitmap_data.h"
#include "imagery/bmp_file.h"
#include "imagery/codec_io.h"
#include "imagery/color_convert.h"
#include "imagery/dds_file.h"
#include "imagery/dxt5_encoder.h"
#include "imagery/jpeg_file.h"
#include "imagery/png_file.h"
#include "imagery/resample.h"
#include "platform/fs.h"

#include <cassert>
#include <cstring>

namespace pf {

namespace {

int g_use_count = 0;
DdsRenderMonitor* g_monitor = nullptr;

// Halves the side that is still longer than one pixel, averaging pairs.
bool HalveOneSide(BitmapData& image) {
    const int width = image.Width();
    const int height = image.Height();
    const int new_width = width > 1 ? width / 2 : 1;
    const int new_height = height > 1 ? height / 2 : 1;
    BitmapData result;
    if (!result.Create(new_width, new_height, 32)) {
        return false;
    }
    for (int y = 0; y < new_height; ++y) {
        for (int x = 0; x < new_width; ++x) {
            const uint8_t* a = image.PixelAddress(width > 1 ? 2 * x : x, height > 1 ? 2 * y : y);
            const uint8_t* b =
                image.PixelAddress(width > 1 ? 2 * x + 1 : x, height > 1 ? 2 * y + 1 : y);
            uint8_t* d = result.PixelAddress(x, y);
            for (int c = 0; c < 4; ++c) {
                d[c] = uint8_t((a[c] + b[c]) >> 1);
            }
        }
    }
    image.Swap(result);
    return true;
}

} // namespace

DdsRenderMonitor* GetDdsRenderMonitor() { return g_monitor; }

DdsRenderMonitor* SetDdsRenderMonitor(DdsRenderMonitor* monitor) {
    DdsRenderMonitor* previous = g_monitor;
    g_monitor = monitor;
    return previous;
}

bool DDSRenderer::IsLoaded() { return g_use_count >= 1; }
int DDSRenderer::UseCount() { return g_use_count; }
void DDSRenderer::TakeUse() { ++g_use_count; }
void DDSRenderer::GiveUse() {
    // Every guard took a use, so the count cannot go below zero.
    assert(g_use_count > 0);
    if (g_use_count > 0) {
        --g_use_count;
    }
}

bool DecodeImageData(const uint8_t* data, size_t size, BitmapData& image) {
    image.Free();
    if (data == nullptr || size == 0) {
        return false;
    }
    if (IsPngData(data, size)) {
        return DecodePng(data, size, image);
    }
    if (IsJpegData(data, size)) {
        return DecodeJpegToBitmap(data, size, 32, image);
    }
    if (IsDdsData(data, size)) {
        return DecodeDds(data, size, image);
    }
    if (IsBmpData(data, size)) {
        BitmapData result;
        if (!DecodeBmp(data, size, result, false) || !ConvertTo32Bit(result)) {
            return false;
        }
        result.FlipVertical(); // the BMP reader keeps the file's bottom-up rows
        image.Swap(result);
        return true;
    }
    return false;
}

bool DDSRenderer::LoadImageFile(const std::string& path, BitmapData& image) {
    if (!IsLoaded()) {
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        return false;
    }
    return DecodeImageData(bytes.data(), bytes.size(), image);
}

bool DDSRenderer::LoadImageStream(MyStream& stream, BitmapData& image) {
    if (!IsLoaded()) {
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeStream(stream, bytes)) {
        return false;
    }
    return DecodeImageData(bytes.data(), bytes.size(), image);
}

bool LoadImageFileGuarded(const std::string& path, BitmapData& image) {
    DDSRendererUse use;
    if (!fs::Exists(path)) {
        return false;
    }
    try {
        return DDSRenderer::LoadImageFile(path, image);
    } catch (...) {
        return false;
    }
}

bool DDSRenderer::SavePng(const std::string& path, BitmapData& image) {
    if (!IsLoaded()) {
        return ShowFailureMessage("Must call startUp(HWND) before using this method\r\n");
    }
    if (image.Pixels() == nullptr || image.Width() < 1 || image.Height() < 1) {
        return ShowFailureMessage("Failed to create texture\r\n");
    }
    if (!ConvertTo32Bit(image)) {
        ShowFailureMessage(
            "Invalid BMP color format. Only 24 and 32 bits per pixel are used right now\r\n");
        return ShowFailureMessage("Failed to load surface from memory\r\n");
    }
    std::vector<uint8_t> bytes;
    if (!EncodePng(image, bytes) || !WriteFileSafely(path, bytes.data(), bytes.size())) {
        return ShowFailureMessage("Failed to save texture\r\n");
    }
    return true;
}

int MipLevelCount(int width, bool mips) {
    if (!mips || width < 1) {
        return 1;
    }
    int levels = 1;
    for (int w = width; w > 1; w >>= 1) {
        ++levels;
    }
    return levels;
}

bool BuildMipChain(const BitmapData& image, bool mips, std::vector<BitmapData>& levels) {
    levels.clear();
    if (image.Pixels() == nullptr || image.BitsPerPixel() != 32) {
        return false;
    }
    const int count = MipLevelCount(image.Width(), mips);
    levels.reserve(size_t(count));
    levels.emplace_back(image);
    if (levels.back().Pixels() == nullptr) {
        levels.clear();
        return false;
    }
    for (int k = 1; k < count; ++k) {
        BitmapData next(levels.back());
        const bool halved =
            next.Width() >= 2 && next.Height() >= 2 ? HalveImage(next) : HalveOneSide(next);
        if (!halved || !next.ScaleAlpha(0.9)) {
            levels.clear();
            return false;
        }
        levels.push_back(std::move(next));
    }
    return true;
}

bool DDSRenderer::RenderDDS(const std::string& path, const BitmapData& image, uint32_t format,
                            bool mips) {
    if (!IsLoaded()) {
        return false;
    }
    if (image.BitsPerPixel() != 32) {
        return ShowFailureMessage("DDS renderer recieved wrong bits per pixel\r\n");
    }
    if (format != kFourCcDxt5 || image.Pixels() == nullptr || image.Width() < 1 ||
        image.Height() < 1) {
        return ShowFailureMessage("Failed to create texture\r\n");
    }
    if (DdsRenderMonitor* monitor = GetDdsRenderMonitor()) {
        if (monitor->IsCancelled()) {
            return false;
        }
        monitor->ShowPreview(image);
    }
    std::vector<BitmapData> levels;
    if (!BuildMipChain(image, mips, levels)) {
        return ShowFailureMessage("Failed to load surface from memory\r\n");
    }
    std::vector<uint8_t> bytes;
    if (!BuildDxt5Dds(levels, mips, DefaultDxt5Encoder(), bytes)) {
        return ShowFailureMessage("Failed to load surface from memory\r\n");
    }
    if (!WriteFileSafely(path, bytes.data(), bytes.size())) {
        return ShowFailureMessage("Failed to save texture\r\n");
    }
    return true;
}

} // namespace pf
