#include "imagery/geo_map.h"

#include "imagery/resample.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace pf {
namespace {

LatLonRect Rect(double west, double north, double east, double south) {
    LatLonRect r;
    r.Set(west, north, east, south);
    return r;
}

// Every pixel a different colour: blue = x, green = y, red = a fixed tone.
BitmapData Gradient24(int width, int height, std::uint8_t red = 200) {
    BitmapData image(width, height, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.PixelAddress(x, y);
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = red;
        }
    }
    return image;
}

BitmapData Gradient32(int width, int height) {
    BitmapData image(width, height, 32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.PixelAddress(x, y);
            p[0] = static_cast<std::uint8_t>(x * 7);
            p[1] = static_cast<std::uint8_t>(y * 3);
            p[2] = static_cast<std::uint8_t>(x + y);
            p[3] = static_cast<std::uint8_t>(128 + (x ^ y) % 128);
        }
    }
    return image;
}

BitmapData Solid24(int width, int height, std::uint32_t rgb) {
    BitmapData image(width, height, 24);
    image.FillColor(rgb);
    return image;
}

ColorRGB Pixel(const BitmapData& image, int x, int y) {
    const std::uint8_t* p = image.PixelAddress(x, y);
    return ColorRGB(p[0], p[1], p[2]);
}

// An image with its rectangle, kept together for as long as a GeoMap points at them.
struct Map {
    Map(BitmapData image, const LatLonRect& rect) : image(std::move(image)), rect(rect) {}
    GeoMap Geo() { return GeoMap(&image, &rect); }
    BitmapData image;
    LatLonRect rect;
};

TEST(GeoMap, DegreesPerPixelAndRectangleSize) {
    Map m(BitmapData(10, 20, 24), Rect(1.0, 6.0, 3.0, 2.0));
    GeoMap map = m.Geo();
    EXPECT_EQ(map.GetDegreesPerPixelX(), 0.2);
    EXPECT_EQ(map.GetDegreesPerPixelY(), 0.2);
    EXPECT_EQ(map.GetWidth(), 2.0);
    EXPECT_EQ(map.GetHeight(), 4.0);
    EXPECT_TRUE(map.SetFromDoubles(-190.0, 95.0, -170.0, 85.0));
    EXPECT_EQ(m.rect.West(), -190.0); // stored as given
    EXPECT_EQ(m.rect.North(), 95.0);
    EXPECT_EQ(map.GetDegreesPerPixelX(), 2.0);
    EXPECT_EQ(map.GetDegreesPerPixelY(), 0.5);
}

TEST(GeoMap, LatLonToPixel) {
    test::ScriptedUi ui;
    const double kFar = 1e300, kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        LatLonRect rect;
        double longitude, latitude;
        int x, y;
    } cases[] = {
        // 0.1 degrees per pixel: int(offset + 0.5), truncated toward zero
        {Rect(0.0, 10.0, 10.0, 0.0), 0.0, 10.0, 0, 0},
        {Rect(0.0, 10.0, 10.0, 0.0), 0.14, 9.86, 1, 1},
        {Rect(0.0, 10.0, 10.0, 0.0), 0.16, 9.84, 2, 2},
        {Rect(0.0, 10.0, 10.0, 0.0), -0.07, 10.07, 0, 0},
        {Rect(0.0, 10.0, 10.0, 0.0), -0.12, 10.12, 0, 0}, // -1.2 + 0.5 = -0.7 gives 0 too
        {Rect(0.0, 10.0, 10.0, 0.0), -0.2, 10.2, -1, -1},
        {Rect(0.0, 10.0, 10.0, 0.0), 10.0, 0.0, 100, 100},
        // far longitudes are taken a turn nearer
        {Rect(175.0, 10.0, 185.0, 0.0), -178.0, 5.0, 70, 50},
        {Rect(175.0, 10.0, 185.0, 0.0), 176.0, 5.0, 10, 50},
        {Rect(-185.0, 10.0, -175.0, 0.0), 178.0, 5.0, 30, 50},
        // huge and non-finite input lands far off the map
        {Rect(0.0, 10.0, 10.0, 0.0), 0.0, kFar, 0, -1000000000},
        {Rect(0.0, 10.0, 10.0, 0.0), 0.0, -kFar, 0, 1000000000},
        {Rect(0.0, 10.0, 10.0, 0.0), 0.0, kNaN, 0, -1000000000},
        {Rect(0.0, 10.0, 10.0, 0.0), 0.0, std::numeric_limits<double>::infinity(), 0, -1000000000},
        // a map of zero width has infinite pixels per degree
        {Rect(5.0, 10.0, 5.0, 0.0), 6.0, 5.0, 1000000000, 50},
        {Rect(5.0, 10.0, 5.0, 0.0), 5.0, 5.0, -1000000000, 50}, // 0 / 0
    };
    for (const auto& c : cases) {
        Map m(BitmapData(100, 100, 24), c.rect);
        LatLon position(c.longitude, 0.0);
        position.SetLatitude(c.latitude);
        EXPECT_EQ(m.Geo().LatLonToPixel(position), (MapPixel{c.x, c.y}))
            << c.longitude << " " << c.latitude;
    }
}

