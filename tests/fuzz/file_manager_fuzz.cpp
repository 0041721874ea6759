// The installed-bases record "FileManagerV2.dat", from a stream and from its file. What
// reads is written again, and that writing reads to the same bytes.
#include "fuzz_support.h"

#include "foundation/stream.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    MemStream stream;
    fuzz::Fill(stream, data, size);
    FileManager record;
    if (record.Read(stream)) {
        MemStream first;
        fuzz::Check(record.Write(first), "a record read cannot be written");
        first.SeekToBegin();
        FileManager again;
        fuzz::Check(again.Read(first), "a written record does not read");
        MemStream second;
        again.Write(second);
        fuzz::Check(fuzz::Bytes(first) == fuzz::Bytes(second), "a record written twice differs");
    }
    std::string folder;
    if (GetAppDataPath(folder)) {
        fuzz::Sandbox::WriteAt(folder + kFileManagerFileName, data, size);
        FileManager loaded;
        loaded.Load();
    }
    return 0;
}
