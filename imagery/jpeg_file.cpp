#include "imagery/jpeg_file.h"

#include "foundation/ui_hooks.h"
#include "imagery/bitmap_data.h"
#include "imagery/color_convert.h"
#include "imagery/image_limits.h"
#include "platform/fs.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>

namespace pf {

namespace {

constexpr const char* kErrorCaption = "Error";

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool quiet;
};

void SilentOutput(j_common_ptr) {}

void ShowError(const std::string& text, const char* caption, bool quiet) {
    if (!quiet) {
        ShowMessageBox(text, caption, MessageButtons::Ok, MessageIcon::Error);
    }
}

std::string Formatted(const char* format, const std::string& path) {
    const std::string native = fs::ToNative(path);
    std::string out;
    const char* mark = std::strstr(format, "%s");
    if (mark == nullptr) {
        return format;
    }
    out.append(format, size_t(mark - format));
    out += native;
    out += mark + 2;
    return out;
}

void InstallErrorManager(ErrorManager& err, j_common_ptr info, bool quiet) {
    info->err = jpeg_std_error(&err.pub);
    err.pub.error_exit = JpegErrorExit;
    err.pub.output_message = SilentOutput;
    err.quiet = quiet;
}

// libjpeg's working memory (coefficient buffers of multi-scan files) may grow with what the
// file holds: every stored 8 x 8 block costs at least one bit of it, and a block's
// coefficients 128 bytes of memory. So a header alone cannot make it allocate much.
constexpr long kWorkingMemoryFloor = 64L << 20;
constexpr long kWorkingMemoryPerFileByte = 1024;

long WorkingMemoryFor(uint64_t fileBytes) {
    const uint64_t bound = std::max<uint64_t>(uint64_t(kWorkingMemoryFloor),
                                              std::min<uint64_t>(fileBytes, uint64_t{1} << 30) *
                                                  uint64_t(kWorkingMemoryPerFileByte));
    return long(bound);
}

// Damaged data is an error: libjpeg would otherwise go on and make up the missing rows.
void WarningIsError(j_common_ptr info, int level) {
    if (level < 0) {
        (*info->err->error_exit)(info);
    }
}

// Where decoded rows go: a packed RGB buffer (red first), or the rows of a 24-bit or
// 32-bit image record (blue first, alpha 255).
struct JpegTarget {
    BitmapData* image = nullptr; // null: packed RGB
    int bits = 24;
    uint8_t* packed = nullptr; // the packed buffer, made when the first row arrives

