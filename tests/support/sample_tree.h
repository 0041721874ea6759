#pragma once
// The sample simulator tree of examples/sample-astrel/, copied into a sandboxed home and
// stored as the simulator folder, for the tests of every layer that read it. The body
// cache and the installed-bases record are cleared before and after each test.
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <string>

namespace pf::test {

// The repository's sample tree, native form.
std::string SampleTreeSource();

class SampleTreeFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the folder to "<home>/Astrel 2010/" and stores the copy as the simulator
    // folder; gives the copy's internal path with its trailing backslash.
    std::string CopyTree(const std::string& source = SampleTreeSource());

    SandboxHome home_;
    ScriptedUi ui_;
};

} // namespace pf::test
