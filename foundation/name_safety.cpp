#include "foundation/name_safety.h"

namespace pf {

bool IsSafePathComponent(const std::string& name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    for (unsigned char c : name) {
        if (c == '\\' || c == '/' || c == ':' || c < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

bool IsSafeRelativePath(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::string::size_type start = 0;
    while (start < path.size()) {
        std::string::size_type end = path.find('\\', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        if (!IsSafePathComponent(path.substr(start, end - start))) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

} // namespace pf
