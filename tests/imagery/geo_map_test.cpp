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

TEST(GeoMap, DegreesPerPixelAndRectangleSize) {
    BitmapData image(10, 20, 24);
    LatLonRect rect = Rect(1.0, 6.0, 3.0, 2.0);
    GeoMap map(&image, &rect);
    EXPECT_EQ(map.GetDegreesPerPixelX(), 0.2);
    EXPECT_EQ(map.GetDegreesPerPixelY(), 0.2);
    EXPECT_EQ(map.GetWidth(), 2.0);
    EXPECT_EQ(map.GetHeight(), 4.0);
    EXPECT_TRUE(map.SetFromDoubles(-190.0, 95.0, -170.0, 85.0));
    EXPECT_EQ(rect.West(), -190.0); // stored as given
    EXPECT_EQ(rect.North(), 95.0);
    EXPECT_EQ(map.GetDegreesPerPixelX(), 2.0);
    EXPECT_EQ(map.GetDegreesPerPixelY(), 0.5);
}

TEST(GeoMap, LatLonToPixelRoundsByTruncatingHalfUp) {
    BitmapData image(100, 100, 24);
    LatLonRect rect = Rect(0.0, 10.0, 10.0, 0.0); // 0.1 degrees per pixel
    GeoMap map(&image, &rect);
    struct Case {
        double longitude;
        double latitude;
        int x;
        int y;
    };
    const Case cases[] = {
        {0.0, 10.0, 0, 0},    {0.14, 9.86, 1, 1},
        {0.16, 9.84, 2, 2},   {-0.07, 10.07, 0, 0}, // -0.7 + 0.5 truncates toward zero
        {-0.12, 10.12, 0, 0},                       // -1.2 + 0.5 = -0.7 gives 0 too
        {-0.2, 10.2, -1, -1}, {10.0, 0.0, 100, 100},
    };
    for (const Case& c : cases) {
        const MapPixel p = map.LatLonToPixel(LatLon(c.longitude, c.latitude));
        EXPECT_EQ(p.x, c.x) << c.longitude;
        EXPECT_EQ(p.y, c.y) << c.latitude;
    }
}

TEST(GeoMap, LatLonToPixelTakesFarLongitudesATurnNearer) {
    BitmapData image(100, 100, 24);
    LatLonRect rect = Rect(175.0, 10.0, 185.0, 0.0); // reaches past 180
    GeoMap map(&image, &rect);
    EXPECT_EQ(map.LatLonToPixel(LatLon(-178.0, 5.0)), (MapPixel{70, 50}));
    EXPECT_EQ(map.LatLonToPixel(LatLon(176.0, 5.0)), (MapPixel{10, 50}));
    LatLonRect west = Rect(-185.0, 10.0, -175.0, 0.0);
    GeoMap westMap(&image, &west);
    EXPECT_EQ(westMap.LatLonToPixel(LatLon(178.0, 5.0)), (MapPixel{30, 50}));
}

