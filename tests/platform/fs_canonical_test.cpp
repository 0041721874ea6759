#include "platform/fs.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pf {
namespace {

namespace stdfs = std::filesystem;

TEST(FsCanonical, ResolvesLinksAndLetterCase) {
    test::TempDir dir;
    stdfs::create_directories(dir.NativePath("real/Sim"));
    stdfs::create_directory_symlink(dir.NativePath("real/Sim"), dir.NativePath("link"));
    const std::string target =
        fs::ToInternal(stdfs::canonical(dir.NativePath("real/Sim")).string());
    EXPECT_EQ(fs::Canonical(dir.InternalPath("link")), target);
    EXPECT_EQ(fs::Canonical(dir.InternalPath("link\\")), target);
    EXPECT_EQ(fs::Canonical(dir.InternalPath("REAL\\sim")), target);
    EXPECT_EQ(fs::Canonical(dir.InternalPath("real\\Sim\\..\\Sim")), target);
    EXPECT_EQ(fs::Canonical(dir.InternalPath("missing")), "");
    EXPECT_EQ(fs::Canonical(""), "");
    EXPECT_EQ(fs::Canonical(std::string("\\tmp\0x", 6)), "");
}

} // namespace
} // namespace pf
