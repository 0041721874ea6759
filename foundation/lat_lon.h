#pragma once
// Places on a body's surface in degrees: a position and a rectangle of positions.
// Longitude comes first everywhere.
#include "foundation/geometry.h"

namespace pf {

class LatLon {
  public:
    // (-1, -1): callers test for an unset position by these values.
    LatLon() = default;
    // Both values go through the checked setters, so an out-of-range value is still
    // stored and reported.
    LatLon(double longitude, double latitude);
    // Angle values are first brought into (-360, 360] by WrapAngle360.
    LatLon(const ScalarValue& longitude, const ScalarValue& latitude);

    double GetLongitude() const { return longitude_; }
    double GetLatitude() const { return latitude_; }

    // One step of +-360 brings a longitude just outside [-180, 180] back (both ends
    // kept); anything further out is stored, reported and gives false.
    bool SetLongitude(double degrees);
    // Stored as given; false (reported) outside [-90, 90].
    bool SetLatitude(double degrees);
    bool SetLongitudeAngle(const ScalarValue& angle);
    bool SetLatitudeAngle(const ScalarValue& angle);

    // Adds and wraps into (-180, 180]; -180 itself becomes 180.
    void AddLongitude(double degrees);
    // Adds; a sum past a pole comes back from it on the far meridian.
    void AddLatitude(double degrees);

  private:
    friend class LatLonRect; // stores corners as given

    double longitude_ = -1.0;
    double latitude_ = -1.0;
};

// {northWest, southEast}. Nothing checks the order, and spans are plain differences
// with no wrapping across the 180th meridian.
class LatLonRect {
  public:
    LatLon northWest;
    LatLon southEast;

    // Stores the values as given; always true.
    bool Set(double westLongitude, double northLatitude, double eastLongitude,
             double southLatitude);

    double GetWidth() const { return southEast.GetLongitude() - northWest.GetLongitude(); }
    double GetHeight() const { return northWest.GetLatitude() - southEast.GetLatitude(); }

    double West() const { return northWest.GetLongitude(); }
    double East() const { return southEast.GetLongitude(); }
    double North() const { return northWest.GetLatitude(); }
    double South() const { return southEast.GetLatitude(); }

    // Closed test: rectangles that only touch along an edge or at a corner overlap.
    bool Overlaps(const LatLonRect& other) const;
    // The common part of a and b; false (out untouched) when they do not overlap.
    static bool Intersect(const LatLonRect& a, const LatLonRect& b, LatLonRect& out);

    LatLon GetCenter() const;
};

} // namespace pf
