#pragma once
// The writers' pieces that several object types share: each piece is whole parameter lines,
// TAB, keyword, blank, values and "\r\n", in the forms the simulator reads.
#include <string>

namespace pf {

class NewEnd12;
class NewPosScaleRot;
struct OptionalFloat;
struct TextureSpec;

// "\tEND1 ...\r\n\tEND2 ...\r\n"
std::string EndLines(const NewEnd12& object);
// "\tPOS ...\r\n\tSCALE ...\r\n\tROT ...\r\n"
std::string PosScaleRotLines(const NewPosScaleRot& object);
// The top height that the lines above read back with: the higher end, and POS + SCALE.
bool EndLinesTopHeight(const NewEnd12& object, double& height);
bool PosScaleRotLinesTopHeight(const NewPosScaleRot& object, double& height);
// "\tKEYWORD value\r\n" with at most 4 decimals when the value is given, else "".
std::string FloatLine(const char* keyword, const OptionalFloat& value);
// "\tTEXn name u v\r\n" for a complete texture, else "".
std::string TextureLine(const char* key, const TextureSpec& texture);

} // namespace pf
