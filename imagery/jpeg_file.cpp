#include "imagery/jpeg_file.h"

#include "foundation/ui_hooks.h"
#include "imagery/bitmap_data.h"
#include "imagery/color_convert.h"
#include "platform/fs.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <unistd.h>

#include <jpeglib.h>

namespace pf {

namespace {

constexpr uint64_t kMaxImageBytes = uint64_t(1) << 30; // the image record's cap
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

// Decompresses from a stdio file or from memory. No object with a destructor lives in
// this frame, so the error exit's long jump back here skips nothing.
uint8_t* Decompress(std::FILE* file, const uint8_t* data, size_t size, bool quiet, int& width,
                    int& height) {
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    ErrorManager err;
    InstallErrorManager(err, reinterpret_cast<j_common_ptr>(&cinfo), quiet);
    uint8_t* volatile buffer = nullptr;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        delete[] buffer;
        return nullptr;
    }
    jpeg_create_decompress(&cinfo);
    if (file != nullptr) {
        jpeg_stdio_src(&cinfo, file);
    } else {
        jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    }
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    const int components = cinfo.output_components;
    const uint64_t w = cinfo.output_width;
    const uint64_t h = cinfo.output_height;
    // Only grey and RGB output have pixels we can place; CMYK and YCCK would be garbage.
    if (components != 1 && components != 3) {
        jpeg_destroy_decompress(&cinfo);
        return nullptr;
    }
    if (w == 0 || h == 0 || w * h * 4 > kMaxImageBytes) {
        jpeg_destroy_decompress(&cinfo);
        ShowError("JpegFile :\nOut of memory", kErrorCaption, quiet);
        return nullptr;
    }
    buffer = new (std::nothrow) uint8_t[w * h * 3];
    if (buffer == nullptr) {
        jpeg_destroy_decompress(&cinfo);
        ShowError("JpegFile :\nOut of memory", kErrorCaption, quiet);
        return nullptr;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        uint8_t* row = buffer + uint64_t(cinfo.output_scanline) * w * 3;
        JSAMPROW rows[1] = {row};
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) {
            break;
        }
        if (components == 1) {
            // The grey bytes sit at the start of the row; spread them from the end.
            for (uint64_t x = w; x-- > 0;) {
                const uint8_t v = row[x];
                row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = v;
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    width = int(w);
    height = int(h);
    return buffer;
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
    std::string native;
    std::FILE* file = nullptr;
    if (fs::Resolve(path, native)) {
        file = std::fopen(native.c_str(), "rb");
    }
    if (file == nullptr) {
        ShowError(Formatted("JPEG :\nCan't open %s\n", path), kErrorCaption, false);
        return nullptr;
    }
    int w = 0;
    int h = 0;
    uint8_t* buffer = Decompress(file, nullptr, 0, false, w, h);
    std::fclose(file);
    if (buffer != nullptr) {
        width = w;
        height = h;
    }
    return std::unique_ptr<uint8_t[]>(buffer);
}

std::unique_ptr<uint8_t[]> DecodeJpegToRGB(const uint8_t* data, size_t size, int& width,
                                           int& height) {
    width = 0;
    height = 0;
    if (data == nullptr || size == 0) {
        return nullptr;
    }
    int w = 0;
    int h = 0;
    uint8_t* buffer = Decompress(nullptr, data, size, true, w, h);
    if (buffer != nullptr) {
        width = w;
        height = h;
    }
    return std::unique_ptr<uint8_t[]>(buffer);
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
    int width = 0;
    int height = 0;
    std::unique_ptr<uint8_t[]> rgb = JpegFileToRGB(path, width, height);
    if (!rgb) {
        return false;
    }
    BitmapData result;
    if (!result.Create(width, height, 24)) {
        ShowError("JpegFile :\nOut of memory", kErrorCaption, false);
        return false;
    }
    std::memcpy(result.PixelAddress(0, 0), rgb.get(), size_t(width) * size_t(height) * 3);
    JpegSwapRedBlue(result.PixelAddress(0, 0), width, height);
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
