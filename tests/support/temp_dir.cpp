#include "support/temp_dir.h"

#include <dirent.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pf::test {

namespace stdfs = std::filesystem;

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/padforge-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    native_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests may leave read-only folders behind; make them writable before removing.
    for (auto it = stdfs::recursive_directory_iterator(native_, ec);
         !ec && it != stdfs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec)) {
            stdfs::permissions(it->path(), stdfs::perms::owner_all, stdfs::perm_options::add, ec);
        }
    }
    stdfs::remove_all(native_, ec);
}

std::string TempDir::Internal() const {
    std::string s = native_;
    for (char& c : s) {
        if (c == '/')
            c = '\\';
    }
    return s + "\\";
}

std::string TempDir::NativePath(const std::string& relative) const {
    return native_ + "/" + relative;
}

std::string TempDir::InternalPath(const std::string& relative) const {
    return Internal() + relative;
}

std::vector<std::string> NativeNames(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n != "." && n != "..")
                names.push_back(n);
        }
        closedir(d);
    }
    return names;
}

void WriteNativeFile(const std::string& path, const std::string& bytes) {
    stdfs::path p(path);
    if (p.has_parent_path()) {
        stdfs::create_directories(p.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string ReadNativeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void TempDir::WriteFile(const std::string& relative, const std::string& bytes) const {
    WriteNativeFile(NativePath(relative), bytes);
}

std::string TempDir::ReadFile(const std::string& relative) const {
    return ReadNativeFile(NativePath(relative));
}

bool TempDir::Exists(const std::string& relative) const {
    std::error_code ec;
    return stdfs::exists(NativePath(relative), ec);
}

ScopedCurrentDir::ScopedCurrentDir(const std::string& native_folder)
    : previous_(stdfs::current_path().string()) {
    stdfs::current_path(native_folder);
}

ScopedCurrentDir::~ScopedCurrentDir() {
    std::error_code ec;
    stdfs::current_path(previous_, ec);
}

} // namespace pf::test