TEST(GeoMap, SourceWhollyOutsideLeavesTheDestinationUnchanged) {
    Map canvas(Gradient24(50, 40), Rect(0.0, 4.0, 5.0, 0.0));
    const BitmapData before(canvas.image);
    BitmapData tile = Solid24(16, 16, 0xFF0000);
    BitmapData tile32 = Gradient32(16, 16);
    for (const LatLonRect& r :
         {Rect(6.0, 4.0, 7.0, 3.0), Rect(-2.0, 4.0, -1.0, 3.0), Rect(1.0, 7.0, 2.0, 5.0),
          Rect(1.0, -1.0, 2.0, -3.0), Rect(2.0, 3.0, 1.0, 2.0) /* inverted */,
          Rect(5.0, 3.0, 6.0, 2.0) /* touches the east edge */}) {
        LatLonRect rect = r;
        test::ScriptedUi ui;
        EXPECT_TRUE(canvas.Geo().Project(GeoMap(&tile, &rect)));
        EXPECT_TRUE(canvas.Geo().Project(GeoMap(&tile32, &rect)));
        SpanList spans(16, BeginEnd{0, 16});
        EXPECT_TRUE(canvas.Geo().ProjectNoReduce(GeoMap(&tile, &rect), spans));
        EXPECT_TRUE(canvas.image.IsIdentical(before));
        EXPECT_TRUE(ui.Failures().empty());
    }
}

// At equal scale the source lands pixel for pixel, also when it hangs half outside.
TEST(GeoMap, OpaqueVariantCopiesAtEqualScale) {
    const struct {
        LatLonRect tile_rect;
        int left, top; // where the tile's first pixel lands
    } cases[] = {{Rect(3.0, 7.0, 5.0, 6.0), 30, 30}, {Rect(-1.0, 5.0, 1.0, 4.0), -10, 50}};
    for (const auto& c : cases) {
        Map canvas(Solid24(100, 100, 0x102030), Rect(0.0, 10.0, 10.0, 0.0));
        Map tile(Gradient24(20, 10), c.tile_rect);
        ASSERT_TRUE(canvas.Geo().Project(tile.Geo()));
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                const int tx = x - c.left, ty = y - c.top;
                const bool inside = tx >= 0 && tx < 20 && ty >= 0 && ty < 10;
                ASSERT_EQ(Pixel(canvas.image, x, y),
                          inside ? Pixel(tile.image, tx, ty) : ColorRGB::FromColorRef(0x102030))
                    << x << "," << y;
            }
        }
    }
}

TEST(GeoMap, HalfOutsideSourceIsReducedNotSqueezed) {
    // The source has twice the destination's resolution and hangs half off its west
    // edge: its east half is averaged two to one into the first ten columns.
    Map canvas(Solid24(100, 10, 0), Rect(0.0, 1.0, 10.0, 0.0));
    Map tile(BitmapData(40, 20, 24), Rect(-1.0, 1.0, 1.0, 0.0));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            std::uint8_t* p = tile.image.PixelAddress(x, y);
            p[0] = p[1] = p[2] = static_cast<std::uint8_t>(4 * x);
        }
    }
    ASSERT_TRUE(canvas.Geo().Project(tile.Geo()));
    for (int x = 0; x < 10; ++x) {
        const int expected = (4 * (20 + 2 * x) + 4 * (21 + 2 * x)) / 2;
        EXPECT_NEAR(Pixel(canvas.image, x, 5).blue, expected, 1) << x;
    }
    EXPECT_EQ(Pixel(canvas.image, 10, 5), ColorRGB());
}

