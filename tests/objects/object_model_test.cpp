// The object root, the factory, the holder and the object lists.
#include "document/base_document.h"
#include "foundation/stream.h"
#include "object_fakes.h"
#include "objects/complex_object.h"
#include "objects/object_editing.h"

#include <gtest/gtest.h>

#include <string>

namespace pf {
namespace {

using test::FakeBlock;
using test::FakeRunway;
using test::FakeTank;
using test::MakeBlock;

std::string ReadAll(MemStream& stream) {
    std::string bytes(stream.GetLength(), '\0');
    stream.SeekToBegin();
    if (!bytes.empty()) {
        EXPECT_TRUE(stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size())));
    }
    return bytes;
}

// A stream that counts its writes.
class CountingStream : public MemStream {
  public:
    bool Write(const void* bytes, uint32_t count) override {
        ++writes;
        return MemStream::Write(bytes, count);
    }
    int writes = 0;
};

class FailingStream : public MemStream {
  public:
    bool Write(const void*, uint32_t) override { return false; }
};

// An object whose parameter text is empty.
class Bare : public NewPosScaleRot {
  public:
    Bare() : NewPosScaleRot(kTypeHangar) {}
};

TEST(ObjectKeywords, TableByCode) {
    const char* expected[] = {
        "UNDEFINED", "BLOCK",        "HANGAR",      "HANGAR2",    "HANGAR3",      "TANK",
        "RUNWAY",    "RUNWAYLIGHTS", "BEACONARRAY", "SOLARPLANT", "TRAIN1",       "TRAIN2",
        "LPAD1",     "LPAD2",        "LPAD2A",      "MESH",       "COMPLEXOBJECT"};
    for (int code = 0; code < kObjectTypeCount; ++code) {
        EXPECT_EQ(GetObjectKeyword(code), expected[code]) << code;
    }
    EXPECT_EQ(GetObjectKeyword(-1), "");
    EXPECT_EQ(GetObjectKeyword(17), "");
}

TEST(ObjectFactory, CreatesOnlyRegisteredConcreteCodes) {
    test::ScopedFakeTypes fakes;
    for (int code : {0, 16, 17, -1}) {
        EXPECT_EQ(AstrelObjectFactory::Create(code), nullptr) << code;
    }
    auto block = AstrelObjectFactory::Create(kTypeBlock);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetType(), kTypeBlock);
    EXPECT_NE(dynamic_cast<FakeBlock*>(block.get()), nullptr);
    // Registering outside 1..15 changes nothing.
    EXPECT_EQ(AstrelObjectFactory::Register(16, &test::MakeFake<FakeBlock>), nullptr);
    EXPECT_EQ(AstrelObjectFactory::Create(16), nullptr);
}

TEST(ObjectFactory, RegisterReturnsThePreviousCreator) {
    test::ScopedFakeType fake(kTypeTank, &test::MakeFake<FakeTank>);
    test::ScopedFakeType again(kTypeTank, nullptr);
    EXPECT_EQ(again.Previous(), &test::MakeFake<FakeTank>);
}

TEST(ObjectRoot, RootAnswers) {
    Bare bare; // only the family's answers differ from the root's
    AstrelObjectHandle& root = bare;
    EXPECT_EQ(root.GetTypeName(), "HANGAR");
    EXPECT_EQ(root.GetParameterText(), "");
    EXPECT_EQ(root.CreateDialog(), nullptr);
    EXPECT_FALSE(root.IsEndDefined());
    EXPECT_FALSE(root.HasWidth());
}

TEST(ObjectRoot, WriteBlockWritesOneBuffer) {
    FakeBlock block = MakeBlock(100, -20, 5, 10, 20, 30);
    CountingStream stream;
    ASSERT_TRUE(block.WriteBlock(stream));
    EXPECT_EQ(stream.writes, 1);
    EXPECT_EQ(ReadAll(stream), "BLOCK\r\n\tPOS 20 5 100\r\n\tSCALE 20 30 10\r\n\tROT 0\r\nEND\r\n");

    Bare bare;
    MemStream empty;
    ASSERT_TRUE(bare.WriteBlock(empty));
    EXPECT_EQ(ReadAll(empty), "HANGAR\r\nEND\r\n");

    FailingStream failing;
    EXPECT_FALSE(block.WriteBlock(failing));
}

