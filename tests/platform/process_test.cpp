#include "platform/process.h"

#include "platform/fs.h"
#include "support/sandbox_home.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

namespace pf {
namespace {

using test::NativeNames;

using test::TempDir;

TEST(Process, ArgumentsReachTheProgramWithoutAShellInTheWorkingFolder) {
    TempDir dir;
    ASSERT_EQ(mkdir(dir.NativePath("Work").c_str(), 0777), 0);
    process::Child child = process::Spawn("touch", {"a b;$(x)", "*"}, dir.InternalPath("work\\"));
    ASSERT_TRUE(child);
    EXPECT_EQ(process::Wait(child), 0);
    std::vector<std::string> names = NativeNames(dir.NativePath("Work"));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"*", "a b;$(x)"}));
    EXPECT_EQ(NativeNames(dir.Native()), std::vector<std::string>{"Work"});
}

TEST(Process, ExitStatusIsReported) {
    process::Child child = process::Spawn("sh", {"-c", "exit 7"});
    ASSERT_TRUE(child);
    EXPECT_EQ(process::Wait(child), 7);
    EXPECT_EQ(process::Wait(child), -1); // already collected
}

TEST(Process, ChildStartsWithDefaultSignalActions) {
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(sigaction(SIGPIPE, &ignore, &previous), 0);
    process::Child child = process::Spawn("sh", {"-c", "kill -PIPE $$; exit 3"});
    sigaction(SIGPIPE, &previous, nullptr);
    ASSERT_TRUE(child);
    EXPECT_EQ(process::Wait(child), -1); // ended by the signal
}

TEST(Process, MissingProgramOrFolderGivesFalse) {
    TempDir dir;
    EXPECT_FALSE(process::Spawn("padforge-no-such-program", {}));
    EXPECT_FALSE(process::Spawn(dir.InternalPath("missing.exe"), {}));
    EXPECT_FALSE(process::Spawn("", {}));
    EXPECT_FALSE(process::Spawn("true", {}, dir.InternalPath("no such folder\\")));
    EXPECT_FALSE(process::Spawn("true", {std::string("a\0b", 3)}));
}

TEST(Process, ProgramGivenAsInternalPathIsResolved) {
    TempDir dir;
    dir.WriteFile("Tools/Run.sh", "#!/bin/sh\necho ran > out.txt\n");
    ASSERT_EQ(chmod(dir.NativePath("Tools/Run.sh").c_str(), 0755), 0);
    process::Child child = process::Spawn(dir.InternalPath("tools\\run.SH"), {}, dir.Internal());
    ASSERT_TRUE(child);
    EXPECT_EQ(process::Wait(child), 0);
    EXPECT_EQ(dir.ReadFile("out.txt"), "ran\n");
}

TEST(Process, FinishedChildrenAreReapedOnTheNextSpawn) {
    process::Child first = process::Spawn("true", {});
    ASSERT_TRUE(first);
    // Wait until it has ended, leaving it a zombie.
    siginfo_t info{};
    ASSERT_EQ(waitid(P_PID, static_cast<id_t>(first.pid), &info, WEXITED | WNOWAIT), 0);
    process::Child second = process::Spawn("true", {});
    ASSERT_TRUE(second);
    errno = 0;
    EXPECT_EQ(waitpid(first.pid, nullptr, WNOHANG), -1); // no longer a child to reap
    EXPECT_EQ(errno, ECHILD);
    EXPECT_EQ(process::Wait(first), 0); // its status was kept
    EXPECT_EQ(process::Wait(second), 0);
}

TEST(Process, DefaultApplicationGetsTheNativePath) {
    TempDir dir;
    dir.WriteFile("bin/xdg-open", "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/args\"\n");
    ASSERT_EQ(chmod(dir.NativePath("bin/xdg-open").c_str(), 0755), 0);
    dir.WriteFile("Docs/Manual.txt", "m");
    test::ScopedEnv path("PATH", dir.NativePath("bin") + ":/usr/bin:/bin");
    process::Child child =
        process::OpenWithDefaultApplication(dir.InternalPath("docs\\manual.TXT"));
    ASSERT_TRUE(child);
    EXPECT_EQ(process::Wait(child), 0);
    EXPECT_EQ(dir.ReadFile("bin/args"), dir.NativePath("Docs/Manual.txt") + "|");
}

// The manual's opener is waited for: a failing xdg-open (nothing opens a PDF) is told
// and leaves no zombie; one that hands the file on is a success.
TEST(Process, OpeningWaitsForTheOpenerAndReportsItsFailure) {
    TempDir dir;
    dir.WriteFile("Docs/Manual.pdf", "%PDF");
    test::ScopedEnv path("PATH", dir.NativePath("bin") + ":/usr/bin:/bin");
    for (const auto& [script, opened] : {std::pair{"exit 3", false}, {"exit 0", true}}) {
        dir.WriteFile("bin/xdg-open", std::string("#!/bin/sh\n") + script + "\n");
        ASSERT_EQ(chmod(dir.NativePath("bin/xdg-open").c_str(), 0755), 0);
        EXPECT_EQ(process::OpenAndCheck(dir.InternalPath("Docs\\Manual.pdf")), opened) << script;
        EXPECT_LE(waitpid(-1, nullptr, WNOHANG), 0) << "a finished opener was left a zombie";
    }
}

} // namespace
} // namespace pf
