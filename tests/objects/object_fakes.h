#pragma once
// Test-only object types over the placement families: each writes a fixed text from its
// fields, copies them in CopyFrom and shows a small solid icon. ScopedFakeType(s) put them
// into the factory for one test and restore what was there before.
#include "foundation/text.h"
#include "imagery/bitmap_data.h"
#include "objects/astrel_object.h"
#include "objects/object_editing.h"
#include "objects/placement_families.h"

#include <memory>
#include <string>
#include <vector>

namespace pf::test {

// Icon colour of every fake: blue 100, green 150, red 200.
inline constexpr ColorRGB kFakeIconColour{100, 150, 200};

template <class Base, int32_t Code> class FakeObject : public Base {
  public:
    FakeObject() : Base(Code) {}

    std::string GetParameterText() const override { return Text(*this); }
    void CopyFrom(const AstrelObjectHandle& other) override {
        if (const auto* o = dynamic_cast<const FakeObject*>(&other)) {
            *this = *o;
        }
    }
    void GetIcon(BitmapData& image) const override {
        if (image.Create24(8, 8)) {
            image.FillColor24(kFakeIconColour);
        }
    }

  private:
    static std::string Text(const NewPosScaleRot& o) {
        return "\tPOS " + FormatVector3Double(o.pos) + "\r\n\tSCALE " +
               FormatVector3DoubleRotated(o.scale) + "\r\n\tROT " + FormatDouble2(o.rot.value) +
               "\r\n";
    }
    static std::string Text(const NewEnd12& o) {
        std::string text = "\tEND1 " + FormatVector3Double(o.end1) + "\r\n\tEND2 " +
                           FormatVector3Double(o.end2) + "\r\n";
        if (const auto* w = dynamic_cast<const NewEnd12Width*>(&o)) {
            text += "\tWIDTH " + FormatDouble2(w->width.value) + "\r\n";
        }
        return text;
    }
};

using FakeBlock = FakeObject<NewPosScaleRot, kTypeBlock>;
using FakeTank = FakeObject<NewPosScaleRot, kTypeTank>;
using FakeRunway = FakeObject<NewEnd12Width, kTypeRunway>;
using FakeBeaconArray = FakeObject<NewEnd12CountSizeCol, kTypeBeaconArray>;
using FakeSolarPlant = FakeObject<NewPosScaleRotSpacingGridTex, kTypeSolarPlant>;
using FakeTrain1 = FakeObject<NewEnd12Speed, kTypeTrain1>;
using FakeTrain2 = FakeObject<NewEnd12SpeedHeight, kTypeTrain2>;
using FakeLpad1 = FakeObject<NewPosDiameterRotTexNav, kTypeLpad1>;
using FakeLpad2 = FakeObject<NewPosDiameterRotTexNav, kTypeLpad2>;
using FakeMesh = FakeObject<FilePosScaleRotTexMesh, kTypeMesh>;

template <class T> std::unique_ptr<AstrelObjectHandle> MakeFake() { return std::make_unique<T>(); }

// Puts one creator into the factory for the life of the object and restores the previous
// one afterwards, so that a failed assertion cannot leave a fake registered for the tests
// that follow.
class ScopedFakeType {
  public:
    ScopedFakeType(int32_t code, ObjectCreator creator)
        : code_(code), previous_(AstrelObjectFactory::Register(code, creator)) {}
    ~ScopedFakeType() { AstrelObjectFactory::Register(code_, previous_); }
    ScopedFakeType(const ScopedFakeType&) = delete;
    ScopedFakeType& operator=(const ScopedFakeType&) = delete;
    ObjectCreator Previous() const { return previous_; }

  private:
    int32_t code_;
    ObjectCreator previous_;
};

// Every fake type at once.
class ScopedFakeTypes {
  private:
    ScopedFakeType block_{kTypeBlock, &MakeFake<FakeBlock>};
    ScopedFakeType tank_{kTypeTank, &MakeFake<FakeTank>};
    ScopedFakeType runway_{kTypeRunway, &MakeFake<FakeRunway>};
    ScopedFakeType beacons_{kTypeBeaconArray, &MakeFake<FakeBeaconArray>};
    ScopedFakeType solar_{kTypeSolarPlant, &MakeFake<FakeSolarPlant>};
    ScopedFakeType train1_{kTypeTrain1, &MakeFake<FakeTrain1>};
    ScopedFakeType train2_{kTypeTrain2, &MakeFake<FakeTrain2>};
    ScopedFakeType lpad1_{kTypeLpad1, &MakeFake<FakeLpad1>};
    ScopedFakeType lpad2_{kTypeLpad2, &MakeFake<FakeLpad2>};
    ScopedFakeType mesh_{kTypeMesh, &MakeFake<FakeMesh>};
};

// A block of the given size at (x, y, h).
inline FakeBlock MakeBlock(double x, double y, double h, double sx, double sy, double sh,
                           double rot = 0.0) {
    FakeBlock b;
    b.pos.Set(x, y, h);
    b.scale.Set(sx, sy, sh);
    b.rot.Set(rot);
    return b;
}

inline FakeRunway MakeRunway(const Point3& e1, const Point3& e2, double width) {
    FakeRunway r;
    r.end1.Set(e1);
    r.end2.Set(e2);
    r.width.Set(width);
    return r;
}

} // namespace pf::test