TEST(ObjectRoot, HasSameParametersComparesTextOnly) {
    FakeBlock block = MakeBlock(1, 2, 3, 4, 5, 6);
    FakeTank tank;
    tank.CopyFrom(block); // a different class: nothing copied
    EXPECT_FALSE(block.HasSameParameters(tank));
    tank.pos = block.pos;
    tank.scale = block.scale;
    tank.rot = block.rot;
    EXPECT_TRUE(block.HasSameParameters(tank));
}

TEST(ObjectHolder, CopiesByCloning) {
    test::ScopedFakeTypes fakes;
    FakeBlock block = MakeBlock(1, 2, 3, 4, 5, 6, 30);
    AstrelObject holder(block);
    ASSERT_FALSE(holder.IsEmpty());
    EXPECT_NE(holder.Get(), &block);
    EXPECT_EQ(holder.GetParameterText(), block.GetParameterText());
    holder.SetTag(7);
    holder.GetFootprint() = FootprintRecord(Point2(1, 1), Point2(2, 1), Point2(1, 2), Point2(2, 2));

    AstrelObject copy(holder);
    EXPECT_NE(copy.Get(), holder.Get());
    EXPECT_EQ(copy.GetTag(), 7);
    EXPECT_TRUE(copy.GetFootprint().valid);
    EXPECT_TRUE(copy == holder);

    AstrelObject assigned;
    assigned.AssignFrom(*holder.Get());
    EXPECT_EQ(assigned.GetParameterText(), block.GetParameterText());
    EXPECT_FALSE(assigned.GetFootprint().valid); // AssignFrom leaves the footprint

    AstrelObject cloned;
    cloned.CloneFrom(holder);
    EXPECT_TRUE(cloned.GetFootprint().valid);
    EXPECT_DOUBLE_EQ(cloned.GetFootprint().corner[3].x, 2.0);

    // Changing the copy leaves the source.
    copy.SetPositionSnapped(Point3{50, 60, 0}, 0);
    EXPECT_DOUBLE_EQ(holder.GetPosition().x, 1.0);

    FakeBlock target;
    EXPECT_TRUE(holder.CopyInto(target));
    EXPECT_EQ(target.GetParameterText(), block.GetParameterText());

    holder.Clear();
    EXPECT_TRUE(holder.IsEmpty());
    EXPECT_FALSE(holder.GetFootprint().valid);
}

TEST(ObjectHolder, UnregisteredTypeClonesToEmpty) {
    Bare bare; // type 2 has no creator here
    test::ScopedFakeType none(kTypeHangar, nullptr);
    AstrelObject holder(bare);
    EXPECT_TRUE(holder.IsEmpty());
}

TEST(ObjectHolder, EmptyHolderAnswersDefaults) {
    AstrelObject empty;
    BaseDocument document;
    ObjectImaging imaging(document);
    MemStream stream;
    EXPECT_EQ(empty.GetType(), 0);
    EXPECT_EQ(empty.GetTypeName(), "");
    EXPECT_EQ(empty.GetParameterText(), "");
    EXPECT_FALSE(empty.WriteBlock(stream));
    EXPECT_EQ(stream.GetLength(), 0u);
    EXPECT_FALSE(empty.SetupOutline(document, imaging));
    EXPECT_FALSE(empty.IsEndDefined());
    EXPECT_FALSE(empty.HasWidth());
    const Point3 p = empty.GetPosition();
    EXPECT_EQ(p.x + p.y + p.z, 0.0);
    EXPECT_EQ(empty.GetSize0().value, 0.0);
    EXPECT_EQ(empty.GetSize1().value, 0.0);
    EXPECT_EQ(empty.GetRotation().value, 0.0);
    EXPECT_EQ(empty.GetTopHeight().value, 0.0);
    EXPECT_EQ(empty.GetEnd1Height().value, 0.0);
    EXPECT_EQ(empty.GetEnd2Height().value, 0.0);
    EXPECT_EQ(empty.GetEnd1().x, 0.0);
    EXPECT_EQ(empty.GetEnd2().y, 0.0);
    EXPECT_FALSE(empty.SetEnd2Snapped(Point3{1, 2, 3}, 0));
    EXPECT_FALSE(empty.EditInDialog());
    empty.Rotate(30, 0);
    empty.SetPositionSnapped(Point3{1, 1, 1}, 10);
    EXPECT_EQ(empty.StretchSide(document, 0, Point3{5, 0, 0}, 0), 1);
    EXPECT_TRUE(empty == AstrelObject());
}

