// The manual the Help button opens is a whole PDF file in the build's install folder.
#include "support/temp_dir.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <sstream>

namespace pf {
namespace {

TEST(Manual, IsAWholePdfWhoseCrossReferencesHitTheirObjects) {
    const std::string pdf =
        test::ReadNativeFile(test::BinaryDir() + "/share/padforge/PFG Manual V2.0.3.pdf");
    ASSERT_EQ(pdf.rfind("%PDF-1.", 0), 0u);
    ASSERT_EQ(pdf.substr(pdf.find_last_not_of("\r\n") - 4, 5), "%%EOF");
    std::istringstream in(pdf.substr(std::stoul(pdf.substr(pdf.rfind("startxref") + 9))));
    std::string word, flag;
    size_t first = 1, count = 0, offset = 0, generation = 0;
    in >> word >> first >> count;
    ASSERT_EQ(word, "xref");
    ASSERT_EQ(first, 0u);
    ASSERT_GT(count, 1u);
    // Each entry: offset, generation and 'n' for an object in use ('f' for a free one).
    for (size_t object = 0; object < count && in >> offset >> generation >> flag; ++object) {
        const std::string header = std::to_string(object) + " 0 obj";
        if (flag == "n")
            EXPECT_EQ(pdf.compare(offset, header.size(), header), 0) << object;
    }
    EXPECT_TRUE(in) << "the table ends early";
}

} // namespace
} // namespace pf
