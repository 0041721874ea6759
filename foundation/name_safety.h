#pragma once
// The one rule for names that become part of a path: a name never leaves its folder.
#include <string>

namespace pf {

// Which part of the rule a name or path breaks, so that a refusal can say why.
enum class PathFault {
    None,
    NotAbsolute,        // an absolute path without its leading '\'
    EmptyOrDotPart,     // an empty, "." or ".." part
    ForbiddenCharacter, // a '\', '/', ':' or control byte in a part
};

PathFault FindPathComponentFault(const std::string& name);
PathFault FindRelativePathFault(const std::string& path);
PathFault FindAbsolutePathFault(const std::string& path);

// Not empty; no '\', '/', ':' or control byte; not "." or "..".
bool IsSafePathComponent(const std::string& name);
// Safe components joined by '\'; a trailing '\' (a folder) is allowed, a leading one is not.
bool IsSafeRelativePath(const std::string& path);
// '\' and a safe relative path: no "..", "." or empty parts.
bool IsSafeAbsolutePath(const std::string& path);

} // namespace pf