TEST(ObjectHolder, EqualityNeedsTheSameType) {
    test::ScopedFakeTypes fakes;
    FakeBlock block = MakeBlock(1, 2, 3, 4, 5, 6);
    FakeTank tank;
    tank.pos = block.pos;
    tank.scale = block.scale;
    tank.rot = block.rot;
    AstrelObject a(block);
    AstrelObject b(tank);
    EXPECT_TRUE(a.Get()->HasSameParameters(*b.Get()));
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(a == AstrelObject());
}

TEST(ObjectHolder, SetPositionSnapped) {
    test::ScopedFakeTypes fakes;
    AstrelObject holder(MakeBlock(0, 0, 12, 10, 10, 5));
    holder.SetPositionSnapped(Point3{14.9, -5.1, 0}, 0.1);
    EXPECT_DOUBLE_EQ(holder.GetPosition().x, 14.9);
    EXPECT_DOUBLE_EQ(holder.GetPosition().y, -5.1);
    holder.SetPositionSnapped(Point3{14.9, -5.1, 0}, 10);
    EXPECT_DOUBLE_EQ(holder.GetPosition().x, 10.0);
    EXPECT_DOUBLE_EQ(holder.GetPosition().y, -10.0);
    EXPECT_DOUBLE_EQ(holder.GetPosition().z, 12.0); // the height is kept

    AstrelObject runway(test::MakeRunway(Point3{0, 0, 0}, Point3{0, 100, 0}, 30));
    runway.SetEnd1Snapped(Point3{14.9, 26, 1}, 10);
    EXPECT_DOUBLE_EQ(runway.GetEnd1().x, 10.0);
    EXPECT_DOUBLE_EQ(runway.GetEnd1().y, 30.0);
    EXPECT_TRUE(runway.SetEnd2Snapped(Point3{0, 104, 0}, 10));
    EXPECT_DOUBLE_EQ(runway.GetEnd2().y, 100.0);
    EXPECT_FALSE(runway.SetEnd2Snapped(Point3{11, 31, 1}, 10)); // onto END1
}

// Records the angle the object is asked to turn by.
class TurnRecorder : public NewPosScaleRot {
  public:
    TurnRecorder() : NewPosScaleRot(kTypeTank) {}
    void Rotate(double delta, double step) override {
        lastDelta = delta;
        lastStep = step;
    }
    void CopyFrom(const AstrelObjectHandle& other) override {
        if (const auto* o = dynamic_cast<const TurnRecorder*>(&other)) {
            *this = *o;
        }
    }
    double lastDelta = -1.0;
    double lastStep = -1.0;
};

TEST(ObjectHolder, RotateNormalisesTheAngle) {
    test::ScopedFakeType recorder_type(kTypeTank, &test::MakeFake<TurnRecorder>);
    AstrelObject holder(TurnRecorder{});
    auto* recorder = dynamic_cast<TurnRecorder*>(holder.Get());
    ASSERT_NE(recorder, nullptr);
    const struct {
        double in;
        double passed;
    } cases[] = {{-30, 330}, {-400, 0}, {360, 0}, {359, 359}, {0, 0}, {45, 45}};
    for (const auto& c : cases) {
        holder.Rotate(c.in, 15);
        EXPECT_DOUBLE_EQ(recorder->lastDelta, c.passed) << c.in;
        EXPECT_DOUBLE_EQ(recorder->lastStep, 15);
    }
}

// A dialog that records the object it gets and ends with OK or Cancel.
class FakeDialog : public ObjectEditDialog {
  public:
    FakeDialog(bool ok, int* destroyed) : ok_(ok), destroyed_(destroyed) {}
    ~FakeDialog() override { ++*destroyed_; }
    void SetObject(const AstrelObjectHandle& object) override {
        held_.AssignFrom(object);
        received = held_.GetParameterText();
    }
    bool RunModal() override {
        held_.SetPositionSnapped(Point3{99, 98, 0}, 0);
        return ok_;
    }
    void GetObject(AstrelObject& result) override { result.CloneFrom(held_); }
    std::string received;

