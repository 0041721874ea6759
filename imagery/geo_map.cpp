#include "imagery/geo_map.h"

#include "foundation/failure.h"
#include "foundation/geometry.h"
#include "imagery/resample.h"
#include "imagery/spans.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace pf {

namespace {

const char kSpansWrongSize[] = "BeginEndList wrong size\r\n";
const char kNotInitialized[] = "Maps are not properly initialized\r\n";
const char kNotInFormat[] = "Maps are not in proper format\r\n";

// Smooth doubling until the destination is at most this many times the source.
constexpr double kDoublingRatio = 1.8;

enum class Blend { Alpha, Opaque, Spans };

struct Overlap {
    double west = 0.0;
    double north = 0.0;
    double east = 0.0;
    double south = 0.0;
};

// An empty, inverted or non-finite overlap counts as none.
bool FindOverlap(const LatLonRect& a, const LatLonRect& b, Overlap& o) {
    o.west = std::max(a.West(), b.West());
    o.east = std::min(a.East(), b.East());
    o.north = std::min(a.North(), b.North());
    o.south = std::max(a.South(), b.South());
    return std::isfinite(o.west) && std::isfinite(o.east) && std::isfinite(o.north) &&
           std::isfinite(o.south) && o.east > o.west && o.north > o.south;
}

// A source whose centre lies more than half a turn from the destination's is taken a
// turn nearer, so a tile just east of 180 lands on a view reaching just west of -180.
LatLonRect NearerRect(const LatLonRect& source, const LatLonRect& destination) {
    const double sourceCentre = (source.West() + source.East()) / 2.0;
    const double destinationCentre = (destination.West() + destination.East()) / 2.0;
    double shift = 0.0;
    if (sourceCentre - destinationCentre > 180.0) {
        shift = -360.0;
    } else if (destinationCentre - sourceCentre > 180.0) {
        shift = 360.0;
    }
    LatLonRect moved;
    moved.Set(source.West() + shift, source.North(), source.East() + shift, source.South());
    return moved;
}

int SourceBits(Blend blend) { return blend == Blend::Alpha ? 32 : 24; }

bool CheckMaps(const GeoMap& destination, const GeoMap& source, const SpanList* spans,
               Blend blend) {
    const BitmapData* d = destination.GetImage();
    const BitmapData* s = source.GetImage();
    if (blend == Blend::Spans) {
        const std::size_t rows = s != nullptr && s->Height() > 0 ? s->Height() : 0;
        if (spans == nullptr || spans->size() != rows) {
            return ShowFailureMessage(kSpansWrongSize);
        }
    }
    if (d == nullptr || s == nullptr || destination.GetRect() == nullptr ||
        source.GetRect() == nullptr || !d->HasPixels() || !s->HasPixels()) {
        return ShowFailureMessage(kNotInitialized);
    }
    if (d->Width() <= 0 || d->Height() <= 0 || s->Width() <= 0 || s->Height() <= 0 ||
        d->BitsPerPixel() != 24 || s->BitsPerPixel() != SourceBits(blend)) {
        return ShowFailureMessage(kNotInFormat);
    }
    return true;
}

// The overlap in destination pixels, rounded as plane rectangles are.
PixelRect DestinationPixels(const GeoMap& destination, const Overlap& o) {
    const double dppX = destination.GetDegreesPerPixelX();
    const double dppY = destination.GetDegreesPerPixelY();
    const double west = destination.GetRect()->West();
    const double north = destination.GetRect()->North();
    GeoRect g;
    g.left = (o.west - west) / dppX;
    g.right = (o.east - west) / dppX;
    g.top = (north - o.north) / dppY;
    g.bottom = (north - o.south) / dppY;
    const IntRect r = g.ToIntRect();
    return PixelRect{r.left, r.top, r.right, r.bottom};
}

// Pixel edges are computed by multiplication from the image's first edge, so no error
// builds up across a row of many pixels. Edge `count` is the image's own far edge.
struct EdgeScale {
    double start;
    double step;
    double end;
    int count;
    double Edge(long long i) const {
        return i >= count ? end : start + static_cast<double>(i) * step;
    }
};

// The first and last pixel whose span reaches into (low, high) along one axis where the
// edges grow with the index. A pixel must reach in by more than a millionth of its size:
// less is rounding noise of decimal rectangles, and keeping such a pixel would squeeze a
// whole extra pixel into the overlap.
void KeptRange(const EdgeScale& e, double low, double high, int& first, int& last) {
    const int maxIndex = e.count - 1;
    const double noise = e.step * 1e-6;
    low += noise;
    high -= noise;
    auto clampIndex = [&](double v) {
        if (!(v > 0.0)) {
            return 0;
        }
        return v >= maxIndex ? maxIndex : static_cast<int>(v);
    };
    first = clampIndex(std::floor((low - e.start) / e.step));
    while (first > 0 && e.Edge(first) > low) {
        --first;
    }
    while (first < maxIndex && !(e.Edge(first + 1) > low)) {
        ++first;
    }
    last = clampIndex(std::ceil((high - e.start) / e.step) - 1.0);
    while (last < maxIndex && e.Edge(last + 1) < high) {
        ++last;
    }
    while (last > 0 && !(e.Edge(last) < high)) {
        --last;
    }
    last = std::max(last, first);
}

bool CropTo(const GeoMap& destination, const GeoMap& source, const SpanList* spans, WorkMap& crop,
            SpanList* cropSpans) {
    Overlap o;
    if (destination.GetRect() == nullptr || source.GetRect() == nullptr ||
        source.GetImage() == nullptr || !source.GetImage()->HasPixels() ||
        !FindOverlap(*destination.GetRect(), *source.GetRect(), o)) {
        return false;
    }
    const BitmapData& image = *source.GetImage();
    const LatLonRect& rect = *source.GetRect();
    const int width = image.Width();
    const int height = image.Height();
    // Columns grow eastward from the west edge; rows are measured southward from the
    // north edge, so latitudes are negated to keep both axes growing with the index.
    const EdgeScale columns{rect.West(), source.GetDegreesPerPixelX(), rect.East(), width};
    const EdgeScale rows{-rect.North(), source.GetDegreesPerPixelY(), -rect.South(), height};
    int firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
    KeptRange(columns, o.west, o.east, firstColumn, lastColumn);
    KeptRange(rows, -o.north, -o.south, firstRow, lastRow);

    const int cropWidth = lastColumn - firstColumn + 1;
    const int cropHeight = lastRow - firstRow + 1;
    if (!crop.Image().Create(cropWidth, cropHeight, image.BitsPerPixel())) {
        return false;
    }
    const std::size_t bytesPerPixel = image.BitsPerPixel() / 8;
    for (int r = 0; r < cropHeight; ++r) {
        std::memcpy(crop.Image().Row(r), image.PixelAddress(firstColumn, firstRow + r),
                    bytesPerPixel * static_cast<std::size_t>(cropWidth));
    }
    crop.Rect().Set(columns.Edge(firstColumn), -rows.Edge(firstRow), columns.Edge(lastColumn + 1),
                    -rows.Edge(lastRow + 1));

    if (spans != nullptr && cropSpans != nullptr) {
        cropSpans->assign(static_cast<std::size_t>(cropHeight), BeginEnd{});
        for (int r = 0; r < cropHeight; ++r) {
            const BeginEnd span = (*spans)[static_cast<std::size_t>(firstRow + r)];
            const long long begin = std::clamp<long long>(
                static_cast<long long>(span.begin) - firstColumn, 0, cropWidth);
            const long long end = std::clamp<long long>(
                static_cast<long long>(span.end) - firstColumn, begin, cropWidth);
            (*cropSpans)[static_cast<std::size_t>(r)] =
                BeginEnd{static_cast<std::int32_t>(begin), static_cast<std::int32_t>(end)};
        }
    }
    return true;
}

bool DoubleWidthOf(BitmapData& image, Blend blend) {
    return blend == Blend::Alpha ? DoubleWidthSmooth32(image) : DoubleWidthSmooth24(image);
}

bool DoubleHeightOf(BitmapData& image, Blend blend) {
    return blend == Blend::Alpha ? DoubleHeightSmooth32(image) : DoubleHeightSmooth24(image);
}

bool ProjectAt(GeoMap& destination, const GeoMap& given, const SpanList* spans, Blend blend,
               int level) {
    if (!CheckMaps(destination, given, spans, blend)) {
        return false;
    }
    LatLonRect nearer = NearerRect(*given.GetRect(), *destination.GetRect());
    const GeoMap source(given.GetImage(), &nearer);

    Overlap o;
    if (!FindOverlap(*destination.GetRect(), nearer, o)) {
        return true;
    }
    const PixelRect target = DestinationPixels(destination, o);
    if (target.Width() <= 0 || target.Height() <= 0) {
        return true;
    }
    const BitmapData& image = *source.GetImage();

    if (level == 0) {
        // Whatever the scale, only the part that is seen is resized, undistorted.
        WorkMap crop;
        SpanList cropSpans;
        if (!CropTo(destination, source, spans, crop, &cropSpans)) {
            return false;
        }
        return ProjectAt(destination, crop.View(), spans != nullptr ? &cropSpans : nullptr, blend,
                         1);
    }

    const bool enlarging = target.Width() > image.Width() || target.Height() > image.Height();
    if (enlarging && level != -1 && blend != Blend::Spans) {
        const bool wider = static_cast<double>(target.Width()) / image.Width() > kDoublingRatio;
        const bool taller = static_cast<double>(target.Height()) / image.Height() > kDoublingRatio;
        if (wider || taller) {
            WorkMap grown;
            if (!grown.Image().DeepCopy(image)) {
                return false;
            }
            grown.Rect() = nearer;
            if ((wider && !DoubleWidthOf(grown.Image(), blend)) ||
                (taller && !DoubleHeightOf(grown.Image(), blend))) {
                return false;
            }
            WorkMap crop;
            if (!CropTo(destination, grown.View(), nullptr, crop, nullptr)) {
                return false;
            }
            return ProjectAt(destination, crop.View(), nullptr, blend, 2);
        }
        // Nothing to double: the source is already cropped, so it is resized as it is.
    }

    BitmapData work;
    if (!work.Create(static_cast<int>(target.Width()), static_cast<int>(target.Height()),
                     SourceBits(blend))) {
        return false;
    }
    BitmapData& canvas = *destination.GetImage();
    switch (blend) {
    case Blend::Alpha:
        return BitmapData::Resample32(work, image) &&
               BitmapData::Blit32To24(canvas, work, target, work.GetRect());
    case Blend::Opaque:
        return BitmapData::Resample24(work, image) &&
               BitmapData::Blit24(canvas, work, target, work.GetRect());
    case Blend::Spans: {
        SpanList resized = *spans;
        return ResampleToSpans(work, image, resized) &&
               BlitSpans(canvas, work, resized, target, work.GetRect());
    }
    }
    return false;
}

} // namespace

