#pragma once
// Reading object parameter values from one configuration-text line, and the one routine
// every object type's parser runs.
//
// A reader gets the tokens of one line; token 0 is the keyword and is not read. With
// fewer tokens than it needs (keyword included) it sets nothing and gives false. It reads
// its components in order and stops with false at the first that is not a number, the
// earlier ones already set; extra tokens are ignored. Every number is read as a float
// first, so values carry single precision.
#include "foundation/string_array.h"
#include "objects/optional_values.h"

#include <functional>
#include <string>
#include <vector>

namespace pf {

class AstrelObject;
class AstrelObjectHandle;

// "a b c" -> (c, -a, b), set in the order component 1, 2, 0.
bool ReadPositionParam(OptionalVector3Double& target, const StringArray& tokens);
// "a b c" -> (c, a, b), set in the order component 1, 2, 0.
bool ReadVectorParam(OptionalVector3Double& target, const StringArray& tokens);
bool ReadColorParam(OptionalVector3Float& target, const StringArray& tokens);
// Three floats; a fifth token, when there is one, must be an integer mode.
bool ReadPapiParam(OptionalFloat (&values)[3], OptionalInt& mode, const StringArray& tokens);
bool ReadGridParam(OptionalInt (&grid)[2], const StringArray& tokens);
bool ReadSpacingParam(OptionalFloat (&spacing)[2], const StringArray& tokens);
// 1 token: true, nothing set; 2: the name; 3: false, nothing set; 4 or more: name, u, v.
bool ReadTextureParam(TextureSpec& target, const StringArray& tokens);
bool ReadFloatParam(OptionalFloat& target, const StringArray& tokens);
// Through WrapAngle360.
bool ReadAngleParam(OptionalDouble& target, const StringArray& tokens);
// One value into all three components.
bool ReadUniformScaleParam(OptionalVector3Double& target, const StringArray& tokens);
// NavFrequency::Set; true even when the value lies outside the band.
bool ReadFrequencyParam(NavFrequency& target, const StringArray& tokens);
bool ReadDoubleParam(OptionalDouble& target, const StringArray& tokens);
// Truncated toward zero. A value outside the int32 range is not read (false).
bool ReadCountParam(OptionalInt& target, const StringArray& tokens);

// One keyword of a type and what reads its line.
struct ParameterReader {
    std::string keyword;
    std::function<bool(const StringArray& tokens)> read;
};

// The parser every object type runs. Line 0 of the group must be the type word (whole
// line, case ignored), else false and the holder is untouched. Every further line's
// first token is matched against the keywords (whole word, case ignored) and the first
// match reads the line into `local`; a line with an unknown keyword is kept in `local`. A
// keyword given twice is read twice, the later line winning. Then the holder takes a clone
// of `local`; true.
bool ReadObjectParameters(AstrelObject& holder, const StringArray& group,
                          const std::string& typeWord, AstrelObjectHandle& local,
                          const std::vector<ParameterReader>& readers);

// The diagnostic trace of the parsers: it takes its text and keeps nothing.
void TraceDiagnostic(const std::string& text);

} // namespace pf
