// The sample tree's pictures: every one a few flat colours, so that block compression
// keeps them as drawn.
#include "resources/generator/sample_tree.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace pf::sample {

namespace {

constexpr double kRadian = std::numbers::pi / 180.0;

const ColorRGB kDeepSea = ColorRGB::FromRgb(24, 64, 160);
const ColorRGB kShallowSea = ColorRGB::FromRgb(48, 112, 200);
const ColorRGB kLowland = ColorRGB::FromRgb(64, 152, 64);
const ColorRGB kHighland = ColorRGB::FromRgb(32, 104, 40);
const ColorRGB kIce = ColorRGB::FromRgb(240, 244, 248);

// A round island: its centre and its radius in degrees of arc.
struct Island {
    double longitude;
    double latitude;
    double radius;
};

// Made-up continents; the first holds the sample base.
constexpr Island kLand[] = {
    {-92, 38, 26},  {-70, 10, 14}, {-58, -18, 22}, {-66, -44, 12}, {12, 50, 18},
    {28, 8, 26},    {22, -24, 18}, {48, -20, 8},   {96, 46, 30},   {122, 20, 16},
    {134, -26, 18}, {172, -42, 6}, {-152, 62, 12}, {-40, 72, 10},
};

// The angle between two places on the sphere, in degrees.
double ArcDegrees(double lon1, double lat1, double lon2, double lat2) {
    const double c =
        std::sin(lat1 * kRadian) * std::sin(lat2 * kRadian) +
        std::cos(lat1 * kRadian) * std::cos(lat2 * kRadian) * std::cos((lon1 - lon2) * kRadian);
    return std::acos(std::clamp(c, -1.0, 1.0)) / kRadian;
}

void Put(BitmapData& image, int x, int y, const ColorRGB& c) {
    uint8_t* p = image.PixelAddress(x, y);
    p[0] = c.blue;
    p[1] = c.green;
    p[2] = c.red;
    p[3] = 255;
}

BitmapData Canvas(int width, int height, const ColorRGB& c) {
    BitmapData image(width, height, 32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Put(image, x, y, c);
        }
    }
    return image;
}

// Pixels left <= x < right, top <= y < bottom.
void Fill(BitmapData& image, int left, int top, int right, int bottom, const ColorRGB& c) {
    for (int y = std::max(top, 0); y < std::min(bottom, image.Height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, image.Width()); ++x) {
            Put(image, x, y, c);
        }
    }
}

// Every pixel whose centre lies between the radii (in pixels) about the centre.
void Ring(BitmapData& image, double cx, double cy, double inner, double outer, const ColorRGB& c) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d >= inner && d < outer) {
                Put(image, x, y, c);
            }
        }
    }
}

} // namespace

TileAttributes FieldTile() {
    return TileAttributes::FromPosition("Earth", kFieldTileLevel,
                                        LatLon(kFieldLongitude, kFieldLatitude));
}

ColorRGB PlanetColour(double longitude, double latitude) {
    if (std::fabs(latitude) > 78.0) {
        return kIce;
    }
    double land = 0.0;
    for (const Island& island : kLand) {
        const double d = ArcDegrees(longitude, latitude, island.longitude, island.latitude);
        land += std::max(0.0, 1.0 - (d / island.radius) * (d / island.radius));
    }
    if (land < 0.15) {
        return kDeepSea;
    }
    if (land < 0.3) {
        return kShallowSea;
    }
    if (std::fabs(latitude) > 66.0) {
        return kIce;
    }
    return land < 0.85 ? kLowland : kHighland;
}

BitmapData DrawMoon() {
    const int width = 256;
    const int height = 128;
    struct Crater {
        double longitude, latitude, radius; // degrees
        bool mare;
    };
    static constexpr Crater kCraters[] = {
        {-20, 20, 24, true},   {15, 8, 16, true},     {-60, -10, 18, true}, {40, 30, 10, true},
        {-10, -45, 6, false},  {70, -20, 8, false},   {-120, 40, 9, false}, {130, 10, 7, false},
        {160, -50, 11, false}, {-150, -30, 6, false}, {95, 55, 5, false},   {-80, 60, 7, false},
    };
    const ColorRGB highland = ColorRGB::FromRgb(168, 168, 164);
    const ColorRGB mare = ColorRGB::FromRgb(96, 96, 100);
    const ColorRGB floor = ColorRGB::FromRgb(128, 128, 128);
    const ColorRGB rim = ColorRGB::FromRgb(212, 212, 208);
    BitmapData image = Canvas(width, height, highland);
    for (int y = 0; y < height; ++y) {
        const double latitude = 90.0 - (y + 0.5) * 180.0 / height;
        for (int x = 0; x < width; ++x) {
            const double longitude = -180.0 + (x + 0.5) * 360.0 / width;
            for (const Crater& c : kCraters) {
                const double d = ArcDegrees(longitude, latitude, c.longitude, c.latitude);
                if (c.mare && d < c.radius) {
                    Put(image, x, y, mare);
                } else if (!c.mare && d < c.radius * 0.8) {
                    Put(image, x, y, floor);
                } else if (!c.mare && d < c.radius) {
                    Put(image, x, y, rim);
                }
            }
        }
    }
    return image;
}

BitmapData DrawWall() {
    BitmapData image = Canvas(64, 64, ColorRGB::FromRgb(204, 198, 186));
    for (int row = 0; row < 4; ++row) {
        // A darker floor band under each row of windows.
        Fill(image, 0, row * 16 + 14, 64, row * 16 + 16, ColorRGB::FromRgb(150, 144, 134));
        for (int column = 0; column < 4; ++column) {
            const int left = column * 16 + 3;
            const int top = row * 16 + 3;
            Fill(image, left, top, left + 10, top + 9, ColorRGB::FromRgb(88, 92, 96));
            Fill(image, left + 1, top + 1, left + 9, top + 8, ColorRGB::FromRgb(40, 64, 112));
        }
    }
    return image;
}

BitmapData DrawPad() {
    BitmapData image = Canvas(64, 64, ColorRGB::FromRgb(150, 150, 146));
    const ColorRGB yellow = ColorRGB::FromRgb(232, 192, 40);
    const ColorRGB white = ColorRGB::FromRgb(240, 240, 240);
    Ring(image, 32, 32, 24, 29, yellow);
    // The letter H in the middle.
    Fill(image, 22, 18, 27, 46, white);
    Fill(image, 37, 18, 42, 46, white);
    Fill(image, 27, 30, 37, 34, white);
    return image;
}

BitmapData DrawFieldTile() {
    const ColorRGB grass = ColorRGB::FromRgb(86, 130, 60);
    const ColorRGB mown = ColorRGB::FromRgb(100, 146, 68);
    BitmapData image = Canvas(512, 512, grass);
    for (int stripe = 0; stripe < 512; stripe += 64) {
        Fill(image, stripe, 0, stripe + 32, 512, mown);
    }
    Fill(image, 0, 232, 512, 280, ColorRGB::FromRgb(64, 64, 68));      // taxiway, east to west
    Fill(image, 160, 120, 352, 232, ColorRGB::FromRgb(176, 176, 170)); // apron
    Fill(image, 252, 232, 260, 280, ColorRGB::FromRgb(232, 192, 40));  // lead-in line
    // The north-west corner's marker shows which way up the tile is.
    Fill(image, 0, 0, 32, 32, ColorRGB::FromRgb(200, 24, 24));
    return image;
}

} // namespace pf::sample