TEST(GeoMap, LatLonToPixelIsSafeOnHugeAndNonFiniteInput) {
    test::ScriptedUi ui;
    BitmapData image(100, 100, 24);
    LatLonRect rect = Rect(0.0, 10.0, 10.0, 0.0);
    GeoMap map(&image, &rect);
    LatLon far;
    far.SetLatitude(1e300);
    EXPECT_EQ(map.LatLonToPixel(far).y, -1000000000);
    far.SetLatitude(-1e300);
    EXPECT_EQ(map.LatLonToPixel(far).y, 1000000000);
    far.SetLatitude(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(map.LatLonToPixel(far).y, -1000000000);
    far.SetLatitude(std::numeric_limits<double>::infinity());
    EXPECT_EQ(map.LatLonToPixel(far).y, -1000000000);

    // A map of zero width has infinite pixels per degree.
    LatLonRect thin = Rect(5.0, 10.0, 5.0, 0.0);
    GeoMap line(&image, &thin);
    EXPECT_EQ(line.LatLonToPixel(LatLon(6.0, 5.0)).x, 1000000000);
    EXPECT_EQ(line.LatLonToPixel(LatLon(5.0, 5.0)).x, -1000000000); // 0 / 0
}

TEST(GeoMap, SourceWhollyOutsideLeavesTheDestinationUnchanged) {
    BitmapData canvas = Gradient24(50, 40);
    const BitmapData before(canvas);
    LatLonRect canvasRect = Rect(0.0, 4.0, 5.0, 0.0);
    GeoMap destination(&canvas, &canvasRect);
    BitmapData tile = Solid24(16, 16, 0xFF0000);
    BitmapData tile32 = Gradient32(16, 16);
    for (const LatLonRect& r :
         {Rect(6.0, 4.0, 7.0, 3.0), Rect(-2.0, 4.0, -1.0, 3.0), Rect(1.0, 7.0, 2.0, 5.0),
          Rect(1.0, -1.0, 2.0, -3.0), Rect(2.0, 3.0, 1.0, 2.0) /* inverted */,
          Rect(5.0, 3.0, 6.0, 2.0) /* touches the east edge */}) {
        LatLonRect rect = r;
        test::ScriptedUi ui;
        EXPECT_TRUE(destination.Project(GeoMap(&tile, &rect)));
        EXPECT_TRUE(destination.Project(GeoMap(&tile32, &rect)));
        SpanList spans(16, BeginEnd{0, 16});
        EXPECT_TRUE(destination.ProjectNoReduce(GeoMap(&tile, &rect), spans));
        EXPECT_TRUE(canvas.IsIdentical(before));
        EXPECT_TRUE(ui.Failures().empty());
    }
}

TEST(GeoMap, OpaqueVariantCopiesAtEqualScale) {
    BitmapData canvas = Solid24(100, 100, 0x102030);
    LatLonRect canvasRect = Rect(0.0, 10.0, 10.0, 0.0);
    GeoMap destination(&canvas, &canvasRect);
    BitmapData tile = Gradient24(20, 10);
    LatLonRect tileRect = Rect(3.0, 7.0, 5.0, 6.0);
    ASSERT_TRUE(destination.Project(GeoMap(&tile, &tileRect)));
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const bool inside = x >= 30 && x < 50 && y >= 30 && y < 40;
            const ColorRGB expected =
                inside ? Pixel(tile, x - 30, y - 30) : ColorRGB::FromColorRef(0x102030);
            ASSERT_EQ(Pixel(canvas, x, y), expected) << x << "," << y;
        }
    }
}

TEST(GeoMap, HalfOutsideSourceKeepsItsScale) {
    // 0.1 degrees per pixel on both maps: the visible half lands pixel for pixel.
    BitmapData canvas = Solid24(100, 100, 0);
    LatLonRect canvasRect = Rect(0.0, 10.0, 10.0, 0.0);
    GeoMap destination(&canvas, &canvasRect);
    BitmapData tile = Gradient24(20, 20);
    LatLonRect tileRect = Rect(-1.0, 5.0, 1.0, 3.0);
    ASSERT_TRUE(destination.Project(GeoMap(&tile, &tileRect)));
    for (int y = 50; y < 70; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(Pixel(canvas, x, y), Pixel(tile, x + 10, y - 50)) << x << "," << y;
        }
        EXPECT_EQ(Pixel(canvas, 10, y), ColorRGB());
    }
    EXPECT_EQ(Pixel(canvas, 0, 49), ColorRGB());
    EXPECT_EQ(Pixel(canvas, 0, 70), ColorRGB());
}

TEST(GeoMap, HalfOutsideSourceIsReducedNotSqueezed) {
    // The source has twice the destination's resolution and hangs half off its west
    // edge: its east half is averaged two to one into the first ten columns.
    BitmapData canvas = Solid24(100, 10, 0);
    LatLonRect canvasRect = Rect(0.0, 1.0, 10.0, 0.0);
    GeoMap destination(&canvas, &canvasRect);
    BitmapData tile(40, 20, 24);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            std::uint8_t* p = tile.PixelAddress(x, y);
            p[0] = p[1] = p[2] = static_cast<std::uint8_t>(4 * x);
        }
    }
    LatLonRect tileRect = Rect(-1.0, 1.0, 1.0, 0.0);
    ASSERT_TRUE(destination.Project(GeoMap(&tile, &tileRect)));
    for (int x = 0; x < 10; ++x) {
        const int expected = (4 * (20 + 2 * x) + 4 * (21 + 2 * x)) / 2;
        EXPECT_NEAR(Pixel(canvas, x, 5).blue, expected, 1) << x;
    }
    EXPECT_EQ(Pixel(canvas, 10, 5), ColorRGB());
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