  private:
    bool ok_;
    int* destroyed_;
    AstrelObject held_;
};

int g_dialogs_destroyed = 0;
bool g_dialog_ok = true;
std::string g_dialog_received;

class EditableBlock : public test::FakeBlock {
  public:
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override {
        return ObjectDialogRegistry::Create(GetType());
    }
    void CopyFrom(const AstrelObjectHandle& other) override {
        if (const auto* o = dynamic_cast<const NewPosScaleRot*>(&other)) {
            pos = o->pos;
            scale = o->scale;
            rot = o->rot;
        }
    }
};

class RecordingDialog : public FakeDialog {
  public:
    RecordingDialog() : FakeDialog(g_dialog_ok, &g_dialogs_destroyed) {}
    ~RecordingDialog() override { g_dialog_received = received; }
};

TEST(ObjectHolder, EditInDialog) {
    test::ScopedFakeType editable(kTypeBlock, &test::MakeFake<EditableBlock>);
    ObjectDialogMaker previousDialog = ObjectDialogRegistry::Register(
        kTypeBlock, [] { return std::make_unique<RecordingDialog>(); });
    struct RestoreDialog {
        ObjectDialogMaker maker;
        ~RestoreDialog() { ObjectDialogRegistry::Register(kTypeBlock, maker); }
    } restore{previousDialog};

    EditableBlock block;
    block.pos.Set(1, 2, 3);
    AstrelObject holder(block);
    const std::string before = holder.GetParameterText();

    g_dialogs_destroyed = 0;
    g_dialog_ok = false;
    EXPECT_FALSE(holder.EditInDialog());
    EXPECT_EQ(holder.GetParameterText(), before);
    EXPECT_EQ(g_dialog_received, before);
    EXPECT_EQ(g_dialogs_destroyed, 1);

    g_dialog_ok = true;
    const AstrelObjectHandle* old = holder.Get();
    EXPECT_TRUE(holder.EditInDialog());
    EXPECT_NE(holder.Get(), old);
    EXPECT_DOUBLE_EQ(holder.GetPosition().x, 99.0);
    EXPECT_DOUBLE_EQ(holder.GetPosition().z, 3.0);
    EXPECT_EQ(g_dialogs_destroyed, 2);

    // Without a registered dialog nothing happens.
    ObjectDialogRegistry::Register(kTypeBlock, ObjectDialogMaker());
    EXPECT_FALSE(holder.EditInDialog());
    EXPECT_DOUBLE_EQ(holder.GetPosition().x, 99.0);
}

TEST(ObjectArray, InsertSortedKeepsEqualHeightsInOrder) {
    test::ScopedFakeTypes fakes;
    ObjectArray list;
    const double heights[] = {5, 3, 5, 1};
    for (int i = 0; i < 4; ++i) {
        AstrelObject o(MakeBlock(0, 0, 0, 1, 1, heights[i]));
        o.SetTag(i);
        list.InsertSorted(o);
    }
    ASSERT_EQ(list.GetCount(), 4);
    const int expectedTags[] = {3, 1, 0, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.GetAt(i)->GetTag(), expectedTags[i]) << i;
    }
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_EQ(list.GetAt(4), nullptr);
}

TEST(ObjectArray, CopyAppendAndEquality) {
    test::ScopedFakeTypes fakes;
    EXPECT_TRUE(ObjectArray() == ObjectArray());
    ObjectArray a;
    AstrelObject& stored = a.Add(AstrelObject(MakeBlock(1, 1, 0, 2, 2, 2)));
    EXPECT_EQ(&stored, a.GetAt(0));
    a.Add(AstrelObject(test::MakeRunway(Point3{0, 0, 0}, Point3{0, 10, 0}, 5)));

    ObjectArray b(a);
    EXPECT_TRUE(a == b);
    EXPECT_NE(b.GetAt(0)->Get(), a.GetAt(0)->Get());
    b.Append(a);
    EXPECT_EQ(b.GetCount(), 4);
    EXPECT_FALSE(a == b);
    b.Copy(a);
    EXPECT_TRUE(a == b);

    // The same parameter text under another type is a different object.
    FakeTank tank;
    const FakeBlock* block = dynamic_cast<const FakeBlock*>(a.GetAt(0)->Get());
    ASSERT_NE(block, nullptr);
    tank.pos = block->pos;
    tank.scale = block->scale;
    tank.rot = block->rot;
    ObjectArray c;
    c.Add(AstrelObject(tank));
    c.Add(*a.GetAt(1));
    EXPECT_FALSE(a == c);

    // Elements keep their addresses as the list grows.
    AstrelObject* first = a.GetAt(0);
    for (int i = 0; i < 30; ++i) {
        a.Add(*first);
    }
    EXPECT_EQ(a.GetAt(0), first);
}

