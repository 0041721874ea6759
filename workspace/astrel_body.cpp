#include "workspace/astrel_body.h"

#include "foundation/lat_lon.h"
#include "foundation/name_safety.h"
#include "foundation/text.h"
#include "workspace/file_manager.h"
#include "workspace/simulator_config.h"

#include <cmath>

namespace pf {

namespace {

constexpr double kPi = 3.141592653589793;

} // namespace

std::vector<AstrelBody>& BodyCache::Entries() {
    static std::vector<AstrelBody> entries;
    return entries;
}

void BodyCache::Clear() { Entries().clear(); }

bool AstrelBody::Load(const std::string& bodyName) {
    name = bodyName;
    radius = kEarthRadius;
    mass = kEarthMass;
    loaded = false;
    if (FindInCache())
        return loaded;
    if (!IsSafePathComponent(bodyName))
        return loaded;
    std::string folder;
    if (!FileManager::GetConfigDir(folder))
        return loaded;
    if (ReadBodyFile(*this, folder + bodyName + ".cfg")) {
        loaded = true;
        AddToCache(*this);
    }
    return loaded;
}

bool AstrelBody::FindInCache() {
    for (const AstrelBody& entry : BodyCache::Entries()) {
        if (CStringEqualsNoCase(entry.name, name)) {
            *this = entry;
            return true;
        }
    }
    return false;
}

void AstrelBody::AddToCache(const AstrelBody& body) { BodyCache::Entries().push_back(body); }

double AstrelBody::GetCircumference() const { return radius * kPi * 2.0; }

double AstrelBody::GetMetresPerDegree() const { return GetCircumference() / 360.0; }

double AstrelBody::GetMetresPerDegreeLongitude(double latitude) const {
    return std::fabs(std::cos(latitude * kPi / 180.0)) * GetMetresPerDegree();
}

Point3 AstrelBody::GetSurfaceOffset(const LatLon& a, const LatLon& b) const {
    Point3 offset;
    offset.x = (a.GetLongitude() - b.GetLongitude()) * GetMetresPerDegreeLongitude(b.GetLatitude());
    offset.y = (a.GetLatitude() - b.GetLatitude()) * GetMetresPerDegree();
    offset.z = 0.0;
    return offset;
}

bool StartsWithAnyName(const std::string& text, const StringArray& names) {
    for (const std::string& name : names) {
        if (CStringStartsWithCString(text, name))
            return true;
    }
    return false;
}

bool ContainsNameNoCase(const std::string& text, const StringArray& names) {
    for (const std::string& name : names) {
        if (CStringEqualsNoCase(text, name))
            return true;
    }
    return false;
}

bool ReadBodyNames(const std::string& path, StringArray& names) {
    StringArray lines;
    if (!LoadLinesFromFile(lines, path))
        return false;
    names.clear();
    bool added = false;
    for (const std::string& line : lines) {
        const bool planet = CStringStartsWith(line, "planet");
        if (!planet && !StartsWithAnyName(line, names))
            continue;
        const size_t blank = line.rfind(' ');
        if (blank == std::string::npos || blank == 0 || blank + 1 >= line.size())
            continue;
        std::string body = line.substr(blank + 1);
        if (ContainsNameNoCase(body, names))
            continue;
        names.push_back(body);
        added = true;
    }
    return added;
}

bool ReadSurfBaseDirs(const std::string& path, StringArray& folders, const std::string& body) {
    StringArray lines;
    if (!LoadLinesFromFile(lines, path))
        return false;
    StringArray block;
    if (!ExtractSection(block, lines, "BEGIN_SURFBASE", "END_SURFBASE")) {
        folders.push_back(body + "\\Base\\");
        return true;
    }
    const size_t before = folders.size();
    for (const std::string& line : block) {
        if (CStringStartsWith(line, "dir "))
            folders.push_back(line.substr(4));
    }
    if (folders.size() == before)
        folders.push_back(body + "\\Base\\");
    return true;
}

} // namespace pf