    J_COLOR_SPACE Space() const {
        return image == nullptr ? JCS_RGB : bits == 32 ? JCS_EXT_BGRA : JCS_EXT_BGR;
    }
    int PixelBytes() const { return image != nullptr && bits == 32 ? 4 : 3; }
    bool Make(int width, int height) {
        if (image != nullptr) {
            return image->Create(width, height, bits);
        }
        packed = new (std::nothrow) uint8_t[uint64_t(width) * uint64_t(height) * 3];
        return packed != nullptr;
    }
    uint8_t* Row(int width, int y) const {
        return image != nullptr ? image->PixelAddress(0, y)
                                : packed + uint64_t(y) * uint64_t(width) * 3;
    }
};

// Decompresses from a stdio file or from memory straight into the target. No object with
// a destructor lives in this frame, so the error exit's long jump back here skips nothing.
// The target is made only once the first row has arrived: a file cut short costs nothing
// but its refusal.
bool Decompress(std::FILE* file, const uint8_t* data, size_t size, bool quiet, JpegTarget& target,
                int& width, int& height) {
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    ErrorManager err;
    InstallErrorManager(err, reinterpret_cast<j_common_ptr>(&cinfo), quiet);
    err.pub.emit_message = WarningIsError;
    uint8_t* volatile first_row = nullptr;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        std::free(first_row);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    uint64_t file_bytes = size;
    if (file != nullptr) {
        struct stat info;
        file_bytes = fstat(fileno(file), &info) == 0 ? uint64_t(info.st_size) : 0;
        jpeg_stdio_src(&cinfo, file);
    } else {
        jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    }
    cinfo.mem->max_memory_to_use = WorkingMemoryFor(file_bytes);
    jpeg_read_header(&cinfo, TRUE);
    // Only grey and colour pictures have pixels we can place; CMYK and YCCK would be garbage.
    if (cinfo.out_color_space != JCS_GRAYSCALE && cinfo.out_color_space != JCS_RGB) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (!FitsImageCaps(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        ShowError("JpegFile :\nOut of memory", kErrorCaption, quiet);
        return false;
    }
    cinfo.out_color_space = target.Space();
    jpeg_start_decompress(&cinfo);
    const int w = int(cinfo.output_width);
    const int h = int(cinfo.output_height);
    const size_t row_bytes = size_t(w) * size_t(target.PixelBytes());
    first_row = static_cast<uint8_t*>(std::malloc(row_bytes));
    if (first_row == nullptr) {
        jpeg_destroy_decompress(&cinfo);
        ShowError("JpegFile :\nOut of memory", kErrorCaption, quiet);
        return false;
    }
    JSAMPROW rows[1] = {first_row};
    jpeg_read_scanlines(&cinfo, rows, 1);
    if (!target.Make(w, h)) {
        jpeg_destroy_decompress(&cinfo);
        std::free(first_row);
        ShowError("JpegFile :\nOut of memory", kErrorCaption, quiet);
        return false;
    }
    std::memcpy(target.Row(w, 0), first_row, row_bytes);
    std::free(first_row);
    first_row = nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        rows[0] = target.Row(w, int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    width = w;
    height = h;
    return true;
}

// A packed RGB buffer, and its size only when it decoded.
std::unique_ptr<uint8_t[]> DecodePacked(std::FILE* file, const uint8_t* data, size_t size,
                                        bool quiet, int& width, int& height) {
    JpegTarget target;
    int w = 0;
    int h = 0;
    const bool ok = Decompress(file, data, size, quiet, target, w, h);
    std::unique_ptr<uint8_t[]> buffer(target.packed);
    if (!ok) {
        return nullptr;
    }
    width = w;
    height = h;
    return buffer;
}

// Opens the file for decoding; shows "Can't open" when it cannot.
std::FILE* OpenForDecoding(const std::string& path) {
    std::string native;
    std::FILE* file = nullptr;
    if (fs::Resolve(path, native)) {
        file = std::fopen(native.c_str(), "rb");
    }
    if (file == nullptr) {
        ShowError(Formatted("JPEG :\nCan't open %s\n", path), kErrorCaption, false);
    }
    return file;
}

bool Compress(std::FILE* file, const uint8_t* pixels, int width, int height, int components,
              int quality) {
    jpeg_compress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    ErrorManager err;
    InstallErrorManager(err, reinterpret_cast<j_common_ptr>(&cinfo), false);
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const size_t row_bytes = size_t(width) * size_t(components);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[1] = {const_cast<JSAMPLE*>(pixels + cinfo.next_scanline * row_bytes)};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

void JpegErrorExit(jpeg_common_struct* info) {
    ErrorManager* err = reinterpret_cast<ErrorManager*>(info->err);
    if (!err->quiet) {
        char text[JMSG_LENGTH_MAX] = {};
        (*info->err->format_message)(info, text);
        ShowError(text, "JPEG Fatal Error", false);
    }
    std::longjmp(err->jump, 1);
}

std::unique_ptr<uint8_t[]> JpegFileToRGB(const std::string& path, int& width, int& height) {
    width = 0;
    height = 0;
    std::FILE* file = OpenForDecoding(path);
    if (file == nullptr) {
        return nullptr;
    }
    std::unique_ptr<uint8_t[]> buffer = DecodePacked(file, nullptr, 0, false, width, height);
    std::fclose(file);
    return buffer;
}

std::unique_ptr<uint8_t[]> DecodeJpegToRGB(const uint8_t* data, size_t size, int& width,
                                           int& height) {
    width = 0;
    height = 0;
    if (data == nullptr || size == 0) {
        return nullptr;
    }
    return DecodePacked(nullptr, data, size, true, width, height);
}

bool DecodeJpegToBitmap(const uint8_t* data, size_t size, int bits, BitmapData& image) {
    image.Free();
    if (data == nullptr || size == 0 || (bits != 24 && bits != 32)) {
        return false;
    }
    BitmapData result;
    JpegTarget target{&result, bits};
    int w = 0;
    int h = 0;
    if (!Decompress(nullptr, data, size, true, target, w, h)) {
        return false;
    }
    image.Swap(result);
    return true;
}

bool RGBToJpegFile(const std::string& path, const uint8_t* buffer, int width, int height,
                   bool colour, int quality) {
    if (buffer == nullptr || width <= 0 || height <= 0) {
        return false;
    }
    std::unique_ptr<uint8_t[]> grey;
    if (!colour) {
        const size_t count = size_t(width) * size_t(height);
        grey.reset(new (std::nothrow) uint8_t[count]);
        if (!grey) {
            ShowError("Memory error", kErrorCaption, false);
            return false;
        }
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* p = buffer + i * 3;
            grey[i] = uint8_t(0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]);
        }
    }
    fs::TempFileWriter writer;
    std::FILE* file = nullptr;
    if (writer.Open(path)) {
        const int fd = dup(writer.Fd());
        if (fd >= 0) {
            file = fdopen(fd, "wb");
            if (file == nullptr) {
                close(fd);
            }
        }
    }
    if (file == nullptr) {
        ShowError(Formatted("JpegFile :\nCan't open %s\n", path), kErrorCaption, false);
        return false;
    }
    bool ok = Compress(file, colour ? buffer : grey.get(), width, height, colour ? 3 : 1, quality);
    if (std::fclose(file) != 0) {
        ok = false;
    }
    if (!ok) {
        writer.Discard();
        return false;
    }
    return writer.Commit();
}

std::unique_ptr<uint8_t[]> JpegMakePacked(const uint8_t* data, int width, int rowBytes,
                                          int height) {
    if (data == nullptr || width <= 0 || height <= 0 || rowBytes < width * 3) {
        return nullptr;
    }
    const size_t packed_row = size_t(width) * 3;
    std::unique_ptr<uint8_t[]> out(new (std::nothrow) uint8_t[packed_row * size_t(height)]);
    if (!out) {
        return nullptr;
    }
    for (int y = 0; y < height; ++y) {
        std::memcpy(out.get() + packed_row * size_t(y), data + size_t(rowBytes) * size_t(y),
                    packed_row);
    }
    return out;
}

bool JpegSwapRedBlue(uint8_t* buffer, int width, int height) {
    if (buffer == nullptr) {
        return false;
    }
    const size_t count = size_t(std::max(width, 0)) * size_t(std::max(height, 0));
    for (size_t i = 0; i < count; ++i) {
        std::swap(buffer[i * 3], buffer[i * 3 + 2]);
    }
    return true;
}

bool IsJpegData(const uint8_t* data, size_t size) {
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool LoadJpegToBitmap(const std::string& path, BitmapData& image) {
    if (!fs::Exists(path)) {
        return false;
    }
    image.Free();
    std::FILE* file = OpenForDecoding(path);
    if (file == nullptr) {
        return false;
    }
    BitmapData result;
    JpegTarget target{&result, 24};
    int w = 0;
    int h = 0;
    const bool ok = Decompress(file, nullptr, 0, false, target, w, h);
    std::fclose(file);
    if (!ok) {
        return false;
    }
    image.Swap(result);
    return true;
}

bool SaveBitmapAsJpeg(const BitmapData& image, const std::string& path, int quality) {
    BitmapData copy(image);
    ConvertTo24Bit(copy);
    if (copy.BitsPerPixel() != 24 || copy.Pixels() == nullptr) {
        return false;
    }
    std::unique_ptr<uint8_t[]> packed =
        JpegMakePacked(copy.Pixels(), copy.Width(), copy.Stride(), copy.Height());
    if (!packed) {
        return false;
    }
    JpegSwapRedBlue(packed.get(), copy.Width(), copy.Height());
    return RGBToJpegFile(path, packed.get(), copy.Width(), copy.Height(), true, quality);
}

} // namespace pf