TEST(ObjectPtrArray, AddSortedAndRemove) {
    test::ScopedFakeTypes fakes;
    AstrelObject h5(MakeBlock(0, 0, 0, 1, 1, 5));
    AstrelObject h3(MakeBlock(0, 0, 0, 1, 1, 3));
    AstrelObject h5b(MakeBlock(0, 0, 0, 1, 1, 5));
    AstrelObject h1(MakeBlock(0, 0, 0, 1, 1, 1));
    ObjectPtrArray ptrs;
    EXPECT_EQ(ptrs.AddSorted(&h5), &h5);
    ptrs.AddSorted(&h3);
    ptrs.AddSorted(&h5b);
    ptrs.AddSorted(&h1);
    ASSERT_EQ(ptrs.GetCount(), 4);
    EXPECT_EQ(ptrs[0], &h1);
    EXPECT_EQ(ptrs[1], &h3);
    EXPECT_EQ(ptrs[2], &h5);
    EXPECT_EQ(ptrs[3], &h5b);
    ptrs.Remove(&h3);
    ASSERT_EQ(ptrs.GetCount(), 3);
    EXPECT_EQ(ptrs[1], &h5);
    AstrelObject absent;
    ptrs.Remove(&absent);
    EXPECT_EQ(ptrs.GetCount(), 3);
    EXPECT_EQ(ptrs.GetAt(3), nullptr);
}

TEST(ComplexObjectPtrArray, CompositeFollowsTheSelection) {
    test::ScopedFakeTypes fakes;
    AstrelObject a(MakeBlock(0, 0, 0, 10, 10, 1));
    AstrelObject b(MakeBlock(30, 0, 0, 10, 10, 2));
    ComplexObjectPtrArray selection;
    EXPECT_EQ(selection.GetComposite().GetType(), kTypeComplex);
    selection.AddSorted(&a);
    selection.AddSorted(&b);
    ComplexObject* composite = selection.GetCompositeObject();
    ASSERT_NE(composite, nullptr);
    EXPECT_EQ(composite->GetParts(), &selection);
    EXPECT_DOUBLE_EQ(composite->pos[0].value, 15.0);
    EXPECT_DOUBLE_EQ(composite->scale[0].value, 40.0);
    EXPECT_EQ(selection.GetComposite().GetParameterText(), "BLOCK\r\nBLOCK\r\n");

    selection.RemoveAt(0);
    EXPECT_DOUBLE_EQ(composite->pos[0].value, 30.0);
    EXPECT_DOUBLE_EQ(composite->scale[0].value, 10.0);

    selection.AddSorted(&a);
    ComplexObjectPtrArray copy(selection);
    ComplexObject* copied = copy.GetCompositeObject();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->GetParts(), &copy);
    EXPECT_DOUBLE_EQ(copied->pos[0].value, 15.0);
    copy.RemoveAt(1);
    EXPECT_DOUBLE_EQ(copied->pos[0].value, 0.0);
    EXPECT_DOUBLE_EQ(composite->pos[0].value, 15.0); // the source is untouched

    ComplexObjectPtrArray assigned;
    assigned = selection;
    EXPECT_EQ(assigned.GetCompositeObject()->GetParts(), &assigned);
    EXPECT_EQ(assigned.GetCount(), 2);
}

TEST(ParseSecond, NeedsTwoTokens) {
    std::string target = "old";
    EXPECT_FALSE(ParseSecond(StringArray{"FILE"}, target));
    EXPECT_EQ(target, "old");
    EXPECT_TRUE(ParseSecond(StringArray{"FILE", "tower", "extra"}, target));
    EXPECT_EQ(target, "tower");
}

} // namespace
} // namespace pf
