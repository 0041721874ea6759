// Starts the built program on a display of its own (the test runs under xvfb-run) and
// drives its main dialog with real keystrokes through xdotool, as a person would: delete
// a base, import one from the simulator, press Esc. Every wait is bounded.
#include "document/base_document.h"
#include "platform/fs.h"
#include "support/fake_astrel_tree.h"
#include "support/sandbox_home.h"
#include "support/test_paths.h"
#include "workspace/settings.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

extern char** environ;

namespace pf {
namespace {

namespace stdfs = std::filesystem;

pid_t Spawn(const std::vector<std::string>& args, int outFd = -1) {
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    }
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Runs xdotool, bounded by `timeout`, and gives its standard output.
std::string Xdotool(std::vector<std::string> args) {
    args.insert(args.begin(), {"timeout", "30", "xdotool"});
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return "";
    }
    const pid_t pid = Spawn(args, pipeFds[1]);
    close(pipeFds[1]);
    std::string out;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        out.append(buffer, static_cast<size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    if (pid > 0) {
        waitpid(pid, &status, 0);
    }
    return out;
}

// The first visible window whose title is exactly `title`.
std::string WaitForWindow(const std::string& title) {
    const std::string found =
        Xdotool({"search", "--sync", "--onlyvisible", "--name", "^" + title + "$"});
    return found.substr(0, found.find('\n'));
}

// Gives the window the keyboard (no window manager does it here) and types.
void Type(const std::string& window, const std::vector<std::string>& keys) {
    ASSERT_FALSE(window.empty());
    Xdotool({"windowfocus", "--sync", window});
    std::vector<std::string> args = {"key", "--delay", "100"};
    args.insert(args.end(), keys.begin(), keys.end());
    Xdotool(args);
}

// Polls until the condition holds, at most about 30 seconds.
bool WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 300; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return condition();
}

// A popup menu adds windows named after the program beside its main dialog.
bool PopupShown() {
    const std::string windows = Xdotool({"search", "--onlyvisible", "--name", "^padforge$"});
    return std::count(windows.begin(), windows.end(), '\n') > 1;
}

TEST(Program, DeletesImportsAndEndsOnEsc) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr);
    test::SandboxHome home;
    const test::TempDir& dir = home.Dir();
    // The simulator stands where the program looks first: "Astrel2010" in the documents.
    test::WriteFakeAstrelTree(dir, "Documents/Astrel2010");
    dir.WriteFile("Documents/Astrel2010/Config/sol.cfg",
                  "Name = Sol\r\nPlanet3 = Earth\r\nEarth1 = Moon\r\n");
    dir.WriteFile("Documents/Astrel2010/Config/Earth.cfg",
                  "Name = Earth\r\nSize = 6371010\r\nMass = 5.973698968e24\r\n"
                  "BEGIN_SURFBASE\r\n  dir Earth\\Base\r\nEND_SURFBASE\r\n");
    dir.WriteFile("Documents/Astrel2010/Config/Earth/Base/Alpha.cfg",
                  "BASE-V2.0\r\nName = Alpha\r\nLocation = -80.6 28.6\r\n");
    for (const char* name : {"Bravo", "Port Alpha"}) {
        ASSERT_TRUE(BaseDocument(name, "Earth", LatLon(10, 20)).SaveToDocuments());
    }
    const std::string docs = dir.NativePath("Documents/Padforge/");

    const pid_t program = Spawn({test::BinaryDir() + "/bin/padforge"});
    ASSERT_GT(program, 0);
    const std::string main = WaitForWindow("Padforge");

    // The list has the focus: take the first base ("Earth\Bravo") and delete it.
    Type(main, {"Home", "Tab", "Tab", "Tab", "space"});
    Type(WaitForWindow("Question"), {"Return"});
    EXPECT_TRUE(WaitUntil([&] { return !stdfs::exists(docs + "Bravo.txt"); }));
    EXPECT_TRUE(stdfs::exists(docs + "Port Alpha.txt"));

    // From "Delete Base" on to "Load Base From Astrel"; Earth in the popup.
    Type(main, {"Tab", "Tab", "space"});
    ASSERT_TRUE(WaitUntil(PopupShown));
    Xdotool({"key", "--delay", "100", "Down", "Return"});
    // The first file ("Alpha.cfg") is current in the list, which has the focus.
    Type(WaitForWindow("Base files for Earth"), {"Return"});
    EXPECT_TRUE(WaitUntil([&] {
        return test::ReadNativeFile(docs + "Alpha.txt").find("PFG_ORIGIN Astrel\r\n") !=
               std::string::npos;
    }));

    Type(main, {"Escape"});
    int status = -1;
    const bool ended = WaitUntil([&] { return waitpid(program, &status, WNOHANG) == program; });
    if (!ended) {
        kill(program, SIGKILL);
        waitpid(program, &status, 0);
    }
    ASSERT_TRUE(ended) << "the program did not end on Esc";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    EXPECT_TRUE(stdfs::exists(home.DataHome() + "/Padforge/FileManagerV2.dat"));
    const std::string share =
        fs::ToInternal(stdfs::canonical(test::BinaryDir() + "/share/padforge").string()) + "\\";
    EXPECT_EQ(ReadRegistryValue("Install Path"), share);
}

} // namespace
} // namespace pf
