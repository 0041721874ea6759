#include "objects/logic/runway_logic.h"

#include <cmath>

namespace pf {

namespace {

// The runway's width may not go down to 0.1 in single precision.
constexpr double kLowestWidth = static_cast<double>(0.1f);

bool InRange(int id, int low, int high) { return id >= low && id <= high; }

} // namespace

double DirectionOfEnds(const Point3& end1, const Point3& centre) {
    const double a = VectorAngle(end1.x - centre.x, end1.y - centre.y);
    double direction = -a;
    if (direction < 0.0) {
        direction += 360.0;
    }
    if (direction >= 360.0) {
        direction = 0.0;
    }
    direction += 90.0;
    if (direction < 0.0) {
        direction += 360.0;
    }
    if (direction >= 360.0) {
        direction -= 360.0;
    }
    return direction;
}

double LengthOfEnds(const Point3& end1, const Point3& end2) {
    const double dy = end1.y - end2.y;
    const double dx = end1.x - end2.x;
    return std::sqrt(dy * dy + dx * dx);
}

Point3 HalfLengthVector(double length, double direction) {
    double angle = direction - 90.0;
    if (angle < 0.0) {
        angle += 360.0;
    }
    if (angle >= 360.0) {
        angle = 0.0;
    }
    angle = 360.0 - angle;
    Point3 v{length / 2.0, 0.0, 0.0};
    RotatePointXY(v.x, v.y, DegreesToRadians(angle));
    return v;
}

const std::vector<std::string>& AddRunwayLogic::ModeNames() {
    static const std::vector<std::string> kNames = {"Center", "Left", "Right", "Both"};
    return kNames;
}

bool AddRunwayLogic::AcceptsObject(const AstrelObjectHandle& object) const {
    return object.GetType() == kTypeRunway;
}

void AddRunwayLogic::LoadFromObject() {
    const AstrelObjectHandle& held = *holder_.Get();
    Runway runway;
    runway.CopyFrom(held);
    runwayType = runway.segments.IsWideLayout() ? 1 : 0;
    const Point3 e1 = runway.end1.Get();
    const Point3 e2 = runway.end2.Get();
    centre = Point3{(e1.x + e2.x) / 2.0, (e1.y + e2.y) / 2.0, (e1.z + e2.z) / 2.0};
    direction = DirectionOfEnds(e1, centre);
    length = LengthOfEnds(e1, e2);
    width = runway.width.value;
    useIls1 = runway.ils1.present;
    if (useIls1) {
        ils1 = runway.ils1.value;
    }
    useIls2 = runway.ils2.present;
    if (useIls2) {
        ils2 = runway.ils2.value;
    }
    const RunwayLights& lights = runway.lights;
    if (runway.lightsOn.value == 1) {
        useLights = true;
        numberOfLights = lights.count1.value;
        vasiOffset = lights.vasi[0].value;
        vasiApproach = lights.vasi[1].value;
        vasiDistance = lights.vasi[2].value;
        papiApproach = lights.papi[0].value;
        papiAperture = lights.papi[1].value;
        papiOffset = lights.papi[2].value;
    } else {
        useLights = false;
    }
    useD3D9 = lights.papiMode.given || lights.approachStart.given || lights.decisionDist.given ||
              lights.tdDisp.given || lights.tdLength.given || lights.IsSingleEnded();
    if (useD3D9) {
        if (lights.papiMode.given) {
            mode = lights.papiMode.value;
        }
        if (lights.tdDisp.given) {
            touchDownDisplacement = lights.tdDisp.value;
        }
        if (lights.tdLength.given) {
            touchDownLength = lights.tdLength.value;
        }
        if (lights.decisionDist.given) {
            redLightsLength = lights.decisionDist.value;
        }
        if (lights.approachStart.given) {
            approachLightsLength = lights.approachStart.value;
        }
        if (lights.IsSingleEnded()) {
            singleEnded = true;
        }
    }
}

void AddRunwayLogic::Exchange(FieldExchange& fx) {
    fx.Double(kLength, length, 1.0, 20000.0);
    fx.Double(kWidth, width, kLowestWidth, 20000.0);
    fx.Double(kDirection, direction, 0.0, 360.0);
    fx.Float(kIls1, ils1);
    fx.Float(kIls2, ils2);
    fx.Check(kUseIls1, useIls1);
    fx.Check(kUseIls2, useIls2);
    fx.Check(kUseLights, useLights);
    fx.Check(kUseD3D9, useD3D9);
    fx.Int(kNumberOfLights, numberOfLights, 2, 1000);
    fx.Float(kVasiApproach, vasiApproach);
    fx.Float(kVasiDistance, vasiDistance);
    fx.Float(kVasiOffset, vasiOffset);
    fx.Float(kPapiApproach, papiApproach);
    fx.Float(kPapiAperture, papiAperture);
    fx.Float(kPapiOffset, papiOffset);
    fx.Int(kMode, mode);
    fx.Float(kTouchDownDisplacement, touchDownDisplacement);
    fx.Float(kTouchDownLength, touchDownLength);
    fx.Float(kRedLightsLength, redLightsLength);
    fx.Float(kApproachLightsLength, approachLightsLength);
    fx.Check(kSingleEnded, singleEnded);
}

void AddRunwayLogic::InitDialog() { runwayType = runwayType == 0 ? 0 : 1; }

bool AddRunwayLogic::GetKindButtonState(int button, bool& checked) const {
    if (button != kRunway1 && button != kRunway2) {
        return false;
    }
    checked = runwayType != (button == kRunway1 ? 0 : 1);
    return true;
}

bool AddRunwayLogic::IsShown(int id) const {
    if (id == kUseIls1 || id == kUseIls2) {
        return false; // frequencies come from the structure editor
    }
    if (id == kUseD3D9) {
        return useLights;
    }
    if (InRange(id, kMode, kApproachLightsLabel)) {
        return useLights && useD3D9;
    }
    return true;
}

bool AddRunwayLogic::IsEnabled(int id) const {
    if (id == kIls1 || id == kIls2) {
        return false;
    }
    if (InRange(id, kNumberOfLights, kVasiOffset)) {
        return useLights;
    }
    return true;
}

bool AddRunwayLogic::ClickKind(int button) {
    if (button == kRunway1) {
        runwayType = 0;
    } else if (button == kRunway2) {
        runwayType = 1;
    } else {
        return false;
    }
    typeChosen = true;
    return true;
}

void AddRunwayLogic::StoreObject() {
    const AstrelObjectHandle* held = holder_.IsEmpty() ? nullptr : holder_.Get();
    Runway r;
    Runway h;
    if (held != nullptr) {
        h.CopyFrom(*held);
    }
    // A layout read from a file stays unless the person picked a type.
    if (held != nullptr && h.segments.count.value != 0 && !typeChosen) {
        r.segments = h.segments;
    } else {
        r.segments = BuildRunwaySegments(runwayType);
    }
    r.width.Set(width);

    const Point3 v = HalfLengthVector(length, direction);
    r.end1.Set(centre.x + v.x, centre.y + v.y, held != nullptr ? h.end1[2].value : 0.0);
    r.end2.Set(centre.x - v.x, centre.y - v.y, held != nullptr ? h.end2[2].value : 0.0);

    r.ils1.Set(ils1);
    r.ils1.present = useIls1;
    r.ils2.Set(ils2);
    r.ils2.present = useIls2;

    // The frame keeps the runway's own unknown lines; its lights block's are kept here.
    if (held != nullptr) {
        r.lights.SetKeptLines(h.lights.GetKeptLines());
    }
    if (useLights) {
        RunwayLights& lights = r.lights;
        r.lightsOn.Set(1);
        lights.end1 = r.end1;
        lights.end2 = r.end2;
        lights.width = r.width;
        lights.count1.Set(numberOfLights);
        lights.vasi[0].Set(vasiOffset);
        lights.vasi[1].Set(vasiApproach);
        lights.vasi[2].Set(vasiDistance);
        lights.papi[0].Set(papiApproach);
        lights.papi[1].Set(papiAperture);
        lights.papi[2].Set(papiOffset);
        if (useD3D9) {
            lights.papiMode.Set(mode);
            lights.tdDisp.Set(touchDownDisplacement);
            lights.tdLength.Set(touchDownLength);
            lights.decisionDist.Set(redLightsLength);
            lights.approachStart.Set(approachLightsLength);
            if (singleEnded) {
                lights.singleEnded.Set(1);
            }
        }
    } else {
        r.lightsOn.Set(0);
    }
    holder_.AssignFrom(r);
}

} // namespace pf
