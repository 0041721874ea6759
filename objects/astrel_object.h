#pragma once
// The base-object model: the polymorphic root every object type derives from, the value
// holder that owns one object and copies it by cloning, the factory that makes an empty
// object from its type code, and the object lists of a base and of a selection.
//
// Points are (map x east, map y north, height) in metres relative to the base position;
// angles are degrees.
#include "foundation/geometry.h"
#include "foundation/string_array.h"
#include "objects/object_imaging.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace pf {

class BaseDocument;
class BitmapData;
class GeoMap;
class MyStream;
class AstrelObject;
class ObjectEditDialog;

// Type codes of the object kinds.
enum ObjectType : int32_t {
    kTypeUndefined = 0,
    kTypeBlock = 1,
    kTypeHangar = 2,
    kTypeHangar2 = 3,
    kTypeHangar3 = 4,
    kTypeTank = 5,
    kTypeRunway = 6,
    kTypeRunwayLights = 7,
    kTypeBeaconArray = 8,
    kTypeSolarPlant = 9,
    kTypeTrain1 = 10,
    kTypeTrain2 = 11,
    kTypeLpad1 = 12,
    kTypeLpad2 = 13,
    kTypeLpad2A = 14,
    kTypeMesh = 15,
    kTypeComplex = 16,
};
inline constexpr int32_t kObjectTypeCount = 17;

// The type keyword of a code ("BLOCK", "RUNWAY", ...); "" outside 0..16.
const std::string& GetObjectKeyword(int32_t code);

// Root of every object. Slot comments give the behaviour of the root; the placement
// families and the concrete types override them.
class AstrelObjectHandle {
  public:
    virtual ~AstrelObjectHandle();

    int32_t GetType() const { return type_; }

    // The keyword of the type code.
    virtual std::string GetTypeName() const;
    // The parameter lines, each TAB, keyword, blank, values and "\r\n". Root: "".
    // Const: comparisons call it and must not change what they compare.
    virtual std::string GetParameterText() const;
    // Fills an imaging record with the footprint and icon. Root: false.
    virtual bool SetupImaging(const BaseDocument& document, ObjectImaging& out,
                              bool highlight) const;
    // The footprint alone. Root: false.
    virtual bool SetupOutline(const BaseDocument& document, ObjectImaging& out) const;
    // Draws the object onto the map: look 0 normal, 1 highlighted.
    virtual bool DrawOnMap(const BaseDocument& document, GeoMap& map, int look) const;
    // The object's icon picture. Root: its type's picture from the install folder (the
    // type table); a type without one, or a picture that cannot be had, leaves the image.
    virtual void GetIcon(BitmapData& image) const;
    virtual bool IsEndDefined() const;
    virtual bool HasWidth() const;
    virtual Point3 GetPosition() const;
    virtual ScalarValue GetSize1() const;
    virtual ScalarValue GetSize0() const;
    virtual ScalarValue GetRotation() const;
    virtual void SetEnd1(const Point3& p);
    virtual bool SetEnd2(const Point3& p);
    virtual void SetSize0(double v);
    virtual void SetSize1(double v);
    virtual void Rotate(double delta, double step);
    virtual void SetRotation(double degrees);
    virtual void SetPosition(const Point3& p);
    virtual ScalarValue GetTopHeight() const;
    // The top height that the object's written text reads back with, worked out from the
    // numbers as written (a base keeps its objects in this order). Root: false, as for a
    // number that would not read: the text itself must then be read back.
    virtual bool ReadBackTopHeight(double& height) const;
    virtual ScalarValue GetEnd1Height() const;
    virtual ScalarValue GetEnd2Height() const;
    virtual Point3 GetEnd1() const;
    virtual Point3 GetEnd2() const;
    // The type's editing dialog, owned by the caller. Root: none.
    virtual std::unique_ptr<ObjectEditDialog> CreateDialog() const;
    // Copies every parameter of an object of the same class. Root: nothing.
    virtual void CopyFrom(const AstrelObjectHandle& other);

    // The two parameter texts are byte-equal; the types are not compared.
    bool HasSameParameters(const AstrelObjectHandle& other) const;
    // keyword "\r\n", the parameter text, "END\r\n", in one write.
    bool WriteBlock(MyStream& stream) const;
    // Runs the type's dialog over a clone; on OK the edited object goes into result.
    bool EditInDialog(AstrelObject& result) const;

