#include "foundation/name_safety.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

struct NameCase {
    const char* name;
    bool component;
    bool relative;
};

TEST(NameSafetyTest, ComponentsAndRelativePaths) {
    const NameCase cases[] = {
        {"Earth", true, true},         {"Port Alpha.cfg", true, true},
        {"...", true, true},           {"", false, false},
        {".", false, false},           {"..", false, false},
        {"a\\b", false, true},         {"Earth\\Base\\", false, true},
        {"\\abs", false, false},       {"a\\\\b", false, false},
        {"..\\..\\x\\", false, false}, {"a/b", false, false},
        {"C:x", false, false},         {"a\tb", false, false},
        {"a\x7F", false, false},       {"\xB0", true, true},
        {"a..b", true, true},          {"Earth\\..Base\\", false, true},
        {"a\\..\\b", false, false},    {".\\a", false, false},
        {"a\\.", false, false},        {"C:\\x\\", false, false},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(IsSafePathComponent(c.name), c.component) << c.name;
        EXPECT_EQ(IsSafeRelativePath(c.name), c.relative) << c.name;
    }
}

} // namespace
} // namespace pf
