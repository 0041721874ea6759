#include "objects/logic/train_logic.h"

#include "objects/logic/runway_logic.h"

#include <memory>

namespace pf {

bool AddTrainLogic::AcceptsObject(const AstrelObjectHandle& object) const {
    return object.GetType() == kTypeTrain1 || object.GetType() == kTypeTrain2;
}

void AddTrainLogic::LoadFromObject() {
    const AstrelObjectHandle& held = *holder_.Get();
    trainType = held.GetType();
    centre = held.GetPosition();
    const auto* train = dynamic_cast<const NewEnd12Speed*>(&held);
    if (train == nullptr) {
        return;
    }
    maxSpeed = train->maxSpeed.value;
    if (trainType == kTypeTrain2) {
        if (const auto* hanging = dynamic_cast<const NewEnd12SpeedHeight*>(&held)) {
            height = hanging->height.value;
        }
    }
    const Point3 e1 = train->end1.Get();
    const Point3 e2 = train->end2.Get();
    direction = static_cast<float>(DirectionOfEnds(e1, centre));
    length = static_cast<float>(LengthOfEnds(e1, e2));
}

void AddTrainLogic::Exchange(FieldExchange& fx) {
    fx.Float(kLength, length, 1.0f, 10000.0f);
    fx.Float(kDirection, direction, -360.0f, 360.0f);
    fx.Float(kHeight, height, 0.0f, 2000.0f);
    fx.Float(kMaxSpeed, maxSpeed, 0.0f, 10000.0f);
}

void AddTrainLogic::InitDialog() { ClickKind(trainType == kTypeTrain2 ? kTrain2 : kTrain1); }

bool AddTrainLogic::ClickKind(int button) {
    if (button == kTrain1) {
        trainType = kTypeTrain1;
    } else if (button == kTrain2) {
        trainType = kTypeTrain2;
    } else {
        return false;
    }
    return true;
}

bool AddTrainLogic::GetKindButtonState(int button, bool& checked) const {
    if (button != kTrain1 && button != kTrain2) {
        return false;
    }
    checked = (button == kTrain2) != (trainType == kTypeTrain2);
    return true;
}

bool AddTrainLogic::IsShown(int id) const {
    if (id == kHeight || id == kHeightLabel) {
        return trainType == kTypeTrain2;
    }
    return true;
}

void AddTrainLogic::StoreObject() {
    const AstrelObjectHandle* held = holder_.IsEmpty() ? nullptr : holder_.Get();
    double angle = WrapAngle360(static_cast<double>(direction) - 90.0);
    if (angle < 0.0) {
        angle += 360.0;
    }
    if (angle >= 360.0) {
        angle = 0.0;
    }
    angle = 360.0 - angle;
    Point3 v{static_cast<double>(length) * 0.5, 0.0, 0.0};
    RotatePointXY(v.x, v.y, DegreesToRadians(angle));

    const auto* heldTrain = dynamic_cast<const NewEnd12Speed*>(held);
    std::unique_ptr<NewEnd12Speed> train;
    if (trainType == kTypeTrain1) {
        train = std::make_unique<Train1>();
    } else {
        auto second = std::make_unique<Train2>();
        second->height.Set(height);
        train = std::move(second);
    }
    // What the dialog does not show stays as the held train had it: the track heights,
    // the slow zone, and the texture while the kind is unchanged.
    const double h1 = heldTrain != nullptr ? heldTrain->end1[2].value : 0.0;
    const double h2 = heldTrain != nullptr ? heldTrain->end2[2].value : 0.0;
    train->end1.Set(centre.x + v.x, centre.y + v.y, h1);
    train->end2.Set(centre.x - v.x, centre.y - v.y, h2);
    train->maxSpeed.Set(maxSpeed);
    if (heldTrain != nullptr) {
        train->slowZone = heldTrain->slowZone;
        if (heldTrain->GetType() == train->GetType()) {
            train->tex = heldTrain->tex;
        }
    }
    holder_.AssignFrom(*train);
}

} // namespace pf