    // The lines of the object's group that no keyword took, in file order: kept as text
    // and written back after the known lines, so that a base read and written again loses
    // nothing the simulator reads. Objects made in the program have none. A line that the
    // text's readers take as structure (END, or one word beginning with BEGIN_ or END_)
    // is no parameter: written inside the object it would end it or open a section, so it
    // is not kept.
    const StringArray& GetKeptLines() const { return keptLines_; }
    void SetKeptLines(const StringArray& lines) { keptLines_ = lines; }
    void KeepLine(const std::string& line);

  protected:
    AstrelObjectHandle() = default;
    explicit AstrelObjectHandle(int32_t type) : type_(type) {}
    AstrelObjectHandle(const AstrelObjectHandle&) = default;
    AstrelObjectHandle& operator=(const AstrelObjectHandle&) = default;

    // The kept lines as parameter lines; every type's text ends with them.
    std::string KeptLinesText() const;

    int32_t type_ = kTypeUndefined;

  private:
    StringArray keptLines_;
};

using ObjectCreator = std::unique_ptr<AstrelObjectHandle> (*)();

// Makes empty objects by type code. The table is filled by RegisterObjectTypes().
class AstrelObjectFactory {
  public:
    // A new default object for a registered code 1..15; null for any other code.
    static std::unique_ptr<AstrelObjectHandle> Create(int32_t code);
    // Installs a creator for a code 1..15 and returns the previous one (null for other
    // codes, which are not changed), so that a test can restore it.
    static ObjectCreator Register(int32_t code, ObjectCreator creator);
};

// Fills the factory with every concrete type of the type table (objects/object_types.h).
// Runs once on the factory's first use; calling it again changes nothing.
void RegisterObjectTypes();

// A clone of any object: factory plus CopyFrom, and the kept lines; a composite becomes a
// new ComplexObject over the same parts. Null when the type cannot be made.
std::unique_ptr<AstrelObjectHandle> CloneObject(const AstrelObjectHandle& source);

// Owns one object (or none) and copies it by cloning. The tag is the owner's to use.
class AstrelObject {
  public:
    AstrelObject();
    AstrelObject(const AstrelObject& other);
    // Takes the other's object over without cloning; the other is left empty.
    AstrelObject(AstrelObject&& other) noexcept = default;
    explicit AstrelObject(const AstrelObjectHandle& object);
    AstrelObject& operator=(const AstrelObject& other);
    AstrelObject& operator=(AstrelObject&& other) noexcept = default;
    ~AstrelObject();

    AstrelObjectHandle* Get() { return object_.get(); }
    const AstrelObjectHandle* Get() const { return object_.get(); }
    bool IsEmpty() const { return object_ == nullptr; }

    int32_t GetTag() const { return tag_; }
    void SetTag(int32_t tag) { tag_ = tag; }
    FootprintRecord& GetFootprint() { return footprint_; }
    const FootprintRecord& GetFootprint() const { return footprint_; }

    // Deletes the object and marks the footprint not valid.
    void Clear();
    // Holds a clone of the object; the footprint stays.
    void AssignFrom(const AstrelObjectHandle& object);
    // Holds a clone of the other holder's object and copies its footprint.
    void CloneFrom(const AstrelObject& other);
    // The target copies the held object's parameters and kept lines; true.
    bool CopyInto(AstrelObjectHandle& target) const;

    int32_t GetType() const;
    std::string GetTypeName() const;
    std::string GetParameterText() const;
    bool WriteBlock(MyStream& stream) const;
    bool SetupOutline(const BaseDocument& document, ObjectImaging& out) const;
    // An empty holder answers as the root would.
    bool IsEndDefined() const;
    bool HasWidth() const;
    Point3 GetPosition() const;
    ScalarValue GetSize1() const;
    ScalarValue GetSize0() const;
    ScalarValue GetRotation() const;
    ScalarValue GetTopHeight() const;
    bool ReadBackTopHeight(double& height) const;
    ScalarValue GetEnd1Height() const;
    ScalarValue GetEnd2Height() const;
    Point3 GetEnd1() const;
    Point3 GetEnd2() const;

    // A step above 0.1 first rounds x and y to its multiples; the height is left.
    void SetPositionSnapped(const Point3& p, double step);
    void SetEnd1Snapped(const Point3& p, double step);
    bool SetEnd2Snapped(const Point3& p, double step);
    // A negative angle gets 360 added; one still negative or 360 and more becomes 0.
    void Rotate(double angle, double step);
    // Drags side 0 (west), 1 (north), 2 (east) or 3 (south) of the object's own frame to
    // the ground point. 1 when done or nothing to do; -1, unchanged, when the point lies
    // on or past the centre.
    int StretchSide(const BaseDocument& document, int side, const Point3& point, double step);
    // The object's dialog; on OK the held object becomes the edited one.
    bool EditInDialog();

