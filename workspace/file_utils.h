#pragma once
// File and folder helpers shared by installation, caching and configuration. Paths are
// internal paths (backslash separators, folders ending in '\'); every OS call goes
// through platform/fs. The listers never change the process's current directory.
#include <cstdint>
#include <string>
#include <vector>

namespace pf {

// A file's last-write time: 100-ns ticks since 1601, split as the platform keeps it.
struct FileTime {
    uint32_t low = 0;
    uint32_t high = 0;

    uint64_t Value() const { return (static_cast<uint64_t>(high) << 32) | low; }
    static FileTime FromValue(uint64_t value) {
        return FileTime{static_cast<uint32_t>(value & 0xFFFFFFFFu),
                        static_cast<uint32_t>(value >> 32)};
    }
};

// True when the file or folder exists (links are followed).
bool PathExists(const std::string& path);

// True and the time when the file can be queried; otherwise false, time untouched.
bool GetFileWriteTime(const std::string& path, FileTime& time);

// The listers' name order: ASCII case ignored, ties in byte order, so lists come out the
// same on every file system.
bool NameBefore(const std::string& a, const std::string& b);

// Windows wildcard match of a whole name: '*' any run, '?' one character, "*.*" every
// name; ASCII case ignored.
bool MatchesWildcard(const std::string& name, const std::string& pattern);

// Names (no folder part) of the entries that are not folders and match the pattern,
// sorted without regard to ASCII case. False (list empty) when the folder is missing.
bool ListFilesInFolder(const std::string& folder, const std::string& pattern,
                       std::vector<std::string>& out);
// The same for sub-folders, skipping names that begin with '.'.
bool ListSubfolders(const std::string& folder, const std::string& pattern,
                    std::vector<std::string>& out);
bool ListFiles(const std::string& folder, const std::string& pattern,
               std::vector<std::string>& out);

// Cuts the path just after its last '\'. False, with the path emptied, when there is no
// '\' or it is the last character.
bool GetFolderPart(std::string& path);
// The folder holding the path's last element ("E:\a\b\" and "E:\a\b.txt" give "E:\a\").
bool GetParentFolder(std::string& path);

// Creates, under an existing base folder, the missing folders of the folder part of a
// relative file path ("Config\Earth\x.cfg" makes "Config\" and "Config\Earth\").
bool CreateDirectoryPath(const std::string& base, const std::string& relative);
// Deletes the program's own files of a folder tree inside the documents or application
// data folder; folders that keep anything else stay. Links are never followed.
void DeleteDirectoryTree(const std::string& folder);
void DeleteFolderTree(std::string folder);
// Copies source root + relative to destination root + relative, making its folders.
bool CopyFileCreatingPath(const std::string& destination_root, const std::string& source_root,
                          const std::string& relative);

} // namespace pf
