// A simulator base configuration file inside the fake simulator tree, with its tile
// textures looked for in the simulator's folders; the own base file written of it, and the
// blocks of its objects, read and write back byte for byte.
#include "fuzz_support.h"

#include "document/base_document.h"
#include "document/base_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    const fuzz::Sandbox& sandbox = fuzz::Sandbox::Get();
    sandbox.Write("Sim/Config/Earth/Base/Fuzz.cfg", data, size);
    BaseDocument document;
    LoadSimulatorBaseCfg(document, sandbox.Root() + "Config\\Earth\\Base\\Fuzz.cfg");
    fuzz::Check(document.GetTileArray().IsSorted(), "tiles read out of order");
    fuzz::CheckObjectsSettle(document.GetObjects());
    fuzz::CheckBaseSettles(document);
    return 0;
}
