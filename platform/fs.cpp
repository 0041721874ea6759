#include "platform/fs.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pf::fs {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(const std::string& a, const char* b) {
    size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

// lstat: a dangling link is still an entry with that exact name.
bool EntryExists(const std::string& native) {
    struct stat st;
    return ::lstat(native.c_str(), &st) == 0;
}

// The entry of `folder` (native, "" for the current folder) that equals `name` without
// regard to ASCII case, the first in byte order; false when none does.
bool FindNoCase(const std::string& folder, const std::string& name, std::string& found) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return false;
    bool any = false;
    while (struct dirent* e = ::readdir(dir)) {
        if (EqualsNoCase(name, e->d_name) && (!any || std::strcmp(e->d_name, found.c_str()) < 0)) {
            found = e->d_name;
            any = true;
        }
    }
    ::closedir(dir);
    return any;
}

bool Resolved(const std::string& path, std::string& native) { return Resolve(path, native); }

// The process umask, read without changing it where the kernel reports it.
mode_t CurrentUmask() {
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f) != nullptr) {
            unsigned int mask = 0;
            if (std::sscanf(line, "Umask: %o", &mask) == 1) {
                std::fclose(f);
                return static_cast<mode_t>(mask);
            }
        }
        std::fclose(f);
    }
    mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

} // namespace