TEST(GeoMap, TileOnto2000IsDoubledTwiceThenReduced) {
    const BitmapData tile = Gradient32(512, 512);
    BitmapData canvas = Gradient24(2000, 2000, 90);
    const BitmapData expected = ByHand(canvas, tile, 2, 2000, 2000);
    ASSERT_FALSE(expected.IsIdentical(ByHand(canvas, tile, 0, 2000, 2000)));
    LatLonRect canvasRect = kTileRect;
    LatLonRect tileRect = kTileRect;
    BitmapData source(tile);
    GeoMap destination(&canvas, &canvasRect);
    ASSERT_TRUE(destination.Project(GeoMap(&source, &tileRect)));
    EXPECT_TRUE(canvas.IsIdentical(expected));
    EXPECT_TRUE(source.IsIdentical(tile)); // the source is never changed
}

TEST(GeoMap, TileOnto900IsStretchedInOneStep) {
    const BitmapData tile = Gradient32(512, 512);
    BitmapData canvas = Gradient24(900, 900, 90);
    const BitmapData expected = ByHand(canvas, tile, 0, 900, 900);
    ASSERT_FALSE(expected.IsIdentical(ByHand(canvas, tile, 1, 900, 900)));
    LatLonRect canvasRect = kTileRect;
    LatLonRect tileRect = kTileRect;
    BitmapData source(tile);
    GeoMap destination(&canvas, &canvasRect);
    ASSERT_TRUE(destination.ProjectAlpha(GeoMap(&source, &tileRect), 0));
    EXPECT_TRUE(canvas.IsIdentical(expected));
}

TEST(GeoMap, RegionInsideOneCoarsePixelIsFilledFromIt) {
    // The whole view lies within one pixel of a coarse body map: the crops stay tiny
    // until the doubled pixels are finer than the view.
    BitmapData canvas = Solid24(100, 80, 0);
    LatLonRect canvasRect = Rect(0.5, 0.3, 0.501, 0.2992);
    GeoMap destination(&canvas, &canvasRect);
    BitmapData body = Gradient24(4, 4);
    LatLonRect bodyRect = Rect(0.0, 4.0, 4.0, 0.0);
    BitmapData body32 = Gradient32(4, 4);
    for (int y = 0; y < 4; ++y) {
        body32.PixelAddress(0, y)[3] = 255;
    }
    ASSERT_TRUE(destination.Project(GeoMap(&body, &bodyRect)));
    for (int y = 0; y < 80; y += 7) {
        for (int x = 0; x < 100; x += 9) {
            ASSERT_EQ(Pixel(canvas, x, y), Pixel(body, 0, 3)) << x << "," << y;
        }
    }
    // Alpha 255 over the old colour: (9 * 255 + 3) >> 8 = 8 green, (3 * 255 + 200) >> 8 = 3 red.
    ASSERT_TRUE(destination.Project(GeoMap(&body32, &bodyRect)));
    for (int y = 0; y < 80; y += 7) {
        for (int x = 0; x < 100; x += 9) {
            ASSERT_EQ(Pixel(canvas, x, y), ColorRGB(0, 8, 3)) << x << "," << y;
        }
    }
}

TEST(GeoMap, SpanVariantWritesOnlySpanPixels) {
    BitmapData canvas = Solid24(40, 40, 0x0000FF);
    LatLonRect canvasRect = Rect(0.0, 4.0, 4.0, 0.0);
    GeoMap destination(&canvas, &canvasRect);
    BitmapData icon = Gradient24(10, 10);
    SpanList spans;
    for (int y = 0; y < 10; ++y) {
        spans.push_back(BeginEnd{y % 5, 10 - y % 5});
    }
    spans[3] = BeginEnd{4, 4}; // an empty row
    LatLonRect iconRect = Rect(1.0, 3.0, 2.0, 2.0);
    ASSERT_TRUE(destination.ProjectNoReduce(GeoMap(&icon, &iconRect), spans));
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int ix = x - 10;
            const int iy = y - 10;
            const bool inside = iy >= 0 && iy < 10 && ix >= spans[iy].begin && ix < spans[iy].end;
            ASSERT_EQ(Pixel(canvas, x, y), inside ? Pixel(icon, ix, iy) : ColorRGB(255, 0, 0))
                << x << "," << y;
        }
    }
}

