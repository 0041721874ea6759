#include "resources/generator/install_pictures.h"

#include "foundation/geometry.h"
#include "imagery/drawing.h"

#include <algorithm>
#include <utility>

namespace pf::pictures {

namespace {

// Colours, given red, green, blue.
const ColorRGB kGround = ColorRGB::FromRgb(96, 122, 78);
const ColorRGB kFace = ColorRGB::FromRgb(212, 208, 200);
const ColorRGB kBlack = ColorRGB::FromRgb(0, 0, 0);
const ColorRGB kWhite = ColorRGB::FromRgb(255, 255, 255);
const ColorRGB kDark = ColorRGB::FromRgb(64, 64, 64);
const ColorRGB kMid = ColorRGB::FromRgb(112, 112, 112);
const ColorRGB kRoof = ColorRGB::FromRgb(168, 168, 168);
const ColorRGB kHangarRoof = ColorRGB::FromRgb(150, 162, 174);
const ColorRGB kRidge = ColorRGB::FromRgb(84, 92, 104);
const ColorRGB kConcrete = ColorRGB::FromRgb(140, 140, 140);
const ColorRGB kPad = ColorRGB::FromRgb(184, 184, 184);
const ColorRGB kPadRing = ColorRGB::FromRgb(224, 192, 64);
const ColorRGB kCell = ColorRGB::FromRgb(30, 46, 120);
const ColorRGB kCellFrame = ColorRGB::FromRgb(190, 190, 196);
const ColorRGB kAsphalt = ColorRGB::FromRgb(60, 60, 60);
const ColorRGB kSleeper = ColorRGB::FromRgb(122, 90, 58);
const ColorRGB kCar = ColorRGB::FromRgb(176, 48, 32);
const ColorRGB kArrow = ColorRGB::FromRgb(0, 0, 96);

BitmapData Canvas(int width, int height, const ColorRGB& background) {
    BitmapData image(width, height, 24);
    image.FillColor24(background);
    return image;
}

// One horizontal run, both ends included.
void Run(BitmapData& image, int x0, int x1, int y, const ColorRGB& colour) {
    if (x1 >= x0) {
        DrawLine(image, x0, y, x1, y, colour);
    }
}

// Pixels left <= x < right, top <= y < bottom.
void FillRect(BitmapData& image, int left, int top, int right, int bottom, const ColorRGB& c) {
    for (int y = top; y < bottom; ++y) {
        Run(image, left, right - 1, y, c);
    }
}

// The one-pixel outline of the same pixels.
void Outline(BitmapData& image, int left, int top, int right, int bottom, const ColorRGB& c) {
    DrawQuadOutline(image, Point2(left, top), Point2(right - 1, top), Point2(left, bottom - 1),
                    Point2(right - 1, bottom - 1), c);
}

// A darkened drop shadow below and right of a rectangle.
void Shadow(BitmapData& image, int left, int top, int right, int bottom) {
    image.BlendRect(left + 3, top + 3, right + 3, bottom + 3, ColorRGBA(0, 0, 0, 96));
}

// A disc about a centre given in half pixels (64 is the line between pixels 31 and 32):
// every pixel whose centre lies within the radius (also in half pixels).
void Disc(BitmapData& image, int cx2, int cy2, int r2, const ColorRGB& c) {
    for (int y = 0; y < image.Height(); ++y) {
        int first = -1;
        int last = -2;
        const int dy = 2 * y + 1 - cy2;
        for (int x = 0; x < image.Width(); ++x) {
            const int dx = 2 * x + 1 - cx2;
            if (dx * dx + dy * dy <= r2 * r2) {
                if (first < 0) {
                    first = x;
                }
                last = x;
            }
        }
        Run(image, first, last, y, c);
    }
}

// A convex polygon with corners in half pixels, in either turning order: every pixel whose
// centre lies inside or on an edge.
void FillConvex(BitmapData& image, const std::vector<std::pair<int, int>>& corners,
                const ColorRGB& c) {
    const size_t n = corners.size();
    for (int y = 0; y < image.Height(); ++y) {
        int first = -1;
        int last = -2;
        for (int x = 0; x < image.Width(); ++x) {
            const int px = 2 * x + 1;
            const int py = 2 * y + 1;
            bool any_positive = false;
            bool any_negative = false;
            for (size_t i = 0; i < n; ++i) {
                const auto [ax, ay] = corners[i];
                const auto [bx, by] = corners[(i + 1) % n];
                const int cross = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
                any_positive = any_positive || cross > 0;
                any_negative = any_negative || cross < 0;
            }
            if (!(any_positive && any_negative)) {
                if (first < 0) {
                    first = x;
                }
                last = x;
            }
        }
        Run(image, first, last, y, c);
    }
}

BitmapData Block() {
    BitmapData image = Canvas(64, 64, kGround);
    Shadow(image, 12, 12, 52, 52);
    FillRect(image, 12, 12, 52, 52, kRoof);
    Outline(image, 12, 12, 52, 52, kDark);
    Outline(image, 13, 13, 51, 51, kMid);
    return image;
}

BitmapData Tank() {
    BitmapData image = Canvas(64, 64, kGround);
    Disc(image, 70, 70, 48, ColorRGB::FromRgb(60, 80, 50)); // shadow on the ground
    Disc(image, 64, 64, 48, kDark);
    Disc(image, 64, 64, 42, ColorRGB::FromRgb(220, 220, 216));
    Disc(image, 64, 64, 18, kMid);
    Disc(image, 64, 64, 13, ColorRGB::FromRgb(220, 220, 216));
    return image;
}

BitmapData Hangar(int width, int height, int ridges) {
    BitmapData image = Canvas(width, height, kGround);
    const int left = width / 8;
    const int right = width - width / 8;
    const int top = height / 8;
    const int bottom = height - height / 8;
    Shadow(image, left, top, right, bottom);
    FillRect(image, left, top, right, bottom, kHangarRoof);
    // Ridge bands across the roof, evenly spaced.
    for (int k = 1; k <= ridges; ++k) {
        const int x = left + (right - left) * k / (ridges + 1);
        FillRect(image, x - 2, top, x + 2, bottom, kRidge);
    }
    Outline(image, left, top, right, bottom, kDark);
    return image;
}

// A landing pad: 0 plain, 1 with an outer ring, 2 on a square.
BitmapData Pad(int kind) {
    BitmapData image = Canvas(64, 64, kGround);
    if (kind == 2) {
        Shadow(image, 4, 4, 60, 60);
        FillRect(image, 4, 4, 60, 60, kConcrete);
        Outline(image, 4, 4, 60, 60, kDark);
    }
    if (kind == 1) {
        Disc(image, 64, 64, 58, kPadRing);
        Disc(image, 64, 64, 53, kGround);
    }
    Disc(image, 64, 64, 48, kPad);
    // The H, three bars of lines.
    FillRect(image, 22, 20, 26, 44, kWhite);
    FillRect(image, 38, 20, 42, 44, kWhite);
    FillRect(image, 26, 30, 38, 34, kWhite);
    return image;
}

BitmapData SolarPlant() {
    BitmapData image = Canvas(64, 64, kGround);
    FillRect(image, 4, 4, 60, 60, kCellFrame);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const int x = 6 + col * 13;
            const int y = 6 + row * 13;
            FillRect(image, x, y, x + 11, y + 11, kCell);
        }
    }
    Outline(image, 4, 4, 60, 60, kDark);
    return image;
}

