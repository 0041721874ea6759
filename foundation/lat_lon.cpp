#include "foundation/lat_lon.h"

#include "foundation/failure.h"

#include <algorithm>

namespace pf {

namespace {
const char kLatLonFormatMessage[] = "Might want to check for different lat lon format\r\n";
}

LatLon::LatLon(double longitude, double latitude) : longitude_(0.0), latitude_(0.0) {
    SetLongitude(longitude);
    SetLatitude(latitude);
}

LatLon::LatLon(const ScalarValue& longitude, const ScalarValue& latitude)
    : longitude_(0.0), latitude_(0.0) {
    SetLongitudeAngle(longitude);
    SetLatitudeAngle(latitude);
}

bool LatLon::SetLongitudeAngle(const ScalarValue& angle) {
    return SetLongitude(WrapAngle360(angle.Value()));
}

bool LatLon::SetLatitudeAngle(const ScalarValue& angle) {
    return SetLatitude(WrapAngle360(angle.Value()));
}

bool LatLon::SetLongitude(double degrees) {
    if (degrees < -180.0) {
        degrees += 360.0;
    } else if (degrees > 180.0) {
        degrees -= 360.0;
    }
    longitude_ = degrees;
    if (degrees >= -180.0 && degrees <= 180.0) {
        return true;
    }
    return ShowFailureMessage(kLatLonFormatMessage);
}

bool LatLon::SetLatitude(double degrees) {
    latitude_ = degrees;
    if (degrees >= -90.0 && degrees <= 90.0) {
        return true;
    }
    return ShowFailureMessage(kLatLonFormatMessage);
}

void LatLon::AddLongitude(double degrees) {
    longitude_ += degrees;
    if (longitude_ > 180.0) {
        longitude_ -= 360.0;
    }
    if (longitude_ <= -180.0) {
        longitude_ += 360.0;
    }
}

void LatLon::AddLatitude(double degrees) {
    latitude_ += degrees;
    // A point carried past a pole lies on the far meridian at the mirrored latitude.
    bool crossed = false;
    if (latitude_ > 90.0) {
        latitude_ = 180.0 - latitude_;
        crossed = true;
    } else if (latitude_ < -90.0) {
        latitude_ = -180.0 - latitude_;
        crossed = true;
    }
    if (crossed) {
        AddLongitude(180.0);
    }
}

bool LatLonRect::Set(double westLongitude, double northLatitude, double eastLongitude,
                     double southLatitude) {
    // Plain stores: map regions may reach past +-180 on purpose.
    northWest.longitude_ = westLongitude;
    northWest.latitude_ = northLatitude;
    southEast.longitude_ = eastLongitude;
    southEast.latitude_ = southLatitude;
    return true;
}

bool LatLonRect::Overlaps(const LatLonRect& other) const {
    if (North() < other.South() || South() > other.North() || East() < other.West()) {
        return false;
    }
    return West() <= other.East();
}

bool LatLonRect::Intersect(const LatLonRect& a, const LatLonRect& b, LatLonRect& out) {
    if (!a.Overlaps(b)) {
        return false;
    }
    LatLon northWest(0.0, 0.0);
    northWest.SetLongitude(std::max(a.West(), b.West()));
    northWest.SetLatitude(std::min(a.North(), b.North()));
    LatLon southEast(0.0, 0.0);
    southEast.SetLongitude(std::min(a.East(), b.East()));
    southEast.SetLatitude(std::max(a.South(), b.South()));
    out.northWest = northWest;
    out.southEast = southEast;
    return true;
}

LatLon LatLonRect::GetCenter() const {
    return LatLon((West() + East()) / 2.0, (North() + South()) / 2.0);
}

} // namespace pf
