#pragma once
// A selection handled as one object: moved and turned as a whole, drawn, and shown as
// text. Its parts are holders kept elsewhere; it never owns them.
#include "objects/placement_families.h"

namespace pf {

class ComplexObject : public NewPosScaleRot {
  public:
    // parts may be null: then there are none.
    explicit ComplexObject(const ObjectPtrArray* parts);

    const ObjectPtrArray* GetParts() const { return parts_; }

    std::string GetTypeName() const override;
    // Each part's keyword and "\r\n".
    std::string GetParameterText() const override;
    // A 32 x 32 grey square.
    void GetIcon(BitmapData& image) const override;
    // Turns every part about the composite's centre by the turn actually applied.
    void Rotate(double delta, double step) override;
    // Moves every part by the same offset, heights included.
    void SetPosition(const Point3& p) override;
    // Copies the placement (POS, SCALE, ROT) of another composite.
    void CopyFrom(const AstrelObjectHandle& other) override;

    // Draws every part in order with the same arguments; true.
    virtual bool DrawPartsOnMap(const BaseDocument& document, GeoMap& map, int look) const;
    // The composite's own footprint with its icon.
    virtual bool SetupCompositeImaging(const BaseDocument& document, ObjectImaging& out,
                                       bool highlight) const;

    // Recomputes POS and SCALE as the bounding rectangle of the parts; ROT 0.
    void Build();

  private:
    const ObjectPtrArray* parts_;
};

// A view over a selection whose text is the parts' own parameter texts.
class ComplexObjectPtr : public ComplexObject {
  public:
    explicit ComplexObjectPtr(const ObjectPtrArray* parts) : ComplexObject(parts) {}
    std::string GetParameterText() const override;
};

} // namespace pf