// The 0.703125-degree tile at the origin, as the tile editor shows it.
const LatLonRect kTileRect = Rect(0.0, 0.703125, 0.703125, 0.0);

BitmapData ByHand(const BitmapData& background, const BitmapData& tile, int doublings, int width,
                  int height) {
    BitmapData grown(tile);
    for (int i = 0; i < doublings; ++i) {
        EXPECT_TRUE(DoubleWidthSmooth32(grown));
        EXPECT_TRUE(DoubleHeightSmooth32(grown));
    }
    BitmapData work(width, height, 32);
    EXPECT_TRUE(BitmapData::Resample32(work, grown));
    BitmapData result(background);
    EXPECT_TRUE(
        BitmapData::Blit32To24(result, work, PixelRect{0, 0, width, height}, work.GetRect()));
    return result;
}

// Onto 2000 pixels the tile is doubled twice and then reduced; onto 900 stretched in one
// step. The source is never changed.
TEST(GeoMap, TileIsDoubledUntilFinerThenResampled) {
    const BitmapData tile = Gradient32(512, 512);
    for (auto [size, doublings] : {std::pair{2000, 2}, {900, 0}}) {
        Map canvas(Gradient24(size, size, 90), kTileRect);
        const BitmapData expected = ByHand(canvas.image, tile, doublings, size, size);
        ASSERT_FALSE(expected.IsIdentical(ByHand(canvas.image, tile, 2 - doublings, size, size)));
        Map source(tile, kTileRect);
        ASSERT_TRUE(size == 900 ? canvas.Geo().ProjectAlpha(source.Geo(), 0)
                                : canvas.Geo().Project(source.Geo()));
        EXPECT_TRUE(canvas.image.IsIdentical(expected));
        EXPECT_TRUE(source.image.IsIdentical(tile));
    }
}

TEST(GeoMap, RegionInsideOneCoarsePixelIsFilledFromIt) {
    // The whole view lies within one pixel of a coarse body map: the crops stay tiny
    // until the doubled pixels are finer than the view.
    Map canvas(Solid24(100, 80, 0), Rect(0.5, 0.3, 0.501, 0.2992));
    Map body(Gradient24(4, 4), Rect(0.0, 4.0, 4.0, 0.0));
    Map body32(Gradient32(4, 4), body.rect);
    for (int y = 0; y < 4; ++y) {
        body32.image.PixelAddress(0, y)[3] = 255;
    }
    // Alpha 255 over the old colour: (9 * 255 + 3) >> 8 = 8 green, (3 * 255 + 200) >> 8 = 3 red.
    for (auto [source, colour] :
         {std::pair{&body, Pixel(body.image, 0, 3)}, {&body32, ColorRGB(0, 8, 3)}}) {
        ASSERT_TRUE(canvas.Geo().Project(source->Geo()));
        for (int y = 0; y < 80; y += 7) {
            for (int x = 0; x < 100; x += 9) {
                ASSERT_EQ(Pixel(canvas.image, x, y), colour) << x << "," << y;
            }
        }
    }
}

// Only the pixels inside the rows' spans are written, the spans cut where the icon
// hangs off the map.
TEST(GeoMap, SpanVariantWritesOnlySpanPixels) {
    SpanList spans;
    for (int y = 0; y < 10; ++y) {
        spans.push_back(BeginEnd{y % 5, 10 - y % 5});
    }
    spans[3] = BeginEnd{4, 4}; // an empty row
    const struct {
        LatLonRect icon_rect;
        int left, top;
        bool no_reduce;
    } cases[] = {{Rect(1.0, 3.0, 2.0, 2.0), 10, 10, true},
                 {Rect(-0.3, 1.0, 0.7, 0.0), -3, 30, false}};
    for (const auto& c : cases) {
        Map canvas(Solid24(40, 40, 0x0000FF), Rect(0.0, 4.0, 4.0, 0.0));
        Map icon(Gradient24(10, 10), c.icon_rect);
        ASSERT_TRUE(c.no_reduce ? canvas.Geo().ProjectNoReduce(icon.Geo(), spans)
                                : canvas.Geo().ProjectSpans(icon.Geo(), spans, 0));
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const int ix = x - c.left, iy = y - c.top;
                const bool inside =
                    iy >= 0 && iy < 10 && ix >= spans[iy].begin && ix < spans[iy].end;
                ASSERT_EQ(Pixel(canvas.image, x, y),
                          inside ? Pixel(icon.image, ix, iy) : ColorRGB(255, 0, 0))
                    << x << "," << y;
            }
        }
    }
}

