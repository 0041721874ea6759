// The program's own base file; what the program writes of it and of its objects reads and
// writes back byte for byte.
#include "fuzz_support.h"

#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "foundation/stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    MemStream stream;
    pf::fuzz::Fill(stream, data, size);
    BaseDocument document;
    LoadPfgBaseFile(document, stream);
    fuzz::Check(document.GetTileArray().IsSorted(), "tiles read out of order");
    fuzz::CheckObjectsSettle(document.GetObjects());
    fuzz::CheckBaseSettles(document);
    return 0;
}