// A track across the picture with a car on it; the hanging kind stands on supports.
BitmapData Train(int width, int height, bool hanging) {
    BitmapData image = Canvas(width, height, kGround);
    const int mid = height / 2;
    if (hanging) {
        for (int x = 8; x < width; x += 24) {
            FillRect(image, x, mid - 12, x + 6, mid + 12, kMid);
            Outline(image, x, mid - 12, x + 6, mid + 12, kDark);
        }
        FillRect(image, 0, mid - 3, width, mid + 3, kDark);
    } else {
        for (int x = 2; x < width; x += 6) {
            FillRect(image, x, mid - 8, x + 3, mid + 8, kSleeper);
        }
        Run(image, 0, width - 1, mid - 5, kDark);
        Run(image, 0, width - 1, mid + 4, kDark);
    }
    const int car_left = width / 2 - 14;
    const int car_right = width / 2 + 14;
    Shadow(image, car_left, mid - 7, car_right, mid + 7);
    FillRect(image, car_left, mid - 7, car_right, mid + 7, kCar);
    Outline(image, car_left, mid - 7, car_right, mid + 7, kBlack);
    for (int x = car_left + 5; x < car_right - 3; x += 6) {
        FillRect(image, x, mid - 4, x + 3, mid + 4, ColorRGB::FromRgb(200, 220, 240));
    }
    return image;
}

