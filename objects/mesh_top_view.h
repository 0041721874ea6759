#pragma once
// A model's top view: every triangle edge drawn as a black line on white, stretched so
// that the model's footprint (its extent rectangle) fills the picture. The least x lies
// on the top row and the least z in the left column; y is not drawn.
#include "foundation/geometry.h"
#include "objects/mesh_text.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace pf {

class BitmapData;

// The size of the canvas a top view is drawn on; the icon is that halved. Fuzz builds draw
// smaller: filling, halving and compressing a full canvas took nearly all of every run.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
inline constexpr int kMeshTopViewSize = 64;
#else
inline constexpr int kMeshTopViewSize = 1024;
#endif

// Fractional pixel position (column, row) of a vertex.
Point2 MeshPointToPixel(const MeterPoint& vertex, const BitmapData& image, const GeoRect& rect);
// One black one-pixel edge, clipped to the image.
void DrawMeshEdge(const MeterPoint& a, const MeterPoint& b, BitmapData& image, const GeoRect& rect);
// True when the rectangle can be drawn into: width and height finite and above 0.
bool IsDrawableMeshRect(const GeoRect& rect);

// Draws every triangle of a model text's groups (MeshGeomReader; a triangle with an index
// outside its group, or with fewer than three indices, is skipped). False for a faulty
// text, one without a vertex, or a rectangle that is not drawable; what was drawn before
// a fault stays.
bool DrawMeshTopView(std::string_view text, const GeoRect& rect, BitmapData& image);
// The same for a model file (read as ReadMeshFileText reads it).
bool RenderMeshTopView(const std::string& path, const GeoRect& rect, BitmapData& image);

// One state of a model file: its path, write time and size. A model saved again has
// another stamp.
struct MeshModelStamp {
    std::string path;
    uint64_t writeTime = 0;
    uint64_t size = 0;
    auto operator<=>(const MeshModelStamp&) const = default;
};
// False when the file's time or size cannot be read.
bool StampMeshModel(const std::string& path, MeshModelStamp& stamp);

// The meshes of one model share its top view, so that the picture is read or drawn, and
// held, once. A picture stays findable by its model's stamp while a mesh holds it.
std::shared_ptr<BitmapData> FindSharedMeshTopView(const MeshModelStamp& stamp);
void ShareMeshTopView(const MeshModelStamp& stamp, const std::shared_ptr<BitmapData>& view);

} // namespace pf
