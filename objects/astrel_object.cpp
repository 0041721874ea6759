#include "objects/astrel_object.h"

#include "document/base_document.h"
#include "foundation/math_helpers.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "imagery/bitmap_data.h"
#include "imagery/geo_map.h"
#include "imagery/object_icons.h"
#include "objects/complex_object.h"
#include "objects/object_editing.h"
#include "objects/object_types.h"

#include <cmath>
#include <new>

namespace pf {

namespace {

struct CreatorTable {
    ObjectCreator creators[kObjectTypeCount] = {};
    bool filled = false;
};

CreatorTable& Creators() {
    static CreatorTable table;
    return table;
}

// The factory's table, filled with the built-in types on first use.
CreatorTable& FilledCreators() {
    CreatorTable& table = Creators();
    if (!table.filled) {
        table.filled = true;
        RegisterObjectTypes();
    }
    return table;
}

Point3 SnapXY(const Point3& p, double step) {
    Point3 q = p;
    if (step > 0.1) {
        RoundToStep(q.x, step);
        RoundToStep(q.y, step);
    }
    return q;
}

} // namespace

const std::string& GetObjectKeyword(int32_t code) {
    static const std::string empty;
    const ObjectTypeRow* row = FindObjectType(code);
    return row != nullptr ? row->keyword : empty;
}

// ---- root ----

AstrelObjectHandle::~AstrelObjectHandle() = default;

std::string AstrelObjectHandle::GetTypeName() const { return GetObjectKeyword(type_); }
std::string AstrelObjectHandle::GetParameterText() const { return std::string(); }
bool AstrelObjectHandle::SetupImaging(const BaseDocument&, ObjectImaging&, bool) const {
    return false;
}
bool AstrelObjectHandle::SetupOutline(const BaseDocument&, ObjectImaging&) const { return false; }

bool AstrelObjectHandle::DrawOnMap(const BaseDocument& document, GeoMap& map, int look) const {
    ObjectImaging imaging(document);
    if (!SetupImaging(document, imaging, look == 1)) {
        return false;
    }
    return imaging.DrawOnMap(map, document.GetPosition());
}

void AstrelObjectHandle::GetIcon(BitmapData& image) const {
    const ObjectTypeRow* row = FindObjectType(type_);
    if (row != nullptr && row->icon != nullptr) {
        GetObjectIconBitmap(row->icon, image);
    }
}
bool AstrelObjectHandle::IsEndDefined() const { return false; }
bool AstrelObjectHandle::HasWidth() const { return false; }
Point3 AstrelObjectHandle::GetPosition() const { return Point3{}; }
ScalarValue AstrelObjectHandle::GetSize1() const { return ScalarValue(0.0); }
ScalarValue AstrelObjectHandle::GetSize0() const { return ScalarValue(0.0); }
ScalarValue AstrelObjectHandle::GetRotation() const { return ScalarValue(WrapAngle360(0.0)); }
void AstrelObjectHandle::SetEnd1(const Point3&) {}
bool AstrelObjectHandle::SetEnd2(const Point3&) { return false; }
void AstrelObjectHandle::SetSize0(double) {}
void AstrelObjectHandle::SetSize1(double) {}
void AstrelObjectHandle::Rotate(double, double) {}
void AstrelObjectHandle::SetRotation(double) {}
void AstrelObjectHandle::SetPosition(const Point3&) {}
ScalarValue AstrelObjectHandle::GetTopHeight() const { return ScalarValue(0.0); }
bool AstrelObjectHandle::ReadBackTopHeight(double&) const { return false; }
ScalarValue AstrelObjectHandle::GetEnd1Height() const { return ScalarValue(0.0); }
ScalarValue AstrelObjectHandle::GetEnd2Height() const { return ScalarValue(0.0); }
Point3 AstrelObjectHandle::GetEnd1() const { return GetPosition(); }
Point3 AstrelObjectHandle::GetEnd2() const { return GetPosition(); }
std::unique_ptr<ObjectEditDialog> AstrelObjectHandle::CreateDialog() const { return nullptr; }
void AstrelObjectHandle::CopyFrom(const AstrelObjectHandle&) {}

void AstrelObjectHandle::KeepLine(const std::string& line) {
    const bool oneWord = line.find(' ') == std::string::npos;
    if (oneWord && (CStringEqualsNoCase(line, "END") || CStringStartsWith(line, "BEGIN_") ||
                    CStringStartsWith(line, "END_"))) {
        return;
    }
    keptLines_.push_back(line);
}

std::string AstrelObjectHandle::KeptLinesText() const {
    std::string text;
    for (const std::string& line : keptLines_) {
        text += "\t" + line + "\r\n";
    }
    return text;
}

bool AstrelObjectHandle::HasSameParameters(const AstrelObjectHandle& other) const {
    return GetParameterText() == other.GetParameterText();
}

bool AstrelObjectHandle::WriteBlock(MyStream& stream) const {
    const std::string block = FormatLine(GetTypeName()) + GetParameterText() + FormatLine("END");
    return stream.Write(block.data(), static_cast<uint32_t>(block.size()));
}

bool AstrelObjectHandle::EditInDialog(AstrelObject& result) const {
    std::unique_ptr<ObjectEditDialog> dialog = CreateDialog();
    if (!dialog) {
        return false;
    }
    dialog->SetObject(*this);
    if (!dialog->RunModal()) {
        return false;
    }
    dialog->GetObject(result);
    return true;
}

// ---- factory ----

std::unique_ptr<AstrelObjectHandle> AstrelObjectFactory::Create(int32_t code) {
    if (code <= kTypeUndefined || code >= kTypeComplex) {
        return nullptr;
    }
    ObjectCreator creator = FilledCreators().creators[code];
    if (creator == nullptr) {
        return nullptr;
    }
    try {
        return creator();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

ObjectCreator AstrelObjectFactory::Register(int32_t code, ObjectCreator creator) {
    if (code <= kTypeUndefined || code >= kTypeComplex) {
        return nullptr;
    }
    CreatorTable& table = FilledCreators();
    ObjectCreator previous = table.creators[code];
    table.creators[code] = creator;
    return previous;
}

std::unique_ptr<AstrelObjectHandle> CloneObject(const AstrelObjectHandle& source) {
    if (source.GetType() == kTypeComplex) {
        const auto* composite = dynamic_cast<const ComplexObject*>(&source);
        if (composite == nullptr) {
            return nullptr;
        }
        auto copy = std::make_unique<ComplexObject>(composite->GetParts());
        copy->CopyFrom(*composite);
        return copy;
    }
    std::unique_ptr<AstrelObjectHandle> copy = AstrelObjectFactory::Create(source.GetType());
    if (copy) {
        copy->CopyFrom(source);
        copy->SetKeptLines(source.GetKeptLines());
    }
    return copy;
}

// ---- holder ----

AstrelObject::AstrelObject() = default;

AstrelObject::AstrelObject(const AstrelObject& other)
    : object_(other.object_ ? CloneObject(*other.object_) : nullptr), tag_(other.tag_),
      footprint_(other.footprint_) {}

AstrelObject::AstrelObject(const AstrelObjectHandle& object) : object_(CloneObject(object)) {}

AstrelObject& AstrelObject::operator=(const AstrelObject& other) {
    if (this != &other) {
        CloneFrom(other);
        tag_ = other.tag_;
    }
    return *this;
}

AstrelObject::~AstrelObject() = default;

void AstrelObject::Clear() {
    object_.reset();
    footprint_.valid = false;
}

void AstrelObject::AssignFrom(const AstrelObjectHandle& object) {
    // Clone first: the source may be the held object itself.
    std::unique_ptr<AstrelObjectHandle> copy = CloneObject(object);
    object_ = std::move(copy);
}

void AstrelObject::CloneFrom(const AstrelObject& other) {
    if (this == &other) {
        return;
    }
    object_ = other.object_ ? CloneObject(*other.object_) : nullptr;
    footprint_ = other.footprint_;
}

bool AstrelObject::CopyInto(AstrelObjectHandle& target) const {
    if (object_) {
        target.CopyFrom(*object_);
        target.SetKeptLines(object_->GetKeptLines());
    }
    return true;
}

int32_t AstrelObject::GetType() const { return object_ ? object_->GetType() : 0; }
std::string AstrelObject::GetTypeName() const {
    return object_ ? object_->GetTypeName() : std::string();
}
std::string AstrelObject::GetParameterText() const {
    return object_ ? object_->GetParameterText() : std::string();
}
bool AstrelObject::WriteBlock(MyStream& stream) const {
    return object_ ? object_->WriteBlock(stream) : false;
}
bool AstrelObject::SetupOutline(const BaseDocument& document, ObjectImaging& out) const {
    return object_ ? object_->SetupOutline(document, out) : false;
}
bool AstrelObject::IsEndDefined() const { return object_ ? object_->IsEndDefined() : false; }
bool AstrelObject::HasWidth() const { return object_ ? object_->HasWidth() : false; }
Point3 AstrelObject::GetPosition() const { return object_ ? object_->GetPosition() : Point3{}; }
ScalarValue AstrelObject::GetSize1() const {
    return object_ ? object_->GetSize1() : ScalarValue(0.0);
}
ScalarValue AstrelObject::GetSize0() const {
    return object_ ? object_->GetSize0() : ScalarValue(0.0);
}
ScalarValue AstrelObject::GetRotation() const {
    return object_ ? object_->GetRotation() : ScalarValue(0.0);
}
ScalarValue AstrelObject::GetTopHeight() const {
    return object_ ? object_->GetTopHeight() : ScalarValue(0.0);
}

bool AstrelObject::ReadBackTopHeight(double& height) const {
    return object_ && object_->ReadBackTopHeight(height);
}
ScalarValue AstrelObject::GetEnd1Height() const {
    return object_ ? object_->GetEnd1Height() : ScalarValue(0.0);
}
ScalarValue AstrelObject::GetEnd2Height() const {
    return object_ ? object_->GetEnd2Height() : ScalarValue(0.0);
}
Point3 AstrelObject::GetEnd1() const { return object_ ? object_->GetEnd1() : Point3{}; }
Point3 AstrelObject::GetEnd2() const { return object_ ? object_->GetEnd2() : Point3{}; }

void AstrelObject::SetPositionSnapped(const Point3& p, double step) {
    if (object_) {
        object_->SetPosition(SnapXY(p, step));
    }
}

void AstrelObject::SetEnd1Snapped(const Point3& p, double step) {
    if (object_) {
        object_->SetEnd1(SnapXY(p, step));
    }
}

bool AstrelObject::SetEnd2Snapped(const Point3& p, double step) {
    return object_ ? object_->SetEnd2(SnapXY(p, step)) : false;
}

void AstrelObject::Rotate(double angle, double step) {
    if (angle < 0.0) {
        angle += 360.0;
    }
    if (angle < 0.0 || angle >= 360.0 || std::isnan(angle)) {
        angle = 0.0;
    }
    if (object_) {
        object_->Rotate(angle, step);
    }
}

int AstrelObject::StretchSide(const BaseDocument& document, int side, const Point3& point,
                              double step) {
    if (!object_ || object_->GetType() == kTypeSolarPlant) {
        return 1;
    }
    if (side < 0 || side > 3) {
        return -1;
    }
    ObjectImaging outline(document);
    if (!object_->SetupOutline(document, outline)) {
        return 1;
    }
    // The object's own axes: east along the heading, north a quarter turn further.
    const double h = DegreesToRadians(outline.GetHeading());
    const double eastX = std::cos(h);
    const double eastY = std::sin(h);
    double axisX = 0.0;
    double axisY = 0.0;
    switch (side) {
    case 0:
        axisX = -eastX;
        axisY = -eastY;
        break;
    case 1:
        axisX = -eastY;
        axisY = eastX;
        break;
    case 2:
        axisX = eastX;
        axisY = eastY;
        break;
    default:
        axisX = eastY;
        axisY = -eastX;
        break;
    }
    const double t =
        (point.x - outline.GetPositionX()) * axisX + (point.y - outline.GetPositionY()) * axisY;
    // A resize keeps the centre, so a side cannot pass it.
    if (!(t > 0.0)) {
        return -1;
    }
    double extent = 2.0 * t;
    if (step > 0.1) {
        RoundToStep(extent, step);
    }
    if (side == 0 || side == 2) {
        object_->SetSize0(extent);
    } else {
        object_->SetSize1(extent);
    }
    return 1;
}

bool AstrelObject::EditInDialog() {
    if (!object_) {
        return false;
    }
    AstrelObject edited;
    if (!object_->EditInDialog(edited) || edited.IsEmpty()) {
        return false;
    }
    AssignFrom(*edited.Get());
    return true;
}

bool AstrelObject::operator==(const AstrelObject& other) const {
    // A kind switch in a dialog may keep the parameter text: the type decides too.
    if (GetType() != other.GetType()) {
        return false;
    }
    if (!object_ || !other.object_) {
        return object_ == other.object_;
    }
    return object_->HasSameParameters(*other.object_);
}

// ---- lists ----

ObjectArray::ObjectArray(const ObjectArray& other) { Copy(other); }

ObjectArray& ObjectArray::operator=(const ObjectArray& other) {
    if (this != &other) {
        Copy(other);
    }
    return *this;
}

AstrelObject* ObjectArray::GetAt(int index) {
    if (index < 0 || index >= GetCount()) {
        return nullptr;
    }
    auto it = items_.begin();
    std::advance(it, index);
    return &*it;
}

const AstrelObject* ObjectArray::GetAt(int index) const {
    return const_cast<ObjectArray*>(this)->GetAt(index);
}

AstrelObject& ObjectArray::Add(const AstrelObject& object) {
    items_.push_back(object);
    return items_.back();
}

AstrelObject& ObjectArray::Add(AstrelObject&& object) {
    items_.push_back(std::move(object));
    return items_.back();
}

void ObjectArray::Rearrange(const std::vector<iterator>& order) {
    std::list<AstrelObject> arranged;
    for (iterator it : order) {
        arranged.splice(arranged.end(), items_, it);
    }
    arranged.splice(arranged.end(), items_); // what the order left out follows, in order
    items_.swap(arranged);
}

AstrelObject& ObjectArray::InsertSorted(const AstrelObject& object) {
    const ScalarValue height = object.GetTopHeight();
    auto it = items_.begin();
    while (it != items_.end() && !(it->GetTopHeight() > height)) {
        ++it;
    }
    return *items_.insert(it, object);
}

void ObjectArray::SortByTopHeight() {
    std::list<AstrelObject> sorted;
    while (!items_.empty()) {
        const ScalarValue height = items_.front().GetTopHeight();
        auto it = sorted.begin();
        while (it != sorted.end() && !(it->GetTopHeight() > height)) {
            ++it;
        }
        sorted.splice(it, items_, items_.begin());
    }
    items_.swap(sorted);
}

void ObjectArray::Append(const ObjectArray& other) {
    if (this == &other) {
        const ObjectArray copy(other);
        Append(copy);
        return;
    }
    for (const AstrelObject& o : other.items_) {
        items_.push_back(o);
    }
}

void ObjectArray::Copy(const ObjectArray& other) {
    if (this == &other) {
        return;
    }
    items_.clear();
    Append(other);
}

bool ObjectArray::operator==(const ObjectArray& other) const {
    if (items_.size() != other.items_.size()) {
        return false;
    }
    auto a = items_.begin();
    auto b = other.items_.begin();
    for (; a != items_.end(); ++a, ++b) {
        if (!(*a == *b)) {
            return false;
        }
    }
    return true;
}

AstrelObject* ObjectPtrArray::AddSorted(AstrelObject* p) {
    const ScalarValue height = p ? p->GetTopHeight() : ScalarValue(0.0);
    auto it = items_.begin();
    while (it != items_.end() && !((*it ? (*it)->GetTopHeight() : ScalarValue(0.0)) > height)) {
        ++it;
    }
    items_.insert(it, p);
    return p;
}

void ObjectPtrArray::Remove(AstrelObject* p) {
    for (int i = 0; i < GetCount(); ++i) {
        if (items_[static_cast<size_t>(i)] == p) {
            RemoveAt(i);
            return;
        }
    }
}

void ObjectPtrArray::RemoveAt(int index) {
    if (index >= 0 && index < GetCount()) {
        items_.erase(items_.begin() + index);
    }
}

ComplexObjectPtrArray::ComplexObjectPtrArray() { MakeComposite(nullptr); }

ComplexObjectPtrArray::ComplexObjectPtrArray(const ComplexObjectPtrArray& other)
    : ObjectPtrArray(other) {
    MakeComposite(&other);
}

ComplexObjectPtrArray& ComplexObjectPtrArray::operator=(const ComplexObjectPtrArray& other) {
    if (this != &other) {
        ObjectPtrArray::operator=(other);
        MakeComposite(&other);
    }
    return *this;
}

ComplexObjectPtrArray::~ComplexObjectPtrArray() = default;

void ComplexObjectPtrArray::MakeComposite(const ComplexObjectPtrArray* fieldsFrom) {
    // The composite always points at this array, never at the source's.
    auto composite = std::make_unique<ComplexObject>(this);
    if (fieldsFrom != nullptr) {
        if (const AstrelObjectHandle* source = fieldsFrom->composite_.Get()) {
            composite->CopyFrom(*source);
        }
    }
    composite_.AssignFrom(*composite);
}

ComplexObject* ComplexObjectPtrArray::GetCompositeObject() {
    return dynamic_cast<ComplexObject*>(composite_.Get());
}

void ComplexObjectPtrArray::Rebuild() {
    if (ComplexObject* composite = GetCompositeObject()) {
        composite->Build();
    }
}

AstrelObject* ComplexObjectPtrArray::AddSorted(AstrelObject* p) {
    ObjectPtrArray::AddSorted(p);
    Rebuild();
    return p;
}

void ComplexObjectPtrArray::RemoveAt(int index) {
    ObjectPtrArray::RemoveAt(index);
    Rebuild();
}

void ComplexObjectPtrArray::RemoveAll() {
    ObjectPtrArray::RemoveAll();
    Rebuild();
}

bool ParseSecond(const StringArray& tokens, std::string& target) {
    if (tokens.size() < 2) {
        return false;
    }
    target = tokens[1];
    return true;
}

} // namespace pf
