// Drawing a base's objects onto the editor's map at the closest zoom: a few hundred
// small objects and one 4 km strip that crosses the whole view.
#include "document/base_document.h"
#include "imagery/bitmap_data.h"
#include "imagery/geo_map.h"
#include "objects/object_imaging.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Degrees per pixel of the closest static-map zoom.
constexpr double kDegreesPerPixel = 1.3411044749722664e-06;

struct Placement {
    pf::Point3 pos;
    pf::Point3 scale;
    double rotation;
};

void BM_DrawObjectsOnMap(benchmark::State& state) {
    pf::BaseDocument document;
    document.SetBody(pf::AstrelBody("Earth", 6371010.0, 5.973698968e24));
    pf::BitmapData image(1024, 768, 24);
    pf::LatLonRect rect;
    rect.Set(-512 * kDegreesPerPixel, 384 * kDegreesPerPixel, 512 * kDegreesPerPixel,
             -384 * kDegreesPerPixel);
    pf::GeoMap map(&image, &rect);

    std::vector<Placement> objects;
    for (int i = 0; i < 300; ++i) {
        const double x = (i * 37 % 150) - 75.0;
        const double y = (i * 53 % 110) - 55.0;
        objects.push_back({pf::Point3{x, y, 0}, pf::Point3{4.0 + i % 9, 3.0 + i % 7, 5}, i * 13.0});
    }
    pf::BitmapData icon(64, 64, 24);
    icon.FillColor24(pf::ColorRGB(40, 90, 160));

    for (auto _ : state) {
        for (const Placement& p : objects) {
            pf::ObjectImaging imaging(document);
            imaging.SetupFromPosScaleRot(document, p.pos, p.scale, p.rotation, false);
            pf::BitmapData copy(icon);
            imaging.SetIcon(copy, 1, 1);
            benchmark::DoNotOptimize(imaging.DrawOnMap(map, document.GetPosition()));
        }
        pf::ObjectImaging strip(document);
        strip.SetupFromEnds(document, pf::Point3{-2000, -300, 0}, pf::Point3{2000, 300, 0}, 45,
                            true);
        pf::BitmapData copy(icon);
        strip.SetIcon(copy, 1, 1);
        benchmark::DoNotOptimize(strip.DrawOnMap(map, document.GetPosition()));
    }
    state.SetItemsProcessed(state.iterations() * 301);
}
BENCHMARK(BM_DrawObjectsOnMap)->Unit(benchmark::kMillisecond);

} // namespace
