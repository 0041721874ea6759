#pragma once
// The simulator's ready-to-fly scenario files of a base: a Delta-glider parked at the
// base, on its first landing pad or on its first runway. Each filler puts its values into
// its fixed template and returns true.
#include "foundation/lat_lon.h"

#include <string>

namespace pf {

// The context line is "  " + context + "\r\n" before "END_ENVIRONMENT" when the context
// is not empty.
bool WriteScenarioParkedAtBase(std::string date, std::string bodyName, std::string baseName,
                               std::string context, std::string* out);
// Heading 360 - rotation, brought into [0, 360).
bool WriteScenarioOnLandingPad(std::string date, std::string bodyName, std::string baseName,
                               std::string context, std::string* out, double rotation);
// Standing point as "POS longitude latitude"; heading 450 - angle, brought into [0, 360).
bool WriteScenarioOnRunway(std::string date, std::string bodyName, std::string baseName,
                           std::string context, std::string* out, LatLon standingPoint,
                           double angle);

} // namespace pf