double GeoMap::GetWidth() const { return rect_ != nullptr ? rect_->GetWidth() : 0.0; }

double GeoMap::GetHeight() const { return rect_ != nullptr ? rect_->GetHeight() : 0.0; }

double GeoMap::GetDegreesPerPixelX() const {
    if (image_ == nullptr || rect_ == nullptr) {
        return 0.0;
    }
    return (rect_->East() - rect_->West()) / image_->Width();
}

double GeoMap::GetDegreesPerPixelY() const {
    if (image_ == nullptr || rect_ == nullptr) {
        return 0.0;
    }
    return (rect_->North() - rect_->South()) / image_->Height();
}

bool GeoMap::SetFromDoubles(double westLongitude, double northLatitude, double eastLongitude,
                            double southLatitude) {
    if (rect_ == nullptr) {
        return false;
    }
    return rect_->Set(westLongitude, northLatitude, eastLongitude, southLatitude);
}

MapPixel GeoMap::LatLonToPixel(const LatLon& position) const {
    // Far enough off any map to be clipped, near enough to convert without overflow.
    constexpr double kFar = 1e9;
    auto toPixel = [&](double v) {
        if (!(v >= -kFar)) {
            v = -kFar; // also NaN
        }
        return static_cast<std::int32_t>(std::min(v, kFar));
    };
    if (image_ == nullptr || rect_ == nullptr) {
        return MapPixel{toPixel(-kFar), toPixel(-kFar)};
    }
    double longitude = position.GetLongitude();
    const double centre = (rect_->West() + rect_->East()) / 2.0;
    if (longitude - centre > 180.0) {
        longitude -= 360.0;
    } else if (centre - longitude > 180.0) {
        longitude += 360.0;
    }
    return MapPixel{
        toPixel((longitude - rect_->West()) / GetDegreesPerPixelX() + 0.5),
        toPixel((rect_->North() - position.GetLatitude()) / GetDegreesPerPixelY() + 0.5)};
}

