// A mesh whose extent record and model come from the input: byte 0 chooses (bit 0: the
// model is missing; bit 1: the top view is read back from the cache; bit 2: no record is
// in the cache), bytes 1 to 49 are the record, the rest is the model text. The mesh reads
// its extents and draws its icon.
//
// A record the program wrote must give the extents computed afresh from the model, and a
// top view read back from the cache must be the one drawn before. A record of the input
// that is current and sound is trusted as the program trusts it.
#include "fuzz_support.h"

#include "imagery/bitmap_data.h"
#include "objects/mesh.h"
#include "platform/fs.h"
#include "support/temp_dir.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <string>

namespace {

using namespace pf;

std::string RecordOf(const Mesh& mesh, uint8_t textured) {
    const MeshRecordBytes bytes = EncodeMeshRecord(mesh.GetExtents(), textured);
    return std::string(bytes.begin(), bytes.end());
}

// When the record on disk is not the input's (empty when the input put none there), the
// program wrote it from the model: read back, it gives the extents computed afresh.
void CheckWrittenRecord(const std::string& recordPath, const std::string& inputRecord) {
    const std::string onDisk = test::ReadNativeFile(fs::ToNative(recordPath));
    if (onDisk.empty() || onDisk == inputRecord) {
        return;
    }
    Mesh fresh;
    fresh.file = "Fuzz";
    uint8_t freshTextured = 0;
    Mesh cached;
    cached.file = "Fuzz";
    uint8_t cachedTextured = 0;
    fuzz::Check(fresh.ComputeMeshData(freshTextured) && cached.LoadMeshData(cachedTextured) &&
                    RecordOf(cached, cachedTextured) == RecordOf(fresh, freshTextured),
                "a cached extent record differs from the model's extents");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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
    std::string inputRecord;
    if ((mode & 4) == 0) {
        inputRecord = fuzz::Text(data + 1, kMeshRecordSize);
        fuzz::Sandbox::WriteAt(cache + "Fuzz.dat", data + 1, kMeshRecordSize);
    }

    BitmapData firstIcon;
    for (int round = 0; round < ((mode & 2) != 0 ? 2 : 1); ++round) {
        Mesh mesh;
        mesh.file = "Fuzz";
        uint8_t textured = 0;
        if (!mesh.LoadOrComputeMeshData(textured)) {
            mesh.SetUnitModel();
        } else if (round == 0) {
            CheckWrittenRecord(cache + "Fuzz.dat", inputRecord);
        }
        BitmapData icon;
        mesh.GetIcon(icon);
        if (round == 0) {
            firstIcon.Swap(icon);
        } else {
            fuzz::Check(icon.IsIdentical(firstIcon),
                        "a top view read back from the cache differs from the one drawn");
        }
    }
    return 0;
}