TEST(GeoMap, SpanVariantCutsSpansWithTheCrop) {
    // The icon hangs three pixels off the map's west edge.
    BitmapData canvas = Solid24(20, 20, 0x0000FF);
    LatLonRect canvasRect = Rect(0.0, 2.0, 2.0, 0.0);
    GeoMap destination(&canvas, &canvasRect);
    BitmapData icon = Gradient24(10, 10);
    SpanList spans(10, BeginEnd{2, 6});
    LatLonRect iconRect = Rect(-0.3, 1.0, 0.7, 0.0);
    ASSERT_TRUE(destination.ProjectSpans(GeoMap(&icon, &iconRect), spans, 0));
    for (int y = 10; y < 20; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x + 3 >= 2 && x + 3 < 6;
            ASSERT_EQ(Pixel(canvas, x, y),
                      inside ? Pixel(icon, x + 3, y - 10) : ColorRGB(255, 0, 0))
                << x << "," << y;
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

TEST(GeoMap, TileEastOf180IsDrawnOnARegionWestOfMinus180) {
    BitmapData canvas = Solid24(200, 200, 0);
    LatLonRect canvasRect = Rect(-181.0, 1.0, -179.0, -1.0); // an unwrapped view region
    GeoMap destination(&canvas, &canvasRect);
    BitmapData tile = Solid24(8, 8, 0xFF0000);
    LatLonRect tileRect = Rect(179.296875, 0.703125, 180.0, 0.0);
    ASSERT_TRUE(destination.Project(GeoMap(&tile, &tileRect)));
    const ColorRGB red = ColorRGB::FromColorRef(0xFF0000);
    // -180.703125 .. -180 lies at columns 29.6875 .. 100 and rows 29.6875 .. 100.
    EXPECT_EQ(Pixel(canvas, 30, 30), red);
    EXPECT_EQ(Pixel(canvas, 99, 99), red);
    EXPECT_EQ(Pixel(canvas, 29, 50), ColorRGB());
    EXPECT_EQ(Pixel(canvas, 100, 50), ColorRGB());
    EXPECT_EQ(Pixel(canvas, 50, 100), ColorRGB());
    // And the other way round: a western tile on a region east of 180.
    BitmapData east = Solid24(200, 200, 0);
    LatLonRect eastRect = Rect(179.0, 1.0, 181.0, -1.0);
    GeoMap eastMap(&east, &eastRect);
    LatLonRect westTile = Rect(-180.0, 0.5, -179.5, 0.0);
    ASSERT_TRUE(eastMap.Project(GeoMap(&tile, &westTile)));
    EXPECT_EQ(Pixel(east, 100, 60), red);
    EXPECT_EQ(Pixel(east, 149, 99), red);
    EXPECT_EQ(Pixel(east, 150, 60), ColorRGB());
}

TEST(GeoMap, WholeBodyMapsAreNotShifted) {
    BitmapData body = Solid24(360, 180, 0);
    LatLonRect bodyRect = Rect(-180.0, 90.0, 180.0, -90.0);
    GeoMap map(&body, &bodyRect);
    BitmapData tile = Solid24(4, 4, 0x00FF00);
    LatLonRect tileRect = Rect(176.0, 4.0, 180.0, 0.0);
    ASSERT_TRUE(map.Project(GeoMap(&tile, &tileRect)));
    EXPECT_EQ(Pixel(body, 357, 87), ColorRGB::FromColorRef(0x00FF00));
    EXPECT_EQ(Pixel(body, 1, 87), ColorRGB());
}

TEST(GeoMap, CropKeepsWholePixelsAndTheirExactEdges) {
    BitmapData canvas = Solid24(10, 10, 0);
    LatLonRect canvasRect = Rect(0.25, 0.85, 0.55, 0.35);
    GeoMap destination(&canvas, &canvasRect);
    BitmapData image = Gradient24(10, 10);
    LatLonRect imageRect = Rect(0.0, 1.0, 1.0, 0.0);
    WorkMap crop;
    ASSERT_TRUE(destination.CropOpaque(GeoMap(&image, &imageRect), crop));
    // Columns 2..5 reach into 0.25..0.55; rows 1..6 into 0.85..0.35.
    ASSERT_EQ(crop.Image().Width(), 4);
    ASSERT_EQ(crop.Image().Height(), 6);
    EXPECT_DOUBLE_EQ(crop.Rect().West(), 0.2);
    EXPECT_DOUBLE_EQ(crop.Rect().East(), 0.6);
    EXPECT_DOUBLE_EQ(crop.Rect().North(), 0.9);
    EXPECT_DOUBLE_EQ(crop.Rect().South(), 0.3);
    EXPECT_EQ(Pixel(crop.Image(), 0, 0), Pixel(image, 2, 1));
    EXPECT_EQ(Pixel(crop.Image(), 3, 5), Pixel(image, 5, 6));

    // Edges that meet the overlap exactly keep no extra pixel.
    LatLonRect aligned = Rect(0.2, 0.9, 0.6, 0.3);
    GeoMap alignedMap(&canvas, &aligned);
    WorkMap crop2;
    ASSERT_TRUE(alignedMap.CropOpaque(GeoMap(&image, &imageRect), crop2));
    EXPECT_EQ(crop2.Image().Width(), 4);
    EXPECT_EQ(crop2.Image().Height(), 6);

    // A source wholly inside crops to itself, rectangle included.
    BitmapData big = Solid24(10, 10, 0);
    LatLonRect bigRect = Rect(-5.0, 5.0, 5.0, -5.0);
    GeoMap bigMap(&big, &bigRect);
    LatLonRect oddRect = Rect(0.1, 0.7, 0.8, 0.3);
    WorkMap whole;
    ASSERT_TRUE(bigMap.CropOpaque(GeoMap(&image, &oddRect), whole));
    EXPECT_TRUE(whole.Image().IsIdentical(image));
    EXPECT_EQ(whole.Rect().West(), 0.1);
    EXPECT_EQ(whole.Rect().North(), 0.7);
    EXPECT_EQ(whole.Rect().East(), 0.8);
    EXPECT_EQ(whole.Rect().South(), 0.3);

    WorkMap none;
    LatLonRect away = Rect(3.0, 1.0, 4.0, 0.0);
    EXPECT_FALSE(destination.CropOpaque(GeoMap(&image, &away), none));
}

TEST(GeoMap, CropAlphaKeepsFourBytesAndCropSpansCutsTheRows) {
    BitmapData canvas = Solid24(10, 10, 0);
    LatLonRect canvasRect = Rect(0.25, 0.85, 0.55, 0.35);
    GeoMap destination(&canvas, &canvasRect);
    BitmapData image32 = Gradient32(10, 10);
    LatLonRect imageRect = Rect(0.0, 1.0, 1.0, 0.0);
    WorkMap crop;
    ASSERT_TRUE(destination.CropAlpha(GeoMap(&image32, &imageRect), crop));
    ASSERT_EQ(crop.Image().BitsPerPixel(), 32);
    EXPECT_EQ(std::memcmp(crop.Image().PixelAddress(1, 2), image32.PixelAddress(3, 3), 4), 0);

    BitmapData image = Gradient24(10, 10);
    SpanList spans = {{0, 10}, {0, 3}, {3, 5}, {5, 9}, {9, 10},
                      {1, 1},  {2, 6}, {0, 0}, {0, 0}, {0, 0}};
    SpanList cut;
    WorkMap crop2;
    ASSERT_TRUE(destination.CropSpans(GeoMap(&image, &imageRect), spans, crop2, cut));
    // Rows 1..6 of columns 2..5.
    EXPECT_EQ(cut, (SpanList{{0, 1}, {1, 3}, {3, 4}, {4, 4}, {0, 0}, {0, 4}}));
    SpanList wrong(9);
    EXPECT_FALSE(destination.CropSpans(GeoMap(&image, &imageRect), wrong, crop2, cut));
}

} // namespace
} // namespace pf
