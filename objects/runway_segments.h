#pragma once
// The surface of a runway as the simulator reads it: a row of textured segments laid end
// to end from END1 to END2. The editor never computes with the segment values; it writes
// one of two fixed layouts or keeps what a base file held.
#include "foundation/string_array.h"
#include "objects/optional_values.h"

#include <string>
#include <vector>

namespace pf {

// One segment: its type code, the share of the runway length it covers (value 1), and two
// texture-coordinate ranges (values 2, 3 and 4, 5; a range running downwards mirrors).
struct AstrelRunwaySegment {
    AstrelRunwaySegment() = default;
    // Every value set.
    AstrelRunwaySegment(int32_t type, float v1, float v2, float v3, float v4, float v5);

    OptionalInt type;
    OptionalFloat value[5];

    friend bool operator==(const AstrelRunwaySegment&, const AstrelRunwaySegment&) = default;
};

class RunwaySegmentList {
  public:
    RunwaySegmentList() = default;
    // count := the number of segments, set.
    RunwaySegmentList(const std::vector<AstrelRunwaySegment>& segments, const std::string& texture);

    // The NRWSEG, RWSEG and RWTEX lines; nothing at all when the count is 0. Never more
    // segment lines than the list holds, and NRWSEG states the number written, so the text
    // reads back as it was written; with none held, only the RWTEX line (when there is a
    // texture).
    std::string GetText() const;

    // More than 10 segments is the wide layout (Runway2).
    bool IsWideLayout() const { return count.value > 10; }

    OptionalInt count;
    std::vector<AstrelRunwaySegment> segments;
    std::string texture;

    friend bool operator==(const RunwaySegmentList&, const RunwaySegmentList&) = default;
};

// Layout 0: the 9-segment Runway1 surface; any other value the 15-segment Runway2 surface.
// Both use the texture "Runway2".
RunwaySegmentList BuildRunwaySegments(int layout);

// One segment line split into tokens: token 1 the type (truncated), tokens 2 to 6 the five
// values; token 0 (the RWSEG word) is not looked at. False with fewer than 7 tokens (nothing
// set) or at the first token that is not a number (the values before it set).
bool ReadRunwaySegmentLine(const StringArray& tokens, AstrelRunwaySegment& segment);

} // namespace pf
