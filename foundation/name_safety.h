#pragma once
// The one rule for names that become part of a path: a name never leaves its folder.
#include <string>

namespace pf {

// Not empty; no '\', '/', ':' or control byte; not "." or "..".
bool IsSafePathComponent(const std::string& name);
// Safe components joined by '\'; a trailing '\' (a folder) is allowed, a leading one is not.
bool IsSafeRelativePath(const std::string& path);

} // namespace pf