std::string ToNative(const std::string& internal) {
    std::string s = internal;
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

std::string ToInternal(const std::string& native) {
    std::string s = native;
    std::replace(s.begin(), s.end(), '/', '\\');
    return s;
}

bool Resolve(const std::string& internal, std::string& native) {
    if (internal.find('\0') != std::string::npos) {
        native.clear();
        return false;
    }
    const std::string given = ToNative(internal);
    if (given.empty() || EntryExists(given)) {
        native = given;
        return true;
    }
    // Walk component by component; `out` holds the resolved prefix.
    std::string out;
    size_t pos = 0;
    if (given[0] == '/') {
        out = "/";
        pos = 1;
    }
    while (pos <= given.size()) {
        size_t slash = given.find('/', pos);
        size_t end = slash == std::string::npos ? given.size() : slash;
        std::string comp = given.substr(pos, end - pos);
        if (!comp.empty() && comp != "." && comp != "..") {
            std::string folder = out;
            if (!EntryExists(folder + comp)) {
                std::string match;
                if (!FindNoCase(folder, comp, match)) {
                    // Nothing matches: this component and the rest stay as given.
                    native = out + given.substr(pos);
                    return true;
                }
                comp = match;
            }
        }
        out += comp;
        if (slash == std::string::npos)
            break;
        out += '/';
        pos = slash + 1;
    }
    native = out;
    return true;
}

bool Exists(const std::string& path) {
    std::string native;
    struct stat st;
    return Resolved(path, native) && !native.empty() && ::stat(native.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
    std::string native;
    struct stat st;
    return Resolved(path, native) && !native.empty() && ::stat(native.c_str(), &st) == 0 &&
           S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path) {
    std::string native;
    struct stat st;
    return Resolved(path, native) && !native.empty() && ::stat(native.c_str(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

bool IsSymlink(const std::string& path) {
    std::string native;
    struct stat st;
    return Resolved(path, native) && !native.empty() && ::lstat(native.c_str(), &st) == 0 &&
           S_ISLNK(st.st_mode);
}

bool CreateDirectory(const std::string& path) {
    std::string native;
    return Resolved(path, native) && !native.empty() && ::mkdir(native.c_str(), 0777) == 0;
}

bool CreateDirectories(const std::string& path) {
    std::string native;
    if (!Resolved(path, native) || native.empty())
        return false;
    // Make each missing prefix in turn, reusing folders that resolution matched.
    for (size_t pos = native.find('/', 1); pos != std::string::npos;
         pos = native.find('/', pos + 1)) {
        std::string prefix = native.substr(0, pos);
        ::mkdir(prefix.c_str(), 0777);
    }
    ::mkdir(native.c_str(), 0777);
    struct stat st;
    return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool RemoveFile(const std::string& path) {
    std::string native;
    struct stat st;
    if (!Resolved(path, native) || native.empty() || ::lstat(native.c_str(), &st) != 0) {
        return false;
    }
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return false;
    return ::unlink(native.c_str()) == 0;
}

bool RemoveEmptyDirectory(const std::string& path) {
    std::string native;
    if (!Resolved(path, native) || native.empty())
        return false;
    // A trailing '/' would make lstat follow a link to a folder.
    while (native.size() > 1 && native.back() == '/')
        native.pop_back();
    struct stat st;
    if (::lstat(native.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    return ::rmdir(native.c_str()) == 0;
}

bool Rename(const std::string& from, const std::string& to) {
    std::string native_from;
    std::string native_to;
    if (!Resolved(from, native_from) || !Resolved(to, native_to) || native_from.empty() ||
        native_to.empty()) {
        return false;
    }
    return ::rename(native_from.c_str(), native_to.c_str()) == 0;
}

bool Equivalent(const std::string& a, const std::string& b) {
    std::string na;
    std::string nb;
    struct stat sa;
    struct stat sb;
    if (!Resolved(a, na) || !Resolved(b, nb) || na.empty() || nb.empty() ||
        ::stat(na.c_str(), &sa) != 0 || ::stat(nb.c_str(), &sb) != 0) {
        return false;
    }
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string Canonical(const std::string& path) {
    std::string native;
    if (!Resolved(path, native) || native.empty())
        return std::string();
    char* real = ::realpath(native.c_str(), nullptr);
    if (real == nullptr)
        return std::string();
    std::string result = ToInternal(real);
    std::free(real);
    return result;
}

bool ListNames(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    std::string native;
    if (!Resolved(folder, native) || native.empty())
        return false;
    DIR* dir = ::opendir(native.c_str());
    if (dir == nullptr)
        return false;
    while (struct dirent* e = ::readdir(dir)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names.emplace_back(e->d_name);
    }
    ::closedir(dir);
    return true;
}

bool List(const std::string& folder, std::vector<DirEntry>& entries) {
    entries.clear();
    std::vector<std::string> names;
    if (!ListNames(folder, names))
        return false;
    std::string native;
    Resolved(folder, native);
    const std::string base = native.back() == '/' ? native : native + "/";
    for (std::string& name : names) {
        const std::string full = base + name;
        EntryKind kind = EntryKind::Other;
        struct stat st;
        if (::lstat(full.c_str(), &st) == 0) {
            if (S_ISLNK(st.st_mode)) {
                struct stat target;
                if (::stat(full.c_str(), &target) == 0) {
                    if (S_ISDIR(target.st_mode)) {
                        kind = EntryKind::LinkToFolder;
                    } else if (S_ISREG(target.st_mode)) {
                        kind = EntryKind::LinkToFile;
                    }
                }
            } else if (S_ISDIR(st.st_mode)) {
                kind = EntryKind::Folder;
            } else if (S_ISREG(st.st_mode)) {
                kind = EntryKind::File;
            }
        }
        entries.push_back({std::move(name), kind});
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return true;
}

bool ReadFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::string native;
    if (!Resolved(path, native) || native.empty())
        return false;
    int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

bool WriteTime(const std::string& path, uint64_t& time) {
    std::string native;
    struct stat st;
    if (!Resolved(path, native) || native.empty() || ::stat(native.c_str(), &st) != 0) {
        return false;
    }
    time = (static_cast<uint64_t>(st.st_mtim.tv_sec) + 11644473600ULL) * 10000000ULL +
           static_cast<uint64_t>(st.st_mtim.tv_nsec) / 100;
    return true;
}

bool FileSize(const std::string& path, uint64_t& size) {
    std::string native;
    struct stat st;
    if (!Resolved(path, native) || native.empty() || ::stat(native.c_str(), &st) != 0) {
        return false;
    }
    size = static_cast<uint64_t>(st.st_size);
    return true;
}

TempFileWriter::~TempFileWriter() { Discard(); }

bool TempFileWriter::Open(const std::string& target) {
    Discard();
    failed_ = false;
    std::string native;
    if (!Resolve(target, native) || native.empty() || native.back() == '/')
        return false;
    // Replacing a link replaces the file it names, not the link.
    struct stat st;
    if (::lstat(native.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(native.c_str(), nullptr)) {
            native = real;
            std::free(real);
        }
    }
    if (::stat(native.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return false;
    std::string pattern = native + kTempFileSuffix;
    // Close-on-exec, so programs started meanwhile do not hold the file open.
    int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    fd_ = fd;
    temp_native_ = pattern;
    target_native_ = native;
    return true;
}

bool TempFileWriter::Write(const void* data, size_t size) {
    if (fd_ < 0 || failed_) {
        failed_ = true;
        return false;
    }
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd_, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            failed_ = true;
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool TempFileWriter::Commit() {
    if (fd_ < 0)
        return false;
    if (failed_) {
        Discard();
        return false;
    }
    struct stat st;
    mode_t mode =
        ::stat(target_native_.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
    bool ok = ::fchmod(fd_, mode) == 0;
    ok = (::close(fd_) == 0) && ok;
    fd_ = -1;
    if (ok)
        ok = ::rename(temp_native_.c_str(), target_native_.c_str()) == 0;
    if (!ok)
        ::unlink(temp_native_.c_str());
    temp_native_.clear();
    return ok;
}

void TempFileWriter::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_native_.empty()) {
        ::unlink(temp_native_.c_str());
        temp_native_.clear();
    }
    failed_ = false;
}

} // namespace pf::fs
