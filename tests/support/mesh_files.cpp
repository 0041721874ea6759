#include "support/mesh_files.h"

#include <cstdint>
#include <cstring>

namespace pf::test {

std::string MshLines(const std::vector<std::string>& lines, const char* end) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += end;
    }
    return out;
}

void WriteMsh(const TempDir& root, const std::string& relative, const std::string& text) {
    root.WriteFile("Meshes/" + relative, text);
}

std::string MeshRecordBytes(double left, double right, double top, double bottom,
                            double highest, double lowest, unsigned char flag) {
    std::string out;
    for (double v : {left, right, top, bottom, highest, lowest}) {
        uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i) {
            out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
        }
    }
    out.push_back(static_cast<char>(flag));
    return out;
}

} // namespace pf::test
