#pragma once
// Celestial bodies: a body's name, radius and mass as its configuration file in the
// simulator's configuration folder gives them, read once per run through a process-wide
// cache, and the sphere measures that turn surface degrees into metres.
#include "foundation/geometry.h"
#include "workspace/config_reader.h"

#include <string>
#include <vector>

namespace pf {

class LatLon;

// Earth's values: where a body's file cannot be read, the body keeps these.
inline constexpr double kEarthRadius = 6371010.0;
inline constexpr double kEarthMass = 5.973698968e24;

class AstrelBody {
  public:
    AstrelBody() = default;
    AstrelBody(const std::string& bodyName, double bodyRadius, double bodyMass)
        : name(bodyName), radius(bodyRadius), mass(bodyMass) {}

    // Fills the record with the named body: from the cache, else from
    // <configuration folder><name>.cfg (cached when complete), else Earth's measures
    // under the given name. Returns the loaded flag.
    bool Load(const std::string& bodyName);
    // Copies the first cached body whose name equals this record's name (case ignored).
    bool FindInCache();
    static void AddToCache(const AstrelBody& body);
    void Assign(const AstrelBody& other) { *this = other; }

    double GetCircumference() const;
    double GetMetresPerDegree() const;
    double GetMetresPerDegreeLongitude(double latitude) const;
    // Metres of a from b: x east, y north, z 0; b's latitude scales the longitude
    // difference.
    Point3 GetSurfaceOffset(const LatLon& a, const LatLon& b) const;

    bool loaded = false;
    std::string name;
    double radius = 0.0;
    double mass = 0.0;
};

// The bodies read successfully in this run, in order of first loading.
class BodyCache {
  public:
    static std::vector<AstrelBody>& Entries();
    // For tests: start from an empty cache.
    static void Clear();
};

// The body names of the simulator's planet list: "planet..." lines and lines that start
// with a name already listed (its moons), each naming a body by its last word.
bool ReadBodyNames(const std::string& path, StringArray& names);
// The "dir" values of a body file's BEGIN_SURFBASE block, unsplit; body + "\Base\" when
// there is none.
bool ReadSurfBaseDirs(const std::string& path, StringArray& folders, const std::string& body);
// text starts with one of the names (case ignored) and is longer than it.
bool StartsWithAnyName(const std::string& text, const StringArray& names);
bool ContainsNameNoCase(const std::string& text, const StringArray& names);

} // namespace pf
