#pragma once
// Mesh objects: one of the simulator's ".msh" models placed into a base. The object holds
// the placed centre and sizes in metres; its text holds the model's origin and ratios to
// the model's own extents, which come from the model file or its extent record in the
// mesh cache. Its icon is a top view of the model, drawn once and kept as a PNG.
#include "imagery/bitmap_data.h"
#include "objects/mesh_file.h"
#include "objects/placement_families.h"

#include <cstdint>
#include <memory>
#include <string>

namespace pf {

class AstrelObject;

class Mesh : public FilePosScaleRotTexMesh {
  public:
    Mesh();

    std::string GetParameterText() const override;
    bool ReadBackTopHeight(double& height) const override;
    // The top view (512 x 512), else the fixed icon.
    void GetIcon(BitmapData& image) const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    // Every parameter, the extents and the unavailable mark; never the top view.
    void CopyFrom(const AstrelObjectHandle& other) override;

    // Extents from the model `name` (relative to the Meshes folder, with extension).
    bool ComputeMeshDataFromFile(std::string name, uint8_t& textured);
    // The same for FILE + ".msh"; false without a message when there is no installation.
    bool ComputeMeshData(uint8_t& textured);
    // Extents from FILE's extent record when it is current and sound.
    bool LoadMeshData(uint8_t& textured);
    // Writes FILE's extent record.
    bool SaveMeshData(uint8_t textured);
    // Record first, model second (then the record is written).
    bool LoadOrComputeMeshData(uint8_t& textured);

    // Draws the 1024 x 1024 top view from the model file.
    bool RenderTopView() const;
    bool LoadMeshTextureFromCache() const;
    bool SaveMeshTextureToCache() const;
    // The top view, an empty picture while there is none.
    const BitmapData& GetTopView() const;

    // The extents as one record.
    MeshExtents GetExtents() const;
    void SetExtents(const MeshExtents& extents);
    // A model that cannot be read on this machine: a unit model that writes the text's
    // origin and ratios back unchanged.
    void SetUnitModel();

    // The natural extents: L (along z), W (along x), Hy (height).
    double NaturalLength() const { return extent.Width(); }
    double NaturalWidth() const { return extent.Height(); }
    double NaturalHeight() const { return highestY - lowestY; }

    // The model's origin and the ratios to its extents that the text holds for the
    // placed centre and sizes.
    void TextPlacement(OptionalVector3Double& origin, OptionalVector3Double& ratios) const;
    // The reverse, by these extents: the text's origin and ratios (in `placedPos` and
    // `placedScale`) become the placed centre and sizes; false when a value leaves a
    // float's range.
    bool PlaceFromText(OptionalVector3Double& placedPos, OptionalVector3Double& placedScale,
                       double rotation) const;

  private:
    std::string CachePath(const char* extension) const;

    // Made on the first icon request, or taken from another mesh of the model; once
    // shared it no longer changes. A failed drawing is remembered so that later requests
    // give the fixed icon without reading the model again.
    mutable std::shared_ptr<BitmapData> topView_;
    mutable bool topViewFailed_ = false;
};

// The fixed icon of a mesh without a top view.
inline constexpr const char* kMeshFixedIcon = "Buttons\\Right.bmp";

// Meshes folder + name + ".msh"; "" without an installation.
std::string GetMeshFilePath(const std::string& name);

// True when a FILE line of `name` reads back as `name`: the simulator and our readers take
// only its first word, and turn '/' into '\'.
bool ReadsBackAsItsName(const std::string& name);

// Reads one MESH group. A model that cannot be read keeps the mesh as a unit model.
bool ParseMesh(AstrelObject& holder, const StringArray& group);

// While one lives, ParseMesh takes the extents of `known` (when not null) for a group that
// names its file, instead of reading the extent record or the model: reading back a mesh's
// own text then reads and writes no file and asks nothing.
class KnownMeshExtents {
  public:
    explicit KnownMeshExtents(const Mesh* known);
    ~KnownMeshExtents();
    KnownMeshExtents(const KnownMeshExtents&) = delete;
    KnownMeshExtents& operator=(const KnownMeshExtents&) = delete;

  private:
    const Mesh* previous_;
};

} // namespace pf
