#include "support/sample_tree.h"

#include "platform/fs.h"
#include "support/test_paths.h"
#include "workspace/astrel_body.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <filesystem>

namespace pf::test {

std::string SampleTreeSource() { return SourceDir() + "/examples/sample-astrel"; }

void SampleTreeFixture::SetUp() {
    BodyCache::Clear();
    FileManager::Instance().Clear();
}

void SampleTreeFixture::TearDown() {
    BodyCache::Clear();
    FileManager::Instance().Clear();
}

std::string SampleTreeFixture::CopyTree(const std::string& source) {
    const std::string copy = home_.Dir().NativePath("Astrel 2010");
    std::filesystem::copy(source, copy, std::filesystem::copy_options::recursive);
    const std::string root = fs::ToInternal(copy) + "\\";
    EXPECT_TRUE(SetAstrelPath(root));
    return root;
}

} // namespace pf::test
