#include "support/test_paths.h"

namespace pf::test {

std::string SourceDir() { return PF_SOURCE_DIR; }

std::string BinaryDir() { return PF_BINARY_DIR; }

} // namespace pf::test
