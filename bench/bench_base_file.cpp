// Writing and reading back a large own base file through memory, as saving and loading a
// base do: 3,000 objects (blocks, runways, landing pads), 1,000 tiles and 20 beacons,
// just under the reader's limit of 1,000,000 bytes; and writing its simulator text.
// Sorting 1,000 objects of every type by height, as each load and structure edit does, is
// timed beside writing the same objects' simulator text: it should cost a fraction of it.
#include "bench_sandbox.h"
#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "foundation/stream.h"
#include "objects/astrel_object.h"
#include "workspace/astrel_body.h"
#include "workspace/config_reader.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

pf::AstrelObject Parsed(const std::string& text) {
    pf::StringArray group;
    pf::SplitTextIntoLines(group, text);
    pf::AstrelObject holder;
    pf::ParseObjectGroup(holder, group);
    return holder;
}

pf::BaseDocument LargeBase() {
    // Reading asks the cache for the body, never the simulator's files.
    pf::AstrelBody::AddToCache(pf::AstrelBody("Earth", 6371010.0, 5.973698968e24));
    pf::BaseDocument document;
    document.SetName("Bench Port");
    document.SetBody(pf::AstrelBody("Earth", 6371010.0, 5.973698968e24));
    document.SetPosition(pf::LatLon(-80.6, 28.5));
    // Mostly blocks with three long texture names, one runway and one landing pad in ten;
    // the names' length keeps the file just under the limit.
    for (int i = 0; i < 3000; ++i) {
        const std::string n = std::to_string(i);
        const std::string x = std::to_string(i % 97 * 13.25);
        const std::string tex = " Padforge\\Bench_Port\\Textures\\Apron_North\\Section7\\weathered_"
                                "concrete_slab_jointed_edge_" +
                                n;
        switch (i % 10) {
        case 0:
            document.GetObjects().Add(Parsed("RUNWAY\n\tEND1 " + x + " 0 " + n + "\n\tEND2 " + x +
                                             " 0 " + std::to_string(i + 2500) + "\n\tWIDTH 45\n"));
            break;
        case 1:
            document.GetObjects().Add(
                Parsed("LPAD2\n\tPOS " + x + " 0 " + n + "\n\tROT 45\n\tTEX" + tex + "\n"));
            break;
        default:
            document.GetObjects().Add(Parsed("BLOCK\n\tPOS " + x + " 0 " + n + "\n\tSCALE 12.5 8 " +
                                             n + "\n\tROT 15.5\n\tTEX1" + tex + "_a 1.5 2\n\tTEX2" +
                                             tex + "_b 1 1\n\tTEX3" + tex + "_c 0.25 4\n"));
            break;
        }
    }
    document.SortObjects();
    for (int i = 0; i < 1000; ++i) {
        document.AddTileSorted(pf::TileAttributes("Earth", 14 + i % 3, 3000 - i, -40 + i % 80));
    }
    for (int i = 0; i < 20; ++i) {
        pf::NavBeacon beacon;
        beacon.identifier = "B" + std::to_string(i);
        beacon.longitude.Set(-80.6f + static_cast<float>(i) * 0.01f);
        beacon.latitude.Set(28.5f);
        beacon.frequency.Set(110.5f);
        document.GetBeacons().Add(beacon);
    }
    return document;
}

void WriteAndReadOwnFile(benchmark::State& state) {
    pf::bench::Sandbox sandbox;
    const pf::BaseDocument document = LargeBase();
    pf::MemStream stream;
    pf::BaseDocument check;
    if (!document.WriteBaseFile(stream) || stream.GetLength() >= 1000000 ||
        !check.ReadBaseFile(stream) || check.GetObjects().GetCount() != 3000) {
        state.SkipWithError("the base file does not read back whole under 1,000,000 bytes");
        return;
    }
    for (auto _ : state) {
        document.WriteBaseFile(stream);
        pf::BaseDocument read;
        benchmark::DoNotOptimize(read.ReadBaseFile(stream));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(stream.GetLength()));
    state.counters["bytes"] = static_cast<double>(stream.GetLength());
}

