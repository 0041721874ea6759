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

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

extern char** environ;

namespace pf {
namespace {

namespace stdfs = std::filesystem;

// A command of this test's own making, cut off after 30 seconds; its standard output.
std::string Shell(const std::string& command) {
    std::string out;
    FILE* pipe = popen(("timeout 30 " + command).c_str(), "r");
    char buffer[256];
    while (pipe != nullptr && fgets(buffer, sizeof buffer, pipe) != nullptr)
        out += buffer;
    if (pipe != nullptr)
        pclose(pipe);
    return out;
}

// The first visible window titled exactly so; waits for it.
std::string Window(const std::string& title) {
    const std::string found = Shell("xdotool search --sync --onlyvisible --name '^" + title + "$'");
    return found.substr(0, found.find('\n'));
}

// Gives the window the keyboard (no window manager does it here) and types.
void Type(const std::string& window, const std::string& keys) {
    ASSERT_FALSE(window.empty());
    Shell("xdotool windowfocus --sync " + window + " key --delay 100 " + keys);
}

bool WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 300; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
        if (condition())
            return true;
    }
    return false;
}

TEST(Program, DeletesImportsAndEndsOnEsc) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr);
    test::SandboxHome home;
    // The simulator stands where the program looks first: "Astrel2010" in the documents.
    const std::string sim = "Documents/Astrel2010/Config/";
    test::WriteFakeAstrelTree(home.Dir(), "Documents/Astrel2010");
    home.Dir().WriteFile(sim + "sol.cfg", "Name = Sol\r\nPlanet3 = Earth\r\nEarth1 = Moon\r\n");
    home.Dir().WriteFile(sim + "Earth.cfg",
                         "Name = Earth\r\nSize = 6371010\r\nMass = 6e24\r\n"
                         "BEGIN_SURFBASE\r\n  dir Earth\\Base\r\nEND_SURFBASE\r\n");
    home.Dir().WriteFile(sim + "Earth/Base/Alpha.cfg", "Name = Alpha\r\nLocation = -80.6 28.6\r\n");
    for (const char* name : {"Bravo", "Port Alpha"})
        ASSERT_TRUE(BaseDocument(name, "Earth", LatLon(10, 20)).SaveToDocuments());
    const std::string docs = home.Dir().NativePath("Documents/Padforge/");

    const std::string path = test::BinaryDir() + "/bin/padforge";
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t program = 0;
    ASSERT_EQ(posix_spawn(&program, path.c_str(), nullptr, nullptr, argv, environ), 0);
    const std::string main = Window("Padforge");

    // The list has the focus: the first base ("Earth\Bravo"), then "Delete Base" and Yes.
    Type(main, "Home Tab Tab Tab space");
    Type(Window("Question"), "Return");
    EXPECT_TRUE(WaitUntil([&] { return !stdfs::exists(docs + "Bravo.txt"); }));
    EXPECT_TRUE(stdfs::exists(docs + "Port Alpha.txt"));

    // On to "Load Base From Astrel", Earth in the popup (its windows are named after the
    // program), then the list's current file.
    Type(main, "Tab Tab space");
    EXPECT_TRUE(WaitUntil([] {
        const std::string windows = Shell("xdotool search --onlyvisible --name '^padforge$'");
        return std::count(windows.begin(), windows.end(), '\n') > 1;
    }));
    Shell("xdotool key --delay 100 Down Return");
    Type(Window("Base files for Earth"), "Return");
    EXPECT_TRUE(WaitUntil([&] {
        return test::ReadNativeFile(docs + "Alpha.txt").find("PFG_ORIGIN Astrel") !=
               std::string::npos;
    }));

    Type(main, "Escape");
    int status = -1;
    if (!WaitUntil([&] { return waitpid(program, &status, WNOHANG) == program; })) {
        kill(program, SIGKILL);
        waitpid(program, &status, 0);
        FAIL() << "the program did not end on Esc";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(stdfs::exists(home.DataHome() + "/Padforge/FileManagerV2.dat"));
    EXPECT_EQ(ReadRegistryValue("Install Path"),
              fs::ToInternal(stdfs::canonical(test::BinaryDir() + "/share/padforge").string()) +
                  "\\");
}

} // namespace
} // namespace pf
