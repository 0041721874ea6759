// The tile list editor on a base at level 3, zoomed out to zoom 11 where the view holds
// 16 x 16 tiles: 40 listed tiles and 100 cached available ones, every texture in memory.
// Measures a whole refresh of the view, one hover preview of a cached tile, and a 4 x 4
// picture loaded into a selection with every question answered by a script.
#include "app/logic/add_tiles_logic.h"
#include "app/logic/dialog_runners.h"
#include "bench_sandbox.h"
#include "document/base_document.h"
#include "foundation/ui_hooks.h"
#include "imagery/bitmap_data.h"
#include "imagery/texture_codec.h"
#include "tiles/tile_texture_file.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Answers every chooser with one file and every box with its first button.
struct ScriptedAnswers : pf::UiHooks {
    std::string file;
    bool ShowFailure(const std::string&) override { return false; }
    pf::MessageAnswer MessageBox(const std::string&, const std::string&, pf::MessageButtons buttons,
                                 pf::MessageIcon) override {
        return buttons == pf::MessageButtons::YesNo ? pf::MessageAnswer::No : pf::MessageAnswer::Ok;
    }
    std::optional<std::string> PickFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return file;
    }
};

pf::BitmapData Texture(int seed) {
    pf::BitmapData texture(512, 512, 32);
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 512; ++x) {
            uint8_t* p = texture.PixelAddress(x, y);
            p[0] = static_cast<uint8_t>(x + seed);
            p[1] = static_cast<uint8_t>(y);
            p[2] = static_cast<uint8_t>(seed * 4);
            p[3] = static_cast<uint8_t>(x < 64 ? 0 : 255);
        }
    }
    return texture;
}

struct Editor {
    pf::bench::SimulatorSandbox sandbox;
    ScriptedAnswers answers;
    pf::BaseDocument document;
    std::unique_ptr<pf::AddTilesLogic> logic;
    pf::TileAttributes first;

    Editor() {
        pf::SetUiHooks(&answers);
        document.SetName("Bench");
        document.SetBody(pf::AstrelBody("Earth", 6371010.0, 5.973698968e24));
        document.SetPosition(pf::LatLon(7.0, 45.0));
        first = pf::TileAttributes::FromPosition("Earth", 3, document.GetPosition());
        for (int i = 0; i < 140; ++i) {
            const pf::TileAttributes tile("Earth", 3, first.GetX() - 6 + i % 12,
                                          first.GetY() - 6 + i / 12);
            pf::TileTextureFile(tile, false).SetImage(Texture(i));
            if (i < 40) {
                document.AddTileSorted(tile);
            }
        }
        logic = std::make_unique<pf::AddTilesLogic>(&document);
        logic->OnInitDialog();
        logic->OnBnClickedLevel(3);
        logic->OnBnClickedZoomOut();
        logic->OnCheckBox(pf::AddTilesLogic::kIdAvailable, true); // warms every texture
    }
    ~Editor() {
        logic.reset();
        pf::SetUiHooks(nullptr);
    }
};

void RefreshLevelView(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) {
        editor.logic->RefreshLevelView();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void HoverPreview(benchmark::State& state) {
    Editor editor;
    const int x = editor.logic->GetViewOriginX() + 256;
    const int y = editor.logic->GetViewOriginY() + 256;
    bool left = false;
    for (auto _ : state) {
        // Two neighbouring tiles in turn, so that each move shows a new preview.
        editor.logic->OnMouseMove(left ? x - 32 : x, y);
        left = !left;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void LoadImageIntoSelection(benchmark::State& state) {
    Editor editor;
    pf::BitmapData picture(4 * 512, 4 * 512, 32);
    for (int i = 0; i < 16; ++i) {
        const pf::BitmapData piece = Texture(200 + i);
        pf::BitmapData::Blit32To32(
            picture, piece,
            pf::PixelRect{i % 4 * 512, i / 4 * 512, i % 4 * 512 + 512, i / 4 * 512 + 512},
            piece.GetRect());
    }
    editor.answers.file = pf::fs::ToInternal(editor.sandbox.native + "/picture.png");
    {
        pf::DDSRendererUse use;
        pf::DDSRenderer::SavePng(editor.answers.file, picture);
    }
    pf::GetDialogRunners().imageYesNo = [](const std::string& text, const pf::BitmapData&) {
        return text.rfind("Would you like to add this image", 0) == 0;
    };
    // From the middle of the base's tile to the middle of the tile three east and north.
    const pf::PixelRect r = editor.logic->GetTilePixelRect(editor.first);
    const int x = editor.logic->GetViewOriginX() + (r.left + r.right) / 2;
    const int y = editor.logic->GetViewOriginY() + (r.top + r.bottom) / 2;
    editor.logic->OnLButtonDown(x, y);
    editor.logic->OnSelectionButtonUp(x + 3 * (r.right - r.left), y - 3 * (r.bottom - r.top));
    if (editor.logic->GetLoadSelectionText() != "Load 2048X2048 image file into selected tiles") {
        state.SkipWithError(editor.logic->GetLoadSelectionText().c_str());
        return;
    }
    for (auto _ : state) {
        editor.logic->LoadImageIntoSelection();
        state.PauseTiming();
        pf::TileTextureCache::Clear();
        state.ResumeTiming();
    }
    pf::GetDialogRunners().imageYesNo = nullptr;
    state.SetItemsProcessed(state.iterations() * 16);
}

BENCHMARK(RefreshLevelView)->Unit(benchmark::kMillisecond);
BENCHMARK(HoverPreview)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadImageIntoSelection)->Unit(benchmark::kMillisecond);

} // namespace
