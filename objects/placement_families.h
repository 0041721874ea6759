#pragma once
// The two ways an object is placed: by its two ends (runways, lights, trains, beacon
// arrays) or by a position, a three-axis size and a rotation (everything else). These
// classes give the geometric operations once for each family, so that the map editor can
// move, stretch, turn and draw any object without knowing its type. The concrete types
// add their own parameters, texts, icons and dialogs.
#include "foundation/geometry.h"
#include "objects/astrel_object.h"
#include "objects/optional_values.h"

#include <string>

namespace pf {

class NewEnd12 : public AstrelObjectHandle {
  public:
    bool SetupImaging(const BaseDocument& document, ObjectImaging& out,
                      bool highlight) const override;
    bool SetupOutline(const BaseDocument& document, ObjectImaging& out) const override;
    bool IsEndDefined() const override { return true; }
    Point3 GetPosition() const override;
    ScalarValue GetSize1() const override;
    ScalarValue GetSize0() const override;
    ScalarValue GetRotation() const override;
    void SetEnd1(const Point3& p) override;
    // END2 is stored in every case; false when END1 is not fully set or equals it.
    bool SetEnd2(const Point3& p) override;
    void Rotate(double delta, double step) override;
    void SetPosition(const Point3& p) override;
    ScalarValue GetTopHeight() const override;
    // Every type of the family writes its ends as EndLines does.
    bool ReadBackTopHeight(double& height) const override;
    ScalarValue GetEnd1Height() const override;
    ScalarValue GetEnd2Height() const override;
    Point3 GetEnd1() const override;
    Point3 GetEnd2() const override;

    OptionalVector3Double end1;
    OptionalVector3Double end2;

  protected:
    explicit NewEnd12(int32_t type) : AstrelObjectHandle(type) {}
    // The drawn strip between the ends, with the icon when asked.
    virtual bool SetupStrip(const BaseDocument& document, ObjectImaging& out, bool highlight,
                            bool withIcon) const;
    virtual double StripWidth() const { return 5.0; }
};

class NewEnd12Width : public NewEnd12 {
  public:
    bool HasWidth() const override { return true; }
    // WIDTH, only for a value above 0.1.
    void SetSize1(double v) override;

    OptionalDouble width;

  protected:
    explicit NewEnd12Width(int32_t type) : NewEnd12(type) {}
    double StripWidth() const override { return width.value; }
};

// Beacon arrays: SIZE is the radius of one beacon.
class NewEnd12CountSizeCol : public NewEnd12 {
  public:
    void SetSize0(double v) override;
    void SetSize1(double v) override;
    void Rotate(double, double) override {}
    void SetPosition(const Point3& p) override;

    OptionalInt count;
    OptionalDouble size;
    OptionalVector3Float col;

  protected:
    explicit NewEnd12CountSizeCol(int32_t type) : NewEnd12(type) {}
    // A w x w square at END1 when the ends coincide, else the strip; w = max(2 SIZE, 10).
    bool SetupStrip(const BaseDocument& document, ObjectImaging& out, bool highlight,
                    bool withIcon) const override;
};

class NewEnd12Speed : public NewEnd12 {
  public:
    // The train's body stands 5 m above its track.
    ScalarValue GetTopHeight() const override;
    bool ReadBackTopHeight(double& height) const override;

    OptionalFloat maxSpeed{true, 30.0f};
    OptionalFloat slowZone{true, 100.0f};
    std::string tex;

  protected:
    explicit NewEnd12Speed(int32_t type) : NewEnd12(type) {}
};

class NewEnd12SpeedHeight : public NewEnd12Speed {
  public:
    // The track height plus HEIGHT, given or not.
    ScalarValue GetTopHeight() const override;
    // HEIGHT is written with 4 decimals when given; one not given reads back as 0.
    bool ReadBackTopHeight(double& height) const override;

    OptionalFloat height;

