#include "objects/runway_segments.h"

#include "foundation/text.h"

#include <algorithm>
#include <cmath>

namespace pf {

AstrelRunwaySegment::AstrelRunwaySegment(int32_t t, float v1, float v2, float v3, float v4,
                                         float v5) {
    type.Set(t);
    value[0].Set(v1);
    value[1].Set(v2);
    value[2].Set(v3);
    value[3].Set(v4);
    value[4].Set(v5);
}

RunwaySegmentList::RunwaySegmentList(const std::vector<AstrelRunwaySegment>& list,
                                     const std::string& name)
    : segments(list), texture(name) {
    count.Set(static_cast<int32_t>(segments.size()));
}

std::string RunwaySegmentList::GetText() const {
    if (count.value == 0) {
        return std::string();
    }
    // A text may declare more segment lines than followed it; write only those held.
    const int64_t held = static_cast<int64_t>(segments.size());
    const int64_t n = std::max<int64_t>(0, std::min<int64_t>(count.value, held));
    if (n == 0) {
        // Segments declared that never followed: "NRWSEG 0" would read back as no segments
        // and then be left out. Without segments the texture line stands alone, as a runway
        // read without segments keeps it, so the text reads back to itself.
        return texture.empty() ? std::string() : "\tRWTEX " + texture + "\r\n";
    }
    std::string text = FormatString("\tNRWSEG %d\r\n", static_cast<int>(n));
    for (int64_t i = 0; i < n; ++i) {
        const AstrelRunwaySegment& s = segments[static_cast<size_t>(i)];
        text += FormatString(
            "\t\tRWSEG%d %d \t%s \t%s \t%s \t%s \t%s\r\n", static_cast<int>(i + 1), s.type.value,
            FormatNumber(s.value[0].value, 6).c_str(), FormatNumber(s.value[1].value, 6).c_str(),
            FormatNumber(s.value[2].value, 6).c_str(), FormatNumber(s.value[3].value, 6).c_str(),
            FormatNumber(s.value[4].value, 6).c_str());
    }
    text += "\tRWTEX " + texture + "\r\n";
    return text;
}

RunwaySegmentList BuildRunwaySegments(int layout) {
    using S = AstrelRunwaySegment;
    if (layout == 0) {
        static const std::vector<S> kRunway1 = {
            S(1, 0.018f, 0.25f, 0.5f, 1.0f, 0.875f),  S(1, 0.088f, 0.0f, 0.25f, 0.5f, 0.0f),
            S(1, 0.018f, 0.25f, 0.5f, 0.75f, 0.625f), S(1, 0.088f, 0.0f, 0.25f, 0.5f, 0.0f),
            S(5, 0.576f, 0.0f, 0.25f, 1.0f, 0.5f),    S(1, 0.088f, 0.0f, 0.25f, 0.5f, 0.0f),
            S(1, 0.02f, 0.25f, 0.5f, 0.625f, 0.75f),  S(1, 0.088f, 0.0f, 0.25f, 0.0f, 0.5f),
            S(1, 0.02f, 0.25f, 0.5f, 0.875f, 1.0f),
        };
        return RunwaySegmentList(kRunway1, "Runway2");
    }
    static const std::vector<S> kRunway2 = {
        S(1, 0.025f, 0.5f, 0.75f, 1.0f, 0.852f),     S(1, 0.025f, 0.5f, 0.75f, 1.0f, 0.852f),
        S(1, 0.007f, 0.5f, 0.75f, 0.852f, 0.7305f),  S(1, 0.06f, 0.5f, 0.75f, 0.5f, 0.03125f),
        S(1, 0.007f, 0.5f, 0.75f, 0.7305f, 0.6133f), S(1, 0.1f, 0.5f, 0.75f, 0.5f, 0.03125f),
        S(1, 0.007f, 0.5f, 0.75f, 0.6133f, 0.5f),    S(6, 0.538f, 0.5f, 0.75f, 0.5f, 0.03125f),
        S(1, 0.007f, 0.5f, 0.75f, 0.5f, 0.6133f),    S(1, 0.1f, 0.5f, 0.75f, 0.03125f, 0.5f),
        S(1, 0.007f, 0.5f, 0.75f, 0.6133f, 0.7305f), S(1, 0.06f, 0.5f, 0.75f, 0.03125f, 0.5f),
        S(1, 0.007f, 0.5f, 0.75f, 0.7305f, 0.852f),  S(1, 0.025f, 0.5f, 0.75f, 0.852f, 1.0f),
        S(1, 0.025f, 0.5f, 0.75f, 0.852f, 1.0f),
    };
    return RunwaySegmentList(kRunway2, "Runway2");
}

bool ReadRunwaySegmentLine(const StringArray& tokens, AstrelRunwaySegment& segment) {
    if (tokens.size() < 7) {
        return false;
    }
    float f = 0.0f;
    if (!ParseFloat(tokens[1], f) || !std::isfinite(f) || f < -2147483648.0f ||
        f >= 2147483648.0f) {
        return false;
    }
    segment.type.Set(static_cast<int32_t>(std::trunc(static_cast<double>(f))));
    for (int i = 0; i < 5; ++i) {
        if (!ParseFloat(tokens[static_cast<size_t>(i + 2)], f)) {
            return false;
        }
        segment.value[i].Set(f);
    }
    return true;
}

} // namespace pf
