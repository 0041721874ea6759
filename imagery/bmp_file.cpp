#include "imagery/bmp_file.h"
#include "imagery/codec_io.h"

#include "foundation/stream.h"
#include "imagery/bitmap_data.h"
#include "imagery/color_convert.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace pf {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kMinInfoHeader = 40;
constexpr uint32_t kMaxInfoHeader = 124;

// Where the bytes come from: a memory block or a stream, read at checked offsets.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual uint64_t Length() const = 0;
    // Reads exactly count bytes at offset; false when they are not all there.
    virtual bool ReadAt(uint64_t offset, void* out, size_t count) = 0;
};

class MemorySource final : public ByteSource {
  public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint64_t Length() const override { return size_; }
    bool ReadAt(uint64_t offset, void* out, size_t count) override {
        if (offset > size_ || count > size_ - offset) {
            return false;
        }
        std::memcpy(out, data_ + offset, count);
        return true;
    }

  private:
    const uint8_t* data_;
    size_t size_;
};

class StreamSource final : public ByteSource {
  public:
    explicit StreamSource(MyStream& stream) : stream_(stream), length_(stream.GetLength()) {}
    uint64_t Length() const override { return length_; }
    bool ReadAt(uint64_t offset, void* out, size_t count) override {
        if (offset > length_ || count > length_ - offset || count > UINT32_MAX) {
            return false;
        }
        if (count == 0) {
            return true;
        }
        if (position_ != offset) {
            stream_.Seek(int64_t(offset), SeekOrigin::Begin);
        }
        if (!stream_.Read(out, uint32_t(count))) {
            position_ = UINT64_MAX;
            return false;
        }
        position_ = offset + count;
        return true;
    }

  private:
    MyStream& stream_;
    uint64_t length_;
    uint64_t position_ = UINT64_MAX;
};

uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

bool Decode(ByteSource& src, BitmapData& image, bool convert) {
    image.Free();
    const uint64_t length = src.Length();
    uint8_t file_header[kFileHeaderBytes + 4];
    if (!src.ReadAt(0, file_header, sizeof file_header) || file_header[0] != 'B' ||
        file_header[1] != 'M') {
        return false;
    }
    const uint32_t off_bits = Le32(file_header + 10);
    const uint32_t info_size = Le32(file_header + 14);
    if (info_size < kMinInfoHeader || info_size > kMaxInfoHeader) {
        return false;
    }
    // The whole info header, whatever its version, in a zeroed buffer of the largest size.
    uint8_t info[kMaxInfoHeader] = {};
    if (!src.ReadAt(kFileHeaderBytes, info, info_size)) {
        return false;
    }
    const int32_t width = int32_t(Le32(info + 4));
    const int32_t raw_height = int32_t(Le32(info + 8));
    const uint16_t bits = Le16(info + 14);
    const uint32_t compression = Le32(info + 16);
    const uint32_t colours_used = Le32(info + 32);
    if (width < 1 || raw_height == 0 || raw_height == INT32_MIN) {
        return false;
    }
    const bool top_down = raw_height < 0;
    const int height = top_down ? -raw_height : raw_height;
    if (!FitsImageCaps(uint64_t(width), uint64_t(height))) {
        return false;
    }

    MaskChannel red, green, blue, alpha;
    std::vector<uint8_t> palette; // 4 bytes per entry: blue, green, red, reserved
    switch (bits) {
    case 8: {
        if (compression != kBiRgb) {
            return false;
        }
        const uint32_t entries = colours_used == 0 ? 256 : colours_used;
        if (entries > 256) {
            return false;
        }
        palette.resize(size_t(entries) * 4);
        if (!src.ReadAt(kFileHeaderBytes + info_size, palette.data(), palette.size())) {
            return false;
        }
        break;
    }
    case 16:
    case 32: {
        if (compression == kBiBitfields) {
            uint8_t masks[12];
            if (info_size >= 52) {
                std::memcpy(masks, info + 40, 12);
            } else if (!src.ReadAt(kFileHeaderBytes + info_size, masks, 12)) {
                return false;
            }
            red = MaskChannel(Le32(masks));
            green = MaskChannel(Le32(masks + 4));
            blue = MaskChannel(Le32(masks + 8));
        } else if (compression == kBiRgb) {
            if (bits == 16) {
                red = MaskChannel(0x7C00);
                green = MaskChannel(0x03E0);
                blue = MaskChannel(0x001F);
            } else {
                red = MaskChannel(0x00FF0000);
                green = MaskChannel(0x0000FF00);
                blue = MaskChannel(0x000000FF);
            }
        } else {
            return false;
        }
        // Plain 32-bit files carry zero padding bytes; only a declared mask is alpha.
        if (bits == 32 && info_size >= 56) {
            alpha = MaskChannel(Le32(info + 52));
        }
        break;
    }
    case 24:
        if (compression != kBiRgb) {
            return false;
        }
        break;
    default:
        return false;
    }

    const uint64_t row_bytes = (uint64_t(width) * bits + 31) / 32 * 4;
    if (off_bits > length || row_bytes * uint64_t(height) > length - off_bits) {
        return false;
    }

    BitmapData result;
    if (!result.Create(width, height, bits == 32 ? 32 : 24)) {
        return false;
    }
    std::vector<uint8_t> row(size_t(row_bytes), 0);
    for (int stored = 0; stored < height; ++stored) {
        if (!src.ReadAt(off_bits + uint64_t(stored) * row_bytes, row.data(), row.size())) {
            return false;
        }
        // Memory keeps the bottom-up order of an ordinary file; a top-down file is turned.
        const int target = top_down ? height - 1 - stored : stored;
        uint8_t* dst = result.PixelAddress(0, target);
        const uint8_t* p = row.data();
        switch (bits) {
        case 8:
            for (int x = 0; x < width; ++x, dst += 3) {
                const size_t index = size_t(p[x]) * 4;
                if (index + 3 <= palette.size()) {
                    std::memcpy(dst, &palette[index], 3);
                } else {
                    std::memset(dst, 0, 3);
                }
            }
            break;
        case 16:
            for (int x = 0; x < width; ++x, dst += 3) {
                const uint32_t w = Le16(p + 2 * x);
                dst[0] = blue.Get(w, 0);
                dst[1] = green.Get(w, 0);
                dst[2] = red.Get(w, 0);
            }
            break;
        case 24:
            std::memcpy(dst, p, size_t(width) * 3);
            break;
        case 32:
            for (int x = 0; x < width; ++x, dst += 4) {
                const uint32_t w = Le32(p + 4 * x);
                dst[0] = blue.Get(w, 0);
                dst[1] = green.Get(w, 0);
                dst[2] = red.Get(w, 0);
                dst[3] = alpha.Get(w, 255);
            }
            break;
        }
    }
    image.Swap(result);
    if (convert) {
        ConvertTo24Bit(image);
    }
    return true;
}

} // namespace

bool IsBmpData(const uint8_t* data, size_t size) {
    return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

bool DecodeBmp(const uint8_t* data, size_t size, BitmapData& image, bool convert) {
    if (data == nullptr) {
        image.Free();
        return false;
    }
    MemorySource src(data, size);
    return Decode(src, image, convert);
}

bool ReadBmp(MyStream& stream, BitmapData& image, bool convert) {
    stream.SeekToBegin();
    StreamSource src(stream);
    return Decode(src, image, convert);
}

bool LoadBmpFile(const std::string& path, BitmapData& image) {
    FileStream file;
    if (!file.Open(path, kOpenRead)) {
        return false;
    }
    const bool ok = ReadBmp(file, image, true);
    file.Close();
    return ok;
}

} // namespace pf
