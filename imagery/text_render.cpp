#include "imagery/text_render.h"

#include "imagery/color_convert.h"
#include "imagery/resample.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace pf {

namespace {

constexpr int kDotsPerInch = 96;

// Code points of the CP1252 bytes 0x80..0x9F; the five unassigned bytes keep their value.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t FromCp1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : char32_t{byte};
}

std::string Lower(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string FamilyFor(const std::string& face_name) {
    const std::string key = Lower(face_name);
    if (key == "courier" || key == "courier new") {
        return "Liberation Mono";
    }
    if (key == "times new roman") {
        return "Liberation Serif";
    }
    if (key == "arial") {
        return "Liberation Sans";
    }
    return face_name;
}

// The process-wide FreeType library, fontconfig configuration and opened faces.
class FontCache {
  public:
    ~FontCache() {
        for (auto& [name, face] : faces_) {
            if (face != nullptr) {
                FT_Done_Face(face);
            }
        }
        if (library_ != nullptr) {
            FT_Done_FreeType(library_);
        }
        if (config_ != nullptr) {
            FcConfigDestroy(config_);
        }
    }

    // The face for a name, or nullptr when no font file can be opened.
    FT_Face Face(const std::string& face_name) {
        const std::string key = Lower(face_name);
        auto found = faces_.find(key);
        if (found != faces_.end()) {
            return found->second;
        }
        FT_Face face = Open(FamilyFor(face_name));
        faces_[key] = face;
        return face;
    }

  private:
    FT_Face Open(const std::string& family) {
        if (library_ == nullptr && FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            return nullptr;
        }
        if (config_ == nullptr) {
            config_ = FcInitLoadConfigAndFonts();
            if (config_ == nullptr) {
                return nullptr;
            }
        }
        FcPattern* pattern = FcPatternCreate();
        if (pattern == nullptr) {
            return nullptr;
        }
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcConfigSubstitute(config_, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config_, pattern, &result);
        FcPatternDestroy(pattern);
        if (match == nullptr) {
            return nullptr;
        }
        FT_Face face = nullptr;
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            if (FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &face) != 0) {
                face = nullptr;
            }
        }
        FcPatternDestroy(match);
        return face;
    }

    FT_Library library_ = nullptr;
    FcConfig* config_ = nullptr;
    std::map<std::string, FT_Face> faces_;
};

FontCache& Fonts() {
    static FontCache cache;
    return cache;
}

// Keeps the brighter of the glyph's coverage and what the mask already holds, so that
// touching glyphs do not cut into each other.
void PlaceGlyph(BitmapData& mask, const FT_Bitmap& bitmap, std::int64_t left, std::int64_t top) {
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const std::int64_t y = top + row;
        if (y < 0 || y >= mask.Height()) {
            continue;
        }
        const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(bitmap.pitch) * row;
        for (unsigned col = 0; col < bitmap.width; ++col) {
            const std::int64_t x = left + col;
            if (x < 0 || x >= mask.Width()) {
                continue;
            }
            std::uint8_t coverage = 0;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                const unsigned levels = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
                coverage = static_cast<std::uint8_t>(src[col] * 255u / levels);
            } else if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                coverage = (src[col / 8] & (0x80 >> (col % 8))) != 0 ? 255 : 0;
            }
            std::uint8_t* out = mask.PixelAddress(static_cast<int>(x), static_cast<int>(y));
            *out = std::max(*out, coverage);
        }
    }
}

// Lays the colour through a grey mask onto the image at (x, y).
bool LayMask(BitmapData& image, BitmapData& mask, const ColorRGB& colour, int x, int y) {
    if (!ConvertTo24Bit(mask)) {
        return false;
    }
    BitmapData paint;
    if (!paint.Create24(mask.Width(), mask.Height()) || !paint.FillColor24(colour)) {
        return false;
    }
    return MaskedBlit24(image, paint, mask, x, y);
}

bool IsTextTarget(const BitmapData& image) {
    return image.HasPixels() && image.BitsPerPixel() == 24;
}

} // namespace

bool RenderTextMask(BitmapData& mask, const std::string& text, const std::string& face_name,
                    int size) {
    if (size <= 0) {
        return false;
    }
    FT_Face face = Fonts().Face(face_name);
    if (face == nullptr || FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(size) * 64 / 10,
                                            kDotsPerInch, kDotsPerInch) != 0) {
        return false;
    }
    if (text.empty()) {
        mask.Free();
        return true;
    }
    // First the advances, which give the width; then the glyphs.
    std::vector<FT_UInt> glyphs;
    glyphs.reserve(text.size());
    std::int64_t advance = 0;
    for (unsigned char byte : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, FromCp1252(byte));
        if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) != 0) {
            return false;
        }
        advance += face->glyph->advance.x;
        glyphs.push_back(glyph);
    }
    const std::int64_t ascender = face->size->metrics.ascender >> 6;
    const std::int64_t descender = face->size->metrics.descender >> 6;
    const std::int64_t width = (advance + 32) >> 6;
    const std::int64_t height = ascender - descender;
    BitmapData rendered;
    if (width < 1 || height < 1 || width > INT32_MAX || height > INT32_MAX ||
        !rendered.Create(static_cast<int>(width), static_cast<int>(height), 8)) {
        return false;
    }
    std::int64_t pen = 0;
    for (FT_UInt glyph : glyphs) {
        if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) != 0) {
            return false;
        }
        const FT_GlyphSlot slot = face->glyph;
        PlaceGlyph(rendered, slot->bitmap, ((pen + 32) >> 6) + slot->bitmap_left,
                   ascender - slot->bitmap_top);
        pen += slot->advance.x;
    }
    mask.Swap(rendered);
    return true;
}

bool DrawTextInImage(BitmapData& image, const std::string& text, int size,
                     const std::string& face_name, const ColorRGB& colour, int x, int y) {
    if (!IsTextTarget(image)) {
        return false;
    }
    if (text.empty()) {
        return true;
    }
    BitmapData mask;
    return RenderTextMask(mask, text, face_name, size) && LayMask(image, mask, colour, x, y);
}

bool DrawTextCourierSmooth(BitmapData& image, const std::string& text, int size,
                           const ColorRGB& colour, int x, int y) {
    if (!IsTextTarget(image)) {
        return false;
    }
    if (text.empty()) {
        return true;
    }
    if (size <= 0 || size > INT32_MAX / 4) {
        return false;
    }
    BitmapData mask;
    return RenderTextMask(mask, text, "Courier", size * 4) && HalveImage(mask) &&
           HalveImage(mask) && LayMask(image, mask, colour, x, y);
}

bool DrawTextScaled(BitmapData& image, const std::string& text, int size,
                    const std::string& face_name, const ColorRGB& colour, int x, int y,
                    bool scale) {
    if (scale) {
        size = static_cast<int>(size * 96.0 / kDotsPerInch + 0.5);
    }
    return DrawTextInImage(image, text, size, face_name, colour, x, y);
}

bool DrawTextInBitmap(BitmapData& image, const std::string& text, int size, const ColorRGB& colour,
                      int x, int y, bool scale) {
    if (scale) {
        size = static_cast<int>(size * 96.0 / kDotsPerInch + 0.5);
    }
    return DrawTextCourierSmooth(image, text, size, colour, x, y);
}

} // namespace pf
