// Reading whole bases: an own base file of many objects, and a simulator base of many
// surface-tile lines whose tiles are already in the tile cache. Times are reported per
// object and per tile; ten times the input should take about ten times as long.
#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "foundation/stream.h"
#include "foundation/ui_hooks.h"
#include "platform/fs.h"
#include "support/fake_astrel_tree.h"
#include "support/sandbox_home.h"
#include "tiles/tile_attributes.h"
#include "workspace/astrel_body.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace {

// Nobody at the screen: every question is answered at once.
class SilentUi : public pf::UiHooks {
  public:
    bool ShowFailure(const std::string&) override { return false; }
    pf::MessageAnswer MessageBox(const std::string&, const std::string&, pf::MessageButtons,
                                 pf::MessageIcon) override {
        return pf::MessageAnswer::Ok;
    }
};

// A sandboxed account with the fake simulator tree current, for the whole program run.
struct Setting {
    pf::test::SandboxHome home;
    SilentUi ui;
    std::string root;

    Setting() {
        pf::SetUiHooks(&ui);
        root = pf::test::WriteFakeAstrelTree(home.Dir());
        pf::SetAstrelPath(root);
    }
};

Setting& TheSetting() {
    static Setting setting;
    return setting;
}

const char* const kObjects[] = {
    "BLOCK\r\n\tPOS %d 0 %d\r\n\tSCALE 10 %d 20\r\n\tROT 45\r\n\tTEX1 Fcd01 1 1\r\nEND\r\n",
    "HANGAR2\r\n\tPOS %d 1 %d\r\n\tSCALE 30 %d 90\r\n\tROOFH 12.5\r\nEND\r\n",
    "LPAD1\r\n\tPOS %d 0 %d\r\n\tSCALE 1\r\n\tNAV 11%d.05\r\nEND\r\n",
    "TANK\r\n\tPOS %d 0 %d\r\n\tSCALE 5 %d 5\r\nEND\r\n",
    "RUNWAY\r\n\tEND1 %d 0 %d\r\n\tEND2 0 %d 900\r\n\tWIDTH 30\r\nEND\r\n",
};

std::string ObjectBase(int count) {
    std::string text = "BASE-V2.0\r\nPFG_BODY_NAME Earth\r\nPFG_FILE_NAME Bench\r\n"
                       "PFG_CONFIG_SUFFIX Earth\\Base\\\r\nPFG_ORIGIN User Created\r\n"
                       "PFG_ORIGINAL_PATH none\r\nPFG_CONTEXT none\r\nPFG_PERIOD_BEGIN 0\r\n"
                       "PFG_PERIOD_END 0\r\nPFG_NEEDS_LOADING FALSE\r\n"
                       "PFG_NEEDS_RENDERING FALSE\r\nNAME Bench\r\nLocation -80.6 28.5\r\n"
                       "BEGIN_OBJECTLIST\r\n";
    char block[256];
    for (int i = 0; i < count; ++i) {
        std::snprintf(block, sizeof block, kObjects[i % 5], i % 97, i / 97, i % 7);
        text += block;
    }
    return text + "END_OBJECTLIST\r\n";
}

void BM_ReadObjects(benchmark::State& state) {
    TheSetting();
    const int count = static_cast<int>(state.range(0));
    const std::string text = ObjectBase(count);
    for (auto _ : state) {
        pf::MemStream stream;
        stream.Write(text.data(), static_cast<uint32_t>(text.size()));
        stream.SeekToBegin();
        pf::BaseDocument document;
        if (!pf::LoadPfgBaseFile(document, stream) || document.GetObjects().GetCount() != count) {
            state.SkipWithError("the base did not read");
            break;
        }
    }
    state.counters["per_object"] = benchmark::Counter(
        count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadObjects)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A simulator base of `count` tile lines; every tile's texture is in the cache.
std::string TileBase(int count) {
    Setting& setting = TheSetting();
    std::string cache;
    pf::GetCachePath(cache);
    std::string text = "NAME Bench\r\nLocation -80.6 28.5\r\nBEGIN_SURFTILELIST\r\n";
    for (int i = 0; i < count; ++i) {
        const pf::TileAttributes tile("Earth", 14, i % 100, i / 100);
        if (std::FILE* file =
                std::fopen(pf::fs::ToNative(cache + tile.GetPngFileName()).c_str(), "wb")) {
            std::fclose(file);
        }
        text += "14 " + std::to_string(tile.GetX()) + " " + std::to_string(tile.GetY()) + "\r\n";
    }
    text += "END_SURFTILELIST\r\n";
    const std::string name = "Sim/Config/Earth/Base/Tiles" + std::to_string(count) + ".cfg";
    setting.home.Dir().WriteFile(name, text);
    return setting.root + "Config\\Earth\\Base\\Tiles" + std::to_string(count) + ".cfg";
}

void BM_ReadTiles(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::string path = TileBase(count);
    for (auto _ : state) {
        pf::BaseDocument document;
        if (!pf::LoadSimulatorBaseCfg(document, path) || document.GetTileCount() != count) {
            state.SkipWithError("the tiles did not read");
            break;
        }
    }
    state.counters["per_tile"] = benchmark::Counter(
        count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadTiles)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
