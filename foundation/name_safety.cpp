#include "foundation/name_safety.h"

namespace pf {

PathFault FindPathComponentFault(const std::string& name) {
    if (name.empty() || name == "." || name == "..") {
        return PathFault::EmptyOrDotPart;
    }
    for (unsigned char c : name) {
        if (c == '\\' || c == '/' || c == ':' || c < 0x20 || c == 0x7F) {
            return PathFault::ForbiddenCharacter;
        }
    }
    return PathFault::None;
}

PathFault FindRelativePathFault(const std::string& path) {
    if (path.empty()) {
        return PathFault::EmptyOrDotPart;
    }
    std::string::size_type start = 0;
    while (start < path.size()) {
        std::string::size_type end = path.find('\\', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        const PathFault fault = FindPathComponentFault(path.substr(start, end - start));
        if (fault != PathFault::None) {
            return fault;
        }
        start = end + 1;
    }
    return PathFault::None;
}

PathFault FindAbsolutePathFault(const std::string& path) {
    if (path.empty() || path[0] != '\\') {
        return PathFault::NotAbsolute;
    }
    return FindRelativePathFault(path.substr(1));
}

bool IsSafePathComponent(const std::string& name) {
    return FindPathComponentFault(name) == PathFault::None;
}

bool IsSafeRelativePath(const std::string& path) {
    return FindRelativePathFault(path) == PathFault::None;
}

bool IsSafeAbsolutePath(const std::string& path) {
    return FindAbsolutePathFault(path) == PathFault::None;
}

} // namespace pf
