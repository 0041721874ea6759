// The structure editor's real window, under an X display (xvfb-run): from the dialog's
// construction until its object list is filled and the window painted; the closing is not
// timed. Over one block, over 800 blocks, and over 42 meshes of two models whose top views
// lie in the mesh cache already. bench_structure_editor measures the drawing alone.
#include "app/ui/edit_base_objects_dlg.h"
#include "bench_sandbox.h"
#include "document/base_document.h"
#include "objects/mesh.h"
#include "platform/known_folders.h"

#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <clocale>
#include <cstdio>
#include <memory>

namespace {

class BenchApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

// A model of rows x rows squares, two triangles each, over 40 x 40 metres and 10 high.
std::string GridModel(int rows) {
    const int side = rows + 1;
    std::string text = "MSHX1\r\nGROUPS 1\r\nGEOM " + std::to_string(side * side) + " " +
                       std::to_string(2 * rows * rows) + "\r\n";
    for (int i = 0; i < side * side; ++i) {
        const int x = i % side * 40 / rows;
        const int z = i / side * 40 / rows;
        text += std::to_string(x) + " " + std::to_string((x + z) % 11) + " " + std::to_string(z) +
                "\r\n";
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < rows; ++c) {
            const int a = r * side + c;
            text += std::to_string(a) + " " + std::to_string(a + 1) + " " +
                    std::to_string(a + side) + "\r\n";
            text += std::to_string(a + 1) + " " + std::to_string(a + side + 1) + " " +
                    std::to_string(a + side) + "\r\n";
        }
    }
    return text;
}

// The sandbox and a base at Cape Canaveral; objects are spread over the opening view.
struct Base {
    pf::bench::SimulatorSandbox sandbox;
    pf::BaseDocument document;

    Base() {
        pf::SetDefaultInstallPath(pf::known_folders::ExecutablePath());
        pf::RegisterObjectTypes();
        document.SetBody(pf::AstrelBody("Earth", 6371010.0, 5.973698968e24));
        document.SetPosition(pf::LatLon(-80.6, 28.5));
    }
    ~Base() { pf::TileTextureCache::Clear(); }

    static pf::Point3 Spot(int i) { return {(i * 37 % 800) - 400.0, (i * 53 % 600) - 300.0, 0.0}; }

    void Blocks(int count) {
        pf::ObjectArray objects;
        for (int i = 0; i < count; ++i) {
            std::unique_ptr<pf::AstrelObjectHandle> block =
                pf::AstrelObjectFactory::Create(pf::kTypeBlock);
            block->SetPosition(Spot(i));
            block->SetSize0(20.0);
            block->SetSize1(15.0);
            objects.Add(pf::AstrelObject(*block));
        }
        document.SetObjects(objects);
    }

    // Each model's top view is drawn and kept in the cache before anything is timed.
    void Meshes(int count) {
        const char* models[] = {"Hangar", "Tower"};
        pf::bench::WriteFile(sandbox.native + "/Sim/Meshes/Hangar.msh", GridModel(30));
        pf::bench::WriteFile(sandbox.native + "/Sim/Meshes/Tower.msh", GridModel(12));
        pf::ObjectArray objects;
        for (int i = 0; i < count; ++i) {
            pf::Mesh mesh;
            mesh.file = models[i % 2];
            uint8_t textured = 0;
            if (!mesh.LoadOrComputeMeshData(textured)) {
                std::fprintf(stderr, "model %s does not read\n", mesh.file.c_str());
                std::exit(1);
            }
            if (i < 2) {
                pf::BitmapData icon;
                mesh.GetIcon(icon);
            }
            mesh.SetPosition(Spot(i));
            mesh.SetSize0(30.0);
            objects.Add(pf::AstrelObject(mesh));
        }
        document.SetObjects(objects);
    }
};

void OpenEditor(benchmark::State& state, Base& base) {
    for (auto _ : state) {
        auto* dlg = new pf::EditBaseObjectsDlg(nullptr, base.document);
        dlg->Show();
        while (!dlg->IsShownOnScreen() || dlg->Model().History().Count() == 0) {
            wxYield();
        }
        dlg->Update();
        state.PauseTiming();
        dlg->Destroy();
        wxYield();
        state.ResumeTiming();
    }
}

void OpenOnOneBlock(benchmark::State& state) {
    Base base;
    base.Blocks(1);
    OpenEditor(state, base);
}

void OpenOn800Blocks(benchmark::State& state) {
    Base base;
    base.Blocks(800);
    OpenEditor(state, base);
}

void OpenOn42MeshesOfTwoModels(benchmark::State& state) {
    Base base;
    base.Meshes(42);
    OpenEditor(state, base);
}

BENCHMARK(OpenOnOneBlock)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenOn800Blocks)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenOn42MeshesOfTwoModels)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    wxApp::SetInstance(new BenchApp());
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) {
        std::fprintf(stderr, "wx could not start: run under xvfb-run\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    std::setlocale(LC_NUMERIC, "C");
    wxLog::EnableLogging(false);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wxEntryCleanup();
    return 0;
}
