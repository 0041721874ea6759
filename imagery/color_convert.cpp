#include "imagery/color_convert.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace pf {

namespace {

enum class Layout { Grey8, Studio8, Word565, Bgr24, Bgra32, Words48, Floats96, Unsupported };

Layout Classify(const BitmapData& image) {
    if (!image.HasPixels()) {
        return Layout::Unsupported;
    }
    const int bits = image.BitsPerPixel();
    switch (image.Model()) {
    case BitmapData::kModelPlain:
        switch (bits) {
        case 8:
            return Layout::Grey8;
        case 16:
            return Layout::Word565;
        case 24:
            return Layout::Bgr24;
        case 32:
            return Layout::Bgra32;
        case 48:
            return Layout::Words48;
        default:
            return Layout::Unsupported;
        }
    case BitmapData::kModelStudioLuma:
        return bits == 8 ? Layout::Studio8 : Layout::Unsupported;
    case BitmapData::kModelGrey:
        return bits == 8 ? Layout::Grey8 : Layout::Unsupported;
    case BitmapData::kModelFloat:
        return bits == 96 ? Layout::Floats96 : Layout::Unsupported;
    default:
        return Layout::Unsupported;
    }
}

float Unit(float v) { return std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 1.0f); }

void ReadFloats(const std::uint8_t* p, float bgr[3]) { std::memcpy(bgr, p, 3 * sizeof(float)); }

unsigned Word(const std::uint8_t* p) { return p[0] | (static_cast<unsigned>(p[1]) << 8); }

ColorRGB ColourOf(Layout layout, const std::uint8_t* p) {
    switch (layout) {
    case Layout::Grey8:
    case Layout::Studio8:
        return ColorRGB(p[0], p[0], p[0]);
    case Layout::Word565: {
        const unsigned w = Word(p);
        return ColorRGB(static_cast<std::uint8_t>((w << 3) & 0xFF),
                        static_cast<std::uint8_t>((w >> 3) & 0xFC),
                        static_cast<std::uint8_t>((w >> 8) & 0xF8));
    }
    case Layout::Bgr24:
    case Layout::Bgra32:
        return ColorRGB(p[0], p[1], p[2]);
    case Layout::Words48:
        return ColorRGB(p[1], p[3], p[5]);
    case Layout::Floats96: {
        float bgr[3];
        ReadFloats(p, bgr);
        return ColorRGB::FromFloats(bgr);
    }
    case Layout::Unsupported:
        break;
    }
    return ColorRGB();
}

std::uint8_t LumaOf(const ColorTables& t, unsigned r, unsigned g, unsigned b) {
    return static_cast<std::uint8_t>((t.blue[b] + t.red[r] + t.green[g] + 4) >> 3);
}

std::uint8_t GreyOf(Layout layout, const std::uint8_t* p) {
    const ColorTables& t = InitColorTables();
    switch (layout) {
    case Layout::Grey8:
        return p[0];
    case Layout::Studio8:
        return static_cast<std::uint8_t>(
            std::clamp((static_cast<int>(p[0]) - 16) * 298 >> 8, 0, 255));
    case Layout::Word565: {
        const unsigned w = Word(p);
        return LumaOf(t, (w >> 8) & 0xF8, (w >> 3) & 0xFC, (w << 3) & 0xFF);
    }
    case Layout::Bgr24:
    case Layout::Bgra32:
        return LumaOf(t, p[2], p[1], p[0]);
    case Layout::Words48: {
        const std::uint64_t b = Word(p), g = Word(p + 2), r = Word(p + 4);
        return static_cast<std::uint8_t>((r * 19595 + g * 38470 + b * 7471) >> 24);
    }
    case Layout::Floats96: {
        float bgr[3];
        ReadFloats(p, bgr);
        return GreyFromFloats(bgr);
    }
    case Layout::Unsupported:
        break;
    }
    return 0;
}

bool Convert(BitmapData& image, int target_bits) {
    const Layout layout = Classify(image);
    if (layout == Layout::Unsupported) {
        return false;
    }
    if (image.Model() == BitmapData::kModelPlain && image.BitsPerPixel() == target_bits) {
        return true;
    }
    BitmapData converted;
    if (!converted.Create(image.Width(), image.Height(), target_bits)) {
        return false;
    }
    const std::size_t in_step = image.BitsPerPixel() / 8;
    const std::size_t count = static_cast<std::size_t>(image.Width()) * image.Height();
    const std::uint8_t* in = image.Pixels();
    std::uint8_t* out = converted.Pixels();
    for (std::size_t i = 0; i < count; ++i, in += in_step) {
        if (target_bits == 8) {
            *out++ = GreyOf(layout, in);
            continue;
        }
        const ColorRGB c = ColourOf(layout, in);
        *out++ = c.blue;
        *out++ = c.green;
        *out++ = c.red;
        if (target_bits == 32) {
            *out++ = 255;
        }
    }
    image.Swap(converted);
    return true;
}

std::uint32_t Truncate16(float v) {
    return static_cast<std::uint32_t>(static_cast<double>(Unit(v)) * 65535.0) & 0xFFFF;
}

} // namespace

const ColorTables& InitColorTables() {
    static const ColorTables tables = [] {
        ColorTables t{};
        for (int v = 0; v < 256; ++v) {
            t.red[v] = static_cast<std::uint16_t>(8.0 * v * 0.299);
            t.green[v] = static_cast<std::uint16_t>(8.0 * v * 0.587);
            t.blue[v] = static_cast<std::uint16_t>(8.0 * v * 0.114);
        }
        return t;
    }();
    return tables;
}

ColorRGB ColorRGB::FromFloats(const float* bgr) {
    return ColorRGB(static_cast<std::uint8_t>(static_cast<double>(Unit(bgr[0])) * 255.0),
                    static_cast<std::uint8_t>(static_cast<double>(Unit(bgr[1])) * 255.0),
                    static_cast<std::uint8_t>(static_cast<double>(Unit(bgr[2])) * 255.0));
}

std::uint8_t GreyFromFloats(const float* bgr) {
    const std::uint64_t sum = Truncate16(bgr[2]) * std::uint64_t{19595} +
                              Truncate16(bgr[1]) * std::uint64_t{38470} +
                              Truncate16(bgr[0]) * std::uint64_t{7471};
    return static_cast<std::uint8_t>(sum >> 24);
}

bool ConvertTo32Bit(BitmapData& image) { return Convert(image, 32); }
bool ConvertTo24Bit(BitmapData& image) { return Convert(image, 24); }
bool ConvertTo8Bit(BitmapData& image) { return Convert(image, 8); }

} // namespace pf
