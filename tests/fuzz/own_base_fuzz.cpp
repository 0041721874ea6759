// The program's own base file; it and its objects settle once written and read again.
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