TEST(GeoMap, ChecksComeInOrder) {
    BitmapData canvas = Solid24(10, 10, 0);
    BitmapData canvas32(10, 10, 32);
    BitmapData empty;
    BitmapData source24 = Solid24(10, 10, 0xFFFFFF);
    BitmapData source32(10, 10, 32);
    LatLonRect rect = Rect(0.0, 1.0, 1.0, 0.0);
    LatLonRect rect2 = rect;
    struct Case {
        const char* name;
        std::function<bool()> run;
        std::string message;
    };
    SpanList shortSpans(9, BeginEnd{0, 10});
    SpanList spans(10, BeginEnd{0, 10});
    const std::vector<Case> cases = {
        {"short span list before missing pixels",
         [&] {
             return GeoMap(&empty, &rect).ProjectNoReduce(GeoMap(&source24, &rect2), shortSpans);
         },
         "BeginEndList wrong size\r\n"},
        {"short span list before a wrong depth",
         [&] {
             return GeoMap(&canvas32, &rect).ProjectNoReduce(GeoMap(&source24, &rect2), shortSpans);
         },
         "BeginEndList wrong size\r\n"},
        {"missing destination pixels",
         [&] { return GeoMap(&empty, &rect).Project(GeoMap(&source24, &rect2)); },
         "Maps are not properly initialized\r\n"},
        {"missing source pixels",
         [&] { return GeoMap(&canvas, &rect).ProjectNoReduce(GeoMap(&empty, &rect2), SpanList{}); },
         "Maps are not properly initialized\r\n"},
        {"missing rectangle",
         [&] { return GeoMap(&canvas, nullptr).Project(GeoMap(&source24, &rect2)); },
         "Maps are not properly initialized\r\n"},
        {"24-bit source onto a 32-bit destination",
         [&] { return GeoMap(&canvas32, &rect).Project(GeoMap(&source24, &rect2)); },
         "Maps are not in proper format\r\n"},
        {"32-bit source to the opaque variant",
         [&] { return GeoMap(&canvas, &rect).ProjectOpaque(GeoMap(&source32, &rect2), 0); },
         "Maps are not in proper format\r\n"},
        {"32-bit source to the span variant",
         [&] { return GeoMap(&canvas, &rect).ProjectSpans(GeoMap(&source32, &rect2), spans, 0); },
         "Maps are not in proper format\r\n"},
    };
    for (const Case& c : cases) {
        test::ScriptedUi ui;
        EXPECT_FALSE(c.run()) << c.name;
        EXPECT_EQ(ui.Failures(), std::vector<std::string>{c.message}) << c.name;
    }
}

TEST(GeoMap, TilesAcrossTheDateLine) {
    const ColorRGB red = ColorRGB::FromColorRef(0xFF0000);
    // A tile east of 180 on an unwrapped region west of -180: -180.703125 .. -180 lies at
    // columns and rows 29.6875 .. 100.
    Map canvas(Solid24(200, 200, 0), Rect(-181.0, 1.0, -179.0, -1.0));
    Map tile(Solid24(8, 8, 0xFF0000), Rect(179.296875, 0.703125, 180.0, 0.0));
    ASSERT_TRUE(canvas.Geo().Project(tile.Geo()));
    EXPECT_EQ(Pixel(canvas.image, 30, 30), red);
    EXPECT_EQ(Pixel(canvas.image, 99, 99), red);
    EXPECT_EQ(Pixel(canvas.image, 29, 50), ColorRGB());
    EXPECT_EQ(Pixel(canvas.image, 100, 50), ColorRGB());
    EXPECT_EQ(Pixel(canvas.image, 50, 100), ColorRGB());
    // And the other way round: a western tile on a region east of 180.
    Map east(Solid24(200, 200, 0), Rect(179.0, 1.0, 181.0, -1.0));
    tile.rect = Rect(-180.0, 0.5, -179.5, 0.0);
    ASSERT_TRUE(east.Geo().Project(tile.Geo()));
    EXPECT_EQ(Pixel(east.image, 100, 60), red);
    EXPECT_EQ(Pixel(east.image, 149, 99), red);
    EXPECT_EQ(Pixel(east.image, 150, 60), ColorRGB());
    // Whole-body maps are not shifted.
    Map body(Solid24(360, 180, 0), Rect(-180.0, 90.0, 180.0, -90.0));
    tile.rect = Rect(176.0, 4.0, 180.0, 0.0);
    ASSERT_TRUE(body.Geo().Project(tile.Geo()));
    EXPECT_EQ(Pixel(body.image, 357, 87), red);
    EXPECT_EQ(Pixel(body.image, 1, 87), ColorRGB());
}

