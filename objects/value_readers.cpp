#include "objects/value_readers.h"

#include "foundation/geometry.h"
#include "foundation/text.h"
#include "objects/astrel_object.h"
#include "workspace/config_reader.h"

#include <cmath>

namespace pf {

namespace {

bool NumberAt(const StringArray& tokens, size_t index, float& out) {
    return index < tokens.size() && ParseFloat(tokens[index], out);
}

// Floats truncated toward zero; values an int32 cannot hold are refused.
bool IntegerAt(const StringArray& tokens, size_t index, int32_t& out) {
    float f = 0.0f;
    if (!NumberAt(tokens, index, f)) {
        return false;
    }
    if (!std::isfinite(f) || f < -2147483648.0f || f >= 2147483648.0f) {
        return false;
    }
    out = static_cast<int32_t>(std::trunc(static_cast<double>(f)));
    return true;
}

// Components 1, 2, 0 from tokens 1, 2, 3; the first negated for positions.
bool ReadTriple(OptionalVector3Double& target, const StringArray& tokens, bool negateFirst) {
    if (tokens.size() < 4) {
        return false;
    }
    static constexpr int kOrder[3] = {1, 2, 0};
    for (int i = 0; i < 3; ++i) {
        float f = 0.0f;
        if (!NumberAt(tokens, static_cast<size_t>(i + 1), f)) {
            return false;
        }
        double v = f;
        if (i == 0 && negateFirst) {
            v = -v;
        }
        target[kOrder[i]].Set(v);
    }
    return true;
}

} // namespace

bool ReadPositionParam(OptionalVector3Double& target, const StringArray& tokens) {
    return ReadTriple(target, tokens, true);
}

bool ReadVectorParam(OptionalVector3Double& target, const StringArray& tokens) {
    return ReadTriple(target, tokens, false);
}

bool ReadColorParam(OptionalVector3Float& target, const StringArray& tokens) {
    if (tokens.size() < 4) {
        return false;
    }
    static constexpr int kOrder[3] = {1, 2, 0};
    for (int i = 0; i < 3; ++i) {
        float f = 0.0f;
        if (!NumberAt(tokens, static_cast<size_t>(i + 1), f)) {
            return false;
        }
        target[kOrder[i]].Set(f);
    }
    return true;
}

bool ReadPapiParam(OptionalFloat (&values)[3], OptionalInt& mode, const StringArray& tokens) {
    if (tokens.size() < 4) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        float f = 0.0f;
        if (!NumberAt(tokens, static_cast<size_t>(i + 1), f)) {
            return false;
        }
        values[i].Set(f);
    }
    if (tokens.size() >= 5) {
        int32_t n = 0;
        if (!IntegerAt(tokens, 4, n)) {
            return false;
        }
        mode.Set(n);
    }
    return true;
}

bool ReadGridParam(OptionalInt (&grid)[2], const StringArray& tokens) {
    if (tokens.size() < 3) {
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        int32_t n = 0;
        if (!IntegerAt(tokens, static_cast<size_t>(i + 1), n)) {
            return false;
        }
        grid[i].Set(n);
    }
    return true;
}

bool ReadSpacingParam(OptionalFloat (&spacing)[2], const StringArray& tokens) {
    if (tokens.size() < 3) {
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        float f = 0.0f;
        if (!NumberAt(tokens, static_cast<size_t>(i + 1), f)) {
            return false;
        }
        spacing[i].Set(f);
    }
    return true;
}

bool ReadTextureParam(TextureSpec& target, const StringArray& tokens) {
    switch (tokens.size()) {
    case 0:
        return false;
    case 1:
        return true;
    case 2:
        target.name = tokens[1];
        return true;
    case 3:
        return false;
    default:
        break;
    }
    target.name = tokens[1];
    float u = 0.0f;
    if (!NumberAt(tokens, 2, u)) {
        return false;
    }
    target.u.Set(u);
    float v = 0.0f;
    if (!NumberAt(tokens, 3, v)) {
        return false;
    }
    target.v.Set(v);
    return true;
}

bool ReadFloatParam(OptionalFloat& target, const StringArray& tokens) {
    float f = 0.0f;
    if (!NumberAt(tokens, 1, f)) {
        return false;
    }
    target.Set(f);
    return true;
}

bool ReadAngleParam(OptionalDouble& target, const StringArray& tokens) {
    float f = 0.0f;
    if (!NumberAt(tokens, 1, f)) {
        return false;
    }
    target.Set(WrapAngle360(f));
    return true;
}

bool ReadUniformScaleParam(OptionalVector3Double& target, const StringArray& tokens) {
    float f = 0.0f;
    if (!NumberAt(tokens, 1, f)) {
        return false;
    }
    target.Set(f, f, f);
    return true;
}

bool ReadFrequencyParam(NavFrequency& target, const StringArray& tokens) {
    float f = 0.0f;
    if (!NumberAt(tokens, 1, f)) {
        return false;
    }
    target.Set(f);
    return true;
}

bool ReadDoubleParam(OptionalDouble& target, const StringArray& tokens) {
    float f = 0.0f;
    if (!NumberAt(tokens, 1, f)) {
        return false;
    }
    target.Set(f);
    return true;
}

bool ReadCountParam(OptionalInt& target, const StringArray& tokens) {
    int32_t n = 0;
    if (!IntegerAt(tokens, 1, n)) {
        return false;
    }
    target.Set(n);
    return true;
}

bool ReadObjectParameters(AstrelObject& holder, const StringArray& group,
                          const std::string& typeWord, AstrelObjectHandle& local,
                          const std::vector<ParameterReader>& readers) {
    if (group.empty() || !CStringEqualsNoCase(group[0], typeWord)) {
        return false;
    }
    StringArray tokens;
    for (size_t line = 1; line < group.size(); ++line) {
        if (!SplitBySpace(tokens, group[line])) {
            continue;
        }
        const ParameterReader* match = nullptr;
        for (const ParameterReader& reader : readers) {
            if (CStringEqualsNoCase(tokens[0], reader.keyword)) {
                match = &reader;
                break;
            }
        }
        if (match == nullptr) {
            TraceDiagnostic(FormatString("Type of parameter unknown: %s", tokens[0].c_str()));
            local.KeepLine(group[line]);
            continue;
        }
        // A malformed value keeps what was read before it; the type decides what it means.
        if (match->read) {
            match->read(tokens);
        }
    }
    holder.AssignFrom(local);
    return true;
}

void TraceDiagnostic(const std::string&) {}

} // namespace pf
