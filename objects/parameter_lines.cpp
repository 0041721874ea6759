#include "objects/parameter_lines.h"

#include "foundation/text.h"
#include "objects/placement_families.h"

#include <algorithm>

namespace pf {

std::string EndLines(const NewEnd12& object) {
    return "\tEND1 " + FormatVector3Double(object.end1) + "\r\n" + "\tEND2 " +
           FormatVector3Double(object.end2) + "\r\n";
}

std::string PosScaleRotLines(const NewPosScaleRot& object) {
    return "\tPOS " + FormatVector3Double(object.pos) + "\r\n" + "\tSCALE " +
           FormatVector3DoubleRotated(object.scale) + "\r\n" + "\tROT " +
           FormatRotation(object.rot.value) + "\r\n";
}

bool EndLinesTopHeight(const NewEnd12& object, double& height) {
    double h1 = 0.0, h2 = 0.0;
    if (!TripleHeightAsRead(object.end1, 3, h1) || !TripleHeightAsRead(object.end2, 3, h2)) {
        return false;
    }
    height = std::max(h1, h2);
    return true;
}

bool PosScaleRotLinesTopHeight(const NewPosScaleRot& object, double& height) {
    double base = 0.0, size = 0.0;
    if (!TripleHeightAsRead(object.pos, 3, base) || !TripleHeightAsRead(object.scale, 4, size)) {
        return false;
    }
    height = base + size;
    return true;
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
