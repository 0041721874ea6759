#pragma once
// Starting other programs with an argument vector, never through a shell.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace pf::process {

// A started child. False when the program could not be started.
struct Child {
    int pid = -1;
    explicit operator bool() const { return pid > 0; }
};

// Starts `program` with `args` (argv[0] is the program itself and is not part of args).
// A program without a separator is searched in PATH; one with a separator is an internal
// path. `workingFolder` (internal form; empty: the current folder) becomes the child's
// current folder. Finished children of earlier calls are reaped first, so none stays a
// zombie. False (an empty Child) when the program or the folder is missing.
Child Spawn(const std::string& program, const std::vector<std::string>& args,
            const std::string& workingFolder = std::string());

// Opens a file or folder (internal path) with the desktop's default application.
Child OpenWithDefaultApplication(const std::string& path);

// Waits for a child to end and gives its exit status; -1 when it was ended by a signal or
// is not a child started here.
int Wait(Child child);

// Waits at most `limit` for a child to end: its exit status as Wait gives it, or nothing
// when it still runs. A child still running is then waited for by a helper thread, so it
// never stays a zombie.
std::optional<int> WaitAtMost(Child child, std::chrono::milliseconds limit);

// Opens a file or folder with the desktop's default application and waits for the
// opener: false when it could not be started or ended with a failure (nothing to open
// the file with, which it says at once). An opener still running after `limit` (one that
// waits for the viewer it started) counts as a success; the window waits no longer.
bool OpenAndCheck(const std::string& path,
                  std::chrono::milliseconds limit = std::chrono::milliseconds(2000));

// Reaps every child that has ended, without blocking. Their exit statuses stay available
// to Wait.
void ReapFinished();

} // namespace pf::process
