#include "objects/parameter_lines.h"

#include "foundation/text.h"
#include "objects/placement_families.h"

namespace pf {

std::string EndLines(const NewEnd12& object) {
    return "\tEND1 " + FormatVector3Double(object.end1) + "\r\n" + "\tEND2 " +
           FormatVector3Double(object.end2) + "\r\n";
}

std::string PosScaleRotLines(const NewPosScaleRot& object) {
    return "\tPOS " + FormatVector3Double(object.pos) + "\r\n" + "\tSCALE " +
           FormatVector3DoubleRotated(object.scale) + "\r\n" + "\tROT " +
           FormatDouble2(object.rot.value) + "\r\n";
}

std::string FloatLine(const char* keyword, const OptionalFloat& value) {
    if (!value.given) {
        return std::string();
    }
    return FormatString("\t%s %s\r\n", keyword, FormatFloat4(value).c_str());
}

std::string TextureLine(const char* key, const TextureSpec& texture) {
    if (!texture.IsComplete()) {
        return std::string();
    }
    return std::string("\t") + key + " " + FormatTextureSpec(texture) + "\r\n";
}

} // namespace pf
