// Starts the built program the way a person would and looks at what it leaves in the
// settings file.
#include "platform/fs.h"
#include "platform/process.h"
#include "support/sandbox_home.h"
#include "support/test_paths.h"
#include "support/ui/wx_test_hook.h"
#include "workspace/settings.h"

#include <filesystem>

namespace pf {

TEST(ProgramStart, FillsTheInstallPathFromTheShareFolder) {
    test::SandboxHome home;
    const std::string program = fs::ToInternal(test::BinaryDir() + "/bin/padforge");
    const std::string share =
        fs::ToInternal(std::filesystem::canonical(test::BinaryDir() + "/share/padforge")) + "\\";
    const std::string own = fs::ToInternal(home.Home()) + "\\";
    for (int run = 0; run < 3; ++run) {
        // The third run finds a folder of the person's choice, which it keeps.
        if (run == 2)
            WriteRegistryValue("Install Path", own);
        ASSERT_EQ(process::Wait(process::Spawn(program, {})), 0);
        EXPECT_EQ(ReadRegistryValue("Install Path"), run == 2 ? own : share);
    }
}

} // namespace pf
