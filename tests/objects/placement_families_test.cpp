// Both placement families, composites and stretching a side.
#include "document/base_document.h"
#include "object_fakes.h"
#include "objects/complex_object.h"
#include "objects/object_imaging.h"
#include "objects/placement_families.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pf {
namespace {

using test::FakeBeaconArray;
using test::FakeBlock;
using test::FakeRunway;
using test::MakeBlock;
using test::MakeRunway;

BaseDocument EarthDocument() {
    BaseDocument d;
    d.SetBody(AstrelBody("Earth", 6371010.0, 5.973698968e24));
    return d;
}

TEST(EndPlaced, GeometryOfARunway) {
    FakeRunway r = MakeRunway(Point3{0, 0, 2}, Point3{0, 100, 6}, 30);
    EXPECT_TRUE(r.IsEndDefined());
    EXPECT_TRUE(r.HasWidth());
    EXPECT_DOUBLE_EQ(r.GetRotation().value, 90.0);
    EXPECT_DOUBLE_EQ(r.GetSize0().value, 0.0);
    EXPECT_DOUBLE_EQ(r.GetSize1().value, 100.0);
    const Point3 p = r.GetPosition();
    EXPECT_DOUBLE_EQ(p.x, 0.0);
    EXPECT_DOUBLE_EQ(p.y, 50.0);
    EXPECT_DOUBLE_EQ(p.z, 4.0);
    EXPECT_DOUBLE_EQ(r.GetTopHeight().value, 6.0);
    EXPECT_DOUBLE_EQ(r.GetEnd1Height().value, 2.0);
    EXPECT_DOUBLE_EQ(r.GetEnd2Height().value, 6.0);

    FakeRunway back = MakeRunway(Point3{0, 100, 0}, Point3{0, 0, 0}, 30);
    EXPECT_DOUBLE_EQ(back.GetRotation().value, 270.0);
    EXPECT_DOUBLE_EQ(MakeRunway(Point3{7, 0, 0}, Point3{3, 100, 0}, 30).GetSize0().value, 4.0);

    test::FakeTrain1 train;
    EXPECT_FALSE(train.HasWidth());
    train.end1.Set(0, 0, 3);
    train.end2.Set(10, 0, 1);
    EXPECT_DOUBLE_EQ(train.GetTopHeight().value, 8.0);
    test::FakeTrain2 train2;
    train2.end1 = train.end1;
    train2.end2 = train.end2;
    EXPECT_DOUBLE_EQ(train2.GetTopHeight().value, 3.0); // HEIGHT not given: + 0
    train2.height.Set(2.5f);
    EXPECT_DOUBLE_EQ(train2.GetTopHeight().value, 5.5);
}

TEST(EndPlaced, SettersAndMoves) {
    FakeRunway r;
    EXPECT_FALSE(r.SetEnd2(Point3{1, 1, 0})); // END1 not set
    EXPECT_TRUE(r.end2.IsSet());
    r.SetEnd1(Point3{1, 1, 0});
    EXPECT_TRUE(r.end1.IsSet());
    EXPECT_FALSE(r.SetEnd2(Point3{1, 1, 0})); // equal: stored, refused
    EXPECT_TRUE(r.end2.IsSet());
    EXPECT_TRUE(r.SetEnd2(Point3{1, 1, 1}));

    r.width.Set(30);
    r.SetSize1(0.1);
    EXPECT_DOUBLE_EQ(r.width.value, 30.0);
    r.SetSize1(0.2);
    EXPECT_DOUBLE_EQ(r.width.value, 0.2);
    r.SetSize0(50); // nothing for a runway
    r.SetRotation(45);

    FakeRunway m = MakeRunway(Point3{0, 0, 2}, Point3{0, 100, 7}, 30);
    m.SetPosition(Point3{10, 10, 99});
    EXPECT_DOUBLE_EQ(m.end1[0].value, 10.0);
    EXPECT_DOUBLE_EQ(m.end1[1].value, -40.0);
    EXPECT_DOUBLE_EQ(m.end2[1].value, 60.0);
    EXPECT_DOUBLE_EQ(m.end1[2].value, 2.0);
    EXPECT_DOUBLE_EQ(m.end2[2].value, 7.0);

    m.Rotate(90, 15); // about the midpoint (10, 10); the step is not used
    EXPECT_NEAR(m.end1[0].value, 60.0, 1e-9);
    EXPECT_NEAR(m.end1[1].value, 10.0, 1e-9);
    EXPECT_NEAR(m.end2[0].value, -40.0, 1e-9);
    EXPECT_DOUBLE_EQ(m.end2[2].value, 7.0);
}

TEST(EndPlaced, BeaconArray) {
    FakeBeaconArray b;
    b.end1.Set(5, 5, 0);
    b.end2.Set(5, 5, 20);
    b.size.Set(2);
    b.SetPosition(Point3{-3, 4, 50});
    EXPECT_DOUBLE_EQ(b.end1[0].value, -3.0);
    EXPECT_DOUBLE_EQ(b.end2[1].value, 4.0);
    EXPECT_DOUBLE_EQ(b.end2[2].value, 20.0);
    b.Rotate(90, 0); // nothing
    EXPECT_DOUBLE_EQ(b.end1[0].value, -3.0);

    BaseDocument d = EarthDocument();
    ObjectImaging square(d);
    ASSERT_TRUE(b.SetupOutline(d, square));
    Point2 c[4];
    ASSERT_TRUE(square.GetCorners(c));
    EXPECT_DOUBLE_EQ(c[0].x, -8.0);
    EXPECT_DOUBLE_EQ(c[0].y, 9.0);
    EXPECT_DOUBLE_EQ(c[3].x, 2.0);
    EXPECT_DOUBLE_EQ(c[3].y, -1.0);
    EXPECT_DOUBLE_EQ(square.GetHeight(), 20.0);

    b.SetSize0(40);
    EXPECT_DOUBLE_EQ(b.size.value, 20.0);
    b.SetSize1(30);
    EXPECT_DOUBLE_EQ(b.size.value, 15.0);
    b.end2.Set(-3, 104, 0);
    ObjectImaging strip(d);
    ASSERT_TRUE(b.SetupImaging(d, strip, false));
    EXPECT_EQ(strip.GetIcon().Width(), 8);
    ASSERT_TRUE(strip.GetCorners(c));
    EXPECT_NEAR(std::fabs(c[0].x - c[2].x) + std::fabs(c[0].y - c[2].y), 30.0, 1e-9);
}

TEST(PositionPlaced, Geometry) {
    FakeBlock b = MakeBlock(4, 5, 12, 20, 10, 3, 90);
    EXPECT_FALSE(b.IsEndDefined());
    EXPECT_FALSE(b.HasWidth());
    EXPECT_NEAR(b.GetSize0().value, 10.0, 1e-9);
    EXPECT_NEAR(b.GetSize1().value, 20.0, 1e-9);
    EXPECT_DOUBLE_EQ(b.GetRotation().value, 90.0);
    EXPECT_DOUBLE_EQ(b.GetTopHeight().value, 15.0);
    EXPECT_DOUBLE_EQ(b.GetEnd1Height().value, 0.0);
    EXPECT_DOUBLE_EQ(b.GetEnd2().x, 4.0);
    EXPECT_FALSE(b.SetEnd2(Point3{1, 1, 1}));
    b.SetEnd1(Point3{1, 1, 1});
    EXPECT_DOUBLE_EQ(b.GetPosition().x, 4.0);

    b.SetPosition(Point3{7, 8, 0});
    EXPECT_DOUBLE_EQ(b.pos[0].value, 7.0);
    EXPECT_DOUBLE_EQ(b.pos[1].value, 8.0);
    EXPECT_DOUBLE_EQ(b.pos[2].value, 12.0); // moving keeps the height

    FakeBlock fresh;
    fresh.SetPosition(Point3{1, 2, 3});
    EXPECT_TRUE(fresh.pos.IsSet());
    EXPECT_DOUBLE_EQ(fresh.pos[2].value, 0.0);

    b.SetSize0(0.05);
    EXPECT_DOUBLE_EQ(b.scale[0].value, 0.1);
    b.SetSize1(25);
    EXPECT_DOUBLE_EQ(b.scale[1].value, 25.0);

    test::FakeLpad1 pad;
    pad.SetSize0(0.05);
    EXPECT_DOUBLE_EQ(pad.scale[0].value, 0.1);
    EXPECT_DOUBLE_EQ(pad.scale[1].value, 0.1);
    pad.SetSize1(40);
    EXPECT_DOUBLE_EQ(pad.scale[0].value, 40.0);
}

TEST(PositionPlaced, Rotate) {
    const struct {
        double from, delta, step, to;
    } cases[] = {{350, 30, 0, 20}, {350, 10, 0, 360}, {5, -10, 0, 355},
                 {0, 7, 5, 5},     {0, -360, 0, 0},   {10, 3, 1e-7, 13}};
    for (const auto& c : cases) {
        FakeBlock b = MakeBlock(0, 0, 0, 1, 1, 1, c.from);
        b.Rotate(c.delta, c.step);
        EXPECT_DOUBLE_EQ(b.rot.value, c.to) << c.from << " + " << c.delta;
        EXPECT_TRUE(b.rot.given);
    }
}

TEST(PositionPlaced, MeshAspectLock) {
    test::FakeMesh mesh;
    mesh.extent = GeoRect{0.0, 20.0, 10.0, 0.0}; // 20 long, 10 wide
    mesh.lowestY = 1.0;
    mesh.highestY = 6.0; // 5 high
    mesh.SetSize0(40);
    EXPECT_DOUBLE_EQ(mesh.scale[0].value, 40.0);
    EXPECT_DOUBLE_EQ(mesh.scale[1].value, 20.0);
    EXPECT_DOUBLE_EQ(mesh.scale[2].value, 10.0);
    mesh.SetSize1(5);
    EXPECT_DOUBLE_EQ(mesh.scale[1].value, 5.0);
    EXPECT_DOUBLE_EQ(mesh.scale[0].value, 10.0);
    EXPECT_DOUBLE_EQ(mesh.scale[2].value, 2.5);
    mesh.SetSize0(0.01);
    EXPECT_DOUBLE_EQ(mesh.scale[0].value, 0.1);

    mesh.keepAspect = false;
    mesh.SetSize0(30);
    EXPECT_DOUBLE_EQ(mesh.scale[0].value, 30.0);
    EXPECT_NEAR(mesh.scale[1].value, 0.05, 1e-6);

    mesh.extent = GeoRect{0.0, 0.0, 10.0, 0.0}; // no length: nothing changes
    mesh.SetSize0(99);
    EXPECT_DOUBLE_EQ(mesh.scale[0].value, 30.0);
}

TEST(PositionPlaced, TextureRepeatFactor) {
    EXPECT_FLOAT_EQ(TextureRepeatFactor(10), 0.5f);
    EXPECT_FLOAT_EQ(TextureRepeatFactor(29.9), 0.5f);
    EXPECT_FLOAT_EQ(TextureRepeatFactor(30), 1.0f);
    EXPECT_FLOAT_EQ(TextureRepeatFactor(-45), 1.5f);
    EXPECT_FLOAT_EQ(TextureRepeatFactor(0), 0.5f);
}

TEST(PositionPlaced, SolarPlantIconRepeatsByGrid) {
    test::FakeSolarPlant plant;
    plant.grid[0].Set(3);
    plant.grid[1].Set(2);
    plant.scale.Set(120, 80, 1);
    BaseDocument d = EarthDocument();
    ObjectImaging imaging(d);
    ASSERT_TRUE(plant.SetupImaging(d, imaging, true));
    EXPECT_EQ(imaging.GetRepeatX(), 3);
    EXPECT_EQ(imaging.GetRepeatY(), 2);
    EXPECT_TRUE(imaging.IsHighlighted());
}

TEST(Composite, BuildBounds) {
    test::ScopedFakeTypes fakes;
    AstrelObject a(MakeBlock(0, 0, 0, 10, 10, 1));
    AstrelObject b(MakeBlock(30, 0, 0, 10, 10, 1));
    ObjectPtrArray parts;
    parts.AddSorted(&a);
    parts.AddSorted(&b);
    ComplexObject composite(&parts);
    EXPECT_EQ(composite.GetType(), kTypeComplex);
    EXPECT_EQ(composite.GetTypeName(), "Complex");
    EXPECT_FALSE(composite.pos.IsSet());
    EXPECT_DOUBLE_EQ(composite.scale[0].value, 1.0);
    composite.Build();
    EXPECT_DOUBLE_EQ(composite.pos[0].value, 15.0);
    EXPECT_DOUBLE_EQ(composite.pos[1].value, 0.0);
    EXPECT_TRUE(composite.pos[0].given);
    EXPECT_FALSE(composite.pos[2].given);
    EXPECT_DOUBLE_EQ(composite.scale[0].value, 40.0);
    EXPECT_DOUBLE_EQ(composite.scale[1].value, 10.0);
    EXPECT_FALSE(composite.scale[2].given);
    EXPECT_FALSE(composite.rot.given);

    ObjectPtrArray none;
    ComplexObject empty(&none);
    empty.pos.Set(1, 2, 3);
    empty.Build();
    EXPECT_DOUBLE_EQ(empty.pos[0].value, 1.0);
    EXPECT_DOUBLE_EQ(empty.scale[0].value, 1.0);
}

TEST(Composite, TurnAndMove) {
    test::ScopedFakeTypes fakes;
    AstrelObject a(MakeBlock(-10, 0, 4, 2, 2, 1, 0));
    AstrelObject b(MakeBlock(10, 0, 0, 2, 2, 1, 0));
    ObjectPtrArray parts;
    parts.AddSorted(&a);
    parts.AddSorted(&b);
    ComplexObject composite(&parts);
    composite.Build();
    composite.Rotate(90, 0);
    EXPECT_DOUBLE_EQ(composite.rot.value, 90.0);
    EXPECT_NEAR(a.GetPosition().x, 0.0, 1e-9);
    EXPECT_NEAR(a.GetPosition().y, -10.0, 1e-9);
    EXPECT_NEAR(b.GetPosition().y, 10.0, 1e-9);
    EXPECT_DOUBLE_EQ(a.GetRotation().value, 90.0);
    EXPECT_DOUBLE_EQ(b.GetRotation().value, 90.0);
    EXPECT_DOUBLE_EQ(a.GetPosition().z, 4.0);

    composite.rot.Set(350);
    composite.Rotate(20, 0); // 370 -> 10: the applied turn -340 is 20 for each part
    EXPECT_DOUBLE_EQ(composite.rot.value, 10.0);
    EXPECT_DOUBLE_EQ(a.GetRotation().value, 110.0);
    EXPECT_DOUBLE_EQ(b.GetRotation().value, 110.0);
    EXPECT_NEAR(a.GetPosition().x, 10.0 * std::sin(DegreesToRadians(20)), 1e-9);
    EXPECT_NEAR(a.GetPosition().y, -10.0 * std::cos(DegreesToRadians(20)), 1e-9);

    composite.pos.Set(0, 0, 0);
    const Point3 before = b.GetPosition();
    composite.SetPosition(Point3{5.05, -3, 1});
    EXPECT_NEAR(b.GetPosition().x, before.x + 5.05, 1e-9); // step 0.1: no snapping
    EXPECT_NEAR(b.GetPosition().y, before.y - 3, 1e-9);
    EXPECT_DOUBLE_EQ(a.GetPosition().z, 4.0); // parts keep their heights
    EXPECT_TRUE(composite.pos.IsSet());
    EXPECT_DOUBLE_EQ(composite.pos[2].value, 1.0);
}

TEST(Composite, TextsIconAndClone) {
    test::ScopedFakeTypes fakes;
    AstrelObject block(MakeBlock(0, 0, 0, 10, 10, 1));
    AstrelObject tank(test::FakeTank{});
    ObjectPtrArray parts;
    parts.AddSorted(&block);
    parts.AddSorted(&tank);
    ComplexObject composite(&parts);
    EXPECT_EQ(composite.GetParameterText(), "BLOCK\r\nTANK\r\n");
    ComplexObjectPtr view(&parts);
    EXPECT_EQ(view.GetParameterText(), block.GetParameterText() + tank.GetParameterText());

    BitmapData icon;
    composite.GetIcon(icon);
    ASSERT_EQ(icon.Width(), 32);
    ASSERT_EQ(icon.Height(), 32);
    EXPECT_EQ(icon.BitsPerPixel(), 24);
    const std::uint8_t* px = icon.PixelAddress(31, 31);
    EXPECT_EQ(px[0], 127);
    EXPECT_EQ(px[2], 127);

    view.rot.Set(33);
    view.pos.Set(1, 2, 3);
    AstrelObject holder(view);
    auto* copy = dynamic_cast<ComplexObject*>(holder.Get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(dynamic_cast<ComplexObjectPtr*>(holder.Get()), nullptr);
    EXPECT_EQ(copy->GetParts(), &parts);
    EXPECT_DOUBLE_EQ(copy->rot.value, 33.0);
    EXPECT_DOUBLE_EQ(copy->pos[1].value, 2.0);
    AstrelObject second(holder);
    EXPECT_EQ(second.GetParameterText(), "BLOCK\r\nTANK\r\n");
}

TEST(StretchSide, DragsASideOfTheOwnFrame) {
    test::ScopedFakeTypes fakes;
    BaseDocument d = EarthDocument();
    AstrelObject block(MakeBlock(0, 0, 0, 20, 10, 1));
    EXPECT_EQ(block.StretchSide(d, 2, Point3{15, 3, 0}, 0), 1);
    EXPECT_DOUBLE_EQ(block.Get()->GetSize0().value, 30.0);
    EXPECT_EQ(block.StretchSide(d, 2, Point3{-1, 0, 0}, 0), -1); // past the centre
    EXPECT_DOUBLE_EQ(block.Get()->GetSize0().value, 30.0);
    EXPECT_EQ(block.StretchSide(d, 0, Point3{1, 0, 0}, 0), -1);
    EXPECT_EQ(block.StretchSide(d, 0, Point3{0, 5, 0}, 0), -1); // on the centre line
    EXPECT_EQ(block.StretchSide(d, 4, Point3{50, 0, 0}, 0), -1);
    EXPECT_EQ(block.StretchSide(d, 0, Point3{-20, 7, 0}, 0), 1); // west side out: twice
    EXPECT_DOUBLE_EQ(block.Get()->GetSize0().value, 40.0);
    EXPECT_EQ(block.StretchSide(d, 1, Point3{0, 13, 0}, 10), 1); // 26 rounds to 30
    EXPECT_DOUBLE_EQ(block.Get()->GetSize1().value, 30.0);
    EXPECT_EQ(block.StretchSide(d, 3, Point3{0, -2.4, 0}, 0), 1);
    EXPECT_NEAR(block.Get()->GetSize1().value, 4.8, 1e-9);

    // A turned block stretches along its own axes.
    AstrelObject turned(MakeBlock(100, 0, 0, 20, 10, 1, 90));
    EXPECT_EQ(turned.StretchSide(d, 2, Point3{100, 25, 0}, 0), 1);
    auto* b = dynamic_cast<FakeBlock*>(turned.Get());
    EXPECT_NEAR(b->scale[0].value, 50.0, 1e-9);

    // A runway's north side is its width.
    AstrelObject runway(MakeRunway(Point3{0, 0, 0}, Point3{100, 0, 0}, 30));
    EXPECT_EQ(runway.StretchSide(d, 1, Point3{50, -20, 0}, 0), 1);
    EXPECT_NEAR(dynamic_cast<FakeRunway*>(runway.Get())->width.value, 40.0, 1e-9);

    test::FakeSolarPlant plantObject;
    plantObject.scale.Set(40, 40, 1);
    AstrelObject plant(plantObject);
    EXPECT_EQ(plant.StretchSide(d, 2, Point3{100, 0, 0}, 0), 1);
    EXPECT_DOUBLE_EQ(plant.Get()->GetSize0().value, 40.0);
}

} // namespace
} // namespace pf
