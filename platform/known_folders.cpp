#include "platform/known_folders.h"

#include "platform/fs.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace pf::known_folders {

namespace {

bool IsAbsolute(const char* s) { return s != nullptr && s[0] == '/'; }

std::string WithoutTrailingSlashes(std::string s) {
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

// Native, without a trailing '/'; empty when no absolute home can be had.
std::string HomeNative() {
    const char* env = std::getenv("HOME");
    if (IsAbsolute(env))
        return WithoutTrailingSlashes(env);
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    struct passwd pw;
    struct passwd* result = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buffer.data(), buffer.size(), &result) == 0 &&
        result != nullptr && IsAbsolute(result->pw_dir)) {
        return WithoutTrailingSlashes(result->pw_dir);
    }
    return {};
}

std::string XdgHome(const char* variable, const char* fallback) {
    const char* env = std::getenv(variable);
    if (IsAbsolute(env))
        return WithoutTrailingSlashes(env);
    std::string home = HomeNative();
    return home.empty() ? std::string() : home + "/" + fallback;
}

std::string Internal(const std::string& native) {
    if (native.empty())
        return {};
    std::string internal = fs::ToInternal(native);
    if (internal.back() != '\\')
        internal += '\\';
    return internal;
}

// The internal folder for a native one, created when missing.
std::string Ensured(const std::string& native) {
    std::string internal = Internal(native);
    if (internal.empty() || !fs::CreateDirectories(internal))
        return {};
    return internal;
}

// The value of `key` in user-dirs.dirs, native; empty when absent or not usable.
// The file is shell text that is sourced, so the last assignment counts.
std::string UserDir(const std::string& key, const std::string& home) {
    std::string config = XdgHome("XDG_CONFIG_HOME", ".config");
    std::string text;
    if (config.empty() || !fs::ReadFile(Internal(config) + "user-dirs.dirs", text))
        return {};
    std::string found;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        size_t i = line.find_first_not_of(" \t");
        if (i == std::string::npos || line.compare(i, key.size(), key) != 0)
            continue;
        i += key.size();
        if (line.compare(i, 2, "=\"") != 0)
            continue;
        i += 2;
        std::string value;
        bool closed = false;
        for (; i < line.size(); ++i) {
            if (line[i] == '"') {
                closed = true;
                break;
            }
            if (line[i] == '\\' && i + 1 < line.size())
                ++i;
            value += line[i];
        }
        if (!closed)
            continue;
        if (value == "$HOME" || value.compare(0, 6, "$HOME/") == 0) {
            found = home + value.substr(5);
        } else if (value[0] == '/') {
            found = value;
        }
    }
    return WithoutTrailingSlashes(found);
}

std::string UserFolder(const char* key, const char* fallback) {
    std::string home = HomeNative();
    if (home.empty())
        return {};
    std::string folder = UserDir(key, home);
    return Ensured(folder.empty() ? home + "/" + fallback : folder);
}

} // namespace

std::string Home() { return Ensured(HomeNative()); }

std::string Documents() { return UserFolder("XDG_DOCUMENTS_DIR", "Documents"); }

std::string Pictures() { return UserFolder("XDG_PICTURES_DIR", "Pictures"); }

std::string LocalAppData() { return Ensured(XdgHome("XDG_DATA_HOME", ".local/share")); }

std::string ConfigHome() { return Internal(XdgHome("XDG_CONFIG_HOME", ".config")); }

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<size_t>(n) < buffer.size()) {
            return fs::ToInternal(std::string(buffer.data(), static_cast<size_t>(n)));
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace pf::known_folders
