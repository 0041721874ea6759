// Starts the built program the way a person would and looks at what it leaves in the
// settings file.
#include "platform/fs.h"
#include "support/sandbox_home.h"
#include "support/test_paths.h"
#include "support/ui/wx_test_hook.h"
#include "workspace/settings.h"

#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>

extern char** environ;

namespace pf {
namespace {

namespace stdfs = std::filesystem;

int RunProgram() {
    const std::string program = test::BinaryDir() + "/bin/padforge";
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ProgramStart, FillsTheInstallPathFromTheShareFolder) {
    test::SandboxHome home;
    const std::string share =
        fs::ToInternal(stdfs::canonical(test::BinaryDir() + "/share/padforge").string()) + "\\";
    ASSERT_EQ(RunProgram(), 0);
    EXPECT_EQ(ReadRegistryValue("Install Path"), share);

    ASSERT_EQ(RunProgram(), 0);
    EXPECT_EQ(ReadRegistryValue("Install Path"), share);

    // A value that names an existing folder is the person's (or installer's) choice.
    WriteRegistryValue("Install Path", fs::ToInternal(home.Home()) + "\\");
    ASSERT_EQ(RunProgram(), 0);
    EXPECT_EQ(ReadRegistryValue("Install Path"), fs::ToInternal(home.Home()) + "\\");
}

} // namespace
} // namespace pf
