#pragma once
// The one place where a path meets the operating system. Inside the program a path is
// in internal form: backslash separators, folders ending in '\'. Every function here
// takes an internal path, turns '\' into '/', and resolves each component that does not
// exist with its exact case against the directory entries without regard to ASCII case
// (first match in byte order). A path holding a NUL byte is refused (false / empty).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pf::fs {

// '\' becomes '/' (no resolution): for showing a path to a person.
std::string ToNative(const std::string& internal);
// '/' becomes '\': for every path that comes from the OS.
std::string ToInternal(const std::string& native);
// The native path that an OS call should use, with case-insensitive matching of
// components that do not exist as written. False for a path holding NUL.
bool Resolve(const std::string& internal, std::string& native);

bool Exists(const std::string& path);        // follows links
bool IsDirectory(const std::string& path);   // follows links
bool IsRegularFile(const std::string& path); // follows links
bool IsSymlink(const std::string& path);     // the last component itself

// Makes one level; false when the folder exists already or cannot be made.
bool CreateDirectory(const std::string& path);
// Makes every missing folder of the path (mkdir -p); true when the folder exists after.
bool CreateDirectories(const std::string& path);
// Unlinks a regular file or a link (never follows a link).
bool RemoveFile(const std::string& path);
// rmdir; never follows a link.
bool RemoveEmptyDirectory(const std::string& path);
bool Rename(const std::string& from, const std::string& to);
// True when both name the same existing file.
bool Equivalent(const std::string& a, const std::string& b);
// The existing path with every link resolved (realpath), in internal form without a
// trailing '\'; empty when it cannot be resolved.
std::string Canonical(const std::string& path);

enum class EntryKind { File, Folder, LinkToFile, LinkToFolder, Other };
struct DirEntry {
    std::string name;
    EntryKind kind;
};
// The entries of a folder without "." and "..", in byte order of their names.
bool List(const std::string& folder, std::vector<DirEntry>& entries);
// Only the names of the entries, in directory order: no entry is looked at, so a large
// folder costs one pass.
bool ListNames(const std::string& folder, std::vector<std::string>& names);

// Reads a whole regular file; false when it cannot be read (bytes then empty).
bool ReadFile(const std::string& path, std::string& bytes);

// st_mtim as the platform file time: (sec + 11644473600) * 10^7 + nsec / 100.
bool WriteTime(const std::string& path, uint64_t& time);
// The size in bytes of a file (links followed).
bool FileSize(const std::string& path, uint64_t& size);

// The longest name of one file or folder that the file systems we run on take, in bytes.
inline constexpr size_t kMaxNameBytes = 255;
// What the safe writer appends to a target's name for its temporary file.
inline constexpr char kTempFileSuffix[] = ".pf-tmp-XXXXXX";
inline constexpr size_t kTempFileSuffixBytes = sizeof(kTempFileSuffix) - 1;

// Writing a file safely: the content goes to a temporary file beside the target
// ("<target name>.pf-tmp-XXXXXX"), which Commit() renames over the target. A writer
// destroyed without Commit(), or after a failed write, removes its temporary file.
class TempFileWriter {
  public:
    TempFileWriter() = default;
    ~TempFileWriter();
    TempFileWriter(const TempFileWriter&) = delete;
    TempFileWriter& operator=(const TempFileWriter&) = delete;

    // Opens the temporary file; false when the target's folder cannot take it.
    bool Open(const std::string& target);
    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    // Writes all bytes to the temporary file. A failure is remembered, and Commit()
    // then refuses and removes the temporary file.
    bool Write(const void* data, size_t size);
    // Closes and renames over the target (the new file keeps the old file's mode, or
    // 0666 less the umask). False, with the temporary file removed, on any failure.
    bool Commit();
    // Closes and removes the temporary file, leaving the target as it was.
    void Discard();
    const std::string& TempNativePath() const { return temp_native_; }

  private:
    int fd_ = -1;
    bool failed_ = false;
    std::string temp_native_;
    std::string target_native_;
};

} // namespace pf::fs
