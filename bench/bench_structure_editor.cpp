// The structure editor's drawing of a busy 1024 x 768 view at zoom 15: 1,000 blocks,
// hangars, tanks, runways and pads over a planet archive of our own making and 16 cached
// tiles. Beside the full redraw stands a plain copy of an image of the same size, the
// floor any redraw is measured against; then one step of a drag and one small pan.
#include "app/logic/structure_editor_model.h"
#include "bench_sandbox.h"
#include "document/base_document.h"
#include "platform/known_folders.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A window that shows nothing.
class NoWindow : public pf::StructureEditorWindow {
  public:
    void Blit() override {}
    void SetListEntries(const std::vector<pf::ObjectListEntry>&) override {}
    int ListCurrent() const override { return -1; }
    void SetListCurrent(int) override {}
    void SetShowObjectsVisible(bool) override {}
    bool ShowParametersChecked() const override { return true; }
    void SetCursor(pf::EditorCursor) override {}
    pf::ClientPoint ButtonCentre(int) const override { return {}; }
    pf::UiOwner MenuOwner() const override { return nullptr; }
    int PanDownButtonBottom() const override { return 200; }
    void SetStatusLine(const std::string&) override {}
    pf::IntRect ListRect() const override { return {}; }
    void FocusZoomIn() override {}
    void SetCaption(int, const std::string&) override {}
    void ShowTool(int) override {}
    void SetTitle(const std::string&) override {}
    void SetShowParametersChecked(bool) override {}
    void EndDialog(pf::EditorEnd) override {}
};

// The sandbox, a base of 1,000 objects and an editor over it with `selected` objects chosen.
struct Editor {
    pf::bench::SimulatorSandbox sandbox;
    pf::BaseDocument document;
    NoWindow window;
    std::unique_ptr<pf::StructureEditorModel> model;
    ~Editor() { pf::TileTextureCache::Clear(); }

    explicit Editor(int selected) {
        // Object icons come from the build's install folder.
        pf::SetDefaultInstallPath(pf::known_folders::ExecutablePath());
        pf::RegisterObjectTypes();
        document.SetBody(pf::AstrelBody("Earth", 6371010.0, 5.973698968e24));
        document.SetPosition(pf::LatLon(-80.6, 28.5));
        pf::TileArray tiles = pf::bench::CachedTilesAround(document.GetPosition(), 4);
        for (const pf::TileAttributes& tile : tiles) {
            document.AddTileSorted(tile);
        }
        static constexpr int kTypes[] = {pf::kTypeBlock, pf::kTypeHangar, pf::kTypeTank,
                                         pf::kTypeRunway, pf::kTypeLpad1};
        pf::ObjectArray objects;
        for (int i = 0; i < 1000; ++i) {
            std::unique_ptr<pf::AstrelObjectHandle> object =
                pf::AstrelObjectFactory::Create(kTypes[i % 5]);
            // Spread over the view: about 800 x 600 metres at zoom 15.
            const double x = (i * 37 % 800) - 400.0;
            const double y = (i * 53 % 600) - 300.0;
            object->SetPosition({x, y, 0.0});
            object->SetEnd1({x, y, 0.0});
            object->SetEnd2({x + 60.0, y + 20.0, 0.0});
            object->SetSize0(20.0);
            object->SetSize1(15.0);
            objects.Add(pf::AstrelObject(*object));
        }
        document.SetObjects(objects);
        model = std::make_unique<pf::StructureEditorModel>(document, window);
        model->zoom = 15.0;
        model->viewWidth = 1024;
        model->viewHeight = 768;
        model->FullRefresh();
        const std::vector<pf::AstrelObject*> pointers = model->List().ObjectPointers();
        for (int i = 0; i < selected; ++i) {
            model->Select(pointers[static_cast<size_t>(i * 97)]);
        }
    }
};

void FullRedraw(benchmark::State& state) {
    Editor editor(10);
    pf::StructureEditorModel& model = *editor.model;
    for (auto _ : state) {
        model.RecomputeView();
        model.List().workStale = model.List().overlayStale = true;
        model.Canvas().RedrawBackground();
        model.Canvas().Redraw();
        model.Render();
        benchmark::ClobberMemory();
    }
}

void ImageCopy(benchmark::State& state) {
    pf::BitmapData source(1024, 768, 24);
    pf::BitmapData copy;
    for (auto _ : state) {
        copy.Assign(source);
        benchmark::ClobberMemory();
    }
}

void DragStep(benchmark::State& state) {
    Editor editor(1);
    pf::StructureEditorModel& model = *editor.model;
    for (auto _ : state) {
        model.Canvas().Redraw();
        model.Render();
        benchmark::ClobberMemory();
    }
}

void PanStep(benchmark::State& state) {
    Editor editor(10);
    pf::StructureEditorModel& model = *editor.model;
    int direction = 8;
    for (auto _ : state) {
        model.PanHorizontal(direction);
        model.Render();
        direction = -direction; // stays over the same ground
        benchmark::ClobberMemory();
    }
}

BENCHMARK(FullRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(ImageCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(DragStep)->Unit(benchmark::kMillisecond);
BENCHMARK(PanStep)->Unit(benchmark::kMillisecond);

} // namespace
