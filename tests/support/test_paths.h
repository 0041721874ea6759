#pragma once
// Where the tests find the source tree and the build tree. Kept out of compile
// definitions so that only one file's object depends on the checkout's location.
#include <string>

namespace pf::test {

// The repository's root folder, native form, no trailing separator.
std::string SourceDir();
// The build folder (bin/, share/padforge/), native form, no trailing separator.
std::string BinaryDir();

} // namespace pf::test