bool GeoMap::Project(const GeoMap& source) {
    if (source.image_ != nullptr && source.image_->BitsPerPixel() == 32) {
        return ProjectAlpha(source, 0);
    }
    return ProjectOpaque(source, 0);
}

bool GeoMap::ProjectNoReduce(const GeoMap& source, const SpanList& spans) {
    return ProjectSpans(source, spans, 0);
}

bool GeoMap::ProjectAlpha(const GeoMap& source, int level) {
    return ProjectAt(*this, source, nullptr, Blend::Alpha, level);
}

bool GeoMap::ProjectOpaque(const GeoMap& source, int level) {
    return ProjectAt(*this, source, nullptr, Blend::Opaque, level);
}

bool GeoMap::ProjectSpans(const GeoMap& source, const SpanList& spans, int level) {
    return ProjectAt(*this, source, &spans, Blend::Spans, level);
}

bool GeoMap::CropAlpha(const GeoMap& source, WorkMap& crop) const {
    return CropTo(*this, source, nullptr, crop, nullptr);
}

bool GeoMap::CropOpaque(const GeoMap& source, WorkMap& crop) const {
    return CropTo(*this, source, nullptr, crop, nullptr);
}

bool GeoMap::CropSpans(const GeoMap& source, const SpanList& spans, WorkMap& crop,
                       SpanList& cropSpans) const {
    if (source.image_ == nullptr ||
        spans.size() != static_cast<std::size_t>(std::max(0, source.image_->Height()))) {
        return false;
    }
    return CropTo(*this, source, &spans, crop, &cropSpans);
}

} // namespace pf