  protected:
    explicit NewEnd12SpeedHeight(int32_t type) : NewEnd12Speed(type) {}
};

class NewPosScaleRot : public AstrelObjectHandle {
  public:
    bool SetupImaging(const BaseDocument& document, ObjectImaging& out,
                      bool highlight) const override;
    bool SetupOutline(const BaseDocument& document, ObjectImaging& out) const override;
    Point3 GetPosition() const override;
    // Extents of the bounding box of the turned footprint.
    ScalarValue GetSize1() const override;
    ScalarValue GetSize0() const override;
    ScalarValue GetRotation() const override;
    void SetSize0(double v) override;
    void SetSize1(double v) override;
    void Rotate(double delta, double step) override;
    void SetRotation(double degrees) override;
    // x and y move; the height stays.
    void SetPosition(const Point3& p) override;
    ScalarValue GetTopHeight() const override;

    OptionalVector3Double pos;
    OptionalVector3Double scale;
    OptionalDouble rot;

  protected:
    explicit NewPosScaleRot(int32_t type);
    // How often the icon repeats across and along the footprint.
    virtual void GetIconRepeat(int32_t& across, int32_t& along) const {
        across = 1;
        along = 1;
    }
    // ROT + delta, snapped to the step and brought into [0, 360].
    double TurnedRotation(double delta, double step) const;
    GeoRect TurnedBounds() const;
};

// Blocks and hangars: two wall textures and a roof texture. With PFG_SCALEUV set, the text
// writes the wall scales computed from the building instead of the held ones.
class NewPosScaleRotTex123 : public NewPosScaleRot {
  public:
    // Every type of the family writes POS, SCALE and ROT as PosScaleRotLines does.
    bool ReadBackTopHeight(double& height) const override;

    TextureSpec tex1;
    TextureSpec tex2;
    TextureSpec tex3;
    bool scaleUV = true; // PFG_SCALEUV

  protected:
    explicit NewPosScaleRotTex123(int32_t type) : NewPosScaleRot(type) {}
};

// The hangar with a roof height.
class NewPosScaleRotTex123Roofh : public NewPosScaleRotTex123 {
  public:
    OptionalFloat roofh;

  protected:
    explicit NewPosScaleRotTex123Roofh(int32_t type) : NewPosScaleRotTex123(type) {}
};

// Tanks: NSTEP, the wall texture (recomputed like the blocks') and the roof texture.
class NewPosScaleRotNstepTex12 : public NewPosScaleRot {
  public:
    OptionalInt nstep;
    TextureSpec tex1;
    TextureSpec tex2;
    bool scaleUV = true; // PFG_SCALEUV

  protected:
    explicit NewPosScaleRotNstepTex12(int32_t type) : NewPosScaleRot(type) {}
};

// Landing pads: round, so both ground sizes change together.
class NewPosDiameterRotTexNav : public NewPosScaleRot {
  public:
    void SetSize0(double v) override;
    void SetSize1(double v) override;

    std::string tex;
    NavFrequency nav;

  protected:
    explicit NewPosDiameterRotTexNav(int32_t type) : NewPosScaleRot(type) {}
};

// Meshes: sizes may keep the model's proportions.
class FilePosScaleRotTexMesh : public NewPosScaleRot {
  public:
    void SetSize0(double v) override;
    void SetSize1(double v) override;

    // Texture name (no extension) and model file (relative to the Meshes folder, no
    // extension, '\' between folders).
    std::string tex;
    std::string file;
    bool shadow = false;
    bool underShadows = false;
    bool ownMaterial = false;
    bool lpad = false;
    bool preload = false;
    bool keepAspect = true;
    // The model's extent in model coordinates: width = length, height = width.
    GeoRect extent{0.0, 1.0, 1.0, 0.0};
    double lowestY = 0.0;
    double highestY = 0.0;
    // The model could not be read here: the extents are a unit model standing in for it.
    bool modelUnavailable = false;

  protected:
    explicit FilePosScaleRotTexMesh(int32_t type) : NewPosScaleRot(type) {}
};

// Solar plants: the icon repeats once per grid cell.
class NewPosScaleRotSpacingGridTex : public NewPosScaleRot {
  public:
    OptionalFloat spacing[2];
    OptionalInt grid[2];
    // Read from the text, never written.
    TextureSpec tex;

  protected:
    explicit NewPosScaleRotSpacingGridTex(int32_t type) : NewPosScaleRot(type) {}
    void GetIconRepeat(int32_t& across, int32_t& along) const override;
};

// The repeat factor written into texture lines when PFG_SCALEUV is on: 0.5 per 15 m,
// at least 0.5.
float TextureRepeatFactor(double size);

} // namespace pf
