#include "imagery/jpeg_file.h"

#include "imagery/bitmap_data.h"
#include "support/file_size_limit.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <jpeglib.h>

namespace pf {
namespace {

using test::ScopedFileSizeLimit;
using test::ScriptedUi;
using test::TempDir;

// A smooth colour picture: gradients in each channel.
BitmapData Gradient(int width, int height, int bits) {
    BitmapData image(width, height, bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image.PixelAddress(x, y);
            p[0] = uint8_t(x * 255 / (width - 1));
            p[1] = uint8_t(y * 255 / (height - 1));
            p[2] = uint8_t(128 + (x - y) / 2);
            if (bits == 32) {
                p[3] = uint8_t(x); // never written to the file
            }
        }
    }
    return image;
}

double PsnrColour(const BitmapData& a, const BitmapData& b) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            for (int c = 0; c < 3; ++c) {
                const double d = double(a.PixelAddress(x, y)[c]) - b.PixelAddress(x, y)[c];
                sum += d * d;
                ++count;
            }
        }
    }
    const double mse = sum / count;
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

TEST(JpegFileTest, ColourRoundTripKeepsPictureAndChannelOrder) {
    ScriptedUi ui;
    TempDir dir;
    const BitmapData source = Gradient(64, 48, 24);
    ASSERT_TRUE(SaveBitmapAsJpeg(source, dir.InternalPath("g.jpg")));
    BitmapData loaded;
    ASSERT_TRUE(LoadJpegToBitmap(dir.InternalPath("g.jpg"), loaded));
    EXPECT_EQ(loaded.Width(), 64);
    EXPECT_EQ(loaded.Height(), 48);
    EXPECT_EQ(loaded.BitsPerPixel(), 24);
    EXPECT_EQ(loaded.Stride(), 64 * 3);
    EXPECT_GE(PsnrColour(source, loaded), 30.0);

    BitmapData red(16, 16, 24);
    red.FillColor24(ColorRGB::FromRgb(255, 0, 0));
    ASSERT_TRUE(SaveBitmapAsJpeg(red, dir.InternalPath("r.jpg")));
    ASSERT_TRUE(LoadJpegToBitmap(dir.InternalPath("r.jpg"), loaded));
    const uint8_t* p = loaded.PixelAddress(8, 8);
    EXPECT_GT(p[2], 240);
    EXPECT_LT(p[0], 15);
    EXPECT_TRUE(ui.Calls().empty());
}

TEST(JpegFileTest, ThirtyTwoBitImageIsSavedFromItsColours) {
    ScriptedUi ui;
    TempDir dir;
    const BitmapData source = Gradient(64, 48, 32);
    ASSERT_TRUE(SaveBitmapAsJpeg(source, dir.InternalPath("a.jpg"), 90));
    BitmapData loaded;
    ASSERT_TRUE(LoadJpegToBitmap(dir.InternalPath("a.jpg"), loaded));
    BitmapData colours = Gradient(64, 48, 24);
    EXPECT_GE(PsnrColour(colours, loaded), 30.0);
}

TEST(JpegFileTest, GreyFileLoadsWithEqualChannels) {
    ScriptedUi ui;
    TempDir dir;
    std::vector<uint8_t> rgb(32 * 8 * 3);
    for (size_t i = 0; i < rgb.size(); ++i) {
        rgb[i] = uint8_t(i * 5);
    }
    ASSERT_TRUE(RGBToJpegFile(dir.InternalPath("grey.jpg"), rgb.data(), 32, 8, false, 75));
    BitmapData loaded;
    ASSERT_TRUE(LoadJpegToBitmap(dir.InternalPath("grey.jpg"), loaded));
    ASSERT_EQ(loaded.BitsPerPixel(), 24);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 32; ++x) {
            const uint8_t* p = loaded.PixelAddress(x, y);
            ASSERT_EQ(p[0], p[1]);
            ASSERT_EQ(p[1], p[2]);
        }
    }
}

TEST(JpegFileTest, MissingFileGivesFalseWithoutBox) {
    ScriptedUi ui;
    TempDir dir;
    BitmapData image(2, 2, 24);
    EXPECT_FALSE(LoadJpegToBitmap(dir.InternalPath("none.jpg"), image));
    EXPECT_TRUE(ui.Calls().empty());
}

TEST(JpegFileTest, TextFileGivesOneFatalErrorBox) {
    ScriptedUi ui;
    ui.AnswerNextMessage(MessageAnswer::Ok);
    TempDir dir;
    dir.WriteFile("text.jpg", "this is not a picture\n");
    BitmapData image(2, 2, 24);
    EXPECT_FALSE(LoadJpegToBitmap(dir.InternalPath("text.jpg"), image));
    EXPECT_FALSE(image.HasPixels());
    ASSERT_EQ(ui.Calls().size(), 1u);
    EXPECT_EQ(ui.Calls()[0].caption, "JPEG Fatal Error");
    EXPECT_EQ(ui.Calls()[0].icon, MessageIcon::Error);
    EXPECT_FALSE(ui.Calls()[0].text.empty());
}

TEST(JpegFileTest, UnwritableTargetShowsCantOpen) {
    ScriptedUi ui;
    ui.AnswerNextMessage(MessageAnswer::Ok);
    TempDir dir;
    const std::string path = dir.InternalPath("no folder\\out.jpg");
    EXPECT_FALSE(SaveBitmapAsJpeg(Gradient(8, 8, 24), path));
    ASSERT_EQ(ui.Calls().size(), 1u);
    EXPECT_EQ(ui.Calls()[0].text,
              "JpegFile :\nCan't open " + dir.NativePath("no folder/out.jpg") + "\n");
    EXPECT_EQ(ui.Calls()[0].caption, "Error");
    EXPECT_EQ(ui.Calls()[0].icon, MessageIcon::Error);
}

