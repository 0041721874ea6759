#include "objects/complex_object.h"

#include "imagery/bitmap_data.h"

namespace pf {

ComplexObject::ComplexObject(const ObjectPtrArray* parts)
    : NewPosScaleRot(kTypeComplex), parts_(parts) {}

std::string ComplexObject::GetTypeName() const { return "Complex"; }

std::string ComplexObject::GetParameterText() const {
    std::string text;
    if (parts_ != nullptr) {
        for (const AstrelObject* part : *parts_) {
            if (part != nullptr) {
                text += part->GetTypeName() + "\r\n";
            }
        }
    }
    return text;
}

std::string ComplexObjectPtr::GetParameterText() const {
    std::string text;
    if (GetParts() != nullptr) {
        for (const AstrelObject* part : *GetParts()) {
            if (part != nullptr) {
                text += part->GetParameterText();
            }
        }
    }
    return text;
}

void ComplexObject::GetIcon(BitmapData& image) const {
    if (image.Create24(32, 32)) {
        image.FillColor24(ColorRGB(127, 127, 127));
    }
}

void ComplexObject::CopyFrom(const AstrelObjectHandle& other) {
    if (const auto* o = dynamic_cast<const NewPosScaleRot*>(&other)) {
        pos = o->pos;
        scale = o->scale;
        rot = o->rot;
    }
}

void ComplexObject::Build() {
    if (parts_ == nullptr || parts_->IsEmpty()) {
        return;
    }
    bool first = true;
    double left = 0.0, right = 0.0, bottom = 0.0, top = 0.0;
    for (const AstrelObject* part : *parts_) {
        if (part == nullptr) {
            continue;
        }
        const Point3 p = part->GetPosition();
        const double w = part->GetSize0().value;
        const double h = part->GetSize1().value;
        const double l = p.x - w / 2.0, r = p.x + w / 2.0;
        const double b = p.y - h / 2.0, t = p.y + h / 2.0;
        if (first) {
            left = l, right = r, bottom = b, top = t;
            first = false;
            continue;
        }
        if (l < left)
            left = l;
        if (r > right)
            right = r;
        if (b < bottom)
            bottom = b;
        if (t > top)
            top = t;
    }
    if (first) {
        return;
    }
    pos[0].Set((left + right) / 2.0);
    pos[1].Set((bottom + top) / 2.0);
    pos[2] = OptionalDouble{};
    scale[0].Set(right - left);
    scale[1].Set(top - bottom);
    scale[2] = OptionalDouble{};
    rot = OptionalDouble{};
}

void ComplexObject::Rotate(double delta, double step) {
    const double r = TurnedRotation(delta, step);
    const double d = r - rot.value;
    const Point3 c = pos.Get();
    if (parts_ != nullptr) {
        const double angle = DegreesToRadians(d);
        for (AstrelObject* part : *parts_) {
            if (part == nullptr) {
                continue;
            }
            part->Rotate(d, 0.0);
            Point3 p = part->GetPosition();
            double dx = p.x - c.x;
            double dy = p.y - c.y;
            RotatePointXY(dx, dy, angle);
            p.x = c.x + dx;
            p.y = c.y + dy;
            part->SetPositionSnapped(p, 0.0);
        }
    }
    rot.Set(r);
}

void ComplexObject::SetPosition(const Point3& p) {
    const Point3 old = pos.Get();
    const double dx = p.x - old.x, dy = p.y - old.y, dz = p.z - old.z;
    if (parts_ != nullptr) {
        for (AstrelObject* part : *parts_) {
            if (part == nullptr) {
                continue;
            }
            const Point3 q = part->GetPosition();
            // A step of 0.1 does not snap.
            part->SetPositionSnapped(Point3{q.x + dx, q.y + dy, q.z + dz}, 0.1);
        }
    }
    pos.Set(p);
}

bool ComplexObject::DrawPartsOnMap(const BaseDocument& document, GeoMap& map, int look) const {
    if (parts_ != nullptr) {
        for (const AstrelObject* part : *parts_) {
            if (part != nullptr && part->Get() != nullptr) {
                part->Get()->DrawOnMap(document, map, look);
            }
        }
    }
    return true;
}

bool ComplexObject::SetupCompositeImaging(const BaseDocument& document, ObjectImaging& out,
                                          bool highlight) const {
    out.SetupFromPosScaleRot(document, pos.Get(), scale.Get(), rot.value, highlight);
    BitmapData icon;
    GetIcon(icon);
    out.SetIcon(icon, 1, 1);
    return true;
}

} // namespace pf