void ExpectRect(const LatLonRect& r, double west, double north, double east, double south) {
    EXPECT_DOUBLE_EQ(r.West(), west);
    EXPECT_DOUBLE_EQ(r.North(), north);
    EXPECT_DOUBLE_EQ(r.East(), east);
    EXPECT_DOUBLE_EQ(r.South(), south);
}

TEST(GeoMap, CropKeepsWholePixelsAndTheirExactEdges) {
    Map canvas(Solid24(10, 10, 0), Rect(0.25, 0.85, 0.55, 0.35));
    Map image(Gradient24(10, 10), Rect(0.0, 1.0, 1.0, 0.0));
    WorkMap crop;
    ASSERT_TRUE(canvas.Geo().CropOpaque(image.Geo(), crop));
    // Columns 2..5 reach into 0.25..0.55; rows 1..6 into 0.85..0.35.
    ASSERT_EQ(crop.Image().Width(), 4);
    ASSERT_EQ(crop.Image().Height(), 6);
    ExpectRect(crop.Rect(), 0.2, 0.9, 0.6, 0.3);
    EXPECT_EQ(Pixel(crop.Image(), 0, 0), Pixel(image.image, 2, 1));
    EXPECT_EQ(Pixel(crop.Image(), 3, 5), Pixel(image.image, 5, 6));

    // Edges that meet the overlap exactly keep no extra pixel.
    canvas.rect = Rect(0.2, 0.9, 0.6, 0.3);
    WorkMap crop2;
    ASSERT_TRUE(canvas.Geo().CropOpaque(image.Geo(), crop2));
    EXPECT_EQ(crop2.Image().Width(), 4);
    EXPECT_EQ(crop2.Image().Height(), 6);

    // A source wholly inside crops to itself, rectangle included.
    canvas.rect = Rect(-5.0, 5.0, 5.0, -5.0);
    image.rect = Rect(0.1, 0.7, 0.8, 0.3);
    WorkMap whole;
    ASSERT_TRUE(canvas.Geo().CropOpaque(image.Geo(), whole));
    EXPECT_TRUE(whole.Image().IsIdentical(image.image));
    ExpectRect(whole.Rect(), 0.1, 0.7, 0.8, 0.3);

    image.rect = Rect(6.0, 1.0, 7.0, 0.0);
    EXPECT_FALSE(canvas.Geo().CropOpaque(image.Geo(), whole));
}

TEST(GeoMap, CropAlphaKeepsFourBytesAndCropSpansCutsTheRows) {
    Map canvas(Solid24(10, 10, 0), Rect(0.25, 0.85, 0.55, 0.35));
    Map image32(Gradient32(10, 10), Rect(0.0, 1.0, 1.0, 0.0));
    WorkMap crop;
    ASSERT_TRUE(canvas.Geo().CropAlpha(image32.Geo(), crop));
    ASSERT_EQ(crop.Image().BitsPerPixel(), 32);
    EXPECT_EQ(std::memcmp(crop.Image().PixelAddress(1, 2), image32.image.PixelAddress(3, 3), 4), 0);

    Map image(Gradient24(10, 10), image32.rect);
    SpanList spans = {{0, 10}, {0, 3}, {3, 5}, {5, 9}, {9, 10},
                      {1, 1},  {2, 6}, {0, 0}, {0, 0}, {0, 0}};
    SpanList cut;
    WorkMap crop2;
    ASSERT_TRUE(canvas.Geo().CropSpans(image.Geo(), spans, crop2, cut));
    // Rows 1..6 of columns 2..5.
    EXPECT_EQ(cut, (SpanList{{0, 1}, {1, 3}, {3, 4}, {4, 4}, {0, 0}, {0, 4}}));
    SpanList wrong(9);
    EXPECT_FALSE(canvas.Geo().CropSpans(image.Geo(), wrong, crop2, cut));
}

} // namespace
} // namespace pf