void WriteSimulatorText(benchmark::State& state) {
    pf::bench::Sandbox sandbox;
    const pf::BaseDocument document = LargeBase();
    pf::MemStream stream;
    for (auto _ : state) {
        benchmark::DoNotOptimize(document.WriteSimulatorConfig(stream));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(stream.GetLength()));
}

// 1,000 objects, a hundred of each kind of placement and writer, on heights that differ.
pf::BaseDocument MixedBase() {
    pf::BaseDocument document;
    document.SetName("Bench Mix");
    document.SetBody(pf::AstrelBody("Earth", 6371010.0, 5.973698968e24));
    const char* const kinds[] = {
        "BLOCK\n\tPOS %s 1.25 %d\n\tSCALE 12.5 %s 8\n\tROT 15.5\n",
        "HANGAR2\n\tPOS %s 0.5 %d\n\tSCALE 30 %s 90\n\tROOFH 12.5\n",
        "TANK\n\tPOS %s 2 %d\n\tSCALE 5 %s 5\n\tROT 30\n",
        "LPAD1\n\tPOS %s 0.125 %d\n\tSCALE %s\n\tNAV 110.5\n",
        "SOLARPLANT\n\tPOS %s 3.5 %d\n\tGRID 4 %s\n\tSPACING 10 10\n",
        "MESH\n\tFILE Bench\\Tower\n\tPOS %s 1 %d\n\tSCALE 2 %s 2\n\tROT 45\n",
        "RUNWAY\n\tEND1 %s 0.75 %d\n\tEND2 0 %s 900\n\tWIDTH 30\n",
        "TRAIN1\n\tEND1 %s 6 %d\n\tEND2 10 %s 20\n",
        "TRAIN2\n\tEND1 %s 1 %d\n\tEND2 10 %s 20\n\tHEIGHT 7.5\n",
        "BEACONARRAY\n\tEND1 %s 0.25 %d\n\tEND2 40 %s 0\n\tCOUNT 5\n",
    };
    char text[512];
    for (int i = 0; i < 1000; ++i) {
        const std::string x = std::to_string(i % 97 * 13.25);
        const std::string h = std::to_string(1.0 + (i * 37 % 101) * 0.3125);
        std::snprintf(text, sizeof text, kinds[i % 10], x.c_str(), i, h.c_str());
        document.GetObjects().Add(Parsed(text));
    }
    return document;
}

// The meshes' model, in a simulator tree: z 0..10, x 0..4, y -2..3.
struct MeshTree : pf::bench::SimulatorSandbox {
    MeshTree() {
        pf::bench::WriteFile(native + "/Sim/Meshes/Bench/Tower.msh",
                             "MSHX1\r\nGROUPS 1\r\nGEOM 4 2\r\n0 -2 0\r\n4 3 0\r\n0 0 10\r\n"
                             "4 0 10\r\n0 1 2\r\n1 2 3\r\n");
    }
};

void SortThousandObjects(benchmark::State& state) {
    MeshTree sandbox;
    pf::BaseDocument document = MixedBase();
    const pf::ObjectArray& objects = document.GetObjects();
    if (std::any_of(objects.begin(), objects.end(),
                    [](const pf::AstrelObject& o) { return o.IsEmpty(); })) {
        state.SkipWithError("the objects did not read");
        return;
    }
    for (auto _ : state) {
        document.SortObjects();
        benchmark::ClobberMemory();
    }
}

void WriteThousandObjectsText(benchmark::State& state) {
    MeshTree sandbox;
    pf::BaseDocument document = MixedBase();
    document.SortObjects();
    pf::MemStream stream;
    for (auto _ : state) {
        benchmark::DoNotOptimize(document.WriteSimulatorConfig(stream));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(stream.GetLength()));
}

BENCHMARK(SortThousandObjects)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteThousandObjectsText)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteAndReadOwnFile)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteSimulatorText)->Unit(benchmark::kMillisecond);

} // namespace