BitmapData Runway(bool long_kind) {
    BitmapData image = Canvas(96, 64, kGround);
    const int left = long_kind ? 2 : 14;
    const int right = long_kind ? 94 : 82;
    FillRect(image, left, 22, right, 42, kAsphalt);
    Outline(image, left, 22, right, 42, kWhite);
    int dash_from = left + 6;
    int dash_to = right - 6;
    if (long_kind) {
        // Threshold bars at both ends.
        for (int i = 0; i < 4; ++i) {
            FillRect(image, left + 3 + i * 3, 25, left + 5 + i * 3, 39, kWhite);
            FillRect(image, right - 5 - i * 3, 25, right - 3 - i * 3, 39, kWhite);
        }
        dash_from = left + 18;
        dash_to = right - 18;
    }
    for (int x = dash_from; x + 6 <= dash_to; x += 10) {
        FillRect(image, x, 31, x + 6, 33, kWhite);
    }
    return image;
}

BitmapData Plus() {
    BitmapData image = Canvas(32, 32, kFace);
    FillRect(image, 6, 14, 26, 18, kArrow);
    FillRect(image, 14, 6, 18, 26, kArrow);
    return image;
}

BitmapData Minus() {
    BitmapData image = Canvas(32, 32, kFace);
    FillRect(image, 6, 14, 26, 18, kArrow);
    return image;
}

// A solid arrow pointing right, turned by quarter turns: 0 right, 1 down, 2 left, 3 up.
// Corners are in half pixels of a 32 x 32 picture.
std::vector<std::pair<int, int>> Turned(std::vector<std::pair<int, int>> corners, int quarter) {
    for (auto& [x, y] : corners) {
        for (int q = 0; q < quarter; ++q) {
            const int nx = 64 - y;
            const int ny = x;
            x = nx;
            y = ny;
        }
    }
    return corners;
}

BitmapData Arrow(int quarter) {
    BitmapData image = Canvas(32, 32, kFace);
    FillConvex(image, Turned({{10, 26}, {34, 26}, {34, 38}, {10, 38}}, quarter), kArrow);
    FillConvex(image, Turned({{32, 12}, {54, 32}, {32, 52}}, quarter), kArrow);
    return image;
}

BitmapData Move() {
    BitmapData image = Canvas(32, 32, kFace);
    FillRect(image, 8, 15, 24, 17, kArrow);
    FillRect(image, 15, 8, 17, 24, kArrow);
    for (int q = 0; q < 4; ++q) {
        FillConvex(image, Turned({{46, 22}, {60, 32}, {46, 42}}, q), kArrow);
    }
    return image;
}

BitmapData Select() {
    BitmapData image = Canvas(32, 32, kFace);
    // A pointer: the head, then its tail.
    const std::vector<std::pair<int, int>> head = {{14, 6}, {14, 46}, {44, 36}};
    FillConvex(image, {{24, 34}, {32, 30}, {44, 54}, {36, 58}}, kBlack);
    FillConvex(image, head, kBlack);
    FillConvex(image, {{17, 14}, {17, 40}, {37, 34}}, kWhite);
    return image;
}

} // namespace

std::vector<Picture> DrawInstallPictures() {
    std::vector<Picture> out;
    auto add = [&out](const char* path, BitmapData image) {
        out.push_back(Picture{path, std::move(image)});
    };
    add("block.bmp", Block());
    add("tank.bmp", Tank());
    add("hangar.bmp", Hangar(64, 64, 1));
    add("hangar2.bmp", Hangar(64, 64, 2));
    add("hangar3.bmp", Hangar(64, 64, 3));
    add("lpad1.bmp", Pad(0));
    add("lpad2.bmp", Pad(1));
    add("lpad2a.bmp", Pad(2));
    add("solarplant.bmp", SolarPlant());
    add("train1.bmp", Train(64, 64, false));
    add("Buttons/runway0.bmp", Runway(false));
    add("Buttons/runway1.bmp", Runway(true));
    add("Buttons/train1.bmp", Train(96, 64, false));
    add("Buttons/train2.bmp", Train(96, 64, true));
    add("Buttons/hangar.bmp", Hangar(96, 64, 1));
    add("Buttons/hangar2.bmp", Hangar(96, 64, 2));
    add("Buttons/hangar3.bmp", Hangar(96, 64, 3));
    add("Buttons/plus.bmp", Plus());
    add("Buttons/minus.bmp", Minus());
    add("Buttons/right.bmp", Arrow(0));
    add("Buttons/down.bmp", Arrow(1));
    add("Buttons/left.bmp", Arrow(2));
    add("Buttons/up.bmp", Arrow(3));
    add("Buttons/move.bmp", Move());
    add("Buttons/select.bmp", Select());
    return out;
}

} // namespace pf::pictures
