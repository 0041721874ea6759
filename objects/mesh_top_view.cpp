#include "objects/mesh_top_view.h"

#include "imagery/bitmap_data.h"
#include "imagery/drawing.h"
#include "objects/mesh_file.h"
#include "objects/mesh_text.h"
#include "platform/fs.h"

#include <cmath>
#include <map>
#include <mutex>
#include <vector>

namespace pf {

Point2 MeshPointToPixel(const MeterPoint& vertex, const BitmapData& image, const GeoRect& rect) {
    const double column =
        (vertex.z - rect.left) * (static_cast<double>(image.Width()) / rect.Width());
    const double row =
        (vertex.x - rect.bottom) * (static_cast<double>(image.Height()) / rect.Height());
    return Point2(column, row);
}

void DrawMeshEdge(const MeterPoint& a, const MeterPoint& b, BitmapData& image,
                  const GeoRect& rect) {
    const Point2 from = MeshPointToPixel(a, image, rect);
    const Point2 to = MeshPointToPixel(b, image, rect);
    DrawLine(image, from.x, from.y, to.x, to.y, ColorRGB(0, 0, 0));
}

bool IsDrawableMeshRect(const GeoRect& rect) {
    const double width = rect.Width();
    const double height = rect.Height();
    return std::isfinite(width) && std::isfinite(height) && width > 0.0 && height > 0.0;
}

bool DrawMeshTopView(std::string_view text, const GeoRect& rect, BitmapData& image) {
    // A zero extent would put every point at an infinite position.
    if (!IsDrawableMeshRect(rect)) {
        return false;
    }
    bool anyVertex = false;
    std::vector<MeterPoint> vertices;
    MeshGeomReader geom(text);
    while (geom.NextGroup()) {
        vertices.clear();
        MeterPoint vertex;
        while (geom.NextVertex(vertex)) {
            vertices.push_back(vertex);
        }
        anyVertex = anyVertex || !vertices.empty();
        int64_t i0 = 0, i1 = 0, i2 = 0;
        while (geom.NextTriangle(i0, i1, i2)) {
            const MeterPoint& a = vertices[static_cast<size_t>(i0)];
            const MeterPoint& b = vertices[static_cast<size_t>(i1)];
            const MeterPoint& c = vertices[static_cast<size_t>(i2)];
            DrawMeshEdge(a, b, image, rect);
            DrawMeshEdge(a, c, image, rect);
            DrawMeshEdge(c, b, image, rect);
        }
    }
    return !geom.Faulty() && anyVertex;
}

bool RenderMeshTopView(const std::string& path, const GeoRect& rect, BitmapData& image) {
    if (!IsDrawableMeshRect(rect)) {
        return false;
    }
    std::string text;
    if (!ReadMeshFileText(path, text)) {
        return false;
    }
    return DrawMeshTopView(text, rect, image);
}

namespace {

struct SharedTopViews {
    std::mutex mutex;
    std::map<MeshModelStamp, std::weak_ptr<BitmapData>> views;
};

SharedTopViews& TopViews() {
    static SharedTopViews shared;
    return shared;
}

} // namespace

bool StampMeshModel(const std::string& path, MeshModelStamp& stamp) {
    stamp.path = path;
    return GetFileWriteTimeOf(path, stamp.writeTime) && fs::FileSize(path, stamp.size);
}

std::shared_ptr<BitmapData> FindSharedMeshTopView(const MeshModelStamp& stamp) {
    SharedTopViews& shared = TopViews();
    const std::lock_guard<std::mutex> lock(shared.mutex);
    const auto found = shared.views.find(stamp);
    return found == shared.views.end() ? nullptr : found->second.lock();
}

void ShareMeshTopView(const MeshModelStamp& stamp, const std::shared_ptr<BitmapData>& view) {
    SharedTopViews& shared = TopViews();
    const std::lock_guard<std::mutex> lock(shared.mutex);
    // Pictures no mesh holds any more leave no entry behind.
    std::erase_if(shared.views, [](const auto& entry) { return entry.second.expired(); });
    shared.views[stamp] = view;
}

} // namespace pf