    // Same type and the same parameter text.
    bool operator==(const AstrelObject& other) const;

  private:
    std::unique_ptr<AstrelObjectHandle> object_;
    int32_t tag_ = 0;
    FootprintRecord footprint_;
};

// A base's objects, owned, in order. Elements stay at their addresses while they are in
// the list, so pointer arrays and composites may point at them.
class ObjectArray {
  public:
    using iterator = std::list<AstrelObject>::iterator;
    using const_iterator = std::list<AstrelObject>::const_iterator;

    ObjectArray() = default;
    ObjectArray(const ObjectArray& other);
    ObjectArray& operator=(const ObjectArray& other);

    int GetCount() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    // Null outside [0, count).
    AstrelObject* GetAt(int index);
    const AstrelObject* GetAt(int index) const;

    // Appends a copy and returns the stored element.
    AstrelObject& Add(const AstrelObject& object);
    // Appends the object itself, without a copy.
    AstrelObject& Add(AstrelObject&& object);
    // A copy goes before the first element with a strictly greater top height.
    AstrelObject& InsertSorted(const AstrelObject& object);
    // In place and stable, as InsertSorted would place each element in turn; the
    // elements keep their addresses.
    void SortByTopHeight();
    void Append(const ObjectArray& other);
    void Copy(const ObjectArray& other);
    void RemoveAll() { items_.clear(); }
    iterator Erase(iterator position) { return items_.erase(position); }
    // Moves one element to the end; no element is copied and none changes its address.
    void MoveToEnd(iterator position) { items_.splice(items_.end(), items_, position); }
    // Puts the elements in the order given, which names each element once; no element is
    // copied and none changes its address.
    void Rearrange(const std::vector<iterator>& order);

    bool operator==(const ObjectArray& other) const;

    iterator begin() { return items_.begin(); }
    iterator end() { return items_.end(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

  private:
    std::list<AstrelObject> items_;
};

// Borrowed pointers to holders kept elsewhere; never deletes them.
class ObjectPtrArray {
  public:
    ObjectPtrArray() = default;
    virtual ~ObjectPtrArray() = default;
    ObjectPtrArray(const ObjectPtrArray&) = default;
    ObjectPtrArray& operator=(const ObjectPtrArray&) = default;

    int GetCount() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    AstrelObject* GetAt(int index) const {
        return index >= 0 && index < GetCount() ? items_[static_cast<size_t>(index)] : nullptr;
    }
    AstrelObject* operator[](int index) const { return GetAt(index); }

    // Before the first element with a strictly greater top height; returns p.
    virtual AstrelObject* AddSorted(AstrelObject* p);
    // Removes the first equal pointer; nothing when absent.
    void Remove(AstrelObject* p);
    virtual void RemoveAt(int index);
    virtual void RemoveAll() { items_.clear(); }

    std::vector<AstrelObject*>::const_iterator begin() const { return items_.begin(); }
    std::vector<AstrelObject*>::const_iterator end() const { return items_.end(); }

  protected:
    std::vector<AstrelObject*> items_;
};

class ComplexObject;

// A selection: the pointers plus one composite over them that recomputes its bounds
// whenever the selection changes. A copy gets its own composite over its own array.
class ComplexObjectPtrArray : public ObjectPtrArray {
  public:
    ComplexObjectPtrArray();
    ComplexObjectPtrArray(const ComplexObjectPtrArray& other);
    ComplexObjectPtrArray& operator=(const ComplexObjectPtrArray& other);
    ~ComplexObjectPtrArray() override;

    AstrelObject* AddSorted(AstrelObject* p) override;
    void RemoveAt(int index) override;
    void RemoveAll() override;

    AstrelObject& GetComposite() { return composite_; }
    const AstrelObject& GetComposite() const { return composite_; }
    ComplexObject* GetCompositeObject();

  private:
    void MakeComposite(const ComplexObjectPtrArray* fieldsFrom);
    void Rebuild();

    AstrelObject composite_;
};

// With at least two tokens: target = token 1, true; else false, target unchanged.
bool ParseSecond(const StringArray& tokens, std::string& target);

} // namespace pf
