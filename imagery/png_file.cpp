#include "imagery/png_file.h"

#include "imagery/bitmap_data.h"
#include "imagery/image_limits.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>

#include <png.h>

namespace pf {

namespace {

constexpr uint64_t kMinChunkAllowance = uint64_t{16} << 20;

struct MemoryReader {
    const uint8_t* data;
    size_t size;
    size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (count > reader->size - reader->position) {
        png_error(png, "truncated");
    }
    std::memcpy(out, reader->data + reader->position, count);
    reader->position += count;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bool failed = false;
    try {
        out->insert(out->end(), data, data + count);
    } catch (...) {
        failed = true; // never let an exception cross libpng's frames
    }
    if (failed) {
        png_error(png, "out of memory");
    }
}

void FlushNothing(png_structp) {}

// Errors jump back to the running call without printing anything.
void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void QuietWarning(png_structp, png_const_charp) {}

// The libpng calls of decoding. The image and the row pointers belong to the caller, so
// nothing with a destructor lives in this frame across the long jump.
bool ReadImage(png_structp png, png_infop info, MemoryReader& reader, BitmapData& result,
               std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_read_fn(png, &reader, ReadFromMemory);
    // Every damage is an error, and no chunk may make libpng allocate more than the file
    // could hold (a floor leaves room for compressed text and profiles to expand).
    png_set_benign_errors(png, 0);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_set_chunk_malloc_max(
        png, png_alloc_size_t(std::min(kMaxImageFileBytes,
                                       std::max<uint64_t>(reader.size, kMinChunkAllowance))));
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (!FitsImageCaps(width, height)) {
        return false;
    }
    const int colour_type = png_get_color_type(png, info);
    png_set_expand(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_set_tRNS_to_alpha(png);
    }
    png_set_gray_to_rgb(png);
    png_set_scale_16(png);
    const bool has_alpha =
        (colour_type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS);
    if (!has_alpha) {
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    }
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4) {
        return false;
    }
    if (!result.Create(int(width), int(height), 32)) {
        return false;
    }
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) {
        rows[y] = result.PixelAddress(0, int(y));
    }
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

bool WriteImage(png_structp png, png_infop info, const BitmapData& image, std::vector<uint8_t>& out,
                std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_write_fn(png, &out, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, png_uint_32(image.Width()), png_uint_32(image.Height()), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    return true;
}

} // namespace

bool IsPngData(const uint8_t* data, size_t size) {
    return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

bool DecodePng(const uint8_t* data, size_t size, BitmapData& image) {
    image.Free();
    if (data == nullptr || !IsPngData(data, size)) {
        return false;
    }
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // Mutated inputs nearly always break a chunk checksum; the fuzzer is to reach what comes
    // after it. Real reads keep checking.
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
#ifdef PNG_IGNORE_ADLER32
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
#endif
    MemoryReader reader{data, size, 0};
    BitmapData result;
    std::vector<png_bytep> rows;
    const bool ok = ReadImage(png, info, reader, result, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) {
        return false;
    }
    image.Swap(result);
    return true;
}

bool EncodePng(const BitmapData& image, std::vector<uint8_t>& out) {
    out.clear();
    if (image.Pixels() == nullptr || image.BitsPerPixel() != 32 || image.Width() < 1 ||
        image.Height() < 1) {
        return false;
    }
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_bytep> rows(size_t(image.Height()));
    for (int y = 0; y < image.Height(); ++y) {
        rows[size_t(y)] = const_cast<png_bytep>(image.PixelAddress(0, y));
    }
    const bool ok = WriteImage(png, info, image, out, rows);
    png_destroy_write_struct(&png, &info);
    if (!ok) {
        out.clear();
    }
    return ok;
}

} // namespace pf
