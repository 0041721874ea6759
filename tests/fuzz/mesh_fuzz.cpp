// Mesh model text: its extents, and its top view drawn as the mesh icon is, into those
// extents and into a fixed small rectangle (a model far larger than its extent record says).
#include "fuzz_support.h"

#include "imagery/bitmap_data.h"
#include "objects/mesh_file.h"
#include "objects/mesh_top_view.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    MeshExtents extents;
    uint8_t textured = 0;
    BitmapData image;
    if (!image.Create24(kMeshTopViewSize, kMeshTopViewSize)) {
        return 0;
    }
    if (ParseMeshExtents(text, extents, textured)) {
        DrawMeshTopView(text, extents.rect, image);
    }
    DrawMeshTopView(text, GeoRect{-1.0, 1.0, 1.0, -1.0}, image);
    return 0;
}
