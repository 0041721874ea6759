// A mesh whose extent record and model come from the input: byte 0 chooses (bit 0: the
// model is missing; bit 1: the top view is read back from the cache), bytes 1 to 49 are the
// record, the rest is the model text. The mesh reads its extents and draws its icon.
#include "fuzz_support.h"

#include "imagery/bitmap_data.h"
#include "objects/mesh.h"
#include "platform/fs.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    if (size < 1 + kMeshRecordSize) {
        return 0;
    }
    std::string cache;
    std::string models;
    if (!GetMeshCachePath(cache) || !FileManager::GetMeshesDir(models)) {
        return 0;
    }
    fuzz::Sandbox::EmptyFolder(cache);
    fs::RemoveFile(models + "Fuzz.msh");
    const uint8_t mode = data[0];
    // The model first: a record older than its model is stale.
    if ((mode & 1) == 0) {
        fuzz::Sandbox::WriteAt(models + "Fuzz.msh", data + 1 + kMeshRecordSize,
                               size - 1 - kMeshRecordSize);
    }
    fuzz::Sandbox::WriteAt(cache + "Fuzz.dat", data + 1, kMeshRecordSize);

    for (int round = 0; round < ((mode & 2) != 0 ? 2 : 1); ++round) {
        Mesh mesh;
        mesh.file = "Fuzz";
        uint8_t textured = 0;
        if (!mesh.LoadOrComputeMeshData(textured)) {
            mesh.SetUnitModel();
        }
        BitmapData icon;
        mesh.GetIcon(icon);
    }
    return 0;
}
