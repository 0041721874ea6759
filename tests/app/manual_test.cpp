// The manual the Help button opens is a whole PDF file in the build's install folder.
#include "support/temp_dir.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <string>

namespace pf {
namespace {

TEST(Manual, IsAWholePdfWhoseCrossReferencesHitTheirObjects) {
    const std::string pdf =
        test::ReadNativeFile(test::BinaryDir() + "/share/padforge/PFG Manual V2.0.3.pdf");
    ASSERT_EQ(pdf.rfind("%PDF-1.", 0), 0u);
    const size_t eof = pdf.rfind("%%EOF");
    ASSERT_NE(eof, std::string::npos);
    EXPECT_EQ(pdf.find_first_not_of("\r\n", eof + 5), std::string::npos);

    const size_t start = pdf.rfind("startxref");
    ASSERT_NE(start, std::string::npos);
    const size_t xref = std::stoul(pdf.substr(start + 9, eof - start - 9));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    size_t line = xref + 5;
    const size_t space = pdf.find(' ', line);
    const size_t end = pdf.find('\n', space);
    ASSERT_EQ(std::stoul(pdf.substr(line, space - line)), 0u);
    const size_t count = std::stoul(pdf.substr(space + 1, end - space - 1));
    ASSERT_GT(count, 1u);
    line = end + 1;
    // Fixed 20-byte entries: offset, generation, 'n' (in use) or 'f' (free).
    for (size_t object = 0; object < count; ++object, line += 20) {
        ASSERT_LE(line + 20, pdf.size());
        if (pdf[line + 17] != 'n') {
            continue;
        }
        const size_t offset = std::stoul(pdf.substr(line, 10));
        const std::string header = std::to_string(object) + " 0 obj";
        EXPECT_EQ(pdf.compare(offset, header.size(), header), 0) << "object " << object;
    }
}

} // namespace
} // namespace pf