// A picture encoded by libjpeg itself: RGB or CMYK, baseline or progressive.
std::string EncodeInMemory(int width, int height, bool progressive, int components = 3,
                           J_COLOR_SPACE space = JCS_RGB) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long out_size = 0;
    jpeg_mem_dest(&cinfo, &out, &out_size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    if (progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(size_t(width) * size_t(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (size_t i = 0; i < row.size(); ++i) {
            row[i] = uint8_t(i * 7 + cinfo.next_scanline * 3);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(out), out_size);
    std::free(out);
    return bytes;
}

TEST(JpegFileTest, CmykFileGivesFalse) {
    ScriptedUi ui;
    TempDir dir;
    dir.WriteFile("cmyk.jpg", EncodeInMemory(8, 8, false, 4, JCS_CMYK));

    BitmapData image;
    EXPECT_FALSE(LoadJpegToBitmap(dir.InternalPath("cmyk.jpg"), image));
    EXPECT_FALSE(image.HasPixels());
    int w = -1;
    int h = -1;
    const std::string bytes = dir.ReadFile("cmyk.jpg");
    EXPECT_EQ(DecodeJpegToRGB(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), w, h),
              nullptr);
    EXPECT_EQ(w, 0);
    EXPECT_TRUE(ui.Calls().empty());
}

TEST(JpegFileTest, FailedWriteLeavesOldFileWhole) {
    ScriptedUi ui;
    ui.AnswerNextMessage(MessageAnswer::Ok); // the library's write error
    TempDir dir;
    dir.WriteFile("keep.jpg", "old content");
    bool saved = true;
    {
        ScopedFileSizeLimit limit(200);
        ASSERT_TRUE(limit.IsSet());
        saved = SaveBitmapAsJpeg(Gradient(256, 256, 24), dir.InternalPath("keep.jpg"), 100);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(dir.ReadFile("keep.jpg"), "old content");
    // No temporary file is left beside it.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Native())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST(JpegFileTest, PackingAndSwappingHelpers) {
    const uint8_t rows[] = {1, 2, 3, 4, 5, 6, 99, 99, 7, 8, 9, 10, 11, 12, 99, 99};
    std::unique_ptr<uint8_t[]> packed = JpegMakePacked(rows, 2, 8, 2);
    ASSERT_TRUE(packed);
    EXPECT_EQ(std::vector<uint8_t>(packed.get(), packed.get() + 12),
              (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    ASSERT_TRUE(JpegSwapRedBlue(packed.get(), 2, 2));
    EXPECT_EQ(std::vector<uint8_t>(packed.get(), packed.get() + 6),
              (std::vector<uint8_t>{3, 2, 1, 6, 5, 4}));
    EXPECT_FALSE(JpegSwapRedBlue(nullptr, 2, 2));
    EXPECT_EQ(JpegMakePacked(nullptr, 2, 8, 2), nullptr);
    EXPECT_FALSE(RGBToJpegFile("x.jpg", nullptr, 2, 2, true, 75));
}

// The same bytes with the frame header declaring another size.
std::string Declaring(std::string bytes, uint16_t width, uint16_t height) {
    for (size_t i = 0; i + 9 < bytes.size(); ++i) {
        if (uint8_t(bytes[i]) == 0xFF && uint8_t(bytes[i + 1]) >= 0xC0 &&
            uint8_t(bytes[i + 1]) <= 0xC2) {
            bytes[i + 5] = char(height >> 8);
            bytes[i + 6] = char(height);
            bytes[i + 7] = char(width >> 8);
            bytes[i + 8] = char(width);
            break;
        }
    }
    return bytes;
}

// Damaged data is refused at its first sign, before rows are made up for it, and no size
// beyond the caps or beyond what the file can hold gets its memory.
TEST(JpegFileTest, DamageAndHugeDeclarationsAreRefused) {
    struct Case {
        const char* name;
        std::string bytes;
        bool decodes;
    };
    const std::string baseline = EncodeInMemory(64, 48, false);
    const std::string progressive = EncodeInMemory(64, 48, true);
    const Case cases[] = {
        {"baseline", baseline, true},
        {"progressive", progressive, true},
        {"cut in the middle", baseline.substr(0, baseline.size() / 2), false},
        {"16384 x 16384 declared", Declaring(baseline, 16384, 16384), false},
        {"progressive 8192 x 8192 declared", Declaring(progressive, 8192, 8192), false},
        {"wider than the caps", Declaring(baseline, 40000, 48), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int w = -1;
        int h = -1;
        const auto* data = reinterpret_cast<const uint8_t*>(c.bytes.data());
        EXPECT_EQ(DecodeJpegToRGB(data, c.bytes.size(), w, h) != nullptr, c.decodes);
        EXPECT_EQ(w, c.decodes ? 64 : 0);
        BitmapData image;
        EXPECT_EQ(DecodeJpegToBitmap(data, c.bytes.size(), 32, image), c.decodes);
        EXPECT_EQ(image.HasPixels(), c.decodes);
    }

    // The file reader says so in its own box.
    ScriptedUi ui;
    ui.AnswerNextMessage(MessageAnswer::Ok);
    TempDir dir;
    dir.WriteFile("wide.jpg", Declaring(baseline, 40000, 48));
    BitmapData image;
    EXPECT_FALSE(LoadJpegToBitmap(dir.InternalPath("wide.jpg"), image));
    ASSERT_EQ(ui.Calls().size(), 1u);
    EXPECT_EQ(ui.Calls()[0].text, "JpegFile :\nOut of memory");
}

} // namespace
} // namespace pf
