#include "platform/process.h"

#include "platform/fs.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <map>
#include <mutex>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace pf::process {

namespace {

struct Children {
    std::mutex mutex;
    std::set<int> running;
    std::map<int, int> finished; // pid -> exit status, -1 when ended by a signal
};

Children& Registry() {
    // Never destroyed, so an exit-time sweep can still use it.
    static Children* children = [] {
        auto* c = new Children;
        std::atexit([] { ReapFinished(); });
        return c;
    }();
    return *children;
}

int StatusOf(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; }

} // namespace

void ReapFinished() {
    Children& c = Registry();
    std::lock_guard<std::mutex> lock(c.mutex);
    for (auto it = c.running.begin(); it != c.running.end();) {
        int raw = 0;
        pid_t r = ::waitpid(*it, &raw, WNOHANG);
        if (r == *it) {
            c.finished[*it] = StatusOf(raw);
            it = c.running.erase(it);
        } else if (r < 0 && errno == ECHILD) {
            it = c.running.erase(it); // reaped elsewhere; nothing to keep
        } else {
            ++it;
        }
    }
}

Child Spawn(const std::string& program, const std::vector<std::string>& args,
            const std::string& workingFolder) {
    ReapFinished();
    if (program.empty())
        return {};
    std::string native_program = program;
    if (program.find_first_of("\\/") != std::string::npos &&
        !fs::Resolve(program, native_program)) {
        return {};
    }
    if (native_program.find('\0') != std::string::npos)
        return {};
    std::string native_folder;
    if (!workingFolder.empty() && !fs::Resolve(workingFolder, native_folder))
        return {};

    std::vector<std::string> owned;
    owned.reserve(args.size() + 1);
    owned.push_back(native_program);
    for (const std::string& a : args) {
        if (a.find('\0') != std::string::npos)
            return {};
        owned.push_back(a);
    }
    std::vector<char*> argv;
    for (std::string& a : owned)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return {};
    if (!native_folder.empty() &&
        posix_spawn_file_actions_addchdir_np(&actions, native_folder.c_str()) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return {};
    }
    // Children start with no blocked signals and default actions, whatever this
    // program blocks or ignores (an ignored SIGPIPE would otherwise be inherited).
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr, &none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    // glibc reports a failed chdir or exec in the child as the result of the call.
    int rc = posix_spawnp(&pid, native_program.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0 || pid <= 0)
        return {};

    Children& c = Registry();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.running.insert(pid);
    return Child{pid};
}

Child OpenWithDefaultApplication(const std::string& path) {
    std::string native;
    if (path.empty() || !fs::Resolve(path, native))
        return {};
    return Spawn("xdg-open", {native});
}

std::optional<int> WaitAtMost(Child child, std::chrono::milliseconds limit) {
    if (!child)
        return -1;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    Children& c = Registry();
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(c.mutex);
            auto done = c.finished.find(child.pid);
            if (done != c.finished.end()) {
                const int status = done->second;
                c.finished.erase(done);
                return status;
            }
            if (c.running.count(child.pid) == 0)
                return -1;
            int raw = 0;
            const pid_t r = ::waitpid(child.pid, &raw, WNOHANG);
            if (r == child.pid) {
                c.running.erase(child.pid);
                return StatusOf(raw);
            }
            if (r < 0 && errno == ECHILD) {
                c.running.erase(child.pid);
                return -1;
            }
        }
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    try {
        std::thread([child] { Wait(child); }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the child is reaped when the next program starts.
    }
    return std::nullopt;
}

bool OpenAndCheck(const std::string& path, std::chrono::milliseconds limit) {
    const Child child = OpenWithDefaultApplication(path);
    if (!child)
        return false;
    const std::optional<int> status = WaitAtMost(child, limit);
    return !status || *status == 0;
}

int Wait(Child child) {
    if (!child)
        return -1;
    Children& c = Registry();
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        auto done = c.finished.find(child.pid);
        if (done != c.finished.end()) {
            int status = done->second;
            c.finished.erase(done);
            return status;
        }
        if (c.running.count(child.pid) == 0)
            return -1;
    }
    int raw = 0;
    pid_t r;
    do {
        r = ::waitpid(child.pid, &raw, 0);
    } while (r < 0 && errno == EINTR);
    std::lock_guard<std::mutex> lock(c.mutex);
    c.running.erase(child.pid);
    auto done = c.finished.find(child.pid);
    if (r != child.pid) {
        // Another thread's sweep reaped it meanwhile.
        if (done == c.finished.end())
            return -1;
        int status = done->second;
        c.finished.erase(done);
        return status;
    }
    return StatusOf(raw);
}

} // namespace pf::process
